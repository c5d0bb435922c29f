#pragma once
// The DLM-7 box without its line: interprets one request frame and gives the
// answer bytes, keeps outputs, inputs, registers, memory and the running
// controller or generator. Not thread-safe; the simulator serialises calls.
#include "sim/SimGenerator.h"
#include "sim/SimKennlinie.h"
#include "sim/SimSignal.h"
#include "sim/SimSpeicher.h"

#include <array>
#include <optional>
#include <string>

class SimGeraet {
  public:
    // Mode register bits.
    static constexpr unsigned char kModusStartEingang = 0x01;
    static constexpr unsigned char kModusKennlinie = 0x02;
    static constexpr unsigned char kModusGenerator = 0x04;
    // Status register 1 bits (the simulator's own meaning).
    static constexpr unsigned char kStatusLaeuft = 0x01;
    static constexpr unsigned char kStatusKennlinie = 0x02;
    static constexpr unsigned char kStatusGenerator = 0x04;
    static constexpr unsigned char kStatusFertig = 0x08;

    enum class Lauf { Gestoppt, Kennlinie, Generator };

    // Answer bytes for one frame ('#' .. CR) at time t; empty when the box
    // stays silent (other address, broadcast).
    std::string Bearbeiten(const std::string& rahmen, double t);
    // Moves the running controller or generator and input 4's start/stop to t.
    void Fortschreiben(double t);

    unsigned char Starten(double t);
    void Stoppen(double t);

    char adresse = '1';
    std::string kennung = "QAV-DLM7D-SIM-V1.0";
    int baud = 9600;
    SimSpeicher speicher;
    std::array<int, 4> ausgaenge{};
    std::array<std::optional<SimSignal>, 4> signale;
    // While the generator plays, every input reads its output again, signal or not
    // (a demo wired for the controller can still show a recorded response).
    bool generatorRueckfuehrung = false;
    unsigned char fehlerbits = 0;
    // A defective memory cell: whatever a write puts there reads back inverted
    // (the write is still acknowledged). -1: none.
    long defekteZelle = -1;

    Lauf Laufzustand() const { return lauf_; }
    unsigned char Status1(double t) const;
    // Input k (0..3) as the box reads it: 0..10 over the full range.
    double Eingang(int k, double t) const;
    // The curve-selection input, wired to output 4: volts 0..10.
    double Auswahlspannung() const;

  private:
    std::string Befehl(const std::string& rahmen, double t, bool& antworten);

    Lauf lauf_ = Lauf::Gestoppt;
    double startZeit_ = 0.0;
    bool startEingangHoch_ = false;
    SimGenerator generator_;
    SimKennlinie kennlinie_;
};
