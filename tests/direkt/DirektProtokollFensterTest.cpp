// The log of a short run against the simulated box, line by line.
#include "Bedienelemente.h"
#include "DirektUmgebung.h"

#include "uisupport/Drehknopf.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRegularExpression>

TEST_F(DirektFenster, ProtokollEinesKurzenLaufs) {
    s->sim.EingangSignal(1, SimSignal{SimSignal::Form::Konstant, 2.5, 0.0, 1.0});
    s->sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, 10.0, 0.0, 1.0});
    s->sim.EingangSignal(3, SimSignal{SimSignal::Form::Konstant, 0.0, 0.0, 1.0});
    s->sim.EingangSignal(4, SimSignal{SimSignal::Form::Konstant, 7.5, 0.0, 1.0});
    Elemente(d).AUSGANG[0]->zahlenfeld()->setValue(1.5);
    LogWaehlen();
    Starten();
    for (int i = 0; i < 3; ++i) Abfragen();
    Beenden();

    const QStringList zeilen = LogZeilen();
    const QStringList kopf = {"",
                              "",
                              "Datenerfassung gestartet",
                              "Eingang1: 0.000..10.000 V",
                              "Eingang2: 0.000..10.000 V",
                              "Eingang3: 0.000..10.000 V",
                              "Eingang4: 0.000..10.000 V",
                              "Ausgang1: 0.000..10.000 V",
                              "Ausgang2: 0.000..10.000 V",
                              "Ausgang3: 0.000..10.000 V",
                              "Ausgang4: 0.000..10.000 V",
                              "Datum\tUhrzeit\tEing1[V]\tEing2[V]\tEing3[V]\tEing4[V]\tAusg1[V]\tAusg2[V]\tAusg3[V]"
                              "\tAusg4[V]"};
    ASSERT_EQ(zeilen.size(), kopf.size() + 3 + 1);
    for (int i = 0; i < kopf.size(); ++i) EXPECT_EQ(zeilen[i], kopf[i]) << i;
    const QRegularExpression daten(
        "^\\d\\d\\.\\d\\d\\.\\d{4}\\t\\d\\d:\\d\\d:\\d\\d\\t"
        "2\\.50[01]\\t10\\.000\\t0\\.000\\t7\\.50[01]\\t1\\.500\\t0\\.000\\t0\\.000\\t0\\.000$");
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(daten.match(zeilen[kopf.size() + i]).hasMatch()) << zeilen[kopf.size() + i].toStdString();
    EXPECT_EQ(zeilen.last(), "Datenerfassung beendet");
}

TEST_F(DirektFenster, ProtokollStellenFuerGrosseUndFallendeKanaele) {
    KonfigAendern([](KonfigDaten& k) {
        SkalierungSetzen(k, Seite::Eingang, 0, {0, 10, 0, 10000});
        SkalierungSetzen(k, Seite::Eingang, 1, {0, 10, 10, 0});
    });
    d->Direktpanel_SkaliereElemente();
    s->sim.EingangSignal(1, SimSignal{SimSignal::Form::Konstant, 1.234, 0.0, 1.0});
    s->sim.EingangSignal(2, SimSignal{SimSignal::Form::Konstant, 1.0, 0.0, 1.0});
    LogWaehlen();
    Starten();
    Abfragen();
    Beenden();
    const QStringList zeilen = LogZeilen();
    EXPECT_TRUE(zeilen.contains("Eingang1: 0..10000 V"));
    EXPECT_TRUE(zeilen.contains("Eingang2: 10..0 V"));
    const QString daten = zeilen.filter(QRegularExpression("^\\d\\d\\.")).value(0);
    const QStringList felder = daten.split('\t');
    ASSERT_EQ(felder.size(), 10);
    EXPECT_TRUE(felder[2] == "1234" || felder[2] == "1233") << felder[2].toStdString();
    EXPECT_EQ(felder[3], "9");
}
