// "DLM-7 Speicherübersicht…": the overview reaches the window only through
// what a row's buttons need, the slot read into the editor and the selection
// through output 4, both as the window's own buttons do them for that slot.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "config/KonfigModell.h"
#include "kennlinie/fenster/KennlinienGeraetAktionen.h"
#include "kennlinie/fenster/Speicheruebersicht.h"
#include "uisupport/Hilfemodus.h"

void KennlinienPanel::SpeicheruebersichtOeffnen() {
    if (gHilfeAktiv) return;
    if (!uebersicht_) {
        SpeicherAnbindung a;
        a.inEditorLesen = [this](int slot) {
            // The read replaces the curve: unsaved work is asked about first.
            if (AbbruchWeilKennlinieNichtGespeichert() != 0) return;
            geraet_->SlotSetzen(slot);
            geraet_->Lesen();
        };
        a.anwaehlen = [this](int slot) {
            geraet_->SlotSetzen(slot);
            geraet_->Ausgang4Waehlen();
        };
        a.konfig = [this] { return konfig_.daten(); };
        uebersicht_ = new Speicheruebersicht(dienst_, std::move(a), this);
        connect(&konfig_, &KonfigModell::uebernommen, uebersicht_, &Speicheruebersicht::Anzeigen);
    }
    uebersicht_->Anzeigen();
    uebersicht_->show();
    uebersicht_->raise();
    uebersicht_->activateWindow();
    // Opened, it shows what the box holds now.
    uebersicht_->Aktualisieren();
}
