#include "kennlinie/KennlinieUebersicht.h"

#include "device/Qavksv5.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieSlot.h"

#include <algorithm>

namespace {

constexpr int kBereich = 4;
constexpr long kKopf = 10; // up to the empty-slot flag at offset 9

bool Abgebrochen(const Blockrueckmeldung& r) { return r.abbrechen && r.abbrechen->load(); }

} // namespace

int StichprobenEingang(int i) { return (i * kRohMax + (kStichproben - 1) / 2) / (kStichproben - 1); }

SlotKopf SlotKopfAuswerten(const std::uint8_t* kopf) {
    SlotKopf k;
    k.belegt = kopf[9] == 0;
    k.begrenzungRoh = kopf[4] * 256 + kopf[5];
    k.anstiegszeit = CodeZuAnstiegszeit(kopf[6] * 65536L + kopf[7] * 256L + kopf[8]);
    return k;
}

Uebertragung SlotUebersichtLesen(int port, char adresse, std::vector<SlotZeile>& zeilen, const Blockrueckmeldung& r) {
    zeilen.clear();
    Uebertragung u;
    const auto ende = [&u](int code) {
        u.meldungen.push_back({Fehlerweg::Ziel::Anzeige, code});
        return u;
    };
    u.meldungen.push_back({Fehlerweg::Ziel::Anzeige, 0});
    if (port < 0) return ende(KennlFehler::BlockLesenPort);
    if (Abgebrochen(r)) return ende(kLesenAbgebrochen);
    unsigned char modus = 0;
    if (const int rc = QAVKSV5_ModusLesen(port, adresse, modus); rc != 0) return ende(rc);
    if ((modus & kModusKennlinien) == 0 || (modus & kModusGenerator) != 0)
        return ende(KennlFehler::BlockLesenKeineKennlinien);

    // Each slot is a seventh of the bar; within it the head and every entry
    // count alike, as each costs about one request on the line.
    const auto melden = [&r](int slot, int schritt, int schritte) {
        if (r.fortschritt) r.fortschritt(((slot - 1) * 100 + schritt * 100 / schritte) / kSlots);
    };
    for (int s = 1; s <= kSlots; ++s) {
        if (Abgebrochen(r)) return ende(kLesenAbgebrochen);
        std::uint8_t kopf[kKopf] = {};
        if (const int rc = QAVKSV5_SpeicherLesen(port, adresse, kBereich, SlotAdresse(s), kKopf, kopf); rc != 0)
            return ende(rc);
        SlotZeile z{s, SlotKopfAuswerten(kopf), {}};
        const int schritte = z.kopf.belegt ? 1 + kStichproben : 1;
        melden(s, 1, schritte);
        for (int i = 0; z.kopf.belegt && i < kStichproben; ++i) {
            if (Abgebrochen(r)) return ende(kLesenAbgebrochen);
            const long start = SlotAdresse(s) + static_cast<long>(kTabelleOffset) + 2L * StichprobenEingang(i);
            unsigned char eintrag[2] = {};
            if (const int rc = QAVKSV5_SpeicherLesen(port, adresse, kBereich, start, 2, eintrag); rc != 0)
                return ende(rc);
            z.werte.push_back(std::min(eintrag[0] * 256 + eintrag[1], kRohMax));
            melden(s, 2 + i, schritte);
        }
        zeilen.push_back(std::move(z));
    }
    return u;
}
