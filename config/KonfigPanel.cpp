#include "config/KonfigPanel.h"

#include "uisupport/Fehleranzeige.h"
#include "uisupport/VerbindungsBild.h"

#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

KonfigPanel::KonfigPanel(QWidget* eltern) : Werkzeugfenster("Konfiguration", eltern) {
    setObjectName("KONFIGPNL");
    DateiMenueAbschliessen(true);
    auto* zentral = new QWidget(this);
    auto* spalte = new QVBoxLayout(zentral);
    spalte->addStretch();
    bild_ = VerbindungsBildAnlegen();
    spalte->addWidget(bild_);
    spalte->addWidget(ZurueckKnopf("Zurück zum &Hauptfenster"));
    spalte->addWidget(DirekthilfeKnopf());
    setCentralWidget(zentral);
}

int KonfigPanel::InitialisiereKonfigPanel() {
    return 0;
}
void KonfigPanel::ReadIniKonfigpanel(const IniDatei&) {}
void KonfigPanel::WriteIniKonfigpanel(IniDatei&) {}
