// Import of a characteristic curve from its text table: any text gives either
// a curve the box can take (starts at X = 0, every length at least 1, levels
// 0..4095, fitting the 4096 table entries) or a code with a message that
// names the line in text the files and popups can hold.
#include "Pruefen.h"

#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieText.h"
#include "kern/Cp1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const ImportErgebnis e = KennlinieImportText(text);
    if (e.code != 0) {
        FUZZ_PRUEFEN(e.punkte.empty());
        FUZZ_PRUEFEN(InCp1252Darstellbar(e.meldung));
        FUZZ_PRUEFEN(!e.meldung.empty());
        return 0;
    }
    FUZZ_PRUEFEN(!e.punkte.empty() && e.meldung.empty());
    long long x = 0;
    for (std::size_t i = 0; i < e.punkte.size(); ++i) {
        const KennlinienPunkt& p = e.punkte[i];
        FUZZ_PRUEFEN(p.yWert >= 0 && p.yWert <= kRohMax);
        FUZZ_PRUEFEN(i + 1 == e.punkte.size() ? p.laenge == 0 : p.laenge >= 1);
        x += p.laenge;
    }
    FUZZ_PRUEFEN(x <= kRohMax);
    Kennlinientabelle tabelle{};
    FUZZ_PRUEFEN(Digitalisieren(e.punkte, tabelle) == 0);
    KennlinieExportText(e.punkte);
    return 0;
}
