// The device service against the simulator: cancel between blocks, order of
// operations from several windows, and the link state every window shows.
#include "Bedienelemente.h"
#include "FensterUmgebung.h"
#include "Rahmenzugriff.h"

#include "device/Blocktransfer.h"
#include "device/Qavksv5.h"
#include "device/Qavksv5Fehler.h"
#include "kern/Fehlermeldungen.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/VerbindungsBild.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

std::size_t Schreibanfragen(const std::vector<std::string>& anfragen) {
    return std::count_if(anfragen.begin(), anfragen.end(),
                         [](const std::string& a) { return a.compare(2, 3, "BDW") == 0; });
}

struct Dienstfenster : ::testing::Test {
    SimUmgebung box;
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_TRUE(box.bereit()) << box.fehler;
        ASSERT_EQ(u.Starten(), 0);
        Dienst().Oeffnen(box.port);
        Warten();
        ASSERT_EQ(Dienst().offenerPort(), box.port);
        box.sim.AnfragenLoeschen();
    }
    // An 8224-byte image written through the service, as a curve window does.
    VorgangPtr Schreiben(int& ergebnis) {
        auto bild = std::make_shared<std::vector<unsigned char>>(8224, 0x5A);
        return Dienst().Ausfuehren(
            nullptr,
            [bild](Auftrag& a) {
                return SpeicherBlockweiseSchreiben(a.port, a.adresse, 0x2020, bild->data(), long(bild->size()),
                                                   a.rueckmeldung);
            },
            [&ergebnis](int r) { ergebnis = r; });
    }
};

TEST_F(Dienstfenster, AbgebrochenesSchreibenSendetNachDemAbbruchNichtsMehr) {
    box.sim.VerzoegerungSetzen(std::chrono::milliseconds(5));
    int ergebnis = 1;
    std::vector<int> prozente;
    std::size_t beimAbbruch = 0;
    auto v = Schreiben(ergebnis);
    v->fortschritt = [&](int p) {
        prozente.push_back(p);
        if (p >= 10 && !v->abgebrochen()) {
            beimAbbruch = Schreibanfragen(box.sim.Anfragen());
            v->Abbrechen();
        }
    };
    EXPECT_TRUE(Dienst().beschaeftigt());
    Warten();
    EXPECT_EQ(ergebnis, kSendenAbgebrochen);
    // At most the block already on the line when the button was pressed.
    const std::size_t gesendet = Schreibanfragen(box.sim.Anfragen());
    EXPECT_LE(gesendet, beimAbbruch + 1);
    EXPECT_LT(gesendet, 129u / 2);
    EXPECT_FALSE(prozente.empty());
    EXPECT_FALSE(Dienst().beschaeftigt());
    EXPECT_EQ(std::string(QAV_Fehlermeldung(ergebnis)),
              "Übertragung abgebrochen. Die Daten in der DLM-7 sind unvollständig.");
}

TEST_F(Dienstfenster, ZweiFensterVerschraenkenIhreRahmenNie) {
    // A long write, then the zero button of the direct I/O window and a scan
    // of the connection window while it is still on the line.
    EmpfangsZeitlimitSetzen(0.05); // eight silent addresses in the scan
    int ergebnis = 1;
    Schreiben(ergebnis);
    ZeigeChildpanel(FensterId::Direkt);
    Elemente(Direkt()).AUSGAENGEAUFNULL->click();
    Com()->Scann_Callback();
    Warten();
    ASSERT_EQ(ergebnis, 0);
    const auto anfragen = box.sim.Anfragen();
    std::string folge; // one letter per frame: W(rite) O(utput) I(dentity)
    for (const auto& a : anfragen) {
        const char art = a.compare(2, 3, "BDW") == 0 ? 'W' : a.compare(2, 1, "V") == 0 ? 'O' : 'I';
        if (folge.empty() || folge.back() != art) folge += art;
    }
    EXPECT_EQ(folge, "WOI");
    EXPECT_EQ(Schreibanfragen(anfragen), 129u);
}

TEST_F(Dienstfenster, JedesFensterZeigtDenLinkUndDenFehlerDesDienstes) {
    auto bilder = [] {
        std::vector<int> w{Haupt()->verbindungsBild()->wert()};
        for (FensterId id :
             {FensterId::Com, FensterId::Konfig, FensterId::Direkt, FensterId::Kurven, FensterId::Kennlinie})
            w.push_back(App().panel(id)->verbindungsBild()->wert());
        return w;
    };
    EXPECT_EQ(bilder(), std::vector<int>(6, box.port));
    EXPECT_EQ(Elemente(Com()).PORT->currentData().toInt(), box.port);

    // The picture toggles through the service: closed, then the last port again.
    Kurven()->verbindungsBild()->geklickt();
    Warten();
    EXPECT_EQ(bilder(), std::vector<int>(6, -1));
    EXPECT_EQ(Elemente(Com()).PORT->currentData().toInt(), -1);
    EXPECT_FALSE(Elemente(Com()).START->isEnabled());
    Haupt()->verbindungsBild()->geklickt();
    Warten();
    EXPECT_EQ(bilder(), std::vector<int>(6, box.port));
    EXPECT_TRUE(Elemente(Com()).START->isEnabled());

    // A device failure reaches the four indicators.
    box.sim.KabelGezogen(true);
    Kennlinie()->startKnopf()->click();
    Warten();
    for (FensterId id : {FensterId::Com, FensterId::Direkt, FensterId::Kurven, FensterId::Kennlinie})
        EXPECT_EQ(FehleranzeigeVon(App().panel(id))->nummer(), 403041) << int(id);
    EXPECT_EQ(Dienst().fehler(), -403041);
}

TEST_F(Dienstfenster, ErgebnisWartetBisDerFortschrittZurueckkehrt) {
    // A modal progress dialog runs the event loop inside setValue. An
    // operation that fails right after its block report has its result
    // queued by then; it must not end the dialog inside that call.
    bool fertig = false, begleiterLebt = true, imFortschrittBeendet = false;
    std::atomic<bool> imDialog{false};
    auto v = Dienst().Ausfuehren(
        nullptr,
        [&imDialog](Auftrag& a) {
            a.rueckmeldung.fortschritt(50);
            // The failure comes while the dialog is busy with its percentage.
            while (!imDialog) std::this_thread::yield();
            return QavFehler::Getrennt;
        },
        [&](int) { fertig = true; });
    v->Begleiten(std::shared_ptr<void>(new int(0), [&](void* p) {
        delete static_cast<int*>(p);
        begleiterLebt = false;
    }));
    v->fortschritt = [&](int) {
        // What QProgressDialog::setValue does while the dialog is shown.
        imDialog = true;
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < 100) QCoreApplication::processEvents();
        imFortschrittBeendet = fertig || !begleiterLebt;
    };
    Warten();
    EXPECT_TRUE(fertig);
    EXPECT_FALSE(begleiterLebt);
    EXPECT_FALSE(imFortschrittBeendet);
}

TEST_F(Dienstfenster, ErgebnisFuerEinGeschlossenesFensterGehtVerloren) {
    auto* kontext = new QObject;
    bool gerufen = false;
    Dienst().Ausfuehren(
        kontext, [](Auftrag&) { return 0; }, [&](int) { gerufen = true; });
    delete kontext;
    Warten();
    EXPECT_FALSE(gerufen);
    EXPECT_FALSE(Dienst().beschaeftigt());
}

// Each service has its own port table: another one (a test's, the screenshot
// tool's) can neither use nor close the port the first has open.
TEST(Porttabelle, ZweiDiensteHabenGetrenntePorttabellen) {
    SimUmgebung box(8);
    ASSERT_TRUE(box.bereit()) << box.fehler;
    Geraetedienst erster, zweiter;
    erster.Oeffnen(box.port);
    ASSERT_TRUE(erster.Abwarten());
    ASSERT_EQ(erster.offenerPort(), box.port);
    const auto kennungLesen = [](Geraetedienst& dienst, int port) {
        int ergebnis = 1;
        dienst.Ausfuehren(
            nullptr,
            [port](Auftrag&) {
                std::string kennung;
                return QAVKSV5_IDLesen(port, '1', kennung);
            },
            [&ergebnis](int r) { ergebnis = r; });
        EXPECT_TRUE(dienst.Abwarten());
        return ergebnis;
    };
    const auto schliessen = [](Geraetedienst& dienst, int port) {
        int ergebnis = 1;
        dienst.Ausfuehren(
            nullptr, [port](Auftrag&) { return QAVKSV5_Close(port); }, [&ergebnis](int r) { ergebnis = r; });
        EXPECT_TRUE(dienst.Abwarten());
        return ergebnis;
    };

    EXPECT_EQ(kennungLesen(zweiter, box.port), QavFehler::Flush_Empfang);
    EXPECT_EQ(schliessen(zweiter, box.port), QavFehler::Close);
    std::string kennung;
    EXPECT_EQ(QAVKSV5_IDLesen(box.port, '1', kennung), QavFehler::Flush_Empfang) << "the test thread's own table";
    EXPECT_EQ(kennungLesen(erster, box.port), 0);
    EXPECT_EQ(box.sim.Anfragen().size(), 1u);
}

} // namespace
