// Layout and painting of Graph. Everything inside the plot area, the grid
// and the frame are drawn in device pixels with an identity transform: Qt
// stays on its fastest path and the lines stay one device pixel wide at any
// scale. Only the text is laid out in logical pixels.
#include "uisupport/GraphPlot.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kStrich = 4;     // tick length outside the plot area, logical pixels
constexpr int kAbstand = 3;    // between tick, label and axis name
constexpr double kMarke = 2.0; // half size of a point marker

} // namespace

// Where a paint goes: the widget itself, or a picture or page (papier).
struct Graph::Ziel {
    QSize groesse;       // logical pixels
    double dpr = 1.0;    // device pixels per logical pixel
    double strich = 0.0; // line width in logical pixels; 0: one device pixel
    bool papier = false; // white margins and black labels
    QTransform basis;    // the painter's transform on entry
};

Graph::Aufteilung Graph::aufteilen() const { return aufteilen(size()); }

Graph::Aufteilung Graph::aufteilen(QSize groesse) const {
    Aufteilung a;
    if (!beschriftung_) {
        a.flaeche = QRect(QPoint(), groesse).adjusted(1, 1, -1, -1);
        return a;
    }
    const QFontMetrics fm(font());
    const int h = fm.height();
    auto breitester = [&](const QVector<GraphAchse::Marke>& marken) {
        int b = 0;
        for (const auto& m : marken) b = std::max(b, fm.horizontalAdvance(m.text));
        return b;
    };
    const int unten = kStrich + kAbstand + h + (x_.name.isEmpty() ? 0 : kAbstand + h) + 2;
    const int oben = h / 2 + 2;
    // Labels at least two text lines apart vertically.
    const int hoehe = std::max(1, groesse.height() - oben - unten);
    a.yMarken = y_.Marken(std::clamp(hoehe / (2 * h) + 1, 2, 11));
    const int links = (y_.name.isEmpty() ? 0 : h + kAbstand) + breitester(a.yMarken) + kAbstand + kStrich + 2;
    // The widest label of a trial set decides how many fit across.
    const int probe = breitester(x_.Marken(11));
    const int rechts = std::max(8, probe / 2 + 2);
    const int breite = std::max(1, groesse.width() - links - rechts);
    a.xMarken = x_.Marken(std::clamp(breite / (probe + 3 * h) + 1, 2, 11));
    a.flaeche = QRect(links, oben, breite, hoehe);
    return a;
}

void Graph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Zeichnen(p);
}

void Graph::Zeichnen(QPainter& p) const {
    Ziel z;
    z.groesse = size();
    z.dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
    z.basis = p.worldTransform();
    ZeichnenAuf(p, z);
}

void Graph::Zeichnen(QPainter& p, QSize groesse, double strich) const {
    Ziel z;
    z.groesse = groesse;
    z.strich = strich;
    z.papier = true;
    z.basis = p.worldTransform();
    // A font in pixels keeps the layout's metrics on any device resolution.
    QFont schrift = font();
    schrift.setPixelSize(QFontInfo(font()).pixelSize());
    p.save();
    p.setFont(schrift);
    ZeichnenAuf(p, z);
    p.restore();
}

void Graph::ZeichnenAuf(QPainter& p, const Ziel& z) const {
    const Aufteilung a = aufteilen(z.groesse);
    const QRect& f = a.flaeche;
    const double dpr = z.dpr;
    const int breite = z.groesse.width(), hoehe = z.groesse.height();
    // The first and last device column of the plot area are the ends of the X axis.
    const GraphAbbildung abb{x_.min,         x_.max,
                             y_.min,         y_.max,
                             dpr * f.left(), dpr * (f.left() + f.width() - 1),
                             dpr * f.top(),  dpr * (f.top() + f.height() - 1)};
    // Every pixel is filled once: at scale 2 a second full fill costs as much
    // as all the plots of a dense curve.
    const QColor rand = z.papier ? QColor(Qt::white) : palette().color(QPalette::Window);
    p.fillRect(QRect(0, 0, breite, f.top()), rand);
    p.fillRect(QRect(0, f.bottom() + 1, breite, hoehe - f.bottom() - 1), rand);
    p.fillRect(QRect(0, f.top(), f.left(), f.height()), rand);
    p.fillRect(QRect(f.right() + 1, f.top(), breite - f.right() - 1, f.height()), rand);
    p.fillRect(f, hintergrund_);
    AchsenZeichnen(p, a, abb, z);
    PlotsZeichnen(p, abb, z);
}

void Graph::AchsenZeichnen(QPainter& p, const Aufteilung& a, const GraphAbbildung& abb, const Ziel& z) const {
    const double dpr = z.dpr;
    const QColor tinte =
        z.papier ? QColor(Qt::black)
                 : palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    const int l = int(abb.links), r = int(abb.rechts), o = int(abb.oben), u = int(abb.unten);
    auto spalte = [&](double roh) { return int(std::floor(abb.px(roh))); };
    auto zeile = [&](double roh) { return int(std::floor(abb.py(roh))); };

    p.save();
    p.setWorldTransform(QTransform::fromScale(1.0 / dpr, 1.0 / dpr) * z.basis);
    if (gitter_) {
        // Grey a third of the way from the background reads on light and dark
        // alike; mixed here, as a translucent colour would send Qt to its slow path.
        const QColor g = hintergrund_.toRgb();
        auto mischen = [](int k) { return (2 * k + 128) / 3; };
        const QColor gitter(mischen(g.red()), mischen(g.green()), mischen(g.blue()));
        for (const auto& m : a.xMarken) p.fillRect(QRect(spalte(m.roh), o, 1, u - o + 1), gitter);
        for (const auto& m : a.yMarken) p.fillRect(QRect(l, zeile(m.roh), r - l + 1, 1), gitter);
    }
    const QColor rahmen = z.papier ? QColor(Qt::gray) : palette().color(QPalette::Mid);
    p.fillRect(QRect(l - 1, o - 1, r - l + 3, 1), rahmen);
    p.fillRect(QRect(l - 1, u + 1, r - l + 3, 1), rahmen);
    p.fillRect(QRect(l - 1, o, 1, u - o + 1), rahmen);
    p.fillRect(QRect(r + 1, o, 1, u - o + 1), rahmen);
    const int strich = int(std::lround(kStrich * dpr));
    if (beschriftung_) {
        for (const auto& m : a.xMarken) p.fillRect(QRect(spalte(m.roh), u + 2, 1, strich), tinte);
        for (const auto& m : a.yMarken) p.fillRect(QRect(l - 1 - strich, zeile(m.roh), strich, 1), tinte);
    }
    p.restore();
    if (!beschriftung_) return;

    const QRect& f = a.flaeche;
    const QFontMetrics fm(font());
    const int h = fm.height();
    p.setPen(tinte);
    for (const auto& m : a.xMarken) {
        const double x = (spalte(m.roh) + 0.5) / dpr;
        const int b = fm.horizontalAdvance(m.text);
        p.drawText(QRectF(x - b / 2.0 - 1, f.bottom() + 1 + kStrich + kAbstand, b + 2, h), Qt::AlignCenter, m.text);
    }
    for (const auto& m : a.yMarken) {
        const double y = (zeile(m.roh) + 0.5) / dpr;
        p.drawText(QRectF(0, y - h / 2.0, f.left() - kStrich - kAbstand - 1, h), Qt::AlignRight | Qt::AlignVCenter,
                   m.text);
    }
    if (!x_.name.isEmpty())
        p.drawText(QRect(f.left(), f.bottom() + 1 + kStrich + 2 * kAbstand + h, f.width(), h), Qt::AlignCenter,
                   x_.name);
    if (!y_.name.isEmpty()) {
        p.save();
        p.translate(1, f.center().y());
        p.rotate(-90);
        p.drawText(QRectF(-f.height() / 2.0, 0, f.height(), h), Qt::AlignCenter, y_.name);
        p.restore();
    }
}

void Graph::PlotsZeichnen(QPainter& p, const GraphAbbildung& abb, const Ziel& z) const {
    const double dpr = z.dpr;
    const QTransform geraet = QTransform::fromScale(1.0 / dpr, 1.0 / dpr) * z.basis;
    p.save();
    p.setWorldTransform(geraet);
    p.setClipRect(QRectF(abb.links, abb.oben, abb.rechts - abb.links + dpr, abb.unten - abb.oben + dpr));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    Puffer& puffer = *puffer_;
    GraphZeichner zeichner(p, abb, verdichten_, puffer.zeichner);
    const int r = int(std::lround(kMarke * dpr));

    // A pen is made only when the colour changes.
    bool stiftGesetzt = false;
    QRgb stiftFarbe = 0;
    auto stift = [&](QRgb farbe) {
        if (stiftGesetzt && farbe == stiftFarbe) return;
        QPen neu(QColor::fromRgba(farbe), z.strich);
        neu.setCosmetic(z.strich == 0.0);
        p.setPen(neu);
        stiftGesetzt = true;
        stiftFarbe = farbe;
    };

    // Consecutive markers of one colour go out in one call, as solid squares:
    // Qt fills those as plain rectangles, an outline it would stroke.
    std::vector<QRect>& marken = puffer.marken;
    const Plot* markenPlot = nullptr;
    auto markenAusgeben = [&] {
        if (marken.empty()) return;
        p.setPen(Qt::NoPen);
        stiftGesetzt = false;
        p.setBrush(QColor::fromRgba(markenPlot->rgba));
        p.drawRects(marken.data(), int(marken.size()));
        p.setBrush(Qt::NoBrush);
        marken.clear();
    };
    // Consecutive lines that join and share a colour become one polyline, so
    // a curve plotted line by line is clipped and thinned as a whole.
    std::vector<QPointF>& kette = puffer.kette;
    const Plot* kettenPlot = nullptr;
    auto ketteAusgeben = [&] {
        if (kette.empty()) return;
        stift(kettenPlot->rgba);
        zeichner.Linienzug(kette, true);
        kette.clear();
    };

    // Markers of the chain's own opaque colour may sit between its lines:
    // in one colour the order of drawing cannot show.
    auto einfarbig = [&](const Plot& a, const Plot* b) { return b && b->rgba == a.rgba && qAlpha(a.rgba) == 255; };

    for (const Plot& plot : plots_) {
        if (qAlpha(plot.rgba) == 0 || plot.xBis < x_.min || plot.xVon > x_.max) continue;
        const std::span<const QPointF> punkte = plot.punkte();
        if (plot.art == Plot::Art::Linienzug && plot.sortiert && !punkte.empty()) {
            const bool anschluss = !kette.empty() && kettenPlot->rgba == plot.rgba && kette.back() == punkte.front();
            if (!anschluss) {
                ketteAusgeben();
                kettenPlot = &plot;
                kette.push_back(punkte.front());
            }
            if (!marken.empty() && !einfarbig(plot, markenPlot)) markenAusgeben();
            kette.insert(kette.end(), punkte.begin() + 1, punkte.end());
            continue;
        }
        if (plot.art != Plot::Art::Punkt || !einfarbig(plot, kettenPlot)) ketteAusgeben();
        if (plot.art == Plot::Art::Punkt) {
            if (markenPlot && markenPlot->rgba != plot.rgba) markenAusgeben();
            markenPlot = &plot;
            const QPointF m = zeichner.Punkt(punkte[0].x(), punkte[0].y());
            if (m.x() >= abb.links - r - 1 && m.x() <= abb.rechts + r + 1 && std::fabs(m.y()) < 1e6)
                marken.emplace_back(int(m.x() - r), int(m.y() - r), 2 * r + 1, 2 * r + 1);
            continue;
        }
        markenAusgeben();
        stift(plot.rgba);
        switch (plot.art) {
        case Plot::Art::Linienzug: zeichner.Linienzug(punkte, plot.sortiert); break;
        case Plot::Art::Kurve: zeichner.Kurve(plot.x0, plot.dx, plot.werte); break;
        case Plot::Art::Stufen: zeichner.Stufen(plot.x0, plot.dx, plot.stufen); break;
        case Plot::Art::Rechteck:
            p.drawRect(
                QRectF(zeichner.Punkt(punkte[0].x(), punkte[0].y()), zeichner.Punkt(punkte[1].x(), punkte[1].y()))
                    .normalized());
            break;
        case Plot::Art::Text: {
            const QPointF wo = zeichner.Punkt(punkte[0].x(), punkte[0].y()) / dpr;
            const Plot::Beschriftung& b = *plot.beschriftung;
            p.setWorldTransform(z.basis);
            QFont schrift = b.schrift;
            if (z.papier && schrift.pixelSize() <= 0) schrift.setPixelSize(QFontInfo(b.schrift).pixelSize());
            p.setFont(schrift);
            p.drawText(wo - QPointF(0, QFontMetricsF(schrift).descent()), b.text);
            p.setWorldTransform(geraet);
            break;
        }
        case Plot::Art::Punkt: break;
        }
    }
    ketteAusgeben();
    markenAusgeben();
    p.restore();
}
