// "Arbeitspunkt anzeigen" against the simulated box: the marker on the curve,
// the feedback's lag, the fields, stepping aside for a transfer, ending
// cleanly, and its choices in the settings file.
#include "KennlinienUmgebung.h"

#include "device/Eingangsabfrage.h"
#include "device/Eingangsrunde.h"
#include "kennlinie/KennlinieGeraet.h"
#include "kennlinie/fenster/KennlinienArbeitspunkt.h"
#include "sim/SimUmgebung.h"

#include <QLabel>
#include <QSignalSpy>
#include <QToolBar>

#include <chrono>

namespace {

// Falling curve: output 1 = 4095 - input step.
const Kennlinienpunkte kFallend = {{4095, 4095, 0}, {0, 1, 0}};

double Sekunden(std::chrono::steady_clock::time_point seit) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - seit).count();
}

} // namespace

struct ArbeitspunktFenster : KennlinienFenster {
    SimUmgebung s;
    KennlinienArbeitspunkt* ap = nullptr;

    void SetUp() override {
        KennlinienFenster::SetUp();
        ASSERT_TRUE(s.bereit()) << s.fehler;
        Dienst().Oeffnen(s.port);
        Warten();
        ASSERT_EQ(OffenerComPort(), s.port);
        ap = k->findChild<KennlinienArbeitspunkt*>();
        ASSERT_NE(ap, nullptr);
    }
    QAction* Aktion(const char* name) { return KindVon<QAction>(k, name); }
    QAction* Schalter() { return Aktion("ARBEITSPUNKT"); }
    QLabel* Status() { return KindVon<QLabel>(k, "BOXSTATUS"); }
    // The box runs the curve from slot 2, selected through output 4; the window shows the same curve.
    void KennlinieSpielen(const Kennlinienpunkte& kurve, double anstiegszeit) {
        k->editor().PunkteSetzen(kurve);
        ASSERT_EQ(AufDemDienst([&](int port, char adresse) {
                      if (const int rc =
                              KennlinieSenden(port, adresse, 2, kurve, Konfig(), 5.0, anstiegszeit).Fehlercode())
                          return rc;
                      if (const int rc = Ausgang4Setzen(port, adresse, 2).Fehlercode()) return rc;
                      return QAVKSV5_DeviceFunction(port, adresse, "start");
                  }),
                  0);
    }
    void Eingang2(double wert) { s.sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, wert, 0, 1}); }
    void RundeAbwarten() {
        QSignalSpy runde(ap, &KennlinienArbeitspunkt::gezeigt);
        ASSERT_TRUE(runde.wait(5000));
    }
    // Every plot of the markers is on the graph.
    bool Gezeichnet() {
        for (int h : ap->plots())
            if (!GraphVon(k)->hatPlot(h)) return false;
        return !ap->plots().empty();
    }
    // Nothing more reaches the box: a status read sent now is the only request.
    void KeineAbfrageMehr() {
        Warten();
        s.sim.AnfragenLoeschen();
        unsigned char wert = 0;
        ASSERT_EQ(AufDemDienst([&](int port, char adresse) { return QAVKSV5_StatusLesen(port, adresse, 1, wert); }), 0);
        QCoreApplication::processEvents();
        Warten();
        EXPECT_EQ(s.sim.Anfragen().size(), 1u);
    }
};

TEST_F(ArbeitspunktFenster, DieMarkeSitztAufDemTabellenwertUndDieRueckmeldungFolgtMitDerAnstiegszeit) {
    KennlinieSpielen(kFallend, 1000.0);
    Eingang2(3.7);
    s.sim.EingangSignal(1, std::nullopt); // input 1 reads output 1 back
    Aktion("RUECKMELDUNG1")->trigger();
    Aktion("ARBEITSPUNKTRATE20")->trigger();
    Schalter()->trigger();
    ASSERT_TRUE(Schalter()->isChecked());
    ASSERT_TRUE(ap->an());

    // 3.7 V is step 1515; the table holds 4095 - 1515 there. The feedback
    // reaches it once output 1 has risen from 0.
    QTRY_VERIFY_WITH_TIMEOUT(ap->rueckmeldungsMarke() && std::abs(ap->rueckmeldungsMarke()->y() - 2580) <= 2, 5000);
    EXPECT_EQ(ap->marke(), QPointF(1515, 2580));
    EXPECT_TRUE(Gezeichnet());
    EXPECT_NEAR(FeldVon(k, Feld::X)->wert(), 1515 * 10.0 / 4095, 1e-9);
    EXPECT_NEAR(FeldVon(k, Feld::Y)->wert(), 2580 * 10.0 / 4095, 1e-9);
    QTRY_COMPARE(Status()->text(), QString::fromUtf8("DLM-7: läuft"));
    QTRY_VERIFY(Status()->isVisible());
    EXPECT_EQ(Punkte(), kFallend) << "the curve stays as it is";
    EXPECT_FALSE(k->ungespeichert());

    // A redraw of the curve keeps the markers; the cursor's coordinates do
    // not replace the live values.
    Ausloesen(Befehl::ZoomPlus);
    EXPECT_TRUE(Gezeichnet());
    Modus(Modus::KoordinatenAnzeigen);
    Klicken({2048, 300});
    EXPECT_NEAR(FeldVon(k, Feld::X)->wert(), 1515 * 10.0 / 4095, 1e-9);

    // A step to 0 V: the marker jumps to 4095, output 1 follows at 1 s per
    // 100 %, (4095 - 2580) / 4095 of it, about 0.37 s.
    struct Bild {
        double zeit;
        QPointF marke, rueck;
    };
    std::vector<Bild> bilder;
    const auto schritt = std::chrono::steady_clock::now();
    QObject::connect(ap, &KennlinienArbeitspunkt::gezeigt, ap, [&] {
        if (ap->marke() && ap->rueckmeldungsMarke())
            bilder.push_back({Sekunden(schritt), *ap->marke(), *ap->rueckmeldungsMarke()});
    });
    Eingang2(0.0);
    QTRY_VERIFY_WITH_TIMEOUT(!bilder.empty() && bilder.back().marke == QPointF(0, 4095) &&
                                 std::abs(bilder.back().rueck.y() - 4095) <= 2,
                             5000);
    bool unterwegs = false;
    double angekommen = -1;
    for (const Bild& b : bilder) {
        if (b.marke != QPointF(0, 4095)) continue;
        if (b.rueck.y() > 2700 && b.rueck.y() < 3950) unterwegs = true;
        if (angekommen < 0 && std::abs(b.rueck.y() - 4095) <= 2) angekommen = b.zeit;
    }
    EXPECT_TRUE(unterwegs) << "the feedback marker shows output 1 on its way";
    EXPECT_GE(angekommen, 0.3) << "it arrives after the rise time, not with the marker";
}

TEST_F(ArbeitspunktFenster, AusschaltenFensterwechselKabelUndProgrammendeBeendenDieAbfrage) {
    KennlinieSpielen(kFallend, 0.0);
    Eingang2(3.7);
    Modus(Modus::KoordinatenAnzeigen);
    Klicken({1000, 300});
    const double cursorX = FeldVon(k, Feld::X)->wert();

    // On by its toolbar button, as a user does.
    QWidget* knopf = k->werkzeugleiste()->widgetForAction(Schalter());
    ASSERT_NE(knopf, nullptr);
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_TRUE(Schalter()->isChecked());
    RundeAbwarten();
    EXPECT_NEAR(FeldVon(k, Feld::X)->wert(), 1515 * 10.0 / 4095, 1e-9);
    const std::vector<int> plots = ap->plots();
    Schalter()->trigger();
    EXPECT_FALSE(Schalter()->isChecked());
    EXPECT_FALSE(ap->an());
    QTRY_VERIFY(!Status()->isVisible()); // the toolbar hides it with its next layout
    for (int h : plots) EXPECT_FALSE(GraphVon(k)->hatPlot(h));
    EXPECT_EQ(FeldVon(k, Feld::X)->wert(), cursorX) << "the field shows the cursor again";
    KeineAbfrageMehr();
    EXPECT_FALSE(Gezeichnet());

    // Leaving the window ends it.
    Schalter()->trigger();
    RundeAbwarten();
    ZeigeChildpanel(FensterId::Direkt);
    EXPECT_FALSE(Schalter()->isChecked());
    EXPECT_FALSE(ap->an());
    KeineAbfrageMehr();

    // A pulled cable ends it with one report on the indicator and no popup.
    ZeigeChildpanel(FensterId::Kennlinie);
    Schalter()->trigger();
    RundeAbwarten();
    u.dialoge.Leeren();
    EmpfangsZeitlimitSetzen(0.1);
    s.sim.KabelGezogen(true);
    QTRY_VERIFY_WITH_TIMEOUT(!ap->an(), 5000);
    EXPECT_FALSE(Schalter()->isChecked());
    EXPECT_NE(Dienst().fehler(), 0);
    EXPECT_TRUE(u.dialoge.protokoll.empty()) << u.dialoge.protokoll.size();
    s.sim.KabelGezogen(false);

    // Program end with a round under way: no round reaches the window after it.
    Schalter()->trigger();
    RundeAbwarten();
    ASSERT_TRUE(ap->an());
    EXPECT_EQ(Dienst().fehler(), 0) << "the box answers again";
    QSignalSpy runden(ap, &KennlinienArbeitspunkt::gezeigt);
    App().DeinitialisierePanels();
    EXPECT_FALSE(ap->an());
    EXPECT_FALSE(Schalter()->isChecked());
    QCoreApplication::processEvents();
    EXPECT_EQ(runden.size(), 0);
}

TEST_F(ArbeitspunktFenster, EineUebertragungLaesstDieAbfrageRuhen) {
    KennlinieSpielen(kFallend, 0.0);
    Eingang2(1.0);
    Schalter()->trigger();
    RundeAbwarten();
    auto* abfrage = ap->findChild<Eingangsabfrage*>();
    ASSERT_NE(abfrage, nullptr);
    QSignalSpy pause(abfrage, &Eingangsabfrage::pausiertGeaendert);
    Eingeben(FeldVon(k, Feld::KurvenNr), "3");
    QTest::mouseClick(KnopfVon(k, KennlinienPanel::Knopf::Schreiben), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!pause.empty() && pause.front().front().toBool(), 5000);
    EXPECT_TRUE(Status()->text().contains("ruht")) << Status()->text().toStdString();
    Warten();
    EXPECT_EQ(Dienst().fehler(), 0);
    EXPECT_TRUE(k->bestaetigung().startsWith("Kurve in Speicherplatz 3 geschrieben"));
    // Afterwards it goes on by itself.
    RundeAbwarten();
    EXPECT_TRUE(ap->an());
    EXPECT_TRUE(Schalter()->isChecked());
    EXPECT_FALSE(abfrage->pausiert());
    EXPECT_FALSE(Status()->text().contains("ruht"));
}

TEST(ArbeitspunktEinstellungen, GehenDurchDieDateiUndSchlechteWerteGebenDieVorgaben) {
    const auto gewaehlt = [](const char* name) { return KindVon<QAction>(Kennlinie(), name)->isChecked(); };
    {
        FensterUmgebung u("[kennlinie]\r\narbeitspunktrate = 20\r\ndarstellung = 3\r\nrueckmeldung = 3\r\n");
        ASSERT_EQ(u.Starten(), 0);
        EXPECT_TRUE(gewaehlt("ARBEITSPUNKTRATE20"));
        EXPECT_FALSE(gewaehlt("ARBEITSPUNKTRATE5"));
        EXPECT_TRUE(gewaehlt("RUECKMELDUNG3"));
        ASSERT_EQ(WriteIni(), 0);
        EXPECT_TRUE(u.IniLesen().contains("[kennlinie]\r\narbeitspunktrate = 20\r\ndarstellung = 3\r\n"
                                          "rueckmeldung = 3\r\n\r\n"))
            << u.IniLesen().constData();
        // Back to the defaults: the section is the one earlier versions wrote.
        KindVon<QAction>(Kennlinie(), "ARBEITSPUNKTRATE5")->trigger();
        KindVon<QAction>(Kennlinie(), "RUECKMELDUNG0")->trigger();
        ASSERT_EQ(WriteIni(), 0);
        EXPECT_TRUE(u.IniLesen().contains("[kennlinie]\r\ndarstellung = 3\r\n\r\n")) << u.IniLesen().constData();
        KindVon<QAction>(Kennlinie(), "ARBEITSPUNKTRATE0")->trigger();
        ASSERT_EQ(WriteIni(), 0);
        EXPECT_TRUE(u.IniLesen().contains("arbeitspunktrate = 0\r\n"));
    }
    for (const char* falsch :
         {"arbeitspunktrate = 7\r\nrueckmeldung = 2\r\n", "arbeitspunktrate = fuenf\r\nrueckmeldung = -1\r\n",
          "arbeitspunktrate = 20.5\r\nrueckmeldung = 99999999999999999999\r\n"}) {
        FensterUmgebung u(QByteArray("[kennlinie]\r\n") + falsch);
        ASSERT_EQ(u.Starten(), 0);
        EXPECT_TRUE(gewaehlt("ARBEITSPUNKTRATE5")) << falsch;
        EXPECT_TRUE(gewaehlt("RUECKMELDUNG0")) << falsch;
        ASSERT_EQ(WriteIni(), 0);
        EXPECT_FALSE(u.IniLesen().contains("arbeitspunktrate")) << falsch;
        EXPECT_FALSE(u.IniLesen().contains("rueckmeldung")) << falsch;
    }
}
