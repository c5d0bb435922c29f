// The fields of the curve edited in "Kurvengenerator": cycles, rest value,
// Y grid, Y zoom and the comment. Each commit goes to the editor, whose
// announcement sets the fields to what is in force.
#include "kurven/fenster/KurvenPanel.h"

#include "kurven/fenster/KurvenEingaben.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Zahlfeld.h"

using namespace kurvengenerator;

void KurvenPanel::YZoomGeaendert(bool maxFeld, double getippt) {
    const double unten = maxFeld ? yMin_->wert() : getippt;
    const double oben = maxFeld ? getippt : yMax_->wert();
    // The field keeps what was typed while it means the bound in force; a
    // refused pair is replaced by the stored bounds when the editor announces them.
    (maxFeld ? yMax_ : yMin_)->setWert(getippt);
    editor_.YZoomSetzen(unten, oben);
}

void KurvenPanel::ZyklenUndRuhezustand_Callback(bool ruheFeld, double getippt) {
    const double zyklen = ruheFeld ? zyklen_->wert() : getippt;
    const double ruhe = ruheFeld ? getippt : ruhe_->wert();
    editor_.ZyklenUndRuhewertSetzen(long(zyklen), ruhe);
}

void KurvenPanel::Kommentar_Callback() {
    if (gHilfeAktiv) return;
    const QString alt = QString::fromStdString(editor_.satz().Aktuelle().kommentar);
    const QString neu =
        eingaben_->Kommentar(this, QString::fromStdString(KommentarTitel(editor_.aktuelleKurve())), alt);
    if (!editor_.KommentarSetzen(neu.toStdString()))
        dialoge().Meldung(kTitelFehler, "Der Kommentar enthält Zeichen, die nicht gespeichert werden können.\n"
                                        "Der bisherige Kommentar bleibt erhalten.");
}
