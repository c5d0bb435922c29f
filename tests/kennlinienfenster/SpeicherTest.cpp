// "DLM-7 Speicherübersicht…" of the window against the simulated box, with
// scripted dialogs: the rows, a row's buttons acting on the editor, cancel
// and a failing box.
#include "KennlinienUmgebung.h"

#include "config/KonfigUmrechnung.h"
#include "device/Blocktransfer.h"
#include "device/Qavksv5Fehler.h"
#include "kennlinie/fenster/Speicheruebersicht.h"
#include "sim/SimUmgebung.h"

#include <QLabel>
#include <QScreen>
#include <QScrollArea>

namespace {

const Kennlinienpunkte kZwei = {{0, 1000, 0}, {4000, 2000, 0}, {500, 1, 0}};
const Kennlinienpunkte kFuenf = {{4095, 2048, 0}, {0, 1, 0}};

} // namespace

struct KennlinienSpeicher : KennlinienFenster {
    SimUmgebung s;

    void SetUp() override {
        KennlinienFenster::SetUp();
        ASSERT_TRUE(s.bereit()) << s.fehler;
        Dienst().Oeffnen(s.port);
        Warten();
        ASSERT_EQ(OffenerComPort(), s.port);
        // Slots 2 and 5 hold curves, the others are empty.
        s.sim.ModusSetzen(0x02);
        const LeerslotAbbild leer = LeerslotAbbildErzeugen();
        for (int slot = 1; slot <= kSlots; ++slot)
            s.sim.SpeicherSetzen(SlotAdresse(slot), std::vector<unsigned char>(leer.begin(), leer.end()));
        Beschreiben(2, kZwei, 3.0, 819.0);
        Beschreiben(5, kFuenf, 10.0, 0.1);
    }
    void Beschreiben(int slot, const Kennlinienpunkte& p, double begrenzung, double anstieg) {
        SlotAbbild bild;
        ASSERT_EQ(SlotAbbildErzeugen(p, Konfig(), begrenzung, anstieg, bild), 0);
        s.sim.SpeicherSetzen(SlotAdresse(slot), std::vector<unsigned char>(bild.begin(), bild.end()));
    }
    Speicheruebersicht* Oeffnen() {
        UebersichtAktion(k)->trigger();
        Warten();
        return UebersichtVon(k);
    }
    static QString Inhalt(Speicheruebersicht* ue, int slot) { return ReiheVon(ue, slot).inhalt->text(); }
};

TEST_F(KennlinienSpeicher, ZeilenUndInDenEditorLesen) {
    KonfigAendern([](KonfigDaten& c) {
        SkalierungSetzen(c, Seite::Ausgang, 1, {0, 10, 0, 20});
        EinheitTextSetzen(c, Seite::Ausgang, 1, "mA");
    });
    Speicheruebersicht* ue = Oeffnen();
    ASSERT_TRUE(ue);
    EXPECT_TRUE(ue->isVisible());
    EXPECT_EQ(ue->windowTitle(), "DLM-7 Speicherübersicht");
    // It fits the screen (the test screen is narrower than the table); the rows scroll.
    const QRect frei = ue->screen()->availableGeometry();
    EXPECT_LE(ue->frameGeometry().width(), frei.width());
    EXPECT_LE(ue->frameGeometry().height(), frei.height());
    const auto* zeilen = ue->findChild<QScrollArea*>("ZEILEN");
    ASSERT_TRUE(zeilen);
    EXPECT_TRUE(zeilen->isAncestorOf(ReiheVon(ue, kSlots).anwaehlen));
    const auto f = u.dialoge.VonArt("Fortschritt");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_TRUE(f[0].abbrechbar);
    EXPECT_EQ(f[0].fenster, ue);
    EXPECT_EQ(f[0].fortschritt.back(), 100);
    EXPECT_EQ(MeldungVon(ue)->text(), "Alle 7 Speicherplätze gelesen.");
    for (int slot = 1; slot <= kSlots; ++slot) {
        const bool belegt = slot == 2 || slot == 5;
        EXPECT_EQ(Inhalt(ue, slot), belegt ? "belegt" : "leer") << slot;
        EXPECT_EQ(ReiheVon(ue, slot).bild->anzahlPlots(), belegt ? 1 : 0) << slot;
    }
    EXPECT_EQ(ReiheVon(ue, 2).anstieg->text(), "819.0000 ms");
    EXPECT_EQ(ReiheVon(ue, 5).anstieg->text(), "0.1000 ms");
    // Output 2 in the configuration's unit: 3 V of 10 V is 6 mA.
    EXPECT_TRUE(ReiheVon(ue, 2).begrenzung->text().endsWith(" mA")) << ReiheVon(ue, 2).begrenzung->text().toStdString();
    EXPECT_EQ(ReiheVon(ue, 5).begrenzung->text(),
              Zahlfeld::FestText(20.0, Nachkommastellen(Konfig(), Seite::Ausgang, 1)) + " mA");
    EXPECT_EQ(ReiheVon(ue, 3).begrenzung->text(), "–");

    // "In den Editor lesen" on an edited curve asks first; "Abbrechen" reads nothing.
    Ausloesen(Befehl::Neu);
    Klicken({3000, 100});
    ASSERT_TRUE(k->ungespeichert());
    const Kennlinienpunkte bearbeitet = Punkte();
    u.dialoge.Leeren();
    u.dialoge.antworten = {3};
    QTest::mouseClick(ReiheVon(ue, 2).lesen, Qt::LeftButton);
    Warten();
    ASSERT_EQ(u.dialoge.VonArt("Frage").size(), 1u);
    EXPECT_EQ(u.dialoge.VonArt("Frage")[0].titel, "Warnung");
    EXPECT_EQ(Punkte(), bearbeitet);
    EXPECT_TRUE(u.dialoge.VonArt("Fortschritt").empty());

    // "Nein": the full read of slot 2, as "von DLM-7 lesen" does it.
    u.dialoge.antworten = {2};
    QTest::mouseClick(ReiheVon(ue, 2).lesen, Qt::LeftButton);
    Warten();
    EXPECT_EQ(Dienst().fehler(), 0);
    EXPECT_EQ(FeldVon(k, Feld::KurvenNr)->wert(), 2.0);
    Kennlinientabelle t;
    ASSERT_EQ(Digitalisieren(kZwei, t), 0);
    ASSERT_EQ(Punkte().size(), 4096u);
    for (std::size_t x = 0; x < t.size(); ++x) ASSERT_EQ(Punkte()[x].yWert, t[x]) << x;
    EXPECT_DOUBLE_EQ(FeldVon(k, Feld::Anstiegszeit)->wert(), 819.0);
    EXPECT_EQ(ReiheVon(ue, 2).begrenzung->text(), FeldVon(k, Feld::Begrenzung)->text() + " mA");
    EXPECT_EQ(u.dialoge.VonArt("Fortschritt").at(0).titel, "Daten lesen");
    EXPECT_TRUE(k->bestaetigung().startsWith("Kurve aus Speicherplatz 2 gelesen")) << k->bestaetigung().toStdString();

    // "über Ausg.4 anwählen" sets output 4 to the row's slot.
    QTest::mouseClick(ReiheVon(ue, 5).anwaehlen, Qt::LeftButton);
    Warten();
    EXPECT_EQ(Dienst().fehler(), 0);
    EXPECT_NEAR(s.sim.Ausgang(4), 5.0 / 10.0 * 4095, 1.0);
    EXPECT_EQ(FeldVon(k, Feld::KurvenNr)->wert(), 5.0);

    // Enter closes the overview, whichever row button was clicked last.
    u.dialoge.Leeren();
    QTest::keyClick(ue, Qt::Key_Return);
    Warten();
    EXPECT_FALSE(ue->isVisible());
    EXPECT_TRUE(u.dialoge.protokoll.empty());
}

TEST_F(KennlinienSpeicher, AbbruchUndFehlerBehaltenDieGelesenenZeilen) {
    Speicheruebersicht* ue = Oeffnen();
    ASSERT_TRUE(ue);
    ASSERT_EQ(ue->zeilen().size(), 7u);

    // Slow enough that the cancel reaches the worker long before the last slot.
    s.sim.VerzoegerungSetzen(std::chrono::milliseconds(3));
    u.dialoge.abbrechenBeiProzent = 30;
    QTest::mouseClick(AktualisierenKnopf(ue), Qt::LeftButton);
    EXPECT_FALSE(ReiheVon(ue, 1).lesen->isEnabled()) << "rows dimmed while the read runs";
    Warten();
    EXPECT_TRUE(ReiheVon(ue, 1).lesen->isEnabled());
    const int n = int(ue->zeilen().size());
    EXPECT_GE(n, 2);
    EXPECT_LT(n, 7);
    for (int slot = 1; slot <= kSlots; ++slot) EXPECT_EQ(Inhalt(ue, slot) == "nicht gelesen", slot > n) << slot;
    EXPECT_EQ(Inhalt(ue, 2), "belegt");
    EXPECT_EQ(MeldungVon(ue)->text(), QString("Abgebrochen: Speicherplätze 1 bis %1 gelesen.").arg(n));
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty()) << "a cancel is no error";

    // A box that fails in the middle: the error in a popup and on the indicator, the rows before it stay.
    s.sim.VerzoegerungSetzen(std::chrono::milliseconds(0));
    u.dialoge.Leeren();
    s.sim.ZeilenfilterSetzen(
        [](const std::string& z) {
            // The head of slot 4 answers with a broken checksum.
            if (z.find("BDR46060000A") == std::string::npos || z.size() < 2) return z;
            std::string b = z;
            b[b.size() - 2] = b[b.size() - 2] == '0' ? '1' : '0';
            return b;
        },
        1000);
    QTest::mouseClick(AktualisierenKnopf(ue), Qt::LeftButton);
    Warten();
    EXPECT_EQ(ue->zeilen().size(), 3u);
    EXPECT_EQ(Inhalt(ue, 4), "nicht gelesen");
    EXPECT_NE(Dienst().fehler(), 0);
    ASSERT_EQ(u.dialoge.VonArt("Meldung").size(), 1u);
    EXPECT_EQ(MeldungVon(ue)->text(), QString("Fehler #%1: Speicherplätze 1 bis 3 gelesen.").arg(-Dienst().fehler()));
}
