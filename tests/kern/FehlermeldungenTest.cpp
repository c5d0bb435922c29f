#include "kern/Fehlermeldungen.h"

#include <gtest/gtest.h>

namespace {

struct SpracheZuruecksetzen : ::testing::Test {
    void TearDown() override { QAV_Fehlersprache(1); }
};

using Katalog = SpracheZuruecksetzen;

TEST_F(Katalog, KategorieWaehltDenTextNichtDieLaufendeNummer) {
    EXPECT_STREQ(QAV_Fehlermeldung(-402010), "Fehlermeldung (NAK) vom Gerät erhalten");
    EXPECT_STREQ(QAV_Fehlermeldung(-402099), "Fehlermeldung (NAK) vom Gerät erhalten");
    QAV_Fehlersprache(2);
    EXPECT_STREQ(QAV_Fehlermeldung(-402010), "Errormessage (NAK) received from device");
}

TEST_F(Katalog, KleineCodesGehoerenZurKategorieNull) {
    EXPECT_STREQ(QAV_Fehlermeldung(-999), "Es ist kein Fehler aufgetreten");
    EXPECT_STREQ(QAV_Fehlermeldung(0), "Es ist kein Fehler aufgetreten");
    EXPECT_STREQ(QAV_Fehlermeldung(999), "Es ist kein Fehler aufgetreten");
}

TEST_F(Katalog, UnbekannteKategorienFallenAufDenSammeltext) {
    EXPECT_STREQ(QAV_Fehlermeldung(-1100123), "Ein unbekannter Fehler ist aufgetreten");
    EXPECT_STREQ(QAV_Fehlermeldung(1000), "Ein unbekannter Fehler ist aufgetreten");
    EXPECT_STREQ(QAV_Fehlermeldung(402010), "Ein unbekannter Fehler ist aufgetreten");
    QAV_Fehlersprache(2);
    EXPECT_STREQ(QAV_Fehlermeldung(-1100123), "A unknown error occured");
}

TEST_F(Katalog, JedeAndereSpracheIstDeutsch) {
    QAV_Fehlersprache(3);
    EXPECT_STREQ(QAV_Fehlermeldung(-1021265), "Die Datei ist keine DLM-7 Konfigurationsdatei.");
    QAV_Fehlersprache(0);
    EXPECT_STREQ(QAV_Fehlermeldung(-801202), "Fehler beim lesen der INI-Datei");
}

TEST_F(Katalog, StilleKategorieHatKeinenText) {
    EXPECT_STREQ(QAV_Fehlermeldung(-6123), "");
    EXPECT_STREQ(QAV_Fehlermeldung(-1022001),
                 "Die Daten sind fehlerhaft und können nicht zur DLM-7 geschrieben werden.");
}

// A text stays as it was when later lookups (also from another thread, as the
// device worker's log lines do) ask for other codes.
TEST_F(Katalog, TexteBleibenNachWeiterenAbfragenGueltig) {
    const char* nak = QAV_Fehlermeldung(-402010);
    const char* ini = QAV_Fehlermeldung(-801202);
    QAV_Fehlersprache(2);
    const char* englisch = QAV_Fehlermeldung(-1100123);
    EXPECT_STREQ(nak, "Fehlermeldung (NAK) vom Gerät erhalten");
    EXPECT_STREQ(ini, "Fehler beim lesen der INI-Datei");
    EXPECT_STREQ(englisch, "A unknown error occured");
}

} // namespace
