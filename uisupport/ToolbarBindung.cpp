#include "uisupport/ToolbarBindung.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>

QAction* BefehlAnlegen(QMenu* menue, QToolBar* leiste, const QString& text, const QIcon& bild, const QString& tipp) {
    auto* a = new QAction(bild, text, menue);
    a->setToolTip(tipp.isEmpty() ? QString(text).remove('&') : tipp);
    a->setIconVisibleInMenu(false);
    menue->addAction(a);
    if (leiste) leiste->addAction(a);
    return a;
}

QAction* UmschalterAnlegen(QMenu* menue, QToolBar* leiste, const QString& text, const QIcon& bild,
                           const QString& tipp) {
    auto* a = BefehlAnlegen(menue, leiste, text, bild, tipp);
    a->setCheckable(true);
    return a;
}

QAction* AuswahlAnlegen(QActionGroup* gruppe, QMenu* menue, QToolBar* leiste, const QString& text, const QIcon& bild,
                        const QString& tipp) {
    auto* a = UmschalterAnlegen(menue, leiste, text, bild, tipp);
    gruppe->setExclusive(true);
    gruppe->addAction(a);
    return a;
}
