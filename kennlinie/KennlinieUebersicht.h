#pragma once
// What the box's seven slots hold at a glance: each slot's head and, for a
// used slot, a few table entries spread over the input range, enough for a
// small picture of the curve. About a second per used slot at 9600 baud,
// where reading the slots in full would take minutes.
#include "device/Blocktransfer.h"
#include "kennlinie/KennlinieGeraet.h"

#include <cstdint>
#include <vector>

// Table entries read per used slot.
inline constexpr int kStichproben = 25;

// The input value of entry i (0..kStichproben-1): evenly spread over
// 0..4095, both ends included.
int StichprobenEingang(int i);

// The head of a slot from its first 10 bytes.
SlotKopf SlotKopfAuswerten(const std::uint8_t* kopf);

struct SlotZeile {
    int slot = 0;
    SlotKopf kopf;
    // Entry StichprobenEingang(i), limited to 0..4095; empty for an empty slot.
    std::vector<int> werte;
};

// Slots 1..7 in order, after one look at the mode register. zeilen gets each
// slot once it is read in full, so a failure or a cancel (kLesenAbgebrochen,
// asked before every request) leaves the slots read before it. A memory that
// holds no characteristic curves gives KennlFehler::BlockLesenKeineKennlinien.
Uebertragung SlotUebersichtLesen(int port, char adresse, std::vector<SlotZeile>& zeilen,
                                 const Blockrueckmeldung& r = {});
