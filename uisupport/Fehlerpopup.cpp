#include "uisupport/Fehlerpopup.h"

#include "kern/Fehlermeldungen.h"
#include "uisupport/Dialoge.h"

namespace {

int Zeigen(int code, const QString& titelAnfang, const QString& zusatz = {}) {
    if (FehlerKategorie(code) == kStilleKategorie) return code / 1000 * 1000;
    const QString titel = QString("%1 #%2").arg(titelAnfang).arg(-static_cast<long long>(code));
    QString text = QString::fromUtf8(QAV_Fehlermeldung(code));
    if (!zusatz.isEmpty()) text += "\n" + zusatz;
    dialoge().Meldung(titel, text);
    return 1;
}

} // namespace

int QAV_Fehlerpopup(int code) { return Zeigen(code, sgSprache == 2 ? "Error" : "Fehler"); }

int QAV_Fehlerpopup(int code, const QString& zusatz) {
    return Zeigen(code, sgSprache == 2 ? "Error" : "Fehler", zusatz);
}

int QAV_Fehlerpopup2(int code, const QString& titel) { return Zeigen(code, titel); }
