#include "uisupport/VerbindungsBild.h"

#include "uisupport/Bilder.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

VerbindungsBild::VerbindungsBild(QWidget* parent)
    : QWidget(parent), offen_(new QSvgRenderer(Bilder::PfadVerbindungOffen(), this)),
      getrennt_(new QSvgRenderer(Bilder::PfadVerbindungGetrennt(), this)) {
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setWert(-1);
}

void VerbindungsBild::setWert(int wert, bool getrennt) {
    const int neu = (wert >= 1 && wert <= 8) ? wert : -1;
    const bool neuGetrennt = neu != -1 && getrennt;
    if (neu == wert_ && neuGetrennt == getrenntZustand_) return;
    wert_ = neu;
    getrenntZustand_ = neuGetrennt;
    setToolTip(text());
    update();
}

QString VerbindungsBild::text() const {
    if (wert_ == -1) return QStringLiteral("not open");
    const QString com = QStringLiteral("COM%1").arg(wert_);
    return getrenntZustand_ ? com + QStringLiteral(" getrennt") : com;
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
    (wert_ == -1 || getrenntZustand_ ? getrennt_ : offen_)->render(&p, ziel);

    QFont schrift = font();
    schrift.setPixelSize(qMax(8, static_cast<int>(textHoehe * 0.8)));
    schrift.setBold(wert_ != -1);
    const QRectF textFlaeche(0, height() - textHoehe, width(), textHoehe);
    if (!getrenntZustand_) {
        p.setFont(schrift);
        p.setPen(wert_ == -1 ? palette().color(QPalette::Disabled, QPalette::WindowText) : QColor(27, 94, 32));
        p.drawText(textFlaeche, Qt::AlignCenter, text());
        return;
    }
    // The port crossed out, then "getrennt", both red; shrunk to fit the width.
    const QString com = QStringLiteral("COM%1").arg(wert_);
    const QString rest = QStringLiteral(" getrennt");
    QFont durch = schrift;
    durch.setStrikeOut(true);
    QFont normal = schrift;
    normal.setBold(false);
    qreal breite = QFontMetricsF(durch).horizontalAdvance(com) + QFontMetricsF(normal).horizontalAdvance(rest);
    if (breite > width() && breite > 0) {
        const int px = qMax(6, static_cast<int>(schrift.pixelSize() * width() / breite));
        durch.setPixelSize(px);
        normal.setPixelSize(px);
        breite = QFontMetricsF(durch).horizontalAdvance(com) + QFontMetricsF(normal).horizontalAdvance(rest);
    }
    p.setPen(QColor(198, 40, 40));
    qreal x = (width() - breite) / 2;
    const qreal erste = QFontMetricsF(durch).horizontalAdvance(com);
    p.setFont(durch);
    p.drawText(QRectF(x, textFlaeche.top(), erste, textHoehe), Qt::AlignVCenter | Qt::AlignLeft, com);
    p.setFont(normal);
    p.drawText(QRectF(x + erste, textFlaeche.top(), breite - erste + 1, textHoehe), Qt::AlignVCenter | Qt::AlignLeft,
               rest);
}

void VerbindungsBild::mousePressEvent(QMouseEvent* event) {
    gedrueckt_ = event->button() == Qt::LeftButton;
    if (gedrueckt_)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void VerbindungsBild::mouseReleaseEvent(QMouseEvent* event) {
    const bool klick = gedrueckt_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    gedrueckt_ = false;
    event->accept();
    if (klick) emit geklickt();
}
