#pragma once
// Editing the curve with the mouse and the undo ring: every rule of the seven
// edit modes and of the commands, as plain functions a window (or a test)
// calls with graph coordinates (raw doubles). Messages come back as UTF-8
// text for a one-button popup; nothing here draws or asks.
#include "kennlinie/Kennlinie.h"
#include "kennlinie/KennlinieAnsicht.h"

#include <array>
#include <optional>
#include <string>

namespace KennlMeldung {
inline constexpr const char* Titel = "Fehler";
inline constexpr const char* ImportTitel = "Importfehler";
inline constexpr const char* GeradeZuLang = "Gerade zu lang!";
inline constexpr const char* ResultierendeZuLang = "Resultierende Gerade ist zu lang!";
inline constexpr const char* Unvorhergesehen = "Unvorhergesehene Operation.";
inline constexpr const char* ErsterPunkt = "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.";
inline constexpr const char* XZuGross = "Die angegebene X-Koordinate ist größer als der Maximalwert.";
inline constexpr const char* XKleinerVorgaenger =
    "Die angegebene X-Koordinate ist zu klein \n(Der Punkt kann nicht auf einen X-Wert kleiner oder gleich dem "
    "\ndes vorherigen Punktes verschoben werden).";
inline constexpr const char* XGroesserNachfolger =
    "Die angegebene X-Koordinate ist zu groß \n(Der Punkt kann nicht auf einen X-Wert größer oder gleich dem "
    "\ndes nächsten Punktes verschoben werden).";
inline constexpr const char* ZuLangeGerade = "Das verschieben des Punktes hätte eine zu lange Gerade zur Folge.";
inline constexpr const char* YZuKlein = "Y-Wert zu klein.";
inline constexpr const char* YZuGross = "Y-Wert zu groß.";
inline constexpr const char* LetzterPunkt = "Letzter Punkt kann nicht gelöscht werden";
inline constexpr const char* NichtTeilbar =
    "Gerade kann nicht geteilt werden, da sie eine Länge \n von nur einer internen Rastereinheit hat.";
} // namespace KennlMeldung

// XRASTER (input 2's unit) and YRASTER (output 1's unit); 0 = no raster.
struct Raster {
    double x = 0.0;
    double y = 0.0;
};

// Snapping; every result is limited to 0..4095 and a whole number.
double RasterXRunden(const KonfigDaten& k, const Raster& r, double x);
double RasterXAufwaerts(const KonfigDaten& k, const Raster& r, double x); // next raster point above x
double RasterXAbwaerts(const KonfigDaten& k, const Raster& r, double x);  // raster point below x
double RasterYRunden(const KonfigDaten& k, const Raster& r, double y);    // grid through unit value 0

// Pixel size of the large graph's plot area.
struct Plotflaeche {
    double breite = 1.0;
    double hoehe = 1.0;
};

// Index of the point nearest to (x, y) in pixels of the current view (the Y
// scale counts as the full 0..4095 whatever the Y zoom); on a tie the earlier.
int NaechsterPunkt(const Kennlinienpunkte& punkte, double x, double y, const Ansicht& a, const Plotflaeche& f);
// The line under x: the smallest i with floor(x) + 1 <= X of point i + 1, else the last point.
int GeradeAnPosition(const Kennlinienpunkte& punkte, double x);

// X in input 2's unit, Y in output 1's unit, for the coordinate displays.
struct Koordinaten {
    double x;
    double y;
};
Koordinaten KoordinatenAnzeigen(const KonfigDaten& k, double x, double y);

// What an edit did: the curve changed (redraw), and a message to show.
struct Bearbeitung {
    bool geaendert = false;
    std::string meldung; // empty: nothing to show
    std::string titel = KennlMeldung::Titel;
    int fehlercode = 0; // for the error popup after the message
};

// Ten saved point lists with undo and redo counts.
class UndoRing {
  public:
    static constexpr int kSchritte = 10;
    void Merken(const Kennlinienpunkte& punkte);
    // Exchange the current points with a saved copy; false if there is none.
    bool Rueckgaengig(Kennlinienpunkte& punkte);
    bool Wiederherstellen(Kennlinienpunkte& punkte);
    bool RueckgaengigMoeglich() const { return rueckgaengig_ >= 1; }
    bool WiederherstellenMoeglich() const { return wiederherstellen_ >= 1; }

  private:
    std::array<Kennlinienpunkte, kSchritte> slots_;
    int rueckgaengig_ = 0;
    int wiederherstellen_ = 0;
    int index_ = 0; // the slot the next save goes to
};

// "Punkt zeichnen" target: where the new point would go.
struct Zielpunkt {
    double x;
    double y;
    long long laenge; // new length of the former last point
};

// "Punkt verschieben" preview: point k at (x, y); draw from the previous point
// and to the next only where the flags say so.
struct Verschiebung {
    int punkt;
    double x;
    double y;
    bool vonVorigem;
    bool zumNaechsten;
    Koordinaten anzeige; // the coordinate displays
};

// "Punktkoordinaten ändern" dialog contents.
struct PunktDialog {
    int punkt;
    std::string titel; // "Punkt %d"
    double xFeld;      // input 2's unit
    double yFeld;      // output 1's unit
};

// The rules of the edit modes over the curve and its undo ring; the
// window's editor object (KennlinienEditor) holds one and announces what
// they changed. The curve always has at least one point; an empty point list is left alone
// by every operation (point index -1 in the results).
class KennlinienBearbeiter {
  public:
    Kennlinie kurve = NeueKennlinie();
    Markierung markierung;
    bool geaendert = false; // unsaved changes

    // Saves the points for undo and marks the curve as changed.
    void RueckgaengigMerken();
    bool Rueckgaengig() { return ring_.Rueckgaengig(kurve.punkte); }
    bool Wiederherstellen() { return ring_.Wiederherstellen(kurve.punkte); }
    bool RueckgaengigMoeglich() const { return ring_.RueckgaengigMoeglich(); }
    bool WiederherstellenMoeglich() const { return ring_.WiederherstellenMoeglich(); }

    // "Punkt zeichnen": the preview on a position report (nullopt: none), the append on release.
    std::optional<Zielpunkt> ZeichnenVorschau(const KonfigDaten& k, const Raster& r, double x, double y) const;
    Bearbeitung PunktZeichnen(const KonfigDaten& k, const Raster& r, double x, double y);

    // "Punkt verschieben": the first position report of a drag picks the point.
    Verschiebung VerschiebenPosition(const KonfigDaten& k, const Raster& r, double x, double y, const Ansicht& a,
                                     const Plotflaeche& f);
    Bearbeitung VerschiebenLoslassen(const KonfigDaten& k, const Raster& r, double x, double y, const Ansicht& a,
                                     const Plotflaeche& f);

    // "Punktkoordinaten ändern": the dialog for the point nearest to the
    // release, then the fields as the user left them.
    PunktDialog PunktDialogOeffnen(const KonfigDaten& k, double x, double y, const Ansicht& a,
                                   const Plotflaeche& f) const;
    Bearbeitung PunktKoordinatenAendern(const KonfigDaten& k, int punkt, double xFeld, double yFeld);

    // "Punkt auflösen" and "Gerade teilen" on release.
    Bearbeitung PunktAufloesen(double x, double y, const Ansicht& a, const Plotflaeche& f);
    Bearbeitung GeradeTeilen(double x);

    // "Neu" after the unsaved-changes question: one point, empty comment, no
    // undo step, the changed flag as it was. The window also sets the fixed
    // value (NeueBegrenzung), the rise time (kStartAnstiegszeit) and the view.
    void Neu();

    // "Kennlinie importieren": one undo step on success; messages titled "Importfehler".
    Bearbeitung Importieren(const std::string& pfad);

  private:
    // VerschiebeGrenzen: x < 0 means no raster position between the neighbours.
    Zielpunkt VerschiebeGrenzen(const KonfigDaten& k, const Raster& r, int punkt, double x, double y) const;
    int Waehlen(double x, double y, const Ansicht& a, const Plotflaeche& f);

    UndoRing ring_;
    int verschobenerPunkt_ = 0;
    bool waehlenOffen_ = true;
};
