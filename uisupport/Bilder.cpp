#include "uisupport/Bilder.h"

#include <QtGlobal>

static void ressourcenEinbinden() { Q_INIT_RESOURCE(ressourcen); }

void Bilder::Laden() {
    static const bool geladen = (ressourcenEinbinden(), true);
    Q_UNUSED(geladen);
}

QString Bilder::PfadHilfe() {
    Laden();
    return QStringLiteral(":/bilder/hilfe.svg");
}

QString Bilder::PfadProgramm() {
    Laden();
    return QStringLiteral(":/bilder/programm.svg");
}

QString Bilder::PfadVerbindungOffen() {
    Laden();
    return QStringLiteral(":/bilder/verbindung_offen.svg");
}

QString Bilder::PfadVerbindungGetrennt() {
    Laden();
    return QStringLiteral(":/bilder/verbindung_getrennt.svg");
}

QIcon Bilder::Hilfe() { return QIcon(PfadHilfe()); }

QIcon Bilder::Programm() { return QIcon(PfadProgramm()); }
