#pragma once
// What the harnesses compare of a configuration: every number and every unit.
#include "Pruefen.h"

#include "config/KonfigDaten.h"

#include <array>
#include <cmath>

inline std::array<double, 34> KonfigZahlen(const KonfigDaten& k) {
    std::array<double, 34> z{};
    std::size_t n = 0;
    z[n++] = k.voutmax;
    z[n++] = k.vinmax;
    for (int i = 0; i < kKanaele; ++i)
        for (double d : {k.outmin[i], k.outmax[i], k.outskalamin[i], k.outskalamax[i], k.inmin[i], k.inmax[i],
                         k.inskalamin[i], k.inskalamax[i]})
            z[n++] = d;
    return z;
}

// Both finite and equal in the sixteen digits the settings file keeps.
inline bool SechzehnStellenGleich(double a, double b) {
    return std::isfinite(a) && std::isfinite(b) && std::fabs(a - b) <= 1e-15 * std::fmax(std::fabs(a), std::fabs(b));
}

// The configuration as the settings file gives it back after a save: numbers
// to sixteen digits, units unchanged, and every unit one the field accepts.
inline void NachEinstellungenPruefen(const KonfigDaten& vorher, const KonfigDaten& nachher) {
    const auto a = KonfigZahlen(vorher);
    const auto b = KonfigZahlen(nachher);
    for (std::size_t i = 0; i < a.size(); ++i) FUZZ_PRUEFEN(SechzehnStellenGleich(a[i], b[i]));
    for (Seite seite : {Seite::Ausgang, Seite::Eingang})
        for (int kanal = 0; kanal < kKanaele; ++kanal) {
            FUZZ_PRUEFEN(EinheitGueltig(EinheitText(vorher, seite, kanal)));
            FUZZ_PRUEFEN(EinheitText(vorher, seite, kanal) == EinheitText(nachher, seite, kanal));
        }
}
