#include "kurven/KurvenModell.h"

#include "config/KonfigUmrechnung.h"
#include "kern/Cp1252.h"
#include "kurven/KurvenFehler.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace kurvengenerator {

namespace {

struct Zeitbasis {
    const char* text;
    double tick;
};

constexpr std::array<Zeitbasis, kZeitbasen> kZeitbasisTabelle{{
    {"500us", 500.0},
    {"1ms", 1000.0},
    {"2ms", 2000.0},
    {"3ms", 3000.0},
    {"4ms", 4000.0},
    {"5ms", 5000.0},
    {"10ms", 10000.0},
    {"20ms", 20000.0},
    {"50ms", 50000.0},
    {"100ms", 100000.0},
    {"1sek", 1000000.0},
    {"1min", 60000000.0},
}};

// Byte length of the first n characters of a UTF-8 text.
std::size_t Utf8Praefix(std::string_view s, std::size_t n) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
        if (zeichen++ == n) return i;
    }
    return s.size();
}

} // namespace

bool ZeitbasisGueltig(int code) { return code >= 1 && code <= kZeitbasen; }

double ZeitbasisDauer(int code) {
    return ZeitbasisGueltig(code) ? kZeitbasisTabelle[static_cast<std::size_t>(code - 1)].tick : 0.0;
}

const char* ZeitbasisText(int code) {
    return ZeitbasisGueltig(code) ? kZeitbasisTabelle[static_cast<std::size_t>(code - 1)].text : " ";
}

const char* ZeitbasisRingText(int code) { return code == 11 ? "1s" : ZeitbasisText(code); }

int ZeitbasisCode(std::string_view label) {
    for (int c = 1; c <= kZeitbasen; ++c)
        if (label == kZeitbasisTabelle[static_cast<std::size_t>(c - 1)].text) return c;
    return 0;
}

double GeradenDauer(const Kurvenpunkt& p) { return p.laenge * ZeitbasisDauer(p.zeitbasis); }

double StartzeitPunkt(const Kurve& k, int i) {
    double t = 0.0;
    for (int j = 0; j < i && j < k.punktzahl(); ++j) t += GeradenDauer(k.punkte[static_cast<std::size_t>(j)]);
    return t;
}

double KurvenLaenge(const Kurve& k) { return StartzeitPunkt(k, k.punktzahl()); }

int GeradeAnZeit(const Kurve& k, double t) {
    const double grenze = std::floor(t) + 1.0;
    double ende = 0.0;
    for (int i = 0; i < k.punktzahl(); ++i) {
        ende += GeradenDauer(k.punkte[static_cast<std::size_t>(i)]);
        if (ende >= grenze) return i;
    }
    return std::max(k.punktzahl() - 1, 0);
}

double SchritteZuEinheit(const KonfigDaten& konfig, int k, double schritte) {
    return PhysAusCounts(konfig, Seite::Ausgang, k, schritte);
}

double EinheitZuSchritte(const KonfigDaten& konfig, int k, double einheit) {
    return CountsAusPhys(konfig, Seite::Ausgang, k, einheit);
}

double YRasterAnwenden(const KonfigDaten& konfig, int k, double raster, double schritte) {
    double r = std::isfinite(schritte) ? schritte : 0.0;
    if (raster != 0.0 && std::isfinite(raster)) {
        const double z = EinheitZuSchritte(konfig, k, 0.0);
        const double d = EinheitZuSchritte(konfig, k, raster) - z;
        // A degenerate channel maps every grid onto one count: draw without grid.
        if (d != 0.0 && std::isfinite(d)) r = std::floor((r - z) / d + 0.5) * d + z;
    }
    if (r > kMaxWert) r = kMaxWert;
    if (r < 0.0) r = 0.0;
    return std::floor(r + 0.5);
}

long long Speicherbedarf(const Kurvensatz& s) {
    long long bytes = kAbbildKopf;
    for (const Kurve& k : s.kurven)
        for (const Kurvenpunkt& p : k.punkte)
            if (p.laenge > 0) bytes += 2LL * p.laenge;
    return bytes;
}

double SpeicherProzent(long long bedarf) { return 100.0 * static_cast<double>(bedarf) / kBoxSpeicher + 0.05; }

bool SpeicherUeberschritten(double prozent) { return prozent > 100.0; }

int PunkteAnzahlSetzen(Kurve& k, int n) {
    if (n < 0) return KurvenFehler::PunkteSpeicher;
    try {
        k.punkte.resize(static_cast<std::size_t>(n), kFrischerPunkt);
    } catch (const std::bad_alloc&) { return KurvenFehler::PunkteSpeicher; } catch (const std::length_error&) {
        return KurvenFehler::PunkteSpeicher;
    }
    return 0;
}

int KurvenInitialisieren(Kurvensatz& s) {
    try {
        s = Kurvensatz{};
    } catch (const std::bad_alloc&) { return KurvenFehler::InitSpeicher; }
    return 0;
}

int KurvenNeu(Kurvensatz& s) {
    for (std::size_t k = 0; k < s.kurven.size(); ++k) {
        if (const int rc = PunkteAnzahlSetzen(s.kurven[k], 1); rc != 0) return rc;
        s.kurven[k].punkte[0] = kFrischerPunkt;
        s.kurven[k].kommentar.clear();
        s.zyklen[k] = 0;
        s.ruhewert[k] = 0;
    }
    s.dateiPfad.clear();
    return 0;
}

bool KommentarGueltig(std::string_view utf8) {
    return utf8.find('\0') == std::string_view::npos && InCp1252Darstellbar(utf8);
}

bool KommentarSetzen(Kurvensatz& s, int k, std::string_view utf8) {
    if (k < 0 || k >= kKurvenzahl || !KommentarGueltig(utf8)) return false;
    std::string neu(utf8.substr(0, Utf8Praefix(utf8, kMaxKommentarZeichen)));
    std::string& alt = s.kurven[static_cast<std::size_t>(k)].kommentar;
    if (neu != alt) {
        alt = std::move(neu);
        s.geaendert = true;
    }
    return true;
}

std::string KommentarZeile(std::string_view kommentar) {
    return std::string(kommentar.substr(0, Utf8Praefix(kommentar, 30)));
}

} // namespace kurvengenerator
