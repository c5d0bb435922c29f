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

    // Life cycle: the functions above and "laden" for .dlo files.
    void EinstellungenLesen(const IniDatei& ini) override { ReadIniKonfigpanel(ini); }
    void EinstellungenSchreiben(IniDatei& ini) override { WriteIniKonfigpanel(ini); }
    // Its result has never stopped the start: the fields fall back to the defaults.
    int Initialisieren() override {
        InitialisiereKonfigPanel();
        return 0;
    }
    int Aufraeumen() override { return 0; } // the model outlives the window
    QStringList DateiEndungen() const override { return {"dlo"}; }
    int DateiOeffnen(const QString& pfad) override { return KonfigurationLaden(pfad); }

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

    // "Fenster" menu: the chosen window first, then the fields are taken over.
    void FensterWechseln(FensterId ziel) override;

  private:
    using Kanalfelder = std::array<KonfigZahlFeld*, kKanaele>;
    using Einheitfelder = std::array<KonfigEinheitFeld*, kKanaele>;

    // Controls; each carries its name in the window as object name, by which tests find it.
    QComboBox* ausgangsbereich_ = nullptr;
    Kanalfelder spannungOutMin_{}, spannungOutMax_{}, skalaOutMin_{}, skalaOutMax_{};
    Einheitfelder einheitOut_{};
    QComboBox* eingangsbereich_ = nullptr;
    Kanalfelder spannungInMin_{}, spannungInMax_{}, skalaInMin_{}, skalaInMax_{};
    Einheitfelder einheitIn_{};
    QPushButton* standardwerte_ = nullptr;
    QPushButton* hauptfenster_ = nullptr;
    QToolButton* direkthilfe_ = nullptr;
    QAction* ladenAktion_ = nullptr;
    QAction* speichernAktion_ = nullptr;

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
    // The range ring on volt: one of the three variants, or a fourth item for another value.
    static void BereichSetzen(QComboBox* ring, double volt);
    // The fields as a record; false (and a popup, the model unchanged) if a
    // channel cannot be converted.
    bool PruefenOderMelden(KonfigDaten& neu);
    void DateiAktion(const std::function<int()>& aktion);

    KonfigModell& konfig_;
};
