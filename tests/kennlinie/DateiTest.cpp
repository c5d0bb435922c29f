#include "config/KonfigDatei.h"
#include "kennlinie/KennlinieBearbeiten.h"
#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::literals;

namespace {

std::string Lesen(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void Schreiben(const fs::path& p, std::string_view inhalt) {
    std::ofstream aus(p, std::ios::binary);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

KennlinienDatei Beispiel() {
    KennlinienDatei d;
    d.kurve.punkte = {{0, 100, 0}, {2000, 3995, 3}, {4095, 1, 0}};
    d.kurve.kommentar = "Zeile eins\nÄrger für 5 €";
    d.konfig = KonfigStandardwerte();
    SkalierungSetzen(d.konfig, Seite::Eingang, 1, {0.0, 10.0, -50.0, 150.0});
    EinheitTextSetzen(d.konfig, Seite::Eingang, 1, "°C");
    d.begrenzungRoh = 1234.25;
    d.anstiegszeit = 25.59375;
    return d;
}

bool Gleich(const KennlinienDatei& a, const KennlinienDatei& b) {
    return a.kurve.punkte == b.kurve.punkte && a.kurve.kommentar == b.kurve.kommentar &&
           KonfigurationenVergleichen(a.konfig, b.konfig) == 1 && a.begrenzungRoh == b.begrenzungRoh &&
           a.anstiegszeit == b.anstiegszeit;
}

std::int32_t Int32Bei(const std::string& b, std::size_t o) {
    return Int32Lesen(reinterpret_cast<const unsigned char*>(b.data()) + o);
}

class Dateien : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kennlinie_test_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Pfad(const char* name) const { return (dir_ / name).string(); }

    ImportErgebnis Import(std::string_view text) {
        Schreiben(dir_ / "import.txt", text);
        return KennlinieImportieren(Pfad("import.txt"));
    }

    fs::path dir_;
};

} // namespace

TEST_F(Dateien, SpeichernUndLadenByteFuerByte) {
    const KennlinienDatei d = Beispiel();
    ASSERT_EQ(KennlinieSpeichern(Pfad("a.dle"), d), 0);
    const std::string b = Lesen(dir_ / "a.dle");
    ASSERT_EQ(b.size(), 1424u + 3 * 12);
    EXPECT_EQ(b.substr(0, 32), "dlm7 Kennlinien Datei"s + std::string(11, '\0'));
    EXPECT_EQ(Int32Bei(b, 32), 2);
    EXPECT_EQ(b.substr(36, 25), "Zeile eins\n\xC4rger f\xFCr 5 \x80\0"s);
    EXPECT_EQ(b.substr(1040, 352), KonfigDateiBytes(d.konfig).substr(40));
    EXPECT_EQ(Int32Bei(b, 1392), 3);
    EXPECT_EQ(DoubleLesen(reinterpret_cast<const unsigned char*>(b.data()) + 1400), 1234.25);
    EXPECT_EQ(DoubleLesen(reinterpret_cast<const unsigned char*>(b.data()) + 1408), 25.59375);
    EXPECT_EQ(b.substr(1416, 8), std::string(8, '\0'));
    EXPECT_EQ(b.substr(1436, 12), "\xD0\x07\0\0\x9B\x0F\0\0\x03\0\0\0"s);

    KennlinienDatei gelesen;
    ASSERT_EQ(KennlinieLaden(Pfad("a.dle"), gelesen), 0);
    EXPECT_TRUE(Gleich(gelesen, d));
    ASSERT_EQ(KennlinieSpeichern(Pfad("b.dle"), gelesen), 0);
    EXPECT_EQ(Lesen(dir_ / "b.dle"), b);

    // The fixed value goes through input 2's scaling and comes back the same.
    EXPECT_DOUBLE_EQ(BegrenzungAusDatei(d.konfig, BegrenzungZuDatei(d.konfig, 12.5)), 12.5);
    EXPECT_DOUBLE_EQ(BegrenzungZuDatei(d.konfig, -50.0), 0.0);

    // Undefined bytes are ignored, a longer file is accepted.
    std::string fremd = b + "Anhang";
    fremd[25] = 'x';        // after the title's NUL
    fremd[1037] = 'p';      // padding
    fremd[36 + 900] = 'k';  // after the comment's NUL
    fremd[1436 + 10] = 'q'; // point padding
    Schreiben(dir_ / "fremd.dle", fremd);
    ASSERT_EQ(KennlinieLaden(Pfad("fremd.dle"), gelesen), 0);
    EXPECT_TRUE(Gleich(gelesen, d));
}

TEST_F(Dateien, AbgelehnteDateienAendernNichts) {
    const std::string gut = KennlinieDateiBytes(Beispiel());
    KennlinienDatei ziel;
    ziel.kurve.kommentar = "bleibt";
    const auto pruefen = [&](const char* name, std::string_view inhalt, int code) {
        Schreiben(dir_ / name, inhalt);
        EXPECT_EQ(KennlinieLaden(Pfad(name), ziel), code) << name;
        EXPECT_EQ(ziel.kurve.kommentar, "bleibt") << name;
        EXPECT_EQ(ziel.kurve.punkte, NeuePunkte()) << name;
    };
    std::string v1 = gut;
    v1[32] = 1;
    pruefen("v1.dle", v1, KennlFehler::LadenVersion);
    pruefen("konfig.dlo", KonfigDateiBytes(KonfigStandardwerte()) + std::string(2000, '\0'), KennlFehler::LadenTitel);
    pruefen("kurz.dle", gut.substr(0, 1423), KennlFehler::LadenKopf);
    EXPECT_EQ(KennlinieLaden(Pfad("fehlt.dle"), ziel), KennlFehler::LadenOeffnen);
    EXPECT_EQ(KennlinieLaden(dir_.string(), ziel), KennlFehler::LadenOeffnen);
    // A FIFO is refused at once instead of blocking the caller.
    ASSERT_EQ(::mkfifo(Pfad("fifo.dle").c_str(), 0600), 0);
    EXPECT_EQ(KennlinieLaden(Pfad("fifo.dle"), ziel), KennlFehler::LadenOeffnen);
    EXPECT_EQ(ziel.kurve.kommentar, "bleibt");
}

TEST_F(Dateien, BeschaedigteAnzahlGibtDenEinzelnenStartpunkt) {
    const std::string gut = KennlinieDateiBytes(Beispiel());
    const auto mitAnzahl = [&](std::int32_t anzahl, std::size_t punkte) {
        std::string b = gut.substr(0, 1424 + punkte * 12);
        Int32Schreiben(reinterpret_cast<unsigned char*>(b.data()) + 1392, anzahl);
        return b;
    };
    // More points announced than the file holds: the read error, and nothing written.
    for (auto [anzahl, punkte] : std::initializer_list<std::pair<std::int32_t, std::size_t>>{
             {5, 3}, {4, 3}, {0x7FFFFFFF, 3}, {1000000, 2}, {1, 0}}) {
        Schreiben(dir_ / "d.dle", mitAnzahl(anzahl, punkte));
        KennlinienDatei d;
        d.kurve.kommentar = "bleibt";
        EXPECT_EQ(KennlinieLaden(Pfad("d.dle"), d), KennlFehler::LadenKopf) << anzahl;
        EXPECT_EQ(KennlinieDateiAuswerten(mitAnzahl(anzahl, punkte), d), KennlFehler::LadenKopf) << anzahl;
        EXPECT_EQ(d.kurve.kommentar, "bleibt");
    }
    for (auto [anzahl, punkte] :
         std::initializer_list<std::pair<std::int32_t, std::size_t>>{{-1, 3}, {0, 3}, {-2147483647 - 1, 0}}) {
        Schreiben(dir_ / "d.dle", mitAnzahl(anzahl, punkte));
        KennlinienDatei d;
        d.kurve.punkte.clear();
        ASSERT_EQ(KennlinieLaden(Pfad("d.dle"), d), 0) << anzahl;
        EXPECT_EQ(d.kurve.punkte, NeuePunkte()) << anzahl;
        EXPECT_EQ(d.kurve.kommentar, Beispiel().kurve.kommentar);
        EXPECT_EQ(d.begrenzungRoh, 1234.25);
        EXPECT_EQ(d.anstiegszeit, 25.59375);
        EXPECT_EQ(d.konfig.inskalamin[1], -50.0);
    }
    // Far more points than any curve can have count as damage even when the bytes are there.
    std::string viele = mitAnzahl(70000, 0) + std::string(70000 * 12, '\0');
    Schreiben(dir_ / "viele.dle", viele);
    KennlinienDatei v;
    EXPECT_EQ(KennlinieLaden(Pfad("viele.dle"), v), KennlFehler::LadenKopf);

    // Fewer points than stored are read as announced.
    Schreiben(dir_ / "zwei.dle", mitAnzahl(2, 3));
    KennlinienDatei d;
    ASSERT_EQ(KennlinieLaden(Pfad("zwei.dle"), d), 0);
    EXPECT_EQ(d.kurve.punkte.size(), 2u);

    // No NaN or infinity enters through a file.
    std::string b = gut;
    DoubleSchreiben(reinterpret_cast<unsigned char*>(b.data()) + 1400, std::nan(""));
    DoubleSchreiben(reinterpret_cast<unsigned char*>(b.data()) + 1408, HUGE_VAL);
    ASSERT_EQ(KennlinieDateiAuswerten(b, d), 0);
    EXPECT_EQ(d.begrenzungRoh, 0.0);
    EXPECT_EQ(d.anstiegszeit, 0.1);
}

TEST_F(Dateien, FehlgeschlagenesSpeichernBehaeltDieAlteDatei) {
    const fs::path p = dir_ / "alt.dle";
    ASSERT_EQ(KennlinieSpeichern(p.string(), Beispiel()), 0);
    const std::string alt = Lesen(p);

    KennlinienDatei d = Beispiel();
    d.kurve.kommentar = "Ω kann Windows-1252 nicht";
    EXPECT_FALSE(KommentarSpeicherbar(d.kurve.kommentar));
    EXPECT_EQ(KennlinieSpeichern(p.string(), d), KennlFehler::SpeichernKopf);
    d.kurve.kommentar = std::string(1000, 'x');
    EXPECT_EQ(KennlinieSpeichern(p.string(), d), KennlFehler::SpeichernKopf);
    EXPECT_EQ(KennlinieSpeichern(Pfad("fehlt/x.dle"), Beispiel()), KennlFehler::SpeichernOeffnen);
    fs::create_directory(dir_ / "ordner.dle");
    EXPECT_EQ(KennlinieSpeichern(Pfad("ordner.dle"), Beispiel()), KennlFehler::SpeichernKopf);
    EXPECT_EQ(Lesen(p), alt);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2) << "no temporary files left";

    d.kurve.kommentar = std::string(999, 'x');
    ASSERT_EQ(KennlinieSpeichern(p.string(), d), 0);
    KennlinienDatei gelesen;
    ASSERT_EQ(KennlinieLaden(p.string(), gelesen), 0);
    EXPECT_EQ(gelesen.kurve.kommentar.size(), 999u);
}

TEST_F(Dateien, ExportUndImport) {
    const std::string kopf = "# Kennlinie exportiert aus DLM7-Steuerung\r\n"
                             "# Spalte 1 = X-Wert in Prozent\r\n"
                             "# Spalte 2 = Y-Wert in Prozent\r\n\r\n";
    EXPECT_EQ(KennlinieExportText(NeuePunkte()), kopf + "0.00\t100.00\r\n\r\n");
    ASSERT_EQ(KennlinieExportieren(Pfad("k.txt"), {{0, 2047, 0}, {1, 1, 0}}), 0);
    EXPECT_EQ(Lesen(dir_ / "k.txt"), kopf + "0.00\t0.00\r\n49.99\t0.02\r\n\r\n");
    ImportErgebnis e = KennlinieImportieren(Pfad("k.txt"));
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.punkte, (Kennlinienpunkte{{0, 2047, 0}, {0, 0, 0}})) << "two decimals, truncated on the way back";

    e = Import("0\t0\r\n100\t100\r\n");
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.punkte, (Kennlinienpunkte{{0, 4095, 0}, {4095, 0, 0}}));
    EXPECT_TRUE(e.meldung.empty());
    // Blanks, comments, a leading '+', several separators, text after Y, no final line end.
    e = Import("  # Kopf\n   \n\n  +0.0  \t 50 Rest\n# mitten\n50\t\t25.5x\n75 -0");
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.punkte, (Kennlinienpunkte{{2047, 2047, 0}, {1044, 1023, 0}, {0, 0, 0}}));

    // Only the first 95 characters of a line count.
    e = Import("0\t1" + std::string(92, ' ') + "9\r\n");
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.punkte[0].yWert, 40);
    e = Import("0\t0\n" + std::string(95, '#') + "\n50\t0\n");
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.punkte.size(), 2u);
}

TEST_F(Dateien, GrenzfaelleVonFestwertZeilenlaengeUndStartpunkt) {
    // The fixed value is a double in the file: 1.1 V through input 2's scaling
    // is 450.45, which a float cannot hold.
    KennlinienDatei d = Beispiel();
    d.konfig = KonfigStandardwerte();
    d.begrenzungRoh = BegrenzungZuDatei(d.konfig, 1.1);
    ASSERT_NE(static_cast<double>(static_cast<float>(d.begrenzungRoh)), d.begrenzungRoh);
    ASSERT_EQ(KennlinieSpeichern(Pfad("fest.dle"), d), 0);
    const std::string b = Lesen(dir_ / "fest.dle");
    ASSERT_GE(b.size(), 1408u);
    unsigned char erwartet[8];
    DoubleSchreiben(erwartet, d.begrenzungRoh);
    EXPECT_EQ(b.substr(1400, 8), std::string(reinterpret_cast<const char*>(erwartet), 8));
    KennlinienDatei gelesen;
    ASSERT_EQ(KennlinieLaden(Pfad("fest.dle"), gelesen), 0);
    EXPECT_EQ(gelesen.begrenzungRoh, d.begrenzungRoh);
    EXPECT_EQ(BegrenzungAusDatei(gelesen.konfig, gelesen.begrenzungRoh), BegrenzungAusDatei(d.konfig, d.begrenzungRoh));

    // The 95th character of a line is read, the 96th is not: leading zeros
    // put the Y digit there.
    ImportErgebnis e = Import("0\t" + std::string(92, '0') + "5\r\n");
    ASSERT_EQ(e.code, 0);
    ASSERT_EQ(e.punkte.size(), 1u);
    EXPECT_EQ(e.punkte[0].yWert, 204); // 5 %
    e = Import("0\t" + std::string(93, '0') + "5\r\n");
    ASSERT_EQ(e.code, 0);
    ASSERT_EQ(e.punkte.size(), 1u);
    EXPECT_EQ(e.punkte[0].yWert, 0);

    // The first line may start up to a millionth of a percent off 0.
    e = Import("0.000001\t5\n10\t5\n");
    ASSERT_EQ(e.code, 0) << e.meldung;
    ASSERT_EQ(e.punkte.size(), 2u);
    EXPECT_EQ(e.punkte[0].laenge, 409);
    e = Import("0.0000011\t5\n10\t5\n");
    EXPECT_EQ(e.code, KennlFehler::ImportNichtBeiNull);
    EXPECT_EQ(e.meldung, "Fehler in Zeile 1:\nKurve muß bei X=0 beginnen.");
}

TEST_F(Dateien, ImportfehlerMitZeileUndCode) {
    const auto pruefen = [&](std::string_view text, int code, const std::string& meldung) {
        const ImportErgebnis e = Import(text);
        EXPECT_EQ(e.code, code) << text;
        EXPECT_EQ(e.meldung, meldung) << text;
        EXPECT_TRUE(e.punkte.empty());
    };
    pruefen("# a\r\n0\t0\r\n\r\n# b\r\n\r\n50.5\t-1\r\n", KennlFehler::ImportYBereich,
            "Fehler in Zeile 6:\nY-Wert von -1.000% ist nicht erlaubt '50.5\t-1'.");
    pruefen("0\t0\n100.0004\t7 %s%n\n", KennlFehler::ImportXBereich,
            "Fehler in Zeile 2:\nX-Wert von 100.000% ist nicht erlaubt '100.0004\t7 %s%n'.");
    pruefen("0\t0\n10.00\t5\n10.01\t6\n", KennlFehler::ImportAbstandNull,
            "Fehler in Zeile 3:\nX-Unterschied zwischen zwei Punkten muß größer Null sein.");
    pruefen("# nur\r\n# Kommentar\r\n   \r\n", KennlFehler::ImportKeineDaten, "Keine Kurvendaten gefunden.");
    pruefen("", KennlFehler::ImportKeineDaten, "Keine Kurvendaten gefunden.");
    pruefen("0.1\t5\n", KennlFehler::ImportNichtBeiNull, "Fehler in Zeile 1:\nKurve muß bei X=0 beginnen.");
    pruefen("0\t5\n20\t5\n20\t6\n", KennlFehler::ImportNichtFortlaufend,
            "Fehler in Zeile 3:\nX-Achse nicht fortlaufend.");
    for (const char* falsch : {"0\n", "0,5\t1\n", "0\tx\n", "0-5\n", "\t\n", "nan\t1\n", "0\tinf\n", "0\t+-1\n"})
        pruefen(falsch, KennlFehler::ImportWerte, "Fehler in Zeile 1:\nFalsche oder zu wenig Werte.");
    // The line's text is shown as the file holds it (Windows-1252).
    pruefen("0\t101 \xE4\n", KennlFehler::ImportYBereich,
            "Fehler in Zeile 1:\nY-Wert von 101.000% ist nicht erlaubt '0\t101 ä'.");

    EXPECT_EQ(KennlinieImportieren(Pfad("fehlt.txt")).code, KennlFehler::ImportOeffnen);
    ASSERT_EQ(::mkfifo(Pfad("fifo.txt").c_str(), 0600), 0);
    EXPECT_EQ(KennlinieImportieren(Pfad("fifo.txt")).code, KennlFehler::ImportOeffnen);
    EXPECT_EQ(KennlinieImportieren(dir_.string()).code, KennlFehler::ImportOeffnen);

    // Export failures leave an existing file alone.
    Schreiben(dir_ / "alt.txt", "alt");
    fs::create_directory(dir_ / "ordner.txt");
    EXPECT_EQ(KennlinieExportieren(Pfad("ordner.txt"), NeuePunkte()), KennlFehler::ExportSchreiben);
    EXPECT_EQ(KennlinieExportieren(Pfad("fehlt/x.txt"), NeuePunkte()), KennlFehler::ExportOeffnen);
    EXPECT_EQ(Lesen(dir_ / "alt.txt"), "alt");
}

TEST_F(Dateien, ImportImEditorIstEinRueckgaengigSchritt) {
    KennlinienBearbeiter e;
    e.kurve.kommentar = "bleibt";
    Schreiben(dir_ / "falsch.txt", "0\t0\n50.5\t-1\n");
    Bearbeitung b = e.Importieren(Pfad("falsch.txt"));
    EXPECT_EQ(b.titel, "Importfehler");
    EXPECT_EQ(b.fehlercode, KennlFehler::ImportYBereich);
    EXPECT_FALSE(b.meldung.empty());
    EXPECT_EQ(e.kurve.punkte, NeuePunkte());
    EXPECT_FALSE(e.geaendert);
    EXPECT_FALSE(e.RueckgaengigMoeglich());

    Schreiben(dir_ / "gut.txt", "0\t0\n100\t100\n");
    b = e.Importieren(Pfad("gut.txt"));
    EXPECT_EQ(b.fehlercode, 0);
    EXPECT_TRUE(b.geaendert);
    EXPECT_EQ(e.kurve.punkte.size(), 2u);
    EXPECT_EQ(e.kurve.kommentar, "bleibt");
    EXPECT_TRUE(e.geaendert);
    ASSERT_TRUE(e.Rueckgaengig());
    EXPECT_EQ(e.kurve.punkte, NeuePunkte());
}

TEST_F(Dateien, DeutschesLocaleAendertDieZahlenNicht) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    ASSERT_EQ(std::localeconv()->decimal_point, ","s);
    const Kennlinienpunkte p{{0, 1000, 0}, {2047, 0, 0}};
    const int rc = KennlinieExportieren(Pfad("de.txt"), p);
    const std::string text = Lesen(dir_ / "de.txt");
    const ImportErgebnis e = KennlinieImportieren(Pfad("de.txt"));
    const ImportErgebnis punkt = Import("0\t0\n12.5\t0.5\n");
    std::setlocale(LC_ALL, "C");
    ASSERT_EQ(rc, 0);
    EXPECT_NE(text.find("24.42\t49.99\r\n"), std::string::npos) << text;
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.punkte[0].laenge, 999); // 24.42 % is 999.999 steps, truncated
    ASSERT_EQ(punkt.code, 0);
    EXPECT_EQ(punkt.punkte[0].laenge, 511);
    EXPECT_EQ(punkt.punkte[1].yWert, 20);
}
