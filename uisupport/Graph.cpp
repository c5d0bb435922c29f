#include "uisupport/Graph.h"

#include "uisupport/GraphPlot.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

bool Gueltig(double a, double b) { return std::isfinite(a) && std::isfinite(b) && a != b && std::isfinite(b - a); }

} // namespace

Graph::Graph(QWidget* parent) : QWidget(parent), puffer_(std::make_unique<Puffer>()) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click into the graph takes the focus, so a number field with an entry under way commits it first.
    setFocusPolicy(Qt::ClickFocus);
}

Graph::~Graph() = default;

void Graph::setBereich(Achse achse, double min, double max) {
    if (!Gueltig(min, max)) return;
    GraphAchse& a = achse == X ? x_ : y_;
    a.min = std::min(min, max);
    a.max = std::max(min, max);
    update();
}

void Graph::setBeschriftung(Achse achse, double verstaerkung, double versatz, const QString& name) {
    GraphAchse& a = achse == X ? x_ : y_;
    a.verstaerkung = verstaerkung;
    a.versatz = versatz;
    a.name = name;
    update();
}

void Graph::setGitter(bool an) {
    gitter_ = an;
    update();
}

void Graph::setBeschriftungSichtbar(bool an) {
    beschriftung_ = an;
    update();
}

void Graph::setHintergrund(const QColor& farbe) {
    hintergrund_ = farbe;
    update();
}

void Graph::setVerdichten(bool an) {
    verdichten_ = an;
    update();
}

int Graph::Neu(Plot&& plot) {
    plot.nummer = naechster_++;
    plots_.push_back(std::move(plot));
    update();
    return plots_.back().nummer;
}

int Graph::Linie(QPointF von, QPointF nach, const QColor& farbe) {
    Plot p(Plot::Art::Linienzug, farbe);
    p.paar = {von, nach};
    p.paarAnzahl = 2;
    p.sortiert = von.x() <= nach.x();
    p.xVon = std::min(von.x(), nach.x());
    p.xBis = std::max(von.x(), nach.x());
    return Neu(std::move(p));
}

int Graph::Linienzug(std::vector<QPointF> punkte, const QColor& farbe) {
    Plot p(Plot::Art::Linienzug, farbe);
    auto nachX = [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); };
    p.sortiert = std::is_sorted(punkte.begin(), punkte.end(), nachX);
    if (!punkte.empty()) {
        const auto [lo, hi] = std::minmax_element(punkte.begin(), punkte.end(), nachX);
        p.xVon = lo->x();
        p.xBis = hi->x();
    }
    if (punkte.size() <= p.paar.size()) {
        std::copy(punkte.begin(), punkte.end(), p.paar.begin());
        p.paarAnzahl = int(punkte.size());
    } else {
        p.zug = std::move(punkte);
    }
    return Neu(std::move(p));
}

int Graph::Punkt(QPointF wo, const QColor& farbe) {
    Plot p(Plot::Art::Punkt, farbe);
    p.paar[0] = wo;
    p.paarAnzahl = 1;
    // The marker is a few pixels wide; its extent is checked when drawn.
    return Neu(std::move(p));
}

int Graph::Rechteck(QPointF ecke, QPointF gegenecke, const QColor& rahmen) {
    Plot p(Plot::Art::Rechteck, rahmen);
    p.paar = {ecke, gegenecke};
    p.paarAnzahl = 2;
    p.xVon = std::min(ecke.x(), gegenecke.x());
    p.xBis = std::max(ecke.x(), gegenecke.x());
    return Neu(std::move(p));
}

int Graph::Stufen(double x0, double dx, std::vector<int> werte, const QColor& farbe) {
    Plot p(Plot::Art::Stufen, farbe);
    p.x0 = x0;
    p.dx = dx;
    p.xVon = x0;
    p.xBis = x0 + dx * double(werte.size());
    p.stufen = std::move(werte);
    return Neu(std::move(p));
}

int Graph::Kurve(double x0, double dx, std::vector<double> werte, const QColor& farbe) {
    Plot p(Plot::Art::Kurve, farbe);
    p.x0 = x0;
    p.dx = dx;
    p.xVon = x0;
    p.xBis = werte.empty() ? x0 : x0 + dx * double(werte.size() - 1);
    p.werte = std::move(werte);
    return Neu(std::move(p));
}

int Graph::Text(QPointF wo, const QString& text, const QColor& farbe, const QFont& schrift) {
    Plot p(Plot::Art::Text, farbe);
    p.paar[0] = wo;
    p.paarAnzahl = 1;
    p.beschriftung = std::make_unique<Plot::Beschriftung>(Plot::Beschriftung{text, schrift});
    return Neu(std::move(p));
}

namespace {

template <class Plots> auto Finden(Plots& plots, int nummer) {
    auto it = std::lower_bound(plots.begin(), plots.end(), nummer, [](const auto& p, int n) { return p.nummer < n; });
    return (it != plots.end() && it->nummer == nummer) ? it : plots.end();
}

} // namespace

int Graph::anzahlPlots() const { return int(plots_.size()); }

bool Graph::hatPlot(int plot) const { return Finden(plots_, plot) != plots_.end(); }

bool Graph::Loeschen(int plot) {
    const auto it = Finden(plots_, plot);
    if (it == plots_.end()) return false;
    plots_.erase(it);
    update();
    return true;
}

void Graph::AllesLoeschen() {
    plots_.clear();
    // Handles only grow, so a stale one never names a new plot; start over
    // long before they could run out.
    if (naechster_ > (1 << 30)) naechster_ = 1;
    update();
}

QRect Graph::plotBereich() const { return aufteilen().flaeche; }

QPointF Graph::ZuGraph(QPointF pixel) const {
    const QRect f = plotBereich();
    const double sx = std::max(1, f.width() - 1), sy = std::max(1, f.height() - 1);
    return {x_.min + (pixel.x() - f.left()) / sx * (x_.max - x_.min),
            y_.min + (f.top() + sy - pixel.y()) / sy * (y_.max - y_.min)};
}

QPointF Graph::ZuPixel(QPointF graph) const {
    const QRect f = plotBereich();
    const double sx = std::max(1, f.width() - 1), sy = std::max(1, f.height() - 1);
    return {f.left() + (graph.x() - x_.min) / (x_.max - x_.min) * sx,
            f.top() + sy - (graph.y() - y_.min) / (y_.max - y_.min) * sy};
}

QPointF Graph::Begrenzt(QPointF pixel) const {
    const QPointF g = ZuGraph(pixel);
    return {std::clamp(g.x(), x_.min, x_.max), std::clamp(g.y(), y_.min, y_.max)};
}

void Graph::mousePressEvent(QMouseEvent* event) {
    if (!plotBereich().contains(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    zieht_ = true;
    cursor_ = Begrenzt(event->position());
    emit gedrueckt(cursor_, event->button());
}

void Graph::mouseMoveEvent(QMouseEvent* event) {
    if (!zieht_) return;
    cursor_ = Begrenzt(event->position());
    emit gezogen(cursor_, event->buttons());
}

void Graph::mouseReleaseEvent(QMouseEvent* event) {
    if (!zieht_) return;
    cursor_ = Begrenzt(event->position());
    if (event->buttons() == Qt::NoButton) zieht_ = false;
    emit losgelassen(cursor_, event->button());
}
