#pragma once
// "Konfiguration": full-scale range of each side and, per channel, the voltage
// span with the physical span and unit it maps onto. The fields are only an
// edit copy; gKonfig takes them over when the window is left.
#include "config/KonfigDaten.h"
#include "uisupport/Werkzeugfenster.h"

#include <array>
#include <functional>

class IniDatei;
class KonfigEinheitFeld;
class KonfigModell;
class KonfigZahlFeld;
class QComboBox;

class KonfigPanel : public Werkzeugfenster {
    Q_OBJECT
  public:
    KonfigPanel(KonfigModell& konfig, QWidget* eltern);

    int InitialisiereKonfigPanel();
    void ReadIniKonfigpanel(const IniDatei& ini);
    void WriteIniKonfigpanel(IniDatei& ini);

    // The record the fields describe (the model's where a field cannot hold a value).
    KonfigDaten AusPanel();
    void InPanel(const KonfigDaten& k);
    // Every field into the model's record, without the checks of leaving.
    void KonfigAusPanelLesen();

    // "Datei" menu operations: 0, or a code for QAV_Fehlerpopup.
    int KonfigurationSpeichern();
    // With a path (from the command line) the file dialog is skipped.
    int KonfigurationLaden(const QString& pfad = {});

    // Control callbacks (commit).
    void Hauptfenster_Callback();
    void Standardwerte_Callback();

    using Kanalfelder = std::array<KonfigZahlFeld*, kKanaele>;
    using Einheitfelder = std::array<KonfigEinheitFeld*, kKanaele>;

    // Controls, named as in the window, for the tests.
    QComboBox* AUSGANGSBEREICH = nullptr;
    Kanalfelder SPANNUNG_OUTMIN{}, SPANNUNG_OUTMAX{}, SKALAOUTMIN{}, SKALAOUTMAX{};
    Einheitfelder EINHEITOUT{};
    QComboBox* EINGANGSBEREICH = nullptr;
    Kanalfelder SPANNUNG_INMIN{}, SPANNUNG_INMAX{}, SKALAINMIN{}, SKALAINMAX{};
    Einheitfelder EINHEITIN{};
    QPushButton* STANDARDWERTE = nullptr;
    QPushButton* HAUPTFENSTER = nullptr;
    QToolButton* DIREKTHILFE = nullptr;
    VerbindungsBild* PICTURERING = nullptr;
    QAction* ladenAktion = nullptr;
    QAction* speichernAktion = nullptr;

    // "Fenster" menu: the chosen window first, then the fields are taken over.
    void FensterWechseln(FensterId ziel) override;

  private:
    struct Seitenfelder {
        QComboBox* bereich;
        Kanalfelder* min;
        Kanalfelder* max;
        Kanalfelder* skalamin;
        Kanalfelder* skalamax;
        Einheitfelder* einheit;
    };
    Seitenfelder Felder(Seite seite);
    QWidget* SeiteAnlegen(Seite seite, QWidget* eltern);
    // The fields as a record; false (and a popup, the model unchanged) if a
    // channel cannot be converted.
    bool PruefenOderMelden(KonfigDaten& neu);
    void DateiAktion(const std::function<int()>& aktion);

    KonfigModell& konfig_;
};
