// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in the number fields of both curve windows,
// with real keys and clicks: the keys are the window's undo and redo, a
// committed value stays, and what the box gets is what was committed.
// The curve headers come first: FensterUmgebung's Kennlinie() hides the type's name.
#include "kennlinie/KennlinieSlot.h"

#include "Bedienelemente.h"
#include "FensterUmgebung.h"
#include "KennlinienZugriff.h"

#include "kurven/KurvenTransfer.h"
#include "sim/SimUmgebung.h"
#include "uisupport/Graph.h"
#include "uisupport/Zahlfeld.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

using namespace kurvengenerator;

struct Rueckgaengig : ::testing::Test {
    SimUmgebung box;
    FensterUmgebung u;

    void SetUp() override {
        ASSERT_TRUE(box.bereit()) << box.fehler;
        ASSERT_EQ(u.Starten(), 0);
        u.dialoge.Leeren();
        Haupt()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
        Haupt()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Haupt()));
        Dienst().Oeffnen(box.port);
        Warten();
        ASSERT_EQ(OffenerComPort(), box.port);
    }

    // Clicked into, typed over and committed with Enter, as a user does.
    static void Eingeben(Zahlfeld* f, const QString& text) {
        QTest::mouseClick(f, Qt::LeftButton);
        ASSERT_TRUE(f->hasFocus()) << f->objectName().toStdString();
        f->selectAll();
        QTest::keyClicks(f, text);
        QTest::keyClick(f, Qt::Key_Return);
    }

    // One field: commit, a point drawn with a click, back into the field,
    // then undo and redo there. punkte counts the points of the curve.
    static void Pruefen(Zahlfeld* f, const QString& text, Graph* g, QPoint klick,
                        const std::function<std::size_t()>& punkte) {
        const std::string name = f->objectName().toStdString();
        Eingeben(f, text);
        const double fest = f->wert();
        const QString gezeigt = f->text();

        const std::size_t vorher = punkte();
        QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, klick);
        EXPECT_TRUE(g->hasFocus()) << name << ": a click into the graph takes the focus";
        ASSERT_EQ(punkte(), vorher + 1) << name;
        QTest::keyClick(g, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(punkte(), vorher) << name;
        QTest::keyClick(g, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(punkte(), vorher + 1) << name;

        QTest::mouseClick(f, Qt::LeftButton);
        ASSERT_TRUE(f->hasFocus()) << name;
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(punkte(), vorher) << name << ": Ctrl+Z in the field is the window's undo";
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(punkte(), vorher + 1) << name << ": Ctrl+Shift+Z is its redo";
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(punkte(), vorher + 1) << name << ": Ctrl+Y is its redo";
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(punkte(), vorher) << name;
        f->clearFocus(); // leaving commits whatever the field shows
        EXPECT_EQ(f->wert(), fest) << name << ": the committed value stays";
        EXPECT_EQ(f->text(), gezeigt) << name;
    }
};

TEST_F(Rueckgaengig, KurvengeneratorJedesZahlfeld) {
    ZeigeChildpanel(FensterId::Kurven);
    KurvenPanel* k = Kurven();
    Graph* g = Teil<Graph>(k, "GRAPH");
    const auto punkte = [k] { return k->satz().kurven[0].punkte.size(); };
    const QPoint klick(g->width() * 3 / 4, g->height() / 2);
    Pruefen(Teil<Zahlfeld>(k, "ZYKLEN"), "5", g, klick, punkte);
    EXPECT_EQ(k->satz().zyklen[0], 5);
    Pruefen(Teil<Zahlfeld>(k, "RUHEZUSTAND"), "5", g, klick, punkte);
    const std::int32_t ruhe = k->satz().ruhewert[0];
    EXPECT_NEAR(ruhe, 2047, 1) << "5 V of 10 V";
    Pruefen(Teil<Zahlfeld>(k, "YRASTER"), "100", g, klick, punkte);
    EXPECT_EQ(Teil<Zahlfeld>(k, "YRASTER")->wert(), 100.0);
    Pruefen(Teil<Zahlfeld>(k, "YMIN"), "1", g, klick, punkte);
    Pruefen(Teil<Zahlfeld>(k, "YMAX"), "9", g, klick, punkte);
    EXPECT_NEAR(k->satz().yMin[0], 409, 1);
    EXPECT_NEAR(k->satz().yMax[0], 3685, 1);

    // What the box gets: the committed cycles and rest value.
    u.dialoge.antworten.push_back(1); // "Kurven senden" despite unequal lengths
    QTest::mouseClick(Teil<QPushButton>(k, "SENDEN"), Qt::LeftButton);
    Warten();
    EXPECT_EQ(Dienst().fehler(), 0);
    const Kurvensatz& s = k->satz();
    ASSERT_EQ(s.zyklen[0], 5);
    ASSERT_EQ(s.ruhewert[0], ruhe);
    const Speicherabbild bild = AbbildErstellen(s);
    EXPECT_EQ(box.sim.Speicher(0, bild.bytes.size()), bild.bytes);
}

TEST_F(Rueckgaengig, KennlinienreglerJedesZahlfeld) {
    ZeigeChildpanel(FensterId::Kennlinie);
    KennlinienPanel* k = Kennlinie();
    using Feld = KennlinienPanel::Feld;
    ModusAktion(k, KennlinienPanel::Modus::Zeichnen)->trigger();
    Graph* g = GraphVon(k);
    // Each point further right than the one before.
    int spalte = g->width() / 4;
    const auto punkte = [k] { return k->editor().punkte().size(); };
    const auto naechster = [&] {
        spalte += 6;
        return QPoint(spalte, g->height() / 2);
    };
    int felder = 0;
    for (const auto& [f, text] : std::initializer_list<std::pair<Feld, const char*>>{{Feld::XRaster, "0.01"},
                                                                                     {Feld::YRaster, "0.01"},
                                                                                     {Feld::YZoomMax, "9"},
                                                                                     {Feld::YZoomMin, "1"},
                                                                                     {Feld::Begrenzung, "5"},
                                                                                     {Feld::Anstiegszeit, "20"},
                                                                                     {Feld::KurvenNr, "3"}}) {
        Pruefen(FeldVon(k, f), text, g, naechster(), punkte);
        ++felder;
    }
    EXPECT_EQ(felder, 7) << "every field but the X and Y displays";
    EXPECT_EQ(FeldVon(k, Feld::Begrenzung)->wert(), 5.0);
    EXPECT_EQ(FeldVon(k, Feld::KurvenNr)->wert(), 3.0);

    // What the box gets: slot 3, output 2 at 5 V (not the 10 V the field showed before).
    const double anstieg = FeldVon(k, Feld::Anstiegszeit)->wert();
    QTest::mouseClick(KnopfVon(k, KennlinienPanel::Knopf::Schreiben), Qt::LeftButton);
    Warten();
    EXPECT_EQ(Dienst().fehler(), 0);
    SlotAbbild bild;
    ASSERT_EQ(SlotAbbildErzeugen(k->editor().punkte(), Konfig(), 5.0, anstieg, bild), 0);
    EXPECT_EQ(box.sim.Speicher(SlotAdresse(3), kSlotGroesse), std::vector<unsigned char>(bild.begin(), bild.end()));
}

TEST_F(Rueckgaengig, FeldOhneFensterundoAendertNichts) {
    // A window without undo: the keys do nothing in the field.
    ZeigeChildpanel(FensterId::Direkt);
    Zahlfeld* f = Elemente(Direkt()).BEGRENZUNG[0];
    Eingeben(f, "1.5");
    const double fest = f->wert();
    const QString gezeigt = f->text();
    QTest::mouseClick(f, Qt::LeftButton);
    for (Qt::KeyboardModifiers mod :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        QTest::keyClick(f, Qt::Key_Z, mod);
        QTest::keyClick(f, Qt::Key_Y, Qt::ControlModifier);
    }
    EXPECT_EQ(f->text(), gezeigt);
    f->clearFocus();
    EXPECT_EQ(f->wert(), fest);
}

} // namespace
