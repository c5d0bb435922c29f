// Drawing of the curve-generator window: the current curve and the
// background curves as lines and steps in the main graph, the whole current
// curve in the overview, the mark, the previews and the time-base labels.
#include "kurven/fenster/KurvenPanel.h"

#include "kurven/KurvenDigital.h"
#include "kurven/fenster/KurvenAufzeichnungFenster.h"
#include "uisupport/Graph.h"

#include <cmath>

using namespace kurvengenerator;

namespace {

const QColor kRot(0xFF0000), kBlau(0x0000FF), kHellrot(255, 150, 150), kHellblau(150, 150, 255);
const QColor kTuerkis(0x008080), kGruen(0x008000), kGelb(0xFFFF00), kSchatten(0x505050);

} // namespace

void KurvenPanel::KurvenZeichnen() {
    const Kurvensatz& satz = editor_.satz();
    const Ansicht& ansicht = editor_.ansicht();
    const std::size_t i = std::size_t(satz.aktuelleKurve);
    graph_->AllesLoeschen();
    uebersicht_->AllesLoeschen();
    markenPlots_.clear();
    vorschauPlots_.clear();
    graph_->setBereich(Graph::X, ansicht.start, ansicht.ende + 1.0);
    uebersicht_->setBereich(Graph::X, 0.0, std::max(1.0, KurvenLaenge(satz.Aktuelle())));
    for (int k = 0; k < kKurvenzahl; ++k)
        if (k != satz.aktuelleKurve && editor_.hintergrund(k)) KurveZeichnen(k, true);
    graph_->setBereich(Graph::Y, satz.yMin[i], satz.yMax[i]);
    VergleichZeichnen();
    KurveZeichnen(satz.aktuelleKurve, false);
    if (editor_.zeitbasisMarken()) ZeitbasisMarkenZeichnen();
    MarkierungZeichnen();
    if (aufzeichnung_) aufzeichnung_->Zeichnen();
    uebersicht_->Rechteck(QPointF(ansicht.start, 0), QPointF(ansicht.ende + 1.0, kMaxWert), kRot);
}

void KurvenPanel::KurveZeichnen(int k, bool hinten) {
    const Kurve& kurve = editor_.satz().kurven[std::size_t(k)];
    const Ansicht& ansicht = editor_.ansicht();
    const int darstellung = editor_.darstellung();
    UebersichtZeichnen(k, hinten);
    const SegmentBereich b = SichtbareSegmente(kurve, ansicht.start, ansicht.ende);
    if (!b.sichtbar) return;
    const bool linien = hinten ? darstellung == NurLinien : darstellung != NurStufen;
    const bool stufen = darstellung != NurLinien;
    const int letzter = kurve.punktzahl() - 1;

    if (linien) {
        const QColor farbe = hinten ? kTuerkis : kRot;
        std::vector<QPointF> zug;
        double t = b.startErster;
        for (int j = b.erster; j <= b.letzter; ++j) {
            const Kurvenpunkt& p = kurve.punkte[std::size_t(j)];
            const double ende = t + GeradenDauer(p);
            const QPointF von(t, p.wert), nach(ende, FolgeWert(kurve, j));
            if (j == letzter) {
                graph_->Linie(von, nach, hinten ? kTuerkis : kHellrot);
            } else {
                if (zug.empty()) zug.push_back(von);
                zug.push_back(nach);
            }
            t = ende;
        }
        if (!zug.empty()) graph_->Linienzug(std::move(zug), farbe);
    }
    if (!hinten) {
        // One marker per device pixel: markers that would land on the same one
        // draw the same pixels, and a curve read back from the box has one per tick.
        const QSize flaeche = graph_->plotGroesse();
        const double dpr = graph_->devicePixelRatioF();
        const double proSpalte = AnsichtSpanne(ansicht) / (std::max(1, flaeche.width()) * dpr);
        const GraphAchse& y = graph_->achse(Graph::Y);
        const double proZeile = (y.max - y.min) / (std::max(1, flaeche.height()) * dpr);
        double t = b.startErster;
        double letzteSpalte = -1e300, letzteZeile = -1e300;
        for (int j = b.erster; j <= b.letzter; ++j) {
            const Kurvenpunkt& p = kurve.punkte[std::size_t(j)];
            const double spalte = std::floor((t - ansicht.start) / proSpalte);
            const double zeile = std::floor((p.wert - y.min) / proZeile);
            if (spalte != letzteSpalte || zeile != letzteZeile) graph_->Punkt(QPointF(t, p.wert), kRot);
            letzteSpalte = spalte;
            letzteZeile = zeile;
            t += GeradenDauer(p);
        }
    }
    if (stufen) {
        const double breite = std::max(1, graph_->plotGroesse().width()) * graph_->devicePixelRatioF();
        const std::vector<Stufe> st =
            SichtbareStufen(kurve, ansicht.start, ansicht.ende + 1.0, AnsichtSpanne(ansicht) / breite);
        std::vector<QPointF> zug, schluss;
        for (std::size_t i = 0; i < st.size(); ++i) {
            auto& ziel = (!hinten && st[i].segment == letzter) ? schluss : zug;
            if (ziel.empty() || i == 0 || st[i - 1].segment != st[i].segment) {
                if (!ziel.empty() && ziel.back().x() != st[i].x) ziel.emplace_back(st[i].x, ziel.back().y());
                ziel.emplace_back(st[i].x, st[i].wert);
                continue;
            }
            ziel.emplace_back(st[i].x, st[i - 1].wert);
            ziel.emplace_back(st[i].x, st[i].wert);
        }
        if (!zug.empty()) graph_->Linienzug(std::move(zug), hinten ? kTuerkis : kBlau);
        if (!schluss.empty()) graph_->Linienzug(std::move(schluss), kHellblau);
    }
}

void KurvenPanel::UebersichtZeichnen(int k, bool hinten) {
    const Kurve& kurve = editor_.satz().kurven[std::size_t(k)];
    std::vector<QPointF> zug;
    zug.reserve(std::size_t(kurve.punktzahl()) + 1);
    double t = 0.0;
    for (int j = 0; j < kurve.punktzahl(); ++j) {
        zug.emplace_back(t, kurve.punkte[std::size_t(j)].wert);
        t += GeradenDauer(kurve.punkte[std::size_t(j)]);
    }
    zug.emplace_back(t, kurve.punkte.front().wert);
    uebersicht_->Linienzug(std::move(zug), hinten ? kTuerkis : kBlau);
}

void KurvenPanel::MarkierungEntfernen() {
    // Handles of the overview are kept negated, so each graph gets its own back.
    for (int h : markenPlots_) h > 0 ? graph_->Loeschen(h) : uebersicht_->Loeschen(-h);
    markenPlots_.clear();
}

void KurvenPanel::MarkierungZeichnen() {
    MarkierungEntfernen();
    const Markierung& m = editor_.satz().markierung;
    if (!m.aktiv) return;
    markenPlots_.push_back(graph_->Rechteck(QPointF(m.start, 0), QPointF(m.ende, kMaxWert), kGruen));
    markenPlots_.push_back(-uebersicht_->Rechteck(QPointF(m.start, 0), QPointF(m.ende, kMaxWert), kGruen));
}

void KurvenPanel::ZeitbasisMarkenZeichnen() {
    QFont schrift = font();
    schrift.setPointSizeF(schrift.pointSizeF() * 0.85);
    const double zeile = (graph_->achse(Graph::Y).max - graph_->achse(Graph::Y).min) / 60.0;
    const auto beschriften = [&](double x, int code) {
        // Yellow on the white plot area needs a shadow to be read.
        const QString t = ZeitbasisText(code);
        const QPointF wo(x, graph_->achse(Graph::Y).min + zeile);
        graph_->Text(wo + QPointF(AnsichtSpanne(editor_.ansicht()) / 2000.0, -zeile / 4.0), t, kSchatten, schrift);
        graph_->Text(wo, t, kGelb, schrift);
    };
    bool erste = true;
    for (const ZeitbasisMarke& m : ZeitbasisMarken(editor_.satz().Aktuelle())) {
        if (!erste) graph_->Linie(QPointF(m.x, 0), QPointF(m.x, kMaxWert), kGelb);
        beschriften(m.x, m.code);
        erste = false;
    }
}

void KurvenPanel::VorschauEntfernen() {
    for (int h : vorschauPlots_) graph_->Loeschen(h);
    vorschauPlots_.clear();
}

void KurvenPanel::VorschauLinie(double x0, double y0, double x1, double y1) {
    vorschauPlots_.push_back(graph_->Linie(QPointF(x0, y0), QPointF(x1, y1), kRot));
}

void KurvenPanel::VorschauPunkt(double x, double y) { vorschauPlots_.push_back(graph_->Punkt(QPointF(x, y), kRot)); }
