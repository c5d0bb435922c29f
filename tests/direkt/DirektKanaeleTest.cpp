#include "direkt/DirektKanaele.h"
#include "config/KonfigUmrechnung.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

KonfigDaten Ausgang1(double vmax, double min, double max, double smin, double smax) {
    KonfigDaten k = KonfigStandardwerte();
    k.voutmax = vmax;
    SkalierungSetzen(k, Seite::Ausgang, 0, {min, max, smin, smax});
    return k;
}

} // namespace

TEST(DirektKanaele, AusgangsprozentUndNullziel) {
    // 5 V box, 0..5 V -> 0..60: 30 is half the range.
    EXPECT_DOUBLE_EQ(AusgangProzentAusPhys(Ausgang1(5.0, 0, 5, 0, 60), 0, 30.0), 50.0);
    // Zero lies inside 1..6 V -> 0..1000 at 1 V, i.e. 10 percent of a 10 V box.
    const KonfigDaten versetzt = Ausgang1(10.0, 1, 6, 0, 1000);
    EXPECT_DOUBLE_EQ(NullZiel(versetzt, 0), 0.0);
    EXPECT_NEAR(AusgangProzentAusPhys(versetzt, 0, 0.0), 10.0, 1e-12);
    // Zero lies below 0..5 V -> 10..20 (span 10..30): the lowest value.
    EXPECT_DOUBLE_EQ(NullZiel(Ausgang1(10.0, 0, 5, 10, 20), 0), 10.0);
    // Decreasing scale 0..10 V -> 100..0: zero is the top of the voltage range.
    const KonfigDaten fallend = Ausgang1(10.0, 0, 10, 100, 0);
    EXPECT_DOUBLE_EQ(NullZiel(fallend, 0), 0.0);
    EXPECT_DOUBLE_EQ(AusgangProzentAusPhys(fallend, 0, 25.0), 75.0);
    // Values beyond the hardware are held at its ends.
    EXPECT_DOUBLE_EQ(AusgangProzentAusPhys(Ausgang1(10.0, 0, 5, 0, 100), 0, 500.0), 100.0);
    EXPECT_DOUBLE_EQ(Begrenzt(7.0, 4.0), 4.0);
    EXPECT_DOUBLE_EQ(Begrenzt(-7.0, 4.0), -7.0);
}

TEST(DirektKanaele, UngueltigeSkalierungIstNichtBeschreibbar) {
    EXPECT_TRUE(AusgangBeschreibbar(KonfigStandardwerte(), 0));
    EXPECT_FALSE(AusgangBeschreibbar(Ausgang1(10.0, 3, 3, 0, 10), 0));
    EXPECT_FALSE(AusgangBeschreibbar(Ausgang1(10.0, 0, 10, 5, 5), 0));
    EXPECT_FALSE(AusgangBeschreibbar(Ausgang1(0.0, 0, 10, 0, 10), 0));
    KonfigDaten k = KonfigStandardwerte();
    k.inmax[2] = NAN;
    EXPECT_FALSE(EingangUmrechenbar(k, 2));
    EXPECT_TRUE(EingangUmrechenbar(k, 1));
}

TEST(DirektKanaele, MinMaxNimmtNachResetDieNaechsteMessung) {
    const KonfigDaten k = KonfigStandardwerte();
    DirektZustand z;
    for (int i = 0; i < 4; ++i) EingangVerarbeiten(z, k, i, 3.0);
    EXPECT_DOUBLE_EQ(z.eingangMinVolt[2], 3.0);
    EXPECT_DOUBLE_EQ(z.eingangMaxVolt[2], 3.0);
    Messung m = EingangVerarbeiten(z, k, 0, 5.0);
    EXPECT_TRUE(m.neuesMaximum);
    EXPECT_FALSE(m.neuesMinimum);
    EXPECT_DOUBLE_EQ(z.eingangMinVolt[0], 3.0);
    z.minMaxReset = true;
    m = EingangVerarbeiten(z, k, 0, 4.0);
    EXPECT_TRUE(m.neuesMaximum && m.neuesMinimum);
    EXPECT_DOUBLE_EQ(m.phys, 4.0);
    EXPECT_DOUBLE_EQ(z.eingangProzent[0], 40.0);
    // The reset covered every input, not only the one read first.
    EXPECT_TRUE(EingangVerarbeiten(z, k, 3, 4.5).neuesMinimum);
    EXPECT_FALSE(z.minMaxReset);
}

TEST(DirektKanaele, ZahlenZoomUndStellen) {
    EXPECT_EQ(ZahlText(1.23456, 3), "1.235");
    EXPECT_EQ(ZahlText(-0.0001, 3), "-0.000") << "as printf writes it";
    EXPECT_EQ(ZahlText(-0.0, 2), "-0.00");
    EXPECT_EQ(ZahlText(-2.5, 1), "-2.5");
    EXPECT_EQ(ZahlText(9999.6, 0), "10000");
    EXPECT_EQ(ZahlText(NAN, 2), "-----");
    EXPECT_EQ(ZoomXWert(0), 10);
    EXPECT_EQ(ZoomXWert(-4), 10);
    EXPECT_EQ(ZoomXWert(300), 300);
    EXPECT_EQ(ZoomYWert(5), 10);
    EXPECT_EQ(ZoomYWert(250), 100);
    EXPECT_EQ(ZoomYWert(40), 40);
    EXPECT_DOUBLE_EQ(AbtastIntervall(0.05), 0.2);
    EXPECT_DOUBLE_EQ(AbtastIntervall(2.0), 2.0);
    // Controls resolve a decreasing span as finely as an increasing one.
    EXPECT_EQ(AnzeigeStellen(Ausgang1(10.0, 0, 10, 10, 0), Seite::Ausgang, 0), 3);
    EXPECT_EQ(Nachkommastellen(Ausgang1(10.0, 0, 10, 10, 0), Seite::Ausgang, 0), 0);
}
