#include "config/KonfigRecord.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

class Schreiber {
  public:
    explicit Schreiber(unsigned char* ziel) : p_(ziel) {}
    void Zahl(double d) {
        const auto bits = std::bit_cast<std::uint64_t>(d);
        for (int i = 0; i < 8; ++i) *p_++ = static_cast<unsigned char>(bits >> (8 * i));
    }
    void Zahlen(const double (&d)[kKanaele]) {
        for (double x : d) Zahl(x);
    }
    void Einheiten(const char (&e)[kKanaele][kEinheitFeld]) {
        for (const auto& feld : e) {
            const std::size_t n = strnlen(feld, kMaxEinheitZeichen);
            std::memset(p_, 0, kEinheitFeld);
            std::memcpy(p_, feld, n);
            p_ += kEinheitFeld;
        }
    }
    void Fuellung() {
        std::memset(p_, 0, 4);
        p_ += 4;
    }

  private:
    unsigned char* p_;
};

class Leser {
  public:
    explicit Leser(const unsigned char* quelle) : p_(quelle) {}
    double Zahl() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(*p_++) << (8 * i);
        return std::bit_cast<double>(bits);
    }
    void Zahlen(double (&d)[kKanaele]) {
        for (double& x : d) x = Zahl();
    }
    void Einheiten(char (&e)[kKanaele][kEinheitFeld]) {
        for (auto& feld : e) {
            std::memcpy(feld, p_, kEinheitFeld);
            p_ += kEinheitFeld;
        }
    }
    void Fuellung() { p_ += 4; }

  private:
    const unsigned char* p_;
};

} // namespace

void KonfigSerialisieren(const KonfigDaten& k, unsigned char* ziel) {
    Schreiber s(ziel);
    s.Zahl(k.voutmax);
    s.Zahlen(k.outmin);
    s.Zahlen(k.outmax);
    s.Zahlen(k.outskalamin);
    s.Zahlen(k.outskalamax);
    s.Einheiten(k.outeinheit);
    s.Fuellung();
    s.Zahl(k.vinmax);
    s.Zahlen(k.inmin);
    s.Zahlen(k.inmax);
    s.Zahlen(k.inskalamin);
    s.Zahlen(k.inskalamax);
    s.Einheiten(k.ineinheit);
    s.Fuellung();
}

KonfigDaten KonfigDeserialisieren(const unsigned char* quelle) {
    KonfigDaten k{};
    Leser l(quelle);
    k.voutmax = l.Zahl();
    l.Zahlen(k.outmin);
    l.Zahlen(k.outmax);
    l.Zahlen(k.outskalamin);
    l.Zahlen(k.outskalamax);
    l.Einheiten(k.outeinheit);
    l.Fuellung();
    k.vinmax = l.Zahl();
    l.Zahlen(k.inmin);
    l.Zahlen(k.inmax);
    l.Zahlen(k.inskalamin);
    l.Zahlen(k.inskalamax);
    l.Einheiten(k.ineinheit);
    l.Fuellung();
    KonfigBereinigen(k);
    return k;
}
