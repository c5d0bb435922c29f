// A .dle or .dlr whose header announces more points than the file holds:
// loading and appending report the read error and change nothing, neither
// the curve nor the title, the file name or the unsaved-changes flag.
// The curve headers come first: FensterUmgebung's Kennlinie() hides the type's name.
#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieFehler.h"

#include "FensterUmgebung.h"
#include "KennlinienZugriff.h"
#include "KurvenZugriff.h"

#include "kurven/KurvenDatei.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenModell.h"

#include <QAction>
#include <QFile>

#include <string>
#include <vector>

namespace {

using namespace kurvengenerator;

void Schreiben(const QString& pfad, const std::string& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
}

// Cut in the last point, in the first point, and right after the header.
std::vector<std::string> Abgeschnitten(const std::string& ganz, std::size_t kopf) {
    return {ganz.substr(0, ganz.size() - 1), ganz.substr(0, kopf + 5), ganz.substr(0, kopf)};
}

struct AbgeschnitteneDateien : ::testing::Test {
    FensterUmgebung u;
    void SetUp() override {
        ASSERT_EQ(u.Starten(), 0);
        u.dialoge.Leeren();
    }
};

TEST_F(AbgeschnitteneDateien, KurvensatzLadenUndAnhaengen) {
    KurvenPanel* k = Kurven();
    using B = KurvenPanel::Befehl;
    // A curve set in a file of its own, then edited: unsaved work under a name.
    const Kurvensatz& s = k->satz();
    KurvenAendern([&](Kurvensatz& s) {
        s.kurven[0].punkte = {{100, 5, 2}, {4000, 1, 2}};
        s.kurven[3].punkte = {{1, 3, 7}, {2, 4, 7}, {3, 1, 7}};
        s.geaendert = true;
    });
    u.dialoge.DateiGewaehlt(u.Pfad("a.dlr"));
    AktionVon(k, B::SpeichernUnter)->trigger();
    ASSERT_EQ(k->windowTitle(), "Kurvengenerator - a.dlr");
    const std::string ganz = KurvenDateiBytes(s, Konfig());
    KurvenAendern([&](Kurvensatz& s) {
        s.kurven[0].punkte.push_back({50, 1, 2});
        s.geaendert = true;
    });
    const Kurvensatz vorher = s;

    const auto unveraendert = [&](const std::string& fall) {
        for (int i = 0; i < kKurvenzahl; ++i) EXPECT_EQ(s.kurven[i].punkte, vorher.kurven[i].punkte) << fall;
        EXPECT_EQ(s.zyklen, vorher.zyklen) << fall;
        EXPECT_EQ(s.dateiPfad, vorher.dateiPfad) << fall;
        EXPECT_TRUE(s.geaendert) << fall;
        EXPECT_EQ(k->windowTitle(), "Kurvengenerator - a.dlr") << fall;
    };
    int n = 0;
    for (const std::string& bytes : Abgeschnitten(ganz, kKurvenDateiKopf)) {
        const QString pfad = u.Pfad(QString("kurz%1.dlr").arg(n++));
        Schreiben(pfad, bytes);
        const std::string fall = pfad.toStdString();

        u.dialoge.Leeren();
        u.dialoge.antworten = {2}; // "Nein": do not save the edited set first
        u.dialoge.DateiGewaehlt(pfad);
        AktionVon(k, B::Laden)->trigger();
        ASSERT_FALSE(u.dialoge.VonArt("Meldung").empty()) << fall;
        EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler #304436") << fall;
        unveraendert(fall + " (laden)");

        u.dialoge.Leeren();
        u.dialoge.DateiGewaehlt(pfad);
        AktionVon(k, B::Anhaengen)->trigger();
        ASSERT_FALSE(u.dialoge.VonArt("Meldung").empty()) << fall;
        EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler #304436") << fall;
        unveraendert(fall + " (anhängen)");
    }

    // The whole file still loads, and a negative count still gives the fresh curve.
    u.dialoge.Leeren();
    u.dialoge.antworten = {2};
    u.dialoge.DateiGewaehlt(u.Pfad("a.dlr"));
    AktionVon(k, B::Laden)->trigger();
    EXPECT_TRUE(u.dialoge.VonArt("Meldung").empty());
    EXPECT_EQ(s.kurven[0].punktzahl(), 2);
    EXPECT_FALSE(s.geaendert);
}

TEST_F(AbgeschnitteneDateien, KennlinieLaden) {
    KennlinienPanel* k = Kennlinie();
    using B = KennlinienPanel::Befehl;
    k->editor().PunkteSetzen({{0, 1000, 0}, {4000, 2000, 0}, {500, 1, 0}});
    u.dialoge.DateiGewaehlt(u.Pfad("a.dle"));
    AktionVon(k, B::SpeichernUnter)->trigger();
    ASSERT_EQ(k->windowTitle(), "Kennlinienregler - a.dle");
    KennlinienDatei d;
    ASSERT_EQ(KennlinieLaden(u.Pfad("a.dle").toStdString(), d), 0);
    const std::string ganz = KennlinieDateiBytes(d);
    Kennlinienpunkte mehr = k->editor().punkte();
    mehr.push_back({100, 1, 0});
    k->editor().PunkteSetzen(mehr);
    k->editor().KommentarSetzen("geändert");
    const Kennlinienpunkte vorher = k->editor().punkte();

    int n = 0;
    for (const std::string& bytes : Abgeschnitten(ganz, kKennlinieKopfGroesse)) {
        const QString pfad = u.Pfad(QString("kurz%1.dle").arg(n++));
        Schreiben(pfad, bytes);
        const std::string fall = pfad.toStdString();
        u.dialoge.Leeren();
        u.dialoge.antworten = {2}; // "Nein"
        u.dialoge.DateiGewaehlt(pfad);
        AktionVon(k, B::Laden)->trigger();
        ASSERT_FALSE(u.dialoge.VonArt("Meldung").empty()) << fall;
        EXPECT_EQ(u.dialoge.Letztes().titel, "Fehler #304519") << fall;
        EXPECT_EQ(k->editor().punkte(), vorher) << fall;
        EXPECT_EQ(k->dateiname(), u.Pfad("a.dle")) << fall;
        EXPECT_EQ(k->windowTitle(), "Kennlinienregler - a.dle") << fall;
        EXPECT_TRUE(k->ungespeichert()) << fall;
        KennlinienDatei ziel;
        EXPECT_EQ(KennlinieDateiAuswerten(bytes, ziel), KennlFehler::LadenKopf) << fall;
    }
}

} // namespace
