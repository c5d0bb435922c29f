#include "kennlinie/KennlinieCsv.h"

#include "kennlinie/KennlinieFehler.h"
#include "kern/Csv.h"
#include "kern/IniDatei.h"

namespace {

std::string Spalte(const std::string& name, const std::string& einheit) {
    return CsvFeld(einheit.empty() ? name : name + " [" + einheit + "]");
}

} // namespace

int KennlinieCsvText(const Kennlinienpunkte& punkte, const KonfigDaten& k, std::string& text) {
    Kennlinientabelle tabelle{};
    if (const int rc = Digitalisieren(punkte, tabelle); rc != 0) return rc;
    // The X axis is input 2, the Y axis output 1 (channel index 1 and 0).
    std::string t = CsvZeile({"Eingang 2 roh", Spalte("Eingang 2", EinheitText(k, Seite::Eingang, 1)), "Ausgang 1 roh",
                              Spalte("Ausgang 1", EinheitText(k, Seite::Ausgang, 0))});
    t.reserve(t.size() + tabelle.size() * 40);
    for (int x = 0; x < kTabellenGroesse; ++x) {
        const int y = tabelle[static_cast<std::size_t>(x)];
        t += CsvZeile({std::to_string(x), CsvZahl(EingangRohZuEinheit(k, 1, x)), std::to_string(y),
                       CsvZahl(AusgangRohZuEinheit(k, 0, y))});
    }
    text = std::move(t);
    return 0;
}

int KennlinieCsvExportieren(const std::string& pfad, const Kennlinienpunkte& punkte, const KonfigDaten& k) {
    std::string text;
    if (const int rc = KennlinieCsvText(punkte, k, text); rc != 0) return rc;
    switch (DateiErsetzen(pfad, text)) {
    case ErsetzenErgebnis::Ok: return 0;
    case ErsetzenErgebnis::OeffnenFehlgeschlagen: return KennlFehler::CsvOeffnen;
    case ErsetzenErgebnis::SchreibenFehlgeschlagen: break;
    }
    return KennlFehler::CsvSchreiben;
}
