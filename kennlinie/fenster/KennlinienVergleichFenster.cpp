// The box's curve goes behind the editor's as grey stairs; where it differs
// from what the editor would send, an orange frame spans the steps and the
// box's stairs turn orange. It stays until hidden, compared again, or the
// editor's curve is replaced (then it belongs to a curve no longer shown).
#include "kennlinie/fenster/KennlinienVergleichFenster.h"

#include "config/KonfigModell.h"
#include "device/Geraetedienst.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinienEditor.h"
#include "kennlinie/KennlinienVergleich.h"
#include "kennlinie/fenster/KennlinienGeraetAktionen.h"
#include "kennlinie/fenster/KennlinienGrafik.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Kurvenfenster.h"

#include <QAction>
#include <QMenu>
#include <QStringList>

namespace {

using vergleichsbild::kTitel;
const char* const kVergleichenHilfe =
    "Liest den Speicherplatz \"Kurve Nr.\" der DLM-7 und zeigt seine Kennlinie grau hinter der eigenen. Wo die "
    "DLM-7 etwas anderes hält, als \"zur DLM-7 schreiben\" senden würde, ist der Bereich orange markiert; die "
    "Unterschiede werden gemeldet. Die eigene Kennlinie bleibt unverändert.";
const char* const kAusblendenHilfe = "Entfernt die Kennlinie der DLM-7 aus der Grafik.";

} // namespace

KennlinienVergleichFenster::KennlinienVergleichFenster(KennlinienKontext k, Geraetedienst& dienst,
                                                       KennlinienGeraetAktionen& geraet, KennlinienGrafik& grafik)
    : QObject(&k.fenster), k_(k), dienst_(dienst), geraet_(geraet), grafik_(grafik) {
    grafik_.HintergrundSetzen([this](Graph& gross, Graph& klein) { Zeichnen(gross, klein); });
    k_.editor.Beobachten([this](Aenderungen) {
        if (hintergrund_ && k_.editor.ersetzt() != ersetzt_) Setzen(std::nullopt);
    });
}

void KennlinienVergleichFenster::MenueAnlegen(QMenu* menue) {
    vergleichen_ = menue->addAction(QString::fromUtf8(kTitel));
    vergleichen_->setObjectName("VERGLEICHEN");
    ausblenden_ = menue->addAction("Vergleich ausblenden");
    ausblenden_->setObjectName("VERGLEICH_AUSBLENDEN");
    ausblenden_->setEnabled(false);
    connect(vergleichen_, &QAction::triggered, this, [this] {
        if (!k_.fenster.HilfeStatt(kVergleichenHilfe)) Vergleichen();
    });
    connect(ausblenden_, &QAction::triggered, this, [this] {
        if (!k_.fenster.HilfeStatt(kAusblendenHilfe)) Ausblenden();
    });
}

void KennlinienVergleichFenster::Ausblenden() { Setzen(std::nullopt); }

void KennlinienVergleichFenster::Setzen(std::optional<Hintergrund> h) {
    hintergrund_ = std::move(h);
    ersetzt_ = k_.editor.ersetzt();
    if (ausblenden_) ausblenden_->setEnabled(hintergrund_.has_value());
    grafik_.Zeigen(Aenderung::Punkte);
}

void KennlinienVergleichFenster::Vergleichen() {
    if (gHilfeAktiv) return;
    // Compared is what a send would write now, into the slot it would write.
    const int slot = geraet_.Slot();
    const Kennlinienpunkte punkte = k_.editor.punkte();
    const KonfigDaten k = k_.konfig.daten();
    const double begrenzung = k_.editor.begrenzung();
    const double anstieg = k_.editor.anstiegszeit();
    k_.fenster.Bestaetigen({});
    auto v = dienst_.Ausfuehren(
        this,
        [=](Auftrag& a) {
            return KennlinieVergleichen(a.port, a.adresse, slot, punkte, k, begrenzung, anstieg, a.rueckmeldung);
        },
        [this, slot, k](const KennlinienVergleichLauf& l) {
            geraet_.Melden(l.uebertragung);
            if (!l.vergleich) return; // not read, or cancelled: everything stays
            if (!l.box && !l.vergleich->leer) {
                // A slot whose checksum is wrong is not shown as if the box held it.
                dienst_.FehlerSetzen(KennlFehler::Checksumme);
                return;
            }
            const KennlinienVergleich& e = *l.vergleich;
            Hintergrund h;
            if (!e.leer)
                for (const KennlinienPunkt& p : l.box->punkte) h.werte.push_back(int(p.yWert));
            h.bereiche = e.bereiche;
            Setzen(std::move(h));

            const QString ort = QStringLiteral("Speicherplatz %1").arg(slot);
            QStringList zeilen;
            if (e.gleich()) {
                zeilen << QStringLiteral("%1 und Kennlinie sind gleich.").arg(ort);
                k_.fenster.Bestaetigen(QStringLiteral("%1 verglichen: gleich").arg(ort));
            } else {
                zeilen << QStringLiteral("Unterschiede: %1").arg(e.anzahl());
                for (const std::string& z : e.Zeilen(k, "Kennlinie")) zeilen << QString::fromStdString(z);
                k_.fenster.Bestaetigen(
                    QStringLiteral("%1 verglichen: %2").arg(ort, vergleichsbild::UnterschiedeText(e.anzahl())));
            }
            dialoge().Meldung(QString::fromUtf8(kTitel), zeilen.join('\n'));
        });
    geraet_.FortschrittZeigen(v, kLesenTitel);
    v->Begleiten(std::make_shared<Beschaeftigt>(&k_.fenster));
}

void KennlinienVergleichFenster::Zeichnen(Graph& gross, Graph& klein) const {
    if (!hintergrund_) return;
    const std::vector<int>& w = hintergrund_->werte;
    if (!w.empty()) gross.Stufen(0.0, 1.0, w, vergleichsbild::kBox);
    const double oben = double(kRohMax);
    for (const Abweichungsbereich& b : hintergrund_->bereiche) {
        const QPointF von(b.von, 0.0), bis(b.bis + 1.0, oben);
        gross.Rechteck(von, bis, vergleichsbild::kBand);
        klein.Rechteck(von, bis, vergleichsbild::kBand);
        if (std::size_t(b.bis) < w.size())
            gross.Stufen(b.von, 1.0, std::vector<int>(w.begin() + b.von, w.begin() + b.bis + 1),
                         vergleichsbild::kAbweichung);
    }
}
