#pragma once
// Moving a memory image in the blocks the box accepts: writes of at most 64
// bytes that never cross a 64-byte page, reads of at most 64 bytes. Progress
// and cancel are asked between blocks, so a caller on another thread (the
// device service) can show a percentage and stop a long transfer cleanly.
#include <atomic>
#include <functional>

// A transfer stopped by the user: the box (send) or the program (read) holds
// an incomplete image. Their categories carry their own catalogue texts.
inline constexpr int kSendenAbgebrochen = -1027001;
inline constexpr int kLesenAbgebrochen = -1028002;

struct Blockrueckmeldung {
    // Called after every block with (done * 100 / total); may be empty.
    std::function<void(int prozent)> fortschritt;
    // Checked before every block; once true no further frame goes out.
    const std::atomic<bool>* abbrechen = nullptr;
    // Called after fortschritt: the bytes moved and those of the whole transfer; may be empty.
    std::function<void(long fertig, long gesamt)> menge;
};

// Seconds the line needs to move laenge bytes in blocks at baud, 10 bits per
// character in both directions (frames, answers and acknowledgements).
double Leitungszeit(long laenge, bool schreiben, int baud = 9600);

// Page rule: a block starting at adresse holds at most 64 - adresse % 64 bytes.
long BlockLaenge(long adresse, long rest);

// Area 4, start..start+laenge-1. Returns 0, the driver's code of the failing
// block, or kSendenAbgebrochen / kLesenAbgebrochen. A failed or cancelled read
// leaves daten untouched.
int SpeicherBlockweiseSchreiben(int port, char adresse, long start, const unsigned char* daten, long laenge,
                                const Blockrueckmeldung& r = {});
int SpeicherBlockweiseLesen(int port, char adresse, long start, long laenge, unsigned char* daten,
                            const Blockrueckmeldung& r = {});
