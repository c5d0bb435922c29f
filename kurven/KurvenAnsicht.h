#pragma once
// Arithmetic of the curve generator's graph that the window needs: the visible
// time range, zoom and scroll bar, which segments are drawn, time-base labels,
// the Y axis, cycles and rest value entry, titles.
#include "kurven/KurvenModell.h"

#include <string>
#include <vector>

namespace kurvengenerator {

// The main graph's time axis runs from start to ende + 1 microseconds.
struct Ansicht {
    double start = 0.0;    // ansichtStart
    double ende = 10000.0; // ansichtEnde
};

double AnsichtSpanne(const Ansicht& a); // ende - start + 1

void ZoomPlus(Ansicht& a);
void ZoomMinus(Ansicht& a);
// Only with an active mark: zooms to it if it is not empty and clears it.
// Returns true if the view or the mark changed.
bool ZoomMarkierung(Ansicht& a, Markierung& m);
void GanzeKurveZeigen(Ansicht& a, const Kurve& k);

// Scroll bar in percent of the current curve's length.
struct Scrollstand {
    int groesse;  // thumb size 1..100
    int position; // 0..100
};
Scrollstand ScrollbalkenStand(const Ansicht& a, const Kurve& k);
// The user ended a scroll at prozent: the view moves, its span stays.
void ScrollbalkenVerschieben(Ansicht& a, const Kurve& k, int prozent);

// Segments drawn for a view: from the first whose end is not below
// ansichtStart to the first whose end exceeds ansichtEnde (or the last).
// Used for the current curve and for every background curve.
struct SegmentBereich {
    bool sichtbar = false; // false when no segment reaches ansichtStart
    int erster = 0;
    int letzter = -1;
    double startErster = 0.0; // start time of segment erster
};
SegmentBereich SichtbareSegmente(const Kurve& k, double ansichtStart, double ansichtEnde);

// Time-base labels: one at time 0, then one wherever the code changes.
struct ZeitbasisMarke {
    double x;
    int code;
};
std::vector<ZeitbasisMarke> ZeitbasisMarken(const Kurve& k);

// Y axis of curve k: unit = verstaerkung * counts + versatz.
struct YAchse {
    double verstaerkung;
    double versatz;
    std::string einheit; // UTF-8
};
YAchse YAchseBerechnen(const KonfigDaten& konfig, int k);
// "Ruhezustand [unit]"
std::string RuhewertBeschriftung(const KonfigDaten& konfig, int k);
// "min" / "Y-Zoom max" committed (unit values). True if taken over; false if
// the window must show the stored bounds again.
bool YZoomSetzen(Kurvensatz& s, int k, double minEinheit, double maxEinheit, const KonfigDaten& konfig);
// Cycle count or rest value committed: stores both (cycles limited to the
// header's 0..65535, rest value to 0..4095 counts), sets geaendert and returns
// the rest value in the unit as the box will use it.
double ZyklenUndRuhewertSetzen(Kurvensatz& s, int k, long zyklen, double ruheEinheit, const KonfigDaten& konfig);

// "Kurvengenerator - name.dlr", or "Kurvengenerator" without a path.
std::string FensterTitel(const std::string& pfad);
std::string DateiName(const std::string& pfad);
// Title of the comment dialog of curve k (0..3): "Kommentar - Kurve %d".
std::string KommentarTitel(int k);
// Text of the unsaved-changes question ("Warnung": "Ja", "Nein", "Abbrechen").
std::string UngespeichertFrage(const Kurvensatz& s);

inline constexpr const char* kTitelKurvengenerator = "Kurvengenerator";
inline constexpr const char* kTitelWarnung = "Warnung";

} // namespace kurvengenerator
