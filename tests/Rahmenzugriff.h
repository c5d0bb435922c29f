#pragma once
// The parts every tool window's frame has (error indicator, "Fenster" and
// "Hilfe" menus) and the main window's help button, found by object name.
// A missing one fails the test at the lookup instead of crashing later.
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Werkzeugfenster.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

template <class T> T* RahmenTeil(const QObject* fenster, const QString& name) {
    T* t = fenster ? fenster->findChild<T*>(name) : nullptr;
    if (!t) ADD_FAILURE() << "missing " << name.toStdString();
    return t;
}

inline Fehleranzeige* FehleranzeigeVon(const QObject* fenster) { return RahmenTeil<Fehleranzeige>(fenster, "FEHLER"); }

inline QAction* FensterAktion(const QObject* fenster, FensterId id) {
    return RahmenTeil<QAction>(fenster, Werkzeugfenster::FensterAktionName(id));
}

inline QMenu* HilfeMenueVon(const QObject* fenster) { return RahmenTeil<QMenu>(fenster, "HILFEMENUE"); }

// Every tool window is a child of the main window and has a "DIREKTHILFE" of
// its own; the main window's is the one outside all of them.
inline QToolButton* HauptDirekthilfe(const QWidget* haupt) {
    for (QToolButton* b : haupt->findChildren<QToolButton*>("DIREKTHILFE")) {
        bool inWerkzeugfenster = false;
        for (const QObject* o = b->parent(); o && o != haupt; o = o->parent())
            inWerkzeugfenster = inWerkzeugfenster || qobject_cast<const Werkzeugfenster*>(o);
        if (!inWerkzeugfenster) return b;
    }
    ADD_FAILURE() << "missing the main window's DIREKTHILFE";
    return nullptr;
}
