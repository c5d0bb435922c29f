// The editor of the curve generator without a window: every command
// announces exactly the aspects it changed, once, after the change is in place.
#include "KurvenHilfe.h"

#include "kurven/KurvenEditor.h"
#include "kurven/KurvenTransfer.h"

#include <gtest/gtest.h>

namespace {

using A = Aenderung;

std::string Namen(Aenderungen a) {
    const std::pair<unsigned, const char*> namen[] = {{A::Punkte, "Punkte"},
                                                      {A::Markierung, "Markierung"},
                                                      {A::Ansicht, "Ansicht"},
                                                      {A::Parameter, "Parameter"},
                                                      {A::Datei, "Datei"},
                                                      {A::Undo, "Undo"},
                                                      {A::Kurve, "Kurve"},
                                                      {A::Darstellung, "Darstellung"},
                                                      {A::Konfiguration, "Konfiguration"}};
    std::string s;
    for (const auto& [bit, name] : namen)
        if (a & bit) s += (s.empty() ? "" : "|") + std::string(name);
    return s.empty() ? "-" : s;
}

// An editor with three segments on curve 1, a second curve, and a record of announcements.
struct Aufbau {
    KurvenEditor e;
    std::vector<Aenderungen> gemeldet;
    Aufbau() {
        e.Beobachten([this](Aenderungen a) { gemeldet.push_back(a); });
        e.Initialisieren();
        e.Aendern([](Kurvensatz& s) {
            s.kurven[0].punkte = {{0, 10, 2}, {1000, 10, 2}, {2000, 10, 2}, {0, 1, 2}};
            s.kurven[1].punkte = {{500, 4, 7}, {0, 1, 7}};
        });
        gemeldet.clear();
    }
    Aenderungen Einmal() const { return gemeldet.size() == 1 ? gemeldet[0] : gemeldet.empty() ? 0u : ~0u; }
};

struct Fall {
    const char* name;
    std::function<void(KurvenEditor&)> vorher;
    std::function<void(KurvenEditor&)> befehl;
    Aenderungen erwartet;
};

void Markiert(KurvenEditor& e) {
    e.ModusWaehlen(Bearbeitungsmodus::Markieren);
    e.MarkierenZiehen(0);
    e.MarkierenLoslassen(10000);
}

} // namespace

// One row per command; 0 means that nothing may be announced.
TEST(KurvenEditor, JederBefehlMeldetGenauWasSichAendert) {
    const auto nichts = [](KurvenEditor&) {};
    const auto bearbeitet = [](KurvenEditor& e) { e.GeradeTeilen(5000); };
    const Fall faelle[] = {
        {"Neu", nichts, [](KurvenEditor& e) { e.Neu(); }, A::Punkte},
        {"Neu nach Zoom", [](KurvenEditor& e) { e.ZoomPlus(); }, [](KurvenEditor& e) { e.Neu(); },
         A::Punkte | A::Ansicht},
        {"Kopieren", Markiert, [](KurvenEditor& e) { e.Kopieren(); }, 0},
        {"Ausschneiden", Markiert, [](KurvenEditor& e) { e.Ausschneiden(); },
         A::Punkte | A::Markierung | A::Undo | A::Datei},
        {"Löschen ohne Markierung", nichts, [](KurvenEditor& e) { e.Loeschen(); }, 0},
        {"Einfügen", [](KurvenEditor& e) { Markiert(e), e.Kopieren(); }, [](KurvenEditor& e) { e.Einfuegen(); },
         A::Punkte | A::Undo | A::Datei | A::Markierung},
        {"Alles markieren", nichts, [](KurvenEditor& e) { e.AllesMarkieren(); }, A::Markierung},
        {"Rückgängig", bearbeitet, [](KurvenEditor& e) { e.Rueckgaengig(); }, A::Punkte | A::Undo},
        {"Wiederherstellen", [](KurvenEditor& e) { e.GeradeTeilen(5000), e.Rueckgaengig(); },
         [](KurvenEditor& e) { e.Wiederherstellen(); }, A::Punkte | A::Undo},
        {"Rückgängig ohne Schritt", nichts, [](KurvenEditor& e) { e.Rueckgaengig(); }, 0},
        {"Punkt zeichnen", nichts, [](KurvenEditor& e) { e.PunktZeichnen(40000, 3000, 2); },
         A::Punkte | A::Undo | A::Datei},
        {"Punkt auflösen", nichts, [](KurvenEditor& e) { e.PunktAufloesen(1); }, A::Punkte | A::Undo | A::Datei},
        {"Zoom +", nichts, [](KurvenEditor& e) { e.ZoomPlus(); }, A::Ansicht},
        {"Zoom -", nichts, [](KurvenEditor& e) { e.ZoomMinus(); }, A::Ansicht},
        {"Zoom Markierung", Markiert, [](KurvenEditor& e) { e.ZoomMarkierung(); }, A::Ansicht | A::Markierung},
        {"Zoom Markierung ohne", nichts, [](KurvenEditor& e) { e.ZoomMarkierung(); }, 0},
        {"Zoom Gesamtkurve", nichts, [](KurvenEditor& e) { e.ZoomGesamt(); }, A::Ansicht},
        {"Scrollen",
         [](KurvenEditor& e) {
             e.AnsichtSetzen({0, 999});
         },
         [](KurvenEditor& e) { e.Scrollen(50); }, A::Ansicht},
        {"Kurve wählen", bearbeitet, [](KurvenEditor& e) { e.KurveWaehlen(1); }, A::Kurve | A::Undo},
        {"dieselbe Kurve", nichts, [](KurvenEditor& e) { e.KurveWaehlen(0); }, 0},
        {"Y-Raster", nichts, [](KurvenEditor& e) { e.YRasterSetzen(0.5); }, A::Parameter},
        {"Y-Zoom", nichts, [](KurvenEditor& e) { e.YZoomSetzen(1.0, 5.0); }, A::Parameter},
        {"Y-Zoom abgelehnt", nichts, [](KurvenEditor& e) { e.YZoomSetzen(5.0, 1.0); }, A::Parameter},
        {"Zyklen", nichts, [](KurvenEditor& e) { e.ZyklenUndRuhewertSetzen(3, 0.0); }, A::Parameter | A::Datei},
        {"Kommentar", nichts, [](KurvenEditor& e) { e.KommentarSetzen("neu"); }, A::Parameter | A::Datei},
        {"Kommentar abgelehnt", nichts, [](KurvenEditor& e) { e.KommentarSetzen(std::string("a\0b", 3)); }, 0},
        {"Modus", nichts, [](KurvenEditor& e) { e.ModusWaehlen(Bearbeitungsmodus::Anzeigen); }, A::Darstellung},
        {"Modus löscht Markierung", Markiert, [](KurvenEditor& e) { e.ModusWaehlen(Bearbeitungsmodus::Zeichnen); },
         A::Darstellung | A::Markierung},
        {"Darstellung", nichts, [](KurvenEditor& e) { e.DarstellungWaehlen(NurLinien); }, A::Darstellung},
        {"Hintergrund", nichts, [](KurvenEditor& e) { e.HintergrundSetzen(2, true); }, A::Darstellung},
        {"Konfiguration", nichts, [](KurvenEditor& e) { e.KonfigurationGeaendert(); }, A::Konfiguration},
        {"geändert", nichts, [](KurvenEditor& e) { e.AlsGeaendertMarkieren(); }, A::Datei},
        {"gelesen",
         [](KurvenEditor& e) {
             e.AnsichtSetzen({0, 99});
         },
         [](KurvenEditor& e) {
             GeleseneKurven g;
             for (auto& p : g.punkte) p = {{100, 1, 1}, {200, 1, 1}};
             e.GeleseneUebernehmen(std::move(g));
         },
         A::Punkte | A::Ansicht},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Aufbau a;
        f.vorher(a.e);
        a.gemeldet.clear();
        f.befehl(a.e);
        EXPECT_EQ(Namen(a.Einmal()), Namen(f.erwartet)) << "announcements: " << a.gemeldet.size();
    }
}

// The views read the editor when told: by then the change is complete.
TEST(KurvenEditor, MeldungKommtNachDerAenderung) {
    Aufbau a;
    std::size_t punkte = 0;
    double ende = 0;
    a.e.Beobachten([&](Aenderungen) {
        punkte = a.e.satz().Aktuelle().punkte.size();
        ende = a.e.ansicht().ende;
    });
    a.e.PunktZeichnen(40000, 3000, 2);
    EXPECT_EQ(punkte, 5u);
    a.e.ZoomGesamt();
    EXPECT_EQ(ende, KurvenLaenge(a.e.satz().Aktuelle()) - 1);
}

// Files: loading, importing and saving announce the view reset, the title and
// the flag; a failure changes nothing and announces nothing.
TEST(KurvenEditor, DateibefehleMeldenAnsichtTitelUndFlag) {
    TempOrdner ordner;
    Aufbau a;
    a.e.KommentarSetzen("eins");
    a.e.ZoomPlus();
    a.gemeldet.clear();
    ASSERT_EQ(a.e.Speichern(ordner / "a.dlr"), 0);
    EXPECT_EQ(Namen(a.Einmal()), "Datei");
    EXPECT_FALSE(a.e.geaendert());

    Aufbau b;
    b.e.ZoomPlus();
    b.gemeldet.clear();
    EXPECT_NE(b.e.Laden(ordner / "fehlt.dlr").code, 0);
    EXPECT_TRUE(b.gemeldet.empty());
    ASSERT_EQ(b.e.Laden(ordner / "a.dlr").code, 0);
    EXPECT_EQ(Namen(b.Einmal()), "Ansicht|Parameter|Datei");
    b.e.ZoomPlus();
    b.gemeldet.clear();
    ASSERT_EQ(b.e.Laden(ordner / "a.dlr").code, 0);
    EXPECT_EQ(Namen(b.Einmal()), "Ansicht") << "loading shows the whole curve again";

    // Import: points of every curve in the table, an undo step, the whole curve in view.
    Aufbau c;
    c.e.Aendern([](Kurvensatz& s) { s.kurven[0].punkte = {{0, 100, 2}, {4000, 100, 2}, {0, 1, 2}}; });
    DateiSchreiben(ordner / "a.txt", KurvenExportText(c.e.satz()));
    Aufbau d;
    d.e.AnsichtSetzen({100, 199});
    d.gemeldet.clear();
    ASSERT_EQ(d.e.Importieren(ordner / "a.txt").code, 0);
    EXPECT_EQ(Namen(d.Einmal()), "Punkte|Ansicht|Datei|Undo");
    EXPECT_EQ(d.e.ansicht().start, 0.0);
    EXPECT_EQ(d.e.ansicht().ende, KurvenLaenge(d.e.satz().Aktuelle()) - 1);
}

// A change made outside the commands is announced, and the next command
// announces only its own change on top.
TEST(KurvenEditor, AendernMeldetNachVergleich) {
    Aufbau a;
    a.e.Aendern([](Kurvensatz& s) { s.kurven[3].punkte[0].wert = 7; });
    a.e.Aendern([](Kurvensatz& s) { s.zyklen[2] = 9; });
    a.e.Aendern([](Kurvensatz&) {});
    ASSERT_EQ(a.gemeldet.size(), 2u);
    EXPECT_EQ(Namen(a.gemeldet[0]), "Punkte");
    EXPECT_EQ(Namen(a.gemeldet[1]), "Parameter");
    a.gemeldet.clear();
    a.e.Initialisieren();
    EXPECT_EQ(Namen(a.Einmal()), Namen(A::Alles));
}
