#include "kennlinie/KennlinienEditor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace {

namespace A = Aenderung;
namespace fs = std::filesystem;

const KonfigDaten kK = KonfigStandardwerte();
const Plotflaeche kFlaeche{4095.0, 4095.0};

// An editor that has been through set-up and a first edit: a curve of two
// points, one undo step, unsaved, named a.dle.
struct Aufbau {
    KennlinienEditor e;
    std::vector<Aenderungen> meldungen;
    fs::path dir = fs::temp_directory_path() / ("kennlinie_editor_" + std::to_string(::getpid()));

    Aufbau() {
        fs::create_directories(dir);
        e.Beobachten([this](Aenderungen a) { meldungen.push_back(a); });
        e.Zuruecksetzen(kK);
        e.Gespeichert("a.dle");
        e.PunktZeichnen(kK, {}, 2000, 1000);
        meldungen.clear();
    }
    ~Aufbau() { fs::remove_all(dir); }

    std::string Datei(const char* name, const char* inhalt) {
        std::ofstream(dir / name, std::ios::binary) << inhalt;
        return (dir / name).string();
    }
};

struct Editor : ::testing::Test, Aufbau {};

struct Fall {
    const char* name;
    std::function<void(Aufbau&)> befehl;
    Aenderungen erwartet; // 0: nothing announced
};

} // namespace

// Each command, from the same start, announces once and exactly the aspects
// it changed; one that changes nothing announces nothing.
TEST(EditorMeldungen, JederBefehlMeldetGenauWasSichAenderte) {
    const Fall faelle[] = {
        {"Zuruecksetzen", [](Aufbau& t) { t.e.Zuruecksetzen(kK); }, A::Alle},
        {"Neu", [](Aufbau& t) { t.e.Neu(kK); }, A::Punkte | A::Datei},
        {"Neu nach Zoom",
         [](Aufbau& t) {
             t.e.ZoomPlus();
             t.meldungen.clear();
             t.e.Neu(kK);
         },
         A::Punkte | A::Datei | A::Ansicht},
        {"Neu nach Koordinaten",
         [](Aufbau& t) {
             t.e.KoordinatenZeigen({1.0, 2.0});
             t.meldungen.clear();
             t.e.Neu(kK);
         },
         A::Punkte | A::Datei | A::Koordinaten},
        {"Neu nach Parametern",
         [](Aufbau& t) {
             t.e.AnstiegszeitSetzen(50.0);
             t.meldungen.clear();
             t.e.Neu(kK);
         },
         A::Punkte | A::Datei | A::Parameter},
        {"DateiUebernehmen", [](Aufbau& t) { t.e.DateiUebernehmen(NeueKennlinie(), 0.0, 0.1, "b.dle"); },
         A::Punkte | A::Datei},
        {"DateiUebernehmen mit Kommentar und Parametern",
         [](Aufbau& t) {
             Kennlinie k = NeueKennlinie();
             k.kommentar = "x";
             t.e.DateiUebernehmen(k, 3.0, 50.0, "a.dle");
         },
         A::Punkte | A::Datei | A::Kommentar | A::Parameter},
        {"Gespeichert unter altem Namen", [](Aufbau& t) { t.e.Gespeichert("a.dle"); }, A::Datei},
        {"Gespeichert zweimal",
         [](Aufbau& t) {
             t.e.Gespeichert("a.dle");
             t.meldungen.clear();
             t.e.Gespeichert("a.dle");
         },
         0},
        {"Importieren",
         [](Aufbau& t) {
             t.e.ZoomPlus();
             t.e.KoordinatenZeigen({1.0, 2.0});
             t.meldungen.clear();
             EXPECT_TRUE(t.e.Importieren(t.Datei("k.txt", "0\t0\r\n100\t100\r\n")).geaendert);
         },
         A::Punkte | A::Ansicht | A::Koordinaten},
        {"Importieren fehlerhaft",
         [](Aufbau& t) {
             t.e.ZoomPlus();
             t.meldungen.clear();
             EXPECT_NE(t.e.Importieren(t.Datei("f.txt", "0\t0\r\n50.5\t-1\r\n")).fehlercode, 0);
         },
         0},
        {"Gelesen",
         [](Aufbau& t) {
             t.e.Gelesen(GelesenerSlot{NeuePunkte(), 2.0, 0.1});
         },
         A::Punkte | A::Datei | A::Parameter},
        {"Gelesen gescheitert", [](Aufbau& t) { t.e.Gelesen(std::nullopt); }, A::Datei},
        {"PunkteSetzen",
         [](Aufbau& t) {
             t.e.PunkteSetzen({{0, 1, 0}});
         },
         A::Punkte},
        {"KommentarSetzen", [](Aufbau& t) { t.e.KommentarSetzen("neu"); }, A::Kommentar},
        {"KommentarSetzen gespeichert",
         [](Aufbau& t) {
             t.e.Gespeichert("a.dle");
             t.meldungen.clear();
             t.e.KommentarSetzen("neu");
         },
         A::Kommentar | A::Datei},
        {"KommentarSetzen gleich", [](Aufbau& t) { t.e.KommentarSetzen(""); }, 0},
        {"PunktZeichnen", [](Aufbau& t) { t.e.PunktZeichnen(kK, {}, 3000, 500); }, A::Punkte},
        {"PunktZeichnen gespeichert",
         [](Aufbau& t) {
             t.e.Gespeichert("a.dle");
             t.meldungen.clear();
             t.e.PunktZeichnen(kK, {}, 3000, 500);
         },
         A::Punkte | A::Datei},
        {"GeradeTeilen ohne Wirkung", [](Aufbau& t) { EXPECT_FALSE(t.e.GeradeTeilen(2000).geaendert); }, 0},
        {"GeradeTeilen", [](Aufbau& t) { t.e.GeradeTeilen(1000); }, A::Punkte},
        {"PunktAufloesen", [](Aufbau& t) { t.e.PunktAufloesen(2000, 1000, kFlaeche); }, A::Punkte},
        {"PunktKoordinatenAendern", [](Aufbau& t) { t.e.PunktKoordinatenAendern(kK, 1, 4.0, 3.0); }, A::Punkte},
        {"VerschiebenLoslassen",
         [](Aufbau& t) {
             t.e.VerschiebenPosition(kK, {}, 2000, 1000, kFlaeche);
             t.e.VerschiebenLoslassen(kK, {}, 2100, 1200, kFlaeche);
         },
         A::Punkte},
        {"Vorschauen",
         [](Aufbau& t) {
             t.e.ZeichnenVorschau(kK, {}, 3000, 500);
             t.e.VerschiebenPosition(kK, {}, 2000, 1000, kFlaeche);
             t.e.PunktDialogOeffnen(kK, 2000, 1000, kFlaeche);
         },
         0},
        {"Rueckgaengig", [](Aufbau& t) { EXPECT_TRUE(t.e.Rueckgaengig()); }, A::Punkte | A::Rueckgaengig},
        {"Wiederherstellen ohne Schritt", [](Aufbau& t) { EXPECT_FALSE(t.e.Wiederherstellen()); }, 0},
        {"Wiederherstellen",
         [](Aufbau& t) {
             t.e.Rueckgaengig();
             t.meldungen.clear();
             EXPECT_TRUE(t.e.Wiederherstellen());
         },
         A::Punkte | A::Rueckgaengig},
        {"AllesMarkieren", [](Aufbau& t) { t.e.AllesMarkieren(); }, A::Markierung},
        {"MarkierenPosition", [](Aufbau& t) { t.e.MarkierenPosition(3000); }, A::Markierung},
        {"MarkierenLoslassen",
         [](Aufbau& t) {
             t.e.MarkierenPosition(3000);
             t.meldungen.clear();
             t.e.MarkierenLoslassen(1000);
         },
         A::Markierung},
        {"MarkierungAufheben ohne Markierung", [](Aufbau& t) { t.e.MarkierungAufheben(); }, 0},
        {"ZoomPlus", [](Aufbau& t) { t.e.ZoomPlus(); }, A::Ansicht},
        {"ZoomGesamt ganz", [](Aufbau& t) { t.e.ZoomGesamt(); }, 0},
        {"ZoomMarkierung",
         [](Aufbau& t) {
             t.e.MarkierenPosition(1000);
             t.e.MarkierenLoslassen(3000);
             t.meldungen.clear();
             t.e.ZoomMarkierung();
         },
         A::Ansicht | A::Markierung},
        {"ZoomMarkierung ohne Markierung", [](Aufbau& t) { t.e.ZoomMarkierung(); }, 0},
        {"Rollen", [](Aufbau& t) { t.e.Rollen(50); }, A::Ansicht},
        {"DarstellungSetzen", [](Aufbau& t) { t.e.DarstellungSetzen(KennlinienEditor::Stufen); }, A::Ansicht},
        {"DarstellungSetzen ungueltig", [](Aufbau& t) { t.e.DarstellungSetzen(7); }, 0},
        {"YZoomSetzen", [](Aufbau& t) { EXPECT_TRUE(t.e.YZoomSetzen(kK, 2.0, 8.0)); }, A::Ansicht},
        {"YZoomSetzen abgelehnt", [](Aufbau& t) { EXPECT_FALSE(t.e.YZoomSetzen(kK, 8.0, 2.0)); }, A::Ansicht},
        {"BegrenzungSetzen", [](Aufbau& t) { t.e.BegrenzungSetzen(4.0); }, A::Parameter},
        {"AnstiegszeitSetzen", [](Aufbau& t) { t.e.AnstiegszeitSetzen(0.1); }, A::Parameter},
        {"KoordinatenZeigen",
         [](Aufbau& t) {
             t.e.KoordinatenZeigen({1.0, 2.0});
         },
         A::Koordinaten},
        {"KoordinatenZeigen gleich",
         [](Aufbau& t) {
             t.e.KoordinatenZeigen({0.0, 0.0});
         },
         0},
        {"EinheitenGeaendert", [](Aufbau& t) { t.e.EinheitenGeaendert(); },
         A::Einheiten | A::Ansicht | A::Parameter | A::Koordinaten},
    };
    for (const Fall& f : faelle) {
        Aufbau t;
        f.befehl(t);
        if (f.erwartet == 0)
            EXPECT_TRUE(t.meldungen.empty()) << f.name;
        else
            EXPECT_EQ(t.meldungen, std::vector<Aenderungen>{f.erwartet}) << f.name;
    }
}

// What the announced aspects stand for: the state after the command, in
// particular the view reset after each kind of new curve and the values
// the input fields get back.
TEST_F(Editor, NeueKurveZeigtAllesUndFelderBekommenDenWertInKraft) {
    const auto verstellen = [&] {
        e.ZoomPlus();
        e.YZoomSetzen(kK, 2.0, 8.0);
        e.KoordinatenZeigen({3.0, 4.0});
    };
    const auto ganz = [&](const char* wo) {
        EXPECT_EQ(e.ansicht().min, 0.0) << wo;
        EXPECT_EQ(e.ansicht().max, 4094.0) << wo;
        EXPECT_EQ(e.koordinaten().x, 0.0) << wo;
        EXPECT_EQ(e.koordinaten().y, 0.0) << wo;
    };
    verstellen();
    ASSERT_TRUE(e.Importieren(Datei("k.txt", "0\t0\r\n100\t100\r\n")).geaendert);
    ganz("Importieren");
    EXPECT_TRUE(e.geaendert());
    EXPECT_TRUE(e.RueckgaengigMoeglich());
    verstellen();
    e.Gelesen(GelesenerSlot{{{1, 2, 0}, {3, 0, 0}}, std::nullopt, 0.1});
    ganz("Gelesen");
    EXPECT_EQ(e.dateiname(), "");
    EXPECT_EQ(e.punkte().size(), 2u);
    verstellen();
    e.DateiUebernehmen(NeueKennlinie(), 1.0, 2.0, "b.dle");
    ganz("DateiUebernehmen");
    EXPECT_FALSE(e.geaendert());
    verstellen();
    e.Neu(kK);
    ganz("Neu");
    EXPECT_EQ(e.dateiname(), "");

    // A refused Y zoom keeps the range in force; the rise time is the one the box realises.
    EXPECT_TRUE(e.YZoomSetzen(kK, 2.0, 8.0));
    const Ansicht vorher = e.ansicht();
    EXPECT_FALSE(e.YZoomSetzen(kK, 5.0, 5.0));
    EXPECT_EQ(e.ansicht().yMin, vorher.yMin);
    EXPECT_EQ(e.ansicht().yMax, vorher.yMax);
    e.AnstiegszeitSetzen(0.15);
    EXPECT_EQ(e.anstiegszeit(), AnstiegszeitRealisierbar(0.15));
    EXPECT_NE(e.anstiegszeit(), 0.15);

    // Every change of the points counts, so a dialog opened before sees it.
    const unsigned stand = e.stand();
    e.PunktZeichnen(kK, {}, 3000, 100);
    EXPECT_EQ(e.stand(), stand + 1);
    e.Rueckgaengig();
    EXPECT_EQ(e.stand(), stand + 2);
}
