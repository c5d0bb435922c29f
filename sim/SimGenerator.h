#pragma once
// Playback of the four generator curves stored in the curve memory.
#include "sim/SimSpeicher.h"

#include <array>
#include <vector>

class SimGenerator {
  public:
    // Takes the curves from the memory image. Returns the error bits of
    // status register 2: 0x02 checksum, 0x08 nonsensical data; 0 if usable.
    unsigned char Laden(const SimSpeicher::Abbild& m);
    // Raw value of output k (0..3) t seconds after the start.
    int Ausgang(int k, double t) const;
    // True once every curve with a cycle count has played all its cycles.
    bool Fertig(double t) const;

    // Tick length in seconds of a sample word's time-base nibble; 0 if invalid.
    static double Tick(unsigned nibble);

  private:
    struct Kurve {
        std::vector<int> werte;
        std::vector<double> ende; // end time of each sample, seconds
        unsigned zyklen = 0;
        int ruhe = 0;
    };
    std::array<Kurve, 4> kurven_;
};
