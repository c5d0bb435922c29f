#include "KurvenHilfe.h"

#include "kurven/KurvenBearbeiten.h"
#include "kurven/KurvenGeraden.h"
#include "kurven/KurvenMaus.h"

#include <gtest/gtest.h>

using namespace kurvengenerator;

namespace {

// Seven points of 20 ms (two 10 ms ticks) with values 0, 100, .., 600; the
// last is the closing segment of one tick. Point i starts at i * 20000.
Kurvensatz Sieben() {
    Kurve k;
    k.punkte.clear();
    for (int i = 0; i < 7; ++i) k.punkte.push_back({i * 100, i < 6 ? 2 : 1, 7});
    return SatzMit(k);
}

std::vector<int> Werte(const Kurvensatz& s) {
    std::vector<int> w;
    for (const auto& p : s.Aktuelle().punkte) w.push_back(p.wert);
    return w;
}

void Markieren(Kurvensatz& s, double von, double bis) { s.markierung = {von, bis, true, true}; }

std::string EinzigeMeldung(const Bearbeitung& b) {
    return b.meldungen.size() == 1 && b.meldungen[0].titel == "Fehler" ? b.meldungen[0].text : "?";
}

const KonfigDaten kStd = KonfigStandardwerte();

} // namespace

TEST(KurvenBearbeiten, MarkierteSegmenteKopierenLoeschenEinfuegen) {
    // From the middle of segment 2 to the middle of segment 5, or exactly from
    // point 3 to point 5: points 3 and 4.
    for (auto [von, bis] : {std::pair{30000.0, 90000.0}, std::pair{40000.0, 80000.0}}) {
        Kurvensatz s = Sieben();
        Markieren(s, von, bis);
        EXPECT_EQ(MarkiertePunkte(s).erster, 2);
        EXPECT_EQ(MarkiertePunkte(s).ende, 4);
        ASSERT_EQ(Kopieren(s), 0);
        EXPECT_EQ(s.zwischenspeicher.size(), 2u);
        const Bearbeitung b = Loeschen(s);
        EXPECT_TRUE(b.neuZeichnen);
        EXPECT_EQ(Werte(s), (std::vector<int>{0, 100, 400, 500, 600}));
        EXPECT_FALSE(s.markierung.aktiv);
        EXPECT_TRUE(RueckgaengigMoeglich(s));
    }

    // A mark inside one segment covers no point: copy keeps the clipboard,
    // delete changes nothing, paste only inserts behind that segment.
    Kurvensatz s = Sieben();
    s.zwischenspeicher = {{7, 3, 2}, {8, 4, 2}};
    Markieren(s, 45000.0, 55000.0);
    EXPECT_EQ(Kopieren(s), 0);
    EXPECT_EQ(s.zwischenspeicher.size(), 2u);
    Loeschen(s);
    EXPECT_EQ(s.Aktuelle().punktzahl(), 7);
    Markieren(s, 45000.0, 55000.0);
    Einfuegen(s);
    // The run starts at the level of the point that follows it.
    EXPECT_EQ(Werte(s), (std::vector<int>{0, 100, 200, 300, 8, 300, 400, 500, 600}));
    EXPECT_TRUE(s.markierung.aktiv);
    EXPECT_EQ(s.markierung.start, StartzeitPunkt(s.Aktuelle(), 5) + 0.05);

    // Behind the drawn part: the closing segment stays last.
    s = Sieben();
    s.zwischenspeicher = {{7, 3, 2}};
    Markieren(s, 130000.0, 500000.0);
    Einfuegen(s);
    EXPECT_EQ(Werte(s), (std::vector<int>{0, 100, 200, 300, 400, 500, 600, 600}));
    EXPECT_EQ(s.Aktuelle().punkte[6].laenge, 3);
    EXPECT_EQ(s.Aktuelle().punkte.back().laenge, 1);

    // "Alles Markieren" + "Löschen" leaves the former closing point, at time 0.
    s = Sieben();
    AllesMarkieren(s);
    EXPECT_EQ(s.markierung.ende, KurvenLaenge(s.Aktuelle()));
    Loeschen(s);
    EXPECT_EQ(s.Aktuelle().punkte, std::vector<Kurvenpunkt>({{600, 1, 7}}));
    // Cut without an active mark does nothing.
    EXPECT_FALSE(Ausschneiden(s).neuZeichnen);
}

TEST(KurvenBearbeiten, ZehnSchritteRueckgaengigJeKurve) {
    Kurvensatz s;
    std::vector<std::vector<Kurvenpunkt>> stand;
    for (int i = 0; i < 11; ++i) {
        stand.push_back(s.Aktuelle().punkte);
        PunktZeichnen(s, 10000.0 * (i + 1), 100.0 * i, 7, kStd);
    }
    const auto bearbeitet = s.Aktuelle().punkte;
    EXPECT_EQ(s.Aktuelle().punktzahl(), 12);
    for (int i = 10; i >= 1; --i) {
        EXPECT_TRUE(Rueckgaengig(s).neuZeichnen);
        EXPECT_EQ(s.Aktuelle().punkte, stand[static_cast<std::size_t>(i)]);
    }
    EXPECT_FALSE(RueckgaengigMoeglich(s));
    EXPECT_FALSE(Rueckgaengig(s).neuZeichnen);
    for (int i = 0; i < 10; ++i) Wiederherstellen(s);
    EXPECT_EQ(s.Aktuelle().punkte, bearbeitet);
    EXPECT_FALSE(WiederherstellenMoeglich(s));

    // Each curve has its own ring; undo does not touch geaendert.
    s.aktuelleKurve = 1;
    EXPECT_FALSE(RueckgaengigMoeglich(s));
    s.geaendert = false;
    s.aktuelleKurve = 0;
    Rueckgaengig(s);
    EXPECT_FALSE(s.geaendert);
    // A new edit after an undo drops the redo steps.
    PunktZeichnen(s, 1e6, 0.0, 7, kStd);
    EXPECT_FALSE(WiederherstellenMoeglich(s));
    EXPECT_TRUE(s.geaendert);
}

TEST(KurvenBearbeiten, ZeichnenUndVerschieben) {
    Kurvensatz s;
    // 700 s behind the drawn part: 70000 ticks of 10 ms are too many, 700 of 1 s fit.
    EXPECT_EQ(EinzigeMeldung(PunktZeichnen(s, 700e6, 0.0, 7, kStd)),
              "Gerade zu lang!\nWählen Sie eine größere Zeiteinheit.");
    EXPECT_FALSE(RueckgaengigMoeglich(s));
    EXPECT_TRUE(PunktZeichnen(s, 700e6, 2000.4, 11, kStd).neuZeichnen);
    EXPECT_EQ(s.Aktuelle().punkte, std::vector<Kurvenpunkt>({{0, 700, 11}, {2000, 1, 11}}));
    const Linie vorschau = ZeichnenVorschau(s, 700e6 + 2.6e6, 10.0, 11, kStd);
    EXPECT_EQ(vorschau.x0, 700e6);
    EXPECT_EQ(vorschau.x1, 703e6);
    EXPECT_EQ(vorschau.y0, 2000.0);

    // Move point 1 of two 4 ms segments (1 ms ticks): whole ticks, total kept.
    s = SatzMit(KurveAus({{0, 4, 2}, {1000, 4, 2}, {0, 1, 2}}));
    const Verschiebung v = VerschiebenVorschau(s, 1, 5400.0, 1500.0, kStd);
    EXPECT_EQ(v.x, 5000.0);
    EXPECT_TRUE(v.linksLinie && v.rechtsLinie);
    PunktVerschieben(s, 1, 5400.0, 1500.0, kStd);
    EXPECT_EQ(s.Aktuelle().punkte, std::vector<Kurvenpunkt>({{0, 5, 2}, {1500, 3, 2}, {0, 1, 2}}));
    PunktVerschieben(s, 1, 9000.0, 1500.0, kStd); // stays before its neighbour
    EXPECT_EQ(s.Aktuelle().punkte[0].laenge, 7);
    EXPECT_EQ(s.Aktuelle().punkte[1].laenge, 1);
    PunktVerschieben(s, 0, 3000.0, 4000.0, kStd); // the first point keeps time 0
    EXPECT_EQ(s.Aktuelle().punkte[0], (Kurvenpunkt{4000, 7, 2}));
    // 2 ms before a 3 ms segment: no snapped time keeps the total, so it is refused.
    s = SatzMit(KurveAus({{0, 3, 3}, {0, 2, 4}, {0, 1, 4}}));
    EXPECT_EQ(EinzigeMeldung(PunktVerschieben(s, 1, 3000.0, 0.0, kStd)), "Unvorhergesehene Operation.");
    EXPECT_FALSE(RueckgaengigMoeglich(s));

    // Mark: dragging from right to left is ordered on release.
    s = Sieben();
    EXPECT_TRUE(ModusGewaehlt(s, Bearbeitungsmodus::Anzeigen) == true);
    MarkierenZiehen(s, 5000.4);
    MarkierenZiehen(s, 3000.0);
    MarkierenLoslassen(s, 2000.2);
    EXPECT_EQ(s.markierung.start, 2000.0);
    EXPECT_EQ(s.markierung.ende, 5000.0);
    EXPECT_TRUE(s.markierung.aktiv && s.markierung.frisch);
    EXPECT_FALSE(ModusGewaehlt(s, Bearbeitungsmodus::Zeichnen));
    EXPECT_FALSE(s.markierung.aktiv);

    EXPECT_EQ(NaechsterPunkt(s.Aktuelle(), 41000.0, 120.0, Ansicht{0.0, 139999.0}, 700.0, 400.0), 2);
    EXPECT_EQ(NaechsterPunkt(s.Aktuelle(), 41000.0, 120.0, Ansicht{0.0, 139999.0}, 1.0, 400.0), 1);
}

TEST(KurvenBearbeiten, AufloesenTeilenZeitbasisLaenge) {
    Kurvensatz s = SatzMit(KurveAus({{0, 5, 7}, {100, 1, 7}}));
    PunktAufloesen(s, 1);
    EXPECT_EQ(s.Aktuelle().punkte, std::vector<Kurvenpunkt>({{0, 1, 7}}));
    EXPECT_EQ(EinzigeMeldung(PunktAufloesen(s, 0)), "Letzter Punkt kann nicht gelöscht werden");
    s = SatzMit(KurveAus({{0, 6000, 7}, {100, 60000, 7}, {7, 2, 6}, {0, 1, 6}}));
    EXPECT_EQ(EinzigeMeldung(PunktAufloesen(s, 1)),
              "Punkt kann nicht gelöscht werden, da die resultierende \nGerade zu lang wäre. \nWandeln Sie die "
              "Geraden in eine größere Zeitbasis um.");
    EXPECT_NE(EinzigeMeldung(PunktAufloesen(s, 2)).find("unterschiedliche Zeitbasen"), std::string::npos);
    PunktAufloesen(s, 0);
    EXPECT_EQ(s.Aktuelle().punkte.front(), (Kurvenpunkt{100, 60000, 7}));

    s = SatzMit(KurveAus({{0, 2, 7}, {1000, 1, 7}}));
    EXPECT_TRUE(GeradeTeilen(s, 19000.0).neuZeichnen);
    EXPECT_EQ(s.Aktuelle().punkte, std::vector<Kurvenpunkt>({{0, 1, 7}, {500, 1, 7}, {1000, 1, 7}}));
    EXPECT_EQ(EinzigeMeldung(GeradeTeilen(s, 100.0)),
              "Gerade kann nicht geteilt werden, da sie eine Länge \n von nur einer Zeiteinheit hat.");
    EXPECT_FALSE(GeradeTeilen(s, 25000.0).neuZeichnen); // the closing segment
    // Beyond half the length the new point takes the next point's level.
    s = SatzMit(KurveAus({{0, 10, 7}, {1000, 1, 7}}));
    GeradeTeilen(s, 70000.0);
    EXPECT_EQ(s.Aktuelle().punkte[1], (Kurvenpunkt{1000, 3, 7}));

    // 10 ms x 3 becomes 5 ms x 6; 20 ms does not divide it.
    s = SatzMit(KurveAus({{0, 3, 7}, {100, 1, 7}}));
    EXPECT_EQ(ZeitbasisAnZeit(s, 100.0), 7);
    EXPECT_EQ(EinzigeMeldung(ZeitbasisAendern(s, 100.0, 8)),
              "Die Länge der Gerade läßt sich nicht durch die \nneue Zeitbasis teilen.");
    ZeitbasisAendern(s, 100.0, 6);
    EXPECT_EQ(s.Aktuelle().punkte, std::vector<Kurvenpunkt>({{0, 6, 6}, {100, 1, 6}}));
    // The closing segment changes without an undo step, but counts as a change.
    s.geaendert = false;
    const int schritte = s.AktuellerRing().undoZahl;
    ZeitbasisAendern(s, 30000.0, 12);
    EXPECT_EQ(s.Aktuelle().punkte.back(), (Kurvenpunkt{100, 1, 12}));
    EXPECT_EQ(s.AktuellerRing().undoZahl, schritte);
    EXPECT_TRUE(s.geaendert);

    // Length dialog of segment 1 (30 ms of 5 ms ticks).
    const Geradendialog d = GeradenlaengeDialog(s, 100.0);
    ASSERT_TRUE(d.offen);
    EXPECT_EQ(d.titel, "Gerade 1");
    EXPECT_EQ(d.dauer.millisekunden, 30.0);
    EXPECT_FALSE(GeradenlaengeDialog(s, 30001.0).offen);
    EXPECT_EQ(EinzigeMeldung(GeradenlaengeAendern(s, 0, {0, 0, 0, 32.5})),
              "Die Länge der Geraden muß durch ihre Zeitbasis teilbar sein.");
    EXPECT_EQ(EinzigeMeldung(GeradenlaengeAendern(s, 0, {0, 0, 0, 0})), "Die neue Länge der Geraden ist zu klein.");
    EXPECT_NE(EinzigeMeldung(GeradenlaengeAendern(s, 0, {0, 6, 0, 0})).find("zu groß"), std::string::npos);
    s.geaendert = false;
    GeradenlaengeAendern(s, 0, {0, 0, 1, 5});
    EXPECT_EQ(s.Aktuelle().punkte[0].laenge, 201);
    EXPECT_TRUE(s.geaendert);

    s = SatzMit(KurveAus({{0, 40000, 6}, {0, 1, 6}}));
    EXPECT_EQ(EinzigeMeldung(ZeitbasisAendern(s, 100.0, 1)),
              "Zeitbasis kann nicht umgewandelt werden. \nDie entstehende Gerade wäre zu lang.");
}

TEST(KurvenBearbeiten, KoordinatendialogMitZeitraster) {
    Kurvensatz s = SatzMit(KurveAus({{0, 4, 7}, {1000, 2, 7}, {0, 1, 7}}));
    const Punktdialog d = PunktKoordinaten(s, 1, kStd);
    EXPECT_EQ(d.titel, "Punkt 2");
    EXPECT_EQ(d.zeit.millisekunden, 40.0);
    EXPECT_NEAR(d.wertEinheit, 1000 * 10.0 / 4095, 1e-12);
    const Zeitangabe z = ZeitZerlegen(3723004500.0);
    EXPECT_EQ(z.stunden, 1);
    EXPECT_EQ(z.minuten, 2);
    EXPECT_EQ(z.sekunden, 3);
    EXPECT_EQ(z.millisekunden, 4.5);
    EXPECT_EQ(ZeitZusammensetzen(z), 3723004500.0);

    EXPECT_EQ(EinzigeMeldung(PunktKoordinatenAendern(s, 0, {0, 0, 0, 10}, 0.0, kStd)),
              "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.");
    EXPECT_NE(EinzigeMeldung(PunktKoordinatenAendern(s, 1, {0, 0, 0, 45}, 0.0, kStd)).find("Zeitraster"),
              std::string::npos);
    EXPECT_NE(EinzigeMeldung(PunktKoordinatenAendern(s, 1, {0, 0, 0, 0}, 0.0, kStd)).find("zu klein"),
              std::string::npos);
    EXPECT_NE(EinzigeMeldung(PunktKoordinatenAendern(s, 1, {0, 0, 0, 60}, 0.0, kStd)).find("zu groß"),
              std::string::npos);
    EXPECT_EQ(EinzigeMeldung(PunktKoordinatenAendern(s, 1, {0, 0, 0, 50}, 11.0, kStd)), "Y-Wert zu groß.");
    // The time change made before the value was refused stays, behind one undo step.
    EXPECT_EQ(s.Aktuelle().punkte[0].laenge, 5);
    EXPECT_EQ(s.AktuellerRing().undoZahl, 1);
    const Bearbeitung b = PunktKoordinatenAendern(s, 1, {0, 0, 0, 50}, 5.0, kStd);
    EXPECT_TRUE(b.neuZeichnen);
    EXPECT_EQ(s.Aktuelle().punkte[1], (Kurvenpunkt{2048, 1, 7}));
    EXPECT_EQ(s.AktuellerRing().undoZahl, 2);
    EXPECT_FALSE(PunktKoordinatenAendern(s, 1, {0, 0, 0, 50}, 5.0, kStd).neuZeichnen);

    // 2 ms before 3 ms: a shift of 3 ms is a whole 3 ms tick but half a 2 ms
    // tick; taking it would leave a segment of 0 ticks.
    s = SatzMit(KurveAus({{0, 2, 3}, {100, 2, 4}, {0, 1, 4}}));
    EXPECT_NE(EinzigeMeldung(PunktKoordinatenAendern(s, 1, {0, 0, 0, 1}, 100 * 10.0 / 4095, kStd)).find("Zeitraster"),
              std::string::npos);
    EXPECT_EQ(s.Aktuelle().punkte[0].laenge, 2);
}
