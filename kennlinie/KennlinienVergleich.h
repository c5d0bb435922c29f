#pragma once
// What a slot of the box holds against what the editor would send into it:
// the table entries that differ (count, first, ranges) and the parameters
// (fixed value of output 2, rise time, whether the slot is used at all).
#include "config/KonfigDaten.h"
#include "device/Blocktransfer.h"
#include "kennlinie/KennlinieGeraet.h"
#include "kennlinie/KennlinieSlot.h"
#include "kern/Abweichungen.h"

#include <optional>
#include <string>
#include <vector>

struct KennlinienVergleich {
    // The slot is empty: every entry counts as differing, the parameters are
    // not compared, "belegt" counts as one parameter.
    bool leer = false;
    int eintraege = 0;        // differing table entries
    std::optional<int> erste; // first differing input step
    int ersteEditor = 0;      // the entries there (box: 0 when the slot is empty)
    int ersteBox = 0;
    std::vector<Abweichungsbereich> bereiche;
    bool festwert = false; // fixed value of output 2 differs (raw)
    int festwertEditor = 0, festwertBox = 0;
    bool anstieg = false; // rise-time code differs
    long anstiegEditor = 0, anstiegBox = 0;
    // Other bytes of the image (checksum and head) differ where entries and
    // parameters are equal: a slot the box did not keep as written.
    bool sonstiges = false;

    int parameter() const { return (leer ? 1 : 0) + (festwert ? 1 : 0) + (anstieg ? 1 : 0) + (sonstiges ? 1 : 0); }
    // The number after "Unterschiede:": entries plus parameters.
    int anzahl() const { return eintraege + parameter(); }
    bool gleich() const { return anzahl() == 0; }
    // One line each: first difference, ranges, each parameter in units of k
    // ("Datei" for the editor's side). Empty when equal.
    std::vector<std::string> Zeilen(const KonfigDaten& k, const std::string& editorName = "Datei") const;
};

// The editor's image against the image read from the box.
KennlinienVergleich KennlinienVergleichen(const SlotAbbild& editor, const SlotAbbild& box);

// "Mit DLM-7 vergleichen": the slot's image read as "von DLM-7 lesen" reads
// it (same mode check, blocks, progress and cancel), then compared with the
// image of the editor's curve and parameters. vergleich and the box's curve
// (for drawing it behind; empty when the box's checksum is wrong) are set
// only when the read succeeded.
struct KennlinienVergleichLauf {
    Uebertragung uebertragung;
    std::optional<KennlinienVergleich> vergleich;
    std::optional<SlotInhalt> box;
};
KennlinienVergleichLauf KennlinieVergleichen(int port, char adresse, int slot, const Kennlinienpunkte& punkte,
                                             const KonfigDaten& k, double begrenzung, double anstiegszeit,
                                             const Blockrueckmeldung& r = {});
