// "COM-Schnittstellen Einstellung": life cycle, settings and the choice of the link.
#include "device/fenster/ComPanel.h"

#include "device/Geraetedienst.h"
#include "device/PortSuche.h"
#include "device/PortTabelle.h"
#include "kern/IniDatei.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Lampe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

int ComPanel::AdresseIndex(char adresse) { return adresse == '&' ? 9 : adresse - '1'; }

int ComPanel::CompanelInit() {
    text_->clear();
    return 0;
}

int ComPanel::CompanelClear() {
    if (scan_) scan_->Abbrechen();
    return 0;
}

void ComPanel::PortSetzen(int wert) {
    const int i = port_->findData(wert);
    port_->setCurrentIndex(i < 0 ? 0 : i);
}

void ComPanel::PfadAnzeigen() {
    const int nr = port_->currentData().toInt();
    pfad_->setText(nr >= 1 ? QString::fromStdString(PortPfad(nr)) : QString());
    portwahl_->setEnabled(nr >= 1);
    for (int i = 1; i < port_->count(); ++i)
        port_->setItemData(i, QString::fromStdString(PortPfad(i)), Qt::ToolTipRole);
}

void ComPanel::LinkAnzeigen(int port, bool getrennt) {
    Werkzeugfenster::LinkAnzeigen(port, getrennt);
    PortSetzen(port);
    // Controls that need a box are usable exactly while a port is open.
    const bool offen = port != -1;
    for (QPushButton* b : {fehlerabfrage_, start_, stopp_, eingang4Ein_, eingang4Aus_}) b->setEnabled(offen);
    for (auto* l : ledFehler_) l->setEnabled(offen);
    PfadAnzeigen();
}

void ComPanel::PortSelect_Callback() {
    if (gHilfeAktiv) return;
    // Choosing the port in force again reopens it: the way back for a link
    // whose device returned under the same name. "not open" on a closed link
    // still clears the indicator, as any open does.
    const int gewuenscht = port_->currentData().toInt();
    auto v = dienst_.Oeffnen(gewuenscht, this, [this](int r) {
        if (r != 0) PortSetzen(-1);
        dienst_.FehlerSetzen(r);
        LinkAnzeigen(dienst_.offenerPort(), dienst_.getrennt());
    });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, port_));
}

void ComPanel::PortwahlFuellen() {
    QMenu* menue = portwahl_->menu();
    menue->clear();
    const int nr = port_->currentData().toInt();
    const std::string jetzt = nr >= 1 ? PortPfad(nr) : std::string();
    const auto geraete = SerielleGeraete();
    if (geraete.empty()) menue->addAction(QString::fromUtf8("Keine seriellen Geräte gefunden"))->setEnabled(false);
    for (const SeriellesGeraet& g : geraete) {
        const QString pfad = QString::fromStdString(g.pfad);
        // The tab puts the description in the menu's right-hand column.
        QAction* a = menue->addAction(pfad + "\t" + QString::fromStdString(g.beschreibung));
        a->setData(pfad);
        a->setCheckable(true);
        a->setChecked(g.pfad == jetzt);
        connect(a, &QAction::triggered, this, [this, pfad] { PfadWaehlen(pfad); });
    }
}

void ComPanel::PfadWaehlen(const QString& pfad) {
    if (gHilfeAktiv) return;
    const int nr = port_->currentData().toInt();
    if (nr < 1) return;
    PortPfadSetzen(nr, pfad.toStdString());
    PfadAnzeigen();
    if (nr == dienst_.offenerPort()) PortSelect_Callback();
}

void ComPanel::ReadIniCompanel(const IniDatei& ini) {
    long adresse = 49;
    if (ini.IntLesen("com", "adresse", adresse) != IniDatei::Ergebnis::Vorhanden ||
        !((adresse >= 49 && adresse <= 57) || adresse == 38))
        adresse = 49;
    adresse_->setCurrentIndex(AdresseIndex(char(adresse)));
    long pruefen = 0;
    pruefenGelesen_ = ini.IntLesen("com", "pruefen", pruefen) == IniDatei::Ergebnis::Vorhanden;
    pruefen_->setChecked(pruefenGelesen_ && pruefen != 0);

    auto portLesen = [&ini](const char* schluessel) {
        long p = -1;
        if (ini.IntLesen("com", schluessel, p) != IniDatei::Ergebnis::Vorhanden || !((p >= 1 && p <= 8) || p == -1))
            p = -1;
        return int(p);
    };
    dienst_.LetztenPortSetzen(portLesen("lport"));
    const int port = portLesen("port");
    startPort_ = port;
    PortSetzen(port);
    dienst_.Oeffnen(port, this, [this](int r) {
        dienst_.FehlerSetzen(r);
        LinkAnzeigen(dienst_.offenerPort(), dienst_.getrennt());
        startErledigt_ = true;
    });
}

void ComPanel::WriteIniCompanel(IniDatei& ini) {
    ini.IntSetzen("com", "adresse", static_cast<unsigned char>(dienst_.adresse()));
    int port = dienst_.offenerPort();
    if (port == -1 && !linkBeruehrt_) port = startPort_;
    ini.IntSetzen("com", "port", port);
    ini.IntSetzen("com", "lport", dienst_.letzterPort());
    // Only a file that knows the option gets it, so the old program's file stays as it was.
    if (pruefen_->isChecked() || pruefenGelesen_) ini.IntSetzen("com", "pruefen", pruefen_->isChecked() ? 1 : 0);
}
