// "zur DLM-7 schreiben" and "von DLM-7 lesen" against the simulated box:
// what arrives, progress and cancel, the read-back, and every refusal.
#include "KurvenFensterHilfe.h"
#include "KurvenZugriff.h"
#include "Rahmenzugriff.h"

#include "kurven/KurvenDigital.h"
#include "kurven/KurvenTransfer.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Fehleranzeige.h"

#include <QPushButton>
#include <QTest>
#include <chrono>

namespace {

struct KurvenTransfer : ::testing::Test {
    SimUmgebung box;
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_TRUE(box.bereit());
        ASSERT_EQ(u.Starten(), 0);
        ZeigeChildpanel(FensterId::Kurven);
        Dienst().Oeffnen(box.port);
        Warten();
        ASSERT_EQ(OffenerComPort(), box.port);
        u.dialoge.Leeren();
    }
    static int Anzeige() { return int(-FehleranzeigeVon(Kurven())->nummer()); }
    int Schreibrahmen() const {
        int n = 0;
        for (const std::string& a : box.sim.Anfragen())
            if (a.find("BDW") != std::string::npos) ++n;
        return n;
    }
    static void Beispiel() {
        KurvenAendern([&](Kurvensatz& s) {
            s.kurven[0].punkte = {{0, 300, 2}, {4095, 1, 2}};
            s.kurven[1].punkte = {{2000, 100, 7}, {1000, 200, 7}, {2000, 1, 7}};
            s.zyklen = {3, 0, 1, 65535};
            s.ruhewert = {100, 200, 4095, 0};
        });
    }
};

TEST_F(KurvenTransfer, SendenUndZuruecklesen) {
    Beispiel();
    u.dialoge.antworten.push_back(1); // "Kurven senden" despite unequal lengths
    Teil<QPushButton>(Kurven(), "SENDEN")->click();
    EXPECT_FALSE(Teil<QPushButton>(Kurven(), "SENDEN")->isEnabled()); // busy until the result is in
    Warten();
    EXPECT_TRUE(Teil<QPushButton>(Kurven(), "SENDEN")->isEnabled());
    EXPECT_EQ(u.dialoge.VonArt("Frage").at(0).knoepfe, QStringList({"Kurven senden", "zurück"}));
    const auto fortschritt = u.dialoge.VonArt("Fortschritt");
    ASSERT_EQ(fortschritt.size(), 1u);
    EXPECT_EQ(fortschritt[0].titel, "Daten senden");
    EXPECT_TRUE(fortschritt[0].abbrechbar);
    EXPECT_EQ(fortschritt[0].fortschritt.back(), 100);
    EXPECT_EQ(fortschritt[0].fenster, Kurven());
    ASSERT_FALSE(fortschritt[0].restzeiten.empty());
    EXPECT_EQ(fortschritt[0].restzeiten.back(), 0.0);
    EXPECT_EQ(Anzeige(), 0);
    EXPECT_EQ(box.sim.Modus() & 0x06, kurvengenerator::kModusGenerator);
    const Speicherabbild bild = AbbildErstellen(Kurven()->satz());
    EXPECT_EQ(box.sim.Speicher(0, bild.bytes.size()), bild.bytes);
    EXPECT_NEAR(fortschritt[0].restzeiten.front(), Leitungszeit(long(bild.bytes.size()) - 64, true), 1e-9);
    EXPECT_TRUE(Kurven()->bestaetigung().startsWith(
        QString("Kurven in die DLM-7 geschrieben (%1 Bytes, ").arg(bild.bytes.size())))
        << Kurven()->bestaetigung().toStdString();

    const Kurvensatz gesendet = Kurven()->satz();
    KurvenAendern([&](Kurvensatz& s) { s.dateiPfad = "/tmp/x.dlr"; });
    KurvenAktion(Kurven(), 1)->trigger();
    Teil<QPushButton>(Kurven(), "LESEN")->click();
    Warten();
    ASSERT_FALSE(u.dialoge.VonArt("Fortschritt").empty());
    EXPECT_EQ(u.dialoge.VonArt("Fortschritt").back().titel, "Daten lesen");
    EXPECT_EQ(Anzeige(), 0);
    EXPECT_TRUE(
        Kurven()->bestaetigung().startsWith(QString("Kurven aus der DLM-7 gelesen (%1 Bytes, ").arg(bild.bytes.size())))
        << Kurven()->bestaetigung().toStdString();
    const Kurvensatz& s = Kurven()->satz();
    for (int k = 0; k < kKurvenzahl; ++k) {
        const std::vector<int> soll = KurveDigitalisieren(gesendet.kurven[k]);
        ASSERT_EQ(s.kurven[k].punktzahl(), int(soll.size())) << k;
        for (std::size_t i = 0; i < soll.size(); ++i) {
            EXPECT_EQ(s.kurven[k].punkte[i].wert, soll[i]);
            EXPECT_EQ(s.kurven[k].punkte[i].laenge, 1);
        }
    }
    EXPECT_EQ(s.zyklen, gesendet.zyklen);
    EXPECT_EQ(s.ruhewert, gesendet.ruhewert);
    EXPECT_EQ(Kurven()->windowTitle(), "Kurvengenerator");
    EXPECT_EQ(Kurven()->ansicht().ende + 1.0, KurvenLaenge(s.kurven[1])); // the whole current curve
}

TEST_F(KurvenTransfer, AbgebrochenesSendenSendetNichtsMehr) {
    KurvenAendern([](Kurvensatz& s) {
        for (auto& k : s.kurven) k.punkte = {{0, 400, 1}, {4095, 1, 1}}; // 3240 bytes: 51 blocks
    });
    box.sim.VerzoegerungSetzen(std::chrono::milliseconds(5));
    box.sim.AnfragenLoeschen();
    u.dialoge.abbrechenBeiProzent = 20;
    Teil<QPushButton>(Kurven(), "SENDEN")->click();
    Warten();
    const int gesendet = Schreibrahmen();
    EXPECT_GT(gesendet, 0);
    EXPECT_LT(gesendet, 20); // a block in flight may still finish, nothing after it
    EXPECT_EQ(Anzeige(), kSendenAbgebrochen);
    EXPECT_FALSE(FehleranzeigeVon(Kurven())->text().isEmpty());
    EXPECT_NE(box.sim.Modus() & 0x06, kurvengenerator::kModusGenerator); // never switched to the curves
    // A request behind the transfer: once the box has answered it, every
    // frame sent before it has arrived.
    EXPECT_EQ(AufDemDienst([](int port, char adresse) {
                  std::string kennung;
                  return QAVKSV5_IDLesen(port, adresse, kennung);
              }),
              0);
    EXPECT_EQ(Schreibrahmen(), gesendet);
}

TEST_F(KurvenTransfer, AbgebrochenesLesenLaesstDenEditor) {
    const Kurvensatz& s = Kurven()->satz();
    KurvenAendern([&](Kurvensatz& s) {
        for (auto& k : s.kurven) k.punkte = {{0, 400, 1}, {4095, 1, 1}};
    });
    Teil<QPushButton>(Kurven(), "SENDEN")->click();
    Warten();
    ASSERT_EQ(Anzeige(), 0);
    KurvenAendern([&](Kurvensatz& s) {
        s.kurven[0].punkte = {{10, 5, 3}, {20, 1, 3}};
        s.dateiPfad = "/tmp/bleibt.dlr";
    });
    const Kurvensatz vorher = s;
    box.sim.VerzoegerungSetzen(std::chrono::milliseconds(5));
    u.dialoge.abbrechenBeiProzent = 20;
    Teil<QPushButton>(Kurven(), "LESEN")->click();
    Warten();
    EXPECT_EQ(Anzeige(), kLesenAbgebrochen);
    for (int k = 0; k < kKurvenzahl; ++k) EXPECT_EQ(s.kurven[k].punkte, vorher.kurven[k].punkte);
    EXPECT_EQ(Kurven()->windowTitle(), "Kurvengenerator - bleibt.dlr");
    EXPECT_TRUE(Kurven()->bestaetigung().isEmpty()); // no success claimed
}

TEST_F(KurvenTransfer, VerweigerungenOhneSenden) {
    box.sim.AnfragenLoeschen();
    // Unequal lengths and "zurück".
    KurvenAendern([&](Kurvensatz& s) {
        s.kurven[0].punkte = {{0, 3, 2}, {100, 1, 2}};
        s.kurven[1].punkte = {{0, 5, 2}, {100, 1, 2}};
    });
    u.dialoge.antworten.push_back(2);
    Teil<QPushButton>(Kurven(), "SENDEN")->click();
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Kurven sind nicht gleich lang"));
    // One tick more than the box holds.
    KurvenAendern([](Kurvensatz& s) { VierKurven(s); });
    KurvenAendern([&](Kurvensatz& s) { s.kurven[0].punkte[0].laenge += 1; });
    u.dialoge.antworten.push_back(1); // lengths differ now as well
    Teil<QPushButton>(Kurven(), "SENDEN")->click();
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler");
    EXPECT_EQ(u.dialoge.Letztes().text.toStdString(), kTextSpeicherZuKlein);
    Warten();
    EXPECT_EQ(Schreibrahmen(), 0);
    EXPECT_TRUE(u.dialoge.VonArt("Fortschritt").empty());
    // No port: the code on the indicator, no progress dialog.
    Dienst().Schliessen();
    Warten();
    KurvenAendern([&](Kurvensatz& s) { s.kurven[0].punkte[0].laenge -= 1; });
    Teil<QPushButton>(Kurven(), "SENDEN")->click();
    EXPECT_EQ(Anzeige(), -122430);
    Teil<QPushButton>(Kurven(), "LESEN")->click();
    EXPECT_EQ(Anzeige(), -122431);
    EXPECT_TRUE(u.dialoge.VonArt("Fortschritt").empty());
}

TEST_F(KurvenTransfer, LeereBoxMeldetKeineKurven) {
    box.sim.ModusSetzen(0x02);
    const Kurvensatz vorher = Kurven()->satz();
    Teil<QPushButton>(Kurven(), "LESEN")->click();
    Warten();
    EXPECT_EQ(Anzeige(), -1018471);
    EXPECT_EQ(Kurven()->satz().kurven[0].punkte, vorher.kurven[0].punkte);
}

} // namespace
