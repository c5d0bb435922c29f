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
