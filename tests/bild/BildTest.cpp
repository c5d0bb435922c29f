// Pictures of a graph: PNG of the asked size, SVG and PDF as vectors, and
// the refusals that write nothing.
#include "BildPruefung.h"

#include "uisupport/Bildexport.h"
#include "uisupport/Graph.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Five points over the whole range; 10 V full scale on both axes.
const std::vector<QPointF> kPunkte{{0, 0}, {1000, 4095}, {2000, 1000}, {3000, 3000}, {4095, 2000}};

struct BildDateien : ::testing::Test {
    QTemporaryDir ordner;
    Graph graph;
    Bildkopf kopf{"Kennlinienregler", "/irgendwo/kurve.dle", "Erste Zeile\nzweite Zeile", "08.12.2026 12:00"};

    void SetUp() override {
        graph.resize(600, 400);
        graph.setBereich(Graph::X, 0, 4095);
        graph.setBereich(Graph::Y, 0, 4095);
        graph.setBeschriftung(Graph::X, 10.0 / 4095, 0, "Eingang [V]");
        graph.setBeschriftung(Graph::Y, 10.0 / 4095, 0, "Ausgang [V]");
        graph.Linienzug(kPunkte, Qt::red);
    }
    QString Pfad(const QString& name) const { return ordner.filePath(name); }
    int Schreiben(const QString& name, QSize groesse = kBildStandard) {
        return BildSpeichern(Pfad(name), groesse, kopf,
                             [this](QPainter& p, QSize g, double s) { graph.Zeichnen(p, g, s); });
    }
};

int RotePixel(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) == qRgb(255, 0, 0);
    return n;
}

} // namespace

TEST_F(BildDateien, PngHatDieVerlangteGroesseMitKopfUndKurve) {
    ASSERT_EQ(Schreiben("a.PNG", {640, 480}), 0);
    const QImage bild(Pfad("a.PNG"), "PNG");
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size(), QSize(640, 480));
    EXPECT_GT(RotePixel(bild), 500); // the curve, drawn across the picture
    // The heading above the graph holds text, and no curve.
    bool dunkel = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 640; ++x) dunkel |= qGray(bild.pixel(x, y)) < 100;
    EXPECT_TRUE(dunkel);
    EXPECT_EQ(RotePixel(bild.copy(0, 0, 640, 30)), 0);

    // Another size lays the graph out anew: more curve, not a scaled copy.
    ASSERT_EQ(Schreiben("b.png", {1600, 1000}), 0);
    const QImage gross(Pfad("b.png"), "PNG");
    EXPECT_EQ(gross.size(), QSize(1600, 1000));
    EXPECT_GT(RotePixel(gross), RotePixel(bild));
}

TEST_F(BildDateien, SvgIstVektorgrafikMitDerKurveUndDemKopf) {
    ASSERT_EQ(Schreiben("a.svg"), 0);
    const SvgInhalt svg = SvgLesen(Pfad("a.svg"));
    ASSERT_TRUE(svg.gueltig) << svg.fehler.toStdString();
    EXPECT_EQ(svg.rasterbilder, 0);

    // The curve is one red line through its five points, in proportion.
    const SvgLinie* kurve = nullptr;
    for (const SvgLinie& l : svg.linien)
        if (l.farbe.compare("#ff0000", Qt::CaseInsensitive) == 0 && l.punkte.size() == kPunkte.size()) kurve = &l;
    ASSERT_NE(kurve, nullptr);
    const auto& q = kurve->punkte;
    const double sx = (q[4].x() - q[0].x()) / 4095, sy = (q[0].y() - q[1].y()) / 4095;
    EXPECT_GT(sx * 4095, 1000); // spread over most of the 1200 wide picture
    for (std::size_t i = 0; i < q.size(); ++i) {
        EXPECT_NEAR(q[i].x() - q[0].x(), kPunkte[i].x() * sx, 1.0) << i;
        EXPECT_NEAR(q[0].y() - q[i].y(), kPunkte[i].y() * sy, 1.0) << i;
    }

    const QString texte = svg.texte.join('|');
    EXPECT_TRUE(texte.contains("Kennlinienregler"));
    EXPECT_TRUE(texte.contains("Datei: kurve.dle"));
    EXPECT_TRUE(texte.contains("Erste Zeile"));
    EXPECT_FALSE(texte.contains("zweite Zeile"));
    EXPECT_TRUE(texte.contains("08.12.2026 12:00"));
    EXPECT_TRUE(texte.contains("Eingang [V]"));
    EXPECT_TRUE(texte.contains("Ausgang [V]"));
}

TEST_F(BildDateien, PdfHatGenauEineSeite) {
    ASSERT_EQ(Schreiben("a.pdf"), 0);
    EXPECT_EQ(PdfSeiten(Pfad("a.pdf")), 1);
}

TEST_F(BildDateien, FalscheEndungOderGroesseSchreibenNichtsUndLassenDieAlteDatei) {
    EXPECT_EQ(Schreiben("a.gif"), BildFehler::Format);
    EXPECT_EQ(Schreiben("ohne"), BildFehler::Format);
    EXPECT_EQ(Schreiben("a.png", {99, 800}), BildFehler::Groesse);
    EXPECT_EQ(Schreiben("a.png", {1200, 20001}), BildFehler::Groesse);
    EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files).isEmpty());

    // A refused picture leaves the file that was there.
    {
        QFile alt(Pfad("alt.png"));
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    EXPECT_EQ(Schreiben("alt.png", {50, 50}), BildFehler::Groesse);
    QFile alt(Pfad("alt.png"));
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), "alt");
    EXPECT_EQ(Schreiben("fehlt/a.png"), BildFehler::Oeffnen);

    EXPECT_EQ(BildgroesseLesen("1200x800"), QSize(1200, 800));
    EXPECT_EQ(BildgroesseLesen("100x20000"), QSize(100, 20000));
    for (const char* falsch : {"", "1200", "1200x", "x800", "0x800", "99x800", "1200x20001", "-1200x800", "+1200x800",
                               "1200 x800", "1200x800x2", "12e2x800", "1200X800", "0x1200x800"})
        EXPECT_FALSE(BildgroesseLesen(falsch)) << falsch;
}
