#pragma once
// View and zoom: the large graph with its scroll bar, the overview, and the
// "Grafik" fields (coordinates, raster, Y zoom). Everything here is drawn
// from the editor's state when it announces a change; a scroll or a Y zoom
// entry goes to the editor as a command.
#include "kennlinie/KennlinieBearbeiten.h"
#include "kennlinie/KennlinienEditor.h"
#include "kennlinie/fenster/KennlinienKontext.h"

#include <QObject>
#include <QPointF>

#include <functional>
#include <optional>
#include <vector>

class Graph;
class QGroupBox;
class QLayout;
class QScrollBar;
class Zahlfeld;

class KennlinienGrafik : public QObject {
  public:
    explicit KennlinienGrafik(KennlinienKontext k);

    // The two graphs with the scroll bar between them, and the side group.
    QLayout* GraphenAnlegen();
    QGroupBox* GruppeAnlegen(QWidget* eltern);

    void Zeigen(Aenderungen a);

    Graph* graph() const { return graph_; }
    Raster raster() const;
    Plotflaeche flaeche() const;

    // The preview of an edit under way; every redraw removes it.
    void VorschauLinie(QPointF von, QPointF bis);
    void VorschauPunkt(QPointF p);
    void VorschauLoeschen();

    // Measured values (units of input 2 and output 1) in the X and Y fields
    // instead of the editor's coordinates; nullopt gives the fields back.
    void LiveWerte(std::optional<QPointF> werte);
    // Drawn after the axes and before the curve, so it lies behind it (large graph, overview).
    void HintergrundSetzen(std::function<void(Graph&, Graph&)> zeichnen) { hintergrund_ = std::move(zeichnen); }

  private:
    void Neuzeichnen();
    void AchsenBeschriften();
    void KurveZeichnen();
    void UebersichtZeichnen();
    void MarkeZeichnen();
    void RollbalkenZeigen();
    void YZoomZeigen();
    void FelderFormatieren();
    void Gerollt(bool ende);
    void YZoomEingegeben();

    KennlinienKontext k_;
    Graph* graph_ = nullptr;
    Graph* klein_ = nullptr;
    QScrollBar* rollbalken_ = nullptr;
    Zahlfeld* x_ = nullptr;
    Zahlfeld* y_ = nullptr;
    Zahlfeld* xRaster_ = nullptr;
    Zahlfeld* yRaster_ = nullptr;
    Zahlfeld* yZoomMax_ = nullptr;
    Zahlfeld* yZoomMin_ = nullptr;
    int markeGross_ = 0;
    int markeKlein_ = 0;
    std::vector<int> vorschau_;
    std::optional<QPointF> live_;
    std::function<void(Graph&, Graph&)> hintergrund_;
};
