#include "uisupport/BildFenster.h"

#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Hilfeblase.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Werkzeugfenster.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

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

void BildMenueAnlegen(Werkzeugfenster& fenster, std::function<int()> exportieren, std::function<int()> drucken) {
    struct Eintrag {
        const char* text;
        const char* hilfe;
        std::function<int()> tun;
    };
    const Eintrag eintraege[] = {{kMenueGrafikExportieren, kHilfeGrafikExportieren, std::move(exportieren)},
                                 {kMenueDrucken, kHilfeDrucken, std::move(drucken)}};
    QMenu* datei = fenster.dateiMenue();
    for (const Eintrag& e : eintraege) {
        auto* a = new QAction(QString::fromUtf8(e.text), &fenster);
        a->setProperty("hilfe", QString::fromUtf8(e.hilfe));
        if (e.text == kMenueDrucken) a->setShortcut(QKeySequence::Print);
        datei->insertAction(fenster.beendenAktion(), a);
        QObject::connect(a, &QAction::triggered, &fenster, [&fenster, hilfe = e.hilfe, tun = e.tun] {
            if (gHilfeAktiv) {
                QWidget* w = fenster.window();
                HilfeblaseBeiZeiger(w, QString::fromUtf8(hilfe), w->mapFromGlobal(QCursor::pos()));
                return;
            }
            if (const int rc = tun(); rc != 0) QAV_Fehlerpopup(rc);
        });
    }
    datei->insertSeparator(fenster.beendenAktion());
}
