// One full redraw of a 1280x800 graph into an offscreen image, at device
// pixel ratio 1 and 2 (the argument is the ratio).
//  - Kennlinie*: the heaviest characteristic curve, 4096 lines of length 1
//    one after another plus its 4096-entry staircase; "Glatt" is a smooth
//    curve, "Zacken" swings over the full range at every step.
//  - MitMarken: the same smooth curve with a point marker at every line start.
//  - Leer: axes, labels and grid only.
//  - Generator: four curves of 8188 samples each (32 752 in all) as step
//    plots in 64 segments; the current one also as lines with markers, the
//    other three behind it.
#include "uisupport/Graph.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int kBreite = 1280, kHoehe = 800;

std::vector<int> Kennlinie(bool zacken) {
    std::vector<int> y(4097);
    for (std::size_t i = 0; i < y.size(); ++i) {
        if (zacken)
            y[i] = (i % 2) ? 4095 : 0;
        else
            y[i] = int(2047.5 + 1900.0 * std::sin(i * 6.0 * std::numbers::pi / 4096.0) + 120.0 * std::sin(i * 0.7));
    }
    return y;
}

void KennlinieZeichnen(Graph& g, const std::vector<int>& y, bool marken) {
    g.AllesLoeschen();
    for (int i = 0; i < 4096; ++i) {
        g.Linie(QPointF(i, y[i]), QPointF(i + 1, y[i + 1]), QColor(0xFF0000));
        if (marken) g.Punkt(QPointF(i, y[i]), QColor(0xFF0000));
    }
    g.Stufen(0.0, 1.0, std::vector<int>(y.begin(), y.end() - 1), QColor(0x0000FF));
}

void GeneratorZeichnen(Graph& g) {
    g.AllesLoeschen();
    constexpr int kSegmente = 64, kProKurve = 8188;
    for (int k : {1, 2, 3, 0}) { // background first, the current curve on top
        const bool aktuell = k == 0;
        const QColor stufenFarbe = aktuell ? QColor(0x0000FF) : QColor(0x008080);
        int beginn = 0;
        double wert = 2048;
        for (int s = 0; s < kSegmente; ++s) {
            const int ende = kProKurve * (s + 1) / kSegmente;
            const double ziel = 2047.5 + 1800.0 * std::sin((s + 1) * 0.9 + k);
            std::vector<int> proben(std::size_t(ende - beginn));
            for (std::size_t l = 0; l < proben.size(); ++l)
                proben[l] = int(std::floor(wert + (ziel - wert) * double(l) / double(proben.size()) + 0.5));
            if (aktuell) {
                g.Linie(QPointF(beginn, wert), QPointF(ende, ziel), QColor(0xFF0000));
                g.Punkt(QPointF(beginn, wert), QColor(0xFF0000));
            }
            g.Stufen(beginn, 1.0, std::move(proben), stufenFarbe);
            beginn = ende;
            wert = ziel;
        }
    }
}

void Neuzeichnen(benchmark::State& state, Graph& g) {
    const int dpr = int(state.range(0));
    QImage bild(kBreite * dpr, kHoehe * dpr, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        QPainter p(&bild);
        g.Zeichnen(p);
        p.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
}

Graph& NeuerGraph(double xBis) {
    static Graph* g = nullptr;
    delete g;
    g = new Graph;
    g->resize(kBreite, kHoehe);
    g->setBereich(Graph::X, 0.0, xBis);
    g->setBereich(Graph::Y, 0.0, 4095.0);
    g->setBeschriftung(Graph::X, 10.0 / 4095.0, 0.0, QStringLiteral("Eingang 2 [V]"));
    g->setBeschriftung(Graph::Y, 100.0 / 4095.0, 0.0, QStringLiteral("Ausgang 1 [%]"));
    return *g;
}

void KennlinieGlatt(benchmark::State& state) {
    Graph& g = NeuerGraph(4095.0);
    KennlinieZeichnen(g, Kennlinie(false), false);
    Neuzeichnen(state, g);
}

void KennlinieZacken(benchmark::State& state) {
    Graph& g = NeuerGraph(4095.0);
    KennlinieZeichnen(g, Kennlinie(true), false);
    Neuzeichnen(state, g);
}

void KennlinieMitMarken(benchmark::State& state) {
    Graph& g = NeuerGraph(4095.0);
    KennlinieZeichnen(g, Kennlinie(false), true);
    Neuzeichnen(state, g);
}

void Generator(benchmark::State& state) {
    Graph& g = NeuerGraph(8188.0);
    GeneratorZeichnen(g);
    Neuzeichnen(state, g);
}

// Axes, grid and the fill of every pixel: the floor under each redraw.
void Leer(benchmark::State& state) { Neuzeichnen(state, NeuerGraph(4095.0)); }

// Building the plots of a full characteristic-curve redraw, without painting.
void KennlinieAufbauen(benchmark::State& state) {
    Graph& g = NeuerGraph(4095.0);
    const std::vector<int> y = Kennlinie(false);
    for (auto _ : state) KennlinieZeichnen(g, y, true);
}

} // namespace

BENCHMARK(Leer)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(KennlinieGlatt)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(KennlinieZacken)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(KennlinieMitMarken)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(Generator)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(KennlinieAufbauen)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
