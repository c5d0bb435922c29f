#include "KurvenHilfe.h"

#include "config/KonfigDatei.h"
#include "device/Schreibpruefung.h"
#include "kern/Fehlermeldungen.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenText.h"
#include "kurven/KurvenTransfer.h"
#include "sim/SimUmgebung.h"
#include "tools/Dlm7Ctl.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace kurvengenerator;

namespace {

class KurvenCtl : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(u.bereit()) << u.fehler; }

    int Aufruf(std::vector<std::string> befehl, std::string port = {}) {
        std::vector<std::string> arg = {"--port", port.empty() ? u.sim.SlavePfad() : port, "--timeout", "0.5"};
        arg.insert(arg.end(), befehl.begin(), befehl.end());
        aus.str({});
        err.str({});
        return Dlm7CtlAusfuehren(arg, aus, err);
    }
    static std::string Fehler(int code) {
        return "Fehler #" + std::to_string(-code) + ": " + QAV_Fehlermeldung(code) + "\n";
    }
    std::string Speichern(Kurvensatz s, const std::string& name, const KonfigDaten& k = KonfigStandardwerte()) {
        const std::string pfad = dir / name;
        EXPECT_EQ(KurvenSpeichern(s, pfad, k), 0);
        return pfad;
    }

    SimUmgebung u{3};
    TempOrdner dir;
    std::ostringstream aus, err;
};

} // namespace

TEST_F(KurvenCtl, SendenMitWarnungUndSpeichergrenze) {
    Kurvensatz s;
    s.kurven[0] = KurveAus({{0, 3, 7}, {4095, 1, 7}});
    s.kurven[1] = KurveAus({{0, 5, 7}, {4095, 1, 7}});
    s.zyklen = {1, 2, 3, 4};
    s.ruhewert = {10, 20, 30, 40};
    const std::string datei = Speichern(s, "satz.dlr");
    EXPECT_EQ(Aufruf({"kurven-senden", datei}), 0);
    EXPECT_EQ(err.str(), LaengenPruefen(s).text);
    const auto bild = AbbildErstellen(s).bytes;
    EXPECT_EQ(u.sim.Speicher(0, bild.size()), bild);
    EXPECT_EQ(u.sim.Modus(), 0x04);

    s.kurven[0] = KurveAus({{0, 32750, 1}});
    const std::string gross = Speichern(s, "gross.dlr");
    u.sim.AnfragenLoeschen();
    EXPECT_EQ(Aufruf({"kurven-senden", gross}), 1);
    EXPECT_EQ(err.str(), std::string(kTextSpeicherZuKlein) + "\n" + Fehler(KurvenFehler::SendenZuGross));
    EXPECT_TRUE(u.sim.Anfragen().empty());
    EXPECT_EQ(Aufruf({"kurven-senden", dir / "fehlt.dlr"}), 1);
    EXPECT_EQ(err.str(), Fehler(KurvenFehler::LadenOeffnen));
    EXPECT_EQ(Aufruf({"kurven-senden"}), 2);
}

TEST_F(KurvenCtl, LesenSpeichertMitKonfiguration) {
    Kurvensatz s;
    s.kurven[2] = KurveAus({{100, 2, 1}, {300, 1, 1}});
    s.zyklen[2] = 9;
    ASSERT_EQ(Aufruf({"kurven-senden", Speichern(s, "satz.dlr")}), 0);

    const std::string ziel = dir / "gelesen.dlr";
    EXPECT_EQ(Aufruf({"kurven-lesen", ziel}), 0);
    Kurvensatz gelesen;
    LadeErgebnis l = KurvenLaden(gelesen, ziel, KonfigStandardwerte());
    ASSERT_EQ(l.code, 0);
    EXPECT_FALSE(l.konfigWeichtAb);
    EXPECT_EQ(gelesen.kurven[2].punkte, std::vector<Kurvenpunkt>({{100, 1, 1}, {200, 1, 1}, {300, 1, 1}}));
    EXPECT_EQ(gelesen.zyklen[2], 9);

    KonfigDaten k = KonfigStandardwerte();
    SkalierungSetzen(k, Seite::Ausgang, 0, {0.0, 10.0, 0.0, 100.0});
    ASSERT_EQ(KonfigDateiSchreiben(dir / "k.dlo", k), 0);
    EXPECT_EQ(
        Dlm7CtlAusfuehren({"--port", u.sim.SlavePfad(), "--konfig", dir / "k.dlo", "kurven-lesen", ziel}, aus, err), 0);
    l = KurvenLaden(gelesen, ziel, k);
    EXPECT_FALSE(l.konfigWeichtAb);

    // A failing read or configuration leaves the target as it was.
    const std::string vorher = DateiLesen(ziel);
    u.sim.ModusSetzen(0x02);
    EXPECT_EQ(Aufruf({"kurven-lesen", ziel}), 1);
    EXPECT_EQ(err.str(), Fehler(KurvenFehler::KeineKurven));
    u.sim.AnfragenLoeschen();
    EXPECT_EQ(
        Dlm7CtlAusfuehren({"--port", u.sim.SlavePfad(), "--konfig", dir / "fehlt.dlo", "kurven-lesen", ziel}, aus, err),
        1);
    EXPECT_TRUE(u.sim.Anfragen().empty());
    EXPECT_EQ(DateiLesen(ziel), vorher);
}

TEST_F(KurvenCtl, ExportUndImportOhneGeraet) {
    const std::string keinPort = "/nicht/vorhanden";
    Kurvensatz s;
    s.kurven[1].kommentar = "bleibt";
    const std::string dlr = Speichern(s, "satz.dlr");
    const std::string txt = dir / "satz.txt";
    EXPECT_EQ(Aufruf({"kurven-export", dlr, txt}, keinPort), 0);
    EXPECT_EQ(DateiLesen(txt), KurvenExportText(s));
    EXPECT_EQ(Aufruf({"kurven-export", dir / "fehlt.dlr", txt}, keinPort), 1);
    EXPECT_EQ(err.str(), Fehler(KurvenFehler::LadenOeffnen));
    EXPECT_EQ(DateiLesen(txt), KurvenExportText(s));

    // Into an existing file: only the imported curve changes.
    DateiSchreiben(txt, "0\t0\t1ms\t1\r\n0.005\t50\t1ms\t1\r\n0.006\t100\t1ms\t1\r\n");
    EXPECT_EQ(Aufruf({"kurven-import", txt, dlr}, keinPort), 0);
    Kurvensatz neu;
    ASSERT_EQ(KurvenLaden(neu, dlr, KonfigStandardwerte()).code, 0);
    EXPECT_EQ(neu.kurven[0].punkte, std::vector<Kurvenpunkt>({{0, 5, 2}, {2047, 1, 2}, {4095, 1, 2}}));
    EXPECT_EQ(neu.kurven[1].kommentar, "bleibt");
    // Without a file: a fresh set.
    EXPECT_EQ(Aufruf({"kurven-import", txt, dir / "neu.dlr"}, keinPort), 0);
    ASSERT_EQ(KurvenLaden(neu, dir / "neu.dlr", KonfigStandardwerte()).code, 0);
    EXPECT_EQ(neu.kurven[0].punktzahl(), 3);
    EXPECT_EQ(neu.kurven[1].kommentar, "");

    // A refused import shows its message first and writes nothing.
    const std::string vorher = DateiLesen(dlr);
    DateiSchreiben(txt, "0\t0\t1ms\n");
    EXPECT_EQ(Aufruf({"kurven-import", txt, dlr}, keinPort), 1);
    EXPECT_EQ(err.str(), "Fehler in Zeile 1:\nFalsche oder zu wenig Werte.\n" + Fehler(KurvenFehler::ImportFelder));
    EXPECT_EQ(DateiLesen(dlr), vorher);
    DateiSchreiben(dir / "kaputt.dlr", "kein Kurvensatz");
    EXPECT_EQ(Aufruf({"kurven-import", txt, dir / "kaputt.dlr"}, keinPort), 1);
    EXPECT_EQ(err.str(), Fehler(KurvenFehler::LadenKopf));
    EXPECT_EQ(DateiLesen(dir / "kaputt.dlr"), "kein Kurvensatz");
    EXPECT_EQ(Aufruf({"kurven-import", txt}, keinPort), 2);
    EXPECT_NE(err.str().find("kurven-import DATEI.txt DATEI.dlr"), std::string::npos);
}

namespace {

TEST_F(KurvenCtl, SendenPruefenFehlerbitsUndAbweichung) {
    Kurvensatz s;
    s.kurven[0] = KurveAus({{0, 3, 7}, {4095, 1, 7}});
    const std::string datei = Speichern(s, "satz.dlr");
    EXPECT_EQ(Aufruf({"kurven-senden", "--pruefen", datei}), 0) << err.str();
    EXPECT_EQ(err.str(), "");

    // The first sample word of curve 1 (at 0x20) does not keep its high byte.
    u.sim.SpeicherfehlerSetzen(0x20);
    EXPECT_EQ(Aufruf({"kurven-senden", datei}), 0) << "unnoticed without the check";
    EXPECT_EQ(Aufruf({"kurven-senden", "--pruefen", datei}), 1);
    EXPECT_EQ(err.str(),
              "Erste abweichende Adresse: 0x0020 (gesendet 0x60, gelesen 0x9F)\n" + Fehler(kPruefungAbweichung));
    u.sim.SpeicherfehlerSetzen(-1);

    u.sim.FehlerbitsSetzen(0x08);
    EXPECT_EQ(Aufruf({"kurven-senden", datei}), 1);
    EXPECT_EQ(err.str(), "Daten nicht sinnvoll\n" + Fehler(kFehlerbitsNachSchreiben));
    EXPECT_EQ(Aufruf({"kurven-lesen", "--pruefen", dir / "l.dlr"}), 2);
}

} // namespace
