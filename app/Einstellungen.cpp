#include "app/Einstellungen.h"

#include "device/PortTabelle.h"
#include "kern/IniDatei.h"

#include <string>

namespace {

// Linux: which device path each COM number stands for. Read before the
// connection window, which may reopen the saved port.
void ReadIniPorts(const IniDatei& ini) {
    for (int nr = 1; nr <= 8; ++nr) {
        std::string pfad;
        if (ini.TextLesen("ports", "com" + std::to_string(nr), pfad, 4096) == IniDatei::Ergebnis::Vorhanden &&
            !pfad.empty())
            PortPfadSetzen(nr, pfad);
    }
}

void WriteIniPorts(IniDatei& ini) {
    for (int nr = 1; nr <= 8; ++nr) ini.TextSetzen("ports", "com" + std::to_string(nr), PortPfad(nr));
}

} // namespace

int ReadIni(const std::function<void(const IniDatei&)>& fenster) {
    IniDatei ini;
    switch (ini.Lesen(kIniDateiname)) {
    case IniDatei::LeseErgebnis::Ok: break;
    case IniDatei::LeseErgebnis::NichtGefunden: return kIniNichtGefunden;
    case IniDatei::LeseErgebnis::Fehler: return kIniLesefehler;
    }
    ReadIniPorts(ini);
    fenster(ini);
    return 0;
}

int WriteIni(const std::function<void(IniDatei&)>& fenster) {
    IniDatei ini;
    fenster(ini);
    WriteIniPorts(ini);
    return ini.Schreiben(kIniDateiname) ? 0 : kIniSchreibfehler;
}
