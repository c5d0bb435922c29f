#include "device/Blocktransfer.h"

#include "device/Protokoll.h"
#include "device/Qavksv5.h"

#include <algorithm>
#include <vector>

namespace {

constexpr long kSeite = 64;
constexpr int kBereich = 4;

bool Abgebrochen(const Blockrueckmeldung& r) { return r.abbrechen && r.abbrechen->load(); }

void Melden(const Blockrueckmeldung& r, long fertig, long laenge) {
    if (r.fortschritt && laenge > 0) r.fortschritt(static_cast<int>(fertig * 100 / laenge));
    if (r.menge) r.menge(fertig, laenge);
}

} // namespace

double Leitungszeit(long laenge, bool schreiben, int baud) {
    if (laenge <= 0 || baud <= 0) return 0.0;
    // A write is its frame and the ACK; a read the 15-character request, the
    // ACK and the answer line, which is as long as a write frame.
    constexpr std::size_t kAck = 1, kLeseanfrage = 15;
    const std::size_t proBlock = schreiben ? kAck : kLeseanfrage + kAck;
    const long voll = laenge / kSeite, rest = laenge % kSeite;
    double zeichen = double(voll) * double(Protokoll::SpeicherZeileLaenge(kSeite) + proBlock);
    if (rest > 0) zeichen += double(Protokoll::SpeicherZeileLaenge(rest) + proBlock);
    return zeichen * 10.0 / baud;
}

long BlockLaenge(long adresse, long rest) {
    const long platz = adresse >= 0 ? kSeite - adresse % kSeite : kSeite;
    return std::min(platz, rest);
}

int SpeicherBlockweiseSchreiben(int port, char adresse, long start, const unsigned char* daten, long laenge,
                                const Blockrueckmeldung& r) {
    long pos = 0;
    // A count the driver refuses still goes to it once, so it names the fault.
    do {
        if (Abgebrochen(r)) return kSendenAbgebrochen;
        const long n = laenge > 0 ? BlockLaenge(start + pos, laenge - pos) : laenge;
        if (const int rc = QAVKSV5_SpeicherSchreiben(port, adresse, kBereich, start + pos, n, daten + pos); rc != 0)
            return rc;
        pos += n;
        Melden(r, pos, laenge);
    } while (pos < laenge);
    return 0;
}

int SpeicherBlockweiseLesen(int port, char adresse, long start, long laenge, unsigned char* daten,
                            const Blockrueckmeldung& r) {
    // Grown block by block, so an absurd length fails at the driver, not here.
    std::vector<unsigned char> gelesen;
    unsigned char block[kSeite];
    long pos = 0;
    do {
        if (Abgebrochen(r)) return kLesenAbgebrochen;
        const long n = laenge > 0 ? std::min(kSeite, laenge - pos) : laenge;
        if (const int rc = QAVKSV5_SpeicherLesen(port, adresse, kBereich, start + pos, n, block); rc != 0) return rc;
        gelesen.insert(gelesen.end(), block, block + n);
        pos += n;
        Melden(r, pos, laenge);
    } while (pos < laenge);
    std::copy(gelesen.begin(), gelesen.end(), daten);
    return 0;
}
