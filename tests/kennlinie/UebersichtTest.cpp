// The slot overview against the simulated box: empty and used slots, the
// sampled entries against the digitised table, cancel and failure mid-way.
#include "geraet/GeraetTestBasis.h"

#include "device/Qavksv5Fehler.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/KennlinieUebersicht.h"

#include <algorithm>

namespace {

const KonfigDaten kK = KonfigStandardwerte();

std::vector<int> Codes(const Uebertragung& u) {
    std::vector<int> c;
    for (const auto& m : u.meldungen) {
        EXPECT_EQ(m.ziel, Fehlerweg::Ziel::Anzeige);
        c.push_back(m.code);
    }
    return c;
}

// Memory reads of the overview: (start, count).
std::vector<std::pair<long, long>> Lesebloecke(const std::vector<std::string>& anfragen) {
    std::vector<std::pair<long, long>> b;
    for (const auto& a : anfragen)
        if (a.size() > 14 && a.compare(2, 3, "BDR") == 0)
            b.emplace_back(std::stol(a.substr(6, 4), nullptr, 16), std::stol(a.substr(10, 4), nullptr, 16));
    return b;
}

class KennlinieUebersicht : public GeraetTest {
  protected:
    Uebertragung Lesen(std::vector<SlotZeile>& z, const Blockrueckmeldung& r = {}) {
        return SlotUebersichtLesen(p, '1', z, r);
    }
    void Senden(int slot, const Kennlinienpunkte& punkte, double begrenzung, double anstieg) {
        ASSERT_EQ(KennlinieSenden(p, '1', slot, punkte, kK, begrenzung, anstieg).Fehlercode(), 0);
    }
};

} // namespace

TEST_F(KennlinieUebersicht, LeereSlotsUndSpeicherOhneKennlinien) {
    // Spread over the whole table, both ends included, each input once.
    EXPECT_EQ(StichprobenEingang(0), 0);
    EXPECT_EQ(StichprobenEingang(kStichproben - 1), 4095);
    for (int i = 1; i < kStichproben; ++i) EXPECT_GT(StichprobenEingang(i), StichprobenEingang(i - 1));

    std::vector<SlotZeile> z{SlotZeile{}};
    EXPECT_EQ(SlotUebersichtLesen(-1, '1', z).Fehlercode(), KennlFehler::BlockLesenPort);
    EXPECT_TRUE(z.empty());

    u.sim.ModusSetzen(0x06); // generator curves as well: not a curve memory
    EXPECT_EQ(Codes(Lesen(z)), (std::vector<int>{0, KennlFehler::BlockLesenKeineKennlinien}));
    EXPECT_TRUE(z.empty());
    EXPECT_EQ(u.sim.Anfragen(), std::vector<std::string>{"#1M1R\r"}) << "nothing read from the memory";

    // A send into an unprepared memory leaves the other six slots empty.
    u.sim.ModusSetzen(0);
    Senden(3, NeuePunkte(), 0.0, 0.1);
    u.sim.AnfragenLoeschen();
    std::vector<int> prozente;
    EXPECT_EQ(Codes(Lesen(z, {[&](int p) { prozente.push_back(p); }, nullptr, nullptr})), std::vector<int>{0});
    ASSERT_EQ(z.size(), 7u);
    for (int s = 1; s <= 7; ++s) {
        EXPECT_EQ(z[s - 1].slot, s);
        EXPECT_EQ(z[s - 1].kopf.belegt, s == 3) << s;
        EXPECT_EQ(z[s - 1].werte.size(), s == 3 ? std::size_t(kStichproben) : 0u) << s;
    }
    // Empty slots cost their head alone: ten bytes at each slot's start.
    const auto bloecke = Lesebloecke(u.sim.Anfragen());
    ASSERT_EQ(bloecke.size(), 7u + kStichproben);
    EXPECT_EQ(bloecke[0], std::make_pair(0L, 10L));
    EXPECT_EQ(bloecke[2], std::make_pair(SlotAdresse(3), 10L));
    EXPECT_EQ(bloecke[3], std::make_pair(SlotAdresse(3) + 32, 2L));
    EXPECT_EQ(bloecke.back(), std::make_pair(SlotAdresse(7), 10L));
    ASSERT_FALSE(prozente.empty());
    EXPECT_TRUE(std::is_sorted(prozente.begin(), prozente.end()));
    EXPECT_EQ(prozente.back(), 100);
}

TEST_F(KennlinieUebersicht, BelegteSlotsZeigenKopfUndStichprobenDerTabelle) {
    u.sim.ModusSetzen(0x02);
    const Kennlinienpunkte steigend{{0, 1000, 0}, {4095, 1, 0}};
    const Kennlinienpunkte knick{{4095, 300, 0}, {200, 2000, 0}, {3000, 1, 0}};
    Senden(2, steigend, 2.5, 819.0);
    Senden(7, knick, 10.0, 0.1);
    std::vector<SlotZeile> z;
    EXPECT_EQ(Codes(Lesen(z)), std::vector<int>{0});
    ASSERT_EQ(z.size(), 7u);

    const auto pruefen = [&](int slot, const Kennlinienpunkte& punkte, double begrenzung, double anstieg) {
        const SlotZeile& zeile = z[static_cast<std::size_t>(slot - 1)];
        ASSERT_TRUE(zeile.kopf.belegt);
        SlotAbbild bild;
        ASSERT_EQ(SlotAbbildErzeugen(punkte, kK, begrenzung, anstieg, bild), 0);
        EXPECT_EQ(zeile.kopf.begrenzungRoh, bild[4] * 256 + bild[5]);
        EXPECT_DOUBLE_EQ(zeile.kopf.anstiegszeit, AnstiegszeitRealisierbar(anstieg));
        Kennlinientabelle t;
        ASSERT_EQ(Digitalisieren(punkte, t), 0);
        ASSERT_EQ(zeile.werte.size(), std::size_t(kStichproben));
        for (int i = 0; i < kStichproben; ++i)
            EXPECT_EQ(zeile.werte[i], t[StichprobenEingang(i)]) << "slot " << slot << " entry " << i;
    };
    pruefen(2, steigend, 2.5, 819.0);
    pruefen(7, knick, 10.0, 0.1);
    EXPECT_EQ(z[6].kopf.begrenzungRoh, 4095);
    for (int s : {1, 3, 4, 5, 6}) EXPECT_FALSE(z[s - 1].kopf.belegt) << s;

    // Entries above the 12 bits (a damaged table) are limited as a full read would.
    u.sim.SpeicherSetzen(SlotAdresse(2) + 32, {0xFF, 0xFF});
    EXPECT_EQ(Codes(Lesen(z)), std::vector<int>{0});
    EXPECT_EQ(z[1].werte.front(), 4095);
}

TEST_F(KennlinieUebersicht, AbbruchUndStoerungBehaltenDieGelesenenZeilen) {
    u.sim.ModusSetzen(0x02);
    for (int s = 1; s <= 7; ++s) Senden(s, NeuePunkte(), 0.0, 0.1);
    std::atomic<bool> abbrechen{false};
    Blockrueckmeldung r;
    r.abbrechen = &abbrechen;
    // One report per request: head and entries of a used slot.
    int meldungen = 0;
    r.fortschritt = [&](int) {
        if (++meldungen == 3 * (1 + kStichproben)) abbrechen = true; // slot 3 complete
    };
    std::vector<SlotZeile> z;
    u.sim.AnfragenLoeschen();
    EXPECT_EQ(Codes(Lesen(z, r)), (std::vector<int>{0, kLesenAbgebrochen}));
    ASSERT_EQ(z.size(), 3u);
    for (const auto& zeile : z) EXPECT_EQ(zeile.werte, std::vector<int>(kStichproben, 4095));
    EXPECT_EQ(AnzahlAnfragen(), 1 + 3 * (1 + kStichproben)) << "no request after the cancel";

    // A box that stops answering in slot 5 leaves slots 1..4.
    abbrechen = false;
    meldungen = 0;
    r.fortschritt = [&](int) {
        if (++meldungen == 4 * (1 + kStichproben)) u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    };
    EXPECT_EQ(Codes(Lesen(z, r)), (std::vector<int>{0, QavFehler::SpL_Nak}));
    EXPECT_EQ(z.size(), 4u);
}
