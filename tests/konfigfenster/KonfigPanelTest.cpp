#include "Bedienelemente.h"
#include "FensterUmgebung.h"
#include "Rahmenzugriff.h"

#include "app/Einstellungen.h"
#include "config/KonfigDatei.h"
#include "config/fenster/KonfigEinheitFeld.h"
#include "config/fenster/KonfigPanel.h"
#include "config/fenster/KonfigZahlFeld.h"
#include "direkt/DirektKanaele.h"
#include "direkt/fenster/DirektPanel.h"
#include "uisupport/Drehknopf.h"
#include "uisupport/Zeigerinstrument.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Input 1: 1..6 V -> 0..1000 mBar; output 1: 0..5 V -> 0..60 V on a 5 V box.
KonfigDaten Beispiel() {
    KonfigDaten k = KonfigStandardwerte();
    k.voutmax = 5.0;
    k.outmin[0] = 0.0;
    k.outmax[0] = 5.0;
    k.outskalamin[0] = 0.0;
    k.outskalamax[0] = 60.0;
    k.inmin[0] = 1.0;
    k.inmax[0] = 6.0;
    k.inskalamin[0] = 0.0;
    k.inskalamax[0] = 1000.0;
    EinheitTextSetzen(k, Seite::Eingang, 0, "mBar");
    k.outskalamax[2] = 4.095;
    k.inskalamin[3] = 0.001;
    EinheitTextSetzen(k, Seite::Ausgang, 3, "°C");
    return k;
}

bool GleichWieStandard(const KonfigDaten& k) { return KonfigurationenVergleichen(k, KonfigStandardwerte()) == 1; }

// Key presses carrying any character (QTest::keyClicks knows only ASCII).
void Tippen(QLineEdit* feld, const QString& text) {
    feld->selectAll();
    for (QChar c : text) {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(feld, &druck);
    }
}

void DateiSchreiben(const QString& pfad, const std::string& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
}

struct KonfigFenster : ::testing::Test {
    FensterUmgebung u;
    KonfigPanel* p = nullptr;
    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        KonfigurationSetzen(KonfigStandardwerte());
        p = Konfigpanel();
        ZeigeChildpanel(FensterId::Konfig);
        u.dialoge.Leeren();
    }
};

TEST_F(KonfigFenster, HatJedesBedienelementMitSeinemNamen) {
    const char* namen[] = {"AUSGANGSBEREICH", "EINGANGSBEREICH", "STANDARDWERTE",
                           "HAUPTFENSTER",    "DIREKTHILFE",     "PICTURERING"};
    for (const char* n : namen) EXPECT_NE(p->findChild<QWidget*>(n), nullptr) << n;
    for (const char* stamm : {"SPANNUNG_OUTMIN", "SPANNUNG_OUTMAX", "SKALAOUTMIN", "SKALAOUTMAX", "SPANNUNG_INMIN",
                              "SPANNUNG_INMAX", "SKALAINMIN", "SKALAINMAX"})
        for (int i = 1; i <= 4; ++i)
            EXPECT_NE(p->findChild<KonfigZahlFeld*>(QString("%1%2").arg(stamm).arg(i)), nullptr) << stamm << i;
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NE(p->findChild<KonfigEinheitFeld*>(QString("EINHEITOUT%1").arg(i)), nullptr);
        EXPECT_NE(p->findChild<KonfigEinheitFeld*>(QString("EINHEITIN%1").arg(i)), nullptr);
    }
    QStringList bereiche;
    for (int i = 0; i < Elemente(p).AUSGANGSBEREICH->count(); ++i) bereiche << Elemente(p).AUSGANGSBEREICH->itemText(i);
    EXPECT_EQ(bereiche, QStringList({"0 - 4.095 V", "0 - 5 V", "0 - 10 V"}));
    QStringList datei;
    for (QAction* a : p->dateiMenue()->actions()) datei << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(datei, QStringList({"Konfigurationsdatei laden", "Konfigurationsdatei speichern", "-", "Beenden"}));
}

TEST_F(KonfigFenster, FeldaenderungenGeltenErstBeimVerlassen) {
    Tippen(Elemente(p).SPANNUNG_INMIN[0], "1");
    Tippen(Elemente(p).SPANNUNG_INMAX[0], "6");
    Tippen(Elemente(p).SKALAINMAX[0], "1000");
    Tippen(Elemente(p).EINHEITIN[0], "mBar");
    Elemente(p).AUSGANGSBEREICH->setCurrentIndex(1);
    EXPECT_TRUE(GleichWieStandard(Konfig()));

    Elemente(p).HAUPTFENSTER->click();
    EXPECT_EQ(AktuellesChildpanel(), nullptr);
    EXPECT_EQ(Konfig().inmin[0], 1.0);
    EXPECT_EQ(Konfig().inmax[0], 6.0);
    EXPECT_EQ(Konfig().inskalamax[0], 1000.0);
    EXPECT_STREQ(Konfig().ineinheit[0], "mBar");
    EXPECT_EQ(Konfig().voutmax, 5.0);
    EXPECT_EQ(Konfig().vinmax, 10.0);
    EXPECT_EQ(Elemente(p).SKALAINMAX[0]->text(), "1000.000");
}

TEST_F(KonfigFenster, FenstermenueZeigtErstDasZielUndUebernimmtDann) {
    Tippen(Elemente(p).SKALAOUTMAX[1], "60");
    FensterAktion(p, FensterId::Direkt)->trigger();
    EXPECT_EQ(AktuellesChildpanel(), Direkt());
    EXPECT_EQ(Konfig().outskalamax[1], 60.0);

    // "Konfiguration" shows this window again and still takes the fields over.
    ZeigeChildpanel(FensterId::Konfig);
    Tippen(Elemente(p).SKALAOUTMAX[1], "70");
    FensterAktion(p, FensterId::Konfig)->trigger();
    EXPECT_EQ(AktuellesChildpanel(), p);
    EXPECT_EQ(Konfig().outskalamax[1], 70.0);
}

TEST_F(KonfigFenster, StandardwerteNachRueckfrage) {
    KonfigurationSetzen(Beispiel());
    u.dialoge.antworten = {2};
    Elemente(p).STANDARDWERTE->click();
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    const auto& frage = u.dialoge.Letztes();
    EXPECT_EQ(frage.art, "Frage");
    EXPECT_EQ(frage.titel, "Werte zurücksetzen");
    EXPECT_EQ(frage.text, "Wollen Sie alle Werte löschen und\nauf Standardwerte zurücksetzen?");
    EXPECT_EQ(frage.knoepfe, QStringList({"Ja", "Nein"}));
    EXPECT_EQ(frage.enterKnopf, 1);
    EXPECT_EQ(frage.escKnopf, 2);
    EXPECT_EQ(Elemente(p).SKALAINMAX[0]->wert(), 1000.0);

    u.dialoge.antworten = {1};
    Elemente(p).STANDARDWERTE->click();
    EXPECT_EQ(Elemente(p).SKALAINMAX[0]->wert(), 10.0);
    EXPECT_EQ(Elemente(p).EINHEITIN[0]->text(), "V");
    EXPECT_EQ(Elemente(p).AUSGANGSBEREICH->currentData().toDouble(), 10.0);
    EXPECT_TRUE(GleichWieStandard(Konfig()));
}

TEST_F(KonfigFenster, SpeichernNimmtUngesicherteEingabenMit) {
    Tippen(Elemente(p).SKALAOUTMAX[0], "60");
    Tippen(Elemente(p).EINHEITOUT[0], "kV");
    const QString pfad = u.Pfad("a.dlo");
    u.dialoge.DateiGewaehlt(pfad);
    Elemente(p).speichernAktion->trigger();
    ASSERT_EQ(u.dialoge.VonArt("Datei").size(), 1u);
    const auto wahl = u.dialoge.VonArt("Datei")[0].datei;
    EXPECT_EQ(wahl.titel, "Konfiguration speichern");
    EXPECT_EQ(wahl.muster, "*.dlo");
    EXPECT_TRUE(wahl.speichern);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());

    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 392);
    EXPECT_EQ(bytes.left(26), QByteArray("ksv5 Konfigurations Datei", 26));
    KonfigDaten gelesen = KonfigStandardwerte();
    ASSERT_EQ(KonfigDateiLesen(QFile::encodeName(pfad).toStdString(), gelesen), 0);
    EXPECT_EQ(gelesen.outskalamax[0], 60.0);
    EXPECT_STREQ(gelesen.outeinheit[0], "kV");
    EXPECT_EQ(Konfig().outskalamax[0], 60.0); // saving takes the fields over, as leaving would
}

TEST_F(KonfigFenster, LadenErsetztDatensatzUndFelderSofort) {
    const QString pfad = u.Pfad("b.dlo");
    DateiSchreiben(pfad, KonfigDateiBytes(Beispiel()));
    u.dialoge.DateiGewaehlt(pfad);
    Elemente(p).ladenAktion->trigger();
    ASSERT_FALSE(u.dialoge.VonArt("Datei").empty());
    EXPECT_EQ(u.dialoge.VonArt("Datei")[0].datei.titel, "Konfiguration laden");
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_EQ(KonfigurationenVergleichen(Konfig(), Beispiel()), 1);
    EXPECT_EQ(Elemente(p).SKALAINMAX[0]->text(), "1000.000");
    EXPECT_EQ(Elemente(p).SKALAOUTMAX[2]->text(), "4.095");
    EXPECT_EQ(Elemente(p).SKALAINMIN[3]->text(), "0.001");
    EXPECT_EQ(Elemente(p).EINHEITOUT[3]->text(), "°C");
    EXPECT_EQ(Elemente(p).AUSGANGSBEREICH->currentText(), "0 - 5 V");
    // Leaving without edits keeps every value exactly.
    Elemente(p).HAUPTFENSTER->click();
    EXPECT_EQ(KonfigurationenVergleichen(Konfig(), Beispiel()), 1);
}

TEST_F(KonfigFenster, FalscheVersionZeigtFehlerUndAendertNichts) {
    std::string bytes = KonfigDateiBytes(Beispiel());
    bytes[32] = 1;
    DateiSchreiben(u.Pfad("v1.dlo"), bytes);
    Tippen(Elemente(p).SKALAOUTMIN[0], "-3");
    u.dialoge.DateiGewaehlt(u.Pfad("v1.dlo"));
    Elemente(p).ladenAktion->trigger();
    const auto meldungen = u.dialoge.VonArt("Meldung");
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].titel, "Fehler #303266");
    EXPECT_TRUE(GleichWieStandard(Konfig()));
    EXPECT_EQ(Elemente(p).SKALAOUTMIN[0]->wert(), -3.0);
    EXPECT_EQ(Elemente(p).SKALAINMAX[0]->wert(), 10.0);
}

TEST_F(KonfigFenster, AbbrechenZeigtNichts) {
    Tippen(Elemente(p).SKALAOUTMIN[0], "-3");
    Elemente(p).ladenAktion->trigger();
    Elemente(p).speichernAktion->trigger();
    EXPECT_EQ(u.dialoge.protokoll.size(), 2u);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_EQ(p->KonfigurationLaden(), 0);
    EXPECT_EQ(p->KonfigurationSpeichern(), 0);
    EXPECT_TRUE(GleichWieStandard(Konfig())); // a cancelled save takes nothing over
    EXPECT_EQ(Elemente(p).SKALAOUTMIN[0]->wert(), -3.0);
}

TEST_F(KonfigFenster, KanalOhneSpannungsspanneWirdNichtUebernommen) {
    Tippen(Elemente(p).SKALAOUTMAX[0], "60");
    Tippen(Elemente(p).SPANNUNG_OUTMAX[1], "0");
    Elemente(p).HAUPTFENSTER->click();
    auto meldungen = u.dialoge.VonArt("Meldung");
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].titel, "Fehler");
    EXPECT_TRUE(meldungen[0].text.startsWith("Ausgang 2:")) << meldungen[0].text.toStdString();
    EXPECT_EQ(AktuellesChildpanel(), p);
    EXPECT_TRUE(GleichWieStandard(Konfig()));

    // The menu refuses before it shows anything.
    FensterAktion(p, FensterId::Kurven)->trigger();
    EXPECT_EQ(u.dialoge.VonArt("Meldung").size(), 2u);
    EXPECT_EQ(AktuellesChildpanel(), p);
    EXPECT_TRUE(GleichWieStandard(Konfig()));

    // A constant physical span cannot be converted back on an output; on an
    // input it is a constant reading and is taken over.
    Tippen(Elemente(p).SPANNUNG_OUTMAX[1], "10");
    Tippen(Elemente(p).SKALAOUTMIN[2], "5");
    Tippen(Elemente(p).SKALAOUTMAX[2], "5");
    Elemente(p).HAUPTFENSTER->click();
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Ausgang 3:"));
    EXPECT_EQ(AktuellesChildpanel(), p);

    Tippen(Elemente(p).SKALAOUTMAX[2], "6");
    Tippen(Elemente(p).SKALAINMIN[2], "5");
    Tippen(Elemente(p).SKALAINMAX[2], "5");
    Elemente(p).HAUPTFENSTER->click();
    EXPECT_EQ(AktuellesChildpanel(), nullptr);
    EXPECT_EQ(Konfig().outskalamax[0], 60.0);
    EXPECT_EQ(Konfig().inskalamax[2], 5.0);
    EXPECT_TRUE(EingangUmrechenbar(Konfig(), 2)) << "shown and logged as the constant";
}

TEST_F(KonfigFenster, UnbrauchbarerKanalWirdWederGespeichertNochInDieEinstellungenGeschrieben) {
    const QString ziel = u.Pfad("alt.dlo");
    DateiSchreiben(ziel, "vorher");
    Tippen(Elemente(p).SPANNUNG_OUTMIN[0], "0");
    Tippen(Elemente(p).SPANNUNG_OUTMAX[0], "0");
    u.dialoge.DateiGewaehlt(ziel);
    Elemente(p).speichernAktion->trigger();
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u) << "refused before the file is chosen";
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler");
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Ausgang 1:"));
    QFile f(ziel);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "vorher");

    // Leaving the program keeps the configuration in force in the settings.
    ASSERT_EQ(WriteIni(), 0);
    EXPECT_TRUE(GleichWieStandard(Konfig()));
    EXPECT_TRUE(u.IniLesen("xdg/dlm7dSteuerung/dlm7Steuerung.ini").contains("outmax0 = 10\r\n"));
}

TEST_F(KonfigFenster, DateiMitLeeremKanalWirdGeladenAberNichtUebernommen) {
    KonfigDaten k = Beispiel();
    k.inmax[1] = k.inmin[1];
    k.voutmax = 0.0;
    DateiSchreiben(u.Pfad("leer.dlo"), KonfigDateiBytes(k));
    u.dialoge.DateiGewaehlt(u.Pfad("leer.dlo"));
    Elemente(p).ladenAktion->trigger();
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_EQ(KonfigurationenVergleichen(Konfig(), k), 1);
    EXPECT_EQ(Elemente(p).AUSGANGSBEREICH->currentData().toDouble(), 0.0);

    Elemente(p).HAUPTFENSTER->click();
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Ausgangsbereich:"));
    Elemente(p).AUSGANGSBEREICH->setCurrentIndex(2);
    Elemente(p).HAUPTFENSTER->click();
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Eingang 2:"));
    EXPECT_EQ(AktuellesChildpanel(), p);
    EXPECT_EQ(KonfigurationenVergleichen(Konfig(), k), 1);
}

TEST_F(KonfigFenster, KonfigurationSetzenAendertDieFelderSofort) {
    KonfigurationSetzen(Beispiel());
    EXPECT_EQ(KonfigurationenVergleichen(Konfig(), Beispiel()), 1);
    EXPECT_EQ(Elemente(p).SPANNUNG_INMIN[0]->text(), "1.0");
    EXPECT_EQ(Elemente(p).EINHEITIN[0]->text(), "mBar");
    EXPECT_EQ(KonfigurationenVergleichen(p->AusPanel(), Beispiel()), 1);
}

TEST_F(KonfigFenster, AndereFensterBehaltenIhreSkalierungBisZumVerlassen) {
    Elemente(p).HAUPTFENSTER->click();
    ASSERT_DOUBLE_EQ(Elemente(Direkt()).EINGANG[0]->maximum(), 10.0);
    ZeigeChildpanel(FensterId::Konfig);
    KonfigurationSetzen(Beispiel());
    EXPECT_DOUBLE_EQ(Elemente(Direkt()).EINGANG[0]->maximum(), 10.0);
    EXPECT_DOUBLE_EQ(Elemente(Direkt()).AUSGANG[0]->oben(), 10.0);
    Elemente(p).HAUPTFENSTER->click();
    EXPECT_DOUBLE_EQ(Elemente(Direkt()).EINGANG[0]->minimum(), -200.0);
    EXPECT_DOUBLE_EQ(Elemente(Direkt()).EINGANG[0]->maximum(), 1800.0);
    EXPECT_DOUBLE_EQ(Elemente(Direkt()).AUSGANG[0]->oben(), 60.0);
}

TEST_F(KonfigFenster, EinheitMitAchtZeichenUeberlebtDieEinstellungsdatei) {
    const QString einheit = QString::fromUtf8("ÄÖÜäöüßµ");
    Tippen(Elemente(p).EINHEITIN[1], einheit + "x"); // the ninth character is refused
    EXPECT_EQ(Elemente(p).EINHEITIN[1]->text(), einheit);
    Tippen(Elemente(p).EINHEITOUT[2], QString::fromUtf8("Ω€")); // no Windows-1252 byte for Ω
    EXPECT_EQ(Elemente(p).EINHEITOUT[2]->text(), QString::fromUtf8("€"));
    Tippen(Elemente(p).SKALAOUTMAX[3], "0.1234567");

    ASSERT_EQ(WriteIni(), 0); // takes the fields over first
    EXPECT_EQ(EinheitText(Konfig(), Seite::Eingang, 1), einheit.toStdString());
    KonfigurationSetzen(KonfigStandardwerte());
    ASSERT_EQ(ReadIni(), 0);
    EXPECT_EQ(Elemente(p).EINHEITIN[1]->text(), einheit);
    EXPECT_EQ(Elemente(p).EINHEITOUT[2]->text(), QString::fromUtf8("€"));
    EXPECT_EQ(Elemente(p).SKALAOUTMAX[3]->wert(), 0.1234567);
    EXPECT_EQ(EinheitText(Konfig(), Seite::Eingang, 1), einheit.toStdString());
}

TEST_F(KonfigFenster, HilfemodusZeigtNurDenText) {
    Haupt()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Haupt()));
    Elemente(p).DIREKTHILFE->click();
    ASSERT_TRUE(gHilfeAktiv);
    u.dialoge.Leeren();

    QTest::mouseClick(Elemente(p).SKALAOUTMIN[0], Qt::LeftButton);
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_EQ(u.dialoge.Letztes().art, "Hilfe");
    EXPECT_TRUE(u.dialoge.Letztes().text.startsWith("Die Spannungen der Ausgänge der DLM-7 können"));
    QTest::mouseClick(Elemente(p).EINHEITIN[3], Qt::LeftButton);
    EXPECT_EQ(u.dialoge.Letztes().text, "Die Bezeichnung der Einheit für die Eingangsgröße.");
    QTest::mouseClick(Elemente(p).STANDARDWERTE, Qt::LeftButton);
    EXPECT_EQ(u.dialoge.Letztes().text, "Setzt alle Eingabefelder auf die Standardwerte\n( 0 bis 10V ) zurück.");
    EXPECT_TRUE(u.dialoge.VonArt("Frage").empty());

    // HAUPTFENSTER has no text and does nothing; the menus do nothing either.
    const auto anzahl = u.dialoge.protokoll.size();
    QTest::mouseClick(Elemente(p).HAUPTFENSTER, Qt::LeftButton);
    FensterAktion(p, FensterId::Haupt)->trigger();
    Elemente(p).ladenAktion->trigger();
    EXPECT_EQ(u.dialoge.protokoll.size(), anzahl);
    EXPECT_EQ(AktuellesChildpanel(), p);
    EXPECT_TRUE(GleichWieStandard(Konfig()));
}

} // namespace
