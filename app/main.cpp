#include "app/Anwendung.h"
#include "app/Sprache.h"
#include "uisupport/QtDialoge.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

QtMessageHandler sgQtMeldungen = nullptr;
QStringList sgStartmeldungen;

// Without a display the toolkit ends the process with an abort and a core
// dump; say instead in one line what is missing and how to start anyway.
// Its own warnings before that are held back, so the line stands alone.
void OhneAnzeige(QtMsgType art, const QMessageLogContext&, const QString& text) {
    if (art != QtFatalMsg) {
        sgStartmeldungen << text;
        return;
    }
    std::fputs("dlm7dsteuerung: Keine grafische Anzeige gefunden (DISPLAY bzw. WAYLAND_DISPLAY). "
               "Auf einer virtuellen Anzeige starten mit: xvfb-run -a dlm7dsteuerung\n",
               stderr);
    ::_exit(2);
}

} // namespace

int main(int argc, char** argv) {
    sgQtMeldungen = qInstallMessageHandler(OhneAnzeige);
    const std::string cGebietsschema = SpracheVorbereiten();
    QApplication app(argc, argv);
    SpracheEinrichten(app, cGebietsschema);
    qInstallMessageHandler(sgQtMeldungen);
    for (const QString& m : std::as_const(sgStartmeldungen)) qWarning("%s", qUtf8Printable(m));
    app.setQuitOnLastWindowClosed(false); // only the exit path ends the loop
    int ergebnis = 0;
    {
        Anwendung anwendung(std::make_unique<QtDialoge>());
        if (anwendung.Starten() != 0) return -1;
        // "dlm7dsteuerung DATEI" (a double-click on a .dlo, .dle or .dlr file).
        const QStringList argumente = app.arguments();
        if (argumente.size() > 1) anwendung.DateiOeffnen(argumente.at(1));
        app.exec();
        anwendung.Beenden();
    }
    return ergebnis;
}
