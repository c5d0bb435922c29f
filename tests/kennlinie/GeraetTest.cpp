#include "geraet/GeraetTestBasis.h"

#include "device/Protokoll.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieGeraet.h"
#include "kennlinie/KennlinieSlot.h"

#include <chrono>
#include <cmath>
#include <functional>
#include <thread>

namespace {

using Ziel = Fehlerweg::Ziel;
const KonfigDaten kK = KonfigStandardwerte();

std::vector<Fehlerweg> Wege(std::initializer_list<std::pair<Ziel, int>> w) {
    std::vector<Fehlerweg> v;
    for (auto [z, c] : w) v.push_back({z, c});
    return v;
}
const Ziel A = Ziel::Anzeige;
const Ziel P = Ziel::Popup;

unsigned Wort(const std::vector<unsigned char>& b, std::size_t o) { return b[o] * 256u + b[o + 1]; }

// Start address and count of every memory write the box received.
std::vector<std::pair<long, long>> Schreibbloecke(const std::vector<std::string>& anfragen) {
    std::vector<std::pair<long, long>> bloecke;
    for (const auto& a : anfragen)
        if (a.size() > 14 && a.compare(2, 3, "BDW") == 0)
            bloecke.emplace_back(std::stol(a.substr(6, 4), nullptr, 16), std::stol(a.substr(10, 4), nullptr, 16));
    return bloecke;
}

class KennlinieGeraet : public GeraetTest {
  protected:
    Uebertragung Senden(int slot, const Kennlinienpunkte& punkte, double begrenzung = 0.0, double anstiegszeit = 0.1,
                        const Blockrueckmeldung& r = {}) {
        return KennlinieSenden(p, '1', slot, punkte, kK, begrenzung, anstiegszeit, r);
    }
    Uebertragung Lesen(int slot, std::optional<GelesenerSlot>& ziel, const Blockrueckmeldung& r = {}) {
        return KennlinieLesen(p, '1', slot, kK, ziel, r);
    }
};

} // namespace

TEST(KennlinieSlot, AbbilderUndIhrePruefsummen) {
    SlotAbbild b;
    b.fill(0xAA);
    ASSERT_EQ(SlotAbbildErzeugen(NeuePunkte(), kK, 0.0, 0.1, b), 0);
    const std::vector<unsigned char> v(b.begin(), b.end());
    for (std::size_t x = 0; x < 4096; ++x) ASSERT_EQ(Wort(v, 32 + 2 * x), 0x0FFFu);
    std::vector<unsigned char> kopf(30, 0); // bytes 2..31: fixed value 0, code 0xFFF00, flag 0
    kopf[4] = 0x0F;
    kopf[5] = 0xFF;
    EXPECT_EQ(std::vector<unsigned char>(v.begin() + 2, v.begin() + 32), kopf);
    EXPECT_EQ(Wort(v, 0), Protokoll::Pruefsumme(v.data() + 2, 8222));
    EXPECT_EQ(Wort(v, 0), (1 + 4096 * (0x0F + 0xFF) + 0x0F + 0xFF) % 65536);

    // The fixed value is limited to output 2's range and rounded.
    const auto begrenzung = [&](double wert) {
        SlotAbbild s;
        EXPECT_EQ(SlotAbbildErzeugen(NeuePunkte(), kK, wert, 0.1, s), 0);
        return s[4] * 256 + s[5];
    };
    EXPECT_EQ(begrenzung(5.0), 2048);
    EXPECT_EQ(begrenzung(20.0), 4095);
    EXPECT_EQ(begrenzung(-3.0), 0);
    EXPECT_EQ(begrenzung(std::nan("")), 0);
    EXPECT_EQ(SlotAbbildErzeugen({{0, 4097, 0}}, kK, 0.0, 0.1, b), KennlFehler::ZuVieleEintraege);

    const LeerslotAbbild leer = LeerslotAbbildErzeugen();
    std::vector<unsigned char> erwartet(34, 0);
    erwartet[1] = 0xCF;
    erwartet[9] = 1;
    erwartet[33] = 0xCD;
    EXPECT_EQ(std::vector<unsigned char>(leer.begin(), leer.end()), erwartet);

    // Decoding: an empty slot is one point at 205; bytes after it do not count.
    SlotAbbild gelesen{};
    gelesen.fill(0x77);
    std::copy(leer.begin(), leer.end(), gelesen.begin());
    SlotInhalt inhalt;
    ASSERT_EQ(SlotAbbildAuswerten(gelesen, inhalt), 0);
    EXPECT_EQ(inhalt.punkte, (Kennlinienpunkte{{205, 1, 0}}));
    gelesen[1] ^= 1;
    inhalt.punkte.clear();
    EXPECT_EQ(SlotAbbildAuswerten(gelesen, inhalt), KennlFehler::Checksumme);
    EXPECT_TRUE(inhalt.punkte.empty());

    // Entries beyond 4095 are limited.
    ASSERT_EQ(SlotAbbildErzeugen(NeuePunkte(), kK, 0.0, 819.0, b), 0);
    b[32] = 0xFF;
    const auto summe = SlotPruefsumme(b.data());
    b[0] = static_cast<unsigned char>(summe >> 8);
    b[1] = static_cast<unsigned char>(summe);
    ASSERT_EQ(SlotAbbildAuswerten(b, inhalt), 0);
    ASSERT_EQ(inhalt.punkte.size(), 4096u);
    EXPECT_EQ(inhalt.punkte[0], (KennlinienPunkt{4095, 1, 0}));
    EXPECT_EQ(inhalt.anstiegscode, 254);
}

TEST_F(KennlinieGeraet, SendenInSlotZweiUndZuruecklesen) {
    u.sim.ModusSetzen(0x02);
    const Kennlinienpunkte kurve{{0, 100, 0}, {4095, 1, 0}};
    EXPECT_EQ(Senden(2, kurve, 2.5, 819.0).meldungen, Wege({{A, 0}}));
    const auto anfragen = u.sim.Anfragen();
    ASSERT_FALSE(anfragen.empty());
    EXPECT_EQ(anfragen.front(), "#1M1R\r");
    const auto bloecke = Schreibbloecke(anfragen);
    ASSERT_EQ(bloecke.size(), 129u);
    EXPECT_EQ(bloecke.front(), std::make_pair(0x2020L, 32L));
    EXPECT_EQ(bloecke[1], std::make_pair(0x2040L, 64L));
    EXPECT_EQ(bloecke.back().first + bloecke.back().second - 1, 0x403F);
    EXPECT_EQ(anfragen[anfragen.size() - 3], "#1M1C04\r");
    EXPECT_EQ(anfragen[anfragen.size() - 2], "#1M1S02\r");
    EXPECT_EQ(anfragen.back(), "#1S2R\r") << "the error bits after the send";
    EXPECT_EQ(u.sim.Modus(), 0x02);

    SlotAbbild bild;
    ASSERT_EQ(SlotAbbildErzeugen(kurve, kK, 2.5, 819.0, bild), 0);
    EXPECT_EQ(u.sim.Speicher(0x2020, 8224), std::vector<unsigned char>(bild.begin(), bild.end()));
    EXPECT_EQ(u.sim.Speicher(0, 16), std::vector<unsigned char>(16, 0xFF)) << "slot 1 untouched";

    std::optional<GelesenerSlot> g;
    EXPECT_EQ(Lesen(2, g).meldungen, Wege({{A, 0}}));
    ASSERT_TRUE(g);
    ASSERT_EQ(g->punkte.size(), 4096u);
    EXPECT_EQ(g->punkte[10], (KennlinienPunkt{410, 1, 0}));
    EXPECT_EQ(g->punkte[4095], (KennlinienPunkt{4095, 1, 0}));
    ASSERT_TRUE(g->begrenzung);
    EXPECT_NEAR(*g->begrenzung, 2.5, 0.002);
    EXPECT_DOUBLE_EQ(g->anstiegszeit, 819.0);
}

TEST_F(KennlinieGeraet, ZuruecklesenAnDenGrenzenVonFestwertUndAnstiegscode) {
    u.sim.ModusSetzen(0x02);
    // Slot 1: fixed value at full scale (raw 4095) and the fastest rise time,
    // code 0xFFF00; slot 2: code 0x0A0000 (k = 2560). Both codes need their
    // third byte.
    SlotAbbild voll, mittel;
    ASSERT_EQ(SlotAbbildErzeugen(NeuePunkte(), kK, 10.0, 0.1, voll), 0);
    ASSERT_EQ(SlotAbbildErzeugen(NeuePunkte(), kK, 5.0, 409.5 / 2560, mittel), 0);
    ASSERT_EQ(voll[4] * 256 + voll[5], 4095);
    ASSERT_EQ(std::vector<unsigned char>(mittel.begin() + 6, mittel.begin() + 9),
              (std::vector<unsigned char>{0x0A, 0, 0}));
    u.sim.SpeicherSetzen(static_cast<std::size_t>(SlotAdresse(1)),
                         std::vector<unsigned char>(voll.begin(), voll.end()));
    u.sim.SpeicherSetzen(static_cast<std::size_t>(SlotAdresse(2)),
                         std::vector<unsigned char>(mittel.begin(), mittel.end()));

    std::optional<GelesenerSlot> g;
    EXPECT_EQ(Lesen(1, g).meldungen, Wege({{A, 0}}));
    ASSERT_TRUE(g);
    ASSERT_TRUE(g->begrenzung) << "raw 4095 is a valid fixed value";
    EXPECT_DOUBLE_EQ(*g->begrenzung, 10.0);
    EXPECT_DOUBLE_EQ(g->anstiegszeit, 0.1);

    EXPECT_EQ(Lesen(2, g).meldungen, Wege({{A, 0}}));
    ASSERT_TRUE(g);
    EXPECT_DOUBLE_EQ(g->anstiegszeit, 409.5 / 2560);
    SlotInhalt inhalt;
    ASSERT_EQ(SlotAbbildAuswerten(mittel, inhalt), 0);
    EXPECT_EQ(inhalt.anstiegscode, 0x0A0000);
}

TEST_F(KennlinieGeraet, GeneratorSpeicherWirdMitSiebenLeerenSlotsVorbereitet) {
    u.sim.ModusSetzen(0x04);
    u.sim.SpeicherSetzen(0, std::vector<unsigned char>(60000, 0x11));
    EXPECT_EQ(Senden(3, NeuePunkte()).meldungen, Wege({{A, 0}}));
    const auto anfragen = u.sim.Anfragen();
    // Each empty image is its own block write with its mode change.
    ASSERT_GT(anfragen.size(), 6u);
    EXPECT_EQ(anfragen[1].substr(0, 14), "#1BDW400000022");
    EXPECT_EQ(anfragen[2], "#1M1C04\r");
    EXPECT_EQ(anfragen[3], "#1M1S02\r");
    EXPECT_EQ(anfragen[4].substr(0, 14), "#1BDW420200020"); // slot 2 crosses a page
    EXPECT_EQ(anfragen[5].substr(0, 14), "#1BDW420400002");
    EXPECT_EQ(u.sim.Modus(), 0x02);

    const LeerslotAbbild leer = LeerslotAbbildErzeugen();
    for (int s = 1; s <= 7; ++s) {
        std::optional<GelesenerSlot> g;
        EXPECT_EQ(Lesen(s, g).meldungen, Wege({{A, 0}})) << s;
        ASSERT_TRUE(g) << s;
        if (s == 3) {
            ASSERT_EQ(g->punkte.size(), 4096u);
            EXPECT_EQ(g->punkte[100].yWert, 4095);
        } else {
            EXPECT_EQ(g->punkte, (Kennlinienpunkte{{205, 1, 0}})) << s;
            EXPECT_EQ(u.sim.Speicher(static_cast<std::size_t>(SlotAdresse(s)), 34),
                      std::vector<unsigned char>(leer.begin(), leer.end()));
        }
    }
}

TEST_F(KennlinieGeraet, AbgelehnteUndGestoerteUebertragungen) {
    u.sim.ModusSetzen(0x02);
    std::optional<GelesenerSlot> g;
    // Wrong slots and a curve too long for the table: no traffic at all.
    EXPECT_EQ(Senden(0, NeuePunkte()).meldungen, Wege({{P, KennlFehler::SendenKurvennummer}}));
    EXPECT_EQ(Senden(8, NeuePunkte()).meldungen, Wege({{P, KennlFehler::SendenKurvennummer}}));
    EXPECT_EQ(Lesen(0, g).meldungen, Wege({{P, KennlFehler::LesenKurvennummer}}));
    EXPECT_EQ(Lesen(8, g).meldungen, Wege({{P, KennlFehler::LesenKurvennummer}}));
    EXPECT_EQ(Senden(1, {{0, 5000, 0}}).meldungen, Wege({{P, KennlFehler::ZuVieleEintraege}}));
    EXPECT_EQ(AnzahlAnfragen(), 0u);

    // No open port.
    EXPECT_EQ(KennlinieSenden(-1, '1', 1, NeuePunkte(), kK, 0, 0.1).meldungen,
              Wege({{A, 0}, {A, KennlFehler::PruefenPort}}));
    EXPECT_EQ(KennlinieLesen(-1, '1', 1, kK, g).meldungen, Wege({{A, 0}, {P, KennlFehler::PruefenPort}}));
    EXPECT_EQ(Ausgang4Setzen(-1, '1', 3).meldungen, Wege({{A, KennlFehler::Ausgang4Port}}));

    // A slot whose stored checksum is off by one leaves the caller's curve alone.
    SlotAbbild bild;
    ASSERT_EQ(SlotAbbildErzeugen(NeuePunkte(), kK, 1.0, 0.1, bild), 0);
    bild[1] = static_cast<unsigned char>(bild[1] + 1);
    u.sim.SpeicherSetzen(0, std::vector<unsigned char>(bild.begin(), bild.end()));
    EXPECT_EQ(Lesen(1, g).meldungen, Wege({{A, 0}, {A, KennlFehler::Checksumme}}));
    EXPECT_FALSE(g);
    EXPECT_EQ(Lesen(1, g).Fehlercode(), -897513);

    // A fixed value out of range: the points come, the field keeps its value.
    bild[1] = static_cast<unsigned char>(bild[1] - 1);
    bild[4] = 0x10;
    const auto summe = SlotPruefsumme(bild.data());
    bild[0] = static_cast<unsigned char>(summe >> 8);
    bild[1] = static_cast<unsigned char>(summe);
    u.sim.SpeicherSetzen(0, std::vector<unsigned char>(bild.begin(), bild.end()));
    EXPECT_EQ(Lesen(1, g).meldungen, Wege({{A, 0}, {A, KennlFehler::BegrenzungFehlerhaft}}));
    ASSERT_TRUE(g);
    EXPECT_FALSE(g->begrenzung);
    EXPECT_EQ(g->punkte.size(), 4096u);

    // Memory without characteristic curves cannot be read.
    u.sim.ModusSetzen(0x06);
    u.sim.AnfragenLoeschen();
    EXPECT_EQ(Lesen(1, g).meldungen, Wege({{A, 0}, {A, KennlFehler::LesenKeineKennlinien}}));
    EXPECT_FALSE(g);
    EXPECT_EQ(u.sim.Anfragen(), std::vector<std::string>{"#1M1R\r"});

    // Device errors pass through to the indicator.
    u.sim.ModusSetzen(0x02);
    u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    EXPECT_EQ(Senden(1, NeuePunkte()).meldungen, Wege({{A, 0}, {A, QavFehler::ModL_Nak}}));
    u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    EXPECT_EQ(Lesen(1, g).meldungen, Wege({{A, 0}, {P, QavFehler::ModL_Nak}}));
}

TEST_F(KennlinieGeraet, AbbruchSendetNachDemAbbruchNichtsMehr) {
    u.sim.ModusSetzen(0x02);
    std::atomic<bool> abbrechen{false};
    std::vector<int> prozente;
    Blockrueckmeldung r;
    r.abbrechen = &abbrechen;
    r.fortschritt = [&](int p) {
        prozente.push_back(p);
        if (p >= 30) abbrechen = true;
    };
    EXPECT_EQ(Senden(4, NeuePunkte(), 0, 0.1, r).meldungen, Wege({{A, 0}, {A, kSendenAbgebrochen}}));
    const std::size_t gesendet = Schreibbloecke(u.sim.Anfragen()).size();
    EXPECT_EQ(gesendet, prozente.size());
    EXPECT_EQ(AnzahlAnfragen(), 1 + gesendet) << "no frame after the cancel, no mode change";
    EXPECT_LT(gesendet, 129u);

    // A cancelled read hands nothing over.
    std::optional<GelesenerSlot> g;
    abbrechen = false;
    prozente.clear();
    EXPECT_EQ(Lesen(4, g, r).meldungen, Wege({{A, 0}, {A, kLesenAbgebrochen}}));
    EXPECT_FALSE(g);
    EXPECT_FALSE(prozente.empty());
}

TEST_F(KennlinieGeraet, SimulatorSpieltGesendeteSlotsUndAusgang4Waehlt) {
    // Slot 2 rises, falls and holds; slot 5 holds 1000.
    const Kennlinienpunkte kurve{{0, 1000, 0}, {3000, 2000, 0}, {500, 1, 0}};
    Kennlinientabelle tabelle;
    ASSERT_EQ(Digitalisieren(kurve, tabelle), 0);
    ASSERT_EQ(Senden(2, kurve, 3.0).Fehlercode(), 0);
    ASSERT_EQ(Senden(5, {{1000, 0, 0}}, 7.5).Fehlercode(), 0);
    // The box's controller follows the inputs on its own clock: wait for what it must reach.
    const auto bis = [](const std::function<bool()>& erreicht) {
        const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!erreicht() && std::chrono::steady_clock::now() < ende)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    // The curve-selection input is wired to output 4.
    ASSERT_TRUE(Ausgang4Setzen(p, '1', 2).meldungen.empty());
    u.sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, 0.0, 0, 1});
    ASSERT_EQ(QAVKSV5_DeviceFunction(p, '1', "start"), 0);
    for (double volt : {0.0, 1.234, 2.4, 5.0, 7.3, 9.999, 10.0}) {
        u.sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, volt, 0, 1});
        const auto x = static_cast<std::size_t>(std::trunc(volt * 409.5 + 0.5));
        bis([&] { return u.sim.Ausgang(1) == tabelle[x]; });
        EXPECT_EQ(u.sim.Ausgang(1), tabelle[x]) << volt;
    }
    EXPECT_EQ(u.sim.Laufzustand(), SimGeraet::Lauf::Kennlinie);
    EXPECT_EQ(u.sim.Ausgang(2), 1229);
    ASSERT_TRUE(Ausgang4Setzen(p, '1', 5).meldungen.empty());
    bis([&] { return u.sim.Ausgang(1) == 1000 && u.sim.Ausgang(2) == 3071; });
    unsigned char fehler = 0xFF;
    ASSERT_EQ(QAVKSV5_StatusLesen(p, '1', 2, fehler), 0);
    EXPECT_EQ(fehler, 0);
    EXPECT_EQ(u.sim.Ausgang(1), 1000);
    EXPECT_EQ(u.sim.Ausgang(2), 3071);

    // Output 4 carries the slot number in volts; an empty slot selects nothing.
    EXPECT_TRUE(Ausgang4Setzen(p, '1', 3).meldungen.empty());
    EXPECT_EQ(u.sim.Ausgang(4), 1229);
    EXPECT_EQ(LetzteAnfrage(), "#1V4W3.000\r");
    bis([&] { return QAVKSV5_StatusLesen(p, '1', 2, fehler) == 0 && fehler == 0x10; });
    ASSERT_EQ(QAVKSV5_StatusLesen(p, '1', 2, fehler), 0);
    EXPECT_EQ(fehler, 0x10);
}
