#pragma once
// Window tests: the whole program's windows as main creates them, scripted
// dialogs, and a temporary working directory (the settings file lives there).
//
//     FensterUmgebung u;                       // no settings file
//     FensterUmgebung u("[com]\r\nport = 8\r\n"); // with one
//     ASSERT_EQ(u.Starten(), 0);               // ReadIni, window init, start size
//     gCompanel->... ; u.dialoge.protokoll ...
//
// Link tests/QtUmgebung.cpp into the test binary for the QApplication.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "device/PortTabelle.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/SkriptDialoge.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct FensterUmgebung {
    QTemporaryDir verzeichnis;
    QString vorher = QDir::currentPath();
    SkriptDialogeAktiv dialoge;
    std::unique_ptr<Anwendung> anwendung;

    explicit FensterUmgebung(const QByteArray& ini = {}) {
        QDir::setCurrent(verzeichnis.path());
        if (!ini.isEmpty()) IniSchreiben(ini);
        anwendung = std::make_unique<Anwendung>();
        gMainpanel->resize(1000, 720);
    }
    ~FensterUmgebung() {
        DeinitialisierePanels();  // closes the port
        anwendung.reset();
        HilfemodusSetzen(false);
        PortTabelleZuruecksetzen();
        QDir::setCurrent(vorher);
    }
    FensterUmgebung(const FensterUmgebung&) = delete;
    FensterUmgebung& operator=(const FensterUmgebung&) = delete;

    // Start-up without showing the main window.
    int Starten() { return anwendung->Starten(false); }

    QString Pfad(const QString& name) const { return verzeichnis.filePath(name); }

    void IniSchreiben(const QByteArray& text) {
        QFile f(Pfad("dlm7Steuerung.ini"));
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    QByteArray IniLesen() const {
        QFile f(Pfad("dlm7Steuerung.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
