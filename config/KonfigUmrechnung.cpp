#include "config/KonfigUmrechnung.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxNachkommastellen = 15;
// Absorbs rounding in log10 for spans that are exact powers of ten of a count step.
constexpr double kLogToleranz = 1e-9;

double Endlich(double wert, double ersatz) { return std::isfinite(wert) ? wert : ersatz; }

// Lower end used in place of an undefined result.
double PhysErsatz(const KanalSkalierung& s) { return Endlich(s.skalamin, 0.0); }
double VoltErsatz(const KanalSkalierung& s) { return Endlich(s.min, 0.0); }

} // namespace

bool VollausschlagGueltig(const KonfigDaten& k, Seite seite) {
    const double v = Vollausschlag(k, seite);
    return std::isfinite(v) && v > 0.0;
}

bool KanalGueltig(const KonfigDaten& k, Seite seite, int kanal) {
    if (kanal < 0 || kanal >= kKanaele) return false;
    const KanalSkalierung s = Skalierung(k, seite, kanal);
    if (!std::isfinite(s.min) || !std::isfinite(s.max) || !std::isfinite(s.skalamin) || !std::isfinite(s.skalamax))
        return false;
    if (s.min == s.max || s.skalamin == s.skalamax) return false;
    const double g = (s.skalamax - s.skalamin) / (s.max - s.min);
    return std::isfinite(g) && g != 0.0;
}

double VoltAusCounts(const KonfigDaten& k, Seite seite, double counts) {
    if (!VollausschlagGueltig(k, seite)) return 0.0;
    return Endlich(counts * Vollausschlag(k, seite) / kVollausschlagCounts, 0.0);
}

double CountsAusVolt(const KonfigDaten& k, Seite seite, double volt) {
    if (!VollausschlagGueltig(k, seite)) return 0.0;
    return Endlich(volt * kVollausschlagCounts / Vollausschlag(k, seite), 0.0);
}

double PhysAusVolt(const KonfigDaten& k, Seite seite, int kanal, double volt) {
    const KanalSkalierung s = Skalierung(k, seite, kanal);
    if (!KanalGueltig(k, seite, kanal)) return PhysErsatz(s);
    const double g = (s.skalamax - s.skalamin) / (s.max - s.min);
    return Endlich(g * volt + (s.skalamin - s.min * g), PhysErsatz(s));
}

double VoltAusPhys(const KonfigDaten& k, Seite seite, int kanal, double phys) {
    const KanalSkalierung s = Skalierung(k, seite, kanal);
    if (!KanalGueltig(k, seite, kanal)) return VoltErsatz(s);
    const double g = (s.skalamax - s.skalamin) / (s.max - s.min);
    return Endlich((phys - (s.skalamin - s.min * g)) / g, VoltErsatz(s));
}

double ProzentAusVolt(const KonfigDaten& k, Seite seite, double volt) {
    if (!VollausschlagGueltig(k, seite)) return 0.0;
    return Endlich(100.0 * volt / Vollausschlag(k, seite), 0.0);
}

double VoltAusGeraetewert(const KonfigDaten& k, Seite seite, double geraetewert) {
    if (!VollausschlagGueltig(k, seite)) return 0.0;
    return Endlich(geraetewert / 10.0 * Vollausschlag(k, seite), 0.0);
}

double GeraetewertAusProzent(double prozent) { return Endlich(0.1 * prozent, 0.0); }

double PhysAusCounts(const KonfigDaten& k, Seite seite, int kanal, double counts) {
    return PhysAusVolt(k, seite, kanal, VoltAusCounts(k, seite, counts));
}

double CountsAusPhys(const KonfigDaten& k, Seite seite, int kanal, double phys) {
    return CountsAusVolt(k, seite, VoltAusPhys(k, seite, kanal, phys));
}

PhysSpanne Spanne(const KonfigDaten& k, Seite seite, int kanal) {
    return {PhysAusCounts(k, seite, kanal, 0.0), PhysAusCounts(k, seite, kanal, kVollausschlagCounts)};
}

int Nachkommastellen(const KonfigDaten& k, Seite seite, int kanal) {
    const PhysSpanne sp = Spanne(k, seite, kanal);
    const double breite = sp.oben - sp.unten;
    if (!std::isfinite(breite) || !(breite > 0.0)) return 0;
    const double stellen = std::ceil(-std::log10(breite / kVollausschlagCounts) - kLogToleranz);
    if (!std::isfinite(stellen)) return kMaxNachkommastellen;
    return static_cast<int>(std::clamp(stellen, 0.0, static_cast<double>(kMaxNachkommastellen)));
}
