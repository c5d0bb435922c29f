#include "kurven/KurvenText.h"

#include "kern/Cp1252.h"
#include "kern/Dezimal.h"
#include "kern/IniDatei.h"
#include "kern/RegulaereDatei.h"
#include "kern/Textzeilen.h"
#include "kurven/KurvenBearbeiten.h"
#include "kurven/KurvenFehler.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <new>

namespace kurvengenerator {

namespace {

constexpr const char* kZeilenende = "\r\n";
constexpr std::size_t kMaxZeile = 95;
constexpr double kNull = 0.00000001;

const char* const kKopf[] = {
    "# Kurven exportiert aus DLM7-Steuerung",
    "# Spalte 1 = Zeit in Sekunden",
    "# Spalte 2 = Y-Wert in Prozent",
    "# Spalte 3 = Zeitbasis",
    "# Spalte 4 = Kuvennummer",
    "",
};

// Fields separated by tabs (blanks are tolerated as separators too).
std::vector<std::string_view> Felder(std::string_view zeile) {
    std::vector<std::string_view> felder;
    std::size_t i = 0;
    while (i < zeile.size()) {
        i = zeile.find_first_not_of(" \t", i);
        if (i == std::string_view::npos) break;
        const std::size_t ende = std::min(zeile.find_first_of(" \t", i), zeile.size());
        felder.push_back(zeile.substr(i, ende - i));
        i = ende;
    }
    return felder;
}

bool GanzeZahl(std::string_view s, int& wert) {
    const auto [ende, ec] = std::from_chars(s.data(), s.data() + s.size(), wert);
    return !s.empty() && ec == std::errc{} && ende == s.data() + s.size();
}

std::string Zeile(int nr) { return "Fehler in Zeile " + std::to_string(nr) + ":\n"; }

// Text from the file for a message: the file is Windows-1252, messages UTF-8.
std::string Text(std::string_view roh) { return VonCp1252(roh); }

struct Importfehler {
    int code;
    std::string text;
};

struct Einlesen {
    std::array<std::vector<Kurvenpunkt>, kKurvenzahl> kurven;
    std::array<bool, kKurvenzahl> geschlossen{};
    int aktuelle = -1;
    double tVorher = 0.0;
    int codeVorher = 0;

    // 0 or the failure of one data line.
    int Zeile(int nr, std::string_view zeile, Importfehler& f) {
        const auto felder = Felder(zeile);
        double t = 0.0, y = 0.0;
        int kurve = 0;
        if (felder.size() != 4 || !DezimalLesen(felder[0], t) || !DezimalLesen(felder[1], y) ||
            !GanzeZahl(felder[3], kurve))
            return Fehler(f, KurvenFehler::ImportFelder, kurvengenerator::Zeile(nr) + "Falsche oder zu wenig Werte.");
        if (kurve < 1 || kurve > kKurvenzahl)
            return Fehler(f, KurvenFehler::ImportKurvennummer,
                          kurvengenerator::Zeile(nr) + "Kurvennummer " + std::to_string(kurve) + " ist nicht erlaubt.");
        const auto k = static_cast<std::size_t>(kurve - 1);
        if (geschlossen[k])
            return Fehler(f, KurvenFehler::ImportZusammenhang,
                          kurvengenerator::Zeile(nr) + "Alle Punkte der Kurve " + std::to_string(kurve) +
                              " müssen zusammenhängend sein.");
        if (kurve - 1 != aktuelle) {
            if (aktuelle >= 0) geschlossen[static_cast<std::size_t>(aktuelle)] = true;
            aktuelle = kurve - 1;
        }
        auto& punkte = kurven[k];
        try {
            punkte.emplace_back();
        } catch (const std::bad_alloc&) { return Fehler(f, KurvenFehler::ImportSpeicher, {}); }
        const int code = ZeitbasisCode(felder[2]);
        if (code == 0)
            return Fehler(f, KurvenFehler::ImportZeitbasis,
                          kurvengenerator::Zeile(nr) + "Unbekannte Zeitbasis '" + Text(felder[2]) + "'.");
        punkte.back().zeitbasis = static_cast<std::uint8_t>(code);
        if (y < 0.0 || y > 100.0)
            return Fehler(f, KurvenFehler::ImportYWert,
                          kurvengenerator::Zeile(nr) + "Y-Wert von " + DezimalText(y, 3) + "% ist nicht erlaubt '" +
                              Text(felder[1]) + "'.");
        punkte.back().wert = static_cast<std::int32_t>(std::trunc(kMaxWert * y / 100.0));
        if (punkte.size() == 1) {
            if (std::fabs(t) > kNull)
                return Fehler(f, KurvenFehler::ImportStart,
                              kurvengenerator::Zeile(nr) + "Kurve muß bei Zeit=0 beginnen.");
        } else {
            const double d = t - tVorher;
            if (!(d > kNull))
                return Fehler(f, KurvenFehler::ImportFortlaufend,
                              kurvengenerator::Zeile(nr) + "Zeitangaben nicht fortlaufend.");
            const double w = 1000.0 * (1000.0 * d) / ZeitbasisDauer(codeVorher);
            if (!(w < 65535.4))
                return Fehler(f, KurvenFehler::ImportZuLang,
                              kurvengenerator::Zeile(nr) +
                                  "Kuvenabschnitt zu lang\n(muß kleiner sein als 65536 Zeiteinheiten).");
            // Both times carry the rounding of their binary form, which grows with
            // their size: far out (1.8e6 s after a run of minute ticks) it alone
            // exceeds kNull, and an exported set would no longer import.
            const double rundung =
                1e6 * 4.0 * DBL_EPSILON * std::max(std::fabs(t), std::fabs(tVorher)) / ZeitbasisDauer(codeVorher);
            const double schranke = kNull + rundung;
            const double n = std::floor(w + std::max(0.00000005, schranke));
            if (!(std::fabs(w - n) < schranke))
                return Fehler(f, KurvenFehler::ImportRaster,
                              kurvengenerator::Zeile(nr) + "Zeitunterschied von " + DezimalText(d, 3) +
                                  " Sekunden läßt sich nicht\ndurch die Zeitbasis " + ZeitbasisText(codeVorher) +
                                  " ausdrücken.");
            const double laenge = std::trunc(w + 0.5);
            if (laenge < 1.0)
                return Fehler(f, KurvenFehler::ImportNull,
                              kurvengenerator::Zeile(nr) +
                                  "Zeitunterschied zwischen zwei Punkten muß größer Null sein.");
            punkte[punkte.size() - 2].laenge = static_cast<std::int32_t>(laenge);
        }
        tVorher = t;
        codeVorher = code;
        return 0;
    }

    static int Fehler(Importfehler& f, int code, std::string text) {
        f = {code, std::move(text)};
        return code;
    }
};

ImportErgebnis Abbruch(const Importfehler& f) {
    ImportErgebnis e;
    e.code = f.code;
    if (!f.text.empty()) e.meldungen.push_back({Meldung::Art::Popup, f.code, kTitelImportfehler, f.text});
    return e;
}

template <class Quelle> ImportErgebnis ImportAus(Kurvensatz& s, Quelle& quelle) {
    Einlesen ein;
    Importfehler f{0, {}};
    std::string zeile;
    for (int nr = 1; ZeileLesen(quelle, zeile, kMaxZeile); ++nr) {
        if (ZeileUeberspringen(zeile)) continue;
        if (ein.Zeile(nr, zeile, f) != 0) return Abbruch(f);
    }
    if (quelle.Fehler()) return Abbruch({KurvenFehler::ImportLesen, {}});
    bool gefunden = false;
    for (auto& punkte : ein.kurven) {
        if (punkte.empty()) continue;
        punkte.back().laenge = 1; // the closing segment
        gefunden = true;
    }
    if (!gefunden) return Abbruch({KurvenFehler::ImportLeer, "Keine Kurvendaten gefunden."});

    ImportErgebnis e;
    const int vorher = s.aktuelleKurve;
    for (int k = 0; k < kKurvenzahl; ++k) {
        auto& punkte = ein.kurven[static_cast<std::size_t>(k)];
        if (punkte.empty()) continue;
        s.aktuelleKurve = k;
        RueckgaengigSichern(s, e.meldungen);
        s.Aktuelle().punkte.swap(punkte);
    }
    s.aktuelleKurve = vorher;
    return e;
}

} // namespace

std::string KurvenExportText(const Kurvensatz& s) {
    std::string text;
    for (const char* zeile : kKopf) text.append(zeile).append(kZeilenende);
    for (int k = 0; k < kKurvenzahl; ++k) {
        double t = 0.0;
        for (const Kurvenpunkt& p : s.kurven[static_cast<std::size_t>(k)].punkte) {
            text += DezimalText(t / 1000 / 1000, 5) + '\t' + DezimalText(100.0 * p.wert / kMaxWert, 2) + '\t' +
                    ZeitbasisText(p.zeitbasis) + '\t' + std::to_string(k + 1) + kZeilenende;
            t += GeradenDauer(p);
        }
        text += kZeilenende;
    }
    return text;
}

int KurvenExportieren(const Kurvensatz& s, const std::string& pfad) {
    switch (DateiErsetzen(pfad, KurvenExportText(s))) {
    case ErsetzenErgebnis::Ok: return 0;
    case ErsetzenErgebnis::OeffnenFehlgeschlagen: return KurvenFehler::ExportOeffnen;
    case ErsetzenErgebnis::SchreibenFehlgeschlagen: break;
    }
    return KurvenFehler::ExportKopf;
}

ImportErgebnis KurvenImportText(Kurvensatz& s, std::string_view text) {
    TextQuelle quelle{text};
    return ImportAus(s, quelle);
}

ImportErgebnis KurvenImportieren(Kurvensatz& s, const std::string& pfad) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> datei(RegulaereDateiOeffnen(pfad), &std::fclose);
    if (!datei) {
        ImportErgebnis e;
        e.code = KurvenFehler::ImportOeffnen;
        return e;
    }
    DateiQuelle quelle{datei.get()};
    return ImportAus(s, quelle);
}

} // namespace kurvengenerator
