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

namespace hilfe {
const char* const AUSGANGSBEREICH = "Die DLM-7 Box ist mit 0-10V, 0-5V oder 0-4V Ausgängen\nerhältlich "
                                    "(unterschiedliche Hardware). Welche Box benutzt\nwird, muss hier "
                                    "eingestellt werden.";
const char* const EINGANGSBEREICH = "Die DLM-7 Box ist mit 0-10V, 0-5V oder 0-4V Eingängen\nerhältlich "
                                    "(unterschiedliche Hardware). Welche Box benutzt\nwird, muss hier "
                                    "eingestellt werden.";
const char* const AUSGANG =
    "Die Spannungen der Ausgänge der DLM-7 können innerhalb von \nDLM7-Steuerung in andere physikalische "
    "Größen umgerechnet \nwerden. Das ist nützlich, wenn mit der DLM-7 ein anderes Gerät \ngesteuert "
    "wird.\nBeispiel:\nWenn an Ausgang 1 ein 0-60 Volt Netzgerät angeschlossen ist, das \neine "
    "Steuerspannung "
    "von 0-5 Volt erwartet, so muß für Ausgang 1 \nfolgendes eingestellt werden:\n'Ausgang 1 von 0.0 bis 5.0 "
    "V "
    "wird umgerechnet in 0.000 bis 60.000 V'";
const char* const EINHEITOUT = "Die Bezeichnung der Einheit für die Ausgangsgröße.";
const char* const EINGANG =
    "Die Spannungen der Eingänge der DLM-7 können innerhalb von \nDLM7-Steuerung in andere physikalische "
    "Größen umgerechnet \nwerden. Das ist nützlich, wenn mit der DLM-7 z.B. ein Sensor \nabgefragt "
    "wird.\nBeispiel:\nWenn an Eingang 1 ein 0-1000 mBar Drucksensor angeschlossen ist, \nder eine "
    "Ausgangsspannung von 1-6 Volt liefert, so muß für Eingang 1 \nfolgendes eingestellt werden:\n'Eingang 1 "
    "von 1.0 bis 6.0 V wird umgerechnet in 0.000 bis 1000.000 mBar'";
const char* const EINHEITIN = "Die Bezeichnung der Einheit für die Eingangsgröße.";
const char* const STANDARDWERTE = "Setzt alle Eingabefelder auf die Standardwerte\n( 0 bis 10V ) zurück.";
} // namespace hilfe

constexpr const char* kDateimuster = "*.dlo";
// Decimals a field shows at least: volts as "5.0", physical values as "60.000".
constexpr int kVoltStellen = 1;
constexpr int kSkalaStellen = 3;
// The three hardware variants; a record may bring another value, shown as a fourth item.
constexpr double kBereiche[] = {4.095, 5.0, 10.0};
constexpr const char* kBereichTexte[] = {"0 - 4.095 V", "0 - 5 V", "0 - 10 V"};
constexpr int kStandardBereiche = 3;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

void BereichSetzen(QComboBox* ring, double volt) {
    while (ring->count() > kStandardBereiche) ring->removeItem(kStandardBereiche);
    int i = -1;
    for (int n = 0; n < kStandardBereiche; ++n)
        if (kBereiche[n] == volt) i = n;
    if (i < 0) {
        ring->addItem(QString("0 - %1 V").arg(KonfigZahlFeld::Text(volt, 0)), volt);
        i = kStandardBereiche;
    }
    ring->setCurrentIndex(i);
}

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

// The same width for a label in both halves, so their columns line up.
int GemeinsameBreite(const QLabel* l, const QString& a, const QString& b) {
    return std::max(l->fontMetrics().horizontalAdvance(a), l->fontMetrics().horizontalAdvance(b)) + 4;
}

std::string Dateipfad(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

} // namespace

void KonfigPanel::KonfigAusPanelLesen() { konfig_.Setzen(AusPanel()); }

KonfigPanel::KonfigPanel(KonfigModell& konfig, QWidget* eltern)
    : Werkzeugfenster("Konfiguration", eltern), konfig_(konfig) {
    setObjectName("KONFIGPNL");
    // Shown over the main window's own controls, which must not shine through.
    setAutoFillBackground(true);
    ladenAktion = dateiMenue()->addAction("Konfigurationsdatei laden");
    speichernAktion = dateiMenue()->addAction("Konfigurationsdatei speichern");
    DateiMenueAbschliessen(true);

    auto* zentral = new QWidget(this);
    auto* spalte = new QVBoxLayout(zentral);
    spalte->setSpacing(12);
    spalte->addWidget(SeiteAnlegen(Seite::Ausgang, zentral));
    spalte->addWidget(SeiteAnlegen(Seite::Eingang, zentral));
    spalte->addStretch();

    auto* unten = new QHBoxLayout;
    STANDARDWERTE = new QPushButton(Q("auf Standardwerte zurücksetzen"), zentral);
    STANDARDWERTE->setObjectName("STANDARDWERTE");
    HilfetextSetzen(STANDARDWERTE, Q(hilfe::STANDARDWERTE));
    PICTURERING = VerbindungsBildAnlegen();
    HAUPTFENSTER = new QPushButton(Q("Zurück zum &Hauptfenster"), zentral);
    HAUPTFENSTER->setObjectName("HAUPTFENSTER");
    DIREKTHILFE = DirekthilfeKnopf();
    unten->addWidget(STANDARDWERTE);
    unten->addStretch();
    unten->addWidget(PICTURERING);
    unten->addSpacing(12);
    unten->addWidget(HAUPTFENSTER);
    unten->addWidget(DIREKTHILFE);
    spalte->addLayout(unten);
    InhaltSetzen(zentral);

    connect(STANDARDWERTE, &QPushButton::clicked, this, [this] { Standardwerte_Callback(); });
    connect(HAUPTFENSTER, &QPushButton::clicked, this, [this] { Hauptfenster_Callback(); });
    connect(ladenAktion, &QAction::triggered, this, [this] { DateiAktion([this] { return KonfigurationLaden(); }); });
    connect(speichernAktion, &QAction::triggered, this,
            [this] { DateiAktion([this] { return KonfigurationSpeichern(); }); });
    // A record brought by a file or the standard values shows at once.
    connect(&konfig_, &KonfigModell::ersetzt, this, [this] { InPanel(konfig_.daten()); });
    InPanel(konfig_.daten());
}

QWidget* KonfigPanel::SeiteAnlegen(Seite seite, QWidget* eltern) {
    const bool aus = seite == Seite::Ausgang;
    auto* gruppe = new QGroupBox(Q(aus ? "Ausgänge" : "Eingänge"), eltern);
    auto* raster = new QGridLayout(gruppe);
    raster->setHorizontalSpacing(8);
    raster->setVerticalSpacing(10);

    auto* ring = new QComboBox(gruppe);
    ring->setObjectName(aus ? "AUSGANGSBEREICH" : "EINGANGSBEREICH");
    for (int n = 0; n < kStandardBereiche; ++n) ring->addItem(kBereichTexte[n], kBereiche[n]);
    HilfetextSetzen(ring, Q(aus ? hilfe::AUSGANGSBEREICH : hilfe::EINGANGSBEREICH));
    (aus ? AUSGANGSBEREICH : EINGANGSBEREICH) = ring;
    auto* ringText =
        new QLabel(Q(aus ? "Spannungsbereich der DLM-7 Ausgänge:" : "Spannungsbereich der DLM-7 Eingänge:"), gruppe);
    ringText->setMinimumWidth(GemeinsameBreite(ringText, Q("Spannungsbereich der DLM-7 Ausgänge:"),
                                               Q("Spannungsbereich der DLM-7 Eingänge:")));
    auto* ringZeile = new QHBoxLayout;
    ringZeile->addWidget(ringText);
    ringZeile->addWidget(ring);
    ringZeile->addStretch();
    raster->addLayout(ringZeile, 0, 0, 1, 8);
    raster->addWidget(new QLabel("(Einheit)", gruppe), 0, 8, Qt::AlignBottom);

    const Seitenfelder f = Felder(seite);
    const QString kurz = aus ? "OUT" : "IN";
    const QString feldHilfe = Q(aus ? hilfe::AUSGANG : hilfe::EINGANG);
    for (int i = 0; i < kKanaele; ++i) {
        const QString nr = QString::number(i + 1);
        auto zahl = [&](Kanalfelder* feld, const QString& name, int stellen) {
            auto* z = new KonfigZahlFeld(stellen, gruppe);
            z->setObjectName(name + nr);
            z->setMinimumWidth(90);
            HilfetextSetzen(z, feldHilfe);
            (*feld)[i] = z;
            return z;
        };
        const int zeile = i + 1;
        auto* name = new QLabel(QString("DLM-7 %1 %2 von").arg(aus ? "Ausgang" : "Eingang", nr), gruppe);
        name->setMinimumWidth(GemeinsameBreite(name, "DLM-7 Ausgang 4 von", "DLM-7 Eingang 4 von"));
        raster->addWidget(name, zeile, 0);
        raster->addWidget(zahl(f.min, "SPANNUNG_" + kurz + "MIN", kVoltStellen), zeile, 1);
        raster->addWidget(new QLabel("bis", gruppe), zeile, 2);
        raster->addWidget(zahl(f.max, "SPANNUNG_" + kurz + "MAX", kVoltStellen), zeile, 3);
        raster->addWidget(new QLabel("V wird umgerechnet in", gruppe), zeile, 4);
        raster->addWidget(zahl(f.skalamin, "SKALA" + kurz + "MIN", kSkalaStellen), zeile, 5);
        raster->addWidget(new QLabel("bis", gruppe), zeile, 6);
        raster->addWidget(zahl(f.skalamax, "SKALA" + kurz + "MAX", kSkalaStellen), zeile, 7);
        auto* e = new KonfigEinheitFeld(gruppe);
        e->setObjectName("EINHEIT" + kurz + nr);
        e->setMinimumWidth(80);
        HilfetextSetzen(e, Q(aus ? hilfe::EINHEITOUT : hilfe::EINHEITIN));
        (*f.einheit)[i] = e;
        raster->addWidget(e, zeile, 8);
    }
    for (int c : {1, 3, 5, 7}) raster->setColumnStretch(c, 2);
    raster->setColumnStretch(8, 1);
    return gruppe;
}

KonfigPanel::Seitenfelder KonfigPanel::Felder(Seite seite) {
    if (seite == Seite::Ausgang)
        return {AUSGANGSBEREICH, &SPANNUNG_OUTMIN, &SPANNUNG_OUTMAX, &SKALAOUTMIN, &SKALAOUTMAX, &EINHEITOUT};
    return {EINGANGSBEREICH, &SPANNUNG_INMIN, &SPANNUNG_INMAX, &SKALAINMIN, &SKALAINMAX, &EINHEITIN};
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
    for (auto* felder : {&EINHEITOUT, &EINHEITIN})
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
