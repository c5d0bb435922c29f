#pragma once
// "Direkte Ein-/Ausgabe": outputs set by hand, inputs polled on a timer, shown
// as gauges, extremes and a strip chart, and optionally logged to a file.
// The rules live in DirektKanaele, DirektGeraet and DatenProtokoll; this class
// only ties them to the controls.
#include "direkt/DatenProtokoll.h"
#include "direkt/DirektKanaele.h"
#include "uisupport/Werkzeugfenster.h"

#include <array>

struct Bildkopf;
class Drehknopf;
class Geraetedienst;
class IniDatei;
class KonfigModell;
class Lampe;
class QCheckBox;
class QPushButton;
class QTimer;
class QToolButton;
class Streifenschreiber;
class Zahlfeld;
class Zeigerinstrument;

class DirektPanel : public Werkzeugfenster {
    Q_OBJECT
  public:
    DirektPanel(Geraetedienst& dienst, const KonfigModell& konfig, QWidget* eltern);

    int DirektpanelInit();
    int DirektpanelClear();
    int AbbruchWeilDirektpanelNichtGespeichert();
    void ReadIniDirektpanel(const IniDatei& ini);
    void WriteIniDirektpanel(IniDatei& ini);

    // Life cycle: the functions above.
    void EinstellungenLesen(const IniDatei& ini) override { ReadIniDirektpanel(ini); }
    void EinstellungenSchreiben(IniDatei& ini) override { WriteIniDirektpanel(ini); }
    int Initialisieren() override { return DirektpanelInit(); }
    int Aufraeumen() override { return DirektpanelClear(); }
    // A log is written as it goes, so nothing here can hold the end up.
    int AbbruchWeilNichtGespeichert() override {
        AbbruchWeilDirektpanelNichtGespeichert();
        return 0;
    }
    void Direktpanel_SkaliereElemente();

    // Callbacks (commit, or every change for the knobs).
    void Ausgang_Callback(int kanal);
    void AusgaengeAufNull_Callback();
    void Abfragen_Callback();
    void DirektTimer_Callback();
    void Abtastzeit_Callback(double getippt);
    void MinMaxReset_Callback();
    void Traceauswahl_Callback(int kanal);
    void DirektZoom_Callback();
    void Menu_Direkt_Hilfe_Pins();

    // The operations behind them. Box traffic is submitted to the device
    // service; results reach the controls and the indicator when they arrive.
    void AusgangSetzen(int kanal);
    void AbfrageBeenden();
    // Ends polling as the toggle does: the log gets its closing line.
    void AbfrageAbschliessen();
    int ProtokollOeffnen();
    // "Grafik exportieren…" and "Drucken…" of the strip chart (DirektBildExport.cpp).
    int GrafikExportieren();
    int GrafikDrucken();

    const DirektZustand& zustand() const { return z_; }
    DatenProtokoll& protokoll() { return protokoll_; }
    bool abfrageLaeuft() const { return abfrageLaeuft_; }

    void FensterWechseln(FensterId ziel) override;

  private:
    // Controls; each carries its name in the window as object name, by which tests find it.
    std::array<Drehknopf*, kKanaele> ausgang_{};
    std::array<Zahlfeld*, kKanaele> begrenzung_{};
    QPushButton* ausgaengeAufNull_ = nullptr;
    std::array<Zeigerinstrument*, kKanaele> eingang_{};
    std::array<Zahlfeld*, kKanaele> min_{};
    std::array<Zahlfeld*, kKanaele> max_{};
    QPushButton* minMaxReset_ = nullptr;
    QPushButton* abfragen_ = nullptr;
    Zahlfeld* abtastzeit_ = nullptr;
    QTimer* timer_ = nullptr;
    std::array<QCheckBox*, kKanaele> plot_{};
    Streifenschreiber* stripchart_ = nullptr;
    Zahlfeld* zoomX_ = nullptr;
    Zahlfeld* zoomY_ = nullptr;
    QPushButton* dateiSpeichern_ = nullptr;
    Lampe* dateiSpeichernLed_ = nullptr;
    QToolButton* direkthilfe_ = nullptr;

    void Aufbauen();
    Bildkopf BildKopf() const;
    void Verbinden();
    void HilfetexteSetzen();
    void AbfragenAnzeigen(bool an);
    void Eingang4Freigeben(bool frei);
    void AusgangAuf(int kanal, double phys);
    void ChartSchritt();
    void AusgangSenden(int kanal);
    void AusgangZuruecknehmen(int kanal);
    void AusgaengeVorAbfrage(bool an);
    void AbfrageStarten();
    void EingaengeVerarbeiten(const Kanalwerte& werte, int gelesen, int code);

    Geraetedienst& dienst_;
    const KonfigModell& konfig_;
    DirektZustand z_;
    DatenProtokoll protokoll_;
    // Knob values waiting for the box: one write per output is on its way at
    // a time, and only the newest value follows it.
    std::array<bool, kKanaele> ausgangUnterwegs_{};
    std::array<std::optional<double>, kKanaele> ausgangWartend_{};
    // What the box last acknowledged, percent of each output's range.
    Kanalwerte angenommenProzent_{};
    // A tick while the previous poll is on the line is skipped; a poll that
    // returns after polling ended is dropped.
    bool abfrageLaeuft_ = false;
    int abfrageNr_ = 0;
};
