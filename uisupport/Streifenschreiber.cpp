#include "uisupport/Streifenschreiber.h"

#include "uisupport/Zeigerinstrument.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

Streifenschreiber::Streifenschreiber(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    neuzeichnen_.setSingleShot(true);
    neuzeichnen_.setInterval(NeuzeichnenMs);
    connect(&neuzeichnen_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void Streifenschreiber::PunktAnhaengen(const Punkt& punkt) {
    punkte_.push_back(punkt);
    while (punkte_.size() > static_cast<size_t>(Kapazitaet)) punkte_.pop_front();
    // Collect bursts of points into one repaint.
    if (!neuzeichnen_.isActive()) neuzeichnen_.start();
}

void Streifenschreiber::Loeschen() {
    punkte_.clear();
    update();
}

void Streifenschreiber::SpurZeigen(int spur, bool zeigen) {
    if (spur < 0 || spur >= SpurAnzahl || sichtbar_[spur] == zeigen) return;
    sichtbar_[spur] = zeigen;
    update();
}

bool Streifenschreiber::spurSichtbar(int spur) const { return spur >= 0 && spur < SpurAnzahl && sichtbar_[spur]; }

QColor Streifenschreiber::Spurfarbe(int spur) {
    static const std::array<QColor, SpurAnzahl> farben{QColor(215, 25, 28), QColor(0, 150, 0), QColor(30, 90, 220),
                                                       QColor(190, 0, 190)};
    return (spur >= 0 && spur < SpurAnzahl) ? farben[spur] : QColor(Qt::black);
}

void Streifenschreiber::setPunkteProBreite(int punkte) {
    punkteProBreite_ = std::clamp(punkte, 1, Kapazitaet);
    update();
}

void Streifenschreiber::setYBereich(double minimum, double maximum) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum == maximum) return;
    yMin_ = std::min(minimum, maximum);
    yMax_ = std::max(minimum, maximum);
    update();
}

QRect Streifenschreiber::plotBereich(QSize groesse) const {
    const QFontMetrics fm(font());
    const int links = fm.height() + 6 + fm.horizontalAdvance(QStringLiteral("-100.0")) + 6;
    const int oben = fm.height() / 2 + 4;
    const int unten = fm.height() / 2 + 4;
    const int rechts = 8;
    return QRect(links, oben, std::max(1, groesse.width() - links - rechts),
                 std::max(1, groesse.height() - oben - unten));
}

void Streifenschreiber::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Zeichnen(p, size());
}

void Streifenschreiber::Zeichnen(QPainter& p, QSize groesse) const {
    // A font in pixels keeps the layout's metrics on any device resolution.
    QFont schrift = font();
    schrift.setPixelSize(QFontInfo(font()).pixelSize());
    p.setFont(schrift);
    const QRect flaeche = plotBereich(groesse);
    const bool aktiv = isEnabled();
    const QPalette::ColorGroup gruppe = aktiv ? QPalette::Active : QPalette::Disabled;
    const QColor tinte = palette().color(gruppe, QPalette::WindowText);
    const QFontMetrics fm(font());

    p.fillRect(flaeche, palette().color(gruppe, QPalette::Base));

    // Grid: round percent values on Y, ten fixed divisions on X.
    const QColor gitter(200, 200, 200);
    const int hoechstens = std::clamp(flaeche.height() / (fm.height() * 2), 2, 11);
    const QVector<double> werte = Zeigerinstrument::Skalenwerte(yMin_, yMax_, hoechstens);
    const int stellen = Zeigerinstrument::Skalenstellen(werte);
    auto yVon = [&](double v) { return flaeche.bottom() - (v - yMin_) / (yMax_ - yMin_) * flaeche.height(); };
    for (double v : werte) {
        const double y = yVon(v);
        p.setPen(QPen(gitter, 1, Qt::DotLine));
        p.drawLine(QPointF(flaeche.left(), y), QPointF(flaeche.right(), y));
        p.setPen(tinte);
        const QRectF text(flaeche.left() - 6 - fm.horizontalAdvance(QStringLiteral("-100.0")), y - fm.height() / 2.0,
                          fm.horizontalAdvance(QStringLiteral("-100.0")), fm.height());
        p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'f', stellen));
    }
    p.setPen(QPen(gitter, 1, Qt::DotLine));
    for (int i = 1; i < 10; ++i) {
        const double x = flaeche.left() + flaeche.width() * i / 10.0;
        p.drawLine(QPointF(x, flaeche.top()), QPointF(x, flaeche.bottom()));
    }

    // Axis title, turned to run up the left edge.
    p.save();
    p.setPen(tinte);
    p.translate(2 + fm.ascent(), flaeche.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-flaeche.height() / 2.0, -fm.ascent(), flaeche.height(), fm.height()), Qt::AlignCenter,
               QStringLiteral("Prozent"));
    p.restore();

    p.save();
    p.setClipRect(flaeche);
    p.setRenderHint(QPainter::Antialiasing);
    for (int spur = 0; spur < SpurAnzahl; ++spur)
        if (sichtbar_[spur]) spurZeichnen(p, flaeche, spur);
    p.restore();

    p.setPen(QPen(palette().color(gruppe, QPalette::Mid), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flaeche.adjusted(0, 0, -1, -1));
}

void Streifenschreiber::spurZeichnen(QPainter& p, const QRect& flaeche, int spur) const {
    const int n = static_cast<int>(punkte_.size());
    if (n == 0) return;
    // The newest point sits at the right edge once the chart is full.
    const int erster = std::max(0, n - (punkteProBreite_ + 1));
    const double dx = double(flaeche.width()) / punkteProBreite_;
    const double spanne = yMax_ - yMin_;
    auto yVon = [&](double v) {
        const double y = flaeche.bottom() - (v - yMin_) / spanne * flaeche.height();
        // Far-off values stay near the edge so the raster never sees huge numbers.
        return std::clamp(y, flaeche.top() - 10.0, flaeche.bottom() + 10.0);
    };

    QPainterPath pfad;
    bool offen = false;
    // Several points per pixel column are folded into the column's extent.
    int spalte = -1;
    double erstes = 0, kleinstes = 0, groesstes = 0, letztes = 0;
    auto spalteAbschliessen = [&]() {
        if (spalte < 0) return;
        const double x = flaeche.left() + spalte;
        const QPointF start(x, yVon(erstes));
        if (offen)
            pfad.lineTo(start);
        else
            pfad.moveTo(start);
        pfad.lineTo(x, yVon(kleinstes));
        pfad.lineTo(x, yVon(groesstes));
        pfad.lineTo(x, yVon(letztes));
        offen = true;
        spalte = -1;
    };

    for (int i = erster; i < n; ++i) {
        const double v = punkte_[static_cast<size_t>(i)][spur];
        const double x = (i - erster) * dx;
        if (!std::isfinite(v)) {
            spalteAbschliessen();
            offen = false;
            continue;
        }
        if (dx >= 1.0) {
            const QPointF punkt(flaeche.left() + x, yVon(v));
            if (offen)
                pfad.lineTo(punkt);
            else
                pfad.moveTo(punkt);
            offen = true;
            continue;
        }
        const int s = static_cast<int>(x);
        if (s != spalte) {
            spalteAbschliessen();
            spalte = s;
            erstes = kleinstes = groesstes = v;
        }
        kleinstes = std::min(kleinstes, v);
        groesstes = std::max(groesstes, v);
        letztes = v;
    }
    spalteAbschliessen();

    QColor farbe = Spurfarbe(spur);
    if (!isEnabled()) farbe.setAlpha(90);
    p.setPen(QPen(farbe, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pfad);
}
