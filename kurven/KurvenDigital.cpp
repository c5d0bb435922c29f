#include "kurven/KurvenDigital.h"

#include "kurven/KurvenAnsicht.h"

#include <algorithm>
#include <cmath>

namespace kurvengenerator {

std::int32_t FolgeWert(const Kurve& k, int i) {
    if (k.punkte.empty()) return 0;
    const std::size_t j = i + 1 < k.punktzahl() ? static_cast<std::size_t>(i + 1) : 0;
    return k.punkte[j].wert;
}

int Abtastwert(std::int32_t w0, std::int32_t w1, std::int32_t n, long long i) {
    // Kept in this order of operations: the box's samples depend on its rounding.
    double y = (static_cast<double>(w0) - w1) / (0.0 - n) * (static_cast<double>(i) - 0.0) + w0;
    if (y < 0.0) y = 0.0;
    if (y > kMaxWert) y = kMaxWert;
    return static_cast<int>(std::trunc(y + 0.5));
}

std::vector<int> KurveDigitalisieren(const Kurve& k) {
    std::vector<int> werte;
    for (int j = 0; j < k.punktzahl(); ++j) {
        const Kurvenpunkt& p = k.punkte[static_cast<std::size_t>(j)];
        const std::int32_t w1 = FolgeWert(k, j);
        for (std::int32_t i = 0; i < p.laenge; ++i) werte.push_back(Abtastwert(p.wert, w1, p.laenge, i));
    }
    return werte;
}

namespace {

// First tick after i whose sample differs from sample i, or n. The samples of a
// segment are monotonic in the tick (rounding is monotonic), so a binary search
// finds the change.
long long NaechsterWechsel(const Kurvenpunkt& p, std::int32_t w1, long long i) {
    const int v = Abtastwert(p.wert, w1, p.laenge, i);
    long long unten = i, oben = p.laenge; // sample(unten) == v; oben is a change or the end
    while (oben - unten > 1) {
        const long long mitte = unten + (oben - unten) / 2;
        if (Abtastwert(p.wert, w1, p.laenge, mitte) == v)
            unten = mitte;
        else
            oben = mitte;
    }
    return oben;
}

void SegmentStufen(const Kurve& k, int j, double t0, double x0, double x1, double aufloesung, std::vector<Stufe>& aus) {
    const Kurvenpunkt& p = k.punkte[static_cast<std::size_t>(j)];
    const double h = ZeitbasisDauer(p.zeitbasis);
    const long long n = p.laenge;
    if (h <= 0.0 || n < 1) return;
    const std::int32_t w1 = FolgeWert(k, j);
    const auto tick = [&](double x) {
        return static_cast<long long>(std::clamp(std::floor((x - t0) / h), 0.0, static_cast<double>(n - 1)));
    };
    const long long i0 = tick(x0);
    const long long i1 = tick(x1);
    // Ticks that one pixel column spans; at least one.
    const double spalte = aufloesung > 0.0 ? std::ceil(aufloesung / h) : 1.0;
    const long long sprung = static_cast<long long>(std::clamp(spalte, 1.0, static_cast<double>(n)));
    long long i = i0;
    while (i <= i1) {
        const int v = Abtastwert(p.wert, w1, p.laenge, i);
        if (aus.empty() || aus.back().segment != j || aus.back().wert != v) aus.push_back({t0 + i * h, v, j});
        i = std::max(NaechsterWechsel(p, w1, i), i + sprung);
    }
    if (i1 + 1 >= n)
        aus.push_back({t0 + n * h, w1, j});
    else
        aus.push_back({t0 + (i1 + 1) * h, Abtastwert(p.wert, w1, p.laenge, i1), j});
}

} // namespace

std::vector<Stufe> SichtbareStufen(const Kurve& k, double x0, double x1, double aufloesung) {
    std::vector<Stufe> aus;
    const SegmentBereich b = SichtbareSegmente(k, x0, x1);
    if (!b.sichtbar) return aus;
    double t = b.startErster;
    for (int j = b.erster; j <= b.letzter; ++j) {
        SegmentStufen(k, j, t, x0, x1, aufloesung, aus);
        t += GeradenDauer(k.punkte[static_cast<std::size_t>(j)]);
    }
    return aus;
}

} // namespace kurvengenerator
