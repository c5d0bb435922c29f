// "Grafik exportieren…" and "Drucken…": the main graph as drawn in the
// window (the current curve and the curves shown behind it), in the current
// view or over the whole current curve, with a heading.
#include "kurven/fenster/KurvenPanel.h"

#include "uisupport/BildFenster.h"
#include "uisupport/Graph.h"

using namespace kurvengenerator;

Bildkopf KurvenPanel::BildKopf() const {
    const int k = editor_.aktuelleKurve();
    return {QStringLiteral("Kurvengenerator, Kurve %1").arg(k + 1),
            QString::fromStdString(editor_.dateiPfad()),
            QString::fromStdString(editor_.satz().kurven[std::size_t(k)].kommentar),
            {}};
}

void KurvenPanel::BildZeichnen(QPainter& p, QSize groesse, double strich, bool ganz) {
    if (!ganz) {
        graph_->Zeichnen(p, groesse, strich);
        return;
    }
    // The window's own redraw over the whole curve, and back before anything
    // repaints: the user never sees the other view. The Y bounds belong to
    // the curve set but are view settings; the round trip leaves both as they were.
    const std::size_t k = std::size_t(editor_.aktuelleKurve());
    const Ansicht alt = editor_.ansicht();
    const int yMin = editor_.satz().yMin[k], yMax = editor_.satz().yMax[k];
    Ansicht ganzeKurve = alt;
    GanzeKurveZeigen(ganzeKurve, editor_.satz().Aktuelle());
    editor_.AnsichtSetzen(ganzeKurve);
    editor_.Aendern([k](Kurvensatz& s) {
        s.yMin[k] = 0;
        s.yMax[k] = kMaxWert;
    });
    graph_->Zeichnen(p, groesse, strich);
    editor_.Aendern([k, yMin, yMax](Kurvensatz& s) {
        s.yMin[k] = yMin;
        s.yMax[k] = yMax;
    });
    editor_.AnsichtSetzen(alt);
}

int KurvenPanel::GrafikExportieren() {
    const std::optional<Bildbereich> bereich = BildbereichFragen(QString::fromUtf8(kTitelBildExport));
    if (!bereich) return 0;
    const bool ganz = *bereich == Bildbereich::GanzeKurve;
    return GrafikExportierenMitDialog(BildKopf(),
                                      [this, ganz](QPainter& p, QSize g, double s) { BildZeichnen(p, g, s, ganz); });
}

int KurvenPanel::GrafikDrucken() {
    const std::optional<Bildbereich> bereich = BildbereichFragen(QString::fromUtf8(kTitelDrucken));
    if (!bereich) return 0;
    const bool ganz = *bereich == Bildbereich::GanzeKurve;
    return GrafikDruckenMitDialog(BildKopf(),
                                  [this, ganz](QPainter& p, QSize g, double s) { BildZeichnen(p, g, s, ganz); });
}
