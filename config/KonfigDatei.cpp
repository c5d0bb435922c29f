#include "config/KonfigDatei.h"

#include "config/KonfigRecord.h"
#include "kern/IniDatei.h"
#include "kern/RegulaereDatei.h"

#include <bit>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kVersionOffset = 32;
constexpr std::size_t kRecordOffset = 40;

const unsigned char* Bytes(std::string_view s) { return reinterpret_cast<const unsigned char*>(s.data()); }

} // namespace

void Int32Schreiben(unsigned char* ziel, std::int32_t wert) {
    const auto u = static_cast<std::uint32_t>(wert);
    for (int i = 0; i < 4; ++i) ziel[i] = static_cast<unsigned char>(u >> (8 * i));
}

std::int32_t Int32Lesen(const unsigned char* quelle) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(quelle[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

void DoubleSchreiben(unsigned char* ziel, double wert) {
    const auto bits = std::bit_cast<std::uint64_t>(wert);
    for (int i = 0; i < 8; ++i) ziel[i] = static_cast<unsigned char>(bits >> (8 * i));
}

double DoubleLesen(const unsigned char* quelle) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(quelle[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

bool DateiTitelPasst(const unsigned char* titelfeld, std::string_view titel) {
    if (titel.size() >= kDateiTitelGroesse) return false;
    return std::memcmp(titelfeld, titel.data(), titel.size()) == 0 && titelfeld[titel.size()] == 0;
}

std::string KonfigDateiBytes(const KonfigDaten& k) {
    std::string bytes(kKonfigDateiGroesse, '\0');
    auto* p = reinterpret_cast<unsigned char*>(bytes.data());
    std::memcpy(p, kKonfigDateiTitel, std::strlen(kKonfigDateiTitel));
    Int32Schreiben(p + kVersionOffset, kKonfigDateiVersion);
    KonfigSerialisieren(k, p + kRecordOffset);
    return bytes;
}

int KonfigDateiAuswerten(std::string_view bytes, KonfigDaten& ziel) {
    if (bytes.size() < kKonfigDateiGroesse) return kKonfigLadenLeseFehler;
    if (!DateiTitelPasst(Bytes(bytes), kKonfigDateiTitel)) return kKonfigLadenTitelFehler;
    if (Int32Lesen(Bytes(bytes) + kVersionOffset) != kKonfigDateiVersion) return kKonfigLadenVersionFehler;
    ziel = KonfigDeserialisieren(Bytes(bytes) + kRecordOffset);
    return 0;
}

int KonfigDateiSchreiben(const std::string& pfad, const KonfigDaten& k) {
    switch (DateiErsetzen(pfad, KonfigDateiBytes(k))) {
    case ErsetzenErgebnis::Ok: return 0;
    case ErsetzenErgebnis::OeffnenFehlgeschlagen: return kKonfigSpeichernOeffnenFehler;
    case ErsetzenErgebnis::SchreibenFehlgeschlagen: break;
    }
    return kKonfigSpeichernSchreibFehler;
}

int KonfigDateiLesen(const std::string& pfad, KonfigDaten& ziel) {
    std::FILE* datei = RegulaereDateiOeffnen(pfad);
    if (!datei) return kKonfigLadenOeffnenFehler;
    std::string bytes(kKonfigDateiGroesse, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), datei));
    const bool lesefehler = std::ferror(datei) != 0;
    std::fclose(datei);
    if (lesefehler) return kKonfigLadenLeseFehler;
    return KonfigDateiAuswerten(bytes, ziel);
}
