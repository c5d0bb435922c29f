// Menu, toolbar button and settings of the recording in "Kurvengenerator":
// the commands, the input recorded for each curve, the duration and the
// interval, and their keys in the window's section of the settings file.
#include "kurven/fenster/KurvenAufzeichnungFenster.h"

#include "kern/IniDatei.h"
#include "kurven/fenster/KurvenPanel.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/ToolbarBindung.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace kurvengenerator;

namespace {

const char* const kHilfeAufzeichnen =
    "Aufzeichnen\n\nStartet die DLM-7 und zeichnet die gewählten Eingänge auf. Jede Aufzeichnung wird hell "
    "über ihrer Kurve gezeigt, bei mehreren Zyklen über den ersten gefaltet. Eine neue Aufzeichnung ersetzt "
    "die alte.";
const char* const kHilfeStopp = "Stopp\n\nBeendet die Aufzeichnung und hält die DLM-7 an.";
const char* const kHilfeSpeichern =
    "Aufzeichnung speichern…\n\nSchreibt die letzte Aufzeichnung als CSV-Datei: Zeit in Sekunden und je "
    "aufgezeichnetem Eingang eine Spalte in seiner Einheit.";
const char* const kHilfeEinstellung =
    "Aufzeichnung\n\nWelcher Eingang für jede Kurve aufgezeichnet wird, wie lange (bis alle Zyklen gespielt "
    "sind oder feste Dauer) und in welchem Abstand.";

const std::vector<double> kDauern{0, 1, 2, 5, 10, 30, 60, 300};
const std::vector<double> kIntervalle{0, 0.05, 0.1, 0.2, 0.5, 1};

QString SekundenWahl(double v) { return QString::number(v).replace('.', ',') + QStringLiteral(" s"); }

bool Gueltig(double v, double max) { return std::isfinite(v) && v >= 0.0 && v <= max; }

std::string Schluessel(const char* name, int k = 0) {
    return std::string("aufzeichnung_") + name + (k > 0 ? std::to_string(k) : std::string());
}

} // namespace

void KurvenAufzeichnungFenster::MenueAnlegen() {
    QMenuBar* leiste = panel_.menuBar();
    // One "DLM-7" menu for every device command of the window.
    QMenu* menue = panel_.findChild<QMenu*>("DLM7_MENUE");
    if (!menue) {
        menue = new QMenu("&DLM-7", &panel_);
        menue->setObjectName("DLM7_MENUE");
        leiste->insertMenu(panel_.fensterMenue()->menuAction(), menue);
    } else {
        menue->addSeparator();
    }
    QToolBar* knoepfe = panel_.werkzeugleiste();
    QAction* hilfe = panel_.direkthilfeAktion(); // the help button stays last
    const auto befehl = [&](const char* name, const char* text, const char* bild, const char* hilfetext,
                            std::function<void()> was) {
        const QIcon symbol = bild ? QIcon(QStringLiteral(":/bilder/kg_%1.svg").arg(QLatin1String(bild))) : QIcon();
        QAction* a = BefehlAnlegen(menue, nullptr, QString::fromUtf8(text), symbol, QString::fromUtf8(text));
        a->setObjectName(name);
        if (bild) knoepfe->insertAction(hilfe, a);
        connect(a, &QAction::triggered, this, [this, was, hilfetext] {
            if (!panel_.HilfeStatt(hilfetext)) was();
        });
        return a;
    };
    knoepfe->insertSeparator(hilfe);
    aufzeichnen_ = befehl("AUFZEICHNEN", "Aufzeichnen", "aufzeichnen", kHilfeAufzeichnen, [this] { Aufzeichnen(); });
    // No button for "Stopp": the frame's own "Stopp" ends a recording too, and
    // a second button would push the help button off a window of default width.
    stopp_ = befehl("AUFZEICHNUNG_STOPP", "Stopp", "aufzeichnungstopp", kHilfeStopp, [this] { Stoppen(); });
    knoepfe->removeAction(stopp_);
    speichern_ = befehl("AUFZEICHNUNG_SPEICHERN", "Aufzeichnung speichern…", nullptr, kHilfeSpeichern, [this] {
        if (const int code = Speichern(); code != 0) QAV_Fehlerpopup(code);
    });

    QMenu* einstellung = menue->addMenu("Aufzeichnung");
    einstellung->setObjectName("AUFZEICHNUNG_MENUE");
    for (int k = 0; k < kKurvenzahl; ++k) {
        QMenu* m = einstellung->addMenu(QString("Kurve %1").arg(k + 1));
        auto* gruppe = new QActionGroup(this);
        eingangWahl_[std::size_t(k)] = gruppe;
        for (int n = 0; n <= kEingaenge; ++n) {
            // Entry n is input n; the last one records nothing for this curve.
            const int eingang = n < kEingaenge ? n : -1;
            QAction* a = AuswahlAnlegen(gruppe, m, nullptr,
                                        eingang >= 0 ? QString("Eingang %1").arg(eingang + 1) : QString("keiner"));
            a->setObjectName(eingang >= 0 ? QString("AUFZEICHNUNG_K%1_E%2").arg(k + 1).arg(eingang + 1)
                                          : QString("AUFZEICHNUNG_K%1_KEINER").arg(k + 1));
            connect(a, &QAction::triggered, this, [this, k, eingang] {
                if (panel_.HilfeStatt(kHilfeEinstellung)) {
                    EinstellungZeigen();
                    return;
                }
                e_.eingang[std::size_t(k)] = eingang;
                KnoepfeZeigen();
            });
        }
    }
    dauerMenue_ = WahlMenue(einstellung, "Dauer", "AUFZEICHNUNG_DAUER", kDauern, &e_.dauer);
    intervallMenue_ = WahlMenue(einstellung, "Intervall", "AUFZEICHNUNG_INTERVALL", kIntervalle, &e_.intervall);
    EinstellungZeigen();
}

QMenu* KurvenAufzeichnungFenster::WahlMenue(QMenu* eltern, const QString& titel, const char* name,
                                            const std::vector<double>& werte, double* ziel) {
    QMenu* m = eltern->addMenu(titel);
    m->setObjectName(name);
    // Filled when shown, so a value from the settings file that is no preset appears too.
    connect(m, &QMenu::aboutToShow, this, [this, m, name, werte, ziel] {
        for (auto* g : m->findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly)) delete g;
        m->clear();
        std::vector<double> alle = werte;
        if (std::find(alle.begin(), alle.end(), *ziel) == alle.end()) {
            alle.push_back(*ziel);
            std::sort(alle.begin(), alle.end());
        }
        auto* gruppe = new QActionGroup(m);
        for (double v : alle) {
            const QString text = v > 0               ? SekundenWahl(v)
                                 : ziel == &e_.dauer ? QString("bis alle Zyklen gespielt sind")
                                                     : QString::fromUtf8("so schnell wie möglich");
            QAction* a = AuswahlAnlegen(gruppe, m, nullptr, text);
            a->setObjectName(QString("%1_%2").arg(QLatin1String(name)).arg(v));
            a->setChecked(v == *ziel);
            connect(a, &QAction::triggered, this, [this, v, ziel] {
                if (!panel_.HilfeStatt(kHilfeEinstellung)) *ziel = v;
            });
        }
    });
    emit m->aboutToShow();
    return m;
}

void KurvenAufzeichnungFenster::EinstellungZeigen() {
    for (int k = 0; k < kKurvenzahl; ++k) {
        const int e = e_.eingang[std::size_t(k)];
        eingangWahl_[std::size_t(k)]->actions().at(e >= 0 ? e : kEingaenge)->setChecked(true);
    }
    emit dauerMenue_->aboutToShow();
    emit intervallMenue_->aboutToShow();
    KnoepfeZeigen();
}

void KurvenAufzeichnungFenster::KnoepfeZeigen() {
    bool eingang = false;
    for (int e : e_.eingang) eingang = eingang || e >= 0;
    aufzeichnen_->setEnabled(eingang);
    speichern_->setEnabled(aufzeichnung_ && !aufzeichnung_->leer());
}

void KurvenAufzeichnungFenster::EinstellungenLesen(const IniDatei& ini) {
    // Anything unreadable or out of range keeps the default.
    Einstellung e;
    for (int k = 0; k < kKurvenzahl; ++k) {
        long n = 0;
        if (ini.IntLesen("kurven", Schluessel("eingang", k + 1), n) == IniDatei::Ergebnis::Vorhanden && n >= 0 &&
            n <= kEingaenge)
            e.eingang[std::size_t(k)] = int(n) - 1;
    }
    double d = 0.0;
    if (ini.DoubleLesen("kurven", Schluessel("dauer"), d) == IniDatei::Ergebnis::Vorhanden && Gueltig(d, kMaxDauer))
        e.dauer = d;
    if (ini.DoubleLesen("kurven", Schluessel("intervall"), d) == IniDatei::Ergebnis::Vorhanden &&
        Gueltig(d, kMaxIntervall))
        e.intervall = d;
    e_ = e;
    EinstellungZeigen();
}

void KurvenAufzeichnungFenster::EinstellungenSchreiben(IniDatei& ini) const {
    for (int k = 0; k < kKurvenzahl; ++k)
        ini.IntSetzen("kurven", Schluessel("eingang", k + 1), e_.eingang[std::size_t(k)] + 1);
    ini.DoubleSetzen("kurven", Schluessel("dauer"), e_.dauer);
    ini.DoubleSetzen("kurven", Schluessel("intervall"), e_.intervall);
}
