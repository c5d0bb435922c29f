// dlm7ctl kennlinie-bild and kurven-bild: the format from the extension, the
// size option, the refusals with their last line, and a run without display.
#include "BildPruefung.h"

#include "kennlinie/KennlinieDatei.h"
#include "kurven/KurvenDatei.h"
#include "tools/Dlm7Ctl.h"
#include "uisupport/Bildexport.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CtlBild : ::testing::Test {
    QTemporaryDir ordner;
    std::string Pfad(const char* name) const { return ordner.filePath(name).toStdString(); }

    void SetUp() override {
        KennlinienDatei d;
        d.kurve.punkte = {{0, 1000, 0}, {4095, 1000, 0}, {2000, 0, 0}};
        d.kurve.kommentar = "Ventil A\nRest";
        ASSERT_EQ(KennlinieSpeichern(Pfad("k.dle"), d), 0);
        kurvengenerator::Kurvensatz s;
        ASSERT_EQ(kurvengenerator::KurvenSpeichern(s, Pfad("k.dlr"), KonfigStandardwerte()), 0);
    }

    int Ausfuehren(std::vector<std::string> args) {
        std::ostringstream aus, err;
        const int status = Dlm7CtlAusfuehren(args, aus, err);
        fehler = err.str();
        return status;
    }
    std::string LetzteZeile() const {
        std::string f = fehler;
        while (!f.empty() && f.back() == '\n') f.pop_back();
        return f.substr(f.rfind('\n') == std::string::npos ? 0 : f.rfind('\n') + 1);
    }
    std::string fehler;
};

} // namespace

TEST_F(CtlBild, FormatAusDerEndungUndGroesseAlsOption) {
    ASSERT_EQ(Ausfuehren({"kennlinie-bild", Pfad("k.dle"), Pfad("k.png")}), 0) << fehler;
    EXPECT_EQ(QImage(QString::fromStdString(Pfad("k.png"))).size(), QSize(1200, 800));
    ASSERT_EQ(Ausfuehren({"kennlinie-bild", Pfad("k.dle"), Pfad("k.png"), "--groesse", "640x400"}), 0) << fehler;
    EXPECT_EQ(QImage(QString::fromStdString(Pfad("k.png"))).size(), QSize(640, 400));

    ASSERT_EQ(Ausfuehren({"kennlinie-bild", Pfad("k.dle"), Pfad("k.svg")}), 0) << fehler;
    const SvgInhalt svg = SvgLesen(QString::fromStdString(Pfad("k.svg")));
    ASSERT_TRUE(svg.gueltig);
    EXPECT_TRUE(svg.texte.join('|').contains("Ventil A"));
    EXPECT_TRUE(svg.texte.join('|').contains("Datei: k.dle"));
    bool kurve = false; // the three points as one red line
    for (const SvgLinie& l : svg.linien)
        kurve |= l.farbe.compare("#ff0000", Qt::CaseInsensitive) == 0 && l.punkte.size() == 3;
    EXPECT_TRUE(kurve);

    ASSERT_EQ(Ausfuehren({"kurven-bild", Pfad("k.dlr"), Pfad("k.PDF"), "--groesse=800x600"}), 0) << fehler;
    EXPECT_EQ(PdfSeiten(QString::fromStdString(Pfad("k.PDF"))), 1);
}

TEST_F(CtlBild, FalscheEndungGroesseOderAufrufSchreibenNichts) {
    EXPECT_EQ(Ausfuehren({"kennlinie-bild", Pfad("k.dle"), Pfad("k.gif")}), 1);
    EXPECT_NE(fehler.find("Unbekanntes Bildformat"), std::string::npos);
    EXPECT_EQ(LetzteZeile(), "Fehler #401601: Unzulässiger Parameter");
    for (const char* groesse : {"0x800", "1200", "abc", "1200x-1", "30000x800"}) {
        EXPECT_EQ(Ausfuehren({"kurven-bild", Pfad("k.dlr"), Pfad("k.png"), "--groesse", groesse}), 1) << groesse;
        EXPECT_EQ(LetzteZeile(), "Fehler #510602: Ungültiger Wert.") << groesse;
    }
    EXPECT_EQ(Ausfuehren({"kennlinie-bild", Pfad("fehlt.dle"), Pfad("k.png")}), 1);
    EXPECT_EQ(Ausfuehren({"kennlinie-bild", Pfad("k.dle")}), 2);
    EXPECT_EQ(Ausfuehren({"kennlinie-bild", Pfad("k.dle"), Pfad("k.png"), "--groesse"}), 2);
    EXPECT_EQ(Ausfuehren({"kurven-bild", Pfad("k.dlr"), Pfad("k.png"), "--pruefen"}), 2);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Pfad("k.png"))));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Pfad("k.gif"))));
}

TEST_F(CtlBild, LaeuftOhneBildschirm) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
    p.setProcessEnvironment(env);
    p.start(DLM7CTL, {"kennlinie-bild", QString::fromStdString(Pfad("k.dle")), QString::fromStdString(Pfad("o.svg"))});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(SvgLesen(QString::fromStdString(Pfad("o.svg"))).gueltig);
}
