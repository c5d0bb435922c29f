#pragma once
// The box's curve slots: seven images of 8224 bytes (big-endian) at
// (slot - 1) * 0x2020 in memory area 4, and the 34-byte image of an empty slot.
#include "config/KonfigDaten.h"
#include "kennlinie/Kennlinie.h"

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr int kSlots = 7;
inline constexpr std::size_t kSlotGroesse = 8224;
inline constexpr std::size_t kLeerslotGroesse = 34;
inline constexpr std::size_t kTabelleOffset = 32;

using SlotAbbild = std::array<std::uint8_t, kSlotGroesse>;
using LeerslotAbbild = std::array<std::uint8_t, kLeerslotGroesse>;

bool SlotGueltig(int slot); // 1..7
long SlotAdresse(int slot); // (slot - 1) * 8224

// (1 + sum of the bytes from offset 2 on) mod 65536, over bytes 2..8223 of a
// curve image or bytes 2..33 of an empty one (byte 9 nonzero).
std::uint16_t SlotPruefsumme(const std::uint8_t* bild);

// The image of the points, the fixed value of output 2 (its unit, limited to
// the channel's range) and the rise time (ms), with its checksum.
// 0, or KennlFehler::ZuVieleEintraege (bild unchanged).
int SlotAbbildErzeugen(const Kennlinienpunkte& punkte, const KonfigDaten& k, double begrenzung, double anstiegszeit,
                       SlotAbbild& bild);

// Empty slot: byte 1 = 0xCF, byte 9 = 1, byte 33 = 0xCD, checksum 0x00CF.
LeerslotAbbild LeerslotAbbildErzeugen();

// What a slot holds: 4096 points of length 1 (one per input step), or for an
// empty slot a single point at its one entry; entries above 4095 are limited.
struct SlotInhalt {
    Kennlinienpunkte punkte;
    int begrenzungRoh = 0; // 0..65535 as stored
    long anstiegscode = 0;
};

// 0 or KennlFehler::Checksumme; ziel is written only on 0.
int SlotAbbildAuswerten(const SlotAbbild& bild, SlotInhalt& ziel);
