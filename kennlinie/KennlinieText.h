#pragma once
// The curve as a text table of percentages (export and import). Lines end in
// CR LF; numbers always use '.', whatever the locale.
#include "kennlinie/Kennlinie.h"

#include <string>
#include <string_view>

// The exported text: four header lines, one "X\tY" line per point (percent of
// the range, two decimals), a final empty line. The last point's length and
// the extension to the range end are not exported.
std::string KennlinieExportText(const Kennlinienpunkte& punkte);

// 0, KennlFehler::ExportOeffnen or KennlFehler::ExportSchreiben. Written to a
// temporary file and renamed over pfad when complete.
int KennlinieExportieren(const std::string& pfad, const Kennlinienpunkte& punkte);

struct ImportErgebnis {
    int code = 0;            // 0 or a KennlFehler::Import... code
    std::string meldung;     // for a popup titled "Importfehler"; empty if none
    Kennlinienpunkte punkte; // the imported points, only when code == 0
};

// Reads the table: lines of at most 95 characters are looked at; empty lines,
// blank lines and lines starting with '#' are skipped; every other line must
// hold X, blanks or tabs, Y (text after Y is ignored). The first faulty line
// ends the import with its message.
ImportErgebnis KennlinieImportieren(const std::string& pfad);
// The same on the text of a file.
ImportErgebnis KennlinieImportText(std::string_view text);
