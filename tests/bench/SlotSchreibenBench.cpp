// Writes one 8224-byte characteristic-curve slot image in 64-byte blocks to
// the simulator paced at 9600 baud. "verhaeltnis" is the wall time divided by
// the time the characters need on the wire (10 bits each, both directions);
// at most 1.02 means the program adds no waiting of its own to the line. The
// same ratio is measured for a whole send of a curve through the window's procedure.
#include "device/Blocktransfer.h"
#include "device/Protokoll.h"
#include "kennlinie/KennlinieGeraet.h"
#include "sim/SimUmgebung.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

constexpr int kBaud = 9600;
constexpr long kSlotGroesse = 8224;

void SlotSchreiben(benchmark::State& state) {
    const long start = state.range(0);
    Dlm7Simulator::Einstellungen e;
    e.takt = true;
    e.baud = kBaud;
    SimUmgebung u(8, e);
    if (!u.bereit() || u.Oeffnen(0.5) != 0) {
        state.SkipWithError("Simulator nicht bereit");
        return;
    }
    std::vector<unsigned char> bild(kSlotGroesse);
    for (std::size_t i = 0; i < bild.size(); ++i) bild[i] = static_cast<unsigned char>(i * 13);

    double wand = 0.0, leitung = 0.0;
    for (auto _ : state) {
        auto beginn = std::chrono::steady_clock::now();
        long zeichen = 0;
        for (long pos = 0; pos < kSlotGroesse;) {
            const long n = BlockLaenge(start + pos, kSlotGroesse - pos);
            zeichen += static_cast<long>(Protokoll::SpeicherZeileLaenge(n)) + 1; // frame + ACK
            pos += n;
        }
        if (SpeicherBlockweiseSchreiben(u.port, '1', start, bild.data(), kSlotGroesse) != 0) {
            state.SkipWithError("Schreiben fehlgeschlagen");
            return;
        }
        wand += std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
        leitung += zeichen * 10.0 / kBaud;
    }
    state.counters["verhaeltnis"] = wand / leitung;
    state.counters["leitung_s"] = leitung / static_cast<double>(state.iterations());
}

// Characters on the wire for the requests the box received and its answers:
// ACK for writes; ACK, the echoed request, '$', two hex digits and CR for the
// mode read.
long Zeichen(const std::vector<std::string>& anfragen) {
    long zeichen = 0;
    for (const auto& a : anfragen) {
        zeichen += static_cast<long>(a.size()) + 1;
        if (a.compare(2, 3, "M1R") == 0) zeichen += static_cast<long>(a.size()) - 1 + 4;
    }
    return zeichen;
}

// A whole "zur DLM-7 schreiben" of a drawn curve through the window's send
// procedure: mode check, the slot image, the two mode changes.
void KennlinieSendenBench(benchmark::State& state) {
    const int slot = static_cast<int>(state.range(0));
    Dlm7Simulator::Einstellungen e;
    e.takt = true;
    e.baud = kBaud;
    SimUmgebung u(8, e);
    if (!u.bereit() || u.Oeffnen(0.5) != 0) {
        state.SkipWithError("Simulator nicht bereit");
        return;
    }
    u.sim.ModusSetzen(0x02);
    const Kennlinienpunkte kurve{{0, 1000, 0}, {4095, 2000, 0}, {300, 1095, 0}, {2000, 1, 0}};
    const KonfigDaten konfig = KonfigStandardwerte();

    double wand = 0.0, leitung = 0.0;
    for (auto _ : state) {
        u.sim.AnfragenLoeschen();
        auto beginn = std::chrono::steady_clock::now();
        if (KennlinieSenden(u.port, '1', slot, kurve, konfig, 5.0, 100.0).Fehlercode() != 0) {
            state.SkipWithError("Senden fehlgeschlagen");
            return;
        }
        wand += std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
        leitung += static_cast<double>(Zeichen(u.sim.Anfragen())) * 10.0 / kBaud;
    }
    state.counters["verhaeltnis"] = wand / leitung;
    state.counters["leitung_s"] = leitung / static_cast<double>(state.iterations());
}

} // namespace

// Slot 1 starts on a page; slot 2 (0x2020) begins with a 32-byte block.
BENCHMARK(SlotSchreiben)->Arg(0x0000)->Arg(0x2020)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// Slot 2 begins in the middle of a page.
BENCHMARK(KennlinieSendenBench)->Arg(2)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
