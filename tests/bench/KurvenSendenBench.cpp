// Sends a full 65536-byte curve-generator image through the send procedure to
// the simulator paced at 9600 baud (1024 blocks, then the two mode writes).
// "verhaeltnis" is the wall time divided by the time the characters need on
// the wire (10 bits each, both directions); at most 1.02 means the procedure
// adds no waiting of its own to the line.
#include "device/Blocktransfer.h"
#include "device/Protokoll.h"
#include "kurven/KurvenTransfer.h"
#include "sim/SimUmgebung.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace kurvengenerator;

namespace {

constexpr int kBaud = 9600;

void KurvenSendenVoll(benchmark::State& state) {
    Dlm7Simulator::Einstellungen e;
    e.takt = true;
    e.baud = kBaud;
    SimUmgebung u(8, e);
    if (!u.bereit() || u.Oeffnen(0.5) != 0) {
        state.SkipWithError("Simulator nicht bereit");
        return;
    }
    // 32752 ticks in all: a rising ramp over curve 1, three fresh curves.
    Kurvensatz s;
    s.kurven[0].punkte = {{0, 32749, 1}, {4095, 1, 1}};
    s.kurven[0].punkte[0].laenge -= 1;
    const Speicherabbild bild = AbbildErstellen(s);
    if (bild.code != 0 || bild.bytes.size() != 65536) {
        state.SkipWithError("Abbild nicht voll");
        return;
    }
    long zeichen = 0;
    for (long pos = 0; pos < 65536;) {
        const long n = BlockLaenge(pos, 65536 - pos);
        zeichen += static_cast<long>(Protokoll::SpeicherZeileLaenge(n)) + 1; // frame + ACK
        pos += n;
    }
    zeichen += 2 * static_cast<long>(Protokoll::RahmenModusSchreiben('1', true, kModusGenerator).size() + 1);

    double wand = 0.0, leitung = 0.0;
    for (auto _ : state) {
        const auto beginn = std::chrono::steady_clock::now();
        if (AbbildSenden(u.port, '1', bild, {}).code != 0) {
            state.SkipWithError("Senden fehlgeschlagen");
            return;
        }
        wand += std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
        leitung += zeichen * 10.0 / kBaud;
    }
    state.counters["verhaeltnis"] = wand / leitung;
    state.counters["leitung_s"] = leitung / static_cast<double>(state.iterations());
}

} // namespace

BENCHMARK(KurvenSendenVoll)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
