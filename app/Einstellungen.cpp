#include "app/Einstellungen.h"

#include "app/Anwendung.h"
#include "kern/IniDatei.h"
#include "config/KonfigPanel.h"
#include "device/ComPanel.h"
#include "device/PortTabelle.h"
#include "direkt/DirektPanel.h"
#include "kennlinie/KennlinienPanel.h"
#include "kurven/KurvenPanel.h"

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

int ReadIni() {
    IniDatei ini;
    switch (ini.Lesen(kIniDateiname)) {
    case IniDatei::LeseErgebnis::Ok: break;
    case IniDatei::LeseErgebnis::NichtGefunden: return kIniNichtGefunden;
    case IniDatei::LeseErgebnis::Fehler: return kIniLesefehler;
    }
    ReadIniPorts(ini);
    gKonfigpanel->ReadIniKonfigpanel(ini);
    gCompanel->ReadIniCompanel(ini);
    gDirektpanel->ReadIniDirektpanel(ini);
    gKurvenpanel->ReadIniKurvenpanel(ini);
    gKennlinienpanel->ReadIniKennlinienpanel(ini);
    return 0;
}

int WriteIni() {
    IniDatei ini;
    gKonfigpanel->WriteIniKonfigpanel(ini);
    gCompanel->WriteIniCompanel(ini);
    gDirektpanel->WriteIniDirektpanel(ini);
    gKurvenpanel->WriteIniKurvenpanel(ini);
    gKennlinienpanel->WriteIniKennlinienpanel(ini);
    WriteIniPorts(ini);
    return ini.Schreiben(kIniDateiname) ? 0 : kIniSchreibfehler;
}
