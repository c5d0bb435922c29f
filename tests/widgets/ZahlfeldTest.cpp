#include "uisupport/Zahlfeld.h"

#include <QApplication>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

void eintippen(Zahlfeld& feld, const QString& text) {
    feld.selectAll();
    QTest::keyClicks(&feld, text);
}

void bestaetigen(Zahlfeld& feld, const QString& text) {
    eintippen(feld, text);
    QTest::keyClick(&feld, Qt::Key_Return);
}

// Runs the body under the German locale of Qt and, where it is installed,
// of the C library; restores both afterwards.
class DeutschesGebietsschema {
  public:
    DeutschesGebietsschema() : qt_(QLocale()), c_(std::setlocale(LC_ALL, nullptr)) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        cDeutsch_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~DeutschesGebietsschema() {
        QLocale::setDefault(qt_);
        std::setlocale(LC_ALL, c_.c_str());
    }
    bool cDeutsch() const { return cDeutsch_; }

  private:
    QLocale qt_;
    std::string c_;
    bool cDeutsch_ = false;
};

} // namespace

TEST(Zahlfeld, DerGehalteneWertUeberstehtJedeAnzeige) {
    Zahlfeld feld;
    QSignalSpy geaendert(&feld, &Zahlfeld::wertGeaendert);
    const double werte[] = {2.345, 0.1 + 0.2, 1.0 / 3.0, -0.0005, 4095.0 / 7.0, 123456.789};
    for (int stellen = 0; stellen <= 6; ++stellen) {
        feld.setStellen(stellen);
        for (double v : werte) {
            feld.setWert(v);
            EXPECT_EQ(feld.text(), Zahlfeld::FestText(v, stellen));
            // Visiting the field without typing commits nothing.
            feld.Uebernehmen();
            QTest::keyClick(&feld, Qt::Key_Return);
            EXPECT_EQ(feld.wert(), v) << stellen << " decimals";
        }
    }
    EXPECT_EQ(geaendert.count(), 0);
    EXPECT_EQ(Zahlfeld::FestText(-0.0004, 2), "0.00");
    EXPECT_EQ(Zahlfeld::FestText(2.5, 0).toStdString().find(','), std::string::npos);
}

TEST(Zahlfeld, TextHinUndZurueckVerliertNichts) {
    Zahlfeld feld;
    feld.setStellen(2);
    feld.setWert(2.345);
    EXPECT_EQ(feld.wert(), 2.345);
    // What is shown, typed back, gives what was shown: 2.35 differs from the held 2.345.
    const QString gezeigt = feld.text();
    bestaetigen(feld, gezeigt);
    double gelesen = 0.0;
    ASSERT_TRUE(Zahlfeld::Lesen(gezeigt, gelesen));
    EXPECT_EQ(feld.wert(), gelesen);

    // The exact display reads back bit for bit.
    feld.setExakt(true);
    for (double v : {2.345, 0.1 + 0.2, 1e-20, -5e-324, 1e300, 4.095, 0.001}) {
        feld.setWert(v);
        bestaetigen(feld, feld.text());
        EXPECT_EQ(feld.wert(), v) << feld.text().toStdString();
    }
    feld.setWert(0.1 + 0.2);
    EXPECT_EQ(feld.text(), "0.30000000000000004");
    feld.setWert(4.095);
    EXPECT_EQ(feld.text(), "4.095");
}

TEST(Zahlfeld, KommaUndPunktUnterJedemGebietsschema) {
    auto pruefen = [](const char* wo) {
        Zahlfeld feld;
        feld.setStellen(2);
        for (const char* text : {"2,5", "2.5", " 2,50 "}) {
            feld.setWert(0.0);
            bestaetigen(feld, QString::fromLatin1(text));
            EXPECT_EQ(feld.wert(), 2.5) << wo << ": " << text;
            EXPECT_EQ(feld.text(), "2.50") << wo;
        }
    };
    pruefen("C locale");
    {
        DeutschesGebietsschema deutsch;
        if (!deutsch.cDeutsch()) std::printf("de_DE.UTF-8 is not installed; German Qt locale only\n");
        pruefen("German locale");
    }
}

TEST(Zahlfeld, AusserhalbDesBereichsEntscheidetDasFenster) {
    Zahlfeld feld;
    feld.setStellen(2);
    feld.setBereich(10.0, 0.0);
    EXPECT_EQ(feld.minimum(), 0.0);
    EXPECT_EQ(feld.maximum(), 10.0);
    QSignalSpy getippt(&feld, &Zahlfeld::eingegeben), geaendert(&feld, &Zahlfeld::wertGeaendert);

    // No keystroke is dropped for the range: 99999 stays 99999 while typed.
    eintippen(feld, "99999");
    EXPECT_EQ(feld.text(), "99999");
    EXPECT_EQ(feld.wert(), 0.0);
    QTest::keyClick(&feld, Qt::Key_Return);
    ASSERT_EQ(getippt.count(), 1);
    EXPECT_EQ(getippt.last().at(0).toDouble(), 99999.0);
    // The default rule clamps.
    EXPECT_EQ(feld.wert(), 10.0);
    EXPECT_EQ(feld.text(), "10.00");
    ASSERT_EQ(geaendert.count(), 1);
    EXPECT_EQ(geaendert.last().at(0).toDouble(), 10.0);
    bestaetigen(feld, "12");
    EXPECT_EQ(geaendert.count(), 1) << "still 10";

    // A window's own rule: out of range means back to the lower limit.
    feld.setBegrenzen(false);
    QObject::connect(&feld, &Zahlfeld::eingegeben, &feld,
                     [&feld](double v) { feld.setWert(feld.imBereich(v) ? v : feld.minimum()); });
    bestaetigen(feld, "7,25");
    EXPECT_EQ(feld.wert(), 7.25);
    bestaetigen(feld, "-3");
    EXPECT_EQ(getippt.last().at(0).toDouble(), -3.0);
    EXPECT_EQ(feld.wert(), 0.0);
    EXPECT_EQ(feld.text(), "0.00");
    EXPECT_FALSE(feld.imBereich(-3.0));
}

TEST(Zahlfeld, OhneRegelBleibtDerAlteWert) {
    Zahlfeld feld;
    feld.setBereich(0.0, 10.0);
    feld.setBegrenzen(false);
    feld.setWert(4.0);
    QSignalSpy geaendert(&feld, &Zahlfeld::wertGeaendert);
    bestaetigen(feld, "50");
    EXPECT_EQ(feld.wert(), 4.0);
    EXPECT_EQ(feld.text(), "4.00");
    // Unfinished or empty entries go back to the value in force.
    for (const char* text : {"-", "", "1e"}) {
        bestaetigen(feld, QString::fromLatin1(text));
        EXPECT_EQ(feld.text(), "4.00") << text;
    }
    EXPECT_EQ(geaendert.count(), 0);
}

TEST(Zahlfeld, GanzzahligNimmtKeineNachkommastellen) {
    Zahlfeld feld;
    feld.setStellen(0);
    feld.setBereich(1, 100);
    eintippen(feld, "2.5,e");
    EXPECT_EQ(feld.text(), "25");
    QTest::keyClick(&feld, Qt::Key_Enter);
    EXPECT_EQ(feld.wert(), 25.0);
    feld.setWert(2.6);
    EXPECT_EQ(feld.text(), "3");
    EXPECT_EQ(feld.wert(), 2.6);
}

TEST(Zahlfeld, PfeileUndRadSchreitenUmDieSchrittweite) {
    Zahlfeld feld;
    feld.setStellen(2);
    feld.setBereich(0.0, 1.0);
    QSignalSpy geaendert(&feld, &Zahlfeld::wertGeaendert);
    QTest::keyClick(&feld, Qt::Key_Up);
    EXPECT_EQ(geaendert.count(), 0) << "no step size, no step";

    feld.setSchrittweite(0.1);
    for (int i = 0; i < 3; ++i) QTest::keyClick(&feld, Qt::Key_Up);
    EXPECT_EQ(feld.wert(), 0.3) << "decimal steps, not 0.30000000000000004";
    feld.setWert(0.345);
    QTest::keyClick(&feld, Qt::Key_Down);
    EXPECT_EQ(feld.wert(), 0.245);
    QTest::keyClick(&feld, Qt::Key_PageUp);
    EXPECT_EQ(feld.wert(), 1.0) << "ten steps, clamped";
    // A typed, uncommitted entry is taken first, then stepped from.
    eintippen(feld, "0,5");
    QTest::keyClick(&feld, Qt::Key_Down);
    EXPECT_EQ(feld.wert(), 0.4);

    // The wheel turns only a focused field, two notches two steps.
    auto drehen = [&feld] {
        QWheelEvent rad(QPointF(5, 5), feld.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 240), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&feld, &rad);
    };
    drehen();
    EXPECT_EQ(feld.wert(), 0.4);
    feld.show();
    feld.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&feld));
    feld.setFocus();
    ASSERT_TRUE(feld.hasFocus());
    drehen();
    EXPECT_EQ(feld.wert(), 0.6);

    feld.setReadOnly(true);
    const double vorher = feld.wert();
    QTest::keyClick(&feld, Qt::Key_Up);
    eintippen(feld, "9");
    QTest::keyClick(&feld, Qt::Key_Return);
    EXPECT_EQ(feld.wert(), vorher);
}

TEST(Zahlfeld, SetValueWieEinSpinBox) {
    Zahlfeld feld;
    feld.setBereich(0.0, 10.0);
    QSignalSpy geaendert(&feld, &Zahlfeld::wertGeaendert);
    feld.setValue(12.0);
    EXPECT_EQ(feld.wert(), 10.0);
    feld.setValue(10.0);
    feld.setWert(3.0);
    feld.setValue(NAN);
    EXPECT_EQ(geaendert.count(), 1);
    EXPECT_EQ(feld.wert(), 3.0);
}

TEST(Zahlfeld, SofortFolgtDemTippen) {
    Zahlfeld feld;
    feld.setSofort(true);
    feld.setTippGrenze(1e12);
    QSignalSpy geaendert(&feld, &Zahlfeld::wertGeaendert);
    eintippen(feld, "12.5");
    EXPECT_EQ(feld.wert(), 12.5);
    EXPECT_EQ(geaendert.count(), 0);
    // An unfinished entry keeps the last complete number, which the commit takes.
    eintippen(feld, "-");
    EXPECT_EQ(feld.wert(), 12.5);
    feld.Uebernehmen();
    EXPECT_EQ(feld.text(), "12.50");
    EXPECT_EQ(geaendert.count(), 1);
    // Past the typing limit a keystroke is refused.
    eintippen(feld, "1e13");
    EXPECT_EQ(feld.text(), "1e1");
}
