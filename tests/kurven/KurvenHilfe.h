#pragma once
// Shared helpers of the curve-generator tests.
#include "config/KonfigDaten.h"
#include "kurven/KurvenModell.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <unistd.h>

using namespace kurvengenerator;

inline Kurve KurveAus(std::initializer_list<Kurvenpunkt> punkte) {
    Kurve k;
    k.punkte.assign(punkte);
    return k;
}

// A set whose current curve is k.
inline Kurvensatz SatzMit(Kurve k) {
    Kurvensatz s;
    s.kurven[0] = std::move(k);
    return s;
}

inline std::string DateiLesen(const std::filesystem::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

inline void DateiSchreiben(const std::filesystem::path& p, const std::string& inhalt) {
    std::ofstream aus(p, std::ios::binary);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

// A fresh directory for one test, removed afterwards.
struct TempOrdner {
    std::filesystem::path pfad;
    TempOrdner() {
        static int zaehler = 0;
        pfad = std::filesystem::temp_directory_path() /
               ("dlm7_kurven_" + std::to_string(::getpid()) + "_" + std::to_string(zaehler++));
        std::filesystem::create_directories(pfad);
    }
    ~TempOrdner() {
        std::error_code ec;
        std::filesystem::remove_all(pfad, ec);
    }
    std::string operator/(const std::string& name) const { return (pfad / name).string(); }
};
