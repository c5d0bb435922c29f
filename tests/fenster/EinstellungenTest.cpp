#include "Bedienelemente.h"
#include "FensterUmgebung.h"

#include "app/Einstellungen.h"
#include "device/PortTabelle.h"
#include "device/fenster/ComPanel.h"
#include "kennlinie/fenster/KennlinienPanel.h"
#include "sim/SimUmgebung.h"

#include <QComboBox>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Root may write anywhere; acting as "nobody" for a moment makes a directory
// really unwritable, as it is for an ordinary user.
class OhneSchreibrecht {
  public:
    explicit OhneSchreibrecht(const QString& verzeichnis) : verzeichnis_(verzeichnis) {
        QFile::setPermissions(verzeichnis_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        if (geteuid() == 0) wechsel_ = seteuid(65534) == 0;
    }
    ~OhneSchreibrecht() {
        if (wechsel_) (void)seteuid(0);
        QFile::setPermissions(verzeichnis_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

  private:
    QString verzeichnis_;
    bool wechsel_ = false;
};

TEST(Einstellungsdatei, ErsterStartOhneDateiMeldetEsEinmalUndSchreibtSieBeimEnde) {
    FensterUmgebung u;
    ASSERT_EQ(u.Starten(), 0);
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler #801202");
    EXPECT_EQ(u.dialoge.Letztes().text, "Fehler beim lesen der INI-Datei");
    EXPECT_EQ(OffenerComPort(), -1);
    EXPECT_EQ(Kennlinie()->darstellung(), 3);

    u.anwendung->Beenden();
    // Nothing in the working directory: the user's configuration folder, made on the way.
    EXPECT_FALSE(QFile::exists(u.Pfad("dlm7Steuerung.ini")));
    const QByteArray ini = u.IniLesen("xdg/dlm7dSteuerung/dlm7Steuerung.ini");
    EXPECT_TRUE(ini.startsWith("[com]\r\nadresse = 49\r\nlport = -1\r\nport = -1\r\n\r\n[direkt]\r\n"));
    // Sections in alphabetical order, the Linux port table last.
    const auto pos = [&](const char* s) { return ini.indexOf(s); };
    EXPECT_LT(pos("[direkt]"), pos("[kennlinie]"));
    EXPECT_LT(pos("[kennlinie]"), pos("[konfig]"));
    EXPECT_LT(pos("[konfig]"), pos("[kurven]"));
    EXPECT_LT(pos("[kurven]"), pos("[ports]"));
    EXPECT_TRUE(ini.contains("com5 = \"/dev/ttyUSB0\"\r\n"));
}

TEST(Einstellungsdatei, AdresseUndPortKommenBeimNaechstenStartWieder) {
    SimUmgebung box(3);
    ASSERT_TRUE(box.bereit()) << box.fehler;
    QByteArray ini;
    {
        FensterUmgebung u;
        ASSERT_EQ(u.Starten(), 0);
        Elemente(Com()).ADRESSE->setCurrentIndex(9); // "alle"
        Dienst().Oeffnen(3);
        Warten();
        u.anwendung->Beenden();
        ini = u.IniLesen("xdg/dlm7dSteuerung/dlm7Steuerung.ini");
    }
    EXPECT_TRUE(ini.contains("adresse = 38\r\nlport = 3\r\nport = 3\r\n"));
    FensterUmgebung u(ini);
    ASSERT_EQ(u.Starten(), 0);
    EXPECT_TRUE(u.dialoge.protokoll.empty());
    EXPECT_EQ(GeraeteAdresse(), '&');
    EXPECT_EQ(OffenerComPort(), 3);
    EXPECT_EQ(Elemente(Com()).PORT->currentData().toInt(), 3);
    EXPECT_EQ(PortPfad(3), box.sim.SlavePfad());
}

TEST(Einstellungsdatei, ReihenfolgeUndSchreibweiseSpielenKeineRolle) {
    SimUmgebung box(3);
    ASSERT_TRUE(box.bereit()) << box.fehler;
    FensterUmgebung u("; von Hand\r\n[KENNLINIE]\r\nDarstellung=2\r\n\r\n[Com]\r\nPORT =3\r\nAdresse= 50\r\n");
    ASSERT_EQ(u.Starten(), 0);
    EXPECT_EQ(GeraeteAdresse(), '2');
    EXPECT_EQ(OffenerComPort(), 3);
    EXPECT_EQ(Kennlinie()->darstellung(), 2);
}

TEST(Einstellungsdatei, UnzulaessigeWerteFallenAufIhreVorgaben) {
    FensterUmgebung u("[com]\r\nport = 9\r\nadresse = 65\r\nlport = 0\r\n\r\n[kennlinie]\r\ndarstellung = 7\r\n");
    ASSERT_EQ(u.Starten(), 0);
    EXPECT_EQ(OffenerComPort(), -1);
    EXPECT_EQ(Elemente(Com()).PORT->currentData().toInt(), -1);
    EXPECT_EQ(GeraeteAdresse(), '1');
    EXPECT_EQ(Dienst().letzterPort(), -1);
    EXPECT_EQ(Kennlinie()->darstellung(), 3);
}

TEST(Einstellungsdatei, PortTabelleUeberlebtDenNeustart) {
    FensterUmgebung u("[ports]\r\ncom2 = \"/dev/ttyACM0\"\r\n");
    ASSERT_EQ(u.Starten(), 0);
    EXPECT_EQ(PortPfad(2), "/dev/ttyACM0");
    EXPECT_EQ(PortPfad(1), "/dev/ttyS0");
    u.anwendung->Beenden();
    EXPECT_TRUE(u.IniLesen().contains("com2 = \"/dev/ttyACM0\"\r\n"));
}

TEST(Einstellungsdatei, EinPortDerBeimStartNichtAufgehtBleibtGespeichert) {
    // Held by a second copy of the program, or the adapter not yet plugged in:
    // the next start tries the same port again, unless the user chose otherwise.
    const QByteArray start = "[com]\r\nlport = 4\r\nport = 4\r\n\r\n[ports]\r\ncom4 = \"/nicht/da/ttyUSB9\"\r\n";
    {
        FensterUmgebung u(start);
        ASSERT_EQ(u.Starten(), 0);
        EXPECT_EQ(OffenerComPort(), -1);
        EXPECT_EQ(Elemente(Com()).PORT->currentData().toInt(), -1);
        u.anwendung->Beenden();
        EXPECT_TRUE(u.IniLesen().contains("lport = 4\r\nport = 4\r\n"));
    }
    FensterUmgebung u(start);
    ASSERT_EQ(u.Starten(), 0);
    Elemente(Com()).PORT->setCurrentIndex(Elemente(Com()).PORT->findData(-1));
    Com()->PortSelect_Callback();
    Warten();
    u.anwendung->Beenden();
    EXPECT_TRUE(u.IniLesen().contains("lport = 4\r\nport = -1\r\n"));
}

TEST(Einstellungsdatei, DieDateiImArbeitsverzeichnisGehtVor) {
    FensterUmgebung u("[kennlinie]\r\ndarstellung = 1\r\n");
    QDir().mkpath(u.Pfad("xdg/dlm7dSteuerung"));
    QFile xdg(u.Pfad("xdg/dlm7dSteuerung/dlm7Steuerung.ini"));
    ASSERT_TRUE(xdg.open(QIODevice::WriteOnly));
    xdg.write("[kennlinie]\r\ndarstellung = 2\r\n");
    xdg.close();
    ASSERT_EQ(u.Starten(), 0);
    EXPECT_EQ(Kennlinie()->darstellung(), 1);
    EXPECT_EQ(App().einstellungsPfad(), u.Pfad("dlm7Steuerung.ini").toStdString());

    // Without it, the one in the configuration folder.
    QFile::remove(u.Pfad("dlm7Steuerung.ini"));
    FensterUmgebung zweite;
    qputenv("XDG_CONFIG_HOME", u.Pfad("xdg").toUtf8());
    ASSERT_EQ(zweite.Starten(), 0);
    EXPECT_EQ(Kennlinie()->darstellung(), 2);
}

TEST(Einstellungsdatei, NichtSchreibbaresVerzeichnisLaesstDieAlteDateiStehen) {
    const QByteArray alt = "[com]\r\nadresse = 51\r\n\r\n";
    FensterUmgebung u(alt);
    ASSERT_EQ(u.Starten(), 0);
    u.dialoge.Leeren();
    {
        OhneSchreibrecht schutz(u.verzeichnis.path());
        u.anwendung->Beenden();
    }
    ASSERT_FALSE(u.dialoge.protokoll.empty());
    EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler #800203");
    EXPECT_EQ(u.dialoge.Letztes().text, "Fehler beim schreiben in die INI-Datei\n" + u.Pfad("dlm7Steuerung.ini"));
    EXPECT_EQ(u.IniLesen(), alt);
    EXPECT_EQ(QDir(u.verzeichnis.path()).entryList(QDir::Files), QStringList{"dlm7Steuerung.ini"});
}

} // namespace
