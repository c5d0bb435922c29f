#include "kurven/KurvenDatei.h"

#include "kern/Cp1252.h"
#include "kern/IniDatei.h"
#include "config/KonfigDatei.h"
#include "config/KonfigRecord.h"
#include "kurven/KurvenFehler.h"

#include <array>
#include <cstring>
#include <fstream>
#include <optional>
#include <sys/stat.h>

namespace kurvengenerator {

namespace {

constexpr std::size_t kVersion = 32;
constexpr std::size_t kKurvenzahlFeld = 36;
constexpr std::size_t kKommentare = 40;
constexpr std::size_t kKommentarSlot = 1000;
constexpr std::size_t kZyklen = 4040;
constexpr std::size_t kRuhewerte = 4056;
constexpr std::size_t kKonfig = 4072;
constexpr std::size_t kKurventabelle = 4424;
constexpr std::size_t kKurveneintrag = 12;

// Bytes of the UTF-8 sequence that starts with b.
std::size_t Utf8Laenge(unsigned char b) {
    if (b >= 0xF0) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

// Windows-1252 bytes of a comment, at most 999 of them, without NUL.
std::string KommentarBytes(std::string_view utf8) {
    utf8 = utf8.substr(0, utf8.find('\0'));
    std::string aus;
    if (auto ganz = NachCp1252(utf8)) {
        aus = std::move(*ganz);
    } else {
        for (std::size_t i = 0; i < utf8.size();) {
            const std::size_t n = std::min(Utf8Laenge(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
            const auto zeichen = NachCp1252(utf8.substr(i, n));
            aus += zeichen ? *zeichen : std::string("?");
            i += n;
        }
    }
    if (aus.size() > kMaxKommentarZeichen) aus.resize(kMaxKommentarZeichen);
    return aus;
}

// What a file holds, decoded; a curve without value could not be read whole.
struct DateiInhalt {
    std::array<std::optional<std::vector<Kurvenpunkt>>, kKurvenzahl> punkte;
    std::array<std::string, kKurvenzahl> kommentare;
    std::array<std::int32_t, kKurvenzahl> zyklen{};
    std::array<std::int32_t, kKurvenzahl> ruhewert{};
    KonfigDaten konfig{};
};

Kurvenpunkt PunktLesen(const unsigned char* q) {
    return {Int32Lesen(q), Int32Lesen(q + 4), q[8]};
}

int DateiLesen(const std::string& pfad, DateiInhalt& inhalt) {
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return KurvenFehler::LadenOeffnen;
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return KurvenFehler::LadenOeffnen;
    std::array<unsigned char, kKurvenDateiKopf> kopf{};
    ein.read(reinterpret_cast<char*>(kopf.data()), static_cast<std::streamsize>(kopf.size()));
    if (static_cast<std::size_t>(ein.gcount()) != kopf.size()) return KurvenFehler::LadenKopf;
    if (!DateiTitelPasst(kopf.data(), kKurvenDateiTitel)) return KurvenFehler::LadenTitel;
    if (Int32Lesen(kopf.data() + kVersion) != kKurvenDateiVersion) return KurvenFehler::LadenVersion;

    // Counts are checked against the bytes the file still holds before anything
    // is allocated, so no stored count can demand unbounded memory.
    long long rest = static_cast<long long>(st.st_size) - static_cast<long long>(kKurvenDateiKopf);
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        const std::int32_t anzahl = Int32Lesen(kopf.data() + kKurventabelle + k * kKurveneintrag);
        const long long bytes = static_cast<long long>(anzahl) * static_cast<long long>(kPunktBytes);
        if (anzahl < 0 || bytes > rest) {
            rest = 0; // where the later curves start is unknown
            continue;
        }
        if (anzahl == 0) continue;
        std::vector<unsigned char> roh(static_cast<std::size_t>(bytes));
        ein.read(reinterpret_cast<char*>(roh.data()), static_cast<std::streamsize>(bytes));
        if (ein.gcount() != bytes) {
            rest = 0;
            continue;
        }
        rest -= bytes;
        std::vector<Kurvenpunkt> punkte(static_cast<std::size_t>(anzahl));
        for (std::size_t i = 0; i < punkte.size(); ++i) punkte[i] = PunktLesen(roh.data() + i * kPunktBytes);
        inhalt.punkte[k] = std::move(punkte);
    }
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        const auto* slot = reinterpret_cast<const char*>(kopf.data() + kKommentare + k * kKommentarSlot);
        inhalt.kommentare[k] = VonCp1252(std::string_view(slot, strnlen(slot, kMaxKommentarZeichen)));
        inhalt.zyklen[k] = Int32Lesen(kopf.data() + kZyklen + 4 * k);
        inhalt.ruhewert[k] = Int32Lesen(kopf.data() + kRuhewerte + 4 * k);
    }
    inhalt.konfig = KonfigDeserialisieren(kopf.data() + kKonfig);
    return 0;
}

LadeErgebnis Einlesen(Kurvensatz& s, const std::string& pfad, const KonfigDaten& aktuell, bool anhaengen) {
    LadeErgebnis e;
    s.dateiPfad.clear();
    DateiInhalt inhalt;
    std::array<std::vector<Kurvenpunkt>, kKurvenzahl> neu;
    try {
        e.code = DateiLesen(pfad, inhalt);
        if (e.code != 0) return e;
        for (std::size_t k = 0; k < kKurvenzahl; ++k) {
            if (anhaengen) {
                neu[k] = s.kurven[k].punkte;
                if (inhalt.punkte[k]) neu[k].insert(neu[k].end(), inhalt.punkte[k]->begin(), inhalt.punkte[k]->end());
            } else {
                neu[k] = inhalt.punkte[k] ? std::move(*inhalt.punkte[k]) : std::vector<Kurvenpunkt>(1, kFrischerPunkt);
            }
        }
    } catch (const std::bad_alloc&) {
        e.code = KurvenFehler::LadenPunkteSpeicher;
        return e;
    }
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        s.kurven[k].punkte.swap(neu[k]);
        if (anhaengen) continue;
        s.kurven[k].kommentar = std::move(inhalt.kommentare[k]);
        s.zyklen[k] = inhalt.zyklen[k];
        s.ruhewert[k] = inhalt.ruhewert[k];
    }
    e.konfig = inhalt.konfig;
    e.konfigWeichtAb = KonfigurationenVergleichen(inhalt.konfig, aktuell) == 0;
    s.dateiPfad = pfad;
    s.geaendert = anhaengen;
    return e;
}

} // namespace

bool SpeichernFragtPfad(const Kurvensatz& s, bool unter) { return unter || s.dateiPfad.empty(); }

std::string KurvenDateiBytes(const Kurvensatz& s, const KonfigDaten& konfig) {
    std::size_t punkte = 0;
    for (const Kurve& k : s.kurven) punkte += k.punkte.size();
    std::string bytes(kKurvenDateiKopf + punkte * kPunktBytes, '\0');
    auto* p = reinterpret_cast<unsigned char*>(bytes.data());
    std::memcpy(p, kKurvenDateiTitel, std::strlen(kKurvenDateiTitel));
    Int32Schreiben(p + kVersion, kKurvenDateiVersion);
    Int32Schreiben(p + kKurvenzahlFeld, kKurvenzahl);
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        const std::string kommentar = KommentarBytes(s.kurven[k].kommentar);
        std::memcpy(p + kKommentare + k * kKommentarSlot, kommentar.data(), kommentar.size());
        Int32Schreiben(p + kZyklen + 4 * k, s.zyklen[k]);
        Int32Schreiben(p + kRuhewerte + 4 * k, s.ruhewert[k]);
        Int32Schreiben(p + kKurventabelle + k * kKurveneintrag, s.kurven[k].punktzahl());
    }
    KonfigSerialisieren(konfig, p + kKonfig);
    unsigned char* q = p + kKurvenDateiKopf;
    for (const Kurve& k : s.kurven) {
        for (const Kurvenpunkt& pt : k.punkte) {
            Int32Schreiben(q, pt.wert);
            Int32Schreiben(q + 4, pt.laenge);
            q[8] = pt.zeitbasis;
            q += kPunktBytes;
        }
    }
    return bytes;
}

int KurvenSpeichern(Kurvensatz& s, const std::string& pfad, const KonfigDaten& konfig) {
    std::string bytes;
    try {
        bytes = KurvenDateiBytes(s, konfig);
    } catch (const std::bad_alloc&) {
        return KurvenFehler::SpeichernKopf;
    }
    switch (DateiErsetzen(pfad, bytes)) {
    case ErsetzenErgebnis::Ok: break;
    case ErsetzenErgebnis::OeffnenFehlgeschlagen: return KurvenFehler::SpeichernOeffnen;
    case ErsetzenErgebnis::SchreibenFehlgeschlagen: return KurvenFehler::SpeichernKopf;
    }
    s.dateiPfad = pfad;
    s.geaendert = false;
    return 0;
}

LadeErgebnis KurvenLaden(Kurvensatz& s, const std::string& pfad, const KonfigDaten& aktuell) {
    return Einlesen(s, pfad, aktuell, false);
}

LadeErgebnis KurvenAnhaengen(Kurvensatz& s, const std::string& pfad, const KonfigDaten& aktuell) {
    return Einlesen(s, pfad, aktuell, true);
}

} // namespace kurvengenerator
