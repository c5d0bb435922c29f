#include "uisupport/Lampe.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

Lampe::Lampe(QWidget* parent) : QWidget(parent) { setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed); }

void Lampe::setAn(bool an) {
    if (an == an_) return;
    an_ = an;
    update();
}

void Lampe::setFarbe(const QColor& farbe) {
    if (!farbe.isValid() || farbe == farbe_) return;
    farbe_ = farbe;
    update();
}

void Lampe::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = qMin(width(), height()) - 2.0;
    if (d <= 0) return;
    const QRectF kreis((width() - d) / 2.0, (height() - d) / 2.0, d, d);

    QColor grund = an_ ? farbe_ : QColor(150, 150, 150);
    if (!isEnabled()) {
        // Washed out towards the background so a dimmed lamp never looks lit.
        const QColor hg = palette().color(QPalette::Window);
        grund = QColor((grund.red() + 2 * hg.red()) / 3, (grund.green() + 2 * hg.green()) / 3,
                       (grund.blue() + 2 * hg.blue()) / 3);
    }
    QRadialGradient verlauf(kreis.center() - QPointF(d * 0.18, d * 0.18), d * 0.7);
    verlauf.setColorAt(0.0, an_ && isEnabled() ? grund.lighter(170) : grund.lighter(125));
    verlauf.setColorAt(1.0, an_ ? grund : grund.darker(115));
    p.setBrush(verlauf);
    p.setPen(QPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Dark), 1.0));
    p.drawEllipse(kreis);
}

void Lampe::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Taken here, so a parent that also listens for clicks does not report it twice.
    event->accept();
    emit geklickt();
}
