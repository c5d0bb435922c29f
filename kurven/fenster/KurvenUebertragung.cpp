// "zur DLM-7 schreiben" and "von DLM-7 lesen": the image is built on the GUI
// thread, the blocks go over the line on the device service's worker with a
// progress dialog that can cancel between blocks. Curves read back replace
// the editor's only when everything arrived. A transfer that succeeded is
// confirmed in the window's message line.
#include "kurven/fenster/KurvenPanel.h"

#include "device/Geraetedienst.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenTransfer.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Hilfemodus.h"

#include <QPushButton>

using namespace kurvengenerator;

// A progress dialog, modal to this window only, whose "Abbrechen" stops the
// operation before its next block; it shows the time the rest needs on the line.
void KurvenPanel::FortschrittBegleiten(const VorgangPtr& v, const char* titel, bool schreiben, QWidget* fenster) {
    const QString t = QString::fromUtf8(titel);
    std::weak_ptr<Vorgang> schwach = v;
    auto dlg = std::shared_ptr<Fortschritt>(dialoge().FortschrittZeigen(
        t, t,
        [schwach] {
            if (auto v = schwach.lock()) v->Abbrechen();
        },
        fenster));
    v->fortschritt = [dlg](int p) { dlg->Setzen(p); };
    v->menge = [dlg, schreiben](long fertig, long gesamt) {
        dlg->RestzeitSetzen(Leitungszeit(gesamt - fertig, schreiben));
    };
    v->Begleiten(dlg);
}

void KurvenPanel::KurveSenden() {
    if (gHilfeAktiv) return;
    const Laengenwarnung w = LaengenPruefen(editor_.satz());
    if (w.ungleich && dialoge().Frage(kTitelWarnung, QString::fromStdString(w.text),
                                      {kKnopfKurvenSenden, QString::fromUtf8(kKnopfZurueck)}, 1, 2) != 1)
        return;
    Speicherabbild bild = AbbildErstellen(editor_.satz());
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
    Bestaetigen({});
    auto v = dienst_.Ausfuehren(
        this,
        [geteilt](Auftrag& a) {
            return Gemessen([&] { return AbbildSenden(a.port, a.adresse, *geteilt, a.rueckmeldung, a.pruefen); });
        },
        [this, bytes = geteilt->bytes.size()](std::pair<Sendeergebnis, double> e) {
            MeldungenZeigen(e.first.meldungen);
            if (e.first.code == 0)
                Bestaetigen(QStringLiteral("Kurven in die DLM-7 geschrieben (%1 Bytes, %2)")
                                .arg(bytes)
                                .arg(SekundenText(e.second)));
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, senden_));
    FortschrittBegleiten(v, kTitelDatenSenden, true, this);
}

void KurvenPanel::KurveLesen() {
    if (gHilfeAktiv) return;
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(0);
        dienst_.FehlerSetzen(KurvenFehler::LesenKeinPort);
        return;
    }
    Bestaetigen({});
    auto v = dienst_.Ausfuehren(
        this, [](Auftrag& a) { return Gemessen([&] { return KurvenLesen(a.port, a.adresse, a.rueckmeldung); }); },
        [this](std::pair<Leseergebnis, double> g) {
            Leseergebnis& e = g.first;
            MeldungenZeigen(e.meldungen);
            if (!e.kurven) return; // a failed or cancelled read leaves the editor as it was
            // The image held the header and one word per point.
            std::size_t bytes = kAbbildKopf;
            for (const auto& p : e.kurven->punkte) bytes += 2 * p.size();
            Bestaetigen(
                QStringLiteral("Kurven aus der DLM-7 gelesen (%1 Bytes, %2)").arg(bytes).arg(SekundenText(g.second)));
            editor_.GeleseneUebernehmen(std::move(*e.kurven));
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, lesen_));
    FortschrittBegleiten(v, kTitelDatenLesen, false, this);
}
