#pragma once
// The window's controls and commands by name: the object names tests and
// the help find them by, shared by the parts that build them.
namespace Kennl {

// The seven edit modes, in menu order.
enum class Modus { Markieren, Zeichnen, Verschieben, KoordinatenAendern, KoordinatenAnzeigen, Aufloesen, Teilen };
inline constexpr int kModi = 7;
// Commands of the menus "Datei" and "Bearbeiten".
enum class Befehl {
    Neu,
    Laden,
    Speichern,
    SpeichernUnter,
    Importieren,
    Exportieren,
    CsvExportieren,
    AllesMarkieren,
    Rueckgaengig,
    Wiederherstellen,
    ZoomPlus,
    ZoomMinus,
    ZoomMarkierung,
    ZoomGesamt,
};
// Number fields: the coordinate displays and the inputs.
enum class Feld { X, Y, XRaster, YRaster, YZoomMax, YZoomMin, Begrenzung, Anstiegszeit, KurvenNr };
enum class Knopf { Kommentar, Schreiben, Lesen, Ausgang4 };

const char* Name(Modus m);
const char* Name(Befehl b);
const char* Name(Feld f);
const char* Name(Knopf k);
// The menu entry of display mode 1..3 and its toolbar button.
const char* DarstellungsName(int d);
const char* DarstellungsKnopfName(int d);

} // namespace Kennl
