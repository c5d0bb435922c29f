#pragma once
// The "Kennlinienregler" window inside the whole program, shown, with
// helpers that act as the user would: typing into a number field, events of
// the large graph, menu entries.
// The curve headers come first: FensterUmgebung's Kennlinie() hides the type's name.
#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/fenster/KennlinienPanel.h"

#include "FensterUmgebung.h"
#include "KennlinienZugriff.h"

#include "uisupport/Graph.h"
#include "uisupport/Zahlfeld.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using Befehl = KennlinienPanel::Befehl;
using Feld = KennlinienPanel::Feld;
using Modus = KennlinienPanel::Modus;

// Types a value without committing it.
inline void Tippen(Zahlfeld* f, const QString& text) {
    f->selectAll();
    QTest::keyClicks(f, text);
}

// Types a value and commits it with Enter.
inline void Eingeben(Zahlfeld* f, const QString& text) {
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, text);
    QTest::keyClick(f, Qt::Key_Return);
}

struct KennlinienFenster : ::testing::Test {
    FensterUmgebung u;
    KennlinienPanel* k = nullptr;

    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        u.dialoge.Leeren(); // the first start reports the missing settings file
        Haupt()->show();
        ZeigeChildpanel(FensterId::Kennlinie);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
        Haupt()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Haupt()));
        k = Kennlinie();
    }

    const Kennlinienpunkte& Punkte() { return k->editor().punkte(); }
    void Ausloesen(Befehl b) { AktionVon(k, b)->trigger(); }
    void Modus(KennlinienPanel::Modus m) { ModusAktion(k, m)->trigger(); }

    // A drag on the large graph as its cursor reports it, in raw coordinates.
    void Ziehen(std::initializer_list<QPointF> wege) {
        Graph* g = GraphVon(k);
        auto it = wege.begin();
        emit g->gedrueckt(*it, Qt::LeftButton);
        for (++it; it != wege.end(); ++it) emit g->gezogen(*it, Qt::LeftButton);
        emit g->losgelassen(*(wege.end() - 1), Qt::LeftButton);
    }
    void Klicken(QPointF wo) { Ziehen({wo}); }
};
