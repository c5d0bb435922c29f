#pragma once
// Four curves of 8188 ticks each (32 752 samples, the whole box), shared by
// the window tests and the redraw benchmark.
#include "kurven/KurvenModell.h"

#include <utility>
#include <vector>

inline void VierKurven(kurvengenerator::Kurvensatz& s) {
    using kurvengenerator::Kurvenpunkt;
    auto setzen = [&](int k, std::vector<Kurvenpunkt> p) { s.kurven[std::size_t(k)].punkte = std::move(p); };
    setzen(0, {{0, 2000, 1}, {4000, 2000, 1}, {1000, 2000, 1}, {3000, 2187, 1}, {500, 1, 1}});
    setzen(1, {{2048, 1000, 1}, {3500, 1000, 1}, {2048, 1000, 1}, {600, 1000, 1}, {2048, 4187, 1}, {2048, 1, 1}});
    setzen(2, {{300, 2047, 1},
               {300, 1, 1},
               {3800, 2047, 1},
               {3800, 1, 1},
               {300, 2047, 1},
               {300, 1, 1},
               {3800, 2043, 1},
               {3800, 1, 1}});
    setzen(3, {{1000, 4094, 1}, {3000, 4093, 1}, {1000, 1, 1}});
}
