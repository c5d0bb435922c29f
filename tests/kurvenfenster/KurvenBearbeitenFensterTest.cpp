// Editing through the window: real mouse events on the graph, the keyboard
// habits on top of the menus, the dialogs of the click modes and the comment.
#include "KurvenFensterHilfe.h"
#include "KurvenZugriff.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using B = KurvenPanel::Befehl;

struct KurvenBearbeiten : ::testing::Test {
    FensterUmgebung u;
    SkriptEingaben* eingaben = nullptr;
    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        Haupt()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
        ZeigeChildpanel(FensterId::Kurven);
        eingaben = &EingabenSkripten();
    }
    static QPoint Pixel(double x, double y) { return Teil<Graph>(Kurven(), "GRAPH")->ZuPixel(QPointF(x, y)).toPoint(); }
    static void Klick(double x, double y) {
        QTest::mouseClick(Teil<Graph>(Kurven(), "GRAPH"), Qt::LeftButton, {}, Pixel(x, y));
    }
    static void Ziehen(double x0, double y0, double x1, double y1) {
        Graph* g = Teil<Graph>(Kurven(), "GRAPH");
        QTest::mousePress(g, Qt::LeftButton, {}, Pixel(x0, y0));
        QMouseEvent zug(QEvent::MouseMove, QPointF(Pixel(x1, y1)), g->mapToGlobal(QPointF(Pixel(x1, y1))), Qt::NoButton,
                        Qt::LeftButton, {});
        QApplication::sendEvent(g, &zug);
        QTest::mouseRelease(g, Qt::LeftButton, {}, Pixel(x1, y1));
    }
    static const std::vector<Kurvenpunkt>& Punkte() { return Kurven()->satz().Aktuelle().punkte; }
};

TEST_F(KurvenBearbeiten, PunktZeichnenMitDerMaus) {
    KurvenPanel* k = Kurven();
    Teil<QComboBox>(k, "ZEITBASIS")->setCurrentIndex(Teil<QComboBox>(k, "ZEITBASIS")->findData(2)); // "1ms"
    k->editor().AnsichtSetzen({0.0, 99999.0});
    Klick(50000.0, 2047.5);
    ASSERT_EQ(Punkte().size(), 2u);
    // The former closing point now reaches to the click on the ring's time base.
    EXPECT_EQ(Punkte()[0].zeitbasis, 2);
    EXPECT_NEAR(Punkte()[0].laenge, 50, 1); // the drawn part of a fresh curve ends at 0
    EXPECT_NEAR(Punkte()[1].wert, 2047, 20);
    EXPECT_EQ(Punkte()[1].laenge, 1);
    EXPECT_TRUE(k->satz().geaendert);
    EXPECT_TRUE(AktionVon(k, B::Rueckgaengig)->isEnabled());
    // Nothing of the preview is left on the graph.
    const int plots = Teil<Graph>(k, "GRAPH")->anzahlPlots();
    k->editor().KonfigurationGeaendert(); // redraws everything
    EXPECT_EQ(Teil<Graph>(k, "GRAPH")->anzahlPlots(), plots);
}

TEST_F(KurvenBearbeiten, MarkierenUndLoeschenUeberTastatur) {
    KurvenPanel* k = Kurven();
    KurvenAendern([&](Kurvensatz& s) {
        s.kurven[0].punkte = {{0, 10, 2}, {1000, 10, 2}, {2000, 10, 2}, {3000, 10, 2}, {0, 1, 2}};
    });
    AktionVon(k, B::ZoomGesamt)->trigger();
    ModusAktion(k, Bearbeitungsmodus::Markieren)->trigger();
    Ziehen(15000.0, 100.0, 35000.0, 100.0);
    ASSERT_TRUE(k->satz().markierung.aktiv);
    EXPECT_NEAR(k->satz().markierung.start, 15000.0, 200.0);
    EXPECT_NEAR(k->satz().markierung.ende, 35000.0, 200.0);
    Teil<Graph>(k, "GRAPH")->setFocus();
    QTest::keyClick(Teil<Graph>(k, "GRAPH"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(k->satz().zwischenspeicher.size(), 1u); // the segment from 20 to 30 ms
    QTest::keyClick(Teil<Graph>(k, "GRAPH"), Qt::Key_Delete);
    EXPECT_EQ(Punkte().size(), 4u);
    EXPECT_FALSE(k->satz().markierung.aktiv);
    QTest::keyClick(Teil<Graph>(k, "GRAPH"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Punkte().size(), 5u);
    QTest::keyClick(Teil<Graph>(k, "GRAPH"), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Punkte().size(), 4u);
    QTest::keyClick(Teil<Graph>(k, "GRAPH"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Punkte().size(), 4u); // nothing left to redo
    QTest::keyClick(Teil<Graph>(k, "GRAPH"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(k->satz().markierung.aktiv);
    EXPECT_EQ(k->satz().markierung.ende, KurvenLaenge(k->satz().Aktuelle()));
    // Another mode clears the mark.
    ModusAktion(k, Bearbeitungsmodus::Teilen)->trigger();
    EXPECT_FALSE(k->satz().markierung.aktiv);
}

TEST_F(KurvenBearbeiten, VerschiebenZeigtVorschauUndVerschiebt) {
    KurvenPanel* k = Kurven();
    KurvenAendern([&](Kurvensatz& s) { s.kurven[0].punkte = {{0, 10, 2}, {1000, 10, 2}, {0, 1, 2}}; });
    AktionVon(k, B::ZoomGesamt)->trigger();
    ModusAktion(k, Bearbeitungsmodus::Verschieben)->trigger();
    Graph* g = Teil<Graph>(k, "GRAPH");
    const int leer = g->anzahlPlots();
    QTest::mousePress(g, Qt::LeftButton, {}, Pixel(10000.0, 1000.0));
    EXPECT_EQ(g->anzahlPlots(), leer + 3); // two lines to the neighbours and the marker
    QTest::mouseRelease(g, Qt::LeftButton, {}, Pixel(14000.0, 3000.0));
    EXPECT_EQ(Punkte()[0].laenge, 14);
    EXPECT_EQ(Punkte()[1].laenge, 6);
    EXPECT_NEAR(Punkte()[1].wert, 3000, 20);
}

TEST_F(KurvenBearbeiten, KlickmodiMitIhrenDialogen) {
    KurvenPanel* k = Kurven();
    KurvenAendern([&](Kurvensatz& s) { s.kurven[0].punkte = {{0, 10, 2}, {1000, 10, 2}, {0, 1, 2}}; });
    AktionVon(k, B::ZoomGesamt)->trigger();

    ModusAktion(k, Bearbeitungsmodus::Koordinaten)->trigger();
    eingaben->punkte.push_back({{0, 0, 0, 12.0}, 5.0});
    Klick(10000.0, 1000.0);
    EXPECT_EQ(eingaben->titel.back(), "Punkt 2");
    EXPECT_EQ(Punkte()[0].laenge, 12);
    EXPECT_EQ(Punkte()[1].wert, 2048);

    ModusAktion(k, Bearbeitungsmodus::Zeitbasis)->trigger();
    eingaben->zeitbasen.push_back(1); // "500us"
    QTest::mousePress(Teil<Graph>(k, "GRAPH"), Qt::LeftButton, {}, Pixel(3000.0, 100.0));
    QTest::mouseRelease(Teil<Graph>(k, "GRAPH"), Qt::LeftButton, {}, Pixel(3000.0, 100.0));
    EXPECT_EQ(eingaben->angehakt.back(), 2);
    EXPECT_EQ(Punkte()[0].zeitbasis, 1);
    EXPECT_EQ(Punkte()[0].laenge, 24);

    ModusAktion(k, Bearbeitungsmodus::Laenge)->trigger();
    eingaben->geraden.push_back({0, 0, 0, 2.5}); // not a multiple of 1 ms
    Klick(15000.0, 100.0);
    EXPECT_EQ(eingaben->titel.back(), "Gerade 2");
    ASSERT_FALSE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler");
    EXPECT_EQ(Punkte()[1].laenge, 8);

    ModusAktion(k, Bearbeitungsmodus::Aufloesen)->trigger();
    Klick(12000.0, 2048.0);
    EXPECT_EQ(u.dialoge.Letztes().text.left(28), "Punkt kann nicht gelöscht we"); // 500us next to 1ms
}

TEST_F(KurvenBearbeiten, AnzeigenFolgtDerMaus) {
    KurvenPanel* k = Kurven();
    KurvenAendern([&](Kurvensatz& s) { s.kurven[0].punkte = {{0, 2, 7}, {4095, 1, 9}}; });
    AktionVon(k, B::ZoomGesamt)->trigger();
    ModusAktion(k, Bearbeitungsmodus::Anzeigen)->trigger();
    const int mitMarken = Teil<Graph>(k, "GRAPH")->anzahlPlots();
    ModusAktion(k, Bearbeitungsmodus::Zeichnen)->trigger();
    EXPECT_LT(Teil<Graph>(k, "GRAPH")->anzahlPlots(), mitMarken); // the time-base labels go with the mode
    ModusAktion(k, Bearbeitungsmodus::Anzeigen)->trigger();
    QTest::mousePress(Teil<Graph>(k, "GRAPH"), Qt::LeftButton, {}, Pixel(30000.0, 4095.0));
    EXPECT_NEAR(k->findChild<QLineEdit*>("MILLISEKUNDEN")->text().toDouble(), 30.0, 0.1);
    EXPECT_EQ(k->findChild<QLineEdit*>("WERT")->text(), "10.000");
    QTest::mouseRelease(Teil<Graph>(k, "GRAPH"), Qt::LeftButton, {}, Pixel(30000.0, 4095.0));
}

TEST_F(KurvenBearbeiten, KommentarDreiZeilen) {
    KurvenPanel* k = Kurven();
    KurvenAktion(k, 2)->trigger();
    eingaben->kommentare.push_back("Erste Zeile mit vielen Zeichen darin\nzweite\ndritte");
    Teil<QPushButton>(k, "KOMMENTAR")->click();
    EXPECT_EQ(eingaben->titel.back(), "Kommentar - Kurve 3");
    EXPECT_EQ(k->satz().kurven[2].kommentar, "Erste Zeile mit vielen Zeichen darin\nzweite\ndritte");
    EXPECT_EQ(Teil<QLineEdit>(k, "KOMMENTARZEILE")->text(), "Erste Zeile mit vielen Zeichen");
    EXPECT_TRUE(k->satz().geaendert);
    // A character the files cannot hold keeps the old comment.
    eingaben->kommentare.push_back(QString::fromUtf8("Ω"));
    Teil<QPushButton>(k, "KOMMENTAR")->click();
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler");
    EXPECT_EQ(k->satz().kurven[2].kommentar.substr(0, 5), "Erste");
}

} // namespace
