#include "kennlinie/Kennlinie.h"

#include "config/KonfigDatei.h"
#include "config/KonfigUmrechnung.h"
#include "kennlinie/KennlinieFehler.h"

#include <algorithm>
#include <cmath>
#include <cstring>

void PunktSchreiben(const KennlinienPunkt& p, unsigned char* ziel) {
    Int32Schreiben(ziel, p.yWert);
    Int32Schreiben(ziel + 4, p.laenge);
    ziel[8] = p.stufencode;
    std::memset(ziel + 9, 0, 3);
}

KennlinienPunkt PunktLesen(const unsigned char* quelle) {
    return {Int32Lesen(quelle), Int32Lesen(quelle + 4), quelle[8]};
}

Kennlinienpunkte NeuePunkte() { return {KennlinienPunkt{kRohMax, 0, 0}}; }

Kennlinie NeueKennlinie() { return Kennlinie{NeuePunkte(), {}}; }

long long PunktPosition(const Kennlinienpunkte& punkte, int k) {
    long long x = 0;
    const int ende = std::min(k, static_cast<int>(punkte.size()));
    for (int i = 0; i < ende; ++i) x += punkte[static_cast<std::size_t>(i)].laenge;
    return x;
}

std::vector<long long> PunktPositionen(const Kennlinienpunkte& punkte) {
    std::vector<long long> x(punkte.size());
    long long summe = 0;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        x[i] = summe;
        summe += punkte[i].laenge;
    }
    return x;
}

double AusgangRohZuEinheit(const KonfigDaten& k, int c, double roh) { return PhysAusCounts(k, Seite::Ausgang, c, roh); }
double AusgangEinheitZuRoh(const KonfigDaten& k, int c, double einheit) {
    return CountsAusPhys(k, Seite::Ausgang, c, einheit);
}
double EingangRohZuEinheit(const KonfigDaten& k, int i, double roh) { return PhysAusCounts(k, Seite::Eingang, i, roh); }
double EingangEinheitZuRoh(const KonfigDaten& k, int i, double einheit) {
    return CountsAusPhys(k, Seite::Eingang, i, einheit);
}

int Digitalisieren(const Kennlinienpunkte& punkte, Kennlinientabelle& tabelle) {
    Kennlinientabelle t{};
    std::size_t n = 0;
    double letzter = kRohMax;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const double ya = punkte[i].yWert;
        const double yb = i + 1 < punkte.size() ? punkte[i + 1].yWert : ya;
        const long laenge = punkte[i].laenge;
        letzter = std::clamp(ya, 0.0, static_cast<double>(kRohMax));
        for (long j = 0; j < laenge; ++j) {
            if (n >= t.size()) return KennlFehler::ZuVieleEintraege;
            const double v = std::clamp((ya - yb) / (0.0 - laenge) * j + ya, 0.0, static_cast<double>(kRohMax));
            letzter = std::trunc(v + 0.5);
            t[n++] = static_cast<std::uint16_t>(letzter);
        }
    }
    for (; n < t.size(); ++n) t[n] = static_cast<std::uint16_t>(letzter);
    tabelle = t;
    return 0;
}

std::vector<int> Stufen(double x1, double y1, double x2, double y2) {
    std::vector<int> stufen;
    if (!(x2 > x1)) return stufen;
    const double s = (y1 - y2) / (x1 - x2);
    const double c = y1 - x1 * s;
    // Only the input range can be shown; a damaged length must not make the list huge.
    const double von = std::max(x1, 0.0);
    const double bis = std::min(x2, static_cast<double>(kTabellenGroesse));
    for (double x = von; x < bis; x += 1.0) {
        const double stufe = std::floor(s * x + c + 0.5);
        stufen.push_back(std::isfinite(stufe) ? static_cast<int>(std::clamp(stufe, -1e9, 1e9)) : 0);
    }
    return stufen;
}

long AnstiegszeitZuCode(double ms) {
    // The original's integer conversion of an infinite or negative quotient
    // gave the smallest k, i.e. code 256; keep that, without relying on it.
    if (!(ms > 0.0)) return 256;
    if (ms <= 409.5) {
        // A time the box realises exactly (409.5 / k, as CodeZuAnstiegszeit gives
        // it) must give its own k back, not k - 1 through a rounding error, or
        // the shown time and the code sent would drift apart.
        const double k = std::trunc(4095.0 * (0.1 / ms) + 1e-9);
        if (k >= 4096.0) return 0xFFF00;
        return static_cast<long>(std::max(k, 1.0)) * 256;
    }
    const double a = std::trunc(256.0 - 1.0 / (4095.0 * (0.1 / ms)) + 0.5);
    if (!(a > 0.0)) return 1;
    if (a >= 256.0) return 255;
    return static_cast<long>(a);
}

double CodeZuAnstiegszeit(long code) {
    if (code <= 0) code = 1;
    if (code < 256) return 0.1 / ((1.0 / static_cast<double>(256 - code)) / 4095.0);
    const long k = code >= 0xFFF01 ? 4095 : (code >> 8) & 0xFFF;
    return 0.1 / (static_cast<double>(k) / 4095.0);
}
