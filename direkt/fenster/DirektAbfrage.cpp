// "Direkte Ein-/Ausgabe": polling the inputs, the chart and the log.
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
} // namespace

void DirektPanel::ChartSchritt() { stripchart_->PunktAnhaengen(z_.eingangProzent); }

void DirektPanel::Eingang4Freigeben(bool frei) {
    if (!frei) plot_[3]->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{plot_[3], min_[3], max_[3], eingang_[3]}) w->setEnabled(frei);
}

int DirektPanel::ProtokollOeffnen() {
    if (!dateiSpeichern_->isChecked()) {
        protokoll_.Schliessen();
        dateiSpeichernLed_->setAn(false);
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
    dateiSpeichernLed_->setAn(false);
    if (e.art == DateiErgebnis::Art::Abgebrochen) return 0;
    if (const int r = protokoll_.Oeffnen(QFile::encodeName(e.pfad).toStdString(), konfig_.daten()); r != 0) return r;
    dateiSpeichernLed_->setAn(true);
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
            z_.eingang4Verfuegbar = e.second;
            Eingang4Freigeben(e.second);
            dienst_.FehlerSetzen(0);
            ++abfrageNr_;
            abfrageLaeuft_ = false;
            timer_->start();
            abfragen_->setChecked(true);
            dateiSpeichern_->setEnabled(false);
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, abfragen_));
}

void DirektPanel::AbfrageAbschliessen() {
    // A log ends with its closing line however polling ends.
    int r = 0;
    if (timer_->isActive() && protokoll_.offen()) r = protokoll_.Text("Datenerfassung beendet\n");
    AbfrageBeenden();
    if (r != 0) QAV_Fehlerpopup(r);
}

void DirektPanel::AbfrageBeenden() {
    protokoll_.Schliessen();
    dateiSpeichernLed_->setAn(false);
    timer_->stop();
    ++abfrageNr_;
    abfrageLaeuft_ = false;
    abfragen_->setChecked(false);
    dateiSpeichern_->setEnabled(true);
}

void DirektPanel::Abfragen_Callback() {
    if (gHilfeAktiv) {
        abfragen_->setChecked(timer_->isActive());
        return;
    }
    // The box's outputs must match the knobs before anything is logged.
    AusgaengeVorAbfrage(abfragen_->isChecked());
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
        AusgangAuf(kanal, Begrenzt(ausgang_[kanal]->wert(), begrenzung_[kanal]->wert()));
        if (!AusgangBeschreibbar(k, kanal)) continue;
        z_.ausgangProzent[kanal] = AusgangProzentAusPhys(k, kanal, ausgang_[kanal]->wert());
        ziele[kanal] = z_.ausgangProzent[kanal];
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
    v->Begleiten(std::make_shared<Beschaeftigt>(this, abfragen_));
}

void DirektPanel::DirektTimer_Callback() {
    if (abfrageLaeuft_) return;
    abfrageLaeuft_ = true;
    const bool eingang4 = z_.eingang4Verfuegbar;
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
        if (kanal == 3 && !z_.eingang4Verfuegbar) {
            // Input 4 belongs to the box and is not asked: the chart takes the
            // round with the last value, then the value lies at zero.
            ChartSchritt();
            z_.eingangProzent[3] = 0.0;
            continue;
        }
        const Messung m = EingangVerarbeiten(z_, k, kanal, werte[kanal]);
        const bool gueltig = EingangUmrechenbar(k, kanal);
        eingang_[kanal]->setWert(gueltig ? m.phys : kKeinWert);
        if (kanal == 3) ChartSchritt();
        if (gueltig && m.neuesMaximum) max_[kanal]->setWert(m.phys);
        if (gueltig && m.neuesMinimum) min_[kanal]->setWert(m.phys);
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
