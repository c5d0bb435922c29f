#include "direkt/DirektKanaele.h"

#include "config/KonfigUmrechnung.h"
#include "kern/Dezimal.h"

#include <algorithm>
#include <cmath>

bool AusgangBeschreibbar(const KonfigDaten& k, int kanal) {
    return VollausschlagGueltig(k, Seite::Ausgang) && KanalGueltig(k, Seite::Ausgang, kanal);
}

bool EingangUmrechenbar(const KonfigDaten& k, int kanal) {
    // Equal physical ends are a constant reading, harmless on an input.
    if (!VollausschlagGueltig(k, Seite::Eingang) || kanal < 0 || kanal >= kKanaele) return false;
    const KanalSkalierung s = Skalierung(k, Seite::Eingang, kanal);
    return std::isfinite(s.min) && std::isfinite(s.max) && std::isfinite(s.skalamin) && std::isfinite(s.skalamax) &&
           s.min != s.max;
}

double NullZiel(const KonfigDaten& k, int kanal) {
    const PhysSpanne s = Spanne(k, Seite::Ausgang, kanal);
    return std::clamp(0.0, std::min(s.unten, s.oben), std::max(s.unten, s.oben));
}

double AusgangProzentAusPhys(const KonfigDaten& k, int kanal, double phys) {
    const double volt = VoltAusPhys(k, Seite::Ausgang, kanal, phys);
    return std::clamp(ProzentAusVolt(k, Seite::Ausgang, volt), 0.0, 100.0);
}

double PhysAusProzent(const KonfigDaten& k, Seite seite, int kanal, double prozent) {
    return PhysAusCounts(k, seite, kanal, kVollausschlagCounts * prozent / 100.0);
}

Messung EingangVerarbeiten(DirektZustand& z, const KonfigDaten& k, int kanal, double geraetewert) {
    Messung m;
    if (!std::isfinite(geraetewert)) geraetewert = 0.0;
    m.volt = VoltAusGeraetewert(k, Seite::Eingang, geraetewert);
    m.phys = PhysAusVolt(k, Seite::Eingang, kanal, m.volt);
    z.eingangProzent[kanal] = ProzentAusVolt(k, Seite::Eingang, m.volt);
    if (z.minMaxReset) {
        const double vmax = VoltAusCounts(k, Seite::Eingang, kVollausschlagCounts);
        z.eingangMinVolt.fill(vmax);
        z.eingangMaxVolt.fill(0.0);
        z.minMaxReset = false;
    }
    if (m.volt > z.eingangMaxVolt[kanal]) {
        z.eingangMaxVolt[kanal] = m.volt;
        m.neuesMaximum = true;
    }
    if (m.volt < z.eingangMinVolt[kanal]) {
        z.eingangMinVolt[kanal] = m.volt;
        m.neuesMinimum = true;
    }
    return m;
}

std::string ZahlText(double wert, int stellen) {
    if (!std::isfinite(wert)) return "-----";
    stellen = std::clamp(stellen, 0, 15);
    // As printf's %.Nf: a negative value that rounds to zero keeps its sign
    // ("-0.000"), so evaluation scripts read old and new logs alike.
    std::string text = DezimalText(wert, stellen);
    return text.empty() ? "-----" : text;
}

int ZoomXWert(int eingabe) { return eingabe <= 0 ? 10 : eingabe; }

int ZoomYWert(int eingabe) { return std::clamp(eingabe, 10, 100); }

double AbtastIntervall(double eingabe) { return std::isfinite(eingabe) ? std::max(eingabe, 0.2) : 1.0; }

int AnzeigeStellen(const KonfigDaten& k, Seite seite, int kanal) {
    const PhysSpanne s = Spanne(k, seite, kanal);
    const double breite = std::abs(s.oben - s.unten);
    if (!std::isfinite(breite) || !(breite > 0.0)) return 0;
    const double stellen = std::ceil(-std::log10(breite / kVollausschlagCounts) - 1e-9);
    return static_cast<int>(std::clamp(std::isfinite(stellen) ? stellen : 15.0, 0.0, 15.0));
}
