// "dlm7dsteuerung DATEI": the file opens in its window as "laden" would.
// The cores first: the test environment's accessor Kennlinie() hides the type of that name.
#include "config/KonfigDatei.h"
#include "kennlinie/KennlinieDatei.h"
#include "kurven/KurvenDatei.h"

#include "FensterUmgebung.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(Dateiaufruf, JedeDateiOeffnetSichInIhremFenster) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    u.dialoge.Leeren();

    // A curve saved with another configuration: the window asks, as its "laden" does.
    KennlinienDatei d;
    d.kurve.punkte = {{1000, 2048, 0}, {2000, 3000, 0}};
    d.konfig.voutmax = 5.0;
    ASSERT_EQ(KennlinieSpeichern(u.Pfad("ventil.dle").toStdString(), d), 0);
    u.dialoge.antworten.push_back(1); // "laden"
    EXPECT_EQ(App().DateiOeffnen(u.Pfad("ventil.dle")), 0);
    EXPECT_EQ(AktuellesChildpanel(), Kennlinie());
    EXPECT_EQ(Kennlinie()->editor().punkte().size(), 2u);
    ASSERT_EQ(u.dialoge.VonArt("Frage").size(), 1u);
    EXPECT_EQ(Konfig().voutmax, 5.0);
    EXPECT_TRUE(Kennlinie()->windowTitle().endsWith("ventil.dle"));

    kurvengenerator::Kurvensatz satz;
    kurvengenerator::KurvenInitialisieren(satz);
    ASSERT_EQ(kurvengenerator::KurvenSpeichern(satz, u.Pfad("satz.dlr").toStdString(), Konfig()), 0);
    EXPECT_EQ(App().DateiOeffnen(u.Pfad("satz.dlr")), 0);
    EXPECT_EQ(AktuellesChildpanel(), Kurven());

    ASSERT_EQ(KonfigDateiSchreiben(u.Pfad("labor.dlo").toStdString(), KonfigStandardwerte()), 0);
    EXPECT_EQ(App().DateiOeffnen(u.Pfad("labor.dlo")), 0);
    EXPECT_EQ(AktuellesChildpanel(), Konfigpanel());
    EXPECT_EQ(Konfig().voutmax, 10.0);

    // A damaged file gives the load's own code; another kind of file a plain message.
    QFile kaputt(u.Pfad("kaputt.dle"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("keine Kennlinie");
    kaputt.close();
    u.dialoge.Leeren();
    EXPECT_NE(App().DateiOeffnen(u.Pfad("kaputt.dle")), 0);
    ASSERT_EQ(u.dialoge.VonArt("Meldung").size(), 1u);
    EXPECT_TRUE(u.dialoge.Letztes().titel.startsWith("Fehler #"));
    EXPECT_EQ(App().DateiOeffnen(u.Pfad("notiz.txt")), 0);
    EXPECT_TRUE(u.dialoge.Letztes().text.contains("keine DLM-7 Datei"));
}
