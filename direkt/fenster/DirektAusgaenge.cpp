// "Direkte Ein-/Ausgabe": the outputs, set by knob or field and sent to the box.
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

void DirektPanel::AusgangAuf(int kanal, double phys) {
    const QSignalBlocker sperre(ausgang_[kanal]);
    ausgang_[kanal]->setWert(phys);
}

void DirektPanel::AusgangZuruecknehmen(int kanal) {
    // The knob shows what the box really holds, not what failed to reach it.
    z_.ausgangProzent[kanal] = angenommenProzent_[kanal];
    AusgangAuf(kanal, PhysAusProzent(konfig_.daten(), Seite::Ausgang, kanal, angenommenProzent_[kanal]));
}

void DirektPanel::AusgangSetzen(int kanal) {
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(DirektFehler::AusgangOhnePort);
        AusgangZuruecknehmen(kanal);
        return;
    }
    AusgangAuf(kanal, Begrenzt(ausgang_[kanal]->wert(), begrenzung_[kanal]->wert()));
    if (!AusgangBeschreibbar(konfig_.daten(), kanal)) return;
    z_.ausgangProzent[kanal] = AusgangProzentAusPhys(konfig_.daten(), kanal, ausgang_[kanal]->wert());
    AusgangSenden(kanal);
}

void DirektPanel::AusgangSenden(int kanal) {
    // A knob turned faster than the line carries its values: the newest waits.
    if (ausgangUnterwegs_[kanal]) {
        ausgangWartend_[kanal] = z_.ausgangProzent[kanal];
        return;
    }
    ausgangUnterwegs_[kanal] = true;
    const double prozent = z_.ausgangProzent[kanal];
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
        AusgangAuf(kanal, PhysAusProzent(konfig_.daten(), Seite::Ausgang, kanal, z_.ausgangProzent[kanal]));
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
        z_.ausgangProzent[kanal] = AusgangProzentAusPhys(k, kanal, ausgang_[kanal]->wert());
        ziele[kanal] = z_.ausgangProzent[kanal];
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
    v->Begleiten(std::make_shared<Beschaeftigt>(this, ausgaengeAufNull_));
}
