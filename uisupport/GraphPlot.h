#pragma once
// Inside of Graph, shared by its two source files; not for other users.
#include "uisupport/Graph.h"
#include "uisupport/GraphZeichner.h"

#include <QPen>

#include <limits>

struct Graph::Plot {
    enum class Art { Linienzug, Punkt, Rechteck, Stufen, Kurve, Text, Punkte };
    Plot(Art a, const QColor& farbe) : art(a), stift(farbe, 0), rgba(farbe.rgba()) { stift.setCosmetic(true); }

    Art art;
    int nummer = 0;
    QPen stift;
    QRgb rgba; // compared for every plot of every redraw; QPen::color() is not inlined
    // Horizontal extent, so plots beside the view are skipped without a look at their data.
    double xVon = -std::numeric_limits<double>::infinity();
    double xBis = std::numeric_limits<double>::infinity();
    std::vector<QPointF> punkte;
    bool sortiert = false;
    double x0 = 0, dx = 1;
    std::vector<int> stufen;
    std::vector<double> werte;
    QString text;
    QFont schrift;
};

struct Graph::Aufteilung {
    QRect flaeche;
    QVector<GraphAchse::Marke> xMarken, yMarken;
};

// Working memory of the redraw, kept so that a redraw allocates nothing.
struct Graph::Puffer {
    GraphZeichner::Puffer zeichner;
    std::vector<QPointF> kette; // joined lines
    std::vector<QRectF> marken;
};
