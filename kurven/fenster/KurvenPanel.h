#pragma once
// "Kurvengenerator": the four generator curves on twelve time bases. The
// editor (kurven/KurvenEditor.h) holds everything the window shows; the
// window turns mouse events, menu picks and field commits into its commands,
// and every view follows the editor's announcements in Zeigen alone.
//
// Files by responsibility: KurvenPanel.cpp life cycle and settings,
// KurvenAnzeige.cpp the views, KurvenGrafik.cpp the graphs,
// KurvenAnsichtBefehle.cpp view, zoom and curve choice, KurvenParameter.cpp the
// curve's fields, KurvenMausFenster.cpp mouse editing, KurvenDateien.cpp file
// actions, KurvenUebertragung.cpp device actions, KurvenMenues.cpp menus and
// toolbar, KurvenAufbau.cpp the layout; KurvenAufzeichnungFenster the recorded
// response of the box.
#include "kurven/KurvenEditor.h"
#include "uisupport/Bildexport.h"
#include "uisupport/Kurvenfenster.h"

#include <QPointF>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kg = kurvengenerator;

class Geraetedienst;
class Graph;
class IniDatei;
class KonfigModell;
class KurvenAufzeichnungFenster;
class KurvenEingaben;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QListWidget;
class QMenu;
class Vorgang;
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
    enum Darstellung { LinienUndStufen = kg::LinienUndStufen, NurLinien = kg::NurLinien, NurStufen = kg::NurStufen };

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

    // "Kurven laden"; with a path (from the command line) the file dialog is skipped. 0 or an error code.
    int KurvenLadenMenue(const QString& pfad = {});
    // "Grafik exportieren…" and "Drucken…" (KurvenBildExport.cpp).
    int GrafikExportieren();
    int GrafikDrucken();

    // Replaces the modal inputs (comment, point and segment dialogs, time-base popup).
    void EingabenSetzen(std::unique_ptr<KurvenEingaben> e);

    // What the window shows, and the commands it offers.
    kg::KurvenEditor& editor() { return editor_; }
    const kg::Kurvensatz& satz() const { return editor_.satz(); }
    const kg::Ansicht& ansicht() const { return editor_.ansicht(); }
    // A menu command as picked outside help mode; errors are shown.
    void Ausfuehren(Befehl b);

    // Object names of the menu entries (KurvenNamen.cpp); their toolbar buttons are the same actions.
    static const char* Name(Befehl b);
    static const char* Name(kg::Bearbeitungsmodus m);
    static QString KurvenName(int k);      // "Kurve bearbeiten", k = 0..3
    static QString HintergrundName(int k); // "Im Hintergrund zeigen", k = 0..3
    static const char* DarstellungsName(int d);

  private:
    QAction* aktion(Befehl b) const;
    QAction* modusAktion(kg::Bearbeitungsmodus m) const { return modi_[std::size_t(m)]; }
    QAction* kurvenAktion(int k) const { return kurvenWahl_[std::size_t(k)]; }
    QAction* hintergrundAktion(int k) const { return hintergrundWahl_[std::size_t(k)]; }
    QAction* darstellungAktion(int d) const { return darstellungWahl_[std::size_t(d - 1)]; }

    // A menu command: 0 or the code its popup shows.
    using Handler = std::function<int()>;

    // Construction (KurvenAufbau.cpp, KurvenMenues.cpp).
    void Aufbauen();
    QWidget* SeitenleisteAnlegen();
    void MenuesAnlegen();
    void AnsichtMenueAnlegen();
    void HilfetexteSetzen();

    // The views (KurvenAnzeige.cpp): everything shown follows the editor here.
    void Zeigen(kg::Aenderungen a);
    void FelderZeigen(bool alle);
    void EinheitenZeigen();
    void AuswahlZeigen();
    void ScrollbalkenAktualisieren();
    void SpeicheranzeigeAktualisieren();
    void KoordinatenZeigen(double x, double y);

    // Graphs (KurvenGrafik.cpp).
    void KurvenZeichnen();
    void KurveZeichnen(int k, bool hinten);
    void UebersichtZeichnen(int k, bool hinten);
    void MarkierungZeichnen();
    void MarkierungEntfernen();
    void ZeitbasisMarkenZeichnen();
    void VorschauEntfernen();
    void VorschauLinie(double x0, double y0, double x1, double y1);
    void VorschauPunkt(double x, double y);

    // View, zoom and choices (KurvenAnsichtBefehle.cpp).
    void Gescrollt(int wert);
    void KurveWaehlen(int k);

    // The curve's fields (KurvenParameter.cpp).
    void YZoomGeaendert(bool maxFeld, double getippt);
    void ZyklenUndRuhezustand_Callback(bool ruheFeld, double getippt);
    void Kommentar_Callback();

    // Mouse (KurvenMausFenster.cpp).
    void Gedrueckt(QPointF wo, Qt::MouseButton taste);
    void Gezogen(QPointF wo, Qt::MouseButtons tasten);
    void Losgelassen(QPointF wo, Qt::MouseButton taste);
    void Ziehen(QPointF wo, bool erstes);
    int Naechster(QPointF wo) const;

    // Files (KurvenDateien.cpp): 0 or an error code.
    int NeuMenue();
    int KurvenAnhaengenMenue();
    int KurvenSpeichernMenue(bool unter);
    int KurvenImportierenMenue();
    int KurvenExportierenMenue();
    int TabelleExportierenMenue();
    void KonfigNachLaden(const kg::LadeErgebnis& e);

    // Device (KurvenUebertragung.cpp): "zur DLM-7 schreiben", "von DLM-7 lesen".
    void KurveSenden();
    void KurveLesen();
    // The progress dialog of a transfer, modal to this window, whose "Abbrechen" stops it between blocks.
    static void FortschrittBegleiten(const std::shared_ptr<Vorgang>& v, const char* titel, bool schreiben,
                                     QWidget* fenster);

    // "Mit DLM-7 vergleichen" (KurvenVergleichFenster.cpp): the box's curve
    // behind the current one, its differing samples marked.
    struct Vergleichsbild;
    void VergleichMenueAnlegen(QMenu* menue);
    void MitBoxVergleichen();
    void VergleichSetzen(std::shared_ptr<const Vergleichsbild> v);
    void VergleichZeichnen();

    // Shows what an operation wants shown; returns 0 for the menu.
    void MeldungenZeigen(const kg::Meldungen& m);
    int Bearbeitet(const kg::Bearbeitung& b);

    // Picture export and print (KurvenBildExport.cpp).
    Bildkopf BildKopf() const;
    void BildZeichnen(QPainter& p, QSize groesse, double strich, bool ganz);

    Geraetedienst& dienst_;
    KonfigModell& konfig_;
    std::unique_ptr<KurvenEingaben> eingaben_;
    kg::KurvenEditor editor_;

    // Mouse state between press and release.
    bool zieht_ = false;
    int gewaehlterPunkt_ = -1; // "Punkt verschieben": picked on the first drag
    // Where the coordinate display points, so it follows a change of curve or points.
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

    struct Menuebefehl {
        Befehl befehl;
        QAction* aktion;
        Handler ausfuehren;
    };
    std::vector<Menuebefehl> befehle_;
    std::array<QAction*, 9> modi_{};
    std::array<QAction*, kg::kKurvenzahl> kurvenWahl_{};
    std::array<QAction*, kg::kKurvenzahl> hintergrundWahl_{};
    std::array<QAction*, 3> darstellungWahl_{};

    std::shared_ptr<const Vergleichsbild> vergleich_;
    unsigned vergleichErsetzt_ = 0; // the editor's count of replaced curve sets at the comparison
    QAction* vergleichAusblenden_ = nullptr;
    // The recorded response (KurvenAufzeichnungFenster.cpp), drawn over the curves.
    KurvenAufzeichnungFenster* aufzeichnung_ = nullptr;
};
