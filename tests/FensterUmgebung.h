#pragma once
// Window tests: the whole program's windows as main creates them, scripted
// dialogs, and a temporary working directory (the settings file lives there).
//
//     FensterUmgebung u;                       // no settings file
//     FensterUmgebung u("[com]\r\nport = 8\r\n"); // with one
//     ASSERT_EQ(u.Starten(), 0);               // ReadIni, window init, start size
//     Com()->... ; Warten(); u.dialoge.protokoll ...
//
// Device work runs on the service's worker thread: after an action that
// talks to the box, Warten() hands over every result before the test looks.
// Link tests/QtUmgebung.cpp into the test binary for the QApplication.
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Infofenster.h"
#include "config/KonfigModell.h"
#include "config/fenster/KonfigPanel.h"
#include "device/Geraetedienst.h"
#include "device/PortTabelle.h"
#include "device/Qavksv5.h"
#include "device/fenster/ComPanel.h"
#include "direkt/fenster/DirektPanel.h"
#include "kennlinie/fenster/KennlinienPanel.h"
#include "kurven/fenster/KurvenPanel.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/SkriptDialoge.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

// The program of the running test.
inline Anwendung* sgTestAnwendung = nullptr;

inline Anwendung& App() { return *sgTestAnwendung; }
inline Hauptfenster* Haupt() { return &App().haupt(); }
// A button of the main window, by its object name; throws when it is missing.
inline QPushButton* HauptKnopf(Hauptfenster::Knopf k) {
    QPushButton* b = Haupt()->findChild<QPushButton*>(Hauptfenster::KnopfName(k));
    if (!b) throw std::runtime_error("missing " + Hauptfenster::KnopfName(k).toStdString());
    return b;
}
inline ComPanel* Com() { return &App().com(); }
inline KonfigPanel* Konfigpanel() { return &App().konfigPanel(); }
inline DirektPanel* Direkt() { return &App().direkt(); }
inline KurvenPanel* Kurven() { return &App().kurven(); }
inline KennlinienPanel* Kennlinie() { return &App().kennlinie(); }
inline Infofenster* Info() { return &App().info(); }
inline Geraetedienst& Dienst() { return App().dienst(); }
inline const KonfigDaten& Konfig() { return App().konfig().daten(); }

// The shell's operations under the names the windows' behaviour is described with.
inline void ComFehlerSetzen(int code) { App().ComFehlerSetzen(code); }
inline void ZeigeChildpanel(Werkzeugfenster* w) { App().ZeigeChildpanel(w); }
inline void ZeigeChildpanel(FensterId id) { App().ZeigeChildpanel(id); }
inline Werkzeugfenster* AktuellesChildpanel() { return App().AktuellesChildpanel(); }
inline int ProgrammendeFallsAllesGespeichert() { return App().ProgrammendeFallsAllesGespeichert(); }
inline bool ProgrammendeAngefordert() { return App().ProgrammendeAngefordert(); }
inline int OffenerComPort() { return Dienst().offenerPort(); }
inline char GeraeteAdresse() { return Dienst().adresse(); }
inline void KonfigurationSetzen(const KonfigDaten& k) { App().konfig().Setzen(k); }
inline int ReadIni() { return App().ReadIni(); }
inline int WriteIni() { return App().WriteIni(); }
inline void HilfetextBei(const QString& text, QPoint maus) { App().HilfetextBei(text, maus); }
inline void DirekthilfeSchalten(bool an) { App().DirekthilfeSchalten(an); }

// Hands over every pending device result (with a time-out, never a fixed sleep).
inline void Warten() { ASSERT_TRUE(Dienst().Abwarten(10000)) << "Geräteauftrag nicht fertig"; }

// Runs f(port, address) on the service's worker, where its port table is,
// and returns f's result once it is handed over.
template <class F> int AufDemDienst(F f) {
    int ergebnis = 1;
    Dienst().Ausfuehren(
        nullptr, [f](Auftrag& a) { return f(a.port, a.adresse); }, [&ergebnis](int r) { ergebnis = r; });
    Warten();
    return ergebnis;
}
// The receive time-out of the service's open port (silent addresses of a scan go faster).
inline int EmpfangsZeitlimitSetzen(double sekunden) {
    return AufDemDienst([sekunden](int port, char) { return QAVKSV5_Timeout(port, sekunden); });
}

// Changes the configuration in force as a file or the configuration window would.
template <class F> void KonfigAendern(F aendern) {
    KonfigDaten k = Konfig();
    aendern(k);
    App().konfig().Uebernehmen(k);
}

// A control of a window by its object name; a missing one fails the test.
template <class T> T* Teil(const QObject* fenster, const char* name) {
    T* t = fenster->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(t, nullptr) << name;
    return t;
}

// Changes the curve generator's curves as a file or an edit would; its views follow.
template <class F> void KurvenAendern(F aendern) { Kurven()->editor().Aendern(aendern); }

struct FensterUmgebung {
    QTemporaryDir verzeichnis;
    QString vorher = QDir::currentPath();
    SkriptDialogeAktiv dialoge;
    std::unique_ptr<Anwendung> anwendung;

    explicit FensterUmgebung(const QByteArray& ini = {}) {
        QDir::setCurrent(verzeichnis.path());
        // Without a settings file here the program turns to the user's folder: keep it in the test's.
        qputenv("XDG_CONFIG_HOME", verzeichnis.filePath("xdg").toUtf8());
        if (!ini.isEmpty()) IniSchreiben(ini);
        anwendung = std::make_unique<Anwendung>();
        sgTestAnwendung = anwendung.get();
        anwendung->haupt().resize(1000, 720);
    }
    ~FensterUmgebung() {
        anwendung->DeinitialisierePanels(); // closes the port
        anwendung.reset();
        sgTestAnwendung = nullptr;
        HilfemodusSetzen(false);
        PortTabelleZuruecksetzen();
        QDir::setCurrent(vorher);
    }
    FensterUmgebung(const FensterUmgebung&) = delete;
    FensterUmgebung& operator=(const FensterUmgebung&) = delete;

    // Start-up without showing the main window; the port of the settings is open when it returns.
    int Starten() {
        const int r = anwendung->Starten(false);
        anwendung->dienst().Abwarten();
        return r;
    }

    QString Pfad(const QString& name) const { return verzeichnis.filePath(name); }

    void IniSchreiben(const QByteArray& text) {
        QFile f(Pfad("dlm7Steuerung.ini"));
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    QByteArray IniLesen(const QString& name = "dlm7Steuerung.ini") const {
        QFile f(Pfad(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
