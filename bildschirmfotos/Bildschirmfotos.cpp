// Writes a PNG of every window, and of the widgets they are built from, into
// the folder named on the command line, for a look by eye after a change:
//
//     dlm7bildschirmfotos ORDNER [--abspielen]
//
// The windows run against the simulated box, offscreen unless a display is
// set. --abspielen also sends four curves, plays them and photographs the
// direct I/O chart (about fifteen seconds more).
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "app/Infofenster.h"
#include "config/KonfigModell.h"
#include "device/Geraetedienst.h"
#include "device/PortTabelle.h"
#include "device/Qavksv5.h"
#include "device/fenster/ComPanel.h"
#include "direkt/fenster/DirektPanel.h"
#include "kennlinie/fenster/KennlinienPanel.h"
#include "kennlinie/fenster/Speicheruebersicht.h"
#include "kurven/fenster/KurvenPanel.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Drehknopf.h"
#include "uisupport/SkriptDialoge.h"
#include "uisupport/Zahlfeld.h"

#include "Widgets.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {

QString sgOrdner;

// A menu entry of the curve window, by its object name.
QAction* Eintrag(KurvenPanel& k, const QString& name) { return k.findChild<QAction*>(name); }

void Foto(QWidget* w, const QString& name) {
    QTest::qWait(60);
    const QString pfad = sgOrdner + "/" + name + ".png";
    if (!w->grab().save(pfad)) std::fprintf(stderr, "nicht geschrieben: %s\n", qUtf8Printable(pfad));
}

// A configuration worth seeing: input 2 as a temperature, output 3 falling in bar.
void Beispielkonfiguration(KonfigModell& konfig) {
    KonfigDaten k = KonfigStandardwerte();
    SkalierungSetzen(k, Seite::Eingang, 1, {0, 10, 0, 250});
    EinheitTextSetzen(k, Seite::Eingang, 1, "°C");
    SkalierungSetzen(k, Seite::Ausgang, 2, {0, 10, 100, 0});
    EinheitTextSetzen(k, Seite::Ausgang, 2, "bar");
    konfig.Uebernehmen(k);
}

void Kennlinienfotos(Anwendung& a) {
    a.ZeigeChildpanel(FensterId::Kennlinie);
    KennlinienPanel& k = a.kennlinie();
    Foto(&a.haupt(), "kennlinie_neu");
    k.editor().PunkteSetzen({{200, 500, 0}, {3000, 700, 0}, {3300, 900, 0}, {1200, 1100, 0}, {2500, 1, 0}});
    k.editor().KommentarSetzen("Ventilkennlinie Prüfstand 3, zweite Messreihe vom Mai");
    for (auto [d, name] : {std::pair{3, "kennlinie_linien_stufen"}, std::pair{1, "kennlinie_linien"},
                           std::pair{2, "kennlinie_stufen"}}) {
        k.DarstellungWaehlen(d);
        Foto(&a.haupt(), name);
    }
    k.DarstellungWaehlen(3);
    for (int i = 0; i < 3; ++i) k.Befehlen(KennlinienPanel::Befehl::ZoomPlus);
    Foto(&a.haupt(), "kennlinie_zoom");
    // As read from a box: one point per input step.
    Kennlinienpunkte gelesen(4096);
    for (std::size_t i = 0; i < gelesen.size(); ++i)
        gelesen[i] = {std::int32_t(2047.5 + 1900.0 * std::sin(double(i) * 6.0 * 3.14159265 / 4096.0)), 1, 0};
    k.editor().PunkteSetzen(gelesen);
    k.Befehlen(KennlinienPanel::Befehl::ZoomGesamt);
    Foto(&a.haupt(), "kennlinie_gelesen");

    // Two slots written through the window, then the overview of the box.
    for (int slot : {2, 5}) {
        k.findChild<Zahlfeld*>(Kennl::Name(Kennl::Feld::KurvenNr))->setWert(slot);
        k.findChild<QPushButton*>(Kennl::Name(Kennl::Knopf::Schreiben))->click();
        a.dienst().Abwarten();
        k.editor().PunkteSetzen({{3800, 2000, 0}, {600, 2095, 0}, {3000, 1, 0}});
        k.editor().BegrenzungSetzen(7.5);
        k.editor().AnstiegszeitSetzen(819.0);
    }
    k.SpeicheruebersichtOeffnen();
    a.dienst().Abwarten();
    Foto(k.findChild<Speicheruebersicht*>(), "kennlinie_speicheruebersicht");
    k.findChild<Speicheruebersicht*>()->close();
}

void Kurvenfotos(Anwendung& a) {
    a.ZeigeChildpanel(FensterId::Kurven);
    KurvenPanel& k = a.kurven();
    auto setzen = [&](int n, std::vector<kurvengenerator::Kurvenpunkt> p) {
        k.editor().Aendern([&](kurvengenerator::Kurvensatz& s) { s.kurven[std::size_t(n)].punkte = std::move(p); });
    };
    setzen(0, {{0, 2000, 1}, {4000, 2000, 1}, {1000, 2000, 1}, {3000, 2187, 1}, {500, 1, 1}});
    setzen(1, {{2048, 1000, 1}, {3500, 1000, 1}, {2048, 1000, 1}, {600, 1000, 1}, {2048, 4187, 1}, {2048, 1, 1}});
    setzen(2, {{300, 2047, 1}, {300, 1, 1}, {3800, 2047, 1}, {3800, 1, 1}, {300, 2047, 1}, {300, 1, 1}});
    setzen(3, {{1000, 4094, 1}, {3000, 4093, 1}, {1000, 1, 1}});
    for (int n = 1; n < 4; ++n) Eintrag(k, KurvenPanel::HintergrundName(n))->trigger();
    Eintrag(k, KurvenPanel::Name(KurvenPanel::Befehl::ZoomGesamt))->trigger();
    Foto(&a.haupt(), "kurven");
}

// Four curves sent to the simulated box, played, and seen on the direct I/O
// window's chart: the simulator loops the outputs back to the inputs.
void Abspielen(Anwendung& a) {
    a.ZeigeChildpanel(FensterId::Kurven);
    a.kurven().editor().Aendern([](kurvengenerator::Kurvensatz& s) {
        s.kurven[0].punkte = {{0, 100, 7}, {4095, 100, 7}, {0, 1, 7}};
        s.kurven[1].punkte = {{3000, 50, 7}, {1000, 50, 7}, {3000, 100, 7}, {3000, 1, 7}};
        s.kurven[2].punkte = {{500, 100, 7}, {500, 1, 7}, {3500, 99, 7}, {3500, 1, 7}};
        s.kurven[3].punkte = {{2048, 200, 7}, {2048, 1, 7}};
    });
    Eintrag(a.kurven(), KurvenPanel::Name(KurvenPanel::Befehl::ZoomGesamt))->trigger();
    a.kurven().findChild<QPushButton*>("SENDEN")->click();
    a.dienst().Abwarten(200000);
    Foto(&a.haupt(), "kurven_gesendet");
    a.kurven().startKnopf()->click();
    a.dienst().Abwarten();
    a.ZeigeChildpanel(FensterId::Direkt);
    a.direkt().findChild<Zahlfeld*>("ABTASTZEIT")->setValue(0.05);
    a.direkt().findChild<Zahlfeld*>("ZOOMX")->setValue(200);
    a.direkt().findChild<QPushButton*>("ABFRAGEN")->click();
    QTest::qWait(11000);
    Foto(&a.haupt(), "kurven_abgespielt");
    a.direkt().findChild<QPushButton*>("ABFRAGEN")->click();
    a.dienst().Abwarten();
}

void Fensterfotos(bool abspielen) {
    Dlm7Simulator::Einstellungen e;
    e.weitereGeraete = {{'4', "QAV-PLN6-V2.1"}};
    e.takt = abspielen; // the real line rate while a transfer is photographed
    SimUmgebung box(1, e);
    if (!box.bereit()) {
        std::fprintf(stderr, "Simulator: %s\n", box.fehler.c_str());
        return;
    }
    box.sim.EingangSignal(2, SimSignal{SimSignal::Form::Sinus, 5.0, 4.0, 0.5});
    box.sim.EingangSignal(3, SimSignal{SimSignal::Form::Dreieck, 3.0, 2.0, 0.3});

    QTemporaryDir arbeit; // settings file and chosen files stay out of the user's folders
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(arbeit.path());
    qputenv("XDG_CONFIG_HOME", arbeit.filePath("xdg").toUtf8());
    SkriptDialogeAktiv dialoge;
    {
        Anwendung a;
        a.Starten();
        a.haupt().resize(1000, 720);
        a.dienst().Oeffnen(1);
        a.dienst().Abwarten();
        Beispielkonfiguration(a.konfig());
        Foto(&a.haupt(), "hauptfenster");

        a.ZeigeChildpanel(FensterId::Com);
        // The silent addresses of the scan, on the service's own port table.
        a.dienst().Ausfuehren(
            nullptr, [](Auftrag& auftrag) { return QAVKSV5_Timeout(auftrag.port, 0.05); }, [](int) {});
        a.com().Scann_Callback();
        a.com().Fehlerabfrage_Callback();
        a.dienst().Abwarten();
        Foto(&a.haupt(), "com");

        a.ZeigeChildpanel(FensterId::Konfig);
        Foto(&a.haupt(), "konfiguration");

        a.ZeigeChildpanel(FensterId::Direkt);
        a.direkt().findChild<Drehknopf*>("AUSGANG1")->zahlenfeld()->setValue(3.3);
        a.direkt().findChild<Drehknopf*>("AUSGANG3")->zahlenfeld()->setValue(40.0);
        a.direkt().findChild<Zahlfeld*>("ABTASTZEIT")->setValue(0.2);
        a.direkt().findChild<QPushButton*>("ABFRAGEN")->click();
        QTest::qWait(4000);
        Foto(&a.haupt(), "direkt");
        a.direkt().findChild<QPushButton*>("ABFRAGEN")->click();
        a.dienst().Abwarten();

        Kennlinienfotos(a);
        Kurvenfotos(a);
        if (abspielen) Abspielen(a);

        a.ZeigeChildpanel(FensterId::Haupt);
        a.info().adjustSize();
        a.info().show();
        Foto(&a.info(), "info");
        a.info().hide();
        a.DeinitialisierePanels();
    }
    QDir::setCurrent(vorher);
    PortTabelleZuruecksetzen();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arg = app.arguments();
    if (arg.size() < 2 || arg.at(1).startsWith("-")) {
        std::fprintf(stderr, "Verwendung: dlm7bildschirmfotos ORDNER [--abspielen]\n");
        return 2;
    }
    sgOrdner = QDir(arg.at(1)).absolutePath();
    if (!QDir().mkpath(sgOrdner)) {
        std::fprintf(stderr, "Ordner nicht anlegbar: %s\n", qUtf8Printable(sgOrdner));
        return 1;
    }
    WidgetFotos(sgOrdner);
    Fensterfotos(arg.contains("--abspielen"));
    std::printf("%s\n", qUtf8Printable(sgOrdner));
    return 0;
}
