// The graph of the curve-generator window: time axis, zooms, scroll bar,
// curve selection, background curves, Y axis, cycles, rest value, memory
// indicator, help mode and the settings section.
#include "KurvenFensterHilfe.h"
#include "KurvenZugriff.h"

#include "uisupport/Zahlfeld.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <cstdio>

namespace {

using B = KurvenPanel::Befehl;

struct KurvenAnsicht : ::testing::Test {
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        Haupt()->show();
        ZeigeChildpanel(FensterId::Kurven);
    }
    static void Befehl(B b) { AktionVon(Kurven(), b)->trigger(); }
    static GraphAchse X() { return Teil<Graph>(Kurven(), "GRAPH")->achse(Graph::X); }
};

TEST_F(KurvenAnsicht, StartAchseUndGanzeKurve) {
    EXPECT_EQ(X().min, 0.0);
    EXPECT_EQ(X().max, 10001.0);
    Befehl(B::ZoomGesamt);
    EXPECT_EQ(Kurven()->ansicht().ende, 9999.0);
    EXPECT_EQ(X().max, 10000.0);
    // The overview always shows the whole current curve.
    EXPECT_EQ(Teil<Graph>(Kurven(), "GRAPHKLEIN")->achse(Graph::X).max, 10000.0);
}

TEST_F(KurvenAnsicht, ZoomGrenzen) {
    Kurven()->editor().AnsichtSetzen({500.0, 500.0});
    Befehl(B::ZoomPlus);
    EXPECT_EQ(AnsichtSpanne(Kurven()->ansicht()), 1.0);
    EXPECT_EQ(X().max - X().min, 1.0);

    Kurven()->editor().AnsichtSetzen({0.0, 999.0});
    Befehl(B::ZoomMinus);
    EXPECT_EQ(Kurven()->ansicht().start, 0.0);
    EXPECT_GT(Kurven()->ansicht().ende, 999.0);

    // Without a mark nothing changes; a mark of no width is only cleared.
    const kg::Ansicht vorher = Kurven()->ansicht();
    Befehl(B::ZoomMarkierung);
    EXPECT_EQ(Kurven()->ansicht().ende, vorher.ende);
    KurvenAendern([&](Kurvensatz& s) { s.markierung = {300.0, 300.0, true, true}; });
    Befehl(B::ZoomMarkierung);
    EXPECT_FALSE(Kurven()->satz().markierung.aktiv);
    EXPECT_EQ(Kurven()->ansicht().ende, vorher.ende);
    KurvenAendern([&](Kurvensatz& s) { s.markierung = {2000.0, 4000.0, true, true}; });
    Befehl(B::ZoomMarkierung);
    EXPECT_EQ(X().min, 2000.0);
    EXPECT_EQ(X().max, 4000.0);
}

TEST_F(KurvenAnsicht, ScrollbalkenVerschiebtDieAnsicht) {
    KurvenAendern([](Kurvensatz& s) { VierKurven(s); });
    Befehl(B::ZoomGesamt);
    QScrollBar* s = Teil<QScrollBar>(Kurven(), "SCROLLBAR");
    EXPECT_EQ(s->maximum(), 0); // everything visible: nothing to scroll
    for (int i = 0; i < 3; ++i) Befehl(B::ZoomPlus);
    ASSERT_GT(s->maximum(), 0);
    EXPECT_NEAR(s->value(), s->maximum() / 2, s->maximum() / 100 + 1); // zoomed around the middle
    // The thumb covers the visible share of the track.
    const double anteil = double(s->pageStep()) / (s->maximum() + s->pageStep());
    EXPECT_NEAR(anteil, AnsichtSpanne(Kurven()->ansicht()) / KurvenLaenge(Kurven()->satz().kurven[0]), 0.01);
    const double spanne = AnsichtSpanne(Kurven()->ansicht());
    s->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(AnsichtSpanne(Kurven()->ansicht()), spanne);
    EXPECT_NEAR(Kurven()->ansicht().ende + 1.0, KurvenLaenge(Kurven()->satz().kurven[0]), 1.0);
    EXPECT_EQ(X().min, Kurven()->ansicht().start);
}

TEST_F(KurvenAnsicht, KurvenwechselBehaeltRasterGrenzenUndZeigtUndo) {
    KurvenPanel* k = Kurven();
    Teil<Zahlfeld>(k, "YRASTER")->setValue(0.5);
    Teil<Zahlfeld>(k, "YMAX")->setValue(5.0);
    EXPECT_EQ(k->satz().yMax[0], 2047);
    Meldungen m;
    KurvenAendern([&](Kurvensatz& s) { RueckgaengigSichern(s, m); });
    KurvenAktion(k, 1)->trigger();
    EXPECT_EQ(k->satz().aktuelleKurve, 1);
    EXPECT_EQ(Teil<Zahlfeld>(k, "YRASTER")->wert(), 0.0);
    EXPECT_EQ(Teil<Zahlfeld>(k, "YMAX")->wert(), 10.0);
    EXPECT_EQ(Teil<Graph>(k, "GRAPH")->achse(Graph::Y).max, 4095.0);
    EXPECT_FALSE(AktionVon(k, B::Rueckgaengig)->isEnabled());
    Teil<Zahlfeld>(k, "YRASTER")->setValue(2.0);
    KurvenAktion(k, 0)->trigger();
    EXPECT_EQ(Teil<Zahlfeld>(k, "YRASTER")->wert(), 0.5);
    EXPECT_EQ(Teil<Graph>(k, "GRAPH")->achse(Graph::Y).max, 2047.0);
    EXPECT_TRUE(AktionVon(k, B::Rueckgaengig)->isEnabled());
    EXPECT_FALSE(AktionVon(k, B::Wiederherstellen)->isEnabled());
    AktionVon(k, B::Rueckgaengig)->trigger();
    EXPECT_FALSE(AktionVon(k, B::Rueckgaengig)->isEnabled());
    EXPECT_TRUE(AktionVon(k, B::Wiederherstellen)->isEnabled());
    KurvenAktion(k, 1)->trigger();
    EXPECT_EQ(Teil<Zahlfeld>(k, "YRASTER")->wert(), 2.0);
    EXPECT_FALSE(AktionVon(k, B::Wiederherstellen)->isEnabled());
    // The view range is kept across the switch.
    EXPECT_EQ(X().max, 10001.0);
}

TEST_F(KurvenAnsicht, YZoomNurMitUntererUnterObererGrenze) {
    KurvenPanel* k = Kurven();
    Teil<Zahlfeld>(k, "YMIN")->setValue(8.0);
    EXPECT_EQ(k->satz().yMin[0], 3276);
    Teil<Zahlfeld>(k, "YMAX")->setValue(7.0); // not above min: both show the stored bounds again
    EXPECT_EQ(k->satz().yMax[0], 4095);
    EXPECT_EQ(Teil<Zahlfeld>(k, "YMAX")->wert(), 10.0);
    EXPECT_NEAR(Teil<Zahlfeld>(k, "YMIN")->wert(), 8.0, 0.003);
    Teil<Zahlfeld>(k, "YMIN")->setValue(-3.0); // below the range: 0
    EXPECT_EQ(k->satz().yMin[0], 0);
    EXPECT_EQ(Teil<Graph>(k, "GRAPH")->achse(Graph::Y).min, 0.0);
}

TEST_F(KurvenAnsicht, HintergrundkurvenNurSoweitSieReichen) {
    KurvenPanel* k = Kurven();
    // Curve 2: 4000 us at full scale; curve 3 lies left of the view once it starts at 5000.
    KurvenAendern([&](Kurvensatz& s) {
        s.kurven[1].punkte = {{2000, 8, 1}};
        s.kurven[2].punkte = {{2000, 4, 1}, {2000, 1, 1}};
    });
    DarstellungsAktion(k, KurvenPanel::NurLinien)->trigger();
    HintergrundAktion(k, 1)->trigger();
    Graph* g = Teil<Graph>(k, "GRAPH");
    const QImage bild = GraphBild(g);
    const std::vector<int> tuerkis = SpaltenMitFarbe(bild, 0x008080);
    ASSERT_FALSE(tuerkis.empty());
    const double ende = g->ZuPixel(QPointF(4000.0, 0)).x();
    EXPECT_NEAR(tuerkis.back(), ende, 1.5);
    EXPECT_LE(tuerkis.front(), g->ZuPixel(QPointF(0.0, 0)).x() + 1);

    HintergrundAktion(k, 1)->trigger();
    HintergrundAktion(k, 2)->trigger();
    k->editor().AnsichtSetzen({5000.0, 9999.0});
    EXPECT_TRUE(SpaltenMitFarbe(GraphBild(g), 0x008080).empty());
    k->editor().AnsichtSetzen({0.0, 9999.0});
    EXPECT_FALSE(SpaltenMitFarbe(GraphBild(g), 0x008080).empty());
    // Drawn as steps in the other two modes.
    DarstellungsAktion(k, KurvenPanel::NurStufen)->trigger();
    EXPECT_FALSE(SpaltenMitFarbe(GraphBild(g), 0x008080).empty());
}

TEST_F(KurvenAnsicht, SchrittenFarbenDerAktuellenKurve) {
    KurvenPanel* k = Kurven();
    KurvenAendern([&](Kurvensatz& s) { s.kurven[0].punkte = {{0, 10, 1}, {4095, 1, 1}}; });
    AktionVon(k, B::ZoomGesamt)->trigger();
    const QImage beide = GraphBild(Teil<Graph>(k, "GRAPH"));
    EXPECT_FALSE(SpaltenMitFarbe(beide, 0x0000FF).empty());            // steps
    EXPECT_FALSE(SpaltenMitFarbe(beide, qRgb(150, 150, 255)).empty()); // closing steps
    DarstellungsAktion(k, KurvenPanel::NurLinien)->trigger();
    const QImage linien = GraphBild(Teil<Graph>(k, "GRAPH"));
    EXPECT_TRUE(SpaltenMitFarbe(linien, 0x0000FF).empty());
    EXPECT_FALSE(SpaltenMitFarbe(linien, 0xFF0000).empty());
    EXPECT_FALSE(SpaltenMitFarbe(linien, qRgb(255, 150, 150)).empty());
}

TEST_F(KurvenAnsicht, KonfigurationSkaliertYAchseUndRuhewert) {
    KonfigAendern([](KonfigDaten& c) {
        c.outskalamax[2] = 100.0;
        std::snprintf(c.outeinheit[2], sizeof c.outeinheit[2], "bar");
    });
    KurvenPanel* k = Kurven();
    KurvenAktion(k, 2)->trigger();
    EXPECT_EQ(Teil<Graph>(k, "GRAPH")->achse(Graph::Y).name, "bar");
    EXPECT_EQ(Teil<QLabel>(k, "RUHETEXT")->text(), "Ruhezustand [bar]");
    EXPECT_EQ(Teil<Zahlfeld>(k, "YMAX")->wert(), 100.0);
    KonfigAendern([](KonfigDaten& c) { c.outskalamax[2] = 50.0; });
    EXPECT_EQ(Teil<Zahlfeld>(k, "YMAX")->wert(), 50.0);
    EXPECT_DOUBLE_EQ(Teil<Graph>(k, "GRAPH")->achse(Graph::Y).Einheit(4095), 50.0);
}

TEST_F(KurvenAnsicht, ZyklenUndRuhewert) {
    KurvenPanel* k = Kurven();
    Teil<Zahlfeld>(k, "RUHEZUSTAND")->setValue(-2.0);
    EXPECT_EQ(k->satz().ruhewert[0], 0);
    EXPECT_EQ(Teil<Zahlfeld>(k, "RUHEZUSTAND")->wert(), 0.0);
    EXPECT_TRUE(k->satz().geaendert);
    Teil<Zahlfeld>(k, "RUHEZUSTAND")->setValue(5.0);
    EXPECT_EQ(k->satz().ruhewert[0], 2047);
    EXPECT_NEAR(Teil<Zahlfeld>(k, "RUHEZUSTAND")->wert(), 4.9988, 0.0001); // what the box will use
    Teil<Zahlfeld>(k, "ZYKLEN")->setValue(70000);
    EXPECT_EQ(k->satz().zyklen[0], 65535);
    Teil<Zahlfeld>(k, "ZYKLEN")->setValue(3);
    KurvenAktion(k, 1)->trigger();
    EXPECT_EQ(Teil<Zahlfeld>(k, "ZYKLEN")->wert(), 0.0);
    KurvenAktion(k, 0)->trigger();
    EXPECT_EQ(Teil<Zahlfeld>(k, "ZYKLEN")->wert(), 3.0);
    EXPECT_EQ(k->satz().ruhewert[0], 2047);
}

TEST_F(KurvenAnsicht, SpeicheranzeigeRotErstUeberDemSpeicher) {
    QProgressBar* s = Teil<QProgressBar>(Kurven(), "SPEICHER");
    EXPECT_EQ(s->text(), "0.1 %");
    KurvenAendern([](Kurvensatz& s) { VierKurven(s); });
    EXPECT_EQ(s->text(), "100.0 %"); // 65536 bytes still fit
    EXPECT_FALSE(s->property("rot").toBool());
    KurvenAendern([&](Kurvensatz& s) { s.kurven[3].punkte[0].laenge += 1; });
    EXPECT_TRUE(s->property("rot").toBool());
}

TEST_F(KurvenAnsicht, HilfemodusZeigtNurTexte) {
    KurvenPanel* k = Kurven();
    KurvenAendern([&](Kurvensatz& s) { s.kurven[0].punkte = {{100, 5, 2}, {0, 1, 2}}; });
    DirekthilfeSchalten(true);
    u.dialoge.Leeren();
    AktionVon(k, B::Neu)->trigger();
    EXPECT_EQ(k->satz().kurven[0].punktzahl(), 2);
    ModusAktion(k, Bearbeitungsmodus::Markieren)->trigger();
    EXPECT_EQ(k->editor().modus(), Bearbeitungsmodus::Zeichnen);
    EXPECT_TRUE(ModusAktion(k, Bearbeitungsmodus::Zeichnen)->isChecked());
    KurvenAktion(k, 3)->trigger();
    EXPECT_EQ(k->satz().aktuelleKurve, 0);
    EXPECT_TRUE(KurvenAktion(k, 0)->isChecked());
    ASSERT_EQ(u.dialoge.VonArt("Hilfe").size(), 3u);
    EXPECT_EQ(u.dialoge.VonArt("Hilfe")[0].text, "Löscht alle Kurven.");
    EXPECT_EQ(u.dialoge.VonArt("Hilfe")[2].text, "Wählt eine Kurve zum bearbeiten aus.");
    EXPECT_EQ(HilfetextVon(Teil<QPushButton>(k, "SENDEN")).left(31), "Überträgt die Kurven zur DLM-7.");
}

TEST(KurvenEinstellungen, AbschnittKurven) {
    FensterUmgebung v("[kurven]\r\nhintergrund2 = 1\r\nhintergrund4 = 7\r\ndarstellung = 9\r\n");
    ASSERT_EQ(v.Starten(), 0);
    KurvenPanel* k = Kurven();
    EXPECT_TRUE(DarstellungsAktion(k, KurvenPanel::LinienUndStufen)->isChecked());
    EXPECT_FALSE(HintergrundAktion(k, 0)->isChecked());
    EXPECT_TRUE(HintergrundAktion(k, 1)->isChecked());
    EXPECT_TRUE(HintergrundAktion(k, 3)->isChecked());
    DarstellungsAktion(k, KurvenPanel::NurStufen)->trigger();
    HintergrundAktion(k, 3)->trigger();
    ASSERT_EQ(WriteIni(), 0);
    const QByteArray ini = v.IniLesen();
    EXPECT_TRUE(ini.contains("darstellung = 2")) << ini.constData();
    EXPECT_TRUE(ini.contains("hintergrund2 = 1"));
    EXPECT_TRUE(ini.contains("hintergrund4 = 0"));
}

} // namespace
