#include "tools/KurvenBefehle.h"

#include "config/KonfigDatei.h"
#include "kurven/KurvenCsv.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenText.h"
#include "kurven/KurvenTransfer.h"

#include <ostream>
#include <sys/stat.h>

using namespace kurvengenerator;

const char* const kKurvenBefehleHilfe =
    "    kurven-senden DATEI.dlr    Generatorkurven der Datei zur DLM-7 schreiben\n"
    "    kurven-lesen DATEI.dlr     Generatorkurven lesen und speichern (Konfiguration: --konfig DATEI.dlo)\n"
    "    kurven-export DATEI.dlr DATEI.txt   Kurven als Texttabelle exportieren\n"
    "    kurven-import DATEI.txt DATEI.dlr   Texttabelle in DATEI.dlr importieren (neu, falls nicht vorhanden)\n"
    "    kurven-csv DATEI.dlr DATEI.csv      Abtastwerte der DLM-7 als CSV (Einheiten der Datei oder von --konfig)\n";

namespace {

// Popups go to the error stream; codes for the error indicator are reported
// by dlm7ctl's last line.
void Ausgeben(const Meldungen& meldungen, std::ostream& err) {
    for (const Meldung& m : meldungen)
        if (m.art == Meldung::Art::Popup) err << m.text << '\n';
}

int Konfiguration(const std::string& pfad, KonfigDaten& konfig) {
    return pfad.empty() ? 0 : KonfigDateiLesen(pfad, konfig);
}

int Senden(const std::string& datei, bool pruefen, const MitGeraet& mitGeraet, std::ostream& err) {
    Kurvensatz s;
    // The file's rest values are counts, set under the file's configuration;
    // they go to the box as they are.
    if (const int rc = KurvenLaden(s, datei, KonfigStandardwerte()).code; rc != 0) return rc;
    if (const Laengenwarnung w = LaengenPruefen(s); w.ungleich) err << w.text;
    const Speicherabbild bild = AbbildErstellen(s);
    if (bild.code != 0) {
        Ausgeben(bild.meldungen, err);
        return bild.code;
    }
    Sendeergebnis e;
    const int rc = mitGeraet([&](int port, char adresse) {
        e = AbbildSenden(port, adresse, bild, {}, pruefen);
        return e.code;
    });
    Ausgeben(e.meldungen, err);
    return rc;
}

int Lesen(const std::string& datei, const std::string& konfigPfad, const MitGeraet& mitGeraet, std::ostream& err) {
    KonfigDaten konfig = KonfigStandardwerte();
    if (const int rc = Konfiguration(konfigPfad, konfig); rc != 0) return rc;
    Leseergebnis l;
    const int rc = mitGeraet([&](int port, char adresse) {
        l = KurvenLesen(port, adresse, {});
        return l.code;
    });
    Ausgeben(l.meldungen, err);
    if (rc != 0 || !l.kurven) return rc;
    Kurvensatz s;
    GeleseneKurvenUebernehmen(s, std::move(*l.kurven));
    return KurvenSpeichern(s, datei, konfig);
}

int Exportieren(const std::string& dlr, const std::string& txt) {
    Kurvensatz s;
    if (const int rc = KurvenLaden(s, dlr, KonfigStandardwerte()).code; rc != 0) return rc;
    return KurvenExportieren(s, txt);
}

int CsvExportieren(const std::string& dlr, const std::string& csv, const std::string& konfigPfad, std::ostream& err) {
    Kurvensatz s;
    const LadeErgebnis l = KurvenLaden(s, dlr, KonfigStandardwerte());
    if (l.code != 0) return l.code;
    KonfigDaten konfig = l.konfig;
    if (const int rc = Konfiguration(konfigPfad, konfig); rc != 0) return rc;
    const CsvErgebnis e = KurvenCsvExportieren(s, konfig, csv);
    Ausgeben(e.meldungen, err);
    return e.code;
}

int Importieren(const std::string& txt, const std::string& dlr, const std::string& konfigPfad, std::ostream& err) {
    Kurvensatz s;
    KonfigDaten konfig = KonfigStandardwerte();
    struct stat st {};
    if (::stat(dlr.c_str(), &st) == 0) {
        const LadeErgebnis l = KurvenLaden(s, dlr, konfig);
        if (l.code != 0) return l.code;
        konfig = l.konfig;
    }
    if (const int rc = Konfiguration(konfigPfad, konfig); rc != 0) return rc;
    const ImportErgebnis e = KurvenImportieren(s, txt);
    Ausgeben(e.meldungen, err);
    if (e.code != 0) return e.code;
    return KurvenSpeichern(s, dlr, konfig);
}

} // namespace

std::optional<int> KurvenBefehl(const std::string& befehl, const std::vector<std::string>& arg,
                                const std::string& konfigPfad, bool pruefen, const MitGeraet& mitGeraet,
                                std::ostream& err) {
    const std::size_t anzahl = befehl == "kurven-senden" || befehl == "kurven-lesen"                              ? 1
                               : befehl == "kurven-export" || befehl == "kurven-import" || befehl == "kurven-csv" ? 2
                                                                                                                  : 0;
    if (anzahl == 0) return std::nullopt;
    if (arg.size() != anzahl) return kKurvenBefehlVerwendung;
    if (befehl == "kurven-senden") return Senden(arg[0], pruefen, mitGeraet, err);
    if (befehl == "kurven-lesen") return Lesen(arg[0], konfigPfad, mitGeraet, err);
    if (befehl == "kurven-export") return Exportieren(arg[0], arg[1]);
    if (befehl == "kurven-csv") return CsvExportieren(arg[0], arg[1], konfigPfad, err);
    return Importieren(arg[0], arg[1], konfigPfad, err);
}
