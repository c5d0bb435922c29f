#include "kern/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, UmlauteUndEuroHinUndZurueck) {
    const std::string utf8 = "mBar °C µA € Ä";
    const auto roh = NachCp1252(utf8);
    ASSERT_TRUE(roh.has_value());
    EXPECT_EQ(*roh, std::string("mBar \xB0"
                                "C \xB5"
                                "A \x80 \xC4"));
    EXPECT_EQ(VonCp1252(*roh), utf8);
}

TEST(Cp1252, NichtDarstellbaresUndKaputtesUtf8WirdAbgelehnt) {
    EXPECT_FALSE(NachCp1252("Ω").has_value());
    EXPECT_FALSE(NachCp1252("\xC3").has_value());
    EXPECT_FALSE(InCp1252Darstellbar("日本"));
    EXPECT_TRUE(InCp1252Darstellbar("kPa"));
}

TEST(Cp1252, JedesByteUeberlebtDenWegUeberUtf8) {
    std::string alle;
    for (int b = 1; b < 256; ++b) alle += static_cast<char>(b);
    const auto zurueck = NachCp1252(VonCp1252(alle));
    ASSERT_TRUE(zurueck.has_value());
    EXPECT_EQ(*zurueck, alle);
}

TEST(Cp1252, UeberlangeFormenUndSurrogateSindKeinUtf8) {
    // Each would otherwise pass for a byte the text never held, such as a line feed.
    for (const char* falsch : {"\xC0\x8A", "\xC1\xBF", "\xE0\x80\x8A", "\xE0\x9F\xBF", "\xF0\x80\x80\x8A",
                               "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(NachCp1252(falsch).has_value()) << testing::PrintToString(std::string(falsch));
    // Shortest forms of two and three bytes stay valid.
    EXPECT_EQ(NachCp1252("\xC2\x81"), std::string("\x81"));
    EXPECT_EQ(NachCp1252("\xE2\x82\xAC"), std::string("\x80"));
}
