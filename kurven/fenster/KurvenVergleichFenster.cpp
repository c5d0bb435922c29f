// "Mit DLM-7 vergleichen": reads the box's curve memory and lays the box's
// version of the current curve behind it as grey stairs; where it differs
// from what a send would write, an orange frame spans the samples and the
// box's stairs turn orange. The editor's curves, undo rings and unsaved flag
// stay. The picture stays until hidden, compared again, or the curve set is
// replaced (then it belongs to curves no longer shown).
#include "kurven/fenster/KurvenPanel.h"

#include "device/Geraetedienst.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenVergleich.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"

#include <QAction>
#include <QMenu>
#include <QStringList>

using namespace kurvengenerator;

namespace {

using vergleichsbild::kTitel;
const char* const kVergleichenHilfe =
    "Liest den Kurvenspeicher der DLM-7 und zeigt ihre Fassung der bearbeiteten Kurve grau hinter dieser. Wo die "
    "DLM-7 etwas anderes hält, als \"zur DLM-7 schreiben\" senden würde, ist der Bereich orange markiert; die "
    "Unterschiede werden gemeldet. Die eigenen Kurven bleiben unverändert.";
const char* const kAusblendenHilfe = "Entfernt die Kurve der DLM-7 aus der Grafik.";

} // namespace

struct KurvenPanel::Vergleichsbild {
    // Per curve: the box's samples (empty when they could not be decoded)
    // and the differing runs of sample numbers.
    std::array<std::vector<Kurvenpunkt>, kKurvenzahl> box;
    std::array<std::vector<Abweichungsbereich>, kKurvenzahl> bereiche;
};

void KurvenPanel::VergleichMenueAnlegen(QMenu* menue) {
    menue->addSeparator();
    QAction* vergleichen = menue->addAction(QString::fromUtf8(kTitel));
    vergleichen->setObjectName("VERGLEICHEN");
    vergleichAusblenden_ = menue->addAction("Vergleich ausblenden");
    vergleichAusblenden_->setObjectName("VERGLEICH_AUSBLENDEN");
    vergleichAusblenden_->setEnabled(false);
    connect(vergleichen, &QAction::triggered, this, [this] {
        if (!HilfeStatt(kVergleichenHilfe)) MitBoxVergleichen();
    });
    connect(vergleichAusblenden_, &QAction::triggered, this, [this] {
        if (!HilfeStatt(kAusblendenHilfe)) VergleichSetzen(nullptr);
    });
    editor_.Beobachten([this](Aenderungen) {
        if (vergleich_ && editor_.ersetzt() != vergleichErsetzt_) VergleichSetzen(nullptr);
    });
}

void KurvenPanel::VergleichSetzen(std::shared_ptr<const Vergleichsbild> v) {
    vergleich_ = std::move(v);
    vergleichErsetzt_ = editor_.ersetzt();
    vergleichAusblenden_->setEnabled(vergleich_ != nullptr);
    KurvenZeichnen();
}

void KurvenPanel::MitBoxVergleichen() {
    if (gHilfeAktiv) return;
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(0);
        dienst_.FehlerSetzen(KurvenFehler::LesenKeinPort);
        return;
    }
    // Compared is what a send would write now.
    auto satz = std::make_shared<const Kurvensatz>(editor_.satz());
    Bestaetigen({});
    auto v = dienst_.Ausfuehren(
        this, [satz](Auftrag& a) { return KurvenMitBoxVergleichen(a.port, a.adresse, *satz, a.rueckmeldung); },
        [this](const KurvenVergleichLauf& l) {
            MeldungenZeigen(l.meldungen);
            if (!l.vergleich) return; // refused, failed or cancelled: everything stays
            const KurvenVergleich& e = *l.vergleich;
            auto bild = std::make_shared<Vergleichsbild>();
            for (std::size_t k = 0; k < kKurvenzahl; ++k) {
                if (l.box) bild->box[k] = l.box->punkte[k];
                bild->bereiche[k] = e.kurven[k].bereiche;
            }
            VergleichSetzen(std::move(bild));
            QStringList zeilen;
            if (e.gleich()) {
                zeilen << "Kurvenspeicher der DLM-7 und Kurven sind gleich.";
                Bestaetigen("Kurven verglichen: gleich");
            } else {
                zeilen << QStringLiteral("Unterschiede: %1").arg(e.anzahl());
                for (const std::string& z : e.Zeilen("Kurven")) zeilen << QString::fromStdString(z);
                Bestaetigen("Kurven verglichen: " + vergleichsbild::UnterschiedeText(e.anzahl()));
            }
            dialoge().Meldung(QString::fromUtf8(kTitel), zeilen.join('\n'));
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this));
    FortschrittBegleiten(v, kTitelDatenLesen, false, this);
}

void KurvenPanel::VergleichZeichnen() {
    if (!vergleich_) return;
    const std::size_t k = std::size_t(editor_.aktuelleKurve());
    const std::vector<Kurvenpunkt>& box = vergleich_->box[k];
    // Start time of each sample; past the box's end the samples go on at its last rate.
    std::vector<double> t(box.size() + 1, 0.0);
    for (std::size_t i = 0; i < box.size(); ++i) t[i + 1] = t[i] + GeradenDauer(box[i]);
    const double schritt = box.empty() ? GeradenDauer(kFrischerPunkt) : GeradenDauer(box.back());
    const auto zeit = [&](int i) {
        return std::size_t(i) < t.size() ? t[std::size_t(i)] : t.back() + (i - double(box.size())) * schritt;
    };
    const auto stufen = [&](int von, int bis, const QColor& farbe) {
        std::vector<QPointF> zug;
        for (int i = von; i <= bis && std::size_t(i) < box.size(); ++i) {
            zug.emplace_back(zeit(i), box[std::size_t(i)].wert);
            zug.emplace_back(zeit(i + 1), box[std::size_t(i)].wert);
        }
        if (zug.size() >= 2) graph_->Linienzug(std::move(zug), farbe);
    };
    stufen(0, int(box.size()) - 1, vergleichsbild::kBox);
    for (const Abweichungsbereich& b : vergleich_->bereiche[k]) {
        graph_->Rechteck(QPointF(zeit(b.von), 0), QPointF(zeit(b.bis + 1), kMaxWert), vergleichsbild::kBand);
        uebersicht_->Rechteck(QPointF(zeit(b.von), 0), QPointF(zeit(b.bis + 1), kMaxWert), vergleichsbild::kBand);
        stufen(b.von, b.bis, vergleichsbild::kAbweichung);
    }
}
