#include "direkt/DirektPanel.h"

#include <QMenuBar>
#include "uisupport/Fehleranzeige.h"
#include "uisupport/VerbindungsBild.h"

#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

DirektPanel::DirektPanel(QWidget* eltern) : Werkzeugfenster("Direkte Ein-/Ausgabe", eltern) {
    setObjectName("DIREKTPNL");
    DateiMenueAbschliessen(false);
    menuBar()->addMenu("&Hilfe")->addAction("DLM-7 Pinbelegung");
    auto* zentral = new QWidget(this);
    auto* spalte = new QVBoxLayout(zentral);
    spalte->addStretch();
    fehler_ = FehleranzeigeAnlegen();
    bild_ = VerbindungsBildAnlegen();
    spalte->addWidget(fehler_);
    spalte->addWidget(bild_);
    spalte->addWidget(ZurueckKnopf("Zurück zum &Hauptfenster"));
    spalte->addWidget(DirekthilfeKnopf());
    setCentralWidget(zentral);
}

int DirektPanel::DirektpanelInit() { return 0; }
int DirektPanel::DirektpanelClear() { return 0; }
int DirektPanel::AbbruchWeilDirektpanelNichtGespeichert() { return 0; }
void DirektPanel::ReadIniDirektpanel(const IniDatei&) {}
void DirektPanel::WriteIniDirektpanel(IniDatei&) {}
void DirektPanel::Direktpanel_SkaliereElemente() {}
