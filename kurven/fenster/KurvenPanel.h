#pragma once
// "Kurvengenerator": the four generator curves on twelve time bases. The
// window only shows the curve set and turns mouse events, menu picks and
// field commits into calls of the curve library (kurven/).
#include "kurven/KurvenAnsicht.h"
#include "kurven/KurvenMaus.h"
#include "kurven/KurvenMeldung.h"
#include "kurven/KurvenModell.h"
#include "uisupport/Kurvenfenster.h"

#include <QPointF>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace kg = kurvengenerator;

class Geraetedienst;
class Graph;
class IniDatei;
class KonfigModell;
class KurvenEingaben;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QScrollBar;
class Zahlfeld;

class KurvenPanel : public Kurvenfenster {
    Q_OBJECT
  public:
    enum class Befehl {
        Neu,
        Laden,
        Anhaengen,
        Speichern,
        SpeichernUnter,
        Importieren,
        Exportieren,
        CsvExportieren,
        Ausschneiden,
        Kopieren,
        Einfuegen,
        Loeschen,
        AllesMarkieren,
        Rueckgaengig,
        Wiederherstellen,
        ZoomPlus,
        ZoomMinus,
        ZoomMarkierung,
        ZoomGesamt,
    };
    // Display modes, as stored in the settings.
    enum Darstellung { LinienUndStufen = 3, NurLinien = 1, NurStufen = 2 };

    KurvenPanel(Geraetedienst& dienst, KonfigModell& konfig, QWidget* eltern);
    ~KurvenPanel() override;

    int KurvenpanelInit();
    int KurvenpanelClear();
    // 1 when the caller must stop, 0 to go on.
    int AbbruchWeilKurvenNichtGespeichert();
    void ReadIniKurvenpanel(const IniDatei& ini);
    void WriteIniKurvenpanel(IniDatei& ini);

    // Life cycle (KurvenLebenszyklus.cpp): the functions above and "laden" for .dlr files.
    void EinstellungenLesen(const IniDatei& ini) override;
    void EinstellungenSchreiben(IniDatei& ini) override;
    int Initialisieren() override;
    int Aufraeumen() override;
    int AbbruchWeilNichtGespeichert() override;
    QStringList DateiEndungen() const override;
    int DateiOeffnen(const QString& pfad) override;
    void Kurvenpanel_SkaliereYAchse();
    void KurvenZeichnen();
    void FensterTitelSetzen(const std::string& pfad);

    // The file operations of the "Datei" menu: 0 or an error code.
    // With a path (from the command line) the file dialog is skipped.
    int KurvenLadenMenue(const QString& pfad = {});
    int KurvenAnhaengenMenue();
    int KurvenSpeichernMenue(bool unter);
    int KurvenImportierenMenue();
    int KurvenExportierenMenue();
    int TabelleExportierenMenue();

    // Replaces the modal inputs (comment, point and segment dialogs, time-base popup).
    void EingabenSetzen(std::unique_ptr<KurvenEingaben> e);

    // What the window holds and shows.
    kg::Kurvensatz& satz() { return satz_; }
    const kg::Ansicht& ansicht() const { return ansicht_; }
    void AnsichtSetzen(const kg::Ansicht& a);
    Graph* graph() const { return graph_; }
    Graph* uebersicht() const { return uebersicht_; }
    QAction* aktion(Befehl b) const;
    QAction* modusAktion(kg::Bearbeitungsmodus m) const { return modi_[std::size_t(m)]; }
    QAction* kurvenAktion(int k) const { return kurvenWahl_[std::size_t(k)]; }
    QAction* hintergrundAktion(int k) const { return hintergrundWahl_[std::size_t(k)]; }
    QAction* darstellungAktion(int d) const { return darstellungWahl_[std::size_t(d - 1)]; }
    QComboBox* zeitbasisRing() const { return ring_; }
    QScrollBar* scrollbalken() const { return scroll_; }
    Zahlfeld* zyklenFeld() const { return zyklen_; }
    Zahlfeld* ruheFeld() const { return ruhe_; }
    Zahlfeld* yRasterFeld() const { return yRaster_; }
    Zahlfeld* yMinFeld() const { return yMin_; }
    Zahlfeld* yMaxFeld() const { return yMax_; }
    QLineEdit* kommentarZeile() const { return kommentarZeile_; }
    QLabel* ruheBeschriftung() const { return ruheText_; }
    QProgressBar* speicheranzeige() const { return speicher_; }
    QListWidget* zeitbasisListe() const { return zeitbasisListe_; }
    QPushButton* sendenKnopf() const { return senden_; }
    QPushButton* lesenKnopf() const { return lesen_; }
    QPushButton* kommentarKnopf() const { return kommentarKnopf_; }
    int darstellung() const { return darstellung_; }
    bool hintergrund(int k) const { return hintergrund_[std::size_t(k)]; }
    kg::Bearbeitungsmodus modus() const { return modus_; }

    // The buttons "zur DLM-7 schreiben" and "von DLM-7 lesen".
    void KurveSenden();
    void KurveLesen();
    void KurveWaehlen(int k);
    void ModusWaehlen(kg::Bearbeitungsmodus m);
    void Ausfuehren(Befehl b);

  private:
    // Construction (KurvenAufbau.cpp, KurvenMenues.cpp).
    void Aufbauen();
    QWidget* SeitenleisteAnlegen();
    void MenuesAnlegen();
    void BearbeitenMenueAnlegen();
    void AnsichtMenueAnlegen();
    void HilfetexteSetzen();
    // In help mode: shows text and returns true; the caller then does nothing.
    bool HilfeStatt(const char* text);

    // Drawing (KurvenGrafik.cpp).
    void KurveZeichnen(int k, bool hinten);
    void UebersichtZeichnen(int k, bool hinten);
    void MarkierungZeichnen();
    void MarkierungEntfernen();
    void ZeitbasisMarkenZeichnen();
    void VorschauEntfernen();
    void VorschauLinie(double x0, double y0, double x1, double y1);
    void VorschauPunkt(double x, double y);
    void ScrollbalkenAktualisieren();
    void Gescrollt(int wert);
    void SpeicheranzeigeAktualisieren();
    void YZoomGeaendert(bool maxFeld, double getippt);

    // Mouse (KurvenMausFenster.cpp).
    void Gedrueckt(QPointF wo, Qt::MouseButton taste);
    void Gezogen(QPointF wo, Qt::MouseButtons tasten);
    void Losgelassen(QPointF wo, Qt::MouseButton taste);
    void Ziehen(QPointF wo, bool erstes);
    void KoordinatenZeigen(double x, double y);
    int Naechster(QPointF wo) const;
    QPoint MausGlobal() const;

    // Results and state shown after an operation.
    void MeldungenZeigen(const kg::Meldungen& m);
    // After an edit: messages, redraw, scroll bar and the undo/redo enabling.
    void Bearbeitet(const kg::Bearbeitung& b, bool scrollen = true);
    void UndoAnzeigen();
    void KurvenwerteAnzeigen();
    void KommentarAnzeigen();
    void Kommentar_Callback();
    void ZyklenUndRuhezustand_Callback(bool ruheFeld, double getippt);
    void YRasterUebernehmen();
    void DarstellungWaehlen(int d);
    void HintergrundUmschalten(int k);
    void ZoomBefehl(Befehl b);
    void NachDateiLaden();

    Geraetedienst& dienst_;
    KonfigModell& konfig_;
    std::unique_ptr<KurvenEingaben> eingaben_;

    kg::Kurvensatz satz_;
    kg::Ansicht ansicht_;
    int darstellung_ = LinienUndStufen;
    std::array<bool, kg::kKurvenzahl> hintergrund_{};
    kg::Bearbeitungsmodus modus_ = kg::Bearbeitungsmodus::Zeichnen;
    bool zeitbasisMarken_ = false;

    // Mouse state between press and release.
    bool zieht_ = false;
    int gewaehlterPunkt_ = -1; // "Punkt verschieben": picked on the first drag
    // Where the coordinate display points, so it follows a change of curve.
    std::optional<QPointF> koordinatenBei_;

    // Plot handles that are removed on their own.
    std::vector<int> markenPlots_;
    std::vector<int> vorschauPlots_;

    Graph* graph_ = nullptr;
    Graph* uebersicht_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QLineEdit* kommentarZeile_ = nullptr;
    QPushButton* kommentarKnopf_ = nullptr;
    Zahlfeld* zyklen_ = nullptr;
    Zahlfeld* ruhe_ = nullptr;
    QLabel* ruheText_ = nullptr;
    std::array<QLineEdit*, 5> koordinaten_{}; // h, min, s, ms, value
    QLabel* wertText_ = nullptr;
    QListWidget* zeitbasisListe_ = nullptr;
    Zahlfeld* yRaster_ = nullptr;
    Zahlfeld* yMin_ = nullptr;
    Zahlfeld* yMax_ = nullptr;
    QProgressBar* speicher_ = nullptr;
    QPushButton* senden_ = nullptr;
    QPushButton* lesen_ = nullptr;
    QComboBox* ring_ = nullptr;

    std::vector<std::pair<Befehl, QAction*>> befehle_;
    std::array<QAction*, 9> modi_{};
    std::array<QAction*, kg::kKurvenzahl> kurvenWahl_{};
    std::array<QAction*, kg::kKurvenzahl> hintergrundWahl_{};
    std::array<QAction*, 3> darstellungWahl_{};
};
