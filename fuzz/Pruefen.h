#pragma once
// Properties the harnesses assert. A broken one is named on standard error and
// aborts, so libFuzzer keeps the input as a crash and the replay test fails.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_PRUEFEN(bedingung)                                                                                        \
    do {                                                                                                               \
        if (!(bedingung)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: Eigenschaft verletzt: %s\n", __FILE__, __LINE__, #bedingung);                 \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

// Takes the input apart from the front: control bytes first, the rest as data.
class FuzzEingabe {
  public:
    FuzzEingabe(const std::uint8_t* daten, std::size_t groesse)
        : rest_(reinterpret_cast<const char*>(daten), groesse) {}
    // The next byte, 0 once the input is used up.
    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    std::uint16_t Wort() { return static_cast<std::uint16_t>(Byte() << 8 | Byte()); }
    std::string_view Rest() const { return rest_; }

  private:
    std::string_view rest_;
};
