#include "uisupport/Hilfemodus.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <QVariant>
#include <QWidget>

bool gHilfeAktiv = false;

namespace {

constexpr const char* kTextProp = "dlm7Hilfetext";
constexpr const char* kDurchlassenProp = "dlm7HilfeDurchlassen";
constexpr const char* kFensterProp = "dlm7Programmfenster";

class HilfeFilter : public QObject {
  public:
    explicit HilfeFilter(std::function<void(const QString&)> zeigen) : zeigen_(std::move(zeigen)) {}

  protected:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (!gHilfeAktiv) return false;
        const auto typ = ev->type();
        if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseButtonRelease &&
            typ != QEvent::MouseButtonDblClick && typ != QEvent::Wheel)
            return false;
        auto* w = qobject_cast<QWidget*>(obj);
        // Popups, message boxes and the bubble itself keep working.
        if (!w || !w->window()->property(kFensterProp).toBool()) return false;
        QString text;
        for (QWidget* p = w; p; p = p->parentWidget()) {
            if (p->property(kDurchlassenProp).toBool()) return false;
            if (qobject_cast<QMenuBar*>(p) || qobject_cast<QMenu*>(p) || qobject_cast<QToolBar*>(p))
                return false; // their actions test the mode themselves
            const QVariant v = p->property(kTextProp);
            if (v.isValid()) {
                text = v.toString();
                break;
            }
            if (p->isWindow()) break;
        }
        if (typ == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(ev)->button() == Qt::LeftButton &&
            !text.isEmpty())
            zeigen_(text);
        return true; // in help mode controls never act on the mouse
    }

  private:
    std::function<void(const QString&)> zeigen_;
};

HilfeFilter* sgFilter = nullptr;

} // namespace

void HilfetextSetzen(QWidget* w, const QString& text) { w->setProperty(kTextProp, text); }

QString HilfetextVon(const QWidget* w) { return w->property(kTextProp).toString(); }

void HilfeDurchlassen(QWidget* w) { w->setProperty(kDurchlassenProp, true); }

void ProgrammfensterMarkieren(QWidget* w) { w->setProperty(kFensterProp, true); }

void HilfemodusInstallieren(std::function<void(const QString&)> zeigen) {
    if (sgFilter) {
        qApp->removeEventFilter(sgFilter);
        delete sgFilter;
    }
    sgFilter = new HilfeFilter(std::move(zeigen));
    qApp->installEventFilter(sgFilter);
}

void HilfemodusSetzen(bool an) {
    static bool zeigerGesetzt = false;
    gHilfeAktiv = an;
    if (an && !zeigerGesetzt) {
        QApplication::setOverrideCursor(Qt::WhatsThisCursor);
        zeigerGesetzt = true;
    } else if (!an && zeigerGesetzt) {
        QApplication::restoreOverrideCursor();
        zeigerGesetzt = false;
    }
}
