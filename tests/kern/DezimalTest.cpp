#include "kern/Dezimal.h"

#include <gtest/gtest.h>

TEST(Dezimal, FesteStellenMitPunkt) {
    EXPECT_EQ(DezimalText(5.0, 3), "5.000");
    EXPECT_EQ(DezimalText(0.25, 3), "0.250");
    EXPECT_EQ(DezimalText(-1.5, 0), "-2");
}

TEST(Dezimal, NurGanzeEndlicheZahlen) {
    double v = 7.0;
    EXPECT_TRUE(DezimalLesen("+2.5", v));
    EXPECT_EQ(v, 2.5);
    EXPECT_TRUE(DezimalLesen("-0.001", v));
    EXPECT_EQ(v, -0.001);
    v = 7.0;
    for (const char* falsch : {"", "+", "+-1", "2,5", "2.5x", " 2", "nan", "inf", "1e999", "0x10"})
        EXPECT_FALSE(DezimalLesen(falsch, v)) << falsch;
    EXPECT_EQ(v, 7.0);
}
