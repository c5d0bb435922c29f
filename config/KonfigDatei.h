#pragma once
// Configuration file (.dlo): 32-byte title "ksv5 Konfigurations Datei" with NUL,
// 32-bit little-endian version 2, 4 padding bytes, then the 352-byte record.
#include "config/KonfigDaten.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr const char* kKonfigDateiTitel = "ksv5 Konfigurations Datei";
inline constexpr std::int32_t kKonfigDateiVersion = 2;
inline constexpr std::size_t kDateiTitelGroesse = 32;
inline constexpr std::size_t kKonfigDateiGroesse = 392;

inline constexpr int kKonfigSpeichernOeffnenFehler = -308261;
inline constexpr int kKonfigSpeichernSchreibFehler = -301262;
inline constexpr int kKonfigLadenOeffnenFehler = -308263;
inline constexpr int kKonfigLadenLeseFehler = -304264;   // fewer than 392 bytes
inline constexpr int kKonfigLadenTitelFehler = -1021265; // not a configuration file
inline constexpr int kKonfigLadenVersionFehler = -303266;

// The 392 bytes of a file holding k; undefined bytes are zero.
std::string KonfigDateiBytes(const KonfigDaten& k);

// Checks and decodes file bytes (only the first 392 are looked at). 0 or one of the
// loading codes above; ziel is changed only on 0.
int KonfigDateiAuswerten(std::string_view bytes, KonfigDaten& ziel);

// 0, kKonfigSpeichernOeffnenFehler or kKonfigSpeichernSchreibFehler. The bytes go
// to a temporary file beside pfad, renamed over it when complete, so a failed
// save leaves an existing file as it was.
int KonfigDateiSchreiben(const std::string& pfad, const KonfigDaten& k);

// 0 or one of the loading codes; ziel is changed only on 0. Anything but a
// regular file (a FIFO would block for ever) cannot be opened. A longer file is
// accepted. Non-finite numbers in the file become standard values (KonfigDeserialisieren);
// a channel with an empty span is loaded as it is.
int KonfigDateiLesen(const std::string& pfad, KonfigDaten& ziel);

// True if the 32-byte title field holds titel followed by a NUL (case-sensitive).
// Shared with the curve files, whose headers have the same form.
bool DateiTitelPasst(const unsigned char* titelfeld, std::string_view titel);

// Little-endian helpers for file headers: 32-bit integers and IEEE 754 doubles.
void Int32Schreiben(unsigned char* ziel, std::int32_t wert);
std::int32_t Int32Lesen(const unsigned char* quelle);
void DoubleSchreiben(unsigned char* ziel, double wert);
double DoubleLesen(const unsigned char* quelle);
