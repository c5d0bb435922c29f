// Replays stored inputs through one harness without libFuzzer: every file of
// the folders (or the files) named on the command line, in name order, as
// the test run does for the seed corpus and the stored findings. A broken
// property aborts; a missing folder counts as empty.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::vector<fs::path> dateien;
    for (int i = 1; i < argc; ++i) {
        const fs::path p = argv[i];
        if (fs::is_directory(p)) {
            for (const auto& e : fs::directory_iterator(p))
                if (e.is_regular_file()) dateien.push_back(e.path());
        } else if (fs::is_regular_file(p)) {
            dateien.push_back(p);
        }
    }
    std::sort(dateien.begin(), dateien.end());
    for (const fs::path& p : dateien) {
        std::fprintf(stderr, "%s\n", p.c_str());
        std::ifstream ein(p, std::ios::binary);
        const std::string inhalt{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
    }
    std::printf("%zu Eingaben ohne Befund\n", dateien.size());
    return dateien.empty() ? 1 : 0; // a seed corpus that went missing must not pass unnoticed
}
