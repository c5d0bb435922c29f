#include "kurven/KurvenDatei.h"

#include "config/KonfigDatei.h"
#include "config/KonfigRecord.h"
#include "kern/Cp1252.h"
#include "kern/IniDatei.h"
#include "kern/RegulaereDatei.h"
#include "kurven/KurvenFehler.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

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

Kurvenpunkt PunktLesen(const unsigned char* q) { return {Int32Lesen(q), Int32Lesen(q + 4), q[8]}; }

// Walks the count table as a load does: a curve whose points the bytes after
// the header cannot hold whole (or with a negative count) is lost, and so is
// the place of every later one. Calls punkte(k, offset, anzahl) for each
// curve that can be read and returns the bytes the points take in all.
// abgeschnitten tells whether a curve at a known place announces more points
// than the file holds: a truncated file.
template <class Punkte>
std::uint64_t KurvenAbgehen(const unsigned char* kopf, std::uint64_t restBytes, Punkte punkte,
                            bool* abgeschnitten = nullptr) {
    std::uint64_t rest = restBytes;
    std::uint64_t offset = kKurvenDateiKopf;
    bool platzBekannt = true;
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        const std::int32_t anzahl = Int32Lesen(kopf + kKurventabelle + k * kKurveneintrag);
        if (anzahl < 0 || static_cast<std::uint64_t>(anzahl) * kPunktBytes > rest) {
            if (anzahl > 0 && platzBekannt && abgeschnitten) *abgeschnitten = true;
            platzBekannt = false;
            rest = 0; // where the later curves start is unknown
            continue;
        }
        const std::uint64_t bytes = static_cast<std::uint64_t>(anzahl) * kPunktBytes;
        if (anzahl > 0) punkte(k, offset, static_cast<std::size_t>(anzahl));
        offset += bytes;
        rest -= bytes;
    }
    return offset - kKurvenDateiKopf;
}

// Counts are checked against the bytes there are before anything is
// allocated, so no stored count can demand unbounded memory.
int DateiAuswerten(std::string_view bytes, DateiInhalt& inhalt) {
    if (bytes.size() < kKurvenDateiKopf) return KurvenFehler::LadenKopf;
    const auto* kopf = reinterpret_cast<const unsigned char*>(bytes.data());
    if (!DateiTitelPasst(kopf, kKurvenDateiTitel)) return KurvenFehler::LadenTitel;
    if (Int32Lesen(kopf + kVersion) != kKurvenDateiVersion) return KurvenFehler::LadenVersion;
    bool abgeschnitten = false;
    KurvenAbgehen(
        kopf, bytes.size() - kKurvenDateiKopf,
        [&](std::size_t k, std::uint64_t offset, std::size_t n) {
            std::vector<Kurvenpunkt> punkte(n);
            for (std::size_t i = 0; i < n; ++i) punkte[i] = PunktLesen(kopf + offset + i * kPunktBytes);
            inhalt.punkte[k] = std::move(punkte);
        },
        &abgeschnitten);
    if (abgeschnitten) return KurvenFehler::LadenKopf; // announced points missing: a read error, not a fresh curve
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        const auto* slot = reinterpret_cast<const char*>(kopf + kKommentare + k * kKommentarSlot);
        inhalt.kommentare[k] = VonCp1252(std::string_view(slot, strnlen(slot, kMaxKommentarZeichen)));
        inhalt.zyklen[k] = Int32Lesen(kopf + kZyklen + 4 * k);
        inhalt.ruhewert[k] = Int32Lesen(kopf + kRuhewerte + 4 * k);
    }
    inhalt.konfig = KonfigDeserialisieren(kopf + kKonfig);
    return 0;
}

// Reads the header and only the points its counts announce and the file
// really holds; a file shorter than its header gives LadenKopf.
int DateiLesen(const std::string& pfad, std::string& bytes) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> datei(RegulaereDateiOeffnen(pfad), &std::fclose);
    if (!datei) return KurvenFehler::LadenOeffnen;
    const std::uint64_t groesse = DateiGroesse(datei.get());
    bytes.assign(kKurvenDateiKopf, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), datei.get()));
    if (bytes.size() == kKurvenDateiKopf && groesse > kKurvenDateiKopf) {
        const auto* kopf = reinterpret_cast<const unsigned char*>(bytes.data());
        const std::uint64_t punkte = KurvenAbgehen(kopf, groesse - kKurvenDateiKopf, [](auto...) {});
        bytes.resize(kKurvenDateiKopf + static_cast<std::size_t>(punkte));
        bytes.resize(kKurvenDateiKopf + std::fread(bytes.data() + kKurvenDateiKopf, 1, punkte, datei.get()));
    }
    return std::ferror(datei.get()) ? KurvenFehler::LadenKopf : 0;
}

// Without bytes the file is read from pfad.
LadeErgebnis Einlesen(Kurvensatz& s, std::optional<std::string_view> bytes, const std::string& pfad,
                      const KonfigDaten& aktuell, bool anhaengen) {
    LadeErgebnis e;
    DateiInhalt inhalt;
    std::array<std::vector<Kurvenpunkt>, kKurvenzahl> neu;
    try {
        std::string gelesen;
        if (!bytes) {
            e.code = DateiLesen(pfad, gelesen);
            bytes = gelesen;
        }
        if (e.code == 0) e.code = DateiAuswerten(*bytes, inhalt);
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
    } catch (const std::bad_alloc&) { return KurvenFehler::SpeichernKopf; }
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
    return Einlesen(s, std::nullopt, pfad, aktuell, false);
}

LadeErgebnis KurvenAnhaengen(Kurvensatz& s, const std::string& pfad, const KonfigDaten& aktuell) {
    return Einlesen(s, std::nullopt, pfad, aktuell, true);
}

LadeErgebnis KurvenAusBytes(Kurvensatz& s, std::string_view bytes, const std::string& pfad, const KonfigDaten& aktuell,
                            bool anhaengen) {
    return Einlesen(s, bytes, pfad, aktuell, anhaengen);
}

} // namespace kurvengenerator
