#include "app/Anwendung.h"

#include "app/Einstellungen.h"
#include "kern/Fehlermeldungen.h"
#include "app/Fehlerpopup.h"
#include "app/Hauptfenster.h"
#include "app/Infofenster.h"
#include "config/KonfigPanel.h"
#include "device/ComPanel.h"
#include "direkt/DirektPanel.h"
#include "kennlinie/KennlinienPanel.h"
#include "kurven/KurvenPanel.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Hilfeblase.h"
#include "uisupport/Hilfemodus.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>

Hauptfenster* gMainpanel = nullptr;
ComPanel* gCompanel = nullptr;
KonfigPanel* gKonfigpanel = nullptr;
DirektPanel* gDirektpanel = nullptr;
KurvenPanel* gKurvenpanel = nullptr;
KennlinienPanel* gKennlinienpanel = nullptr;
Infofenster* gInfopanel = nullptr;

const char* const kProgrammVersion = "V 0.9.1";
const char* const kProgrammDatum = "05/2011";
const char* const kDirekthilfeEin = "Direkthilfe-Modus eingeschaltet!\nZum Beenden auf '?'-Icon klicken";

namespace {

Werkzeugfenster* sgChildpanel = nullptr;
bool sgProgrammende = false;

Werkzeugfenster* PanelVon(FensterId id) {
    switch (id) {
    case FensterId::Com: return gCompanel;
    case FensterId::Konfig: return gKonfigpanel;
    case FensterId::Direkt: return gDirektpanel;
    case FensterId::Kurven: return gKurvenpanel;
    case FensterId::Kennlinie: return gKennlinienpanel;
    case FensterId::Haupt: break;
    }
    return nullptr;
}

} // namespace

Anwendung::Anwendung() {
    sgChildpanel = nullptr;
    sgProgrammende = false;
    gMainpanel = new Hauptfenster;
    gCompanel = new ComPanel(gMainpanel);
    gKonfigpanel = new KonfigPanel(gMainpanel);
    gDirektpanel = new DirektPanel(gMainpanel);
    gKurvenpanel = new KurvenPanel(gMainpanel);
    gKennlinienpanel = new KennlinienPanel(gMainpanel);
    gInfopanel = new Infofenster(gMainpanel);
    gInfopanel->version()->setText(kProgrammVersion);
    gInfopanel->datum()->setText(kProgrammDatum);
    HilfemodusInstallieren([](const QString& text) { Hilfetext(text); });
}

Anwendung::~Anwendung() {
    HilfemodusSetzen(false);
    delete gMainpanel;  // owns every other window
    gMainpanel = nullptr;
    gCompanel = nullptr;
    gKonfigpanel = nullptr;
    gDirektpanel = nullptr;
    gKurvenpanel = nullptr;
    gKennlinienpanel = nullptr;
    gInfopanel = nullptr;
    sgChildpanel = nullptr;
}

int Anwendung::Starten(bool zeigen) {
    if (const int r = ReadIni(); r != 0) QAV_Fehlerpopup(r);
    if (const int r = InitialisierePanels(); r != 0) {
        QAV_Fehlerpopup(r);
        return r;
    }
    gMainpanel->PanelgroesseAendern(true);
    if (zeigen) gMainpanel->show();
    return 0;
}

void Anwendung::Beenden() {
    if (const int r = WriteIni(); r != 0) QAV_Fehlerpopup(r);
    DeinitialisierePanels();
}

int InitialisierePanels() {
    gKonfigpanel->InitialisiereKonfigPanel();
    if (const int r = gKurvenpanel->KurvenpanelInit(); r != 0) return r;
    if (const int r = gKennlinienpanel->KennlinienpanelInit(); r != 0) return r;
    if (const int r = gDirektpanel->DirektpanelInit(); r != 0) return r;
    gCompanel->CompanelInit();
    return 0;
}

int DeinitialisierePanels() {
    gKennlinienpanel->KennlinienpanelClear();
    gKurvenpanel->KurvenpanelClear();
    gDirektpanel->DirektpanelClear();
    return gCompanel->CompanelClear();
}

void ZeigeChildpanel(Werkzeugfenster* panel) {
    if (sgChildpanel) {
        sgChildpanel->hide();
        sgChildpanel = nullptr;
        gMainpanel->KnoepfeDimmen(false);
    }
    if (!panel) return;
    gMainpanel->KnoepfeDimmen(true);
    panel->setGeometry(gMainpanel->rect());
    panel->show();
    panel->raise();
    sgChildpanel = panel;
}

void ZeigeChildpanel(FensterId id) { ZeigeChildpanel(PanelVon(id)); }

Werkzeugfenster* AktuellesChildpanel() { return sgChildpanel; }

void ZeigeInfopanel() {
    gInfopanel->adjustSize();
    const QRect r = gMainpanel->rect();
    gInfopanel->move(gMainpanel->mapToGlobal(r.center()) - QPoint(gInfopanel->width() / 2, gInfopanel->height() / 2));
    gInfopanel->exec();
}

int ProgrammendeFallsAllesGespeichert() {
    if (const int r = gKurvenpanel->AbbruchWeilKurvenNichtGespeichert(); r != 0) return r;
    if (const int r = gKennlinienpanel->AbbruchWeilKennlinieNichtGespeichert(); r != 0) return r;
    gDirektpanel->AbbruchWeilDirektpanelNichtGespeichert();
    sgProgrammende = true;
    QCoreApplication::quit();
    return 0;
}

bool ProgrammendeAngefordert() { return sgProgrammende; }

void ComFehlerSetzen(int code) {
    Werkzeugfenster* fenster[] = {gKurvenpanel, gCompanel, gKennlinienpanel, gDirektpanel};
    const QString text = code != 0 ? QString::fromUtf8(QAV_Fehlermeldung(code)) : QString();
    for (auto* f : fenster) {
        if (!f || !f->fehleranzeige()) continue;
        if (code != 0)
            f->fehleranzeige()->Setzen(code, text);
        else
            f->fehleranzeige()->Loeschen();
    }
}

void HilfetextBei(const QString& text, QPoint maus) {
    const QSize blase = BlasenGroesse(text);
    const QPoint pos = BlasenPosition(maus, gMainpanel->size(), blase);
    dialoge().Hilfeblase(gMainpanel, QRect(gMainpanel->mapToGlobal(pos), blase), text);
}

void Hilfetext(const QString& text) { HilfetextBei(text, gMainpanel->mapFromGlobal(QCursor::pos())); }

void DirekthilfeSchalten(bool an) {
    HilfemodusSetzen(an);
    if (an) Hilfetext(QString::fromUtf8(kDirekthilfeEin));
}
