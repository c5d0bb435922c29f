// Import of the four generator curves from their text table: a refused text
// changes no curve and says why in text a popup can hold; an accepted one
// gives only points the box can play, and its export imports again to the
// same times and time bases (values may lose one count to the two decimals;
// the closing segment is always 1 tick).
#include "Pruefen.h"

#include "kern/Cp1252.h"
#include "kurven/KurvenText.h"

using namespace kurvengenerator;

namespace {

bool Spielbar(const Kurvenpunkt& p) {
    return p.wert >= 0 && p.wert <= kMaxWert && p.laenge >= 1 && p.laenge <= kMaxLaenge &&
           ZeitbasisGueltig(p.zeitbasis);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    Kurvensatz s;
    s.kurven[2].punkte = {{100, 3, 2}, {4000, 1, 12}};
    const auto vorher = s.kurven;
    const ImportErgebnis e = KurvenImportText(s, text);
    if (e.code != 0) {
        for (std::size_t k = 0; k < s.kurven.size(); ++k) FUZZ_PRUEFEN(s.kurven[k].punkte == vorher[k].punkte);
        for (const Meldung& m : e.meldungen) FUZZ_PRUEFEN(InCp1252Darstellbar(m.text));
        return 0;
    }
    for (const Kurve& k : s.kurven) {
        FUZZ_PRUEFEN(!k.punkte.empty());
        for (const Kurvenpunkt& p : k.punkte) FUZZ_PRUEFEN(Spielbar(p));
    }

    Kurvensatz wieder;
    const ImportErgebnis e2 = KurvenImportText(wieder, KurvenExportText(s));
    FUZZ_PRUEFEN(e2.code == 0);
    for (std::size_t k = 0; k < s.kurven.size(); ++k) {
        const auto& a = s.kurven[k].punkte;
        const auto& b = wieder.kurven[k].punkte;
        FUZZ_PRUEFEN(a.size() == b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            FUZZ_PRUEFEN(a[i].laenge == b[i].laenge && a[i].zeitbasis == b[i].zeitbasis);
            FUZZ_PRUEFEN(b[i].wert <= a[i].wert && b[i].wert >= a[i].wert - 1);
        }
    }
    return 0;
}
