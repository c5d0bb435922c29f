#include "uisupport/Werkzeugfenster.h"

#include "kern/Fehlermeldungen.h"
#include "uisupport/Bilder.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/VerbindungsBild.h"

#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

namespace {

const char* const kFehlerHilfe =
    "Zeigt an, ob bei der Datenübertragung zur DLM-7 ein\nFehler aufgetreten ist. Die Fehleranzeige besteht aus\n"
    "Fehler-LED, Fehlertext, und Fehlernummer.";

} // namespace

const char* const kVerbindungsBildHilfe = "Öffnet bzw. trennt die serielle Verbindung zur DLM-7.\nCOM-Port Nummer und "
                                          "Geräteadresse müssen im\nFenster 'COM-Einstellung' eingestellt werden.";

QString Werkzeugfenster::FensterAktionName(FensterId id) {
    switch (id) {
    case FensterId::Haupt: return "FENSTER_HAUPT";
    case FensterId::Com: return "FENSTER_COM";
    case FensterId::Konfig: return "FENSTER_KONFIG";
    case FensterId::Direkt: return "FENSTER_DIREKT";
    case FensterId::Kurven: return "FENSTER_KURVEN";
    case FensterId::Kennlinie: return "FENSTER_KENNLINIE";
    }
    return {};
}

Werkzeugfenster::Werkzeugfenster(const QString& name, QWidget* eltern) : QMainWindow(eltern), name_(name) {
    setWindowFlags(Qt::Widget);
    setAutoFillBackground(true); // covers the main window's buttons while shown
    setWindowTitle(name);
    datei_ = menuBar()->addMenu("&Datei");
    fenster_ = menuBar()->addMenu("&Fenster");
    const std::pair<FensterId, const char*> eintraege[] = {
        {FensterId::Haupt, "Hauptfenster"},     {FensterId::Com, "COM-Einstellung"},
        {FensterId::Konfig, "Konfiguration"},   {FensterId::Direkt, "Direkte Ein-/Ausgabe"},
        {FensterId::Kurven, "Kurvengenerator"}, {FensterId::Kennlinie, "Kennlinienregler"},
    };
    for (const auto& [id, text] : eintraege) {
        QAction* a = fenster_->addAction(text);
        a->setObjectName(FensterAktionName(id));
        connect(a, &QAction::triggered, this, [this, id = id] {
            if (gHilfeAktiv) return;
            FensterWechseln(id);
        });
    }
    hide();
}

void Werkzeugfenster::TitelMitDatei(const QString& dateiname) {
    setWindowTitle(dateiname.isEmpty() ? name_ : name_ + " - " + dateiname);
}

void Werkzeugfenster::DateiMenueAbschliessen(bool trennlinie) {
    if (trennlinie) datei_->addSeparator();
    beenden_ = datei_->addAction("Beenden");
    connect(beenden_, &QAction::triggered, this, [this] {
        if (gHilfeAktiv) return;
        emit beendenGewuenscht();
    });
}

void Werkzeugfenster::InhaltSetzen(QWidget* inhalt) {
    auto* rollen = new QScrollArea(this);
    rollen->setObjectName("INHALT");
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidgetResizable(true);
    rollen->setWidget(inhalt);
    setCentralWidget(rollen);
}

void Werkzeugfenster::FensterWechseln(FensterId ziel) { emit fensterGewuenscht(ziel); }

int Werkzeugfenster::DateiOeffnen(const QString&) { return 0; } // opens no files: DateiEndungen is empty

void Werkzeugfenster::LinkAnzeigen(int port, bool getrennt) {
    if (bild_) bild_->setWert(port, getrennt);
}

void Werkzeugfenster::FehlerAnzeigen(int code) {
    if (!fehler_) return;
    if (code != 0)
        fehler_->Setzen(code, QString::fromUtf8(QAV_Fehlermeldung(code)));
    else
        fehler_->Loeschen();
}

QPushButton* Werkzeugfenster::ZurueckKnopf(const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName("ZURUECK");
    connect(b, &QPushButton::clicked, this, [this] {
        if (gHilfeAktiv) return;
        FensterWechseln(FensterId::Haupt);
    });
    return b;
}

QToolButton* Werkzeugfenster::DirekthilfeKnopf() {
    auto* b = new QToolButton(this);
    b->setObjectName("DIREKTHILFE");
    b->setCheckable(true);
    b->setIcon(Bilder::Hilfe());
    b->setText("?");
    b->setToolTip("Direkthilfe");
    b->setIconSize(QSize(24, 24));
    HilfeDurchlassen(b);
    connect(b, &QToolButton::clicked, this, [this](bool an) { emit direkthilfeGeschaltet(an); });
    return b;
}

VerbindungsBild* Werkzeugfenster::VerbindungsBildAnlegen() {
    bild_ = new VerbindungsBild(this);
    bild_->setObjectName("PICTURERING");
    bild_->setFixedSize(bild_->sizeHint()); // as large on every window, however tight its layout
    HilfetextSetzen(bild_, QString::fromUtf8(kVerbindungsBildHilfe));
    connect(bild_, &VerbindungsBild::geklickt, this, [this] {
        if (gHilfeAktiv) return;
        emit verbindungUmschalten();
    });
    return bild_;
}

Fehleranzeige* Werkzeugfenster::FehleranzeigeAnlegen() {
    fehler_ = new Fehleranzeige(this);
    fehler_->setObjectName("FEHLER");
    HilfetextSetzen(fehler_, kFehlerHilfe);
    return fehler_;
}
