#include "uisupport/Fehleranzeige.h"
#include "uisupport/Lampe.h"
#include "uisupport/VerbindungsBild.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>

TEST(Fehleranzeige, SetzenZeigtLampeTextUndPositiveNummer) {
    Fehleranzeige anzeige;
    anzeige.Setzen(-402010, QStringLiteral("Gerät antwortet mit NAK"));
    EXPECT_TRUE(anzeige.lampeAn());
    EXPECT_EQ(anzeige.text(), QStringLiteral("Gerät antwortet mit NAK"));
    EXPECT_EQ(anzeige.nummer(), 402010);
    EXPECT_EQ(anzeige.findChild<QLineEdit*>(QStringLiteral("FEHLERNR"))->text(), QStringLiteral("402010"));

    anzeige.Loeschen();
    EXPECT_FALSE(anzeige.lampeAn());
    EXPECT_TRUE(anzeige.text().isEmpty());
    EXPECT_EQ(anzeige.nummer(), 0);
}

TEST(Fehleranzeige, CodeNullLoeschtUndKleinsterCodeLaeuftNichtUeber) {
    Fehleranzeige anzeige;
    anzeige.Setzen(-122301, QStringLiteral("x"));
    anzeige.Setzen(0, QStringLiteral("ignoriert"));
    EXPECT_FALSE(anzeige.lampeAn());
    EXPECT_TRUE(anzeige.text().isEmpty());

    anzeige.Setzen(INT_MIN, QStringLiteral("x"));
    EXPECT_EQ(anzeige.nummer(), 2147483648LL);
}

TEST(Fehleranzeige, KlickAufTeileMeldetSich) {
    Fehleranzeige anzeige;
    anzeige.show();
    QSignalSpy spion(&anzeige, &Fehleranzeige::geklickt);
    QTest::mouseClick(anzeige.lampe(), Qt::LeftButton);
    QTest::mouseClick(anzeige.findChild<QLineEdit*>(QStringLiteral("FEHLERSTRING")), Qt::LeftButton);
    QTest::mouseClick(anzeige.lampe(), Qt::RightButton);
    EXPECT_EQ(spion.count(), 2);
}

TEST(Lampe, FarbeUndZustand) {
    Lampe lampe;
    lampe.setFarbe(Lampe::Gruen);
    lampe.setAn(true);
    EXPECT_TRUE(lampe.an());
    EXPECT_EQ(lampe.farbe(), QColor(0, 204, 0));
    lampe.setFarbe(QColor()); // invalid colours are refused
    EXPECT_EQ(lampe.farbe(), QColor(0, 204, 0));
}

TEST(VerbindungsBild, WerteAusserhalbDerPortsZeigenGetrennt) {
    VerbindungsBild bild;
    EXPECT_EQ(bild.wert(), -1);
    bild.setWert(3);
    EXPECT_EQ(bild.wert(), 3);
    bild.setWert(8);
    EXPECT_EQ(bild.wert(), 8);
    for (int falsch : {0, 9, -2, 100}) {
        bild.setWert(falsch);
        EXPECT_EQ(bild.wert(), -1) << falsch;
    }
}

TEST(VerbindungsBild, NurLinkerKlickMeldetSich) {
    VerbindungsBild bild;
    bild.resize(bild.sizeHint());
    bild.show();
    QSignalSpy spion(&bild, &VerbindungsBild::geklickt);
    QTest::mouseClick(&bild, Qt::LeftButton);
    EXPECT_EQ(spion.count(), 1);
    QTest::mouseClick(&bild, Qt::RightButton);
    EXPECT_EQ(spion.count(), 1);
    // Pressed inside, released outside: no click.
    QTest::mousePress(&bild, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&bild, Qt::LeftButton, {}, QPoint(500, 500));
    EXPECT_EQ(spion.count(), 1);
}
