#pragma once
// Conversions between device counts, volts, percent of range, the box's device
// value and a channel's physical value.
//
// Every function returns a finite number. Where the formula would divide by
// zero or overflow, the result is the lower end instead:
// - a side whose full-scale voltage is not a positive finite number
//   (!VollausschlagGueltig) gives 0.0 for volts, counts and percent;
// - a channel that is not KanalGueltig gives skalamin for physical values and
//   min for volts (0.0 if that field is not finite itself);
// - a non-finite argument is treated the same way.
// Windows use KanalGueltig / VollausschlagGueltig to refuse and mark such channels.
#include "config/KonfigDaten.h"

inline constexpr double kVollausschlagCounts = 4095.0;

// Full-scale voltage finite and > 0.
bool VollausschlagGueltig(const KonfigDaten& k, Seite seite);
// kanal 0..3; min, max, skalamin, skalamax finite; min != max and skalamin != skalamax
// (so the slope and its inverse are finite and non-zero).
bool KanalGueltig(const KonfigDaten& k, Seite seite, int kanal);

double VoltAusCounts(const KonfigDaten& k, Seite seite, double counts);
double CountsAusVolt(const KonfigDaten& k, Seite seite, double volt);
double PhysAusVolt(const KonfigDaten& k, Seite seite, int kanal, double volt);
double VoltAusPhys(const KonfigDaten& k, Seite seite, int kanal, double phys);
double ProzentAusVolt(const KonfigDaten& k, Seite seite, double volt);
double VoltAusGeraetewert(const KonfigDaten& k, Seite seite, double geraetewert);
double GeraetewertAusProzent(double prozent);
double PhysAusCounts(const KonfigDaten& k, Seite seite, int kanal, double counts);
double CountsAusPhys(const KonfigDaten& k, Seite seite, int kanal, double phys);

// Physical values at 0 and at 4095 counts: the limits of a control showing the
// channel. For a decreasing scale unten > oben.
struct PhysSpanne {
    double unten;
    double oben;
};
PhysSpanne Spanne(const KonfigDaten& k, Seite seite, int kanal);

// Decimals that just resolve one count step: max(0, ceil(-log10((oben-unten)/4095))),
// at most 15. A span that is not increasing (decreasing or empty) gives 0.
int Nachkommastellen(const KonfigDaten& k, Seite seite, int kanal);
