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

    // Life cycle: the functions above.
    void EinstellungenLesen(const IniDatei& ini) override { ReadIniCompanel(ini); }
    void EinstellungenSchreiben(IniDatei& ini) override { WriteIniCompanel(ini); }
    int Initialisieren() override { return CompanelInit(); }
    int Aufraeumen() override { return CompanelClear(); }

    // Control callbacks (commit). Device work is submitted to the service;
    // its result reaches the controls and the indicator later.
    void PortSelect_Callback();
    void IDLesen_Callback();
    void Scann_Callback();
    void Fehlerabfrage_Callback();
    void StatusbitsHilfe_Callback();
    void StartStoppEingang_Callback(bool startStoppSignal);
    // Fills the menu of "Gerät…" with the devices present (done as it opens).
    void PortwahlFuellen();
    // Points the COM shown at pfad; an open link on it is reopened there.
    void PfadWaehlen(const QString& pfad);

    bool scanLaeuft() const { return scan_ != nullptr; }

    // The COM shown, the picture and the link-dependent dimming.
    void LinkAnzeigen(int port, bool getrennt = false) override;

  private:
    // Controls; each carries its name in the window as object name, by which tests find it.
    QComboBox* port_ = nullptr;
    QComboBox* adresse_ = nullptr;
    QPushButton* idLesen_ = nullptr;
    QLineEdit* idString_ = nullptr;
    QPushButton* scann_ = nullptr;
    std::array<Lampe*, 9> led_{};
    QLabel* text_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stopp_ = nullptr;
    QPushButton* fehlerabfrage_ = nullptr;
    std::array<Lampe*, 5> ledFehler_{};
    QPushButton* fehlerhilfe_ = nullptr;
    QCheckBox* pruefen_ = nullptr; // "Nach dem Schreiben prüfen"
    QPushButton* eingang4Ein_ = nullptr;
    QPushButton* eingang4Aus_ = nullptr;
    QToolButton* direkthilfe_ = nullptr;
    // Beside the device path: a menu of the serial devices present.
    QToolButton* portwahl_ = nullptr;

    void Aufbauen();
    void Verbinden();
    // Index of an address in the address ring ('&' is "alle").
    static int AdresseIndex(char adresse);
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
