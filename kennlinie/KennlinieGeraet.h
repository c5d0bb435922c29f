#pragma once
// Moving a curve to and from the box's slots, and selecting a slot through
// output 4. Each procedure is synchronous on the given port (a port below 0
// means none is open) and reports progress and takes a cancel flag through
// Blockrueckmeldung, so a device service can run it on its worker thread and
// dlm7ctl can run it directly.
#include "config/KonfigDaten.h"
#include "device/Blocktransfer.h"
#include "kennlinie/Kennlinie.h"
#include "kennlinie/KennlinieSlot.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kSendenTitel = "Daten senden"; // progress dialog title and label
inline constexpr const char* kLesenTitel = "Daten lesen";

// Mode register: the memory holds characteristic curves / generator curves.
inline constexpr unsigned char kModusKennlinien = 0x02;
inline constexpr unsigned char kModusGenerator = 0x04;

// Where the window shows a code: the shared error indicator (ComFehlerSetzen,
// where 0 clears it) or the error popup (QAV_Fehlerpopup).
struct Fehlerweg {
    enum class Ziel { Anzeige, Popup };
    Ziel ziel;
    int code;
    bool operator==(const Fehlerweg&) const = default;
};

// The codes of one procedure in the order the window passes them on.
struct Uebertragung {
    std::vector<Fehlerweg> meldungen;
    // Shown with a failed check after the send (the error bits' texts, or the
    // first differing address); empty otherwise.
    std::string text;
    // The failure: the first nonzero code, 0 if the procedure succeeded.
    int Fehlercode() const;
};

// "zur DLM-7 schreiben": digitise, check the slot, read the mode, prepare the
// memory with seven empty slots unless it holds characteristic curves, write
// the image with progress, set the mode bits, then check the box's error bits
// and, with pruefen, read the slot back and compare it (Schreibpruefung.h).
// A cancel between blocks shows kSendenAbgebrochen (the slot is incomplete)
// and leaves the mode bits alone.
Uebertragung KennlinieSenden(int port, char adresse, int slot, const Kennlinienpunkte& punkte, const KonfigDaten& k,
                             double begrenzung, double anstiegszeit, const Blockrueckmeldung& r = {},
                             bool pruefen = false);

// What a slot brought: the points replace the curve's points; the fixed value
// (output 2's unit) is missing when the slot's value was out of range.
struct GelesenerSlot {
    Kennlinienpunkte punkte;
    std::optional<double> begrenzung;
    double anstiegszeit;
};

// "von DLM-7 lesen": ziel is set only when the slot was read and checked; a
// failed or cancelled read leaves it empty (the caller's curve unchanged).
Uebertragung KennlinieLesen(int port, char adresse, int slot, const KonfigDaten& k, std::optional<GelesenerSlot>& ziel,
                            const Blockrueckmeldung& r = {});

// What the head of a slot says: empty, or used with its rise time and the
// raw fixed value of output 2 (as stored, 0..65535).
struct SlotKopf {
    bool belegt = false;
    double anstiegszeit = 0.0; // ms
    int begrenzungRoh = 0;
};

// The heads of slots 1..7 (their first bytes only, so an overview takes a
// second, not minutes). ziel is set only when every head was read; a memory
// that holds no characteristic curves gives KennlFehler::BlockLesenKeineKennlinien.
Uebertragung SlotsLesen(int port, char adresse, std::optional<std::array<SlotKopf, kSlots>>& ziel,
                        const Blockrueckmeldung& r = {});

// "über Ausg.4 anwählen": output 4 to the slot number in volts.
Uebertragung Ausgang4Setzen(int port, char adresse, int slot);
