#include "config/KonfigIni.h"

#include "config/KonfigDatei.h"
#include "kern/IniDatei.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

KonfigDaten Beispiel() {
    KonfigDaten k = KonfigStandardwerte();
    k.voutmax = 4.095;
    k.vinmax = 5.0;
    SkalierungSetzen(k, Seite::Eingang, 0, {1.0, 6.0, 0.0, 1000.0});
    SkalierungSetzen(k, Seite::Ausgang, 3, {0.0, 5.0, -0.1, 60.0});
    EinheitTextSetzen(k, Seite::Eingang, 0, "mBar");
    EinheitTextSetzen(k, Seite::Ausgang, 3, "Grad°C äö");
    EinheitTextSetzen(k, Seite::Ausgang, 2, "");
    return k;
}

} // namespace

TEST(KonfigIni, RoundTripThroughTheFileText) {
    KonfigDaten k = Beispiel();
    ASSERT_TRUE(EinheitTextSetzen(k, Seite::Ausgang, 3, "ÄÖÜäöüß€"));
    IniDatei ini;
    KonfigInIniSchreiben(ini, k);
    IniDatei zurueck;
    zurueck.TextUebernehmen(ini.Text());
    KonfigDaten gelesen{};
    KonfigAusIniLesen(zurueck, gelesen);
    EXPECT_EQ(KonfigurationenVergleichen(k, gelesen), 1);
    EXPECT_EQ(EinheitText(gelesen, Seite::Ausgang, 3), "ÄÖÜäöüß€");
}

TEST(KonfigIni, KeysAndLayout) {
    IniDatei ini;
    KonfigInIniSchreiben(ini, KonfigStandardwerte());
    const std::string text = ini.Text();
    EXPECT_EQ(text.rfind("[konfig]\r\nineinheit0 = \"V\"\r\nineinheit1 = \"V\"\r\n", 0), 0u);
    for (const char* zeile :
         {"\r\noutmin0 = 0\r\n", "\r\noutmax3 = 10\r\n", "\r\noutskalamax2 = 10\r\n", "\r\ninskalamin1 = 0\r\n",
          "\r\nouteinheit3 = \"V\"\r\n", "\r\nvinmax = 10\r\n", "\r\nvoutmax = 10\r\n\r\n"})
        EXPECT_NE(text.find(zeile), std::string::npos) << zeile;
    EXPECT_EQ(text.find("outmin4"), std::string::npos);
    // 2 + 4 * 10 keys
    std::size_t zeilen = 0;
    for (std::size_t p = 0; (p = text.find(" = ", p)) != std::string::npos; ++p) ++zeilen;
    EXPECT_EQ(zeilen, 42u);
}

TEST(KonfigIni, ReadingDefaults) {
    IniDatei ini;
    ini.TextUebernehmen("[KONFIG]\r\n"
                        "VINMAX = 5\r\n"
                        "outmin1 = abc\r\n"
                        "outmax1 = nan\r\n"
                        "inskalamax2 = 1e999\r\n"
                        "ineinheit0 = \"Millibar\"\r\n"
                        "ineinheit1 = \"123456789ABC\"\r\n");
    KonfigDaten k = Beispiel();
    KonfigAusIniLesen(ini, k);
    EXPECT_EQ(k.vinmax, 5.0);
    EXPECT_EQ(k.voutmax, 10.0);
    EXPECT_EQ(k.outmin[1], 0.0);
    EXPECT_EQ(k.outmax[1], 10.0);
    EXPECT_EQ(k.inskalamax[2], 10.0);
    EXPECT_STREQ(k.ineinheit[0], "Millibar");
    EXPECT_STREQ(k.ineinheit[1], "12345678");
    EXPECT_STREQ(k.ineinheit[2], ""); // missing unit key: empty unit
    EXPECT_STREQ(k.outeinheit[0], "");
}

TEST(KonfigIni, NonFiniteNumbersAreLeftOutAndReadBackAsStandard) {
    KonfigDaten k = KonfigStandardwerte();
    k.outmax[0] = HUGE_VAL;
    IniDatei ini;
    KonfigInIniSchreiben(ini, k);
    EXPECT_EQ(ini.Text().find("outmax0"), std::string::npos);
    KonfigDaten gelesen{};
    KonfigAusIniLesen(ini, gelesen);
    EXPECT_EQ(gelesen.outmax[0], 10.0);
}

namespace {

// A .dlo's configuration after the program saved its settings and started again.
KonfigDaten NachEinstellungen(const KonfigDaten& k) {
    IniDatei ini;
    KonfigInIniSchreiben(ini, k);
    IniDatei zurueck;
    zurueck.TextUebernehmen(ini.Text());
    KonfigDaten gelesen{};
    KonfigAusIniLesen(zurueck, gelesen);
    return gelesen;
}

} // namespace

TEST(KonfigIni, UnitsWithControlCharactersAreCleanedAlikeFromDloAndSettings) {
    std::string dlo = KonfigDateiBytes(KonfigStandardwerte());
    std::memcpy(dlo.data() + 40 + 312, "m\nV\0", 4);              // ineinheit[0]
    std::memcpy(dlo.data() + 40 + 312 + 9, "\tk\x7FPa\r\x01", 8); // ineinheit[1], no NUL
    KonfigDaten ausDlo{};
    ASSERT_EQ(KonfigDateiAuswerten(dlo, ausDlo), 0);
    EXPECT_STREQ(ausDlo.ineinheit[0], "mV");
    EXPECT_STREQ(ausDlo.ineinheit[1], "kPa");

    // A line cannot carry a line feed; the other control characters it can.
    IniDatei ini;
    ini.TextUebernehmen("[konfig]\r\nineinheit1 = \"\tk\x7FPa\r\x01\"\r\n");
    KonfigDaten ausIni{};
    KonfigAusIniLesen(ini, ausIni);
    EXPECT_STREQ(ausIni.ineinheit[1], "kPa");

    // Cleaned once, the units survive the settings file unchanged.
    const KonfigDaten danach = NachEinstellungen(ausDlo);
    EXPECT_STREQ(danach.ineinheit[0], "mV");
    EXPECT_STREQ(danach.ineinheit[1], "kPa");
    for (int i = 0; i < kKanaele; ++i) {
        EXPECT_TRUE(EinheitGueltig(EinheitText(ausDlo, Seite::Eingang, i)));
        EXPECT_TRUE(EinheitGueltig(EinheitText(ausIni, Seite::Eingang, i)));
    }
}

TEST(KonfigIni, LargestNumbersOfADloSurviveTheSettingsFile) {
    KonfigDaten k = KonfigStandardwerte();
    k.inskalamax[0] = DBL_MAX;
    k.inskalamin[0] = -DBL_MAX;
    k.outskalamax[3] = std::nextafter(DBL_MAX, 0.0);
    KonfigDaten geladen{};
    ASSERT_EQ(KonfigDateiAuswerten(KonfigDateiBytes(k), geladen), 0);
    EXPECT_EQ(KonfigurationenVergleichen(NachEinstellungen(geladen), k), 1);
}
