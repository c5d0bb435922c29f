#pragma once
// Plot data into device pixels. Only the visible part is walked, a staircase
// gets a vertex only where its level changes, and where samples outnumber the
// pixel columns each column is drawn as the run from its highest to its
// lowest sample plus the lines into the next column, which gives the pixels
// of drawing every sample.
#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QRect>

#include <span>
#include <vector>

class QPainter;

// Graph coordinates to device pixels: xMin lands on device column `links`,
// xMax on `rechts`; yMax on row `oben`, yMin on row `unten`.
struct GraphAbbildung {
    GraphAbbildung(double xMin, double xMax, double yMin, double yMax, double links, double rechts, double oben,
                   double unten)
        : xMin(xMin), xMax(xMax), yMin(yMin), yMax(yMax), links(links), rechts(rechts), oben(oben), unten(unten),
          sx((rechts - links) / (xMax - xMin)), sy((unten - oben) / (yMax - yMin)) {}

    double px(double x) const { return links + (x - xMin) * sx; }
    double py(double y) const { return unten - (y - yMin) * sy; }

    double xMin, xMax, yMin, yMax;
    double links, rechts, oben, unten;

  private:
    double sx, sy; // device pixels per unit; no division per sample
};

class GraphZeichner {
  public:
    // Samples falling into one device pixel column.
    struct Spalte {
        double c;                // column
        QPointF erster, letzter; // first and last vertex in it
        double oben, unten;      // highest and lowest device y
    };
    // Working memory kept between redraws, so that a redraw allocates nothing.
    struct Puffer {
        std::vector<QPointF> zug;
        std::vector<QLineF> linien;
        std::vector<Spalte> spalten;
        std::vector<QRect> flaechen;
    };

    // verdichten = false draws every sample (the reference the tests compare with).
    GraphZeichner(QPainter& p, const GraphAbbildung& a, bool verdichten, Puffer& puffer);

    // sortiert: x never decreases, so the visible part can be found by bisection.
    void Linienzug(std::span<const QPointF> punkte, bool sortiert);
    // Sample i at x0 + i*dx, joined by straight lines.
    void Kurve(double x0, double dx, const std::vector<double>& werte);
    // Sample i held from x0 + i*dx to x0 + (i+1)*dx.
    void Stufen(double x0, double dx, const std::vector<int>& werte);

    // Device position of a graph point, on the centre of its pixel.
    QPointF Punkt(double x, double y) const;

  private:
    template <class X, class Y> void Zug(std::size_t von, std::size_t bis, X x, Y y);
    // More samples than pixel columns between device x `von` and `bis`.
    bool Dicht(std::size_t proben, double von, double bis) const;
    // The line from a's last vertex to b's first adds no pixel to the two columns' runs.
    bool Gedeckt(const Spalte& a, const Spalte& b) const;
    void SpalteFuellen(const Spalte& s);
    void BlockAusgeben();
    void FlaechenAusgeben();
    void Ausgeben();

    QPainter& p_;
    const GraphAbbildung& a_;
    bool verdichten_;
    QColor farbe_;
    QRect block_; // filled columns not yet drawn
    std::vector<QPointF>& zug_;
    std::vector<QLineF>& linien_;
    std::vector<Spalte>& spalten_;
    std::vector<QRect>& flaechen_;
};
