#pragma once
// The characteristic curve as the program holds it: points on the box's raw
// 12-bit scale (X = input 2, Y = output 1), the conversions into the units of
// the I/O configuration, the table of 4096 output values the box really
// outputs, and the rise-time code.
#include "config/KonfigDaten.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kRohMax = 4095;
inline constexpr int kTabellenGroesse = 4096;
inline constexpr int kMaxLaenge = 65535;          // longest line any operation accepts
inline constexpr std::size_t kPunktGroesse = 12;  // one point in files
inline constexpr double kStartAnstiegszeit = 0.1; // ms, the fastest setting

struct KennlinienPunkt {
    std::int32_t yWert = kRohMax; // output level, raw 0..4095
    std::int32_t laenge = 0;      // raw input steps to the next point
    std::uint8_t stufencode = 0;  // step-width code of the line starting here; every code means 1.0
    bool operator==(const KennlinienPunkt&) const = default;
};

// The 12-byte file form, little-endian: yWert, laenge, stufencode, 3 zero bytes.
void PunktSchreiben(const KennlinienPunkt& p, unsigned char* ziel);
KennlinienPunkt PunktLesen(const unsigned char* quelle);

using Kennlinienpunkte = std::vector<KennlinienPunkt>;

// Points in X order (at least one) and the comment (UTF-8, lines joined by LF).
struct Kennlinie {
    Kennlinienpunkte punkte{KennlinienPunkt{}};
    std::string kommentar;
    int anzahl() const { return static_cast<int>(punkte.size()); }
};

// A new curve: the single point (4095, 0, 0) and no comment; full scale for every input.
Kennlinie NeueKennlinie();
Kennlinienpunkte NeuePunkte();

// X of point k: the sum of laenge over the points before it (0 for k <= 0).
long long PunktPosition(const Kennlinienpunkte& punkte, int k);
// Every point's X at once, for loops over the whole curve.
std::vector<long long> PunktPositionen(const Kennlinienpunkte& punkte);

// Raw value <-> unit of output channel c (0 = output 1) or input channel i
// (0 = input 1) through the given configuration; the Einheit->Roh direction
// is the exact inverse, without rounding.
double AusgangRohZuEinheit(const KonfigDaten& k, int c, double roh);
double AusgangEinheitZuRoh(const KonfigDaten& k, int c, double einheit);
double EingangRohZuEinheit(const KonfigDaten& k, int i, double roh);
double EingangEinheitZuRoh(const KonfigDaten& k, int i, double einheit);

// Entry x is the output for input x.
using Kennlinientabelle = std::array<std::uint16_t, kTabellenGroesse>;

// Each line's value at every input step, rounded half up and limited to
// 0..4095; from the end of the last point's length on, the last level.
// 0, or KennlFehler::ZuVieleEintraege (tabelle then unchanged) when the
// lengths add up to more than 4096 entries.
int Digitalisieren(const Kennlinienpunkte& punkte, Kennlinientabelle& tabelle);

// The levels the box outputs on the line (x1, y1)-(x2, y2) for x = x1, x1 + 1, ...
// while x < x2: floor(s * x + c + 0.5), only for x inside 0..4095.
std::vector<int> Stufen(double x1, double y1, double x2, double y2);

// Rise time in ms (0 to 100 %) -> the 24-bit code the box takes; a time of 0
// or less (or not a number) gives 256, i.e. 409.5 ms.
long AnstiegszeitZuCode(double ms);
// Code -> ms; codes below 1 count as 1 (the slowest, 104422.5 ms).
double CodeZuAnstiegszeit(long code);
// The nearest time the box can realise: what a committed rise time becomes.
inline double AnstiegszeitRealisierbar(double ms) { return CodeZuAnstiegszeit(AnstiegszeitZuCode(ms)); }
