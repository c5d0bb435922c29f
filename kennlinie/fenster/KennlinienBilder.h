#pragma once
// The window's toolbar pictures, compiled in from resources/bilder/kl_*.svg.
#include <QIcon>
#include <QString>

// name without prefix and extension: "zoomplus" -> ":/bilder/kl_zoomplus.svg".
QString KennlinienBildPfad(const char* name);
QIcon KennlinienBild(const char* name);
