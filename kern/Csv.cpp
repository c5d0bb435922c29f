#include "kern/Csv.h"

#include <charconv>
#include <cmath>

std::string CsvFeld(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string feld = "\"";
    for (const char c : text) {
        if (c == '"') feld += '"';
        feld += c;
    }
    return feld + '"';
}

std::string CsvZahl(double wert) {
    if (std::isnan(wert)) return "nan";
    if (std::isinf(wert)) return wert < 0 ? "-inf" : "inf";
    if (wert == 0.0) return "0"; // no "-0" in a table
    // A double in fixed notation needs at most 309 digits before and 1074 after the point.
    char puffer[1100];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed);
    return ec == std::errc{} ? std::string(puffer, ende) : std::string("nan");
}

std::string CsvMesswert(double wert) {
    if (!std::isfinite(wert) || wert == 0.0) return CsvZahl(wert);
    char puffer[64];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific, 9);
    double gerundet = wert;
    if (ec == std::errc{}) std::from_chars(puffer, ende, gerundet);
    return CsvZahl(gerundet);
}

std::string CsvZeile(const std::vector<std::string>& felder) {
    std::string zeile;
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (i > 0) zeile += ',';
        zeile += felder[i];
    }
    return zeile + "\r\n";
}
