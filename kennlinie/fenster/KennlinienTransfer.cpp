// "zur DLM-7 schreiben", "von DLM-7 lesen" and "über Ausg.4 anwählen": each
// runs on the device service's worker and passes the codes on in the order the
// procedure lists them. A transfer that succeeded is confirmed in the window's
// message line.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "config/KonfigModell.h"
#include "device/Geraetedienst.h"
#include "device/Schreibpruefung.h"
#include "kennlinie/KennlinieGeraet.h"
#include "kennlinie/KennlinieSlot.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Zahlfeld.h"

#include <QPushButton>

#include <optional>
#include <string_view>
#include <utility>

void KennlinienPanel::Melden(const Uebertragung& u) {
    // A failed check after the send explains its code first.
    if (!u.text.empty()) dialoge().Meldung(PruefungsTitel(u.Fehlercode()), QString::fromStdString(u.text));
    for (const Fehlerweg& m : u.meldungen) {
        if (m.ziel == Fehlerweg::Ziel::Anzeige)
            dienst_.FehlerSetzen(m.code);
        else if (m.code != 0)
            QAV_Fehlerpopup(m.code);
    }
}

namespace {

QString Bestaetigung(const char* muster, int slot, double sekunden) {
    return QString::fromUtf8(muster).arg(slot).arg(kSlotGroesse).arg(SekundenText(sekunden));
}

} // namespace

void KennlinienPanel::FortschrittZeigen(const std::shared_ptr<Vorgang>& v, const char* titel) {
    // The dialog opens with the first block of the image, so the checks and
    // the preparation of the memory before it show none. It is modal to this
    // window only and shows the time the rest needs on the line.
    Vorgang* roh = v.get();
    auto dlg = std::make_shared<std::shared_ptr<Fortschritt>>();
    v->fortschritt = [this, roh, titel, dlg](int prozent) {
        if (!*dlg) {
            *dlg = std::shared_ptr<Fortschritt>(dialoge().FortschrittZeigen(
                QString::fromUtf8(titel), QString::fromUtf8(titel), [roh] { roh->Abbrechen(); }, this));
            roh->Begleiten(*dlg);
        }
        (*dlg)->Setzen(prozent);
    };
    const bool schreiben = std::string_view(titel) == kSendenTitel;
    v->menge = [dlg, schreiben](long fertig, long gesamt) {
        if (*dlg) (*dlg)->RestzeitSetzen(Leitungszeit(gesamt - fertig, schreiben));
    };
}

void KennlinienPanel::KennlinieSchreiben() {
    if (gHilfeAktiv) return;
    // What is sent is the curve as it is now; later edits do not reach this transfer.
    const int slot = int(feld(Feld::KurvenNr)->wert());
    const Kennlinienpunkte punkte = editor_.kurve.punkte;
    const KonfigDaten k = konfig_.daten();
    const double begrenzung = feld(Feld::Begrenzung)->wert();
    const double anstieg = feld(Feld::Anstiegszeit)->wert();
    Bestaetigen({});
    auto v = dienst_.Ausfuehren(
        this,
        [=](Auftrag& a) {
            return Gemessen([&] {
                return KennlinieSenden(a.port, a.adresse, slot, punkte, k, begrenzung, anstieg, a.rueckmeldung,
                                       a.pruefen);
            });
        },
        [this, slot](const std::pair<Uebertragung, double>& e) {
            Melden(e.first);
            if (e.first.Fehlercode() == 0)
                Bestaetigen(Bestaetigung("Kurve in Speicherplatz %1 geschrieben (%2 Bytes, %3)", slot, e.second));
        });
    FortschrittZeigen(v, kSendenTitel);
    v->Begleiten(std::make_shared<Beschaeftigt>(this, knopf(Knopf::Schreiben)));
}

void KennlinienPanel::KennlinieLesen() {
    if (gHilfeAktiv) return;
    const int slot = int(feld(Feld::KurvenNr)->wert());
    const KonfigDaten k = konfig_.daten();
    using Ergebnis = std::pair<Uebertragung, std::optional<GelesenerSlot>>;
    Bestaetigen({});
    auto v = dienst_.Ausfuehren(
        this,
        [slot, k](Auftrag& a) {
            return Gemessen([&] {
                Ergebnis e;
                e.first = ::KennlinieLesen(a.port, a.adresse, slot, k, e.second, a.rueckmeldung);
                return e;
            });
        },
        [this, slot](std::pair<Ergebnis, double> g) {
            Ergebnis& e = g.first;
            if (e.second) {
                editor_.kurve.punkte = std::move(e.second->punkte);
                KurveGeaendert();
                if (e.second->begrenzung) feld(Feld::Begrenzung)->setWert(*e.second->begrenzung);
                feld(Feld::Anstiegszeit)->setWert(e.second->anstiegszeit);
            }
            DateinameSetzen({});
            GanzeKurveZeigen();
            Melden(e.first);
            if (e.second && e.first.Fehlercode() == 0)
                Bestaetigen(Bestaetigung("Kurve aus Speicherplatz %1 gelesen (%2 Bytes, %3)", slot, g.second));
        });
    FortschrittZeigen(v, kLesenTitel);
    v->Begleiten(std::make_shared<Beschaeftigt>(this, knopf(Knopf::Lesen)));
}

void KennlinienPanel::Ausgang4Waehlen() {
    if (gHilfeAktiv) return;
    const int slot = int(feld(Feld::KurvenNr)->wert());
    auto v = dienst_.Ausfuehren(
        this, [slot](Auftrag& a) { return Ausgang4Setzen(a.port, a.adresse, slot); },
        [this](const Uebertragung& u) { Melden(u); });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, knopf(Knopf::Ausgang4)));
}
