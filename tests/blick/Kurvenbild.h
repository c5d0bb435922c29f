#pragma once
// What the simulated generator plays: the four test curves and the value of
// a curve at a time since the start.
#include "kurven/KurvenDigital.h"
#include "kurven/KurvenModell.h"

#include <cmath>
#include <vector>

using namespace kurvengenerator;

// Four curves of 60 ticks of 10 ms (0.6 s), each with its own shape, two cycles.
inline Kurvensatz VierKurven() {
    Kurvensatz s;
    s.kurven[0].punkte = {{0, 30, 7}, {4000, 30, 7}};
    s.kurven[1].punkte = {{4000, 20, 7}, {1000, 40, 7}};
    s.kurven[2].punkte = {{1000, 15, 7}, {3000, 15, 7}, {500, 30, 7}};
    s.kurven[3].punkte = {{3500, 59, 7}, {200, 1, 7}};
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        s.zyklen[k] = 2;
        s.ruhewert[k] = static_cast<std::int32_t>(100 * (k + 1));
    }
    return s;
}

// Raw value the box plays on curve k at t seconds after its start; a time
// before the start counts as the end of a cycle, as where a folded sample
// near its cycle's start may have been read.
inline int Sollwert(const Kurvensatz& s, std::size_t k, double t) {
    const Kurve& kurve = s.kurven[k];
    const std::vector<int> werte = KurveDigitalisieren(kurve);
    const double periode = KurvenLaenge(kurve) / 1e6;
    if (t < 0.0) t += periode * std::ceil(-t / periode);
    if (s.zyklen[k] > 0 && t >= s.zyklen[k] * periode) return s.ruhewert[k];
    const double tick = ZeitbasisDauer(kurve.punkte.front().zeitbasis) / 1e6;
    const auto i = static_cast<std::size_t>(std::fmod(t, periode) / tick);
    return werte[std::min(i, werte.size() - 1)];
}
