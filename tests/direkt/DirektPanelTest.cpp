#include "Bedienelemente.h"
#include "DirektUmgebung.h"
#include "Rahmenzugriff.h"

#include "app/Hauptfenster.h"
#include "kern/IniDatei.h"
#include "uisupport/Drehknopf.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Lampe.h"
#include "uisupport/Streifenschreiber.h"
#include "uisupport/Zahlfeld.h"
#include "uisupport/Zeigerinstrument.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

TEST_F(DirektFenster, KnopfUeberDerGrenzeSpringtZurueck) {
    Elemente(d).BEGRENZUNG[0]->setValue(4.0);
    Elemente(d).AUSGANG[0]->zahlenfeld()->setValue(7.0);
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[0]->wert(), 4.0);
    EXPECT_TRUE(Gesendet("#1V1W4.000\r"));
    EXPECT_FALSE(Gesendet("#1V1W7.000\r"));
    EXPECT_NEAR(s->sim.Ausgang(1), 0.4 * 4095, 1.0);
    // Below the limit the value goes through.
    Elemente(d).AUSGANG[0]->zahlenfeld()->setValue(2.5);
    EXPECT_TRUE(Gesendet("#1V1W2.500\r"));
}

TEST_F(DirektFenster, GetippteWerteGehenUngerundetZurBox) {
    auto tippen = [](Zahlfeld* feld, const QString& text) {
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, Qt::Key_Return);
    };
    tippen(Elemente(d).AUSGANG[0]->zahlenfeld(), "2,5");
    EXPECT_TRUE(Gesendet("#1V1W2.500\r"));
    // Every key reaches the field; the limit rule decides, the field shows the value in force.
    tippen(Elemente(d).BEGRENZUNG[0], "4");
    tippen(Elemente(d).AUSGANG[0]->zahlenfeld(), "99999");
    EXPECT_TRUE(Gesendet("#1V1W4.000\r"));
    EXPECT_FALSE(Gesendet("#1V1W9.000\r"));
    EXPECT_EQ(Elemente(d).AUSGANG[0]->zahlenfeld()->text(), "4.000");
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[0]->wert(), 4.0);
}

TEST_F(DirektFenster, FuenfVoltBoxSendetDenAnteilDesBereichs) {
    KonfigAendern([](KonfigDaten& k) {
        k.voutmax = 5.0;
        SkalierungSetzen(k, Seite::Ausgang, 0, {0, 5, 0, 60});
    });
    d->Direktpanel_SkaliereElemente();
    Elemente(d).BEGRENZUNG[0]->setValue(100.0);
    Elemente(d).AUSGANG[0]->zahlenfeld()->setValue(30.0);
    EXPECT_TRUE(Gesendet("#1V1W5.000\r"));
    EXPECT_DOUBLE_EQ(d->zustand().ausgangProzent[0], 50.0);
}

TEST_F(DirektFenster, AusgaengeAufNullMeintNullDerEinheit) {
    KonfigAendern([](KonfigDaten& k) {
        SkalierungSetzen(k, Seite::Ausgang, 0, {1, 6, 0, 1000});
        SkalierungSetzen(k, Seite::Ausgang, 1, {0, 5, 10, 20});
    });
    d->Direktpanel_SkaliereElemente();
    for (int k = 0; k < 4; ++k) Elemente(d).BEGRENZUNG[k]->setValue(5000.0);
    Elemente(d).AUSGANG[0]->zahlenfeld()->setValue(700.0);
    Elemente(d).AUSGANG[1]->zahlenfeld()->setValue(25.0);
    s->sim.AnfragenLoeschen();
    Elemente(d).AUSGAENGEAUFNULL->click();
    EXPECT_TRUE(Gesendet("#1V1W1.000\r")) << "1 V, not 0 V";
    EXPECT_TRUE(Gesendet("#1V2W0.000\r")) << "the lowest value of 10..30";
    EXPECT_TRUE(Gesendet("#1V3W0.000\r"));
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[0]->wert(), 0.0);
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[1]->wert(), 10.0);
}

TEST_F(DirektFenster, EscapeWirktNurBeiSichtbaremFenster) {
    Haupt()->show();
    Haupt()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Haupt()));
    Elemente(d).AUSGANG[2]->zahlenfeld()->setValue(3.0);
    s->sim.AnfragenLoeschen();
    QTest::keyClick(Elemente(d).ABTASTZEIT, Qt::Key_Escape);
    EXPECT_TRUE(Gesendet("#1V3W0.000\r"));
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[2]->wert(), 0.0);

    Elemente(d).AUSGANG[2]->zahlenfeld()->setValue(3.0);
    ZeigeChildpanel(FensterId::Com);
    s->sim.AnfragenLoeschen();
    QTest::keyClick(Elemente(Com()).PORT, Qt::Key_Escape);
    EXPECT_TRUE(s->sim.Anfragen().empty());
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[2]->wert(), 3.0);
}

TEST_F(DirektFenster, FallendeSkalaAnKnopfUndInstrument) {
    KonfigAendern([](KonfigDaten& k) {
        SkalierungSetzen(k, Seite::Ausgang, 0, {0, 10, 100, 0});
        SkalierungSetzen(k, Seite::Eingang, 0, {0, 10, 50, -50});
    });
    d->Direktpanel_SkaliereElemente();
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[0]->unten(), 100.0);
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[0]->oben(), 0.0);
    EXPECT_EQ(Elemente(d).AUSGANG[0]->nachkommastellen(), 2);
    Elemente(d).BEGRENZUNG[0]->setValue(100.0);
    Elemente(d).AUSGANG[0]->zahlenfeld()->setValue(25.0);
    EXPECT_TRUE(Gesendet("#1V1W7.500\r"));
    EXPECT_DOUBLE_EQ(Elemente(d).EINGANG[0]->minimum(), 50.0);
    EXPECT_DOUBLE_EQ(Elemente(d).EINGANG[0]->maximum(), -50.0);
    s->sim.EingangSignal(1, SimSignal{SimSignal::Form::Konstant, 2.0, 0.0, 1.0});
    Starten();
    Abfragen();
    EXPECT_NEAR(Elemente(d).EINGANG[0]->wert(), 30.0, 0.05);
    EXPECT_NEAR(Elemente(d).MAX[0]->wert(), 30.0, 0.05);
}

TEST_F(DirektFenster, UngueltigerKanalWirdNieGeschrieben) {
    KonfigAendern([](KonfigDaten& k) { SkalierungSetzen(k, Seite::Ausgang, 1, {3, 3, 0, 10}); });
    d->Direktpanel_SkaliereElemente();
    EXPECT_FALSE(Elemente(d).AUSGANG[1]->isEnabled());
    Elemente(d).AUSGAENGEAUFNULL->click();
    Starten();
    for (const auto& a : s->sim.Anfragen()) EXPECT_EQ(a.rfind("#1V2W", 0), std::string::npos) << a;
    EXPECT_TRUE(Gesendet("#1V1W0.000\r"));
}

TEST_F(DirektFenster, Eingang4BelegtWirdGedimmtNichtGefragtUndGestrichelt) {
    s->sim.ModusSetzen(0x01);
    LogWaehlen();
    Starten();
    Abfragen();
    Abfragen();
    EXPECT_FALSE(Elemente(d).EINGANG[3]->isEnabled());
    EXPECT_FALSE(Elemente(d).MIN[3]->isEnabled());
    EXPECT_FALSE(Elemente(d).MAX[3]->isEnabled());
    EXPECT_FALSE(Elemente(d).PLOT[3]->isEnabled());
    EXPECT_FALSE(Elemente(d).PLOT[3]->isChecked());
    EXPECT_TRUE(Gesendet("#1V3R\r"));
    EXPECT_FALSE(Gesendet("#1V4R\r"));
    EXPECT_DOUBLE_EQ(d->zustand().eingangProzent[3], 0.0);
    ASSERT_EQ(Elemente(d).STRIPCHART->anzahlPunkte(), 2);
    EXPECT_DOUBLE_EQ(Elemente(d).STRIPCHART->punkt(1)[3], 0.0);
    Beenden();
    const QStringList zeilen = LogZeilen();
    ASSERT_GE(zeilen.size(), 2);
    int daten = 0;
    for (const QString& z : zeilen) {
        if (!z.contains(QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4}\\t"))) continue;
        const QStringList spalten = z.split('\t');
        ASSERT_GT(spalten.size(), 5) << z.toStdString();
        EXPECT_EQ(spalten.at(5), "-----") << z.toStdString();
        ++daten;
    }
    EXPECT_EQ(daten, 2);

    // A box that frees input 4 gives it back at the next start.
    s->sim.ModusSetzen(0x00);
    Starten();
    EXPECT_TRUE(Elemente(d).EINGANG[3]->isEnabled());
    Abfragen();
    EXPECT_TRUE(Gesendet("#1V4R\r"));
}

TEST_F(DirektFenster, TaktWaehrendLaufenderAbfrageWirdUebersprungen) {
    Starten();
    s->sim.AnfragenLoeschen();
    s->sim.VerzoegerungSetzen(std::chrono::milliseconds(20));
    d->DirektTimer_Callback();
    d->DirektTimer_Callback(); // the first poll is still on the line
    EXPECT_TRUE(d->abfrageLaeuft());
    Warten();
    auto lesungen = [&] {
        const auto a = s->sim.Anfragen();
        return std::count(a.begin(), a.end(), std::string("#1V1R\r"));
    };
    EXPECT_EQ(lesungen(), 1);
    Abfragen();
    EXPECT_EQ(lesungen(), 2);
    EXPECT_EQ(Elemente(d).STRIPCHART->anzahlPunkte(), 2);
}

TEST_F(DirektFenster, Eingang4DerBoxGibtDemDiagrammErstDenLetztenWert) {
    s->sim.EingangSignal(4, SimSignal{SimSignal::Form::Konstant, 5.0, 0.0, 1.0});
    Starten();
    Abfragen();
    Beenden();
    s->sim.ModusSetzen(0x01);
    Starten();
    Abfragen();
    Abfragen();
    ASSERT_EQ(Elemente(d).STRIPCHART->anzahlPunkte(), 3);
    EXPECT_NEAR(Elemente(d).STRIPCHART->punkt(1)[3], 50.0, 0.1) << "the round the box took it";
    EXPECT_DOUBLE_EQ(Elemente(d).STRIPCHART->punkt(2)[3], 0.0);
}

TEST_F(DirektFenster, MinMaxResetNimmtDieNaechsteRunde) {
    for (int k = 1; k <= 4; ++k) s->sim.EingangSignal(k, SimSignal{SimSignal::Form::Konstant, 3.0, 0.0, 1.0});
    Starten();
    Abfragen();
    s->sim.EingangSignal(1, SimSignal{SimSignal::Form::Konstant, 6.0, 0.0, 1.0});
    s->sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, 2.0, 0.0, 1.0});
    Abfragen();
    EXPECT_NEAR(Elemente(d).MIN[0]->wert(), 3.0, 0.01);
    EXPECT_NEAR(Elemente(d).MAX[0]->wert(), 6.0, 0.01);
    EXPECT_NEAR(Elemente(d).MAX[1]->wert(), 3.0, 0.01);
    Elemente(d).MINMAXRESET->click();
    s->sim.EingangSignal(1, SimSignal{SimSignal::Form::Konstant, 4.0, 0.0, 1.0});
    Abfragen();
    for (int k = 0; k < 4; ++k) {
        const double erwartet = k == 0 ? 4.0 : k == 1 ? 2.0 : 3.0;
        EXPECT_NEAR(Elemente(d).MIN[k]->wert(), erwartet, 0.01) << k;
        EXPECT_NEAR(Elemente(d).MAX[k]->wert(), erwartet, 0.01) << k;
    }
}

TEST_F(DirektFenster, KnopfNachFehlgeschlagenemSchreibenZeigtWasDieBoxHat) {
    Elemente(d).BEGRENZUNG[1]->setValue(10.0);
    Elemente(d).AUSGANG[1]->zahlenfeld()->setValue(2.0);
    ASSERT_TRUE(Gesendet("#1V2W2.000\r"));
    s->sim.KabelGezogen(true);
    EmpfangsZeitlimitSetzen(0.05);
    Elemente(d).AUSGANG[1]->zahlenfeld()->setValue(5.0);
    Warten();
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[1]->wert(), 2.0);
    EXPECT_DOUBLE_EQ(d->zustand().ausgangProzent[1], 20.0);
    EXPECT_EQ(FehleranzeigeVon(d)->nummer(), 403067);

    // The zero button: the failing channels go back as well.
    Elemente(d).AUSGAENGEAUFNULL->click();
    Warten();
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[1]->wert(), 2.0);
    s->sim.KabelGezogen(false);
    Elemente(d).AUSGAENGEAUFNULL->click();
    Warten();
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[1]->wert(), 0.0);
}

TEST_F(DirektFenster, VerlassenUndBeendenSchliessenDasProtokollMitSeinerZeile) {
    LogWaehlen();
    Starten();
    Abfragen();
    d->findChild<QPushButton*>("ZURUECK")->click();
    ASSERT_FALSE(LogZeilen().isEmpty());
    EXPECT_EQ(LogZeilen().last(), "Datenerfassung beendet");
    ZeigeChildpanel(d);
    LogWaehlen();
    Starten();
    ASSERT_FALSE(u->dialoge.VonArt("Datei").empty());
    EXPECT_EQ(u->dialoge.VonArt("Datei").back().datei.ueberschreibenFragen, false) << "the log is appended";
    u->anwendung->DeinitialisierePanels();
    const QStringList zeilen = LogZeilen();
    ASSERT_EQ(zeilen.count("Datenerfassung beendet"), 2);
    EXPECT_EQ(zeilen.last(), "Datenerfassung beendet");
}

TEST_F(DirektFenster, GezogenesKabelBeendetDieAbfrage) {
    LogWaehlen();
    Starten();
    Abfragen();
    s->sim.KabelGezogen(true);
    EmpfangsZeitlimitSetzen(0.1);
    Abfragen();
    EXPECT_FALSE(Elemente(d).TIMER->isActive());
    EXPECT_FALSE(Elemente(d).ABFRAGEN->isChecked());
    EXPECT_EQ(Elemente(d).ABFRAGEN->text(), QString::fromUtf8("Eingänge abfragen"));
    EXPECT_TRUE(Elemente(d).DATEISPEICHERN->isEnabled());
    EXPECT_FALSE(Elemente(d).DATEISPEICHERNLED->an());
    EXPECT_TRUE(FehleranzeigeVon(d)->lampeAn());
    EXPECT_TRUE(u->dialoge.VonArt("Meldung").empty()) << "no popup for a device failure";
    const QStringList zeilen = LogZeilen();
    ASSERT_GE(zeilen.size(), 3);
    EXPECT_EQ(zeilen.at(zeilen.size() - 2), QString::fromUtf8("Fehler - Datenübertragung abgebrochen"));
    EXPECT_EQ(zeilen.last(), FehleranzeigeVon(d)->text());
}

TEST_F(DirektFenster, ZweiLaeufeInDieselbeDatei) {
    for (int lauf = 0; lauf < 2; ++lauf) {
        LogWaehlen();
        Starten();
        EXPECT_TRUE(Elemente(d).DATEISPEICHERNLED->an());
        EXPECT_FALSE(Elemente(d).DATEISPEICHERN->isEnabled());
        Abfragen();
        Beenden();
    }
    const QStringList zeilen = LogZeilen();
    EXPECT_EQ(zeilen.count("Datenerfassung gestartet"), 2);
    EXPECT_EQ(zeilen.count("Datenerfassung beendet"), 2);
    EXPECT_EQ(zeilen.size(), 2 * (3 + 8 + 1 + 1 + 1));
}

TEST_F(DirektFenster, AbgebrochenerDateidialogFragtOhneProtokoll) {
    Elemente(d).DATEISPEICHERN->setChecked(true);
    Starten();
    const auto dateien = u->dialoge.VonArt("Datei");
    ASSERT_EQ(dateien.size(), 1u);
    EXPECT_EQ(dateien[0].datei.titel, "Datei zum Speichern/Erweitern");
    EXPECT_EQ(dateien[0].datei.muster, "*.txt");
    EXPECT_TRUE(Elemente(d).TIMER->isActive());
    EXPECT_FALSE(Elemente(d).DATEISPEICHERNLED->an());
    EXPECT_FALSE(d->protokoll().offen());
    Abfragen();
    EXPECT_TRUE(Elemente(d).TIMER->isActive());
}

TEST_F(DirektFenster, FehlerDesDateidialogsWirdGezeigt) {
    Elemente(d).DATEISPEICHERN->setChecked(true);
    u->dialoge.dateien.push_back({DateiErgebnis::Art::Fehler, {}});
    Starten();
    ASSERT_EQ(u->dialoge.VonArt("Meldung").size(), 1u);
    EXPECT_TRUE(u->dialoge.VonArt("Meldung")[0].titel.contains("317305"));
}

TEST_F(DirektFenster, VolleFestplatteBeendetDieAbfrageMitMeldung) {
    LogWaehlen();
    Starten();
    Abfragen();
    QFile f(Logdatei());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray vorher = f.readAll();
    f.close();
    d->protokoll().SchreibfunktionSetzen([](int, const void*, size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    });
    Abfragen();
    EXPECT_FALSE(Elemente(d).TIMER->isActive());
    ASSERT_EQ(u->dialoge.VonArt("Meldung").size(), 1u);
    EXPECT_TRUE(u->dialoge.VonArt("Meldung")[0].titel.contains("301311"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), vorher);
}

TEST_F(DirektFenster, ZoomUndSpuren) {
    Elemente(d).ZOOMY->setValue(5);
    EXPECT_DOUBLE_EQ(Elemente(d).STRIPCHART->yMaximum(), 10.0);
    EXPECT_EQ(Elemente(d).ZOOMY->wert(), 10) << "the field shows the zoom in force";
    Elemente(d).ZOOMY->setValue(250);
    EXPECT_DOUBLE_EQ(Elemente(d).STRIPCHART->yMaximum(), 100.0);
    Elemente(d).ZOOMY->setValue(40);
    EXPECT_DOUBLE_EQ(Elemente(d).STRIPCHART->yMaximum(), 40.0);
    Elemente(d).ZOOMX->setValue(0);
    EXPECT_EQ(Elemente(d).STRIPCHART->punkteProBreite(), 10);
    Elemente(d).ZOOMX->setValue(333);
    EXPECT_EQ(Elemente(d).STRIPCHART->punkteProBreite(), 333);
    Elemente(d).ZOOMX->setValue(1);
    EXPECT_EQ(Elemente(d).STRIPCHART->punkteProBreite(), 1);
    Elemente(d).PLOT[2]->click();
    EXPECT_FALSE(Elemente(d).STRIPCHART->spurSichtbar(2));
}

TEST_F(DirektFenster, ChartBreiteUndAbtastzeitBeimStart) {
    // Half the plot width of the window as it sits in the main window.
    EXPECT_GT(Elemente(d).ZOOMX->wert(), 100);
    EXPECT_EQ(Elemente(d).STRIPCHART->punkteProBreite(), Elemente(d).ZOOMX->wert());
    Elemente(d).ABTASTZEIT->setValue(0.05);
    EXPECT_EQ(Elemente(d).TIMER->interval(), 200);
    EXPECT_DOUBLE_EQ(Elemente(d).ABTASTZEIT->wert(), 0.2) << "the minimum in force, not the typed value";
    Elemente(d).ABTASTZEIT->setValue(2.5);
    EXPECT_EQ(Elemente(d).TIMER->interval(), 2500);
}

TEST_F(DirektFenster, FenstermenueUndZurueckBeendenDieAbfrage) {
    Starten();
    FensterAktion(d, FensterId::Konfig)->trigger();
    Warten();
    EXPECT_FALSE(Elemente(d).TIMER->isActive());
    ZeigeChildpanel(d);
    Starten();
    d->findChild<QPushButton*>("ZURUECK")->click();
    EXPECT_FALSE(Elemente(d).TIMER->isActive());
    EXPECT_EQ(AktuellesChildpanel(), nullptr);
}

TEST_F(DirektFenster, OhnePortStartetNichts) {
    Dienst().Schliessen();
    Warten();
    Elemente(d).ABFRAGEN->click();
    Warten();
    EXPECT_FALSE(Elemente(d).TIMER->isActive());
    EXPECT_FALSE(Elemente(d).ABFRAGEN->isChecked());
    EXPECT_EQ(FehleranzeigeVon(d)->nummer(), 122303);
    Abfragen();
    EXPECT_EQ(FehleranzeigeVon(d)->nummer(), 122301);
    Elemente(d).AUSGAENGEAUFNULL->click();
    Warten();
    EXPECT_EQ(FehleranzeigeVon(d)->nummer(), 122303);
}

TEST_F(DirektFenster, PinbelegungUndHilfemodus) {
    d->Menu_Direkt_Hilfe_Pins();
    ASSERT_EQ(u->dialoge.VonArt("Meldung").size(), 1u);
    EXPECT_EQ(u->dialoge.Letztes().titel, "DLM-7 Pinbelegung");
    EXPECT_TRUE(u->dialoge.Letztes().text.endsWith("Pin 16:  Eingang 4"));
    HilfemodusSetzen(true);
    Elemente(d).AUSGANG[0]->zahlenfeld()->setValue(5.0);
    EXPECT_TRUE(s->sim.Anfragen().empty());
    EXPECT_DOUBLE_EQ(Elemente(d).AUSGANG[0]->wert(), 0.0);
    d->AusgaengeAufNull_Callback();
    FensterAktion(d, FensterId::Haupt)->trigger();
    EXPECT_EQ(AktuellesChildpanel(), d);
    EXPECT_TRUE(s->sim.Anfragen().empty());
    HilfemodusSetzen(false);
}

TEST_F(DirektFenster, Einstellungen) {
    Elemente(d).PLOT[1]->setChecked(false);
    Elemente(d).BEGRENZUNG[3]->setValue(7.5);
    IniDatei ini;
    d->WriteIniDirektpanel(ini);
    long kurve = -1;
    double grenze = 0;
    EXPECT_EQ(ini.IntLesen("direkt", "kurve2", kurve), IniDatei::Ergebnis::Vorhanden);
    EXPECT_EQ(kurve, 0);
    EXPECT_EQ(ini.DoubleLesen("direkt", "grenze4", grenze), IniDatei::Ergebnis::Vorhanden);
    EXPECT_DOUBLE_EQ(grenze, 7.5);

    IniDatei neu;
    neu.IntSetzen("direkt", "kurve1", 0);
    neu.IntSetzen("direkt", "kurve2", 5);
    neu.DoubleSetzen("direkt", "grenze1", 2.25);
    d->ReadIniDirektpanel(neu);
    EXPECT_FALSE(Elemente(d).PLOT[0]->isChecked());
    EXPECT_FALSE(Elemente(d).STRIPCHART->spurSichtbar(0));
    EXPECT_TRUE(Elemente(d).PLOT[1]->isChecked());
    EXPECT_TRUE(Elemente(d).STRIPCHART->spurSichtbar(1));
    EXPECT_DOUBLE_EQ(Elemente(d).BEGRENZUNG[0]->wert(), 2.25);
    EXPECT_DOUBLE_EQ(Elemente(d).BEGRENZUNG[3]->wert(), 7.5) << "missing key keeps the value";
}
