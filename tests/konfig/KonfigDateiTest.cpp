#include "config/KonfigDatei.h"

#include "config/KonfigRecord.h"
#include "config/KonfigUmrechnung.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::literals;

namespace {

std::string Lesen(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void Schreiben(const fs::path& p, std::string_view inhalt) {
    std::ofstream aus(p, std::ios::binary);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

KonfigDaten Beispiel() {
    KonfigDaten k = KonfigStandardwerte();
    k.vinmax = 4.095;
    SkalierungSetzen(k, Seite::Eingang, 0, {1.0, 6.0, 0.0, 1000.0});
    EinheitTextSetzen(k, Seite::Eingang, 0, "mBär");
    EinheitTextSetzen(k, Seite::Ausgang, 1, "12345678");
    return k;
}

double DoubleBei(const std::string& b, std::size_t offset) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= std::uint64_t{static_cast<unsigned char>(b[offset + i])} << (8 * i);
    return std::bit_cast<double>(bits);
}

class KonfigDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("konfig_test_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

} // namespace

TEST(KonfigRecord, LayoutIsFieldByFieldLittleEndian) {
    KonfigDaten k = Beispiel();
    std::memset(k.fuellung1, 0xEE, 4);
    unsigned char b[kKonfigRecordGroesse];
    std::memset(b, 0x55, sizeof b);
    KonfigSerialisieren(k, b);
    const std::string s(reinterpret_cast<char*>(b), sizeof b);
    EXPECT_EQ(DoubleBei(s, 0), 10.0);
    EXPECT_EQ(DoubleBei(s, 176), 4.095);
    EXPECT_EQ(DoubleBei(s, 184), 1.0);    // inmin[0]
    EXPECT_EQ(DoubleBei(s, 216), 6.0);    // inmax[0]
    EXPECT_EQ(DoubleBei(s, 280), 1000.0); // inskalamax[0]
    EXPECT_EQ(s.substr(136 + 9, 9), "12345678\0"s);
    EXPECT_EQ(s.substr(312, 9), std::string("mB\xE4r\0\0\0\0\0", 9));
    EXPECT_EQ(s.substr(172, 4), std::string(4, '\0'));
    EXPECT_EQ(s.substr(348, 4), std::string(4, '\0'));
    EXPECT_EQ(KonfigurationenVergleichen(KonfigDeserialisieren(b), k), 1);
}

TEST(KonfigRecord, UnitWithoutNulKeepsEightBytes) {
    unsigned char b[kKonfigRecordGroesse];
    KonfigSerialisieren(KonfigStandardwerte(), b);
    std::memset(b + 312, 'A', 9);
    EXPECT_STREQ(KonfigDeserialisieren(b).ineinheit[0], "AAAAAAAA");
}

TEST_F(KonfigDatei, WrittenFileIsExactly392BytesWithTitle) {
    const fs::path p = dir_ / "a.dlo";
    ASSERT_EQ(KonfigDateiSchreiben(p, Beispiel()), 0);
    const std::string b = Lesen(p);
    ASSERT_EQ(b.size(), 392u);
    EXPECT_EQ(b.substr(0, 26), std::string("ksv5 Konfigurations Datei\0", 26));
    EXPECT_EQ(b.substr(32, 4), std::string("\x02\0\0\0", 4));
    KonfigDaten k{};
    ASSERT_EQ(KonfigDateiLesen(p, k), 0);
    EXPECT_EQ(KonfigurationenVergleichen(k, Beispiel()), 1);
}

TEST_F(KonfigDatei, RefusedFilesChangeNothing) {
    const std::string gut = KonfigDateiBytes(KonfigStandardwerte());
    const KonfigDaten vorher = Beispiel();
    const auto pruefen = [&](std::string_view name, std::string_view inhalt, int code) {
        Schreiben(dir_ / name, inhalt);
        KonfigDaten k = vorher;
        EXPECT_EQ(KonfigDateiLesen(dir_ / name, k), code) << name;
        EXPECT_EQ(std::memcmp(&k, &vorher, sizeof k), 0) << name;
    };
    std::string v1 = gut;
    v1[32] = 1;
    pruefen("v1.dlo", v1, kKonfigLadenVersionFehler);

    // A curve file is long enough but carries another title.
    std::string kurve(9000, '\0');
    std::memcpy(kurve.data(), "ksv5 Kennlinien Datei", 21);
    kurve[32] = 2;
    pruefen("kurve.dle", kurve, kKonfigLadenTitelFehler);

    std::string titel = gut;
    titel[0] = 'K'; // case-sensitive
    pruefen("gross.dlo", titel, kKonfigLadenTitelFehler);
    titel = gut;
    titel[25] = 'x'; // title must end with its NUL
    pruefen("lang.dlo", titel, kKonfigLadenTitelFehler);

    pruefen("kurz.dlo", gut.substr(0, 391), kKonfigLadenLeseFehler);
    pruefen("leer.dlo", "", kKonfigLadenLeseFehler);

    KonfigDaten k = vorher;
    EXPECT_EQ(KonfigDateiLesen(dir_ / "fehlt.dlo", k), kKonfigLadenOeffnenFehler);
    EXPECT_EQ(KonfigDateiLesen(dir_, k), kKonfigLadenOeffnenFehler);
    EXPECT_EQ(std::memcmp(&k, &vorher, sizeof k), 0);
}

TEST_F(KonfigDatei, LongerFileAndUndefinedBytesAreAccepted) {
    std::string b = KonfigDateiBytes(Beispiel());
    std::memset(b.data() + 26, 'u', 6); // after the title's NUL
    std::memset(b.data() + 36, 'p', 4); // after the version
    std::memset(b.data() + 40 + 172, 'q', 4);
    b += std::string(100, 'x');
    Schreiben(dir_ / "lang.dlo", b);
    KonfigDaten k{};
    ASSERT_EQ(KonfigDateiLesen(dir_ / "lang.dlo", k), 0);
    EXPECT_EQ(KonfigurationenVergleichen(k, Beispiel()), 1);
}

TEST_F(KonfigDatei, DegenerateChannelIsLoadedAndNonFiniteNumbersAreReplaced) {
    KonfigDaten k = KonfigStandardwerte();
    SkalierungSetzen(k, Seite::Ausgang, 2, {3.0, 3.0, 0.0, 1.0});
    k.inskalamin[1] = std::nan("");
    k.vinmax = HUGE_VAL;
    const std::string b = KonfigDateiBytes(k);
    EXPECT_TRUE(std::isnan(DoubleBei(b, 40 + 248 + 8)));
    KonfigDaten gelesen{};
    ASSERT_EQ(KonfigDateiAuswerten(b, gelesen), 0);
    EXPECT_EQ(gelesen.outmin[2], 3.0);
    EXPECT_EQ(gelesen.outmax[2], 3.0);
    EXPECT_FALSE(KanalGueltig(gelesen, Seite::Ausgang, 2));
    EXPECT_EQ(gelesen.inskalamin[1], 0.0);
    EXPECT_EQ(gelesen.vinmax, 10.0);
}

TEST_F(KonfigDatei, FailedSaveKeepsTheOldFileByteForByte) {
    const fs::path p = dir_ / "alt.dlo";
    ASSERT_EQ(KonfigDateiSchreiben(p, Beispiel()), 0);
    const std::string alt = Lesen(p);

    EXPECT_EQ(KonfigDateiSchreiben(dir_ / "fehlt" / "x.dlo", KonfigStandardwerte()), kKonfigSpeichernOeffnenFehler);
    Schreiben(dir_ / "datei", "x");
    EXPECT_EQ(KonfigDateiSchreiben(dir_ / "datei" / "x.dlo", KonfigStandardwerte()), kKonfigSpeichernOeffnenFehler);
    // The target is a directory: the complete temporary file cannot replace it.
    fs::create_directory(dir_ / "ordner.dlo");
    EXPECT_EQ(KonfigDateiSchreiben(dir_ / "ordner.dlo", KonfigStandardwerte()), kKonfigSpeichernSchreibFehler);

    EXPECT_EQ(Lesen(p), alt);
    int eintraege = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++eintraege;
    EXPECT_EQ(eintraege, 3); // no temporary files left

    ASSERT_EQ(KonfigDateiSchreiben(p, KonfigStandardwerte()), 0);
    EXPECT_EQ(Lesen(p), KonfigDateiBytes(KonfigStandardwerte()));
}

TEST_F(KonfigDatei, SchreibbareDateiInGesperrtemOrdnerWirdAmOrtErsetzt) {
    // As "nobody": the folder refuses new files, the file itself may be written.
    const fs::path p = dir_ / "alt.dlo";
    ASSERT_EQ(KonfigDateiSchreiben(p, Beispiel()), 0);
    fs::permissions(p, fs::perms::all);
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec |
                              fs::perms::group_read | fs::perms::group_exec);
    const bool nobody = ::geteuid() == 0 && ::seteuid(65534) == 0;
    const int ersetzt = KonfigDateiSchreiben(p, KonfigStandardwerte());
    const int neu = KonfigDateiSchreiben(dir_ / "neu.dlo", KonfigStandardwerte());
    if (nobody) (void)::seteuid(0);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(ersetzt, 0);
    EXPECT_EQ(Lesen(p), KonfigDateiBytes(KonfigStandardwerte()));
    EXPECT_EQ(neu, kKonfigSpeichernOeffnenFehler) << "a new file still needs the folder";
}
