// Every menu command of the window, one after the other; after each, every
// view shows what the editor holds: title, unsaved flag, undo buttons,
// display and mode checks, scroll bar, graph axes, number fields, comment
// preview, and graphs that a full redraw would not change.
#include "KennlinienUmgebung.h"

#include "config/KonfigModell.h"
#include "config/KonfigUmrechnung.h"

#include <QImage>
#include <QLineEdit>

namespace {

QImage Bild(QWidget* w) { return w->grab().toImage(); }

} // namespace

struct AktuelleAnsichten : KennlinienFenster {
    void Pruefen(const std::string& nach) {
        SCOPED_TRACE("after " + nach);
        const KennlinienEditor& e = k->editor();
        const KonfigDaten& konfig = App().konfig().daten();
        EXPECT_EQ(k->windowTitle(), QString::fromStdString(FensterTitel(e.dateiname())));
        EXPECT_EQ(k->geaendert(), e.geaendert());
        EXPECT_EQ(AktionVon(k, Befehl::Rueckgaengig)->isEnabled(), e.RueckgaengigMoeglich());
        EXPECT_EQ(AktionVon(k, Befehl::Wiederherstellen)->isEnabled(), e.WiederherstellenMoeglich());
        for (int d = 1; d <= 3; ++d) {
            EXPECT_EQ(DarstellungsAktion(k, d)->isChecked(), d == e.darstellung()) << d;
            EXPECT_EQ(DarstellungsKnopf(k, d)->isChecked(), d == e.darstellung()) << d;
        }
        EXPECT_TRUE(ModusAktion(k, k->modus())->isChecked());

        const Ansicht& a = e.ansicht();
        const Rollbalken r = RollbalkenAusAnsicht(a);
        QScrollBar* s = RollbalkenVon(k);
        if (r.groesse >= 100) {
            EXPECT_EQ(s->maximum(), 0);
        } else {
            EXPECT_GT(s->maximum(), 0);
            EXPECT_EQ(s->value() * 100, r.position * s->maximum());
        }
        const GraphAchse& x = GraphVon(k)->achse(Graph::X);
        const GraphAchse& y = GraphVon(k)->achse(Graph::Y);
        EXPECT_EQ(x.min, a.min);
        EXPECT_EQ(x.max, a.max + 1.0);
        EXPECT_EQ(y.min, a.yMin);
        EXPECT_EQ(y.max, a.yMax);
        const YZoomWerte z = YZoomFelder(a, konfig);
        EXPECT_EQ(FeldVon(k, Feld::YZoomMin)->wert(), z.min);
        EXPECT_EQ(FeldVon(k, Feld::YZoomMax)->wert(), z.max);
        EXPECT_EQ(FeldVon(k, Feld::X)->wert(), e.koordinaten().x);
        EXPECT_EQ(FeldVon(k, Feld::Y)->wert(), e.koordinaten().y);
        EXPECT_EQ(FeldVon(k, Feld::Begrenzung)->wert(), e.begrenzung());
        EXPECT_EQ(FeldVon(k, Feld::Anstiegszeit)->wert(), e.anstiegszeit());
        EXPECT_EQ(KommentarVorschauVon(k)->text(),
                  QString::fromStdString(KommentarVorschau(e.kurve().kommentar)).section('\n', 0, 0));
        EXPECT_EQ(BegrenzungTextVon(k)->text(), QString::fromStdString(BegrenzungEinrichten(konfig).beschriftung));

        // The graphs as drawn equal the graphs drawn afresh from the editor.
        const QImage gross = Bild(GraphVon(k)), klein = Bild(GraphKleinVon(k));
        const int plots = GraphVon(k)->anzahlPlots(), kleinPlots = GraphKleinVon(k)->anzahlPlots();
        k->Neuzeichnen();
        EXPECT_EQ(GraphVon(k)->anzahlPlots(), plots);
        EXPECT_EQ(GraphKleinVon(k)->anzahlPlots(), kleinPlots);
        EXPECT_TRUE(Bild(GraphVon(k)) == gross);
        EXPECT_TRUE(Bild(GraphKleinVon(k)) == klein);
    }

    void Ausfuehren(Befehl b, const char* name) {
        Ausloesen(b);
        Pruefen(name);
    }
};

TEST_F(AktuelleAnsichten, NachJedemMenuebefehl) {
    Pruefen("start");
    // A curve of three points and coordinates on display.
    Ziehen({{1000, 3000}});
    Ziehen({{2500, 1000}});
    Pruefen("drawing");
    Modus(Modus::KoordinatenAnzeigen);
    Ziehen({{1200, 2000}, {1300, 2100}});
    Pruefen("showing coordinates");
    k->editor().KommentarSetzen("Erste Zeile\nzweite");
    Pruefen("comment");

    u.dialoge.DateiGewaehlt(u.Pfad("a.dle"));
    Ausfuehren(Befehl::SpeichernUnter, "save as");
    u.dialoge.DateiGewaehlt(u.Pfad("a.txt"));
    Ausfuehren(Befehl::Exportieren, "export");
    u.dialoge.DateiGewaehlt(u.Pfad("a.csv"));
    Ausfuehren(Befehl::CsvExportieren, "CSV export");
    for (KennlinienPanel::Modus m : {Modus::Markieren, Modus::Zeichnen, Modus::Verschieben, Modus::KoordinatenAendern,
                                     Modus::KoordinatenAnzeigen, Modus::Aufloesen, Modus::Teilen}) {
        Modus(m);
        Pruefen(Kennl::Name(m));
    }
    Modus(Modus::Markieren);
    Ziehen({{500, 0}, {1500, 0}});
    Pruefen("marking");
    Eingeben(FeldVon(k, Feld::YZoomMax), "8");
    Pruefen("Y zoom");
    Ausfuehren(Befehl::ZoomPlus, "zoom +");
    RollbalkenVon(k)->setValue(RollbalkenVon(k)->maximum());
    Pruefen("scrolling");
    Ausfuehren(Befehl::ZoomMinus, "zoom -");
    Ausfuehren(Befehl::ZoomMarkierung, "zoom to mark");
    Ausfuehren(Befehl::AllesMarkieren, "mark all");
    Ausfuehren(Befehl::ZoomGesamt, "whole curve");
    for (int d : {1, 2, 3}) {
        DarstellungsAktion(k, d)->trigger();
        Pruefen(Kennl::DarstellungsName(d));
    }
    Modus(Modus::Teilen);
    Ziehen({{1500, 0}});
    Pruefen("dividing");
    Ausfuehren(Befehl::Rueckgaengig, "undo");
    Ausfuehren(Befehl::Wiederherstellen, "redo");
    Ausfuehren(Befehl::Speichern, "save");

    // A new curve clears what was shown of the old one.
    Modus(Modus::KoordinatenAnzeigen);
    Ziehen({{1200, 2000}});
    ASSERT_NE(FeldVon(k, Feld::X)->wert(), 0.0);
    Ausfuehren(Befehl::Neu, "new");
    EXPECT_EQ(FeldVon(k, Feld::X)->wert(), 0.0);
    EXPECT_EQ(FeldVon(k, Feld::Y)->wert(), 0.0);
    EXPECT_EQ(KommentarVorschauVon(k)->text(), "");

    u.dialoge.DateiGewaehlt(u.Pfad("a.dle"));
    Ausfuehren(Befehl::Laden, "load");
    EXPECT_EQ(KommentarVorschauVon(k)->text(), "Erste Zeile");

    // An import shows the whole imported curve.
    Ausfuehren(Befehl::ZoomPlus, "zoom + before import");
    u.dialoge.DateiGewaehlt(u.Pfad("a.txt"));
    Ausfuehren(Befehl::Importieren, "import");
    EXPECT_EQ(k->ansicht().min, 0.0);
    EXPECT_EQ(k->ansicht().max, 4094.0);

    // The unsaved-changes question before "Neu": "Nein".
    u.dialoge.antworten = {2};
    Ausfuehren(Befehl::Neu, "new after the question");
    EXPECT_EQ(Punkte().size(), 1u);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
}
