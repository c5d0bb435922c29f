// The two graphs: axes in the units of the configuration, the curve in the
// display mode, the mark, the overview with its frame, the scroll bar and
// the Y zoom. The arithmetic is the library's; this file only draws.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "config/KonfigModell.h"
#include "config/KonfigUmrechnung.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Zahlfeld.h"

#include <QLabel>
#include <QScrollBar>

#include <cmath>

namespace {

const QColor kRot(0xFF0000);
const QColor kBlau(0x0000FF);
const QColor kHellrot(255, 150, 150);
const QColor kHellblau(150, 150, 255);
const QColor kDunkelgruen(0x008000);

// Scroll-bar values per position of the 0..100 scale: the thumb moves
// smoothly while the view follows the positions.
constexpr int kFein = 10;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

void KennlinienPanel::Neuzeichnen() {
    graph_->AllesLoeschen();
    klein_->AllesLoeschen();
    markeGross_ = markeKlein_ = 0;
    vorschauPlots_.clear();
    punktMarke_ = 0;
    graph_->setBereich(Graph::X, ansicht_.min, ansicht_.max + 1.0);
    AchsenBeschriften();
    KurveZeichnen();
    MarkeZeichnen();
    UebersichtZeichnen();
    klein_->Rechteck({ansicht_.min, 0.0}, {ansicht_.max + 1.0, double(kRohMax)}, kRot);
}

void KennlinienPanel::AchsenBeschriften() {
    const KonfigDaten& k = konfig_.daten();
    const Achsenbeschriftung y = YAchse(k);
    graph_->setBereich(Graph::Y, ansicht_.yMin, ansicht_.yMax);
    graph_->setBeschriftung(Graph::Y, y.faktor, y.offset, Text(y.einheit));
    const Achsenbeschriftung x = XAchse(k);
    graph_->setBeschriftung(Graph::X, x.faktor, x.offset, Text(x.einheit));
    const YZoomWerte felder = YZoomFelder(ansicht_, k);
    feld(Feld::YZoomMax)->setWert(felder.max);
    feld(Feld::YZoomMin)->setWert(felder.min);
}

void KennlinienPanel::KurveZeichnen() {
    const std::vector<Geradenstueck> stuecke = SichtbareGeradenstuecke(editor_.kurve.punkte, ansicht_);
    const bool linien = darstellung_ != Stufen;
    const bool stufen = darstellung_ != Linien;

    // The drawn lines as one polyline and their stairs as one step plot;
    // the extension of the last point gets its own light colours.
    std::vector<QPointF> zug;
    std::vector<int> treppe;
    double treppeVon = 0.0;
    QPointF treppeEnde;
    const Geradenstueck* ergaenzung = nullptr;
    if (linien) zug.reserve(stuecke.size() + 1);
    // The points first: where a curve read from the box packs them into a
    // band, the lines and the stairs the box outputs stay visible on top.
    for (const Geradenstueck& g : stuecke) graph_->Punkt({g.x1, g.y1}, kRot);
    for (const Geradenstueck& g : stuecke) {
        if (g.ergaenzung) {
            ergaenzung = &g;
            continue;
        }
        if (linien) {
            if (zug.empty()) zug.emplace_back(g.x1, g.y1);
            zug.emplace_back(g.x2, g.y2);
        }
        if (stufen) {
            if (treppe.empty()) treppeVon = std::max(g.x1, 0.0);
            const std::vector<int> s = ::Stufen(g.x1, g.y1, g.x2, g.y2);
            treppe.insert(treppe.end(), s.begin(), s.end());
            treppeEnde = {g.x2, g.y2};
        }
    }
    if (linien) {
        if (zug.size() >= 2) graph_->Linienzug(std::move(zug), kRot);
        if (ergaenzung) graph_->Linie({ergaenzung->x1, ergaenzung->y1}, {ergaenzung->x2, ergaenzung->y2}, kHellrot);
    }
    if (stufen) {
        if (!treppe.empty()) {
            const double stufe = treppe.back();
            graph_->Stufen(treppeVon, 1.0, std::move(treppe), kBlau);
            // The vertical that closes the last stair at the line's end level.
            if (stufe != treppeEnde.y()) graph_->Linie({treppeEnde.x(), stufe}, treppeEnde, kBlau);
        }
        if (ergaenzung && ergaenzung->x1 < kRohMax)
            graph_->Stufen(std::max(ergaenzung->x1, 0.0), 1.0,
                           ::Stufen(ergaenzung->x1, ergaenzung->y1, ergaenzung->x2, ergaenzung->y2), kHellblau);
    }
}

void KennlinienPanel::UebersichtZeichnen() {
    const Kennlinienpunkte& p = editor_.kurve.punkte;
    if (p.empty()) return;
    const std::vector<long long> x = PunktPositionen(p);
    std::vector<QPointF> zug;
    zug.reserve(p.size() + 1);
    for (std::size_t i = 0; i < p.size(); ++i) zug.emplace_back(double(x[i]), double(p[i].yWert));
    zug.emplace_back(double(kRohMax), double(p.back().yWert));
    klein_->Linienzug(std::move(zug), kBlau);
}

void KennlinienPanel::MarkeZeichnen() {
    if (markeGross_) graph_->Loeschen(markeGross_);
    if (markeKlein_) klein_->Loeschen(markeKlein_);
    markeGross_ = markeKlein_ = 0;
    const Markierung& m = editor_.markierung;
    if (!m.gueltig) return;
    const QPointF von(m.start, 0.0), bis(m.ende, double(kRohMax));
    markeGross_ = graph_->Rechteck(von, bis, kDunkelgruen);
    markeKlein_ = klein_->Rechteck(von, bis, kDunkelgruen);
}

void KennlinienPanel::VorschauLoeschen() {
    for (int h : vorschauPlots_) graph_->Loeschen(h);
    vorschauPlots_.clear();
}

void KennlinienPanel::RollbalkenAnzeigen() {
    const Rollbalken r = RollbalkenAusAnsicht(ansicht_);
    const QSignalBlocker sperre(rollbalken_);
    // Thumb share groesse/100 of the groove: page / (range + page).
    if (r.groesse >= 100) {
        rollbalken_->setRange(0, 0);
        rollbalken_->setPageStep(100 * kFein);
    } else {
        rollbalken_->setRange(0, 100 * kFein);
        rollbalken_->setPageStep(std::max(1, int(std::lround(100.0 * kFein * r.groesse / (100.0 - r.groesse)))));
    }
    rollbalken_->setSingleStep(kFein);
    rollbalken_->setValue(r.position * kFein);
}

void KennlinienPanel::Gerollt(bool ende) {
    // Every move notes the scroll; its end moves the view once.
    rollt_ = true;
    if (!ende) return;
    rollt_ = false;
    if (gHilfeAktiv) {
        RollbalkenAnzeigen();
        return;
    }
    AnsichtRollen(ansicht_, int(std::lround(double(rollbalken_->value()) / kFein)));
    Neuzeichnen();
}

void KennlinienPanel::YZoomGeaendert() {
    const KonfigDaten& k = konfig_.daten();
    if (!gHilfeAktiv && YZoomSetzen(ansicht_, k, feld(Feld::YZoomMin)->wert(), feld(Feld::YZoomMax)->wert())) {
        Neuzeichnen();
        return;
    }
    const YZoomWerte f = YZoomFelder(ansicht_, k);
    feld(Feld::YZoomMax)->setWert(f.max);
    feld(Feld::YZoomMin)->setWert(f.min);
}

void KennlinienPanel::FelderFormatieren() {
    const KonfigDaten& k = konfig_.daten();
    const int xStellen = Nachkommastellen(k, Seite::Eingang, 1);
    const int yStellen = Nachkommastellen(k, Seite::Ausgang, 0);
    for (Feld f : {Feld::X, Feld::XRaster}) feld(f)->setStellen(xStellen);
    for (Feld f : {Feld::Y, Feld::YRaster, Feld::YZoomMax, Feld::YZoomMin}) feld(f)->setStellen(yStellen);
    feld(Feld::Begrenzung)->setStellen(Nachkommastellen(k, Seite::Ausgang, 1));
}

void KennlinienPanel::Kennlinienpanel_SkaliereYAchse() {
    const KonfigDaten& k = konfig_.daten();
    FelderFormatieren();
    AchsenBeschriften();
    const BegrenzungFeld b = BegrenzungEinrichten(k);
    begrenzungText_->setText(Text(b.beschriftung));
    feld(Feld::Begrenzung)->setBereich(b.min, b.max);
}

void KennlinienPanel::GanzeKurveZeigen() {
    ZoomGesamt(ansicht_);
    Neuzeichnen();
    // The thumb follows the view here too, so the next scroll starts from it.
    RollbalkenAnzeigen();
}
