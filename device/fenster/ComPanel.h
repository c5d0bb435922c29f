#pragma once
// "COM-Schnittstellen Einstellung": chooses the serial link and the device
// address that the device service holds for every window, scans for boxes,
// reads identity and error bits, starts and stops the box.
#include "uisupport/Werkzeugfenster.h"

#include <array>
#include <memory>
#include <string>

class Geraetedienst;
class Vorgang;
class IniDatei;
class Lampe;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Codes for a closed link, returned before any traffic.
constexpr int kComIdOhnePort = -122232;
constexpr int kComScanOhnePort = -122233;
constexpr int kComEingang4OhnePort = -122236;
constexpr int kComFehlerabfrageOhnePort = -122237;

class ComPanel : public Werkzeugfenster {
    Q_OBJECT
  public:
    ComPanel(Geraetedienst& dienst, QWidget* eltern);

    int CompanelInit();
    int CompanelClear();
    void ReadIniCompanel(const IniDatei& ini);
    void WriteIniCompanel(IniDatei& ini);

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
    QCheckBox* PRUEFEN = nullptr; // "Nach dem Schreiben prüfen"
    QPushButton* STARTSTOPPEINGANGEIN = nullptr;
    QPushButton* STARTSTOPPEINGANGAUS = nullptr;
    QToolButton* DIREKTHILFE = nullptr;
    // Beside the device path: a menu of the serial devices present.
    QToolButton* PORTWAHL = nullptr;

    // Control callbacks (commit). Device work is submitted to the service;
    // its result reaches the controls and the indicator later.
    void PortSelect_Callback();
    void IDLesen_Callback();
    void Scann_Callback();
    void Fehlerabfrage_Callback();
    void StatusbitsHilfe_Callback();
    void StartStoppEingang_Callback(bool startStoppSignal);
    // Fills PORTWAHL's menu with the devices present (done as it opens).
    void PortwahlFuellen();
    // Points the COM shown in PORT at pfad; an open link on it is reopened there.
    void PfadWaehlen(const QString& pfad);

    bool scanLaeuft() const { return scan_ != nullptr; }

    // PORT, the picture and the link-dependent dimming.
    void LinkAnzeigen(int port, bool getrennt = false) override;

  private:
    void PortSetzen(int wert);
    void PfadAnzeigen();
    void ScanLampe(char adresse, int code, const std::string& kennung);
    void ScanBeendet();

    Geraetedienst& dienst_;
    QLabel* pfad_ = nullptr;
    std::shared_ptr<Vorgang> scan_;
    char scanZuletzt_ = '0';
    // The port the settings asked for at start-up. While it could not be
    // opened and nobody touched the link since, it is what gets saved again:
    // a second copy of the program, or an adapter plugged in late, must not
    // turn the user's port into "not open" for the next start.
    int startPort_ = -1;
    bool startErledigt_ = false;
    bool linkBeruehrt_ = false;
    bool pruefenGelesen_ = false; // the settings file had the key "pruefen"
};
