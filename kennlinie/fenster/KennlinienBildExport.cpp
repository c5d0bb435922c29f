// "Grafik exportieren…" and "Drucken…": the large graph as drawn in the
// window, in the current view or over the whole curve, with a heading.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "kennlinie/fenster/KennlinienGrafik.h"
#include "kennlinie/fenster/KennlinienKontext.h"
#include "uisupport/BildFenster.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"

#include <QAction>
#include <QMenu>

void KennlinienPanel::BildMenueAnlegen() {
    // Between the table export and "Beenden", in a group of their own.
    const std::pair<const char*, const char*> eintraege[] = {{kMenueGrafikExportieren, kHilfeGrafikExportieren},
                                                             {kMenueDrucken, kHilfeDrucken}};
    for (const auto& [text, hilfe] : eintraege) {
        QAction* a = Eintrag(dateiMenue(), QString::fromUtf8(text), nullptr, "", hilfe, false);
        const bool drucken = text == kMenueDrucken;
        if (drucken) a->setShortcut(QKeySequence::Print);
        connect(a, &QAction::triggered, this, [this, drucken, hilfe = hilfe] {
            if (HilfeStatt(*this, hilfe)) return;
            if (const int rc = drucken ? GrafikDrucken() : GrafikExportieren(); rc != 0) QAV_Fehlerpopup(rc);
        });
    }
    dateiMenue()->insertSeparator(beendenAktion());
}

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
