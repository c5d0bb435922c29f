#include "kern/Dezimal.h"

#include <charconv>
#include <cmath>

std::string DezimalText(double wert, int stellen) {
    char zahl[400]; // fixed notation of the largest double needs 309 digits
    const auto [ende, ec] = std::to_chars(zahl, zahl + sizeof zahl, wert, std::chars_format::fixed, stellen);
    return ec == std::errc{} ? std::string(zahl, ende) : std::string();
}

std::string DezimalKurz(double wert) {
    char zahl[64]; // the shortest round trip of any double is far shorter
    const auto [ende, ec] = std::to_chars(zahl, zahl + sizeof zahl, wert);
    return ec == std::errc{} ? std::string(zahl, ende) : std::string();
}

bool DezimalLesen(std::string_view text, double& wert) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    double v = 0.0;
    const auto [stop, ec] = std::from_chars(anfang, ende, v);
    if (text.empty() || ec != std::errc{} || stop != ende || !std::isfinite(v)) return false;
    wert = v;
    return true;
}
