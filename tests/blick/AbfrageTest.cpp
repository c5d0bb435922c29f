// The device service's input poll against the simulator: the operating point
// it yields on a stored curve, the feedback's lag, stepping aside for other
// operations and ending on a link break.
#include "device/Eingangsabfrage.h"
#include "device/Qavksv5.h"
#include "device/Qavksv5Fehler.h"
#include "kennlinie/Arbeitspunkt.h"
#include "kennlinie/KennlinieGeraet.h"
#include "sim/SimUmgebung.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>

namespace {

struct Abfrage : ::testing::Test {
    SimUmgebung box;
    Geraetedienst dienst;
    Eingangsabfrage abfrage{dienst};
    std::vector<Eingangsrunde> runden;
    std::vector<int> enden;

    void SetUp() override {
        ASSERT_TRUE(box.bereit()) << box.fehler;
        QSignalSpy offen(&dienst, &Geraetedienst::linkGeaendert);
        dienst.Oeffnen(box.port);
        ASSERT_TRUE(offen.wait(5000));
        ASSERT_EQ(dienst.offenerPort(), box.port);
        QObject::connect(&abfrage, &Eingangsabfrage::runde, [this](const Eingangsrunde& r) { runden.push_back(r); });
        QObject::connect(&abfrage, &Eingangsabfrage::beendet, [this](int code) { enden.push_back(code); });
    }
    void TearDown() override {
        abfrage.Stoppen();
        dienst.Beenden();
    }
    // Runs f on the service's worker and waits for its code.
    int Auf(std::function<int(Auftrag&)> f) {
        int code = 1;
        bool fertig = false;
        dienst.Ausfuehren(nullptr, std::move(f), [&](int rc) {
            code = rc;
            fertig = true;
        });
        return QTest::qWaitFor([&] { return fertig; }, 30000) ? code : -1;
    }
    // A running controller with curve in slot 2, selected through output 4.
    void KennlinieSpielen(const Kennlinienpunkte& kurve, double anstiegszeit, Kennlinientabelle& tabelle) {
        ASSERT_EQ(Digitalisieren(kurve, tabelle), 0);
        ASSERT_EQ(Auf([&](Auftrag& a) {
                      const KonfigDaten k = KonfigStandardwerte();
                      if (const int rc =
                              KennlinieSenden(a.port, a.adresse, 2, kurve, k, 5.0, anstiegszeit).Fehlercode())
                          return rc;
                      if (const int rc = Ausgang4Setzen(a.port, a.adresse, 2).Fehlercode()) return rc;
                      return QAVKSV5_DeviceFunction(a.port, a.adresse, "start");
                  }),
                  0);
    }
};

double Sekunden(std::chrono::steady_clock::time_point seit) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - seit).count();
}

TEST_F(Abfrage, KonstanterEingangGibtDenTabellenwertUndDieRueckmeldungFolgtMitDerAnstiegszeit) {
    // Falling curve: output 1 = 4095 - input step.
    const Kennlinienpunkte kurve{{4095, 4095, 0}, {0, 1, 0}};
    Kennlinientabelle tabelle;
    KennlinieSpielen(kurve, 1000.0, tabelle);
    box.sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, 3.7, 0, 1});
    box.sim.EingangSignal(1, std::nullopt); // input 1 reads output 1 back: the feedback

    Abfrageeinstellung e;
    e.eingaenge = {true, true, false, false};
    e.statusIntervall = 0.0;
    ASSERT_TRUE(abfrage.Starten(e));
    EXPECT_EQ(abfrage.einstellung().intervall, Eingangsabfrage::kStandardIntervall);
    const KonfigDaten k = KonfigStandardwerte();
    // The controller runs from output 1 = 0 up to its table value within the rise time.
    QTRY_VERIFY_WITH_TIMEOUT(
        runden.size() >= 8 && runden.back().werte[0] &&
            std::abs(
                *ArbeitspunktBerechnen(tabelle, k, *runden.back().werte[1], runden.back().werte[0]).rueckmeldungRoh -
                tabelle[EingangsSchritt(3.7)]) <= 2.0,
        5000);
    const Eingangsrunde& r = runden.back();
    ASSERT_TRUE(r.werte[1]);
    const Arbeitspunkt p = ArbeitspunktBerechnen(tabelle, k, *r.werte[1], r.werte[0]);
    EXPECT_EQ(p.xRoh, 1515); // 3.7 V * 409.5, rounded
    EXPECT_EQ(p.yRoh, 4095 - 1515);
    EXPECT_EQ(p.yRoh, box.sim.Ausgang(1)) << "the marker sits where the box's output is";
    EXPECT_NEAR(p.x, 3.7, 0.002);
    EXPECT_NEAR(p.y, (4095 - 1515) / 409.5, 1e-9);
    ASSERT_TRUE(r.status1);
    EXPECT_TRUE(*r.status1 & kStatus1Laeuft);
    // Five rounds a second by default.
    const double spanne = runden.back().zeit - runden.front().zeit;
    EXPECT_NEAR((static_cast<double>(runden.size()) - 1) / spanne, 5.0, 0.6);

    // A step of the curve input from 3.7 V to 0 V: output 1 must travel
    // (4095 - 2580) / 4095 of its range at 1 s per 100 %, about 0.37 s.
    const auto schritt = std::chrono::steady_clock::now();
    box.sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, 0.0, 0, 1});
    runden.clear();
    double angekommen = -1.0, halbwegs = -1.0;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const Eingangsrunde& x : runden) {
                if (!x.werte[0] || !x.werte[1] || *x.werte[1] > 0.01) continue;
                const double roh = *ArbeitspunktBerechnen(tabelle, k, *x.werte[1], x.werte[0]).rueckmeldungRoh;
                if (halbwegs < 0 && roh > 2700 && roh < 3950) halbwegs = Sekunden(schritt);
                if (roh >= 4093) {
                    angekommen = Sekunden(schritt);
                    return true;
                }
            }
            return false;
        }(),
        5000);
    EXPECT_GE(angekommen, 0.3);
    EXPECT_LE(angekommen, 0.37 + 0.2 + 0.3); // one poll interval and a busy machine's slack
    EXPECT_GT(halbwegs, 0.0) << "the feedback marker passes between the old and the new table value";
    EXPECT_TRUE(enden.empty());
}

TEST_F(Abfrage, WeichtAnderenVorgaengenAusUndEndetBeimVerbindungsbruch) {
    Abfrageeinstellung e;
    e.eingaenge = {false, true, false, true};
    e.intervall = 0.0;
    e.statusIntervall = -1.0;
    ASSERT_TRUE(abfrage.Starten(e));
    QTRY_VERIFY_WITH_TIMEOUT(runden.size() >= 5, 5000);
    EXPECT_TRUE(runden.back().werte[1] && runden.back().werte[3] && !runden.back().werte[0]);
    EXPECT_FALSE(runden.back().status1);

    // A transfer submitted while polling goes next; the poll waits until it is done.
    box.sim.VerzoegerungSetzen(std::chrono::milliseconds(2));
    QSignalSpy pause(&abfrage, &Eingangsabfrage::pausiertGeaendert);
    long rundenImVorgang = -1;
    bool fertig = false;
    std::vector<unsigned char> daten(2048);
    const std::size_t vorher = runden.size();
    dienst.Ausfuehren(
        nullptr,
        [&](Auftrag& a) {
            return SpeicherBlockweiseLesen(a.port, a.adresse, 0, long(daten.size()), daten.data(), a.rueckmeldung);
        },
        [&](int rc) {
            EXPECT_EQ(rc, 0);
            rundenImVorgang = static_cast<long>(runden.size() - vorher);
            fertig = true;
        });
    QTRY_VERIFY_WITH_TIMEOUT(fertig, 10000);
    EXPECT_LE(rundenImVorgang, 1) << "at most the round already on its way";
    EXPECT_GE(pause.count(), 1);
    ASSERT_FALSE(pause.isEmpty());
    EXPECT_TRUE(pause.first().at(0).toBool());
    // Polling goes on, and the service is idle between rounds again.
    const std::size_t danach = runden.size();
    QTRY_VERIFY_WITH_TIMEOUT(runden.size() >= danach + 5, 5000);
    EXPECT_FALSE(abfrage.pausiert());
    EXPECT_TRUE(abfrage.laeuft());
    EXPECT_GT(abfrage.rate(), 0.0);

    // The box's line goes away: polling ends with the link's code, once.
    box.sim.Beenden();
    QTRY_VERIFY_WITH_TIMEOUT(!enden.empty(), 5000);
    EXPECT_EQ(enden.front(), QavFehler::Getrennt);
    EXPECT_FALSE(abfrage.laeuft());
    const std::size_t amEnde = runden.size();
    // A job behind whatever the poll may still have queued: once its answer is
    // back, every round submitted before it has been delivered.
    EXPECT_NE(Auf([](Auftrag&) { return 0; }), -1);
    EXPECT_EQ(runden.size(), amEnde);
    EXPECT_EQ(enden.size(), 1u);
}

TEST_F(Abfrage, OhneOffenenPortEndetSieUndUnsinnigeEinstellungenStartenNichts) {
    EXPECT_FALSE(abfrage.Starten({{}, 0.2, -1.0}));
    EXPECT_FALSE(abfrage.Starten({{true}, -1.0, 1.0}));
    EXPECT_FALSE(abfrage.Starten({{true}, std::nan(""), 1.0}));
    EXPECT_FALSE(abfrage.laeuft());
    QSignalSpy zu(&dienst, &Geraetedienst::linkGeaendert);
    dienst.Schliessen();
    ASSERT_TRUE(zu.wait(5000));
    ASSERT_TRUE(abfrage.Starten({{true}, 0.1, 1.0}));
    QTRY_VERIFY_WITH_TIMEOUT(!enden.empty(), 5000);
    EXPECT_EQ(enden.front(), kAbfrageOhnePort);
    ASSERT_EQ(runden.size(), 1u);
    EXPECT_EQ(runden.front().code, kAbfrageOhnePort);
}

} // namespace
