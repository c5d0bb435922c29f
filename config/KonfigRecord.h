#pragma once
// The 352-byte file form of KonfigDaten, shared by the configuration file and
// the curve files: little-endian IEEE 754 doubles, 9-byte unit fields, zeroed
// padding. Produced field by field, independent of the compiler's struct layout.
#include "config/KonfigDaten.h"

#include <cstddef>

inline constexpr std::size_t kKonfigRecordGroesse = 352;

// Writes exactly kKonfigRecordGroesse bytes to ziel.
void KonfigSerialisieren(const KonfigDaten& k, unsigned char* ziel);

// Reads exactly kKonfigRecordGroesse bytes. Undefined bytes (padding, bytes after
// a unit's NUL) are ignored; a unit becomes EinheitAusDatei of its field
// (first 8 bytes, control characters dropped);
// a non-finite number is replaced by its standard value (KonfigBereinigen), so
// no NaN or infinity enters the program through a file.
KonfigDaten KonfigDeserialisieren(const unsigned char* quelle);
