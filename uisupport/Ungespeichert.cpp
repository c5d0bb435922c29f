#include "uisupport/Ungespeichert.h"

#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"

int AenderungenSpeichernFragen(bool geaendert, const QString& name, const std::function<int()>& speichern) {
    if (!geaendert) return 0;
    const int antwort = dialoge().Frage("Warnung", QString("Möchten Sie die Änderungen in %1 speichern?").arg(name),
                                        {"Ja", "Nein", "Abbrechen"}, 3, 3);
    if (antwort == 2) return 0;
    if (antwort != 1) return kProgrammendeAbgebrochen;
    const int r = speichern();
    if (r != 0) {
        QAV_Fehlerpopup(r);
        return r;
    }
    return 0;
}
