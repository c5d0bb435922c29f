#include "device/Eingangsrunde.h"

#include "device/Qavksv5.h"

#include <string>

namespace {
double Sekunden(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
} // namespace

Eingangsrunde EingangsrundeLesen(int port, char adresse, const Eingangswahl& wahl, bool status,
                                 std::chrono::steady_clock::time_point start) {
    Eingangsrunde r;
    r.zeit = Sekunden(start);
    if (port < 0) {
        r.code = kAbfrageOhnePort;
        return r;
    }
    for (int k = 0; k < kEingaenge; ++k) {
        if (!wahl[static_cast<std::size_t>(k)]) continue;
        const double vorher = Sekunden(start);
        double wert = 0.0;
        if (const int rc = QAVKSV5_EingangLesen(port, adresse, "e" + std::to_string(k + 1), wert); rc != 0) {
            r.code = rc;
            return r;
        }
        r.werte[static_cast<std::size_t>(k)] = wert;
        r.zeiten[static_cast<std::size_t>(k)] = (vorher + Sekunden(start)) / 2.0;
    }
    if (status) {
        unsigned char s = 0;
        if (const int rc = QAVKSV5_StatusLesen(port, adresse, 1, s); rc != 0) {
            r.code = rc;
            return r;
        }
        r.status1 = s;
    }
    return r;
}

int AnzahlGewaehlt(const Eingangswahl& wahl) {
    int n = 0;
    for (bool b : wahl) n += b ? 1 : 0;
    return n;
}

double Leitungsgrenze(int eingaenge, int baud) {
    if (eingaenge < 1) return 0.0;
    return baud / 10.0 / (kZeichenJeEingang * eingaenge);
}
