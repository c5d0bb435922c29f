// The driver's answer-line checks (device/Protokoll): any line against any
// expected address, channel, register and memory range gives a verdict, and
// results are written only for a line that passed. A memory line built the
// way the box builds it always passes with its data.
#include "Pruefen.h"

#include "device/Protokoll.h"

#include <cmath>
#include <string>
#include <vector>

using namespace Protokoll;

namespace {

bool Druckbar(const std::string& s) {
    for (char c : s)
        if (c <= ' ' || c >= 0x7F) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzEingabe ein(daten, groesse);
    const char a = static_cast<char>(ein.Byte());
    const char kanal = static_cast<char>('1' + ein.Byte() % 4);
    const char reg = static_cast<char>('1' + ein.Byte() % 2);
    const long start = ein.Wort();
    const long anzahl = 1 + ein.Wort() % 65535; // what the driver lets through
    const std::string zeile(ein.Rest());

    std::string kennung = "alt";
    if (IDZeilePruefen(zeile, a, kennung))
        FUZZ_PRUEFEN(kennung.size() + 3 <= kIDZeileMax && Druckbar(kennung));
    else
        FUZZ_PRUEFEN(kennung == "alt");

    double wert = -7.0;
    if (EingangZeilePruefen(zeile, a, kanal, wert))
        FUZZ_PRUEFEN(std::isfinite(wert));
    else
        FUZZ_PRUEFEN(wert == -7.0);

    unsigned char modus = 0xA5;
    if (!ModusZeilePruefen(zeile, a, modus)) FUZZ_PRUEFEN(modus == 0xA5);
    unsigned char status = 0x5A;
    if (StatusZeilePruefen(zeile, a, reg, status) != StatusBefund::Gut) FUZZ_PRUEFEN(status == 0x5A);

    std::vector<unsigned char> gelesen{1, 2, 3};
    if (SpeicherZeilePruefen(zeile, a, 4, start, anzahl, gelesen) == SpeicherBefund::Gut)
        FUZZ_PRUEFEN(gelesen.size() == static_cast<std::size_t>(anzahl));
    else
        FUZZ_PRUEFEN(gelesen == std::vector<unsigned char>({1, 2, 3}));

    // The box's own line for the input's bytes as memory content.
    if (!zeile.empty() && zeile.size() <= 65535 && EinzeladresseGueltig(a)) {
        const auto* d = reinterpret_cast<const unsigned char*>(zeile.data());
        std::string box =
            std::string{kStart, a} + "BDR4" + Hex(static_cast<unsigned long>(start), 4) + Hex(zeile.size(), 4);
        for (unsigned char b : zeile) box += Hex(b, 2);
        box += Hex(Pruefsumme(d, zeile.size()), 4) + kCR;
        std::vector<unsigned char> daten;
        FUZZ_PRUEFEN(SpeicherZeilePruefen(box, a, 4, start, static_cast<long>(zeile.size()), daten) ==
                     SpeicherBefund::Gut);
        FUZZ_PRUEFEN(daten == std::vector<unsigned char>(d, d + zeile.size()));
    }
    for (int stellen = 1; stellen <= 7; ++stellen) {
        const unsigned long v = static_cast<unsigned long>(start * 65536 + anzahl) & ((1ul << (4 * stellen)) - 1);
        FUZZ_PRUEFEN(HexLesen(Hex(v, stellen), 0, static_cast<std::size_t>(stellen)) == static_cast<long>(v));
    }
    return 0;
}
