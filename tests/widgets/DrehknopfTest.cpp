#include "uisupport/Drehknopf.h"
#include "uisupport/Zahlfeld.h"

#include <QDial>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

double letzterWert(const QSignalSpy& spion) { return spion.last().at(0).toDouble(); }

void eintippen(Drehknopf& knopf, const QString& text) {
    Zahlfeld* feld = knopf.zahlenfeld();
    feld->selectAll();
    QTest::keyClicks(feld, text);
}

} // namespace

TEST(Drehknopf, ProgrammatischSetzenMeldetNichtsUndBleibtImBereich) {
    Drehknopf knopf;
    QSignalSpy spion(&knopf, &Drehknopf::wertGeaendert);
    knopf.setGrenzen(0.0, 10.0);
    knopf.setNachkommastellen(3);
    knopf.setWert(4.2);
    EXPECT_DOUBLE_EQ(knopf.wert(), 4.2);
    knopf.setWert(12.0);
    EXPECT_DOUBLE_EQ(knopf.wert(), 10.0);
    knopf.setGrenzen(0.0, 5.0); // shrinking the range pulls the value in
    EXPECT_DOUBLE_EQ(knopf.wert(), 5.0);
    EXPECT_DOUBLE_EQ(knopf.zahlenfeld()->wert(), 5.0);
    EXPECT_EQ(spion.count(), 0);
}

TEST(Drehknopf, FallenderBereich) {
    Drehknopf knopf;
    knopf.setNachkommastellen(0);
    knopf.setGrenzen(1000.0, 0.0);
    QSignalSpy spion(&knopf, &Drehknopf::wertGeaendert);

    knopf.setWert(1500.0);
    EXPECT_DOUBLE_EQ(knopf.wert(), 1000.0);
    knopf.setWert(-3.0);
    EXPECT_DOUBLE_EQ(knopf.wert(), 0.0);
    knopf.setWert(250.0);
    EXPECT_DOUBLE_EQ(knopf.wert(), 250.0);
    EXPECT_EQ(spion.count(), 0);

    // The knob's start is the lower limit (1000), its end the upper one (0).
    QTest::keyClick(knopf.rad(), Qt::Key_Home);
    ASSERT_EQ(spion.count(), 1);
    EXPECT_DOUBLE_EQ(letzterWert(spion), 1000.0);
    QTest::keyClick(knopf.rad(), Qt::Key_End);
    ASSERT_EQ(spion.count(), 2);
    EXPECT_DOUBLE_EQ(letzterWert(spion), 0.0);
    EXPECT_DOUBLE_EQ(knopf.zahlenfeld()->wert(), 0.0);

    eintippen(knopf, QStringLiteral("750"));
    QTest::keyClick(knopf.zahlenfeld(), Qt::Key_Return);
    ASSERT_EQ(spion.count(), 3);
    EXPECT_DOUBLE_EQ(letzterWert(spion), 750.0);
    EXPECT_EQ(knopf.rad()->value(), knopf.rad()->maximum() / 4);
}

TEST(Drehknopf, TippenWirdErstMitEnterUebernommen) {
    Drehknopf knopf;
    knopf.setGrenzen(0.0, 60.0);
    knopf.setNachkommastellen(2);
    QSignalSpy spion(&knopf, &Drehknopf::wertGeaendert);
    eintippen(knopf, QStringLiteral("30"));
    EXPECT_EQ(spion.count(), 0);
    EXPECT_DOUBLE_EQ(knopf.wert(), 0.0);
    QTest::keyClick(knopf.zahlenfeld(), Qt::Key_Enter);
    ASSERT_EQ(spion.count(), 1);
    EXPECT_DOUBLE_EQ(letzterWert(spion), 30.0);
    EXPECT_DOUBLE_EQ(knopf.wert(), 30.0);
}

TEST(Drehknopf, DrehenMeldetJedeAenderung) {
    Drehknopf knopf;
    knopf.setGrenzen(0.0, 10.0);
    knopf.setNachkommastellen(3);
    QSignalSpy spion(&knopf, &Drehknopf::wertGeaendert);
    for (int i = 0; i < 5; ++i) QTest::keyClick(knopf.rad(), Qt::Key_Up);
    EXPECT_EQ(spion.count(), 5);
    EXPECT_GT(knopf.wert(), 0.0);
    EXPECT_DOUBLE_EQ(knopf.zahlenfeld()->wert(), knopf.wert());
}

TEST(Drehknopf, NieNaNOderUnendlich) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Drehknopf knopf;
    knopf.setGrenzen(0.0, 10.0);
    knopf.setWert(3.0);
    knopf.setWert(nan);
    knopf.setWert(inf);
    knopf.setGrenzen(nan, 5.0);
    knopf.setGrenzen(0.0, -inf);
    EXPECT_DOUBLE_EQ(knopf.wert(), 3.0);
    EXPECT_DOUBLE_EQ(knopf.unten(), 0.0);
    EXPECT_DOUBLE_EQ(knopf.oben(), 10.0);

    // Equal limits: the knob has nowhere to go but must stay finite.
    knopf.setGrenzen(5.0, 5.0);
    QSignalSpy spion(&knopf, &Drehknopf::wertGeaendert);
    QTest::keyClick(knopf.rad(), Qt::Key_End);
    EXPECT_TRUE(std::isfinite(knopf.wert()));
    EXPECT_DOUBLE_EQ(knopf.wert(), 5.0);

    // Huge span with many decimals: steps are capped, ends still exact.
    knopf.setNachkommastellen(10);
    knopf.setGrenzen(-1e12, 1e12);
    QTest::keyClick(knopf.rad(), Qt::Key_End);
    EXPECT_DOUBLE_EQ(knopf.wert(), 1e12);
    QTest::keyClick(knopf.rad(), Qt::Key_Home);
    EXPECT_DOUBLE_EQ(knopf.wert(), -1e12);
}

TEST(Drehknopf, GesetzterWertBleibtExaktNurDieAnzeigeRundet) {
    Drehknopf knopf;
    knopf.setGrenzen(0.0, 10.0);
    knopf.setNachkommastellen(1);
    knopf.setWert(3.14159);
    EXPECT_EQ(knopf.wert(), 3.14159);
    EXPECT_EQ(knopf.zahlenfeld()->text(), "3.1");
    knopf.setNachkommastellen(0);
    EXPECT_EQ(knopf.wert(), 3.14159);
    EXPECT_EQ(knopf.zahlenfeld()->text(), "3");

    // Turning gives values on the decimals' grid.
    knopf.setNachkommastellen(2);
    QSignalSpy spion(&knopf, &Drehknopf::wertGeaendert);
    QTest::keyClick(knopf.rad(), Qt::Key_Up);
    ASSERT_EQ(spion.count(), 1);
    EXPECT_EQ(knopf.wert(), std::round(knopf.wert() * 100.0) / 100.0);

    // Arrow keys in the field step from the exact value.
    knopf.setWert(2.345);
    QTest::keyClick(knopf.zahlenfeld(), Qt::Key_Up);
    EXPECT_EQ(knopf.wert(), 2.445);
    EXPECT_EQ(letzterWert(spion), 2.445);
}

TEST(Drehknopf, VerlassenDesFeldesUebernimmtDieEingabe) {
    QWidget fenster;
    auto* knopf = new Drehknopf(&fenster);
    auto* anderes = new QLineEdit(&fenster);
    anderes->move(0, 250);
    knopf->setGrenzen(0.0, 10.0);
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QSignalSpy spion(knopf, &Drehknopf::wertGeaendert);

    knopf->zahlenfeld()->setFocus();
    eintippen(*knopf, QStringLiteral("2.5"));
    EXPECT_EQ(spion.count(), 0);
    anderes->setFocus();
    ASSERT_EQ(spion.count(), 1);
    EXPECT_DOUBLE_EQ(knopf->wert(), 2.5);
}
