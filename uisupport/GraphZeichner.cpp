#include "uisupport/GraphZeichner.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

// Every vertex is put on the centre of its pixel and that pixel is always
// drawn (Qt's polyline leaves out the tip of a peak). So a plot is the union
// of its vertices' pixels and its lines, ends included, and where samples are
// dense the pixels of all lines inside one column are exactly the rows from
// the column's highest to its lowest vertex: one fillRect, far cheaper than
// stroking the same run pixel by pixel. Only the lines from one column to the
// next are stroked, and not even those when both columns already cover them.

namespace {

// std::floor is a library call on the x86-64 baseline; it runs a few times
// for every sample.
double Abrunden(double v) {
    if (!(std::fabs(v) < 4e15)) return std::floor(v);
    const double ganz = double(static_cast<long long>(v));
    return ganz > v ? ganz - 1.0 : ganz;
}

double Mitte(double v) { return Abrunden(v) + 0.5; }

// Index into 0..n; doubles are clamped before the cast so that a far-off view
// cannot overflow.
std::size_t Index(double i, std::size_t n) {
    if (!(i > 0)) return 0;
    return i >= double(n) ? n : std::size_t(i);
}

} // namespace

GraphZeichner::GraphZeichner(QPainter& p, const GraphAbbildung& a, bool verdichten, Puffer& puffer)
    : p_(p), a_(a), verdichten_(verdichten), zug_(puffer.zug), linien_(puffer.linien), spalten_(puffer.spalten),
      flaechen_(puffer.flaechen) {}

bool GraphZeichner::Dicht(std::size_t proben, double von, double bis) const {
    if (!verdichten_) return false;
    // Only the columns inside the plot count; samples beyond it are few.
    const double spalten = std::clamp(bis, a_.links, a_.rechts) - std::clamp(von, a_.links, a_.rechts) + 1.0;
    return double(proben) > spalten;
}

QPointF GraphZeichner::Punkt(double x, double y) const { return {Mitte(a_.px(x)), Mitte(a_.py(y))}; }

bool GraphZeichner::Gedeckt(const Spalte& a, const Spalte& b) const {
    if (b.c != a.c + 1) return false;
    const double ra = Abrunden(a.letzter.y()), rb = Abrunden(b.erster.y());
    // One row apart, the line is just its two end pixels, which are vertices.
    if (std::abs(rb - ra) <= 1) return true;
    // Steeper, its upper half lies in one column and its lower half in the
    // other; the middle row may fall either way.
    auto enthaelt = [](const Spalte& s, double r1, double r2) {
        return std::min(r1, r2) >= Abrunden(s.oben) && std::max(r1, r2) <= Abrunden(s.unten);
    };
    const double mitte = (ra + rb) / 2;
    const double zuB = ra < rb ? std::ceil(mitte) : std::floor(mitte);
    const double zuA = ra < rb ? std::floor(mitte) : std::ceil(mitte);
    return enthaelt(a, ra, zuB) && enthaelt(b, zuA, rb);
}

void GraphZeichner::SpalteFuellen(const Spalte& s) {
    if (s.c < a_.links - 1 || s.c > a_.rechts + 1) return;
    // Rows far outside are cut to the plot before they become integers.
    const int oben = int(Abrunden(std::clamp(s.oben, a_.oben - 2, a_.unten + 2)));
    const int unten = int(Abrunden(std::clamp(s.unten, a_.oben - 2, a_.unten + 2)));
    const QRect spalte(int(s.c), oben, 1, unten - oben + 1);
    // Neighbours with the same run become one rectangle: a curve that swings
    // over the whole height at every sample fills a block row by row.
    if (!block_.isNull() && block_.right() + 1 == spalte.left() && block_.top() == spalte.top() &&
        block_.bottom() == spalte.bottom()) {
        block_.setRight(spalte.left());
        return;
    }
    BlockAusgeben();
    block_ = spalte;
}

void GraphZeichner::BlockAusgeben() {
    if (!block_.isNull()) flaechen_.push_back(block_);
    block_ = QRect();
}

void GraphZeichner::FlaechenAusgeben() {
    BlockAusgeben();
    if (flaechen_.empty()) return;
    // One call for all runs of the plot; Qt fills each as a plain rectangle.
    const QPen stift = p_.pen();
    p_.setPen(Qt::NoPen);
    p_.setBrush(farbe_);
    p_.drawRects(flaechen_.data(), int(flaechen_.size()));
    p_.setBrush(Qt::NoBrush);
    p_.setPen(stift);
    flaechen_.clear();
}

void GraphZeichner::Ausgeben() {
    if (zug_.size() > 1) p_.drawPolyline(zug_.data(), int(zug_.size()));
    // Points are rounded where lines are floored: the pixel's corner names it.
    for (QPointF& q : zug_) q -= QPointF(0.5, 0.5);
    p_.drawPoints(zug_.data(), int(zug_.size()));
    zug_.clear();
}

template <class X, class Y> void GraphZeichner::Zug(std::size_t von, std::size_t bis, X x, Y y) {
    if (von >= bis) return;
    if (!Dicht(bis - von, a_.px(x(von)), a_.px(x(bis - 1)))) {
        zug_.reserve(bis - von);
        for (std::size_t i = von; i < bis; ++i) zug_.push_back(Punkt(x(i), y(i)));
        Ausgeben();
        return;
    }
    farbe_ = p_.pen().color();
    spalten_.clear();
    for (std::size_t i = von; i < bis; ++i) {
        const QPointF q = Punkt(x(i), y(i));
        const double c = Abrunden(q.x());
        if (spalten_.empty() || spalten_.back().c != c) {
            spalten_.push_back({c, q, q, q.y(), q.y()});
            continue;
        }
        Spalte& s = spalten_.back();
        s.letzter = q;
        s.oben = std::min(s.oben, q.y());
        s.unten = std::max(s.unten, q.y());
    }
    linien_.clear();
    for (std::size_t k = 0; k < spalten_.size(); ++k) {
        const Spalte& s = spalten_[k];
        SpalteFuellen(s);
        if (k == 0) continue;
        const Spalte& vorige = spalten_[k - 1];
        if (!Gedeckt(vorige, s)) linien_.emplace_back(vorige.letzter, s.erster);
    }
    FlaechenAusgeben();
    if (!linien_.empty()) p_.drawLines(linien_.data(), int(linien_.size()));
}

void GraphZeichner::Linienzug(std::span<const QPointF> punkte, bool sortiert) {
    std::size_t von = 0, bis = punkte.size();
    if (sortiert) {
        // One point on each side of the view, so the lines leaving it are drawn.
        auto links = std::lower_bound(punkte.begin(), punkte.end(), a_.xMin,
                                      [](const QPointF& p, double x) { return p.x() < x; });
        auto rechts = std::upper_bound(punkte.begin(), punkte.end(), a_.xMax,
                                       [](double x, const QPointF& p) { return x < p.x(); });
        von = std::size_t(std::max<std::ptrdiff_t>(0, links - punkte.begin() - 1));
        bis = std::min(punkte.size(), std::size_t(rechts - punkte.begin()) + 1);
    }
    const bool verdichten = verdichten_;
    verdichten_ = verdichten && sortiert; // columns need x in order
    Zug(
        von, bis, [&](std::size_t i) { return punkte[i].x(); }, [&](std::size_t i) { return punkte[i].y(); });
    verdichten_ = verdichten;
}

void GraphZeichner::Kurve(double x0, double dx, const std::vector<double>& werte) {
    if (!(dx > 0)) return;
    const std::size_t n = werte.size();
    const std::size_t von = Index(std::floor((a_.xMin - x0) / dx), n);
    const std::size_t bis = Index(std::ceil((a_.xMax - x0) / dx) + 1.0, n);
    Zug(
        von, bis, [&](std::size_t i) { return x0 + double(i) * dx; }, [&](std::size_t i) { return werte[i]; });
}

void GraphZeichner::Stufen(double x0, double dx, const std::vector<int>& werte) {
    if (!(dx > 0)) return;
    const std::size_t n = werte.size();
    // Step i covers [x0 + i*dx, x0 + (i+1)*dx].
    const std::size_t von = Index(std::ceil((a_.xMin - x0) / dx - 1.0), n);
    const std::size_t bis = Index(std::floor((a_.xMax - x0) / dx) + 1.0, n);
    if (von >= bis) return;
    auto X = [&](std::size_t i) { return Mitte(a_.px(x0 + double(i) * dx)); };
    auto Y = [&](int w) { return Mitte(a_.py(double(w))); };

    // A vertex only where the level changes.
    if (!Dicht(bis - von, X(von), X(bis))) {
        zug_.emplace_back(X(von), Y(werte[von]));
        for (std::size_t i = von + 1; i < bis; ++i) {
            if (werte[i] == werte[i - 1]) continue;
            zug_.emplace_back(X(i), Y(werte[i - 1]));
            zug_.emplace_back(X(i), Y(werte[i]));
        }
        zug_.emplace_back(X(bis), Y(werte[bis - 1]));
        Ausgeben();
        return;
    }
    // Dense: each column's rises and falls are one filled run. A level is
    // stroked only where it passes a column without a run: from one change to
    // a change in the next column it lies on the two runs, which both hold it.
    farbe_ = p_.pen().color();
    linien_.clear();
    bool offen = false;
    Spalte s{};
    double start = X(von);
    double startSpalte = Abrunden(start);
    bool vonWechsel = false; // start is a change, so its column has a run
    double yb = Y(werte[von]);
    for (std::size_t i = von + 1; i < bis; ++i) {
        if (werte[i] == werte[i - 1]) continue;
        const double xi = X(i), ya = yb;
        yb = Y(werte[i]);
        const double c = Abrunden(xi);
        if (c != startSpalte && !(vonWechsel && c == startSpalte + 1)) linien_.emplace_back(start, ya, xi, ya);
        start = xi;
        startSpalte = c;
        vonWechsel = true;
        if (offen && s.c == c) {
            s.oben = std::min(s.oben, std::min(ya, yb));
            s.unten = std::max(s.unten, std::max(ya, yb));
            continue;
        }
        if (offen) SpalteFuellen(s);
        s = {c, {}, {}, std::min(ya, yb), std::max(ya, yb)};
        offen = true;
    }
    if (offen) SpalteFuellen(s);
    FlaechenAusgeben();
    const double ende = X(bis), y = Y(werte[bis - 1]);
    if (!vonWechsel || Abrunden(ende) != startSpalte) linien_.emplace_back(start, y, ende, y);
    p_.drawLines(linien_.data(), int(linien_.size()));
}
