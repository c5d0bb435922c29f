#include "kurven/KurvenCsv.h"

#include "kern/Csv.h"
#include "kern/IniDatei.h"
#include "kurven/KurvenFehler.h"

namespace kurvengenerator {

namespace {

long Wort(const Speicherabbild& bild, long stelle) {
    return bild.bytes[static_cast<std::size_t>(stelle)] * 256L + bild.bytes[static_cast<std::size_t>(stelle) + 1];
}

// "Wert [V]" when every output has the same unit, else the four units in order.
std::string WertSpalte(const KonfigDaten& k) {
    std::string einheiten[kKurvenzahl];
    bool gleich = true;
    for (int i = 0; i < kKurvenzahl; ++i) {
        einheiten[i] = EinheitText(k, Seite::Ausgang, i);
        gleich = gleich && einheiten[i] == einheiten[0];
    }
    std::string liste = einheiten[0];
    if (!gleich)
        for (int i = 1; i < kKurvenzahl; ++i) liste += " / " + einheiten[i];
    return CsvFeld(gleich && liste.empty() ? "Wert" : "Wert [" + liste + "]");
}

} // namespace

std::string KurvenCsvText(const Speicherabbild& bild, const KonfigDaten& k) {
    std::string text = CsvZeile({"Kurve", "Zeit [s]", "Wert roh", WertSpalte(k)});
    if (bild.bytes.size() < static_cast<std::size_t>(kAbbildKopf)) return text;
    long start = kAbbildKopf;
    for (int kurve = 0; kurve < kKurvenzahl; ++kurve) {
        const long ende = Wort(bild, 2 + 2L * kurve); // last byte of the curve's samples
        const std::string nummer = std::to_string(kurve + 1);
        double zeit = 0.0; // microseconds; every tick is a whole number, so the sum is exact
        for (long p = start; p + 1 <= ende && p + 1 < static_cast<long>(bild.bytes.size()); p += 2) {
            const long wort = Wort(bild, p);
            const int wert = static_cast<int>(wort & 0x0FFF);
            text += CsvZeile(
                {nummer, CsvZahl(zeit / 1e6), std::to_string(wert), CsvZahl(SchritteZuEinheit(k, kurve, wert))});
            zeit += ZeitbasisDauer(static_cast<int>(wort >> 12) + 1);
        }
        start = ende + 1;
    }
    return text;
}

CsvErgebnis KurvenCsvExportieren(const Kurvensatz& s, const KonfigDaten& k, const std::string& pfad) {
    CsvErgebnis e;
    const Speicherabbild bild = AbbildErstellen(s);
    if (bild.code != 0) {
        e.code = bild.code;
        e.meldungen = bild.meldungen;
        return e;
    }
    switch (DateiErsetzen(pfad, KurvenCsvText(bild, k))) {
    case ErsetzenErgebnis::Ok: return e;
    case ErsetzenErgebnis::OeffnenFehlgeschlagen: e.code = KurvenFehler::CsvOeffnen; break;
    case ErsetzenErgebnis::SchreibenFehlgeschlagen: e.code = KurvenFehler::CsvSchreiben; break;
    }
    return e;
}

} // namespace kurvengenerator
