// Not part of the regular run: renders every widget into /tmp/widgets/ for a
// look by eye. Run with --gtest_also_run_disabled_tests.
#include "uisupport/Bilder.h"
#include "uisupport/Drehknopf.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Lampe.h"
#include "uisupport/Streifenschreiber.h"
#include "uisupport/VerbindungsBild.h"
#include "uisupport/Zeigerinstrument.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

void speichern(QWidget& w, const QString& name, QSize groesse) {
    w.resize(groesse);
    w.show();
    QTest::qWait(80);
    QDir().mkpath(QStringLiteral("/tmp/widgets"));
    EXPECT_TRUE(w.grab().save(QStringLiteral("/tmp/widgets/%1.png").arg(name)));
}

} // namespace

TEST(Bildschirmfoto, DISABLED_AlleWidgets) {
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
        schreiber.PunktAnhaengen(
            {50 + 40 * std::sin(t / 15.0), 20.0 + t % 50, 80.0, 10 + 5 * std::cos(t / 4.0)});
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
