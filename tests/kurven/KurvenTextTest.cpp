#include "KurvenHilfe.h"

#include "kurven/KurvenBearbeiten.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenText.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace kurvengenerator;

namespace {

const char* const kKopf =
    "# Kurven exportiert aus DLM7-Steuerung\r\n# Spalte 1 = Zeit in Sekunden\r\n"
    "# Spalte 2 = Y-Wert in Prozent\r\n# Spalte 3 = Zeitbasis\r\n# Spalte 4 = Kuvennummer\r\n\r\n";

// Imports text into a copy of s; checks that a refused import changed nothing.
ImportErgebnis Import(Kurvensatz& s, const std::string& text) {
    const Kurvensatz vorher = s;
    ImportErgebnis e = KurvenImportText(s, text);
    if (e.code != 0) {
        for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(s.kurven[k].punkte, vorher.kurven[k].punkte);
        EXPECT_EQ(s.geaendert, vorher.geaendert);
    }
    return e;
}

std::string Text(const ImportErgebnis& e) {
    return e.meldungen.size() == 1 && e.meldungen[0].titel == "Importfehler" ? e.meldungen[0].text : "?";
}

} // namespace

TEST(KurvenText, ExportDesFrischenSatzesUndRundlauf) {
    Kurvensatz s;
    std::string erwartet = kKopf;
    for (int k = 1; k <= 4; ++k) erwartet += "0.00000\t0.00\t10ms\t" + std::to_string(k) + "\r\n\r\n";
    EXPECT_EQ(KurvenExportText(s), erwartet);

    TempOrdner dir;
    s.kurven[1] = KurveAus({{0, 5, 2}, {2048, 1, 2}, {4095, 700, 11}, {10, 1, 11}});
    ASSERT_EQ(KurvenExportieren(s, dir / "k.txt"), 0);
    const std::string text = DateiLesen(dir / "k.txt");
    EXPECT_NE(text.find("0.00600\t100.00\t1sek\t2\r\n"), std::string::npos);
    Kurvensatz zurueck;
    ASSERT_EQ(KurvenImportieren(zurueck, dir / "k.txt").code, 0);
    // Percent with two decimals, read back truncated: 2048 and 10 come back one step lower.
    EXPECT_EQ(zurueck.kurven[1].punkte,
              std::vector<Kurvenpunkt>({{0, 5, 2}, {2047, 1, 2}, {4095, 700, 11}, {9, 1, 11}}));
    EXPECT_EQ(KurvenExportieren(s, dir / "fehlt/k.txt"), KurvenFehler::ExportOeffnen);
}

TEST(KurvenText, ImportBautSegmenteAusZeitabstaenden) {
    Kurvensatz s;
    s.kurven[0].kommentar = "bleibt";
    s.zyklen[0] = 4;
    ImportErgebnis e = Import(s, "0\t0\t1ms\t1\r\n0.005\t50\t1ms\t1\r\n0.006\t100\t1ms\t1\r\n");
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(s.kurven[0].punkte, std::vector<Kurvenpunkt>({{0, 5, 2}, {2047, 1, 2}, {4095, 1, 2}}));
    EXPECT_EQ(s.kurven[0].kommentar, "bleibt");
    EXPECT_EQ(s.zyklen[0], 4);
    EXPECT_TRUE(s.geaendert);
    s.aktuelleKurve = 0;
    EXPECT_TRUE(RueckgaengigMoeglich(s));

    // 0.3 - 0.1 is 0.19999999999999998 in binary: the length is rounded to
    // 200 ticks, not cut to 199.
    ASSERT_EQ(Import(s, "0\t0\t1ms\t4\n0.1\t50\t1ms\t4\n0.3\t100\t1ms\t4\n").code, 0);
    EXPECT_EQ(s.kurven[3].punkte, std::vector<Kurvenpunkt>({{0, 100, 2}, {2047, 200, 2}, {4095, 1, 2}}));

    // 1.5 ms is no whole number of 1 ms ticks; of 500 us ticks it is three.
    e = Import(s, "0\t0\t1ms\t2\n0.0015\t10\t1ms\t2\n");
    EXPECT_EQ(e.code, KurvenFehler::ImportRaster);
    EXPECT_EQ(
        Text(e),
        "Fehler in Zeile 2:\nZeitunterschied von 0.002 Sekunden läßt sich nicht\ndurch die Zeitbasis 1ms ausdrücken.");
    ASSERT_EQ(Import(s, "# Kommentar\n   \n0\t0\t500us\t2\n0.0015\t10\t1ms\t2\n").code, 0);
    EXPECT_EQ(s.kurven[1].punkte, std::vector<Kurvenpunkt>({{0, 3, 1}, {409, 1, 2}}));

    // Blocks in any order, but each curve in one block.
    s.aktuelleKurve = 2;
    ASSERT_EQ(Import(s, "0\t1\t1ms\t3\n0.001\t1\t1ms\t3\n0\t2\t2ms\t1\n").code, 0);
    EXPECT_EQ(s.kurven[2].punktzahl(), 2);
    EXPECT_EQ(s.kurven[0].punkte, std::vector<Kurvenpunkt>({{81, 1, 3}}));
    EXPECT_EQ(s.aktuelleKurve, 2);
    e = Import(s, "0\t1\t1ms\t3\n0\t2\t2ms\t1\n0.001\t1\t1ms\t3\n");
    EXPECT_EQ(e.code, KurvenFehler::ImportZusammenhang);
    EXPECT_EQ(Text(e), "Fehler in Zeile 3:\nAlle Punkte der Kurve 3 müssen zusammenhängend sein.");
}

TEST(KurvenText, ExportLangerKurvenLaesstSichWiederImportieren) {
    // 30000 one-minute ticks (a set that fits the box), then 500 us steps: at
    // 1.8e6 s the times carry binary rounding far above a billionth of a tick.
    Kurvensatz s;
    s.kurven[0] = KurveAus({{0, 30000, 12}, {100, 1, 1}, {4095, 3, 1}, {0, 1, 1}});
    s.kurven[3] = KurveAus({{2000, 65535, 12}, {10, 7, 1}, {20, 1, 3}});
    Kurvensatz zurueck;
    const ImportErgebnis e = KurvenImportText(zurueck, KurvenExportText(s));
    ASSERT_EQ(e.code, 0) << Text(e);
    for (std::size_t k = 0; k < 4; ++k) {
        ASSERT_EQ(zurueck.kurven[k].punktzahl(), s.kurven[k].punktzahl());
        for (std::size_t i = 0; i < s.kurven[k].punkte.size(); ++i) {
            EXPECT_EQ(zurueck.kurven[k].punkte[i].laenge, s.kurven[k].punkte[i].laenge) << k << " " << i;
            EXPECT_EQ(zurueck.kurven[k].punkte[i].zeitbasis, s.kurven[k].punkte[i].zeitbasis);
        }
    }
    // Off the grid stays an error, far out as well.
    EXPECT_EQ(Import(s, "0\t0\t1min\t1\r\n1800000\t0\t500us\t1\r\n1800000.0007\t0\t500us\t1\r\n").code,
              KurvenFehler::ImportRaster);
}

TEST(KurvenText, ImportPrueftJedeZeile) {
    Kurvensatz s;
    const std::pair<const char*, int> faelle[] = {
        {"0\t0\t1ms\n", KurvenFehler::ImportFelder},
        {"0\t0\t1ms\t1\tmehr\n", KurvenFehler::ImportFelder},
        {"0,5\t0\t1ms\t1\n", KurvenFehler::ImportFelder},
        {"0\t0\t1ms\t5\n", KurvenFehler::ImportKurvennummer},
        {"0\t0\t1 ms\t1\n", KurvenFehler::ImportFelder},
        {"0\t0\t1MS\t1\n", KurvenFehler::ImportZeitbasis},
        {"0\t100.5\t1ms\t1\n", KurvenFehler::ImportYWert},
        {"0.001\t0\t1ms\t1\n", KurvenFehler::ImportStart},
        {"0\t0\t1ms\t1\n0\t0\t1ms\t1\n", KurvenFehler::ImportFortlaufend},
        {"0\t0\t1ms\t1\n65.536\t0\t1ms\t1\n", KurvenFehler::ImportZuLang},
        {"0\t0\t1min\t1\n0.00000002\t0\t1ms\t1\n", KurvenFehler::ImportNull},
        {"# nur Kommentar\n\n", KurvenFehler::ImportLeer},
        {"\t\n", KurvenFehler::ImportFelder},
    };
    for (const auto& [text, code] : faelle) {
        const ImportErgebnis e = Import(s, text);
        EXPECT_EQ(e.code, code) << text;
        ASSERT_EQ(e.meldungen.size(), 1u) << text;
        EXPECT_EQ(e.meldungen[0].code, code);
    }
    EXPECT_EQ(Text(Import(s, "0\t0\t1ms\t7\n")), "Fehler in Zeile 1:\nKurvennummer 7 ist nicht erlaubt.");
    EXPECT_EQ(Text(Import(s, "\n0\t0\tXms\t1\n")), "Fehler in Zeile 2:\nUnbekannte Zeitbasis 'Xms'.");
    EXPECT_EQ(Text(Import(s, "0\t-3\t1ms\t1\n")), "Fehler in Zeile 1:\nY-Wert von -3.000% ist nicht erlaubt '-3'.");
    EXPECT_EQ(Text(Import(s, "#\n")), "Keine Kurvendaten gefunden.");
    // Bytes of another encoding reach the message as valid UTF-8.
    EXPECT_EQ(Text(Import(s, "0\t0\t\xB5s\t1\n")), "Fehler in Zeile 1:\nUnbekannte Zeitbasis 'µs'.");
    // A line is cut after 95 characters.
    EXPECT_EQ(Import(s, "0\t0\t1ms\t1" + std::string(86, ' ') + "9\n").code, 0);

    TempOrdner dir;
    EXPECT_EQ(KurvenImportieren(s, dir / "fehlt.txt").code, KurvenFehler::ImportOeffnen);
    EXPECT_EQ(KurvenImportieren(s, dir.pfad.string()).code, KurvenFehler::ImportOeffnen);
}

TEST(KurvenText, DeutscheLocaleAendertNichts) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "Locale de_DE.UTF-8 fehlt";
    Kurvensatz s;
    s.kurven[0] = KurveAus({{0, 3, 1}, {2048, 1, 1}});
    const std::string text = KurvenExportText(s);
    const ImportErgebnis e = KurvenImportText(s, "0\t0\t500us\t2\n0.0025\t12.5\t1ms\t2\n");
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(text.find("0.00150\t50.01\t500us\t1\r\n"), std::string::npos) << text;
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(s.kurven[1].punkte, std::vector<Kurvenpunkt>({{0, 5, 1}, {511, 1, 2}}));
}
