#include "KurvenHilfe.h"

#include "config/KonfigDatei.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenFehler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

using namespace kurvengenerator;

namespace {

Kurvensatz Beispielsatz() {
    Kurvensatz s;
    s.kurven[0] = KurveAus({{0, 5, 2}, {4095, 300, 11}, {17, 1, 11}});
    s.kurven[0].kommentar = "Rampe\nmit Ärger €";
    s.kurven[2] = KurveAus({{1234, 2, 1}});
    s.kurven[3].kommentar = std::string(999, 'k');
    s.zyklen = {0, 3, 65535, 7};
    s.ruhewert = {4095, 0, 12, 2000};
    return s;
}

KonfigDaten AndereKonfig() {
    KonfigDaten k = KonfigStandardwerte();
    SkalierungSetzen(k, Seite::Ausgang, 2, {0.0, 10.0, 0.0, 250.0});
    EinheitTextSetzen(k, Seite::Ausgang, 2, "°C");
    return k;
}

// A file header with the given point counts, followed by the given bytes.
std::string Kopf(std::array<std::int32_t, 4> anzahl, const std::string& rest) {
    std::string b = KurvenDateiBytes(Kurvensatz{}, KonfigStandardwerte()).substr(0, kKurvenDateiKopf);
    for (std::size_t k = 0; k < 4; ++k) Int32Schreiben(reinterpret_cast<unsigned char*>(&b[4424 + 12 * k]), anzahl[k]);
    return b + rest;
}

std::string Punkte(std::initializer_list<Kurvenpunkt> punkte) {
    Kurvensatz s;
    s.kurven[0].punkte.assign(punkte);
    s.kurven[1].punkte.clear();
    s.kurven[2].punkte.clear();
    s.kurven[3].punkte.clear();
    return KurvenDateiBytes(s, KonfigStandardwerte()).substr(kKurvenDateiKopf);
}

const std::vector<Kurvenpunkt> kFrisch{kFrischerPunkt};

} // namespace

TEST(KurvenDatei, SpeichernUndLadenByteFuerByte) {
    TempOrdner dir;
    const std::string pfad = dir / "satz.dlr";
    Kurvensatz s = Beispielsatz();
    s.geaendert = true;
    const KonfigDaten konfig = AndereKonfig();
    ASSERT_EQ(KurvenSpeichern(s, pfad, konfig), 0);
    EXPECT_EQ(s.dateiPfad, pfad);
    EXPECT_FALSE(s.geaendert);
    const std::string bytes = DateiLesen(pfad);
    ASSERT_EQ(bytes.size(), kKurvenDateiKopf + 12 * (3 + 1 + 1 + 1));
    EXPECT_EQ(bytes.substr(0, 27), std::string("ksv5 Kurvengenerator Datei\0", 27));
    EXPECT_EQ(bytes.substr(4472 + 12, 9), std::string("\xFF\x0F\0\0\x2C\x01\0\0\x0B", 9));
    EXPECT_EQ(bytes.substr(40, 17), "Rampe\nmit \xC4rger \x80");

    Kurvensatz geladen;
    geladen.geaendert = true;
    const LadeErgebnis e = KurvenLaden(geladen, pfad, konfig);
    ASSERT_EQ(e.code, 0);
    EXPECT_FALSE(e.konfigWeichtAb);
    EXPECT_EQ(KonfigurationenVergleichen(e.konfig, konfig), 1);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(geladen.kurven[k].punkte, s.kurven[k].punkte);
        EXPECT_EQ(geladen.kurven[k].kommentar, s.kurven[k].kommentar);
    }
    EXPECT_EQ(geladen.zyklen, s.zyklen);
    EXPECT_EQ(geladen.ruhewert, s.ruhewert);
    EXPECT_FALSE(geladen.geaendert);
    EXPECT_EQ(KurvenDateiBytes(geladen, e.konfig), bytes);

    // Under another current configuration the caller must ask.
    const LadeErgebnis anders = KurvenLaden(geladen, pfad, KonfigStandardwerte());
    EXPECT_TRUE(anders.konfigWeichtAb);
    EXPECT_EQ(KonfigurationenVergleichen(anders.konfig, konfig), 1);

    // Appending the file to itself doubles every curve.
    ASSERT_EQ(KurvenAnhaengen(geladen, pfad, konfig).code, 0);
    EXPECT_EQ(geladen.kurven[0].punktzahl(), 6);
    EXPECT_EQ(geladen.kurven[0].punkte[2], (Kurvenpunkt{17, 1, 11})); // old closing segment leads on
    EXPECT_EQ(geladen.kurven[0].punkte[3], s.kurven[0].punkte[0]);
    EXPECT_EQ(geladen.kurven[1].punktzahl(), 2);
    EXPECT_EQ(geladen.kurven[0].kommentar, s.kurven[0].kommentar);
    EXPECT_TRUE(geladen.geaendert);
    EXPECT_EQ(geladen.dateiPfad, pfad);
}

TEST(KurvenDatei, KopfAnhaengenUndKommentargrenze) {
    TempOrdner dir;
    // The header byte for byte, built here field by field.
    const Kurvensatz s = Beispielsatz();
    const KonfigDaten konfig = AndereKonfig();
    std::string kopf(kKurvenDateiKopf, '\0');
    auto* k = reinterpret_cast<unsigned char*>(kopf.data());
    kopf.replace(0, 26, "ksv5 Kurvengenerator Datei");
    Int32Schreiben(k + 32, 2);
    Int32Schreiben(k + 36, 4); // curves the box plays
    const std::string rampe = "Rampe\nmit \xC4rger \x80";
    kopf.replace(40, rampe.size(), rampe);
    kopf.replace(3040, 999, std::string(999, 'k'));
    for (std::size_t n = 0; n < 4; ++n) {
        Int32Schreiben(k + 4040 + 4 * n, s.zyklen[n]);
        Int32Schreiben(k + 4056 + 4 * n, s.ruhewert[n]);
        Int32Schreiben(k + 4424 + 12 * n, s.kurven[n].punktzahl());
    }
    kopf.replace(4072, 352, KonfigDateiBytes(konfig).substr(40));
    const std::string bytes = KurvenDateiBytes(s, konfig);
    ASSERT_GE(bytes.size(), kKurvenDateiKopf);
    EXPECT_EQ(bytes.substr(0, kKurvenDateiKopf), kopf);

    // Appending puts the file's points behind the existing ones, curve by
    // curve; comments, cycles and rest values stay.
    Kurvensatz anderer;
    anderer.kurven[0] = KurveAus({{100, 2, 3}, {200, 1, 3}});
    anderer.kurven[1] = KurveAus({{5, 7, 4}});
    anderer.kurven[2] = KurveAus({{9, 1, 1}, {8, 1, 1}});
    anderer.kurven[3] = KurveAus({{1, 1, 5}});
    anderer.kurven[0].kommentar = "fremd";
    anderer.zyklen = {9, 9, 9, 9};
    ASSERT_EQ(KurvenSpeichern(anderer, dir / "anderer.dlr", KonfigStandardwerte()), 0);
    Kurvensatz a = Beispielsatz();
    ASSERT_EQ(KurvenAnhaengen(a, dir / "anderer.dlr", KonfigStandardwerte()).code, 0);
    EXPECT_EQ(a.kurven[0].punkte,
              std::vector<Kurvenpunkt>({{0, 5, 2}, {4095, 300, 11}, {17, 1, 11}, {100, 2, 3}, {200, 1, 3}}));
    EXPECT_EQ(a.kurven[1].punkte, std::vector<Kurvenpunkt>({kFrischerPunkt, {5, 7, 4}}));
    EXPECT_EQ(a.kurven[2].punkte, std::vector<Kurvenpunkt>({{1234, 2, 1}, {9, 1, 1}, {8, 1, 1}}));
    EXPECT_EQ(a.kurven[3].punkte, std::vector<Kurvenpunkt>({kFrischerPunkt, {1, 1, 5}}));
    EXPECT_EQ(a.kurven[0].kommentar, Beispielsatz().kurven[0].kommentar);
    EXPECT_EQ(a.zyklen, Beispielsatz().zyklen);

    // A comment slot without its NUL gives 999 characters, not the slot's
    // 1000th byte nor the next comment.
    std::string voll = bytes;
    voll.replace(40, 1000, std::string(1000, 'x'));
    voll.replace(1040, 5, std::string("zwei\0", 5));
    DateiSchreiben(dir / "voll.dlr", voll);
    Kurvensatz geladen;
    ASSERT_EQ(KurvenLaden(geladen, dir / "voll.dlr", konfig).code, 0);
    EXPECT_EQ(geladen.kurven[0].kommentar, std::string(999, 'x'));
    EXPECT_EQ(geladen.kurven[1].kommentar, "zwei");
}

TEST(KurvenDatei, UnlesbareKurvenWerdenFrisch) {
    TempOrdner dir;
    const std::string pfad = dir / "kurz.dlr";
    Kurvensatz s = Beispielsatz();
    // A curve whose points run past the end of the file: a truncated file, the
    // read error, and nothing changes, the path included.
    DateiSchreiben(pfad, Kopf({2, 5, 1, 0}, Punkte({{7, 3, 1}, {8, 1, 1}, {9, 1, 1}})));
    s.dateiPfad = "vorher.dlr";
    EXPECT_EQ(KurvenLaden(s, pfad, KonfigStandardwerte()).code, KurvenFehler::LadenKopf);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(s.kurven[k].punkte, Beispielsatz().kurven[k].punkte);
    EXPECT_EQ(s.dateiPfad, "vorher.dlr");

    // Negative, absurd and too large counts neither crash nor allocate.
    DateiSchreiben(pfad, Kopf({1, -1, 2147483647, 1000000}, Punkte({{7, 3, 1}, {8, 1, 1}})));
    ASSERT_EQ(KurvenLaden(s, pfad, KonfigStandardwerte()).code, 0);
    EXPECT_EQ(s.kurven[0].punkte, std::vector<Kurvenpunkt>({{7, 3, 1}}));
    for (std::size_t k = 1; k < 4; ++k) EXPECT_EQ(s.kurven[k].punkte, kFrisch);
    // A count of zero gives the fresh curve; the next curve still reads its points.
    DateiSchreiben(pfad, Kopf({0, 1, 0, 0}, Punkte({{7, 3, 1}})));
    ASSERT_EQ(KurvenLaden(s, pfad, KonfigStandardwerte()).code, 0);
    EXPECT_EQ(s.kurven[0].punkte, kFrisch);
    EXPECT_EQ(s.kurven[1].punkte, std::vector<Kurvenpunkt>({{7, 3, 1}}));

    // Appending such a file keeps the curves it cannot deliver.
    Kurvensatz a = Beispielsatz();
    DateiSchreiben(pfad, Kopf({1, -1, 1, 1}, Punkte({{7, 3, 1}})));
    ASSERT_EQ(KurvenAnhaengen(a, pfad, KonfigStandardwerte()).code, 0);
    EXPECT_EQ(a.kurven[0].punktzahl(), Beispielsatz().kurven[0].punktzahl() + 1);
    EXPECT_EQ(a.kurven[2].punkte, Beispielsatz().kurven[2].punkte);
    // A truncated one changes nothing.
    Kurvensatz b = Beispielsatz();
    DateiSchreiben(pfad, Kopf({1, 4, 1, 1}, Punkte({{7, 3, 1}})));
    EXPECT_EQ(KurvenAnhaengen(b, pfad, KonfigStandardwerte()).code, KurvenFehler::LadenKopf);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(b.kurven[k].punkte, Beispielsatz().kurven[k].punkte);
    EXPECT_FALSE(b.geaendert);
}

TEST(KurvenDatei, FehlerLassenDieKurvenStehen) {
    TempOrdner dir;
    const Kurvensatz vorher = Beispielsatz();
    Kurvensatz s = vorher;
    s.dateiPfad = dir / "alt.dlr";
    auto laden = [&](const std::string& pfad) { return KurvenLaden(s, pfad, KonfigStandardwerte()).code; };
    EXPECT_EQ(laden(dir / "fehlt.dlr"), KurvenFehler::LadenOeffnen);
    EXPECT_EQ(s.dateiPfad, dir / "alt.dlr"); // a failed load keeps the file name too
    EXPECT_EQ(laden(dir.pfad.string()), KurvenFehler::LadenOeffnen);
    ASSERT_EQ(::mkfifo((dir / "rohr").c_str(), 0600), 0);
    EXPECT_EQ(laden(dir / "rohr"), KurvenFehler::LadenOeffnen);
    const std::string gut = KurvenDateiBytes(vorher, KonfigStandardwerte());
    DateiSchreiben(dir / "kurz.dlr", gut.substr(0, 4471));
    EXPECT_EQ(laden(dir / "kurz.dlr"), KurvenFehler::LadenKopf);
    std::string titel = gut;
    titel[0] = 'K';
    DateiSchreiben(dir / "titel.dlr", titel);
    EXPECT_EQ(laden(dir / "titel.dlr"), KurvenFehler::LadenTitel);
    std::string version = gut;
    version[32] = 3;
    DateiSchreiben(dir / "version.dlr", version);
    EXPECT_EQ(laden(dir / "version.dlr"), KurvenFehler::LadenVersion);
    EXPECT_EQ(laden(dir / "version.dlr"), KurvenFehler::LadenVersion);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(s.kurven[k].punkte, vorher.kurven[k].punkte);

    // A failed save leaves whatever was there.
    EXPECT_EQ(KurvenSpeichern(s, dir / "nicht/da.dlr", KonfigStandardwerte()), KurvenFehler::SpeichernOeffnen);
    std::filesystem::create_directory(dir / "ordner.dlr");
    EXPECT_EQ(KurvenSpeichern(s, dir / "ordner.dlr", KonfigStandardwerte()), KurvenFehler::SpeichernKopf);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "ordner.dlr"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.pfad), {}), 5); // no temporary file left
    // The set still belongs to alt.dlr.
    EXPECT_FALSE(SpeichernFragtPfad(s, false));
}
