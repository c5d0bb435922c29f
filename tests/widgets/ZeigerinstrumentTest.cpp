#include "uisupport/Zeigerinstrument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
constexpr double Start = Zeigerinstrument::StartWinkel;
constexpr double Ende = Zeigerinstrument::StartWinkel - Zeigerinstrument::Schwenkbereich;
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();
} // namespace

TEST(Zeigerinstrument, WinkelInnerhalbUndAusserhalbDesBereichs) {
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(0.0, 0.0, 10.0), Start);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(10.0, 0.0, 10.0), Ende);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(5.0, 0.0, 10.0), 90.0);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(-3.0, 0.0, 10.0), Start);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(1e300, 0.0, 10.0), Ende);
}

TEST(Zeigerinstrument, FallenderBereichLaeuftVomMinimumZumMaximum) {
    // 1000 .. 0: the minimum end is 1000.
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(1000.0, 1000.0, 0.0), Start);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(0.0, 1000.0, 0.0), Ende);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(250.0, 1000.0, 0.0), Start - 0.75 * 270.0);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(2000.0, 1000.0, 0.0), Start);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(-5.0, 1000.0, 0.0), Ende);
}

TEST(Zeigerinstrument, UngueltigeWerteGebenEndlicheWinkel) {
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(NaN, 0.0, 10.0), Start);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(Inf, 0.0, 10.0), Ende);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(-Inf, 0.0, 10.0), Start);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(Inf, 10.0, 0.0), Start);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(5.0, 3.0, 3.0), Start);
    EXPECT_DOUBLE_EQ(Zeigerinstrument::ZeigerWinkel(5.0, NaN, 3.0), Start);
}

TEST(Zeigerinstrument, SkalenwerteRundImBereichUndBegrenzt) {
    const auto werte = Zeigerinstrument::Skalenwerte(0.0, 10.0, 11);
    ASSERT_EQ(werte.size(), 11);
    EXPECT_DOUBLE_EQ(werte.front(), 0.0);
    EXPECT_DOUBLE_EQ(werte.back(), 10.0);

    for (auto [a, b, n] : {std::tuple{1000.0, 0.0, 6}, std::tuple{-0.37, 4.12, 5}, std::tuple{1.0, 6.0, 2},
                           std::tuple{0.0, 1e-6, 8}, std::tuple{-1e9, 1e9, 11}}) {
        const auto w = Zeigerinstrument::Skalenwerte(a, b, n);
        ASSERT_GE(w.size(), 1) << a << ".." << b;
        EXPECT_LE(w.size(), n);
        for (int i = 0; i < w.size(); ++i) {
            EXPECT_GE(w[i], std::min(a, b) - 1e-12);
            EXPECT_LE(w[i], std::max(a, b) + 1e-12);
            if (i > 0) { EXPECT_GT(w[i], w[i - 1]); }
        }
    }
    EXPECT_TRUE(Zeigerinstrument::Skalenwerte(3.0, 3.0, 5).isEmpty());
    EXPECT_TRUE(Zeigerinstrument::Skalenwerte(0.0, Inf, 5).isEmpty());
}

TEST(Zeigerinstrument, SkalenstellenZeigenJedenWertGenau) {
    EXPECT_EQ(Zeigerinstrument::Skalenstellen({0.0, 2.5, 5.0}), 1);
    EXPECT_EQ(Zeigerinstrument::Skalenstellen({0.0, 200.0, 400.0}), 0);
    EXPECT_EQ(Zeigerinstrument::Skalenstellen({-0.25, 0.0, 0.25}), 2);
    EXPECT_EQ(Zeigerinstrument::Skalenstellen({0.0, 0.0002, 0.0004}), 4);
}

TEST(Zeigerinstrument, AnzeigeZeigtWahrenWertAuchAusserhalb) {
    Zeigerinstrument instrument;
    instrument.setBereich(0.0, 10.0);
    instrument.setNachkommastellen(2);
    instrument.setWert(12.345);
    EXPECT_EQ(instrument.wertText(), QStringLiteral("12.35"));
    instrument.setWert(NaN);
    EXPECT_EQ(instrument.wertText(), QStringLiteral("---"));
    instrument.setBereich(NaN, 5.0);
    EXPECT_DOUBLE_EQ(instrument.minimum(), 0.0);
}
