#include "uisupport/Graph.h"

#include "uisupport/GraphPlot.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

bool Gueltig(double a, double b) { return std::isfinite(a) && std::isfinite(b) && a != b && std::isfinite(b - a); }

} // namespace

Graph::Graph(QWidget* parent) : QWidget(parent), m_puffer(std::make_unique<Puffer>()) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click into the graph takes the focus, so a number field with an entry under way commits it first.
    setFocusPolicy(Qt::ClickFocus);
}

Graph::~Graph() = default;

void Graph::setBereich(Achse achse, double min, double max) {
    if (!Gueltig(min, max)) return;
    GraphAchse& a = achse == X ? m_x : m_y;
    a.min = std::min(min, max);
    a.max = std::max(min, max);
    update();
}

void Graph::setBeschriftung(Achse achse, double verstaerkung, double versatz, const QString& name) {
    GraphAchse& a = achse == X ? m_x : m_y;
    a.verstaerkung = verstaerkung;
    a.versatz = versatz;
    a.name = name;
    update();
}

void Graph::setGitter(bool an) {
    m_gitter = an;
    update();
}

void Graph::setBeschriftungSichtbar(bool an) {
    m_beschriftung = an;
    update();
}

void Graph::setHintergrund(const QColor& farbe) {
    m_hintergrund = farbe;
    update();
}

void Graph::setVerdichten(bool an) {
    m_verdichten = an;
    update();
}

int Graph::Neu(Plot&& plot) {
    plot.nummer = m_naechster++;
    m_plots.push_back(std::move(plot));
    update();
    return m_plots.back().nummer;
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

int Graph::anzahlPlots() const { return int(m_plots.size()); }

bool Graph::hatPlot(int plot) const { return Finden(m_plots, plot) != m_plots.end(); }

bool Graph::Loeschen(int plot) {
    const auto it = Finden(m_plots, plot);
    if (it == m_plots.end()) return false;
    m_plots.erase(it);
    update();
    return true;
}

void Graph::AllesLoeschen() {
    m_plots.clear();
    // Handles only grow, so a stale one never names a new plot; start over
    // long before they could run out.
    if (m_naechster > (1 << 30)) m_naechster = 1;
    update();
}

QRect Graph::plotBereich() const { return aufteilen().flaeche; }

QPointF Graph::ZuGraph(QPointF pixel) const {
    const QRect f = plotBereich();
    const double sx = std::max(1, f.width() - 1), sy = std::max(1, f.height() - 1);
    return {m_x.min + (pixel.x() - f.left()) / sx * (m_x.max - m_x.min),
            m_y.min + (f.top() + sy - pixel.y()) / sy * (m_y.max - m_y.min)};
}

QPointF Graph::ZuPixel(QPointF graph) const {
    const QRect f = plotBereich();
    const double sx = std::max(1, f.width() - 1), sy = std::max(1, f.height() - 1);
    return {f.left() + (graph.x() - m_x.min) / (m_x.max - m_x.min) * sx,
            f.top() + sy - (graph.y() - m_y.min) / (m_y.max - m_y.min) * sy};
}

QPointF Graph::Begrenzt(QPointF pixel) const {
    const QPointF g = ZuGraph(pixel);
    return {std::clamp(g.x(), m_x.min, m_x.max), std::clamp(g.y(), m_y.min, m_y.max)};
}

void Graph::mousePressEvent(QMouseEvent* event) {
    if (!plotBereich().contains(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_zieht = true;
    m_cursor = Begrenzt(event->position());
    emit gedrueckt(m_cursor, event->button());
}

void Graph::mouseMoveEvent(QMouseEvent* event) {
    if (!m_zieht) return;
    m_cursor = Begrenzt(event->position());
    emit gezogen(m_cursor, event->buttons());
}

void Graph::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_zieht) return;
    m_cursor = Begrenzt(event->position());
    if (event->buttons() == Qt::NoButton) m_zieht = false;
    emit losgelassen(m_cursor, event->button());
}
