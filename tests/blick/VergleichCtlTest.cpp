// dlm7ctl kennlinie-vergleichen, kurven-vergleichen and aufzeichnen against
// the simulator: exit statuses, the differences' first line, the CSV header.
#include "Kurvenbild.h"
#include "config/KonfigDatei.h"
#include "kennlinie/KennlinieDatei.h"
#include "kern/Fehlermeldungen.h"
#include "kurven/KurvenDatei.h"
#include "sim/SimUmgebung.h"
#include "tools/Dlm7Ctl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class VergleichCtl : public ::testing::Test {
  protected:
    SimUmgebung u;
    std::ostringstream aus, err;
    fs::path dir_;

    void SetUp() override {
        ASSERT_TRUE(u.bereit()) << u.fehler;
        dir_ = fs::temp_directory_path() / ("vergleich_ctl_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    int Aufruf(std::vector<std::string> befehl) {
        std::vector<std::string> arg = {"--port", u.sim.SlavePfad(), "--timeout", "0.5"};
        arg.insert(arg.end(), befehl.begin(), befehl.end());
        aus.str({});
        err.str({});
        return Dlm7CtlAusfuehren(arg, aus, err);
    }
    std::string Pfad(const char* name) const { return (dir_ / name).string(); }
    std::string ErsteZeile() const { return aus.str().substr(0, aus.str().find('\n')); }
    std::string LetzteZeile() const {
        std::string e = err.str();
        if (!e.empty() && e.back() == '\n') e.pop_back();
        return e.substr(e.rfind('\n') + 1);
    }
    static std::string Fehler(int code) { return "Fehler #" + std::to_string(-code) + ": " + QAV_Fehlermeldung(code); }
    static std::string Lesen(const std::string& p) {
        std::ifstream ein(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    }
};

TEST_F(VergleichCtl, KennlinieVergleichenGleichVerschiedenLeerUndFehler) {
    KennlinienDatei d;
    d.kurve.punkte = {{0, 2000, 0}, {4095, 2096, 0}};
    d.anstiegszeit = 100.0;
    const std::string dle = Pfad("k.dle");
    ASSERT_EQ(KennlinieSpeichern(dle, d), 0);
    ASSERT_EQ(Aufruf({"kennlinie-senden", dle, "2"}), 0) << err.str();

    EXPECT_EQ(Aufruf({"kennlinie-vergleichen", dle, "2"}), 0) << err.str();
    EXPECT_EQ(aus.str(), "");

    // The file changed after the send: the ramp's top moved, the rise time too.
    Kennlinientabelle vorher, nachher;
    ASSERT_EQ(Digitalisieren(d.kurve.punkte, vorher), 0);
    d.kurve.punkte[1].yWert = 4000;
    d.anstiegszeit = 500.0;
    ASSERT_EQ(Digitalisieren(d.kurve.punkte, nachher), 0);
    int verschieden = 0, erste = -1;
    for (std::size_t x = 0; x < vorher.size(); ++x)
        if (vorher[x] != nachher[x]) {
            ++verschieden;
            if (erste < 0) erste = static_cast<int>(x);
        }
    ASSERT_GT(verschieden, 100);
    ASSERT_EQ(KennlinieSpeichern(dle, d), 0);
    EXPECT_EQ(Aufruf({"kennlinie-vergleichen", dle, "2"}), 3) << err.str();
    EXPECT_EQ(ErsteZeile(), "Unterschiede: " + std::to_string(verschieden + 1)) << aus.str();
    EXPECT_NE(aus.str().find("\nErste Abweichung: Eingang 2 roh " + std::to_string(erste) + " "), std::string::npos)
        << aus.str();
    EXPECT_NE(aus.str().find("\nAnstiegszeit: Datei "), std::string::npos) << aus.str();
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(Aufruf({"kennlinie-vergleichen", dle, "4"}), 3);
    EXPECT_EQ(ErsteZeile(), "Unterschiede: 4097");

    EXPECT_EQ(Aufruf({"kennlinie-vergleichen", dle, "9"}), 1);
    EXPECT_EQ(LetzteZeile(), Fehler(-1024511));
    EXPECT_EQ(aus.str(), "");
    EXPECT_EQ(Aufruf({"kennlinie-vergleichen", Pfad("fehlt.dle"), "2"}), 1);
    EXPECT_EQ(LetzteZeile().rfind("Fehler #", 0), 0u);
    EXPECT_EQ(Aufruf({"kennlinie-vergleichen", dle}), 2);
    EXPECT_EQ(Aufruf({"kennlinie-vergleichen", dle, "zwei"}), 2);
    u.sim.ModusSetzen(0x04);
    EXPECT_EQ(Aufruf({"kennlinie-vergleichen", dle, "2"}), 1);
    EXPECT_EQ(LetzteZeile(), Fehler(-1026512));
}

TEST_F(VergleichCtl, KurvenVergleichenGleichVerschiedenUndOhneGeneratorkurven) {
    Kurvensatz s = VierKurven();
    const std::string dlr = Pfad("k.dlr");
    ASSERT_EQ(KurvenSpeichern(s, dlr, KonfigStandardwerte()), 0);
    ASSERT_EQ(Aufruf({"kurven-senden", dlr}), 0) << err.str();
    EXPECT_EQ(Aufruf({"kurven-vergleichen", dlr}), 0) << err.str();
    EXPECT_EQ(aus.str(), "");

    s.ruhewert[0] = 4095;
    ASSERT_EQ(KurvenSpeichern(s, dlr, KonfigStandardwerte()), 0);
    EXPECT_EQ(Aufruf({"kurven-vergleichen", dlr}), 3);
    EXPECT_EQ(aus.str(), "Unterschiede: 1\nKurve 1: Ruhewert Datei 4095, DLM-7 100\n");

    EXPECT_EQ(Aufruf({"kurven-vergleichen"}), 2);
    u.sim.ModusSetzen(0x02);
    EXPECT_EQ(Aufruf({"kurven-vergleichen", dlr}), 1);
    EXPECT_EQ(LetzteZeile(), Fehler(-1018471));
}

TEST_F(VergleichCtl, AufzeichnenSchreibtDieCsvTabelleUndFehlerLassenDieDateiInRuhe) {
    u.sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, 2.5, 0, 1});
    u.sim.EingangSignal(4, SimSignal{SimSignal::Form::Konstant, 7.5, 0, 1});
    KonfigDaten k = KonfigStandardwerte();
    ASSERT_TRUE(EinheitTextSetzen(k, Seite::Eingang, 1, "°C"));
    k.inskalamax[1] = 250.0;
    const std::string dlo = Pfad("k.dlo");
    ASSERT_EQ(KonfigDateiSchreiben(dlo, k), 0);

    // To standard output, at an interval: 0.3 s at 0.05 s are about six rounds.
    ASSERT_EQ(
        Aufruf({"aufzeichnen", "--eingaenge", "2,4", "--dauer", "0.3", "--intervall", "0.05", "--konfig", dlo, "-"}), 0)
        << err.str();
    std::istringstream zeilen(aus.str());
    std::string zeile;
    std::vector<std::string> alle;
    while (std::getline(zeilen, zeile)) alle.push_back(zeile);
    ASSERT_GE(alle.size(), 2u);
    EXPECT_EQ(alle[0], "Zeit [s],Eingang 2 [°C],Eingang 4 [V]\r");
    EXPECT_GE(alle.size(), 1u + 5u);
    EXPECT_LE(alle.size(), 1u + 7u);
    EXPECT_EQ(alle[1].substr(alle[1].find(',')), ",62.5,7.5\r");
    EXPECT_NE(err.str().find("Abtastrate: "), std::string::npos);

    // To a file, every input, as fast as the line allows, without a configuration.
    const std::string csv = Pfad("a.csv");
    ASSERT_EQ(Aufruf({"aufzeichnen", "--dauer", "0.2", csv}), 0) << err.str();
    const std::string text = Lesen(csv);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1),
              "Zeit [s],Eingang 1 [V],Eingang 2 [V],Eingang 3 [V],Eingang 4 [V]\r\n");
    EXPECT_GE(std::count(text.begin(), text.end(), '\n'), 3);

    // Wrong usage, and failures that leave the file as it was.
    for (const std::vector<std::string>& falsch : {std::vector<std::string>{"aufzeichnen"},
                                                   {"aufzeichnen", "--eingaenge", "5", csv},
                                                   {"aufzeichnen", "--eingaenge", "", csv},
                                                   {"aufzeichnen", "--intervall", "-1", csv},
                                                   {"aufzeichnen", "--dauer", "0", csv},
                                                   {"aufzeichnen", "--tempo", "1", csv},
                                                   {"aufzeichnen", csv, csv}})
        EXPECT_EQ(Aufruf(falsch), 2) << falsch.back();
    EXPECT_EQ(Aufruf({"aufzeichnen", "--konfig", Pfad("fehlt.dlo"), "--dauer", "0.1", csv}), 1);
    EXPECT_EQ(LetzteZeile(), Fehler(-308263));
    u.sim.Beenden();
    EXPECT_EQ(Aufruf({"aufzeichnen", "--dauer", "0.1", csv}), 1);
    EXPECT_EQ(LetzteZeile().rfind("Fehler #", 0), 0u) << err.str();
    EXPECT_EQ(Lesen(csv), text);
}

} // namespace
