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

    // Value at time t (seconds), limited to 0..10.
    double Wert(double t) const;

    // "konstant:W", "sinus:MITTE:AMPLITUDE:HZ" or "dreieck:MITTE:AMPLITUDE:HZ".
    static std::optional<SimSignal> Lesen(const std::string& text);
};
