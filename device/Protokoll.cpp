#include "device/Protokoll.h"

#include "kern/Dezimal.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Protokoll {

bool EinzeladresseGueltig(char a) { return (a >= '1' && a <= '9') || (a >= 'a' && a <= 'f'); }

int HexZiffer(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Hex(unsigned long wert, int stellen) {
    static const char kZiffern[] = "0123456789ABCDEF";
    std::string s(static_cast<std::size_t>(stellen), '0');
    for (int i = stellen - 1; i >= 0; --i) {
        s[static_cast<std::size_t>(i)] = kZiffern[wert & 0xF];
        wert >>= 4;
    }
    return s;
}

long HexLesen(const std::string& s, std::size_t pos, std::size_t stellen) {
    if (pos + stellen > s.size()) return -1;
    long v = 0;
    for (std::size_t i = 0; i < stellen; ++i) {
        int z = HexZiffer(s[pos + i]);
        if (z < 0) return -1;
        v = v * 16 + z;
    }
    return v;
}

std::uint16_t Pruefsumme(const unsigned char* daten, std::size_t anzahl) {
    unsigned summe = 1;
    for (std::size_t i = 0; i < anzahl; ++i) summe += daten[i];
    return static_cast<std::uint16_t>(summe & 0xFFFF);
}

namespace {

std::string Kopf(char a, const char* befehl) { return std::string{kStart, a} + befehl; }

std::string SpeicherKopf(char a, const char* befehl, int bereich, long start, long anzahl) {
    return Kopf(a, befehl) + static_cast<char>('0' + bereich % 10) + Hex(static_cast<unsigned long>(start), 4) +
           Hex(static_cast<unsigned long>(anzahl), 4);
}

bool Druckbar(char c) { return c > ' ' && c < 0x7F; }

} // namespace

std::string RahmenIDLesen(char a) { return Kopf(a, "IDR") + kCR; }

std::string RahmenDeviceFunction(char a, char nummer) { return Kopf(a, "DF") + nummer + kCR; }

std::string RahmenEingangLesen(char a, char kanal) { return Kopf(a, "V") + kanal + 'R' + kCR; }

std::string RahmenAusgangSchreiben(char a, char kanal, double wert) {
    return Kopf(a, "V") + kanal + 'W' + DezimalText(wert, 3) + kCR;
}

std::string RahmenSpeicherLesen(char a, int bereich, long start, long anzahl) {
    return SpeicherKopf(a, "BDR", bereich, start, anzahl) + kCR;
}

std::string RahmenSpeicherSchreiben(char a, int bereich, long start, long anzahl, const unsigned char* daten) {
    std::string r = SpeicherKopf(a, "BDW", bereich, start, anzahl);
    r.reserve(r.size() + 2 * static_cast<std::size_t>(anzahl) + 5);
    for (long i = 0; i < anzahl; ++i) r += Hex(daten[i], 2);
    r += Hex(Pruefsumme(daten, static_cast<std::size_t>(anzahl)), 4);
    return r + kCR;
}

std::string RahmenStatusLesen(char a, char reg) { return Kopf(a, "S") + reg + 'R' + kCR; }

std::string RahmenModusLesen(char a) { return Kopf(a, "M1R") + kCR; }

std::string RahmenModusSchreiben(char a, bool setzen, unsigned char maske) {
    return Kopf(a, setzen ? "M1S" : "M1C") + Hex(maske, 2) + kCR;
}

std::string RahmenBaudrate(int ziffer, int baud) {
    return Kopf(static_cast<char>('0' + ziffer), "BRW") + std::to_string(baud) + kCR;
}

std::string RahmenAdresse(int ziffer, int neu) {
    return Kopf(static_cast<char>('0' + ziffer), "DAW") + std::to_string(neu) + kCR;
}

bool IDZeilePruefen(const std::string& zeile, char a, std::string& kennung) {
    if (zeile.size() < 4 || zeile.size() > kIDZeileMax) return false;
    if (zeile[0] != kStart || zeile[1] != a || zeile.back() != kCR) return false;
    std::string text = zeile.substr(2, zeile.size() - 3);
    for (char c : text)
        if (!Druckbar(c)) return false;
    kennung = text;
    return true;
}

bool EingangZeilePruefen(const std::string& zeile, char a, char kanal, double& wert) {
    if (zeile.size() < 7 || zeile.size() > kKurzeZeileMax) return false;
    if (zeile.compare(0, 5, Kopf(a, "V") + kanal + 'R') != 0 || zeile.back() != kCR) return false;
    std::string zahl = zeile.substr(5, zeile.size() - 6);
    for (char c : zahl)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '+') return false;
    return DezimalLesen(zahl, wert);
}

bool ModusZeilePruefen(const std::string& zeile, char a, unsigned char& modus) {
    if (zeile.size() != 9 || zeile.compare(0, 6, Kopf(a, "M1R$")) != 0 || zeile[8] != kCR) return false;
    long v = HexLesen(zeile, 6, 2);
    if (v < 0) return false;
    modus = static_cast<unsigned char>(v);
    return true;
}

StatusBefund StatusZeilePruefen(const std::string& zeile, char a, char reg, unsigned char& wert) {
    if (zeile.size() != 9 || zeile[0] != kStart || zeile[1] != a || zeile[2] != 'S' || zeile[4] != 'R' ||
        zeile[5] != '$' || zeile[8] != kCR)
        return StatusBefund::Fehlerhaft;
    long v = HexLesen(zeile, 6, 2);
    if (v < 0) return StatusBefund::Fehlerhaft;
    if (zeile[3] != reg)
        return (zeile[3] == '1' || zeile[3] == '2') ? StatusBefund::AnderesRegister : StatusBefund::Fehlerhaft;
    wert = static_cast<unsigned char>(v);
    return StatusBefund::Gut;
}

SpeicherBefund SpeicherZeilePruefen(const std::string& zeile, char a, int bereich, long start, long anzahl,
                                    std::vector<unsigned char>& daten) {
    if (zeile.empty() || zeile.back() != kCR) return SpeicherBefund::OhneCR;
    if (zeile.size() != SpeicherZeileLaenge(anzahl)) return SpeicherBefund::Laenge;
    if (zeile.compare(0, 5, Kopf(a, "BDR")) != 0 || zeile[5] != '0' + bereich || HexLesen(zeile, 6, 4) != start ||
        HexLesen(zeile, 10, 4) != anzahl)
        return SpeicherBefund::Kopf;
    std::vector<unsigned char> neu(static_cast<std::size_t>(anzahl));
    std::size_t pos = 14;
    for (auto& b : neu) {
        int hoch = HexZiffer(zeile[pos]);
        if (hoch < 0) return SpeicherBefund::DatenHoch;
        int tief = HexZiffer(zeile[pos + 1]);
        if (tief < 0) return SpeicherBefund::DatenNiedrig;
        b = static_cast<unsigned char>(hoch * 16 + tief);
        pos += 2;
    }
    unsigned summe = 0;
    for (int i = 0; i < 4; ++i) {
        int z = HexZiffer(zeile[pos + static_cast<std::size_t>(i)]);
        if (z < 0) return static_cast<SpeicherBefund>(static_cast<int>(SpeicherBefund::Pruefziffer1) + i);
        summe = summe * 16 + static_cast<unsigned>(z);
    }
    if (summe != Pruefsumme(neu.data(), neu.size())) return SpeicherBefund::Pruefsumme;
    daten = std::move(neu);
    return SpeicherBefund::Gut;
}

} // namespace Protokoll
