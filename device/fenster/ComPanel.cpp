#include "device/fenster/ComPanel.h"

#include "device/Geraetedienst.h"
#include "device/PortSuche.h"
#include "device/PortTabelle.h"
#include "device/Qavksv5.h"
#include "device/Schreibpruefung.h"
#include "kern/IniDatei.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
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
#include <vector>

namespace {

constexpr unsigned char kModusEingang4 = 0x01;

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

int AdresseIndex(char adresse) { return adresse == '&' ? 9 : adresse - '1'; }

} // namespace

ComPanel::ComPanel(Geraetedienst& dienst, QWidget* eltern)
    : Werkzeugfenster("COM-Schnittstellen Einstellung", eltern), dienst_(dienst) {
    setObjectName("COMPNL");
    DateiMenueAbschliessen(false);

    auto* zentral = new QWidget(this);
    auto* spalte = new QVBoxLayout(zentral);
    spalte->setSpacing(10);

    // Link: port, address, picture.
    auto* verbindung = new QGroupBox("Verbindung", zentral);
    auto* vRaster = new QGridLayout(verbindung);
    PORT = new QComboBox(verbindung);
    PORT->setObjectName("PORT");
    PORT->addItem("not open", -1);
    for (int nr = 1; nr <= 8; ++nr) PORT->addItem(QString("COM%1").arg(nr), nr);
    PORT->setCurrentIndex(0);
    HilfetextSetzen(PORT, Q(hilfe::PORT));
    pfad_ = new QLabel(verbindung);
    pfad_->setObjectName("PORTPFAD");
    pfad_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PORTWAHL = new QToolButton(verbindung);
    PORTWAHL->setObjectName("PORTWAHL");
    PORTWAHL->setText(QString::fromUtf8("Gerät…"));
    PORTWAHL->setPopupMode(QToolButton::InstantPopup);
    PORTWAHL->setMenu(new QMenu(PORTWAHL));
    HilfetextSetzen(PORTWAHL, Q(hilfe::PORTWAHL));
    connect(PORTWAHL->menu(), &QMenu::aboutToShow, this, [this] { PortwahlFuellen(); });
    auto* pfadZeile = new QHBoxLayout;
    pfadZeile->addWidget(pfad_);
    pfadZeile->addWidget(PORTWAHL);
    pfadZeile->addStretch();
    ADRESSE = new QComboBox(verbindung);
    ADRESSE->setObjectName("ADRESSE");
    for (char c = '1'; c <= '9'; ++c) ADRESSE->addItem(QString(QChar(c)), QChar(c));
    ADRESSE->addItem("alle", QChar('&'));
    HilfetextSetzen(ADRESSE, Q(hilfe::ADRESSE));
    VerbindungsBild* bild = VerbindungsBildAnlegen();
    vRaster->addWidget(new QLabel("COM-Port", verbindung), 0, 0);
    vRaster->addWidget(PORT, 0, 1);
    vRaster->addLayout(pfadZeile, 0, 2);
    vRaster->addWidget(new QLabel("Adresse", verbindung), 1, 0);
    vRaster->addWidget(ADRESSE, 1, 1);
    vRaster->addWidget(bild, 0, 3, 2, 1, Qt::AlignRight);
    vRaster->setColumnStretch(2, 1);
    spalte->addWidget(verbindung);

    // Identity and scan.
    auto* geraet = new QGroupBox("Gerät", zentral);
    auto* gRaster = new QGridLayout(geraet);
    IDLESEN = new QPushButton("ID lesen", geraet);
    IDLESEN->setObjectName("IDLESEN");
    HilfetextSetzen(IDLESEN, Q(hilfe::IDLESEN));
    IDSTRING = new QLineEdit(geraet);
    IDSTRING->setObjectName("IDSTRING");
    IDSTRING->setReadOnly(true);
    HilfetextSetzen(IDSTRING, Q(hilfe::IDSTRING));
    SCANN = new QPushButton("Scann", geraet);
    SCANN->setObjectName("SCANN");
    HilfetextSetzen(SCANN, Q(hilfe::SCANN));
    auto* lampen = new QHBoxLayout;
    for (int i = 0; i < 9; ++i) {
        auto* box = new QVBoxLayout;
        LED[i] = new Lampe(geraet);
        LED[i]->setObjectName(QString("LED%1").arg(i + 1));
        LED[i]->setAn(false);
        HilfetextSetzen(LED[i], Q(hilfe::LED));
        auto* l = new QLabel(QString::number(i + 1), geraet);
        l->setAlignment(Qt::AlignCenter);
        box->addWidget(LED[i], 0, Qt::AlignHCenter);
        box->addWidget(l);
        lampen->addLayout(box);
    }
    lampen->addStretch();
    TEXT = new QLabel(geraet);
    TEXT->setObjectName("TEXT");
    TEXT->setMinimumWidth(200);
    TEXT->setWordWrap(true);
    gRaster->addWidget(IDLESEN, 0, 0);
    gRaster->addWidget(new QLabel("ID", geraet), 0, 1);
    gRaster->addWidget(IDSTRING, 0, 2, 1, 2);
    gRaster->addWidget(SCANN, 1, 0);
    gRaster->addLayout(lampen, 1, 2);
    gRaster->addWidget(TEXT, 1, 3);
    gRaster->setColumnStretch(2, 1);
    spalte->addWidget(geraet);

    // Start/stop and the role of input 4.
    auto* steuerung = new QGroupBox("Steuerung", zentral);
    auto* sRaster = new QGridLayout(steuerung);
    START = new QPushButton("Start", steuerung);
    START->setObjectName("START");
    HilfetextSetzen(START, Q(hilfe::START));
    STOPP = new QPushButton("Stopp", steuerung);
    STOPP->setObjectName("STOPP");
    HilfetextSetzen(STOPP, Q(hilfe::STOPP));
    STARTSTOPPEINGANGEIN = new QPushButton("Eingang 4 -> Start/Stopp-Signal", steuerung);
    STARTSTOPPEINGANGEIN->setObjectName("STARTSTOPPEINGANGEIN");
    HilfetextSetzen(STARTSTOPPEINGANGEIN, Q(hilfe::EINGANG4EIN));
    STARTSTOPPEINGANGAUS = new QPushButton("Eingang 4 -> Analogeingang", steuerung);
    STARTSTOPPEINGANGAUS->setObjectName("STARTSTOPPEINGANGAUS");
    HilfetextSetzen(STARTSTOPPEINGANGAUS, Q(hilfe::EINGANG4AUS));
    sRaster->addWidget(START, 0, 0);
    sRaster->addWidget(STOPP, 0, 1);
    sRaster->addWidget(STARTSTOPPEINGANGEIN, 1, 0);
    sRaster->addWidget(STARTSTOPPEINGANGAUS, 1, 1);
    spalte->addWidget(steuerung);

    // Error register.
    auto* fehlerbits = new QGroupBox("DLM-7 Fehler", zentral);
    auto* fSpalte = new QVBoxLayout(fehlerbits);
    auto* fLampen = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        LED_FEHLER[i] = new Lampe(fehlerbits);
        LED_FEHLER[i]->setObjectName(QString("LED_FEHLER%1").arg(i));
        LED_FEHLER[i]->setFarbe(Lampe::Rot);
        HilfetextSetzen(LED_FEHLER[i], Q(hilfe::LED_FEHLER));
        fLampen->addWidget(LED_FEHLER[i]);
        fLampen->addWidget(new QLabel(Q(kFehlerbitTexte[i]), fehlerbits));
        fLampen->addSpacing(16);
    }
    fLampen->addStretch();
    FEHLERABFRAGE = new QPushButton("Fehlerbits abfragen", fehlerbits);
    FEHLERABFRAGE->setObjectName("FEHLERABFRAGE");
    HilfetextSetzen(FEHLERABFRAGE, Q(hilfe::FEHLERABFRAGE));
    FEHLERHILFE = new QPushButton("?", fehlerbits);
    FEHLERHILFE->setObjectName("FEHLERHILFE");
    FEHLERHILFE->setFixedWidth(32);
    HilfetextSetzen(FEHLERHILFE, Q(hilfe::FEHLERHILFE));
    auto* fKnoepfe = new QHBoxLayout;
    fKnoepfe->addWidget(FEHLERABFRAGE);
    fKnoepfe->addWidget(FEHLERHILFE);
    fKnoepfe->addStretch();
    PRUEFEN = new QCheckBox("Nach dem Schreiben prüfen", fehlerbits);
    PRUEFEN->setObjectName("PRUEFEN");
    HilfetextSetzen(PRUEFEN, Q(hilfe::PRUEFEN));
    fSpalte->addLayout(fLampen);
    fSpalte->addLayout(fKnoepfe);
    fSpalte->addWidget(PRUEFEN);
    spalte->addWidget(fehlerbits);
    spalte->addStretch();

    auto* unten = new QHBoxLayout;
    DIREKTHILFE = DirekthilfeKnopf();
    unten->addWidget(FehleranzeigeAnlegen(), 1);
    unten->addWidget(ZurueckKnopf("zurück zum &Hauptfenster"));
    unten->addWidget(DIREKTHILFE);
    spalte->addLayout(unten);
    InhaltSetzen(zentral);

    connect(PORT, &QComboBox::activated, this, [this] { PortSelect_Callback(); });
    connect(PORT, &QComboBox::currentIndexChanged, this, [this] { PfadAnzeigen(); });
    connect(IDLESEN, &QPushButton::clicked, this, [this] { IDLesen_Callback(); });
    connect(SCANN, &QPushButton::clicked, this, [this] { Scann_Callback(); });
    connect(START, &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(true, this);
    });
    connect(STOPP, &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(false, this);
    });
    connect(ADRESSE, &QComboBox::currentIndexChanged, this,
            [this] { dienst_.AdresseSetzen(ADRESSE->currentData().toChar().toLatin1()); });
    connect(&dienst_, &Geraetedienst::linkGeaendert, this, &ComPanel::LinkAnzeigen);
    connect(&dienst_, &Geraetedienst::wiederVerbunden, this,
            [this](int port) { TEXT->setText(QString("COM%1 wieder verbunden").arg(port)); });
    connect(&dienst_, &Geraetedienst::linkGeaendert, this, [this] {
        if (startErledigt_) linkBeruehrt_ = true;
    });
    // Which device could not be opened, and why, beside the catalogue text.
    connect(&dienst_, &Geraetedienst::oeffnungsMeldung, TEXT, &QLabel::setText);
    // A busy marker may have re-enabled a control the closed link dims.
    connect(&dienst_, &Geraetedienst::beschaeftigtGeaendert, this, [this](bool b) {
        if (!b) LinkAnzeigen(dienst_.offenerPort(), dienst_.getrennt());
    });
    connect(FEHLERABFRAGE, &QPushButton::clicked, this, [this] { Fehlerabfrage_Callback(); });
    connect(FEHLERHILFE, &QPushButton::clicked, this, [this] { StatusbitsHilfe_Callback(); });
    connect(PRUEFEN, &QCheckBox::toggled, this, [this](bool an) { dienst_.PruefenSetzen(an); });
    connect(STARTSTOPPEINGANGEIN, &QPushButton::clicked, this, [this] { StartStoppEingang_Callback(true); });
    connect(STARTSTOPPEINGANGAUS, &QPushButton::clicked, this, [this] { StartStoppEingang_Callback(false); });
    LinkAnzeigen(dienst_.offenerPort(), dienst_.getrennt());
}

int ComPanel::CompanelInit() {
    TEXT->clear();
    return 0;
}

int ComPanel::CompanelClear() {
    if (scan_) scan_->Abbrechen();
    return 0;
}

void ComPanel::PortSetzen(int wert) {
    const int i = PORT->findData(wert);
    PORT->setCurrentIndex(i < 0 ? 0 : i);
}

void ComPanel::PfadAnzeigen() {
    const int nr = PORT->currentData().toInt();
    pfad_->setText(nr >= 1 ? QString::fromStdString(PortPfad(nr)) : QString());
    PORTWAHL->setEnabled(nr >= 1);
    for (int i = 1; i < PORT->count(); ++i) PORT->setItemData(i, QString::fromStdString(PortPfad(i)), Qt::ToolTipRole);
}

void ComPanel::LinkAnzeigen(int port, bool getrennt) {
    Werkzeugfenster::LinkAnzeigen(port, getrennt);
    PortSetzen(port);
    // Controls that need a box are usable exactly while a port is open.
    const bool offen = port != -1;
    for (QPushButton* b : {FEHLERABFRAGE, START, STOPP, STARTSTOPPEINGANGEIN, STARTSTOPPEINGANGAUS})
        b->setEnabled(offen);
    for (auto* l : LED_FEHLER) l->setEnabled(offen);
    PfadAnzeigen();
}

void ComPanel::PortSelect_Callback() {
    if (gHilfeAktiv) return;
    // Choosing the port in force again reopens it: the way back for a link
    // whose device returned under the same name. "not open" on a closed link
    // still clears the indicator, as any open does.
    const int gewuenscht = PORT->currentData().toInt();
    auto v = dienst_.Oeffnen(gewuenscht, this, [this](int r) {
        if (r != 0) PortSetzen(-1);
        dienst_.FehlerSetzen(r);
        LinkAnzeigen(dienst_.offenerPort(), dienst_.getrennt());
    });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, PORT));
}

void ComPanel::PortwahlFuellen() {
    QMenu* menue = PORTWAHL->menu();
    menue->clear();
    const int nr = PORT->currentData().toInt();
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
    const int nr = PORT->currentData().toInt();
    if (nr < 1) return;
    PortPfadSetzen(nr, pfad.toStdString());
    PfadAnzeigen();
    if (nr == dienst_.offenerPort()) PortSelect_Callback();
}

void ComPanel::IDLesen_Callback() {
    if (gHilfeAktiv) return;
    TEXT->setText("lese ID...");
    if (dienst_.offenerPort() != -1) IDSTRING->clear();
    auto v = dienst_.Ausfuehren(
        this,
        [](Auftrag& a) {
            std::pair<int, std::string> e{kComIdOhnePort, {}};
            if (a.port != -1) e.first = QAVKSV5_IDLesen(a.port, a.adresse, e.second);
            return e;
        },
        [this](std::pair<int, std::string> e) {
            if (e.first == 0) IDSTRING->setText(QString::fromLatin1(e.second.c_str()));
            dienst_.FehlerSetzen(e.first);
            TEXT->clear();
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, IDLESEN));
}

void ComPanel::Scann_Callback() {
    if (gHilfeAktiv) return;
    // A second press while the lamps fill up cancels after the current address.
    if (scan_) {
        scan_->Abbrechen();
        return;
    }
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(kComScanOhnePort);
        return;
    }
    IDSTRING->clear();
    SCANN->setText("Abbrechen");
    scanZuletzt_ = '0';
    scan_ = dienst_.Ausfuehren(
        this,
        [this](Auftrag& a) {
            if (a.port == -1) return kComScanOhnePort;
            for (char ziel = '1'; ziel <= '9'; ++ziel) {
                if (a.rueckmeldung.abbrechen && *a.rueckmeldung.abbrechen) break;
                a.aufGui([this, ziel] { TEXT->setText(QString::fromUtf8("Suche nach Gerät ") + QChar(ziel)); });
                std::string kennung;
                const int r = QAVKSV5_IDLesen(a.port, ziel, kennung);
                a.aufGui([this, ziel, r, kennung] { ScanLampe(ziel, r, kennung); });
            }
            return 0;
        },
        [this](int r) {
            ScanBeendet();
            dienst_.FehlerSetzen(r);
        });
    scan_->Begleiten(std::make_shared<Beschaeftigt>(this));
}

void ComPanel::ScanLampe(char adresse, int code, const std::string& kennung) {
    scanZuletzt_ = adresse;
    Lampe* lampe = LED[adresse - '1'];
    if (code != 0) {
        lampe->setAn(false);
    } else if (kennung.rfind("QAV-DLM7D", 0) == 0) {
        lampe->setFarbe(Lampe::Gruen);
        lampe->setAn(true);
        ADRESSE->setCurrentIndex(AdresseIndex(adresse));
        IDSTRING->setText(QString::fromLatin1(kennung.c_str()));
    } else {
        lampe->setFarbe(Lampe::Rot);
        lampe->setAn(true);
    }
}

void ComPanel::ScanBeendet() {
    // A cancelled scan leaves no lamp of an earlier one behind.
    for (char a = char(scanZuletzt_ + 1); a <= '9'; ++a) LED[a - '1']->setAn(false);
    scan_.reset();
    SCANN->setText("Scann");
    TEXT->clear();
}

void ComPanel::Fehlerabfrage_Callback() {
    if (gHilfeAktiv) return;
    for (QPushButton* b : {FEHLERABFRAGE, START, STOPP, STARTSTOPPEINGANGEIN, STARTSTOPPEINGANGAUS})
        b->setEnabled(true);
    for (auto* l : LED_FEHLER) l->setEnabled(true);
    dienst_.FehlerSetzen(0);
    auto v = dienst_.Ausfuehren(
        this,
        [](Auftrag& a) {
            std::pair<int, unsigned char> e{kComFehlerabfrageOhnePort, 0};
            if (a.port != -1) e.first = QAVKSV5_StatusLesen(a.port, a.adresse, 2, e.second);
            return e;
        },
        [this](std::pair<int, unsigned char> e) {
            if (e.first != 0) {
                dienst_.FehlerSetzen(e.first);
                return;
            }
            for (int i = 0; i < 5; ++i) LED_FEHLER[i]->setAn((e.second >> i) & 1);
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, FEHLERABFRAGE));
}

void ComPanel::StatusbitsHilfe_Callback() {
    if (gHilfeAktiv) return;
    QString text;
    for (int i = 0; i < 5; ++i)
        if (LED_FEHLER[i]->an()) text += Q(kFehlerbitTexte[i]) + "\n";
    dialoge().Meldung("Fehlerbits", text);
}

void ComPanel::StartStoppEingang_Callback(bool startStoppSignal) {
    if (gHilfeAktiv) return;
    dienst_.FehlerSetzen(0);
    auto v = dienst_.Ausfuehren(
        this,
        [startStoppSignal](Auftrag& a) {
            if (a.port == -1) return kComEingang4OhnePort;
            return QAVKSV5_ModusSchreiben(a.port, a.adresse, startStoppSignal, kModusEingang4);
        },
        [this](int r) {
            if (r != 0) dienst_.FehlerSetzen(r);
        });
    v->Begleiten(std::make_shared<Beschaeftigt>(this, startStoppSignal ? STARTSTOPPEINGANGEIN : STARTSTOPPEINGANGAUS));
}

void ComPanel::ReadIniCompanel(const IniDatei& ini) {
    long adresse = 49;
    if (ini.IntLesen("com", "adresse", adresse) != IniDatei::Ergebnis::Vorhanden ||
        !((adresse >= 49 && adresse <= 57) || adresse == 38))
        adresse = 49;
    ADRESSE->setCurrentIndex(AdresseIndex(char(adresse)));
    long pruefen = 0;
    pruefenGelesen_ = ini.IntLesen("com", "pruefen", pruefen) == IniDatei::Ergebnis::Vorhanden;
    PRUEFEN->setChecked(pruefenGelesen_ && pruefen != 0);

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
    if (PRUEFEN->isChecked() || pruefenGelesen_) ini.IntSetzen("com", "pruefen", PRUEFEN->isChecked() ? 1 : 0);
}
