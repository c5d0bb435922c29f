#include "uisupport/Graph.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

QImage Bild(const Graph& g, int dpr = 1) {
    QImage bild(g.width() * dpr, g.height() * dpr, QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    QPainter p(&bild);
    g.Zeichnen(p);
    return bild;
}

int Zaehlen(const QImage& bild, QRgb farbe) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) == farbe;
    return n;
}

void Rohachsen(Graph& g, double xBis) {
    g.resize(640, 400);
    g.setBereich(Graph::X, 0.0, xBis);
    g.setBereich(Graph::Y, 0.0, 4095.0);
}

QStringList Texte(const QVector<GraphAchse::Marke>& marken) {
    QStringList t;
    for (const auto& m : marken) t << m.text;
    return t;
}

} // namespace

TEST(Graph, BeschriftungInDerEinheitBeiRohenPositionen) {
    Graph g;
    g.setBereich(Graph::Y, 0.0, 4095.0);
    g.setBeschriftung(Graph::Y, 10.0 / 4095.0, 0.0, QStringLiteral("Ausgang 1 [V]"));
    const auto marken = g.achse(Graph::Y).Marken(6);
    EXPECT_EQ(Texte(marken), QStringList({"0", "2", "4", "6", "8", "10"}));
    ASSERT_EQ(marken.size(), 6);
    EXPECT_NEAR(marken[1].roh, 819.0, 1e-9);
    EXPECT_DOUBLE_EQ(marken.last().roh, 4095.0);

    // A falling unit with an offset: -5..5 V over the raw range, read backwards.
    g.setBeschriftung(Graph::Y, -10.0 / 4095.0, 5.0, QStringLiteral("U"));
    const auto fallend = g.achse(Graph::Y).Marken(6);
    EXPECT_EQ(Texte(fallend), QStringList({"-4", "-2", "0", "2", "4"}));
    for (const auto& m : fallend) EXPECT_NEAR(g.achse(Graph::Y).Einheit(m.roh), m.text.toDouble(), 1e-9);

    // A zoomed axis gets decimals, with a point whatever the locale.
    g.setBereich(Graph::X, 1000.0, 1010.0);
    g.setBeschriftung(Graph::X, 10.0 / 4095.0, 0.0, QString());
    const auto fein = g.achse(Graph::X).Marken(6);
    ASSERT_GE(fein.size(), 2);
    EXPECT_TRUE(fein.first().text.startsWith(QStringLiteral("2.4"))) << fein.first().text.toStdString();

    // An empty unit range still labels the axis.
    g.setBeschriftung(Graph::X, 0.0, 3.0, QString());
    EXPECT_GE(g.achse(Graph::X).Marken(6).size(), 2);
}

TEST(Graph, UngueltigeBereicheWerdenAbgelehnt) {
    Graph g;
    g.setBereich(Graph::X, 10.0, 2.0);
    EXPECT_EQ(g.achse(Graph::X).min, 2.0);
    EXPECT_EQ(g.achse(Graph::X).max, 10.0);
    g.setBereich(Graph::X, 5.0, 5.0);
    g.setBereich(Graph::X, 0.0, NAN);
    g.setBereich(Graph::X, -INFINITY, 1.0);
    EXPECT_EQ(g.achse(Graph::X).min, 2.0);
    EXPECT_EQ(g.achse(Graph::X).max, 10.0);
}

TEST(Graph, MausMeldetGraphkoordinatenAnBeidenEndenJederAchse) {
    Graph g;
    g.resize(500, 300);
    g.setBereich(Graph::X, 100.0, 4095.0);
    g.setBereich(Graph::Y, -50.0, 50.0);
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    QSignalSpy druck(&g, &Graph::gedrueckt), zug(&g, &Graph::gezogen), los(&g, &Graph::losgelassen);
    const QRect f = g.plotBereich();
    ASSERT_GT(f.width(), 100);
    const QPoint linksUnten(f.left(), f.bottom()), rechtsOben(f.right(), f.top());

    QTest::mousePress(&g, Qt::LeftButton, {}, linksUnten);
    ASSERT_EQ(druck.count(), 1);
    EXPECT_EQ(druck.last().at(0).toPointF(), QPointF(100.0, -50.0));
    EXPECT_EQ(druck.last().at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    QTest::mouseMove(&g, rechtsOben);
    ASSERT_EQ(zug.count(), 1);
    EXPECT_EQ(zug.last().at(0).toPointF(), QPointF(4095.0, 50.0));
    // Dragged beyond the plot area, the cursor stays at the ends of the axes.
    QTest::mouseMove(&g, QPoint(g.width() - 1, 0));
    EXPECT_EQ(zug.last().at(0).toPointF(), QPointF(4095.0, 50.0));
    QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(0, g.height() - 1));
    ASSERT_EQ(los.count(), 1);
    EXPECT_EQ(los.last().at(0).toPointF(), QPointF(100.0, -50.0));
    EXPECT_EQ(g.cursor(), QPointF(100.0, -50.0));

    // The mapping agrees with the reported positions both ways.
    EXPECT_EQ(g.ZuPixel({4095.0, 50.0}), QPointF(rechtsOben));
    EXPECT_EQ(g.ZuGraph(g.ZuPixel({2000.0, 12.5})), QPointF(2000.0, 12.5));

    // The right button is reported too (popup menu); a press on the labels is not.
    QTest::mousePress(&g, Qt::RightButton, {}, f.center());
    ASSERT_EQ(druck.count(), 2);
    EXPECT_EQ(druck.last().at(1).value<Qt::MouseButton>(), Qt::RightButton);
    QTest::mouseRelease(&g, Qt::RightButton, {}, f.center());
    EXPECT_EQ(los.last().at(1).value<Qt::MouseButton>(), Qt::RightButton);
    QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(2, f.center().y()));
    QTest::mouseMove(&g, f.center());
    QTest::mouseRelease(&g, Qt::LeftButton, {}, f.center());
    EXPECT_EQ(druck.count(), 2);
    EXPECT_EQ(los.count(), 2);
}

TEST(Graph, EinPlotVerschwindetDieAnderenBleiben) {
    Graph g;
    Rohachsen(g, 4095.0);
    const QRgb rot = qRgb(255, 0, 0), blau = qRgb(0, 0, 255), gruen = qRgb(0, 128, 0);
    const int a = g.Linie({0, 1000}, {4095, 1000}, QColor(rot));
    const int b = g.Stufen(0.0, 1024.0, {3000, 3000, 500, 500}, QColor(blau));
    const int c = g.Rechteck({1000, 200}, {3000, 3900}, QColor(gruen));
    EXPECT_TRUE(a > 0 && b > a && c > b);
    EXPECT_GT(Zaehlen(Bild(g), rot), 300);
    const int blauVorher = Zaehlen(Bild(g), blau);

    EXPECT_TRUE(g.Loeschen(a));
    EXPECT_FALSE(g.Loeschen(a));
    EXPECT_FALSE(g.hatPlot(a));
    EXPECT_EQ(g.anzahlPlots(), 2);
    const QImage ohne = Bild(g);
    EXPECT_EQ(Zaehlen(ohne, rot), 0);
    // Where the red line crossed them, the others now show through.
    EXPECT_GE(Zaehlen(ohne, blau), blauVorher);
    EXPECT_GT(Zaehlen(ohne, gruen), 500);

    // A new plot never reuses a handle, so a stale one cannot remove it.
    g.AllesLoeschen();
    EXPECT_EQ(g.anzahlPlots(), 0);
    EXPECT_FALSE(g.Loeschen(b));
    EXPECT_GT(g.Punkt({10, 10}, Qt::red), c);
}

TEST(Graph, PlotAenderungenZwischenZweiBildernGebenEinNeuzeichnen) {
    struct Zaehler : QObject {
        int n = 0;
        bool marke = false;
        bool eventFilter(QObject*, QEvent* e) override {
            n += e->type() == QEvent::Paint;
            if (e->type() != QEvent::User) return false;
            marke = true;
            return true;
        }
    } zaehler;
    Graph g;
    Rohachsen(g, 4095.0);
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    QCoreApplication::processEvents();
    g.installEventFilter(&zaehler);
    g.AllesLoeschen();
    for (int i = 0; i < 200; ++i) g.Linie({double(i), 0}, {double(i + 1), 4095}, Qt::red);
    g.setBereich(Graph::X, 0.0, 300.0);
    g.Loeschen(5);
    EXPECT_EQ(zaehler.n, 0);
    QTRY_COMPARE(zaehler.n, 1);
    // Update requests travel at low priority; a marker posted behind them at
    // the same priority arrives after any second paint the first one asked for.
    QCoreApplication::postEvent(&g, new QEvent(QEvent::User), Qt::LowEventPriority);
    ASSERT_TRUE(QTest::qWaitFor([&] { return zaehler.marke; }));
    EXPECT_EQ(zaehler.n, 1);
}

TEST(Graph, ZusammengefassteLinienHaltenDieReihenfolge) {
    const QRgb rot = qRgb(255, 0, 0), blau = qRgb(0, 0, 255);
    // A marker on the row of a later line lies under it, on that of an earlier one above it.
    for (bool markeZuletzt : {false, true}) {
        Graph g;
        Rohachsen(g, 4095.0);
        g.setGitter(false);
        g.Linie({0, 0}, {900, 1000}, QColor(rot));
        if (!markeZuletzt) g.Punkt({1000, 1000}, QColor(blau));
        g.Linie({900, 1000}, {2000, 1000}, QColor(rot));
        if (markeZuletzt) g.Punkt({1000, 1000}, QColor(blau));
        const QImage bild = Bild(g);
        const QPointF m = g.ZuPixel({1000, 1000});
        const QPoint rechterRand(int(std::floor(m.x())) + 2, int(std::floor(m.y())));
        EXPECT_EQ(bild.pixel(rechterRand), markeZuletzt ? blau : rot);
    }

    // Markers between the lines of their own colour change no pixel.
    Graph verschraenkt, getrennt;
    for (Graph* g : {&verschraenkt, &getrennt}) Rohachsen(*g, 4095.0);
    for (int i = 0; i < 50; ++i) {
        verschraenkt.Linie({i * 80.0, (i % 7) * 500.0}, {(i + 1) * 80.0, ((i + 1) % 7) * 500.0}, QColor(rot));
        verschraenkt.Punkt({i * 80.0, (i % 7) * 500.0}, QColor(rot));
        getrennt.Linie({i * 80.0, (i % 7) * 500.0}, {(i + 1) * 80.0, ((i + 1) % 7) * 500.0}, QColor(rot));
    }
    for (int i = 0; i < 50; ++i) getrennt.Punkt({i * 80.0, (i % 7) * 500.0}, QColor(rot));
    EXPECT_EQ(Bild(verschraenkt, 2), Bild(getrennt, 2));
}

TEST(Graph, EinGeraetepixelBreitAuchBeiSkalaZwei) {
    Graph g;
    Rohachsen(g, 4095.0);
    g.setGitter(false);
    g.Linie({0, 2000}, {4095, 2000}, QColor(255, 0, 0));
    g.Stufen(0.0, 4095.0, {3000}, QColor(0, 0, 255));
    const QImage bild = Bild(g, 2);
    const int spalte = bild.width() / 2;
    int rot = 0, blau = 0;
    for (int y = 0; y < bild.height(); ++y) {
        rot += bild.pixel(spalte, y) == qRgb(255, 0, 0);
        blau += bild.pixel(spalte, y) == qRgb(0, 0, 255);
    }
    EXPECT_EQ(rot, 1);
    EXPECT_EQ(blau, 1);
}

TEST(Graph, DurchsichtigeFarbeZeichnetNichts) {
    Graph g;
    Rohachsen(g, 4095.0);
    const QImage leer = Bild(g);
    const int h = g.Punkt({2000, 2000}, Qt::transparent);
    g.Linie({0, 0}, {4095, 4095}, Qt::transparent);
    EXPECT_EQ(Bild(g), leer);
    EXPECT_TRUE(g.hatPlot(h));
}

TEST(Graph, WeitHineingezoomtBleibtDieStufeAufIhremWert) {
    Graph g;
    g.resize(640, 400);
    g.setGitter(false);
    std::vector<int> werte(4096);
    for (int i = 0; i < 4096; ++i) werte[std::size_t(i)] = i;
    g.Stufen(0.0, 1.0, werte, QColor(0, 0, 255));
    // One step wide and a few counts high: sample 2047 holds 2047 from x 2047 to 2048.
    g.setBereich(Graph::X, 2047.25, 2047.75);
    g.setBereich(Graph::Y, 2046.0, 2048.0);
    const QImage bild = Bild(g);
    const QPointF p = g.ZuPixel({2047.5, 2047.0});
    const QPoint mitte(int(std::floor(p.x())), int(std::floor(p.y())));
    EXPECT_EQ(bild.pixel(mitte), qRgb(0, 0, 255));
    EXPECT_EQ(Zaehlen(bild, qRgb(0, 0, 255)), g.plotBereich().width());
}

// The decimated drawing may differ from drawing every sample in at most
// 0.1 % of the drawn pixels.
class GraphVerdichtung : public ::testing::TestWithParam<int> {
  protected:
    void Vergleichen(const std::function<void(Graph&)>& plots, double xBis, const char* was) {
        const int dpr = GetParam();
        Graph dicht, voll;
        for (Graph* g : {&dicht, &voll}) {
            g->resize(1280, 800);
            g->setBereich(Graph::X, 0.0, xBis);
            g->setBereich(Graph::Y, 0.0, 4095.0);
            g->setGitter(false);
            plots(*g);
        }
        voll.setVerdichten(false);
        const QImage a = Bild(dicht, dpr), b = Bild(voll, dpr);
        const QRgb grund = a.pixel(a.width() / 2, a.height() / 2 - 1);
        long gezeichnet = 0, anders = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                gezeichnet += a.pixel(x, y) != grund || b.pixel(x, y) != grund;
                anders += a.pixel(x, y) != b.pixel(x, y);
            }
        EXPECT_GT(gezeichnet, 1000) << was;
        EXPECT_LE(anders * 1000, gezeichnet) << was << ": " << anders << " of " << gezeichnet;
    }
};

TEST_P(GraphVerdichtung, WeichtHoechstensEinPromilleAb) {
    std::mt19937 zufall(11);
    std::vector<int> kennlinie(4097);
    for (std::size_t i = 0; i < kennlinie.size(); ++i)
        kennlinie[i] = int(2047.5 + 1900.0 * std::sin(double(i) * 6.0 * std::numbers::pi / 4096.0) +
                           std::uniform_int_distribution<int>(-150, 150)(zufall));
    auto linien = [&](Graph& g) {
        for (std::size_t i = 0; i + 1 < kennlinie.size(); ++i)
            g.Linie(QPointF(double(i), kennlinie[i]), QPointF(double(i + 1), kennlinie[i + 1]), QColor(255, 0, 0));
        g.Stufen(0.0, 1.0, std::vector<int>(kennlinie.begin(), kennlinie.end() - 1), QColor(0, 0, 255));
    };
    Vergleichen(linien, 4095.0, "characteristic curve");

    std::vector<double> rauschen(32752);
    std::normal_distribution<double> streuung(0.0, 200.0);
    for (std::size_t i = 0; i < rauschen.size(); ++i)
        rauschen[i] = 2048.0 + 1500.0 * std::sin(double(i) / 2000.0) + streuung(zufall);
    Vergleichen([&](Graph& g) { g.Kurve(0.0, 1.0, rauschen, QColor(0, 128, 128)); }, 32751.0, "noisy line plot");

    std::vector<int> zacken(8188);
    for (std::size_t i = 0; i < zacken.size(); ++i) zacken[i] = (i / 3) % 2 ? 4095 - int(i / 4) : int(i / 2);
    Vergleichen([&](Graph& g) { g.Stufen(0.0, 1.0, zacken, QColor(0, 0, 255)); }, 8188.0, "zigzag steps");

    // Levels held over a few columns, dense all the same.
    std::vector<int> plateaus(8188);
    for (std::size_t i = 0; i < plateaus.size(); ++i) plateaus[i] = int((i / 23 * 7919) % 4000);
    Vergleichen([&](Graph& g) { g.Stufen(0.0, 1.0, plateaus, QColor(0, 0, 255)); }, 8188.0, "plateaus");

    // Generator curves: short ramps of steps, one plot per segment.
    Vergleichen(
        [&](Graph& g) {
            for (int k = 0; k < 64; ++k) {
                std::vector<int> rampe(128);
                for (std::size_t l = 0; l < rampe.size(); ++l)
                    rampe[l] = int(2048 + 1800 * std::sin(k * 0.9) + double(l) * (k % 5 - 2) * 7.3);
                g.Stufen(k * 128.0, 1.0, std::move(rampe), QColor(0, 0, 255));
            }
        },
        8192.0, "generator segments");

    // A view into the middle: the parts beside it are cut, the rest thinned.
    Vergleichen(
        [&](Graph& g) {
            g.Kurve(0.0, 1.0, rauschen, QColor(0, 128, 128));
            g.setBereich(Graph::X, 10000.0, 14000.5);
        },
        32751.0, "view into the middle");
}

INSTANTIATE_TEST_SUITE_P(Skala, GraphVerdichtung, ::testing::Values(1, 2));
