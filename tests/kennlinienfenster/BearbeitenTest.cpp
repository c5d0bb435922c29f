// Editing on the graph, the point dialog, undo and redo with their keys,
// the comment and the help mode.
#include "KennlinienUmgebung.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QPoint Pixel(Graph* g, double x, double y) { return g->ZuPixel({x, y}).toPoint(); }

} // namespace

TEST_F(KennlinienFenster, ZeichnenMitDerMaus) {
    ASSERT_EQ(k->modus(), Modus::Zeichnen);
    Graph* g = GraphVon(k);
    // A real drag: pressed near X 800, moved, released near X 1000.
    QTest::mousePress(g, Qt::LeftButton, {}, Pixel(g, 800, 1000));
    QTest::mouseMove(g, Pixel(g, 900, 1500));
    const int mitVorschau = g->anzahlPlots();
    QTest::mouseRelease(g, Qt::LeftButton, {}, Pixel(g, 1000, 2000));
    ASSERT_EQ(Punkte().size(), 2u);
    EXPECT_NEAR(double(Punkte()[0].laenge), 1000.0, 8.0);
    EXPECT_NEAR(double(Punkte()[1].yWert), 2000.0, 8.0);
    EXPECT_EQ(Punkte()[1].laenge, 1);
    // The preview is gone; the drawing shows the new line.
    EXPECT_LT(g->anzahlPlots(), mitVorschau + 4);
    EXPECT_TRUE(k->ungespeichert());
    EXPECT_TRUE(AktionVon(k, Befehl::Rueckgaengig)->isEnabled());
    EXPECT_FALSE(AktionVon(k, Befehl::Wiederherstellen)->isEnabled());
    EXPECT_TRUE(u.dialoge.protokoll.empty());
}

TEST_F(KennlinienFenster, ZeichnenMitRasterUndVorschau) {
    Eingeben(FeldVon(k, Feld::XRaster), "1");   // 1 V of input 2 = 409.5 raw
    Eingeben(FeldVon(k, Feld::YRaster), "2.5"); // 2.5 V of output 1 = 1023.75 raw
    emit GraphVon(k)->gedrueckt({1500, 1100}, Qt::LeftButton);
    // The coordinate displays show the snapped target.
    EXPECT_NEAR(FeldVon(k, Feld::X)->wert(), 4.0, 1e-12);
    EXPECT_NEAR(FeldVon(k, Feld::Y)->wert(), 2.5, 1e-3);
    emit GraphVon(k)->losgelassen({1500, 1100}, Qt::LeftButton);
    ASSERT_EQ(Punkte().size(), 2u);
    EXPECT_EQ(Punkte()[0].laenge, 1638);
    EXPECT_EQ(Punkte()[1].yWert, 1024);
}

TEST_F(KennlinienFenster, VerschiebenAufloesenUndTeilen) {
    k->editor().PunkteSetzen({{0, 1000, 0}, {1000, 1000, 0}, {4000, 1, 0}});
    Modus(Modus::Verschieben);
    // Picked at the middle point, dragged past the next one: stops one step before it.
    Ziehen({{1010, 990}, {1500, 3000}, {2500, 3000}});
    EXPECT_EQ(Punkte()[0].laenge, 1999);
    EXPECT_EQ(Punkte()[1].laenge, 1);
    EXPECT_EQ(Punkte()[1].yWert, 3000);

    Modus(Modus::Teilen);
    Klicken({500, 0});
    ASSERT_EQ(Punkte().size(), 4u);
    EXPECT_EQ(Punkte()[0].laenge, 500);
    EXPECT_EQ(Punkte()[1].laenge, 1499);

    Modus(Modus::Aufloesen);
    Klicken({500, 1000});
    ASSERT_EQ(Punkte().size(), 3u);
    EXPECT_EQ(Punkte()[0].laenge, 1999); // the following points keep their place
    // A line of one step cannot be split: the message, nothing changed.
    Modus(Modus::Teilen);
    Klicken({1999.5, 0});
    ASSERT_EQ(u.dialoge.VonArt("Meldung").size(), 1u);
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler");
    EXPECT_EQ(u.dialoge.Letztes().text,
              "Gerade kann nicht geteilt werden, da sie eine Länge \n von nur einer internen Rastereinheit hat.");
    EXPECT_EQ(Punkte().size(), 3u);
}

TEST_F(KennlinienFenster, KoordinatenAnzeigenOhneRaster) {
    Eingeben(FeldVon(k, Feld::XRaster), "1");
    Modus(Modus::KoordinatenAnzeigen);
    Ziehen({{100, 200}, {409.5, 2047.5}});
    EXPECT_NEAR(FeldVon(k, Feld::X)->wert(), 1.0, 1e-12);
    EXPECT_NEAR(FeldVon(k, Feld::Y)->wert(), 5.0, 1e-12);
    EXPECT_EQ(Punkte().size(), 1u);
}

TEST_F(KennlinienFenster, PunktdialogAendertKoordinaten) {
    k->editor().PunkteSetzen({{0, 1000, 0}, {1000, 1000, 0}, {4000, 1, 0}});
    Modus(Modus::KoordinatenAendern);
    Klicken({1020, 1000});
    PunktFenster* f = PunktFensterVon(k);
    ASSERT_TRUE(f && f->isVisible());
    EXPECT_EQ(f->windowTitle(), "Punkt 2");
    EXPECT_NEAR(XFeldVon(f)->wert(), 1000 * 10.0 / 4095, 1e-12);
    Tippen(XFeldVon(f), "3");   // 1228.5 -> 1229
    Tippen(YFeldVon(f), "7.5"); // 3071.25 -> 3071
    QTest::mouseClick(OkKnopfVon(f), Qt::LeftButton);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(Punkte()[0].laenge, 1229);
    EXPECT_EQ(Punkte()[1].laenge, 771);
    EXPECT_EQ(Punkte()[1].yWert, 3071);

    // The first point keeps X 0; the message comes once and Y stays too.
    Klicken({0, 1000});
    Tippen(XFeldVon(f), "1");
    Tippen(YFeldVon(f), "1");
    QTest::mouseClick(OkKnopfVon(f), Qt::LeftButton);
    EXPECT_EQ(u.dialoge.VonArt("Meldung").size(), 1u);
    EXPECT_EQ(u.dialoge.Letztes().text, "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.");
    EXPECT_EQ(Punkte()[0].yWert, 0);

    // Closed without OK: nothing changes.
    Klicken({2000, 4000});
    EXPECT_EQ(f->windowTitle(), "Punkt 3");
    Tippen(YFeldVon(f), "9");
    f->reject();
    EXPECT_EQ(Punkte()[2].yWert, 4000);
}

TEST_F(KennlinienFenster, RueckgaengigUndWiederherstellenAuchPerTaste) {
    for (int i = 1; i <= 11; ++i) Klicken({100.0 * i, 10.0 * i});
    ASSERT_EQ(Punkte().size(), 12u);
    for (int i = 0; i < 11; ++i) QTest::keyClick(GraphVon(k), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Punkte().size(), 2u); // ten steps back, the eleventh does nothing
    EXPECT_FALSE(AktionVon(k, Befehl::Rueckgaengig)->isEnabled());
    EXPECT_TRUE(AktionVon(k, Befehl::Wiederherstellen)->isEnabled());
    QTest::keyClick(GraphVon(k), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(GraphVon(k), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Punkte().size(), 4u);
    // An edit after an undo empties the redo side.
    Ausloesen(Befehl::Rueckgaengig);
    Klicken({3000, 0});
    EXPECT_FALSE(AktionVon(k, Befehl::Wiederherstellen)->isEnabled());
    // Ctrl+A marks everything.
    QTest::keyClick(GraphVon(k), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(k->editor().markierung().gueltig);
    EXPECT_EQ(AktionVon(k, Befehl::Rueckgaengig)->shortcut(), QKeySequence(QKeySequence::Undo));
}

TEST_F(KennlinienFenster, TastenWirkenNurImSichtbarenFenster) {
    Klicken({100, 10});
    ZeigeChildpanel(FensterId::Kurven);
    QTest::keyClick(Haupt(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Punkte().size(), 2u);
}

TEST_F(KennlinienFenster, KommentarVorschauZeigtDreissigZeichen) {
    const QString vierzig = "Kennlinie für Ventil 7, Prüfstand Nord!!";
    ASSERT_EQ(vierzig.size(), 40);
    KnopfVon(k, KennlinienPanel::Knopf::Kommentar)->click();
    KommentarFenster* f = KommentarFensterVon(k);
    ASSERT_TRUE(f && f->isVisible());
    EXPECT_EQ(f->windowTitle(), "Kommentar - Kennlinie");
    TextfeldVon(f)->setPlainText(vierzig);
    QTest::mouseClick(OkKnopfVon(f), Qt::LeftButton);
    EXPECT_EQ(KommentarVorschauVon(k)->text(), vierzig.left(30));
    EXPECT_EQ(QString::fromStdString(k->editor().kurve().kommentar), vierzig);
    EXPECT_TRUE(k->ungespeichert());
    // The file saved next holds all 40.
    u.dialoge.DateiGewaehlt(u.Pfad("k.dle"));
    Ausloesen(Befehl::SpeichernUnter);
    KennlinienDatei d;
    ASSERT_EQ(KennlinieLaden(u.Pfad("k.dle").toStdString(), d), 0);
    EXPECT_EQ(QString::fromStdString(d.kurve.kommentar), vierzig);
    EXPECT_FALSE(k->ungespeichert());
    // Reopened, unchanged and confirmed: still saved.
    KnopfVon(k, KennlinienPanel::Knopf::Kommentar)->click();
    QTest::mouseClick(OkKnopfVon(f), Qt::LeftButton);
    EXPECT_FALSE(k->ungespeichert());
}

TEST_F(KennlinienFenster, KommentarDenDieDateiNichtFasstWirdAbgelehnt) {
    KnopfVon(k, KennlinienPanel::Knopf::Kommentar)->click();
    KommentarFenster* f = KommentarFensterVon(k);
    TextfeldVon(f)->setPlainText("Druck in ㎫");
    QTest::mouseClick(OkKnopfVon(f), Qt::LeftButton);
    EXPECT_TRUE(f->isVisible()) << "the text stays for correction";
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler");
    EXPECT_EQ(k->editor().kurve().kommentar, "");
    // More than 999 characters cannot even be typed or pasted.
    TextfeldVon(f)->setPlainText(QString(1200, 'x'));
    EXPECT_EQ(f->text().size(), 999);
    QTest::mouseClick(OkKnopfVon(f), Qt::LeftButton);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(k->editor().kurve().kommentar.size(), 999u);
}

TEST_F(KennlinienFenster, HilfemodusZeigtNurTexte) {
    DirekthilfeSchalten(true);
    u.dialoge.Leeren();
    QTest::mouseClick(GraphVon(k), Qt::LeftButton, {}, Pixel(GraphVon(k), 1000, 1000));
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Graphische Darstellung der Kennlinie"));
    EXPECT_EQ(Punkte().size(), 1u);

    QTest::mouseClick(KnopfVon(k, KennlinienPanel::Knopf::Schreiben), Qt::LeftButton);
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Überträgt die Kennlinie zur DLM-7"));
    EXPECT_FALSE(Dienst().beschaeftigt());

    Ausloesen(Befehl::ZoomPlus);
    EXPECT_EQ(u.dialoge.Letztes().text, "Vergrößert die Grafik.");
    EXPECT_EQ(k->ansicht().min, 0.0);

    Modus(Modus::Aufloesen);
    EXPECT_EQ(u.dialoge.Letztes().text, "Löscht einen Kurvenpunkt.");
    EXPECT_EQ(k->modus(), Modus::Zeichnen);
    EXPECT_TRUE(ModusAktion(k, Modus::Zeichnen)->isChecked());

    DarstellungsAktion(k, KennlinienPanel::Linien)->trigger();
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Darstellungsarten für die Kurven:"));
    EXPECT_EQ(k->darstellung(), KennlinienPanel::LinienUndStufen);

    Ausloesen(Befehl::Neu);
    EXPECT_EQ(u.dialoge.Letztes().text, "Löscht die Kennlinie.");
    const auto anzahl = u.dialoge.protokoll.size();
    Ausloesen(Befehl::AllesMarkieren); // no text, no action
    EXPECT_EQ(u.dialoge.protokoll.size(), anzahl);
    EXPECT_FALSE(k->editor().markierung().gueltig);

    // The menu entry switches the mode off again and shows its own state.
    k->direkthilfeAktion()->trigger();
    EXPECT_FALSE(gHilfeAktiv);
    Ausloesen(Befehl::ZoomPlus);
    EXPECT_EQ(k->ansicht().min, 682.0);
}
