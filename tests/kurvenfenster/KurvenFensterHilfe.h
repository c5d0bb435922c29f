#pragma once
// Helpers of the curve-generator window tests: answers for the window's own
// modal inputs, a set of four curves, and pixel checks of the graph.
#include "FensterUmgebung.h"
#include "VierKurven.h"

#include "kurven/fenster/KurvenEingaben.h"
#include "uisupport/Graph.h"

#include <QImage>
#include <QPainter>
#include <deque>

using namespace kurvengenerator;

// Answers the comment, point and segment dialogs and the time-base popup from queues.
struct SkriptEingaben : KurvenEingaben {
    std::deque<QString> kommentare;
    std::deque<Punktwerte> punkte;
    std::deque<Zeitangabe> geraden;
    std::deque<int> zeitbasen;
    std::vector<QString> titel; // of every dialog shown
    std::vector<int> angehakt;  // the code checked in each time-base popup

    QString Kommentar(QWidget*, const QString& t, const QString& text) override {
        titel.push_back(t);
        if (kommentare.empty()) return text;
        QString k = kommentare.front();
        kommentare.pop_front();
        return k;
    }
    Punktwerte Punkt(QWidget*, QPoint, const QString& t, const Punktwerte& p, const QString&) override {
        titel.push_back(t);
        if (punkte.empty()) return p;
        Punktwerte w = punkte.front();
        punkte.pop_front();
        return w;
    }
    Zeitangabe Gerade(QWidget*, QPoint, const QString& t, const Zeitangabe& d) override {
        titel.push_back(t);
        if (geraden.empty()) return d;
        Zeitangabe z = geraden.front();
        geraden.pop_front();
        return z;
    }
    int Zeitbasis(QWidget*, QPoint, int aktuell) override {
        angehakt.push_back(aktuell);
        if (zeitbasen.empty()) return 0;
        const int c = zeitbasen.front();
        zeitbasen.pop_front();
        return c;
    }
};

// Installs scripted inputs in the window and returns them.
inline SkriptEingaben& EingabenSkripten() {
    auto e = std::make_unique<SkriptEingaben>();
    SkriptEingaben& r = *e;
    Kurven()->EingabenSetzen(std::move(e));
    return r;
}

// The graph drawn offscreen at its size.
inline QImage GraphBild(Graph* g) {
    QImage bild(g->size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&bild);
    g->Zeichnen(p);
    return bild;
}

// Columns of the image that hold a pixel of exactly this colour.
inline std::vector<int> SpaltenMitFarbe(const QImage& bild, QRgb farbe) {
    std::vector<int> spalten;
    for (int x = 0; x < bild.width(); ++x)
        for (int y = 0; y < bild.height(); ++y)
            if ((bild.pixel(x, y) & 0xFFFFFF) == (farbe & 0xFFFFFF)) {
                spalten.push_back(x);
                break;
            }
    return spalten;
}
