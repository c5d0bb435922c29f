// Writing, reading and selecting slots through the window, against the
// simulated box: progress dialogs, cancel, the codes on indicator and popup.
#include "KennlinienUmgebung.h"

#include "device/Blocktransfer.h"
#include "device/Schreibpruefung.h"
#include "device/fenster/ComPanel.h"
#include "kern/IniDatei.h"
#include "sim/SimUmgebung.h"

#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>
#include <chrono>

namespace {

const Kennlinienpunkte kKurve = {{0, 1000, 0}, {4000, 2000, 0}, {500, 1, 0}};

} // namespace

struct KennlinienTransfer : KennlinienFenster {
    SimUmgebung s;

    void SetUp() override {
        KennlinienFenster::SetUp();
        ASSERT_TRUE(s.bereit()) << s.fehler;
        Dienst().Oeffnen(s.port);
        Warten();
        ASSERT_EQ(OffenerComPort(), s.port);
        s.sim.ModusSetzen(0); // memory not yet holding curves
    }
    void Knopf(KennlinienPanel::Knopf b) { QTest::mouseClick(KnopfVon(k, b), Qt::LeftButton); }
};

TEST_F(KennlinienTransfer, SchreibenUndZuruecklesen) {
    k->editor().PunkteSetzen(kKurve);
    Eingeben(FeldVon(k, Feld::KurvenNr), "2");
    Eingeben(FeldVon(k, Feld::Begrenzung), "5");
    Eingeben(FeldVon(k, Feld::Anstiegszeit), "409.5");
    Knopf(KennlinienPanel::Knopf::Schreiben);
    // The window stays usable while the box is written; only the button waits.
    EXPECT_FALSE(KnopfVon(k, KennlinienPanel::Knopf::Schreiben)->isEnabled());
    Ausloesen(Befehl::ZoomPlus);
    EXPECT_EQ(k->ansicht().min, 682.0);
    Warten();
    EXPECT_TRUE(KnopfVon(k, KennlinienPanel::Knopf::Schreiben)->isEnabled());
    EXPECT_EQ(Dienst().fehler(), 0);
    ASSERT_EQ(u.dialoge.VonArt("Fortschritt").size(), 1u);
    const auto fortschritt = u.dialoge.VonArt("Fortschritt")[0];
    EXPECT_EQ(fortschritt.titel, "Daten senden");
    EXPECT_EQ(fortschritt.text, "Daten senden");
    EXPECT_TRUE(fortschritt.abbrechbar);
    EXPECT_EQ(fortschritt.fortschritt.back(), 100);
    // Modal to this window; the remaining time falls to nothing with the bytes left.
    EXPECT_EQ(fortschritt.fenster, k);
    ASSERT_EQ(fortschritt.restzeiten.size(), fortschritt.fortschritt.size());
    EXPECT_TRUE(std::is_sorted(fortschritt.restzeiten.rbegin(), fortschritt.restzeiten.rend()));
    EXPECT_NEAR(fortschritt.restzeiten.front(), Leitungszeit(kSlotGroesse - 32, true), 1e-9); // slot 2's first block
    EXPECT_EQ(fortschritt.restzeiten.back(), 0.0);
    EXPECT_TRUE(k->bestaetigung().startsWith("Kurve in Speicherplatz 2 geschrieben (8224 Bytes, "))
        << k->bestaetigung().toStdString();

    SlotAbbild bild;
    ASSERT_EQ(SlotAbbildErzeugen(kKurve, Konfig(), 5.0, 409.5, bild), 0);
    EXPECT_EQ(s.sim.Speicher(SlotAdresse(2), kSlotGroesse), std::vector<unsigned char>(bild.begin(), bild.end()));
    EXPECT_EQ(s.sim.Modus() & 0x06, 0x02);

    // Read back into an edited curve: 4096 points of length 1 replace it.
    k->editor().KommentarSetzen("bleibt");
    u.dialoge.DateiGewaehlt(u.Pfad("a.dle"));
    Ausloesen(Befehl::Speichern);
    Klicken({3000, 100});
    Eingeben(FeldVon(k, Feld::Begrenzung), "1");
    Eingeben(FeldVon(k, Feld::Anstiegszeit), "1");
    Knopf(KennlinienPanel::Knopf::Lesen);
    Warten();
    EXPECT_EQ(Dienst().fehler(), 0);
    ASSERT_FALSE(u.dialoge.VonArt("Fortschritt").empty());
    EXPECT_EQ(u.dialoge.VonArt("Fortschritt").back().titel, "Daten lesen");
    EXPECT_NEAR(u.dialoge.VonArt("Fortschritt").back().restzeiten.front(), Leitungszeit(kSlotGroesse - 64, false),
                1e-9);
    EXPECT_TRUE(k->bestaetigung().startsWith("Kurve aus Speicherplatz 2 gelesen (8224 Bytes, "))
        << k->bestaetigung().toStdString();
    ASSERT_EQ(Punkte().size(), 4096u);
    Kennlinientabelle tabelle;
    ASSERT_EQ(Digitalisieren(kKurve, tabelle), 0);
    for (int x = 0; x < 4096; ++x) {
        ASSERT_EQ(Punkte()[std::size_t(x)].yWert, tabelle[std::size_t(x)]) << x;
        ASSERT_EQ(Punkte()[std::size_t(x)].laenge, 1);
    }
    EXPECT_NEAR(FeldVon(k, Feld::Begrenzung)->wert(), 2048 * 10.0 / 4095, 1e-12);
    EXPECT_DOUBLE_EQ(FeldVon(k, Feld::Anstiegszeit)->wert(), 409.5);
    EXPECT_EQ(k->windowTitle(), "Kennlinienregler");
    EXPECT_EQ(k->ansicht().min, 0.0);
    EXPECT_EQ(k->editor().kurve().kommentar, "bleibt");
    EXPECT_TRUE(k->ungespeichert()); // the drawn point before the read
}

TEST_F(KennlinienTransfer, AbgebrochenesSchreibenMeldetUnvollstaendigenSpeicherplatz) {
    k->editor().PunkteSetzen(kKurve);
    // Slow enough that the cancel reaches the worker long before the last block.
    s.sim.VerzoegerungSetzen(std::chrono::milliseconds(3));
    u.dialoge.abbrechenBeiProzent = 30;
    Knopf(KennlinienPanel::Knopf::Schreiben);
    Warten();
    EXPECT_EQ(Dienst().fehler(), kSendenAbgebrochen);
    EXPECT_EQ(Punkte(), kKurve);
    const auto f = u.dialoge.VonArt("Fortschritt").at(0).fortschritt;
    EXPECT_LT(f.back(), 100);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_TRUE(k->bestaetigung().isEmpty()); // no success claimed
}

TEST_F(KennlinienTransfer, AbgebrochenesLesenLaesstDenEditor) {
    Knopf(KennlinienPanel::Knopf::Schreiben);
    Warten();
    k->editor().PunkteSetzen(kKurve);
    s.sim.VerzoegerungSetzen(std::chrono::milliseconds(3));
    u.dialoge.abbrechenBeiProzent = 20;
    Knopf(KennlinienPanel::Knopf::Lesen);
    Warten();
    EXPECT_EQ(Dienst().fehler(), kLesenAbgebrochen);
    EXPECT_EQ(Punkte(), kKurve);
}

TEST_F(KennlinienTransfer, LeererSpeicherplatzUndPruefsummenfehler) {
    // The first send prepares all seven slots; slot 3 then reads as empty.
    Knopf(KennlinienPanel::Knopf::Schreiben);
    Warten();
    Eingeben(FeldVon(k, Feld::KurvenNr), "3");
    Knopf(KennlinienPanel::Knopf::Lesen);
    Warten();
    ASSERT_EQ(Punkte().size(), 1u);
    EXPECT_EQ(Punkte()[0].yWert, 205);

    k->editor().PunkteSetzen(kKurve);
    auto bild = s.sim.Speicher(SlotAdresse(3), kLeerslotGroesse);
    bild[1] ^= 1;
    s.sim.SpeicherSetzen(SlotAdresse(3), bild);
    Knopf(KennlinienPanel::Knopf::Lesen);
    Warten();
    EXPECT_EQ(Dienst().fehler(), KennlFehler::Checksumme);
    EXPECT_EQ(Punkte(), kKurve);
}

TEST_F(KennlinienTransfer, LesenOhneKennlinienspeicher) {
    Knopf(KennlinienPanel::Knopf::Lesen);
    Warten();
    EXPECT_EQ(Dienst().fehler(), KennlFehler::LesenKeineKennlinien);
    EXPECT_TRUE(u.dialoge.VonArt("Fortschritt").empty());
    EXPECT_EQ(Punkte().size(), 1u);
}

TEST_F(KennlinienTransfer, Ausgang4WaehltDieKurve) {
    Eingeben(FeldVon(k, Feld::KurvenNr), "3");
    Knopf(KennlinienPanel::Knopf::Ausgang4);
    Warten();
    EXPECT_EQ(Dienst().fehler(), 0);
    EXPECT_NEAR(s.sim.Ausgang(4), 3.0 / 10.0 * 4095, 1.0);
    // The slot field takes only 1..7.
    Eingeben(FeldVon(k, Feld::KurvenNr), "9");
    EXPECT_EQ(FeldVon(k, Feld::KurvenNr)->wert(), 7.0);
}

TEST_F(KennlinienTransfer, OhneOffenenPortNurDieAnzeige) {
    Dienst().Schliessen();
    Warten();
    Knopf(KennlinienPanel::Knopf::Schreiben);
    Warten();
    EXPECT_EQ(Dienst().fehler(), KennlFehler::PruefenPort);
    Knopf(KennlinienPanel::Knopf::Ausgang4);
    Warten();
    EXPECT_EQ(Dienst().fehler(), KennlFehler::Ausgang4Port);
    // Reading reports the missing port in the popup.
    Knopf(KennlinienPanel::Knopf::Lesen);
    Warten();
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler #122509");
    EXPECT_TRUE(u.dialoge.VonArt("Fortschritt").empty());
}

TEST_F(KennlinienTransfer, ZuVielePunkteGehenNichtAufDieLeitung) {
    k->editor().PunkteSetzen({{0, 4097, 0}, {0, 1, 0}});
    s.sim.AnfragenLoeschen();
    Knopf(KennlinienPanel::Knopf::Schreiben);
    Warten();
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler #1023505");
    EXPECT_TRUE(s.sim.Anfragen().empty());
}

// "Nach dem Schreiben prüfen" in the connection window makes the send read
// the slot back; a cell that does not keep its byte is reported by address.
TEST_F(KennlinienTransfer, PruefenNachDemSchreibenFindetAbweichung) {
    k->editor().PunkteSetzen(kKurve);
    Eingeben(FeldVon(k, Feld::KurvenNr), "1");
    s.sim.SpeicherfehlerSetzen(40); // high byte of table entry 4 (16 = 0x0010)
    Knopf(KennlinienPanel::Knopf::Schreiben);
    Warten();
    EXPECT_EQ(Dienst().fehler(), 0) << "unnoticed without the check";
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());

    auto* pruefen = Com()->findChild<QCheckBox*>("PRUEFEN");
    ASSERT_NE(pruefen, nullptr);
    EXPECT_EQ(pruefen->text(), "Nach dem Schreiben prüfen");
    pruefen->setChecked(true);
    EXPECT_TRUE(Dienst().pruefen());
    Knopf(KennlinienPanel::Knopf::Schreiben);
    Warten();
    EXPECT_EQ(Dienst().fehler(), kPruefungAbweichung);
    const auto meldungen = u.dialoge.VonArt("Meldung");
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].titel, "Fehler");
    EXPECT_EQ(meldungen[0].text, "Erste abweichende Adresse: 0x0028 (gesendet 0x00, gelesen 0xFF)");

    // A mended cell passes; error bits of the box are named by their texts.
    s.sim.SpeicherfehlerSetzen(-1);
    u.dialoge.Leeren();
    Knopf(KennlinienPanel::Knopf::Schreiben);
    Warten();
    EXPECT_EQ(Dienst().fehler(), 0);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    s.sim.FehlerbitsSetzen(0x01);
    Knopf(KennlinienPanel::Knopf::Schreiben);
    Warten();
    EXPECT_EQ(Dienst().fehler(), kFehlerbitsNachSchreiben);
    ASSERT_EQ(u.dialoge.VonArt("Meldung").size(), 1u);
    EXPECT_EQ(u.dialoge.VonArt("Meldung")[0].titel, "Fehlerbits");
    EXPECT_EQ(u.dialoge.VonArt("Meldung")[0].text, "Speicherfehler");

    // The option lives in the settings file.
    IniDatei ini;
    Com()->WriteIniCompanel(ini);
    long wert = 0;
    EXPECT_EQ(ini.IntLesen("com", "pruefen", wert), IniDatei::Ergebnis::Vorhanden);
    EXPECT_EQ(wert, 1);
    pruefen->setChecked(false);
    EXPECT_FALSE(Dienst().pruefen());
}
