#include "GeraetTestBasis.h"

#include "device/Protokoll.h"

#include <cctype>
#include <numeric>
#include <vector>

using namespace QavFehler;
using Z = Dlm7Simulator::Zeilenfehler;

TEST_F(GeraetTest, SpeicherLesenBeispiel) {
    u.sim.SpeicherSetzen(0x100, {0xAB, 0x01});
    unsigned char daten[2] = {};
    ASSERT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, 0x100, 2, daten), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1BDR401000002\r");
    EXPECT_EQ(daten[0], 0xAB);
    EXPECT_EQ(daten[1], 0x01);
    // The 23-byte line carries 1 + 0xAB + 0x01 as checksum; one more fails.
    u.sim.ZeilenfehlerSetzen(Z::FalschePruefsumme);
    unsigned char rest[2] = {0x55, 0x55};
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, 0x100, 2, rest), SpL_Pruefsumme);
    EXPECT_EQ(rest[0], 0x55);
    EXPECT_EQ(rest[1], 0x55);
}

TEST_F(GeraetTest, SpeicherLesenArgumente) {
    unsigned char daten[4] = {};
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '&', 4, 0, 1, daten), SpL_Adresse);
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, -1, 1, daten), SpL_Start);
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, 65536, 1, daten), SpL_Start);
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, 0, 0, daten), SpL_Anzahl);
    // 65536 cannot be written into the four-digit count field.
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, 0, 65536, daten), SpL_Anzahl);
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '1', 3, 0, 1, daten), SpL_Bereich);
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, 0, 1, nullptr), SpL_KeinSpeicher);
    EXPECT_EQ(AnzahlAnfragen(), 0u);
    // The box refuses a range beyond its memory.
    EXPECT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, 65535, 2, daten), SpL_Nak);
}

TEST_F(GeraetTest, SpeicherLesenAntwortfehler) {
    std::vector<unsigned char> muster(64);
    std::iota(muster.begin(), muster.end(), 0x30);
    u.sim.SpeicherSetzen(0x40, muster);
    std::vector<unsigned char> daten(64, 0xEE);
    auto lesen = [&] { return QAVKSV5_SpeicherLesen(p, '1', 4, 0x40, 64, daten.data()); };
    HandshakeFehler(lesen, SpL_Nak, SpL_Can, SpL_KeineAntwort, SpL_AnderesByte);
    EXPECT_EQ(daten, muster);
    std::fill(daten.begin(), daten.end(), 0xEE);

    auto filter = [&](std::function<std::string(std::string)> f) { u.sim.ZeilenfilterSetzen(f); };
    u.sim.ZeilenfehlerSetzen(Z::OhneCR);
    EXPECT_EQ(lesen(), SpL_ZeileZeitlimit);
    filter([](std::string z) {
        z.back() = 'X';
        return z;
    });
    EXPECT_EQ(lesen(), SpL_OhneCR);
    filter([](std::string z) { return z.substr(0, z.size() - 3) + "\r"; });
    EXPECT_EQ(lesen(), SpL_Laenge);
    u.sim.ZeilenfehlerSetzen(Z::FalschesEcho);
    EXPECT_EQ(lesen(), SpL_Kopf);
    filter([](std::string z) {
        z[9] = '8';
        return z;
    }); // start 0x0080
    EXPECT_EQ(lesen(), SpL_Kopf);
    filter([](std::string z) {
        z[5] = '3';
        return z;
    }); // area 3
    EXPECT_EQ(lesen(), SpL_Kopf);
    filter([](std::string z) {
        z[13] = 'Q';
        return z;
    }); // count digit
    EXPECT_EQ(lesen(), SpL_Kopf);
    u.sim.ZeilenfehlerSetzen(Z::FalscheHexziffer);
    EXPECT_EQ(lesen(), SpL_DatenHoch);
    filter([](std::string z) {
        z.replace(14 + 2 * 10 + 1, 1, "x");
        return z;
    });
    EXPECT_EQ(lesen(), SpL_DatenNiedrig);
    for (int i = 0; i < 4; ++i) {
        filter([i](std::string z) {
            z[z.size() - 5 + static_cast<std::size_t>(i)] = 'g';
            return z;
        });
        EXPECT_EQ(lesen(), SpL_Pruefziffer1 - i) << i;
    }
    u.sim.ZeilenfehlerSetzen(Z::FalschePruefsumme);
    EXPECT_EQ(lesen(), SpL_Pruefsumme);
    // Nothing of a refused answer reaches the caller.
    EXPECT_EQ(daten, std::vector<unsigned char>(64, 0xEE));

    // Lower-case hex in the answer is accepted.
    filter([](std::string z) {
        for (std::size_t i = 6; i < z.size(); ++i) z[i] = static_cast<char>(std::tolower(z[i]));
        return z;
    });
    EXPECT_EQ(lesen(), 0);
    EXPECT_EQ(daten, muster);
}

TEST_F(GeraetTest, SpeicherSchreiben) {
    std::vector<unsigned char> block(64);
    std::iota(block.begin(), block.end(), 0xC0);
    ASSERT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 4, 0x2040, 64, block.data()), 0);
    std::string rahmen = LetzteAnfrage();
    EXPECT_EQ(rahmen.size(), 147u);
    EXPECT_EQ(rahmen.substr(0, 20), "#1BDW420400040C0C1C2");
    unsigned summe = 1;
    for (auto b : block) summe += b;
    EXPECT_EQ(rahmen.substr(142), Protokoll::Hex(summe & 0xFFFF, 4) + "\r");
    EXPECT_EQ(u.sim.Speicher(0x2040, 64), block);

    // Zero bytes: no data digits, checksum 0001.
    ASSERT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 4, 0xABCD, 0, nullptr), 0);
    EXPECT_EQ(LetzteAnfrage(), "#1BDW4ABCD00000001\r");
    unsigned char zwei[2] = {0xFE, 0x0A};
    ASSERT_EQ(QAVKSV5_SpeicherSchreiben(p, '&', 4, 0xFFFE, 2, zwei), 0);
    EXPECT_EQ(LetzteAnfrage(3), "#&BDW4FFFE0002FE0A0109\r");
    EXPECT_EQ(u.sim.Speicher(0xFFFE, 2), std::vector<unsigned char>({0xFE, 0x0A}));

    EXPECT_EQ(QAVKSV5_SpeicherSchreiben(p, 'F', 4, 0, 1, zwei), SpS_Adresse);
    EXPECT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 4, 65536, 1, zwei), SpS_Start);
    EXPECT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 4, -5, 1, zwei), SpS_Start);
    EXPECT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 4, 0, 65, block.data()), SpS_Anzahl);
    EXPECT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 4, 0, -1, zwei), SpS_Anzahl);
    EXPECT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 0, 0, 1, zwei), SpS_Bereich);
    EXPECT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 4, 0, 1, nullptr), SpS_FormatDaten);
    EXPECT_EQ(AnzahlAnfragen(), 3u);

    HandshakeFehler([&] { return QAVKSV5_SpeicherSchreiben(p, '1', 4, 0, 2, zwei); }, SpS_Nak, SpS_Can,
                    SpS_KeineAntwort, SpS_AnderesByte);
    // Beyond the end of the memory the box refuses.
    EXPECT_EQ(QAVKSV5_SpeicherSchreiben(p, '1', 4, 0xFFFF, 2, zwei), SpS_Nak);
}

TEST_F(GeraetTest, SpeicherRundreiseGrosserBlock) {
    std::vector<unsigned char> muster(300);
    for (std::size_t i = 0; i < muster.size(); ++i) muster[i] = static_cast<unsigned char>(i * 7);
    u.sim.SpeicherSetzen(0x1000, muster);
    std::vector<unsigned char> daten(300);
    ASSERT_EQ(QAVKSV5_SpeicherLesen(p, '1', 4, 0x1000, 300, daten.data()), 0);
    EXPECT_EQ(daten, muster);
}
