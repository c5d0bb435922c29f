#pragma once
// Digitisation: the samples the box outputs, one per tick, and the visible part
// of them as a staircase for the graph.
#include "kurven/KurvenModell.h"

#include <cstdint>
#include <vector>

namespace kurvengenerator {

// Value of the point after point i (point 0 after the last).
std::int32_t FolgeWert(const Kurve& k, int i);

// Sample i (0..n-1) of a segment that starts at w0 and runs over n ticks towards
// w1: the line value in double precision, clamped to 0..4095, trunc(y + 0.5).
int Abtastwert(std::int32_t w0, std::int32_t w1, std::int32_t n, long long i);

// Every sample of the curve in order (n per segment of length n; none for a
// length below 1). Bounded by the caller: meant for curves that fit the box.
std::vector<int> KurveDigitalisieren(const Kurve& k);

// One corner of the step plot: from x on the output is wert. Between two
// consecutive entries of the same segment draw a horizontal line at the first
// entry's value, then a vertical one to the second's. A segment's last entry
// marks where its visible steps end; at the segment's end it carries the next
// point's value (the vertical line into the next segment).
struct Stufe {
    double x;
    int wert;
    int segment;
};

// The steps of the segments visible in [x0, x1] (the same segments the line
// plot draws, see SichtbareSegmente). Runs of equal samples are one entry, and
// changes closer together than aufloesung microseconds (one pixel column) are
// merged, so the cost follows the visible columns, never the tick count.
std::vector<Stufe> SichtbareStufen(const Kurve& k, double x0, double x1, double aufloesung);

} // namespace kurvengenerator
