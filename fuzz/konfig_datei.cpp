// The configuration file (.dlo) from bytes: a refused file changes nothing; an
// accepted one holds no NaN or infinity and only units the field accepts,
// writes back to bytes that load to the same configuration, and survives the
// settings file (what happens at the next start of the program).
#include "KonfigVergleich.h"
#include "Pruefen.h"

#include "config/KonfigDatei.h"
#include "config/KonfigIni.h"
#include "config/KonfigUmrechnung.h"
#include "kern/IniDatei.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const KonfigDaten vorher = KonfigStandardwerte();
    KonfigDaten k = vorher;
    const int code = KonfigDateiAuswerten(bytes, k);
    if (code != 0) {
        FUZZ_PRUEFEN(code == kKonfigLadenLeseFehler || code == kKonfigLadenTitelFehler ||
                     code == kKonfigLadenVersionFehler);
        FUZZ_PRUEFEN(std::memcmp(&k, &vorher, sizeof k) == 0);
        return 0;
    }
    for (double d : KonfigZahlen(k)) FUZZ_PRUEFEN(std::isfinite(d));

    KonfigDaten wieder{};
    FUZZ_PRUEFEN(KonfigDateiAuswerten(KonfigDateiBytes(k), wieder) == 0);
    FUZZ_PRUEFEN(KonfigurationenVergleichen(k, wieder) == 1);

    IniDatei ini;
    KonfigInIniSchreiben(ini, k);
    IniDatei zurueck;
    zurueck.TextUebernehmen(ini.Text());
    KonfigDaten nachher{};
    KonfigAusIniLesen(zurueck, nachher);
    NachEinstellungenPruefen(k, nachher);

    // What the windows compute from a loaded configuration: always finite.
    for (Seite seite : {Seite::Ausgang, Seite::Eingang}) {
        for (double counts : {0.0, 2047.5, 4095.0}) FUZZ_PRUEFEN(std::isfinite(VoltAusCounts(k, seite, counts)));
        for (int kanal = 0; kanal < kKanaele; ++kanal) {
            const PhysSpanne spanne = Spanne(k, seite, kanal);
            FUZZ_PRUEFEN(std::isfinite(spanne.unten) && std::isfinite(spanne.oben));
            for (double phys : {spanne.unten, spanne.oben, 0.5 * spanne.unten + 0.5 * spanne.oben}) {
                FUZZ_PRUEFEN(std::isfinite(CountsAusPhys(k, seite, kanal, phys)));
                FUZZ_PRUEFEN(std::isfinite(VoltAusPhys(k, seite, kanal, phys)));
            }
            const int stellen = Nachkommastellen(k, seite, kanal);
            FUZZ_PRUEFEN(stellen >= 0 && stellen <= 15);
        }
    }
    return 0;
}
