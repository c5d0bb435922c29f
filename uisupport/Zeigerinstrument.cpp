#include "uisupport/Zeigerinstrument.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

QPointF punktAufKreis(QPointF mitte, double radius, double winkelGrad) {
    const double rad = qDegreesToRadians(winkelGrad);
    return {mitte.x() + radius * std::cos(rad), mitte.y() - radius * std::sin(rad)};
}

} // namespace

Zeigerinstrument::Zeigerinstrument(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Zeigerinstrument::setBereich(double minimum, double maximum) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) return;
    min_ = minimum;
    max_ = maximum;
    update();
}

void Zeigerinstrument::setWert(double wert) {
    wert_ = wert;
    update();
}

void Zeigerinstrument::setNachkommastellen(int stellen) {
    stellen_ = std::clamp(stellen, 0, 10);
    update();
}

void Zeigerinstrument::setEinheit(const QString& einheit) {
    einheit_ = einheit;
    update();
}

QString Zeigerinstrument::wertText() const {
    if (std::isnan(wert_)) return QStringLiteral("---");
    return QString::number(wert_, 'f', stellen_);
}

double Zeigerinstrument::Anteil(double wert, double minimum, double maximum) {
    if (std::isnan(wert) || !std::isfinite(minimum) || !std::isfinite(maximum) || minimum == maximum) return 0.0;
    if (std::isinf(wert)) return ((wert > 0) == (maximum > minimum)) ? 1.0 : 0.0;
    return std::clamp((wert - minimum) / (maximum - minimum), 0.0, 1.0);
}

double Zeigerinstrument::ZeigerWinkel(double wert, double minimum, double maximum) {
    return StartWinkel - Schwenkbereich * Anteil(wert, minimum, maximum);
}

int Zeigerinstrument::Skalenstellen(const QVector<double>& werte) {
    const double schritt = werte.size() >= 2 ? std::abs(werte[1] - werte[0]) : 1.0;
    for (int d = 0; d < 8; ++d) {
        bool genau = true;
        for (double w : werte)
            if (std::abs(QString::number(w, 'f', d).toDouble() - w) > schritt * 1e-6) genau = false;
        if (genau) return d;
    }
    return 8;
}

QVector<double> Zeigerinstrument::Skalenwerte(double minimum, double maximum, int hoechstens) {
    QVector<double> werte;
    const double lo = std::min(minimum, maximum);
    const double hi = std::max(minimum, maximum);
    const double spanne = hi - lo;
    if (!std::isfinite(spanne) || spanne <= 0.0 || hoechstens < 2) return werte;

    const double roh = spanne / (hoechstens - 1);
    const double groesse = std::pow(10.0, std::floor(std::log10(roh)));
    double schritt = 10.0 * groesse;
    for (double faktor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (faktor * groesse >= roh * (1.0 - 1e-9)) {
            schritt = faktor * groesse;
            break;
        }
    }
    const double erster = std::ceil(lo / schritt - 1e-9);
    const double letzter = std::floor(hi / schritt + 1e-9);
    for (double k = erster; k <= letzter && werte.size() < hoechstens; k += 1.0) {
        const double w = k * schritt;
        werte.append(std::abs(w) < schritt * 1e-9 ? 0.0 : w);
    }
    return werte;
}

void Zeigerinstrument::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool aktiv = isEnabled();
    const QPalette::ColorGroup gruppe = aktiv ? QPalette::Active : QPalette::Disabled;

    const double rand = 3.0;
    const double radius = std::max(10.0, std::min(width(), height()) / 2.0 - rand);
    const QPointF mitte(width() / 2.0, height() / 2.0);

    // Face.
    QRadialGradient flaeche(mitte, radius);
    const QColor basis = palette().color(gruppe, QPalette::Base);
    flaeche.setColorAt(0.0, basis);
    flaeche.setColorAt(1.0, basis.darker(aktiv ? 108 : 102));
    p.setPen(QPen(palette().color(gruppe, QPalette::Mid), 1.5));
    p.setBrush(flaeche);
    p.drawEllipse(mitte, radius, radius);

    const QColor tinte = palette().color(gruppe, QPalette::Text);
    const double skalenRadius = radius * 0.90;

    // Scale arc.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tinte, std::max(1.0, radius * 0.012)));
    const QRectF bogen(mitte.x() - skalenRadius, mitte.y() - skalenRadius, 2 * skalenRadius, 2 * skalenRadius);
    p.drawArc(bogen, qRound((StartWinkel - Schwenkbereich) * 16), qRound(Schwenkbereich * 16));

    // Labels: as many as fit without touching.
    QFont schrift = font();
    schrift.setPixelSize(static_cast<int>(std::clamp(radius * 0.13, 7.0, 16.0)));
    p.setFont(schrift);
    const QFontMetricsF massSchrift(schrift);
    const double beschriftungsRadius = skalenRadius - radius * 0.12 - massSchrift.height() * 0.75;
    const bool mitBeschriftung = radius >= 34.0;

    QVector<double> werte;
    int stellen = 0;
    for (int anzahl = 11; anzahl >= 2; --anzahl) {
        werte = Skalenwerte(min_, max_, anzahl);
        if (werte.size() < 2) break;
        stellen = Skalenstellen(werte);
        double breitester = 0.0;
        for (double w : werte)
            breitester = std::max(breitester, massSchrift.horizontalAdvance(QString::number(w, 'f', stellen)));
        const double winkelAbstand =
            qDegreesToRadians(Schwenkbereich * std::abs(Anteil(werte[1], min_, max_) - Anteil(werte[0], min_, max_)));
        if (!mitBeschriftung || winkelAbstand * beschriftungsRadius > breitester * 1.25 + massSchrift.height() * 0.3)
            break;
    }

    // Minor ticks between the labelled ones, extended beyond them to the ends.
    if (werte.size() >= 2) {
        const double schritt = werte[1] - werte[0];
        const double fein = schritt / 5.0;
        const double lo = std::min(min_, max_), hi = std::max(min_, max_);
        p.setPen(QPen(tinte, std::max(0.8, radius * 0.01)));
        for (double w = werte.first() - std::floor((werte.first() - lo) / fein + 1e-9) * fein; w <= hi + fein * 1e-6;
             w += fein) {
            const double winkel = ZeigerWinkel(w, min_, max_);
            p.drawLine(punktAufKreis(mitte, skalenRadius, winkel),
                       punktAufKreis(mitte, skalenRadius - radius * 0.06, winkel));
        }
    }
    p.setPen(QPen(tinte, std::max(1.2, radius * 0.02)));
    for (double w : werte) {
        const double winkel = ZeigerWinkel(w, min_, max_);
        p.drawLine(punktAufKreis(mitte, skalenRadius, winkel),
                   punktAufKreis(mitte, skalenRadius - radius * 0.12, winkel));
        if (mitBeschriftung) {
            const QString text = QString::number(w, 'f', stellen);
            const QPointF ort = punktAufKreis(mitte, beschriftungsRadius, winkel);
            const QSizeF groesse(massSchrift.horizontalAdvance(text) + 2, massSchrift.height());
            p.drawText(QRectF(ort - QPointF(groesse.width() / 2, groesse.height() / 2), groesse), Qt::AlignCenter,
                       text);
        }
    }

    // Unit below the hub, where the needle only passes near the ends.
    if (!einheit_.isEmpty()) {
        QFont einheitSchrift = schrift;
        einheitSchrift.setPixelSize(static_cast<int>(std::clamp(radius * 0.15, 8.0, 18.0)));
        p.setFont(einheitSchrift);
        p.setPen(palette().color(gruppe, QPalette::WindowText));
        p.drawText(QRectF(mitte.x() - radius * 0.45, mitte.y() + radius * 0.25, radius * 0.9, radius * 0.22),
                   Qt::AlignCenter, einheit_);
    }

    // Numeric display in the free lower sector, clear of the end labels.
    const QRectF anzeige(mitte.x() - radius * 0.33, mitte.y() + radius * 0.52, radius * 0.66, radius * 0.28);
    p.setPen(QPen(palette().color(gruppe, QPalette::Mid), 1.0));
    p.setBrush(aktiv ? QColor(250, 250, 240) : palette().color(QPalette::Disabled, QPalette::Base));
    p.drawRoundedRect(anzeige, 3, 3);
    QFont zahlSchrift = schrift;
    zahlSchrift.setPixelSize(std::max(7, static_cast<int>(anzeige.height() * 0.72)));
    zahlSchrift.setBold(true);
    const QString zahl = wertText();
    const double textBreite = QFontMetricsF(zahlSchrift).horizontalAdvance(zahl);
    if (textBreite > anzeige.width() - 4)
        zahlSchrift.setPixelSize(
            std::max(6, static_cast<int>(zahlSchrift.pixelSize() * (anzeige.width() - 4) / textBreite)));
    p.setFont(zahlSchrift);
    p.setPen(palette().color(gruppe, QPalette::Text));
    p.drawText(anzeige.adjusted(2, 0, -2, 0), Qt::AlignCenter, zahl);

    // Needle and hub.
    const double winkel = ZeigerWinkel(wert_, min_, max_);
    const QColor zeigerFarbe = aktiv ? QColor(200, 30, 30) : palette().color(QPalette::Disabled, QPalette::Text);
    p.setPen(QPen(zeigerFarbe, std::max(1.5, radius * 0.025), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(punktAufKreis(mitte, -radius * 0.12, winkel),
               punktAufKreis(mitte, skalenRadius - radius * 0.04, winkel));
    p.setPen(Qt::NoPen);
    p.setBrush(aktiv ? QColor(60, 60, 60) : palette().color(QPalette::Disabled, QPalette::Mid));
    p.drawEllipse(mitte, radius * 0.06, radius * 0.06);
}
