#pragma once
// Section "konfig" of the settings file.
#include "config/KonfigDaten.h"

class IniDatei;

inline constexpr const char* kKonfigSektion = "konfig";

// Puts "voutmax", "vinmax", then per channel 0..3 outmin, outmax, outskalamin,
// outskalamax, outeinheit, inmin, inmax, inskalamin, inskalamax, ineinheit.
// A non-finite number or a unit the file cannot hold is left out, so reading
// falls back to the standard value or an empty unit.
void KonfigInIniSchreiben(IniDatei& ini, const KonfigDaten& k);

// Standard values first; a missing or unreadable number keeps its standard
// value, a missing unit gives an empty unit, a unit is taken as EinheitAusDatei
// takes it (8 characters, no control characters), as from a .dlo.
void KonfigAusIniLesen(const IniDatei& ini, KonfigDaten& k);
