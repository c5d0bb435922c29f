// "zur DLM-7 schreiben" and "von DLM-7 lesen": the image is built on the GUI
// thread, the blocks go over the line on the device service's worker with a
// progress dialog that can cancel between blocks. Curves read back replace
// the editor's only when everything arrived.
#include "kurven/fenster/KurvenPanel.h"

#include "device/Geraetedienst.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenTransfer.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Hilfemodus.h"

#include <QPushButton>

using namespace kurvengenerator;

namespace {

// A progress dialog whose "Abbrechen" stops the operation before its next block.
void FortschrittBegleiten(const VorgangPtr& v, const char* titel) {
    const QString t = QString::fromUtf8(titel);
    std::weak_ptr<Vorgang> schwach = v;
    auto dlg = std::shared_ptr<Fortschritt>(dialoge().FortschrittZeigen(t, t, [schwach] {
        if (auto v = schwach.lock()) v->Abbrechen();
    }));
    v->fortschritt = [d = dlg.get()](int p) { d->Setzen(p); };
    v->Begleiten(dlg);
}

} // namespace

void KurvenPanel::KurveSenden() {
    if (gHilfeAktiv) return;
    const Laengenwarnung w = LaengenPruefen(satz_);
    if (w.ungleich && dialoge().Frage(kTitelWarnung, QString::fromStdString(w.text),
                                      {kKnopfKurvenSenden, QString::fromUtf8(kKnopfZurueck)}, 1, 2) != 1)
        return;
    Speicherabbild bild = AbbildErstellen(satz_);
    if (bild.code != 0) {
        MeldungenZeigen(bild.meldungen); // nothing is sent
        return;
    }
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(0);
        dienst_.FehlerSetzen(KurvenFehler::SendenKeinPort);
        return;
    }
    auto geteilt = std::make_shared<const Speicherabbild>(std::move(bild));
    auto v = dienst_.Ausfuehren(
        this, [geteilt](Auftrag& a) { return AbbildSenden(a.port, a.adresse, *geteilt, a.rueckmeldung, a.pruefen); },
        [this](Sendeergebnis e) { MeldungenZeigen(e.meldungen); });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, senden_));
    FortschrittBegleiten(v, kTitelDatenSenden);
}

void KurvenPanel::KurveLesen() {
    if (gHilfeAktiv) return;
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(0);
        dienst_.FehlerSetzen(KurvenFehler::LesenKeinPort);
        return;
    }
    auto v = dienst_.Ausfuehren(
        this, [](Auftrag& a) { return KurvenLesen(a.port, a.adresse, a.rueckmeldung); },
        [this](Leseergebnis e) {
            MeldungenZeigen(e.meldungen);
            if (!e.kurven) return; // a failed or cancelled read leaves the editor as it was
            GeleseneKurvenUebernehmen(satz_, std::move(*e.kurven));
            FensterTitelSetzen("");
            KurvenwerteAnzeigen();
            GanzeKurveZeigen(ansicht_, satz_.Aktuelle());
            KurvenZeichnen();
            ScrollbalkenAktualisieren();
            UndoAnzeigen();
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, lesen_));
    FortschrittBegleiten(v, kTitelDatenLesen);
}
