#include "sim/SimSignal.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <sstream>
#include <vector>

double SimSignal::Wert(double t) const {
    double v = mitte;
    double phase = frequenz * t - std::floor(frequenz * t);
    if (!std::isfinite(phase)) phase = 0.0;
    switch (form) {
    case Form::Konstant: break;
    case Form::Sinus: v = mitte + amplitude * std::sin(2.0 * std::numbers::pi * phase); break;
    case Form::Dreieck: v = mitte + amplitude * (phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase); break;
    }
    // std::clamp passes NaN through, and the box's readers index with this value.
    if (std::isnan(v)) return 0.0;
    return std::clamp(v, 0.0, 10.0);
}

std::optional<SimSignal> SimSignal::Lesen(const std::string& text, std::string* grund) {
    const auto falsch = [grund](const char* warum) -> std::optional<SimSignal> {
        if (grund) *grund = warum;
        return std::nullopt;
    };
    std::vector<std::string> teile;
    std::stringstream ss(text);
    for (std::string t; std::getline(ss, t, ':');) teile.push_back(t);
    std::vector<double> zahlen;
    for (std::size_t i = 1; i < teile.size(); ++i) {
        char* ende = nullptr;
        double v = std::strtod(teile[i].c_str(), &ende);
        if (teile[i].empty() || *ende != '\0' || !std::isfinite(v)) return falsch("keine Zahl");
        zahlen.push_back(v);
    }
    const bool konstant = teile.size() == 2 && teile[0] == "konstant";
    const bool periodisch = teile.size() == 4 && (teile[0] == "sinus" || teile[0] == "dreieck");
    if (!konstant && !periodisch)
        return falsch("erwartet konstant:W, sinus:MITTE:AMPLITUDE:HZ oder dreieck:MITTE:AMPLITUDE:HZ");
    for (std::size_t i = 0; i < (konstant ? 1u : 2u); ++i)
        if (std::fabs(zahlen[i]) > kMaxBetrag) return falsch("Werte höchstens 1000 dem Betrag nach");
    SimSignal s;
    s.mitte = zahlen[0];
    if (konstant) return s;
    if (!(zahlen[2] > 0.0 && zahlen[2] <= kMaxFrequenz)) return falsch("Frequenz größer 0 und höchstens 1000 Hz");
    s.form = teile[0] == "sinus" ? Form::Sinus : Form::Dreieck;
    s.amplitude = zahlen[1];
    s.frequenz = zahlen[2];
    return s;
}
