// The "Datei" menu through the window: save, load with the configuration
// question, import, export, "Neu" and the unsaved-changes question.
#include "KennlinienUmgebung.h"

#include "kennlinie/KennlinieCsv.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

KonfigDaten AndereKonfig() {
    KonfigDaten c = Konfig();
    SkalierungSetzen(c, Seite::Eingang, 1, {0, 10, 0, 200});
    EinheitTextSetzen(c, Seite::Eingang, 1, "bar");
    SkalierungSetzen(c, Seite::Ausgang, 1, {0, 10, 0, 20});
    EinheitTextSetzen(c, Seite::Ausgang, 1, "mA");
    return c;
}

} // namespace

struct KennlinienDateien : KennlinienFenster {
    // A curve with a comment, a fixed value and a rise time, saved under name.
    void Speichern(const QString& name) {
        k->editor().PunkteSetzen({{0, 2000, 0}, {4095, 1, 0}});
        k->editor().KommentarSetzen("Prüfstand");
        Eingeben(FeldVon(k, Feld::Begrenzung), "3.7");
        Eingeben(FeldVon(k, Feld::Anstiegszeit), "25");
        u.dialoge.DateiGewaehlt(u.Pfad(name));
        Ausloesen(Befehl::Speichern);
    }
};

TEST_F(KennlinienDateien, SpeichernSetztTitelUndMerker) {
    Speichern("a.dle");
    const auto wahl = u.dialoge.VonArt("Datei").at(0);
    EXPECT_EQ(wahl.titel, "Kennlinie speichern");
    EXPECT_EQ(wahl.datei.muster, "*.dle");
    EXPECT_TRUE(wahl.datei.speichern);
    EXPECT_EQ(k->windowTitle(), "Kennlinienregler - a.dle");
    // The main window's title bar shows it while the window is shown.
    EXPECT_EQ(Haupt()->windowTitle(), "Kennlinienregler - a.dle");
    ZeigeChildpanel(FensterId::Haupt);
    EXPECT_EQ(Haupt()->windowTitle(), "DLM7D-Steuerung");
    ZeigeChildpanel(FensterId::Kennlinie);
    EXPECT_FALSE(k->ungespeichert());
    // A second save goes to the same file without asking.
    Klicken({1000, 1000});
    u.dialoge.Leeren();
    Ausloesen(Befehl::Speichern);
    EXPECT_TRUE(u.dialoge.protokoll.empty());
    KennlinienDatei d;
    ASSERT_EQ(KennlinieLaden(u.Pfad("a.dle").toStdString(), d), 0);
    EXPECT_EQ(d.kurve.anzahl(), 3);
    EXPECT_DOUBLE_EQ(d.anstiegszeit, 409.5 / 16); // 25 ms is realised as 25.59375 ms
}

TEST_F(KennlinienDateien, LadenMitDerKonfigurationDerDatei) {
    Speichern("a.dle");
    KonfigAendern([](KonfigDaten& c) { c = AndereKonfig(); });
    Ausloesen(Befehl::Neu);
    u.dialoge.Leeren();
    u.dialoge.DateiGewaehlt(u.Pfad("a.dle"));
    u.dialoge.antworten = {1}; // "laden"
    Ausloesen(Befehl::Laden);
    const auto frage = u.dialoge.VonArt("Frage").at(0);
    EXPECT_EQ(frage.titel, "Konfiguration laden?");
    EXPECT_EQ(frage.knoepfe, (QStringList{"laden", "nicht laden"}));
    EXPECT_EQ(frage.enterKnopf, 1);
    EXPECT_EQ(frage.escKnopf, 2);
    EXPECT_EQ(KonfigurationenVergleichen(Konfig(), KonfigStandardwerte()), 1);
    // Converted with the configuration now in force: exactly what was saved.
    EXPECT_NEAR(FeldVon(k, Feld::Begrenzung)->wert(), 3.7, 1e-12);
    EXPECT_EQ(BegrenzungTextVon(k)->text(), "Analogausgang2 [V]");
    EXPECT_EQ(Punkte()[0].laenge, 2000);
    EXPECT_EQ(k->windowTitle(), "Kennlinienregler - a.dle");
    EXPECT_EQ(k->dateiname(), u.Pfad("a.dle"));
    EXPECT_FALSE(k->ungespeichert());
}

TEST_F(KennlinienDateien, LadenOhneDieKonfigurationDerDatei) {
    Speichern("a.dle");
    KonfigAendern([](KonfigDaten& c) { c = AndereKonfig(); });
    Ausloesen(Befehl::ZoomPlus);
    u.dialoge.DateiGewaehlt(u.Pfad("a.dle"));
    u.dialoge.antworten = {2}; // "nicht laden"
    Ausloesen(Befehl::Laden);
    EXPECT_EQ(KonfigurationenVergleichen(Konfig(), AndereKonfig()), 1);
    // The stored value goes through input 2's scaling of the kept configuration.
    EXPECT_NEAR(FeldVon(k, Feld::Begrenzung)->wert(), 74.0, 1e-9);
    EXPECT_EQ(k->ansicht().min, 0.0);
    EXPECT_EQ(RollbalkenVon(k)->value(), 0);
}

TEST_F(KennlinienDateien, FehlerhafteDateiLaesstDieKurve) {
    Klicken({1000, 1000});
    QFile f(u.Pfad("kaputt.dle"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("dlm7 Kennlinien Datei").leftJustified(1424, '\0'));
    f.close();
    u.dialoge.antworten = {2}; // do not save the drawn point
    u.dialoge.DateiGewaehlt(f.fileName());
    Ausloesen(Befehl::Laden);
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler #303521");
    EXPECT_EQ(Punkte().size(), 2u);
    EXPECT_EQ(k->windowTitle(), "Kennlinienregler");
}

TEST_F(KennlinienDateien, UngespeichertFragtVorNeuUndLaden) {
    Klicken({1000, 1000});
    u.dialoge.antworten = {3}; // "Abbrechen"
    Ausloesen(Befehl::Neu);
    EXPECT_EQ(u.dialoge.Letztes().text, "Möchten Sie die Änderungen in Kennlinienregler speichern?");
    EXPECT_EQ(Punkte().size(), 2u);

    // "Ja", then the file dialog cancelled: nothing was saved, so nothing is dropped.
    u.dialoge.antworten = {1};
    Ausloesen(Befehl::Neu);
    EXPECT_EQ(u.dialoge.Letztes().art, "Datei");
    EXPECT_EQ(u.dialoge.VonArt("Meldung").size(), 0u);
    EXPECT_EQ(Punkte().size(), 2u);

    // "Ja" with a name: saved, then the new curve.
    u.dialoge.antworten = {1};
    u.dialoge.DateiGewaehlt(u.Pfad("b.dle"));
    Ausloesen(Befehl::Neu);
    EXPECT_TRUE(QFile::exists(u.Pfad("b.dle")));
    EXPECT_EQ(Punkte().size(), 1u);
    EXPECT_EQ(k->windowTitle(), "Kennlinienregler");
    EXPECT_DOUBLE_EQ(FeldVon(k, Feld::Anstiegszeit)->wert(), 0.1);
    EXPECT_TRUE(KommentarVorschauVon(k)->text().isEmpty());

    // "Nein": the drawing goes.
    Klicken({1000, 1000});
    u.dialoge.antworten = {2};
    Ausloesen(Befehl::Neu);
    EXPECT_EQ(Punkte().size(), 1u);
}

TEST_F(KennlinienDateien, ImportUndExport) {
    QFile f(u.Pfad("k.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# Kennlinie\r\n0\t0\r\n50.5\t-1\r\n");
    f.close();
    u.dialoge.DateiGewaehlt(f.fileName());
    Ausloesen(Befehl::Importieren);
    const auto meldungen = u.dialoge.VonArt("Meldung");
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].titel, "Importfehler");
    EXPECT_TRUE(meldungen[0].text.startsWith("Fehler in Zeile 3:\nY-Wert von -1.000% ist nicht erlaubt"));
    EXPECT_EQ(meldungen[1].titel, "Fehler #312537");
    EXPECT_EQ(Punkte().size(), 1u);
    EXPECT_FALSE(k->ungespeichert());

    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("0\t0\r\n100\t100\r\n");
    f.close();
    u.dialoge.Leeren();
    u.dialoge.DateiGewaehlt(f.fileName());
    Ausloesen(Befehl::Importieren);
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    ASSERT_EQ(Punkte().size(), 2u);
    EXPECT_EQ(Punkte()[0].laenge, 4095);
    EXPECT_TRUE(k->ungespeichert());
    Ausloesen(Befehl::Rueckgaengig);
    EXPECT_EQ(Punkte().size(), 1u);

    u.dialoge.DateiGewaehlt(u.Pfad("aus.txt"));
    Ausloesen(Befehl::Exportieren);
    EXPECT_EQ(u.dialoge.Letztes().datei.titel, "Kennlinie exportieren");
    QFile aus(u.Pfad("aus.txt"));
    ASSERT_TRUE(aus.open(QIODevice::ReadOnly));
    EXPECT_EQ(aus.readAll(), "# Kennlinie exportiert aus DLM7-Steuerung\r\n# Spalte 1 = X-Wert in Prozent\r\n"
                             "# Spalte 2 = Y-Wert in Prozent\r\n\r\n0.00\t100.00\r\n\r\n");
}

TEST_F(KennlinienDateien, AbgebrocheneDateiwahlAendertNichts) {
    Klicken({1000, 1000});
    for (Befehl b : {Befehl::Speichern, Befehl::SpeichernUnter, Befehl::Importieren, Befehl::Exportieren}) {
        Ausloesen(b);
        EXPECT_EQ(u.dialoge.Letztes().art, "Datei");
    }
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_EQ(Punkte().size(), 2u);
    EXPECT_TRUE(k->ungespeichert());
    EXPECT_EQ(k->windowTitle(), "Kennlinienregler");
}

TEST_F(KennlinienDateien, TabelleAlsCsvMitDerKonfigurationInKraft) {
    KonfigAendern([](KonfigDaten& c) { EinheitTextSetzen(c, Seite::Ausgang, 0, "bar"); });
    k->editor().PunkteSetzen({{0, 10, 0}, {100, 0, 0}});
    u.dialoge.DateiGewaehlt(u.Pfad("t.csv"));
    Ausloesen(Befehl::CsvExportieren);
    EXPECT_EQ(u.dialoge.Letztes().datei.titel, "Tabelle als CSV exportieren");
    EXPECT_EQ(AktionVon(k, Befehl::CsvExportieren)->text(), "Tabelle als CSV exportieren…");
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    std::string erwartet;
    ASSERT_EQ(KennlinieCsvText(Punkte(), Konfig(), erwartet), 0);
    EXPECT_NE(erwartet.find("Ausgang 1 [bar]"), std::string::npos);
    QFile f(u.Pfad("t.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), erwartet);
    f.close();

    // A curve longer than the table: the catalogue's popup, the old file stays.
    k->editor().PunkteSetzen({{0, 4096, 0}, {100, 1, 0}});
    u.dialoge.Leeren();
    u.dialoge.DateiGewaehlt(u.Pfad("t.csv"));
    Ausloesen(Befehl::CsvExportieren);
    ASSERT_EQ(u.dialoge.VonArt("Meldung").size(), 1u);
    EXPECT_EQ(u.dialoge.VonArt("Meldung")[0].titel, "Fehler #1023505");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), erwartet);
}
