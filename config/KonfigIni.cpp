#include "config/KonfigIni.h"

#include "kern/Cp1252.h"
#include "kern/IniDatei.h"

#include <cstring>
#include <string>

namespace {

std::string Schluessel(const char* name, int kanal) { return name + std::to_string(kanal); }

void ZahlLesen(const IniDatei& ini, const std::string& schluessel, double& feld) {
    double wert = 0.0;
    if (ini.DoubleLesen(kKonfigSektion, schluessel, wert) == IniDatei::Ergebnis::Vorhanden) feld = wert;
}

void EinheitLesen(const IniDatei& ini, const std::string& schluessel, char* feld) {
    std::memset(feld, 0, kEinheitFeld);
    std::string utf8;
    if (ini.TextLesen(kKonfigSektion, schluessel, utf8, kMaxEinheitZeichen) != IniDatei::Ergebnis::Vorhanden) return;
    // Back to the bytes of the file, then the rule every unit from a file obeys.
    const std::string einheit = EinheitAusDatei(NachCp1252(utf8).value_or(std::string()));
    std::memcpy(feld, einheit.data(), einheit.size());
}

} // namespace

void KonfigInIniSchreiben(IniDatei& ini, const KonfigDaten& k) {
    ini.DoubleSetzen(kKonfigSektion, "voutmax", k.voutmax);
    ini.DoubleSetzen(kKonfigSektion, "vinmax", k.vinmax);
    for (int i = 0; i < kKanaele; ++i) {
        ini.DoubleSetzen(kKonfigSektion, Schluessel("outmin", i), k.outmin[i]);
        ini.DoubleSetzen(kKonfigSektion, Schluessel("outmax", i), k.outmax[i]);
        ini.DoubleSetzen(kKonfigSektion, Schluessel("outskalamin", i), k.outskalamin[i]);
        ini.DoubleSetzen(kKonfigSektion, Schluessel("outskalamax", i), k.outskalamax[i]);
        ini.TextSetzen(kKonfigSektion, Schluessel("outeinheit", i), EinheitText(k, Seite::Ausgang, i));
        ini.DoubleSetzen(kKonfigSektion, Schluessel("inmin", i), k.inmin[i]);
        ini.DoubleSetzen(kKonfigSektion, Schluessel("inmax", i), k.inmax[i]);
        ini.DoubleSetzen(kKonfigSektion, Schluessel("inskalamin", i), k.inskalamin[i]);
        ini.DoubleSetzen(kKonfigSektion, Schluessel("inskalamax", i), k.inskalamax[i]);
        ini.TextSetzen(kKonfigSektion, Schluessel("ineinheit", i), EinheitText(k, Seite::Eingang, i));
    }
}

void KonfigAusIniLesen(const IniDatei& ini, KonfigDaten& k) {
    k = KonfigStandardwerte();
    ZahlLesen(ini, "voutmax", k.voutmax);
    ZahlLesen(ini, "vinmax", k.vinmax);
    for (int i = 0; i < kKanaele; ++i) {
        ZahlLesen(ini, Schluessel("outmin", i), k.outmin[i]);
        ZahlLesen(ini, Schluessel("outmax", i), k.outmax[i]);
        ZahlLesen(ini, Schluessel("outskalamin", i), k.outskalamin[i]);
        ZahlLesen(ini, Schluessel("outskalamax", i), k.outskalamax[i]);
        EinheitLesen(ini, Schluessel("outeinheit", i), k.outeinheit[i]);
        ZahlLesen(ini, Schluessel("inmin", i), k.inmin[i]);
        ZahlLesen(ini, Schluessel("inmax", i), k.inmax[i]);
        ZahlLesen(ini, Schluessel("inskalamin", i), k.inskalamin[i]);
        ZahlLesen(ini, Schluessel("inskalamax", i), k.inskalamax[i]);
        EinheitLesen(ini, Schluessel("ineinheit", i), k.ineinheit[i]);
    }
}
