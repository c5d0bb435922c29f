#pragma once
// Inside of Graph, shared by its two source files; not for other users.
#include "uisupport/Graph.h"
#include "uisupport/GraphZeichner.h"

#include <QFont>

#include <array>
#include <limits>
#include <memory>
#include <span>

// Lean, as a redraw of a curve window deletes and makes thousands: a line
// keeps its two points inline, and neither a pen nor a font is made per plot.
struct Graph::Plot {
    enum class Art { Linienzug, Punkt, Rechteck, Stufen, Kurve, Text };
    struct Beschriftung {
        QString text;
        QFont schrift;
    };
    Plot(Art a, const QColor& farbe) : art(a), rgba(farbe.rgba()) {}

    // The points of a line, marker, frame or text.
    std::span<const QPointF> punkte() const {
        return zug.empty() ? std::span<const QPointF>(paar.data(), std::size_t(paarAnzahl)) : zug;
    }

    Art art;
    int nummer = 0;
    QRgb rgba;
    // Horizontal extent, so plots beside the view are skipped without a look at their data.
    double xVon = -std::numeric_limits<double>::infinity();
    double xBis = std::numeric_limits<double>::infinity();
    std::array<QPointF, 2> paar{};
    int paarAnzahl = 0;
    std::vector<QPointF> zug; // more than two points
    bool sortiert = false;
    double x0 = 0, dx = 1;
    std::vector<int> stufen;
    std::vector<double> werte;
    std::unique_ptr<Beschriftung> beschriftung;
};

struct Graph::Aufteilung {
    QRect flaeche;
    QVector<GraphAchse::Marke> xMarken, yMarken;
};

// Working memory of the redraw, kept so that a redraw allocates nothing.
struct Graph::Puffer {
    GraphZeichner::Puffer zeichner;
    std::vector<QPointF> kette; // joined lines
    std::vector<QRect> marken;
};
