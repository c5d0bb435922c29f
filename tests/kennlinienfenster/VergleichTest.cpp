// "Mit DLM-7 vergleichen" of the window against the simulated box, with
// scripted dialogs: the message, the box's curve behind the editor's with the
// differing steps marked, and that the editor's curve, flag and undo stay.
#include "KennlinienUmgebung.h"

#include "device/Blocktransfer.h"
#include "sim/SimUmgebung.h"

#include <QImage>
#include <QPainter>

#include <chrono>
#include <cmath>

namespace {

// 4096 points of length 1: entry x is (7x) mod 4096.
Kennlinienpunkte Stufenkurve() {
    Kennlinienpunkte k;
    for (int x = 0; x < kTabellenGroesse; ++x) k.push_back({(x * 7) % 4096, 1, 0});
    return k;
}

// Pixels in the large graph's column of input step x that show the comparison's orange.
int Orange(Graph* g, double x) {
    QImage bild(g->size(), QImage::Format_ARGB32);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        g->Zeichnen(p);
    }
    const int spalte = int(std::lround(g->ZuPixel({x + 0.5, 0.0}).x()));
    int n = 0;
    for (int y = 0; y < bild.height(); ++y) {
        const QColor c = bild.pixelColor(spalte, y);
        n += c.red() >= 230 && c.green() >= 90 && c.green() <= 215 && c.blue() <= 130;
    }
    return n;
}

} // namespace

struct KennlinienVergleichen : KennlinienFenster {
    SimUmgebung s;

    void SetUp() override {
        KennlinienFenster::SetUp();
        ASSERT_TRUE(s.bereit()) << s.fehler;
        Dienst().Oeffnen(s.port);
        Warten();
        ASSERT_EQ(OffenerComPort(), s.port);
        s.sim.ModusSetzen(0);
    }
    QAction* Aktion(const char* name) { return k->findChild<QAction*>(name); }
    void Vergleichen() {
        u.dialoge.Leeren();
        Aktion("VERGLEICHEN")->trigger();
        Warten();
    }
    QString Meldung() {
        const auto m = u.dialoge.VonArt("Meldung");
        return m.empty() ? QString() : m.back().titel + "|" + m.back().text;
    }
    // The box's entry x of slot, changed by one raw step, checksum mended.
    void EintragAendern(int slot, int x) {
        auto b = s.sim.Speicher(SlotAdresse(slot), kSlotGroesse);
        b[kTabelleOffset + 2 * std::size_t(x) + 1] ^= 0x01;
        const std::uint16_t summe = SlotPruefsumme(b.data());
        b[0] = std::uint8_t(summe >> 8);
        b[1] = std::uint8_t(summe & 0xFF);
        s.sim.SpeicherSetzen(SlotAdresse(slot), b);
    }
    void Senden(int slot) {
        Eingeben(FeldVon(k, Feld::KurvenNr), QString::number(slot));
        QTest::mouseClick(KnopfVon(k, KennlinienPanel::Knopf::Schreiben), Qt::LeftButton);
        Warten();
        ASSERT_EQ(Dienst().fehler(), 0);
    }
};

TEST_F(KennlinienVergleichen, GleichEinEintragAusblendenUndVeraltet) {
    k->editor().PunkteSetzen(Stufenkurve());
    Senden(2);
    Modus(Modus::Zeichnen);
    Klicken({10, 10}); // an edit, so the flag and undo have something to keep
    const Kennlinienpunkte vorher = Punkte();
    const bool geaendert = k->ungespeichert();
    const bool rueckgaengig = k->editor().RueckgaengigMoeglich();
    const bool wiederherstellen = k->editor().WiederherstellenMoeglich();
    const int ohne = GraphVon(k)->anzahlPlots();
    EXPECT_FALSE(Aktion("VERGLEICH_AUSBLENDEN")->isEnabled());

    Vergleichen();
    EXPECT_EQ(Dienst().fehler(), 0);
    EXPECT_EQ(Meldung(), "Mit DLM-7 vergleichen|Speicherplatz 2 und Kennlinie sind gleich.");
    ASSERT_EQ(u.dialoge.VonArt("Fortschritt").size(), 1u);
    EXPECT_EQ(u.dialoge.VonArt("Fortschritt")[0].titel, "Daten lesen");
    EXPECT_TRUE(u.dialoge.VonArt("Fortschritt")[0].abbrechbar);
    EXPECT_EQ(k->bestaetigung(), "Speicherplatz 2 verglichen: gleich");
    EXPECT_GT(GraphVon(k)->anzahlPlots(), ohne); // the box's curve behind
    EXPECT_EQ(Orange(GraphVon(k), 3000), 0);

    EintragAendern(2, 3000);
    Vergleichen();
    EXPECT_EQ(Meldung(), "Mit DLM-7 vergleichen|Unterschiede: 1\nErste Abweichung: Eingang 2 roh 3000 (Kennlinie "
                         "520, DLM-7 521)\nAbweichende Einträge: 1 in 3000");
    EXPECT_EQ(k->bestaetigung(), "Speicherplatz 2 verglichen: 1 Unterschied");
    EXPECT_GT(Orange(GraphVon(k), 3000), 0);
    EXPECT_EQ(Orange(GraphVon(k), 1000), 0);
    EXPECT_EQ(Orange(GraphVon(k), 3010), 0);
    // The editor is as it was: curve, unsaved flag, undo and redo.
    EXPECT_EQ(Punkte(), vorher);
    EXPECT_EQ(k->ungespeichert(), geaendert);
    EXPECT_EQ(k->editor().RueckgaengigMoeglich(), rueckgaengig);
    EXPECT_EQ(k->editor().WiederherstellenMoeglich(), wiederherstellen);

    // It stays through a zoom, and goes when hidden.
    Ausloesen(Befehl::ZoomPlus);
    Ausloesen(Befehl::ZoomGesamt);
    EXPECT_GT(Orange(GraphVon(k), 3000), 0);
    ASSERT_TRUE(Aktion("VERGLEICH_AUSBLENDEN")->isEnabled());
    Aktion("VERGLEICH_AUSBLENDEN")->trigger();
    EXPECT_EQ(Orange(GraphVon(k), 3000), 0);
    EXPECT_FALSE(Aktion("VERGLEICH_AUSBLENDEN")->isEnabled());

    // A curve read from the box replaces the editor's: the comparison belonged to the old one.
    Vergleichen();
    EXPECT_GT(Orange(GraphVon(k), 3000), 0);
    QTest::mouseClick(KnopfVon(k, KennlinienPanel::Knopf::Lesen), Qt::LeftButton);
    Warten();
    EXPECT_EQ(Punkte()[3000].yWert, 521);
    EXPECT_EQ(Orange(GraphVon(k), 3000), 0);
    EXPECT_FALSE(Aktion("VERGLEICH_AUSBLENDEN")->isEnabled());
}

TEST_F(KennlinienVergleichen, ParameterUndLeererPlatz) {
    k->editor().PunkteSetzen(Stufenkurve());
    Eingeben(FeldVon(k, Feld::Begrenzung), "5");
    Eingeben(FeldVon(k, Feld::Anstiegszeit), "409.5");
    Senden(2);
    Eingeben(FeldVon(k, Feld::Begrenzung), "2.5");
    Eingeben(FeldVon(k, Feld::Anstiegszeit), "1000");
    Vergleichen();
    const QStringList zeilen = Meldung().split('\n');
    ASSERT_EQ(zeilen.size(), 3) << Meldung().toStdString();
    EXPECT_EQ(zeilen[0], "Mit DLM-7 vergleichen|Unterschiede: 2");
    EXPECT_TRUE(zeilen[1].startsWith("Festwert Ausgang 2: Kennlinie 2.5")) << zeilen[1].toStdString();
    EXPECT_TRUE(zeilen[2].startsWith("Anstiegszeit: Kennlinie ")) << zeilen[2].toStdString();
    EXPECT_TRUE(zeilen[2].endsWith(", DLM-7 409.5 ms")) << zeilen[2].toStdString();
    EXPECT_EQ(Orange(GraphVon(k), 3000), 0); // the table is equal

    // The first send prepared the other slots as empty: every entry differs.
    Eingeben(FeldVon(k, Feld::KurvenNr), "3");
    Vergleichen();
    EXPECT_TRUE(Meldung().contains("\nKennlinienplatz leer\n")) << Meldung().toStdString();
    EXPECT_TRUE(Meldung().contains("Abweichende Einträge: 4096 in 0..4095")) << Meldung().toStdString();
    EXPECT_GT(Orange(GraphVon(k), 0), 0);
}

TEST_F(KennlinienVergleichen, AbbruchUndFehlerAendernNichts) {
    // No curve memory in the box: the indicator says so, nothing is drawn.
    const int ohne = GraphVon(k)->anzahlPlots();
    Vergleichen();
    EXPECT_EQ(Dienst().fehler(), KennlFehler::LesenKeineKennlinien);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_EQ(GraphVon(k)->anzahlPlots(), ohne);

    k->editor().PunkteSetzen(Stufenkurve());
    Senden(2);
    EintragAendern(2, 3000);
    Vergleichen();
    ASSERT_GT(Orange(GraphVon(k), 3000), 0);

    // Cancelled: no message, the comparison shown stays.
    EintragAendern(2, 1000);
    s.sim.VerzoegerungSetzen(std::chrono::milliseconds(3));
    u.dialoge.abbrechenBeiProzent = 20;
    Vergleichen();
    EXPECT_EQ(Dienst().fehler(), kLesenAbgebrochen);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_GT(Orange(GraphVon(k), 3000), 0);
    EXPECT_EQ(Orange(GraphVon(k), 1000), 0);
    u.dialoge.abbrechenBeiProzent = -1;
    s.sim.VerzoegerungSetzen(std::chrono::milliseconds(0));

    // A wrong checksum goes to the indicator; the comparison shown stays.
    auto b = s.sim.Speicher(SlotAdresse(2), kSlotGroesse);
    b[1] ^= 1;
    s.sim.SpeicherSetzen(SlotAdresse(2), b);
    Vergleichen();
    EXPECT_EQ(Dienst().fehler(), KennlFehler::Checksumme);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_GT(Orange(GraphVon(k), 3000), 0);
    EXPECT_EQ(Orange(GraphVon(k), 1000), 0);
    EXPECT_EQ(Punkte(), Stufenkurve());
}
