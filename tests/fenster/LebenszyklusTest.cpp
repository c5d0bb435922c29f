// The composition root drives every tool window through one life cycle.
#include "Bedienelemente.h"
#include "FensterUmgebung.h"
#include "sim/SimUmgebung.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The settings file of a first run, as every earlier version wrote it.
const QByteArray kErsteDatei = R"([com]
adresse = 49
lport = -1
port = -1

[direkt]
grenze1 = 10
grenze2 = 10
grenze3 = 10
grenze4 = 10
kurve1 = 1
kurve2 = 1
kurve3 = 1
kurve4 = 1

[kennlinie]
darstellung = 3

[konfig]
ineinheit0 = "V"
ineinheit1 = "V"
ineinheit2 = "V"
ineinheit3 = "V"
inmax0 = 10
inmax1 = 10
inmax2 = 10
inmax3 = 10
inmin0 = 0
inmin1 = 0
inmin2 = 0
inmin3 = 0
inskalamax0 = 10
inskalamax1 = 10
inskalamax2 = 10
inskalamax3 = 10
inskalamin0 = 0
inskalamin1 = 0
inskalamin2 = 0
inskalamin3 = 0
outeinheit0 = "V"
outeinheit1 = "V"
outeinheit2 = "V"
outeinheit3 = "V"
outmax0 = 10
outmax1 = 10
outmax2 = 10
outmax3 = 10
outmin0 = 0
outmin1 = 0
outmin2 = 0
outmin3 = 0
outskalamax0 = 10
outskalamax1 = 10
outskalamax2 = 10
outskalamax3 = 10
outskalamin0 = 0
outskalamin1 = 0
outskalamin2 = 0
outskalamin3 = 0
vinmax = 10
voutmax = 10

[kurven]
aufzeichnung_dauer = 0
aufzeichnung_eingang1 = 1
aufzeichnung_eingang2 = 2
aufzeichnung_eingang3 = 3
aufzeichnung_eingang4 = 4
aufzeichnung_intervall = 0
darstellung = 3
hintergrund1 = 0
hintergrund2 = 0
hintergrund3 = 0
hintergrund4 = 0

[ports]
com1 = "/dev/ttyS0"
com2 = "/dev/ttyS1"
com3 = "/dev/ttyS2"
com4 = "/dev/ttyS3"
com5 = "/dev/ttyUSB0"
com6 = "/dev/ttyUSB1"
com7 = "/dev/ttyUSB2"
com8 = "/dev/ttyUSB3"

)";

// Replaces the first text after the section's head; fails the test if it is not there.
void ImAbschnittErsetzen(QByteArray& datei, const QByteArray& abschnitt, const QByteArray& alt, const QByteArray& neu) {
    const qsizetype kopf = datei.indexOf("[" + abschnitt + "]\r\n");
    ASSERT_GE(kopf, 0) << abschnitt.toStdString();
    const qsizetype stelle = datei.indexOf(alt, kopf);
    ASSERT_GE(stelle, 0) << alt.toStdString();
    datei.replace(stelle, alt.size(), neu);
}

TEST(Lebenszyklus, JedesWerkzeugfensterEinmalDieVerbindungZuletzt) {
    FensterUmgebung u;
    const std::vector<Werkzeugfenster*> erwartet{Konfigpanel(), Kurven(), Kennlinie(), Direkt(), Com()};
    EXPECT_EQ(App().werkzeugfenster(), erwartet);
}

// Read at the start and written at the end by all five windows: a file with a
// value off its default in every window's section comes back byte for byte,
// and the first run's file is the one the program has always written.
TEST(Lebenszyklus, EinstellungenGehenDurchAlleFuenfFensterByteGenau) {
    QByteArray erste;
    {
        FensterUmgebung u;
        ASSERT_EQ(u.Starten(), 0);
        ASSERT_EQ(WriteIni(), 0);
        QFile datei(QString::fromStdString(App().einstellungsPfad()));
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << App().einstellungsPfad();
        erste = datei.readAll();
    }
    QByteArray erwartet = kErsteDatei;
    erwartet.replace("\n", "\r\n");
    EXPECT_EQ(erste.toStdString(), erwartet.toStdString());

    QByteArray geaendert = erste;
    ImAbschnittErsetzen(geaendert, "com", "adresse = 49", "adresse = 51");
    ImAbschnittErsetzen(geaendert, "direkt", "grenze1 = 10", "grenze1 = 7.25");
    ImAbschnittErsetzen(geaendert, "kennlinie", "darstellung = 3", "darstellung = 1");
    ImAbschnittErsetzen(geaendert, "konfig", "outeinheit0 = \"V\"", "outeinheit0 = \"bar\"");
    ImAbschnittErsetzen(geaendert, "kurven", "darstellung = 3", "darstellung = 2");
    FensterUmgebung u(geaendert);
    ASSERT_EQ(u.Starten(), 0);
    EXPECT_EQ(Dienst().adresse(), '3');
    EXPECT_EQ(Elemente(Direkt()).BEGRENZUNG[0]->wert(), 7.25);
    EXPECT_EQ(Elemente(Konfigpanel()).EINHEITOUT[0]->text().toStdString(), "bar");
    ASSERT_EQ(WriteIni(), 0);
    EXPECT_EQ(u.IniLesen().toStdString(), geaendert.toStdString());
}

// The end: every window releases its data and the port closes after the last of them.
TEST(Lebenszyklus, AufraeumenSchliesstDenPortNachAllenFenstern) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    SimUmgebung box(8);
    ASSERT_TRUE(box.bereit()) << box.fehler;
    Dienst().Oeffnen(box.port);
    Warten();
    ASSERT_EQ(OffenerComPort(), box.port);
    Elemente(Com()).SCANN->click(); // still on the line when the end comes
    App().DeinitialisierePanels();
    EXPECT_FALSE(Com()->scanLaeuft());
    EXPECT_EQ(OffenerComPort(), -1);
    // The device is free again for another opener.
    EXPECT_EQ(QAVKSV5_Open(box.port, 9600), 0);
    EXPECT_EQ(QAVKSV5_Close(box.port), 0);
}

} // namespace
