#include "uisupport/Beschaeftigt.h"

namespace {

// Overlapping operations on one widget: only the last one to end restores it.
constexpr const char* kZaehler = "dlm7Beschaeftigt";

int Zaehlen(QWidget* w, int schritt) {
    const int n = w->property(kZaehler).toInt() + schritt;
    w->setProperty(kZaehler, n);
    return n;
}

} // namespace

Beschaeftigt::Beschaeftigt(QWidget* fenster, QWidget* knopf) : fenster_(fenster), knopf_(knopf) {
    if (fenster_ && Zaehlen(fenster_, 1) == 1) fenster_->setCursor(Qt::BusyCursor);
    if (knopf_ && Zaehlen(knopf_, 1) == 1) knopf_->setEnabled(false);
}

Beschaeftigt::~Beschaeftigt() {
    if (fenster_ && Zaehlen(fenster_, -1) == 0) fenster_->unsetCursor();
    if (knopf_ && Zaehlen(knopf_, -1) == 0) knopf_->setEnabled(true);
}
