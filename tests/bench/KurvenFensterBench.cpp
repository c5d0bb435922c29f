// Redraw of the curve-generator window at 1280x800, device pixel ratio 1 and
// 2: the curve plots rebuilt from the curve set, then every widget of the
// window (or only the main graph, which is what an edit repaints) painted
// offscreen into an image.
//  - Segmente: four curves of 8188 ticks each (32 752 samples, the whole
//    box) in a few long segments, all others behind the current one, "Linien + Stufen".
//  - Abgetastet: the same four curves as read back from the box, one point
//    per tick, so 32 752 points with their markers and lines.
//  - Leer: four fresh curves, the floor under every redraw.
//  - LangeGerade: one segment of 65 535 ticks against one of 100 ticks:
//    the steps cost the visible columns, not the ticks.
#include "app/Anwendung.h"
#include "kurven/KurvenDigital.h"
#include "kurven/fenster/KurvenPanel.h"
#include "tests/kurvenfenster/VierKurven.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Graph.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace kurvengenerator;

namespace {

Anwendung* sgApp = nullptr;

// A menu entry of the curve window, by its object name.
QAction* Eintrag(KurvenPanel& k, const QString& name) { return k.findChild<QAction*>(name); }

void VierKurven(Kurvensatz& s, bool abgetastet) {
    ::VierKurven(s);
    if (!abgetastet) return;
    for (Kurve& k : s.kurven) {
        std::vector<Kurvenpunkt> p;
        for (int w : KurveDigitalisieren(k)) p.push_back({w, 1, 1});
        k.punkte = std::move(p);
    }
}

KurvenPanel& Fenster() {
    KurvenPanel& k = sgApp->kurven();
    k.resize(1280, 800);
    k.show();
    return k;
}

void Neuzeichnen(benchmark::State& state, KurvenPanel& k) {
    const int dpr = int(state.range(0));
    // The format of an opaque window's backing store.
    QImage bild(k.width() * dpr, k.height() * dpr, QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    QApplication::processEvents(); // layout at the new size
    // Two views one microsecond apart: each change of view redraws the graphs.
    const kurvengenerator::Ansicht a = k.ansicht(), b{a.start, a.ende - 1.0};
    bool umschalten = false;
    for (auto _ : state) {
        k.editor().AnsichtSetzen((umschalten = !umschalten) ? b : a);
        QPainter p(&bild);
        if (state.range(1))
            k.render(&p);
        else
            k.findChild<Graph*>("GRAPH")->render(&p); // what a change of the curves repaints
        p.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
}

void Aufbauen(bool abgetastet) {
    KurvenPanel& k = Fenster();
    k.editor().Aendern([=](kurvengenerator::Kurvensatz& s) { VierKurven(s, abgetastet); });
    for (int n = 0; n < 4; ++n)
        if (!Eintrag(k, KurvenPanel::HintergrundName(n))->isChecked())
            Eintrag(k, KurvenPanel::HintergrundName(n))->trigger();
    Eintrag(k, KurvenPanel::DarstellungsName(KurvenPanel::LinienUndStufen))->trigger();
    Eintrag(k, KurvenPanel::Name(KurvenPanel::Befehl::ZoomGesamt))->trigger();
}

void Segmente(benchmark::State& state) {
    Aufbauen(false);
    Neuzeichnen(state, Fenster());
}

void Abgetastet(benchmark::State& state) {
    Aufbauen(true);
    Neuzeichnen(state, Fenster());
}

// Four fresh curves: what the widgets around the curves cost.
void Leer(benchmark::State& state) {
    KurvenPanel& k = Fenster();
    k.editor().Initialisieren();
    Eintrag(k, KurvenPanel::Name(KurvenPanel::Befehl::ZoomGesamt))->trigger();
    Neuzeichnen(state, k);
}

// Only the curve's steps: one ramp of state.range(0) ticks, shown whole.
void LangeGerade(benchmark::State& state) {
    const Kurve k{{{0, int(state.range(0)), 1}, {4095, 1, 1}}, {}};
    const double spanne = KurvenLaenge(k);
    std::size_t ecken = 0;
    for (auto _ : state) {
        const std::vector<Stufe> s = SichtbareStufen(k, 0.0, spanne, spanne / 1000.0);
        ecken = s.size();
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["Ecken"] = double(ecken);
}

} // namespace

BENCHMARK(Leer)->ArgsProduct({{1, 2}, {1, 0}})->Unit(benchmark::kMillisecond);
// Arguments: device pixel ratio, whole window (1) or the main graph alone (0).
BENCHMARK(Segmente)->ArgsProduct({{1, 2}, {1, 0}})->Unit(benchmark::kMillisecond);
BENCHMARK(Abgetastet)->ArgsProduct({{1, 2}, {1, 0}})->Unit(benchmark::kMillisecond);
BENCHMARK(LangeGerade)->Arg(100)->Arg(65535)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Anwendung anwendung;
    sgApp = &anwendung;
    anwendung.InitialisierePanels();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sgApp = nullptr;
    return 0;
}
