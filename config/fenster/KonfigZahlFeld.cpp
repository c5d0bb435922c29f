#include "config/fenster/KonfigZahlFeld.h"

KonfigZahlFeld::KonfigZahlFeld(int mindestStellen, QWidget* eltern) : Zahlfeld(eltern) {
    setStellen(mindestStellen);
    setExakt(true);
    setSofort(true);
    // What the field shows is what the record gets: a keystroke past the limit is refused.
    setTippGrenze(kGrenze);
}
