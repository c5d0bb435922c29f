// The view of "Kurvengenerator" as the user moves it: the scroll bar and the
// choice of the curve edited. Zoom and display choices go from their menu
// entries straight to the editor.
#include "kurven/fenster/KurvenPanel.h"

#include "uisupport/Zahlfeld.h"

#include <QScrollBar>

#include <cmath>

using namespace kurvengenerator;

void KurvenPanel::Gescrollt(int wert) {
    const int weg = scroll_->maximum();
    editor_.Scrollen(weg > 0 ? int(std::lround(100.0 * wert / weg)) : 0);
}

void KurvenPanel::KurveWaehlen(int k) {
    // What was typed into "Y-Raster" belongs to the curve being left (its commit goes to the editor).
    yRaster_->Uebernehmen();
    editor_.KurveWaehlen(k);
}
