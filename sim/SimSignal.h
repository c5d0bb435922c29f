#pragma once
// A generated signal that drives an input instead of the loop-back cable.
#include <optional>
#include <string>

struct SimSignal {
    enum class Form { Konstant, Sinus, Dreieck };
    Form form = Form::Konstant;
    double mitte = 0.0;     // device value 0..10
    double amplitude = 0.0; // device value
    double frequenz = 1.0;  // Hz

    // Largest accepted parameters; beyond them a signal means nothing (and a
    // frequency near DBL_MAX would turn the phase into NaN).
    static constexpr double kMaxBetrag = 1000.0;   // |W|, |MITTE|, |AMPLITUDE|
    static constexpr double kMaxFrequenz = 1000.0; // Hz

    // Value at time t (seconds), limited to 0..10; never NaN, whatever the fields hold.
    double Wert(double t) const;

    // "konstant:W", "sinus:MITTE:AMPLITUDE:HZ" or "dreieck:MITTE:AMPLITUDE:HZ"
    // with |W|, |MITTE|, |AMPLITUDE| <= kMaxBetrag and 0 < HZ <= kMaxFrequenz.
    // On failure grund (if given) says what is wrong.
    static std::optional<SimSignal> Lesen(const std::string& text, std::string* grund = nullptr);
};
