#pragma once
// The recorded response of "Kurvengenerator": "Aufzeichnen" starts the box
// and polls the chosen inputs, each recording is drawn over its curve (folded
// onto the first cycle), the achieved rate goes to the message line, and
// "Aufzeichnung speichern…" writes the CSV table. The panel owns it; it only
// reads the editor, so curves, undo rings and the changed flag stay alone.
// Menu and settings: KurvenAufzeichnungMenue.cpp.
#include "kurven/Aufzeichnung.h"

#include <QObject>
#include <QPointF>

#include <array>
#include <memory>
#include <vector>

class Eingangsabfrage;
class Geraetedienst;
class Graph;
class IniDatei;
class KonfigModell;
class KurvenPanel;
class QAction;
class QActionGroup;
class QMenu;

class KurvenAufzeichnungFenster : public QObject {
    Q_OBJECT
  public:
    // Settings of a recording: the input (0..3, -1 none) recorded for each
    // curve, the duration (0: until the box has played every cycle or
    // "Stopp") and the interval between rounds (0: as fast as the line allows).
    struct Einstellung {
        std::array<int, kurvengenerator::kKurvenzahl> eingang{0, 1, 2, 3};
        double dauer = 0.0;
        double intervall = 0.0;
    };
    static constexpr double kMaxDauer = 86400.0;
    static constexpr double kMaxIntervall = 60.0;

    KurvenAufzeichnungFenster(KurvenPanel& panel, Geraetedienst& dienst, KonfigModell& konfig, Graph& graph);
    ~KurvenAufzeichnungFenster() override;

    void EinstellungenLesen(const IniDatei& ini);
    void EinstellungenSchreiben(IniDatei& ini) const;
    const Einstellung& einstellung() const { return e_; }

    // Draws every recording again; the panel calls it after clearing its graph.
    void Zeichnen();
    // Ends a running recording without touching the box (window closed, program end).
    void Beenden();

    bool laeuft() const;
    // The last recording, or nullptr before the first.
    const kurvengenerator::Aufzeichnung* aufzeichnung() const { return aufzeichnung_.get(); }
    // What is drawn for curve k in graph coordinates, one line per cycle.
    const std::vector<std::vector<QPointF>>& zuege(int k) const { return zuege_[std::size_t(k)]; }
    // The colour of a recording over the current curve and over a background curve.
    static QColor Farbe(bool aktuell);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void MenueAnlegen();
    QMenu* WahlMenue(QMenu* eltern, const QString& titel, const char* name, const std::vector<double>& werte,
                     double* ziel);
    void EinstellungZeigen();
    void Aufzeichnen();
    void Stoppen();
    int Speichern();
    void RundeErhalten(const Eingangsrunde& r);
    void Beendet(int code);
    // Adds a round to the lines of the curves; with zeichnen also to the graph.
    void Aufnehmen(const Eingangsrunde& r, bool zeichnen);
    void ZugZeichnen(int k, std::size_t zyklus);
    void KnoepfeZeigen();

    KurvenPanel& panel_;
    Geraetedienst& dienst_;
    KonfigModell& konfig_;
    Graph& graph_;
    Eingangsabfrage* abfrage_;
    Einstellung e_;
    std::unique_ptr<kurvengenerator::Aufzeichnung> aufzeichnung_;
    std::array<std::vector<std::vector<QPointF>>, kurvengenerator::kKurvenzahl> zuege_;
    std::array<int, kurvengenerator::kKurvenzahl> letzterZyklus_{};
    // The graph's plots of each curve's cycles: one polyline, or one dot per
    // sample when a cycle holds too few samples for a line to follow the curve.
    std::array<std::vector<std::vector<int>>, kurvengenerator::kKurvenzahl> plots_;

    QAction* aufzeichnen_ = nullptr;
    QAction* stopp_ = nullptr;
    QAction* speichern_ = nullptr;
    std::array<QActionGroup*, kurvengenerator::kKurvenzahl> eingangWahl_{};
    QMenu* dauerMenue_ = nullptr;
    QMenu* intervallMenue_ = nullptr;
};
