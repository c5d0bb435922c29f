#include "config/KonfigModell.h"

KonfigModell::KonfigModell(QObject* eltern) : QObject(eltern), daten_(KonfigStandardwerte()) {}

void KonfigModell::Setzen(const KonfigDaten& k) {
    daten_ = k;
    emit ersetzt();
}

void KonfigModell::Uebernehmen(const KonfigDaten& k) {
    daten_ = k;
    emit uebernommen();
}
