// Not a test: pictures of every window for a look by eye.
// Run with --gtest_also_run_disabled_tests; they go to /tmp/fotos/.
#include "FensterUmgebung.h"

#include "app/Infofenster.h"
#include "device/fenster/ComPanel.h"
#include "device/Qavksv5.h"
#include "sim/SimUmgebung.h"

#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void Foto(QWidget* w, const QString& name) {
    QDir().mkpath("/tmp/fotos");
    w->grab().save("/tmp/fotos/" + name + ".png");
}

TEST(Bildschirmfotos, DISABLED_AlleFenster) {
    Dlm7Simulator::Einstellungen e;
    e.weitereGeraete = {{'4', "QAV-PLN6-V2.1"}};
    SimUmgebung box(1, e);
    ASSERT_TRUE(box.bereit());
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    Haupt()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
    Com()->PORT->setCurrentIndex(Com()->PORT->findData(1));
    Com()->PortSelect_Callback();
    QAVKSV5_Timeout(1, 0.05);
    Foto(Haupt(), "haupt");
    ZeigeChildpanel(FensterId::Com);
    Com()->Scann_Callback();
    Com()->Fehlerabfrage_Callback();
    QTest::qWait(50);
    Foto(Haupt(), "com");
    for (auto [id, name] : {std::pair{FensterId::Konfig, "konfig"}, std::pair{FensterId::Direkt, "direkt"},
                            std::pair{FensterId::Kurven, "kurven"}, std::pair{FensterId::Kennlinie, "kennlinie"}}) {
        ZeigeChildpanel(id);
        QTest::qWait(50);
        Foto(Haupt(), name);
    }
    ZeigeChildpanel(FensterId::Haupt);
    Info()->show();
    QTest::qWait(50);
    Foto(Info(), "info");
    Info()->hide();
}

} // namespace
