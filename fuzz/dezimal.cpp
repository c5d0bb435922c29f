// Decimal numbers in files and on the wire. Any text: DezimalLesen accepts
// only a complete finite number of the form [+|-]digits[.digits][e[+|-]digits]
// and leaves the value alone otherwise. Any double and 0..20 decimals:
// DezimalText writes it, the text reads back, and writing that value again
// gives the same text.
#include "Pruefen.h"

#include "kern/Dezimal.h"

#include <bit>
#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

namespace {

bool Ziffern(std::string_view s, std::size_t& i) {
    const std::size_t anfang = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    return i > anfang;
}

// The grammar the readers promise, written out independently of from_chars.
bool Zahlform(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const bool vorn = Ziffern(s, i);
    bool hinten = false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        hinten = Ziffern(s, i);
    }
    if (!vorn && !hinten) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (!Ziffern(s, i)) return false;
    }
    return i == s.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    double wert = 42.0;
    if (DezimalLesen(text, wert))
        FUZZ_PRUEFEN(Zahlform(text) && std::isfinite(wert));
    else
        FUZZ_PRUEFEN(wert == 42.0);

    if (groesse < 9) return 0;
    std::uint64_t bits = 0;
    std::memcpy(&bits, daten, 8);
    const double v = std::bit_cast<double>(bits);
    const int stellen = daten[8] % 21;
    if (!std::isfinite(v)) {
        FUZZ_PRUEFEN(DezimalText(v, stellen).empty() || !DezimalLesen(DezimalText(v, stellen), wert));
        return 0;
    }
    const std::string geschrieben = DezimalText(v, stellen);
    FUZZ_PRUEFEN(!geschrieben.empty() && Zahlform(geschrieben));
    double gelesen = 0.0;
    FUZZ_PRUEFEN(DezimalLesen(geschrieben, gelesen));
    FUZZ_PRUEFEN(DezimalText(gelesen, stellen) == geschrieben);
    FUZZ_PRUEFEN(std::fabs(gelesen - v) <= 0.5 * std::pow(10.0, -stellen) + std::fabs(v) * 1e-15);
    return 0;
}
