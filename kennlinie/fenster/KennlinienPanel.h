#pragma once
// "Kennlinienregler": draws and edits the characteristic curve, keeps it in
// files and moves it to and from the box's seven slots. Every rule lives in
// the kennlinie library; this class builds the controls, forwards the user's
// actions to it and shows the results. Its member functions are spread over
// several files: building (KennlinienAufbau), menus and toolbar
// (KennlinienMenues), graphs (KennlinienGrafik), mouse editing
// (KennlinienMaus), files (KennlinienDateien) and transfer (KennlinienTransfer).
#include "kennlinie/KennlinieAnsicht.h"
#include "kennlinie/KennlinieBearbeiten.h"
#include "kennlinie/fenster/KennlinienDialoge.h"
#include "uisupport/Kurvenfenster.h"

#include <QPointF>
#include <QPointer>

#include <array>
#include <memory>
#include <vector>

class Geraetedienst;
class Graph;
class IniDatei;
class KonfigModell;
class QActionGroup;
class QLabel;
class QLineEdit;
class QScrollBar;
class QToolButton;
class Speicheruebersicht;
class Zahlfeld;
struct Uebertragung;
class Vorgang;

class KennlinienPanel : public Kurvenfenster {
    Q_OBJECT
  public:
    // The seven edit modes, in menu order.
    enum class Modus { Markieren, Zeichnen, Verschieben, KoordinatenAendern, KoordinatenAnzeigen, Aufloesen, Teilen };
    static constexpr int kModi = 7;
    // Display modes as stored under "darstellung".
    enum Darstellung { Linien = 1, Stufen = 2, LinienUndStufen = 3 };
    // Commands of the menus "Datei" and "Bearbeiten".
    enum class Befehl {
        Neu,
        Laden,
        Speichern,
        SpeichernUnter,
        Importieren,
        Exportieren,
        CsvExportieren,
        AllesMarkieren,
        Rueckgaengig,
        Wiederherstellen,
        ZoomPlus,
        ZoomMinus,
        ZoomMarkierung,
        ZoomGesamt,
    };
    // Number fields: the coordinate displays and the inputs.
    enum class Feld { X, Y, XRaster, YRaster, YZoomMax, YZoomMin, Begrenzung, Anstiegszeit, KurvenNr };
    enum class Knopf { Kommentar, Schreiben, Lesen, Ausgang4 };

    KennlinienPanel(Geraetedienst& dienst, KonfigModell& konfig, QWidget* eltern);
    ~KennlinienPanel() override;

    int KennlinienpanelInit();
    int KennlinienpanelClear();
    int AbbruchWeilKennlinieNichtGespeichert();
    void ReadIniKennlinienpanel(const IniDatei& ini);
    void WriteIniKennlinienpanel(IniDatei& ini);
    // Relabels the axes, the Y-zoom fields and the fixed value of output 2
    // from the configuration in force; draws nothing.
    void Kennlinienpanel_SkaliereYAchse();

    // State and controls, for the shell and the tests.
    KennlinienEditor& editor() { return editor_; }
    const Ansicht& ansicht() const { return ansicht_; }
    QString dateiname() const { return dateiname_; }
    int darstellung() const { return darstellung_; }
    Modus modus() const { return modus_; }
    Graph* graph() const { return graph_; }
    Graph* graphKlein() const { return klein_; }
    QScrollBar* rollbalken() const { return rollbalken_; }
    Zahlfeld* feld(Feld f) const { return felder_[std::size_t(f)]; }
    QLabel* begrenzungText() const { return begrenzungText_; }
    QLineEdit* kommentarVorschau() const { return vorschau_; }
    QPushButton* knopf(Knopf k) const { return knoepfe_[std::size_t(k)]; }
    QAction* aktion(Befehl b) const { return befehle_[std::size_t(b)]; }
    QAction* modusAktion(Modus m) const { return modi_[std::size_t(m)]; }
    QAction* darstellungsAktion(int d) const { return darstellungen_[std::size_t(d - 1)]; }
    QToolButton* darstellungsKnopf(int d) const { return darstellungsKnoepfe_[std::size_t(d - 1)]; }
    KommentarFenster* kommentarFenster() const { return kommentarFenster_; }
    PunktFenster* punktFenster() const { return punktFenster_; }

    // The curve's unsaved changes: the editor's flag and the frame's.
    bool ungespeichert() const { return geaendert() || editor_.geaendert; }

    // What the menu entries do, outside help mode; file operations return 0
    // or the code the menu shows in the error popup.
    int KurveNeu();
    // With a path (from the command line) the file dialog is skipped.
    int DateiLaden(const QString& pfad = {});
    int DateiSpeichern(bool unter);
    int DateiImportieren();
    int DateiExportieren();
    int TabelleExportieren();
    void Befehlen(Befehl b);
    void ModusWaehlen(Modus m);
    void DarstellungWaehlen(int d);
    void KommentarBearbeiten();
    void KennlinieSchreiben();
    void KennlinieLesen();
    void Ausgang4Waehlen();
    // "DLM-7 Speicherübersicht…": opens the overview and reads the slots (KennlinienSpeicher).
    void SpeicheruebersichtOeffnen();
    Speicheruebersicht* speicheruebersicht() const;
    QAction* speicheruebersichtAktion() const { return uebersichtAktion_; }

    // Redraw after a change of curve, view or display mode.
    void Neuzeichnen();

  private:
    // Building (KennlinienAufbau.cpp).
    void SteuerelementeAnlegen();
    QWidget* SeitenleisteAnlegen();
    Zahlfeld* FeldAnlegen(Feld f, const char* name, const char* hilfe);
    // Menus and toolbar (KennlinienMenues.cpp).
    void MenuesAnlegen();
    QAction* Eintrag(QMenu* menue, const QString& text, const char* bild, const QString& tipp, const char* hilfe,
                     bool leiste);
    void DarstellungAnzeigen();
    void RueckgaengigAnzeigen();
    // Graphs (KennlinienGrafik.cpp).
    void AchsenBeschriften();
    void KurveZeichnen();
    void UebersichtZeichnen();
    void MarkeZeichnen();
    void VorschauLoeschen();
    void RollbalkenAnzeigen();
    void Gerollt(bool ende);
    void YZoomGeaendert();
    void FelderFormatieren();
    void GanzeKurveZeigen();
    // Mouse editing (KennlinienMaus.cpp).
    void GraphGedrueckt(QPointF wo);
    void GraphGezogen(QPointF wo);
    void GraphLosgelassen(QPointF wo);
    void Position(QPointF wo);
    void PunktFensterOeffnen(QPointF wo);
    void PunktFensterFertig(bool ok);
    void KoordinatenZeigen(double x, double y);
    void Ausgefuehrt(const Bearbeitung& b);
    // Files (KennlinienDateien.cpp).
    void DateinameSetzen(const QString& pfad);
    void KommentarZeigen();
    void KommentarFertig(bool ok);
    void Gespeichert();
    // Transfer (KennlinienTransfer.cpp).
    void Melden(const Uebertragung& u);
    void FortschrittZeigen(const std::shared_ptr<Vorgang>& v, const char* titel);

    // Help mode: shows text at the pointer and returns true, so the caller stops.
    bool HilfeStatt(const char* text);
    // Marks that the curve changed; the point dialog then no longer applies.
    void KurveGeaendert();

    Geraetedienst& dienst_;
    KonfigModell& konfig_;

    KennlinienEditor editor_;
    Ansicht ansicht_;
    int darstellung_ = LinienUndStufen;
    Modus modus_ = Modus::Zeichnen;
    QString dateiname_;
    unsigned stand_ = 0; // counts changes of the points

    Graph* graph_ = nullptr;
    Graph* klein_ = nullptr;
    QScrollBar* rollbalken_ = nullptr;
    bool rollt_ = false; // a scroll is under way
    bool rollbalkenSetzen_ = false;
    QLineEdit* vorschau_ = nullptr;
    QLabel* begrenzungText_ = nullptr;
    std::array<Zahlfeld*, 9> felder_{};
    std::array<QPushButton*, 4> knoepfe_{};
    std::array<QAction*, 14> befehle_{};
    std::array<QAction*, kModi> modi_{};
    std::array<QAction*, 3> darstellungen_{};
    std::array<QToolButton*, 3> darstellungsKnoepfe_{};
    QActionGroup* modusGruppe_ = nullptr;
    QActionGroup* darstellungsGruppe_ = nullptr;

    // Plot handles: the two mark rectangles and the edit preview.
    int markeGross_ = 0;
    int markeKlein_ = 0;
    std::vector<int> vorschauPlots_;

    QPointer<KommentarFenster> kommentarFenster_;
    QPointer<PunktFenster> punktFenster_;
    int punktImFenster_ = -1;
    unsigned standImFenster_ = 0;
    int punktMarke_ = 0;

    QPointer<Speicheruebersicht> uebersicht_;
    QAction* uebersichtAktion_ = nullptr;
};
