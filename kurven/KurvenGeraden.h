#pragma once
// Editing modes that work on one point or segment picked by a click: the
// coordinate dialog, dissolving a point, splitting a segment, changing a
// segment's time base or length.
#include "kurven/KurvenMaus.h"

#include <string>

namespace kurvengenerator {

// "Punktkoordinaten zeigen/ändern": what the dialog "Punkt n" shows for point i.
struct Punktdialog {
    std::string titel; // "Punkt %d"
    Zeitangabe zeit;
    double wertEinheit;
    double x, y; // the red marker
};
Punktdialog PunktKoordinaten(const Kurvensatz& s, int i, const KonfigDaten& konfig);
// The dialog closed with OK: moves point i in time and/or value.
Bearbeitung PunktKoordinatenAendern(Kurvensatz& s, int i, const Zeitangabe& zeit, double wertEinheit,
                                    const KonfigDaten& konfig);

// "Punkt auflösen" on point i (from NaechsterPunkt).
Bearbeitung PunktAufloesen(Kurvensatz& s, int i);

// "Gerade teilen" at time x.
Bearbeitung GeradeTeilen(Kurvensatz& s, double x);

// "Zeitbasis ändern": the code to check in the popup for a press at x, and
// the change once a code was chosen.
int ZeitbasisAnZeit(const Kurvensatz& s, double x);
Bearbeitung ZeitbasisAendern(Kurvensatz& s, double x, int code);

// "Geradenlänge ändern": the dialog "Gerade n" for a release at x; offen is
// false for the closing segment.
struct Geradendialog {
    bool offen = false;
    int gerade = 0;
    std::string titel; // "Gerade %d"
    Zeitangabe dauer;
    Linie markierung{}; // yellow highlight
};
Geradendialog GeradenlaengeDialog(const Kurvensatz& s, double x);
Bearbeitung GeradenlaengeAendern(Kurvensatz& s, int gerade, const Zeitangabe& dauer);

} // namespace kurvengenerator
