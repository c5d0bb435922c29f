#include "config/KonfigDaten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

TEST(KonfigDaten, ComparisonRules) {
    const KonfigDaten a = KonfigStandardwerte();
    EXPECT_EQ(KonfigurationenVergleichen(a, a), 1);

    KonfigDaten b = a;
    b.outeinheit[2][0] = 'v';
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);

    b = a;
    b.vinmax = 5.0;
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);

    b = a;
    b.inskalamax[3] = std::nextafter(10.0, 11.0); // no tolerance
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);

    b = a;
    std::memset(b.fuellung1, 0xAB, sizeof b.fuellung1);
    std::memset(b.fuellung2, 0xCD, sizeof b.fuellung2);
    std::memset(b.outeinheit[0] + 2, 'x', kEinheitFeld - 2); // after the NUL
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 1);

    b = a;
    b.outmin[0] = -0.0;
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 1);

    b = a;
    b.inmin[1] = std::nan("");
    EXPECT_EQ(KonfigurationenVergleichen(b, b), 1);
    EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
}

TEST(KonfigDaten, UnitTextsAreCheckedAtTheEdge) {
    KonfigDaten k = KonfigStandardwerte();
    ASSERT_TRUE(EinheitTextSetzen(k, Seite::Eingang, 1, "mÄöüß°µ€"));
    EXPECT_STREQ(k.ineinheit[1], "m\xC4\xF6\xFC\xDF\xB0\xB5\x80");
    EXPECT_EQ(EinheitText(k, Seite::Eingang, 1), "mÄöüß°µ€");

    EXPECT_TRUE(EinheitGueltig(""));
    EXPECT_FALSE(EinheitGueltig("123456789"));
    EXPECT_FALSE(EinheitGueltig("Ω"));
    EXPECT_FALSE(EinheitGueltig("a\tb"));
    EXPECT_FALSE(EinheitTextSetzen(k, Seite::Eingang, 1, "123456789"));
    EXPECT_FALSE(EinheitTextSetzen(k, Seite::Eingang, 4, "V"));
    EXPECT_EQ(EinheitText(k, Seite::Eingang, 1), "mÄöüß°µ€");

    ASSERT_TRUE(EinheitTextSetzen(k, Seite::Ausgang, 0, "bar"));
    EXPECT_EQ(std::memcmp(k.outeinheit[0], "bar\0\0\0\0\0\0", kEinheitFeld), 0);
}

TEST(KonfigDaten, CleaningReplacesNonFiniteNumbersOnly) {
    KonfigDaten k = KonfigStandardwerte();
    k.outskalamax[2] = 55.0;
    k.inmin[0] = std::nan("");
    k.voutmax = -HUGE_VAL;
    std::memset(k.ineinheit[2], 'z', kEinheitFeld);
    EXPECT_TRUE(KonfigBereinigen(k));
    EXPECT_EQ(k.inmin[0], 0.0);
    EXPECT_EQ(k.voutmax, 10.0);
    EXPECT_EQ(k.outskalamax[2], 55.0);
    EXPECT_STREQ(k.ineinheit[2], "zzzzzzzz");
    EXPECT_FALSE(KonfigBereinigen(k));
}
