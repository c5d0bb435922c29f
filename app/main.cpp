#include "app/Anwendung.h"
#include "uisupport/QtDialoge.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);  // only the exit path ends the loop
    // A German program: the toolkit's own dialogs and buttons speak German too.
    QTranslator deutsch;
    if (deutsch.load(QLocale(QLocale::German), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&deutsch);
    QtDialoge dialoge;
    DialogeSetzen(&dialoge);
    int ergebnis = 0;
    {
        Anwendung anwendung;
        if (anwendung.Starten() != 0) return -1;
        app.exec();
        anwendung.Beenden();
    }
    DialogeSetzen(nullptr);
    return ergebnis;
}
