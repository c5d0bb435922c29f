// Comparing what the editor would send with what the box holds, on the
// simulator: a characteristic-curve slot and the generator image.
#include "Kurvenbild.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinienVergleich.h"
#include "kern/Dezimal.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenVergleich.h"
#include "sim/SimUmgebung.h"

#include <gtest/gtest.h>

namespace {

struct Vergleich : ::testing::Test {
    SimUmgebung box;
    int p = 0;
    void SetUp() override {
        ASSERT_TRUE(box.bereit()) << box.fehler;
        ASSERT_EQ(box.Oeffnen(0.5), 0);
        p = box.port;
    }
};

// 4096 points of length 1, as a curve read from a box: one table entry each.
Kennlinienpunkte Stufen() {
    Kennlinienpunkte k;
    for (int x = 0; x < kTabellenGroesse; ++x) k.push_back({(x * 7) % 4096, 1, 0});
    return k;
}

TEST_F(Vergleich, KennlinieGleichEinEintragParameterUndLeererPlatz) {
    const KonfigDaten k = KonfigStandardwerte();
    Kennlinienpunkte kurve = Stufen();
    ASSERT_EQ(KennlinieSenden(p, '1', 3, kurve, k, 5.0, 250.0).Fehlercode(), 0);

    // Equal: nothing differs, and the box's curve comes back for drawing.
    KennlinienVergleichLauf l = KennlinieVergleichen(p, '1', 3, kurve, k, 5.0, 250.0);
    ASSERT_EQ(l.uebertragung.Fehlercode(), 0);
    ASSERT_TRUE(l.vergleich);
    EXPECT_TRUE(l.vergleich->gleich());
    EXPECT_TRUE(l.vergleich->Zeilen(k).empty());
    ASSERT_TRUE(l.box);
    EXPECT_EQ(l.box->punkte, kurve);

    // One entry changed in the editor, and two neighbouring ones.
    kurve[1000].yWert = 17;
    l = KennlinieVergleichen(p, '1', 3, kurve, k, 5.0, 250.0);
    ASSERT_TRUE(l.vergleich);
    EXPECT_EQ(l.vergleich->anzahl(), 1);
    EXPECT_EQ(l.vergleich->eintraege, 1);
    EXPECT_EQ(l.vergleich->erste, 1000);
    EXPECT_EQ(l.vergleich->ersteEditor, 17);
    EXPECT_EQ(l.vergleich->ersteBox, 7000 % 4096);
    EXPECT_EQ(l.vergleich->bereiche, (std::vector<Abweichungsbereich>{{1000, 1000}}));
    EXPECT_EQ(l.vergleich->Zeilen(k).front(), "Erste Abweichung: Eingang 2 roh 1000 (Datei 17, DLM-7 2904)");
    kurve[4094].yWert = 1;
    kurve[4095].yWert = 1;
    l = KennlinieVergleichen(p, '1', 3, kurve, k, 5.0, 250.0);
    EXPECT_EQ(l.vergleich->anzahl(), 3);
    EXPECT_EQ(l.vergleich->bereiche, (std::vector<Abweichungsbereich>{{1000, 1000}, {4094, 4095}}));
    EXPECT_EQ(BereicheText(l.vergleich->bereiche), "1000, 4094..4095");
    kurve = Stufen();

    // Parameters: fixed value of output 2 and rise time, the table equal.
    l = KennlinieVergleichen(p, '1', 3, kurve, k, 2.5, 1000.0);
    ASSERT_TRUE(l.vergleich);
    EXPECT_EQ(l.vergleich->eintraege, 0);
    EXPECT_TRUE(l.vergleich->festwert);
    EXPECT_EQ(l.vergleich->festwertEditor, 1024);
    EXPECT_EQ(l.vergleich->festwertBox, 2048);
    EXPECT_TRUE(l.vergleich->anstieg);
    EXPECT_EQ(l.vergleich->anzahl(), 2);
    const auto zeilen = l.vergleich->Zeilen(k);
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0], "Festwert Ausgang 2: Datei 2.501 V (roh 1024), DLM-7 5.001 V (roh 2048)");
    EXPECT_EQ(zeilen[1], "Anstiegszeit: Datei " + DezimalKurz(AnstiegszeitRealisierbar(1000.0)) + " ms, DLM-7 " +
                             DezimalKurz(AnstiegszeitRealisierbar(250.0)) + " ms");

    // A slot the box holds with a changed byte in its head is not "equal".
    auto kopf = box.sim.Speicher(SlotAdresse(3) + 10, 1);
    kopf[0] ^= 0x01;
    box.sim.SpeicherSetzen(SlotAdresse(3) + 10, kopf);
    l = KennlinieVergleichen(p, '1', 3, kurve, k, 5.0, 250.0);
    EXPECT_TRUE(l.vergleich->sonstiges);
    EXPECT_EQ(l.vergleich->anzahl(), 1);
    EXPECT_FALSE(l.box) << "its checksum no longer fits";

    // An empty slot: every entry differs, no parameters are compared.
    l = KennlinieVergleichen(p, '1', 5, kurve, k, 5.0, 250.0);
    ASSERT_EQ(l.uebertragung.Fehlercode(), 0);
    ASSERT_TRUE(l.vergleich);
    EXPECT_TRUE(l.vergleich->leer);
    EXPECT_EQ(l.vergleich->eintraege, kTabellenGroesse);
    EXPECT_EQ(l.vergleich->anzahl(), kTabellenGroesse + 1);
    EXPECT_FALSE(l.vergleich->festwert);
    EXPECT_EQ(l.vergleich->Zeilen(k).front(), "Kennlinienplatz leer");

    // Failures: slot outside 1..7 (no traffic), no characteristic curves in the box.
    box.sim.AnfragenLoeschen();
    l = KennlinieVergleichen(p, '1', 8, kurve, k, 5.0, 250.0);
    EXPECT_EQ(l.uebertragung.Fehlercode(), KennlFehler::LesenKurvennummer);
    EXPECT_FALSE(l.vergleich);
    EXPECT_TRUE(box.sim.Anfragen().empty());
    box.sim.ModusSetzen(0x04);
    l = KennlinieVergleichen(p, '1', 3, kurve, k, 5.0, 250.0);
    EXPECT_EQ(l.uebertragung.Fehlercode(), KennlFehler::LesenKeineKennlinien);
    EXPECT_FALSE(l.vergleich);
}

TEST_F(Vergleich, GeneratorbildGleichEinAbtastwertLaengeUndParameter) {
    Kurvensatz s;
    s.kurven[1].punkte.clear();
    for (int i = 0; i < 50; ++i) s.kurven[1].punkte.push_back({i * 80, 1, 5});
    s.kurven[0].punkte = {{100, 10, 7}};
    s.zyklen = {1, 2, 3, 0};
    s.ruhewert = {10, 20, 30, 40};
    ASSERT_EQ(KurvenSenden(p, '1', s, {}).code, 0);

    KurvenVergleichLauf l = KurvenMitBoxVergleichen(p, '1', s);
    ASSERT_EQ(l.code, 0);
    ASSERT_TRUE(l.vergleich);
    EXPECT_TRUE(l.vergleich->gleich());
    ASSERT_TRUE(l.box);
    EXPECT_EQ(l.box->zyklen, s.zyklen);
    EXPECT_EQ(l.box->punkte[0].size(), 10u) << "one point per tick";

    // One sample of curve 2 (its point 31 is one tick long).
    Kurvensatz t = s;
    t.kurven[1].punkte[31].wert = 7;
    l = KurvenMitBoxVergleichen(p, '1', t);
    ASSERT_TRUE(l.vergleich);
    EXPECT_EQ(l.vergleich->anzahl(), 1);
    const KurvenAbweichung& a = l.vergleich->kurven[1];
    EXPECT_EQ(a.abtastwerte, 1);
    EXPECT_EQ(a.erste, 31);
    EXPECT_EQ(a.ersteEditor, 7);
    EXPECT_EQ(a.ersteBox, 31 * 80);
    EXPECT_DOUBLE_EQ(a.ersteZeit, 31 * ZeitbasisDauer(5) / 1e6);
    EXPECT_EQ(l.vergleich->Zeilen().size(), 2u);

    // Curve 1 two ticks longer: the extra samples count; the cycles and a rest value.
    t = s;
    t.kurven[0].punkte[0].laenge = 12;
    t.zyklen[2] = 4;
    t.ruhewert[3] = 41;
    l = KurvenMitBoxVergleichen(p, '1', t);
    ASSERT_TRUE(l.vergleich);
    EXPECT_EQ(l.vergleich->kurven[0].laengeEditor, 12);
    EXPECT_EQ(l.vergleich->kurven[0].laengeBox, 10);
    EXPECT_EQ(l.vergleich->kurven[0].ersteBox, -1);
    EXPECT_EQ(l.vergleich->kurven[0].bereiche, (std::vector<Abweichungsbereich>{{10, 11}}));
    EXPECT_TRUE(l.vergleich->kurven[2].zyklen);
    EXPECT_TRUE(l.vergleich->kurven[3].ruhewert);
    EXPECT_FALSE(l.vergleich->kurven[1].zyklen);
    EXPECT_EQ(l.vergleich->anzahl(), 2 + 1 + 1);
    const auto zeilen = l.vergleich->Zeilen();
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), "Kurve 3: Zyklen Datei 4, DLM-7 3"), zeilen.end());
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), "Kurve 4: Ruhewert Datei 41, DLM-7 40"), zeilen.end());

    // A box that holds characteristic curves has no generator image to compare.
    box.sim.ModusSetzen(0x02);
    l = KurvenMitBoxVergleichen(p, '1', s);
    EXPECT_EQ(l.code, KurvenFehler::KeineKurven);
    EXPECT_FALSE(l.vergleich);
    EXPECT_FALSE(l.box);
}

} // namespace
