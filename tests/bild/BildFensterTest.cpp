// "Grafik exportieren…" and "Drucken…" in the three windows, with scripted
// dialogs: the question for the range, the file dialog with its formats, the
// file written, the view left as it was.
#include "kennlinienfenster/KennlinienUmgebung.h"

#include "BildPruefung.h"

#include "direkt/fenster/DirektPanel.h"
#include "kurven/fenster/KurvenPanel.h"
#include "uisupport/BildFenster.h"

#include <QImage>
#include <QMenu>

namespace {

QAction* Menueeintrag(Werkzeugfenster* w, const char* text) {
    for (QAction* a : w->dateiMenue()->actions())
        if (a->text() == QString::fromUtf8(text)) return a;
    return nullptr;
}

// The longest red line of the picture: the curve.
std::size_t RotePunkte(const SvgInhalt& svg) {
    std::size_t n = 0;
    for (const SvgLinie& l : svg.linien)
        if (l.farbe.compare("#ff0000", Qt::CaseInsensitive) == 0) n = std::max(n, l.punkte.size());
    return n;
}

} // namespace

using KennlinienBild = KennlinienFenster;

TEST_F(KennlinienBild, ExportiertAnsichtOderGanzeKurveUndLaesstDieAnsicht) {
    // Points every 256 steps over the whole input range.
    Kennlinienpunkte punkte;
    for (int i = 0; i < 16; ++i) punkte.push_back({i % 2 ? 3000 : 1000, 256, 0});
    k->editor().PunkteSetzen(punkte);
    k->editor().KommentarSetzen("Prüfstand 3\nzweite Zeile");
    Ausloesen(Befehl::ZoomPlus);
    const Ansicht vorher = k->ansicht();
    const bool ungespeichert = k->ungespeichert();

    QAction* exportieren = Menueeintrag(k, kMenueGrafikExportieren);
    ASSERT_NE(exportieren, nullptr);
    u.dialoge.antworten = {1};
    u.dialoge.DateiGewaehlt(u.Pfad("ansicht.svg"));
    exportieren->trigger();
    u.dialoge.antworten = {2};
    u.dialoge.DateiGewaehlt(u.Pfad("ganz.svg"));
    exportieren->trigger();

    const auto fragen = u.dialoge.VonArt("Frage");
    ASSERT_EQ(fragen.size(), 2u);
    EXPECT_EQ(fragen[0].knoepfe, QStringList({"Aktuelle Ansicht", "Ganze Kurve", "Abbrechen"}));
    const auto dateien = u.dialoge.VonArt("Datei");
    ASSERT_EQ(dateien.size(), 2u);
    EXPECT_EQ(dateien[0].datei.filter, BildFilter());
    EXPECT_TRUE(dateien[0].datei.speichern);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());

    const SvgInhalt ansicht = SvgLesen(u.Pfad("ansicht.svg")), ganz = SvgLesen(u.Pfad("ganz.svg"));
    ASSERT_TRUE(ansicht.gueltig && ganz.gueltig);
    // The whole curve holds every point; the zoomed view only those it shows.
    EXPECT_EQ(RotePunkte(ganz), punkte.size());
    EXPECT_LT(RotePunkte(ansicht), punkte.size());
    EXPECT_GT(RotePunkte(ansicht), 5u);
    EXPECT_TRUE(ganz.texte.join('|').contains("Prüfstand 3"));
    EXPECT_FALSE(ganz.texte.join('|').contains("zweite Zeile"));

    // Nothing of the window changed.
    EXPECT_EQ(k->ansicht().min, vorher.min);
    EXPECT_EQ(k->ansicht().max, vorher.max);
    EXPECT_EQ(GraphVon(k)->achse(Graph::X).min, vorher.min);
    EXPECT_EQ(k->ungespeichert(), ungespeichert);

    // Cancelled at the question: no file dialog, no file.
    u.dialoge.Leeren();
    u.dialoge.antworten = {3};
    exportieren->trigger();
    EXPECT_TRUE(u.dialoge.VonArt("Datei").empty());

    // Print, scripted into a PDF: one page.
    QAction* drucken = Menueeintrag(k, kMenueDrucken);
    ASSERT_NE(drucken, nullptr);
    u.dialoge.antworten = {2};
    u.dialoge.druckDateien.push_back(u.Pfad("druck.pdf"));
    drucken->trigger();
    EXPECT_EQ(u.dialoge.VonArt("Drucken").size(), 1u);
    EXPECT_EQ(PdfSeiten(u.Pfad("druck.pdf")), 1);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
}

struct AndereFenster : ::testing::Test {
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        u.dialoge.Leeren();
    }
};

TEST_F(AndereFenster, KurvengeneratorUndStreifenschreiberExportierenUndDrucken) {
    QAction* kurvenBild = Menueeintrag(Kurven(), kMenueGrafikExportieren);
    ASSERT_NE(kurvenBild, nullptr);
    u.dialoge.antworten = {2};
    u.dialoge.DateiGewaehlt(u.Pfad("kurven.png"));
    kurvenBild->trigger();
    EXPECT_EQ(QImage(u.Pfad("kurven.png")).size(), kBildStandard);

    QAction* direktBild = Menueeintrag(Direkt(), kMenueGrafikExportieren);
    ASSERT_NE(direktBild, nullptr);
    u.dialoge.DateiGewaehlt(u.Pfad("streifen.svg"));
    direktBild->trigger();
    const SvgInhalt svg = SvgLesen(u.Pfad("streifen.svg"));
    ASSERT_TRUE(svg.gueltig);
    EXPECT_TRUE(svg.texte.join('|').contains("Direkte Ein-/Ausgabe"));
    EXPECT_TRUE(svg.texte.join('|').contains("Prozent"));
    // The strip chart shows what is there: no question for a range.
    EXPECT_TRUE(u.dialoge.VonArt("Frage").size() == 1u);

    QAction* direktDruck = Menueeintrag(Direkt(), kMenueDrucken);
    ASSERT_NE(direktDruck, nullptr);
    u.dialoge.druckDateien.push_back(u.Pfad("streifen.pdf"));
    direktDruck->trigger();
    EXPECT_EQ(PdfSeiten(u.Pfad("streifen.pdf")), 1);

    // A cancelled print dialog prints nothing and reports nothing.
    QAction* kurvenDruck = Menueeintrag(Kurven(), kMenueDrucken);
    ASSERT_NE(kurvenDruck, nullptr);
    u.dialoge.antworten = {1};
    kurvenDruck->trigger();
    EXPECT_EQ(u.dialoge.VonArt("Drucken").size(), 2u);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
}
