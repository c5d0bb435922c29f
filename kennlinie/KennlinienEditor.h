#pragma once
// The "Kennlinienregler" window's state and commands without any widget: the
// curve with its undo ring, the mark, the view, the display mode, the two
// parameters of the slot, the comment, the file name with the unsaved flag
// and the coordinate display. After each command the editor announces, once,
// which aspects changed; every view of the window redraws from that alone.
#include "kennlinie/KennlinieAnsicht.h"
#include "kennlinie/KennlinieBearbeiten.h"
#include "kennlinie/KennlinieGeraet.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Aspects of an announcement, combined bit by bit.
using Aenderungen = unsigned;
namespace Aenderung {
inline constexpr Aenderungen Punkte = 1u << 0;       // the curve's points (graphs)
inline constexpr Aenderungen Markierung = 1u << 1;   // the marked range
inline constexpr Aenderungen Ansicht = 1u << 2;      // X and Y range, display mode (graphs, scroll bar, Y zoom)
inline constexpr Aenderungen Parameter = 1u << 3;    // fixed value of output 2, rise time
inline constexpr Aenderungen Kommentar = 1u << 4;    // the comment (its preview)
inline constexpr Aenderungen Datei = 1u << 5;        // file name (title) and the unsaved flag
inline constexpr Aenderungen Rueckgaengig = 1u << 6; // whether undo and redo are possible
inline constexpr Aenderungen Koordinaten = 1u << 7;  // the X and Y display
inline constexpr Aenderungen Einheiten = 1u << 8;    // the configuration's units (labels, decimals)
inline constexpr Aenderungen Alle = (1u << 9) - 1;
} // namespace Aenderung

class KennlinienEditor {
  public:
    using Beobachter = std::function<void(Aenderungen)>;
    // Display modes as the settings file stores them.
    enum Darstellung { Linien = 1, Stufen = 2, LinienUndStufen = 3 };

    // Every command that changed something calls each observer once, in the
    // order they were added, after the change is complete.
    void Beobachten(Beobachter b) { beobachter_.push_back(std::move(b)); }

    const Kennlinie& kurve() const { return b_.kurve; }
    const Kennlinienpunkte& punkte() const { return b_.kurve.punkte; }
    const ::Markierung& markierung() const { return b_.markierung; }
    const ::Ansicht& ansicht() const { return ansicht_; }
    int darstellung() const { return darstellung_; }
    double begrenzung() const { return begrenzung_; }           // output 2's unit
    double anstiegszeit() const { return anstiegszeit_; }       // ms
    const std::string& dateiname() const { return dateiname_; } // path bytes as the system takes them
    bool geaendert() const { return b_.geaendert; }
    bool RueckgaengigMoeglich() const { return b_.RueckgaengigMoeglich(); }
    bool WiederherstellenMoeglich() const { return b_.WiederherstellenMoeglich(); }
    ::Koordinaten koordinaten() const { return koordinaten_; }
    // Counts every change of the points; a dialog opened on one state sees that it is stale.
    unsigned stand() const { return stand_; }
    // Counts the replacements of the whole curve (new, load, import, read);
    // what was drawn beside the old curve is stale after one.
    unsigned ersetzt() const { return ersetzt_; }

    // The window's set-up: a new curve, empty undo ring, whole view, no file;
    // announces every aspect. The display mode stays.
    void Zuruecksetzen(const KonfigDaten& k);
    // "Neu" after the unsaved-changes question: as Zuruecksetzen, but the undo
    // ring and the unsaved flag stay as they were.
    void Neu(const KonfigDaten& k);
    // A curve file was read: its curve, parameters and name, nothing unsaved, the whole view.
    void DateiUebernehmen(Kennlinie kurve, double begrenzung, double anstiegszeit, std::string pfad);
    // Saved under pfad.
    void Gespeichert(std::string pfad);
    // "Kennlinie importieren": one undo step and the whole view on success.
    Bearbeitung Importieren(const std::string& pfad);
    // The end of "von DLM-7 lesen": with a slot its curve and parameters; in
    // any case no file name and the whole view.
    void Gelesen(const std::optional<GelesenerSlot>& slot);
    // Replaces the points as they are, without undo step, flag or view
    // change: a curve that comes from elsewhere (a test, another window).
    void PunkteSetzen(Kennlinienpunkte punkte);
    // The comment editor closed with OK.
    void KommentarSetzen(const std::string& text);

    // Edits on the release of the mouse button (KennlinienBearbeiter's rules).
    Bearbeitung PunktZeichnen(const KonfigDaten& k, const Raster& r, double x, double y);
    Bearbeitung VerschiebenLoslassen(const KonfigDaten& k, const Raster& r, double x, double y, const Plotflaeche& f);
    Bearbeitung PunktKoordinatenAendern(const KonfigDaten& k, int punkt, double xFeld, double yFeld);
    Bearbeitung PunktAufloesen(double x, double y, const Plotflaeche& f);
    Bearbeitung GeradeTeilen(double x);
    // Previews while the button is held; they change nothing that is announced.
    std::optional<Zielpunkt> ZeichnenVorschau(const KonfigDaten& k, const Raster& r, double x, double y) const;
    Verschiebung VerschiebenPosition(const KonfigDaten& k, const Raster& r, double x, double y, const Plotflaeche& f);
    PunktDialog PunktDialogOeffnen(const KonfigDaten& k, double x, double y, const Plotflaeche& f) const;

    bool Rueckgaengig();
    bool Wiederherstellen();

    void MarkierenPosition(double x);
    void MarkierenLoslassen(double x);
    void AllesMarkieren();
    void MarkierungAufheben();

    void ZoomPlus();
    void ZoomMinus();
    void ZoomMarkierung();
    void ZoomGesamt();
    // Any view, e.g. the whole curve for a picture and back again.
    void AnsichtSetzen(const ::Ansicht& a);
    // End of a scroll at position 0..100.
    void Rollen(int position);
    void DarstellungSetzen(int d); // other values than 1..3 are ignored

    // Commands from input fields announce their aspect even when the value
    // stays, so the field shows again what the editor made of the input.
    // false: the Y range was refused (minimum not below maximum).
    bool YZoomSetzen(const KonfigDaten& k, double minEinheit, double maxEinheit);
    void BegrenzungSetzen(double wert);
    // The box realises only certain times: the nearest one is kept.
    void AnstiegszeitSetzen(double ms);

    // The coordinate display follows the mouse in input 2's and output 1's unit.
    void KoordinatenZeigen(::Koordinaten k);
    // The configuration changed: everything shown in units.
    void EinheitenGeaendert();

  private:
    struct Stand;
    Stand Merken() const;
    void Melden(const Stand& vorher, Aenderungen dazu = 0);
    // A new curve replaced the old: the view shows all of it, the coordinates start again.
    void KurveErsetzt();
    Bearbeitung Ausgefuehrt(const Stand& vorher, Bearbeitung b);

    KennlinienBearbeiter b_;
    ::Ansicht ansicht_;
    int darstellung_ = LinienUndStufen;
    double begrenzung_ = 0.0;
    double anstiegszeit_ = kStartAnstiegszeit;
    std::string dateiname_;
    ::Koordinaten koordinaten_{0.0, 0.0};
    unsigned stand_ = 0;
    unsigned ersetzt_ = 0;
    std::vector<Beobachter> beobachter_;
};
