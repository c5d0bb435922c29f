// "Grafik exportieren…" and "Drucken…" of the strip chart: the traces as
// the window shows them, with a heading that names them.
#include "direkt/fenster/DirektPanel.h"

#include "uisupport/BildFenster.h"
#include "uisupport/Streifenschreiber.h"

namespace {

const char* const kFarbnamen[] = {"rot", "grün", "blau", "violett"};

} // namespace

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
