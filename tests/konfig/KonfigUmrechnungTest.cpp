#include "config/KonfigUmrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr Seite kAus = Seite::Ausgang;
constexpr Seite kEin = Seite::Eingang;

KonfigDaten MitKanal(Seite seite, int kanal, KanalSkalierung s, double vmax = 10.0) {
    KonfigDaten k = KonfigStandardwerte();
    SkalierungSetzen(k, seite, kanal, s);
    VollausschlagSetzen(k, seite, vmax);
    return k;
}

} // namespace

TEST(KonfigUmrechnung, StandardValuesScaleIdentically) {
    const KonfigDaten k = KonfigStandardwerte();
    for (Seite seite : {kAus, kEin}) {
        for (int kanal = 0; kanal < kKanaele; ++kanal) {
            EXPECT_DOUBLE_EQ(VoltAusCounts(k, seite, 2047.5), 5.0);
            EXPECT_DOUBLE_EQ(PhysAusCounts(k, seite, kanal, 2047.5), 5.0);
            EXPECT_DOUBLE_EQ(ProzentAusVolt(k, seite, 5.0), 50.0);
            EXPECT_DOUBLE_EQ(CountsAusPhys(k, seite, kanal, 5.0), 2047.5);
            EXPECT_EQ(EinheitText(k, seite, kanal), "V");
            EXPECT_EQ(Nachkommastellen(k, seite, kanal), 3);
        }
    }
    EXPECT_DOUBLE_EQ(VoltAusGeraetewert(k, kAus, 5.0), 5.0);
    EXPECT_DOUBLE_EQ(GeraetewertAusProzent(50.0), 5.0);
}

TEST(KonfigUmrechnung, PressureSensorOnOneToSixVolts) {
    const KonfigDaten k = MitKanal(kEin, 0, {1.0, 6.0, 0.0, 1000.0});
    EXPECT_DOUBLE_EQ(PhysAusVolt(k, kEin, 0, 3.5), 500.0);
    EXPECT_DOUBLE_EQ(VoltAusPhys(k, kEin, 0, 500.0), 3.5);
    EXPECT_DOUBLE_EQ(PhysAusVolt(k, kEin, 0, 0.0), -200.0); // not clipped outside 1..6 V
    const PhysSpanne sp = Spanne(k, kEin, 0);
    EXPECT_DOUBLE_EQ(sp.unten, -200.0);
    EXPECT_DOUBLE_EQ(sp.oben, 1800.0);
    EXPECT_EQ(Nachkommastellen(k, kEin, 0), 1);
    // Only this channel of the inputs changed.
    EXPECT_DOUBLE_EQ(PhysAusVolt(k, kAus, 0, 3.5), 3.5);
    EXPECT_DOUBLE_EQ(PhysAusVolt(k, kEin, 1, 3.5), 3.5);
}

TEST(KonfigUmrechnung, FullScaleVariants) {
    const KonfigDaten k = MitKanal(kAus, 2, {0.0, 5.0, 0.0, 60.0}, 4.095);
    EXPECT_DOUBLE_EQ(VoltAusCounts(k, kAus, 1000.0), 1.0);
    EXPECT_DOUBLE_EQ(CountsAusVolt(k, kAus, 1.0), 1000.0);
    EXPECT_DOUBLE_EQ(VoltAusGeraetewert(k, kAus, 10.0), 4.095);
    EXPECT_DOUBLE_EQ(CountsAusPhys(k, kAus, 2, 12.0), 1000.0);
}

TEST(KonfigUmrechnung, PrecisionFollowsTheSpan) {
    const auto stellen = [](double skalamin, double skalamax) {
        return Nachkommastellen(MitKanal(kAus, 1, {0.0, 10.0, skalamin, skalamax}), kAus, 1);
    };
    EXPECT_EQ(stellen(0.0, 10.0), 3);
    EXPECT_EQ(stellen(0.0, 1000.0), 1);
    EXPECT_EQ(stellen(0.0, 10000.0), 0);
    EXPECT_EQ(stellen(0.0, 4095.0), 0); // exactly one unit per count
    EXPECT_EQ(stellen(0.0, 409.5), 1);  // exactly 0.1 per count, no extra digit from rounding
    EXPECT_EQ(stellen(0.0, 1e-12), 15); // capped
    // Decreasing and empty spans show no decimals.
    EXPECT_EQ(stellen(10.0, 0.0), 0);
    EXPECT_EQ(stellen(1000.0, 0.0), 0);
    EXPECT_EQ(stellen(5.0, 5.0), 0);
}

TEST(KonfigUmrechnung, EmptyVoltageSpanGivesDefinedResults) {
    const KonfigDaten k = MitKanal(kAus, 3, {2.0, 2.0, 7.0, 9.0});
    EXPECT_FALSE(KanalGueltig(k, kAus, 3));
    EXPECT_TRUE(KanalGueltig(k, kAus, 2));
    EXPECT_DOUBLE_EQ(PhysAusVolt(k, kAus, 3, 5.0), 7.0);
    EXPECT_DOUBLE_EQ(VoltAusPhys(k, kAus, 3, 8.0), 2.0);
    EXPECT_DOUBLE_EQ(CountsAusPhys(k, kAus, 3, 8.0), 819.0);
    const PhysSpanne sp = Spanne(k, kAus, 3);
    EXPECT_DOUBLE_EQ(sp.unten, 7.0);
    EXPECT_DOUBLE_EQ(sp.oben, 7.0);
    EXPECT_EQ(Nachkommastellen(k, kAus, 3), 0);
}

TEST(KonfigUmrechnung, EmptyPhysicalSpanIsInvalidAndNeverDividesByZero) {
    const KonfigDaten k = MitKanal(kEin, 0, {0.0, 10.0, 3.0, 3.0});
    EXPECT_FALSE(KanalGueltig(k, kEin, 0));
    EXPECT_DOUBLE_EQ(VoltAusPhys(k, kEin, 0, 3.0), 0.0);
    EXPECT_DOUBLE_EQ(PhysAusVolt(k, kEin, 0, 4.0), 3.0);
}

TEST(KonfigUmrechnung, ZeroOrBrokenFullScaleGivesZero) {
    for (double vmax : {0.0, -10.0, std::numeric_limits<double>::quiet_NaN(), HUGE_VAL}) {
        KonfigDaten k = KonfigStandardwerte();
        k.vinmax = vmax;
        EXPECT_FALSE(VollausschlagGueltig(k, kEin));
        EXPECT_TRUE(VollausschlagGueltig(k, kAus));
        EXPECT_EQ(CountsAusVolt(k, kEin, 5.0), 0.0);
        EXPECT_EQ(ProzentAusVolt(k, kEin, 5.0), 0.0);
        EXPECT_EQ(VoltAusCounts(k, kEin, 5.0), 0.0);
        EXPECT_EQ(VoltAusGeraetewert(k, kEin, 5.0), 0.0);
        EXPECT_EQ(CountsAusPhys(k, kEin, 0, 5.0), 0.0);
        EXPECT_EQ(Nachkommastellen(k, kEin, 0), 0);
    }
}

TEST(KonfigUmrechnung, NoConversionEverReturnsNonFinite) {
    const double boese[] = {
        0.0, 1.0, -1.0, 1e308, -1e308, 5e-324, HUGE_VAL, -HUGE_VAL, std::numeric_limits<double>::quiet_NaN()};
    for (double a : boese) {
        for (double b : boese) {
            KonfigDaten k = MitKanal(kAus, 0, {a, b, b, a}, a);
            for (double x : boese) {
                for (int kanal : {0, 1, -1, 4}) {
                    EXPECT_TRUE(std::isfinite(PhysAusCounts(k, kAus, kanal, x)));
                    EXPECT_TRUE(std::isfinite(CountsAusPhys(k, kAus, kanal, x)));
                    EXPECT_TRUE(std::isfinite(PhysAusVolt(k, kAus, kanal, x)));
                    EXPECT_TRUE(std::isfinite(VoltAusPhys(k, kAus, kanal, x)));
                    const int n = Nachkommastellen(k, kAus, kanal);
                    EXPECT_TRUE(n >= 0 && n <= 15);
                }
                EXPECT_TRUE(std::isfinite(ProzentAusVolt(k, kAus, x)));
                EXPECT_TRUE(std::isfinite(VoltAusGeraetewert(k, kAus, x)));
                EXPECT_TRUE(std::isfinite(GeraetewertAusProzent(x)));
            }
        }
    }
}
