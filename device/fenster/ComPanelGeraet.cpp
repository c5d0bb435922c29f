// What "COM-Schnittstellen Einstellung" asks of the box: identity, scan,
// error bits and the role of input 4.
#include "device/fenster/ComPanel.h"

#include "device/Geraetedienst.h"
#include "device/Qavksv5.h"
#include "device/Schreibpruefung.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Lampe.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr unsigned char kModusEingang4 = 0x01;
} // namespace

void ComPanel::IDLesen_Callback() {
    if (gHilfeAktiv) return;
    text_->setText("lese ID...");
    if (dienst_.offenerPort() != -1) idString_->clear();
    auto v = dienst_.Ausfuehren(
        this,
        [](Auftrag& a) {
            std::pair<int, std::string> e{kComIdOhnePort, {}};
            if (a.port != -1) e.first = QAVKSV5_IDLesen(a.port, a.adresse, e.second);
            return e;
        },
        [this](std::pair<int, std::string> e) {
            if (e.first == 0) idString_->setText(QString::fromLatin1(e.second.c_str()));
            dienst_.FehlerSetzen(e.first);
            text_->clear();
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, idLesen_));
}

void ComPanel::Scann_Callback() {
    if (gHilfeAktiv) return;
    // A second press while the lamps fill up cancels after the current address.
    if (scan_) {
        scan_->Abbrechen();
        return;
    }
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(kComScanOhnePort);
        return;
    }
    idString_->clear();
    scann_->setText("Abbrechen");
    scanZuletzt_ = '0';
    scan_ = dienst_.Ausfuehren(
        this,
        [this](Auftrag& a) {
            if (a.port == -1) return kComScanOhnePort;
            for (char ziel = '1'; ziel <= '9'; ++ziel) {
                if (a.rueckmeldung.abbrechen && *a.rueckmeldung.abbrechen) break;
                a.aufGui([this, ziel] { text_->setText(QString::fromUtf8("Suche nach Gerät ") + QChar(ziel)); });
                std::string kennung;
                const int r = QAVKSV5_IDLesen(a.port, ziel, kennung);
                a.aufGui([this, ziel, r, kennung] { ScanLampe(ziel, r, kennung); });
            }
            return 0;
        },
        [this](int r) {
            ScanBeendet();
            dienst_.FehlerSetzen(r);
        });
    scan_->Begleiten(std::make_shared<Beschaeftigt>(this));
}

void ComPanel::ScanLampe(char adresse, int code, const std::string& kennung) {
    scanZuletzt_ = adresse;
    Lampe* lampe = led_[adresse - '1'];
    if (code != 0) {
        lampe->setAn(false);
    } else if (kennung.rfind("QAV-DLM7D", 0) == 0) {
        lampe->setFarbe(Lampe::Gruen);
        lampe->setAn(true);
        adresse_->setCurrentIndex(AdresseIndex(adresse));
        idString_->setText(QString::fromLatin1(kennung.c_str()));
    } else {
        lampe->setFarbe(Lampe::Rot);
        lampe->setAn(true);
    }
}

void ComPanel::ScanBeendet() {
    // A cancelled scan leaves no lamp of an earlier one behind.
    for (char a = char(scanZuletzt_ + 1); a <= '9'; ++a) led_[a - '1']->setAn(false);
    scan_.reset();
    scann_->setText("Scann");
    text_->clear();
}

void ComPanel::Fehlerabfrage_Callback() {
    if (gHilfeAktiv) return;
    for (QPushButton* b : {fehlerabfrage_, start_, stopp_, eingang4Ein_, eingang4Aus_}) b->setEnabled(true);
    for (auto* l : ledFehler_) l->setEnabled(true);
    dienst_.FehlerSetzen(0);
    auto v = dienst_.Ausfuehren(
        this,
        [](Auftrag& a) {
            std::pair<int, unsigned char> e{kComFehlerabfrageOhnePort, 0};
            if (a.port != -1) e.first = QAVKSV5_StatusLesen(a.port, a.adresse, 2, e.second);
            return e;
        },
        [this](std::pair<int, unsigned char> e) {
            if (e.first != 0) {
                dienst_.FehlerSetzen(e.first);
                return;
            }
            for (int i = 0; i < 5; ++i) ledFehler_[i]->setAn((e.second >> i) & 1);
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, fehlerabfrage_));
}

void ComPanel::StatusbitsHilfe_Callback() {
    if (gHilfeAktiv) return;
    QString text;
    for (int i = 0; i < 5; ++i)
        if (ledFehler_[i]->an()) text += QString::fromUtf8(kFehlerbitTexte[i]) + "\n";
    dialoge().Meldung("Fehlerbits", text);
}

void ComPanel::StartStoppEingang_Callback(bool startStoppSignal) {
    if (gHilfeAktiv) return;
    dienst_.FehlerSetzen(0);
    auto v = dienst_.Ausfuehren(
        this,
        [startStoppSignal](Auftrag& a) {
            if (a.port == -1) return kComEingang4OhnePort;
            return QAVKSV5_ModusSchreiben(a.port, a.adresse, startStoppSignal, kModusEingang4);
        },
        [this](int r) {
            if (r != 0) dienst_.FehlerSetzen(r);
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, startStoppSignal ? eingang4Ein_ : eingang4Aus_));
}
