#include "kennlinie/fenster/KennlinienDateiAktionen.h"

#include "config/KonfigModell.h"
#include "kennlinie/KennlinieCsv.h"
#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieText.h"
#include "kennlinie/KennlinienEditor.h"
#include "kennlinie/fenster/KennlinienMaus.h"
#include "uisupport/Dialoge.h"

#include <QFile>

namespace {

const char* const kKonfigFrage =
    "Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\nKennlinie unterscheidet sich von der "
    "aktuellen Konfiguration.\nSoll die Konfiguration zusammen mit der Kennlinie geladen werden\noder soll die "
    "aktuelle Konfiguration behalten werden?";

std::string Pfad(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

DateiAuswahl Auswahl(const char* titel, const char* muster, bool speichern) {
    DateiAuswahl a;
    a.titel = titel;
    a.muster = muster;
    a.speichern = speichern;
    // The text table may carry any extension.
    a.endungErzwingen = QString(muster) == "*.dle";
    return a;
}

} // namespace

KennlinienDateiAktionen::KennlinienDateiAktionen(KennlinienKontext k, std::function<int()> abbruchFrage)
    : k_(k), abbruchFrage_(std::move(abbruchFrage)) {}

int KennlinienDateiAktionen::Neu() {
    if (abbruchFrage_() != 0) return 0;
    k_.editor.Neu(k_.konfig.daten());
    return 0;
}

int KennlinienDateiAktionen::Laden(const QString& pfad) {
    if (abbruchFrage_() != 0) return 0;
    const DateiErgebnis wahl = pfad.isEmpty() ? dialoge().Datei(Auswahl("Kennlinie laden", "*.dle", false))
                                              : DateiErgebnis{DateiErgebnis::Art::Gewaehlt, pfad};
    if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
    // A file that cannot be read whole changes nothing: curve, name and flag stay.
    KennlinienDatei d;
    const int rc = ::KennlinieLaden(Pfad(wahl.pfad), d);
    if (rc != 0) return rc;
    if (!KonfigurationenVergleichen(d.konfig, k_.konfig.daten()) &&
        dialoge().Frage("Konfiguration laden?", kKonfigFrage, {"laden", "nicht laden"}, 1, 2) == 1) {
        k_.konfig.Setzen(d.konfig);
        k_.editor.EinheitenGeaendert();
    }
    // Converted with the configuration the user kept: with the file's own
    // one this gives back exactly the value that was saved.
    k_.editor.DateiUebernehmen(std::move(d.kurve), BegrenzungAusDatei(k_.konfig.daten(), d.begrenzungRoh),
                               d.anstiegszeit, Pfad(wahl.pfad));
    return 0;
}

int KennlinienDateiAktionen::Speichern(bool unter) {
    std::string pfad = k_.editor.dateiname();
    if (unter || pfad.empty()) {
        const DateiErgebnis wahl = dialoge().Datei(Auswahl("Kennlinie speichern", "*.dle", true));
        if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
        pfad = Pfad(wahl.pfad);
    }
    const KonfigDaten& k = k_.konfig.daten();
    KennlinienDatei d;
    d.kurve = k_.editor.kurve();
    d.konfig = k;
    d.begrenzungRoh = BegrenzungZuDatei(k, k_.editor.begrenzung());
    d.anstiegszeit = k_.editor.anstiegszeit();
    if (const int rc = ::KennlinieSpeichern(pfad, d); rc != 0) return rc;
    k_.editor.Gespeichert(pfad);
    return 0;
}

int KennlinienDateiAktionen::Importieren() {
    const DateiErgebnis wahl = dialoge().Datei(Auswahl("Kennlinie importieren", "*.txt", false));
    if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
    Bearbeitung b = k_.editor.Importieren(Pfad(wahl.pfad));
    // The message first, then the code through the menu's error popup.
    const int code = b.fehlercode;
    b.fehlercode = 0;
    BearbeitungMelden(b);
    return code;
}

int KennlinienDateiAktionen::Exportieren() {
    const DateiErgebnis wahl = dialoge().Datei(Auswahl("Kennlinie exportieren", "*.txt", true));
    if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
    return KennlinieExportieren(Pfad(wahl.pfad), k_.editor.punkte());
}

int KennlinienDateiAktionen::TabelleExportieren() {
    const DateiErgebnis wahl = dialoge().Datei(Auswahl(kTitelCsvExport, kDateimusterCsv, true));
    if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
    return KennlinieCsvExportieren(Pfad(wahl.pfad), k_.editor.punkte(), k_.konfig.daten());
}
