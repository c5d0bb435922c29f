// Achieved sample rate of the input poll against the simulator paced at 9600
// baud, for 1 and 4 inputs: "runden_s" rounds a second, "grenze_s" what the
// line carries (18 characters of 10 bits per input reading: request, ACK,
// answer), "verhaeltnis" the first over the second. Goal: at least 0.9.
// Direkt: the rounds one after the other on the caller's thread, as dlm7ctl
// aufzeichnen reads them; Dienst: through the device service's poll, as a
// window polls (each round handed to the GUI thread before the next).
#include "device/Eingangsabfrage.h"
#include "device/Eingangsrunde.h"
#include "sim/SimUmgebung.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kBaud = 9600;

Eingangswahl Wahl(int n) {
    Eingangswahl w{};
    for (int k = 0; k < n; ++k) w[static_cast<std::size_t>(k)] = true;
    return w;
}

void Melden(benchmark::State& state, long runden, double sekunden, int n) {
    const double rate = static_cast<double>(runden) / sekunden;
    state.counters["runden_s"] = rate;
    state.counters["grenze_s"] = Leitungsgrenze(n, kBaud);
    state.counters["verhaeltnis"] = rate / Leitungsgrenze(n, kBaud);
}

void Direkt(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Dlm7Simulator::Einstellungen e;
    e.takt = true;
    e.baud = kBaud;
    SimUmgebung u(8, e);
    if (!u.bereit() || u.Oeffnen(0.5) != 0) {
        state.SkipWithError("Simulator nicht bereit");
        return;
    }
    long runden = 0;
    double sekunden = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 100 / n; ++i, ++runden)
            if (EingangsrundeLesen(u.port, '1', Wahl(n), false, start).code != 0) {
                state.SkipWithError("Lesen fehlgeschlagen");
                return;
            }
        sekunden += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    Melden(state, runden, sekunden, n);
}

void Dienst(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Dlm7Simulator::Einstellungen e;
    e.takt = true;
    e.baud = kBaud;
    SimUmgebung u(8, e);
    if (!u.bereit()) {
        state.SkipWithError("Simulator nicht bereit");
        return;
    }
    int argc = 1;
    char name[] = "bench_abtastung";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    Geraetedienst dienst;
    dienst.Oeffnen(u.port);
    dienst.Abwarten();
    Eingangsabfrage abfrage(dienst);
    long runden = 0, ziel = 0;
    QEventLoop schleife;
    QObject::connect(&abfrage, &Eingangsabfrage::runde, [&](const Eingangsrunde& r) {
        if (r.code != 0) schleife.exit(1);
        if (++runden >= ziel) schleife.quit();
    });
    double sekunden = 0.0;
    for (auto _ : state) {
        ziel = runden + 100 / n;
        const auto start = std::chrono::steady_clock::now();
        abfrage.Starten({Wahl(n), 0.0, -1.0});
        QTimer::singleShot(60000, &schleife, [&] { schleife.exit(2); });
        if (schleife.exec() != 0) {
            state.SkipWithError("Abfrage fehlgeschlagen");
            return;
        }
        abfrage.Stoppen();
        sekunden += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        dienst.Abwarten();
    }
    Melden(state, runden, sekunden, n);
    dienst.Beenden();
}

} // namespace

BENCHMARK(Direkt)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Dienst)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
