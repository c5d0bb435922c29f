// Recording the box's inputs: looped-back generator curves recorded through
// the device service's poll, folding by the period, the end of a recording
// and its CSV table.
#include "kurven/Aufzeichnung.h"
#include "Kurvenbild.h"
#include "config/KonfigUmrechnung.h"
#include "device/Eingangsabfrage.h"
#include "device/Qavksv5.h"
#include "kurven/KurvenTransfer.h"
#include "sim/SimUmgebung.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

// Whether the recorded device value matches the curve within one raw step
// somewhere within one sample interval of its time.
bool AufDerKurve(const Kurvensatz& s, std::size_t k, const Messwert& a, double intervall) {
    const double roh = a.wert * 4095.0 / 10.0;
    for (double t = a.zeit - intervall; t <= a.zeit + intervall; t += 0.0005)
        if (std::abs(Sollwert(s, k, t) - roh) <= 1.0 + 0.41) return true; // and the answer's 3 decimals
    return false;
}

TEST(Aufzeichnung, ZurueckgefuehrteGeneratorkurvenLiegenAufDenKurvenBisAlleZyklenGespieltSind) {
    Dlm7Simulator::Einstellungen takt;
    takt.takt = true; // the line's real rate, so the sample interval is the one a user gets
    SimUmgebung box(8, takt);
    ASSERT_TRUE(box.bereit()) << box.fehler;
    Geraetedienst dienst;
    QSignalSpy offen(&dienst, &Geraetedienst::linkGeaendert);
    dienst.Oeffnen(box.port);
    ASSERT_TRUE(offen.wait(5000));

    const Kurvensatz s = VierKurven();
    int gesendet = 1;
    bool fertig = false;
    dienst.Ausfuehren(
        nullptr, [&s](Auftrag& a) { return KurvenSenden(a.port, a.adresse, s, {}).code; },
        [&](int rc) {
            gesendet = rc;
            fertig = true;
        });
    ASSERT_TRUE(QTest::qWaitFor([&] { return fertig; }, 60000));
    ASSERT_EQ(gesendet, 0);

    // As the window does: the poll starts the box and its rounds go into the
    // recording, which stops it when the box has played every cycle.
    Aufzeichnung a;
    Eingangsabfrage abfrage(dienst);
    QObject::connect(&abfrage, &Eingangsabfrage::runde, [&](const Eingangsrunde& r) {
        if (a.RundeAufnehmen(r)) abfrage.Stoppen();
    });
    ASSERT_TRUE(abfrage.Starten({{true, true, true, true}, 0.0, 0.1, true}));
    QTRY_VERIFY_WITH_TIMEOUT(!abfrage.laeuft(), 10000);
    EXPECT_EQ(a.ende(), Aufzeichnung::Ende::Fertig);
    ASSERT_GE(a.runden().size(), 5u);
    EXPECT_NEAR(a.runden().back().zeit, 1.2, 0.25) << "two cycles of 0.6 s";

    // Four inputs at 9600 baud: never more than the line carries (the
    // benchmark measures how close it comes).
    const double rate = a.Abtastrate();
    EXPECT_LT(rate, Leitungsgrenze(4) * 1.05);
    const double intervall = 1.0 / rate;
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        const auto spur = a.Spur(static_cast<int>(k));
        ASSERT_EQ(spur.size(), a.runden().size());
        for (const Messwert& w : spur)
            EXPECT_TRUE(AufDerKurve(s, k, w, intervall))
                << "Kurve " << k + 1 << " bei " << w.zeit << " s: " << w.wert * 409.5;
        // Folded by the period, the second cycle lies on the first.
        const auto gefaltet = Falten(spur, KurvenPeriode(s.kurven[k]));
        int imZweiten = 0;
        for (std::size_t i = 0; i < spur.size(); ++i) {
            if (gefaltet[i].zyklus != 1) continue;
            ++imZweiten;
            EXPECT_TRUE(AufDerKurve(s, k, {gefaltet[i].zeit, gefaltet[i].wert}, intervall)) << k;
        }
        EXPECT_GE(imZweiten, 3);
    }
}

TEST(Aufzeichnung, FaltenLegtJedenZyklusUeberDenErsten) {
    const Kurvensatz s = VierKurven();
    EXPECT_DOUBLE_EQ(KurvenPeriode(s.kurven[0]), 0.6);
    const std::vector<Messwert> spur{{0.0, 1}, {0.3, 2}, {0.6, 3}, {0.9, 4}, {1.25, 5}, {3 * 0.6, 6}};
    const auto g = Falten(spur, 0.6);
    ASSERT_EQ(g.size(), spur.size());
    const std::vector<int> zyklen{0, 0, 1, 1, 2, 3};
    const std::vector<double> zeiten{0.0, 0.3, 0.0, 0.3, 0.05, 0.0};
    for (std::size_t i = 0; i < g.size(); ++i) {
        EXPECT_EQ(g[i].zyklus, zyklen[i]) << i;
        EXPECT_NEAR(g[i].zeit, zeiten[i], 1e-12) << i;
        EXPECT_GE(g[i].zeit, 0.0);
        EXPECT_LT(g[i].zeit, 0.6);
        EXPECT_EQ(g[i].wert, spur[i].wert);
    }
    // No usable period: the samples stay where they are.
    for (double periode : {0.0, -1.0, std::nan("")})
        for (const auto& x : Falten(spur, periode)) EXPECT_EQ(x.zyklus, 0);
    EXPECT_EQ(Falten(spur, 0.0)[4].zeit, 1.25);
}

Eingangsrunde Runde(double zeit, std::array<std::optional<double>, 4> werte, std::optional<unsigned char> s = {}) {
    Eingangsrunde r;
    r.zeit = zeit;
    r.werte = werte;
    for (std::size_t k = 0; k < 4; ++k) r.zeiten[k] = zeit + 0.01 * static_cast<double>(k);
    r.status1 = s;
    return r;
}

TEST(Aufzeichnung, EndeNachDauerOderFertigUndDieCsvTabelle) {
    // Duration: a round begun at or after it is not kept.
    Aufzeichnung d({false, true, false, true}, 0.5);
    EXPECT_FALSE(d.RundeAufnehmen(Runde(0.0, {1.0, 2.0, 3.0, 4.0})));
    EXPECT_FALSE(d.RundeAufnehmen(Runde(0.25, {1.0, 2.5, 3.0, 4.5})));
    EXPECT_TRUE(d.RundeAufnehmen(Runde(0.5, {1.0, 9.0, 3.0, 9.0})));
    EXPECT_EQ(d.ende(), Aufzeichnung::Ende::Dauer);
    ASSERT_EQ(d.runden().size(), 2u);
    EXPECT_DOUBLE_EQ(d.Abtastrate(), 4.0);
    EXPECT_TRUE(d.Spur(0).empty()) << "input 1 was not chosen";
    ASSERT_EQ(d.Spur(3).size(), 2u);
    EXPECT_DOUBLE_EQ(d.Spur(3)[1].zeit, 0.28);

    // Finished: only after the generator was seen playing.
    Aufzeichnung f;
    EXPECT_FALSE(f.RundeAufnehmen(Runde(0.0, {1.0, 1.0, 1.0, 1.0}, 0x0D))) << "finished before the start";
    EXPECT_FALSE(f.RundeAufnehmen(Runde(0.1, {1.0, 1.0, 1.0, 1.0}, 0x05)));
    EXPECT_FALSE(f.RundeAufnehmen(Runde(0.2, {1.0, 1.0, 1.0, 1.0})));
    EXPECT_TRUE(f.RundeAufnehmen(Runde(0.3, {1.0, 1.0, 1.0, 1.0}, 0x0D)));
    EXPECT_EQ(f.ende(), Aufzeichnung::Ende::Fertig);
    EXPECT_EQ(f.runden().size(), 4u) << "the finishing round is kept";
    Aufzeichnung ohne({true, false, false, false}, 0.0, false);
    EXPECT_FALSE(ohne.RundeAufnehmen(Runde(0.0, {1.0, 1.0, 1.0, 1.0}, 0x05)));
    EXPECT_FALSE(ohne.RundeAufnehmen(Runde(0.1, {1.0, 1.0, 1.0, 1.0}, 0x0D)));

    // Without a configuration: volts. A round cut short leaves its fields empty.
    Eingangsrunde kurz = Runde(0.75, {std::nullopt, 2.0, std::nullopt, std::nullopt});
    kurz.code = -404054;
    d = Aufzeichnung({false, true, false, true});
    d.RundeAufnehmen(Runde(0.0, {1.0, 2.5, 3.0, 4.25}));
    d.RundeAufnehmen(Runde(0.1234567, {1.0, 10.0, 3.0, 0.0}));
    d.RundeAufnehmen(kurz);
    EXPECT_EQ(AufzeichnungCsvText(d, nullptr), "Zeit [s],Eingang 2 [V],Eingang 4 [V]\r\n"
                                               "0,2.5,4.25\r\n"
                                               "0.123457,10,0\r\n"
                                               "0.75,2,\r\n");
    // With one: the configured units and physical values; a unit with a comma is quoted.
    KonfigDaten k = KonfigStandardwerte();
    ASSERT_TRUE(EinheitTextSetzen(k, Seite::Eingang, 1, "°C"));
    ASSERT_TRUE(EinheitTextSetzen(k, Seite::Eingang, 3, "m,s"));
    k.inskalamax[1] = 250.0;
    k.inskalamin[3] = 100.0;
    k.inskalamax[3] = 0.0;
    const std::string text = AufzeichnungCsvText(d, &k);
    EXPECT_EQ(text.substr(0, text.find("\r\n") + 2), "Zeit [s],Eingang 2 [°C],\"Eingang 4 [m,s]\"\r\n");
    EXPECT_NE(text.find("\r\n0,62.5,57.5\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n0.123457,250,100\r\n"), std::string::npos) << text;
    // Scaling noise in the last bit stays out of the table: 7.326 V is 183.15 °C, not 183.14999999999998.
    Aufzeichnung skaliert({false, true, false, false});
    skaliert.RundeAufnehmen(Runde(0.0, {0.0, 7.326, 0.0, 0.0}));
    EXPECT_EQ(AufzeichnungCsvText(skaliert, &k), "Zeit [s],Eingang 2 [°C]\r\n0,183.15\r\n");

    // Written whole or not at all.
    const std::string ordner = std::filesystem::temp_directory_path() / ("aufzeichnung_" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    const std::string pfad = ordner + "/a.csv";
    ASSERT_EQ(AufzeichnungCsvSpeichern(d, &k, pfad), 0);
    std::ifstream ein(pfad, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ein), {}), text);
    EXPECT_EQ(AufzeichnungCsvSpeichern(d, &k, ordner + "/fehlt/a.csv"), kAufzeichnungCsvOeffnen);
    std::filesystem::remove_all(ordner);
}

} // namespace
