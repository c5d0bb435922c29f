#pragma once
// What the box's curve memory holds against the image the editor would send:
// per curve the samples that differ (count, first, ranges, lengths) and the
// parameters (cycles, rest values).
#include "device/Blocktransfer.h"
#include "kern/Abweichungen.h"
#include "kurven/KurvenMeldung.h"
#include "kurven/KurvenModell.h"
#include "kurven/KurvenTransfer.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kurvengenerator {

struct KurvenAbweichung {
    int laengeEditor = 0; // samples (ticks)
    int laengeBox = 0;
    // Differing samples (value or time base); where one side is longer, each
    // sample beyond the shorter counts.
    int abtastwerte = 0;
    std::optional<int> erste;
    int ersteEditor = -1; // raw 0..4095 there, -1 where that side has none
    int ersteBox = -1;
    double ersteZeit = 0.0; // seconds from the curve's start to the first difference
    std::vector<Abweichungsbereich> bereiche;
    bool zyklen = false;
    std::int32_t zyklenEditor = 0, zyklenBox = 0;
    bool ruhewert = false;
    std::int32_t ruhewertEditor = 0, ruhewertBox = 0;
};

struct KurvenVergleich {
    std::array<KurvenAbweichung, kKurvenzahl> kurven;
    // Equal samples and parameters, but other bytes (checksum, head) differ.
    bool sonstiges = false;

    // Differing samples plus differing parameters, over all curves.
    int anzahl() const;
    bool gleich() const { return anzahl() == 0; }
    // One line per curve that differs (first difference and ranges) and per
    // parameter; "Datei" names the editor's side. Empty when equal.
    std::vector<std::string> Zeilen(const std::string& editorName = "Datei") const;
};

// Two images as AbbildErstellen writes them (header and samples); box is read
// from the box and already checked for sane end addresses.
KurvenVergleich KurvenVergleichen(const std::vector<unsigned char>& editor, const std::vector<unsigned char>& box);

// "Mit DLM-7 vergleichen": builds the editor's image (refused with its popup
// as the send refuses it), reads the box's image as "von DLM-7 lesen" does
// (mode check, blocks, progress, cancel, checksum) and compares. vergleich
// and the box's curves (one point per tick, for drawing behind) are set only
// on success (code 0).
struct KurvenVergleichLauf {
    Meldungen meldungen;
    int code = 0;
    std::optional<KurvenVergleich> vergleich;
    std::optional<GeleseneKurven> box;
};
KurvenVergleichLauf KurvenMitBoxVergleichen(int port, char adresse, const Kurvensatz& s,
                                            const Blockrueckmeldung& r = {});

} // namespace kurvengenerator
