#include "kennlinie/KennlinieDatei.h"

#include "config/KonfigDatei.h"
#include "config/KonfigRecord.h"
#include "kennlinie/KennlinieFehler.h"
#include "kern/Cp1252.h"
#include "kern/IniDatei.h"
#include "kern/RegulaereDatei.h"

#include <cmath>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr std::size_t kVersion = 32;
constexpr std::size_t kKommentar = 36;
constexpr std::size_t kKonfig = 1040;
constexpr std::size_t kAnzahl = 1392;
constexpr std::size_t kBegrenzung = 1400;
constexpr std::size_t kAnstiegszeit = 1408;
constexpr std::size_t kNull = 1416;

const unsigned char* Bytes(std::string_view s) { return reinterpret_cast<const unsigned char*>(s.data()); }

// A real curve has at most 4096 points (lengths of at least 1 within 0..4095);
// a file announcing far more is damaged. Bounds what a load allocates.
constexpr std::int64_t kMaxPunkte = 65536;

// Points the bytes after the header hold for the stored count; 0 if the count
// is damaged (not positive, absurd or larger than what follows).
std::size_t PunkteImFile(std::int32_t anzahl, std::uint64_t restBytes) {
    if (anzahl <= 0 || anzahl > kMaxPunkte) return 0;
    const auto n = static_cast<std::uint64_t>(anzahl);
    return n * kPunktGroesse <= restBytes ? static_cast<std::size_t>(n) : 0;
}

// The header announces points the file does not hold: a truncated file.
bool Abgeschnitten(std::int32_t anzahl, std::uint64_t restBytes) {
    return anzahl > 0 && PunkteImFile(anzahl, restBytes) == 0;
}

} // namespace

double BegrenzungZuDatei(const KonfigDaten& k, double begrenzung) { return EingangEinheitZuRoh(k, 1, begrenzung); }
double BegrenzungAusDatei(const KonfigDaten& k, double begrenzungRoh) {
    return EingangRohZuEinheit(k, 1, begrenzungRoh);
}

bool KommentarSpeicherbar(std::string_view utf8) {
    const auto roh = NachCp1252(utf8);
    return roh && roh->size() < kKommentarFeld && roh->find('\0') == std::string::npos;
}

std::string KennlinieDateiBytes(const KennlinienDatei& d) {
    if (!KommentarSpeicherbar(d.kurve.kommentar)) return {};
    const std::string kommentar = *NachCp1252(d.kurve.kommentar);
    const auto& punkte = d.kurve.punkte;
    std::string bytes(kKennlinieKopfGroesse + punkte.size() * kPunktGroesse, '\0');
    auto* p = reinterpret_cast<unsigned char*>(bytes.data());
    std::memcpy(p, kKennlinieDateiTitel, std::strlen(kKennlinieDateiTitel));
    Int32Schreiben(p + kVersion, kKennlinieDateiVersion);
    std::memcpy(p + kKommentar, kommentar.data(), kommentar.size());
    KonfigSerialisieren(d.konfig, p + kKonfig);
    Int32Schreiben(p + kAnzahl, static_cast<std::int32_t>(punkte.size()));
    DoubleSchreiben(p + kBegrenzung, d.begrenzungRoh);
    DoubleSchreiben(p + kAnstiegszeit, d.anstiegszeit);
    Int32Schreiben(p + kNull, 0);
    for (std::size_t i = 0; i < punkte.size(); ++i)
        PunktSchreiben(punkte[i], p + kKennlinieKopfGroesse + i * kPunktGroesse);
    return bytes;
}

int KennlinieDateiAuswerten(std::string_view bytes, KennlinienDatei& ziel) {
    if (bytes.size() < kKennlinieKopfGroesse) return KennlFehler::LadenKopf;
    const unsigned char* p = Bytes(bytes);
    if (!DateiTitelPasst(p, kKennlinieDateiTitel)) return KennlFehler::LadenTitel;
    if (Int32Lesen(p + kVersion) != kKennlinieDateiVersion) return KennlFehler::LadenVersion;

    KennlinienDatei d;
    const char* kommentar = reinterpret_cast<const char*>(p + kKommentar);
    d.kurve.kommentar = VonCp1252(std::string_view(kommentar, strnlen(kommentar, kKommentarFeld - 1)));
    d.konfig = KonfigDeserialisieren(p + kKonfig);
    // No NaN or infinity enters through a file: such a value becomes the start value.
    d.begrenzungRoh = DoubleLesen(p + kBegrenzung);
    if (!std::isfinite(d.begrenzungRoh)) d.begrenzungRoh = 0.0;
    d.anstiegszeit = DoubleLesen(p + kAnstiegszeit);
    if (!std::isfinite(d.anstiegszeit)) d.anstiegszeit = kStartAnstiegszeit;

    const std::int32_t anzahl = Int32Lesen(p + kAnzahl);
    if (Abgeschnitten(anzahl, bytes.size() - kKennlinieKopfGroesse)) return KennlFehler::LadenKopf;
    const std::size_t n = PunkteImFile(anzahl, bytes.size() - kKennlinieKopfGroesse);
    if (n == 0) {
        d.kurve.punkte = NeuePunkte();
    } else {
        d.kurve.punkte.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            d.kurve.punkte[i] = PunktLesen(p + kKennlinieKopfGroesse + i * kPunktGroesse);
    }
    ziel = std::move(d);
    return 0;
}

int KennlinieSpeichern(const std::string& pfad, const KennlinienDatei& d) {
    const std::string bytes = KennlinieDateiBytes(d);
    if (bytes.empty()) return KennlFehler::SpeichernKopf;
    switch (DateiErsetzen(pfad, bytes)) {
    case ErsetzenErgebnis::Ok: return 0;
    case ErsetzenErgebnis::OeffnenFehlgeschlagen: return KennlFehler::SpeichernOeffnen;
    case ErsetzenErgebnis::SchreibenFehlgeschlagen: break;
    }
    return KennlFehler::SpeichernKopf;
}

int KennlinieLaden(const std::string& pfad, KennlinienDatei& ziel) {
    std::FILE* datei = RegulaereDateiOeffnen(pfad);
    if (!datei) return KennlFehler::LadenOeffnen;
    struct stat st {};
    const std::uint64_t groesse = ::fstat(::fileno(datei), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    std::string bytes(kKennlinieKopfGroesse, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), datei));
    if (bytes.size() == kKennlinieKopfGroesse) {
        // Read only what the count announces and the file really holds.
        const std::size_t n = PunkteImFile(Int32Lesen(Bytes(bytes) + kAnzahl),
                                           groesse > kKennlinieKopfGroesse ? groesse - kKennlinieKopfGroesse : 0);
        bytes.resize(kKennlinieKopfGroesse + n * kPunktGroesse);
        bytes.resize(kKennlinieKopfGroesse +
                     std::fread(bytes.data() + kKennlinieKopfGroesse, 1, n * kPunktGroesse, datei));
    }
    const bool lesefehler = std::ferror(datei) != 0;
    std::fclose(datei);
    if (lesefehler) return KennlFehler::LadenKopf;
    return KennlinieDateiAuswerten(bytes, ziel);
}
