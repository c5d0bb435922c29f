#include "app/Werkzeugfenster.h"

#include "device/ComPanel.h"
#include "uisupport/Bilder.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/VerbindungsBild.h"

#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace {

const char* const kFehlerHilfe =
    "Zeigt an, ob bei der Datenübertragung zur DLM-7 ein\nFehler aufgetreten ist. Die Fehleranzeige besteht aus\n"
    "Fehler-LED, Fehlertext, und Fehlernummer.";

} // namespace

Werkzeugfenster::Werkzeugfenster(const QString& name, QWidget* eltern) : QMainWindow(eltern), name_(name) {
    setWindowFlags(Qt::Widget);
    setAutoFillBackground(true);  // covers the main window's buttons while shown
    setWindowTitle(name);
    datei_ = menuBar()->addMenu("&Datei");
    fenster_ = menuBar()->addMenu("&Fenster");
    const std::pair<FensterId, const char*> eintraege[] = {
        {FensterId::Haupt, "Hauptfenster"},
        {FensterId::Com, "COM-Einstellung"},
        {FensterId::Konfig, "Konfiguration"},
        {FensterId::Direkt, "Direkte Ein-/Ausgabe"},
        {FensterId::Kurven, "Kurvengenerator"},
        {FensterId::Kennlinie, "Kennlinienregler"},
    };
    for (const auto& [id, text] : eintraege) {
        QAction* a = fenster_->addAction(text);
        fensterAktionen_[id] = a;
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
    connect(beenden_, &QAction::triggered, this, [] {
        if (gHilfeAktiv) return;
        ProgrammendeFallsAllesGespeichert();
    });
}

void Werkzeugfenster::FensterWechseln(FensterId ziel) { ZeigeChildpanel(ziel); }

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
    connect(b, &QToolButton::clicked, this, [](bool an) { DirekthilfeSchalten(an); });
    return b;
}

VerbindungsBild* Werkzeugfenster::VerbindungsBildAnlegen() {
    auto* bild = new VerbindungsBild(this);
    bild->setObjectName("PICTURERING");
    VerbindungsBildAnmelden(bild);
    return bild;
}

Fehleranzeige* Werkzeugfenster::FehleranzeigeAnlegen() {
    auto* f = new Fehleranzeige(this);
    f->setObjectName("FEHLER");
    HilfetextSetzen(f, kFehlerHilfe);
    return f;
}
