#include "kern/Cp1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the upper half equals Latin-1.
constexpr std::array<char32_t, 32> kObererBereich{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ZeichenVonByte(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return kObererBereich[b - 0x80];
    return b;
}

std::optional<unsigned char> ByteVonZeichen(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kObererBereich.size(); ++i)
        if (kObererBereich[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void Utf8Anhaengen(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at s[i]; advances i. nullopt on malformed input.
std::optional<char32_t> Utf8Lesen(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int laenge = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        laenge = 2;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        laenge = 3;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        laenge = 4;
        c = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + laenge > s.size()) return std::nullopt;
    for (int k = 1; k < laenge; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms would smuggle in bytes such as a line feed (C0 8A);
    // surrogates and code points past U+10FFFF are no characters at all.
    static constexpr char32_t kKleinstes[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kKleinstes[laenge] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return std::nullopt;
    i += laenge;
    return c;
}

} // namespace

std::optional<std::string> NachCp1252(std::string_view utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = Utf8Lesen(utf8, i);
        if (!c) return std::nullopt;
        const auto b = ByteVonZeichen(*c);
        if (!b) return std::nullopt;
        aus += static_cast<char>(*b);
    }
    return aus;
}

std::string VonCp1252(std::string_view cp1252) {
    std::string aus;
    aus.reserve(cp1252.size() * 2);
    for (char ch : cp1252) Utf8Anhaengen(aus, ZeichenVonByte(static_cast<unsigned char>(ch)));
    return aus;
}

bool InCp1252Darstellbar(std::string_view utf8) { return NachCp1252(utf8).has_value(); }
