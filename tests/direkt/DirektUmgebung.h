#pragma once
// The program's windows with "Direkte Ein-/Ausgabe" shown and its link open
// to a simulated box.
#include "Bedienelemente.h"
#include "FensterUmgebung.h"
#include "config/KonfigUmrechnung.h"
#include "sim/SimUmgebung.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

struct DirektFenster : ::testing::Test {
    std::unique_ptr<FensterUmgebung> u;
    std::unique_ptr<SimUmgebung> s;
    DirektPanel* d = nullptr;

    void SetUp() override {
        u = std::make_unique<FensterUmgebung>();
        ASSERT_EQ(u->Starten(), 0);
        s = std::make_unique<SimUmgebung>();
        ASSERT_TRUE(s->bereit()) << s->fehler;
        int offen = -1;
        Dienst().Oeffnen(s->port, nullptr, [&](int r) { offen = r; });
        Warten();
        ASSERT_EQ(offen, 0);
        d = Direkt();
        d->Direktpanel_SkaliereElemente();
        ZeigeChildpanel(d);
        s->sim.AnfragenLoeschen();
        u->dialoge.Leeren();
    }
    void TearDown() override {
        if (u) Warten();
        u.reset();
        s.reset();
    }

    // Waits for every device result first, so the frames have left.
    bool Gesendet(const std::string& rahmen) const {
        Warten();
        const auto a = s->sim.Anfragen();
        return std::find(a.begin(), a.end(), rahmen) != a.end();
    }
    // Polling started with the toggle, as the user does.
    // The test drives the ticks itself (Abfragen), so the timer never fires
    // on its own while results are handed over.
    void Starten() {
        Elemente(d).ABFRAGEN->click();
        Warten();
        ASSERT_TRUE(Elemente(d).TIMER->isActive());
        Elemente(d).TIMER->setInterval(24 * 3600 * 1000);
    }
    void Beenden() {
        Elemente(d).ABFRAGEN->click();
        Warten();
        ASSERT_FALSE(Elemente(d).TIMER->isActive());
    }
    // One polling tick, with its result handed over.
    void Abfragen() {
        d->DirektTimer_Callback();
        Warten();
    }
    QString Logdatei() { return u->Pfad("messung.txt"); }
    void LogWaehlen() {
        Elemente(d).DATEISPEICHERN->setChecked(true);
        u->dialoge.DateiGewaehlt(Logdatei());
    }
    QStringList LogZeilen() {
        QFile f(Logdatei());
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray inhalt = f.readAll();
        EXPECT_TRUE(inhalt.endsWith("\r\n"));
        // Every line break is CR LF.
        EXPECT_EQ(inhalt.count("\n"), inhalt.count("\r\n"));
        QStringList zeilen = QString::fromLatin1(inhalt).split("\r\n");
        zeilen.removeLast();
        return zeilen;
    }
};
