#pragma once
// The live operating point on a characteristic curve: where the box runs for
// a measured curve input, and where the feedback input puts output 1.
#include "config/KonfigDaten.h"
#include "kennlinie/Kennlinie.h"

#include <optional>

struct Arbeitspunkt {
    int xRoh = 0;   // input step 0..4095, as the box converts input 2
    int yRoh = 0;   // the table's entry there
    double x = 0.0; // input 2 in its unit
    double y = 0.0; // output 1 in its unit
    // Output 1 as measured on the feedback input: raw 0..4095 and its unit.
    std::optional<double> rueckmeldungRoh;
    std::optional<double> rueckmeldung;
};

// Input step for a device value 0..10 (rounded half up, limited to 0..4095;
// NaN gives 0), as the box reads its curve input.
int EingangsSchritt(double geraetewert);

// eingang2: device value of input 2. rueckmeldung: device value of the input
// wired to output 1, if one is chosen; it is taken as output 1's voltage.
Arbeitspunkt ArbeitspunktBerechnen(const Kennlinientabelle& tabelle, const KonfigDaten& k, double eingang2,
                                   std::optional<double> rueckmeldung = std::nullopt);
