#pragma once
// The curve generator's document: four curves of straight segments, each
// segment on its own time base, plus cycles, rest values and the Y settings of
// the graph. Values are device counts 0..4095, times microseconds (double).
//
// Plain C++; the window, the files, the text exchange and the transfer all
// work on one Kurvensatz. Unit conversions take the I/O configuration as an
// argument.
#include "config/KonfigDaten.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kurvengenerator {

inline constexpr int kKurvenzahl = 4;
inline constexpr int kZeitbasen = 12;
inline constexpr std::int32_t kMaxLaenge = 65535;
inline constexpr int kMaxWert = 4095;
inline constexpr long kBoxSpeicher = 65536; // bytes of the box's curve memory
inline constexpr long kAbbildKopf = 32;     // of which the header takes these
inline constexpr std::size_t kMaxKommentarZeichen = 999;
inline constexpr int kUndoSlots = 10;

struct Kurvenpunkt {
    std::int32_t wert = 0;      // counts 0..4095
    std::int32_t laenge = 1;    // ticks of zeitbasis, 1..65535
    std::uint8_t zeitbasis = 7; // code 1..12
    bool operator==(const Kurvenpunkt&) const = default;
};

// One point {0, 1, "10ms"}: a curve of 10000 microseconds at the bottom.
inline constexpr Kurvenpunkt kFrischerPunkt{0, 1, 7};

struct Kurve {
    // Never empty. The last point's segment runs back to the first point's
    // value (the closing segment, kept at length 1 by the editor).
    std::vector<Kurvenpunkt> punkte = std::vector<Kurvenpunkt>(1, kFrischerPunkt);
    std::string kommentar; // UTF-8, at most 999 characters, Windows-1252 representable
    int punktzahl() const { return static_cast<int>(punkte.size()); }
};

struct Markierung {
    double start = 0.0;
    double ende = -1.0;
    bool aktiv = false;
    bool frisch = true; // the next drag in "Markieren" starts a new mark
};

// Ten snapshots of a curve's points; undo and redo swap with them.
struct Rueckgaengigring {
    std::array<std::vector<Kurvenpunkt>, kUndoSlots> ablagen;
    int naechster = 0;
    int undoZahl = 0;
    int redoZahl = 0;
    Rueckgaengigring() { ablagen.fill(std::vector<Kurvenpunkt>(1, kFrischerPunkt)); }
};

struct Kurvensatz {
    std::array<Kurve, kKurvenzahl> kurven;
    std::array<std::int32_t, kKurvenzahl> zyklen{};   // 0 = endless
    std::array<std::int32_t, kKurvenzahl> ruhewert{}; // counts
    std::array<std::int32_t, kKurvenzahl> yMin{};
    std::array<std::int32_t, kKurvenzahl> yMax{kMaxWert, kMaxWert, kMaxWert, kMaxWert};
    // Y grid per curve in the unit of its output. The window stores its
    // "Y-Raster" field here whenever it changes, so drawing and moving use it.
    std::array<double, kKurvenzahl> yRaster{};
    int aktuelleKurve = 0;
    bool geaendert = false;
    std::string dateiPfad;

    // Editing state: the mark of the current curve, the clipboard shared by
    // all curves, one undo ring per curve.
    Markierung markierung;
    std::vector<Kurvenpunkt> zwischenspeicher;
    std::array<Rueckgaengigring, kKurvenzahl> ringe;

    Kurve& Aktuelle() { return kurven[Index()]; }
    const Kurve& Aktuelle() const { return kurven[Index()]; }
    Rueckgaengigring& AktuellerRing() { return ringe[Index()]; }
    const Rueckgaengigring& AktuellerRing() const { return ringe[Index()]; }

  private:
    std::size_t Index() const {
        return aktuelleKurve >= 0 && aktuelleKurve < kKurvenzahl ? static_cast<std::size_t>(aktuelleKurve) : 0;
    }
};

// Time bases, codes 1..12.
double ZeitbasisDauer(int code);           // tick in microseconds; 0 outside 1..12
const char* ZeitbasisText(int code);       // "500us" .. "1min"; " " outside 1..12
const char* ZeitbasisRingText(int code);   // as ZeitbasisText, but "1s" for code 11
int ZeitbasisCode(std::string_view label); // exact, case-sensitive; 0 if none
bool ZeitbasisGueltig(int code);

// Timing. An unknown time-base code counts as a tick of 0.
double GeradenDauer(const Kurvenpunkt& p);
// Start of point i (sum of the earlier segments); i = punktzahl gives the length.
double StartzeitPunkt(const Kurve& k, int i);
double KurvenLaenge(const Kurve& k);
// Segment containing floor(t); the last index at or past the end.
int GeradeAnZeit(const Kurve& k, double t);

// Units of output channel k (0..3).
double SchritteZuEinheit(const KonfigDaten& konfig, int k, double schritte);
double EinheitZuSchritte(const KonfigDaten& konfig, int k, double einheit); // unrounded
// Snaps counts to a grid of raster units (0 = none), clamps to 0..4095 and
// rounds; a grid that maps to no count step counts as none.
double YRasterAnwenden(const KonfigDaten& konfig, int k, double raster, double schritte);

// Bytes the four curves need in the box: header plus two per tick.
long long Speicherbedarf(const Kurvensatz& s);
// Memory indicator: percent of the box as shown, and whether it turns red.
double SpeicherProzent(long long bedarf);
bool SpeicherUeberschritten(double prozent);

// 0 or KurvenFehler::PunkteSpeicher (the curve keeps its points). New points are fresh points.
int PunkteAnzahlSetzen(Kurve& k, int n);
// Everything to its start-up state: fresh curves, empty undo rings and clipboard,
// no mark, cycles and rest values 0, Y range 0..4095, no grid. 0 or InitSpeicher.
int KurvenInitialisieren(Kurvensatz& s);
// "Neu": every curve fresh, comments empty, cycles and rest values 0, no file.
// Y settings, undo rings, clipboard and geaendert stay.
int KurvenNeu(Kurvensatz& s);

// Comments: the text must be representable in the files (Windows-1252, no NUL);
// longer texts are cut to 999 characters. Sets geaendert when the text changes.
bool KommentarGueltig(std::string_view utf8);
bool KommentarSetzen(Kurvensatz& s, int k, std::string_view utf8);
// The comment line of the window: the first 30 characters.
std::string KommentarZeile(std::string_view kommentar);

} // namespace kurvengenerator
