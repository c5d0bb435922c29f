#pragma once
// What the direct I/O window computes for its channels, without any widget:
// the percent arrays, the limit rule, the zero target, the min/max rule and
// the value texts.
#include "config/KonfigDaten.h"

#include <array>
#include <string>

using Kanalwerte = std::array<double, kKanaele>;

struct DirektZustand {
    Kanalwerte eingangProzent{}; // last reading, percent of the input range
    Kanalwerte ausgangProzent{}; // last value written, percent of the output range
    Kanalwerte eingangMinVolt{};
    Kanalwerte eingangMaxVolt{};
    bool minMaxReset = true;
    bool eingang4Verfuegbar = false;
};

// A channel whose scaling would divide by zero (or whose side has no valid
// full scale) has no meaningful value: it is never written to the box and is
// shown and logged as missing.
bool AusgangBeschreibbar(const KonfigDaten& k, int kanal);
bool EingangUmrechenbar(const KonfigDaten& k, int kanal);

// The knob value after the limit: the limit wins when it is smaller. No lower limit.
inline double Begrenzt(double wert, double grenze) { return grenze < wert ? grenze : wert; }

// Physical zero pulled into the channel's span (either direction of scale).
double NullZiel(const KonfigDaten& k, int kanal);

// Percent of the output range for a physical value, within 0..100.
double AusgangProzentAusPhys(const KonfigDaten& k, int kanal, double phys);

// Physical value at 4095 * prozent / 100 counts.
double PhysAusProzent(const KonfigDaten& k, Seite seite, int kanal, double prozent);

// One reading of input kanal as the box's device value 0..10.
struct Messung {
    double volt = 0.0;
    double phys = 0.0;
    bool neuesMinimum = false;
    bool neuesMaximum = false;
};
// Updates the percent array and the extremes (a pending reset is taken first).
Messung EingangVerarbeiten(DirektZustand& z, const KonfigDaten& k, int kanal, double geraetewert);

// Fixed-point text with '.' whatever the locale, as printf's %.Nf.
std::string ZahlText(double wert, int stellen);

// Chart zoom fields: points per width (<= 0 gives 10) and the Y top (10..100).
int ZoomXWert(int eingabe);
int ZoomYWert(int eingabe);
// Polling interval in seconds, at least 0.2.
double AbtastIntervall(double eingabe);

// Decimals for the window's controls: those that resolve one count step of
// the span's magnitude, so a decreasing scale is as fine as an increasing
// one. (The log keeps the stricter rule of Nachkommastellen.)
int AnzeigeStellen(const KonfigDaten& k, Seite seite, int kanal);
