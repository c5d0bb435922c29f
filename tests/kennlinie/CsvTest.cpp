// The CSV table of a curve: the box's table row by row, units from the
// configuration, through the library and through dlm7ctl.
#include "config/KonfigDatei.h"
#include "kennlinie/KennlinieCsv.h"
#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieFehler.h"
#include "tools/Dlm7Ctl.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// RFC 4180 lines: CR LF ends, quoted fields with doubled quotes.
std::vector<std::vector<std::string>> CsvZerlegen(const std::string& text) {
    std::vector<std::vector<std::string>> zeilen;
    std::vector<std::string> zeile;
    std::string feld;
    bool zitat = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (zitat) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                feld += '"';
                ++i;
            } else if (c == '"') {
                zitat = false;
            } else {
                feld += c;
            }
        } else if (c == '"') {
            zitat = true;
        } else if (c == ',') {
            zeile.push_back(std::move(feld));
            feld.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            zeile.push_back(std::move(feld));
            feld.clear();
            zeilen.push_back(std::move(zeile));
            zeile.clear();
            ++i;
        } else {
            feld += c;
        }
    }
    EXPECT_TRUE(feld.empty() && zeile.empty()) << "last line without CR LF";
    return zeilen;
}

std::string Lesen(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

class KennlinieCsv : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kennlinie_csv_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        // Numbers must keep their '.' in a German locale.
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        fs::remove_all(dir_);
    }
    std::string Pfad(const char* name) const { return (dir_ / name).string(); }
    int Ctl(std::vector<std::string> befehl) {
        befehl.insert(befehl.begin(), {"--port", "/nicht/vorhanden"});
        err.str({});
        return Dlm7CtlAusfuehren(befehl, aus, err);
    }

    // Input 2 in degrees 0..250 over 0..10 V, output 1 in "m,s" (a unit that needs quoting).
    static KonfigDaten Konfig() {
        KonfigDaten k = KonfigStandardwerte();
        SkalierungSetzen(k, Seite::Eingang, 1, {0.0, 10.0, 0.0, 250.0});
        EinheitTextSetzen(k, Seite::Eingang, 1, "°C");
        SkalierungSetzen(k, Seite::Ausgang, 0, {0.0, 10.0, -50.0, 50.0});
        EinheitTextSetzen(k, Seite::Ausgang, 0, "m,s");
        return k;
    }

    fs::path dir_;
    std::ostringstream aus, err;
};

// Every row against the digitisation rule, worked out here on its own: the
// line's value rounded half up, the last level from the end of the lengths on.
double Zahl(const std::string& s) {
    double v = std::nan("");
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

void TabellePruefen(const std::string& text, const std::function<int(int)>& erwartet, const KonfigDaten& k) {
    const auto zeilen = CsvZerlegen(text);
    ASSERT_EQ(zeilen.size(), 4097u);
    for (int x = 0; x < 4096; ++x) {
        const auto& z = zeilen[static_cast<std::size_t>(x) + 1];
        ASSERT_EQ(z.size(), 4u) << "row " << x;
        ASSERT_EQ(z[0], std::to_string(x));
        ASSERT_EQ(z[2], std::to_string(erwartet(x))) << "input " << x;
        ASSERT_EQ(Zahl(z[1]), EingangRohZuEinheit(k, 1, x)) << "input " << x << ": " << z[1];
        ASSERT_EQ(Zahl(z[3]), AusgangRohZuEinheit(k, 0, erwartet(x))) << "input " << x << ": " << z[3];
        ASSERT_EQ(z[1].find_first_of(",eE"), std::string::npos) << z[1];
    }
}

} // namespace

TEST_F(KennlinieCsv, NeueUndGezeichneteKurveZeileFuerZeile) {
    const KonfigDaten standard = KonfigStandardwerte();
    std::string text;
    ASSERT_EQ(KennlinieCsvText(NeueKennlinie().punkte, standard, text), 0);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "Eingang 2 roh,Eingang 2 [V],Ausgang 1 roh,Ausgang 1 [V]");
    TabellePruefen(
        text, [](int) { return 4095; }, standard);
    EXPECT_NE(text.find("\r\n0,0,4095,10\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n4095,10,4095,10\r\n"), std::string::npos);

    // Rising over 10 steps, falling 10 -> 0 over 4 (halves round up), then the last level.
    const Kennlinienpunkte gezeichnet{{0, 10, 0}, {100, 20, 0}, {10, 4, 0}, {0, 1, 0}, {3000, 1, 0}};
    const KonfigDaten k = Konfig();
    ASSERT_EQ(KennlinieCsvText(gezeichnet, k, text), 0);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "Eingang 2 roh,Eingang 2 [°C],Ausgang 1 roh,\"Ausgang 1 [m,s]\"");
    const int erwartet[] = {0,  10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 96, 91, 87, 82, 78, 73, 69,
                            64, 60, 55, 51, 46, 42, 37, 33, 28, 24, 19,  15, 10, 8,  5,  3,  0,  3000};
    TabellePruefen(
        text, [&](int x) { return x < 36 ? erwartet[x] : 3000; }, k);
    EXPECT_NE(text.find("\r\n4095,250,3000,"), std::string::npos);

    Kennlinienpunkte zuLang{{0, 4096, 0}, {5, 1, 0}};
    text = "alt";
    EXPECT_EQ(KennlinieCsvText(zuLang, k, text), KennlFehler::ZuVieleEintraege);
    EXPECT_EQ(text, "alt");
}

TEST_F(KennlinieCsv, DateiUndBefehlMitDerKonfigurationDerDateiOderGegebenen) {
    KennlinienDatei d;
    d.kurve.punkte = {{0, 10, 0}, {100, 0, 0}};
    d.konfig = Konfig();
    ASSERT_EQ(KennlinieSpeichern(Pfad("k.dle"), d), 0);
    std::string erwartet;
    ASSERT_EQ(KennlinieCsvText(d.kurve.punkte, d.konfig, erwartet), 0);

    EXPECT_EQ(Ctl({"kennlinie-csv", Pfad("k.dle"), Pfad("k.csv")}), 0) << err.str();
    EXPECT_EQ(Lesen(dir_ / "k.csv"), erwartet);

    ASSERT_EQ(KonfigDateiSchreiben(Pfad("s.dlo"), KonfigStandardwerte()), 0);
    EXPECT_EQ(Ctl({"--konfig", Pfad("s.dlo"), "kennlinie-csv", Pfad("k.dle"), Pfad("s.csv")}), 0) << err.str();
    ASSERT_EQ(KennlinieCsvText(d.kurve.punkte, KonfigStandardwerte(), erwartet), 0);
    EXPECT_EQ(Lesen(dir_ / "s.csv"), erwartet);

    // Failures write nothing and leave an existing table alone.
    const std::string alt = Lesen(dir_ / "k.csv");
    d.kurve.punkte = {{0, 4096, 0}, {5, 1, 0}};
    ASSERT_EQ(KennlinieSpeichern(Pfad("lang.dle"), d), 0);
    EXPECT_EQ(Ctl({"kennlinie-csv", Pfad("lang.dle"), Pfad("k.csv")}), 1);
    EXPECT_NE(err.str().find("Fehler #1023505:"), std::string::npos) << err.str();
    EXPECT_EQ(Lesen(dir_ / "k.csv"), alt);
    EXPECT_EQ(Ctl({"kennlinie-csv", Pfad("k.dle"), Pfad("fehlt/k.csv")}), 1);
    EXPECT_NE(err.str().find("Fehler #308550:"), std::string::npos) << err.str();
    EXPECT_EQ(Ctl({"--konfig", Pfad("fehlt.dlo"), "kennlinie-csv", Pfad("k.dle"), Pfad("k.csv")}), 1);
    EXPECT_EQ(Lesen(dir_ / "k.csv"), alt);
    EXPECT_EQ(KennlinieCsvExportieren(Pfad("fehlt/k.csv"), d.kurve.punkte, d.konfig), KennlFehler::ZuVieleEintraege);
    EXPECT_FALSE(fs::exists(dir_ / "fehlt"));
    EXPECT_EQ(Ctl({"kennlinie-csv", Pfad("k.dle")}), 2);
    EXPECT_NE(err.str().find("kennlinie-csv DATEI.dle DATEI.csv"), std::string::npos);
}
