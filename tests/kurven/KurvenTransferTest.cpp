#include "KurvenHilfe.h"
#include "geraet/GeraetTestBasis.h"

#include "device/Schreibpruefung.h"
#include "kurven/KurvenAnsicht.h"
#include "kurven/KurvenDigital.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenTransfer.h"
#include "sim/SimGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kurvengenerator;

namespace {

unsigned Wort(const std::vector<unsigned char>& b, std::size_t pos) { return b[pos] * 256u + b[pos + 1]; }

std::vector<unsigned> Woerter(const std::vector<unsigned char>& b, std::size_t von, std::size_t bis) {
    std::vector<unsigned> w;
    for (std::size_t p = von; p + 1 <= bis; p += 2) w.push_back(Wort(b, p));
    return w;
}

// Curves on several time bases, with cycles and rest values.
Kurvensatz Gemischt() {
    Kurvensatz s;
    s.kurven[0] = KurveAus({{0, 4, 1}, {4095, 2, 2}, {2000, 1, 2}});
    s.kurven[1] = KurveAus({{100, 3, 11}, {200, 1, 11}});
    s.kurven[2] = KurveAus({{3000, 2, 7}, {1000, 1, 7}});
    s.zyklen = {2, 1, 0, 3};
    s.ruhewert = {11, 22, 33, 4095};
    return s;
}

bool NurFehleranzeige(const Meldungen& m, std::initializer_list<int> codes) {
    std::vector<int> ist, soll(codes);
    for (const Meldung& x : m) {
        if (x.art != Meldung::Art::Fehleranzeige) return false;
        ist.push_back(x.code);
    }
    return ist == soll;
}

class KurvenTransfer : public GeraetTest {
  protected:
    std::vector<unsigned char> Speicher(std::size_t n) { return u.sim.Speicher(0, n); }
};

} // namespace

TEST_F(KurvenTransfer, AbbildKopfWoerterUndGrenzen) {
    // Sends the image of s and returns what the box's memory holds afterwards.
    auto senden = [&](const Kurvensatz& s) {
        u.sim.SpeicherSetzen(0, std::vector<unsigned char>(64, 0xFF));
        const Sendeergebnis e = KurvenSenden(p, '1', s, {});
        EXPECT_EQ(e.code, 0);
        return Speicher(AbbildErstellen(s).bytes.size());
    };
    Kurvensatz s;
    std::vector<unsigned char> bild = senden(s);
    ASSERT_EQ(bild.size(), 40u);
    EXPECT_EQ(Woerter(bild, 2, 9), (std::vector<unsigned>{33, 35, 37, 39}));
    EXPECT_EQ(Woerter(bild, 32, 39), (std::vector<unsigned>{0x6000, 0x6000, 0x6000, 0x6000}));
    EXPECT_EQ(bild[26], 4);
    EXPECT_EQ(Wort(bild, 0), Pruefsumme(bild.data(), 39));
    EXPECT_EQ(Wort(bild, 0), 1u + 33 + 35 + 37 + 39 + 4 + 4 * 0x60);
    EXPECT_EQ(u.sim.Speicher(40, 1), std::vector<unsigned char>{0xFF});

    s.kurven[0] = KurveAus({{1000, 3, 1}});
    // Cycles 0 run endlessly; a rest value entered below the range is 0 counts.
    s.zyklen[0] = 5;
    s.ruhewert[0] = 7;
    ZyklenUndRuhewertSetzen(s, 0, 0, -1.0, KonfigStandardwerte());
    bild = senden(s);
    ASSERT_EQ(bild.size(), 44u);
    EXPECT_EQ(Woerter(bild, 32, 37), (std::vector<unsigned>{0x03E8, 0x03E8, 0x03E8}));
    EXPECT_EQ(Wort(bild, 10), 0u);
    EXPECT_EQ(Wort(bild, 18), 0u);

    // 32 + 2 x 32752 bytes fit exactly (sent in VolleSpeicherbelegungHinUndZurueck);
    // one tick more is refused and nothing goes out.
    s.kurven[0] = KurveAus({{0, 32749, 1}});
    Speicherabbild a = AbbildErstellen(s);
    ASSERT_EQ(a.bytes.size(), 65536u);
    EXPECT_EQ(Wort(a.bytes, 8), 65535u);
    s.kurven[0].punkte[0].laenge += 1;
    u.sim.AnfragenLoeschen();
    const Sendeergebnis zuGross = KurvenSenden(p, '1', s, {});
    EXPECT_EQ(zuGross.code, KurvenFehler::SendenZuGross);
    EXPECT_EQ(AnzahlAnfragen(), 0u);
    ASSERT_EQ(zuGross.meldungen.size(), 1u);
    EXPECT_EQ(zuGross.meldungen[0].art, Meldung::Art::Popup);
    EXPECT_EQ(zuGross.meldungen[0].titel, "Fehler");
    EXPECT_EQ(zuGross.meldungen[0].text,
              "Benötigter Platz für die Kurven überschreitet\nden verfügbaren Speicherplatz in der DLM-7.");

    // Values from a file that the box cannot take are named, not sent.
    for (auto verderben : std::initializer_list<void (*)(Kurvensatz&)>{
             [](Kurvensatz& x) { x.kurven[3].punkte[0].zeitbasis = 13; },
             [](Kurvensatz& x) { x.kurven[1].punkte[0].laenge = 0; }, [](Kurvensatz& x) { x.zyklen[2] = 65536; },
             [](Kurvensatz& x) { x.ruhewert[0] = -1; }}) {
        Kurvensatz kaputt;
        verderben(kaputt);
        a = AbbildErstellen(kaputt);
        EXPECT_EQ(a.code, KurvenFehler::SendenDatenUngueltig);
        ASSERT_EQ(a.meldungen.size(), 1u);
        EXPECT_NE(a.meldungen[0].text.find("nicht zur DLM-7 geschrieben"), std::string::npos);
    }
    Kurvensatz kaputt;
    kaputt.kurven[3].punkte[0].zeitbasis = 13;
    a = AbbildErstellen(kaputt);
    ASSERT_EQ(a.meldungen.size(), 1u);
    EXPECT_EQ(a.meldungen[0].text,
              "Kurve 4, Punkt 1: unbekannte Zeitbasis 13.\nDie Kurven können so nicht zur DLM-7 geschrieben werden.");
}

TEST(KurvenAbbild, LaengenWarnung) {
    Kurvensatz s;
    s.kurven[0] = KurveAus({{0, 1, 11}, {4095, 1, 11}});
    s.kurven[1] = KurveAus({{0, 19, 10}, {4095, 1, 10}});
    EXPECT_FALSE(LaengenPruefen(s).ungleich);
    s.kurven[1].punkte[0].laenge = 14;
    const Laengenwarnung w = LaengenPruefen(s);
    EXPECT_TRUE(w.ungleich);
    EXPECT_EQ(w.text, "Kurven sind nicht gleich lang, und laufen daher nicht synchron.\n\n"
                      "Kurve 1: 2.00000 sek\nKurve 2: 1.50000 sek\n");
}

TEST_F(KurvenTransfer, SendenSchaltetGeneratorEinUndDerSimulatorSpieltEs) {
    u.sim.ModusSetzen(0x03);
    const Kurvensatz s = Gemischt();
    std::vector<int> prozente;
    Blockrueckmeldung r;
    r.fortschritt = [&](int p) { prozente.push_back(p); };
    const Sendeergebnis e = KurvenSenden(p, '1', s, r);
    ASSERT_EQ(e.code, 0);
    EXPECT_TRUE(NurFehleranzeige(e.meldungen, {0}));
    EXPECT_EQ(u.sim.Modus(), 0x05);
    ASSERT_FALSE(prozente.empty());
    EXPECT_EQ(prozente.back(), 100);
    const Speicherabbild a = AbbildErstellen(s);
    EXPECT_EQ(Speicher(a.bytes.size()), a.bytes);
    const auto anfragen = u.sim.Anfragen();
    ASSERT_GE(anfragen.size(), 2u);
    EXPECT_EQ(anfragen[anfragen.size() - 2], "#1M1S04\r");
    EXPECT_EQ(anfragen.back(), "#1S2R\r") << "the error bits after the send";

    // The simulator plays every tick on its time base, the cycles, then the rest value.
    SimSpeicher::Abbild bild{};
    const auto roh = Speicher(65536);
    std::copy(roh.begin(), roh.end(), bild.begin());
    SimGenerator g;
    ASSERT_EQ(g.Laden(bild), 0);
    for (int k = 0; k < 4; ++k) {
        const Kurve& kurve = s.kurven[static_cast<std::size_t>(k)];
        const auto werte = KurveDigitalisieren(kurve);
        std::size_t ticks = 0;
        for (const Kurvenpunkt& pt : kurve.punkte) ticks += static_cast<std::size_t>(pt.laenge);
        ASSERT_EQ(werte.size(), ticks) << k;
        const double periode = KurvenLaenge(kurve) / 1e6;
        std::size_t n = 0;
        double t = 0.0;
        for (const Kurvenpunkt& pt : kurve.punkte)
            for (int i = 0; i < pt.laenge; ++i, ++n) {
                const double tick = ZeitbasisDauer(pt.zeitbasis) / 1e6;
                EXPECT_EQ(g.Ausgang(k, t + tick / 2), werte[n]) << k << " " << n;
                EXPECT_EQ(g.Ausgang(k, periode + t + tick / 2), s.zyklen[k] == 1 ? s.ruhewert[k] : werte[n]);
                t += tick;
            }
        if (s.zyklen[k] > 0) { EXPECT_EQ(g.Ausgang(k, s.zyklen[k] * periode + 1e-6), s.ruhewert[k]) << k; }
    }
    EXPECT_FALSE(g.Fertig(3.9));
    EXPECT_TRUE(g.Fertig(4.0 + 1e-6)); // the longest: curve 2, one cycle of 4 s
    ASSERT_EQ(QAVKSV5_DeviceFunction(p, '1', "start"), 0);
    unsigned char fehler = 0xFF;
    ASSERT_EQ(QAVKSV5_StatusLesen(p, '1', 2, fehler), 0);
    EXPECT_EQ(fehler, 0);
    EXPECT_EQ(u.sim.Laufzustand(), SimGeraet::Lauf::Generator);
}

TEST_F(KurvenTransfer, VolleSpeicherbelegungHinUndZurueck) {
    Kurvensatz s;
    s.kurven[0] = KurveAus({{0, 32749, 1}});
    ASSERT_EQ(KurvenSenden(p, '1', s, {}).code, 0);
    std::vector<int> prozente;
    Blockrueckmeldung r;
    r.fortschritt = [&](int pz) { prozente.push_back(pz); };
    Leseergebnis l = KurvenLesen(p, '1', r);
    ASSERT_EQ(l.code, 0);
    ASSERT_TRUE(l.kurven);
    EXPECT_EQ(prozente.size(), 1024u); // the header read shows no progress
    ASSERT_EQ(l.kurven->punkte[0].size(), 32749u);
    EXPECT_EQ(l.kurven->punkte[0][100], (Kurvenpunkt{0, 1, 1}));
    EXPECT_EQ(l.kurven->punkte[1], std::vector<Kurvenpunkt>{kFrischerPunkt});
}

TEST_F(KurvenTransfer, LesenGibtEinenPunktJeTick) {
    Kurvensatz s = Gemischt();
    ASSERT_EQ(KurvenSenden(p, '1', s, {}).code, 0);
    Leseergebnis l = KurvenLesen(p, '1', {});
    ASSERT_EQ(l.code, 0);
    EXPECT_TRUE(NurFehleranzeige(l.meldungen, {0}));
    ASSERT_TRUE(l.kurven);
    const auto werte = KurveDigitalisieren(s.kurven[0]);
    ASSERT_EQ(l.kurven->punkte[0].size(), werte.size());
    for (std::size_t i = 0; i < werte.size(); ++i) {
        EXPECT_EQ(l.kurven->punkte[0][i].wert, werte[i]);
        EXPECT_EQ(l.kurven->punkte[0][i].laenge, 1);
        EXPECT_EQ(l.kurven->punkte[0][i].zeitbasis, i < 4 ? 1 : 2);
    }
    Kurvensatz ziel;
    ziel.kurven[1].kommentar = "bleibt";
    ziel.dateiPfad = "/tmp/a.dlr";
    GeleseneKurvenUebernehmen(ziel, std::move(*l.kurven));
    EXPECT_EQ(ziel.zyklen, s.zyklen);
    EXPECT_EQ(ziel.ruhewert, s.ruhewert);
    EXPECT_EQ(KurvenLaenge(ziel.kurven[1]), KurvenLaenge(s.kurven[1]));
    EXPECT_EQ(ziel.kurven[1].kommentar, "bleibt");
    EXPECT_EQ(ziel.dateiPfad, "");
    EXPECT_FALSE(ziel.geaendert);
}

TEST_F(KurvenTransfer, LesefehlerLandenAufDerFehleranzeige) {
    ASSERT_EQ(KurvenSenden(p, '1', Kurvensatz{}, {}).code, 0);
    auto lesen = [&](std::size_t pos, std::vector<unsigned char> bytes) {
        const auto vorher = u.sim.Speicher(0, 40);
        u.sim.SpeicherSetzen(pos, bytes);
        Leseergebnis l = KurvenLesen(p, '1', {});
        u.sim.SpeicherSetzen(0, vorher);
        EXPECT_FALSE(l.kurven);
        EXPECT_TRUE(NurFehleranzeige(l.meldungen, {0, l.code}));
        return l.code;
    };
    EXPECT_EQ(lesen(38, {0x60, 0x01}), KurvenFehler::LesenPruefsumme);
    // Consistent checksums with broken contents.
    auto mitSumme = [](std::vector<unsigned char> b) {
        const std::uint16_t summe = Pruefsumme(b.data(), static_cast<long>(b.size()) - 1);
        b[0] = static_cast<unsigned char>(summe >> 8);
        b[1] = static_cast<unsigned char>(summe);
        return b;
    };
    const auto frisch = AbbildErstellen(Kurvensatz{}).bytes;
    ASSERT_EQ(frisch.size(), 40u);
    auto bild = frisch;
    bild[3] = 40; // curve 1 ends behind curve 2
    EXPECT_EQ(lesen(0, mitSumme(bild)), KurvenFehler::LesenAnfang);
    bild = frisch;
    bild[3] = 34; // curve 1 ends inside a word
    EXPECT_EQ(lesen(0, mitSumme(bild)), KurvenFehler::DekodierenUngerade);
    bild = frisch;
    bild[36] = 0xC0;
    EXPECT_EQ(lesen(0, mitSumme(bild)), KurvenFehler::DekodierenZeitbasis);

    u.sim.ModusSetzen(0x06);
    EXPECT_EQ(lesen(0, {}), KurvenFehler::KeineKurven);
    u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    EXPECT_EQ(lesen(0, {}), QavFehler::ModL_Nak);
    EXPECT_EQ(KurvenLesen(-1, '1', {}).code, KurvenFehler::LesenKeinPort);
    EXPECT_EQ(KurvenSenden(-1, '1', Kurvensatz{}, {}).code, KurvenFehler::SendenKeinPort);
}

TEST_F(KurvenTransfer, AbbruchSendetNichtsMehr) {
    Kurvensatz s;
    s.kurven[0] = KurveAus({{0, 300, 1}});
    u.sim.AnfragenLoeschen();
    std::atomic<bool> abbrechen{false};
    Blockrueckmeldung r;
    r.abbrechen = &abbrechen;
    r.fortschritt = [&](int pz) {
        if (pz >= 30) abbrechen = true;
    };
    const Sendeergebnis e = KurvenSenden(p, '1', s, r);
    EXPECT_EQ(e.code, kSendenAbgebrochen);
    EXPECT_TRUE(NurFehleranzeige(e.meldungen, {0, kSendenAbgebrochen}));
    EXPECT_EQ(AnzahlAnfragen(), 3u); // 3 of 10 blocks, no mode change
    EXPECT_EQ(u.sim.Modus(), 0);

    // A cancel during the last block still leaves the mode alone.
    abbrechen = false;
    r.fortschritt = [&](int pz) {
        if (pz == 100) abbrechen = true;
    };
    u.sim.AnfragenLoeschen();
    EXPECT_EQ(KurvenSenden(p, '1', Kurvensatz{}, r).code, kSendenAbgebrochen);
    EXPECT_EQ(AnzahlAnfragen(), 1u);

    // A cancelled read hands back nothing.
    abbrechen = false;
    ASSERT_EQ(KurvenSenden(p, '1', s, {}).code, 0);
    r.fortschritt = [&](int pz) {
        if (pz >= 50) abbrechen = true;
    };
    const Leseergebnis l = KurvenLesen(p, '1', r);
    EXPECT_EQ(l.code, kLesenAbgebrochen);
    EXPECT_FALSE(l.kurven);
}

namespace {

// With the check, one progress runs 0..50 for the write and 50..100 for the
// read-back, never backwards; a cell that drops its byte fails the send.
TEST_F(KurvenTransfer, PruefenNachDemSendenEinFortschrittBisHundert) {
    const Kurvensatz s = Gemischt();
    std::vector<int> prozente;
    Blockrueckmeldung r;
    r.fortschritt = [&](int p) { prozente.push_back(p); };
    Sendeergebnis e = KurvenSenden(p, '1', s, r, true);
    ASSERT_EQ(e.code, 0);
    ASSERT_FALSE(prozente.empty());
    EXPECT_TRUE(std::is_sorted(prozente.begin(), prozente.end()));
    EXPECT_NE(std::find(prozente.begin(), prozente.end(), 50), prozente.end());
    EXPECT_EQ(prozente.back(), 100);

    u.sim.SpeicherfehlerSetzen(0x21);
    e = KurvenSenden(p, '1', s, {}, true);
    EXPECT_EQ(e.code, kPruefungAbweichung);
    ASSERT_EQ(e.meldungen.size(), 3u);
    EXPECT_EQ(e.meldungen[1].titel, "Fehler");
    EXPECT_EQ(e.meldungen[1].text.rfind("Erste abweichende Adresse: 0x0021 ", 0), 0u) << e.meldungen[1].text;
    EXPECT_EQ(e.meldungen[2].art, Meldung::Art::Fehleranzeige);
    EXPECT_EQ(e.meldungen[2].code, kPruefungAbweichung);
}

} // namespace
