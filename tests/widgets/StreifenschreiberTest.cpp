#include "uisupport/Streifenschreiber.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>

namespace {

class Malzaehler : public QObject {
  public:
    int anzahl = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++anzahl;
        return false;
    }
};

} // namespace

TEST(Streifenschreiber, VerlaufBleibtBegrenztUndBehaeltDieNeuesten) {
    Streifenschreiber schreiber;
    const int gesamt = Streifenschreiber::Kapazitaet + 1234;
    for (int i = 0; i < gesamt; ++i) schreiber.PunktAnhaengen({double(i), 0.0, 0.0, 0.0});
    EXPECT_EQ(schreiber.anzahlPunkte(), Streifenschreiber::Kapazitaet);
    EXPECT_DOUBLE_EQ(schreiber.punkt(0)[0], 1234.0);
    EXPECT_DOUBLE_EQ(schreiber.punkt(schreiber.anzahlPunkte() - 1)[0], gesamt - 1.0);
    schreiber.Loeschen();
    EXPECT_EQ(schreiber.anzahlPunkte(), 0);
}

TEST(Streifenschreiber, SpurenEinzelnAusUndEinblenden) {
    Streifenschreiber schreiber;
    for (int n = 0; n < Streifenschreiber::SpurAnzahl; ++n) EXPECT_TRUE(schreiber.spurSichtbar(n));
    schreiber.SpurZeigen(2, false);
    EXPECT_FALSE(schreiber.spurSichtbar(2));
    EXPECT_TRUE(schreiber.spurSichtbar(1));
    EXPECT_TRUE(schreiber.spurSichtbar(3));
    schreiber.SpurZeigen(2, true);
    EXPECT_TRUE(schreiber.spurSichtbar(2));
    schreiber.SpurZeigen(4, false); // no such trace
    schreiber.SpurZeigen(-1, false);
    EXPECT_FALSE(schreiber.spurSichtbar(4));
    for (int n = 0; n < Streifenschreiber::SpurAnzahl; ++n) EXPECT_TRUE(schreiber.spurSichtbar(n));
}

TEST(Streifenschreiber, BereicheWerdenGeprueft) {
    Streifenschreiber schreiber;
    schreiber.setPunkteProBreite(0);
    EXPECT_EQ(schreiber.punkteProBreite(), 1);
    schreiber.setPunkteProBreite(1 << 30);
    EXPECT_EQ(schreiber.punkteProBreite(), Streifenschreiber::Kapazitaet);

    schreiber.setYBereich(0.0, 10.0);
    schreiber.setYBereich(5.0, 5.0);
    schreiber.setYBereich(0.0, std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(schreiber.yMinimum(), 0.0);
    EXPECT_DOUBLE_EQ(schreiber.yMaximum(), 10.0);
    schreiber.setYBereich(50.0, 0.0);
    EXPECT_DOUBLE_EQ(schreiber.yMinimum(), 0.0);
    EXPECT_DOUBLE_EQ(schreiber.yMaximum(), 50.0);
}

TEST(Streifenschreiber, PlotbreiteFolgtDerFenstergroesse) {
    Streifenschreiber schreiber;
    schreiber.resize(400, 200);
    const int schmal = schreiber.plotBreite();
    EXPECT_GT(schmal, 200);
    EXPECT_LT(schmal, 400);
    schreiber.resize(800, 200);
    EXPECT_EQ(schreiber.plotBreite(), schmal + 400);
}

TEST(Streifenschreiber, SchnellePunkteWerdenZuWenigenNeuzeichnungenZusammengefasst) {
    Streifenschreiber schreiber;
    schreiber.resize(400, 200);
    schreiber.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&schreiber));
    Malzaehler zaehler;
    schreiber.installEventFilter(&zaehler);

    QElapsedTimer uhr;
    uhr.start();
    for (int i = 0; i < 2000; ++i) {
        QApplication::processEvents();
        schreiber.PunktAnhaengen({double(i % 100), 50.0, 25.0, 75.0});
    }
    // The last point, appended after the last chance to paint, reaches the screen.
    const int bisher = zaehler.anzahl;
    ASSERT_TRUE(QTest::qWaitFor([&] { return zaehler.anzahl > bisher; }, 5000));
    const qint64 dauer = uhr.elapsed();
    EXPECT_LE(zaehler.anzahl, dauer / Streifenschreiber::NeuzeichnenMs + 2);
    EXPECT_LT(zaehler.anzahl, 2000);
}
