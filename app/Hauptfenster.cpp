#include "app/Hauptfenster.h"

#include "uisupport/Bilder.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/VerbindungsBild.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct KnopfText {
    Hauptfenster::Knopf knopf;
    const char* label;
    const char* hilfe;
};

const KnopfText kKnoepfe[] = {
    {Hauptfenster::COM, "&COM-Einstellung",
     "Öffnen, Schließen und Einstellen der\nSeriellen Schnittstelle, an der das\nDLM-7 Gerät angeschlossen ist."},
    {Hauptfenster::KONFIG, "&Konfiguration",
     "Konfiguration der DLM-7 Ausgänge:\nDie DLM-7 besitzt vier 0 bis 10 Volt\nAusgänge. Jeder dieser Ausgänge kann\n"
     "auf eine beliebige andere Einheit\nskaliert werden."},
    {Hauptfenster::DIREKT, "&Direkte Ein-/Ausgabe",
     "Direktes Schreiben der Ausgänge:\nHier können die Ausgänge der DLM-7 direkt\ngesetzt, werden."},
    {Hauptfenster::KURVEN, "Kurven&generator",
     "Die DLM-7 kann bis zu vier unabhängige Kurven\nausgeben. Hier können die Kurvenformen erstellt\n"
     "und in die DLM-7 übertragen werden."},
    {Hauptfenster::KENNLINIE, "Kennlinien&regler",
     "Hier können Kennlinien erstellt und in die DLM-7 über-\ntragen werden.\nBei der Kennlinienregelung wird "
     "abhängig von einem\nEingangssignal aufgrund einer beliebigen Kennlinie\nein Ausgangssignal erzeugt.\n"
     "Die DLM-7 kann bis zu 7 Kennlinien speichern. Die\nAuswahl der Kennlinie erfolgt über eine Analogspannung."},
    {Hauptfenster::INFO, "&Info", nullptr},
    {Hauptfenster::ENDE, "&Beenden", nullptr},
};

} // namespace

QSize GroesseNachRegel(QSize aktuell, QSize start, QSize grenze) {
    if (start.width() <= 0 || start.height() <= 0) return aktuell;
    if (grenze.isValid() && !grenze.isEmpty()) {
        // Grown to the screen's edge in one direction: as large as fits in both.
        const double fMax = std::min(double(grenze.width()) / start.width(), double(grenze.height()) / start.height());
        const QSize regel = GroesseNachRegel(aktuell, start);
        if (regel.width() <= grenze.width() && regel.height() <= grenze.height()) return regel;
        if (fMax < 1.0) return start.boundedTo(grenze);
        return QSize(int(start.width() * fMax), int(start.height() * fMax)).boundedTo(grenze);
    }
    const double rw = double(aktuell.width()) / start.width();
    const double rh = double(aktuell.height()) / start.height();
    QSize neu = aktuell;
    double f;
    if (rh >= rw) {
        f = rw;
        neu.setHeight(int(start.height() * f + 0.5));
    } else {
        f = rh;
        neu.setWidth(int(start.width() * f + 0.5));
    }
    if (f < 1.0) neu = start;
    return neu;
}

Hauptfenster::Hauptfenster(QWidget* eltern) : QWidget(eltern) {
    setObjectName("MAINPANEL");
    setWindowTitle("DLM7D-Steuerung");
    setWindowIcon(Bilder::Programm());
    ProgrammfensterMarkieren(this);

    rollen_ = new QScrollArea(this);
    rollen_->setFrameShape(QFrame::NoFrame);
    rollen_->setWidgetResizable(true);
    inhalt_ = new QWidget(rollen_);
    auto* spalte = new QVBoxLayout(inhalt_);
    spalte->setContentsMargins(60, 20, 60, 20);
    spalte->addStretch(2);

    auto* titel = new QLabel("DLM7D-Steuerung", inhalt_);
    QFont f = titel->font();
    f.setPointSizeF(f.pointSizeF() * 2.2);
    f.setBold(true);
    titel->setFont(f);
    titel->setAlignment(Qt::AlignCenter);
    auto* unter = new QLabel("Steuerung und Einstellung der DLM-7 über die serielle Schnittstelle", inhalt_);
    unter->setAlignment(Qt::AlignCenter);
    spalte->addWidget(titel);
    spalte->addWidget(unter);
    spalte->addSpacing(20);

    // The five tool windows in one column, "Info" and "Beenden" side by side below.
    auto* knopfspalte = new QWidget(inhalt_);
    knopfspalte->setMinimumWidth(420);
    knopfspalte->setMaximumWidth(460);
    auto* raster = new QGridLayout(knopfspalte);
    raster->setSpacing(12);
    int zeile = 0;
    for (const auto& k : kKnoepfe) {
        auto* b = new QPushButton(k.label, knopfspalte);
        b->setMinimumHeight(48);
        b->setObjectName(KnopfName(k.knopf));
        if (k.hilfe) HilfetextSetzen(b, k.hilfe);
        knoepfe_[k.knopf] = b;
        connect(b, &QPushButton::clicked, this, [this, knopf = k.knopf] { Mainbuttons_Callback(knopf); });
        if (k.knopf == INFO || k.knopf == ENDE) {
            raster->addWidget(b, 6, k.knopf == INFO ? 0 : 1);
        } else {
            raster->addWidget(b, zeile++, 0, 1, 2);
        }
    }
    raster->setRowMinimumHeight(5, 16);
    spalte->addWidget(knopfspalte, 0, Qt::AlignHCenter);
    // Buttons without a help text still must not act in help mode.
    knoepfe_[INFO]->setProperty("dlm7Hilfetext", QString());
    knoepfe_[ENDE]->setProperty("dlm7Hilfetext", QString());
    spalte->addStretch(3);

    auto* unten = new QHBoxLayout;
    bild_ = new VerbindungsBild(inhalt_);
    bild_->setObjectName("PICTURERING");
    bild_->setFixedSize(bild_->sizeHint());
    direkthilfe_ = new QToolButton(inhalt_);
    direkthilfe_->setObjectName("DIREKTHILFE");
    direkthilfe_->setCheckable(true);
    direkthilfe_->setIcon(Bilder::Hilfe());
    direkthilfe_->setIconSize(QSize(24, 24));
    direkthilfe_->setToolTip("Direkthilfe");
    HilfeDurchlassen(direkthilfe_);
    connect(direkthilfe_, &QToolButton::clicked, this, [this](bool an) { emit direkthilfeGeschaltet(an); });
    unten->addWidget(bild_);
    unten->addStretch();
    unten->addWidget(direkthilfe_);
    spalte->addLayout(unten);
    rollen_->setWidget(inhalt_);

    resize(QSize(1000, 720).boundedTo(Bildschirmflaeche()));
}

QSize Hauptfenster::Bildschirmflaeche() const {
    const QScreen* s = screen();
    if (!s) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Before the first show the frame is not known yet; the rule runs again once it is.
    const QSize rahmen = frameGeometry().size() - size();
    return s->availableGeometry().size() - rahmen.expandedTo(QSize(0, 0));
}

void Hauptfenster::Mainbuttons_Callback(Knopf k) {
    if (gHilfeAktiv) return; // help texts come through the mode's click handling
    switch (k) {
    case COM: emit fensterGewuenscht(FensterId::Com); break;
    case KONFIG: emit fensterGewuenscht(FensterId::Konfig); break;
    case DIREKT: emit fensterGewuenscht(FensterId::Direkt); break;
    case KURVEN: emit fensterGewuenscht(FensterId::Kurven); break;
    case KENNLINIE: emit fensterGewuenscht(FensterId::Kennlinie); break;
    case INFO: emit infoGewuenscht(); break;
    case ENDE: emit beendenGewuenscht(); break;
    }
}

void Hauptfenster::KnoepfeDimmen(bool gedimmt) {
    for (auto& [k, b] : knoepfe_) b->setEnabled(!gedimmt);
}

void Hauptfenster::PanelgroesseAendern(bool merken) {
    if (merken) {
        startBreite_ = width();
        startHoehe_ = height();
        InsBildBringen();
        return;
    }
    const QSize neu = GroesseNachRegel(size(), startGroesse(), Bildschirmflaeche());
    if (neu != size()) {
        imAnpassen_ = true;
        resize(neu);
        imAnpassen_ = false;
    }
}

void Hauptfenster::InsBildBringen() {
    if (startBreite_ <= 0) return;
    const QSize start = startGroesse().boundedTo(Bildschirmflaeche());
    startBreite_ = start.width();
    startHoehe_ = start.height();
    setMinimumSize(start);
    const QSize neu = size().boundedTo(Bildschirmflaeche()).expandedTo(start);
    if (neu != size()) {
        imAnpassen_ = true;
        resize(neu);
        imAnpassen_ = false;
    }
    // A window placed partly off the screen comes back onto it.
    if (isVisible() && screen()) {
        const QRect flaeche = screen()->availableGeometry();
        QRect rahmen = frameGeometry();
        if (!flaeche.contains(rahmen)) {
            rahmen.moveRight(std::min(rahmen.right(), flaeche.right()));
            rahmen.moveBottom(std::min(rahmen.bottom(), flaeche.bottom()));
            rahmen.moveLeft(std::max(rahmen.left(), flaeche.left()));
            rahmen.moveTop(std::max(rahmen.top(), flaeche.top()));
            move(rahmen.topLeft());
        }
    }
}

void Hauptfenster::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    InsBildBringen(); // the frame is known now
}

void Hauptfenster::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    rollen_->setGeometry(rect());
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o); w && w != rollen_ && w->isVisible() && !w->isWindow())
            w->setGeometry(rect());
    if (!imAnpassen_ && startBreite_ > 0) PanelgroesseAendern(false);
}

void Hauptfenster::closeEvent(QCloseEvent* e) {
    // The loop only ends through the exit path, which may be cancelled.
    e->ignore();
    emit beendenGewuenscht();
}
