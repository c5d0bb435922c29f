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

void KurvenPanel::KonfigNachLaden(const LadeErgebnis& e) {
    if (!KonfigUebernehmen(e)) return;
    // The other windows follow when the configuration window is left; this one shows the file's units now.
    konfig_.Setzen(e.konfig);
    editor_.KonfigurationGeaendert();
}

int KurvenPanel::NeuMenue() {
    if (AbbruchWeilKurvenNichtGespeichert() != 0) return 0;
    return editor_.Neu();
}

int KurvenPanel::KurvenLadenMenue(const QString& pfad) {
    if (AbbruchWeilKurvenNichtGespeichert() != 0) return 0;
    const Wahl w = pfad.isEmpty()
                       ? Waehlen(kTitelKurveLaden, kDateimusterKurven, false, true, KurvenFehler::LadenOeffnen)
                       : Wahl{true, 0, Pfad(pfad)};
    if (!w.gewaehlt) return w.code;
    // A file that cannot be read whole changes nothing: curves, name and flag stay.
    const LadeErgebnis e = editor_.Laden(w.pfad);
    KonfigNachLaden(e);
    return e.code;
}

int KurvenPanel::KurvenAnhaengenMenue() {
    const Wahl w = Waehlen(kTitelKurvenAnhaengen, kDateimusterKurven, false, true, KurvenFehler::LadenOeffnen);
    if (!w.gewaehlt) return w.code;
    const LadeErgebnis e = editor_.Anhaengen(w.pfad);
    KonfigNachLaden(e);
    return e.code;
}

int KurvenPanel::KurvenSpeichernMenue(bool unter) {
    std::string pfad = editor_.dateiPfad();
    if (SpeichernFragtPfad(editor_.satz(), unter)) {
        const Wahl w = Waehlen(kTitelKurveSpeichern, kDateimusterKurven, true, true, KurvenFehler::SpeichernOeffnen);
        if (!w.gewaehlt) return w.code;
        pfad = w.pfad;
    }
    yRaster_->Uebernehmen(); // a grid typed but not committed is saved with the curve
    return editor_.Speichern(pfad);
}

int KurvenPanel::KurvenImportierenMenue() {
    const Wahl w = Waehlen(kTitelKurvenImportieren, kDateimusterText, false, false, KurvenFehler::ImportOeffnen);
    if (!w.gewaehlt) return w.code;
    const ImportErgebnis e = editor_.Importieren(w.pfad);
    MeldungenZeigen(e.meldungen);
    return e.code;
}

int KurvenPanel::KurvenExportierenMenue() {
    const Wahl w = Waehlen(kTitelKurvenExportieren, kDateimusterText, true, false, KurvenFehler::ExportOeffnen);
    if (!w.gewaehlt) return w.code;
    return KurvenExportieren(editor_.satz(), w.pfad);
}

int KurvenPanel::TabelleExportierenMenue() {
    const Wahl w = Waehlen(kTitelCsvExport, kDateimusterCsv, true, false, KurvenFehler::CsvOeffnen);
    if (!w.gewaehlt) return w.code;
    const CsvErgebnis e = KurvenCsvExportieren(editor_.satz(), konfig_.daten(), w.pfad);
    MeldungenZeigen(e.meldungen);
    return e.meldungen.empty() ? e.code : 0;
}
