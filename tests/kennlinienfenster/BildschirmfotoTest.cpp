// Not a test: pictures of the "Kennlinienregler" window for a look by eye.
// Run with --gtest_also_run_disabled_tests; they go to /tmp/fotos/.
#include "FensterUmgebung.h"

#include "kennlinie/fenster/KennlinienPanel.h"

#include <QTest>

#include <cmath>
#include <gtest/gtest.h>

namespace {

void Foto(QWidget* w, const QString& name) {
    QDir().mkpath("/tmp/fotos");
    w->grab().save("/tmp/fotos/" + name + ".png");
}

Kennlinienpunkte Beispielkurve() {
    // A rising and falling curve with lines of different slopes.
    return {{200, 500, 0}, {3000, 700, 0}, {3300, 900, 0}, {1200, 1100, 0}, {2500, 1, 0}};
}

TEST(Bildschirmfotos, DISABLED_Kennlinienregler) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    Haupt()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
    ZeigeChildpanel(FensterId::Kennlinie);
    KennlinienPanel* k = Kennlinie();
    QTest::qWait(50);
    Foto(Haupt(), "kl_neu");
    k->editor().kurve.punkte = Beispielkurve();
    k->editor().kurve.kommentar = "Ventilkennlinie Prüfstand 3, zweite Messreihe vom Mai";
    for (auto [d, name] : {std::pair{3, "kl_linienstufen"}, std::pair{1, "kl_linien"}, std::pair{2, "kl_stufen"}}) {
        k->DarstellungWaehlen(d);
        QTest::qWait(30);
        Foto(Haupt(), name);
    }
    k->DarstellungWaehlen(3);
    k->Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    k->Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    k->Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    QTest::qWait(30);
    Foto(Haupt(), "kl_zoom");
    Kennlinienpunkte gelesen(4096);
    for (std::size_t i = 0; i < gelesen.size(); ++i)
        gelesen[i] = {std::int32_t(2047.5 + 1900.0 * std::sin(double(i) * 6.0 * 3.14159265 / 4096.0)), 1, 0};
    k->editor().kurve.punkte = gelesen;
    k->Befehlen(KennlinienPanel::Befehl::ZoomGesamt);
    QTest::qWait(30);
    Foto(Haupt(), "kl_gelesen");
    k->Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    k->Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    k->Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    k->Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    k->Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    k->Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    QTest::qWait(30);
    Foto(Haupt(), "kl_gelesen_zoom");
    Haupt()->resize(1400, 1000);
    QTest::qWait(50);
    Foto(Haupt(), "kl_gross");
}

} // namespace
