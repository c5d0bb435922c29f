#include "kennlinie/KennlinieBearbeiten.h"

#include <gtest/gtest.h>

namespace {

namespace M = KennlMeldung;

// Standard configuration: 1 unit = 409.5 raw steps on both axes.
const KonfigDaten kK = KonfigStandardwerte();
const Ansicht kAnsicht;
const Plotflaeche kFlaeche{4095.0, 4095.0};

Kennlinienpunkte Punkte(std::initializer_list<std::pair<int, int>> yl) {
    Kennlinienpunkte p;
    for (auto [y, l] : yl) p.push_back({y, l, 0});
    return p;
}

class Bearbeiten : public ::testing::Test {
  protected:
    KennlinienBearbeiter e;
    Kennlinienpunkte& p = e.kurve.punkte;
};

} // namespace

TEST(Raster, RundenUndNachbarpunkte) {
    const Raster ohne;
    EXPECT_EQ(RasterXRunden(kK, ohne, 100.4), 100);
    EXPECT_EQ(RasterXRunden(kK, ohne, -7), 0);
    EXPECT_EQ(RasterYRunden(kK, ohne, 5000), 4095);
    const Raster eins{1.0, 1.0};
    EXPECT_EQ(RasterXRunden(kK, eins, 600), 410); // 409.5 rounded half up
    EXPECT_EQ(RasterXAufwaerts(kK, eins, 410), 819);
    EXPECT_EQ(RasterXAbwaerts(kK, eins, 819), 410);
    EXPECT_EQ(RasterXAbwaerts(kK, eins, 820), 819);
    EXPECT_EQ(RasterYRunden(kK, eins, 1000), 819);

    // The Y grid passes through unit value 0; the X raster is a distance in
    // input 2's unit even where its scale has an offset.
    KonfigDaten k = KonfigStandardwerte();
    SkalierungSetzen(k, Seite::Ausgang, 0, {0.0, 10.0, -10.0, 10.0}); // 0 units at raw 2047.5
    EXPECT_EQ(RasterYRunden(k, {0.0, 5.0}, 2500), 2048);
    EXPECT_EQ(RasterYRunden(k, {0.0, 5.0}, 3200), 3071);
    SkalierungSetzen(k, Seite::Eingang, 1, {0.0, 10.0, 20.0, 120.0});
    EXPECT_EQ(RasterXRunden(k, {10.0, 0.0}, 600), 410);
    // A raster the configuration cannot convert counts as none.
    SkalierungSetzen(k, Seite::Eingang, 1, {0.0, 0.0, 0.0, 0.0});
    EXPECT_EQ(RasterXRunden(k, {10.0, 0.0}, 600), 600);
}

TEST(Raster, NaechsterPunktUndGeradeUnterDerMaus) {
    const auto p = Punkte({{1000, 100}, {1000, 100}, {3000, 0}});
    EXPECT_EQ(NaechsterPunkt(p, 50, 1000, kAnsicht, kFlaeche), 0) << "a tie goes to the earlier point";
    EXPECT_EQ(NaechsterPunkt(p, 51, 1000, kAnsicht, kFlaeche), 1);
    // In a narrow view X distances weigh more than Y distances.
    const auto zwei = Punkte({{0, 400}, {100, 0}});
    Ansicht eng;
    eng.max = 408.5;
    EXPECT_EQ(NaechsterPunkt(zwei, 100, 1000, eng, {400, 400}), 0);
    EXPECT_EQ(NaechsterPunkt(zwei, 100, 1000, kAnsicht, {400, 400}), 1);

    EXPECT_EQ(GeradeAnPosition(p, 0), 0);
    EXPECT_EQ(GeradeAnPosition(p, 99.9), 0);
    EXPECT_EQ(GeradeAnPosition(p, 100), 1);
    EXPECT_EQ(GeradeAnPosition(p, 250), 2);
}

TEST_F(Bearbeiten, PunktZeichnen) {
    EXPECT_TRUE(e.ZeichnenVorschau(kK, {}, 100, 2000));
    Bearbeitung b = e.PunktZeichnen(kK, {}, 100.2, 1999.6);
    EXPECT_TRUE(b.geaendert);
    EXPECT_EQ(p, Punkte({{4095, 100}, {2000, 1}}));
    EXPECT_TRUE(e.geaendert);
    EXPECT_TRUE(e.RueckgaengigMoeglich());

    // At or left of the last point: one step right of it, or the next raster point.
    e.PunktZeichnen(kK, {}, 40, 0);
    EXPECT_EQ(p.back(), (KennlinienPunkt{0, 1, 0}));
    EXPECT_EQ(PunktPosition(p, 2), 101);
    e.PunktZeichnen(kK, {1.0, 0.0}, 50, 0);
    EXPECT_EQ(PunktPosition(p, 3), 410);

    e.PunktZeichnen(kK, {}, 5000, 300); // beyond the range: snapped to 4095
    EXPECT_EQ(PunktPosition(p, 4), 4095);
    // With the last point at 4095 nothing happens, nothing is shown, no undo step.
    const auto vorher = p;
    EXPECT_FALSE(e.ZeichnenVorschau(kK, {}, 4095, 10));
    b = e.PunktZeichnen(kK, {}, 4095, 10);
    EXPECT_FALSE(b.geaendert);
    EXPECT_TRUE(b.meldung.empty());
    EXPECT_EQ(p, vorher);
    ASSERT_TRUE(e.Rueckgaengig());
    EXPECT_EQ(p.size(), 4u);
}

TEST_F(Bearbeiten, PunktVerschieben) {
    p = Punkte({{100, 100}, {200, 100}, {300, 1}});
    // Point 0 changes only its level.
    Verschiebung v = e.VerschiebenPosition(kK, {}, 3, 120, kAnsicht, kFlaeche);
    EXPECT_EQ(v.punkt, 0);
    EXPECT_FALSE(v.vonVorigem);
    EXPECT_TRUE(v.zumNaechsten);
    v = e.VerschiebenPosition(kK, {}, 60, 900, kAnsicht, kFlaeche);
    EXPECT_EQ(v.punkt, 0) << "the drag keeps its point";
    EXPECT_EQ(v.x, 0);
    EXPECT_TRUE(e.VerschiebenLoslassen(kK, {}, 60, 900, kAnsicht, kFlaeche).geaendert);
    EXPECT_EQ(p, Punkte({{900, 100}, {200, 100}, {300, 1}}));

    // A middle point stays strictly between its neighbours.
    e.VerschiebenPosition(kK, {}, 100, 200, kAnsicht, kFlaeche);
    e.VerschiebenLoslassen(kK, {}, 350, 250, kAnsicht, kFlaeche);
    EXPECT_EQ(p, Punkte({{900, 199}, {250, 1}, {300, 1}}));
    // Where no raster point lies between the neighbours the X stays.
    e.VerschiebenPosition(kK, {}, 199, 250, kAnsicht, kFlaeche);
    v = e.VerschiebenPosition(kK, {1.0, 0.0}, 150, 400, kAnsicht, kFlaeche);
    EXPECT_EQ(v.x, 199);
    e.VerschiebenLoslassen(kK, {1.0, 0.0}, 150, 400, kAnsicht, kFlaeche);
    EXPECT_EQ(p, Punkte({{900, 199}, {400, 1}, {300, 1}}));
    // The last point moves right up to 4095 and keeps its own length.
    e.VerschiebenLoslassen(kK, {}, 9000, 300, kAnsicht, kFlaeche); // click without drag picks at the release
    EXPECT_EQ(p, Punkte({{900, 199}, {400, 3896}, {300, 1}}));
}

TEST_F(Bearbeiten, PunktkoordinatenDialogMitSeinenAblehnungen) {
    p = Punkte({{0, 1000}, {2000, 1000}, {4095, 0}});
    const PunktDialog d = e.PunktDialogOeffnen(kK, 990, 1900, kAnsicht, kFlaeche);
    EXPECT_EQ(d.punkt, 1);
    EXPECT_EQ(d.titel, "Punkt 2");
    EXPECT_DOUBLE_EQ(d.xFeld, 1000 / 409.5);
    EXPECT_DOUBLE_EQ(d.yFeld, 2000 / 409.5);

    const auto vorher = p;
    const auto pruefen = [&](int k, double x, double y, const char* meldung) {
        const Bearbeitung b = e.PunktKoordinatenAendern(kK, k, x / 409.5, y / 409.5);
        EXPECT_EQ(b.meldung, meldung) << k << ' ' << x << ' ' << y;
        EXPECT_EQ(b.titel, "Fehler");
        EXPECT_FALSE(b.geaendert);
        EXPECT_EQ(p, vorher);
    };
    pruefen(0, 5, 7, M::ErsterPunkt); // and not even Y changes
    pruefen(1, 4096, -1, M::XZuGross);
    pruefen(1, 0, 2000, M::XKleinerVorgaenger);
    pruefen(1, 2000, 2000, M::XGroesserNachfolger);
    pruefen(1, 1000, -2, M::YZuKlein); // -1 rounds to 0
    pruefen(1, 1000, 4096, M::YZuGross);
    EXPECT_FALSE(e.RueckgaengigMoeglich());
    EXPECT_FALSE(e.PunktKoordinatenAendern(kK, 1, d.xFeld, d.yFeld).geaendert); // nothing changed

    EXPECT_TRUE(e.PunktKoordinatenAendern(kK, 1, 1500 / 409.5, 10 / 409.5).geaendert);
    EXPECT_EQ(p, Punkte({{0, 1500}, {10, 500}, {4095, 0}}));
    EXPECT_TRUE(e.PunktKoordinatenAendern(kK, 2, 4095 / 409.5, 4095 / 409.5).geaendert);
    EXPECT_EQ(p, Punkte({{0, 1500}, {10, 2595}, {4095, 0}})) << "the last point keeps its length";

    // A damaged curve whose lines would grow beyond 65535.
    p = Punkte({{0, 10}, {0, 65535}, {0, 0}});
    const Bearbeitung b = e.PunktKoordinatenAendern(kK, 1, 5 / 409.5, 0);
    EXPECT_EQ(b.meldung, M::ZuLangeGerade);
}

TEST_F(Bearbeiten, PunktAufloesen) {
    Bearbeitung b = e.PunktAufloesen(0, 4095, kAnsicht, kFlaeche);
    EXPECT_EQ(b.meldung, "Letzter Punkt kann nicht gelöscht werden");
    EXPECT_EQ(p, NeuePunkte());
    EXPECT_FALSE(e.RueckgaengigMoeglich());

    p = Punkte({{0, 10}, {10, 20}, {20, 30}, {30, 0}});
    e.PunktAufloesen(10, 10, kAnsicht, kFlaeche); // middle: the others keep their X
    EXPECT_EQ(p, Punkte({{0, 30}, {20, 30}, {30, 0}}));
    e.PunktAufloesen(60, 30, kAnsicht, kFlaeche); // the last: the new last gets length 1
    EXPECT_EQ(p, Punkte({{0, 30}, {20, 1}}));
    e.PunktAufloesen(0, 0, kAnsicht, kFlaeche); // point 0: the rest moves to X = 0
    EXPECT_EQ(p, Punkte({{20, 1}}));
}

TEST_F(Bearbeiten, GeradeTeilenLegtDenPunktAufDieGerade) {
    p = Punkte({{0, 10}, {100, 1}, {200, 1}, {300, 0}});
    EXPECT_TRUE(e.GeradeTeilen(3.2).geaendert);
    EXPECT_EQ(p, Punkte({{0, 3}, {30, 7}, {100, 1}, {200, 1}, {300, 0}}));
    EXPECT_TRUE(e.GeradeTeilen(9).geaendert); // 6 steps into the remaining line of 7
    EXPECT_EQ(p, Punkte({{0, 3}, {30, 6}, {90, 1}, {100, 1}, {200, 1}, {300, 0}}));
    // The digitised curve is the same as before the splits.
    Kennlinientabelle vorher, nachher;
    ASSERT_EQ(Digitalisieren(Punkte({{0, 10}, {100, 1}, {200, 1}, {300, 0}}), vorher), 0);
    ASSERT_EQ(Digitalisieren(p, nachher), 0);
    EXPECT_EQ(vorher, nachher);

    const auto stand = p;
    const Bearbeitung b = e.GeradeTeilen(10.5);
    EXPECT_EQ(b.meldung, M::NichtTeilbar);
    EXPECT_FALSE(e.GeradeTeilen(500).geaendert); // right of the last point
    EXPECT_EQ(p, stand);

    p = Punkte({{1000, 10}, {0, 0}}); // falling: 700 at 3, 400 at 6
    e.GeradeTeilen(3);
    EXPECT_EQ(p[1].yWert, 700);
    e.GeradeTeilen(6);
    EXPECT_EQ(p[2].yWert, 400);
    p = Punkte({{0, 10}, {0, 0}});
    p[0].stufencode = 9;
    e.GeradeTeilen(0); // at the start: the new point is one step in
    EXPECT_EQ(p[1], (KennlinienPunkt{0, 9, 9}));
}

TEST_F(Bearbeiten, ZehnSchritteRueckgaengigUndWiederherstellen) {
    for (int i = 1; i <= 11; ++i) e.PunktZeichnen(kK, {}, i * 10, i);
    ASSERT_EQ(p.size(), 12u);
    e.geaendert = false;
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(e.Rueckgaengig()) << i;
    EXPECT_FALSE(e.RueckgaengigMoeglich());
    EXPECT_FALSE(e.Rueckgaengig());
    EXPECT_EQ(p.size(), 2u) << "the first edit fell out of the ring";
    EXPECT_FALSE(e.geaendert) << "undo leaves the changed flag alone";
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(e.Wiederherstellen()) << i;
    EXPECT_FALSE(e.Wiederherstellen());
    EXPECT_EQ(p.size(), 12u);
    EXPECT_EQ(PunktPosition(p, 11), 110);

    // An edit after an undo empties the redo side.
    ASSERT_TRUE(e.Rueckgaengig());
    ASSERT_TRUE(e.Rueckgaengig());
    EXPECT_TRUE(e.WiederherstellenMoeglich());
    e.PunktZeichnen(kK, {}, 500, 5);
    EXPECT_FALSE(e.WiederherstellenMoeglich());
    EXPECT_FALSE(e.Wiederherstellen());
    EXPECT_EQ(PunktPosition(p, 10), 500);
    ASSERT_TRUE(e.Rueckgaengig());
    EXPECT_EQ(p.size(), 10u);

    // "Neu" makes no undo step and keeps the changed flag.
    e.kurve.kommentar = "alt";
    e.geaendert = true;
    e.Neu();
    EXPECT_EQ(e.kurve.punkte, NeuePunkte());
    EXPECT_TRUE(e.kurve.kommentar.empty());
    EXPECT_TRUE(e.geaendert);
    ASSERT_TRUE(e.Rueckgaengig());
    EXPECT_EQ(p.size(), 9u);
}
