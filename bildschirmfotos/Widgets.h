#pragma once
#include <QString>

// Lamps, indicator, link pictures, gauges, knobs, strip chart, icons and graphs into ordner.
void WidgetFotos(const QString& ordner);
