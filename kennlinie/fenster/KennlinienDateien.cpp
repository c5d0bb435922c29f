// "Neu", the curve file (.dle), the text exchange and the comment.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "config/KonfigModell.h"
#include "kennlinie/KennlinieCsv.h"
#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieText.h"
#include "kennlinie/fenster/KennlinienDialoge.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Zahlfeld.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// The file dialog of the unsaved-changes question was cancelled: a silent
// code, so the question cancels what it guards without a popup.
constexpr int kSpeichernAbgebrochen = -6501;

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

void KennlinienPanel::DateinameSetzen(const QString& pfad) {
    dateiname_ = pfad;
    setWindowTitle(QString::fromStdString(FensterTitel(Pfad(pfad))));
}

void KennlinienPanel::Gespeichert() {
    editor_.geaendert = false;
    GeaendertSetzen(false);
}

int KennlinienPanel::AbbruchWeilKennlinieNichtGespeichert() {
    GeaendertSetzen(ungespeichert());
    return AbbruchFrage(QFileInfo(dateiname_).fileName(), [this] {
        const int rc = DateiSpeichern(false);
        // "Ja" and then no file name: nothing was saved, so nothing may be dropped.
        return rc == 0 && ungespeichert() ? kSpeichernAbgebrochen : rc;
    });
}

int KennlinienPanel::KurveNeu() {
    if (AbbruchWeilKennlinieNichtGespeichert() != 0) return 0;
    editor_.Neu();
    KurveGeaendert();
    feld(Feld::Begrenzung)->setWert(NeueBegrenzung(konfig_.daten()));
    feld(Feld::Anstiegszeit)->setWert(kStartAnstiegszeit);
    DateinameSetzen({});
    KommentarZeigen();
    GanzeKurveZeigen();
    return 0;
}

int KennlinienPanel::DateiLaden(const QString& pfad) {
    if (AbbruchWeilKennlinieNichtGespeichert() != 0) return 0;
    const DateiErgebnis wahl = pfad.isEmpty() ? dialoge().Datei(Auswahl("Kennlinie laden", "*.dle", false))
                                              : DateiErgebnis{DateiErgebnis::Art::Gewaehlt, pfad};
    if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
    // A file that cannot be read whole changes nothing: curve, name and flag stay.
    KennlinienDatei d;
    const int rc = ::KennlinieLaden(Pfad(wahl.pfad), d);
    if (rc != 0) return rc;
    editor_.kurve = std::move(d.kurve);
    KurveGeaendert();
    if (!KonfigurationenVergleichen(d.konfig, konfig_.daten()) &&
        dialoge().Frage("Konfiguration laden?", kKonfigFrage, {"laden", "nicht laden"}, 1, 2) == 1) {
        konfig_.Setzen(d.konfig);
        Kennlinienpanel_SkaliereYAchse();
    }
    // Converted with the configuration the user kept: with the file's own
    // one this gives back exactly the value that was saved.
    feld(Feld::Begrenzung)->setWert(BegrenzungAusDatei(konfig_.daten(), d.begrenzungRoh));
    feld(Feld::Anstiegszeit)->setWert(d.anstiegszeit);
    DateinameSetzen(wahl.pfad);
    Gespeichert();
    KommentarZeigen();
    GanzeKurveZeigen();
    return 0;
}

int KennlinienPanel::DateiSpeichern(bool unter) {
    QString pfad = dateiname_;
    if (unter || pfad.isEmpty()) {
        const DateiErgebnis wahl = dialoge().Datei(Auswahl("Kennlinie speichern", "*.dle", true));
        if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
        pfad = wahl.pfad;
    }
    const KonfigDaten& k = konfig_.daten();
    KennlinienDatei d;
    d.kurve = editor_.kurve;
    d.konfig = k;
    d.begrenzungRoh = BegrenzungZuDatei(k, feld(Feld::Begrenzung)->wert());
    d.anstiegszeit = feld(Feld::Anstiegszeit)->wert();
    if (const int rc = ::KennlinieSpeichern(Pfad(pfad), d); rc != 0) return rc;
    DateinameSetzen(pfad);
    Gespeichert();
    return 0;
}

int KennlinienPanel::DateiImportieren() {
    const DateiErgebnis wahl = dialoge().Datei(Auswahl("Kennlinie importieren", "*.txt", false));
    if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
    const Bearbeitung b = editor_.Importieren(Pfad(wahl.pfad));
    // The message first, then the code through the menu's error popup.
    Ausgefuehrt({b.geaendert, b.meldung, b.titel, 0});
    return b.fehlercode;
}

int KennlinienPanel::DateiExportieren() {
    const DateiErgebnis wahl = dialoge().Datei(Auswahl("Kennlinie exportieren", "*.txt", true));
    if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
    return KennlinieExportieren(Pfad(wahl.pfad), editor_.kurve.punkte);
}

int KennlinienPanel::TabelleExportieren() {
    const DateiErgebnis wahl = dialoge().Datei(Auswahl(kTitelCsvExport, kDateimusterCsv, true));
    if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
    return KennlinieCsvExportieren(Pfad(wahl.pfad), editor_.kurve.punkte, konfig_.daten());
}

void KennlinienPanel::KommentarZeigen() {
    // One line of text: the preview ends at the first line break.
    const QString vorschau = QString::fromStdString(KommentarVorschau(editor_.kurve.kommentar));
    vorschau_->setText(vorschau.section('\n', 0, 0));
    vorschau_->setCursorPosition(0);
}

void KennlinienPanel::KommentarBearbeiten() {
    if (gHilfeAktiv) return;
    if (!kommentarFenster_) {
        kommentarFenster_ = new KommentarFenster(this);
        connect(kommentarFenster_, &QDialog::finished, this,
                [this](int r) { KommentarFertig(r == QDialog::Accepted); });
    }
    kommentarFenster_->TextSetzen(QString::fromStdString(editor_.kurve.kommentar));
    kommentarFenster_->open();
}

void KennlinienPanel::KommentarFertig(bool ok) {
    // Closing the editor without OK keeps the comment as it was.
    if (!ok) return;
    const std::string neu = kommentarFenster_->text().toStdString();
    if (neu != editor_.kurve.kommentar) {
        editor_.kurve.kommentar = neu;
        GeaendertSetzen(true);
    }
    KommentarZeigen();
}
