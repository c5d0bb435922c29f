#include "kern/IniDatei.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::literals;

namespace {

using E = IniDatei::Ergebnis;

IniDatei AusText(std::string_view text) {
    IniDatei ini;
    ini.TextUebernehmen(text);
    return ini;
}

std::string DateiInhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void DateiSchreiben(const fs::path& p, std::string_view inhalt) {
    std::ofstream aus(p, std::ios::binary);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

class IniDateiDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        verzeichnis_ = fs::temp_directory_path() / ("ini_test_" + std::to_string(::getpid()) + "_" +
                                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(verzeichnis_);
        fs::create_directories(verzeichnis_);
    }
    void TearDown() override { fs::remove_all(verzeichnis_); }
    fs::path verzeichnis_;
};

} // namespace

TEST(IniDatei, ExactBytesSortedWithCrLf) {
    IniDatei ini;
    ini.IntSetzen("konfig", "port", 3);
    ini.DoubleSetzen("konfig", "Voutmax", 10.0);
    ini.DoubleSetzen("konfig", "alpha", 0.1);
    ini.TextSetzen("Com", "einheit", "V");
    ini.IntSetzen("com", "adresse", -50);
    ini.DoubleSetzen("konfig", "klein", 1e-20);
    EXPECT_EQ(ini.Text(),
              "[Com]\r\nadresse = -50\r\neinheit = \"V\"\r\n\r\n"
              "[konfig]\r\nalpha = 0.1\r\nklein = 9.999999999999999e-21\r\nport = 3\r\nVoutmax = 10\r\n\r\n");
}

TEST(IniDatei, DoublesAreWrittenAsPrintfG16) {
    const double werte[] = {0.0, -0.0, 4.095, 1.0 / 3.0, 1e21, 5e-324, -1e-5, 1e16, 1e15};
    for (double w : werte) {
        IniDatei ini;
        ASSERT_TRUE(ini.DoubleSetzen("s", "k", w));
        char erwartet[64];
        std::snprintf(erwartet, sizeof erwartet, "%.16g", w);
        EXPECT_EQ(ini.Text(), std::string("[s]\r\nk = ") + erwartet + "\r\n\r\n");
    }
}

TEST(IniDatei, DoublesThatNeedSeventeenDigitsReadBackExactly) {
    for (double w : {0.1 + 0.2, 123456789012345678.0, 1.7976931348623157e308, -1.7976931348623157e308}) {
        IniDatei ini;
        ASSERT_TRUE(ini.DoubleSetzen("s", "k", w));
        IniDatei zurueck;
        zurueck.TextUebernehmen(ini.Text());
        double gelesen = 0.0;
        ASSERT_EQ(zurueck.DoubleLesen("s", "k", gelesen), IniDatei::Ergebnis::Vorhanden) << ini.Text();
        EXPECT_EQ(gelesen, w);
    }
}

TEST(IniDatei, KeyWrittenTwiceKeepsOneLineWithLastValue) {
    IniDatei ini;
    ini.IntSetzen("com", "port", 3);
    ini.IntSetzen("COM", "PORT", 5);
    EXPECT_EQ(ini.Text(), "[com]\r\nport = 5\r\n\r\n");
}

TEST(IniDatei, RoundTripOfEveryType) {
    IniDatei ini;
    const std::string einheit = "mÄöüß°µ€"; // 8 characters, 8 Windows-1252 bytes
    const std::string lang = std::string(50, 'a') + "ä" + std::string(49, 'b');
    ASSERT_TRUE(ini.IntSetzen("com", "port", -2147483647L));
    ASSERT_TRUE(ini.DoubleSetzen("konfig", "d", 4.095));
    ASSERT_TRUE(ini.DoubleSetzen("konfig", "neg", -1234.5e100));
    ASSERT_TRUE(ini.TextSetzen("konfig", "einheit", einheit));
    ASSERT_TRUE(ini.TextSetzen("konfig", "lang", lang));
    ASSERT_TRUE(ini.TextSetzen("konfig", "leer", ""));
    ASSERT_TRUE(ini.TextSetzen("konfig", "blanks", "  a b  "));

    const std::string text = ini.Text();
    EXPECT_NE(text.find("einheit = \"m\xC4\xF6\xFC\xDF\xB0\xB5\x80\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("lang Line0001 = \"" + std::string(50, 'a') + "\xE4" + std::string(29, 'b') + "\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("lang Line0002 = \"" + std::string(20, 'b') + "\"\r\n"), std::string::npos);

    const IniDatei zurueck = AusText(text);
    long i = 0;
    double d = 0;
    std::string s;
    EXPECT_EQ(zurueck.IntLesen("com", "port", i), E::Vorhanden);
    EXPECT_EQ(i, -2147483647L);
    EXPECT_EQ(zurueck.DoubleLesen("konfig", "d", d), E::Vorhanden);
    EXPECT_EQ(d, 4.095);
    EXPECT_EQ(zurueck.DoubleLesen("konfig", "neg", d), E::Vorhanden);
    EXPECT_EQ(d, -1234.5e100);
    EXPECT_EQ(zurueck.TextLesen("konfig", "einheit", s, 8), E::Vorhanden);
    EXPECT_EQ(s, einheit);
    EXPECT_EQ(zurueck.TextLesen("konfig", "lang", s, 1000), E::Vorhanden);
    EXPECT_EQ(s, lang);
    EXPECT_EQ(zurueck.TextLesen("konfig", "leer", s, 8), E::Vorhanden);
    EXPECT_EQ(s, "");
    EXPECT_EQ(zurueck.TextLesen("konfig", "blanks", s, 80), E::Vorhanden);
    EXPECT_EQ(s, "  a b  ");
    EXPECT_EQ(zurueck.Text(), text);
}

TEST(IniDatei, ExactlyEightyCharactersStayOnOneLine) {
    IniDatei ini;
    ini.TextSetzen("s", "k", std::string(80, 'x'));
    EXPECT_EQ(ini.Text(), "[s]\r\nk = \"" + std::string(80, 'x') + "\"\r\n\r\n");
}

TEST(IniDatei, TextLesenKeepsAtMostMaxCharacters) {
    const IniDatei ini = AusText("[k]\r\ne = \"\xE4\xF6\xFC\xC4\xD6\xDC\xDFxyz\"\r\n");
    std::string s;
    EXPECT_EQ(ini.TextLesen("k", "e", s, 8), E::Vorhanden);
    EXPECT_EQ(s, "äöüÄÖÜßx");
}

TEST(IniDatei, RefusesTextsTheFileCannotHold) {
    IniDatei ini;
    EXPECT_FALSE(ini.TextSetzen("k", "e", "Ω"));          // not in Windows-1252
    EXPECT_FALSE(ini.TextSetzen("k", "e", "a\r\nb = 1")); // would inject a line
    EXPECT_FALSE(ini.TextSetzen("k", "e", "\xFF"));       // not UTF-8
    EXPECT_FALSE(ini.IntSetzen("k", "a=b", 1));
    EXPECT_FALSE(ini.IntSetzen("k]", "a", 1));
    EXPECT_FALSE(ini.DoubleSetzen("k", "nan", std::nan("")));
    EXPECT_FALSE(ini.DoubleSetzen("k", "inf", HUGE_VAL));
    EXPECT_TRUE(ini.Leer());
}

TEST(IniDatei, ReadsOtherOrderCaseCommentsAndBlanks) {
    const IniDatei ini = AusText("\xEF\xBB\xBF[KONFIG]\n"
                                 "; start\n"
                                 "  VoutMax=5\t\n"
                                 "; port = 7\r\n"
                                 "[com]\r\n"
                                 "Port   =   3   \r\n"
                                 "ADRESSE=\"50\"\r\n"
                                 "einheit =   \" mBar \"  \r\n");
    long i = 0;
    double d = 0;
    std::string s;
    EXPECT_EQ(ini.IntLesen("com", "port", i), E::Vorhanden);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(ini.IntLesen("Com", "adresse", i), E::Vorhanden);
    EXPECT_EQ(i, 50);
    EXPECT_EQ(ini.DoubleLesen("konfig", "voutmax", d), E::Vorhanden);
    EXPECT_EQ(d, 5.0);
    EXPECT_EQ(ini.TextLesen("COM", "EINHEIT", s, 8), E::Vorhanden);
    EXPECT_EQ(s, " mBar ");
    EXPECT_EQ(ini.IntLesen("konfig", "port", i), E::NichtVorhanden);
    EXPECT_EQ(ini.IntLesen("fehlt", "port", i), E::NichtVorhanden);
}

TEST(IniDatei, DuplicateKeysAndSectionsKeepTheLastValue) {
    const IniDatei ini = AusText("[com]\r\nport = 1\r\n[konfig]\r\nx = 1\r\n[COM]\r\nPORT = 4\r\n");
    long i = 0;
    EXPECT_EQ(ini.IntLesen("com", "port", i), E::Vorhanden);
    EXPECT_EQ(i, 4);
    EXPECT_EQ(ini.Text(), "[com]\r\nport = 4\r\n\r\n[konfig]\r\nx = 1\r\n\r\n");
}

TEST(IniDatei, BrokenLinesAreSkippedAndBadValuesAreErrors) {
    const IniDatei ini = AusText("vorab = 1\r\n"
                                 "[com\r\n"
                                 "verirrt = 2\r\n"
                                 "[com]\r\n"
                                 "ohne gleich\r\n"
                                 " = 5\r\n"
                                 "port = abc\r\n"
                                 "adresse = 3.5\r\n"
                                 "gross = 99999999999999999999999\r\n"
                                 "d = 1.5x\r\n"
                                 "n = nan\r\n"
                                 "u = inf\r\n"
                                 "leer =\r\n"
                                 "ok = 7\r\n"
                                 "\x00\x01\r\n"sv);
    long i = 42;
    double d = 42;
    EXPECT_EQ(ini.IntLesen("com", "vorab", i), E::NichtVorhanden);
    EXPECT_EQ(ini.IntLesen("com", "verirrt", i), E::NichtVorhanden);
    EXPECT_EQ(ini.IntLesen("com", "port", i), E::Fehler);
    EXPECT_EQ(ini.IntLesen("com", "adresse", i), E::Fehler);
    EXPECT_EQ(ini.IntLesen("com", "gross", i), E::Fehler);
    EXPECT_EQ(ini.IntLesen("com", "leer", i), E::Fehler);
    EXPECT_EQ(i, 42);
    EXPECT_EQ(ini.DoubleLesen("com", "d", d), E::Fehler);
    EXPECT_EQ(ini.DoubleLesen("com", "n", d), E::Fehler);
    EXPECT_EQ(ini.DoubleLesen("com", "u", d), E::Fehler);
    EXPECT_EQ(d, 42);
    EXPECT_EQ(ini.IntLesen("com", "ok", i), E::Vorhanden);
    EXPECT_EQ(i, 7);
    EXPECT_EQ(ini.DoubleLesen("com", "ok", d), E::Vorhanden);
    EXPECT_EQ(d, 7.0);
}

TEST(IniDatei, ContinuationPiecesMustFollowInOrder) {
    const IniDatei ini = AusText("[s]\r\n"
                                 "a Line0001 = \"12\"\r\n"
                                 "a Line0002 = \"34\"\r\n"
                                 "b Line0002 = \"verirrt\"\r\n"
                                 "c Line0001 = \"x\"\r\n"
                                 "c Line0003 = \"y\"\r\n");
    std::string s;
    EXPECT_EQ(ini.TextLesen("s", "a", s, 100), E::Vorhanden);
    EXPECT_EQ(s, "1234");
    EXPECT_EQ(ini.TextLesen("s", "b", s, 100), E::NichtVorhanden);
    EXPECT_EQ(ini.TextLesen("s", "c", s, 100), E::Vorhanden);
    EXPECT_EQ(s, "x");
}

TEST(IniDatei, NamesInAnyOrderComeOutSortedAndKeepTheirFirstSpelling) {
    // Descending and mixed case; '_' sorts before the letters because letters
    // compare in lower case.
    const IniDatei ini = AusText("[zeta]\r\nz = 1\r\n"
                                 "[Beta]\r\nZwei = 2\r\nb_x = 3\r\nBA = 4\r\nb = 5\r\nZWEI = 6\r\n"
                                 "[alpha]\r\nk = 7\r\n"
                                 "[BETA]\r\na = 8\r\n");
    EXPECT_EQ(ini.Text(), "[alpha]\r\nk = 7\r\n\r\n"
                          "[Beta]\r\na = 8\r\nb = 5\r\nb_x = 3\r\nBA = 4\r\nZwei = 6\r\n\r\n"
                          "[zeta]\r\nz = 1\r\n\r\n");
    long i = 0;
    EXPECT_EQ(ini.IntLesen("beta", "zwei", i), E::Vorhanden);
    EXPECT_EQ(i, 6);
    EXPECT_EQ(ini.IntLesen("BETA", "B_X", i), E::Vorhanden);
    EXPECT_EQ(i, 3);
    EXPECT_TRUE(ini.SektionVorhanden("ZETA"));
    EXPECT_FALSE(ini.SektionVorhanden("gamma"));
    EXPECT_EQ(ini.IntLesen("gamma", "z", i), E::NichtVorhanden);
}

TEST(IniDatei, HandEditedNamesSurviveSaveAndLoadUnchanged) {
    // Each of these lines would come back under another name after a save.
    const std::string text = "[s]\r\n"
                             "a  Line0001 = \"doppelt\"\r\n"
                             "b Line0001 Line0001 = \"zweimal\"\r\n"
                             "c Line0002 Line0001 = \"x\"\r\n"
                             "d d Line0001 = \"innen\"\r\n"
                             "e Line0000 = 5\r\n"
                             "f Line0001 = 6\r\n";
    const IniDatei einmal = AusText(text);
    const IniDatei zweimal = AusText(einmal.Text());
    EXPECT_EQ(zweimal.Text(), einmal.Text());
    EXPECT_EQ(einmal.Text(), "[s]\r\nd d = \"innen\"\r\ne Line0000 = 5\r\nf = \"6\"\r\n\r\n");

    IniDatei ini;
    EXPECT_FALSE(ini.IntSetzen("s", "g Line0001", 1));
    EXPECT_FALSE(ini.IntSetzen(" s", "g", 1));
    EXPECT_TRUE(ini.IntSetzen("s", "g Line0000", 1));
    EXPECT_EQ(AusText(ini.Text()).Text(), ini.Text());
}

TEST(IniDatei, LargestDoublesReadBack) {
    IniDatei ini;
    for (double w : {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.797693134862315e308})
        ASSERT_TRUE(ini.DoubleSetzen("s", std::to_string(w), w));
    const IniDatei zurueck = AusText(ini.Text());
    for (double w : {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.797693134862315e308}) {
        double d = 0.0;
        EXPECT_EQ(zurueck.DoubleLesen("s", std::to_string(w), d), E::Vorhanden) << w;
        EXPECT_EQ(d, w);
    }
    // Only the values that would overflow get a seventeenth digit.
    EXPECT_NE(ini.Text().find(" = 1.7976931348623157e+308\r\n"), std::string::npos);
    EXPECT_NE(ini.Text().find(" = 1.797693134862315e+308\r\n"), std::string::npos);
}

TEST_F(IniDateiDatei, WriteAndReadFile) {
    const fs::path p = verzeichnis_ / "dlm7Steuerung.ini";
    IniDatei ini;
    ini.IntSetzen("com", "port", 3);
    ASSERT_TRUE(ini.Schreiben(p));
    EXPECT_EQ(DateiInhalt(p), "[com]\r\nport = 3\r\n\r\n");
    IniDatei zurueck;
    zurueck.IntSetzen("alt", "weg", 1);
    ASSERT_EQ(zurueck.Lesen(p), IniDatei::LeseErgebnis::Ok);
    EXPECT_EQ(zurueck.Text(), ini.Text());
    EXPECT_EQ(fs::directory_iterator(verzeichnis_)->path(), p); // no temporary left behind
}

TEST_F(IniDateiDatei, MissingOrUnreadableFileIsAnErrorAndChangesNothing) {
    IniDatei ini;
    ini.IntSetzen("com", "port", 3);
    const std::string vorher = ini.Text();
    EXPECT_EQ(ini.Lesen(verzeichnis_ / "fehlt.ini"), IniDatei::LeseErgebnis::Fehler);
    EXPECT_EQ(ini.Lesen(verzeichnis_), IniDatei::LeseErgebnis::Fehler);
    EXPECT_EQ(ini.Text(), vorher);
}

TEST_F(IniDateiDatei, FailedWriteLeavesTheOldFileIntact) {
    IniDatei ini;
    ini.IntSetzen("com", "port", 3);
    // Directory missing.
    EXPECT_FALSE(ini.Schreiben(verzeichnis_ / "fehlt" / "x.ini"));
    // Directory replaced by a file.
    const fs::path datei = verzeichnis_ / "keinVerzeichnis";
    DateiSchreiben(datei, "inhalt");
    EXPECT_FALSE(ini.Schreiben(datei / "x.ini"));
    EXPECT_EQ(DateiInhalt(datei), "inhalt");
    // Target is a directory: the rename fails after the temporary file was written.
    const fs::path ziel = verzeichnis_ / "ziel.ini";
    fs::create_directory(ziel);
    DateiSchreiben(ziel / "drin", "alt");
    EXPECT_FALSE(ini.Schreiben(ziel));
    EXPECT_EQ(DateiInhalt(ziel / "drin"), "alt");
    int eintraege = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(verzeichnis_)) ++eintraege;
    EXPECT_EQ(eintraege, 2); // no temporary file left behind
}

TEST_F(IniDateiDatei, ReplacingKeepsPermissions) {
    const fs::path p = verzeichnis_ / "a.ini";
    DateiSchreiben(p, "alt");
    fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    IniDatei ini;
    ini.IntSetzen("s", "k", 1);
    ASSERT_TRUE(ini.Schreiben(p));
    EXPECT_EQ(fs::status(p).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
