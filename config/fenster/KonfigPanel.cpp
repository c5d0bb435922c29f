#include "config/fenster/KonfigPanel.h"

#include "config/KonfigDatei.h"
#include "config/KonfigIni.h"
#include "config/KonfigModell.h"
#include "config/KonfigUmrechnung.h"
#include "config/fenster/KonfigEinheitFeld.h"
#include "config/fenster/KonfigZahlFeld.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/VerbindungsBild.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kDateimuster = "*.dlo";

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QString KanalName(Seite seite, int kanal) {
    return QString(seite == Seite::Ausgang ? "Ausgang %1" : "Eingang %1").arg(kanal + 1);
}

// Why the record cannot be taken over, or empty if it can.
QString Einwand(const KonfigDaten& k) {
    for (Seite seite : {Seite::Ausgang, Seite::Eingang}) {
        if (!VollausschlagGueltig(k, seite))
            return Q(seite == Seite::Ausgang ? "Ausgangsbereich: Der Spannungsbereich der DLM-7 ist ungültig."
                                             : "Eingangsbereich: Der Spannungsbereich der DLM-7 ist ungültig.");
        for (int i = 0; i < kKanaele; ++i) {
            if (KanalGueltig(k, seite, i)) continue;
            const KanalSkalierung s = Skalierung(k, seite, i);
            // Equal physical ends on an input read as a constant: harmless.
            // Only an output needs the way back from the unit to volts.
            if (seite == Seite::Eingang && s.skalamin == s.skalamax && std::isfinite(s.skalamin) &&
                std::isfinite(s.min) && std::isfinite(s.max) && s.min != s.max)
                continue;
            QString grund;
            if (!std::isfinite(s.min) || !std::isfinite(s.max) || !std::isfinite(s.skalamin) ||
                !std::isfinite(s.skalamax))
                grund = Q("Die Werte müssen endliche Zahlen sein.");
            else if (s.min == s.max)
                grund = Q("Die Spannungen von und bis dürfen nicht gleich sein.");
            else if (s.skalamin == s.skalamax)
                grund = Q("Die umgerechneten Werte von und bis dürfen nicht gleich sein.");
            else
                grund = Q("Die Umrechnung ist mit diesen Werten nicht darstellbar.");
            return KanalName(seite, i) + ": " + grund;
        }
    }
    return {};
}

std::string Dateipfad(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

} // namespace

void KonfigPanel::KonfigAusPanelLesen() { konfig_.Setzen(AusPanel()); }

KonfigPanel::Seitenfelder KonfigPanel::Felder(Seite seite) {
    if (seite == Seite::Ausgang)
        return {ausgangsbereich_, &spannungOutMin_, &spannungOutMax_, &skalaOutMin_, &skalaOutMax_, &einheitOut_};
    return {eingangsbereich_, &spannungInMin_, &spannungInMax_, &skalaInMin_, &skalaInMax_, &einheitIn_};
}

KonfigDaten KonfigPanel::AusPanel() {
    KonfigDaten k = konfig_.daten();
    for (Seite seite : {Seite::Ausgang, Seite::Eingang}) {
        const Seitenfelder f = Felder(seite);
        VollausschlagSetzen(k, seite, f.bereich->currentData().toDouble());
        for (int i = 0; i < kKanaele; ++i) {
            for (auto* feld : {(*f.min)[i], (*f.max)[i], (*f.skalamin)[i], (*f.skalamax)[i]}) feld->Normalisieren();
            SkalierungSetzen(
                k, seite, i,
                {(*f.min)[i]->wert(), (*f.max)[i]->wert(), (*f.skalamin)[i]->wert(), (*f.skalamax)[i]->wert()});
            // A unit the field shows but the record cannot hold (control bytes from a
            // file) stays as the record has it.
            EinheitTextSetzen(k, seite, i, (*f.einheit)[i]->text().toUtf8().toStdString());
        }
    }
    return k;
}

void KonfigPanel::InPanel(const KonfigDaten& k) {
    for (Seite seite : {Seite::Ausgang, Seite::Eingang}) {
        const Seitenfelder f = Felder(seite);
        BereichSetzen(f.bereich, Vollausschlag(k, seite));
        for (int i = 0; i < kKanaele; ++i) {
            const KanalSkalierung s = Skalierung(k, seite, i);
            (*f.min)[i]->setWert(s.min);
            (*f.max)[i]->setWert(s.max);
            (*f.skalamin)[i]->setWert(s.skalamin);
            (*f.skalamax)[i]->setWert(s.skalamax);
            (*f.einheit)[i]->setText(QString::fromStdString(EinheitText(k, seite, i)));
        }
    }
}

int KonfigPanel::InitialisiereKonfigPanel() {
    for (auto* felder : {&einheitOut_, &einheitIn_})
        for (auto* e : *felder) e->setMaxLength(int(kMaxEinheitZeichen));
    return 0;
}

void KonfigPanel::ReadIniKonfigpanel(const IniDatei& ini) {
    KonfigDaten k = konfig_.daten();
    KonfigAusIniLesen(ini, k);
    konfig_.Setzen(k);
}

void KonfigPanel::WriteIniKonfigpanel(IniDatei& ini) {
    // Fields that cannot be converted stay out of the settings; the
    // configuration in force is kept for the next start.
    const KonfigDaten felder = AusPanel();
    if (Einwand(felder).isEmpty()) konfig_.Setzen(felder);
    KonfigInIniSchreiben(ini, konfig_.daten());
}

bool KonfigPanel::PruefenOderMelden(KonfigDaten& neu) {
    neu = AusPanel();
    const QString einwand = Einwand(neu);
    if (einwand.isEmpty()) return true;
    dialoge().Meldung("Fehler", einwand);
    return false;
}

void KonfigPanel::Hauptfenster_Callback() {
    if (gHilfeAktiv) return;
    KonfigDaten neu;
    if (!PruefenOderMelden(neu)) return;
    konfig_.Uebernehmen(neu);
    Werkzeugfenster::FensterWechseln(FensterId::Haupt);
}

void KonfigPanel::FensterWechseln(FensterId ziel) {
    // Checked before anything is shown, so a refusal leaves this window in front.
    KonfigDaten neu;
    if (!PruefenOderMelden(neu)) return;
    Werkzeugfenster::FensterWechseln(ziel);
    konfig_.Uebernehmen(neu);
}

void KonfigPanel::Standardwerte_Callback() {
    if (gHilfeAktiv) return;
    const int knopf =
        dialoge().Frage(Q("Werte zurücksetzen"),
                        Q("Wollen Sie alle Werte löschen und\nauf Standardwerte zurücksetzen?"), {"Ja", "Nein"}, 1, 2);
    // The record is reset at once; the other windows follow when this one is left.
    if (knopf == 1) konfig_.StandardwerteSetzen();
}

void KonfigPanel::DateiAktion(const std::function<int()>& aktion) {
    if (gHilfeAktiv) return;
    if (const int r = aktion(); r != 0) QAV_Fehlerpopup(r);
}

int KonfigPanel::KonfigurationSpeichern() {
    // A configuration the window would refuse to take over is not written
    // either: the file would bring a channel nobody can use.
    KonfigDaten neu;
    if (!PruefenOderMelden(neu)) return 0;
    const DateiErgebnis wahl = dialoge().Datei({"Konfiguration speichern", kDateimuster, {}, true, true});
    if (wahl.art == DateiErgebnis::Art::Abgebrochen) return 0;
    if (wahl.art == DateiErgebnis::Art::Fehler) return kKonfigSpeichernOeffnenFehler;
    konfig_.Setzen(neu);
    return KonfigDateiSchreiben(Dateipfad(wahl.pfad), konfig_.daten());
}

int KonfigPanel::KonfigurationLaden(const QString& pfad) {
    const DateiErgebnis wahl = pfad.isEmpty() ? dialoge().Datei({"Konfiguration laden", kDateimuster, {}, false, true})
                                              : DateiErgebnis{DateiErgebnis::Art::Gewaehlt, pfad};
    if (wahl.art == DateiErgebnis::Art::Abgebrochen) return 0;
    if (wahl.art == DateiErgebnis::Art::Fehler) return kKonfigLadenOeffnenFehler;
    KonfigDaten k = konfig_.daten();
    if (const int r = KonfigDateiLesen(Dateipfad(wahl.pfad), k); r != 0) return r;
    konfig_.Setzen(k);
    return 0;
}
