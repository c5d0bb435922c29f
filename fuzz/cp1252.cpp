// The Windows-1252 edge, both ways: every byte string survives the way to
// UTF-8 and back; a UTF-8 text is taken only if it is exactly what its
// Windows-1252 bytes give back (no overlong forms, no surrogates).
#include "Pruefen.h"

#include "kern/Cp1252.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);

    const std::string utf8 = VonCp1252(eingabe);
    const auto zurueck = NachCp1252(utf8);
    FUZZ_PRUEFEN(zurueck && *zurueck == eingabe);

    const auto bytes = NachCp1252(eingabe);
    FUZZ_PRUEFEN(InCp1252Darstellbar(eingabe) == bytes.has_value());
    if (bytes) {
        FUZZ_PRUEFEN(VonCp1252(*bytes) == eingabe);
        FUZZ_PRUEFEN(bytes->size() <= eingabe.size());
    }
    return 0;
}
