#pragma once
// Numeric entry field of the configuration window. It holds the double it shows
// exactly: a value is written with as many decimals as it needs to read back
// bit for bit (at least mindestStellen), so panel -> record -> panel loses nothing.
// The window reads its fields when it is left, so the value follows the typing.
#include "uisupport/Zahlfeld.h"

#include <cmath>

class KonfigZahlFeld : public Zahlfeld {
    Q_OBJECT
  public:
    // Largest magnitude a user may type; values from files may be larger.
    static constexpr double kGrenze = 1e12;

    KonfigZahlFeld(int mindestStellen, QWidget* eltern);

    // Callers (the record) never hold non-finite numbers; keep the field defined anyway.
    void setWert(double v) { Zahlfeld::setWert(std::isfinite(v) ? v : 0.0); }
    // Shows wert() in the field's own format (drops an unfinished entry).
    void Normalisieren() { Uebernehmen(); }

    // Shortest text of v with at least mindestStellen decimals that reads back as v.
    static QString Text(double v, int mindestStellen) { return ExaktText(v, mindestStellen); }
};
