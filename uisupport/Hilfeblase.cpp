#include "uisupport/Hilfeblase.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

#include <optional>

namespace {

constexpr int kRand = 5;

class Blase : public QLabel {
  public:
    Blase(QWidget* eltern, const QString& text) : QLabel(text, eltern, Qt::Popup | Qt::FramelessWindowHint) {
        // The toolkit's own replay depends on the platform's mouse grab; the
        // bubble passes the click on itself (HilfeblaseZeigen).
        setAttribute(Qt::WA_NoMouseReplay);
        setMargin(kRand);
        setStyleSheet("QLabel { background: #ffffe1; color: black; border: 1px solid #808080; }");
    }
    QEventLoop schleife;
    std::optional<QPoint> weiter; // global position of a closing press outside the bubble

  protected:
    // Only the left button closes it, as it only opens on a left click.
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        if (!rect().contains(e->position().toPoint())) weiter = e->globalPosition().toPoint();
        close();
    }
    void mouseReleaseEvent(QMouseEvent*) override {}
    void closeEvent(QCloseEvent* e) override {
        QLabel::closeEvent(e);
        schleife.quit();
    }
};

} // namespace

QPoint BlasenPosition(QPoint maus, QSize fenster, QSize blase) {
    int links = maus.x();
    int oben = maus.y();
    if (maus.x() > fenster.width() / 2) links = maus.x() - blase.width();
    if (maus.y() > fenster.height() / 2) oben = maus.y() - blase.height();
    return {links, oben};
}

QSize BlasenGroesse(const QString& text) {
    const QFontMetrics fm(QApplication::font());
    const QRect r = fm.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, text);
    return {r.width() + 2 * kRand + 2, r.height() + 2 * kRand + 2};
}

void HilfeblaseZeigen(QWidget* eltern, const QRect& platz, const QString& text) {
    Blase blase(eltern, text);
    blase.setGeometry(platz);
    blase.show();
    blase.schleife.exec();
    // Bubbles open only in help mode: a click outside that closed this one
    // goes on to the control under it, so its help comes at once (or the "?"
    // toggle switches the mode off). Posted, so this bubble is gone before the
    // next one opens; as a whole click, since the real release has passed.
    if (!blase.weiter) return;
    QWidget* ziel = QApplication::widgetAt(*blase.weiter);
    if (!ziel && eltern) {
        QWidget* fenster = eltern->window();
        ziel = fenster->childAt(fenster->mapFromGlobal(*blase.weiter));
    }
    if (!ziel) return;
    const QPointF lokal = ziel->mapFromGlobal(*blase.weiter);
    const QPointF global(*blase.weiter);
    QCoreApplication::postEvent(
        ziel, new QMouseEvent(QEvent::MouseButtonPress, lokal, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        ziel, new QMouseEvent(QEvent::MouseButtonRelease, lokal, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}
