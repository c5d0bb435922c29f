// The "Datei" menu: curve-set files with the configuration question, and
// the text exchange. Each returns 0 or the code the menu shows.
#include "kurven/fenster/KurvenPanel.h"

#include "config/KonfigModell.h"
#include "kurven/KurvenCsv.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenText.h"
#include "uisupport/Dialoge.h"

#include "uisupport/Zahlfeld.h"

#include <QFile>
#include <QLineEdit>

using namespace kurvengenerator;

namespace {

std::string Pfad(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

// Cancel gives an empty path; a dialog that failed gives its code.
struct Wahl {
    bool gewaehlt = false;
    int code = 0;
    std::string pfad;
};

Wahl Waehlen(const char* titel, const char* muster, bool speichern, bool endungErzwingen, int fehlerCode,
             bool ueberschreibenFragen = true) {
    DateiAuswahl a;
    a.titel = QString::fromUtf8(titel);
    a.muster = muster;
    a.speichern = speichern;
    a.endungErzwingen = endungErzwingen;
    a.ueberschreibenFragen = ueberschreibenFragen;
    const DateiErgebnis e = dialoge().Datei(a);
    if (e.art == DateiErgebnis::Art::Abgebrochen) return {};
    if (e.art == DateiErgebnis::Art::Fehler) return {false, fehlerCode, {}};
    return {true, 0, Pfad(e.pfad)};
}

// A file whose configuration differs asks whether to take it over.
bool KonfigUebernehmen(const LadeErgebnis& e) {
    return e.code == 0 && e.konfigWeichtAb &&
           dialoge().Frage(kKonfigFrageTitel, QString::fromUtf8(kKonfigFrageText),
                           {kKonfigFrageLaden, kKonfigFrageNichtLaden}, 1, 2) == 1;
}

} // namespace

void KurvenPanel::NachDateiLaden() {
    FensterTitelSetzen(satz_.dateiPfad);
    KommentarAnzeigen();
    GanzeKurveZeigen(ansicht_, satz_.Aktuelle());
    KurvenZeichnen();
    ScrollbalkenAktualisieren();
    UndoAnzeigen();
}

int KurvenPanel::KurvenLadenMenue(const QString& pfad) {
    if (AbbruchWeilKurvenNichtGespeichert() != 0) return 0;
    const Wahl w = pfad.isEmpty()
                       ? Waehlen(kTitelKurveLaden, kDateimusterKurven, false, true, KurvenFehler::LadenOeffnen)
                       : Wahl{true, 0, Pfad(pfad)};
    if (!w.gewaehlt) return w.code;
    // A file that cannot be read whole changes nothing: curves, name and flag stay.
    const LadeErgebnis e = KurvenLaden(satz_, w.pfad, konfig_.daten());
    if (e.code != 0) return e.code;
    if (KonfigUebernehmen(e)) konfig_.Setzen(e.konfig);
    NachDateiLaden();
    return 0;
}

int KurvenPanel::KurvenAnhaengenMenue() {
    const Wahl w = Waehlen(kTitelKurvenAnhaengen, kDateimusterKurven, false, true, KurvenFehler::LadenOeffnen);
    if (!w.gewaehlt) return w.code;
    const LadeErgebnis e = KurvenAnhaengen(satz_, w.pfad, konfig_.daten());
    if (e.code != 0) return e.code;
    if (KonfigUebernehmen(e)) konfig_.Setzen(e.konfig);
    NachDateiLaden();
    return 0;
}

int KurvenPanel::KurvenSpeichernMenue(bool unter) {
    std::string pfad = satz_.dateiPfad;
    if (SpeichernFragtPfad(satz_, unter)) {
        const Wahl w = Waehlen(kTitelKurveSpeichern, kDateimusterKurven, true, true, KurvenFehler::SpeichernOeffnen);
        if (!w.gewaehlt) return w.code;
        pfad = w.pfad;
    }
    yRaster_->Uebernehmen();
    const int code = KurvenSpeichern(satz_, pfad, konfig_.daten());
    if (code == 0) FensterTitelSetzen(pfad);
    return code;
}

int KurvenPanel::KurvenImportierenMenue() {
    const Wahl w = Waehlen(kTitelKurvenImportieren, kDateimusterText, false, false, KurvenFehler::ImportOeffnen);
    if (!w.gewaehlt) return w.code;
    const ImportErgebnis e = KurvenImportieren(satz_, w.pfad);
    MeldungenZeigen(e.meldungen);
    if (e.code == 0) GanzeKurveZeigen(ansicht_, satz_.Aktuelle()); // as loading: the whole of what came in
    KurvenZeichnen();
    ScrollbalkenAktualisieren();
    UndoAnzeigen();
    return e.code;
}

int KurvenPanel::KurvenExportierenMenue() {
    const Wahl w = Waehlen(kTitelKurvenExportieren, kDateimusterText, true, false, KurvenFehler::ExportOeffnen);
    if (!w.gewaehlt) return w.code;
    return KurvenExportieren(satz_, w.pfad);
}

int KurvenPanel::TabelleExportierenMenue() {
    const Wahl w = Waehlen(kTitelCsvExport, kDateimusterCsv, true, false, KurvenFehler::CsvOeffnen);
    if (!w.gewaehlt) return w.code;
    const CsvErgebnis e = KurvenCsvExportieren(satz_, konfig_.daten(), w.pfad);
    MeldungenZeigen(e.meldungen);
    return e.meldungen.empty() ? e.code : 0;
}
