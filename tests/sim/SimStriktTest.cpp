// The simulator is as strict as the box: raw frames straight onto the line.
#include "device/PosixSeriellerPort.h"
#include "device/Protokoll.h"
#include "sim/SimUmgebung.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>

namespace {

class SimRoh : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(u.bereit()) << u.fehler;
        ASSERT_EQ(leitung.Oeffnen(u.sim.SlavePfad(), 9600), 0);
        ASSERT_EQ(leitung.ZeitlimitSetzen(0.05), 0);
    }

    // Everything the box sends back until the line stays quiet.
    std::string Austausch(const std::string& rahmen) {
        leitung.Schreiben(rahmen.data(), rahmen.size());
        std::string antwort;
        for (int b; (b = leitung.ByteLesen()) >= 0;) {
            antwort += static_cast<char>(b);
            if (b == Protokoll::kNAK || b == Protokoll::kCR) break;
        }
        return antwort;
    }

    SimUmgebung u;
    PosixSeriellerPort leitung;
    const std::string nak{Protokoll::kNAK};
    const std::string ack{Protokoll::kACK};
};

std::string Schreibrahmen(const std::string& kopf, const std::string& daten, unsigned summe) {
    return kopf + daten + Protokoll::Hex(summe, 4) + "\r";
}

} // namespace

TEST_F(SimRoh, FehlerhafteAnfragenWerdenMitNakBeantwortet) {
    for (const char* r :
         {"#1XYZ\r",           "#1IDRX\r",         "#1ID\r",           "#1DF3\r",          "#1V5R\r",
          "#1V1X\r",           "#1V1W10.001\r",    "#1V1W-1.000\r",    "#1V1W\r",          "#1V1W1.2.3\r",
          "#1V1W1e1\r",        "#1M1SZZ\r",        "#1M1S1\r",         "#1M1X01\r",        "#1S3R\r",
          "#1S1RR\r",          "#1BDR300000002\r", "#1BDR40G000002\r", "#1BDR400000000\r", "#1BDR4FFFF0002\r",
          "#1BDR4000000020\r", "#1BRW1200\r",      "#1DAW9\r"}) {
        EXPECT_EQ(Austausch(r), nak) << r;
    }
    // Writes: checksum, count beyond 64, data length, bad digit, beyond memory.
    EXPECT_EQ(Austausch(Schreibrahmen("#1BDW400000002", "0102", 4)), ack);
    EXPECT_EQ(Austausch(Schreibrahmen("#1BDW400000002", "0102", 5)), nak);
    EXPECT_EQ(Austausch(Schreibrahmen("#1BDW400000001", "0102", 4)), nak);
    EXPECT_EQ(Austausch(Schreibrahmen("#1BDW400000002", "01G2", 4)), nak);
    EXPECT_EQ(Austausch(Schreibrahmen("#1BDW4FFFF0002", "0102", 4)), nak);
    EXPECT_EQ(Austausch(Schreibrahmen("#1BDW500000002", "0102", 4)), nak);
    EXPECT_EQ(Austausch(Schreibrahmen("#1BDW400000041", std::string(130, '0'), 1)), nak);
    EXPECT_EQ(u.sim.Speicher(0, 2), std::vector<unsigned char>({1, 2}));
}

TEST_F(SimRoh, AdressenUndRundruf) {
    EXPECT_EQ(Austausch("#2IDR\r"), "");
    EXPECT_EQ(Austausch("#2V1W5.000\r"), "");
    EXPECT_EQ(u.sim.Ausgang(1), 0);
    // The broadcast acts but never answers.
    EXPECT_EQ(Austausch("#&V1W5.000\r"), "");
    EXPECT_EQ(u.sim.Ausgang(1), 2048);
    EXPECT_EQ(Austausch("#&IDR\r"), "");
    EXPECT_EQ(Austausch("#&M1S04\r"), "");
    EXPECT_EQ(u.sim.Modus(), 0x04);
    EXPECT_EQ(Austausch("#&BDW400100001AB00AC\r"), "");
    EXPECT_EQ(u.sim.Speicher(0x10, 1), std::vector<unsigned char>({0xAB}));
    // Noise before the '#' and an interrupted frame are skipped.
    EXPECT_EQ(Austausch("xx\x01#1ID#1IDR\r"), ack + "#1QAV-DLM7D-SIM-V1.0\r");
    EXPECT_EQ(Austausch("#1V1R\r"), ack + "#1V1R5.001\r");
    EXPECT_EQ(Austausch("#1M1R\r"), ack + "#1M1R$04\r");
}

TEST(SimAdresse, EigeneAdresseUndKennung) {
    Dlm7Simulator::Einstellungen e;
    e.adresse = 'c';
    e.kennung = "QAV-DLM7D-TEST";
    SimUmgebung u(6, e);
    ASSERT_TRUE(u.bereit());
    ASSERT_EQ(u.Oeffnen(0.1), 0);
    std::string text;
    EXPECT_EQ(QAVKSV5_IDLesen(u.port, '1', text), QavFehler::ID_KeineAntwort);
    EXPECT_EQ(QAVKSV5_IDLesen(u.port, 'c', text), 0);
    EXPECT_EQ(text, "QAV-DLM7D-TEST");
}

TEST(SimTrace, ProtokolliertAnfrageUndAntwort) {
    std::ostringstream trace;
    Dlm7Simulator::Einstellungen e;
    e.trace = true;
    e.traceZiel = &trace;
    {
        SimUmgebung u(6, e);
        ASSERT_TRUE(u.bereit());
        ASSERT_EQ(u.Oeffnen(), 0);
        unsigned char modus;
        ASSERT_EQ(QAVKSV5_ModusLesen(u.port, '1', modus), 0);
    }
    EXPECT_NE(trace.str().find("] <- #1M1R<CR>"), std::string::npos) << trace.str();
    EXPECT_NE(trace.str().find("] -> <ACK>#1M1R$00<CR>"), std::string::npos) << trace.str();
}

TEST(SimTakt, UebertragungDauertSoLangWieAufDerLeitung) {
    Dlm7Simulator::Einstellungen e;
    e.takt = true;
    e.baud = 38400;
    SimUmgebung u(6, e);
    ASSERT_TRUE(u.bereit());
    ASSERT_EQ(u.Oeffnen(1.0), 0);
    std::vector<unsigned char> daten(64);
    auto beginn = std::chrono::steady_clock::now();
    ASSERT_EQ(QAVKSV5_SpeicherLesen(u.port, '1', 4, 0, 64, daten.data()), 0);
    double dauer = std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
    // Request 15, ACK 1, line 147 characters of 10 bits each.
    double leitung = (15 + 1 + 147) * 10.0 / 38400;
    EXPECT_GE(dauer, leitung * 0.98);
}
