#include "Bedienelemente.h"
#include "FensterUmgebung.h"
#include "Rahmenzugriff.h"

#include "device/fenster/ComPanel.h"
#include "kurven/fenster/KurvenPanel.h"
#include "uisupport/Hilfeblase.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TEST(Blasenplatz, OeffnetSichZurFenstermitteHin) {
    const QSize fenster(1000, 720);
    const QSize blase(200, 80);
    EXPECT_EQ(BlasenPosition({100, 100}, fenster, blase), QPoint(100, 100)); // upper left: below right
    EXPECT_EQ(BlasenPosition({900, 100}, fenster, blase), QPoint(700, 100)); // upper right: below left
    EXPECT_EQ(BlasenPosition({100, 600}, fenster, blase), QPoint(100, 520)); // lower left: above right
    EXPECT_EQ(BlasenPosition({900, 600}, fenster, blase), QPoint(700, 520)); // lower right: above left
    // The middle itself (integer half) still opens downwards and to the right.
    EXPECT_EQ(BlasenPosition({500, 360}, fenster, blase), QPoint(500, 360));
}

TEST(Blasenplatz, HilfetextLegtDieBlaseNebenDenZeiger) {
    FensterUmgebung u;
    HilfetextBei("Text", QPoint(900, 600));
    const auto& p = u.dialoge.Letztes();
    EXPECT_EQ(p.art, "Hilfe");
    const QRect lokal(Haupt()->mapFromGlobal(p.platz.topLeft()), p.platz.size());
    EXPECT_EQ(lokal.bottomRight() + QPoint(1, 1), QPoint(900, 600));
    HilfetextBei("Text", QPoint(10, 20));
    EXPECT_EQ(Haupt()->mapFromGlobal(u.dialoge.Letztes().platz.topLeft()), QPoint(10, 20));
}

struct Hilfemodus : ::testing::Test {
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        Haupt()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
    }
};

TEST_F(Hilfemodus, FragezeichenSchaltetEinUndZeigtDenHinweis) {
    HauptDirekthilfe(Haupt())->click();
    EXPECT_TRUE(gHilfeAktiv);
    EXPECT_EQ(u.dialoge.Letztes().text, "Direkthilfe-Modus eingeschaltet!\nZum Beenden auf '?'-Icon klicken");
    const auto anzahl = u.dialoge.protokoll.size();
    HauptDirekthilfe(Haupt())->click();
    EXPECT_FALSE(gHilfeAktiv);
    EXPECT_EQ(u.dialoge.protokoll.size(), anzahl); // switching off says nothing
}

TEST_F(Hilfemodus, KlickAufEinenKnopfZeigtNurSeinenText) {
    HauptDirekthilfe(Haupt())->click();
    u.dialoge.Leeren();
    QTest::mouseClick(HauptKnopf(Hauptfenster::COM), Qt::LeftButton);
    EXPECT_EQ(AktuellesChildpanel(), nullptr);
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Öffnen, Schließen und Einstellen der"));
}

TEST_F(Hilfemodus, BeendenUndFenstermenuesTunNichts) {
    HauptDirekthilfe(Haupt())->click();
    u.dialoge.Leeren();
    QTest::mouseClick(HauptKnopf(Hauptfenster::ENDE), Qt::LeftButton);
    HauptKnopf(Hauptfenster::ENDE)->click(); // a commit by keyboard
    EXPECT_FALSE(ProgrammendeAngefordert());
    EXPECT_TRUE(u.dialoge.protokoll.empty());

    HauptDirekthilfe(Haupt())->click();
    ZeigeChildpanel(FensterId::Com);
    HauptDirekthilfe(Haupt())->click(); // the mode is global; the window is shown already
    Com()->beendenAktion()->trigger();
    FensterAktion(Com(), FensterId::Kurven)->trigger();
    EXPECT_FALSE(ProgrammendeAngefordert());
    EXPECT_EQ(AktuellesChildpanel(), Com());
}

TEST_F(Hilfemodus, MenueDesKurvengeneratorsUndWerkzeugknopfBleibenImTakt) {
    ZeigeChildpanel(FensterId::Kurven);
    QAction* hilfe = Kurven()->direkthilfeAktion();
    hilfe->trigger();
    EXPECT_TRUE(gHilfeAktiv);
    EXPECT_TRUE(hilfe->isChecked());
    auto* knopf = qobject_cast<QToolButton*>(Kurven()->werkzeugleiste()->widgetForAction(hilfe));
    ASSERT_NE(knopf, nullptr);
    EXPECT_TRUE(knopf->isChecked());
    knopf->click();
    EXPECT_FALSE(gHilfeAktiv);
    EXPECT_FALSE(hilfe->isChecked());
}

TEST_F(Hilfemodus, LinkbildZeigtImHilfemodusSeinenTextStattZuSchalten) {
    ZeigeChildpanel(FensterId::Com);
    Elemente(Com()).DIREKTHILFE->click();
    u.dialoge.Leeren();
    QTest::mouseClick(reinterpret_cast<QWidget*>(Com()->verbindungsBild()), Qt::LeftButton);
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Öffnet bzw. trennt die serielle Verbindung"));
    EXPECT_EQ(OffenerComPort(), -1);
}

} // namespace

namespace {

TEST(Hilfeblase, NurDerNaechsteDruckSchliesstSie) {
    QWidget eltern;
    eltern.resize(400, 300);
    eltern.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&eltern));
    bool offenNachLoslassen = false;
    bool notausgang = false;
    // Runs in the bubble's own loop, which starts once the bubble is shown.
    QTimer::singleShot(0, [&] {
        QWidget* blase = QApplication::activePopupWidget();
        if (!blase) return;
        QTest::mouseRelease(blase, Qt::LeftButton); // the click that asked for help ends
        QTest::mouseClick(blase, Qt::RightButton);  // only the left button closes it
        offenNachLoslassen = blase->isVisible();
        QTest::mousePress(blase, Qt::LeftButton);
    });
    QTimer::singleShot(3000, [&] {
        if (QWidget* blase = QApplication::activePopupWidget()) {
            notausgang = true;
            blase->close();
        }
    });
    HilfeblaseZeigen(&eltern, QRect(eltern.mapToGlobal(QPoint(10, 10)), QSize(120, 40)), "Text");
    EXPECT_TRUE(offenNachLoslassen);
    EXPECT_FALSE(notausgang);
}

} // namespace
