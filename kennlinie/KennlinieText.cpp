#include "kennlinie/KennlinieText.h"

#include "kennlinie/KennlinieFehler.h"
#include "kern/Cp1252.h"
#include "kern/Dezimal.h"
#include "kern/IniDatei.h"
#include "kern/RegulaereDatei.h"
#include "kern/Textzeilen.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string_view>

namespace {

constexpr std::size_t kZeilenMax = 95;
constexpr double kNull = 0.000001;

bool Leerzeichen(char c) { return c == ' ' || c == '\t'; }

// One decimal number at pos; a leading '+' is allowed. Only finite values count.
bool ZahlLesen(std::string_view z, std::size_t& pos, double& wert) {
    if (pos < z.size() && z[pos] == '+') {
        ++pos;
        if (pos < z.size() && z[pos] == '-') return false;
    }
    const auto [ende, ec] = std::from_chars(z.data() + pos, z.data() + z.size(), wert);
    if (ec != std::errc{} || !std::isfinite(wert)) return false;
    pos = static_cast<std::size_t>(ende - z.data());
    return true;
}

bool ZweiZahlen(std::string_view z, double& x, double& y) {
    std::size_t pos = 0;
    while (pos < z.size() && Leerzeichen(z[pos])) ++pos;
    if (!ZahlLesen(z, pos, x)) return false;
    const std::size_t trenner = pos;
    while (pos < z.size() && Leerzeichen(z[pos])) ++pos;
    return pos > trenner && ZahlLesen(z, pos, y);
}

std::string Zeilenkopf(int zeile) { return "Fehler in Zeile " + std::to_string(zeile) + ":\n"; }

std::string Bereichsmeldung(int zeile, char achse, double wert, std::string_view text) {
    return Zeilenkopf(zeile) + achse + "-Wert von " + DezimalText(wert, 3) + "% ist nicht erlaubt '" + VonCp1252(text) +
           "'.";
}

ImportErgebnis Fehler(int code, std::string meldung = {}) {
    ImportErgebnis e;
    e.code = code;
    e.meldung = std::move(meldung);
    return e;
}

} // namespace

std::string KennlinieExportText(const Kennlinienpunkte& punkte) {
    std::string text = "# Kennlinie exportiert aus DLM7-Steuerung\r\n"
                       "# Spalte 1 = X-Wert in Prozent\r\n"
                       "# Spalte 2 = Y-Wert in Prozent\r\n"
                       "\r\n";
    const auto pos = PunktPositionen(punkte);
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const double x = 100.0 * (static_cast<double>(pos[i]) / 4095.0);
        const double y = 100.0 * (punkte[i].yWert / 4095.0);
        text += DezimalText(x, 2) + '\t' + DezimalText(y, 2) + "\r\n";
    }
    return text + "\r\n";
}

int KennlinieExportieren(const std::string& pfad, const Kennlinienpunkte& punkte) {
    switch (DateiErsetzen(pfad, KennlinieExportText(punkte))) {
    case ErsetzenErgebnis::Ok: return 0;
    case ErsetzenErgebnis::OeffnenFehlgeschlagen: return KennlFehler::ExportOeffnen;
    case ErsetzenErgebnis::SchreibenFehlgeschlagen: break;
    }
    return KennlFehler::ExportSchreiben;
}

namespace {

template <class Quelle> ImportErgebnis ImportAus(Quelle& quelle) {
    Kennlinienpunkte punkte;
    std::string zeile;
    int nummer = 0;
    double vorigesX = 0.0;
    while (ZeileLesen(quelle, zeile, kZeilenMax)) {
        ++nummer;
        if (ZeileUeberspringen(zeile)) continue;
        double x = 0.0, y = 0.0;
        if (!ZweiZahlen(zeile, x, y))
            return Fehler(KennlFehler::ImportWerte, Zeilenkopf(nummer) + "Falsche oder zu wenig Werte.");
        if (y < 0.0 || y > 100.0) return Fehler(KennlFehler::ImportYBereich, Bereichsmeldung(nummer, 'Y', y, zeile));
        KennlinienPunkt p{static_cast<std::int32_t>(std::trunc(4095.0 * (y / 100.0))), 0, 0};
        if (x < 0.0 || x > 100.0) return Fehler(KennlFehler::ImportXBereich, Bereichsmeldung(nummer, 'X', x, zeile));
        if (punkte.empty()) {
            if (std::fabs(x) > kNull)
                return Fehler(KennlFehler::ImportNichtBeiNull, Zeilenkopf(nummer) + "Kurve muß bei X=0 beginnen.");
        } else {
            const double d = x - vorigesX;
            if (d <= kNull)
                return Fehler(KennlFehler::ImportNichtFortlaufend, Zeilenkopf(nummer) + "X-Achse nicht fortlaufend.");
            const double laenge = std::trunc(4095.0 * d / 100.0);
            if (laenge < 1.0)
                return Fehler(KennlFehler::ImportAbstandNull,
                              Zeilenkopf(nummer) + "X-Unterschied zwischen zwei Punkten muß größer Null sein.");
            punkte.back().laenge = static_cast<std::int32_t>(laenge);
        }
        vorigesX = x;
        punkte.push_back(p);
    }
    if (quelle.Fehler()) return Fehler(KennlFehler::ImportLesen);
    if (punkte.empty()) return Fehler(KennlFehler::ImportKeineDaten, "Keine Kurvendaten gefunden.");
    punkte.back().laenge = 0;
    ImportErgebnis e;
    e.punkte = std::move(punkte);
    return e;
}

} // namespace

ImportErgebnis KennlinieImportText(std::string_view text) {
    TextQuelle quelle{text};
    return ImportAus(quelle);
}

ImportErgebnis KennlinieImportieren(const std::string& pfad) {
    std::FILE* datei = RegulaereDateiOeffnen(pfad);
    if (!datei) return Fehler(KennlFehler::ImportOeffnen);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> schliessen(datei, &std::fclose);
    DateiQuelle quelle{datei};
    return ImportAus(quelle);
}
