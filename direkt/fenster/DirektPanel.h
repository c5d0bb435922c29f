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
    void Direktpanel_SkaliereElemente();

    // Controls, named as in the window, for the tests.
    std::array<Drehknopf*, kKanaele> AUSGANG{};
    std::array<Zahlfeld*, kKanaele> BEGRENZUNG{};
    QPushButton* AUSGAENGEAUFNULL = nullptr;
    std::array<Zeigerinstrument*, kKanaele> EINGANG{};
    std::array<Zahlfeld*, kKanaele> MIN{};
    std::array<Zahlfeld*, kKanaele> MAX{};
    QPushButton* MINMAXRESET = nullptr;
    QPushButton* ABFRAGEN = nullptr;
    Zahlfeld* ABTASTZEIT = nullptr;
    QTimer* TIMER = nullptr;
    std::array<QCheckBox*, kKanaele> PLOT{};
    Streifenschreiber* STRIPCHART = nullptr;
    Zahlfeld* ZOOMX = nullptr;
    Zahlfeld* ZOOMY = nullptr;
    QPushButton* DATEISPEICHERN = nullptr;
    Lampe* DATEISPEICHERNLED = nullptr;
    QToolButton* DIREKTHILFE = nullptr;

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
    void Aufbauen();
    void BildMenueAnlegen();
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
