#pragma once
// The arithmetic of the curve window's graphs: the visible X range with its
// zoom commands and scroll bar, the Y zoom, the mark, which lines the large
// graph draws, axis labelling, title and comment preview. No drawing here.
#include "kennlinie/Kennlinie.h"

#include <optional>
#include <string>
#include <vector>

// Visible X range [min, max + 1] and Y range [yMin, yMax], all raw.
struct Ansicht {
    double min = 0.0;
    double max = 4094.0;
    int yMin = 0;
    int yMax = kRohMax;
    double Breite() const { return max - min + 1.0; } // W
};

// The marked X range (raw). ende starts at -1; startOffen: the next position
// report of "Markieren" starts a new mark.
struct Markierung {
    double start = 0.0;
    double ende = -1.0;
    bool gueltig = false;
    bool startOffen = true;
};

// "Markieren": a position report while the button is held, and the release
// (which orders a mark drawn from right to left).
void MarkierenPosition(Markierung& m, double x);
void MarkierenLoslassen(Markierung& m, double x);
// "Alles Markieren": 0..4095.
void AllesMarkieren(Markierung& m);
// Choosing another edit mode drops the mark.
void MarkierungAufheben(Markierung& m);

// "Zoom +", "Zoom -", "Zoom Markierung" (only with a mark; the mark is dropped),
// "Zoom Gesammtkurve" (also after loading, reading from the box and "Neu").
void ZoomPlus(Ansicht& a);
void ZoomMinus(Ansicht& a);
void ZoomMarkierung(Ansicht& a, Markierung& m);
void ZoomGesamt(Ansicht& a);

// Scroll bar over 0..100: thumb size and position for the view.
struct Rollbalken {
    int groesse = 100;
    int position = 0;
};
Rollbalken RollbalkenAusAnsicht(const Ansicht& a);
// End of a scroll at position 0..100: the view keeps its width.
void AnsichtRollen(Ansicht& a, int position);

// Y zoom from the two fields (output 1's unit). false: refused (minimum not
// below maximum); the fields are then set back to YZoomFelder.
bool YZoomSetzen(Ansicht& a, const KonfigDaten& k, double minEinheit, double maxEinheit);
struct YZoomWerte {
    double min;
    double max;
};
YZoomWerte YZoomFelder(const Ansicht& a, const KonfigDaten& k);

// Lines the large graph draws, first..letzte (point indices; the last point's
// line is its extension to 4095). nullopt: nothing to draw.
struct SichtbareGeraden {
    int erste;
    int letzte;
};
std::optional<SichtbareGeraden> SichtbareGeradenBestimmen(const Kennlinienpunkte& punkte, const Ansicht& a);

// Line i from (x1, y1) to (x2, y2); for the last point the extension to 4095.
struct Geradenstueck {
    double x1, y1, x2, y2;
    bool ergaenzung; // the last point's extension (drawn light)
};
Geradenstueck GeradeVonPunkt(const Kennlinienpunkte& punkte, int i);
// Every line SichtbareGeradenBestimmen selects, in order; linear in the
// number of points, for curves of thousands of them.
std::vector<Geradenstueck> SichtbareGeradenstuecke(const Kennlinienpunkte& punkte, const Ansicht& a);

// Axis labelling: shown value = roh * faktor + offset, with the unit's name.
struct Achsenbeschriftung {
    double faktor;
    double offset;
    std::string einheit; // UTF-8
};
Achsenbeschriftung XAchse(const KonfigDaten& k); // input 2
Achsenbeschriftung YAchse(const KonfigDaten& k); // output 1
// The fixed value of output 2: "Analogausgang2 [unit]" and its limits.
struct BegrenzungFeld {
    std::string beschriftung;
    double min;
    double max;
};
BegrenzungFeld BegrenzungEinrichten(const KonfigDaten& k);
// What "Neu" puts into the fixed-value field: raw 0 on input 2's scale, the
// conversion the curve file uses for this value.
double NeueBegrenzung(const KonfigDaten& k);

// "Kennlinienregler - name.dle", or "Kennlinienregler" without a file.
std::string FensterTitel(const std::string& pfad);
// The unsaved-changes question for the file (or the window's name).
std::string SpeichernFrage(const std::string& pfad);
// The comment's first 30 characters (UTF-8 characters, not bytes).
std::string KommentarVorschau(const std::string& kommentar);
