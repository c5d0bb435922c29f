#include "kennlinie/Kennlinie.h"
#include "kennlinie/KennlinieAnsicht.h"
#include "kennlinie/KennlinieFehler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>

namespace {

Kennlinienpunkte Punkte(std::initializer_list<std::pair<int, int>> yl) {
    Kennlinienpunkte p;
    for (auto [y, l] : yl) p.push_back({y, l, 0});
    return p;
}

} // namespace

TEST(Kennlinie, NeueKurveUndPunktLayout) {
    const Kennlinie k = NeueKennlinie();
    ASSERT_EQ(k.anzahl(), 1);
    EXPECT_EQ(k.punkte[0], (KennlinienPunkt{4095, 0, 0}));
    EXPECT_TRUE(k.kommentar.empty());
    Kennlinientabelle t;
    ASSERT_EQ(Digitalisieren(k.punkte, t), 0);
    for (auto v : t) ASSERT_EQ(v, 4095);

    unsigned char b[12];
    std::memset(b, 0xEE, sizeof b);
    PunktSchreiben({-2, 0x01020304, 7}, b);
    EXPECT_EQ(std::memcmp(b, "\xFE\xFF\xFF\xFF\x04\x03\x02\x01\x07\0\0\0", 12), 0);
    b[10] = 0x55; // padding has no meaning
    EXPECT_EQ(PunktLesen(b), (KennlinienPunkt{-2, 0x01020304, 7}));

    const auto p = Punkte({{0, 3}, {5, 4}, {9, 0}});
    EXPECT_EQ(PunktPosition(p, 0), 0);
    EXPECT_EQ(PunktPosition(p, 2), 7);
    EXPECT_EQ(PunktPositionen(p), (std::vector<long long>{0, 3, 7}));
}

TEST(Kennlinie, DigitalisierenRundetHalbeAufUndFuelltMitDemLetztenPegel) {
    Kennlinientabelle t;
    ASSERT_EQ(Digitalisieren(Punkte({{0, 10}, {100, 0}}), t), 0);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(t[static_cast<std::size_t>(x)], 10 * x);
    for (int x = 10; x < 4096; ++x) ASSERT_EQ(t[static_cast<std::size_t>(x)], 100);

    ASSERT_EQ(Digitalisieren(Punkte({{10, 4}, {0, 1}}), t), 0);
    EXPECT_EQ(t[0], 10);
    EXPECT_EQ(t[1], 8); // 7.5
    EXPECT_EQ(t[2], 5);
    EXPECT_EQ(t[3], 3); // 2.5
    EXPECT_EQ(t[4], 0);
    EXPECT_EQ(t[4095], 0);

    // Levels outside the raw range are limited, the fill too.
    ASSERT_EQ(Digitalisieren(Punkte({{-100, 2}, {5000, 0}}), t), 0);
    EXPECT_EQ(t[0], 0);
    EXPECT_EQ(t[1], 2450);
    EXPECT_EQ(t[2], 4095);
}

TEST(Kennlinie, GenauViertausendsechsundneunzigEintraegeOderUeberlauf) {
    Kennlinientabelle t;
    t.fill(77);
    ASSERT_EQ(Digitalisieren(Punkte({{0, 4095}, {4095, 1}}), t), 0);
    EXPECT_EQ(t[4094], 4094);
    EXPECT_EQ(t[4095], 4095);
    // The 4097th entry overflows; the table is left as it was.
    Kennlinientabelle vorher = t;
    EXPECT_EQ(Digitalisieren(Punkte({{0, 4096}, {4095, 1}}), t), KennlFehler::ZuVieleEintraege);
    EXPECT_EQ(Digitalisieren(Punkte({{0, 0x7FFFFFFF}}), t), KennlFehler::ZuVieleEintraege);
    EXPECT_EQ(t, vorher);
    // A box read-back: 4096 points of length 1.
    Kennlinienpunkte treppe(4096, KennlinienPunkt{1, 1, 0});
    EXPECT_EQ(Digitalisieren(treppe, t), 0);
}

TEST(Kennlinie, AnstiegszeitCodes) {
    EXPECT_EQ(AnstiegszeitZuCode(0.1), 0xFFF00);
    EXPECT_EQ(AnstiegszeitZuCode(0.05), 0xFFF00);
    EXPECT_EQ(AnstiegszeitZuCode(409.5), 256);
    EXPECT_EQ(AnstiegszeitZuCode(819.0), 254);
    EXPECT_EQ(AnstiegszeitZuCode(104422.5), 1);
    EXPECT_EQ(AnstiegszeitZuCode(1e9), 1);
    for (double nichts : {0.0, -5.0, std::nan("")}) EXPECT_EQ(AnstiegszeitZuCode(nichts), 256) << nichts;

    EXPECT_DOUBLE_EQ(CodeZuAnstiegszeit(0x1000), 25.59375);
    EXPECT_DOUBLE_EQ(CodeZuAnstiegszeit(0xFFF00), 0.1);
    EXPECT_DOUBLE_EQ(CodeZuAnstiegszeit(0xFFFFFF), 0.1);
    EXPECT_DOUBLE_EQ(CodeZuAnstiegszeit(1), 104422.5);
    EXPECT_DOUBLE_EQ(CodeZuAnstiegszeit(0), 104422.5);
    EXPECT_DOUBLE_EQ(CodeZuAnstiegszeit(254), 819.0);
    // A committed time becomes one the box can realise, and that time gives its own code back.
    EXPECT_DOUBLE_EQ(AnstiegszeitRealisierbar(30.0), 409.5 / 13);
    EXPECT_EQ(AnstiegszeitZuCode(16.38), 25 * 256);
    for (long k = 1; k <= 4095; ++k) ASSERT_EQ(AnstiegszeitZuCode(CodeZuAnstiegszeit(k * 256)), k * 256) << k;
    for (long a = 1; a < 255; ++a) ASSERT_EQ(AnstiegszeitZuCode(CodeZuAnstiegszeit(a)), a) << a;
}

TEST(Kennlinie, GrenzenDerTabelleUndDesSchnellstenAnstiegs) {
    Kennlinientabelle t;
    // A line rising past full scale is limited inside the line, entry by entry.
    ASSERT_EQ(Digitalisieren(Punkte({{3000, 8}, {5000, 0}}), t), 0);
    EXPECT_EQ(t[0], 3000);
    EXPECT_EQ(t[4], 4000);
    for (std::size_t x = 5; x < 8; ++x) EXPECT_EQ(t[x], 4095) << x; // 4250, 4500, 4750 on the line
    EXPECT_EQ(t[8], 4095);

    // The last point's own entries hold its level, up to the end of the table.
    ASSERT_EQ(Digitalisieren(Punkte({{0, 4093}, {200, 3}}), t), 0);
    EXPECT_EQ(t[4092], 200); // 4092 * 200 / 4093, rounded
    for (std::size_t x = 4093; x < 4096; ++x) EXPECT_EQ(t[x], 200) << x;
    ASSERT_EQ(Digitalisieren(Punkte({{0, 10}, {300, 2}}), t), 0);
    EXPECT_EQ(t[10], 300);
    EXPECT_EQ(t[11], 300);
    EXPECT_EQ(t[12], 300);
    EXPECT_EQ(t[4095], 300);

    // Just below 0.1 ms k reaches 4096, which is still the fastest setting:
    // 0xFFF00, never 4096 * 256 = 0x100000, a code of four hex digits plus one.
    EXPECT_EQ(AnstiegszeitZuCode(0.09996), 0xFFF00);
    EXPECT_EQ(AnstiegszeitZuCode(409.5 / 4096), 0xFFF00);
    for (int i = 0; i <= 1000; ++i) {
        const double ms = 0.0999 + i * 1e-7;
        ASSERT_EQ(AnstiegszeitZuCode(ms), 0xFFF00) << ms;
    }
}

TEST(KennlinieAnsicht, ZoomRollenUndYZoom) {
    Ansicht a;
    ZoomPlus(a);
    EXPECT_EQ(a.min, 682);
    EXPECT_EQ(a.max, 3411);
    Rollbalken r = RollbalkenAusAnsicht(a);
    EXPECT_EQ(r.groesse, 67);
    EXPECT_EQ(r.position, 49);
    ZoomMinus(a);
    EXPECT_EQ(a.min, 0);
    EXPECT_EQ(a.max, 4094);
    EXPECT_EQ(RollbalkenAusAnsicht(a).position, 0);
    EXPECT_EQ(RollbalkenAusAnsicht(a).groesse, 100);

    for (int i = 0; i < 40; ++i) ZoomPlus(a);
    EXPECT_EQ(a.Breite(), 1.0) << "never narrower than one step";
    EXPECT_EQ(RollbalkenAusAnsicht(a).groesse, 1);

    // The view's start is rounded from the scroll position (W = 2730: 13.65
    // and 682.5 steps), the position truncated from the view's start.
    a = Ansicht{};
    ZoomPlus(a);
    AnsichtRollen(a, 1);
    EXPECT_EQ(a.min, 14);
    EXPECT_EQ(a.max, 14 + 2729);
    AnsichtRollen(a, 50);
    EXPECT_EQ(a.min, 683);
    a.min = 21; // 1.54 %
    a.max = 21 + 2729;
    EXPECT_EQ(RollbalkenAusAnsicht(a).position, 1);
    a.min = 1359; // 99.56 %
    a.max = 1359 + 2729;
    EXPECT_EQ(RollbalkenAusAnsicht(a).position, 99);

    a = Ansicht{};
    ZoomPlus(a);
    AnsichtRollen(a, 100);
    EXPECT_EQ(a.min, 1365);
    EXPECT_EQ(a.max, 4094);
    AnsichtRollen(a, 0);
    EXPECT_EQ(a.min, 0);
    EXPECT_EQ(a.max, 2729);

    Markierung m;
    ZoomMarkierung(a, m); // no mark: nothing
    EXPECT_EQ(a.max, 2729);
    MarkierenPosition(m, 900.4);
    MarkierenPosition(m, 500.0);
    MarkierenLoslassen(m, 299.6); // drawn from right to left
    EXPECT_EQ(m.start, 300);
    EXPECT_EQ(m.ende, 900);
    ZoomMarkierung(a, m);
    EXPECT_EQ(a.min, 300);
    EXPECT_EQ(a.max, 899);
    EXPECT_FALSE(m.gueltig);
    AllesMarkieren(m);
    ZoomMarkierung(a, m);
    EXPECT_EQ(a.min, 0);
    EXPECT_EQ(a.max, 4094);

    KonfigDaten k = KonfigStandardwerte();
    SkalierungSetzen(k, Seite::Ausgang, 0, {0.0, 10.0, 0.0, 100.0});
    EXPECT_TRUE(YZoomSetzen(a, k, -5.0, 50.0));
    EXPECT_EQ(a.yMin, 0);
    EXPECT_EQ(a.yMax, 2047);
    EXPECT_FALSE(YZoomSetzen(a, k, 50.0, 50.0));
    EXPECT_FALSE(YZoomSetzen(a, k, 60.0, 20.0));
    EXPECT_EQ(a.yMax, 2047);
    EXPECT_NEAR(YZoomFelder(a, k).max, 49.99, 0.01);
    EXPECT_TRUE(YZoomSetzen(a, k, 0.0, 1e300));
    EXPECT_EQ(a.yMax, 4095);
}

TEST(KennlinieAnsicht, SichtbareGeradenVorschauUndBegrenzung) {
    const auto p = Punkte({{0, 100}, {50, 100}, {70, 1}});
    Ansicht a;
    auto s = SichtbareGeradenBestimmen(p, a);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->erste, 0);
    EXPECT_EQ(s->letzte, 2);
    a.min = 150;
    a.max = 180;
    s = SichtbareGeradenBestimmen(p, a);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->erste, 1);
    EXPECT_EQ(s->letzte, 1);
    // Right of the last point only its extension is visible, and it is drawn.
    a.min = 682;
    a.max = 3411;
    s = SichtbareGeradenBestimmen(NeuePunkte(), a);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->erste, 0);
    const Geradenstueck g = GeradeVonPunkt(p, 2);
    EXPECT_TRUE(g.ergaenzung);
    EXPECT_EQ(g.x1, 200);
    EXPECT_EQ(g.x2, 4095);
    EXPECT_EQ(g.y2, 70);
    EXPECT_EQ(Stufen(0, 10, 4, 0), (std::vector<int>{10, 8, 5, 3}));
    // All visible lines at once are the same lines one by one.
    a.min = 30;
    a.max = 120;
    const auto stuecke = SichtbareGeradenstuecke(p, a);
    s = SichtbareGeradenBestimmen(p, a);
    ASSERT_EQ(stuecke.size(), std::size_t(s->letzte - s->erste + 1));
    for (int i = s->erste; i <= s->letzte; ++i) {
        const Geradenstueck e = GeradeVonPunkt(p, i), z = stuecke[std::size_t(i - s->erste)];
        EXPECT_EQ(std::tie(e.x1, e.y1, e.x2, e.y2, e.ergaenzung), std::tie(z.x1, z.y1, z.x2, z.y2, z.ergaenzung));
    }
    a.min = 5000;
    EXPECT_TRUE(SichtbareGeradenstuecke(p, a).empty());

    const std::string vierzig = "Äpfel und Birnen sind sehr gesund, sagt man"; // UTF-8, 43 characters
    EXPECT_EQ(KommentarVorschau(vierzig), "Äpfel und Birnen sind sehr ges");
    EXPECT_EQ(KommentarVorschau("kurz"), "kurz");

    KonfigDaten k = KonfigStandardwerte();
    EinheitTextSetzen(k, Seite::Ausgang, 1, "mA");
    SkalierungSetzen(k, Seite::Ausgang, 1, {0.0, 10.0, 20.0, 4.0});
    const BegrenzungFeld f = BegrenzungEinrichten(k);
    EXPECT_EQ(f.beschriftung, "Analogausgang2 [mA]");
    EXPECT_EQ(f.min, 4.0);
    EXPECT_EQ(f.max, 20.0);
}
