// How long the GUI thread is kept from its events while the program talks to
// a slow box. A 20 ms timer on the GUI thread records its worst lateness
// while each case runs against the simulator paced at 9600 baud:
//   - "Scann" of the connection window (one box, eight silent addresses);
//   - polling at the fastest interval with the cable pulled;
//   - an 8224-byte image written through the device service.
// "synchron" runs the same driver calls directly on the GUI thread, which is
// how every window worked before the device service: the figure to beat.
// Goal: worst lateness <= 50 ms with the service.
#include "app/Anwendung.h"
#include "device/Blocktransfer.h"
#include "device/Geraetedienst.h"
#include "device/Qavksv5.h"
#include "device/fenster/ComPanel.h"
#include "direkt/fenster/DirektPanel.h"
#include "sim/SimUmgebung.h"
#include "tests/Bedienelemente.h"
#include "uisupport/SkriptDialoge.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

constexpr int kTakt = 20;

// Worst lateness of a kTakt timer while arbeit runs; fertig tells when it is over.
double SpaetestesMs(const std::function<void()>& arbeit, const std::function<bool()>& fertig) {
    QElapsedTimer uhr;
    qint64 erwartet = kTakt;
    qint64 schlimmste = 0;
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    takt.setInterval(kTakt);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        schlimmste = std::max(schlimmste, uhr.elapsed() - erwartet);
        erwartet = uhr.elapsed() + kTakt;
    });
    uhr.start();
    takt.start();
    arbeit();
    while (!fertig()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // One more tick shows a block that ended the work.
    const qint64 ende = uhr.elapsed() + 2 * kTakt;
    while (uhr.elapsed() < ende) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return double(schlimmste);
}

struct Umgebung {
    QTemporaryDir verzeichnis;
    QString vorher = QDir::currentPath();
    SkriptDialogeAktiv dialoge;
    std::unique_ptr<SimUmgebung> box;
    std::unique_ptr<Anwendung> app;

    Umgebung() {
        Dlm7Simulator::Einstellungen e;
        e.takt = true;
        box = std::make_unique<SimUmgebung>(8, e);
        QDir::setCurrent(verzeichnis.path());
        app = std::make_unique<Anwendung>();
        app->Starten(false);
        app->dienst().Oeffnen(box->port);
        app->dienst().Abwarten();
    }
    // The comparison: the same driver calls on the GUI thread, on a port of
    // its own table; the service lets the device go first.
    bool Synchron() {
        app->dienst().Schliessen();
        app->dienst().Abwarten();
        synchron_ = QAVKSV5_Open(box->port, Geraetedienst::kBaud) == 0;
        return synchron_ && QAVKSV5_Timeout(box->port, Geraetedienst::kEmpfangsZeitlimit) == 0;
    }
    ~Umgebung() {
        if (synchron_) QAVKSV5_Close(box->port);
        app->DeinitialisierePanels();
        app.reset();
        box.reset();
        QDir::setCurrent(vorher);
    }
    bool bereit() const { return box->bereit() && app->dienst().offenerPort() == box->port; }

  private:
    bool synchron_ = false;
};

void Melden(benchmark::State& state, double ms) { state.counters["spaetestens_ms"] = ms; }

void Scann(benchmark::State& state) {
    Umgebung u;
    if (!u.bereit()) return state.SkipWithError("Simulator nicht bereit");
    const bool synchron = state.range(0) != 0;
    if (synchron && !u.Synchron()) return state.SkipWithError("Port nicht geöffnet");
    double ms = 0;
    for (auto _ : state) {
        if (synchron) {
            bool fertig = false;
            ms = SpaetestesMs(
                [&] {
                    QTimer::singleShot(0, [&] {
                        std::string kennung;
                        for (char a = '1'; a <= '9'; ++a) QAVKSV5_IDLesen(u.box->port, a, kennung);
                        fertig = true;
                    });
                },
                [&] { return fertig; });
        } else {
            ms = SpaetestesMs([&] { u.app->com().Scann_Callback(); }, [&] { return !u.app->com().scanLaeuft(); });
        }
    }
    Melden(state, ms);
}

void AbfrageOhneKabel(benchmark::State& state) {
    Umgebung u;
    if (!u.bereit()) return state.SkipWithError("Simulator nicht bereit");
    const bool synchron = state.range(0) != 0;
    if (synchron && !u.Synchron()) return state.SkipWithError("Port nicht geöffnet");
    DirektPanel& d = u.app->direkt();
    u.app->ZeigeChildpanel(&d);
    double ms = 0;
    for (auto _ : state) {
        if (synchron) {
            u.box->sim.KabelGezogen(true);
            int runden = 0;
            QTimer abfrage;
            abfrage.setInterval(200);
            QObject::connect(&abfrage, &QTimer::timeout, [&] {
                double w = 0;
                for (int k = 1; k <= 4; ++k) QAVKSV5_EingangLesen(u.box->port, '1', "e" + std::to_string(k), w);
                ++runden;
            });
            ms = SpaetestesMs([&] { abfrage.start(); }, [&] { return runden >= 2; });
        } else {
            Elemente(&d).TIMER->setInterval(200); // the fastest the window allows
            Elemente(&d).ABFRAGEN->click();
            u.app->dienst().Abwarten();
            u.box->sim.KabelGezogen(true);
            // The first poll that meets the dead line ends polling, as for the user.
            ms =
                SpaetestesMs([] {}, [&] { return !Elemente(&d).TIMER->isActive() && !u.app->dienst().beschaeftigt(); });
        }
        u.box->sim.KabelGezogen(false);
    }
    Melden(state, ms);
}

void BildSchreiben(benchmark::State& state) {
    Umgebung u;
    if (!u.bereit()) return state.SkipWithError("Simulator nicht bereit");
    const bool synchron = state.range(0) != 0;
    if (synchron && !u.Synchron()) return state.SkipWithError("Port nicht geöffnet");
    const std::vector<unsigned char> bild(8224, 0x3C);
    double ms = 0;
    for (auto _ : state) {
        bool fertig = false;
        if (synchron) {
            ms = SpaetestesMs(
                [&] {
                    QTimer::singleShot(0, [&] {
                        SpeicherBlockweiseSchreiben(u.box->port, '1', 0x2020, bild.data(), long(bild.size()));
                        fertig = true;
                    });
                },
                [&] { return fertig; });
        } else {
            ms = SpaetestesMs(
                [&] {
                    u.app->dienst().Ausfuehren(
                        nullptr,
                        [&bild](Auftrag& a) {
                            return SpeicherBlockweiseSchreiben(a.port, a.adresse, 0x2020, bild.data(),
                                                               long(bild.size()), a.rueckmeldung);
                        },
                        [&](int) { fertig = true; });
                },
                [&] { return fertig; });
        }
    }
    Melden(state, ms);
}

} // namespace

BENCHMARK(Scann)->ArgName("synchron")->Arg(0)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
BENCHMARK(AbfrageOhneKabel)
    ->ArgName("synchron")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BildSchreiben)->ArgName("synchron")->Arg(0)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
