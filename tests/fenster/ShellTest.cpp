#include "FensterUmgebung.h"
#include "Rahmenzugriff.h"

#include "app/Infofenster.h"
#include "config/fenster/KonfigPanel.h"
#include "device/fenster/ComPanel.h"
#include "direkt/fenster/DirektPanel.h"
#include "kennlinie/fenster/KennlinienPanel.h"
#include "kurven/fenster/KurvenPanel.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Fehlerpopup.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

std::vector<Werkzeugfenster*> AlleWerkzeugfenster() { return {Com(), Konfigpanel(), Direkt(), Kurven(), Kennlinie()}; }

bool KnoepfeBenutzbar() {
    for (auto k : {Hauptfenster::COM, Hauptfenster::KONFIG, Hauptfenster::DIREKT, Hauptfenster::KURVEN,
                   Hauptfenster::KENNLINIE, Hauptfenster::INFO, Hauptfenster::ENDE})
        if (!HauptKnopf(k)->isEnabled()) return false;
    return true;
}

int SichtbareWerkzeugfenster() {
    int n = 0;
    for (auto* f : AlleWerkzeugfenster()) n += f->isVisibleTo(Haupt()) ? 1 : 0;
    return n;
}

TEST(Fensterwechsel, EinWerkzeugfensterZurZeitUndKnoepfeGedimmt) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    EXPECT_EQ(SichtbareWerkzeugfenster(), 0);
    EXPECT_TRUE(KnoepfeBenutzbar());

    HauptKnopf(Hauptfenster::COM)->click();
    EXPECT_EQ(AktuellesChildpanel(), Com());
    EXPECT_EQ(SichtbareWerkzeugfenster(), 1);
    EXPECT_FALSE(HauptKnopf(Hauptfenster::ENDE)->isEnabled());

    ZeigeChildpanel(FensterId::Kurven);
    EXPECT_FALSE(Com()->isVisibleTo(Haupt()));
    EXPECT_EQ(AktuellesChildpanel(), Kurven());
    EXPECT_EQ(SichtbareWerkzeugfenster(), 1);

    FensterAktion(Kurven(), FensterId::Haupt)->trigger();
    EXPECT_EQ(AktuellesChildpanel(), nullptr);
    EXPECT_EQ(SichtbareWerkzeugfenster(), 0);
    EXPECT_TRUE(KnoepfeBenutzbar());
}

TEST(Fensterwechsel, JedesFenstermenueErreichtJedesFenster) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    const std::pair<FensterId, Werkzeugfenster*> ziele[] = {{FensterId::Com, Com()},
                                                            {FensterId::Konfig, Konfigpanel()},
                                                            {FensterId::Direkt, Direkt()},
                                                            {FensterId::Kurven, Kurven()},
                                                            {FensterId::Kennlinie, Kennlinie()}};
    for (auto* von : AlleWerkzeugfenster()) {
        for (const auto& [id, ziel] : ziele) {
            ZeigeChildpanel(von);
            FensterAktion(von, id)->trigger();
            EXPECT_EQ(AktuellesChildpanel(), ziel) << von->fensterName().toStdString();
            EXPECT_EQ(SichtbareWerkzeugfenster(), 1);
            EXPECT_FALSE(KnoepfeBenutzbar());
        }
    }
}

TEST(Fensterwechsel, FenstermenueHatSechsEintraegeUndDateiEndetMitBeenden) {
    FensterUmgebung u;
    for (auto* f : AlleWerkzeugfenster()) {
        QStringList texte;
        for (auto* a : f->fensterMenue()->actions()) texte << a->text();
        EXPECT_EQ(texte, (QStringList{"Hauptfenster", "COM-Einstellung", "Konfiguration", "Direkte Ein-/Ausgabe",
                                      "Kurvengenerator", "Kennlinienregler"}));
        EXPECT_EQ(f->dateiMenue()->actions().last()->text(), "Beenden");
    }
}

TEST(Infofenster, ZeigtVersionUndDatum) {
    FensterUmgebung u;
    EXPECT_EQ(Info()->version()->text(), "V 0.9.1");
    EXPECT_EQ(Info()->datum()->text(), "05/2011");
}

TEST(Groessenregel, VerkleinernStelltDieStartgroesseWiederHer) {
    const QSize start(1000, 720);
    EXPECT_EQ(GroesseNachRegel({900, 700}, start), start);
    EXPECT_EQ(GroesseNachRegel({500, 900}, start), start);
    EXPECT_EQ(GroesseNachRegel(start, start), start);
}

TEST(Groessenregel, VergroessernInEinerRichtungWirdAufDieProportionZurueckgeschnitten) {
    const QSize start(1000, 720);
    EXPECT_EQ(GroesseNachRegel({1500, 720}, start), start);  // wider only
    EXPECT_EQ(GroesseNachRegel({1000, 1000}, start), start); // taller only
    EXPECT_EQ(GroesseNachRegel({1500, 1200}, start), QSize(1500, 1080));
    EXPECT_EQ(GroesseNachRegel({2000, 1080}, start), QSize(1500, 1080));
}

TEST(Groessenregel, DasHauptfensterWendetSieBeimGroessenwechselAn) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    Haupt()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
    Haupt()->resize(1500, 1200);
    EXPECT_TRUE(QTest::qWaitFor([] { return Haupt()->size() == QSize(1500, 1080); }))
        << Haupt()->width() << "x" << Haupt()->height();
    ZeigeChildpanel(FensterId::Com);
    EXPECT_EQ(Com()->size(), Haupt()->size());
}

struct Programmende : ::testing::Test {
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        u.dialoge.Leeren(); // the first start reports the missing settings file
    }
};

TEST_F(Programmende, OhneUngespeicherteArbeitEndetEsSofort) {
    EXPECT_EQ(ProgrammendeFallsAllesGespeichert(), 0);
    EXPECT_TRUE(ProgrammendeAngefordert());
    EXPECT_TRUE(u.dialoge.protokoll.empty());
}

TEST_F(Programmende, AbbrechenInDerErstenFrageFragtDieZweiteNichtMehr) {
    Kurven()->GeaendertSetzen(true);
    Kennlinie()->GeaendertSetzen(true);
    u.dialoge.antworten = {3};
    EXPECT_NE(ProgrammendeFallsAllesGespeichert(), 0);
    EXPECT_FALSE(ProgrammendeAngefordert());
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    const auto& frage = u.dialoge.Letztes();
    EXPECT_EQ(frage.titel, "Warnung");
    EXPECT_EQ(frage.text, "Möchten Sie die Änderungen in Kurvengenerator speichern?");
    EXPECT_EQ(frage.knoepfe, (QStringList{"Ja", "Nein", "Abbrechen"}));
    EXPECT_EQ(frage.enterKnopf, 3);
    EXPECT_EQ(frage.escKnopf, 3);
}

TEST_F(Programmende, NeinGehtWeiterZurNaechstenFrage) {
    Kurven()->GeaendertSetzen(true);
    Kennlinie()->GeaendertSetzen(true);
    u.dialoge.antworten = {2, 2};
    EXPECT_EQ(ProgrammendeFallsAllesGespeichert(), 0);
    EXPECT_TRUE(ProgrammendeAngefordert());
    ASSERT_EQ(u.dialoge.protokoll.size(), 2u);
    EXPECT_EQ(u.dialoge.protokoll[1].text, "Möchten Sie die Änderungen in Kennlinienregler speichern?");
}

TEST_F(Programmende, BeendenImMenueUndDasSchliessfeldGehenDenselbenWeg) {
    Kennlinie()->GeaendertSetzen(true);
    u.dialoge.antworten = {3, 2};
    Com()->beendenAktion()->trigger();
    EXPECT_FALSE(ProgrammendeAngefordert());
    Haupt()->close();
    EXPECT_EQ(u.dialoge.VonArt("Frage").size(), 2u);
    EXPECT_TRUE(ProgrammendeAngefordert());
}

// Closes the main window while the first question is open, as a window
// manager's close button may while the question's own loop runs.
struct SchliessenWaehrendDerFrage : SkriptDialoge {
    int Frage(const QString& titel, const QString& text, const QStringList& knoepfe, int enterKnopf,
              int escKnopf) override {
        if (protokoll.empty()) Haupt()->close();
        return SkriptDialoge::Frage(titel, text, knoepfe, enterKnopf, escKnopf);
    }
};

TEST_F(Programmende, JedeFrageNurEinmal) {
    Kurven()->GeaendertSetzen(true);
    Kennlinie()->GeaendertSetzen(true);
    SchliessenWaehrendDerFrage d;
    d.antworten = {2, 2};
    DialogeSetzen(&d);
    EXPECT_EQ(ProgrammendeFallsAllesGespeichert(), 0);
    DialogeSetzen(&u.dialoge);
    EXPECT_TRUE(ProgrammendeAngefordert());
    ASSERT_EQ(d.VonArt("Frage").size(), 2u);
    EXPECT_EQ(d.protokoll[1].text, "Möchten Sie die Änderungen in Kennlinienregler speichern?");
    // A close after the end was decided asks nothing either.
    Haupt()->close();
    EXPECT_TRUE(u.dialoge.protokoll.empty());
}

TEST_F(Programmende, BeendenInDerProgrammschleife) {
    Kurven()->GeaendertSetzen(true);
    Kennlinie()->GeaendertSetzen(true);
    u.dialoge.antworten = {2, 2};
    Haupt()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
    QTimer::singleShot(0, Haupt(), [] { QTest::mouseClick(HauptKnopf(Hauptfenster::ENDE), Qt::LeftButton); });
    // Only a refused quit would leave the loop running.
    QTimer notausgang;
    notausgang.setSingleShot(true);
    QObject::connect(&notausgang, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    notausgang.start(20000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(u.dialoge.VonArt("Frage").size(), 2u);
    EXPECT_TRUE(ProgrammendeAngefordert());
}

TEST(Fehleranzeige, ComFehlerSetzenErreichtAlleVierFenster) {
    FensterUmgebung u;
    const std::vector<Werkzeugfenster*> vier = {Kurven(), Com(), Kennlinie(), Direkt()};
    ComFehlerSetzen(-402099);
    for (auto* f : vier) {
        ASSERT_NE(FehleranzeigeVon(f), nullptr);
        EXPECT_TRUE(FehleranzeigeVon(f)->lampeAn());
        EXPECT_EQ(FehleranzeigeVon(f)->text(), "Fehlermeldung (NAK) vom Gerät erhalten");
        EXPECT_EQ(FehleranzeigeVon(f)->nummer(), 402099);
    }
    ComFehlerSetzen(0);
    for (auto* f : vier) {
        EXPECT_FALSE(FehleranzeigeVon(f)->lampeAn());
        EXPECT_TRUE(FehleranzeigeVon(f)->text().isEmpty());
        EXPECT_EQ(FehleranzeigeVon(f)->nummer(), 0);
    }
}

TEST(Fehlerpopup, TitelZeigtDenCodePositiv) {
    SkriptDialogeAktiv d;
    EXPECT_EQ(QAV_Fehlerpopup(-402010), 1);
    ASSERT_EQ(d.protokoll.size(), 1u);
    EXPECT_EQ(d.Letztes().titel, "Fehler #402010");
    EXPECT_EQ(d.Letztes().text, "Fehlermeldung (NAK) vom Gerät erhalten");
    QAV_Fehlerpopup2(-801202, "Einstellungen");
    EXPECT_EQ(d.Letztes().titel, "Einstellungen #801202");
}

TEST(Fehlerpopup, StilleKategorieZeigtNichtsUndLiefertDieKategorie) {
    SkriptDialogeAktiv d;
    EXPECT_EQ(QAV_Fehlerpopup(-6123), -6000);
    EXPECT_EQ(QAV_Fehlerpopup2(-6999, "x"), -6000);
    EXPECT_TRUE(d.protokoll.empty());
}

} // namespace
