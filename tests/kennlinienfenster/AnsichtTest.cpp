// The view of the window: zoom, scroll bar, Y zoom, display modes, the
// settings key and the axes after a configuration change.
#include "KennlinienUmgebung.h"

#include "kern/IniDatei.h"

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

TEST_F(KennlinienFenster, ZoomPlusUndZurueck) {
    Ausloesen(Befehl::ZoomPlus);
    EXPECT_EQ(k->ansicht().min, 682.0);
    EXPECT_EQ(k->ansicht().max, 3411.0);
    EXPECT_EQ(GraphVon(k)->achse(Graph::X).min, 682.0);
    EXPECT_EQ(GraphVon(k)->achse(Graph::X).max, 3412.0);
    // The thumb covers two thirds of the range, at position 49 of 0..100.
    const QScrollBar* r = RollbalkenVon(k);
    EXPECT_NEAR(double(r->pageStep()) / (r->maximum() - r->minimum() + r->pageStep()), 0.67, 0.001);
    EXPECT_EQ(r->value() * 100 / r->maximum(), 49);

    Ausloesen(Befehl::ZoomMinus);
    EXPECT_EQ(k->ansicht().min, 0.0);
    EXPECT_EQ(k->ansicht().max, 4094.0);
    EXPECT_EQ(GraphVon(k)->achse(Graph::X).max, 4095.0);
}

TEST_F(KennlinienFenster, ZoomPlusBleibtBeiEinemSchritt) {
    for (int i = 0; i < 40; ++i) Ausloesen(Befehl::ZoomPlus);
    EXPECT_GE(k->ansicht().Breite(), 1.0);
    EXPECT_LT(GraphVon(k)->achse(Graph::X).min, GraphVon(k)->achse(Graph::X).max);
    Ausloesen(Befehl::ZoomGesamt);
    EXPECT_EQ(k->ansicht().min, 0.0);
    EXPECT_EQ(k->ansicht().max, 4094.0);
}

TEST_F(KennlinienFenster, ZoomMarkierungVonRechtsNachLinks) {
    Modus(Modus::Markieren);
    Ziehen({{3000.4, 100}, {2000, 100}, {1000.2, 100}});
    EXPECT_TRUE(k->editor().markierung().gueltig);
    const int mitMarke = GraphVon(k)->anzahlPlots();
    Ausloesen(Befehl::ZoomMarkierung);
    EXPECT_EQ(k->ansicht().min, 1000.0);
    EXPECT_EQ(k->ansicht().max, 2999.0);
    // The mark is gone, rectangles included.
    EXPECT_FALSE(k->editor().markierung().gueltig);
    EXPECT_EQ(GraphVon(k)->anzahlPlots(), mitMarke - 1);
    // Without a mark nothing happens.
    Ausloesen(Befehl::ZoomMarkierung);
    EXPECT_EQ(k->ansicht().min, 1000.0);
    EXPECT_EQ(k->ansicht().max, 2999.0);
}

TEST_F(KennlinienFenster, AnderesWerkzeugVerwirftDieMarkierung) {
    Modus(Modus::Markieren);
    Ausloesen(Befehl::AllesMarkieren);
    EXPECT_TRUE(k->editor().markierung().gueltig);
    EXPECT_EQ(k->editor().markierung().ende, 4095.0);
    Modus(Modus::Zeichnen);
    EXPECT_FALSE(k->editor().markierung().gueltig);
    Ausloesen(Befehl::ZoomMarkierung);
    EXPECT_EQ(k->ansicht().max, 4094.0);
}

TEST_F(KennlinienFenster, RollbalkenVerschiebtDieAnsicht) {
    Ausloesen(Befehl::ZoomPlus);
    Ausloesen(Befehl::ZoomPlus); // W = 1820
    const double breite = k->ansicht().Breite();
    QScrollBar* r = RollbalkenVon(k);
    // Dragging moves the view only once, at the release.
    r->setSliderDown(true);
    r->setValue(r->maximum());
    EXPECT_EQ(k->ansicht().min, 1137.0);
    r->setSliderDown(false);
    EXPECT_EQ(k->ansicht().min, 4095.0 - breite);
    EXPECT_EQ(k->ansicht().Breite(), breite);
    // A click beside the thumb acts at once.
    r->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(k->ansicht().min, 0.0);
    EXPECT_EQ(GraphVon(k)->achse(Graph::X).max, breite);
    // A drag ends between the percent steps: 1.5 % is rounded to 2 % (46 of
    // 2275 steps), 1.4 % to 1 % (22.75, rounded to 23).
    for (auto [wert, min] : {std::pair{15, 46.0}, std::pair{14, 23.0}}) {
        r->setSliderDown(true);
        r->setValue(wert * r->maximum() / 1000);
        r->setSliderDown(false);
        EXPECT_EQ(k->ansicht().min, min) << wert;
        EXPECT_EQ(k->ansicht().Breite(), breite);
    }
}

TEST_F(KennlinienFenster, YZoomUndSeineAblehnung) {
    Eingeben(FeldVon(k, Feld::YZoomMax), "8");
    Eingeben(FeldVon(k, Feld::YZoomMin), "2");
    // 2 V and 8 V of output 1 (0..10 V over 0..4095), truncated to raw.
    EXPECT_EQ(k->ansicht().yMin, 819);
    EXPECT_EQ(k->ansicht().yMax, 3276);
    EXPECT_EQ(GraphVon(k)->achse(Graph::Y).min, 819.0);
    EXPECT_NEAR(FeldVon(k, Feld::YZoomMax)->wert(), 3276 * 10.0 / 4095, 1e-12);

    // A minimum at or above the maximum puts both fields back.
    Eingeben(FeldVon(k, Feld::YZoomMin), "9");
    EXPECT_EQ(k->ansicht().yMin, 819);
    EXPECT_NEAR(FeldVon(k, Feld::YZoomMin)->wert(), 2.0, 1e-3);
    EXPECT_NEAR(FeldVon(k, Feld::YZoomMax)->wert(), 8.0, 1e-3);
    Eingeben(FeldVon(k, Feld::YZoomMax), "2");
    EXPECT_EQ(k->ansicht().yMax, 3276);
    EXPECT_NEAR(FeldVon(k, Feld::YZoomMax)->wert(), 8.0, 1e-3);
    // Beyond the range: limited to it.
    Eingeben(FeldVon(k, Feld::YZoomMax), "50");
    EXPECT_EQ(k->ansicht().yMax, 4095);
}

TEST_F(KennlinienFenster, DarstellungenZeichnenLinienStufenOderBeides) {
    k->editor().PunkteSetzen({{0, 4095, 0}, {4095, 1, 0}});
    auto plots = [&](int d) {
        DarstellungsAktion(k, d)->trigger();
        EXPECT_EQ(k->darstellung(), d);
        EXPECT_TRUE(DarstellungsAktion(k, d)->isChecked());
        EXPECT_TRUE(DarstellungsKnopf(k, d)->isChecked());
        return GraphVon(k)->anzahlPlots();
    };
    // Lines: polyline, extension, two markers. Steps: staircase, closing
    // vertical, two markers (the last point sits at 4095: no extension stairs).
    const int linien = plots(KennlinienPanel::Linien);
    const int stufen = plots(KennlinienPanel::Stufen);
    const int beides = plots(KennlinienPanel::LinienUndStufen);
    EXPECT_EQ(linien, 4);
    EXPECT_EQ(stufen, 4);
    EXPECT_EQ(beides, 6);
    // The toolbar's display buttons only follow the menu.
    QTest::mouseClick(DarstellungsKnopf(k, KennlinienPanel::Linien), Qt::LeftButton);
    EXPECT_EQ(k->darstellung(), KennlinienPanel::LinienUndStufen);
}

TEST(KennlinienEinstellung, DarstellungAusDerEinstellungsdatei) {
    {
        FensterUmgebung u("[kennlinie]\r\ndarstellung = 2\r\n");
        ASSERT_EQ(u.Starten(), 0);
        EXPECT_EQ(Kennlinie()->darstellung(), KennlinienPanel::Stufen);
        EXPECT_TRUE(DarstellungsAktion(Kennlinie(), KennlinienPanel::Stufen)->isChecked());
        DarstellungsAktion(Kennlinie(), KennlinienPanel::Linien)->trigger();
        ASSERT_EQ(WriteIni(), 0);
        EXPECT_TRUE(u.IniLesen().contains("darstellung = 1")) << u.IniLesen().toStdString();
    }
    for (const char* falsch : {"7", "0", "x"}) {
        FensterUmgebung u(QByteArray("[kennlinie]\r\ndarstellung = ") + falsch + "\r\n");
        ASSERT_EQ(u.Starten(), 0);
        EXPECT_EQ(Kennlinie()->darstellung(), KennlinienPanel::LinienUndStufen) << falsch;
        EXPECT_TRUE(DarstellungsAktion(Kennlinie(), KennlinienPanel::LinienUndStufen)->isChecked());
        EXPECT_TRUE(DarstellungsKnopf(Kennlinie(), KennlinienPanel::LinienUndStufen)->isChecked());
    }
}

TEST_F(KennlinienFenster, AchsenFolgenDerUebernommenenKonfiguration) {
    KonfigAendern([](KonfigDaten& c) {
        SkalierungSetzen(c, Seite::Ausgang, 0, {0, 10, 0, 100});
        EinheitTextSetzen(c, Seite::Ausgang, 0, "%");
        SkalierungSetzen(c, Seite::Ausgang, 1, {0, 10, 0, 20});
        EinheitTextSetzen(c, Seite::Ausgang, 1, "mA");
        SkalierungSetzen(c, Seite::Eingang, 1, {0, 10, -50, 150});
        EinheitTextSetzen(c, Seite::Eingang, 1, "°C");
    });
    const GraphAchse& y = GraphVon(k)->achse(Graph::Y);
    EXPECT_EQ(y.name, "%");
    EXPECT_DOUBLE_EQ(y.Einheit(4095), 100.0);
    const GraphAchse& x = GraphVon(k)->achse(Graph::X);
    EXPECT_EQ(x.name, "°C");
    EXPECT_DOUBLE_EQ(x.Einheit(0), -50.0);
    EXPECT_DOUBLE_EQ(x.Einheit(4095), 150.0);
    EXPECT_DOUBLE_EQ(FeldVon(k, Feld::YZoomMax)->wert(), 100.0);
    EXPECT_EQ(BegrenzungTextVon(k)->text(), "Analogausgang2 [mA]");
    // The fixed value of output 2 is limited to output 2's range in the new unit.
    Eingeben(FeldVon(k, Feld::Begrenzung), "25");
    EXPECT_DOUBLE_EQ(FeldVon(k, Feld::Begrenzung)->wert(), 20.0);
    // A configuration that is only replaced (not taken over) does not relabel yet.
    KonfigDaten c = Konfig();
    EinheitTextSetzen(c, Seite::Ausgang, 0, "bar");
    App().konfig().Setzen(c);
    EXPECT_EQ(GraphVon(k)->achse(Graph::Y).name, "%");
}
