#pragma once
// "COM-Schnittstellen Einstellung": owns the one serial link and the device
// address every other window uses.
#include "app/Werkzeugfenster.h"

#include <array>

class IniDatei;
class Lampe;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Codes for a closed link, returned before any traffic.
constexpr int kComIdOhnePort = -122232;
constexpr int kComScanOhnePort = -122233;
constexpr int kComStartOhnePort = -122234;
constexpr int kComStoppOhnePort = -122235;
constexpr int kComEingang4OhnePort = -122236;
constexpr int kComFehlerabfrageOhnePort = -122237;

// Number (1..8) of the open port, or -1.
int OffenerComPort();
// The address chosen in the connection window: '1'..'9', or '&' for all boxes.
char GeraeteAdresse();

// The link pictures of all six windows show the open port and toggle the link.
void VerbindungsBildAnmelden(VerbindungsBild* bild);
void ComPicture_Callback();
// Also the "Start"/"Stopp" buttons of the two curve windows.
void Start_Callback();
void Stopp_Callback();

class ComPanel : public Werkzeugfenster {
    Q_OBJECT
public:
    explicit ComPanel(QWidget* eltern);

    int CompanelInit();
    int CompanelClear();
    void ReadIniCompanel(const IniDatei& ini);
    void WriteIniCompanel(IniDatei& ini);

    Fehleranzeige* fehleranzeige() override { return fehler_; }
    VerbindungsBild* verbindungsBild() override { return bild_; }

    // Controls, named as in the window, for the shell and the tests.
    QComboBox* PORT = nullptr;
    QComboBox* ADRESSE = nullptr;
    QPushButton* IDLESEN = nullptr;
    QLineEdit* IDSTRING = nullptr;
    QPushButton* SCANN = nullptr;
    std::array<Lampe*, 9> LED{};
    QLabel* TEXT = nullptr;
    QPushButton* START = nullptr;
    QPushButton* STOPP = nullptr;
    QPushButton* FEHLERABFRAGE = nullptr;
    std::array<Lampe*, 5> LED_FEHLER{};
    QPushButton* FEHLERHILFE = nullptr;
    QPushButton* STARTSTOPPEINGANGEIN = nullptr;
    QPushButton* STARTSTOPPEINGANGAUS = nullptr;
    QToolButton* DIREKTHILFE = nullptr;

    // Control callbacks (commit).
    void PortSelect_Callback();
    void IDLesen_Callback();
    void Scann_Callback();
    void Fehlerabfrage_Callback();
    void StatusbitsHilfe_Callback();
    void StartStoppEingang_Callback(bool startStoppSignal);

    // The operations behind them.
    int ComPortOeffnen(int gewuenscht);
    void ComPortSchliessen();
    int ComIDLesen();
    int ComScann();
    int ComStart();
    int ComStopp();
    int ComStartStoppEingang(bool startStoppSignal);
    int ComFehlerabfrage();

    int letzterComPort() const;
    void LinkAnzeigen();  // PORT, the six pictures and the link-dependent dimming

private:
    void PortSetzen(int wert);
    void PfadAnzeigen();

    Fehleranzeige* fehler_ = nullptr;
    VerbindungsBild* bild_ = nullptr;
    QLabel* pfad_ = nullptr;
};
