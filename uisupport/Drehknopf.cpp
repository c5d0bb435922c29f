#include "uisupport/Drehknopf.h"

#include "uisupport/Zahlfeld.h"

#include <QDial>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>

// The turning part. QDial keeps the mouse and keyboard handling; only the
// look is ours, with the two limits written at the ends of the scale.
class KnopfRad : public QDial {
  public:
    using QDial::QDial;
    QString untenText, obenText;

    QSize sizeHint() const override { return {96, 96}; }
    QSize minimumSizeHint() const override { return {48, 48}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const bool aktiv = isEnabled();
        const QPalette::ColorGroup gruppe = aktiv ? QPalette::Active : QPalette::Disabled;
        const double r = std::min(width(), height()) / 2.0 - 2.0;
        if (r < 8) return;
        const QPointF mitte(width() / 2.0, height() / 2.0);
        auto punkt = [&](double radius, double grad) {
            const double rad = qDegreesToRadians(grad);
            return QPointF(mitte.x() + radius * std::cos(rad), mitte.y() - radius * std::sin(rad));
        };
        // QDial maps its range onto 300 degrees, from 240 down to -60.
        const double spanne = maximum() - minimum();
        const double anteil = spanne > 0 ? double(value() - minimum()) / spanne : 0.0;
        const QColor tinte = palette().color(gruppe, QPalette::WindowText);

        p.setPen(QPen(tinte, 1.0));
        for (int i = 0; i <= 10; ++i) {
            const double grad = 240.0 - 30.0 * i;
            p.drawLine(punkt(r * (i % 5 == 0 ? 0.82 : 0.88), grad), punkt(r * 0.97, grad));
        }

        const double knopf = r * 0.72;
        QRadialGradient verlauf(mitte - QPointF(knopf * 0.3, knopf * 0.3), knopf * 1.4);
        const QColor grund = aktiv ? QColor(96, 110, 124) : QColor(170, 170, 170);
        verlauf.setColorAt(0.0, grund.lighter(160));
        verlauf.setColorAt(1.0, grund.darker(120));
        p.setPen(QPen(grund.darker(160), 1.2));
        p.setBrush(verlauf);
        p.drawEllipse(mitte, knopf, knopf);
        if (hasFocus()) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
            p.drawEllipse(mitte, knopf + 2, knopf + 2);
        }

        const double zeiger = 240.0 - 300.0 * anteil;
        p.setPen(QPen(aktiv ? QColor(255, 160, 0) : QColor(230, 230, 230), std::max(2.0, r * 0.07), Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(punkt(knopf * 0.35, zeiger), punkt(knopf * 0.88, zeiger));

        if (r >= 30) {
            QFont schrift = font();
            schrift.setPixelSize(static_cast<int>(std::clamp(r * 0.17, 8.0, 13.0)));
            p.setFont(schrift);
            p.setPen(tinte);
            const double h = QFontMetricsF(schrift).height();
            const QRectF links(0, height() - h, width() / 2.0 - 2, h);
            const QRectF rechts(width() / 2.0 + 2, height() - h, width() / 2.0 - 2, h);
            p.drawText(links, Qt::AlignLeft | Qt::AlignVCenter, untenText);
            p.drawText(rechts, Qt::AlignRight | Qt::AlignVCenter, obenText);
        }
    }
};

Drehknopf::Drehknopf(QWidget* parent)
    : QWidget(parent), einheit_(new QLabel(this)), rad_(new KnopfRad(this)), zahl_(new Zahlfeld(this)) {
    einheit_->setAlignment(Qt::AlignCenter);
    rad_->setWrapping(false);
    rad_->setTracking(true);
    rad_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(2, 2, 2, 2);
    spalte->setSpacing(2);
    spalte->addWidget(einheit_);
    spalte->addWidget(rad_, 1);
    spalte->addWidget(zahl_);
    setFocusProxy(zahl_);

    connect(rad_, &QDial::valueChanged, this, &Drehknopf::radGedreht);
    connect(zahl_, &Zahlfeld::wertGeaendert, this, &Drehknopf::zahlEingegeben);
    bereichEinrichten();
}

QDial* Drehknopf::rad() const { return rad_; }

QString Drehknopf::einheit() const { return einheit_->text(); }

void Drehknopf::setEinheit(const QString& einheit) { einheit_->setText(einheit); }

void Drehknopf::setGrenzen(double unten, double oben) {
    if (!std::isfinite(unten) || !std::isfinite(oben)) return;
    unten_ = unten;
    oben_ = oben;
    bereichEinrichten();
}

void Drehknopf::setNachkommastellen(int stellen) {
    stellen_ = std::clamp(stellen, 0, 10);
    bereichEinrichten();
}

void Drehknopf::setWert(double wert) {
    if (!std::isfinite(wert)) return;
    uebernehmen(wert, false);
}

double Drehknopf::begrenzt(double wert) const {
    return std::clamp(wert, std::min(unten_, oben_), std::max(unten_, oben_));
}

double Drehknopf::gerundet(double wert) const {
    const double faktor = std::pow(10.0, stellen_);
    const double skaliert = std::round(wert * faktor) / faktor;
    return begrenzt(std::isfinite(skaliert) ? skaliert : wert);
}

int Drehknopf::radPosition(double wert) const {
    const double spanne = oben_ - unten_;
    if (spanne == 0.0) return 0;
    const double anteil = std::clamp((wert - unten_) / spanne, 0.0, 1.0);
    return static_cast<int>(std::lround(anteil * schritte_));
}

void Drehknopf::bereichEinrichten() {
    const double lo = std::min(unten_, oben_);
    const double hi = std::max(unten_, oben_);
    const double spanne = hi - lo;
    // One knob step per last decimal, but no more steps than the knob can resolve usefully.
    const double feinste = spanne * std::pow(10.0, stellen_);
    schritte_ = static_cast<int>(std::clamp(std::round(feinste), 1.0, 100000.0));

    const QSignalBlocker sperreRad(rad_);
    const QSignalBlocker sperreZahl(zahl_);
    rad_->setRange(0, schritte_);
    rad_->setSingleStep(std::max(1, schritte_ / 200));
    rad_->setPageStep(std::max(1, schritte_ / 20));
    rad_->untenText = Zahlfeld::FestText(unten_, stellen_);
    rad_->obenText = Zahlfeld::FestText(oben_, stellen_);
    rad_->update();

    zahl_->setStellen(stellen_);
    zahl_->setBereich(lo, hi);
    // Arrow steps of about a hundredth of the span, a round number.
    const double kleinster = std::pow(10.0, -stellen_);
    const double schritt = spanne > 0 ? std::pow(10.0, std::floor(std::log10(spanne / 100.0))) : kleinster;
    zahl_->setSchrittweite(std::max(schritt, kleinster));

    wert_ = begrenzt(wert_);
    anzeigeAbgleichen();
}

void Drehknopf::anzeigeAbgleichen() {
    const QSignalBlocker sperreRad(rad_);
    const QSignalBlocker sperreZahl(zahl_);
    rad_->setValue(radPosition(wert_));
    zahl_->setWert(wert_);
}

void Drehknopf::uebernehmen(double wert, bool vomBenutzer) {
    const double neu = begrenzt(wert);
    const bool geaendert = neu != wert_;
    wert_ = neu;
    anzeigeAbgleichen();
    if (vomBenutzer && geaendert) emit wertGeaendert(wert_);
}

void Drehknopf::radGedreht(int position) {
    const double wert = unten_ + (oben_ - unten_) * (double(position) / schritte_);
    const double neu = gerundet(wert);
    if (neu == wert_) return;
    wert_ = neu;
    // Only the field follows; resetting the knob itself would fight the mouse.
    zahl_->setWert(wert_);
    emit wertGeaendert(wert_);
}

void Drehknopf::zahlEingegeben(double wert) {
    if (!std::isfinite(wert)) {
        anzeigeAbgleichen();
        return;
    }
    uebernehmen(wert, true);
}
