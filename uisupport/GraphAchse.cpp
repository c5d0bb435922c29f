#include "uisupport/GraphAchse.h"

#include "uisupport/Zeigerinstrument.h"

#include <algorithm>
#include <cmath>

QVector<GraphAchse::Marke> GraphAchse::Marken(int hoechstens) const {
    QVector<Marke> marken;
    // A zero gain (a channel whose unit range is empty) still gets ticks, at round raw values.
    const bool inEinheit = verstaerkung != 0.0 && std::isfinite(verstaerkung) && std::isfinite(versatz);
    const double a = inEinheit ? Einheit(min) : min;
    const double b = inEinheit ? Einheit(max) : max;
    const QVector<double> werte = Zeigerinstrument::Skalenwerte(std::min(a, b), std::max(a, b), hoechstens);
    const int stellen = Zeigerinstrument::Skalenstellen(werte);
    const double toleranz = (max - min) * 1e-9;
    for (double w : werte) {
        const double roh = inEinheit ? (w - versatz) / verstaerkung : w;
        if (roh < min - toleranz || roh > max + toleranz) continue;
        const double text = inEinheit ? w : Einheit(w);
        marken.append({std::clamp(roh, min, max), QString::number(text == 0.0 ? 0.0 : text, 'f', stellen)});
    }
    return marken;
}
