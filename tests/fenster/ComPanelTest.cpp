#include "FensterUmgebung.h"

#include "config/KonfigPanel.h"
#include "device/ComPanel.h"
#include "direkt/DirektPanel.h"
#include "kennlinie/KennlinienPanel.h"
#include "kurven/KurvenPanel.h"
#include "device/Qavksv5.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Lampe.h"
#include "uisupport/VerbindungsBild.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void PortWaehlen(int wert) {
    gCompanel->PORT->setCurrentIndex(gCompanel->PORT->findData(wert));
    gCompanel->PortSelect_Callback();
}

std::vector<int> BilderWerte() {
    std::vector<int> w{gMainpanel->verbindungsBild()->wert()};
    for (Werkzeugfenster* f : {static_cast<Werkzeugfenster*>(gCompanel), static_cast<Werkzeugfenster*>(gKonfigpanel),
                               static_cast<Werkzeugfenster*>(gDirektpanel),
                               static_cast<Werkzeugfenster*>(gKurvenpanel),
                               static_cast<Werkzeugfenster*>(gKennlinienpanel)})
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
    int Fehlernummer() const { return int(gCompanel->fehleranzeige()->nummer()); }
};

TEST_F(Verbindungsfenster, OeffnenSchliessenUndDieSechsBilder) {
    PortWaehlen(box.port);
    EXPECT_EQ(OffenerComPort(), box.port);
    EXPECT_EQ(BilderWerte(), std::vector<int>(6, box.port));
    EXPECT_EQ(gCompanel->letzterComPort(), box.port);

    PortWaehlen(-1);
    EXPECT_EQ(OffenerComPort(), -1);
    EXPECT_EQ(BilderWerte(), std::vector<int>(6, -1));
    EXPECT_EQ(gCompanel->PORT->currentData().toInt(), -1);
}

TEST_F(Verbindungsfenster, DenOffenenPortNochmalWaehlenTutNichts) {
    PortWaehlen(box.port);
    ComFehlerSetzen(-402099);
    box.sim.AnfragenLoeschen();
    PortWaehlen(box.port);
    EXPECT_EQ(OffenerComPort(), box.port);
    // A reopen would have cleared the indicator through the open's result.
    EXPECT_TRUE(gCompanel->fehleranzeige()->lampeAn());
    std::string id;
    EXPECT_EQ(QAVKSV5_IDLesen(box.port, '1', id), 0);  // still the same, working link
}

TEST_F(Verbindungsfenster, BelegterPortZeigtDenOeffnungsfehlerUndStehtAufNotOpen) {
    ASSERT_EQ(QAVKSV5_Open(box.port, 9600), 0);  // another program holds the port
    // The window sees it as its own port number only through a second table entry.
    PortPfadSetzen(7, PortPfad(box.port));
    PortWaehlen(7);
    EXPECT_EQ(OffenerComPort(), -1);
    EXPECT_EQ(gCompanel->PORT->currentData().toInt(), -1);
    EXPECT_EQ(Fehlernummer(), 100003);
    EXPECT_EQ(BilderWerte(), std::vector<int>(6, -1));
    QAVKSV5_Close(box.port);
}

TEST_F(Verbindungsfenster, BildKlickSchaltetDieVerbindungMitDemLetztenPort) {
    ComPicture_Callback();  // never opened: nothing to open
    EXPECT_EQ(OffenerComPort(), -1);
    PortWaehlen(box.port);
    ComPicture_Callback();
    EXPECT_EQ(OffenerComPort(), -1);
    ComPicture_Callback();
    EXPECT_EQ(OffenerComPort(), box.port);
    EXPECT_EQ(BilderWerte(), std::vector<int>(6, box.port));
}

TEST_F(Verbindungsfenster, OhneVerbindungMeldetJedeAktionIhrenEigenenCode) {
    EXPECT_EQ(gCompanel->ComIDLesen(), -122232);
    EXPECT_EQ(gCompanel->ComScann(), -122233);
    EXPECT_EQ(gCompanel->ComStart(), -122234);
    EXPECT_EQ(gCompanel->ComStopp(), -122235);
    EXPECT_EQ(gCompanel->ComStartStoppEingang(true), -122236);
    EXPECT_EQ(gCompanel->ComFehlerabfrage(), -122237);
    gCompanel->IDLesen_Callback();
    EXPECT_EQ(Fehlernummer(), 122232);
    Stopp_Callback();
    EXPECT_EQ(Fehlernummer(), 122235);
    EXPECT_TRUE(box.sim.Anfragen().empty());
}

TEST_F(Verbindungsfenster, GeraeteAbhaengigeKnoepfeNurBeiOffenemPort) {
    auto benutzbar = [] {
        bool alle = gCompanel->FEHLERABFRAGE->isEnabled() && gCompanel->START->isEnabled() &&
                    gCompanel->STARTSTOPPEINGANGEIN->isEnabled();
        for (auto* l : gCompanel->LED_FEHLER) alle = alle && l->isEnabled();
        return alle;
    };
    EXPECT_FALSE(gCompanel->START->isEnabled());
    PortWaehlen(box.port);
    EXPECT_TRUE(benutzbar());
    PortWaehlen(-1);
    EXPECT_FALSE(gCompanel->START->isEnabled());
    EXPECT_FALSE(gCompanel->FEHLERABFRAGE->isEnabled());
    PortWaehlen(box.port);  // once closed, they come back with the next open
    EXPECT_TRUE(benutzbar());
}

TEST_F(Verbindungsfenster, IdLesenStartStoppUndEingang4) {
    PortWaehlen(box.port);
    gCompanel->IDLesen_Callback();
    EXPECT_EQ(gCompanel->IDSTRING->text(), "QAV-DLM7D-SIM-V1.0");
    EXPECT_TRUE(gCompanel->TEXT->text().isEmpty());
    EXPECT_EQ(Fehlernummer(), 0);

    box.sim.AnfragenLoeschen();
    Start_Callback();
    Stopp_Callback();
    gCompanel->StartStoppEingang_Callback(true);
    EXPECT_EQ(box.sim.Modus() & 0x01, 0x01);
    gCompanel->StartStoppEingang_Callback(false);
    EXPECT_EQ(box.sim.Modus() & 0x01, 0x00);
    EXPECT_EQ(box.sim.Anfragen(),
              (std::vector<std::string>{"#1DF1\r", "#1DF2\r", "#1M1S01\r", "#1M1C01\r"}));

    box.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    Start_Callback();
    EXPECT_EQ(Fehlernummer(), 402039);
    EXPECT_EQ(gKurvenpanel->fehleranzeige()->nummer(), 402039);
}

TEST_F(Verbindungsfenster, FehlerbitsLampenUndTextfenster) {
    PortWaehlen(box.port);
    box.sim.FehlerbitsSetzen(0x12);
    gCompanel->Fehlerabfrage_Callback();
    std::vector<bool> an;
    for (auto* l : gCompanel->LED_FEHLER) an.push_back(l->an());
    EXPECT_EQ(an, (std::vector<bool>{false, true, false, false, true}));
    gCompanel->StatusbitsHilfe_Callback();
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehlerbits");
    EXPECT_EQ(u.dialoge.Letztes().text, "Checksummenfehler\nKurvenauswahlfehler\n");

    box.sim.FehlerbitsSetzen(0);
    gCompanel->Fehlerabfrage_Callback();
    gCompanel->StatusbitsHilfe_Callback();
    EXPECT_TRUE(u.dialoge.Letztes().text.isEmpty());
}

TEST_F(Verbindungsfenster, PortPfadStehtNebenDemRing) {
    PortWaehlen(box.port);
    auto* pfad = gCompanel->findChild<QLabel*>("PORTPFAD");
    ASSERT_NE(pfad, nullptr);
    EXPECT_EQ(pfad->text().toStdString(), box.sim.SlavePfad());
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
    QAVKSV5_Timeout(box.port, 0.05);  // six silent addresses
    gCompanel->LED[0]->setAn(true);   // a stale result from an earlier scan

    gCompanel->Scann_Callback();
    for (int i = 0; i < 9; ++i) {
        const bool an = i == 1 || i == 4 || i == 6;
        EXPECT_EQ(gCompanel->LED[i]->an(), an) << "LED" << i + 1;
    }
    EXPECT_EQ(gCompanel->LED[1]->farbe(), Lampe::Gruen);
    EXPECT_EQ(gCompanel->LED[4]->farbe(), Lampe::Gruen);
    EXPECT_EQ(gCompanel->LED[6]->farbe(), Lampe::Rot);
    EXPECT_EQ(GeraeteAdresse(), '5');
    EXPECT_EQ(gCompanel->IDSTRING->text(), "QAV-DLM7D-FUENF");
    EXPECT_TRUE(gCompanel->TEXT->text().isEmpty());
    EXPECT_EQ(gCompanel->fehleranzeige()->nummer(), 0);
}

} // namespace
