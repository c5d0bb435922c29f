#include "kennlinie/KennlinieSlot.h"

#include "device/Protokoll.h"
#include "kennlinie/KennlinieFehler.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t kLeerFlag = 9;

void Wort(std::uint8_t* ziel, unsigned wert) {
    ziel[0] = static_cast<std::uint8_t>(wert >> 8);
    ziel[1] = static_cast<std::uint8_t>(wert);
}

unsigned Wort(const std::uint8_t* quelle) { return quelle[0] * 256u + quelle[1]; }

} // namespace

bool SlotGueltig(int slot) { return slot >= 1 && slot <= kSlots; }

long SlotAdresse(int slot) { return static_cast<long>(slot - 1) * static_cast<long>(kSlotGroesse); }

std::uint16_t SlotPruefsumme(const std::uint8_t* bild) {
    const std::size_t ende = bild[kLeerFlag] != 0 ? kLeerslotGroesse : kSlotGroesse;
    return Protokoll::Pruefsumme(bild + 2, ende - 2);
}

int SlotAbbildErzeugen(const Kennlinienpunkte& punkte, const KonfigDaten& k, double begrenzung, double anstiegszeit,
                       SlotAbbild& bild) {
    Kennlinientabelle tabelle;
    if (const int rc = Digitalisieren(punkte, tabelle); rc != 0) return rc;
    SlotAbbild b{};
    for (std::size_t x = 0; x < tabelle.size(); ++x) Wort(b.data() + kTabelleOffset + 2 * x, tabelle[x]);

    double v = begrenzung;
    if (!(v >= AusgangRohZuEinheit(k, 1, 0.0))) v = AusgangRohZuEinheit(k, 1, 0.0);
    if (v > AusgangRohZuEinheit(k, 1, kRohMax)) v = AusgangRohZuEinheit(k, 1, kRohMax);
    // A falling output scale turns the limits around; the raw value stays in range.
    const double roh = std::clamp(std::trunc(AusgangEinheitZuRoh(k, 1, v) + 0.5), 0.0, static_cast<double>(kRohMax));
    Wort(b.data() + 4, static_cast<unsigned>(roh));

    const long code = AnstiegszeitZuCode(anstiegszeit);
    b[6] = static_cast<std::uint8_t>((code >> 16) & 0xFF);
    b[7] = static_cast<std::uint8_t>((code >> 8) & 0xFF);
    b[8] = static_cast<std::uint8_t>(code & 0xFF);
    b[kLeerFlag] = 0;
    Wort(b.data(), SlotPruefsumme(b.data()));
    bild = b;
    return 0;
}

LeerslotAbbild LeerslotAbbildErzeugen() {
    LeerslotAbbild b{};
    b[kLeerFlag] = 1;
    Wort(b.data() + kTabelleOffset, 205);
    Wort(b.data(), SlotPruefsumme(b.data()));
    return b;
}

int SlotAbbildAuswerten(const SlotAbbild& bild, SlotInhalt& ziel) {
    if (Wort(bild.data()) != SlotPruefsumme(bild.data())) return KennlFehler::Checksumme;
    SlotInhalt s;
    const std::size_t eintraege = bild[kLeerFlag] != 0 ? 1 : kTabellenGroesse;
    s.punkte.reserve(eintraege);
    for (std::size_t x = 0; x < eintraege; ++x) {
        const auto y = static_cast<std::int32_t>(std::min(Wort(bild.data() + kTabelleOffset + 2 * x), 4095u));
        s.punkte.push_back({y, 1, 0});
    }
    s.begrenzungRoh = static_cast<int>(Wort(bild.data() + 4));
    s.anstiegscode = (static_cast<long>(bild[6]) << 16) | (static_cast<long>(bild[7]) << 8) | bild[8];
    ziel = std::move(s);
    return 0;
}
