#include "app/Anwendung.h"

#include "app/Einstellungen.h"
#include "app/Hauptfenster.h"
#include "app/Infofenster.h"
#include "config/KonfigModell.h"
#include "config/fenster/KonfigPanel.h"
#include "device/Geraetedienst.h"
#include "device/fenster/ComPanel.h"
#include "direkt/fenster/DirektPanel.h"
#include "kennlinie/fenster/KennlinienPanel.h"
#include "kurven/fenster/KurvenPanel.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/VerbindungsBild.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopedValueRollback>

const char* const kProgrammVersion = "V 0.9.1";
const char* const kProgrammDatum = "05/2011";
const char* const kHauptfensterTitel = "DLM7D-Steuerung";
const char* const kDirekthilfeEin = "Direkthilfe-Modus eingeschaltet!\nZum Beenden auf '?'-Icon klicken";

Anwendung::Anwendung(std::unique_ptr<Dialoge> dialoge)
    : dialoge_(std::move(dialoge)), konfig_(std::make_unique<KonfigModell>()),
      dienst_(std::make_unique<Geraetedienst>()) {
    if (dialoge_) DialogeSetzen(dialoge_.get());
    haupt_ = new Hauptfenster;
    com_ = new ComPanel(*dienst_, haupt_);
    konfigPanel_ = new KonfigPanel(*konfig_, haupt_);
    direkt_ = new DirektPanel(*dienst_, *konfig_, haupt_);
    kurven_ = new KurvenPanel(*dienst_, *konfig_, haupt_);
    kennlinie_ = new KennlinienPanel(*dienst_, *konfig_, haupt_);
    info_ = new Infofenster(haupt_);
    info_->version()->setText(kProgrammVersion);
    info_->datum()->setText(kProgrammDatum);

    // The configuration comes first: the others scale to it. The connection
    // window comes last: every window is ready before the saved port opens,
    // and everything that may still use the line has ended before it closes.
    werkzeugfenster_ = {konfigPanel_, kurven_, kennlinie_, direkt_, com_};
    for (Werkzeugfenster* f : werkzeugfenster_) Verdrahten(f);

    QObject::connect(haupt_, &Hauptfenster::fensterGewuenscht, haupt_, [this](FensterId id) { ZeigeChildpanel(id); });
    QObject::connect(haupt_, &Hauptfenster::infoGewuenscht, haupt_, [this] { ZeigeInfopanel(); });
    QObject::connect(haupt_, &Hauptfenster::beendenGewuenscht, haupt_, [this] { ProgrammendeFallsAllesGespeichert(); });
    QObject::connect(haupt_, &Hauptfenster::direkthilfeGeschaltet, haupt_,
                     [this](bool an) { DirekthilfeSchalten(an); });
    QObject::connect(haupt_->verbindungsBild(), &VerbindungsBild::geklickt, haupt_, [this] {
        if (!gHilfeAktiv) dienst_->Umschalten();
    });
    HilfetextSetzen(haupt_->verbindungsBild(), QString::fromUtf8(kVerbindungsBildHilfe));
    QObject::connect(dienst_.get(), &Geraetedienst::linkGeaendert, haupt_->verbindungsBild(),
                     &VerbindungsBild::setWert);
    HilfemodusInstallieren([this](const QString& text) { Hilfetext(text); });
}

Anwendung::~Anwendung() {
    HilfemodusSetzen(false);
    dienst_->Beenden();
    delete haupt_; // owns every other window
    if (dialoge_) DialogeSetzen(nullptr);
}

void Anwendung::Verdrahten(Werkzeugfenster* f) {
    QObject::connect(f, &Werkzeugfenster::fensterGewuenscht, haupt_, [this](FensterId id) { ZeigeChildpanel(id); });
    QObject::connect(f, &Werkzeugfenster::beendenGewuenscht, haupt_, [this] { ProgrammendeFallsAllesGespeichert(); });
    QObject::connect(f, &Werkzeugfenster::direkthilfeGeschaltet, haupt_, [this](bool an) { DirekthilfeSchalten(an); });
    QObject::connect(f, &Werkzeugfenster::verbindungUmschalten, dienst_.get(), [this] { dienst_->Umschalten(); });
    QObject::connect(dienst_.get(), &Geraetedienst::linkGeaendert, f, &Werkzeugfenster::LinkAnzeigen);
    QObject::connect(dienst_.get(), &Geraetedienst::fehlerGeaendert, f, &Werkzeugfenster::FehlerAnzeigen);
    // The shown tool window's title (with the file of a curve window) is the main window's.
    QObject::connect(f, &QWidget::windowTitleChanged, haupt_, [this, f](const QString& titel) {
        if (childpanel_ == f) haupt_->setWindowTitle(titel);
    });
}

Werkzeugfenster* Anwendung::panel(FensterId id) const {
    switch (id) {
    case FensterId::Com: return com_;
    case FensterId::Konfig: return konfigPanel_;
    case FensterId::Direkt: return direkt_;
    case FensterId::Kurven: return kurven_;
    case FensterId::Kennlinie: return kennlinie_;
    case FensterId::Haupt: break;
    }
    return nullptr;
}

int Anwendung::Starten(bool zeigen) {
    einstellungsPfad_ = EinstellungsPfad();
    if (const int r = ReadIni(); r != 0) QAV_Fehlerpopup(r);
    if (const int r = InitialisierePanels(); r != 0) {
        QAV_Fehlerpopup(r);
        return r;
    }
    haupt_->PanelgroesseAendern(true);
    if (zeigen) haupt_->show();
    return 0;
}

void Anwendung::Beenden() {
    // The windows go first: the device service may still run events while it
    // waits for a transfer to end, and no click may start another one then.
    haupt_->hide();
    // The popup names the file, which may live outside the working directory.
    if (const int r = WriteIni(); r != 0) QAV_Fehlerpopup(r, QString::fromStdString(einstellungsPfad_));
    DeinitialisierePanels();
}

int Anwendung::ReadIni() {
    if (einstellungsPfad_.empty()) einstellungsPfad_ = EinstellungsPfad();
    return ::ReadIni(einstellungsPfad_, [this](const IniDatei& ini) {
        for (Werkzeugfenster* f : werkzeugfenster_) f->EinstellungenLesen(ini);
    });
}

int Anwendung::WriteIni() {
    if (einstellungsPfad_.empty()) einstellungsPfad_ = EinstellungsPfad();
    // The file holds its sections sorted, so the order here leaves no trace in it.
    return ::WriteIni(einstellungsPfad_, [this](IniDatei& ini) {
        for (Werkzeugfenster* f : werkzeugfenster_) f->EinstellungenSchreiben(ini);
    });
}

int Anwendung::InitialisierePanels() {
    for (Werkzeugfenster* f : werkzeugfenster_)
        if (const int r = f->Initialisieren(); r != 0) return r;
    return 0;
}

int Anwendung::DeinitialisierePanels() {
    int r = 0;
    for (Werkzeugfenster* f : werkzeugfenster_) r = f->Aufraeumen();
    // The connection goes last: what is still on the line ends, then the port closes.
    dienst_->Beenden();
    return r;
}

void Anwendung::ZeigeChildpanel(Werkzeugfenster* panel) {
    if (childpanel_) {
        childpanel_->hide();
        childpanel_ = nullptr;
        haupt_->KnoepfeDimmen(false);
        haupt_->setWindowTitle(kHauptfensterTitel);
    }
    if (!panel) return;
    haupt_->setWindowTitle(panel->windowTitle());
    haupt_->KnoepfeDimmen(true);
    panel->setGeometry(haupt_->rect());
    panel->show();
    panel->raise();
    childpanel_ = panel;
}

void Anwendung::ZeigeChildpanel(FensterId id) { ZeigeChildpanel(panel(id)); }

void Anwendung::ZeigeInfopanel() {
    info_->adjustSize();
    const QRect r = haupt_->rect();
    info_->move(haupt_->mapToGlobal(r.center()) - QPoint(info_->width() / 2, info_->height() / 2));
    info_->exec();
}

int Anwendung::DateiOeffnen(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    for (Werkzeugfenster* f : werkzeugfenster_) {
        if (!f->DateiEndungen().contains(endung)) continue;
        ZeigeChildpanel(f);
        const int r = f->DateiOeffnen(pfad);
        if (r != 0) QAV_Fehlerpopup(r, pfad);
        return r;
    }
    dialoge().Meldung("Fehler", QString("Die Datei %1 ist keine DLM-7 Datei (.dlo, .dle oder .dlr).").arg(pfad));
    return 0;
}

int Anwendung::ProgrammendeFallsAllesGespeichert() {
    // Asked once: a close of the main window that arrives while a question
    // runs its own loop, or after the end was decided, asks nothing again.
    if (programmende_) return 0;
    if (fragtVorEnde_) return 1;
    {
        const QScopedValueRollback<bool> fragt(fragtVorEnde_, true);
        // The first window whose question is cancelled keeps the program running; later ones are not asked.
        for (Werkzeugfenster* f : werkzeugfenster_)
            if (const int r = f->AbbruchWeilNichtGespeichert(); r != 0) return r;
    }
    programmende_ = true;
    // Quitting closes every visible window, and the main window's close asks
    // for the end (and refuses itself): hidden first, as the end hides it anyway.
    haupt_->hide();
    QCoreApplication::quit();
    return 0;
}

void Anwendung::ComFehlerSetzen(int code) { dienst_->FehlerSetzen(code); }

void Anwendung::HilfetextBei(const QString& text, QPoint maus) { HilfeblaseBeiZeiger(haupt_, text, maus); }

void Anwendung::Hilfetext(const QString& text) { HilfetextBei(text, haupt_->mapFromGlobal(QCursor::pos())); }

void Anwendung::DirekthilfeSchalten(bool an) {
    HilfemodusSetzen(an);
    if (an) Hilfetext(QString::fromUtf8(kDirekthilfeEin));
}
