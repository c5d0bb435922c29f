#pragma once
// The menu entries of the "Kurvengenerator" window, found by their object
// names as a user's tool would see them; a missing one fails the test.
#include "kurven/fenster/KurvenPanel.h"

#include <QAction>

#include <gtest/gtest.h>

inline QAction* KurvenMenueEintrag(const KurvenPanel* k, const QString& name) {
    QAction* a = k->findChild<QAction*>(name);
    if (!a) ADD_FAILURE() << "no menu entry " << name.toStdString();
    return a;
}

inline QAction* AktionVon(const KurvenPanel* k, KurvenPanel::Befehl b) {
    return KurvenMenueEintrag(k, KurvenPanel::Name(b));
}
inline QAction* ModusAktion(const KurvenPanel* k, kg::Bearbeitungsmodus m) {
    return KurvenMenueEintrag(k, KurvenPanel::Name(m));
}
inline QAction* KurvenAktion(const KurvenPanel* k, int n) { return KurvenMenueEintrag(k, KurvenPanel::KurvenName(n)); }
inline QAction* HintergrundAktion(const KurvenPanel* k, int n) {
    return KurvenMenueEintrag(k, KurvenPanel::HintergrundName(n));
}
inline QAction* DarstellungsAktion(const KurvenPanel* k, int d) {
    return KurvenMenueEintrag(k, KurvenPanel::DarstellungsName(d));
}
