// Behaviour of "Direkte Ein-/Ausgabe": outputs, polling, chart and log.
#include "direkt/DirektPanel.h"

#include "kern/Fehlermeldungen.h"
#include "app/Fehlerpopup.h"
#include "kern/IniDatei.h"
#include "config/KonfigUmrechnung.h"
#include "device/ComPanel.h"
#include "direkt/DirektFehler.h"
#include "direkt/DirektGeraet.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Drehknopf.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Lampe.h"
#include "uisupport/Streifenschreiber.h"
#include "uisupport/Zeigerinstrument.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kKeinWert = std::numeric_limits<double>::quiet_NaN();

const char* const kPinbelegung =
    "Pinbelegung für den Direktbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin 3:    Ausgang 1\nPin "
    "4:    "
    "GND\nPin 5:    Ausgang 2\nPin 6:    GND\nPin 7:    Ausgang 3\nPin 8:    GND\nPin 9:    Ausgang 4\nPin "
    "10:  "
    "Eingang 1\nPin 11:  GND\nPin 12:  Eingang 2\nPin 13:  GND\nPin 14:  Eingang 3\nPin 15:  GND\nPin 16:  "
    "Eingang 4";

std::string Schluessel(const char* name, int kanal) {
    return name + std::to_string(kanal + 1);
}

void AnzeigefeldSkalieren(QDoubleSpinBox* f, PhysSpanne s, int stellen, double wert) {
    f->setDecimals(stellen);
    f->setRange(std::min(s.unten, s.oben), std::max(s.unten, s.oben));
    f->setValue(wert);
}

} // namespace

int DirektPanel::DirektpanelInit() {
    z_.sgEingangProzent.fill(0.0);
    z_.sgAusgangProzent.fill(0.0);
    // Points per chart width: half the plot area's pixels, measured at the
    // size the window will have inside the main window.
    // The window is still hidden, and hidden widgets lay out their children
    // only when shown; so the layouts are applied by hand, outer ones first.
    if (parentWidget()) resize(parentWidget()->size());
    if (layout()) layout()->activate();
    for (QWidget* w : findChildren<QWidget*>())
        if (w->layout()) w->layout()->setGeometry(w->rect());
    const int punkte = std::max(10, STRIPCHART->plotBreite() / 2);
    STRIPCHART->setPunkteProBreite(punkte);
    {
        const QSignalBlocker sperre(ZOOMX);
        ZOOMX->setValue(punkte);
    }
    Direktpanel_SkaliereElemente();
    return 0;
}

int DirektPanel::DirektpanelClear() {
    TIMER->stop();
    protokoll_.Schliessen();
    return 0;
}

int DirektPanel::AbbruchWeilDirektpanelNichtGespeichert() {
    return 0;
}

void DirektPanel::Direktpanel_SkaliereElemente() {
    for (int k = 0; k < kKanaele; ++k) {
        const PhysSpanne s = Spanne(gKonfig, Seite::Eingang, k);
        const int stellen = AnzeigeStellen(gKonfig, Seite::Eingang, k);
        const bool gueltig = EingangUmrechenbar(gKonfig, k);
        EINGANG[k]->setBereich(s.unten, s.oben);
        EINGANG[k]->setNachkommastellen(stellen);
        EINGANG[k]->setEinheit(QString::fromStdString(EinheitText(gKonfig, Seite::Eingang, k)));
        EINGANG[k]->setWert(gueltig ? PhysAusProzent(gKonfig, Seite::Eingang, k, z_.sgEingangProzent[k])
                                    : kKeinWert);
        // The extremes seen so far, in the new unit.
        AnzeigefeldSkalieren(MIN[k], s, stellen,
                             PhysAusVolt(gKonfig, Seite::Eingang, k, z_.sgEingangMinVolt[k]));
        AnzeigefeldSkalieren(MAX[k], s, stellen,
                             PhysAusVolt(gKonfig, Seite::Eingang, k, z_.sgEingangMaxVolt[k]));
    }
    for (int k = 0; k < kKanaele; ++k) {
        const PhysSpanne s = Spanne(gKonfig, Seite::Ausgang, k);
        const int stellen = AnzeigeStellen(gKonfig, Seite::Ausgang, k);
        AUSGANG[k]->setGrenzen(s.unten, s.oben);
        AUSGANG[k]->setNachkommastellen(stellen);
        AUSGANG[k]->setWert(PhysAusProzent(gKonfig, Seite::Ausgang, k, z_.sgAusgangProzent[k]));
        AUSGANG[k]->setEinheit(QString::fromStdString(EinheitText(gKonfig, Seite::Ausgang, k)));
        // A channel without a usable scaling cannot be set.
        AUSGANG[k]->setEnabled(AusgangBeschreibbar(gKonfig, k));
        BEGRENZUNG[k]->setDecimals(stellen);
    }
}

// ---- Outputs ----

void DirektPanel::AusgangAuf(int kanal, double phys) {
    const QSignalBlocker sperre(AUSGANG[kanal]);
    AUSGANG[kanal]->setWert(phys);
}

int DirektPanel::AusgangSetzen(int kanal) {
    const int port = OffenerComPort();
    if (port == -1) {
        ComFehlerSetzen(DirektFehler::AusgangOhnePort);
        return DirektFehler::AusgangOhnePort;
    }
    AusgangAuf(kanal, Begrenzt(AUSGANG[kanal]->wert(), BEGRENZUNG[kanal]->value()));
    if (!AusgangBeschreibbar(gKonfig, kanal)) return 0;
    z_.sgAusgangProzent[kanal] = AusgangProzentAusPhys(gKonfig, kanal, AUSGANG[kanal]->wert());
    const int r = AusgangProzentSenden(port, GeraeteAdresse(), kanal, z_.sgAusgangProzent[kanal]);
    if (r != 0) ComFehlerSetzen(r);
    return r;
}

int DirektPanel::AusgangAufNull(int kanal) {
    const int port = OffenerComPort();
    if (port == -1) {
        ComFehlerSetzen(DirektFehler::AusgangOhnePort);
        return DirektFehler::AusgangOhnePort;
    }
    if (!AusgangBeschreibbar(gKonfig, kanal)) return 0;
    AusgangAuf(kanal, NullZiel(gKonfig, kanal));
    z_.sgAusgangProzent[kanal] = AusgangProzentAusPhys(gKonfig, kanal, AUSGANG[kanal]->wert());
    const int r = AusgangProzentSenden(port, GeraeteAdresse(), kanal, z_.sgAusgangProzent[kanal]);
    if (r != 0) ComFehlerSetzen(r);
    return r;
}

void DirektPanel::Ausgang_Callback(int kanal) {
    if (gHilfeAktiv) {
        // The knob must not show a value the box does not have.
        AusgangAuf(kanal, PhysAusProzent(gKonfig, Seite::Ausgang, kanal, z_.sgAusgangProzent[kanal]));
        return;
    }
    ComFehlerSetzen(0);
    AusgangSetzen(kanal);
}

void DirektPanel::AusgaengeAufNull_Callback() {
    if (gHilfeAktiv) return;
    ComFehlerSetzen(0);
    for (int k = 0; k < kKanaele; ++k)
        AusgangAufNull(k);
}

// ---- Inputs and polling ----

void DirektPanel::ChartSchritt() {
    STRIPCHART->PunktAnhaengen(z_.sgEingangProzent);
}

int DirektPanel::EingangAbfragen(int kanal) {
    const int port = OffenerComPort();
    if (port == -1) {
        ComFehlerSetzen(DirektFehler::EingangOhnePort);
        return DirektFehler::EingangOhnePort;
    }
    if (kanal == 3 && !z_.sgEingang4Verfuegbar) {
        // Input 4 belongs to the box: its trace lies at zero, it is not asked.
        z_.sgEingangProzent[3] = 0.0;
        ChartSchritt();
        return 0;
    }
    double geraetewert = 0.0;
    if (const int r = EingangGeraetewertLesen(port, GeraeteAdresse(), kanal, geraetewert); r != 0) {
        ComFehlerSetzen(r);
        return r;
    }
    const Messung m = EingangVerarbeiten(z_, gKonfig, kanal, geraetewert);
    const bool gueltig = EingangUmrechenbar(gKonfig, kanal);
    EINGANG[kanal]->setWert(gueltig ? m.phys : kKeinWert);
    if (kanal == 3) ChartSchritt();
    if (gueltig && m.neuesMaximum) MAX[kanal]->setValue(m.phys);
    if (gueltig && m.neuesMinimum) MIN[kanal]->setValue(m.phys);
    return 0;
}

void DirektPanel::Eingang4Freigeben(bool frei) {
    if (!frei) PLOT[3]->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{PLOT[3], MIN[3], MAX[3], EINGANG[3]})
        w->setEnabled(frei);
}

int DirektPanel::ProtokollOeffnen() {
    if (!DATEISPEICHERN->isChecked()) {
        protokoll_.Schliessen();
        DATEISPEICHERNLED->setAn(false);
        return 0;
    }
    DateiAuswahl auswahl;
    auswahl.titel = "Datei zum Speichern/Erweitern";
    auswahl.muster = "*.txt";
    auswahl.speichern = true;
    auswahl.endungErzwingen = true;
    const DateiErgebnis e = dialoge().Datei(auswahl);
    if (e.art == DateiErgebnis::Art::Fehler) return DirektFehler::Dateiauswahl;
    protokoll_.Schliessen();
    DATEISPEICHERNLED->setAn(false);
    if (e.art == DateiErgebnis::Art::Abgebrochen) return 0;
    if (const int r = protokoll_.Oeffnen(QFile::encodeName(e.pfad).toStdString(), gKonfig); r != 0) return r;
    DATEISPEICHERNLED->setAn(true);
    return 0;
}

int DirektPanel::AbfrageStarten() {
    if (const int r = ProtokollOeffnen(); r != 0) QAV_Fehlerpopup(r);
    const int port = OffenerComPort();
    bool frei = false;
    const int r = port == -1 ? DirektFehler::ModusOhnePort : Eingang4Frei(port, GeraeteAdresse(), frei);
    if (r != 0) {
        ComFehlerSetzen(r);
        AbfrageBeenden();
        return r;
    }
    z_.sgEingang4Verfuegbar = frei;
    Eingang4Freigeben(frei);
    ComFehlerSetzen(0);
    TIMER->start();
    ABFRAGEN->setChecked(true);
    DATEISPEICHERN->setEnabled(false);
    return 0;
}

void DirektPanel::AbfrageBeenden() {
    protokoll_.Schliessen();
    DATEISPEICHERNLED->setAn(false);
    TIMER->stop();
    ABFRAGEN->setChecked(false);
    DATEISPEICHERN->setEnabled(true);
}

void DirektPanel::Abfragen_Callback() {
    if (gHilfeAktiv) {
        ABFRAGEN->setChecked(TIMER->isActive());
        return;
    }
    const bool an = ABFRAGEN->isChecked();
    // The box's outputs must match the knobs before anything is logged.
    for (int k = 0; k < kKanaele; ++k) {
        if (AusgangSetzen(k) != 0) {
            AbfrageBeenden();
            return;
        }
    }
    if (an) {
        AbfrageStarten();
        return;
    }
    const int r = protokoll_.Text("Datenerfassung beendet\n");
    AbfrageBeenden();
    if (r != 0) QAV_Fehlerpopup(r);
}

void DirektPanel::DirektTimer_Callback() {
    for (int k = 0; k < kKanaele; ++k) {
        if (const int code = EingangAbfragen(k); code != 0) {
            const std::string zeilen =
                std::string("Fehler - Datenübertragung abgebrochen\n") + QAV_Fehlermeldung(code) + "\n";
            const int r = protokoll_.Text(zeilen);
            AbfrageBeenden();
            // The device failure is on the indicator; a log that cannot take
            // the news is worth a popup of its own.
            if (r != 0) QAV_Fehlerpopup(r);
            return;
        }
    }
    if (const int r = protokoll_.ZeileSchreiben(gKonfig, z_); r != 0) {
        AbfrageBeenden();
        QAV_Fehlerpopup(r);
    }
}

void DirektPanel::Abtastzeit_Callback() {
    if (gHilfeAktiv) return;
    TIMER->setInterval(static_cast<int>(std::lround(AbtastIntervall(ABTASTZEIT->value()) * 1000.0)));
}

void DirektPanel::MinMaxReset_Callback() {
    if (gHilfeAktiv) return;
    z_.sgMinMaxReset = true;
}

// ---- Chart ----

void DirektPanel::Traceauswahl_Callback(int kanal) {
    if (gHilfeAktiv) {
        PLOT[kanal]->setChecked(STRIPCHART->spurSichtbar(kanal));
        return;
    }
    STRIPCHART->SpurZeigen(kanal, PLOT[kanal]->isChecked());
}

void DirektPanel::DirektZoom_Callback() {
    if (gHilfeAktiv) return;
    STRIPCHART->setPunkteProBreite(ZoomXWert(ZOOMX->value()));
    STRIPCHART->setYBereich(0.0, ZoomYWert(ZOOMY->value()));
}

// ---- Menus, leaving, settings ----

void DirektPanel::Menu_Direkt_Hilfe_Pins() {
    if (gHilfeAktiv) return;
    dialoge().Meldung("DLM-7 Pinbelegung", QString::fromUtf8(kPinbelegung));
}

void DirektPanel::FensterWechseln(FensterId ziel) {
    // Polling runs only while this window is shown.
    AbfrageBeenden();
    Werkzeugfenster::FensterWechseln(ziel);
}

void DirektPanel::WriteIniDirektpanel(IniDatei& ini) {
    for (int k = 0; k < kKanaele; ++k)
        ini.IntSetzen("direkt", Schluessel("kurve", k), PLOT[k]->isChecked() ? 1 : 0);
    for (int k = 0; k < kKanaele; ++k)
        ini.DoubleSetzen("direkt", Schluessel("grenze", k), BEGRENZUNG[k]->value());
}

void DirektPanel::ReadIniDirektpanel(const IniDatei& ini) {
    // A missing "kurve" key leaves tick and trace as they are (shown).
    for (int k = 0; k < kKanaele; ++k) {
        long wert = 1;
        if (ini.IntLesen("direkt", Schluessel("kurve", k), wert) != IniDatei::Ergebnis::Vorhanden) continue;
        PLOT[k]->setChecked(wert != 0);
        STRIPCHART->SpurZeigen(k, wert != 0);
    }
    for (int k = 0; k < kKanaele; ++k) {
        double grenze = 0.0;
        if (ini.DoubleLesen("direkt", Schluessel("grenze", k), grenze) == IniDatei::Ergebnis::Vorhanden)
            BEGRENZUNG[k]->setValue(grenze);
    }
}
