#pragma once
// Text exchange of the four curves: tab-separated lines "time in seconds,
// value in percent, time-base label, curve number", CR LF line ends, numbers
// always with '.' whatever the locale.
#include "kurven/KurvenMeldung.h"
#include "kurven/KurvenModell.h"

#include <string>
#include <string_view>

namespace kurvengenerator {

inline constexpr const char* kDateimusterText = "*.txt";
inline constexpr const char* kTitelKurvenExportieren = "Kurven exportieren";
inline constexpr const char* kTitelKurvenImportieren = "Kurven importieren";
inline constexpr const char* kTitelImportfehler = "Importfehler";

// The exported text: six header lines, then per curve one line per point and
// an empty line. Comments, cycles, rest values and configuration are not in it.
std::string KurvenExportText(const Kurvensatz& s);
// Writes through a temporary file renamed over pfad. 0, KurvenFehler::ExportOeffnen
// or ExportKopf; an existing file is untouched on failure.
int KurvenExportieren(const Kurvensatz& s, const std::string& pfad);

struct ImportErgebnis {
    int code = 0;
    // On a validation failure: the popup titled "Importfehler", shown before
    // the caller shows code through the message catalogue.
    Meldungen meldungen;
};

// Validates the whole text before anything changes. Every curve that got
// points replaces its points behind an undo step (so geaendert is set); other
// curves, comments, cycles and rest values stay. Lines are cut to 95 characters.
ImportErgebnis KurvenImportText(Kurvensatz& s, std::string_view text);
// The same for a file; a file that cannot be opened as a regular file gives
// KurvenFehler::ImportOeffnen, a read failure ImportLesen.
ImportErgebnis KurvenImportieren(Kurvensatz& s, const std::string& pfad);

} // namespace kurvengenerator
