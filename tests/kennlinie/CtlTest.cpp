#include "config/KonfigDatei.h"
#include "device/Protokoll.h"
#include "device/Schreibpruefung.h"
#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/KennlinieText.h"
#include "kern/Fehlermeldungen.h"
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

std::string Lesen(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void Schreiben(const fs::path& p, std::string_view inhalt) {
    std::ofstream aus(p, std::ios::binary);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

std::vector<unsigned char> Bytes(const SlotAbbild& b) { return {b.begin(), b.end()}; }

class KennlinieCtl : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(u.bereit()) << u.fehler;
        dir_ = fs::temp_directory_path() / ("kennlinie_ctl_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The driver's usual time-out: no case here waits for one, and a shorter
    // one lets a busy machine turn a slow answer into a failure.
    int Aufruf(std::vector<std::string> befehl) {
        std::vector<std::string> arg = {"--port", u.sim.SlavePfad(), "--timeout", "0.5"};
        arg.insert(arg.end(), befehl.begin(), befehl.end());
        aus.str({});
        err.str({});
        return Dlm7CtlAusfuehren(arg, aus, err);
    }
    std::string Pfad(const char* name) const { return (dir_ / name).string(); }
    static std::string Fehler(int code) {
        return "Fehler #" + std::to_string(-code) + ": " + QAV_Fehlermeldung(code) + "\n";
    }

    // A curve file whose configuration differs from the standard one.
    KennlinienDatei Datei() {
        KennlinienDatei d;
        d.kurve.punkte = {{0, 2000, 0}, {4095, 1, 0}};
        d.kurve.kommentar = "Prüfkurve";
        SkalierungSetzen(d.konfig, Seite::Ausgang, 1, {0.0, 10.0, 0.0, 100.0}); // output 2 in percent
        EinheitTextSetzen(d.konfig, Seite::Ausgang, 1, "%");
        d.begrenzungRoh = BegrenzungZuDatei(d.konfig, 50.0);
        d.anstiegszeit = 819.0;
        return d;
    }

    SimUmgebung u{5};
    fs::path dir_;
    std::ostringstream aus, err;
};

} // namespace

TEST_F(KennlinieCtl, SendenMitDerKonfigurationDerDatei) {
    const KennlinienDatei d = Datei();
    ASSERT_EQ(KennlinieSpeichern(Pfad("k.dle"), d), 0);
    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle"), "3"}), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    SlotAbbild bild;
    ASSERT_EQ(SlotAbbildErzeugen(d.kurve.punkte, d.konfig, 50.0, 819.0, bild), 0);
    EXPECT_EQ(bild[4] * 256 + bild[5], 2048) << "50 % of output 2, not clamped as 50 V";
    EXPECT_EQ(u.sim.Speicher(static_cast<std::size_t>(SlotAdresse(3)), 8224), Bytes(bild));
    EXPECT_EQ(u.sim.Modus(), 0x02);

    u.sim.AnfragenLoeschen();
    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle"), "8"}), 1);
    EXPECT_EQ(err.str(), Fehler(-1024506));
    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("fehlt.dle"), "1"}), 1);
    EXPECT_EQ(err.str(), Fehler(-308518));
    EXPECT_TRUE(u.sim.Anfragen().empty());
    u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle"), "1"}), 1);
    EXPECT_EQ(err.str(), Fehler(QavFehler::ModL_Nak));
    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle"), "eins"}), 2);
    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle")}), 2);
    EXPECT_EQ(Aufruf({"--konfig", Pfad("k.dlo"), "kennlinie-senden", Pfad("k.dle"), "1"}), 2);
    EXPECT_EQ(Aufruf({"--konfig", Pfad("k.dlo"), "id"}), 2);
}

TEST_F(KennlinieCtl, LesenSpeichertMitStandardOderGegebenerKonfiguration) {
    const KennlinienDatei d = Datei();
    SlotAbbild bild;
    ASSERT_EQ(SlotAbbildErzeugen(d.kurve.punkte, KonfigStandardwerte(), 2.5, 819.0, bild), 0);
    u.sim.SpeicherSetzen(static_cast<std::size_t>(SlotAdresse(2)), Bytes(bild));
    u.sim.ModusSetzen(0x02);

    EXPECT_EQ(Aufruf({"kennlinie-lesen", "2", Pfad("a.dle")}), 0) << err.str();
    KennlinienDatei a;
    ASSERT_EQ(KennlinieLaden(Pfad("a.dle"), a), 0);
    ASSERT_EQ(a.kurve.punkte.size(), 4096u);
    EXPECT_EQ(a.kurve.punkte[1], (KennlinienPunkt{2, 1, 0}));
    EXPECT_EQ(a.kurve.punkte[4095], (KennlinienPunkt{4095, 1, 0}));
    EXPECT_EQ(a.kurve.kommentar, "");
    EXPECT_EQ(KonfigurationenVergleichen(a.konfig, KonfigStandardwerte()), 1);
    EXPECT_NEAR(BegrenzungAusDatei(a.konfig, a.begrenzungRoh), 2.5, 0.002);
    EXPECT_EQ(a.anstiegszeit, 819.0);

    ASSERT_EQ(KonfigDateiSchreiben(Pfad("k.dlo"), d.konfig), 0);
    EXPECT_EQ(Aufruf({"--konfig", Pfad("k.dlo"), "kennlinie-lesen", "2", Pfad("b.dle")}), 0) << err.str();
    KennlinienDatei b;
    ASSERT_EQ(KennlinieLaden(Pfad("b.dle"), b), 0);
    EXPECT_EQ(KonfigurationenVergleichen(b.konfig, d.konfig), 1);
    EXPECT_NEAR(BegrenzungAusDatei(b.konfig, b.begrenzungRoh), 25.0, 0.02) << "raw 1024 in percent";

    // Failures leave an existing target alone.
    const std::string alt = Lesen(dir_ / "a.dle");
    bild[1] ^= 1;
    u.sim.SpeicherSetzen(static_cast<std::size_t>(SlotAdresse(2)), Bytes(bild));
    EXPECT_EQ(Aufruf({"kennlinie-lesen", "2", Pfad("a.dle")}), 1);
    EXPECT_EQ(err.str(), Fehler(-897513));
    u.sim.ModusSetzen(0x04);
    EXPECT_EQ(Aufruf({"kennlinie-lesen", "2", Pfad("a.dle")}), 1);
    EXPECT_EQ(err.str(), Fehler(-1026512));
    EXPECT_EQ(Aufruf({"kennlinie-lesen", "0", Pfad("a.dle")}), 1);
    EXPECT_EQ(err.str(), Fehler(-1024511));
    EXPECT_EQ(Aufruf({"--konfig", Pfad("fehlt.dlo"), "kennlinie-lesen", "2", Pfad("a.dle")}), 1);
    EXPECT_EQ(err.str(), Fehler(kKonfigLadenOeffnenFehler));
    EXPECT_EQ(Lesen(dir_ / "a.dle"), alt);
    EXPECT_FALSE(fs::exists(dir_ / "c.dle"));
}

TEST_F(KennlinieCtl, ExportUndImportOhneGeraet) {
    // File commands never open the port.
    const auto datei = [&](std::vector<std::string> befehl) {
        befehl.insert(befehl.begin(), {"--port", "/nicht/vorhanden"});
        aus.str({});
        err.str({});
        return Dlm7CtlAusfuehren(befehl, aus, err);
    };
    const KennlinienDatei d = Datei();
    ASSERT_EQ(KennlinieSpeichern(Pfad("k.dle"), d), 0);
    EXPECT_EQ(datei({"kennlinie-export", Pfad("k.dle"), Pfad("k.txt")}), 0) << err.str();
    EXPECT_EQ(Lesen(dir_ / "k.txt"), KennlinieExportText(d.kurve.punkte));
    Schreiben(dir_ / "falsch.dle", std::string(2000, 'x'));
    EXPECT_EQ(datei({"kennlinie-export", Pfad("falsch.dle"), Pfad("f.txt")}), 1);
    EXPECT_EQ(err.str(), Fehler(-1025520));
    EXPECT_FALSE(fs::exists(dir_ / "f.txt"));

    // Into an existing file: comment, parameters and configuration stay.
    Schreiben(dir_ / "neu.txt", "0\t0\r\n100\t100\r\n");
    EXPECT_EQ(datei({"kennlinie-import", Pfad("neu.txt"), Pfad("k.dle")}), 0) << err.str();
    KennlinienDatei k;
    ASSERT_EQ(KennlinieLaden(Pfad("k.dle"), k), 0);
    EXPECT_EQ(k.kurve.punkte, (Kennlinienpunkte{{0, 4095, 0}, {4095, 0, 0}}));
    EXPECT_EQ(k.kurve.kommentar, d.kurve.kommentar);
    EXPECT_EQ(k.begrenzungRoh, d.begrenzungRoh);
    EXPECT_EQ(k.anstiegszeit, d.anstiegszeit);
    EXPECT_EQ(KonfigurationenVergleichen(k.konfig, d.konfig), 1);

    // Into a new file: the window's start values.
    EXPECT_EQ(datei({"kennlinie-import", Pfad("neu.txt"), Pfad("n.dle")}), 0) << err.str();
    KennlinienDatei n;
    ASSERT_EQ(KennlinieLaden(Pfad("n.dle"), n), 0);
    EXPECT_EQ(n.kurve.punkte.size(), 2u);
    EXPECT_EQ(n.kurve.kommentar, "");
    EXPECT_EQ(n.begrenzungRoh, 0.0);
    EXPECT_EQ(n.anstiegszeit, 0.1);
    EXPECT_EQ(KonfigurationenVergleichen(n.konfig, KonfigStandardwerte()), 1);

    // A failing import shows the popup text first and leaves the target as it was.
    const std::string vorher = Lesen(dir_ / "k.dle");
    Schreiben(dir_ / "falsch.txt", "0\t0\r\n50.5\t-1\r\n");
    EXPECT_EQ(datei({"kennlinie-import", Pfad("falsch.txt"), Pfad("k.dle")}), 1);
    EXPECT_EQ(err.str(), "Fehler in Zeile 2:\nY-Wert von -1.000% ist nicht erlaubt '50.5\t-1'.\n" + Fehler(-312537));
    EXPECT_EQ(Lesen(dir_ / "k.dle"), vorher);
    EXPECT_EQ(datei({"kennlinie-import", Pfad("fehlt.txt"), Pfad("k.dle")}), 1);
    EXPECT_EQ(err.str(), Fehler(-308533));
    EXPECT_EQ(datei({"kennlinie-import", Pfad("neu.txt"), Pfad("falsch.dle")}), 1);
    EXPECT_EQ(err.str(), Fehler(-1025520));
    EXPECT_EQ(Lesen(dir_ / "k.dle"), vorher);
    EXPECT_EQ(datei({"kennlinie-import", Pfad("neu.txt")}), 2);
    EXPECT_NE(err.str().find("kennlinie-import DATEI.txt DATEI.dle"), std::string::npos);
}

// After every send the error bits; with --pruefen the slot read back and
// compared, which finds a cell that does not keep what was written.
TEST_F(KennlinieCtl, SendenPruefenFehlerbitsUndAbweichung) {
    const KennlinienDatei d = Datei();
    ASSERT_EQ(KennlinieSpeichern(Pfad("k.dle"), d), 0);
    const auto zaehlen = [&](const std::string& teil) {
        int n = 0;
        for (const std::string& a : u.sim.Anfragen()) n += a.find(teil) != std::string::npos;
        return n;
    };
    const std::string status2 = Protokoll::RahmenStatusLesen('1', '2');

    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle"), "3"}), 0) << err.str();
    EXPECT_EQ(zaehlen(status2), 1);
    EXPECT_EQ(zaehlen("BDR"), 0) << "no read-back unless asked";
    u.sim.AnfragenLoeschen();
    EXPECT_EQ(Aufruf({"kennlinie-senden", "--pruefen", Pfad("k.dle"), "3"}), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(zaehlen("BDR"), 129) << "8224 bytes in blocks of 64";
    EXPECT_EQ(Aufruf({"--pruefen", "kennlinie-senden", Pfad("k.dle"), "3"}), 0) << err.str();

    // Slot 3 starts at 0x4040; offset 100 is the high byte of table entry 34 (70 = 0x0046).
    u.sim.SpeicherfehlerSetzen(0x4040 + 100);
    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle"), "3"}), 0) << "unnoticed without the check";
    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle"), "3", "--pruefen"}), 1);
    EXPECT_EQ(err.str(),
              "Erste abweichende Adresse: 0x40A4 (gesendet 0x00, gelesen 0xFF)\n" + Fehler(kPruefungAbweichung));
    u.sim.SpeicherfehlerSetzen(-1);

    u.sim.FehlerbitsSetzen(0x12);
    EXPECT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle"), "3"}), 1);
    EXPECT_EQ(err.str(), "Checksummenfehler\nKurvenauswahlfehler\n" + Fehler(kFehlerbitsNachSchreiben));
    const std::string bitsText = QAV_Fehlermeldung(kFehlerbitsNachSchreiben);
    EXPECT_NE(bitsText, QAV_Fehlermeldung(kPruefungAbweichung));

    EXPECT_EQ(Aufruf({"kennlinie-lesen", "--pruefen", "3", Pfad("b.dle")}), 2);
    EXPECT_EQ(Aufruf({"--pruefen", "id"}), 2);
}

TEST_F(KennlinieCtl, SlotsLeerUndBelegt) {
    // A box without characteristic curves has no slots to show.
    EXPECT_EQ(Aufruf({"slots"}), 1);
    EXPECT_EQ(err.str(), Fehler(KennlFehler::BlockLesenKeineKennlinien));

    // The first send prepares all seven slots as empty ones.
    const KennlinienDatei d = Datei();
    ASSERT_EQ(KennlinieSpeichern(Pfad("k.dle"), d), 0);
    ASSERT_EQ(Aufruf({"kennlinie-senden", Pfad("k.dle"), "3"}), 0) << err.str();
    SlotAbbild bild;
    ASSERT_EQ(SlotAbbildErzeugen(NeueKennlinie().punkte, KonfigStandardwerte(), 10.0, 0.1, bild), 0);
    u.sim.SpeicherSetzen(static_cast<std::size_t>(SlotAdresse(7)), Bytes(bild));
    u.sim.AnfragenLoeschen();
    EXPECT_EQ(Aufruf({"slots"}), 0) << err.str();
    EXPECT_EQ(aus.str(), "1\tleer\n2\tleer\n3\tbelegt\t819\t2048\n4\tleer\n5\tleer\n6\tleer\n7\tbelegt\t0.1\t4095\n");
    EXPECT_EQ(u.sim.Anfragen().size(), 14u) << "a mode check and one short read per slot";

    u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak, 3);
    EXPECT_EQ(Aufruf({"slots"}), 1);
    EXPECT_EQ(aus.str(), "") << "nothing printed from a failed overview";
    EXPECT_EQ(Aufruf({"slots", "1"}), 2);
}
