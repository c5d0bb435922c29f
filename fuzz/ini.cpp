// The settings file: any text parses; the file written from it reads back to
// the same file (load, save, load is stable), every lookup answers, and the
// configuration section survives a save within the sixteen written digits.
#include "KonfigVergleich.h"
#include "Pruefen.h"

#include "config/KonfigIni.h"
#include "kern/IniDatei.h"

#include <cmath>
#include <string>

namespace {

void KonfigPruefen(const IniDatei& ini) {
    KonfigDaten k{};
    KonfigAusIniLesen(ini, k);
    IniDatei neu;
    KonfigInIniSchreiben(neu, k);
    IniDatei zurueck;
    zurueck.TextUebernehmen(neu.Text());
    KonfigDaten nachher{};
    KonfigAusIniLesen(zurueck, nachher);
    NachEinstellungenPruefen(k, nachher);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    IniDatei ini;
    ini.TextUebernehmen(text);
    const std::string einmal = ini.Text();
    IniDatei zweimal;
    zweimal.TextUebernehmen(einmal);
    FUZZ_PRUEFEN(zweimal.Text() == einmal);

    // Lookups with the first key of the input, in the case it was written in.
    const std::size_t gleich = text.find('=');
    const std::string schluessel(text.substr(0, gleich == text.npos ? 0 : gleich));
    long l = 0;
    double d = 0.0;
    std::string s;
    for (const char* sektion : {"konfig", "com", "ports"}) {
        ini.IntLesen(sektion, schluessel, l);
        if (ini.DoubleLesen(sektion, schluessel, d) == IniDatei::Ergebnis::Vorhanden) FUZZ_PRUEFEN(std::isfinite(d));
        ini.TextLesen(sektion, schluessel, s, 80);
        ini.SektionVorhanden(sektion);
    }
    if (ini.SektionVorhanden("konfig")) KonfigPruefen(ini);
    return 0;
}
