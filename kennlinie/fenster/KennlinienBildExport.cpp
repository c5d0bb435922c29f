// "Grafik exportieren…" and "Drucken…": the large graph as drawn in the
// window, in the current view or over the whole curve, with a heading.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "kennlinie/fenster/KennlinienGrafik.h"
#include "uisupport/BildFenster.h"
#include "uisupport/Graph.h"

Bildkopf KennlinienPanel::BildKopf() const {
    return {QStringLiteral("Kennlinienregler"), dateiname(), QString::fromStdString(editor_.kurve().kommentar), {}};
}

void KennlinienPanel::BildZeichnen(QPainter& p, QSize groesse, double strich, bool ganz) {
    Graph* g = grafik_->graph();
    if (!ganz) {
        g->Zeichnen(p, groesse, strich);
        return;
    }
    // The window's own redraw over the whole range, and back before anything
    // repaints: the user never sees the other view.
    const Ansicht alt = editor_.ansicht();
    Ansicht ganzeKurve = alt;
    ZoomGesamt(ganzeKurve);
    ganzeKurve.yMin = 0;
    ganzeKurve.yMax = kRohMax;
    editor_.AnsichtSetzen(ganzeKurve);
    g->Zeichnen(p, groesse, strich);
    editor_.AnsichtSetzen(alt);
}

int KennlinienPanel::GrafikExportieren() {
    const std::optional<Bildbereich> bereich = BildbereichFragen(QString::fromUtf8(kTitelBildExport));
    if (!bereich) return 0;
    const bool ganz = *bereich == Bildbereich::GanzeKurve;
    return GrafikExportierenMitDialog(BildKopf(),
                                      [this, ganz](QPainter& p, QSize g, double s) { BildZeichnen(p, g, s, ganz); });
}

int KennlinienPanel::GrafikDrucken() {
    const std::optional<Bildbereich> bereich = BildbereichFragen(QString::fromUtf8(kTitelDrucken));
    if (!bereich) return 0;
    const bool ganz = *bereich == Bildbereich::GanzeKurve;
    return GrafikDruckenMitDialog(BildKopf(),
                                  [this, ganz](QPainter& p, QSize g, double s) { BildZeichnen(p, g, s, ganz); });
}
