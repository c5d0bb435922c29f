#include "tools/Dlm7Ctl.h"
#include "device/Protokoll.h"
#include "kern/Fehlermeldungen.h"
#include "sim/SimUmgebung.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class Dlm7Ctl : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(u.bereit()) << u.fehler; }

    int Aufruf(std::vector<std::string> befehl, bool mitPort = true) {
        std::vector<std::string> arg;
        if (mitPort) arg = {"--port", u.sim.SlavePfad(), "--timeout", "0.1"};
        arg.insert(arg.end(), befehl.begin(), befehl.end());
        aus.str({});
        err.str({});
        return Dlm7CtlAusfuehren(arg, aus, err);
    }
    static std::string Fehler(int code) {
        return "Fehler #" + std::to_string(-code) + ": " + QAV_Fehlermeldung(code) + "\n";
    }

    SimUmgebung u{4};
    std::ostringstream aus, err;
};

} // namespace

TEST_F(Dlm7Ctl, LesenUndSchreibenDerKanaele) {
    EXPECT_EQ(Aufruf({"id"}), 0);
    EXPECT_EQ(aus.str(), "QAV-DLM7D-SIM-V1.0\n");
    EXPECT_EQ(Aufruf({"ausgang", "2", "5"}), 0);
    EXPECT_EQ(aus.str(), "");
    EXPECT_EQ(u.sim.Ausgang(2), 2048);
    EXPECT_EQ(Aufruf({"eingang", "2"}), 0);
    EXPECT_EQ(aus.str(), "5.001\n");
    // A negative value is an argument, and the driver's range check answers it.
    EXPECT_EQ(Aufruf({"ausgang", "1", "-0.001"}), 1);
    EXPECT_EQ(err.str(), Fehler(QavFehler::Aus_Bereich1));
    EXPECT_EQ(Aufruf({"eingang", "5"}), 1);
    EXPECT_EQ(err.str(), Fehler(QavFehler::Ein_Kanal));
    EXPECT_EQ(Aufruf({"start"}), 0);
    EXPECT_EQ(Aufruf({"stopp"}), 0);
    ASSERT_FALSE(u.sim.Anfragen().empty());
    EXPECT_EQ(u.sim.Anfragen().back(), "#1DF2\r");
}

TEST_F(Dlm7Ctl, RegisterUndModus) {
    u.sim.FehlerbitsSetzen(0x1A);
    EXPECT_EQ(Aufruf({"status", "2"}), 0);
    EXPECT_EQ(aus.str(), "1A\n");
    EXPECT_EQ(Aufruf({"status", "3"}), 1);
    EXPECT_EQ(err.str(), Fehler(QavFehler::St_Register));
    EXPECT_EQ(Aufruf({"modus-setzen", "0x86"}), 0);
    EXPECT_EQ(Aufruf({"modus-loeschen", "84"}), 0);
    EXPECT_EQ(Aufruf({"modus"}), 0);
    EXPECT_EQ(aus.str(), "02\n");
    ASSERT_FALSE(u.sim.Anfragen().empty());
    EXPECT_EQ(u.sim.Anfragen().back(), "#1M1R\r");
}

TEST_F(Dlm7Ctl, SpeicherInSeitenBloecken) {
    std::string hex;
    for (int i = 0; i < 70; ++i) hex += Protokoll::Hex(static_cast<unsigned>(i * 3), 2);
    std::string klein = hex;
    for (auto& c : klein) c = static_cast<char>(std::tolower(c));
    u.sim.AnfragenLoeschen();
    EXPECT_EQ(Aufruf({"speicher-schreiben", "0x3E", klein}), 0);
    auto anfragen = u.sim.Anfragen();
    ASSERT_EQ(anfragen.size(), 3u);
    EXPECT_EQ(anfragen[0].substr(0, 14), "#1BDW4003E0002");
    EXPECT_EQ(anfragen[1].substr(0, 14), "#1BDW400400040");
    EXPECT_EQ(anfragen[2].substr(0, 14), "#1BDW400800004");
    EXPECT_EQ(u.sim.Modus(), 0); // no mode change

    u.sim.AnfragenLoeschen();
    EXPECT_EQ(Aufruf({"speicher-lesen", "62", "70"}), 0);
    EXPECT_EQ(aus.str(), hex + "\n");
    anfragen = u.sim.Anfragen();
    ASSERT_EQ(anfragen.size(), 2u);
    EXPECT_EQ(anfragen[0], "#1BDR4003E0040\r");
    EXPECT_EQ(anfragen[1], "#1BDR4007E0006\r");

    EXPECT_EQ(Aufruf({"speicher-lesen", "0", "0"}), 1);
    EXPECT_EQ(err.str(), Fehler(QavFehler::SpL_Anzahl));
    EXPECT_EQ(Aufruf({"speicher-schreiben", "0", ""}), 0);
    ASSERT_FALSE(u.sim.Anfragen().empty());
    EXPECT_EQ(u.sim.Anfragen().back(), "#1BDW4000000000001\r");
}

TEST_F(Dlm7Ctl, AdresseGehtUnveraendertAnDenTreiber) {
    for (const char* a : {"0", "A"}) {
        EXPECT_EQ(Aufruf({"id", "--adresse", a}), 2) << "options belong before the command";
        std::vector<std::string> arg = {"--port", u.sim.SlavePfad(), "--adresse", a, "id"};
        err.str({});
        EXPECT_EQ(Dlm7CtlAusfuehren(arg, aus, err), 1);
        EXPECT_EQ(err.str(), Fehler(QavFehler::ID_Adresse));
    }
    EXPECT_EQ(u.sim.Anfragen().size(), 0u);
}

TEST_F(Dlm7Ctl, GeraetefehlerUndVerwendung) {
    u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    EXPECT_EQ(Aufruf({"speicher-lesen", "0", "4"}), 1);
    EXPECT_EQ(err.str(), "Fehler #402099: Fehlermeldung (NAK) vom Gerät erhalten\n");
    EXPECT_EQ(Aufruf({"--port", "/nicht/vorhanden", "id"}, false), 1);
    EXPECT_EQ(err.str(), Fehler(QavFehler::Open_Fehlgeschlagen));
    EXPECT_EQ(Aufruf({"--port", "com9", "id"}, false), 1);
    EXPECT_EQ(err.str(), Fehler(QavFehler::Open_Port));
    EXPECT_EQ(Aufruf({"--baud", "1200", "id"}), 1);
    EXPECT_EQ(err.str(), Fehler(QavFehler::Open_Baud));

    for (std::vector<std::string> falsch : std::vector<std::vector<std::string>>{{},
                                                                                 {"rauf"},
                                                                                 {"id", "x"},
                                                                                 {"eingang"},
                                                                                 {"ausgang", "1", "viel"},
                                                                                 {"status", "zwei"},
                                                                                 {"modus-setzen", "1FF"},
                                                                                 {"speicher-lesen", "0x", "1"},
                                                                                 {"speicher-schreiben", "0", "ABC"},
                                                                                 {"speicher-schreiben", "0", "GG"},
                                                                                 {"--wert", "1", "id"},
                                                                                 {"--timeout"}}) {
        EXPECT_EQ(Aufruf(falsch), 2);
        EXPECT_NE(err.str().find("Verwendung: dlm7ctl"), std::string::npos);
        EXPECT_EQ(aus.str(), "");
    }
}

TEST(Dlm7CtlScan, ZeigtJedeAntwortendeAdresse) {
    Dlm7Simulator::Einstellungen e;
    e.adresse = '5';
    SimUmgebung u(4, e);
    ASSERT_TRUE(u.bereit());
    std::ostringstream aus, err;
    EXPECT_EQ(Dlm7CtlAusfuehren({"--port", "com4", "--timeout", "0.05", "scan"}, aus, err), 0);
    EXPECT_EQ(aus.str(), "5 QAV-DLM7D-SIM-V1.0\n");
    EXPECT_EQ(err.str(), "");
}
