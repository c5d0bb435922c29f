#pragma once
// Checking a write to the box's memory: the error bits of status register 2,
// always, and on request the image read back and compared byte for byte.
#include "device/Blocktransfer.h"

#include <string>

// Status register 2, bits 0..4, with the texts of the connection window's
// "Fehlerbits" box.
inline constexpr int kFehlerbitAnzahl = 5;
extern const char* const kFehlerbitTexte[kFehlerbitAnzahl];
// The texts of the set bits in bit order, each followed by a line break; "" for none.
std::string FehlerbitsText(unsigned char bits);

// The box reports error bits after a write, and the read-back differs from
// what was sent. Their categories carry their own catalogue texts.
inline constexpr int kFehlerbitsNachSchreiben = -1031001;
inline constexpr int kPruefungAbweichung = -1032002;

// Title of the popup that explains a failed check: "Fehlerbits" as the
// connection window's box, or "Fehler".
inline const char* PruefungsTitel(int code) { return code == kFehlerbitsNachSchreiben ? "Fehlerbits" : "Fehler"; }

struct Schreibpruefung {
    int code = 0; // 0, a driver code, kLesenAbgebrochen, kFehlerbitsNachSchreiben or kPruefungAbweichung
    unsigned char fehlerbits = 0;
    long ersteAbweichung = -1; // memory address of the first differing byte
    unsigned char gesendet = 0, gelesen = 0;
    // What a user is shown beside the code: the bits' texts one per line, or
    // the first differing address; "" for any other outcome.
    std::string Text() const;
    const char* Titel() const { return PruefungsTitel(code); }
};

// Progress of one part of a longer transfer: the part's 0..100 % become von..bis.
// A send with its check shows the write as 0..50 and the read-back as 50..100,
// so one progress dialog never runs backwards.
Blockrueckmeldung Teilstrecke(const Blockrueckmeldung& r, int von, int bis);

// After a successful write of daten to start..start+laenge-1: reads status
// register 2; with vergleichen (and no error bits) reads the range back in
// blocks and compares it. Progress and cancel as for the read.
Schreibpruefung GeschriebenesPruefen(int port, char adresse, long start, const unsigned char* daten, long laenge,
                                     bool vergleichen, const Blockrueckmeldung& r = {});
