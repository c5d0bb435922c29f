#include "uisupport/Kurvenfenster.h"

#include "uisupport/Bilder.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Hilfeblase.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/ToolbarBindung.h"
#include "uisupport/Ungespeichert.h"
#include "uisupport/VerbindungsBild.h"

#include <QCursor>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

Kurvenfenster::Kurvenfenster(const QString& name, const QString& pinbelegung, const QString& zurueckText,
                             QWidget* eltern)
    : Werkzeugfenster(name, eltern) {
    DateiMenueAbschliessen(false);
    hilfe_ = menuBar()->addMenu("&Hilfe");
    hilfe_->setObjectName("HILFEMENUE");
    leiste_ = addToolBar("Werkzeuge");
    leiste_->setMovable(false);
    leiste_->setIconSize(QSize(22, 22));
    direkthilfe_ = UmschalterAnlegen(hilfe_, leiste_, "Direkthilfe", Bilder::Hilfe(), "Direkthilfe");
    connect(direkthilfe_, &QAction::triggered, this, [this] { HilfeUmschalten(); });
    QAction* pins = hilfe_->addAction("DLM-7 Pinbelegung");
    connect(pins, &QAction::triggered, this, [pinbelegung] {
        if (gHilfeAktiv) return;
        dialoge().Meldung("DLM-7 Pinbelegung", pinbelegung);
    });

    auto* zentral = new QWidget(this);
    auto* spalte = new QVBoxLayout(zentral);
    flaeche_ = new QVBoxLayout;
    spalte->addLayout(flaeche_, 1);

    auto* unten = new QHBoxLayout;
    start_ = new QPushButton("Start", zentral);
    start_->setObjectName("START");
    stopp_ = new QPushButton("Stopp", zentral);
    stopp_->setObjectName("STOPP");
    HilfetextSetzen(start_, "Sendet den Start-Befehl zur DLM-7.");
    HilfetextSetzen(stopp_, "Sendet den Stopp-Befehl zur DLM-7.");
    unten->addWidget(start_);
    unten->addWidget(stopp_);
    unten->addSpacing(12);
    unten->addWidget(FehleranzeigeAnlegen(), 1);
    unten->addWidget(VerbindungsBildAnlegen());
    unten->addWidget(ZurueckKnopf(zurueckText));
    spalte->addLayout(unten);
    InhaltSetzen(zentral);
    // A label of its own, not a status-bar message, which the menus' status
    // tips would wipe out.
    bestaetigung_ = new QLabel(this);
    bestaetigung_->setObjectName("BESTAETIGUNG");
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(bestaetigung_, 1);
}

void Kurvenfenster::Bestaetigen(const QString& text) { bestaetigung_->setText(text); }

QString Kurvenfenster::bestaetigung() const { return bestaetigung_->text(); }

void Kurvenfenster::HilfeUmschalten() {
    // The menu entry inverts the mode; entry and toolbar button are one action.
    const bool an = !gHilfeAktiv;
    direkthilfe_->setChecked(an);
    emit direkthilfeGeschaltet(an);
}

int Kurvenfenster::AbbruchFrage(const QString& dateiname, const std::function<int()>& speichern) {
    return AenderungenSpeichernFragen(geaendert_, dateiname.isEmpty() ? fensterName() : dateiname, speichern);
}

bool Kurvenfenster::HilfeStatt(const char* text) {
    if (!gHilfeAktiv) return false;
    if (!text || !*text) return true;
    QWidget* w = window();
    HilfeblaseBeiZeiger(w, QString::fromUtf8(text), w->mapFromGlobal(QCursor::pos()));
    return true;
}
