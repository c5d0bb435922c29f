#include "device/Schreibpruefung.h"

#include "device/Protokoll.h"
#include "device/Qavksv5.h"

#include <vector>

const char* const kFehlerbitTexte[kFehlerbitAnzahl] = {"Speicherfehler", "Checksummenfehler", "Eeprom nicht bereit",
                                                       "Daten nicht sinnvoll", "Kurvenauswahlfehler"};

std::string FehlerbitsText(unsigned char bits) {
    std::string text;
    for (int i = 0; i < kFehlerbitAnzahl; ++i)
        if (bits & (1u << i)) text += std::string(kFehlerbitTexte[i]) + "\n";
    return text;
}

std::string Schreibpruefung::Text() const {
    if (code == kFehlerbitsNachSchreiben) {
        std::string text = FehlerbitsText(fehlerbits);
        if (!text.empty()) text.pop_back(); // one line per bit, no empty line at the end
        return text;
    }
    if (code == kPruefungAbweichung)
        return "Erste abweichende Adresse: 0x" + Protokoll::Hex(static_cast<unsigned long>(ersteAbweichung), 4) +
               " (gesendet 0x" + Protokoll::Hex(gesendet, 2) + ", gelesen 0x" + Protokoll::Hex(gelesen, 2) + ")";
    return {};
}

Blockrueckmeldung Teilstrecke(const Blockrueckmeldung& r, int von, int bis) {
    Blockrueckmeldung t{nullptr, r.abbrechen, nullptr};
    if (r.fortschritt)
        t.fortschritt = [f = r.fortschritt, von, bis](int prozent) { f(von + prozent * (bis - von) / 100); };
    // The bytes as a share of the whole, so the remaining time covers the read-back too.
    if (r.menge && bis > von)
        t.menge = [m = r.menge, von, bis](long fertig, long gesamt) {
            const long ganz = gesamt * 100 / (bis - von);
            m(ganz * von / 100 + fertig, ganz);
        };
    return t;
}

Schreibpruefung GeschriebenesPruefen(int port, char adresse, long start, const unsigned char* daten, long laenge,
                                     bool vergleichen, const Blockrueckmeldung& r) {
    Schreibpruefung p;
    unsigned char bits = 0;
    if ((p.code = QAVKSV5_StatusLesen(port, adresse, 2, bits)) != 0) return p;
    p.fehlerbits = bits & ((1u << kFehlerbitAnzahl) - 1);
    if (p.fehlerbits != 0) {
        p.code = kFehlerbitsNachSchreiben;
        return p;
    }
    if (!vergleichen || laenge <= 0) return p;
    std::vector<unsigned char> gelesen(static_cast<std::size_t>(laenge));
    if ((p.code = SpeicherBlockweiseLesen(port, adresse, start, laenge, gelesen.data(), r)) != 0) return p;
    for (long i = 0; i < laenge; ++i) {
        if (gelesen[static_cast<std::size_t>(i)] != daten[i]) {
            p.code = kPruefungAbweichung;
            p.ersteAbweichung = start + i;
            p.gesendet = daten[i];
            p.gelesen = gelesen[static_cast<std::size_t>(i)];
            break;
        }
    }
    return p;
}
