#include "direkt/DirektGeraet.h"

#include "config/KonfigUmrechnung.h"
#include "device/Qavksv5.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr unsigned char kModusEingang4Belegt = 0x01;
std::string Kommando(char art, int kanal) { return std::string{art, char('1' + kanal)}; }
} // namespace

int AusgangProzentSenden(int port, char adresse, int kanal, double prozent) {
    const double wert = GeraetewertAusProzent(prozent);
    if (!std::isfinite(wert)) return 0;
    return QAVKSV5_AusgangSchreiben(port, adresse, Kommando('a', kanal), std::clamp(wert, 0.0, 10.0));
}

int EingangGeraetewertLesen(int port, char adresse, int kanal, double& geraetewert) {
    return QAVKSV5_EingangLesen(port, adresse, Kommando('e', kanal), geraetewert);
}

int Eingang4Frei(int port, char adresse, bool& frei) {
    unsigned char modus = 0;
    const int r = QAVKSV5_ModusLesen(port, adresse, modus);
    if (r == 0) frei = (modus & kModusEingang4Belegt) == 0;
    return r;
}
