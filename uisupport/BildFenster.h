#pragma once
// "Grafik exportieren…" and "Drucken…" of a window with a graph: the question
// for the range, the file or print dialog through the dialog service, then
// the picture with the window's own drawing.
#include "uisupport/Bildexport.h"

#include <functional>

class Werkzeugfenster;

inline constexpr const char* kMenueGrafikExportieren = "Grafik exportieren…";
inline constexpr const char* kMenueDrucken = "Drucken…";
inline constexpr const char* kTitelDrucken = "Drucken";
inline constexpr const char* kHilfeGrafikExportieren =
    "Speichert die Grafik mit Titel, Dateiname, Kommentar und Datum\n"
    "als Bild (PNG) oder als Vektorgrafik (SVG, PDF).";
inline constexpr const char* kHilfeDrucken = "Druckt die Grafik mit Titel, Dateiname, Kommentar und Datum.";

enum class Bildbereich { Ansicht, GanzeKurve };

// "Aktuelle Ansicht" or "Ganze Kurve"; nullopt when cancelled.
std::optional<Bildbereich> BildbereichFragen(const QString& titel);

// The file dialog (PNG, SVG, PDF), then the picture at kBildStandard.
// 0 when written or cancelled, otherwise the code for the error popup.
int GrafikExportierenMitDialog(const Bildkopf& kopf, const Bildinhalt& inhalt);

// The print dialog, then one page. 0 when printed or cancelled, otherwise
// BildFehler::Drucken.
int GrafikDruckenMitDialog(const Bildkopf& kopf, const Bildinhalt& inhalt);

// "Grafik exportieren…" and "Drucken…" (Ctrl+P) before "Beenden" of the
// window's "Datei" menu, in a group of their own; in help mode each shows its
// help text instead, and an error code goes to the error popup.
void BildMenueAnlegen(Werkzeugfenster& fenster, std::function<int()> exportieren, std::function<int()> drucken);
