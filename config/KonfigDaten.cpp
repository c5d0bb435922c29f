#include "config/KonfigDaten.h"

#include "kern/Cp1252.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double kStandardVoll = 10.0;
constexpr double kStandardMin = 0.0;
constexpr double kStandardMax = 10.0;

bool KanalImBereich(int kanal) { return kanal >= 0 && kanal < kKanaele; }

char* Feld(KonfigDaten& k, Seite seite, int kanal) {
    return seite == Seite::Ausgang ? k.outeinheit[kanal] : k.ineinheit[kanal];
}

const char* Feld(const KonfigDaten& k, Seite seite, int kanal) {
    return seite == Seite::Ausgang ? k.outeinheit[kanal] : k.ineinheit[kanal];
}

bool GleicheZahl(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool GleicheEinheit(const char* a, const char* b) { return std::strncmp(a, b, kEinheitFeld) == 0; }

bool Ersetzen(double& wert, double standard) {
    if (std::isfinite(wert)) return false;
    wert = standard;
    return true;
}

void EinheitFeldGlaetten(char* feld) {
    const std::string einheit = EinheitAusDatei(std::string_view(feld, strnlen(feld, kEinheitFeld)));
    std::memset(feld, 0, kEinheitFeld);
    std::memcpy(feld, einheit.data(), einheit.size());
}

bool Steuerzeichen(unsigned char b) { return b < 0x20 || b == 0x7F; }

} // namespace

KonfigDaten KonfigStandardwerte() {
    KonfigDaten k{};
    k.voutmax = kStandardVoll;
    k.vinmax = kStandardVoll;
    for (int i = 0; i < kKanaele; ++i) {
        k.outmin[i] = k.inmin[i] = kStandardMin;
        k.outmax[i] = k.inmax[i] = kStandardMax;
        k.outskalamin[i] = k.inskalamin[i] = kStandardMin;
        k.outskalamax[i] = k.inskalamax[i] = kStandardMax;
        std::strcpy(k.outeinheit[i], "V");
        std::strcpy(k.ineinheit[i], "V");
    }
    return k;
}

double Vollausschlag(const KonfigDaten& k, Seite seite) { return seite == Seite::Ausgang ? k.voutmax : k.vinmax; }

void VollausschlagSetzen(KonfigDaten& k, Seite seite, double volt) {
    (seite == Seite::Ausgang ? k.voutmax : k.vinmax) = volt;
}

KanalSkalierung Skalierung(const KonfigDaten& k, Seite seite, int kanal) {
    if (!KanalImBereich(kanal)) return {};
    if (seite == Seite::Ausgang) return {k.outmin[kanal], k.outmax[kanal], k.outskalamin[kanal], k.outskalamax[kanal]};
    return {k.inmin[kanal], k.inmax[kanal], k.inskalamin[kanal], k.inskalamax[kanal]};
}

void SkalierungSetzen(KonfigDaten& k, Seite seite, int kanal, const KanalSkalierung& s) {
    if (!KanalImBereich(kanal)) return;
    if (seite == Seite::Ausgang) {
        k.outmin[kanal] = s.min;
        k.outmax[kanal] = s.max;
        k.outskalamin[kanal] = s.skalamin;
        k.outskalamax[kanal] = s.skalamax;
    } else {
        k.inmin[kanal] = s.min;
        k.inmax[kanal] = s.max;
        k.inskalamin[kanal] = s.skalamin;
        k.inskalamax[kanal] = s.skalamax;
    }
}

bool EinheitGueltig(std::string_view utf8) {
    const auto roh = NachCp1252(utf8);
    if (!roh || roh->size() > kMaxEinheitZeichen) return false;
    for (char c : *roh)
        if (Steuerzeichen(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string EinheitAusDatei(std::string_view roh) {
    roh = roh.substr(0, std::min(roh.find('\0'), kMaxEinheitZeichen));
    std::string einheit;
    for (char c : roh)
        if (!Steuerzeichen(static_cast<unsigned char>(c))) einheit += c;
    return einheit;
}

std::string EinheitText(const KonfigDaten& k, Seite seite, int kanal) {
    if (!KanalImBereich(kanal)) return {};
    const char* feld = Feld(k, seite, kanal);
    return VonCp1252(std::string_view(feld, strnlen(feld, kMaxEinheitZeichen)));
}

bool EinheitTextSetzen(KonfigDaten& k, Seite seite, int kanal, std::string_view utf8) {
    if (!KanalImBereich(kanal) || !EinheitGueltig(utf8)) return false;
    const std::string roh = *NachCp1252(utf8);
    char* feld = Feld(k, seite, kanal);
    std::memset(feld, 0, kEinheitFeld);
    std::memcpy(feld, roh.data(), roh.size());
    return true;
}

const char* EinheitFeld(const KonfigDaten& k, Seite seite, int kanal) {
    return KanalImBereich(kanal) ? Feld(k, seite, kanal) : "";
}

int KonfigurationenVergleichen(KonfigDaten a, KonfigDaten b) {
    for (int i = 0; i < kKanaele; ++i) {
        if (!GleicheZahl(a.outmin[i], b.outmin[i]) || !GleicheZahl(a.outmax[i], b.outmax[i]) ||
            !GleicheZahl(a.outskalamin[i], b.outskalamin[i]) || !GleicheZahl(a.outskalamax[i], b.outskalamax[i]) ||
            !GleicheEinheit(a.outeinheit[i], b.outeinheit[i]))
            return 0;
        if (!GleicheZahl(a.inmin[i], b.inmin[i]) || !GleicheZahl(a.inmax[i], b.inmax[i]) ||
            !GleicheZahl(a.inskalamin[i], b.inskalamin[i]) || !GleicheZahl(a.inskalamax[i], b.inskalamax[i]) ||
            !GleicheEinheit(a.ineinheit[i], b.ineinheit[i]))
            return 0;
    }
    return GleicheZahl(a.voutmax, b.voutmax) && GleicheZahl(a.vinmax, b.vinmax) ? 1 : 0;
}

bool KonfigBereinigen(KonfigDaten& k) {
    bool ersetzt = Ersetzen(k.voutmax, kStandardVoll);
    ersetzt |= Ersetzen(k.vinmax, kStandardVoll);
    for (int i = 0; i < kKanaele; ++i) {
        ersetzt |= Ersetzen(k.outmin[i], kStandardMin);
        ersetzt |= Ersetzen(k.outmax[i], kStandardMax);
        ersetzt |= Ersetzen(k.outskalamin[i], kStandardMin);
        ersetzt |= Ersetzen(k.outskalamax[i], kStandardMax);
        ersetzt |= Ersetzen(k.inmin[i], kStandardMin);
        ersetzt |= Ersetzen(k.inmax[i], kStandardMax);
        ersetzt |= Ersetzen(k.inskalamin[i], kStandardMin);
        ersetzt |= Ersetzen(k.inskalamax[i], kStandardMax);
        EinheitFeldGlaetten(k.outeinheit[i]);
        EinheitFeldGlaetten(k.ineinheit[i]);
    }
    std::memset(k.fuellung1, 0, sizeof k.fuellung1);
    std::memset(k.fuellung2, 0, sizeof k.fuellung2);
    return ersetzt;
}
