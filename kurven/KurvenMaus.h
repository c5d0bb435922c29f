#pragma once
// The mouse editing modes of the curve generator's graph. Positions are graph
// coordinates: x in microseconds, y in counts. Functions that change the curve
// return a Bearbeitung (redraw flag and the messages to show); preview
// functions only compute what the window draws while the button is held.
#include "config/KonfigDaten.h"
#include "kurven/KurvenAnsicht.h"
#include "kurven/KurvenBearbeiten.h"

#include <string>

namespace kurvengenerator {

enum class Bearbeitungsmodus {
    Markieren,
    Zeichnen,
    Verschieben,
    Koordinaten,
    Anzeigen,
    Aufloesen,
    Teilen,
    Zeitbasis,
    Laenge
};

const char* ModusText(Bearbeitungsmodus m);     // toolbar tooltip, e.g. "Punkt zeichnen"
const char* ModusMenuText(Bearbeitungsmodus m); // menu item, e.g. "Punktkoordinaten ändern"
// A mode was selected: any mode but "Markieren" clears the mark. Returns
// whether the time-base labels are on (only in "Koordinaten und Zeitbasis anzeigen").
bool ModusGewaehlt(Kurvensatz& s, Bearbeitungsmodus m);

// Nearest point of curve k to (x, y), measured in pixels of a plot area of
// breite x hoehe showing the view's time span and the full value range.
int NaechsterPunkt(const Kurve& k, double x, double y, const Ansicht& a, double breite, double hoehe);

// Hours, minutes, seconds and milliseconds (with fraction) of a time in microseconds.
struct Zeitangabe {
    double stunden = 0.0;
    double minuten = 0.0;
    double sekunden = 0.0;
    double millisekunden = 0.0;
};
Zeitangabe ZeitZerlegen(double mikrosekunden);
double ZeitZusammensetzen(const Zeitangabe& z);

// "Punkt zeichnen". The preview is a red line from (x0, y0) to the marker (x, y);
// the coordinate display follows the marker.
struct Linie {
    double x0, y0, x1, y1;
};
Linie ZeichnenVorschau(const Kurvensatz& s, double x, double y, int zeitbasis, const KonfigDaten& konfig);
// Appends a point on release: the former closing point becomes a segment on
// zeitbasis reaching to x, the new point is the closing segment.
Bearbeitung PunktZeichnen(Kurvensatz& s, double x, double y, int zeitbasis, const KonfigDaten& konfig);

// "Punkt verschieben": point punkt was picked with NaechsterPunkt on the first
// drag. Snapped target, and the red preview lines to the neighbours.
struct Verschiebung {
    double x = 0.0;          // snapped time
    double y = 0.0;          // snapped value (counts)
    bool linksLinie = false; // line from the previous point (not for point 0)
    Linie links{};
    bool rechtsLinie = false; // line to the next point (not for the last point)
    Linie rechts{};
};
Verschiebung VerschiebenVorschau(const Kurvensatz& s, int punkt, double x, double y, const KonfigDaten& konfig);
Bearbeitung PunktVerschieben(Kurvensatz& s, int punkt, double x, double y, const KonfigDaten& konfig);

// "Koordinaten und Zeitbasis anzeigen" while the button is held.
struct Koordinatenanzeige {
    int zeitbasis;      // of the segment under x, for the time-base list
    Zeitangabe zeit;    // of x
    double wertEinheit; // of y in the unit of the curve's output
};
Koordinatenanzeige KoordinatenAnzeigen(const Kurvensatz& s, double x, double y, const KonfigDaten& konfig);

// "Markieren": every drag event, then the release.
void MarkierenZiehen(Kurvensatz& s, double x);
void MarkierenLoslassen(Kurvensatz& s, double x);

} // namespace kurvengenerator
