#include "GeraetTestBasis.h"

#include "device/Blocktransfer.h"
#include "device/Protokoll.h"

#include <vector>

namespace {

std::vector<unsigned char> Muster(std::size_t n) {
    std::vector<unsigned char> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<unsigned char>(i * 7 + 3);
    return v;
}

// Start address and count of every memory write the box received.
std::vector<std::pair<long, long>> Schreibbloecke(const std::vector<std::string>& anfragen) {
    std::vector<std::pair<long, long>> bloecke;
    for (const auto& a : anfragen)
        if (a.size() > 14 && a.compare(2, 3, "BDW") == 0)
            bloecke.emplace_back(std::stol(a.substr(6, 4), nullptr, 16), std::stol(a.substr(10, 4), nullptr, 16));
    return bloecke;
}

} // namespace

TEST_F(GeraetTest, BlockweiseSchreibenTeiltNachSeitenUndLiestZurueck) {
    // A slot image at 0x2020 begins with a 32-byte block and ends at 0x403F.
    const auto bild = Muster(8224);
    std::vector<int> prozente;
    Blockrueckmeldung r;
    r.fortschritt = [&](int p) { prozente.push_back(p); };
    std::vector<std::pair<long, long>> mengen;
    r.menge = [&](long fertig, long gesamt) { mengen.emplace_back(fertig, gesamt); };
    ASSERT_EQ(SpeicherBlockweiseSchreiben(p, '1', 0x2020, bild.data(), 8224, r), 0);
    const auto bloecke = Schreibbloecke(u.sim.Anfragen());
    ASSERT_EQ(bloecke.size(), 129u);
    EXPECT_EQ(bloecke.front(), std::make_pair(0x2020L, 32L));
    EXPECT_EQ(bloecke[1], std::make_pair(0x2040L, 64L));
    EXPECT_EQ(bloecke.back().first + bloecke.back().second - 1, 0x403F);
    ASSERT_EQ(prozente.size(), 129u);
    EXPECT_EQ(prozente.back(), 100);
    EXPECT_EQ(mengen.front(), std::make_pair(32L, 8224L));
    EXPECT_EQ(mengen.back(), std::make_pair(8224L, 8224L));
    // The line time the progress dialog counts down from is what went over the
    // line: every frame and its ACK, 10 bits per character.
    std::size_t zeichen = 0;
    for (const auto& a : u.sim.Anfragen()) zeichen += a.size() + 1;
    EXPECT_DOUBLE_EQ(Leitungszeit(8224, true), double(zeichen) * 10.0 / 9600);

    std::vector<unsigned char> zurueck(8224);
    ASSERT_EQ(SpeicherBlockweiseLesen(p, '1', 0x2020, 8224, zurueck.data()), 0);
    EXPECT_EQ(zurueck, bild);
}

TEST_F(GeraetTest, AbbruchZwischenBloeckenSendetNichtsMehr) {
    const auto bild = Muster(640);
    std::atomic<bool> abbrechen{false};
    Blockrueckmeldung r;
    r.abbrechen = &abbrechen;
    r.fortschritt = [&](int p) {
        if (p >= 30) abbrechen = true;
    };
    EXPECT_EQ(SpeicherBlockweiseSchreiben(p, '1', 0, bild.data(), 640, r), kSendenAbgebrochen);
    EXPECT_EQ(Schreibbloecke(u.sim.Anfragen()).size(), 3u);
    EXPECT_EQ(AnzahlAnfragen(), 3u);

    // A cancelled or failing read hands back nothing.
    std::vector<unsigned char> ziel(640, 0xAA);
    abbrechen = false;
    EXPECT_EQ(SpeicherBlockweiseLesen(p, '1', 0, 640, ziel.data(), r), kLesenAbgebrochen);
    u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    EXPECT_EQ(SpeicherBlockweiseLesen(p, '1', 0, 640, ziel.data()), QavFehler::SpL_Nak);
    EXPECT_EQ(ziel, std::vector<unsigned char>(640, 0xAA));
}
