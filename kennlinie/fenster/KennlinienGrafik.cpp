// The two graphs: axes in the units of the configuration, the curve in the
// display mode, the mark, the overview with its frame, the scroll bar and
// the Y zoom. The arithmetic is the library's; this file only draws.
#include "kennlinie/fenster/KennlinienGrafik.h"

#include "config/KonfigModell.h"
#include "config/KonfigUmrechnung.h"
#include "kennlinie/fenster/KennlinienHilfe.h"
#include "kennlinie/fenster/KennlinienSteuerelemente.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Kurvenfenster.h"
#include "uisupport/Zahlfeld.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

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

KennlinienGrafik::KennlinienGrafik(KennlinienKontext k) : QObject(&k.fenster), k_(k) {}

QLayout* KennlinienGrafik::GraphenAnlegen() {
    QWidget* w = &k_.fenster;
    graph_ = new Graph(w);
    graph_->setObjectName("GRAPH");
    graph_->setMinimumSize(320, 220);
    HilfetextSetzen(graph_, QString::fromUtf8(KennlHilfe::Graph));

    rollbalken_ = new QScrollBar(Qt::Horizontal, w);
    rollbalken_->setObjectName("SCROLLBAR");
    connect(rollbalken_, &QScrollBar::valueChanged, this, [this] { Gerollt(!rollbalken_->isSliderDown()); });
    connect(rollbalken_, &QScrollBar::sliderReleased, this, [this] { Gerollt(true); });

    klein_ = new Graph(w);
    klein_->setObjectName("GRAPHKLEIN");
    klein_->setBeschriftungSichtbar(false);
    klein_->setGitter(false);
    klein_->setFixedHeight(72);
    klein_->setBereich(Graph::X, 0.0, kRohMax);
    klein_->setBereich(Graph::Y, 0.0, kRohMax);
    HilfetextSetzen(klein_, QString::fromUtf8(KennlHilfe::GraphKlein));

    auto* links = new QVBoxLayout;
    links->setSpacing(2);
    links->addWidget(graph_, 1);
    links->addWidget(rollbalken_);
    links->addSpacing(4);
    links->addWidget(klein_);
    return links;
}

QGroupBox* KennlinienGrafik::GruppeAnlegen(QWidget* eltern) {
    auto* gruppe = new QGroupBox("Grafik", eltern);
    auto* raster = new QGridLayout(gruppe);
    raster->setColumnStretch(1, 1);
    raster->setColumnStretch(3, 1);
    const std::tuple<int, const char*, Zahlfeld**, Kennl::Feld, const char*> felder[] = {
        {0, "X", &x_, Kennl::Feld::X, KennlHilfe::Anzeige},
        {0, "Y", &y_, Kennl::Feld::Y, KennlHilfe::Anzeige},
        {1, "X-Raster", &xRaster_, Kennl::Feld::XRaster, KennlHilfe::Raster},
        {1, "Y-Raster", &yRaster_, Kennl::Feld::YRaster, KennlHilfe::Raster},
        {2, "Y-Zoom max", &yZoomMax_, Kennl::Feld::YZoomMax, KennlHilfe::YZoom},
        {2, "min", &yZoomMin_, Kennl::Feld::YZoomMin, KennlHilfe::YZoom},
    };
    int spalte = 0;
    for (const auto& [zeile, text, ziel, f, hilfe] : felder) {
        auto* l = new QLabel(text, gruppe);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* z = new Zahlfeld(gruppe);
        z->setObjectName(Kennl::Name(f));
        z->setMinimumWidth(56);
        HilfetextSetzen(z, QString::fromUtf8(hilfe));
        *ziel = z;
        raster->addWidget(l, zeile, spalte);
        raster->addWidget(z, zeile, spalte + 1);
        spalte = (spalte + 2) % 4;
    }
    for (Zahlfeld* z : {x_, y_}) {
        z->setReadOnly(true);
        z->setFocusPolicy(Qt::NoFocus);
    }
    for (Zahlfeld* z : {xRaster_, yRaster_}) {
        z->setBereich(0.0, 1e9);
        z->setWert(0.0);
    }
    for (Zahlfeld* z : {yZoomMax_, yZoomMin_})
        connect(z, &Zahlfeld::wertGeaendert, this, [this] { YZoomEingegeben(); });
    return gruppe;
}

Raster KennlinienGrafik::raster() const { return {xRaster_->wert(), yRaster_->wert()}; }

Plotflaeche KennlinienGrafik::flaeche() const {
    return {double(graph_->plotGroesse().width()), double(graph_->plotGroesse().height())};
}

void KennlinienGrafik::Zeigen(Aenderungen a) {
    if (a & Aenderung::Einheiten) FelderFormatieren();
    if (a & (Aenderung::Punkte | Aenderung::Ansicht | Aenderung::Einheiten))
        Neuzeichnen();
    else if (a & Aenderung::Markierung)
        MarkeZeichnen();
    if (a & (Aenderung::Ansicht | Aenderung::Einheiten)) {
        RollbalkenZeigen();
        YZoomZeigen();
    }
    if ((a & Aenderung::Koordinaten) && !live_) {
        const Koordinaten k = k_.editor.koordinaten();
        x_->setWert(k.x);
        y_->setWert(k.y);
    }
}

void KennlinienGrafik::Neuzeichnen() {
    const Ansicht& a = k_.editor.ansicht();
    graph_->AllesLoeschen();
    klein_->AllesLoeschen();
    markeGross_ = markeKlein_ = 0;
    vorschau_.clear();
    graph_->setBereich(Graph::X, a.min, a.max + 1.0);
    AchsenBeschriften();
    if (hintergrund_) hintergrund_(*graph_, *klein_);
    KurveZeichnen();
    UebersichtZeichnen();
    klein_->Rechteck({a.min, 0.0}, {a.max + 1.0, double(kRohMax)}, kRot);
    // The mark last, as a change of the mark alone draws it.
    MarkeZeichnen();
}

void KennlinienGrafik::AchsenBeschriften() {
    const KonfigDaten& k = k_.konfig.daten();
    const Ansicht& a = k_.editor.ansicht();
    const Achsenbeschriftung y = YAchse(k);
    graph_->setBereich(Graph::Y, a.yMin, a.yMax);
    graph_->setBeschriftung(Graph::Y, y.faktor, y.offset, Text(y.einheit));
    const Achsenbeschriftung x = XAchse(k);
    graph_->setBeschriftung(Graph::X, x.faktor, x.offset, Text(x.einheit));
}

void KennlinienGrafik::KurveZeichnen() {
    const std::vector<Geradenstueck> stuecke = SichtbareGeradenstuecke(k_.editor.punkte(), k_.editor.ansicht());
    const int d = k_.editor.darstellung();
    const bool linien = d != KennlinienEditor::Stufen;
    const bool stufen = d != KennlinienEditor::Linien;

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

void KennlinienGrafik::UebersichtZeichnen() {
    const Kennlinienpunkte& p = k_.editor.punkte();
    if (p.empty()) return;
    const std::vector<long long> x = PunktPositionen(p);
    std::vector<QPointF> zug;
    zug.reserve(p.size() + 1);
    for (std::size_t i = 0; i < p.size(); ++i) zug.emplace_back(double(x[i]), double(p[i].yWert));
    zug.emplace_back(double(kRohMax), double(p.back().yWert));
    klein_->Linienzug(std::move(zug), kBlau);
}

void KennlinienGrafik::MarkeZeichnen() {
    if (markeGross_) graph_->Loeschen(markeGross_);
    if (markeKlein_) klein_->Loeschen(markeKlein_);
    markeGross_ = markeKlein_ = 0;
    const Markierung& m = k_.editor.markierung();
    if (!m.gueltig) return;
    const QPointF von(m.start, 0.0), bis(m.ende, double(kRohMax));
    markeGross_ = graph_->Rechteck(von, bis, kDunkelgruen);
    markeKlein_ = klein_->Rechteck(von, bis, kDunkelgruen);
}

void KennlinienGrafik::VorschauLinie(QPointF von, QPointF bis) { vorschau_.push_back(graph_->Linie(von, bis, kRot)); }

void KennlinienGrafik::VorschauPunkt(QPointF p) { vorschau_.push_back(graph_->Punkt(p, kRot)); }

void KennlinienGrafik::VorschauLoeschen() {
    for (int h : vorschau_) graph_->Loeschen(h);
    vorschau_.clear();
}

void KennlinienGrafik::LiveWerte(std::optional<QPointF> werte) {
    live_ = werte;
    if (!werte) return Zeigen(Aenderung::Koordinaten);
    x_->setWert(werte->x());
    y_->setWert(werte->y());
}

void KennlinienGrafik::RollbalkenZeigen() {
    const Rollbalken r = RollbalkenAusAnsicht(k_.editor.ansicht());
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

void KennlinienGrafik::YZoomZeigen() {
    const YZoomWerte f = YZoomFelder(k_.editor.ansicht(), k_.konfig.daten());
    yZoomMax_->setWert(f.max);
    yZoomMin_->setWert(f.min);
}

void KennlinienGrafik::Gerollt(bool ende) {
    if (!ende) return;
    // In help mode the thumb goes back to the view, which stays.
    if (gHilfeAktiv) return RollbalkenZeigen();
    k_.editor.Rollen(int(std::lround(double(rollbalken_->value()) / kFein)));
}

void KennlinienGrafik::YZoomEingegeben() {
    if (gHilfeAktiv) return YZoomZeigen();
    k_.editor.YZoomSetzen(k_.konfig.daten(), yZoomMin_->wert(), yZoomMax_->wert());
}

void KennlinienGrafik::FelderFormatieren() {
    const KonfigDaten& k = k_.konfig.daten();
    const int xStellen = Nachkommastellen(k, Seite::Eingang, 1);
    const int yStellen = Nachkommastellen(k, Seite::Ausgang, 0);
    for (Zahlfeld* z : {x_, xRaster_}) z->setStellen(xStellen);
    for (Zahlfeld* z : {y_, yRaster_, yZoomMax_, yZoomMin_}) z->setStellen(yStellen);
}
