#include "uisupport/BildFenster.h"

#include "uisupport/Dialoge.h"

#include <QPrinter>

std::optional<Bildbereich> BildbereichFragen(const QString& titel) {
    switch (dialoge().Frage(
        titel, QStringLiteral("Was soll die Grafik zeigen?"),
        {QStringLiteral("Aktuelle Ansicht"), QStringLiteral("Ganze Kurve"), QStringLiteral("Abbrechen")}, 1, 3)) {
    case 1: return Bildbereich::Ansicht;
    case 2: return Bildbereich::GanzeKurve;
    default: return std::nullopt;
    }
}

int GrafikExportierenMitDialog(const Bildkopf& kopf, const Bildinhalt& inhalt) {
    DateiAuswahl a;
    a.titel = QString::fromUtf8(kTitelBildExport);
    a.muster = QStringLiteral("*.png");
    a.filter = BildFilter();
    a.speichern = true;
    const DateiErgebnis wahl = dialoge().Datei(a);
    if (wahl.art != DateiErgebnis::Art::Gewaehlt) return 0;
    return BildSpeichern(wahl.pfad, kBildStandard, kopf, inhalt);
}

int GrafikDruckenMitDialog(const Bildkopf& kopf, const Bildinhalt& inhalt) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageOrientation(QPageLayout::Landscape);
    drucker.setDocName(kopf.titel);
    if (!dialoge().Drucken(drucker)) return 0;
    return BildDrucken(drucker, kBildStandard, kopf, inhalt) ? 0 : BildFehler::Drucken;
}
