// Every numeric control of every window keeps the exact value it holds.
#include "Bedienelemente.h"
#include "FensterUmgebung.h"

#include "uisupport/Drehknopf.h"
#include "uisupport/Zahlfeld.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <clocale>
#include <gtest/gtest.h>

namespace {

std::vector<Werkzeugfenster*> AlleFenster() {
    std::vector<Werkzeugfenster*> f;
    for (FensterId id : {FensterId::Com, FensterId::Konfig, FensterId::Direkt, FensterId::Kurven, FensterId::Kennlinie})
        f.push_back(App().panel(id));
    return f;
}

// Typed as a user types: every key goes through the field.
void Tippen(Zahlfeld* feld, const QString& text) {
    feld->setFocus();
    feld->selectAll();
    for (QChar c : text) {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(feld, &druck);
    }
    QTest::keyClick(feld, Qt::Key_Return);
}

} // namespace

TEST(Zahlfelder, KeinFensterRundetEinenWert) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    int felder = 0;
    for (Werkzeugfenster* f : AlleFenster()) {
        EXPECT_TRUE(f->findChildren<QAbstractSpinBox*>().isEmpty()) << f->objectName().toStdString();
        for (Zahlfeld* z : f->findChildren<Zahlfeld*>()) {
            ++felder;
            const double vorher = z->wert();
            for (double v : {2.345, 0.1 + 0.2, 1.0 / 3.0}) {
                z->setWert(v);
                EXPECT_EQ(z->wert(), v) << z->objectName().toStdString() << " at " << z->stellen() << " decimals";
            }
            z->setWert(vorher);
        }
    }
    EXPECT_GE(felder, 40); // configuration, direct I/O and the curve windows
}

TEST(Zahlfelder, GrenzeUeberlebtDieEinstellungsdateiExakt) {
    QByteArray ini;
    {
        FensterUmgebung u;
        ASSERT_EQ(u.Starten(), 0);
        ASSERT_EQ(Elemente(Direkt()).BEGRENZUNG[1]->stellen(), 3);
        Elemente(Direkt()).BEGRENZUNG[1]->setStellen(2);
        Elemente(Direkt()).BEGRENZUNG[1]->setWert(2.345);
        Elemente(Direkt()).BEGRENZUNG[2]->setWert(0.1 + 0.2);
        EXPECT_EQ(Elemente(Direkt()).BEGRENZUNG[1]->text(), "2.35") << "shown with two decimals";
        u.anwendung->Beenden();
        ini = u.IniLesen("xdg/dlm7dSteuerung/dlm7Steuerung.ini");
    }
    FensterUmgebung u(ini);
    ASSERT_EQ(u.Starten(), 0);
    EXPECT_EQ(Elemente(Direkt()).BEGRENZUNG[1]->wert(), 2.345) << "the limit must not rise to 2.35";
    EXPECT_EQ(Elemente(Direkt()).BEGRENZUNG[2]->wert(), 0.1 + 0.2);
}

TEST(Zahlfelder, KommaUndPunktUnterJedemGebietsschema) {
    const char* vorher = std::setlocale(LC_ALL, nullptr);
    const std::string alt = vorher ? vorher : "C";
    for (const char* gebiet : {"C", "de_DE.UTF-8"}) {
        if (!std::setlocale(LC_ALL, gebiet)) continue; // not generated on this machine
        QLocale::setDefault(QLocale(std::string(gebiet) == "C" ? QLocale::C : QLocale::German));
        FensterUmgebung u;
        ASSERT_EQ(u.Starten(), 0);
        Zahlfeld* grenze = Elemente(Direkt()).BEGRENZUNG[0];
        for (const char* text : {"2,5", "2.5"}) {
            Tippen(grenze, text);
            EXPECT_EQ(grenze->wert(), 2.5) << gebiet << " " << text;
            EXPECT_EQ(grenze->text(), "2.500") << "a point is shown";
        }
    }
    std::setlocale(LC_ALL, alt.c_str());
    QLocale::setDefault(QLocale::c());
}
