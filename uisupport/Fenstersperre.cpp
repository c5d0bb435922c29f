#include "uisupport/Fenstersperre.h"

#include "uisupport/Werkzeugfenster.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

constexpr const char* kZaehler = "dlm7Sperren";

} // namespace

Werkzeugfenster* Fenstersperre::FensterVon(QWidget* w) {
    for (; w; w = w->parentWidget())
        if (auto* f = qobject_cast<Werkzeugfenster*>(w)) return f;
    return nullptr;
}

Fenstersperre::Fenstersperre(Werkzeugfenster* fenster) : fenster_(fenster) {
    if (!fenster_) return;
    const int n = fenster_->property(kZaehler).toInt() + 1;
    fenster_->setProperty(kZaehler, n);
    if (n == 1) Dimmen(true);
}

Fenstersperre::~Fenstersperre() {
    if (!fenster_) return;
    const int n = fenster_->property(kZaehler).toInt() - 1;
    fenster_->setProperty(kZaehler, n);
    if (n == 0) Dimmen(false);
}

// The actions of dimmed menus and toolbars take no shortcuts either.
void Fenstersperre::Dimmen(bool an) {
    if (QWidget* z = fenster_->centralWidget()) z->setEnabled(!an);
    for (QToolBar* t : fenster_->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) t->setEnabled(!an);
    for (QAction* a : fenster_->menuBar()->actions())
        if (a != fenster_->fensterMenue()->menuAction()) a->setEnabled(!an);
}
