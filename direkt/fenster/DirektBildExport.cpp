// "Grafik exportieren…" and "Drucken…" of the strip chart: the traces as
// the window shows them, with a heading that names them.
#include "direkt/fenster/DirektPanel.h"

#include "uisupport/BildFenster.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Streifenschreiber.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace {

const char* const kFarbnamen[] = {"rot", "grün", "blau", "violett"};

} // namespace

void DirektPanel::BildMenueAnlegen() {
    const std::pair<const char*, const char*> eintraege[] = {{kMenueGrafikExportieren, kHilfeGrafikExportieren},
                                                             {kMenueDrucken, kHilfeDrucken}};
    for (const auto& [text, hilfe] : eintraege) {
        auto* a = new QAction(QString::fromUtf8(text), this);
        dateiMenue()->insertAction(beendenAktion(), a);
        const bool drucken = text == kMenueDrucken;
        connect(a, &QAction::triggered, this, [this, drucken, hilfe = hilfe] {
            if (gHilfeAktiv) {
                QWidget* fenster = window();
                HilfeblaseBeiZeiger(fenster, QString::fromUtf8(hilfe), fenster->mapFromGlobal(QCursor::pos()));
                return;
            }
            if (const int rc = drucken ? GrafikDrucken() : GrafikExportieren(); rc != 0) QAV_Fehlerpopup(rc);
        });
    }
    dateiMenue()->insertSeparator(beendenAktion());
}

Bildkopf DirektPanel::BildKopf() const {
    QStringList spuren;
    for (int k = 0; k < kKanaele; ++k)
        if (stripchart_->spurSichtbar(k))
            spuren << QStringLiteral("Eingang %1 (%2)").arg(k + 1).arg(QString::fromUtf8(kFarbnamen[k]));
    const QString legende = spuren.isEmpty()
                                ? QStringLiteral("Keine Spur gewählt")
                                : spuren.join(QStringLiteral(", ")) + QStringLiteral(" in Prozent des Messbereichs");
    return {QStringLiteral("Direkte Ein-/Ausgabe"), {}, legende, {}};
}

int DirektPanel::GrafikExportieren() {
    return GrafikExportierenMitDialog(BildKopf(),
                                      [this](QPainter& p, QSize g, double) { stripchart_->Zeichnen(p, g); });
}

int DirektPanel::GrafikDrucken() {
    return GrafikDruckenMitDialog(BildKopf(), [this](QPainter& p, QSize g, double) { stripchart_->Zeichnen(p, g); });
}
