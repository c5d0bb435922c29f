// "Mit DLM-7 vergleichen" against the simulated box: the message, the box's
// curve behind the current one with the differing samples in orange, cancel,
// and that the editor's curves, flag and undo stay.
#include "KurvenFensterHilfe.h"
#include "KurvenZugriff.h"
#include "Rahmenzugriff.h"

#include "device/Blocktransfer.h"
#include "kurven/KurvenFehler.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Fehleranzeige.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <chrono>

namespace {

const QRgb kOrange = qRgb(255, 120, 0);

struct KurvenVergleichen : ::testing::Test {
    SimUmgebung box;
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_TRUE(box.bereit());
        ASSERT_EQ(u.Starten(), 0);
        Haupt()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
        ZeigeChildpanel(FensterId::Kurven);
        Dienst().Oeffnen(box.port);
        Warten();
        ASSERT_EQ(OffenerComPort(), box.port);
        KurvenAendern([](Kurvensatz& s) {
            s.kurven[0].punkte = {{100, 50, 5}};
            s.kurven[1].punkte.clear();
            for (int i = 0; i < 50; ++i) s.kurven[1].punkte.push_back({i * 80, 1, 5});
            s.kurven[2].punkte = {{300, 50, 5}};
            s.kurven[3].punkte = {{400, 50, 5}};
            s.zyklen = {1, 2, 3, 0};
            s.ruhewert = {10, 20, 30, 40};
        });
        Teil<QPushButton>(Kurven(), "SENDEN")->click();
        Warten();
        ASSERT_EQ(Anzeige(), 0);
        u.dialoge.Leeren();
    }
    static int Anzeige() { return int(-FehleranzeigeVon(Kurven())->nummer()); }
    static QAction* Aktion(const char* name) { return Kurven()->findChild<QAction*>(name); }
    void Vergleichen() {
        u.dialoge.Leeren();
        Aktion("VERGLEICHEN")->trigger();
        Warten();
    }
    QString Meldung() const {
        const auto m = u.dialoge.VonArt("Meldung");
        return m.empty() ? QString() : m.back().titel + "|" + m.back().text;
    }
    // Columns of the large graph drawn in the differences' orange.
    static std::vector<int> Orange() { return SpaltenMitFarbe(GraphBild(Teil<Graph>(Kurven(), "GRAPH")), kOrange); }
    static int Spalte(double t) { return int(Teil<Graph>(Kurven(), "GRAPH")->ZuPixel(QPointF(t, 0)).x()); }
};

TEST_F(KurvenVergleichen, GleichEinAbtastwertParameterUndVeraltet) {
    Vergleichen();
    EXPECT_EQ(Anzeige(), 0);
    EXPECT_EQ(Meldung(), "Mit DLM-7 vergleichen|Kurvenspeicher der DLM-7 und Kurven sind gleich.");
    ASSERT_EQ(u.dialoge.VonArt("Fortschritt").size(), 1u);
    EXPECT_EQ(u.dialoge.VonArt("Fortschritt")[0].titel, "Daten lesen");
    EXPECT_EQ(Kurven()->bestaetigung(), "Kurven verglichen: gleich");
    EXPECT_TRUE(Orange().empty());

    // One sample of curve 2 and the cycles of curve 3 differ in the editor.
    KurvenAendern([](Kurvensatz& s) {
        s.kurven[1].punkte[31].wert = 7;
        s.zyklen[2] = 4;
    });
    KurvenAktion(Kurven(), 1)->trigger();
    Kurven()->editor().ZoomGesamt();
    const Kurvensatz vorher = Kurven()->satz();
    const bool geaendert = Kurven()->editor().geaendert();
    const bool rueckgaengig = Kurven()->editor().rueckgaengigMoeglich();
    Vergleichen();
    const QStringList zeilen = Meldung().split('\n');
    ASSERT_EQ(zeilen.size(), 4) << Meldung().toStdString();
    EXPECT_EQ(zeilen[0], "Mit DLM-7 vergleichen|Unterschiede: 2");
    EXPECT_TRUE(zeilen[1].startsWith("Kurve 2: erste Abweichung bei Abtastwert 31 (")) << zeilen[1].toStdString();
    EXPECT_TRUE(zeilen[1].endsWith("; Kurven 7, DLM-7 2480)")) << zeilen[1].toStdString();
    EXPECT_EQ(zeilen[2], "Kurve 2: 1 abweichende Abtastwerte in 31");
    EXPECT_EQ(zeilen[3], "Kurve 3: Zyklen Kurven 4, DLM-7 3");
    EXPECT_EQ(Kurven()->bestaetigung(), "Kurven verglichen: 2 Unterschiede");
    // The box's sample 31 in orange, nowhere else.
    const std::vector<int> orange = Orange();
    ASSERT_FALSE(orange.empty());
    const double tick = ZeitbasisDauer(5);
    EXPECT_GE(orange.front(), Spalte(31 * tick) - 1);
    EXPECT_LE(orange.back(), Spalte(32 * tick) + 1);
    // The editor is as it was.
    for (std::size_t k = 0; k < kKurvenzahl; ++k)
        EXPECT_EQ(Kurven()->satz().kurven[k].punkte, vorher.kurven[k].punkte) << k;
    EXPECT_EQ(Kurven()->satz().zyklen, vorher.zyklen);
    EXPECT_EQ(Kurven()->editor().geaendert(), geaendert);
    EXPECT_EQ(Kurven()->editor().rueckgaengigMoeglich(), rueckgaengig);

    // Each curve shows its own differences; curve 1 has none.
    KurvenAktion(Kurven(), 0)->trigger();
    EXPECT_TRUE(Orange().empty());
    KurvenAktion(Kurven(), 1)->trigger();
    EXPECT_FALSE(Orange().empty());

    ASSERT_TRUE(Aktion("VERGLEICH_AUSBLENDEN")->isEnabled());
    Aktion("VERGLEICH_AUSBLENDEN")->trigger();
    EXPECT_TRUE(Orange().empty());
    EXPECT_FALSE(Aktion("VERGLEICH_AUSBLENDEN")->isEnabled());

    // Reading the box's curves replaces the editor's: the comparison is gone.
    Vergleichen();
    EXPECT_FALSE(Orange().empty());
    Teil<QPushButton>(Kurven(), "LESEN")->click();
    Warten();
    EXPECT_EQ(Kurven()->satz().kurven[1].punkte[31].wert, 2480);
    EXPECT_TRUE(Orange().empty());
    EXPECT_FALSE(Aktion("VERGLEICH_AUSBLENDEN")->isEnabled());
}

TEST_F(KurvenVergleichen, AbbruchUndFehlerAendernNichts) {
    KurvenAendern([](Kurvensatz& s) { s.kurven[0].punkte[0].wert = 1000; });
    Kurven()->editor().ZoomGesamt();
    Vergleichen();
    ASSERT_FALSE(Orange().empty());
    const std::vector<int> vorher = Orange();

    KurvenAendern([](Kurvensatz& s) { s.kurven[0].punkte[0].wert = 2000; });
    box.sim.VerzoegerungSetzen(std::chrono::milliseconds(3));
    u.dialoge.abbrechenBeiProzent = 1;
    Vergleichen();
    EXPECT_EQ(Anzeige(), kLesenAbgebrochen);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_EQ(Orange(), vorher);
    u.dialoge.abbrechenBeiProzent = -1;
    box.sim.VerzoegerungSetzen(std::chrono::milliseconds(0));

    // A box holding characteristic curves: the indicator says so, the picture stays.
    box.sim.ModusSetzen(0x02);
    Vergleichen();
    EXPECT_EQ(Anzeige(), KurvenFehler::KeineKurven);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_EQ(Orange(), vorher);
    EXPECT_EQ(Kurven()->satz().kurven[0].punkte[0].wert, 2000);
}

} // namespace
