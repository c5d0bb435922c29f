#include "device/PortFehler.h"

#include "device/PortTabelle.h"
#include "device/Verbindung.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>

namespace {

// The group a user must belong to for the device (usually "dialout").
std::string Gruppe(const std::string& pfad) {
    struct stat st {};
    if (stat(pfad.c_str(), &st) != 0) return "dialout";
    if (const group* g = getgrgid(st.st_gid); g && g->gr_name) return g->gr_name;
    return "dialout";
}

} // namespace

std::string PortFehlerText(const std::string& pfad, int fehlerNr) {
    switch (fehlerNr) {
    case 0: return {};
    case EBUSY:
    case EWOULDBLOCK: return pfad + ": wird von einem anderen Programm benutzt.";
    case ENOENT:
    case ENXIO:
    case ENODEV: return pfad + ": Gerät nicht vorhanden.";
    case EACCES:
    case EPERM:
        return pfad + ": keine Berechtigung. Der Benutzer muss Mitglied der Gruppe \"" + Gruppe(pfad) +
               "\" sein, der das Gerät gehört (danach neu anmelden).";
    default: return pfad + ": " + std::strerror(fehlerNr);
    }
}

std::string PortFehlerText(int port) { return PortFehlerText(PortPfad(port), Verbindung::Oeffnungsfehler(port)); }
