#include "app/Einstellungen.h"

#include "device/PortTabelle.h"
#include "kern/IniDatei.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

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

std::string EinstellungsPfad() {
    namespace fs = std::filesystem;
    std::error_code f;
    if (fs::exists(kIniDateiname, f)) return fs::absolute(kIniDateiname, f).string();
    fs::path ordner;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        ordner = xdg;
    else if (const char* heim = std::getenv("HOME"); heim && *heim)
        ordner = fs::path(heim) / ".config";
    else
        return kIniDateiname;
    return (ordner / "dlm7dSteuerung" / kIniDateiname).string();
}

int ReadIni(const std::string& pfad, const std::function<void(const IniDatei&)>& fenster) {
    IniDatei ini;
    switch (ini.Lesen(pfad)) {
    case IniDatei::LeseErgebnis::Ok: break;
    case IniDatei::LeseErgebnis::NichtGefunden: return kIniNichtGefunden;
    case IniDatei::LeseErgebnis::Fehler: return kIniLesefehler;
    }
    ReadIniPorts(ini);
    fenster(ini);
    return 0;
}

int WriteIni(const std::string& pfad, const std::function<void(IniDatei&)>& fenster) {
    IniDatei ini;
    fenster(ini);
    WriteIniPorts(ini);
    if (const auto ordner = std::filesystem::path(pfad).parent_path(); !ordner.empty()) {
        std::error_code f;
        std::filesystem::create_directories(ordner, f);
    }
    return ini.Schreiben(pfad) ? 0 : kIniSchreibfehler;
}
