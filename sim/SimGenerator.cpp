#include "sim/SimGenerator.h"

#include "device/Protokoll.h"

#include <algorithm>
#include <cmath>

namespace {
unsigned Wort(const SimSpeicher::Abbild& m, std::size_t pos) { return m[pos] * 256u + m[pos + 1]; }
} // namespace

double SimGenerator::Tick(unsigned nibble) {
    static constexpr double kTick[] = {500e-6, 1e-3, 2e-3, 3e-3, 4e-3, 5e-3, 10e-3, 20e-3, 50e-3, 100e-3, 1.0, 60.0};
    return nibble < 12 ? kTick[nibble] : 0.0;
}

unsigned char SimGenerator::Laden(const SimSpeicher::Abbild& m) {
    std::size_t e = Wort(m, 8);
    if (e < 32) return 0x08;
    if (Protokoll::Pruefsumme(m.data() + 2, e - 1) != Wort(m, 0)) return 0x02;
    std::array<Kurve, 4> neu;
    std::size_t anfang = 32;
    for (std::size_t k = 0; k < 4; ++k) {
        std::size_t ende = Wort(m, 2 + 2 * k);
        // A curve may be empty (end just before its start); otherwise whole words.
        if (ende + 1 < anfang || (ende + 1 - anfang) % 2 != 0) return 0x08;
        Kurve& kurve = neu[k];
        kurve.zyklen = Wort(m, 10 + 2 * k);
        kurve.ruhe = std::min<int>(static_cast<int>(Wort(m, 18 + 2 * k)), 4095);
        double zeit = 0.0;
        for (std::size_t p = anfang; p + 1 <= ende; p += 2) {
            unsigned w = Wort(m, p);
            double tick = Tick(w >> 12);
            if (tick == 0.0) return 0x08;
            zeit += tick;
            kurve.werte.push_back(static_cast<int>(w & 0x0FFF));
            kurve.ende.push_back(zeit);
        }
        anfang = ende + 1;
    }
    kurven_ = std::move(neu);
    return 0;
}

int SimGenerator::Ausgang(int k, double t) const {
    const Kurve& kurve = kurven_[static_cast<std::size_t>(k)];
    if (kurve.werte.empty()) return kurve.ruhe;
    double periode = kurve.ende.back();
    if (kurve.zyklen > 0 && t >= kurve.zyklen * periode) return kurve.ruhe;
    double pos = std::fmod(std::max(t, 0.0), periode);
    auto it = std::upper_bound(kurve.ende.begin(), kurve.ende.end(), pos);
    std::size_t i = std::min<std::size_t>(static_cast<std::size_t>(it - kurve.ende.begin()), kurve.werte.size() - 1);
    return kurve.werte[i];
}

bool SimGenerator::Fertig(double t) const {
    bool endlich = false;
    for (const Kurve& k : kurven_) {
        if (k.werte.empty() || k.zyklen == 0) continue;
        endlich = true;
        if (t < k.zyklen * k.ende.back()) return false;
    }
    return endlich;
}
