#include "config/fenster/KonfigEinheitFeld.h"
#include "config/fenster/KonfigZahlFeld.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

TEST(KonfigZahlFeldText, ZeigtMindestensDieStellenUndNurSovielWieNoetig) {
    EXPECT_EQ(KonfigZahlFeld::Text(5.0, 1), "5.0");
    EXPECT_EQ(KonfigZahlFeld::Text(60.0, 3), "60.000");
    EXPECT_EQ(KonfigZahlFeld::Text(4.095, 1), "4.095");
    EXPECT_EQ(KonfigZahlFeld::Text(0.001, 1), "0.001");
    EXPECT_EQ(KonfigZahlFeld::Text(-200.5, 3), "-200.500");
    EXPECT_EQ(KonfigZahlFeld::Text(-0.0, 1), "0.0");
}

TEST(KonfigZahlFeldText, JederEndlicheWertKommtBitgenauZurueck) {
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<double> mantisse(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::vector<double> werte = {1.0 / 3.0, 0.1, 1e-20, 123456789.123456789, 1e300, -5e-324, 4095.0 / 7.0};
    for (int i = 0; i < 2000; ++i) werte.push_back(mantisse(zufall) * std::pow(10.0, exponent(zufall)));
    for (double v : werte) {
        for (int stellen : {1, 3}) {
            double zurueck = NAN;
            const QString text = KonfigZahlFeld::Text(v, stellen);
            ASSERT_TRUE(KonfigZahlFeld::Lesen(text, zurueck)) << text.toStdString();
            EXPECT_EQ(zurueck, v) << text.toStdString();
        }
    }
}

TEST(KonfigZahlFeldLesen, NimmtNurEineGanzeEndlicheZahl) {
    double v = 0.0;
    EXPECT_TRUE(KonfigZahlFeld::Lesen("1,5", v));
    EXPECT_EQ(v, 1.5);
    EXPECT_TRUE(KonfigZahlFeld::Lesen("+2e3", v));
    EXPECT_EQ(v, 2000.0);
    for (const char* falsch : {"", "-", "1e", "inf", "nan", "0x10", "1e400", "1.2.3", "5 V"})
        EXPECT_FALSE(KonfigZahlFeld::Lesen(falsch, v)) << falsch;
}

TEST(KonfigZahlFeldEingabe, TippenSetztDenWertUndVerweigertFremdeZeichen) {
    KonfigZahlFeld feld(1, nullptr);
    feld.setWert(3.0);
    feld.selectAll();
    QTest::keyClicks(&feld, "12.5");
    EXPECT_EQ(feld.wert(), 12.5);
    QTest::keyClicks(&feld, "V/x");
    EXPECT_EQ(feld.text(), "12.5");

    // An unfinished entry keeps the last complete value until it is finished.
    feld.selectAll();
    QTest::keyClicks(&feld, "-");
    EXPECT_EQ(feld.text(), "-");
    EXPECT_EQ(feld.wert(), 12.5);
    feld.Normalisieren();
    EXPECT_EQ(feld.text(), "12.5");

    // Past the limit a keystroke is refused, so the field never shows what it would not give.
    feld.selectAll();
    QTest::keyClicks(&feld, "1e13");
    EXPECT_EQ(feld.text(), "1e1");
    EXPECT_EQ(feld.wert(), 10.0);
}

TEST(KonfigEinheitFeldEingabe, NurZeichenAusWindows1252) {
    KonfigEinheitFeld feld(nullptr);
    for (QChar c : QString::fromUtf8("°CΩ€\tµ")) {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&feld, &druck);
    }
    EXPECT_EQ(feld.text(), QString::fromUtf8("°C€µ"));
}

} // namespace
