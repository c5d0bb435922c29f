#pragma once
// Curve file (.dle): a 1424-byte little-endian header (title "dlm7 Kennlinien
// Datei", version 2, comment in Windows-1252, the configuration record, point
// count, fixed value of output 2, rise time), then 12 bytes per point.
#include "config/KonfigDaten.h"
#include "kennlinie/Kennlinie.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr const char* kKennlinieDateiTitel = "dlm7 Kennlinien Datei";
inline constexpr std::int32_t kKennlinieDateiVersion = 2;
inline constexpr std::size_t kKennlinieKopfGroesse = 1424;
inline constexpr std::size_t kKommentarFeld = 1000; // NUL included: at most 999 bytes of text

// Everything a .dle holds.
struct KennlinienDatei {
    Kennlinie kurve;
    KonfigDaten konfig = KonfigStandardwerte(); // the configuration active when saved
    // The fixed value of output 2 as stored: the field's value taken through
    // input 2's scaling (BegrenzungZuDatei), as the Windows version wrote it.
    double begrenzungRoh = 0.0;
    double anstiegszeit = kStartAnstiegszeit; // ms
};

// The window's field <-> the stored value, through the given configuration.
// After a load, convert with the configuration in force once the user has
// answered the configuration question: the file's own one gives back exactly
// the value that was saved.
double BegrenzungZuDatei(const KonfigDaten& k, double begrenzung);
double BegrenzungAusDatei(const KonfigDaten& k, double begrenzungRoh);

// True if the comment fits the file: at most 999 characters, each one
// Windows-1252 can hold, no NUL. A comment editor should refuse anything else.
bool KommentarSpeicherbar(std::string_view utf8);

// The exact bytes of the file; empty if the comment cannot be stored.
std::string KennlinieDateiBytes(const KennlinienDatei& d);

// Checks and decodes file bytes. 0, KennlFehler::LadenKopf, LadenTitel or
// LadenVersion; ziel is written only on 0. A point count above 65536 or
// larger than the bytes that follow is a truncated file (LadenKopf); one that
// is not positive gives the single point of a new curve, with the file's
// comment, parameters and configuration.
int KennlinieDateiAuswerten(std::string_view bytes, KennlinienDatei& ziel);

// 0, KennlFehler::SpeichernOeffnen or SpeichernKopf (also for a comment the
// file cannot hold). Written to a temporary file beside pfad and renamed over
// it when complete, so a failed save leaves an existing file as it was.
int KennlinieSpeichern(const std::string& pfad, const KennlinienDatei& d);

// 0 or a loading code (KennlFehler::LadenOeffnen for a missing, unreadable or
// non-regular file); ziel is written only on 0. Only the header and the
// points the count announces are read, never more than the file holds.
int KennlinieLaden(const std::string& pfad, KennlinienDatei& ziel);
