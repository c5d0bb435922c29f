#include "direkt/DatenProtokoll.h"
#include "config/KonfigUmrechnung.h"
#include "direkt/DirektFehler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class FesteUhr : public Uhr {
  public:
    std::deque<std::tm> zeiten;
    std::tm letzte{};
    std::tm Jetzt() override {
        if (!zeiten.empty()) {
            letzte = zeiten.front();
            zeiten.pop_front();
        }
        return letzte;
    }
};

std::tm Zeitpunkt(int tag, int stunde, int minute, int sekunde) {
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;
    t.tm_mday = tag;
    t.tm_hour = stunde;
    t.tm_min = minute;
    t.tm_sec = sekunde;
    return t;
}

std::string Inhalt(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

struct DatenProtokollTest : ::testing::Test {
    fs::path verzeichnis = fs::temp_directory_path() / ("direkt_log_" + std::to_string(::getpid()));
    fs::path datei = verzeichnis / "log.txt";
    FesteUhr uhr;
    KonfigDaten k = KonfigStandardwerte();
    DirektZustand z;
    void SetUp() override {
        fs::remove_all(verzeichnis);
        fs::create_directories(verzeichnis);
        uhr.letzte = Zeitpunkt(5, 14, 3, 9);
    }
    void TearDown() override { fs::remove_all(verzeichnis); }
};

} // namespace

TEST_F(DatenProtokollTest, StandardkonfigurationErgibtDasFormatZeileFuerZeile) {
    DatenProtokoll log(&uhr);
    ASSERT_EQ(log.Oeffnen(datei.string(), k), 0);
    z.eingangProzent = {12.5, 0.0, 100.0, 33.333333};
    z.ausgangProzent = {50.0, 0.0, 0.0, 99.99};
    z.eingang4Verfuegbar = true;
    ASSERT_EQ(log.ZeileSchreiben(k, z), 0);
    ASSERT_EQ(log.Text("Datenerfassung beendet\n"), 0);
    log.Schliessen();
    EXPECT_EQ(Inhalt(datei), "\r\n\r\nDatenerfassung gestartet\r\n"
                             "Eingang1: 0.000..10.000 V\r\nEingang2: 0.000..10.000 V\r\n"
                             "Eingang3: 0.000..10.000 V\r\nEingang4: 0.000..10.000 V\r\n"
                             "Ausgang1: 0.000..10.000 V\r\nAusgang2: 0.000..10.000 V\r\n"
                             "Ausgang3: 0.000..10.000 V\r\nAusgang4: 0.000..10.000 V\r\n"
                             "Datum\tUhrzeit\tEing1[V]\tEing2[V]\tEing3[V]\tEing4[V]\tAusg1[V]\tAusg2[V]\tAusg3[V]"
                             "\tAusg4[V]\r\n"
                             "05.03.2024\t14:03:09\t1.250\t0.000\t10.000\t3.333\t5.000\t0.000\t0.000\t9.999\r\n"
                             "Datenerfassung beendet\r\n");
}

TEST_F(DatenProtokollTest, NachkommastellenUndEinheitenInWindows1252) {
    SkalierungSetzen(k, Seite::Eingang, 0, {0, 10, 0, 10000});
    SkalierungSetzen(k, Seite::Eingang, 1, {0, 10, 10, 0}); // decreasing
    SkalierungSetzen(k, Seite::Ausgang, 2, {0, 10, 0, 1000});
    ASSERT_TRUE(EinheitTextSetzen(k, Seite::Eingang, 0, "°C"));
    DatenProtokoll log(&uhr);
    ASSERT_EQ(log.Oeffnen(datei.string(), k), 0);
    z.eingangProzent = {50.0, 25.0, 0.0, 0.0};
    z.ausgangProzent = {0.0, 0.0, 12.34, 0.0};
    ASSERT_EQ(log.ZeileSchreiben(k, z), 0);
    ASSERT_EQ(log.Text("Fehler - Datenübertragung abgebrochen\n"), 0);
    log.Schliessen();
    const std::string text = Inhalt(datei);
    EXPECT_NE(text.find("Eingang1: 0..10000 \xB0"
                        "C\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Eingang2: 10..0 V\r\n"), std::string::npos);
    EXPECT_NE(text.find("Ausgang3: 0.0..1000.0 V\r\n"), std::string::npos);
    EXPECT_NE(text.find("\tEing1[\xB0"
                        "C]\t"),
              std::string::npos);
    // Input 4 was not available: its column is a placeholder.
    EXPECT_NE(text.find("\t5000\t8\t0.000\t-----\t0.000\t0.000\t123.4\t0.000\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Fehler - Daten\xFC"
                        "bertragung abgebrochen\r\n"),
              std::string::npos);
}

TEST_F(DatenProtokollTest, UngueltigerKanalWirdAlsFehlendGeschrieben) {
    SkalierungSetzen(k, Seite::Ausgang, 1, {2, 2, 0, 10});
    DatenProtokoll log(&uhr);
    ASSERT_EQ(log.Oeffnen(datei.string(), k), 0);
    z.eingang4Verfuegbar = true;
    ASSERT_EQ(log.ZeileSchreiben(k, z), 0);
    log.Schliessen();
    EXPECT_NE(Inhalt(datei).find("\t0.000\t-----\t0.000\t0.000\r\n"), std::string::npos);
}

TEST_F(DatenProtokollTest, ZweiLaeufeBleibenBeideErhalten) {
    {
        std::ofstream vorher(datei, std::ios::binary);
        vorher << "alte Notiz\r\n";
    }
    for (int lauf = 0; lauf < 2; ++lauf) {
        DatenProtokoll log(&uhr);
        ASSERT_EQ(log.Oeffnen(datei.string(), k), 0);
        ASSERT_EQ(log.ZeileSchreiben(k, z), 0);
        ASSERT_EQ(log.Text("Datenerfassung beendet\n"), 0);
    }
    const std::string text = Inhalt(datei);
    EXPECT_EQ(text.rfind("alte Notiz\r\n\r\n\r\nDatenerfassung gestartet\r\n", 0), 0u);
    EXPECT_NE(text.find("Datenerfassung beendet\r\n\r\n\r\nDatenerfassung gestartet\r\n"), std::string::npos);
}

TEST_F(DatenProtokollTest, MitternachtLiefertDasDatumZurUhrzeit) {
    // Date read on the 5th, the time already past midnight, the date again on the 6th.
    uhr.zeiten = {Zeitpunkt(5, 23, 59, 59), Zeitpunkt(6, 0, 0, 0), Zeitpunkt(6, 0, 0, 0), Zeitpunkt(6, 0, 0, 0),
                  Zeitpunkt(6, 0, 0, 0)};
    const Zeitstempel t = ZeitstempelLesen(uhr);
    EXPECT_EQ(t.datum, "06.03.2024");
    EXPECT_EQ(t.zeit, "00:00:00");
    uhr.zeiten = {Zeitpunkt(5, 23, 59, 59), Zeitpunkt(5, 23, 59, 59), Zeitpunkt(5, 23, 59, 59)};
    EXPECT_EQ(ZeitstempelLesen(uhr).datum, "05.03.2024");
}

TEST_F(DatenProtokollTest, VolleFestplatteLaesstDasBisherigeProtokollUnversehrt) {
    DatenProtokoll log(&uhr);
    ASSERT_EQ(log.Oeffnen(datei.string(), k), 0);
    ASSERT_EQ(log.ZeileSchreiben(k, z), 0);
    const std::string vorher = Inhalt(datei);
    // The disk takes a few bytes of each request, then is full.
    int erlaubt = 20;
    log.SchreibfunktionSetzen([&erlaubt](int fd, const void* d, size_t n) -> ssize_t {
        if (erlaubt <= 0) {
            errno = ENOSPC;
            return -1;
        }
        const size_t teil = std::min<size_t>(n, 7);
        erlaubt -= static_cast<int>(teil);
        return ::write(fd, d, teil);
    });
    EXPECT_EQ(log.ZeileSchreiben(k, z), DirektFehler::Eingangswerte);
    EXPECT_FALSE(log.offen());
    EXPECT_EQ(Inhalt(datei), vorher);
    EXPECT_EQ(log.ZeileSchreiben(k, z), 0) << "a closed log takes nothing";
}

TEST_F(DatenProtokollTest, TextfehlerLaesstDasProtokollOffen) {
    DatenProtokoll log(&uhr);
    ASSERT_EQ(log.Oeffnen(datei.string(), k), 0);
    const std::string vorher = Inhalt(datei);
    log.SchreibfunktionSetzen([](int fd, const void* d, size_t n) -> ssize_t {
        if (::write(fd, d, std::min<size_t>(n, 5)) < 0) return -1;
        errno = EIO;
        return -1;
    });
    EXPECT_EQ(log.Text("Datenerfassung beendet\n"), DirektFehler::Text);
    EXPECT_TRUE(log.offen());
    EXPECT_EQ(Inhalt(datei), vorher);
}

TEST_F(DatenProtokollTest, OeffnungsfehlerHinterlassenNichts) {
    DatenProtokoll log(&uhr);
    EXPECT_EQ(log.Oeffnen((verzeichnis / "fehlt" / "x.txt").string(), k), DirektFehler::ProtokollOeffnen);
    EXPECT_FALSE(log.offen());

    // Each step of the start block has its own code; the file stays as it was.
    {
        std::ofstream vorher(datei, std::ios::binary);
        vorher << "bleibt\r\n";
    }
    const int codes[] = {DirektFehler::Startzeile, DirektFehler::Eingangsbereiche, DirektFehler::Ausgangsbereiche,
                         DirektFehler::Kopfzeile};
    for (int schritt = 0; schritt < 4; ++schritt) {
        int aufrufe = 0;
        log.SchreibfunktionSetzen([&aufrufe, schritt](int fd, const void* d, size_t n) -> ssize_t {
            if (aufrufe++ < schritt) return ::write(fd, d, n);
            errno = ENOSPC;
            return -1;
        });
        EXPECT_EQ(log.Oeffnen(datei.string(), k), codes[schritt]);
        EXPECT_FALSE(log.offen());
        EXPECT_EQ(Inhalt(datei), "bleibt\r\n");
    }
    // A file the log created itself is removed again.
    log.SchreibfunktionSetzen([](int, const void*, size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    });
    const fs::path neu = verzeichnis / "neu.txt";
    EXPECT_EQ(log.Oeffnen(neu.string(), k), DirektFehler::Startzeile);
    EXPECT_FALSE(fs::exists(neu));
}

TEST(DatenProtokoll, EchteVolleFestplatte) {
    if (!fs::exists("/dev/full")) GTEST_SKIP();
    DatenProtokoll log;
    EXPECT_EQ(log.Oeffnen("/dev/full", KonfigStandardwerte()), DirektFehler::Startzeile);
    EXPECT_FALSE(log.offen());
}
