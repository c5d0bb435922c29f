#include "app/Anwendung.h"
#include "uisupport/QtDialoge.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);  // only the exit path ends the loop
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
