// A pulled adapter and its return, as the program shows them. The box sits
// behind a symbolic link, as `dlm7sim --link` puts it: pulling closes the
// simulator's side of the pseudo-terminal, plugging starts a new simulator
// behind the same link.
#include "Bedienelemente.h"
#include "FensterUmgebung.h"
#include "Rahmenzugriff.h"

#include "device/Blocktransfer.h"
#include "device/Qavksv5.h"
#include "sim/Dlm7Simulator.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/VerbindungsBild.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

constexpr int kCom = 8;

struct Steckbox {
    fs::path link;
    std::unique_ptr<Dlm7Simulator> sim;

    bool Stecken() {
        sim = std::make_unique<Dlm7Simulator>();
        std::string fehler;
        if (!sim->Starten(fehler)) return false;
        std::error_code ec;
        fs::remove(link, ec);
        fs::create_symlink(sim->SlavePfad(), link, ec);
        return !ec;
    }
    void Ziehen() {
        if (!sim) return;
        sim->Beenden();
        sim.reset();
        std::error_code ec;
        fs::remove(link, ec);
    }
};

std::vector<VerbindungsBild*> SechsBilder() {
    std::vector<VerbindungsBild*> b{Haupt()->verbindungsBild()};
    for (FensterId id : {FensterId::Com, FensterId::Konfig, FensterId::Direkt, FensterId::Kurven, FensterId::Kennlinie})
        b.push_back(App().panel(id)->verbindungsBild());
    return b;
}

bool AlleBilder(int wert, bool getrennt) {
    for (VerbindungsBild* b : SechsBilder())
        if (b->wert() != wert || b->getrennt() != getrennt) return false;
    return true;
}

bool BruchAngezeigt() {
    return AlleBilder(kCom, true) && FehleranzeigeVon(Com())->nummer() == -QavFehler::Getrennt &&
           FehleranzeigeVon(Direkt())->nummer() == -QavFehler::Getrennt;
}

bool WiederDa() { return AlleBilder(kCom, false) && Elemente(Com()).TEXT->text() == "COM8 wieder verbunden"; }

struct Wiederverbinden : ::testing::Test {
    FensterUmgebung u;
    Steckbox box{fs::path(u.verzeichnis.path().toStdString()) / "dlm7", nullptr};
    QElapsedTimer uhr;

    void SetUp() override {
        ASSERT_TRUE(box.Stecken());
        ASSERT_EQ(u.Starten(), 0);
        PortPfadSetzen(kCom, box.link.string());
        Dienst().Oeffnen(kCom);
        Warten();
        ASSERT_EQ(OffenerComPort(), kCom);
        u.dialoge.Leeren();
    }
    void TearDown() override {
        Warten();
        PortTabelleZuruecksetzen();
    }

    // Milliseconds from the clock's start until the condition holds; the
    // test fails after a generous time-out.
    qint64 Bis(const std::function<bool()>& bedingung) {
        if (!QTest::qWaitFor(bedingung, 10000)) return 99999;
        return uhr.elapsed();
    }
    void PluggenUndWarten() {
        ASSERT_TRUE(box.Stecken());
        uhr.start();
        // No action of the user: the service finds the box on its own.
        EXPECT_LT(Bis(WiederDa), 2000);
        EXPECT_EQ(FehleranzeigeVon(Com())->nummer(), 0) << "the break's code has passed";
        EXPECT_EQ(OffenerComPort(), kCom);
    }
    void IdLesen() {
        Com()->IDLesen_Callback();
        Warten();
    }
};

TEST_F(Wiederverbinden, ImLeerlauf) {
    box.Ziehen();
    uhr.start();
    IdLesen();
    EXPECT_LT(Bis(BruchAngezeigt), 1000);
    EXPECT_EQ(SechsBilder()[0]->text(), "COM8 getrennt");
    EXPECT_EQ(Elemente(Com()).PORT->currentData().toInt(), kCom) << "the COM stays chosen";
    EXPECT_TRUE(Elemente(Com()).IDSTRING->text().isEmpty());

    PluggenUndWarten();
    IdLesen();
    EXPECT_EQ(Elemente(Com()).IDSTRING->text(), "QAV-DLM7D-SIM-V1.0");
    EXPECT_EQ(FehleranzeigeVon(Com())->nummer(), 0);
}

TEST_F(Wiederverbinden, GezogenUndWiederGestecktBevorEtwasGeschah) {
    // Between two background looks: the old descriptor is hung up, the path
    // already leads to the new box. The user's next action just works.
    box.Ziehen();
    ASSERT_TRUE(box.Stecken());
    IdLesen();
    EXPECT_EQ(Elemente(Com()).IDSTRING->text(), "QAV-DLM7D-SIM-V1.0");
    EXPECT_EQ(FehleranzeigeVon(Com())->nummer(), 0);
    EXPECT_TRUE(AlleBilder(kCom, false));
}

TEST_F(Wiederverbinden, WaehrendDieFehlermeldungOffenSteht) {
    // The failed action's popup stays open (a nested event loop, as a message
    // box runs) while the box comes back: the link returns all the same.
    box.Ziehen();
    bool zurueckWaehrendMeldung = false;
    Dienst().Ausfuehren(
        nullptr,
        [](Auftrag& a) {
            std::string kennung;
            return QAVKSV5_IDLesen(a.port, a.adresse, kennung);
        },
        [&](int) {
            if (!box.Stecken()) return;
            uhr.start();
            zurueckWaehrendMeldung = Bis(WiederDa) < 2000;
        });
    Warten();
    EXPECT_TRUE(zurueckWaehrendMeldung);
}

TEST_F(Wiederverbinden, ImLeerlaufOhneAktionErkannt) {
    box.Ziehen();
    uhr.start();
    // Nobody asks the box: the hang-up is seen by the background look.
    EXPECT_LT(Bis(BruchAngezeigt), Geraetedienst::kWiederholungMs + 1000);
    PluggenUndWarten();
}

TEST_F(Wiederverbinden, BeimAbfragenDerEingaenge) {
    DirektPanel* d = Direkt();
    ZeigeChildpanel(d);
    Elemente(d).DATEISPEICHERN->setChecked(true);
    u.dialoge.DateiGewaehlt(u.Pfad("messung.txt"));
    Elemente(d).ABFRAGEN->click();
    Warten();
    ASSERT_TRUE(Elemente(d).TIMER->isActive());
    Elemente(d).TIMER->setInterval(100);
    const auto gesehen = [&] { return box.sim->Anfragen().size(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return gesehen() >= 8; }, 10000)) << "two polling rounds";

    box.Ziehen();
    uhr.start();
    // The first request after the pull goes out within one tick.
    EXPECT_LT(Bis([&] { return BruchAngezeigt() && !Elemente(d).TIMER->isActive(); }), 1000 + 100);
    EXPECT_FALSE(Elemente(d).ABFRAGEN->isChecked());
    QFile log(u.Pfad("messung.txt"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromLatin1(log.readAll())
                    .endsWith(QString::fromUtf8("Fehler - Datenübertragung abgebrochen\r\nVerbindung zur seriellen "
                                                "Schnittstelle unterbrochen (Gerät entfernt?)\r\n")));

    PluggenUndWarten();
    EXPECT_FALSE(Elemente(d).TIMER->isActive()) << "polling is not restarted behind the user's back";
    box.sim->AnfragenLoeschen();
    Elemente(d).ABFRAGEN->click();
    Warten();
    ASSERT_TRUE(Elemente(d).TIMER->isActive());
    Elemente(d).TIMER->setInterval(100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gesehen() >= 8; }, 10000));
    EXPECT_TRUE(Elemente(d).TIMER->isActive());
    Elemente(d).ABFRAGEN->click();
    Warten();
    EXPECT_EQ(FehleranzeigeVon(Com())->nummer(), 0);
}

TEST_F(Wiederverbinden, MittenInDerBlockuebertragung) {
    box.sim->VerzoegerungSetzen(std::chrono::milliseconds(5));
    auto schreiben = [](std::shared_ptr<std::vector<unsigned char>> bild, int& ergebnis) {
        return Dienst().Ausfuehren(
            nullptr,
            [bild](Auftrag& a) {
                return SpeicherBlockweiseSchreiben(a.port, a.adresse, 0x2020, bild->data(), long(bild->size()),
                                                   a.rueckmeldung);
            },
            [&ergebnis](int r) { ergebnis = r; });
    };
    int ergebnis = 1;
    auto v = schreiben(std::make_shared<std::vector<unsigned char>>(8224, 0x5A), ergebnis);
    v->fortschritt = [&](int p) {
        if (p >= 10 && box.sim) {
            box.Ziehen();
            uhr.start();
        }
    };
    Warten();
    EXPECT_EQ(ergebnis, QavFehler::Getrennt);
    EXPECT_LT(Bis(BruchAngezeigt), 1000);

    PluggenUndWarten();
    // The next transfer goes through whole.
    auto bild = std::make_shared<std::vector<unsigned char>>(300);
    for (std::size_t i = 0; i < bild->size(); ++i) (*bild)[i] = static_cast<unsigned char>(i * 7);
    box.sim->VerzoegerungSetzen(std::chrono::milliseconds(0));
    schreiben(bild, ergebnis);
    Warten();
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(box.sim->Speicher(0x2020, bild->size()), *bild);
}

TEST_F(Wiederverbinden, NotOpenBeendetDieVersuche) {
    box.Ziehen();
    IdLesen();
    ASSERT_TRUE(QTest::qWaitFor(BruchAngezeigt, 10000));
    Elemente(Com()).PORT->setCurrentIndex(Elemente(Com()).PORT->findData(-1));
    Com()->PortSelect_Callback();
    Warten();
    EXPECT_TRUE(AlleBilder(-1, false));

    ASSERT_TRUE(box.Stecken());
    // No attempt comes: the attempts' clock stands (it alone starts them).
    const auto* versuche = Dienst().findChild<QTimer*>("WIEDERHOLUNG");
    ASSERT_TRUE(versuche);
    EXPECT_FALSE(versuche->isActive());
    EXPECT_EQ(OffenerComPort(), -1);
    EXPECT_TRUE(AlleBilder(-1, false));
    EXPECT_TRUE(box.sim->Anfragen().empty());
    // The device is not held: another opener gets it.
    PortPfadSetzen(7, box.link.string());
    EXPECT_EQ(QAVKSV5_Open(7, 9600), 0);
    EXPECT_EQ(QAVKSV5_Close(7), 0);
}

} // namespace
