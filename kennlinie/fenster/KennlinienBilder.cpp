#include "kennlinie/fenster/KennlinienBilder.h"

static void BilderEinbinden() {
    // A static library would otherwise let the linker drop the pictures.
    Q_INIT_RESOURCE(kennlinienbilder);
}

QString KennlinienBildPfad(const char* name) {
    static const bool eingebunden = (BilderEinbinden(), true);
    Q_UNUSED(eingebunden);
    return QStringLiteral(":/bilder/kl_%1.svg").arg(QLatin1String(name));
}

QIcon KennlinienBild(const char* name) { return QIcon(KennlinienBildPfad(name)); }
