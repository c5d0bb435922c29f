#include "sim/SimSpeicher.h"
#include "sim/SimUmgebung.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct TempVerzeichnis {
    fs::path pfad = fs::temp_directory_path() / ("dlm7sim-" + std::to_string(::getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempVerzeichnis() { fs::create_directories(pfad); }
    ~TempVerzeichnis() { fs::remove_all(pfad); }
};

} // namespace

TEST(SimEeprom, UeberlebtNeustart) {
    TempVerzeichnis dir;
    Dlm7Simulator::Einstellungen e;
    e.eepromDatei = (dir.pfad / "eeprom.bin").string();
    unsigned char daten[3] = {7, 8, 9};
    {
        SimUmgebung u(6, e);
        ASSERT_TRUE(u.bereit()) << u.fehler;
        ASSERT_EQ(u.Oeffnen(), 0);
        // A fresh memory reads as erased.
        unsigned char alt[1];
        ASSERT_EQ(QAVKSV5_SpeicherLesen(u.port, '1', 4, 0x3000, 1, alt), 0);
        EXPECT_EQ(alt[0], 0xFF);
        ASSERT_EQ(QAVKSV5_SpeicherSchreiben(u.port, '1', 4, 0x3000, 3, daten), 0);
        ASSERT_EQ(QAVKSV5_ModusSchreiben(u.port, '1', true, 0x02), 0);
    }
    EXPECT_EQ(fs::file_size(e.eepromDatei), 65537u);
    EXPECT_FALSE(fs::exists(e.eepromDatei + ".tmp"));
    SimUmgebung u(6, e);
    ASSERT_TRUE(u.bereit()) << u.fehler;
    EXPECT_EQ(u.sim.Speicher(0x3000, 3), std::vector<unsigned char>({7, 8, 9}));
    EXPECT_EQ(u.sim.Modus(), 0x02);
}

TEST(SimEeprom, FalscheDateiWirdNichtUeberschrieben) {
    TempVerzeichnis dir;
    fs::path datei = dir.pfad / "kaputt.bin";
    std::ofstream(datei) << "keine EEPROM-Datei";
    Dlm7Simulator::Einstellungen e;
    e.eepromDatei = datei.string();
    Dlm7Simulator sim(e);
    std::string fehler;
    EXPECT_FALSE(sim.Starten(fehler));
    EXPECT_NE(fehler.find("65537"), std::string::npos);
    sim.Beenden();
    EXPECT_EQ(fs::file_size(datei), 18u);
}

TEST(SimEeprom, UnbeschreibbaresZielLaesstDieAlteDateiStehen) {
    SimSpeicher s;
    std::string fehler;
    ASSERT_TRUE(s.DateiVerwenden("/nicht/vorhanden/eeprom.bin", fehler));
    std::uint8_t b = 1;
    s.Schreiben(0, &b, 1);
    EXPECT_FALSE(s.Sichern());
    EXPECT_TRUE(s.Geaendert());
}

TEST(SimEeprom, GroesseWirdVorDemLesenGeprueft) {
    // 1 GiB (sparse) with the address space limited to 256 MiB more than now:
    // a reader that takes the file in before checking its size runs out of memory.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TempVerzeichnis dir;
    const fs::path gross = dir.pfad / "gross.bin";
    std::ofstream(gross).close();
    fs::resize_file(gross, 1ull << 30);
    EXPECT_EXIT(
        {
            long seiten = 0;
            std::ifstream("/proc/self/statm") >> seiten;
            const rlim_t grenze = static_cast<rlim_t>(seiten) * ::sysconf(_SC_PAGESIZE) + (256ull << 20);
            rlimit r;
            r.rlim_cur = r.rlim_max = grenze;
            ::setrlimit(RLIMIT_AS, &r);
            SimSpeicher s;
            std::string fehler;
            const bool abgelehnt = !s.DateiVerwenden(gross.string(), fehler) && fehler.find("65537") != fehler.npos;
            // _Exit skips destructors: this process's own folder goes by hand.
            fs::remove_all(dir.pfad);
            std::_Exit(abgelehnt ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
