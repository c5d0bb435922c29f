#pragma once
// The table the box would hold for a curve, as a CSV table for spreadsheets:
// a header line, then 4096 rows "input raw, input in its unit, output raw
// (the table entry), output in its unit" (input 2 and output 1 of the
// configuration). Not the text exchange of KennlinieText.h, which stays as it is.
#include "config/KonfigDaten.h"
#include "kennlinie/Kennlinie.h"

#include <string>

inline constexpr const char* kTitelCsvExport = "Tabelle als CSV exportieren";
inline constexpr const char* kDateimusterCsv = "*.csv";

// 0 and the text, or KennlFehler::ZuVieleEintraege (text unchanged).
int KennlinieCsvText(const Kennlinienpunkte& punkte, const KonfigDaten& k, std::string& text);

// 0, KennlFehler::ZuVieleEintraege, CsvOeffnen or CsvSchreiben. Written to a
// temporary file and renamed over pfad when complete; nothing is written on
// a failure.
int KennlinieCsvExportieren(const std::string& pfad, const Kennlinienpunkte& punkte, const KonfigDaten& k);
