// A transfer that succeeded is confirmed in the window's message line.
#include "kennlinie/fenster/KennlinienGeraetAktionen.h"

#include "config/KonfigModell.h"
#include "device/Geraetedienst.h"
#include "device/Schreibpruefung.h"
#include "kennlinie/KennlinieGeraet.h"
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/KennlinienEditor.h"
#include "kennlinie/fenster/KennlinienHilfe.h"
#include "kennlinie/fenster/KennlinienSteuerelemente.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Kurvenfenster.h"
#include "uisupport/Zahlfeld.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <optional>
#include <string_view>
#include <utility>

namespace {

QString Bestaetigung(const char* muster, int slot, double sekunden) {
    return QString::fromUtf8(muster).arg(slot).arg(kSlotGroesse).arg(SekundenText(sekunden));
}

} // namespace

KennlinienGeraetAktionen::KennlinienGeraetAktionen(KennlinienKontext k, Geraetedienst& dienst)
    : QObject(&k.fenster), k_(k), dienst_(dienst) {}

QGroupBox* KennlinienGeraetAktionen::GruppeAnlegen(QWidget* eltern) {
    auto* gruppe = new QGroupBox("DLM-7", eltern);
    auto* raster = new QGridLayout(gruppe);
    raster->setColumnStretch(1, 1);
    auto* text = new QLabel("Kurve Nr.", gruppe);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    raster->addWidget(text, 0, 0);
    slot_ = new Zahlfeld(gruppe);
    slot_->setObjectName(Kennl::Name(Kennl::Feld::KurvenNr));
    slot_->setMinimumWidth(56);
    HilfetextSetzen(slot_, QString::fromUtf8(KennlHilfe::KurvenNr));
    slot_->setStellen(0);
    slot_->setBereich(1, 7);
    slot_->setSchrittweite(1);
    slot_->setWert(1);
    raster->addWidget(slot_, 0, 1);
    const std::tuple<QPushButton**, Kennl::Knopf, const char*, const char*, void (KennlinienGeraetAktionen::*)()>
        knoepfe[] = {
            {&schreiben_, Kennl::Knopf::Schreiben, "zur DLM-7 schreiben", KennlHilfe::Schreiben,
             &KennlinienGeraetAktionen::Schreiben},
            {&lesen_, Kennl::Knopf::Lesen, "von DLM-7 lesen", KennlHilfe::Lesen, &KennlinienGeraetAktionen::Lesen},
            {&ausgang4_, Kennl::Knopf::Ausgang4, "über Ausg.4 anwählen", KennlHilfe::Ausgang4,
             &KennlinienGeraetAktionen::Ausgang4Waehlen},
        };
    int zeile = 1;
    for (const auto& [ziel, k, beschriftung, hilfe, aktion] : knoepfe) {
        auto* b = new QPushButton(QString::fromUtf8(beschriftung), gruppe);
        b->setObjectName(Kennl::Name(k));
        HilfetextSetzen(b, QString::fromUtf8(hilfe));
        connect(b, &QPushButton::clicked, this, [this, aktion = aktion] { (this->*aktion)(); });
        *ziel = b;
        raster->addWidget(b, zeile++, 0, 1, 2);
    }
    return gruppe;
}

int KennlinienGeraetAktionen::Slot() const { return int(slot_->wert()); }

void KennlinienGeraetAktionen::Melden(const Uebertragung& u) {
    // A failed check after the send explains its code first.
    if (!u.text.empty()) dialoge().Meldung(PruefungsTitel(u.Fehlercode()), QString::fromStdString(u.text));
    for (const Fehlerweg& m : u.meldungen) {
        if (m.ziel == Fehlerweg::Ziel::Anzeige)
            dienst_.FehlerSetzen(m.code);
        else if (m.code != 0)
            QAV_Fehlerpopup(m.code);
    }
}

void KennlinienGeraetAktionen::FortschrittZeigen(const std::shared_ptr<Vorgang>& v, const char* titel) {
    // The dialog opens with the first block of the image, so the checks and
    // the preparation of the memory before it show none. It is modal to this
    // window only and shows the time the rest needs on the line.
    Vorgang* roh = v.get();
    QWidget* fenster = &k_.fenster;
    auto dlg = std::make_shared<std::shared_ptr<Fortschritt>>();
    v->fortschritt = [fenster, roh, titel, dlg](int prozent) {
        if (!*dlg) {
            *dlg = std::shared_ptr<Fortschritt>(dialoge().FortschrittZeigen(
                QString::fromUtf8(titel), QString::fromUtf8(titel), [roh] { roh->Abbrechen(); }, fenster));
            roh->Begleiten(*dlg);
        }
        (*dlg)->Setzen(prozent);
    };
    const bool schreiben = std::string_view(titel) == kSendenTitel;
    v->menge = [dlg, schreiben](long fertig, long gesamt) {
        if (*dlg) (*dlg)->RestzeitSetzen(Leitungszeit(gesamt - fertig, schreiben));
    };
}

void KennlinienGeraetAktionen::SlotSetzen(int slot) { slot_->setWert(slot); }

void KennlinienGeraetAktionen::Schreiben() {
    if (gHilfeAktiv) return;
    // What is sent is the curve as it is now; later edits do not reach this transfer.
    const int slot = Slot();
    const Kennlinienpunkte punkte = k_.editor.punkte();
    const KonfigDaten k = k_.konfig.daten();
    const double begrenzung = k_.editor.begrenzung();
    const double anstieg = k_.editor.anstiegszeit();
    k_.fenster.Bestaetigen({});
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
                k_.fenster.Bestaetigen(
                    Bestaetigung("Kurve in Speicherplatz %1 geschrieben (%2 Bytes, %3)", slot, e.second));
        });
    FortschrittZeigen(v, kSendenTitel);
    v->Begleiten(std::make_shared<Beschaeftigt>(&k_.fenster, schreiben_));
}

void KennlinienGeraetAktionen::Lesen() {
    if (gHilfeAktiv) return;
    const int slot = Slot();
    const KonfigDaten k = k_.konfig.daten();
    using Ergebnis = std::pair<Uebertragung, std::optional<GelesenerSlot>>;
    k_.fenster.Bestaetigen({});
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
            k_.editor.Gelesen(e.second);
            Melden(e.first);
            if (e.second && e.first.Fehlercode() == 0)
                k_.fenster.Bestaetigen(
                    Bestaetigung("Kurve aus Speicherplatz %1 gelesen (%2 Bytes, %3)", slot, g.second));
        });
    FortschrittZeigen(v, kLesenTitel);
    v->Begleiten(std::make_shared<Beschaeftigt>(&k_.fenster, lesen_));
}

void KennlinienGeraetAktionen::Ausgang4Waehlen() {
    if (gHilfeAktiv) return;
    const int slot = Slot();
    auto v = dienst_.Ausfuehren(
        this, [slot](Auftrag& a) { return Ausgang4Setzen(a.port, a.adresse, slot); },
        [this](const Uebertragung& u) { Melden(u); });
    v->Begleiten(std::make_shared<Beschaeftigt>(&k_.fenster, ausgang4_));
}
