// Behaviour of "Direkte Ein-/Ausgabe": outputs, polling, chart and log.
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
    const int punkte = STRIPCHART->plotBreite() / 2;
    STRIPCHART->setPunkteProBreite(punkte);
    { ZOOMX->setWert(punkte); }
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
        EINGANG[kanal]->setBereich(s.unten, s.oben);
        EINGANG[kanal]->setNachkommastellen(stellen);
        EINGANG[kanal]->setEinheit(QString::fromStdString(EinheitText(k, Seite::Eingang, kanal)));
        EINGANG[kanal]->setWert(gueltig ? PhysAusProzent(k, Seite::Eingang, kanal, z_.sgEingangProzent[kanal])
                                        : kKeinWert);
        // The extremes seen so far, in the new unit.
        AnzeigefeldSkalieren(MIN[kanal], stellen, PhysAusVolt(k, Seite::Eingang, kanal, z_.sgEingangMinVolt[kanal]));
        AnzeigefeldSkalieren(MAX[kanal], stellen, PhysAusVolt(k, Seite::Eingang, kanal, z_.sgEingangMaxVolt[kanal]));
    }
    for (int kanal = 0; kanal < kKanaele; ++kanal) {
        const PhysSpanne s = Spanne(k, Seite::Ausgang, kanal);
        const int stellen = AnzeigeStellen(k, Seite::Ausgang, kanal);
        AUSGANG[kanal]->setGrenzen(s.unten, s.oben);
        AUSGANG[kanal]->setNachkommastellen(stellen);
        AUSGANG[kanal]->setWert(PhysAusProzent(k, Seite::Ausgang, kanal, z_.sgAusgangProzent[kanal]));
        AUSGANG[kanal]->setEinheit(QString::fromStdString(EinheitText(k, Seite::Ausgang, kanal)));
        // A channel without a usable scaling cannot be set.
        AUSGANG[kanal]->setEnabled(AusgangBeschreibbar(k, kanal));
        BEGRENZUNG[kanal]->setStellen(stellen); // display only: the limit keeps its exact value
    }
}

// ---- Outputs ----

void DirektPanel::AusgangAuf(int kanal, double phys) {
    const QSignalBlocker sperre(AUSGANG[kanal]);
    AUSGANG[kanal]->setWert(phys);
}

void DirektPanel::AusgangZuruecknehmen(int kanal) {
    // The knob shows what the box really holds, not what failed to reach it.
    z_.sgAusgangProzent[kanal] = angenommenProzent_[kanal];
    AusgangAuf(kanal, PhysAusProzent(konfig_.daten(), Seite::Ausgang, kanal, angenommenProzent_[kanal]));
}

void DirektPanel::AusgangSetzen(int kanal) {
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(DirektFehler::AusgangOhnePort);
        AusgangZuruecknehmen(kanal);
        return;
    }
    AusgangAuf(kanal, Begrenzt(AUSGANG[kanal]->wert(), BEGRENZUNG[kanal]->wert()));
    if (!AusgangBeschreibbar(konfig_.daten(), kanal)) return;
    z_.sgAusgangProzent[kanal] = AusgangProzentAusPhys(konfig_.daten(), kanal, AUSGANG[kanal]->wert());
    AusgangSenden(kanal);
}

void DirektPanel::AusgangSenden(int kanal) {
    // A knob turned faster than the line carries its values: the newest waits.
    if (ausgangUnterwegs_[kanal]) {
        ausgangWartend_[kanal] = z_.sgAusgangProzent[kanal];
        return;
    }
    ausgangUnterwegs_[kanal] = true;
    const double prozent = z_.sgAusgangProzent[kanal];
    dienst_.Ausfuehren(
        this,
        [kanal, prozent](Auftrag& a) {
            if (a.port == -1) return int(DirektFehler::AusgangOhnePort);
            return AusgangProzentSenden(a.port, a.adresse, kanal, prozent);
        },
        [this, kanal, prozent](int r) {
            ausgangUnterwegs_[kanal] = false;
            if (r != 0) {
                ausgangWartend_[kanal].reset();
                dienst_.FehlerSetzen(r);
                AusgangZuruecknehmen(kanal);
                return;
            }
            angenommenProzent_[kanal] = prozent;
            if (ausgangWartend_[kanal]) {
                ausgangWartend_[kanal].reset();
                AusgangSenden(kanal);
            }
        });
}

void DirektPanel::Ausgang_Callback(int kanal) {
    if (gHilfeAktiv) {
        // The knob must not show a value the box does not have.
        AusgangAuf(kanal, PhysAusProzent(konfig_.daten(), Seite::Ausgang, kanal, z_.sgAusgangProzent[kanal]));
        return;
    }
    dienst_.FehlerSetzen(0);
    AusgangSetzen(kanal);
}

void DirektPanel::AusgaengeAufNull_Callback() {
    if (gHilfeAktiv) return;
    dienst_.FehlerSetzen(0);
    const KonfigDaten& k = konfig_.daten();
    std::array<std::optional<double>, kKanaele> ziele;
    for (int kanal = 0; kanal < kKanaele; ++kanal) {
        if (dienst_.offenerPort() == -1) {
            dienst_.FehlerSetzen(DirektFehler::AusgangOhnePort);
            continue;
        }
        if (!AusgangBeschreibbar(k, kanal)) continue;
        AusgangAuf(kanal, NullZiel(k, kanal));
        z_.sgAusgangProzent[kanal] = AusgangProzentAusPhys(k, kanal, AUSGANG[kanal]->wert());
        ziele[kanal] = z_.sgAusgangProzent[kanal];
    }
    if (std::none_of(ziele.begin(), ziele.end(), [](const auto& z) { return z.has_value(); })) return;
    auto v = dienst_.Ausfuehren(
        this,
        [ziele](Auftrag& a) {
            std::array<int, kKanaele> codes{};
            for (int kanal = 0; kanal < kKanaele; ++kanal) {
                if (!ziele[kanal]) continue;
                codes[kanal] = a.port == -1 ? int(DirektFehler::AusgangOhnePort)
                                            : AusgangProzentSenden(a.port, a.adresse, kanal, *ziele[kanal]);
            }
            return codes;
        },
        [this, ziele](std::array<int, kKanaele> codes) {
            for (int kanal = 0; kanal < kKanaele; ++kanal) {
                if (!ziele[kanal]) continue;
                if (codes[kanal] == 0) {
                    angenommenProzent_[kanal] = *ziele[kanal];
                    continue;
                }
                dienst_.FehlerSetzen(codes[kanal]);
                AusgangZuruecknehmen(kanal);
            }
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, AUSGAENGEAUFNULL));
}

// ---- Inputs and polling ----

void DirektPanel::ChartSchritt() { STRIPCHART->PunktAnhaengen(z_.sgEingangProzent); }

void DirektPanel::Eingang4Freigeben(bool frei) {
    if (!frei) PLOT[3]->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{PLOT[3], MIN[3], MAX[3], EINGANG[3]}) w->setEnabled(frei);
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
    auswahl.ueberschreibenFragen = false; // the log is appended to an existing file
    const DateiErgebnis e = dialoge().Datei(auswahl);
    if (e.art == DateiErgebnis::Art::Fehler) return DirektFehler::Dateiauswahl;
    protokoll_.Schliessen();
    DATEISPEICHERNLED->setAn(false);
    if (e.art == DateiErgebnis::Art::Abgebrochen) return 0;
    if (const int r = protokoll_.Oeffnen(QFile::encodeName(e.pfad).toStdString(), konfig_.daten()); r != 0) return r;
    DATEISPEICHERNLED->setAn(true);
    return 0;
}

void DirektPanel::AbfrageStarten() {
    if (const int r = ProtokollOeffnen(); r != 0) QAV_Fehlerpopup(r);
    auto v = dienst_.Ausfuehren(
        this,
        [](Auftrag& a) {
            std::pair<int, bool> e{DirektFehler::ModusOhnePort, false};
            if (a.port != -1) e.first = Eingang4Frei(a.port, a.adresse, e.second);
            return e;
        },
        [this, nr = abfrageNr_](std::pair<int, bool> e) {
            if (nr != abfrageNr_) return; // the window was left meanwhile
            if (e.first != 0) {
                dienst_.FehlerSetzen(e.first);
                AbfrageBeenden();
                return;
            }
            z_.sgEingang4Verfuegbar = e.second;
            Eingang4Freigeben(e.second);
            dienst_.FehlerSetzen(0);
            ++abfrageNr_;
            abfrageLaeuft_ = false;
            TIMER->start();
            ABFRAGEN->setChecked(true);
            DATEISPEICHERN->setEnabled(false);
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, ABFRAGEN));
}

void DirektPanel::AbfrageAbschliessen() {
    // A log ends with its closing line however polling ends.
    int r = 0;
    if (TIMER->isActive() && protokoll_.offen()) r = protokoll_.Text("Datenerfassung beendet\n");
    AbfrageBeenden();
    if (r != 0) QAV_Fehlerpopup(r);
}

void DirektPanel::AbfrageBeenden() {
    protokoll_.Schliessen();
    DATEISPEICHERNLED->setAn(false);
    TIMER->stop();
    ++abfrageNr_;
    abfrageLaeuft_ = false;
    ABFRAGEN->setChecked(false);
    DATEISPEICHERN->setEnabled(true);
}

void DirektPanel::Abfragen_Callback() {
    if (gHilfeAktiv) {
        ABFRAGEN->setChecked(TIMER->isActive());
        return;
    }
    // The box's outputs must match the knobs before anything is logged.
    AusgaengeVorAbfrage(ABFRAGEN->isChecked());
}

void DirektPanel::AusgaengeVorAbfrage(bool an) {
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(DirektFehler::AusgangOhnePort);
        AbfrageBeenden();
        return;
    }
    const KonfigDaten& k = konfig_.daten();
    std::array<std::optional<double>, kKanaele> ziele;
    for (int kanal = 0; kanal < kKanaele; ++kanal) {
        AusgangAuf(kanal, Begrenzt(AUSGANG[kanal]->wert(), BEGRENZUNG[kanal]->wert()));
        if (!AusgangBeschreibbar(k, kanal)) continue;
        z_.sgAusgangProzent[kanal] = AusgangProzentAusPhys(k, kanal, AUSGANG[kanal]->wert());
        ziele[kanal] = z_.sgAusgangProzent[kanal];
    }
    auto v = dienst_.Ausfuehren(
        this,
        [ziele](Auftrag& a) {
            // Code and channel of the first write that failed; later ones are not sent.
            for (int kanal = 0; kanal < kKanaele; ++kanal) {
                if (!ziele[kanal]) continue;
                if (a.port == -1) return std::pair{int(DirektFehler::AusgangOhnePort), kanal};
                if (const int r = AusgangProzentSenden(a.port, a.adresse, kanal, *ziele[kanal]); r != 0)
                    return std::pair{r, kanal};
            }
            return std::pair{0, kKanaele};
        },
        [this, an, ziele, nr = abfrageNr_](std::pair<int, int> e) {
            const auto [r, fehlkanal] = e;
            for (int kanal = 0; kanal < kKanaele; ++kanal) {
                if (!ziele[kanal]) continue;
                if (kanal < fehlkanal)
                    angenommenProzent_[kanal] = *ziele[kanal];
                else
                    AusgangZuruecknehmen(kanal);
            }
            if (nr != abfrageNr_) return; // the window was left meanwhile
            if (r != 0) {
                dienst_.FehlerSetzen(r);
                AbfrageBeenden();
                return;
            }
            if (an) {
                AbfrageStarten();
                return;
            }
            const int t = protokoll_.Text("Datenerfassung beendet\n");
            AbfrageBeenden();
            if (t != 0) QAV_Fehlerpopup(t);
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, ABFRAGEN));
}

void DirektPanel::DirektTimer_Callback() {
    if (abfrageLaeuft_) return;
    abfrageLaeuft_ = true;
    const bool eingang4 = z_.sgEingang4Verfuegbar;
    struct Lesung {
        Kanalwerte werte{};
        int gelesen = 0; // channels read before a failure
        int code = 0;
    };
    dienst_.Ausfuehren(
        this,
        [eingang4](Auftrag& a) {
            Lesung l;
            for (int kanal = 0; kanal < kKanaele; ++kanal, ++l.gelesen) {
                if (a.port == -1) {
                    l.code = DirektFehler::EingangOhnePort;
                    break;
                }
                if (kanal == 3 && !eingang4) continue;
                if (const int r = EingangGeraetewertLesen(a.port, a.adresse, kanal, l.werte[kanal]); r != 0) {
                    l.code = r;
                    break;
                }
            }
            return l;
        },
        [this, nr = abfrageNr_](Lesung l) {
            if (nr != abfrageNr_) return; // polling ended meanwhile
            abfrageLaeuft_ = false;
            EingaengeVerarbeiten(l.werte, l.gelesen, l.code);
        });
}

void DirektPanel::EingaengeVerarbeiten(const Kanalwerte& werte, int gelesen, int code) {
    const KonfigDaten& k = konfig_.daten();
    for (int kanal = 0; kanal < gelesen; ++kanal) {
        if (kanal == 3 && !z_.sgEingang4Verfuegbar) {
            // Input 4 belongs to the box and is not asked: the chart takes the
            // round with the last value, then the value lies at zero.
            ChartSchritt();
            z_.sgEingangProzent[3] = 0.0;
            continue;
        }
        const Messung m = EingangVerarbeiten(z_, k, kanal, werte[kanal]);
        const bool gueltig = EingangUmrechenbar(k, kanal);
        EINGANG[kanal]->setWert(gueltig ? m.phys : kKeinWert);
        if (kanal == 3) ChartSchritt();
        if (gueltig && m.neuesMaximum) MAX[kanal]->setWert(m.phys);
        if (gueltig && m.neuesMinimum) MIN[kanal]->setWert(m.phys);
    }
    if (code != 0) {
        dienst_.FehlerSetzen(code);
        const std::string zeilen =
            std::string("Fehler - Datenübertragung abgebrochen\n") + QAV_Fehlermeldung(code) + "\n";
        const int r = protokoll_.Text(zeilen);
        AbfrageBeenden();
        // The device failure is on the indicator; a log that cannot take
        // the news is worth a popup of its own.
        if (r != 0) QAV_Fehlerpopup(r);
        return;
    }
    if (const int r = protokoll_.ZeileSchreiben(k, z_); r != 0) {
        AbfrageBeenden();
        QAV_Fehlerpopup(r);
    }
}

void DirektPanel::Abtastzeit_Callback(double getippt) {
    if (gHilfeAktiv) return;
    // The field shows the interval in force, also where the minimum raised it.
    const double sekunden = AbtastIntervall(getippt);
    ABTASTZEIT->setWert(sekunden);
    TIMER->setInterval(static_cast<int>(std::lround(sekunden * 1000.0)));
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
    // The fields show the zoom in force, not what was typed beyond its limits.
    const int x = ZoomXWert(static_cast<int>(std::clamp(ZOOMX->wert(), -1e9, 1e9)));
    const int y = ZoomYWert(static_cast<int>(std::clamp(ZOOMY->wert(), -1e9, 1e9)));
    STRIPCHART->setPunkteProBreite(x);
    ZOOMX->setWert(STRIPCHART->punkteProBreite());
    STRIPCHART->setYBereich(0.0, y);
    ZOOMY->setWert(y);
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
    for (int k = 0; k < kKanaele; ++k) ini.IntSetzen("direkt", Schluessel("kurve", k), PLOT[k]->isChecked() ? 1 : 0);
    for (int k = 0; k < kKanaele; ++k) ini.DoubleSetzen("direkt", Schluessel("grenze", k), BEGRENZUNG[k]->wert());
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
            BEGRENZUNG[k]->setWert(grenze);
    }
}
