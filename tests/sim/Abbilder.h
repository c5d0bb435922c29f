#pragma once
// Memory images as the program writes them, for the simulator tests.
#include "device/Protokoll.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// One characteristic-curve slot image of 8224 bytes.
inline std::vector<std::uint8_t> KennlinienSlot(const std::function<int(int)>& tabelle, int fest, long code) {
    std::vector<std::uint8_t> s(8224, 0);
    s[4] = static_cast<std::uint8_t>(fest >> 8);
    s[5] = static_cast<std::uint8_t>(fest);
    s[6] = static_cast<std::uint8_t>(code >> 16);
    s[7] = static_cast<std::uint8_t>(code >> 8);
    s[8] = static_cast<std::uint8_t>(code);
    for (int x = 0; x < 4096; ++x) {
        int y = tabelle(x);
        s[32 + 2 * static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(y >> 8);
        s[33 + 2 * static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(y);
    }
    std::uint16_t summe = Protokoll::Pruefsumme(s.data() + 2, s.size() - 2);
    s[0] = static_cast<std::uint8_t>(summe >> 8);
    s[1] = static_cast<std::uint8_t>(summe);
    return s;
}

// Generator image: per curve the sample words (nibble << 12 | value).
inline std::vector<std::uint8_t> GeneratorAbbild(const std::array<std::vector<std::uint16_t>, 4>& kurven,
                                                 std::array<std::uint16_t, 4> zyklen,
                                                 std::array<std::uint16_t, 4> ruhe) {
    std::vector<std::uint8_t> m(32, 0);
    auto wort = [&](std::size_t pos, std::uint16_t w) {
        m[pos] = static_cast<std::uint8_t>(w >> 8);
        m[pos + 1] = static_cast<std::uint8_t>(w);
    };
    for (std::size_t k = 0; k < 4; ++k) {
        for (auto w : kurven[k]) {
            m.push_back(static_cast<std::uint8_t>(w >> 8));
            m.push_back(static_cast<std::uint8_t>(w));
        }
        wort(2 + 2 * k, static_cast<std::uint16_t>(m.size() - 1));
        wort(10 + 2 * k, zyklen[k]);
        wort(18 + 2 * k, ruhe[k]);
    }
    m[26] = 4;
    wort(0, Protokoll::Pruefsumme(m.data() + 2, m.size() - 2));
    return m;
}
