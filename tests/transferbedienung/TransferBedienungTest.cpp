// Transfers as a user meets them: the program built as main builds it, the
// toolkit's own dialogs (the real progress dialog above all), real clicks and
// keys, and the simulator unpaced, so results arrive while the GUI is busy.
#include "Bedienelemente.h"
#include "KennlinienZugriff.h"
#include "Rahmenzugriff.h"
#include "app/Anwendung.h"
#include "app/Hauptfenster.h"
#include "config/KonfigModell.h"
#include "device/Blocktransfer.h"
#include "device/Geraetedienst.h"
#include "device/fenster/ComPanel.h"
#include "kennlinie/Kennlinie.h"
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/fenster/KennlinienPanel.h"
#include "kurven/KurvenDigital.h"
#include "kurven/KurvenTransfer.h"
#include "kurven/fenster/KurvenPanel.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Graph.h"
#include "uisupport/QtDialoge.h"
#include "uisupport/Zahlfeld.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

using namespace std::chrono_literals;
namespace kg = kurvengenerator;

namespace {

// Counts the progress dialogs shown and answers any message box with Escape,
// keeping its text, so an unexpected popup fails the test instead of hanging it.
class Beobachter : public QObject {
  public:
    int fortschrittsdialoge = 0;
    QStringList meldungen;

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            if (auto* d = qobject_cast<QDialog*>(o); d && d->findChild<QProgressBar*>()) ++fortschrittsdialoge;
            if (auto* m = qobject_cast<QMessageBox*>(o)) {
                meldungen << m->text();
                QTimer::singleShot(0, m, [m] { QTest::keyClick(m, Qt::Key_Escape); });
            }
        }
        return false;
    }
};

// The progress dialog on screen, or null.
QDialog* Fortschrittsdialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible() && d->findChild<QProgressBar*>()) return d;
    return nullptr;
}

struct TransferBedienung : ::testing::Test {
    SimUmgebung box;
    QTemporaryDir verzeichnis;
    QString vorher = QDir::currentPath();
    QtDialoge echteDialoge;
    Beobachter beobachter;
    std::unique_ptr<Anwendung> app;
    bool beendet = false;

    void SetUp() override {
        ASSERT_TRUE(box.bereit()) << box.fehler;
        QDir::setCurrent(verzeichnis.path());
        qputenv("XDG_CONFIG_HOME", verzeichnis.filePath("xdg").toUtf8());
        QFile ini(verzeichnis.filePath("dlm7Steuerung.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[com]\r\nadresse = 49\r\n");
        ini.close();
        qApp->setQuitOnLastWindowClosed(false); // as main: only the exit path ends the loop
        qApp->installEventFilter(&beobachter);
        DialogeSetzen(&echteDialoge);
        app = std::make_unique<Anwendung>();
        ASSERT_EQ(app->Starten(true), 0);
        app->haupt().resize(1000, 720);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app->haupt()));
        app->dienst().Oeffnen(box.port);
        ASSERT_TRUE(app->dienst().Abwarten());
        ASSERT_EQ(app->dienst().offenerPort(), box.port);
    }
    void TearDown() override {
        if (app && !beendet) app->Beenden();
        app.reset();
        DialogeSetzen(nullptr);
        qApp->removeEventFilter(&beobachter);
        QDir::setCurrent(vorher);
        EXPECT_TRUE(beobachter.meldungen.isEmpty()) << beobachter.meldungen.join("\n").toStdString();
    }

    KennlinienPanel* Kennlinie() { return &app->kennlinie(); }
    KurvenPanel* Kurven() { return &app->kurven(); }
    template <class F> void KurvenAendern(F aendern) { app->kurven().editor().Aendern(aendern); }
    template <class T> static T* Teil(const QObject* fenster, const char* name) {
        return fenster->findChild<T*>(QString::fromLatin1(name));
    }

    // What the user does: click a button, type into a field and press Enter.
    static void Klicken(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    static void Eingeben(Zahlfeld* f, const QString& text) {
        QTest::mouseClick(f, Qt::LeftButton);
        f->selectAll();
        QTest::keyClicks(f, text);
        QTest::keyClick(f, Qt::Key_Return);
    }
    bool Fertig(int ms = 20000) {
        return QTest::qWaitFor([this] { return !app->dienst().beschaeftigt(); }, ms);
    }
    // Waits for the progress dialog of a running transfer and makes it the active window.
    static QDialog* DialogAbwarten() {
        QDialog* d = nullptr;
        if (!QTest::qWaitFor([&d] { return (d = Fortschrittsdialog()) != nullptr; }, 10000)) return nullptr;
        return QTest::qWaitForWindowActive(d) ? d : nullptr;
    }
};

TEST_F(TransferBedienung, FuenfzigRundenImKennlinienregler) {
    app->ZeigeChildpanel(FensterId::Kennlinie);
    KennlinienPanel* k = Kennlinie();
    Eingeben(FeldVon(k, KennlinienPanel::Feld::KurvenNr), "3");
    ASSERT_EQ(FeldVon(k, KennlinienPanel::Feld::KurvenNr)->wert(), 3.0);
    const KonfigDaten konfig = app->konfig().daten();
    for (int runde = 0; runde < 50; ++runde) {
        SCOPED_TRACE(runde);
        const Kennlinienpunkte kurve = {{1000 + 40 * runde, 1000, 0}, {4000 - 30 * runde, 2000, 0}, {500, 1, 0}};
        k->editor().PunkteSetzen(kurve);
        const int dialogeVorher = beobachter.fortschrittsdialoge;
        Klicken(KnopfVon(k, KennlinienPanel::Knopf::Schreiben));
        ASSERT_TRUE(Fertig());
        ASSERT_EQ(app->dienst().fehler(), 0);
        SlotAbbild bild;
        ASSERT_EQ(SlotAbbildErzeugen(kurve, konfig, FeldVon(k, KennlinienPanel::Feld::Begrenzung)->wert(),
                                     FeldVon(k, KennlinienPanel::Feld::Anstiegszeit)->wert(), bild),
                  0);
        ASSERT_EQ(box.sim.Speicher(SlotAdresse(3), kSlotGroesse), std::vector<unsigned char>(bild.begin(), bild.end()));
        EXPECT_TRUE(k->bestaetigung().startsWith("Kurve in Speicherplatz 3 geschrieben (8224 Bytes, "))
            << k->bestaetigung().toStdString();

        k->editor().PunkteSetzen({{0, 7, 0}});
        Klicken(KnopfVon(k, KennlinienPanel::Knopf::Lesen));
        ASSERT_TRUE(Fertig());
        ASSERT_EQ(app->dienst().fehler(), 0);
        Kennlinientabelle tabelle;
        ASSERT_EQ(Digitalisieren(kurve, tabelle), 0);
        const Kennlinienpunkte& gelesen = k->editor().punkte();
        ASSERT_EQ(gelesen.size(), 4096u);
        for (std::size_t x = 0; x < 4096; ++x) ASSERT_EQ(gelesen[x].yWert, tabelle[x]) << x;
        EXPECT_TRUE(k->bestaetigung().startsWith("Kurve aus Speicherplatz 3 gelesen (8224 Bytes, "))
            << k->bestaetigung().toStdString();
        EXPECT_EQ(beobachter.fortschrittsdialoge, dialogeVorher + 2);
        EXPECT_EQ(Fortschrittsdialog(), nullptr);
    }
}

TEST_F(TransferBedienung, FuenfzigRundenImKurvengenerator) {
    app->ZeigeChildpanel(FensterId::Kurven);
    KurvenPanel* kp = Kurven();
    for (int runde = 0; runde < 50; ++runde) {
        SCOPED_TRACE(runde);
        const kg::Kurvensatz& s = kp->satz();
        KurvenAendern([&](kg::Kurvensatz& s) {
            s.kurven[0].punkte = {{100 + 20 * runde, 300, 2}, {4095 - runde, 1, 2}};
            s.zyklen = {runde, 0, 1, 2};
        });
        const kg::Speicherabbild bild = kg::AbbildErstellen(s);
        ASSERT_EQ(bild.code, 0);
        const kg::Kurvensatz gesendet = s;
        const int dialogeVorher = beobachter.fortschrittsdialoge;
        Klicken(Teil<QPushButton>(kp, "SENDEN"));
        ASSERT_TRUE(Fertig());
        ASSERT_EQ(app->dienst().fehler(), 0);
        ASSERT_EQ(box.sim.Speicher(0, bild.bytes.size()), bild.bytes);
        EXPECT_TRUE(kp->bestaetigung().startsWith(
            QString("Kurven in die DLM-7 geschrieben (%1 Bytes, ").arg(bild.bytes.size())))
            << kp->bestaetigung().toStdString();

        KurvenAendern([&](kg::Kurvensatz& s) { s.kurven[0].punkte = {{0, 1, 7}}; });
        Klicken(Teil<QPushButton>(kp, "LESEN"));
        ASSERT_TRUE(Fertig());
        ASSERT_EQ(app->dienst().fehler(), 0);
        for (std::size_t n = 0; n < gesendet.kurven.size(); ++n) {
            const std::vector<int> soll = kg::KurveDigitalisieren(gesendet.kurven[n]);
            ASSERT_EQ(s.kurven[n].punkte.size(), soll.size()) << n;
            for (std::size_t i = 0; i < soll.size(); ++i) ASSERT_EQ(s.kurven[n].punkte[i].wert, soll[i]);
        }
        EXPECT_EQ(s.zyklen, gesendet.zyklen);
        EXPECT_TRUE(
            kp->bestaetigung().startsWith(QString("Kurven aus der DLM-7 gelesen (%1 Bytes, ").arg(bild.bytes.size())))
            << kp->bestaetigung().toStdString();
        EXPECT_EQ(beobachter.fortschrittsdialoge, dialogeVorher + 2);
    }
}

// Escape and Enter meant for something else leave a transfer running; a click
// on "Abbrechen" and its accelerator stop it.
TEST_F(TransferBedienung, NurAbbrechenBeendetDieUebertragung) {
    app->ZeigeChildpanel(FensterId::Kennlinie);
    KennlinienPanel* k = Kennlinie();
    QPushButton* schreiben = KnopfVon(k, KennlinienPanel::Knopf::Schreiben);
    const Kennlinienpunkte kurve = {{1234, 3000, 0}, {4095, 1, 0}};
    k->editor().PunkteSetzen(kurve);
    // Slow answers hold the transfer while the keys arrive; unpaced again for the rest.
    box.sim.VerzoegerungSetzen(20ms);
    Klicken(schreiben);
    QDialog* d = DialogAbwarten();
    ASSERT_NE(d, nullptr);
    for (Qt::Key taste : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(d, taste);
    EXPECT_TRUE(d->isVisible());
    box.sim.VerzoegerungSetzen(0ms);
    ASSERT_TRUE(Fertig());
    EXPECT_EQ(app->dienst().fehler(), 0);
    EXPECT_TRUE(k->bestaetigung().startsWith("Kurve in Speicherplatz 1 geschrieben"))
        << k->bestaetigung().toStdString();
    SlotAbbild bild;
    ASSERT_EQ(SlotAbbildErzeugen(kurve, app->konfig().daten(), FeldVon(k, KennlinienPanel::Feld::Begrenzung)->wert(),
                                 FeldVon(k, KennlinienPanel::Feld::Anstiegszeit)->wert(), bild),
              0);
    EXPECT_EQ(box.sim.Speicher(SlotAdresse(1), kSlotGroesse), std::vector<unsigned char>(bild.begin(), bild.end()));

    // A click on "Abbrechen".
    box.sim.VerzoegerungSetzen(20ms);
    Klicken(schreiben);
    d = DialogAbwarten();
    ASSERT_NE(d, nullptr);
    auto* abbrechen = d->findChild<QPushButton*>();
    ASSERT_NE(abbrechen, nullptr);
    EXPECT_EQ(abbrechen->text(), "&Abbrechen");
    Klicken(abbrechen);
    box.sim.VerzoegerungSetzen(0ms);
    ASSERT_TRUE(Fertig());
    EXPECT_EQ(app->dienst().fehler(), kSendenAbgebrochen);
    EXPECT_TRUE(k->bestaetigung().isEmpty());

    // Its accelerator, in the other window and direction: a read of some hundred blocks.
    app->ZeigeChildpanel(FensterId::Kurven);
    KurvenAendern([&](kg::Kurvensatz& s) { s.kurven[0].punkte = {{0, 3000, 2}, {4095, 1, 2}}; });
    Klicken(Teil<QPushButton>(Kurven(), "SENDEN"));
    ASSERT_TRUE(Fertig());
    ASSERT_EQ(app->dienst().fehler(), 0);
    box.sim.VerzoegerungSetzen(20ms);
    KurvenAendern([&](kg::Kurvensatz& s) { s.kurven[0].punkte = {{0, 1, 7}, {4095, 1, 7}}; });
    const kg::Kurvensatz bearbeitet = Kurven()->satz();
    Klicken(Teil<QPushButton>(Kurven(), "LESEN"));
    d = DialogAbwarten();
    ASSERT_NE(d, nullptr);
    QTest::keyClick(d, Qt::Key_Escape);
    QTest::keyClick(d, Qt::Key_A, Qt::AltModifier);
    // The accelerator presses the button with the toolkit's short animation.
    auto* knopf = d->findChild<QPushButton*>();
    ASSERT_TRUE(QTest::qWaitFor([knopf] { return !knopf->isEnabled(); }, 5000));
    box.sim.VerzoegerungSetzen(0ms);
    ASSERT_TRUE(Fertig());
    EXPECT_EQ(app->dienst().fehler(), kLesenAbgebrochen);
    EXPECT_EQ(Kurven()->satz().kurven[0].punkte.size(), bearbeitet.kurven[0].punkte.size());
    EXPECT_TRUE(Kurven()->bestaetigung().isEmpty());
}

// The remaining time falls with the bytes left and follows the line rate.
TEST_F(TransferBedienung, RestzeitImFortschrittsdialog) {
    app->ZeigeChildpanel(FensterId::Kennlinie);
    KennlinienPanel* k = Kennlinie();
    box.sim.VerzoegerungSetzen(20ms);
    Klicken(KnopfVon(k, KennlinienPanel::Knopf::Schreiben));
    QDialog* d = DialogAbwarten();
    ASSERT_NE(d, nullptr);
    auto* rest = d->findChild<QLabel*>("RESTZEIT");
    ASSERT_TRUE(QTest::qWaitFor([rest] { return rest->text().startsWith("Verbleibende Zeit: "); }, 5000));
    // Early in the 8224 bytes nearly all of their 19.8 s on the line remain.
    const QString text = rest->text();
    bool zahl = false;
    const double sekunden = text.section(' ', 2, 2).replace(',', '.').toDouble(&zahl);
    EXPECT_TRUE(zahl && text.endsWith(" s")) << text.toStdString();
    EXPECT_GT(sekunden, 15.0);
    EXPECT_LT(sekunden, Leitungszeit(8224, true));
    box.sim.VerzoegerungSetzen(0ms);
    ASSERT_TRUE(Fertig());
}

// The end of the program: while the device service waits for a transfer,
// the windows are gone and nothing new is taken on.
TEST_F(TransferBedienung, BeendenNimmtWaehrendDesWartensNichtsAn) {
    Geraetedienst& dienst = app->dienst();
    std::atomic<bool> weiter{false};
    std::atomic<bool> spaeterGelaufen{false};
    bool hauptSichtbar = true;
    bool gewartet = false;
    // Holds the worker until the GUI, inside the wait of the end, has had its click.
    dienst.Ausfuehren(
        nullptr,
        [&weiter](Auftrag&) {
            weiter.wait(false);
            return 0;
        },
        [](int) {});
    QTimer::singleShot(0, [&] {
        gewartet = true;
        hauptSichtbar = app->haupt().isVisible();
        KnopfVon(&app->kennlinie(), KennlinienPanel::Knopf::Lesen)->click();
        dienst.Ausfuehren(
            nullptr, [&spaeterGelaufen](Auftrag&) { return int(spaeterGelaufen = true); }, [](int) {});
        weiter = true;
        weiter.notify_all();
    });
    box.sim.AnfragenLoeschen();
    beendet = true;
    app->Beenden();
    EXPECT_TRUE(gewartet);
    EXPECT_FALSE(hauptSichtbar);
    EXPECT_FALSE(spaeterGelaufen);
    EXPECT_TRUE(box.sim.Anfragen().empty());
    EXPECT_FALSE(dienst.beschaeftigt());
}

} // namespace

namespace {

// The transfer shuts its own window only: through its "Fenster" menu the user
// reaches another window, whose device action waits for the transfer.
TEST_F(TransferBedienung, AndereFensterBleibenErreichbar) {
    app->ZeigeChildpanel(FensterId::Kennlinie);
    KennlinienPanel* k = Kennlinie();
    Klicken(KnopfVon(k, KennlinienPanel::Knopf::Schreiben));
    ASSERT_TRUE(Fertig());
    // A point drawn into the graph: something Ctrl+Z could take back.
    const std::size_t vorher = k->editor().punkte().size();
    QTest::mouseClick(GraphVon(k), Qt::LeftButton, {}, GraphVon(k)->rect().center());
    const Kennlinienpunkte gezeichnet = k->editor().punkte();
    ASSERT_NE(gezeichnet.size(), vorher);
    // Outside a transfer Ctrl+Z takes it back (and Ctrl+Y redoes it).
    app->haupt().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app->haupt()));
    QTest::keyClick(&app->haupt(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(k->editor().punkte().size(), vorher);
    QTest::keyClick(&app->haupt(), Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(k->editor().punkte(), gezeichnet);
    box.sim.VerzoegerungSetzen(10ms);
    Klicken(KnopfVon(k, KennlinienPanel::Knopf::Lesen));
    ASSERT_NE(DialogAbwarten(), nullptr);
    EXPECT_FALSE(Fortschrittsdialog()->isModal());
    EXPECT_FALSE(k->centralWidget()->isEnabled());
    EXPECT_FALSE(k->dateiMenue()->menuAction()->isEnabled());
    EXPECT_FALSE(k->werkzeugleiste()->isEnabled());
    // Back in the main window: Ctrl+Z does nothing behind the transfer's back.
    app->haupt().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app->haupt()));
    QTest::keyClick(&app->haupt(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&app->haupt(), Qt::Key_Escape);
    EXPECT_EQ(k->editor().punkte(), gezeichnet);
    ASSERT_NE(Fortschrittsdialog(), nullptr);

    QMenuBar* leiste = k->menuBar();
    QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(k->fensterMenue()->menuAction()).center());
    QMenu* menue = k->fensterMenue();
    ASSERT_TRUE(QTest::qWaitFor([menue] { return menue->isVisible(); }, 5000));
    QTest::mouseClick(menue, Qt::LeftButton, {}, menue->actionGeometry(FensterAktion(k, FensterId::Com)).center());
    ASSERT_TRUE(QTest::qWaitFor([this] { return app->AktuellesChildpanel() == &app->com(); }, 5000));
    ComPanel& com = app->com();
    Elemente(&com).IDSTRING->clear();
    Klicken(Elemente(&com).IDLESEN);
    box.sim.VerzoegerungSetzen(0ms);
    ASSERT_TRUE(Fertig());
    EXPECT_EQ(app->dienst().fehler(), 0);
    EXPECT_EQ(Elemente(&com).IDSTRING->text(), "QAV-DLM7D-SIM-V1.0");
    EXPECT_EQ(Fortschrittsdialog(), nullptr);
    EXPECT_TRUE(k->centralWidget()->isEnabled());
    EXPECT_TRUE(k->dateiMenue()->menuAction()->isEnabled());
    EXPECT_EQ(k->editor().punkte().size(), 4096u); // read, not undone
    EXPECT_TRUE(k->bestaetigung().startsWith("Kurve aus Speicherplatz 1 gelesen")) << k->bestaetigung().toStdString();
}

} // namespace
