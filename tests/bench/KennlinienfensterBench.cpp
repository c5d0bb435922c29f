// One full redraw of the whole "Kennlinienregler" window at 1280x800 into an
// offscreen image, at device pixel ratio 1 and 2 (the argument is the ratio),
// with the heaviest curve: 4096 points of length 1, as a read from the box
// leaves it, drawn as lines plus stairs. "Glatt" is a smooth curve, "Zacken"
// swings over the full range at every step.
//  - Neuzeichnen*: the window's redraw (every plot rebuilt) and the paint.
//  - Malen*: the paint alone, plots unchanged (a repaint after an expose).
//  - Graphen*: the redraw and the paint of the two graphs only, which is what
//    an edit, a zoom or a scroll repaints.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "kennlinie/fenster/KennlinienPanel.h"
#include "uisupport/Graph.h"
#include "uisupport/SkriptDialoge.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr int kBreite = 1280, kHoehe = 800;

struct Programm {
    QTemporaryDir verzeichnis;
    SkriptDialogeAktiv dialoge;
    std::unique_ptr<Anwendung> anwendung;
    Programm() {
        QDir::setCurrent(verzeichnis.path());
        anwendung = std::make_unique<Anwendung>();
        anwendung->Starten(false);
        anwendung->haupt().resize(kBreite, kHoehe);
        anwendung->haupt().show();
        anwendung->ZeigeChildpanel(FensterId::Kennlinie);
        // The main window keeps its proportions; the tool window takes the whole image.
        anwendung->kennlinie().resize(kBreite, kHoehe);
        QApplication::processEvents();
    }
};

// Built on first use, torn down in main while the application still lives.
std::unique_ptr<Programm> gProgramm;

KennlinienPanel& Fenster(bool zacken) {
    if (!gProgramm) gProgramm = std::make_unique<Programm>();
    Programm* p = gProgramm.get();
    KennlinienPanel& k = p->anwendung->kennlinie();
    Kennlinienpunkte punkte(4096);
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const double y =
            zacken ? ((i % 2) ? 4095.0 : 0.0)
                   : 2047.5 + 1900.0 * std::sin(i * 6.0 * std::numbers::pi / 4096.0) + 120.0 * std::sin(i * 0.7);
        punkte[i] = {std::int32_t(y), 1, 0};
    }
    k.editor().PunkteSetzen(std::move(punkte));
    k.DarstellungWaehlen(KennlinienPanel::LinienUndStufen);
    return k;
}

enum class Umfang { Neuzeichnen, Malen, Graphen };

void Lauf(benchmark::State& state, bool zacken, Umfang umfang) {
    KennlinienPanel& k = Fenster(zacken);
    QWidget* fenster = &k;
    const int dpr = int(state.range(0));
    QImage bild(kBreite * dpr, kHoehe * dpr, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::white);
    for (auto _ : state) {
        if (umfang != Umfang::Malen) k.Neuzeichnen();
        if (umfang == Umfang::Graphen) {
            for (QWidget* g : {k.findChild<QWidget*>("GRAPH"), k.findChild<QWidget*>("GRAPHKLEIN")})
                g->render(&bild, g->mapTo(fenster, QPoint()));
        } else {
            fenster->render(&bild);
        }
        benchmark::DoNotOptimize(bild.constBits());
    }
    if (qEnvironmentVariableIsSet("DLM7_BENCH_BILD") && umfang == Umfang::Neuzeichnen)
        bild.save(QString("/tmp/kl_bench_%1_%2.png").arg(zacken ? "zacken" : "glatt").arg(dpr));
}

void NeuzeichnenGlatt(benchmark::State& s) { Lauf(s, false, Umfang::Neuzeichnen); }
void NeuzeichnenZacken(benchmark::State& s) { Lauf(s, true, Umfang::Neuzeichnen); }
void MalenGlatt(benchmark::State& s) { Lauf(s, false, Umfang::Malen); }
void GraphenGlatt(benchmark::State& s) { Lauf(s, false, Umfang::Graphen); }
void GraphenZacken(benchmark::State& s) { Lauf(s, true, Umfang::Graphen); }

} // namespace

BENCHMARK(NeuzeichnenGlatt)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(NeuzeichnenZacken)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(MalenGlatt)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(GraphenGlatt)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(GraphenZacken)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gProgramm.reset();
    return 0;
}
