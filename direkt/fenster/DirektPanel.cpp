// "Direkte Ein-/Ausgabe": life cycle, settings, scaling, chart view.
#include "direkt/fenster/DirektPanel.h"

#include "config/KonfigModell.h"
#include "config/KonfigUmrechnung.h"
#include "device/Geraetedienst.h"
#include "direkt/DirektFehler.h"
#include "direkt/DirektGeraet.h"
#include "kern/Fehlermeldungen.h"
#include "kern/IniDatei.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Drehknopf.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Lampe.h"
#include "uisupport/Streifenschreiber.h"
#include "uisupport/Zahlfeld.h"
#include "uisupport/Zeigerinstrument.h"

#include <QCheckBox>
#include <QFile>
#include <QLayout>
#include <QPushButton>
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

std::string Schluessel(const char* name, int kanal) { return name + std::to_string(kanal + 1); }

void AnzeigefeldSkalieren(Zahlfeld* f, int stellen, double wert) {
    f->setStellen(stellen);
    f->setWert(wert);
}

} // namespace

int DirektPanel::DirektpanelInit() {
    z_.eingangProzent.fill(0.0);
    z_.ausgangProzent.fill(0.0);
    // Points per chart width: half the plot area's pixels, measured at the
    // size the window will have inside the main window.
    // The window is still hidden, and hidden widgets lay out their children
    // only when shown; so the layouts are applied by hand, outer ones first.
    if (parentWidget()) resize(parentWidget()->size());
    if (layout()) layout()->activate();
    for (QWidget* w : findChildren<QWidget*>())
        if (w->layout()) w->layout()->setGeometry(w->rect());
    const int punkte = stripchart_->plotBreite() / 2;
    stripchart_->setPunkteProBreite(punkte);
    { zoomX_->setWert(punkte); }
    Direktpanel_SkaliereElemente();
    return 0;
}

int DirektPanel::DirektpanelClear() {
    AbfrageAbschliessen();
    return 0;
}

int DirektPanel::AbbruchWeilDirektpanelNichtGespeichert() { return 0; }

void DirektPanel::Direktpanel_SkaliereElemente() {
    const KonfigDaten& k = konfig_.daten();
    for (int kanal = 0; kanal < kKanaele; ++kanal) {
        const PhysSpanne s = Spanne(k, Seite::Eingang, kanal);
        const int stellen = AnzeigeStellen(k, Seite::Eingang, kanal);
        const bool gueltig = EingangUmrechenbar(k, kanal);
        eingang_[kanal]->setBereich(s.unten, s.oben);
        eingang_[kanal]->setNachkommastellen(stellen);
        eingang_[kanal]->setEinheit(QString::fromStdString(EinheitText(k, Seite::Eingang, kanal)));
        eingang_[kanal]->setWert(gueltig ? PhysAusProzent(k, Seite::Eingang, kanal, z_.eingangProzent[kanal])
                                         : kKeinWert);
        // The extremes seen so far, in the new unit.
        AnzeigefeldSkalieren(min_[kanal], stellen, PhysAusVolt(k, Seite::Eingang, kanal, z_.eingangMinVolt[kanal]));
        AnzeigefeldSkalieren(max_[kanal], stellen, PhysAusVolt(k, Seite::Eingang, kanal, z_.eingangMaxVolt[kanal]));
    }
    for (int kanal = 0; kanal < kKanaele; ++kanal) {
        const PhysSpanne s = Spanne(k, Seite::Ausgang, kanal);
        const int stellen = AnzeigeStellen(k, Seite::Ausgang, kanal);
        ausgang_[kanal]->setGrenzen(s.unten, s.oben);
        ausgang_[kanal]->setNachkommastellen(stellen);
        ausgang_[kanal]->setWert(PhysAusProzent(k, Seite::Ausgang, kanal, z_.ausgangProzent[kanal]));
        ausgang_[kanal]->setEinheit(QString::fromStdString(EinheitText(k, Seite::Ausgang, kanal)));
        // A channel without a usable scaling cannot be set.
        ausgang_[kanal]->setEnabled(AusgangBeschreibbar(k, kanal));
        begrenzung_[kanal]->setStellen(stellen); // display only: the limit keeps its exact value
    }
}

void DirektPanel::Abtastzeit_Callback(double getippt) {
    if (gHilfeAktiv) return;
    // The field shows the interval in force, also where the minimum raised it.
    const double sekunden = AbtastIntervall(getippt);
    abtastzeit_->setWert(sekunden);
    timer_->setInterval(static_cast<int>(std::lround(sekunden * 1000.0)));
}

void DirektPanel::MinMaxReset_Callback() {
    if (gHilfeAktiv) return;
    z_.minMaxReset = true;
}

// ---- Chart ----

void DirektPanel::Traceauswahl_Callback(int kanal) {
    if (gHilfeAktiv) {
        plot_[kanal]->setChecked(stripchart_->spurSichtbar(kanal));
        return;
    }
    stripchart_->SpurZeigen(kanal, plot_[kanal]->isChecked());
}

void DirektPanel::DirektZoom_Callback() {
    if (gHilfeAktiv) return;
    // The fields show the zoom in force, not what was typed beyond its limits.
    const int x = ZoomXWert(static_cast<int>(std::clamp(zoomX_->wert(), -1e9, 1e9)));
    const int y = ZoomYWert(static_cast<int>(std::clamp(zoomY_->wert(), -1e9, 1e9)));
    stripchart_->setPunkteProBreite(x);
    zoomX_->setWert(stripchart_->punkteProBreite());
    stripchart_->setYBereich(0.0, y);
    zoomY_->setWert(y);
}

// ---- Menus, leaving, settings ----

void DirektPanel::Menu_Direkt_Hilfe_Pins() {
    if (gHilfeAktiv) return;
    dialoge().Meldung("DLM-7 Pinbelegung", QString::fromUtf8(kPinbelegung));
}

void DirektPanel::FensterWechseln(FensterId ziel) {
    // Polling runs only while this window is shown.
    AbfrageAbschliessen();
    Werkzeugfenster::FensterWechseln(ziel);
}

void DirektPanel::WriteIniDirektpanel(IniDatei& ini) {
    for (int k = 0; k < kKanaele; ++k) ini.IntSetzen("direkt", Schluessel("kurve", k), plot_[k]->isChecked() ? 1 : 0);
    for (int k = 0; k < kKanaele; ++k) ini.DoubleSetzen("direkt", Schluessel("grenze", k), begrenzung_[k]->wert());
}

void DirektPanel::ReadIniDirektpanel(const IniDatei& ini) {
    // A missing "kurve" key leaves tick and trace as they are (shown).
    for (int k = 0; k < kKanaele; ++k) {
        long wert = 1;
        if (ini.IntLesen("direkt", Schluessel("kurve", k), wert) != IniDatei::Ergebnis::Vorhanden) continue;
        plot_[k]->setChecked(wert != 0);
        stripchart_->SpurZeigen(k, wert != 0);
    }
    for (int k = 0; k < kKanaele; ++k) {
        double grenze = 0.0;
        if (ini.DoubleLesen("direkt", Schluessel("grenze", k), grenze) == IniDatei::Ergebnis::Vorhanden)
            begrenzung_[k]->setWert(grenze);
    }
}
