#pragma once
// The characteristic-curve controller: output 1 follows input 2 through the
// slot chosen by the voltage on the curve-selection input (wired to output 4,
// n V selects slot n), output 2 holds the slot's fixed value, and output 1
// moves no faster than the slot's rise-time limit.
#include "sim/SimSpeicher.h"

#include <array>

class SimKennlinie {
  public:
    static constexpr std::size_t kSlotGroesse = 8224;

    void Starten(double t, int ausgang1);
    // Advances to time t; returns the error bits for status register 2
    // (0x02 slot checksum, 0x10 curve selection).
    unsigned char Fortschreiben(double t, const SimSpeicher& speicher, double eingang2, double auswahl,
                                std::array<int, 4>& ausgaenge);

    // Milliseconds from 0 to 100 % for a stored rise-time code.
    static double Anstiegszeit(long code);

  private:
    bool SlotGueltig(const SimSpeicher& speicher, std::size_t slot);

    double ausgang1_ = 0.0;
    double letzteZeit_ = 0.0;
    std::array<unsigned long, 7> geprueftVersion_{};
    std::array<bool, 7> geprueftGut_{};
};
