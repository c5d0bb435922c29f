#include "sim/SimKennlinie.h"

#include "device/Protokoll.h"

#include <algorithm>
#include <cmath>

double SimKennlinie::Anstiegszeit(long code) {
    if (code <= 0) code = 1;
    if (code < 256) return 409.5 * (256 - code);
    long k = code >= 0xFFF01 ? 4095 : (code >> 8) & 0xFFF;
    return 409.5 / static_cast<double>(std::max(k, 1L));
}

void SimKennlinie::Starten(double t, int ausgang1) {
    ausgang1_ = ausgang1;
    letzteZeit_ = t;
}

bool SimKennlinie::SlotGueltig(const SimSpeicher& speicher, std::size_t slot) {
    // The checksum over 8 KiB is cached until the memory changes.
    if (geprueftVersion_[slot] != speicher.Version() + 1) {
        const auto& m = speicher.Bytes();
        std::size_t basis = slot * kSlotGroesse;
        unsigned gespeichert = m[basis] * 256u + m[basis + 1];
        bool leer = m[basis + 9] != 0;
        std::size_t ende = leer ? 34 : kSlotGroesse;
        geprueftGut_[slot] = !leer && Protokoll::Pruefsumme(m.data() + basis + 2, ende - 2) == gespeichert;
        geprueftVersion_[slot] = speicher.Version() + 1;
    }
    return geprueftGut_[slot];
}

unsigned char SimKennlinie::Fortschreiben(double t, const SimSpeicher& speicher, double eingang2, double auswahl,
                                          std::array<int, 4>& ausgaenge) {
    double dt = std::max(0.0, t - letzteZeit_);
    letzteZeit_ = t;
    double wahl = std::floor(auswahl + 0.5);
    // Written so that NaN selects no slot as well.
    if (!(wahl >= 1.0 && wahl <= 7.0)) return 0x10;
    auto slot = static_cast<std::size_t>(wahl) - 1;
    const auto& m = speicher.Bytes();
    std::size_t basis = slot * kSlotGroesse;
    if (m[basis + 9] != 0) return 0x10;
    if (!SlotGueltig(speicher, slot)) return 0x02;
    int fest = m[basis + 4] * 256 + m[basis + 5];
    ausgaenge[1] = std::clamp(fest, 0, 4095);
    long code = (static_cast<long>(m[basis + 6]) << 16) | (m[basis + 7] << 8) | m[basis + 8];
    // Limited before the conversion: a value outside int (or NaN) has no defined int.
    const double roh = std::trunc(eingang2 * 4095.0 / 10.0 + 0.5);
    int x = roh >= 0.0 && roh <= 4095.0 ? static_cast<int>(roh) : (roh > 4095.0 ? 4095 : 0);
    std::size_t pos = basis + 32 + 2 * static_cast<std::size_t>(x);
    double ziel = std::min(4095, m[pos] * 256 + m[pos + 1]);
    double schritt = 4095.0 * (dt * 1000.0) / Anstiegszeit(code);
    if (ziel > ausgang1_)
        ausgang1_ = std::min(ziel, ausgang1_ + schritt);
    else
        ausgang1_ = std::max(ziel, ausgang1_ - schritt);
    ausgaenge[0] = static_cast<int>(std::lround(ausgang1_));
    return 0;
}
