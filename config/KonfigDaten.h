#pragma once
// The I/O configuration: full-scale voltage of each side and, per channel, the
// voltage span that maps linearly onto a physical span with a unit text.
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr int kKanaele = 4;
inline constexpr std::size_t kEinheitFeld = 9; // bytes of a unit field, NUL included
inline constexpr std::size_t kMaxEinheitZeichen = 8;

// Plain record. Unit texts are Windows-1252 bytes exactly as in the files. The
// byte layout in files is produced field by field (KonfigRecord.h), so this
// struct's own layout is never relied upon.
struct KonfigDaten {
    double voutmax;
    double outmin[kKanaele];
    double outmax[kKanaele];
    double outskalamin[kKanaele];
    double outskalamax[kKanaele];
    char outeinheit[kKanaele][kEinheitFeld];
    char fuellung1[4];
    double vinmax;
    double inmin[kKanaele];
    double inmax[kKanaele];
    double inskalamin[kKanaele];
    double inskalamax[kKanaele];
    char ineinheit[kKanaele][kEinheitFeld];
    char fuellung2[4];
};

enum class Seite { Ausgang, Eingang };

// One channel's scaling: volts min..max map onto skalamin..skalamax.
struct KanalSkalierung {
    double min = 0.0;
    double max = 0.0;
    double skalamin = 0.0;
    double skalamax = 0.0;
};

KonfigDaten KonfigStandardwerte();

// Field access by side; kanal 0..3. An index outside gives an all-zero scaling
// and is ignored by the setter.
double Vollausschlag(const KonfigDaten& k, Seite seite);
void VollausschlagSetzen(KonfigDaten& k, Seite seite, double volt);
KanalSkalierung Skalierung(const KonfigDaten& k, Seite seite, int kanal);
void SkalierungSetzen(KonfigDaten& k, Seite seite, int kanal, const KanalSkalierung& s);

// Unit texts, UTF-8 in the API. EinheitGueltig: at most 8 characters, every one
// representable in Windows-1252 and none a control character.
bool EinheitGueltig(std::string_view utf8);
std::string EinheitText(const KonfigDaten& k, Seite seite, int kanal);
// false (field unchanged) if !EinheitGueltig or kanal is out of range.
bool EinheitTextSetzen(KonfigDaten& k, Seite seite, int kanal, std::string_view utf8);
// The raw field (Windows-1252, NUL-terminated within its 9 bytes).
const char* EinheitFeld(const KonfigDaten& k, Seite seite, int kanal);
// The one rule for a unit read from a file (.dlo record or settings file):
// Windows-1252 bytes up to a NUL, the first 8 of them, with control characters
// dropped (a line feed would split a log's header line, and the unit field
// refuses them). The result always passes EinheitGueltig.
std::string EinheitAusDatei(std::string_view roh);

// 1 if equal, 0 otherwise: every number exactly (two NaNs count as equal, so a
// record always equals itself), unit texts case-sensitively up to the NUL.
// Padding bytes are never looked at.
int KonfigurationenVergleichen(KonfigDaten a, KonfigDaten b);

// Replaces every non-finite number by its standard value and makes every unit
// field hold EinheitAusDatei of itself with zeros after the text; padding
// becomes zero. Returns true if a number had to be replaced.
bool KonfigBereinigen(KonfigDaten& k);
