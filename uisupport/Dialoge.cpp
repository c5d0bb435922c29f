#include "uisupport/Dialoge.h"

#include "uisupport/Hilfeblase.h"

#include <QWidget>
#include <cassert>

namespace {
Dialoge* sgDialoge = nullptr;
}

Dialoge& dialoge() {
    assert(sgDialoge && "DialogeSetzen must run before the first popup");
    return *sgDialoge;
}

void DialogeSetzen(Dialoge* d) { sgDialoge = d; }

QString SekundenText(double sekunden) {
    return QString::number(sekunden, 'f', 1).replace('.', ',') + QStringLiteral(" s");
}

void HilfeblaseBeiZeiger(QWidget* fenster, const QString& text, QPoint maus) {
    const QSize groesse = BlasenGroesse(text);
    const QPoint pos = BlasenPosition(maus, fenster->size(), groesse);
    dialoge().Hilfeblase(fenster, QRect(fenster->mapToGlobal(pos), groesse), text);
}
