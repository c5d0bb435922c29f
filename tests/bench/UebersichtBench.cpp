// The slot overview of seven used slots against the simulator paced at 9600
// baud: "sekunden" is the wall time of one overview, which should stay a
// matter of seconds (goal: at most 10 s), where reading the seven slots in
// full takes about two minutes.
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/KennlinieUebersicht.h"
#include "sim/SimUmgebung.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void Uebersicht(benchmark::State& state) {
    Dlm7Simulator::Einstellungen e;
    e.takt = true;
    e.baud = 9600;
    SimUmgebung u(8, e);
    if (!u.bereit() || u.Oeffnen(0.5) != 0) {
        state.SkipWithError("Simulator nicht bereit");
        return;
    }
    u.sim.ModusSetzen(0x02);
    SlotAbbild bild;
    if (SlotAbbildErzeugen(NeuePunkte(), KonfigStandardwerte(), 0.0, 0.1, bild) != 0) {
        state.SkipWithError("Abbild");
        return;
    }
    for (int s = 1; s <= kSlots; ++s) u.sim.SpeicherSetzen(SlotAdresse(s), {bild.begin(), bild.end()});

    double wand = 0.0;
    for (auto _ : state) {
        const auto beginn = std::chrono::steady_clock::now();
        std::vector<SlotZeile> zeilen;
        if (SlotUebersichtLesen(u.port, '1', zeilen).Fehlercode() != 0 || zeilen.size() != kSlots) {
            state.SkipWithError("Lesen fehlgeschlagen");
            return;
        }
        wand += std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
    }
    state.counters["sekunden"] = wand / static_cast<double>(state.iterations());
}

} // namespace

BENCHMARK(Uebersicht)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

BENCHMARK_MAIN();
