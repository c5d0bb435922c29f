#pragma once
// Transfer of the four curves to and from the box's 64 KiB curve memory.
//
// Image: a 32-byte header (checksum over bytes 2..E, the last byte address of
// each curve's samples, cycles and rest values as big-endian 16-bit words, the
// curve count 4 at offset 26), then one big-endian word per tick: the
// time-base nibble (code - 1) in bits 15..12, the sample 0..4095 below.
//
// The device procedures take the port and the box address and report progress
// and check for cancel between blocks (Blockrueckmeldung), so they can run on a
// worker thread. They never touch a Kurvensatz: the image is built beforehand,
// and curves read back are handed over by the caller on success only.
#include "device/Blocktransfer.h"
#include "kurven/KurvenMeldung.h"
#include "kurven/KurvenModell.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kurvengenerator {

inline constexpr const char* kTitelDatenSenden = "Daten senden"; // progress dialog, title and label
inline constexpr const char* kTitelDatenLesen = "Daten lesen";
inline constexpr const char* kTextSpeicherZuKlein =
    "Benötigter Platz für die Kurven überschreitet\nden verfügbaren Speicherplatz in der DLM-7.";
// Mode register bits of the box.
inline constexpr unsigned char kModusKennlinien = 0x02;
inline constexpr unsigned char kModusGenerator = 0x04;

// Equal-length warning before sending: popup "Warnung" with the buttons
// "Kurven senden" (Enter, go on) and "zurück" (Escape, stop).
inline constexpr const char* kKnopfKurvenSenden = "Kurven senden";
inline constexpr const char* kKnopfZurueck = "zurück";
struct Laengenwarnung {
    bool ungleich = false;
    std::string text;
};
// Curves of one point take no part.
Laengenwarnung LaengenPruefen(const Kurvensatz& s);

// 1 plus the sum of the bytes 2..letztes, low 16 bits.
std::uint16_t Pruefsumme(const unsigned char* bild, long letztes);

struct Speicherabbild {
    std::vector<unsigned char> bytes; // exactly the bytes to send (0..E)
    int code = 0;                     // 0, or why nothing may be sent
    Meldungen meldungen;              // the popup explaining code
};
// Refuses (popup "Fehler", nothing to send) a set larger than the memory, and
// data the box cannot play: time-base codes outside 1..12, lengths outside
// 1..65535, cycles outside 0..65535, rest values outside 0..4095.
Speicherabbild AbbildErstellen(const Kurvensatz& s);

// Writes bytes 0..anzahl-1, then switches the box to the curve generator
// (mode bit 0x02 cleared, 0x04 set). 0, KurvenFehler::SendenKeinPort for a
// port below 1, a driver code or kSendenAbgebrochen.
int DatenSenden(int port, char adresse, const unsigned char* bild, long anzahl, const Blockrueckmeldung& r);
// Checks the mode bits (KurvenFehler::KeineKurven unless 0x04 set and 0x02
// clear), then reads. puffer is untouched on failure.
int DatenLesen(int port, char adresse, long start, long anzahl, unsigned char* puffer, const Blockrueckmeldung& r);
// One point {value, 1, code} per word of bild[erstes..letztes]; punkte is
// written only on success.
int KurveDekodieren(const unsigned char* bild, long erstes, long letztes, std::vector<Kurvenpunkt>& punkte);

// Result of a device procedure: what the window shows, in order (the error
// indicator is cleared first), and the failure code (0 on success) for callers
// that report one code, like the command line.
struct Sendeergebnis {
    Meldungen meldungen;
    int code = 0;
};
// After the send: the box's error bits and, with pruefen, the image read back
// and compared (Schreibpruefung.h); a failed check adds a popup with the bits'
// texts or the first differing address before its code.
Sendeergebnis AbbildSenden(int port, char adresse, const Speicherabbild& bild, const Blockrueckmeldung& r,
                           bool pruefen = false);
// AbbildErstellen, then AbbildSenden if the image may be sent.
Sendeergebnis KurvenSenden(int port, char adresse, const Kurvensatz& s, const Blockrueckmeldung& r,
                           bool pruefen = false);

struct GeleseneKurven {
    std::array<std::vector<Kurvenpunkt>, kKurvenzahl> punkte; // one point per tick
    std::array<std::int32_t, kKurvenzahl> zyklen{};
    std::array<std::int32_t, kKurvenzahl> ruhewert{};
};
struct Leseergebnis {
    Meldungen meldungen;
    int code = 0;
    std::optional<GeleseneKurven> kurven; // only when everything was read and decoded
};
Leseergebnis KurvenLesen(int port, char adresse, const Blockrueckmeldung& r);
// Replaces points, cycles and rest values and clears the file path; comments,
// undo rings and geaendert stay.
void GeleseneKurvenUebernehmen(Kurvensatz& s, GeleseneKurven&& g);

} // namespace kurvengenerator
