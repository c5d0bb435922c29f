// The "Datei" menu through the window: save, load, append with the
// configuration question, title and changed flag, the unsaved-changes
// question, import errors.
#include "KurvenFensterHilfe.h"
#include "KurvenZugriff.h"

#include "kurven/KurvenCsv.h"

#include <QLineEdit>

namespace {

using B = KurvenPanel::Befehl;

struct KurvenDateien : ::testing::Test {
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        ZeigeChildpanel(FensterId::Kurven);
        u.dialoge.Leeren();
    }
    void Speichern(const QString& name) {
        u.dialoge.DateiGewaehlt(u.Pfad(name));
        AktionVon(Kurven(), B::SpeichernUnter)->trigger();
    }
    static void Beispiel() {
        KurvenAendern([&](Kurvensatz& s) {
            s.kurven[0].punkte = {{100, 5, 2}, {4000, 1, 2}};
            s.kurven[1].kommentar = "zweite\nKurve";
            s.zyklen[1] = 7;
            s.ruhewert[2] = 1234;
            s.geaendert = true;
        });
    }
};

TEST_F(KurvenDateien, SpeichernUndLadenOhneKonfigurationsfrage) {
    Beispiel();
    Speichern("a.dlr");
    EXPECT_EQ(u.dialoge.Letztes().datei.titel, "Kurve speichern");
    EXPECT_EQ(Kurven()->windowTitle(), "Kurvengenerator - a.dlr");
    EXPECT_FALSE(Kurven()->satz().geaendert);
    const Kurvensatz gespeichert = Kurven()->satz();

    AktionVon(Kurven(), B::Neu)->trigger(); // nothing unsaved: no question
    EXPECT_TRUE(u.dialoge.VonArt("Frage").empty());
    EXPECT_EQ(Kurven()->windowTitle(), "Kurvengenerator");
    EXPECT_EQ(Kurven()->satz().kurven[0].punktzahl(), 1);

    u.dialoge.Leeren();
    u.dialoge.DateiGewaehlt(u.Pfad("a.dlr"));
    KurvenAktion(Kurven(), 1)->trigger();
    AktionVon(Kurven(), B::Laden)->trigger();
    EXPECT_TRUE(u.dialoge.VonArt("Frage").empty());
    EXPECT_EQ(u.dialoge.Letztes().datei.titel, "Kurve laden");
    EXPECT_EQ(Kurven()->windowTitle(), "Kurvengenerator - a.dlr");
    for (int k = 0; k < kKurvenzahl; ++k) {
        EXPECT_EQ(Kurven()->satz().kurven[k].punkte, gespeichert.kurven[k].punkte);
        EXPECT_EQ(Kurven()->satz().kurven[k].kommentar, gespeichert.kurven[k].kommentar);
    }
    EXPECT_EQ(Kurven()->satz().zyklen, gespeichert.zyklen);
    EXPECT_EQ(Kurven()->satz().ruhewert, gespeichert.ruhewert);
    EXPECT_EQ(Teil<QLineEdit>(Kurven(), "KOMMENTARZEILE")->text(), "zweite\nKurve");
    EXPECT_EQ(Kurven()->ansicht().ende, 9999.0); // the whole current curve
}

TEST_F(KurvenDateien, AndereKonfigurationFragtUndNichtLadenBehaeltSie) {
    Beispiel();
    Speichern("a.dlr");
    KonfigAendern([](KonfigDaten& c) { c.outskalamax[0] = 5.0; });
    const KonfigDaten jetzt = Konfig();
    u.dialoge.antworten.push_back(2); // "nicht laden"
    u.dialoge.DateiGewaehlt(u.Pfad("a.dlr"));
    AktionVon(Kurven(), B::Laden)->trigger();
    ASSERT_EQ(u.dialoge.VonArt("Frage").size(), 1u);
    const auto frage = u.dialoge.VonArt("Frage")[0];
    EXPECT_EQ(frage.titel, "Konfiguration laden?");
    EXPECT_EQ(frage.knoepfe, QStringList({"laden", "nicht laden"}));
    EXPECT_EQ(Konfig().outskalamax[0], jetzt.outskalamax[0]);
    EXPECT_EQ(Kurven()->satz().kurven[0].punktzahl(), 2);

    u.dialoge.antworten.push_back(1); // "laden"
    u.dialoge.DateiGewaehlt(u.Pfad("a.dlr"));
    AktionVon(Kurven(), B::Laden)->trigger();
    EXPECT_EQ(Konfig().outskalamax[0], 10.0);
    EXPECT_EQ(Teil<Graph>(Kurven(), "GRAPH")->achse(Graph::Y).Einheit(4095), 10.0); // drawn in the file's units
}

TEST_F(KurvenDateien, AnhaengenSetztTitelUndGeaendert) {
    Beispiel();
    Speichern("a.dlr");
    u.dialoge.DateiGewaehlt(u.Pfad("a.dlr"));
    AktionVon(Kurven(), B::Anhaengen)->trigger();
    EXPECT_EQ(u.dialoge.Letztes().datei.titel, "Kurven anhängen");
    EXPECT_EQ(Kurven()->satz().kurven[0].punktzahl(), 4);
    EXPECT_TRUE(Kurven()->satz().geaendert);
    EXPECT_EQ(Kurven()->windowTitle(), "Kurvengenerator - a.dlr");
}

TEST_F(KurvenDateien, UngespeichertFrageBeiNeuUndLaden) {
    Beispiel();
    u.dialoge.antworten.push_back(3); // "Abbrechen"
    AktionVon(Kurven(), B::Neu)->trigger();
    const auto frage = u.dialoge.Letztes();
    EXPECT_EQ(frage.titel, "Warnung");
    EXPECT_EQ(frage.text, "Möchten Sie die Änderungen in Kurvengenerator speichern?");
    EXPECT_EQ(Kurven()->satz().kurven[0].punktzahl(), 2);

    // "Ja" without a file: the save dialog cancelled keeps the curves and stops.
    u.dialoge.antworten.push_back(1);
    AktionVon(Kurven(), B::Neu)->trigger();
    EXPECT_EQ(Kurven()->satz().kurven[0].punktzahl(), 2);
    EXPECT_EQ(ProgrammendeFallsAllesGespeichert() != 0, true);

    u.dialoge.antworten.push_back(1);
    u.dialoge.DateiGewaehlt(u.Pfad("b.dlr"));
    u.dialoge.DateiGewaehlt(u.Pfad("b.dlr"));
    AktionVon(Kurven(), B::Laden)->trigger(); // saved first, then loaded again
    EXPECT_TRUE(QFile::exists(u.Pfad("b.dlr")));
    EXPECT_EQ(Kurven()->windowTitle(), "Kurvengenerator - b.dlr");
    EXPECT_EQ(Kurven()->satz().kurven[0].punktzahl(), 2);
}

TEST_F(KurvenDateien, ImportfehlerUndExport) {
    QFile f(u.Pfad("k.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("0.0\t50\t1ms\t1\r\n0.0015\t50\t1ms\t1\r\n");
    f.close();
    u.dialoge.DateiGewaehlt(u.Pfad("k.txt"));
    AktionVon(Kurven(), B::Importieren)->trigger();
    const auto meldungen = u.dialoge.VonArt("Meldung");
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].titel, "Importfehler");
    EXPECT_TRUE(meldungen[0].text.startsWith("Fehler in Zeile 2:"));
    EXPECT_TRUE(meldungen[1].titel.contains("312456")) << meldungen[1].titel.toStdString();
    EXPECT_EQ(Kurven()->satz().kurven[0].punktzahl(), 1);

    u.dialoge.DateiGewaehlt(u.Pfad("e.txt"));
    AktionVon(Kurven(), B::Exportieren)->trigger();
    EXPECT_FALSE(u.dialoge.Letztes().datei.endungErzwingen);
    u.dialoge.DateiGewaehlt(u.Pfad("e.txt"));
    AktionVon(Kurven(), B::Importieren)->trigger();
    EXPECT_TRUE(Kurven()->satz().geaendert);
    EXPECT_EQ(Kurven()->satz().kurven[3].punkte, std::vector<Kurvenpunkt>{kFrischerPunkt});
}

} // namespace

namespace {

TEST_F(KurvenDateien, TabelleAlsCsvMitDerKonfigurationInKraft) {
    KonfigAendern([](KonfigDaten& c) { EinheitTextSetzen(c, Seite::Ausgang, 2, "mm"); });
    Beispiel();
    u.dialoge.DateiGewaehlt(u.Pfad("t.csv"));
    AktionVon(Kurven(), B::CsvExportieren)->trigger();
    EXPECT_EQ(u.dialoge.Letztes().datei.titel, "Tabelle als CSV exportieren");
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    const Speicherabbild bild = AbbildErstellen(Kurven()->satz());
    const std::string erwartet = KurvenCsvText(bild, Konfig());
    EXPECT_EQ(erwartet.substr(0, erwartet.find('\r')), "Kurve,Zeit [s],Wert roh,Wert [V / V / mm / V]");
    QFile f(u.Pfad("t.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), erwartet);
    f.close();

    // A set too big for the box: the send's memory message alone, the old file stays.
    KurvenAendern([&](Kurvensatz& s) { s.kurven[1].punkte = {{0, 40000, 1}}; });
    u.dialoge.Leeren();
    u.dialoge.DateiGewaehlt(u.Pfad("t.csv"));
    AktionVon(Kurven(), B::CsvExportieren)->trigger();
    const auto meldungen = u.dialoge.VonArt("Meldung");
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, kTextSpeicherZuKlein);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), erwartet);
}

} // namespace
