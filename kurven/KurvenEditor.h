#pragma once
// The editor behind "Kurvengenerator": it owns the four curves with their mark,
// clipboard and undo rings, the view range, the file name and the changed
// flag, and the display choices of the graph. Every command changes them and
// then announces what changed, so the views that show it follow by themselves.
//
// What is announced is found by comparing with the state last announced, so
// an announcement is exact whatever the command did, and a change made through
// Aendern() is announced like any other.
//
// Plain C++; the unit conversions read the configuration in force through the
// function given at construction.
#include "kurven/KurvenAnsicht.h"
#include "kurven/KurvenBearbeiten.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenGeraden.h"
#include "kurven/KurvenMaus.h"
#include "kurven/KurvenText.h"

#include <functional>
#include <string>
#include <vector>

namespace kurvengenerator {

struct GeleseneKurven;

// What a command changed; a view shows the aspects it depends on.
struct Aenderung {
    enum : unsigned {
        Punkte = 1u << 0,        // points of any curve: graphs, memory indicator
        Markierung = 1u << 1,    // the marked range
        Ansicht = 1u << 2,       // the visible time range: graph axis, scroll bar
        Parameter = 1u << 3,     // cycles, rest values, Y grid and bounds, comments
        Datei = 1u << 4,         // file path and changed flag: title
        Undo = 1u << 5,          // whether undo and redo are possible for the current curve
        Kurve = 1u << 6,         // which curve is edited
        Darstellung = 1u << 7,   // display mode, background curves, editing mode
        Konfiguration = 1u << 8, // the units of the outputs
        Alles = (1u << 9) - 1,
    };
};
using Aenderungen = unsigned;

// Display modes, as stored in the settings.
enum Darstellungsart { NurLinien = 1, NurStufen = 2, LinienUndStufen = 3 };

class KurvenEditor {
  public:
    using Beobachter = std::function<void(Aenderungen)>;
    using KonfigQuelle = std::function<const KonfigDaten&()>;

    // Without a source the standard configuration is used.
    explicit KurvenEditor(KonfigQuelle konfig = {});

    // Called after every command that changed something, in the order added.
    void Beobachten(Beobachter b);

    // What is shown.
    const Kurvensatz& satz() const { return satz_; }
    const Ansicht& ansicht() const { return ansicht_; }
    const KonfigDaten& konfig() const;
    int aktuelleKurve() const { return satz_.aktuelleKurve; }
    bool geaendert() const { return satz_.geaendert; }
    const std::string& dateiPfad() const { return satz_.dateiPfad; }
    bool rueckgaengigMoeglich() const { return RueckgaengigMoeglich(satz_); }
    bool wiederherstellenMoeglich() const { return WiederherstellenMoeglich(satz_); }
    int darstellung() const { return darstellung_; }
    bool hintergrund(int k) const;
    Bearbeitungsmodus modus() const { return modus_; }
    bool zeitbasisMarken() const { return zeitbasisMarken_; }
    // Counts the replacements of the whole curve set (new, load, import, read);
    // what was drawn beside the old curves is stale after one.
    unsigned ersetzt() const { return ersetzt_; }

    // Life cycle: the start-up state (everything announced), and the end.
    int Initialisieren();
    void Leeren();
    // The configuration was replaced: units of fields, axes and coordinates.
    void KonfigurationGeaendert();
    // Any change of the curve set not covered by a command (set-up of tests and tools).
    void Aendern(const std::function<void(Kurvensatz&)>& f);

    // "Datei". Loading and appending show the whole current curve.
    int Neu();
    LadeErgebnis Laden(const std::string& pfad);
    LadeErgebnis Anhaengen(const std::string& pfad);
    int Speichern(const std::string& pfad);
    ImportErgebnis Importieren(const std::string& pfad);
    void AlsGeaendertMarkieren();
    // "von DLM-7 lesen" succeeded: the curves read replace the points, no file.
    void GeleseneUebernehmen(GeleseneKurven&& g);

    // "Bearbeiten"
    int Kopieren();
    Bearbeitung Ausschneiden();
    Bearbeitung Einfuegen();
    Bearbeitung Loeschen();
    void AllesMarkieren();
    Bearbeitung Rueckgaengig();
    Bearbeitung Wiederherstellen();

    // Mouse editing on the graph (graph coordinates: microseconds, counts).
    Bearbeitung PunktZeichnen(double x, double y, int zeitbasis);
    Bearbeitung PunktVerschieben(int punkt, double x, double y);
    Bearbeitung PunktKoordinatenAendern(int punkt, const Zeitangabe& zeit, double wertEinheit);
    Bearbeitung PunktAufloesen(int punkt);
    Bearbeitung GeradeTeilen(double x);
    Bearbeitung ZeitbasisAendern(double x, int code);
    Bearbeitung GeradenlaengeAendern(int gerade, const Zeitangabe& dauer);
    void MarkierenZiehen(double x);
    void MarkierenLoslassen(double x);

    // "Ansicht" and the scroll bar.
    void ZoomPlus();
    void ZoomMinus();
    void ZoomMarkierung();
    void ZoomGesamt();
    void AnsichtSetzen(const Ansicht& a);
    void Scrollen(int prozent);

    // The current curve and its parameters. The Y bounds and the rest value
    // are announced even when refused or unchanged, so the fields show what is in force.
    void KurveWaehlen(int k);
    void YRasterSetzen(double raster);
    bool YZoomSetzen(double untenEinheit, double obenEinheit);
    void ZyklenUndRuhewertSetzen(long zyklen, double ruheEinheit);
    bool KommentarSetzen(const std::string& utf8);

    // Display choices (also from the settings file).
    void ModusWaehlen(Bearbeitungsmodus m);
    void DarstellungWaehlen(int d);
    void HintergrundSetzen(int k, bool an);

  private:
    // What the views were last told, to find what a command changed.
    struct Stand {
        std::array<std::vector<Kurvenpunkt>, kKurvenzahl> punkte;
        Markierung markierung;
        Ansicht ansicht;
        std::array<std::int32_t, kKurvenzahl> zyklen{}, ruhewert{}, yMin{}, yMax{};
        std::array<double, kKurvenzahl> yRaster{};
        std::array<std::string, kKurvenzahl> kommentare;
        std::string dateiPfad;
        bool geaendert = false;
        bool undo = false, redo = false;
        int kurve = 0;
        int darstellung = 0;
        std::array<bool, kKurvenzahl> hintergrund{};
        Bearbeitungsmodus modus = Bearbeitungsmodus::Zeichnen;
    };
    Stand JetzigerStand(bool mitPunkte) const;
    // Announces what differs from the last announcement, plus immer.
    void Melden(Aenderungen immer = 0);
    Bearbeitung Gemeldet(Bearbeitung b);

    KonfigQuelle konfig_;
    Kurvensatz satz_;
    Ansicht ansicht_;
    int darstellung_ = LinienUndStufen;
    std::array<bool, kKurvenzahl> hintergrund_{};
    Bearbeitungsmodus modus_ = Bearbeitungsmodus::Zeichnen;
    bool zeitbasisMarken_ = false;
    unsigned ersetzt_ = 0;
    Stand gemeldet_;
    std::vector<Beobachter> beobachter_;
};

} // namespace kurvengenerator
