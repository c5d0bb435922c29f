// The CSV table of a curve set: the samples the box would play, with their
// times and units, through the library and through dlm7ctl.
#include "KurvenHilfe.h"

#include "config/KonfigDatei.h"
#include "kurven/KurvenCsv.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenFehler.h"
#include "tools/Dlm7Ctl.h"

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>

using namespace kurvengenerator;

namespace {

std::string Zeilen(std::initializer_list<const char*> zeilen) {
    std::string t;
    for (const char* z : zeilen) t += std::string(z) + "\r\n";
    return t;
}

// Output 2 in percent 0..100 over 0..10 V, output 4 in "bar" 0..5 over 0..10 V.
KonfigDaten Konfig() {
    KonfigDaten k = KonfigStandardwerte();
    SkalierungSetzen(k, Seite::Ausgang, 1, {0.0, 10.0, 0.0, 100.0});
    EinheitTextSetzen(k, Seite::Ausgang, 1, "%");
    SkalierungSetzen(k, Seite::Ausgang, 3, {0.0, 10.0, 0.0, 5.0});
    EinheitTextSetzen(k, Seite::Ausgang, 3, "bar");
    return k;
}

class KurvenCsv : public ::testing::Test {
  protected:
    void SetUp() override { std::setlocale(LC_ALL, "de_DE.UTF-8"); }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
    int Ctl(std::vector<std::string> befehl) {
        befehl.insert(befehl.begin(), {"--port", "/nicht/vorhanden"});
        err.str({});
        return Dlm7CtlAusfuehren(befehl, aus, err);
    }
    TempOrdner dir;
    std::ostringstream aus, err;
};

} // namespace

TEST_F(KurvenCsv, FrischeUndGezeichneteKurvenSampleFuerSample) {
    Kurvensatz frisch;
    Speicherabbild bild = AbbildErstellen(frisch);
    ASSERT_EQ(bild.code, 0);
    EXPECT_EQ(KurvenCsvText(bild, KonfigStandardwerte()),
              Zeilen({"Kurve,Zeit [s],Wert roh,Wert [V]", "1,0,0,0", "2,0,0,0", "3,0,0,0", "4,0,0,0"}));

    // Curve 1: one point of 3 ticks of 500 us; curve 2: rising over 4 ticks of
    // 10 ms (halves round up), falling back over 2 ticks of 1 ms; curve 4 a
    // point of 1 tick of 1 min. Times count from each curve's start.
    Kurvensatz s;
    s.kurven[0] = KurveAus({{1000, 3, 1}});
    s.kurven[1] = KurveAus({{0, 4, 7}, {4095, 2, 2}});
    s.kurven[3] = KurveAus({{2048, 1, 12}, {4095, 2, 11}});
    bild = AbbildErstellen(s);
    ASSERT_EQ(bild.code, 0);
    EXPECT_EQ(KurvenCsvText(bild, Konfig()),
              Zeilen({"Kurve,Zeit [s],Wert roh,Wert [V / % / V / bar]", //
                      "1,0,1000,2.442002442002442", "1,0.0005,1000,2.442002442002442",
                      "1,0.001,1000,2.442002442002442", //
                      "2,0,0,0", "2,0.01,1024,25.006105006105006", "2,0.02,2048,50.01221001221001",
                      "2,0.03,3071,74.993894993895", "2,0.04,4095,100", "2,0.041,2048,50.01221001221001", //
                      "3,0,0,0",                                                                          //
                      "4,0,2048,2.5006105006105006", "4,60,4095,5", "4,61,3072,3.750915750915751"}));
}

TEST_F(KurvenCsv, DateiUndBefehl) {
    Kurvensatz s;
    s.kurven[1] = KurveAus({{0, 4, 7}, {4095, 2, 2}});
    const KonfigDaten k = Konfig();
    ASSERT_EQ(KurvenSpeichern(s, dir / "k.dlr", k), 0);
    Speicherabbild bild = AbbildErstellen(s);
    ASSERT_EQ(bild.code, 0);

    // The file's configuration, or the one given.
    EXPECT_EQ(Ctl({"kurven-csv", dir / "k.dlr", dir / "k.csv"}), 0) << err.str();
    EXPECT_EQ(DateiLesen(dir / "k.csv"), KurvenCsvText(bild, k));
    ASSERT_EQ(KonfigDateiSchreiben(dir / "s.dlo", KonfigStandardwerte()), 0);
    EXPECT_EQ(Ctl({"--konfig", dir / "s.dlo", "kurven-csv", dir / "k.dlr", dir / "s.csv"}), 0) << err.str();
    EXPECT_EQ(DateiLesen(dir / "s.csv"), KurvenCsvText(bild, KonfigStandardwerte()));

    // A set the box cannot take is refused as the send refuses it; nothing is written.
    const std::string alt = DateiLesen(dir / "k.csv");
    Kurvensatz gross;
    gross.kurven[0] = KurveAus({{0, 32753, 1}});
    EXPECT_EQ(KurvenCsvExportieren(gross, k, dir / "k.csv").code, KurvenFehler::SendenZuGross);
    ASSERT_EQ(KurvenSpeichern(gross, dir / "gross.dlr", k), 0);
    EXPECT_EQ(Ctl({"kurven-csv", dir / "gross.dlr", dir / "k.csv"}), 1);
    EXPECT_EQ(err.str().rfind(kTextSpeicherZuKlein, 0), 0u) << err.str();
    EXPECT_EQ(DateiLesen(dir / "k.csv"), alt);
    EXPECT_EQ(KurvenCsvExportieren(s, k, dir / "fehlt/k.csv").code, KurvenFehler::CsvOeffnen);
    EXPECT_EQ(Ctl({"kurven-csv", dir / "fehlt.dlr", dir / "k.csv"}), 1);
    EXPECT_EQ(DateiLesen(dir / "k.csv"), alt);
    EXPECT_EQ(Ctl({"kurven-csv", dir / "k.dlr"}), 2);
}
