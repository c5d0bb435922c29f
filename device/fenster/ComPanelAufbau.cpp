// The controls of "COM-Schnittstellen Einstellung", their help texts and wiring.
#include "device/fenster/ComPanel.h"

#include "device/Geraetedienst.h"
#include "device/Schreibpruefung.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Lampe.h"
#include "uisupport/VerbindungsBild.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

namespace hilfe {
const char* const PORT = "Die Serielle Schnittstelle, an die die DLM-7\nangeschlossen ist.";
const char* const PORTWAHL = "Wählt das Gerät, für das die gewählte COM-Nummer steht,\naus den vorhandenen seriellen "
                             "Schnittstellen.\nDer Name unter /dev/serial/by-id bleibt gleich, auch wenn\nder Adapter "
                             "an einer anderen USB-Buchse steckt.";
const char* const IDLESEN = "Ließt die Gerätekennung von der DLM-7.";
const char* const SCANN = "Durchsucht die geöffnete serielle Schnittstelle\nnach DLM-7 Geräten. Das Ergebnis wird mit "
                          "den LED's\n1 bis 8 dargestellt.";
const char* const START = "Sendet den Start-Befehl zur DLM-7.";
const char* const STOPP = "Sendet den Stopp-Befehl zur DLM-7.";
const char* const FEHLERHILFE = "Zeigt in einem Fenster die Bedeutung der\naktiven Fehlerbits an.";
const char* const FEHLERABFRAGE = "Fragt die Fehlerbits von der DLM-7 ab.";
const char* const PRUEFEN =
    "Liest nach jedem Senden einer Kennlinie oder der\nGeneratorkurven das Geschriebene von der "
    "DLM-7\nzurück und vergleicht es Byte für Byte.\nDas Senden dauert dadurch doppelt so lange.";
const char* const EINGANG4EIN =
    "Die DLM-7 wird so eingestellt, daß das Signal an\nEingang 4 als Start/Stopp-Signal interpretiert wird,\nmit dem "
    "der Kurvengenerator bzw. der Kennlinienregler\ngestartet und gestoppt werden kann.";
const char* const EINGANG4AUS =
    "Die DLM-7 wird so eingestellt, daß Eingang 4\nals normaler Analogeingang verwendet wird.";
const char* const LED_FEHLER = "Die Fehlerbits zeigen den Fehlerstatus\nder DLM-7 an. Sie müssen mit "
                               "'Fehlerbits\nabfragen' von der DLM-7 gelesen werden.";
const char* const ADRESSE = "Die Geräteadresse des angeschlossenen\nDLM-7 Geräts (ist normalerweise 1).";
const char* const LED = "Das Ergebnis des letzten 'Scann' Befehls für\ndie Geräteadresse 1 bis 8:\ngrau: Kein Gerät "
                        "gefunden.\ngrün: DLM-7 gefunden.\nrot: Gerät hat geantwortet, ist aber keine DLM-7.";
const char* const IDSTRING = "Die Gerätekennung, mit der die DLM-7 auf\nden 'ID-lesen' Befehl geantwortet "
                             "hat\n(enthält Gerätekennung und Versionsnummer).";
} // namespace hilfe

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace

ComPanel::ComPanel(Geraetedienst& dienst, QWidget* eltern)
    : Werkzeugfenster("COM-Schnittstellen Einstellung", eltern), dienst_(dienst) {
    Aufbauen();
    Verbinden();
    LinkAnzeigen(dienst_.offenerPort(), dienst_.getrennt());
}

void ComPanel::Aufbauen() {
    setObjectName("COMPNL");
    DateiMenueAbschliessen(false);

    auto* zentral = new QWidget(this);
    auto* spalte = new QVBoxLayout(zentral);
    spalte->setSpacing(10);

    // Link: port, address, picture.
    auto* verbindung = new QGroupBox("Verbindung", zentral);
    auto* vRaster = new QGridLayout(verbindung);
    port_ = new QComboBox(verbindung);
    port_->setObjectName("PORT");
    port_->addItem("not open", -1);
    for (int nr = 1; nr <= 8; ++nr) port_->addItem(QString("COM%1").arg(nr), nr);
    port_->setCurrentIndex(0);
    HilfetextSetzen(port_, Q(hilfe::PORT));
    pfad_ = new QLabel(verbindung);
    pfad_->setObjectName("PORTPFAD");
    pfad_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    portwahl_ = new QToolButton(verbindung);
    portwahl_->setObjectName("PORTWAHL");
    portwahl_->setText(QString::fromUtf8("Gerät…"));
    portwahl_->setPopupMode(QToolButton::InstantPopup);
    portwahl_->setMenu(new QMenu(portwahl_));
    HilfetextSetzen(portwahl_, Q(hilfe::PORTWAHL));
    connect(portwahl_->menu(), &QMenu::aboutToShow, this, [this] { PortwahlFuellen(); });
    auto* pfadZeile = new QHBoxLayout;
    pfadZeile->addWidget(pfad_);
    pfadZeile->addWidget(portwahl_);
    pfadZeile->addStretch();
    adresse_ = new QComboBox(verbindung);
    adresse_->setObjectName("ADRESSE");
    for (char c = '1'; c <= '9'; ++c) adresse_->addItem(QString(QChar(c)), QChar(c));
    adresse_->addItem("alle", QChar('&'));
    HilfetextSetzen(adresse_, Q(hilfe::ADRESSE));
    VerbindungsBild* bild = VerbindungsBildAnlegen();
    vRaster->addWidget(new QLabel("COM-Port", verbindung), 0, 0);
    vRaster->addWidget(port_, 0, 1);
    vRaster->addLayout(pfadZeile, 0, 2);
    vRaster->addWidget(new QLabel("Adresse", verbindung), 1, 0);
    vRaster->addWidget(adresse_, 1, 1);
    vRaster->addWidget(bild, 0, 3, 2, 1, Qt::AlignRight);
    vRaster->setColumnStretch(2, 1);
    spalte->addWidget(verbindung);

    // Identity and scan.
    auto* geraet = new QGroupBox("Gerät", zentral);
    auto* gRaster = new QGridLayout(geraet);
    idLesen_ = new QPushButton("ID lesen", geraet);
    idLesen_->setObjectName("IDLESEN");
    HilfetextSetzen(idLesen_, Q(hilfe::IDLESEN));
    idString_ = new QLineEdit(geraet);
    idString_->setObjectName("IDSTRING");
    idString_->setReadOnly(true);
    HilfetextSetzen(idString_, Q(hilfe::IDSTRING));
    scann_ = new QPushButton("Scann", geraet);
    scann_->setObjectName("SCANN");
    HilfetextSetzen(scann_, Q(hilfe::SCANN));
    auto* lampen = new QHBoxLayout;
    for (int i = 0; i < 9; ++i) {
        auto* box = new QVBoxLayout;
        led_[i] = new Lampe(geraet);
        led_[i]->setObjectName(QString("LED%1").arg(i + 1));
        led_[i]->setAn(false);
        HilfetextSetzen(led_[i], Q(hilfe::LED));
        auto* l = new QLabel(QString::number(i + 1), geraet);
        l->setAlignment(Qt::AlignCenter);
        box->addWidget(led_[i], 0, Qt::AlignHCenter);
        box->addWidget(l);
        lampen->addLayout(box);
    }
    lampen->addStretch();
    text_ = new QLabel(geraet);
    text_->setObjectName("TEXT");
    text_->setMinimumWidth(200);
    text_->setWordWrap(true);
    gRaster->addWidget(idLesen_, 0, 0);
    gRaster->addWidget(new QLabel("ID", geraet), 0, 1);
    gRaster->addWidget(idString_, 0, 2, 1, 2);
    gRaster->addWidget(scann_, 1, 0);
    gRaster->addLayout(lampen, 1, 2);
    gRaster->addWidget(text_, 1, 3);
    gRaster->setColumnStretch(2, 1);
    spalte->addWidget(geraet);

    // Start/stop and the role of input 4.
    auto* steuerung = new QGroupBox("Steuerung", zentral);
    auto* sRaster = new QGridLayout(steuerung);
    start_ = new QPushButton("Start", steuerung);
    start_->setObjectName("START");
    HilfetextSetzen(start_, Q(hilfe::START));
    stopp_ = new QPushButton("Stopp", steuerung);
    stopp_->setObjectName("STOPP");
    HilfetextSetzen(stopp_, Q(hilfe::STOPP));
    eingang4Ein_ = new QPushButton("Eingang 4 -> Start/Stopp-Signal", steuerung);
    eingang4Ein_->setObjectName("STARTSTOPPEINGANGEIN");
    HilfetextSetzen(eingang4Ein_, Q(hilfe::EINGANG4EIN));
    eingang4Aus_ = new QPushButton("Eingang 4 -> Analogeingang", steuerung);
    eingang4Aus_->setObjectName("STARTSTOPPEINGANGAUS");
    HilfetextSetzen(eingang4Aus_, Q(hilfe::EINGANG4AUS));
    sRaster->addWidget(start_, 0, 0);
    sRaster->addWidget(stopp_, 0, 1);
    sRaster->addWidget(eingang4Ein_, 1, 0);
    sRaster->addWidget(eingang4Aus_, 1, 1);
    spalte->addWidget(steuerung);

    // Error register.
    auto* fehlerbits = new QGroupBox("DLM-7 Fehler", zentral);
    auto* fSpalte = new QVBoxLayout(fehlerbits);
    auto* fLampen = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        ledFehler_[i] = new Lampe(fehlerbits);
        ledFehler_[i]->setObjectName(QString("LED_FEHLER%1").arg(i));
        ledFehler_[i]->setFarbe(Lampe::Rot);
        HilfetextSetzen(ledFehler_[i], Q(hilfe::LED_FEHLER));
        fLampen->addWidget(ledFehler_[i]);
        fLampen->addWidget(new QLabel(Q(kFehlerbitTexte[i]), fehlerbits));
        fLampen->addSpacing(16);
    }
    fLampen->addStretch();
    fehlerabfrage_ = new QPushButton("Fehlerbits abfragen", fehlerbits);
    fehlerabfrage_->setObjectName("FEHLERABFRAGE");
    HilfetextSetzen(fehlerabfrage_, Q(hilfe::FEHLERABFRAGE));
    fehlerhilfe_ = new QPushButton("?", fehlerbits);
    fehlerhilfe_->setObjectName("FEHLERHILFE");
    fehlerhilfe_->setFixedWidth(32);
    HilfetextSetzen(fehlerhilfe_, Q(hilfe::FEHLERHILFE));
    auto* fKnoepfe = new QHBoxLayout;
    fKnoepfe->addWidget(fehlerabfrage_);
    fKnoepfe->addWidget(fehlerhilfe_);
    fKnoepfe->addStretch();
    pruefen_ = new QCheckBox("Nach dem Schreiben prüfen", fehlerbits);
    pruefen_->setObjectName("PRUEFEN");
    HilfetextSetzen(pruefen_, Q(hilfe::PRUEFEN));
    fSpalte->addLayout(fLampen);
    fSpalte->addLayout(fKnoepfe);
    fSpalte->addWidget(pruefen_);
    spalte->addWidget(fehlerbits);
    spalte->addStretch();

    auto* unten = new QHBoxLayout;
    direkthilfe_ = DirekthilfeKnopf();
    unten->addWidget(FehleranzeigeAnlegen(), 1);
    unten->addWidget(ZurueckKnopf("zurück zum &Hauptfenster"));
    unten->addWidget(direkthilfe_);
    spalte->addLayout(unten);
    InhaltSetzen(zentral);
}

void ComPanel::Verbinden() {
    connect(port_, &QComboBox::activated, this, [this] { PortSelect_Callback(); });
    connect(port_, &QComboBox::currentIndexChanged, this, [this] { PfadAnzeigen(); });
    connect(idLesen_, &QPushButton::clicked, this, [this] { IDLesen_Callback(); });
    connect(scann_, &QPushButton::clicked, this, [this] { Scann_Callback(); });
    connect(start_, &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(true, this);
    });
    connect(stopp_, &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(false, this);
    });
    connect(adresse_, &QComboBox::currentIndexChanged, this,
            [this] { dienst_.AdresseSetzen(adresse_->currentData().toChar().toLatin1()); });
    connect(&dienst_, &Geraetedienst::linkGeaendert, this, &ComPanel::LinkAnzeigen);
    connect(&dienst_, &Geraetedienst::wiederVerbunden, this,
            [this](int port) { text_->setText(QString("COM%1 wieder verbunden").arg(port)); });
    connect(&dienst_, &Geraetedienst::linkGeaendert, this, [this] {
        if (startErledigt_) linkBeruehrt_ = true;
    });
    // Which device could not be opened, and why, beside the catalogue text.
    connect(&dienst_, &Geraetedienst::oeffnungsMeldung, text_, &QLabel::setText);
    // A busy marker may have re-enabled a control the closed link dims.
    connect(&dienst_, &Geraetedienst::beschaeftigtGeaendert, this, [this](bool b) {
        if (!b) LinkAnzeigen(dienst_.offenerPort(), dienst_.getrennt());
    });
    connect(fehlerabfrage_, &QPushButton::clicked, this, [this] { Fehlerabfrage_Callback(); });
    connect(fehlerhilfe_, &QPushButton::clicked, this, [this] { StatusbitsHilfe_Callback(); });
    connect(pruefen_, &QCheckBox::toggled, this, [this](bool an) { dienst_.PruefenSetzen(an); });
    connect(eingang4Ein_, &QPushButton::clicked, this, [this] { StartStoppEingang_Callback(true); });
    connect(eingang4Aus_, &QPushButton::clicked, this, [this] { StartStoppEingang_Callback(false); });
}
