#include "uisupport/VerbindungsBild.h"

#include "uisupport/Bilder.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

VerbindungsBild::VerbindungsBild(QWidget* parent)
    : QWidget(parent), m_offen(new QSvgRenderer(Bilder::PfadVerbindungOffen(), this)),
      m_getrennt(new QSvgRenderer(Bilder::PfadVerbindungGetrennt(), this)) {
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setWert(-1);
}

void VerbindungsBild::setWert(int wert) {
    const int neu = (wert >= 1 && wert <= 8) ? wert : -1;
    setToolTip(neu == -1 ? QStringLiteral("not open") : QStringLiteral("COM%1").arg(neu));
    if (neu == m_wert) return;
    m_wert = neu;
    update();
}

void VerbindungsBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) p.setOpacity(0.45);

    // Picture on top, port text below; both scale with the widget.
    const qreal textHoehe = qMax<qreal>(9.0, height() * 0.28);
    QRectF bildFlaeche(0, 0, width(), height() - textHoehe);
    const qreal seitenverhaeltnis = 64.0 / 40.0;
    QSizeF bild(bildFlaeche.width(), bildFlaeche.width() / seitenverhaeltnis);
    if (bild.height() > bildFlaeche.height())
        bild = QSizeF(bildFlaeche.height() * seitenverhaeltnis, bildFlaeche.height());
    const QRectF ziel(bildFlaeche.center().x() - bild.width() / 2, bildFlaeche.center().y() - bild.height() / 2,
                      bild.width(), bild.height());
    (m_wert == -1 ? m_getrennt : m_offen)->render(&p, ziel);

    QFont schrift = font();
    schrift.setPixelSize(qMax(8, static_cast<int>(textHoehe * 0.8)));
    schrift.setBold(m_wert != -1);
    p.setFont(schrift);
    p.setPen(m_wert == -1 ? palette().color(QPalette::Disabled, QPalette::WindowText) : QColor(27, 94, 32));
    const QRectF textFlaeche(0, height() - textHoehe, width(), textHoehe);
    p.drawText(textFlaeche, Qt::AlignCenter,
               m_wert == -1 ? QStringLiteral("not open") : QStringLiteral("COM%1").arg(m_wert));
}

void VerbindungsBild::mousePressEvent(QMouseEvent* event) {
    m_gedrueckt = event->button() == Qt::LeftButton;
    if (m_gedrueckt)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void VerbindungsBild::mouseReleaseEvent(QMouseEvent* event) {
    const bool klick = m_gedrueckt && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_gedrueckt = false;
    event->accept();
    if (klick) emit geklickt();
}
