// Views that follow what changed: the whole curve after an import, the
// coordinate display after a change of curve, the buttons that need a box
// while no port is open, and the help of the first control clicked in help mode.
#include "Bedienelemente.h"
#include "FensterUmgebung.h"
#include "KurvenZugriff.h"
#include "Rahmenzugriff.h"

#include "config/KonfigUmrechnung.h"
#include "kurven/KurvenText.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Graph.h"
#include "uisupport/QtDialoge.h"
#include "uisupport/Zahlfeld.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using namespace kurvengenerator;

struct Ansichten : ::testing::Test {
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        u.dialoge.Leeren();
    }
};

TEST_F(Ansichten, ImportZeigtDieGanzeKurve) {
    ZeigeChildpanel(FensterId::Kurven);
    Kurvensatz lang;
    lang.kurven[0].punkte = {{0, 15, 11}, {4095, 1, 11}}; // 15 s and the closing second
    QFile f(u.Pfad("lang.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(KurvenExportText(lang)));
    f.close();
    ASSERT_EQ(Kurven()->ansicht().ende, 10000.0);
    u.dialoge.DateiGewaehlt(f.fileName());
    AktionVon(Kurven(), KurvenPanel::Befehl::Importieren)->trigger();
    ASSERT_TRUE(u.dialoge.VonArt("Meldung").empty());
    ASSERT_EQ(Kurven()->satz().kurven[0].punkte, lang.kurven[0].punkte);
    EXPECT_EQ(Kurven()->ansicht().start, 0.0);
    EXPECT_EQ(Kurven()->ansicht().ende, KurvenLaenge(lang.kurven[0]) - 1);
}

TEST_F(Ansichten, KoordinatenFolgenDemKurvenwechsel) {
    ZeigeChildpanel(FensterId::Kurven);
    KonfigAendern([](KonfigDaten& k) { k.outskalamax[1] = 100.0; });
    KurvenAendern([&](Kurvensatz& s) {
        s.kurven[0].punkte = {{0, 10, 2}, {4000, 1, 2}};
        s.kurven[1].punkte = {{0, 5, 12}, {4000, 1, 12}};
    });
    ModusAktion(Kurven(), Bearbeitungsmodus::Anzeigen)->trigger();
    const QPointF wo(3000.0, 2000.0);
    emit Teil<Graph>(Kurven(), "GRAPH")->gedrueckt(wo, Qt::LeftButton);
    emit Teil<Graph>(Kurven(), "GRAPH")->losgelassen(wo, Qt::LeftButton);
    auto* wert = Kurven()->findChild<QLineEdit*>("WERT");
    ASSERT_NE(wert, nullptr);
    const auto gezeigt = [](int kurve) {
        return QString::number(SchritteZuEinheit(Konfig(), kurve, 2000.0), 'f',
                               std::max(3, Teil<Zahlfeld>(Kurven(), "YMIN")->stellen()));
    };
    const auto zeitbasis = [] {
        QListWidget* liste = Teil<QListWidget>(Kurven(), "ZEITBASISLISTE");
        for (int i = 0; i < liste->count(); ++i)
            if (liste->item(i)->background() == Kurven()->palette().highlight())
                return liste->item(i)->data(Qt::UserRole).toInt();
        return 0;
    };
    EXPECT_EQ(wert->text(), gezeigt(0));
    EXPECT_EQ(zeitbasis(), 2);
    KurvenAktion(Kurven(), 1)->trigger();
    EXPECT_EQ(wert->text(), gezeigt(1)) << "the value in output 2's unit";
    EXPECT_NE(gezeigt(0), gezeigt(1));
    EXPECT_EQ(zeitbasis(), 12) << "the time base of curve 2 there";
}

TEST_F(Ansichten, StoppUndAnalogeingangNurBeiOffenemPort) {
    SimUmgebung box;
    ASSERT_TRUE(box.bereit());
    ZeigeChildpanel(FensterId::Com);
    const auto benutzbar = [] {
        return std::vector<bool>{Elemente(Com()).START->isEnabled(), Elemente(Com()).STOPP->isEnabled(),
                                 Elemente(Com()).STARTSTOPPEINGANGEIN->isEnabled(),
                                 Elemente(Com()).STARTSTOPPEINGANGAUS->isEnabled()};
    };
    EXPECT_EQ(benutzbar(), std::vector<bool>(4, false));
    Dienst().Oeffnen(box.port);
    Warten();
    EXPECT_EQ(benutzbar(), std::vector<bool>(4, true));
    Dienst().Schliessen();
    Warten();
    EXPECT_EQ(benutzbar(), std::vector<bool>(4, false));
}

TEST_F(Ansichten, ErsterKlickImHilfemodusZeigtDieHilfe) {
    QtDialoge echt; // the real bubble: a popup that the first click outside closes
    DialogeSetzen(&echt);
    Haupt()->show();
    Haupt()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Haupt()));
    QPushButton* konfig = HauptKnopf(Hauptfenster::KONFIG);
    const QPoint ziel = konfig->mapTo(Haupt(), konfig->rect().center());
    QStringList blasen;
    QTimer takt;
    takt.setInterval(20);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        auto* blase = qobject_cast<QLabel*>(QApplication::activePopupWidget());
        if (!blase) return;
        blasen << blase->text();
        if (blasen.size() == 1) {
            // The first click after "?" lands on a button beside the notice.
            QTest::mouseClick(Haupt()->windowHandle(), Qt::LeftButton, Qt::NoModifier, ziel);
        } else {
            blase->close();
            takt.stop();
        }
    });
    takt.start();
    QTimer::singleShot(5000, [&] {
        takt.stop();
        if (QWidget* w = QApplication::activePopupWidget()) w->close();
    });
    QTest::mouseClick(HauptDirekthilfe(Haupt()), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!takt.isActive(), 6000);
    DialogeSetzen(&u.dialoge);
    ASSERT_EQ(blasen.size(), 2) << blasen.join(" | ").toStdString();
    EXPECT_EQ(blasen[0], QString::fromUtf8(kDirekthilfeEin));
    EXPECT_TRUE(blasen[1].startsWith("Konfiguration der DLM-7 Ausgänge")) << blasen[1].toStdString();
    EXPECT_EQ(AktuellesChildpanel(), nullptr) << "in help mode the button only explains itself";
}

} // namespace
