#pragma once
// CSV tables for spreadsheets (RFC 4180): fields separated by commas, lines
// ended by CR LF, a field quoted when it holds a comma, a quote or a line
// break. Numbers use '.' whatever the locale.
#include <string>
#include <string_view>
#include <vector>

// The field as it goes into a line: quoted (with doubled quotes) only when needed.
std::string CsvFeld(std::string_view text);

// The shortest fixed-notation text that reads back as exactly this number
// ("0.0005", "4095", "-12.25"); "nan", "inf" or "-inf" for the others.
std::string CsvZahl(double wert);

// A value scaled from a 12-bit step into a unit: rounded to 10 significant
// digits first, so the arithmetic's last-bit noise ("183.14999999999998")
// does not reach the table; 10 digits keep far more than a step resolves.
std::string CsvMesswert(double wert);

// One line: the fields as given (already passed through CsvFeld or CsvZahl),
// joined by commas, with CR LF.
std::string CsvZeile(const std::vector<std::string>& felder);
