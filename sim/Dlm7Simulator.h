#pragma once
// A DLM-7 box on a pseudo-terminal, served by its own thread. Open the slave
// path (SlavePfad) with the driver like a real serial port. Faults can be
// injected for the following requests; the accessors give the box's state.
#include "sim/SimGeraet.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class Dlm7Simulator {
  public:
    // What the box does instead of its normal answer.
    enum class Stoerung { Keine, Nak, Can, Stille, Streubyte };
    // How the answer line (after the ACK) of a read request is broken.
    enum class Zeilenfehler { Keiner, FalschesEcho, OhneCR, FalscheHexziffer, FalschePruefsumme };

    struct Einstellungen {
        char adresse = '1';
        std::string kennung = "QAV-DLM7D-SIM-V1.0";
        int baud = 9600;
        std::string eepromDatei; // empty: memory lives only as long as the simulator
        bool takt = false;       // pace both directions at the line rate
        bool trace = false;
        std::ostream* traceZiel = nullptr; // std::cerr when null
        // Further boxes on the same line (address, identity). They answer the
        // identity read only and refuse everything else, enough for a scan.
        std::vector<std::pair<char, std::string>> weitereGeraete;
    };

    Dlm7Simulator();
    explicit Dlm7Simulator(Einstellungen e);
    ~Dlm7Simulator();
    Dlm7Simulator(const Dlm7Simulator&) = delete;
    Dlm7Simulator& operator=(const Dlm7Simulator&) = delete;

    // Creates the pseudo-terminal and starts the thread. False with a message.
    bool Starten(std::string& fehler);
    void Beenden();
    const std::string& SlavePfad() const { return slavePfad_; }

    // Fault injection; each applies to the next n requests addressed to the box.
    void StoerungSetzen(Stoerung art, int anzahl = 1);
    void ZeilenfehlerSetzen(Zeilenfehler art, int anzahl = 1);
    // A memory cell (0..65535) that stores every byte written to it inverted; -1 mends it.
    void SpeicherfehlerSetzen(long adresse);
    // Free-form change of the next n answer lines (the bytes after the ACK).
    void ZeilenfilterSetzen(std::function<std::string(const std::string&)> filter, int anzahl = 1);
    void VerzoegerungSetzen(std::chrono::milliseconds verzoegerung);
    void TaktSetzen(bool takt);
    // A pulled cable: nothing is received or sent until it is plugged again.
    void KabelGezogen(bool gezogen);

    // State of the box.
    int Ausgang(int k) const; // k = 1..4, raw 0..4095
    void AusgangSetzen(int k, int roh);
    double Eingang(int k) const; // k = 1..4, 0..10
    void EingangSignal(int k, std::optional<SimSignal> signal);
    // While the generator plays, the outputs drive their inputs in spite of a signal.
    void GeneratorRueckfuehrungSetzen(bool an);
    unsigned char Modus() const;
    void ModusSetzen(unsigned char modus);
    unsigned char Status(int reg) const;
    void FehlerbitsSetzen(unsigned char bits);
    SimGeraet::Lauf Laufzustand() const;
    std::vector<unsigned char> Speicher(std::size_t start, std::size_t anzahl) const;
    void SpeicherSetzen(std::size_t start, const std::vector<unsigned char>& daten);
    char Adresse() const;
    int Baud() const;

    // Every request frame received so far, in order, as raw bytes.
    std::vector<std::string> Anfragen() const;
    void AnfragenLoeschen();
    // Waits until bedingung holds for the requests received so far; false
    // when frist passes first.
    bool AufAnfragenWarten(const std::function<bool(const std::vector<std::string>&)>& bedingung,
                           std::chrono::milliseconds frist) const;
    // Writes the EEPROM file if anything changed.
    bool Sichern();

  private:
    using Uhr = std::chrono::steady_clock;
    double Jetzt() const;
    void Schleife();
    void RahmenBearbeiten(const std::string& rahmen, Uhr::time_point ankunft);
    void Senden(const std::string& bytes, Uhr::time_point ab);
    const std::pair<char, std::string>* WeiteresGeraet(const std::string& rahmen) const;
    Uhr::duration Zeichenzeit() const;
    void Protokollieren(const char* richtung, const std::string& bytes);

    Einstellungen einstellungen_;
    mutable std::mutex mutex_;
    mutable std::condition_variable anfrageDa_;
    mutable SimGeraet geraet_;
    Uhr::time_point beginn_ = Uhr::now();

    int master_ = -1;
    int slave_ = -1;
    int weckRohr_[2] = {-1, -1};
    std::string slavePfad_;
    std::thread faden_;
    std::atomic<bool> ende_{false};

    Stoerung stoerung_ = Stoerung::Keine;
    int stoerungAnzahl_ = 0;
    std::function<std::string(const std::string&)> filter_;
    int filterAnzahl_ = 0;
    std::chrono::milliseconds verzoegerung_{0};
    bool takt_ = false;
    bool kabelGezogen_ = false;
    std::vector<std::string> anfragen_;
    Uhr::time_point letzteAenderung_{};
};
