#pragma once
// The samples the box would play, as a CSV table for spreadsheets: a header
// line, then one row per sample "curve (1..4), time in seconds since the
// curve's start, value raw, value in the unit of the curve's output". Read
// from the memory image the send would write, so the table is exactly what
// the box gets. Not the text exchange of KurvenText.h, which stays as it is.
#include "config/KonfigDaten.h"
#include "kurven/KurvenMeldung.h"
#include "kurven/KurvenModell.h"
#include "kurven/KurvenTransfer.h"

#include <string>

namespace kurvengenerator {

inline constexpr const char* kTitelCsvExport = "Tabelle als CSV exportieren";
inline constexpr const char* kDateimusterCsv = "*.csv";

// The table of an image that AbbildErstellen accepted (code 0).
std::string KurvenCsvText(const Speicherabbild& bild, const KonfigDaten& k);

struct CsvErgebnis {
    int code = 0;
    Meldungen meldungen; // the popup of a set the box cannot take, as for sending
};
// A set the box cannot take is refused as the send refuses it. Otherwise
// written to a temporary file renamed over pfad: 0, KurvenFehler::CsvOeffnen
// or CsvSchreiben, and nothing written on a failure.
CsvErgebnis KurvenCsvExportieren(const Kurvensatz& s, const KonfigDaten& k, const std::string& pfad);

} // namespace kurvengenerator
