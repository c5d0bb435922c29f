// Not a test: pictures of the curve-generator window for a look by eye.
// Run with --gtest_also_run_disabled_tests; they go to /tmp/fotos/.
#include "KurvenFensterHilfe.h"

#include <QTest>

namespace {

void Foto(QWidget* w, const QString& name) {
    QDir().mkpath("/tmp/fotos");
    w->grab().save("/tmp/fotos/" + name + ".png");
}

TEST(KurvenFotos, DISABLED_VierKurven) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    Haupt()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
    ZeigeChildpanel(FensterId::Kurven);
    VierKurven(Kurven()->satz());
    for (int k = 1; k < 4; ++k) Kurven()->hintergrundAktion(k)->trigger();
    Kurven()->aktion(KurvenPanel::Befehl::ZoomGesamt)->trigger();
    QTest::qWait(50);
    Foto(Haupt(), "kurven_1000");
    Kurven()->modusAktion(Bearbeitungsmodus::Anzeigen)->trigger();
    Kurven()->satz().kurven[0].punkte[2].zeitbasis = 2;
    Kurven()->satz().kurven[0].punkte[2].laenge = 1000;
    Kurven()->aktion(KurvenPanel::Befehl::ZoomGesamt)->trigger();
    Haupt()->resize(1400, 1008);
    QTest::qWait(50);
    Foto(Haupt(), "kurven_1400");
}

} // namespace

#include "direkt/fenster/DirektPanel.h"
#include "sim/SimUmgebung.h"

#include <QPushButton>
#include "uisupport/Zahlfeld.h"

namespace {

// Four curves sent to the simulated box, played, and seen on the direct
// I/O window's chart (the simulator loops outputs back to the inputs).
TEST(KurvenFotos, DISABLED_AbspielenImDirektfenster) {
    SimUmgebung box(1);
    ASSERT_TRUE(box.bereit());
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    Haupt()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
    Dienst().Oeffnen(box.port);
    Warten();
    ZeigeChildpanel(FensterId::Kurven);
    Kurvensatz& s = Kurven()->satz();
    s.kurven[0].punkte = {{0, 100, 7}, {4095, 100, 7}, {0, 1, 7}};          // triangle, 2 s
    s.kurven[1].punkte = {{3000, 50, 7}, {1000, 50, 7}, {3000, 100, 7}, {3000, 1, 7}}; // 2 s
    s.kurven[2].punkte = {{500, 100, 7}, {500, 1, 7}, {3500, 99, 7}, {3500, 1, 7}};    // square, 2 s
    s.kurven[3].punkte = {{2048, 200, 7}, {2048, 1, 7}};                               // constant
    for (int k = 1; k < 4; ++k) Kurven()->hintergrundAktion(k)->trigger();
    Kurven()->aktion(KurvenPanel::Befehl::ZoomGesamt)->trigger();
    Kurven()->sendenKnopf()->click();
    Warten();
    Foto(Haupt(), "kurven_gesendet");
    Kurven()->startKnopf()->click();
    Warten();
    ZeigeChildpanel(FensterId::Direkt);
    Direkt()->ABTASTZEIT->setValue(0.05); // as if typed: the window's commit rules run
    Direkt()->ZOOMX->setValue(200);
    Direkt()->ABFRAGEN->click();
    QTest::qWait(11000);
    Foto(Haupt(), "kurven_abgespielt");
    Direkt()->ABFRAGEN->click();
    Warten();
}

} // namespace

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace {

// The window's own dialogs, each grabbed while open and closed with OK.
TEST(KurvenFotos, DISABLED_Dialoge) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    Haupt()->show();
    ZeigeChildpanel(FensterId::Kurven);
    auto eingaben = QtKurvenEingabenAnlegen();
    int n = 0;
    const auto greifen = [&n] {
        QTimer::singleShot(100, [&n] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            Foto(d, QString("kurven_dialog%1").arg(++n));
            d->accept();
        });
    };
    greifen();
    eingaben->Kommentar(Kurven(), "Kommentar - Kurve 1", "Erste Zeile\nzweite Zeile");
    greifen();
    eingaben->Punkt(Kurven(), {}, "Punkt 2", {{0, 1, 2, 345.5}, 4.5}, "V");
    greifen();
    eingaben->Gerade(Kurven(), {}, "Gerade 3", {0, 0, 0, 10});
    EXPECT_EQ(n, 3);
}

} // namespace
