#include "sim/SimGeraet.h"

#include "device/Protokoll.h"
#include "kern/Dezimal.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

using Protokoll::Hex;
using Protokoll::HexLesen;

namespace {

const std::string kNak(1, Protokoll::kNAK);
const std::string kAck(1, Protokoll::kACK);

// Strict device value: digits with at most one point, 0..10.
std::optional<double> WertLesen(const std::string& s) {
    if (s.empty() || s.size() > 10) return std::nullopt;
    int punkte = 0;
    for (char c : s) {
        if (c == '.')
            ++punkte;
        else if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    if (punkte > 1 || s == ".") return std::nullopt;
    double v = 0.0;
    if (!DezimalLesen(s, v) || v < 0.0 || v > 10.0) return std::nullopt;
    return v;
}

} // namespace

double SimGeraet::Eingang(int k, double t) const {
    const auto& s = signale[static_cast<std::size_t>(k)];
    if (s && !(generatorRueckfuehrung && lauf_ == Lauf::Generator)) return s->Wert(t);
    return ausgaenge[static_cast<std::size_t>(k)] * 10.0 / 4095.0;
}

double SimGeraet::Auswahlspannung() const { return ausgaenge[3] * 10.0 / 4095.0; }

unsigned char SimGeraet::Status1(double t) const {
    switch (lauf_) {
    case Lauf::Gestoppt: return 0;
    case Lauf::Kennlinie: return kStatusLaeuft | kStatusKennlinie;
    case Lauf::Generator:
        return kStatusLaeuft | kStatusGenerator | (generator_.Fertig(t - startZeit_) ? kStatusFertig : 0);
    }
    return 0;
}

unsigned char SimGeraet::Starten(double t) {
    Fortschreiben(t);
    unsigned char modus = speicher.Modus() & (kModusKennlinie | kModusGenerator);
    lauf_ = Lauf::Gestoppt;
    if (modus == kModusKennlinie) {
        kennlinie_.Starten(t, ausgaenge[0]);
        lauf_ = Lauf::Kennlinie;
        fehlerbits = 0;
    } else if (modus == kModusGenerator) {
        fehlerbits = generator_.Laden(speicher.Bytes());
        if (fehlerbits == 0) lauf_ = Lauf::Generator;
    } else {
        fehlerbits = 0x08;
    }
    startZeit_ = t;
    Fortschreiben(t);
    return fehlerbits;
}

void SimGeraet::Stoppen(double t) {
    Fortschreiben(t);
    lauf_ = Lauf::Gestoppt;
}

void SimGeraet::Fortschreiben(double t) {
    if (speicher.Modus() & kModusStartEingang) {
        bool hoch = Eingang(3, t) >= 5.0;
        if (hoch != startEingangHoch_) {
            startEingangHoch_ = hoch;
            if (hoch)
                Starten(t);
            else
                lauf_ = Lauf::Gestoppt;
        }
    } else {
        startEingangHoch_ = false;
    }
    if (lauf_ == Lauf::Generator) {
        for (int k = 0; k < 4; ++k) ausgaenge[static_cast<std::size_t>(k)] = generator_.Ausgang(k, t - startZeit_);
    } else if (lauf_ == Lauf::Kennlinie) {
        // The curve-selection input is wired to output 4.
        fehlerbits |= kennlinie_.Fortschreiben(t, speicher, Eingang(1, t), Auswahlspannung(), ausgaenge);
    }
}

std::string SimGeraet::Bearbeiten(const std::string& rahmen, double t) {
    Fortschreiben(t);
    if (rahmen.size() < 3 || rahmen.front() != Protokoll::kStart || rahmen.back() != Protokoll::kCR) return {};
    const char a = rahmen[1];
    const std::string rumpf = rahmen.substr(2, rahmen.size() - 3);
    // Sibling commands carry a decimal digit as address; 9 reaches everybody.
    if (rumpf.rfind("BRW", 0) == 0 || rumpf.rfind("DAW", 0) == 0) {
        bool alle = a == '9' && rumpf[0] == 'B';
        if (a != adresse && !alle) return {};
        std::string zahl = rumpf.substr(3);
        bool gut = !zahl.empty() && zahl.size() <= 5 && zahl.find_first_not_of("0123456789") == std::string::npos;
        int n = gut ? std::stoi(zahl) : -1;
        if (rumpf[0] == 'B') {
            gut = n == 4800 || n == 9600 || n == 19200 || n == 38400;
            if (gut) baud = n;
        } else {
            gut = n >= 0 && n <= 8;
            if (gut) adresse = static_cast<char>('0' + n);
        }
        if (alle) return {};
        return gut ? kAck : kNak;
    }
    if (a != adresse && a != '&') return {};
    bool antworten = a != '&';
    std::string antwort = Befehl(rahmen, t, antworten);
    return antworten ? antwort : std::string{};
}

std::string SimGeraet::Befehl(const std::string& rahmen, double t, bool& antworten) {
    const char a = rahmen[1];
    const std::string r = rahmen.substr(2, rahmen.size() - 3);
    const std::string echo = rahmen.substr(0, rahmen.size() - 1);
    if (r == "IDR") return kAck + Protokoll::kStart + a + kennung + Protokoll::kCR;
    if (r == "DF1") {
        Starten(t);
        return kAck;
    }
    if (r == "DF2") {
        Stoppen(t);
        return kAck;
    }
    if (r == "M1R") return kAck + echo + '$' + Hex(speicher.Modus(), 2) + Protokoll::kCR;
    if (r.size() == 5 && (r.compare(0, 3, "M1S") == 0 || r.compare(0, 3, "M1C") == 0)) {
        long maske = HexLesen(r, 3, 2);
        if (maske < 0) return kNak;
        auto m = static_cast<unsigned char>(maske);
        speicher.ModusSetzen(r[2] == 'S' ? (speicher.Modus() | m) : (speicher.Modus() & ~m));
        Fortschreiben(t);
        return kAck;
    }
    if (r.size() == 3 && r[0] == 'S' && (r[1] == '1' || r[1] == '2') && r[2] == 'R') {
        unsigned char wert = r[1] == '1' ? Status1(t) : fehlerbits;
        return kAck + echo + '$' + Hex(wert, 2) + Protokoll::kCR;
    }
    if (r.size() >= 3 && r[0] == 'V' && r[1] >= '1' && r[1] <= '4') {
        auto k = static_cast<std::size_t>(r[1] - '1');
        if (r.size() == 3 && r[2] == 'R') {
            return kAck + echo + DezimalText(Eingang(static_cast<int>(k), t), 3) + Protokoll::kCR;
        }
        if (r[2] == 'W') {
            auto v = WertLesen(r.substr(3));
            if (!v) return kNak;
            ausgaenge[k] = static_cast<int>(std::trunc(*v * 4095.0 / 10.0 + 0.5));
            Fortschreiben(t);
            return kAck;
        }
        return kNak;
    }
    if (r.size() >= 12 && (r.compare(0, 3, "BDR") == 0 || r.compare(0, 3, "BDW") == 0)) {
        long start = HexLesen(r, 4, 4);
        long anzahl = HexLesen(r, 8, 4);
        if (r[3] != '4' || start < 0 || anzahl < 0 || start + anzahl > 65536) return kNak;
        if (r[2] == 'R') {
            if (r.size() != 12 || anzahl < 1) return kNak;
            if (!antworten) return {};
            const auto* d = speicher.Bytes().data() + start;
            std::string zeile = kAck + echo;
            zeile.reserve(zeile.size() + 2 * static_cast<std::size_t>(anzahl) + 5);
            for (long i = 0; i < anzahl; ++i) zeile += Hex(d[i], 2);
            return zeile + Hex(Protokoll::Pruefsumme(d, static_cast<std::size_t>(anzahl)), 4) + Protokoll::kCR;
        }
        if (anzahl > 64 || r.size() != 16 + 2 * static_cast<std::size_t>(anzahl)) return kNak;
        std::vector<unsigned char> daten(static_cast<std::size_t>(anzahl));
        for (std::size_t i = 0; i < daten.size(); ++i) {
            long b = HexLesen(r, 12 + 2 * i, 2);
            if (b < 0) return kNak;
            daten[i] = static_cast<unsigned char>(b);
        }
        long summe = HexLesen(r, 12 + 2 * daten.size(), 4);
        if (summe != Protokoll::Pruefsumme(daten.data(), daten.size())) return kNak;
        if (defekteZelle >= start && defekteZelle < start + anzahl)
            daten[static_cast<std::size_t>(defekteZelle - start)] ^= 0xFF;
        speicher.Schreiben(static_cast<std::size_t>(start), daten.data(), daten.size());
        return kAck;
    }
    return kNak;
}
