#pragma once
// A recording of the box's inputs: the rounds of an input poll (device
// values with the moment each was read, seconds since the start), when it
// ends, the sample rate it achieved, the folding of a cycling curve's
// response onto its first cycle, and the CSV table of "Aufzeichnung
// speichern…" and dlm7ctl aufzeichnen. Plain C++: the window feeds it the
// rounds of Eingangsabfrage, dlm7ctl those of EingangsrundeLesen.
#include "config/KonfigDaten.h"
#include "device/Eingangsrunde.h"
#include "kurven/KurvenModell.h"

#include <string>
#include <vector>

namespace kurvengenerator {

// Writing the CSV file: "Fehler beim Öffnen der Datei", "Fehler beim Schreiben auf Datei".
inline constexpr int kAufzeichnungCsvOeffnen = -308611;
inline constexpr int kAufzeichnungCsvSchreiben = -301612;

struct Messwert {
    double zeit = 0.0; // seconds since the start
    double wert = 0.0; // device value 0..10
};

// A sample folded onto the first cycle: its cycle 0.. and the time within it.
struct GefalteterWert {
    int zyklus = 0;
    double zeit = 0.0;
    double wert = 0.0;
};

class Aufzeichnung {
  public:
    enum class Ende { Laeuft, Dauer, Fertig };

    // The inputs recorded; dauer in seconds (0: no limit); with
    // bisFertig it ends once the box reports all generator cycles played.
    explicit Aufzeichnung(const Eingangswahl& eingaenge = {true, true, true, true}, double dauer = 0.0,
                          bool bisFertig = true);

    // Takes one round (a failed one only up to its failure). Returns true when
    // the recording has ended with it: the duration is reached (a round begun
    // after it is not kept) or status register 1 says the box has played all
    // its cycles, after an earlier reading showed it running and not finished.
    bool RundeAufnehmen(const Eingangsrunde& r);

    Ende ende() const { return ende_; }
    const Eingangswahl& eingaenge() const { return eingaenge_; }
    double dauer() const { return dauer_; }
    const std::vector<Eingangsrunde>& runden() const { return runden_; }
    bool leer() const { return runden_.empty(); }
    // Samples of input k (0..3) in time order; empty for an input not recorded.
    std::vector<Messwert> Spur(int k) const;
    // Rounds per second from the first round to the last (0 with fewer than two).
    double Abtastrate() const;

  private:
    Eingangswahl eingaenge_;
    double dauer_;
    bool bisFertig_;
    Ende ende_ = Ende::Laeuft;
    bool spielte_ = false;
    std::vector<Eingangsrunde> runden_;
};

// The length of one cycle of the curve as the box plays it, in seconds:
// the sum of its segments' durations.
double KurvenPeriode(const Kurve& kurve);

// Each sample at its time within its cycle: t - n * periode, cycle n. A
// period that is not a positive finite number leaves every sample in cycle 0.
std::vector<GefalteterWert> Falten(const std::vector<Messwert>& spur, double periode);

// Physical value of input k for a device value 0..10 through the configuration.
double EingangPhys(const KonfigDaten& k, int kanal, double geraetewert);

// The table: RFC 4180, CR LF, '.' as decimal sign. Header "Zeit [s]" and one
// column per recorded input, "Eingang N [unit]" with the configured unit
// where a configuration is given, else "Eingang N [V]" in volts (device
// value over 10 V). One row per round, its time being the round's start;
// a round cut short by a failure leaves its missing values empty.
std::string AufzeichnungCsvText(const Aufzeichnung& a, const KonfigDaten* k);

// Written to a temporary file renamed over pfad: 0, kAufzeichnungCsvOeffnen
// or kAufzeichnungCsvSchreiben; a failure leaves an existing file alone.
int AufzeichnungCsvSpeichern(const Aufzeichnung& a, const KonfigDaten* k, const std::string& pfad);

} // namespace kurvengenerator
