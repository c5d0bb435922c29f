// The widgets of the windows, each on its own, for a look by eye.
#include "Widgets.h"

#include "uisupport/Bilder.h"
#include "uisupport/Drehknopf.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Graph.h"
#include "uisupport/Lampe.h"
#include "uisupport/Streifenschreiber.h"
#include "uisupport/VerbindungsBild.h"
#include "uisupport/Zeigerinstrument.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <cstdio>

namespace {

QString sgZiel;

void speichern(QWidget& w, const QString& name, QSize groesse) {
    w.resize(groesse);
    w.show();
    QTest::qWait(80);
    const QString pfad = QStringLiteral("%1/%2.png").arg(sgZiel, name);
    if (!w.grab().save(pfad)) std::fprintf(stderr, "nicht geschrieben: %s\n", qUtf8Printable(pfad));
}

void Widgets() {
    QWidget lampen;
    auto* reihe = new QHBoxLayout(&lampen);
    const QColor farben[] = {Lampe::Gruen, Lampe::Rot, Lampe::Gruen, Lampe::Rot};
    for (int i = 0; i < 6; ++i) {
        auto* l = new Lampe(&lampen);
        l->setFarbe(farben[i % 4]);
        l->setAn(i < 4);
        l->setEnabled(i != 1 && i != 5);
        reihe->addWidget(l);
    }
    speichern(lampen, QStringLiteral("lampen"), {180, 40});

    Fehleranzeige fehler;
    fehler.Setzen(-402010, QStringLiteral("Gerät antwortet mit NAK"));
    speichern(fehler, QStringLiteral("fehleranzeige"), fehler.sizeHint());
    fehler.Loeschen();
    speichern(fehler, QStringLiteral("fehleranzeige_leer"), fehler.sizeHint());

    QWidget bilder;
    auto* bildReihe = new QHBoxLayout(&bilder);
    for (int w : {-1, 1, 8}) {
        auto* b = new VerbindungsBild(&bilder);
        b->setWert(w);
        bildReihe->addWidget(b);
    }
    auto* klein = new VerbindungsBild(&bilder);
    klein->setWert(3);
    klein->setFixedSize(40, 34);
    bildReihe->addWidget(klein);
    speichern(bilder, QStringLiteral("verbindungsbild"), {300, 70});

    QWidget instrumente;
    auto* gitter = new QGridLayout(&instrumente);
    struct Fall {
        double min, max, wert;
        int stellen;
        const char* einheit;
    };
    const Fall faelle[] = {
        {0, 10, 6.234, 3, "V"}, {1000, 0, 250, 0, "bar"}, {-0.37, 4.12, 9, 2, "mA"}, {0, 60, 30, 2, "°C"}};
    int i = 0;
    for (const Fall& f : faelle) {
        auto* z = new Zeigerinstrument(&instrumente);
        z->setBereich(f.min, f.max);
        z->setNachkommastellen(f.stellen);
        z->setWert(f.wert);
        z->setEinheit(QString::fromUtf8(f.einheit));
        z->setEnabled(i != 3);
        gitter->addWidget(z, 0, i++);
    }
    speichern(instrumente, QStringLiteral("zeigerinstrumente"), {760, 170});
    speichern(instrumente, QStringLiteral("zeigerinstrumente_gross"), {1400, 360});
    speichern(instrumente, QStringLiteral("zeigerinstrumente_klein"), {380, 90});

    QWidget knoepfe;
    auto* knopfReihe = new QHBoxLayout(&knoepfe);
    auto* k1 = new Drehknopf(&knoepfe);
    k1->setGrenzen(0, 10);
    k1->setEinheit(QStringLiteral("V"));
    k1->setWert(7.5);
    auto* k2 = new Drehknopf(&knoepfe);
    k2->setNachkommastellen(0);
    k2->setGrenzen(1000, 0);
    k2->setEinheit(QStringLiteral("bar"));
    k2->setWert(250);
    auto* k3 = new Drehknopf(&knoepfe);
    k3->setEnabled(false);
    knopfReihe->addWidget(k1);
    knopfReihe->addWidget(k2);
    knopfReihe->addWidget(k3);
    speichern(knoepfe, QStringLiteral("drehknoepfe"), {380, 170});

    Streifenschreiber schreiber;
    schreiber.setPunkteProBreite(200);
    for (int t = 0; t < 300; ++t)
        schreiber.PunktAnhaengen({50 + 40 * std::sin(t / 15.0), 20.0 + t % 50, 80.0, 10 + 5 * std::cos(t / 4.0)});
    speichern(schreiber, QStringLiteral("streifenschreiber"), {520, 240});
    schreiber.setPunkteProBreite(20000);
    for (int t = 0; t < 20000; ++t)
        schreiber.PunktAnhaengen({50 + 40 * std::sin(t / 300.0), 30.0 + (t * 7919 % 13), 80.0, 10});
    schreiber.SpurZeigen(2, false);
    schreiber.setYBereich(0, 60);
    speichern(schreiber, QStringLiteral("streifenschreiber_dicht"), {520, 240});

    QLabel symbole;
    QPixmap bild(3 * 72, 64);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.drawPixmap(4, 16, Bilder::Hilfe().pixmap(32, 32));
    p.drawPixmap(44, 8, Bilder::Hilfe().pixmap(48, 48));
    p.drawPixmap(100, 0, Bilder::Programm().pixmap(64, 64));
    p.drawPixmap(170, 20, Bilder::Hilfe().pixmap(16, 16));
    p.end();
    symbole.setPixmap(bild);
    speichern(symbole, QStringLiteral("symbole"), bild.size());
}

// A characteristic curve as the window draws it: lines with markers, then
// their digitised stairs, the extension to the end in the light colours.
void KennlinieZeichnen(Graph& g, bool mitStufen) {
    const QColor rot(0xFF0000), blau(0x0000FF), hellrot(255, 150, 150), hellblau(150, 150, 255);
    const double x[] = {0, 300, 800, 1200, 1500, 2300, 2600, 3000, 3300};
    const double y[] = {200, 200, 3800, 3500, 1200, 1600, 4000, 300, 2000};
    for (int i = 0; i + 1 < 9; ++i) g.Linie({x[i], y[i]}, {x[i + 1], y[i + 1]}, rot);
    for (int i = 0; i < 9; ++i) g.Punkt({x[i], y[i]}, rot);
    g.Linie({x[8], y[8]}, {4095, y[8]}, hellrot);
    if (!mitStufen) return;
    for (int i = 0; i + 1 < 9; ++i) {
        std::vector<int> stufen;
        for (double t = x[i]; t < x[i + 1]; t += 1.0)
            stufen.push_back(int(std::floor(y[i] + (y[i + 1] - y[i]) * (t - x[i]) / (x[i + 1] - x[i]) + 0.5)));
        g.Stufen(x[i], 1.0, std::move(stufen), blau);
    }
    g.Stufen(x[8], 1.0, std::vector<int>(std::size_t(4095 - x[8]), int(y[8])), hellblau);
}

void Graphen() {
    QWidget kennlinie;
    auto* spalte = new QVBoxLayout(&kennlinie);
    auto* gross = new Graph(&kennlinie);
    auto* klein = new Graph(&kennlinie);
    klein->setFixedHeight(90);
    klein->setBeschriftungSichtbar(false);
    spalte->addWidget(gross, 1);
    spalte->addWidget(klein);
    gross->setBereich(Graph::X, 682, 3412);
    gross->setBereich(Graph::Y, 0, 4095);
    gross->setBeschriftung(Graph::X, 10.0 / 4095.0, 0.0, QStringLiteral("Eingang 2 [V]"));
    gross->setBeschriftung(Graph::Y, 200.0 / 4095.0, -50.0, QString::fromUtf8("Ausgang 1 [°C]"));
    klein->setBereich(Graph::X, 0, 4095);
    klein->setBereich(Graph::Y, 0, 4095);
    KennlinieZeichnen(*gross, true);
    KennlinieZeichnen(*klein, false);
    gross->Rechteck({1300, 0}, {1900, 4095}, QColor(0x008000));
    klein->Rechteck({682, 0}, {3412, 4095}, QColor(0xFF0000));
    speichern(kennlinie, QStringLiteral("graph_kennlinie"), {900, 560});

    // Curve generator: the current curve in front of two others, on black.
    Graph generator;
    generator.setHintergrund(Qt::black);
    generator.setBereich(Graph::X, 0, 10001);
    generator.setBereich(Graph::Y, 0, 4095);
    generator.setBeschriftung(Graph::X, 1.0, 0.0, QString::fromUtf8("Zeit [µs]"));
    generator.setBeschriftung(Graph::Y, 10.0 / 4095.0, 0.0, QStringLiteral("Ausgang 1 [V]"));
    for (int k : {1, 2, 0}) {
        const QColor linie = k == 0 ? QColor(0xFF0000) : QColor(0x008080);
        std::vector<int> proben(10001);
        for (std::size_t t = 0; t < proben.size(); ++t)
            proben[t] =
                int(2047 + 1700 * std::sin(double(t) / (900.0 + 300 * k) + k) + (k == 0 ? 250 * ((t / 50) % 2) : 0));
        if (k == 0) {
            for (int t = 0; t < 10000; t += 1000) generator.Punkt({double(t), double(proben[std::size_t(t)])}, linie);
            generator.Stufen(0, 1, proben, QColor(0x0000FF));
        } else {
            generator.Stufen(0, 1, proben, linie);
        }
    }
    const QColor gelb(0xFFFF00);
    generator.Text({0, 0}, QStringLiteral("500us"), gelb);
    generator.Linie({6000, 0}, {6000, 4095}, gelb);
    generator.Text({6000, 0}, QStringLiteral("1ms"), gelb);
    speichern(generator, QStringLiteral("graph_generator"), {900, 420});

    // Zoomed far in: steps several pixels wide, labels with decimals.
    generator.setBereich(Graph::X, 2000, 2040);
    generator.setBereich(Graph::Y, 3300, 3500);
    speichern(generator, QStringLiteral("graph_generator_zoom"), {900, 420});
}

} // namespace

void WidgetFotos(const QString& ordner) {
    sgZiel = ordner;
    Widgets();
    Graphen();
}
