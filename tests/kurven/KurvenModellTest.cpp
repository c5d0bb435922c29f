#include "KurvenHilfe.h"

#include "config/KonfigUmrechnung.h"
#include "kurven/KurvenAnsicht.h"
#include "kurven/KurvenDigital.h"

#include <gtest/gtest.h>

using namespace kurvengenerator;

namespace {

// Value of the step plot at time t, from the entries of its segment.
int StufeBei(const std::vector<Stufe>& stufen, double t) {
    int wert = -1;
    for (std::size_t i = 0; i + 1 < stufen.size(); ++i)
        if (stufen[i].x <= t && stufen[i + 1].segment == stufen[i].segment && t < stufen[i + 1].x)
            wert = stufen[i].wert;
    return wert;
}

} // namespace

TEST(KurvenModell, FrischerSatzNeuUndSpeicherbedarf) {
    Kurvensatz s;
    for (const Kurve& k : s.kurven) {
        ASSERT_EQ(k.punkte, std::vector<Kurvenpunkt>{kFrischerPunkt});
        EXPECT_DOUBLE_EQ(KurvenLaenge(k), 10000.0);
    }
    EXPECT_EQ(Speicherbedarf(s), 40);
    EXPECT_NEAR(SpeicherProzent(Speicherbedarf(s)), 0.111, 0.0005);
    EXPECT_FALSE(SpeicherUeberschritten(SpeicherProzent(Speicherbedarf(s))));
    EXPECT_TRUE(SpeicherUeberschritten(SpeicherProzent(65538)));

    // "Neu" keeps Y settings, undo history, clipboard and the changed flag.
    s.kurven[2] = KurveAus({{5, 3, 1}, {6, 1, 1}});
    s.kurven[2].kommentar = "alt";
    s.zyklen[2] = 3;
    s.ruhewert[2] = 9;
    s.yMax[2] = 100;
    s.yRaster[2] = 0.5;
    s.zwischenspeicher = {{1, 1, 1}};
    s.geaendert = true;
    s.dateiPfad = "/tmp/x.dlr";
    ASSERT_EQ(KurvenNeu(s), 0);
    EXPECT_EQ(s.kurven[2].punkte, std::vector<Kurvenpunkt>{kFrischerPunkt});
    EXPECT_EQ(s.kurven[2].kommentar, "");
    EXPECT_EQ(s.zyklen[2] + s.ruhewert[2], 0);
    EXPECT_EQ(s.yMax[2], 100);
    EXPECT_EQ(s.zwischenspeicher.size(), 1u);
    EXPECT_TRUE(s.geaendert);
    EXPECT_EQ(s.dateiPfad, "");
    ASSERT_EQ(KurvenInitialisieren(s), 0);
    EXPECT_EQ(s.yMax[2], 4095);
    EXPECT_TRUE(s.zwischenspeicher.empty());
}

TEST(KurvenModell, ZeitbasenUndZeiten) {
    EXPECT_EQ(ZeitbasisCode("1ms"), 2);
    EXPECT_EQ(ZeitbasisCode("1sek"), 11);
    EXPECT_EQ(ZeitbasisCode("1min"), 12);
    for (const char* falsch : {"1 ms", "1MS", "1Ms", "1s", "", " 1ms", "1ms "}) EXPECT_EQ(ZeitbasisCode(falsch), 0);
    EXPECT_STREQ(ZeitbasisText(0), " ");
    EXPECT_STREQ(ZeitbasisText(13), " ");
    EXPECT_STREQ(ZeitbasisRingText(11), "1s");
    EXPECT_EQ(ZeitbasisDauer(12), 60e6);
    EXPECT_EQ(ZeitbasisDauer(200), 0.0);
    for (int c = 1; c <= 12; ++c) EXPECT_EQ(ZeitbasisCode(ZeitbasisText(c)), c);

    // Segments end at 20000, 35000 and 45000 microseconds.
    const Kurve k = KurveAus({{0, 2, 7}, {100, 3, 6}, {200, 1, 7}});
    EXPECT_EQ(StartzeitPunkt(k, 0), 0.0);
    EXPECT_EQ(StartzeitPunkt(k, 2), 35000.0);
    EXPECT_EQ(StartzeitPunkt(k, 3), KurvenLaenge(k));
    EXPECT_EQ(GeradeAnZeit(k, -3.0), 0);
    EXPECT_EQ(GeradeAnZeit(k, 19999.9), 0);
    EXPECT_EQ(GeradeAnZeit(k, 20000.0), 1);
    EXPECT_EQ(GeradeAnZeit(k, 35000.0), 2);
    EXPECT_EQ(GeradeAnZeit(k, 45000.0), 2);
    EXPECT_EQ(GeradeAnZeit(k, 1e12), 2);
    // An unknown code counts as a tick of 0.
    EXPECT_EQ(KurvenLaenge(KurveAus({{0, 5, 0}, {0, 1, 99}})), 0.0);
}

TEST(KurvenModell, YRasterKlemmtUndRundet) {
    const KonfigDaten std = KonfigStandardwerte();
    EXPECT_EQ(YRasterAnwenden(std, 0, 0.0, 4100.0), 4095.0);
    EXPECT_EQ(YRasterAnwenden(std, 0, 0.0, -3.0), 0.0);
    EXPECT_EQ(YRasterAnwenden(std, 0, 0.0, 1234.4), 1234.0);
    EXPECT_EQ(YRasterAnwenden(std, 0, 1.0, 1000.0), 819.0);  // 1 V = 409.5 counts
    EXPECT_EQ(YRasterAnwenden(std, 0, 6.0, 4000.0), 4095.0); // 2 x 6 V lies above the range

    // Output 2 shows -5..5 units for 0..10 V, so the grid is anchored at 2047.5.
    KonfigDaten k = KonfigStandardwerte();
    SkalierungSetzen(k, Seite::Ausgang, 1, {0.0, 10.0, -5.0, 5.0});
    EXPECT_EQ(YRasterAnwenden(k, 1, 3.0, 10.0), 0.0); // -2 x 3 units maps below 0
    EXPECT_EQ(YRasterAnwenden(k, 1, 4.0, 100.0), 410.0);
    // A channel without span cannot have a grid: only clamp and round.
    SkalierungSetzen(k, Seite::Ausgang, 2, {0.0, 10.0, 3.0, 3.0});
    EXPECT_EQ(YRasterAnwenden(k, 2, 1.0, 2000.4), 2000.0);
}

TEST(KurvenDigital, AbtastwerteWieDieBox) {
    EXPECT_EQ(KurveDigitalisieren(KurveAus({{1000, 3, 1}})), (std::vector<int>{1000, 1000, 1000}));
    EXPECT_EQ(KurveDigitalisieren(KurveAus({{0, 4, 7}, {4095, 1, 7}})), (std::vector<int>{0, 1024, 2048, 3071, 4095}));
    // Values outside the range (from a file) are clamped, lengths below 1 give nothing.
    EXPECT_EQ(KurveDigitalisieren(KurveAus({{5000, 2, 7}, {-10, 0, 7}})), (std::vector<int>{4095, 2495}));
}

TEST(KurvenDigital, SichtbareStufenFolgenDenSpaltenNichtDenTicks) {
    // Small curve, exact resolution: the staircase holds every sample.
    const Kurve klein = KurveAus({{0, 5, 2}, {4095, 3, 1}, {100, 1, 2}});
    const auto alle = KurveDigitalisieren(klein);
    const auto stufen = SichtbareStufen(klein, 0.0, KurvenLaenge(klein) - 1.0, 0.0);
    double t = 0.0;
    std::size_t n = 0;
    for (const Kurvenpunkt& p : klein.punkte)
        for (int i = 0; i < p.laenge; ++i, ++n) {
            EXPECT_EQ(StufeBei(stufen, t + ZeitbasisDauer(p.zeitbasis) * (i + 0.5)), alle[n]) << n;
            if (i == p.laenge - 1) t += GeradenDauer(p);
        }
    EXPECT_EQ(stufen.back().x, KurvenLaenge(klein));
    EXPECT_EQ(stufen.back().wert, 0); // into the first point again

    // 65535 ticks of 500 us from 0 to 4095 on 1000 columns: about one entry per column.
    const Kurve lang = KurveAus({{0, 65535, 1}, {4095, 1, 1}});
    const double ende = 65535.0 * 500.0;
    const auto grob = SichtbareStufen(lang, 0.0, ende - 1.0, ende / 1000.0);
    EXPECT_LE(grob.size(), 1010u);
    EXPECT_GE(grob.size(), 900u);
    for (const Stufe& st : grob) {
        if (st.segment == 0 && st.x < ende) {
            EXPECT_EQ(st.wert, Abtastwert(0, 4095, 65535, static_cast<long long>(st.x / 500.0)));
        }
    }
    // Zoomed to 1 microsecond per column somewhere in the middle: a handful of entries.
    const auto fein = SichtbareStufen(lang, 1e7, 1e7 + 999.0, 1.0);
    EXPECT_LE(fein.size(), 4u);
    EXPECT_EQ(StufeBei(fein, 1e7 + 10.0), Abtastwert(0, 4095, 65535, 20000));
    // Nothing visible left of the view start.
    EXPECT_TRUE(SichtbareStufen(lang, ende + 1e6, ende + 2e6, 1.0).empty());
}

TEST(KurvenAnsicht, ZoomScrollUndSichtbareSegmente) {
    Ansicht a;
    EXPECT_EQ(AnsichtSpanne(a), 10001.0);
    GanzeKurveZeigen(a, Kurve{});
    EXPECT_EQ(a.ende, 9999.0);
    Ansicht eins{50.0, 50.0};
    ZoomPlus(eins);
    EXPECT_EQ(AnsichtSpanne(eins), 1.0);
    Ansicht links{0.0, 999.0};
    ZoomMinus(links);
    EXPECT_EQ(links.start, 0.0);
    EXPECT_EQ(links.ende, 1499.0);

    Markierung m;
    EXPECT_FALSE(ZoomMarkierung(a, m));
    m = {500.0, 500.0, true, true};
    EXPECT_TRUE(ZoomMarkierung(a, m));
    EXPECT_EQ(a.ende, 9999.0);
    EXPECT_FALSE(m.aktiv);
    m = {200.0, 700.0, true, true};
    ZoomMarkierung(a, m);
    EXPECT_EQ(a.start, 200.0);
    EXPECT_EQ(a.ende, 699.0);

    // 1 s curve, view of 100 ms from 450 ms.
    const Kurve k = KurveAus({{0, 9, 10}, {0, 1, 10}});
    Ansicht v{450000.0, 549999.0};
    const Scrollstand st = ScrollbalkenStand(v, k);
    EXPECT_EQ(st.groesse, 10);
    EXPECT_EQ(st.position, 50);
    ScrollbalkenVerschieben(v, k, 100);
    EXPECT_EQ(v.start, 900000.0);
    EXPECT_EQ(v.ende, 999999.0);

    const SegmentBereich kurz = SichtbareSegmente(KurveAus({{0, 1, 7}, {0, 1, 7}}), 5000.0, 99999.0);
    EXPECT_TRUE(kurz.sichtbar);
    EXPECT_EQ(kurz.erster, 0);
    EXPECT_EQ(kurz.letzter, 1);
    EXPECT_FALSE(SichtbareSegmente(KurveAus({{0, 1, 7}}), 10001.0, 20000.0).sichtbar);
    const SegmentBereich mitte = SichtbareSegmente(k, 950000.0, 960000.0);
    EXPECT_EQ(mitte.erster, 1);
    EXPECT_EQ(mitte.startErster, 900000.0);

    const auto marken = ZeitbasisMarken(KurveAus({{0, 2, 7}, {0, 1, 7}, {0, 3, 2}, {0, 1, 7}}));
    ASSERT_EQ(marken.size(), 3u);
    EXPECT_EQ(marken[1].x, 30000.0);
    EXPECT_EQ(marken[1].code, 2);
}

TEST(KurvenAnsicht, EingabenTitelUndKommentar) {
    Kurvensatz s;
    const KonfigDaten k = KonfigStandardwerte();
    EXPECT_FALSE(YZoomSetzen(s, 0, 6.0, 5.0, k));
    EXPECT_TRUE(YZoomSetzen(s, 0, -1.0, 20.0, k));
    EXPECT_EQ(s.yMin[0], 0);
    EXPECT_EQ(s.yMax[0], 4095);
    // A rest value below the range becomes 0 counts and shows as their unit value.
    EXPECT_EQ(ZyklenUndRuhewertSetzen(s, 1, 0, -2.5, k), 0.0);
    EXPECT_EQ(s.ruhewert[1], 0);
    EXPECT_TRUE(s.geaendert);
    ZyklenUndRuhewertSetzen(s, 1, 70000, 5.0, k);
    EXPECT_EQ(s.zyklen[1], 65535);
    EXPECT_EQ(s.ruhewert[1], 2047);

    EXPECT_EQ(FensterTitel("/a/b/satz.dlr"), "Kurvengenerator - satz.dlr");
    EXPECT_EQ(UngespeichertFrage(s), "Möchten Sie die Änderungen in Kurvengenerator speichern?");

    s.geaendert = false;
    EXPECT_TRUE(KommentarSetzen(s, 0, "Zeile eins\nZeile zwei\nZeile drei"));
    EXPECT_TRUE(s.geaendert);
    EXPECT_EQ(KommentarZeile(s.kurven[0].kommentar), "Zeile eins\nZeile zwei\nZeile dr");
    EXPECT_FALSE(KommentarSetzen(s, 0, "Pfeil →"));
    EXPECT_TRUE(KommentarSetzen(s, 0, std::string(1200, 'x')));
    EXPECT_EQ(s.kurven[0].kommentar.size(), 999u);
}
