#include "Bedienelemente.h"
#include "FensterUmgebung.h"
#include "Rahmenzugriff.h"

#include "config/fenster/KonfigPanel.h"
#include "device/PortFehler.h"
#include "device/PortSuche.h"
#include "device/Qavksv5.h"
#include "device/fenster/ComPanel.h"
#include "direkt/fenster/DirektPanel.h"
#include "kennlinie/fenster/KennlinienPanel.h"
#include "kurven/fenster/KurvenPanel.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Lampe.h"
#include "uisupport/VerbindungsBild.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void Umschalten() {
    Dienst().Umschalten();
    Warten();
}

void StartStopp(bool start) {
    Dienst().StartStopp(start);
    Warten();
}

void PortWaehlen(int wert) {
    Elemente(Com()).PORT->setCurrentIndex(Elemente(Com()).PORT->findData(wert));
    Com()->PortSelect_Callback();
    Warten();
}

std::vector<int> BilderWerte() {
    std::vector<int> w{Haupt()->verbindungsBild()->wert()};
    for (Werkzeugfenster* f : {static_cast<Werkzeugfenster*>(Com()), static_cast<Werkzeugfenster*>(Konfigpanel()),
                               static_cast<Werkzeugfenster*>(Direkt()), static_cast<Werkzeugfenster*>(Kurven()),
                               static_cast<Werkzeugfenster*>(Kennlinie())})
        w.push_back(f->verbindungsBild()->wert());
    return w;
}

struct Verbindungsfenster : ::testing::Test {
    SimUmgebung box;
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_TRUE(box.bereit()) << box.fehler;
        ASSERT_EQ(u.Starten(), 0);
        u.dialoge.Leeren();
    }
    int Fehlernummer() const { return int(FehleranzeigeVon(Com())->nummer()); }
};

TEST_F(Verbindungsfenster, OeffnenSchliessenUndDieSechsBilder) {
    PortWaehlen(box.port);
    EXPECT_EQ(OffenerComPort(), box.port);
    EXPECT_EQ(BilderWerte(), std::vector<int>(6, box.port));
    EXPECT_EQ(Dienst().letzterPort(), box.port);

    PortWaehlen(-1);
    EXPECT_EQ(OffenerComPort(), -1);
    EXPECT_EQ(BilderWerte(), std::vector<int>(6, -1));
    EXPECT_EQ(Elemente(Com()).PORT->currentData().toInt(), -1);
}

TEST_F(Verbindungsfenster, NotOpenBeiGeschlossenerVerbindungLoeschtDieAnzeige) {
    ComFehlerSetzen(-402099);
    PortWaehlen(-1);
    EXPECT_FALSE(FehleranzeigeVon(Com())->lampeAn());
    EXPECT_EQ(Fehlernummer(), 0);
}

TEST_F(Verbindungsfenster, DenOffenenPortNochmalWaehlenOeffnetIhnNeu) {
    PortWaehlen(box.port);
    ComFehlerSetzen(-402099);
    box.sim.AnfragenLoeschen();
    // The same COM now names another device: choosing it again takes the new one.
    SimUmgebung zweite(7);
    ASSERT_TRUE(zweite.bereit());
    PortPfadSetzen(box.port, zweite.sim.SlavePfad());
    PortWaehlen(box.port);
    EXPECT_EQ(OffenerComPort(), box.port);
    // The open's result cleared the indicator.
    EXPECT_FALSE(FehleranzeigeVon(Com())->lampeAn());
    EXPECT_EQ(AufDemDienst([](int port, char) {
                  std::string id;
                  return QAVKSV5_IDLesen(port, '1', id);
              }),
              0);
    EXPECT_TRUE(box.sim.Anfragen().empty());
    EXPECT_EQ(zweite.sim.Anfragen().size(), 1u);
}

TEST_F(Verbindungsfenster, BelegterPortZeigtDenOeffnungsfehlerUndStehtAufNotOpen) {
    ASSERT_EQ(QAVKSV5_Open(box.port, 9600), 0); // another program holds the port
    // The window sees it as its own port number only through a second table entry.
    PortPfadSetzen(7, PortPfad(box.port));
    PortWaehlen(7);
    EXPECT_EQ(OffenerComPort(), -1);
    EXPECT_EQ(Elemente(Com()).PORT->currentData().toInt(), -1);
    EXPECT_EQ(Fehlernummer(), 100003);
    EXPECT_EQ(BilderWerte(), std::vector<int>(6, -1));
    EXPECT_EQ(Elemente(Com()).TEXT->text().toStdString(), PortPfad(7) + ": wird von einem anderen Programm benutzt.");
    QAVKSV5_Close(box.port);
}

TEST_F(Verbindungsfenster, FehlendesUndGesperrtesGeraetWerdenBenannt) {
    PortPfadSetzen(6, "/dev/gibt-es-nicht");
    PortWaehlen(6);
    EXPECT_EQ(Fehlernummer(), 100003);
    EXPECT_EQ(Elemente(Com()).TEXT->text(), "/dev/gibt-es-nicht: Gerät nicht vorhanden.");

    // A device the user may not open: acting as "nobody", since root may open anything.
    const QString gesperrt = u.Pfad("gesperrt");
    QFile(gesperrt).open(QIODevice::WriteOnly);
    QFile::setPermissions(gesperrt, QFileDevice::Permissions{});
    QFile::setPermissions(u.verzeichnis.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                                    QFileDevice::ExeOther);
    PortPfadSetzen(5, gesperrt.toStdString());
    const bool nobody = geteuid() == 0 && seteuid(65534) == 0;
    PortWaehlen(5);
    if (nobody) (void)seteuid(0);
    EXPECT_EQ(Fehlernummer(), 100003);
    EXPECT_EQ(Elemente(Com()).TEXT->text().toStdString(),
              gesperrt.toStdString() + ": keine Berechtigung. Der Benutzer muss Mitglied der Gruppe \"root\" "
                                       "sein, der das Gerät gehört (danach neu anmelden).");
    PortWaehlen(box.port);
    EXPECT_TRUE(Elemente(Com()).TEXT->text().isEmpty()) << "a good open clears the message";
}

TEST_F(Verbindungsfenster, BildKlickSchaltetDieVerbindungMitDemLetztenPort) {
    Umschalten(); // never opened: nothing to open
    EXPECT_EQ(OffenerComPort(), -1);
    PortWaehlen(box.port);
    Umschalten();
    EXPECT_EQ(OffenerComPort(), -1);
    Umschalten();
    EXPECT_EQ(OffenerComPort(), box.port);
    EXPECT_EQ(BilderWerte(), std::vector<int>(6, box.port));
}

TEST_F(Verbindungsfenster, OhneVerbindungMeldetJedeAktionIhrenEigenenCode) {
    const std::pair<std::function<void()>, int> aktionen[] = {
        {[] { Com()->IDLesen_Callback(); }, 122232},
        {[] { Com()->Scann_Callback(); }, 122233},
        {[] { Dienst().StartStopp(true); }, 122234},
        {[] { Dienst().StartStopp(false); }, 122235},
        {[] { Com()->StartStoppEingang_Callback(true); }, 122236},
        {[] { Com()->Fehlerabfrage_Callback(); }, 122237},
    };
    for (const auto& [aktion, code] : aktionen) {
        aktion();
        Warten();
        EXPECT_EQ(Fehlernummer(), code);
        EXPECT_EQ(FehleranzeigeVon(Kurven())->nummer(), code);
    }
    EXPECT_TRUE(box.sim.Anfragen().empty());
}

TEST_F(Verbindungsfenster, GeraeteAbhaengigeKnoepfeNurBeiOffenemPort) {
    auto benutzbar = [] {
        bool alle = Elemente(Com()).FEHLERABFRAGE->isEnabled() && Elemente(Com()).START->isEnabled() &&
                    Elemente(Com()).STARTSTOPPEINGANGEIN->isEnabled();
        for (auto* l : Elemente(Com()).LED_FEHLER) alle = alle && l->isEnabled();
        return alle;
    };
    EXPECT_FALSE(Elemente(Com()).START->isEnabled());
    PortWaehlen(box.port);
    EXPECT_TRUE(benutzbar());
    PortWaehlen(-1);
    EXPECT_FALSE(Elemente(Com()).START->isEnabled());
    EXPECT_FALSE(Elemente(Com()).FEHLERABFRAGE->isEnabled());
    PortWaehlen(box.port); // once closed, they come back with the next open
    EXPECT_TRUE(benutzbar());
}

TEST_F(Verbindungsfenster, IdLesenStartStoppUndEingang4) {
    PortWaehlen(box.port);
    Com()->IDLesen_Callback();
    Warten();
    EXPECT_EQ(Elemente(Com()).IDSTRING->text(), "QAV-DLM7D-SIM-V1.0");
    EXPECT_TRUE(Elemente(Com()).TEXT->text().isEmpty());
    EXPECT_EQ(Fehlernummer(), 0);

    box.sim.AnfragenLoeschen();
    StartStopp(true);
    StartStopp(false);
    Com()->StartStoppEingang_Callback(true);
    Warten();
    EXPECT_EQ(box.sim.Modus() & 0x01, 0x01);
    Com()->StartStoppEingang_Callback(false);
    Warten();
    EXPECT_EQ(box.sim.Modus() & 0x01, 0x00);
    EXPECT_EQ(box.sim.Anfragen(), (std::vector<std::string>{"#1DF1\r", "#1DF2\r", "#1M1S01\r", "#1M1C01\r"}));

    box.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    StartStopp(true);
    EXPECT_EQ(Fehlernummer(), 402039);
    EXPECT_EQ(FehleranzeigeVon(Kurven())->nummer(), 402039);
}

TEST_F(Verbindungsfenster, FehlerbitsLampenUndTextfenster) {
    PortWaehlen(box.port);
    box.sim.FehlerbitsSetzen(0x12);
    Com()->Fehlerabfrage_Callback();
    Warten();
    std::vector<bool> an;
    for (auto* l : Elemente(Com()).LED_FEHLER) an.push_back(l->an());
    EXPECT_EQ(an, (std::vector<bool>{false, true, false, false, true}));
    Com()->StatusbitsHilfe_Callback();
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehlerbits");
    EXPECT_EQ(u.dialoge.Letztes().text, "Checksummenfehler\nKurvenauswahlfehler\n");

    box.sim.FehlerbitsSetzen(0);
    Com()->Fehlerabfrage_Callback();
    Warten();
    Com()->StatusbitsHilfe_Callback();
    EXPECT_TRUE(u.dialoge.Letztes().text.isEmpty());
}

TEST_F(Verbindungsfenster, PortPfadStehtNebenDemRing) {
    PortWaehlen(box.port);
    auto* pfad = Com()->findChild<QLabel*>("PORTPFAD");
    ASSERT_NE(pfad, nullptr);
    EXPECT_EQ(pfad->text().toStdString(), box.sim.SlavePfad());
}

TEST_F(Verbindungsfenster, GeraetAusDerListeWaehlen) {
    // A made-up machine with one adapter by its stable name and one UART.
    QTemporaryDir baum;
    QDir(baum.path()).mkpath("dev/serial/by-id");
    QDir(baum.path()).mkpath("sys/class/tty/ttyS0/device");
    for (const char* n : {"dev/ttyUSB0", "dev/ttyS0", "dev/ttyS1"}) QFile(baum.filePath(n)).open(QIODevice::WriteOnly);
    QFile typ(baum.filePath("sys/class/tty/ttyS0/type"));
    ASSERT_TRUE(typ.open(QIODevice::WriteOnly));
    typ.write("4\n");
    typ.close();
    const QString stabil = "/dev/serial/by-id/usb-Prolific_PL2303-if00-port0";
    ASSERT_TRUE(QFile::link("../../ttyUSB0", baum.path() + stabil));
    GeraeteWurzelSetzen(baum.path().toStdString());

    Elemente(Com()).PORT->setCurrentIndex(Elemente(Com()).PORT->findData(-1));
    EXPECT_FALSE(Elemente(Com()).PORTWAHL->isEnabled()) << "no COM, no path to choose";
    PortWaehlen(box.port);
    ASSERT_TRUE(Elemente(Com()).PORTWAHL->isEnabled());
    Com()->PortwahlFuellen();
    QStringList eintraege;
    for (QAction* a : Elemente(Com()).PORTWAHL->menu()->actions()) eintraege << a->text();
    EXPECT_EQ(eintraege, QStringList({stabil + "\tProlific PL2303 (ttyUSB0)", "/dev/ttyS0\tSerielle Schnittstelle"}));

    // The link on this COM follows the choice; the settings keep it.
    Elemente(Com()).PORTWAHL->menu()->actions().at(0)->trigger();
    Warten();
    EXPECT_EQ(PortPfad(box.port), stabil.toStdString());
    EXPECT_EQ(OffenerComPort(), -1) << "the made-up device cannot be opened";
    EXPECT_EQ(Elemente(Com()).TEXT->text(), stabil + QString::fromUtf8(": Gerät nicht vorhanden."));
    // A failed open leaves the ring on "not open"; the COM shows its new path.
    EXPECT_EQ(Elemente(Com()).PORT->currentData().toInt(), -1);
    Elemente(Com()).PORT->setCurrentIndex(Elemente(Com()).PORT->findData(box.port));
    EXPECT_EQ(Com()->findChild<QLabel*>("PORTPFAD")->text(), stabil);
    Com()->PortwahlFuellen();
    EXPECT_TRUE(Elemente(Com()).PORTWAHL->menu()->actions().at(0)->isChecked());
    EXPECT_FALSE(Elemente(Com()).PORTWAHL->menu()->actions().at(1)->isChecked());
    ASSERT_EQ(WriteIni(), 0);
    // Started without a settings file, the program writes it to the user's folder.
    const QByteArray ini = u.IniLesen("xdg/dlm7dSteuerung/dlm7Steuerung.ini");
    EXPECT_TRUE(ini.contains("com8 = \"" + stabil.toUtf8() + "\"\r\n")) << ini.toStdString();

    GeraeteWurzelSetzen(baum.filePath("leer").toStdString());
    Com()->PortwahlFuellen();
    ASSERT_EQ(Elemente(Com()).PORTWAHL->menu()->actions().size(), 1);
    EXPECT_FALSE(Elemente(Com()).PORTWAHL->menu()->actions().at(0)->isEnabled());
    GeraeteWurzelSetzen("");
}

} // namespace

namespace {

Dlm7Simulator::Einstellungen DreiGeraete() {
    Dlm7Simulator::Einstellungen e;
    e.adresse = '5';
    e.kennung = "QAV-DLM7D-FUENF";
    e.weitereGeraete = {{'2', "QAV-DLM7D-ZWEI"}, {'7', "PLN6-FREMD"}};
    return e;
}

TEST(Scann, LampenZeigenDlm7GruenFremdeRotUndDieAdresseBleibtAufDerHoechsten) {
    SimUmgebung box(8, DreiGeraete());
    ASSERT_TRUE(box.bereit()) << box.fehler;
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    PortWaehlen(box.port);
    EmpfangsZeitlimitSetzen(0.05);       // six silent addresses
    Elemente(Com()).LED[0]->setAn(true); // a stale result from an earlier scan

    Com()->Scann_Callback();
    EXPECT_EQ(Elemente(Com()).SCANN->text(), "Abbrechen");
    Warten();
    EXPECT_EQ(Elemente(Com()).SCANN->text(), "Scann");
    for (int i = 0; i < 9; ++i) {
        const bool an = i == 1 || i == 4 || i == 6;
        EXPECT_EQ(Elemente(Com()).LED[i]->an(), an) << "LED" << i + 1;
    }
    EXPECT_EQ(Elemente(Com()).LED[1]->farbe(), Lampe::Gruen);
    EXPECT_EQ(Elemente(Com()).LED[4]->farbe(), Lampe::Gruen);
    EXPECT_EQ(Elemente(Com()).LED[6]->farbe(), Lampe::Rot);
    EXPECT_EQ(GeraeteAdresse(), '5');
    EXPECT_EQ(Elemente(Com()).IDSTRING->text(), "QAV-DLM7D-FUENF");
    EXPECT_TRUE(Elemente(Com()).TEXT->text().isEmpty());
    EXPECT_EQ(FehleranzeigeVon(Com())->nummer(), 0);
}

} // namespace
