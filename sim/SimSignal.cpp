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
    switch (form) {
    case Form::Konstant: break;
    case Form::Sinus: v = mitte + amplitude * std::sin(2.0 * std::numbers::pi * phase); break;
    case Form::Dreieck: v = mitte + amplitude * (phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase); break;
    }
    return std::clamp(v, 0.0, 10.0);
}

std::optional<SimSignal> SimSignal::Lesen(const std::string& text) {
    std::vector<std::string> teile;
    std::stringstream ss(text);
    for (std::string t; std::getline(ss, t, ':');) teile.push_back(t);
    std::vector<double> zahlen;
    for (std::size_t i = 1; i < teile.size(); ++i) {
        char* ende = nullptr;
        double v = std::strtod(teile[i].c_str(), &ende);
        if (teile[i].empty() || *ende != '\0' || !std::isfinite(v)) return std::nullopt;
        zahlen.push_back(v);
    }
    SimSignal s;
    if (teile.size() == 2 && teile[0] == "konstant") {
        s.mitte = zahlen[0];
        return s;
    }
    if (teile.size() == 4 && (teile[0] == "sinus" || teile[0] == "dreieck") && zahlen[2] > 0.0) {
        s.form = teile[0] == "sinus" ? Form::Sinus : Form::Dreieck;
        s.mitte = zahlen[0];
        s.amplitude = zahlen[1];
        s.frequenz = zahlen[2];
        return s;
    }
    return std::nullopt;
}
