#pragma once
// Graph of the curve windows: fixed axis ranges in raw values with labels in
// the unit, plots that each keep a handle, and a cursor that reports the mouse
// in graph coordinates. Plot changes only schedule a repaint, so a burst of
// them between two frames costs one paint.
#include "uisupport/GraphAchse.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QWidget>

#include <memory>
#include <vector>

struct GraphAbbildung;

class Graph : public QWidget {
    Q_OBJECT
  public:
    enum Achse { X, Y };

    explicit Graph(QWidget* parent = nullptr);
    ~Graph() override;

    // Visible range in raw values. Reversed limits are swapped; empty or
    // non-finite ranges are refused.
    void setBereich(Achse achse, double min, double max);
    // Labels read raw * verstaerkung + versatz; plotting stays in raw values.
    void setBeschriftung(Achse achse, double verstaerkung, double versatz, const QString& name);
    const GraphAchse& achse(Achse achse) const { return achse == X ? x_ : y_; }

    void setGitter(bool an);
    // Without labels the plot area fills the widget (overview graphs).
    void setBeschriftungSichtbar(bool an);
    void setHintergrund(const QColor& farbe);
    QColor hintergrund() const { return hintergrund_; }

    // Plots, in graph coordinates; each returns a handle > 0. Later plots lie
    // on top. A fully transparent colour draws nothing but keeps the handle.
    // Fast to draw: a curve's lines one after the other (markers of the same
    // colour may sit between them), they are then drawn as one polyline; a
    // whole staircase as one step plot. Point markers are solid squares.
    int Linie(QPointF von, QPointF nach, const QColor& farbe);
    int Linienzug(std::vector<QPointF> punkte, const QColor& farbe);
    int Punkt(QPointF wo, const QColor& farbe);
    // Frame only; the inside stays transparent.
    int Rechteck(QPointF ecke, QPointF gegenecke, const QColor& rahmen);
    // Sample i is held from x0 + i*dx to x0 + (i+1)*dx.
    int Stufen(double x0, double dx, std::vector<int> werte, const QColor& farbe);
    // Sample i at x0 + i*dx, joined by straight lines.
    int Kurve(double x0, double dx, std::vector<double> werte, const QColor& farbe);
    // The text's lower left corner sits at `wo`.
    int Text(QPointF wo, const QString& text, const QColor& farbe, const QFont& schrift = QFont());

    // false when the handle names no plot.
    bool Loeschen(int plot);
    void AllesLoeschen();
    int anzahlPlots() const;
    bool hatPlot(int plot) const;

    // Logical widget pixels <-> graph coordinates, not limited to the range.
    // The first plot column and the bottom row are the minima, the last
    // column and the top row the maxima.
    QPointF ZuGraph(QPointF pixel) const;
    QPointF ZuPixel(QPointF graph) const;
    QRect plotBereich() const;
    QSize plotGroesse() const { return plotBereich().size(); }

    // Last position the cursor reported, inside the axis ranges.
    QPointF cursor() const { return cursor_; }

    // Off draws every sample; for comparing against the decimated drawing.
    void setVerdichten(bool an);

    // The whole widget, at the device pixel ratio of the painter's device.
    void Zeichnen(QPainter& p) const;
    // The graph as a widget of `groesse` would show it, on paper: white
    // margins, black labels, in the painter's coordinates (which may be
    // scaled and moved, for SVG, PDF and printers). strich: line width in
    // those coordinates; 0 draws one device pixel as on the screen.
    void Zeichnen(QPainter& p, QSize groesse, double strich) const;

    QSize sizeHint() const override { return {480, 300}; }
    QSize minimumSizeHint() const override { return {120, 80}; }

  signals:
    // Mouse in graph coordinates, limited to the axis ranges. A press counts
    // only inside the plot area; drag and release follow it anywhere.
    void gedrueckt(QPointF wo, Qt::MouseButton taste);
    void gezogen(QPointF wo, Qt::MouseButtons tasten);
    void losgelassen(QPointF wo, Qt::MouseButton taste);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    struct Plot;
    struct Aufteilung;
    struct Puffer;
    struct Ziel;
    Aufteilung aufteilen() const;
    Aufteilung aufteilen(QSize groesse) const;
    void ZeichnenAuf(QPainter& p, const Ziel& z) const;
    int Neu(Plot&& plot);
    QPointF Begrenzt(QPointF pixel) const;
    void AchsenZeichnen(QPainter& p, const Aufteilung& a, const GraphAbbildung& abb, const Ziel& z) const;
    void PlotsZeichnen(QPainter& p, const GraphAbbildung& abb, const Ziel& z) const;

    GraphAchse x_, y_;
    bool gitter_ = true;
    bool beschriftung_ = true;
    bool verdichten_ = true;
    QColor hintergrund_ = Qt::white;
    std::vector<Plot> plots_; // ascending handles, in drawing order
    int naechster_ = 1;
    bool zieht_ = false;
    QPointF cursor_;
    std::unique_ptr<Puffer> puffer_;
};
