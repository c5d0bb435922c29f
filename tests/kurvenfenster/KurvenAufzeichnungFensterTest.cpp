// "Aufzeichnen" in the curve generator against the simulated box with its
// outputs looped back to its inputs: the drawn response lies on the curves,
// folded onto the first cycle; the CSV file and the settings; every way a
// recording ends, also with the window or the program going away under it.
#include "KurvenFensterHilfe.h"
#include "Rahmenzugriff.h"

#include "../blick/Kurvenbild.h"

#include "config/KonfigModell.h"
#include "kern/IniDatei.h"
#include "kurven/fenster/KurvenAufzeichnungFenster.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Fehleranzeige.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

KurvenAufzeichnungFenster* Rekorder() { return Teil<KurvenAufzeichnungFenster>(Kurven(), "AUFZEICHNUNG"); }

void Ausloesen(const char* name) {
    QAction* a = Teil<QAction>(Kurven(), name);
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->isEnabled()) << name;
    a->trigger();
}

bool Endet() {
    return QTest::qWaitFor([] { return !Rekorder()->laeuft(); }, 15000);
}

// Whether a drawn point (microseconds, counts) lies on curve k within one
// raw step somewhere within one sample interval of its time.
bool AufDerKurve(const Kurvensatz& s, std::size_t k, QPointF p, double intervall) {
    const double t0 = p.x() / 1e6;
    for (double t = t0 - intervall; t <= t0 + intervall; t += 0.0005)
        if (std::abs(Sollwert(s, k, t) - p.y()) <= 1.0 + 0.41) return true; // and the answer's 3 decimals
    return false;
}

struct KurvenAufzeichnung : ::testing::Test {
    SimUmgebung box{8, [] {
                        Dlm7Simulator::Einstellungen e;
                        e.takt = true; // the line's real rate, so the sample interval is a user's
                        return e;
                    }()};
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_TRUE(box.bereit());
        ASSERT_EQ(u.Starten(), 0);
        Haupt()->show(); // leaving the window hides it
        ZeigeChildpanel(FensterId::Kurven);
        Dienst().Oeffnen(box.port);
        Warten();
        ASSERT_EQ(OffenerComPort(), box.port);
        u.dialoge.Leeren();
    }
    void Senden(const Kurvensatz& s) {
        KurvenAendern([&](Kurvensatz& z) {
            z.kurven = s.kurven;
            z.zyklen = s.zyklen;
            z.ruhewert = s.ruhewert;
        });
        Teil<QPushButton>(Kurven(), "SENDEN")->click();
        Warten();
        ASSERT_EQ(FehleranzeigeVon(Kurven())->nummer(), 0);
    }
};

TEST_F(KurvenAufzeichnung, ZurueckgefuehrteKurvenLiegenGefaltetAufIhrenKurven) {
    const Kurvensatz s = VierKurven();
    Senden(s);
    for (int k = 1; k < kKurvenzahl; ++k) Kurven()->editor().HintergrundSetzen(k, true);
    const Kurvensatz vorher = Kurven()->satz();
    const bool geaendert = Kurven()->editor().geaendert();
    const bool undo = Kurven()->editor().rueckgaengigMoeglich();
    EXPECT_FALSE(Teil<QAction>(Kurven(), "AUFZEICHNUNG_SPEICHERN")->isEnabled()) << "nothing recorded yet";

    Ausloesen("AUFZEICHNEN");
    ASSERT_TRUE(Endet());
    const Aufzeichnung* a = Rekorder()->aufzeichnung();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->ende(), Aufzeichnung::Ende::Fertig) << "ends when the box has played both cycles";
    EXPECT_TRUE(Kurven()->bestaetigung().startsWith("Aufzeichnung beendet: "))
        << Kurven()->bestaetigung().toStdString();
    EXPECT_TRUE(Kurven()->bestaetigung().endsWith(" Runden/s")) << Kurven()->bestaetigung().toStdString();
    EXPECT_TRUE(Teil<QAction>(Kurven(), "AUFZEICHNUNG_SPEICHERN")->isEnabled());

    const double intervall = 1.0 / a->Abtastrate();
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        const auto& zuege = Rekorder()->zuege(int(k));
        ASSERT_GE(zuege.size(), 2u) << "the second cycle is drawn over the first, curve " << k + 1;
        std::size_t punkte = 0;
        for (const auto& zug : zuege)
            for (QPointF p : zug) {
                ++punkte;
                EXPECT_GE(p.x(), 0.0);
                EXPECT_LT(p.x(), KurvenLaenge(s.kurven[k])) << "folded into the first cycle";
                EXPECT_TRUE(AufDerKurve(s, k, p, intervall)) << "Kurve " << k + 1 << " bei " << p.x() << " us";
            }
        EXPECT_GE(punkte, 10u);
    }
    // Drawn in the lighter colours, over the current curve and the background ones.
    Kurven()->editor().ZoomGesamt();
    const QImage bild = GraphBild(Teil<Graph>(Kurven(), "GRAPH"));
    EXPECT_FALSE(SpaltenMitFarbe(bild, KurvenAufzeichnungFenster::Farbe(true).rgb()).empty());
    EXPECT_FALSE(SpaltenMitFarbe(bild, KurvenAufzeichnungFenster::Farbe(false).rgb()).empty());

    // A redraw (another curve chosen) draws the same recording again.
    const auto zuegeVorher = Rekorder()->zuege(2);
    Kurven()->editor().KurveWaehlen(2);
    EXPECT_EQ(Rekorder()->zuege(2), zuegeVorher);

    // The curves, their undo and the changed flag are the editor's alone.
    EXPECT_EQ(Kurven()->satz().kurven[0].punkte, vorher.kurven[0].punkte);
    EXPECT_EQ(Kurven()->satz().kurven[3].punkte, vorher.kurven[3].punkte);
    EXPECT_EQ(Kurven()->editor().geaendert(), geaendert);
    EXPECT_EQ(Kurven()->editor().rueckgaengigMoeglich(), undo);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
}

TEST_F(KurvenAufzeichnung, EinstellungenStoppUndCsvDatei) {
    // Settings as the file holds them; what cannot be used keeps its default.
    IniDatei ini;
    ini.TextUebernehmen("[kurven]\r\naufzeichnung_eingang1 = 0\r\naufzeichnung_eingang2 = 7\r\n"
                        "aufzeichnung_eingang3 = 4\r\naufzeichnung_dauer = -3\r\naufzeichnung_intervall = 0.05\r\n");
    Kurven()->EinstellungenLesen(ini);
    auto e = Rekorder()->einstellung();
    EXPECT_EQ(e.eingang, (std::array<int, 4>{-1, 1, 3, 3}));
    EXPECT_EQ(e.dauer, 0.0);
    EXPECT_EQ(e.intervall, 0.05);
    EXPECT_TRUE(Teil<QAction>(Kurven(), "AUFZEICHNUNG_K1_KEINER")->isChecked());
    EXPECT_TRUE(Teil<QAction>(Kurven(), "AUFZEICHNUNG_K3_E4")->isChecked());
    EXPECT_TRUE(Teil<QAction>(Kurven(), "AUFZEICHNUNG_INTERVALL_0.05")->isChecked());
    // A value that is no preset is offered as it is.
    ini.TextUebernehmen("[kurven]\r\naufzeichnung_dauer = 2.5\r\naufzeichnung_intervall = 99\r\n");
    Kurven()->EinstellungenLesen(ini);
    EXPECT_EQ(Rekorder()->einstellung().dauer, 2.5);
    EXPECT_EQ(Rekorder()->einstellung().intervall, 0.0);
    EXPECT_TRUE(Teil<QAction>(Kurven(), "AUFZEICHNUNG_DAUER_2.5")->isChecked());

    // Inputs 2 and 4 only, for a second.
    Ausloesen("AUFZEICHNUNG_K1_KEINER");
    Ausloesen("AUFZEICHNUNG_K3_KEINER");
    Ausloesen("AUFZEICHNUNG_DAUER_1");
    Senden(VierKurven());
    Ausloesen("AUFZEICHNEN");
    ASSERT_TRUE(Endet());
    EXPECT_EQ(Rekorder()->aufzeichnung()->ende(), Aufzeichnung::Ende::Dauer);
    EXPECT_LT(Rekorder()->aufzeichnung()->runden().back().zeit, 1.0);
    EXPECT_TRUE(Rekorder()->zuege(0).empty());
    EXPECT_FALSE(Rekorder()->zuege(1).empty());

    // Cancelled: nothing written. Chosen: the table. A folder that is not there: the error, no file.
    Ausloesen("AUFZEICHNUNG_SPEICHERN");
    EXPECT_EQ(u.dialoge.VonArt("Datei").at(0).datei.muster, "*.csv");
    EXPECT_TRUE(QDir(u.Pfad("")).entryList({"*.csv"}).isEmpty());
    u.dialoge.DateiGewaehlt(u.Pfad("antwort.csv"));
    Ausloesen("AUFZEICHNUNG_SPEICHERN");
    QFile f(u.Pfad("antwort.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> zeilen = f.readAll().split('\n');
    EXPECT_EQ(zeilen.at(0), "Zeit [s],Eingang 2 [V],Eingang 4 [V]\r");
    EXPECT_EQ(zeilen.size(), qsizetype(Rekorder()->aufzeichnung()->runden().size() + 2)); // and the last line's end
    u.dialoge.DateiGewaehlt(u.Pfad("fehlt/antwort.csv"));
    Ausloesen("AUFZEICHNUNG_SPEICHERN");
    EXPECT_EQ(u.dialoge.Letztes().art, "Meldung");
    EXPECT_FALSE(QFile::exists(u.Pfad("fehlt/antwort.csv")));

    // "Stopp" ends the recording and the box; so does the box's own "Stopp" button.
    Ausloesen("AUFZEICHNUNG_DAUER_0");
    Ausloesen("AUFZEICHNEN");
    ASSERT_TRUE(QTest::qWaitFor([] { return Rekorder()->aufzeichnung()->runden().size() >= 3; }, 10000));
    EXPECT_EQ(box.sim.Laufzustand(), SimGeraet::Lauf::Generator) << "started by the recording";
    Ausloesen("AUFZEICHNUNG_STOPP");
    EXPECT_FALSE(Rekorder()->laeuft());
    Warten();
    EXPECT_EQ(box.sim.Laufzustand(), SimGeraet::Lauf::Gestoppt);
    Ausloesen("AUFZEICHNEN");
    ASSERT_TRUE(QTest::qWaitFor([] { return !Rekorder()->aufzeichnung()->leer(); }, 10000));
    Teil<QPushButton>(Kurven(), "STOPP")->click();
    EXPECT_FALSE(Rekorder()->laeuft());

    // The settings go back to the file under their own keys.
    ASSERT_EQ(WriteIni(), 0);
    const QByteArray text = u.IniLesen("xdg/dlm7dSteuerung/dlm7Steuerung.ini"); // none was there at the start
    EXPECT_TRUE(text.contains("aufzeichnung_eingang1 = 0\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("aufzeichnung_eingang2 = 2\r\n"));
    EXPECT_TRUE(text.contains("aufzeichnung_dauer = 0\r\n"));
    EXPECT_TRUE(text.contains("aufzeichnung_intervall = 0\r\n"));
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").size() == 1u) << "only the failed save";
}

TEST_F(KurvenAufzeichnung, FensterWechselLinkbruchUndProgrammende) {
    Senden(VierKurven());
    const auto laufend = [] {
        Ausloesen("AUFZEICHNEN");
        return QTest::qWaitFor([] { return !Rekorder()->aufzeichnung()->leer(); }, 10000);
    };
    // Leaving the window ends the recording; nothing arrives after it.
    ASSERT_TRUE(laufend());
    Kurven()->FensterWechseln(FensterId::Haupt);
    EXPECT_FALSE(Rekorder()->laeuft());
    const std::size_t runden = Rekorder()->aufzeichnung()->runden().size();
    Warten();
    EXPECT_EQ(Rekorder()->aufzeichnung()->runden().size(), runden);
    ZeigeChildpanel(FensterId::Kurven);

    // A link break ends it on the indicator, without a popup.
    ASSERT_TRUE(laufend());
    box.sim.Beenden();
    ASSERT_TRUE(Endet());
    EXPECT_NE(FehleranzeigeVon(Kurven())->nummer(), 0);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
}

TEST(KurvenAufzeichnungEnde, KeineRundeNachDemFenster) {
    // A window of its own on a service of its own, destroyed while its poll is on the line.
    SimUmgebung box;
    ASSERT_TRUE(box.bereit());
    SkriptDialogeAktiv dialoge;
    Geraetedienst dienst;
    KonfigModell konfig;
    dienst.Oeffnen(box.port);
    ASSERT_TRUE(dienst.Abwarten());
    auto* fenster = new KurvenPanel(dienst, konfig, nullptr);
    auto* rekorder = fenster->findChild<KurvenAufzeichnungFenster*>("AUFZEICHNUNG");
    ASSERT_NE(rekorder, nullptr);
    fenster->findChild<QAction*>("AUFZEICHNEN")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rekorder->aufzeichnung()->runden().size() >= 2; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dienst.beschaeftigt(); }, 5000)) << "a round is under way";
    delete fenster;
    EXPECT_TRUE(dienst.Abwarten());
    EXPECT_FALSE(dienst.beschaeftigt());
    dienst.Beenden();
}

} // namespace
