// Loading a damaged settings file of 1, 4 and 16 MiB (the largest the reader
// accepts) whose keys, or sections, come in descending order: the worst case
// for a reader that keeps its names sorted while it reads. The argument is
// the size in MiB; the time includes reading the file.
#include "kern/IniDatei.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Lines "k00001234 = 1" (or sections "[s00001234]" with one key each), numbers
// falling, until the text reaches groesse bytes.
std::string AbsteigendeDatei(std::size_t groesse, bool sektionen) {
    std::string text = sektionen ? "" : "[s]\r\n";
    const std::size_t zeile = sektionen ? 21 : 15;
    long n = static_cast<long>(groesse / zeile);
    char puffer[40];
    while (text.size() + zeile <= groesse && n > 0) {
        if (sektionen)
            std::snprintf(puffer, sizeof puffer, "[s%08ld]\r\nk = 1\r\n", n--);
        else
            std::snprintf(puffer, sizeof puffer, "k%08ld = 1\r\n", n--);
        text += puffer;
    }
    return text;
}

void Laden(benchmark::State& state, bool sektionen) {
    const std::size_t groesse = static_cast<std::size_t>(state.range(0)) << 20;
    const fs::path pfad = fs::temp_directory_path() / ("bench_ini_" + std::to_string(::getpid()) + ".ini");
    {
        const std::string text = AbsteigendeDatei(groesse, sektionen);
        std::ofstream(pfad, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    for (auto _ : state) {
        IniDatei ini;
        if (ini.Lesen(pfad) != IniDatei::LeseErgebnis::Ok) state.SkipWithError("Lesen fehlgeschlagen");
        benchmark::DoNotOptimize(ini);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(groesse));
    fs::remove(pfad);
}

void SchluesselAbsteigend(benchmark::State& state) { Laden(state, false); }
void SektionenAbsteigend(benchmark::State& state) { Laden(state, true); }

} // namespace

BENCHMARK(SchluesselAbsteigend)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SektionenAbsteigend)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
