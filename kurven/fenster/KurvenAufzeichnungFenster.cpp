// Recording the box's response in "Kurvengenerator". Rounds arrive from the
// device service's poll on the GUI thread; each adds one short line per
// recorded curve to the graph, which paints them together at its next frame.
// The poll is a child of this object and the service drops the results of a
// destroyed context, so no round reaches a window that is gone.
#include "kurven/fenster/KurvenAufzeichnungFenster.h"

#include "config/KonfigModell.h"
#include "device/Eingangsabfrage.h"
#include "device/Geraetedienst.h"
#include "kern/IniDatei.h"
#include "kurven/KurvenCsv.h"
#include "kurven/fenster/KurvenPanel.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/ToolbarBindung.h"

#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace kurvengenerator;

namespace {

QString Zahl(double v, int stellen) { return QString::number(v, 'f', stellen).replace('.', ','); }

} // namespace

KurvenAufzeichnungFenster::KurvenAufzeichnungFenster(KurvenPanel& panel, Geraetedienst& dienst, KonfigModell& konfig,
                                                     Graph& graph)
    : QObject(&panel), panel_(panel), dienst_(dienst), konfig_(konfig), graph_(graph),
      abfrage_(new Eingangsabfrage(dienst, this)) {
    setObjectName("AUFZEICHNUNG");
    connect(abfrage_, &Eingangsabfrage::runde, this, &KurvenAufzeichnungFenster::RundeErhalten);
    connect(abfrage_, &Eingangsabfrage::beendet, this, &KurvenAufzeichnungFenster::Beendet);
    // The box's own "Stopp" ends the recording as well.
    connect(panel_.stoppKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) abfrage_->Stoppen();
    });
    panel_.installEventFilter(this);
    MenueAnlegen();
    KnoepfeZeigen();
}

KurvenAufzeichnungFenster::~KurvenAufzeichnungFenster() = default;

QColor KurvenAufzeichnungFenster::Farbe(bool aktuell) {
    // The curve's colour halfway to white.
    return aktuell ? QColor(255, 128, 128) : QColor(128, 192, 192);
}

bool KurvenAufzeichnungFenster::laeuft() const { return abfrage_->laeuft(); }

bool KurvenAufzeichnungFenster::eventFilter(QObject* o, QEvent* e) {
    // Leaving the window ends the recording; a minimised main window does not.
    if (o == &panel_ && e->type() == QEvent::Hide && !e->spontaneous()) Beenden();
    return false;
}

void KurvenAufzeichnungFenster::Aufzeichnen() {
    if (dienst_.offenerPort() == -1) {
        dienst_.FehlerSetzen(0);
        dienst_.FehlerSetzen(kComStartOhnePort);
        return;
    }
    Eingangswahl wahl{};
    for (int e : e_.eingang)
        if (e >= 0) wahl[std::size_t(e)] = true;
    // A new recording replaces the old one; a poll still running ends first.
    abfrage_->blockSignals(true);
    abfrage_->Stoppen();
    abfrage_->blockSignals(false);
    aufzeichnung_ = std::make_unique<Aufzeichnung>(wahl, e_.dauer, true);
    Zeichnen();
    Abfrageeinstellung a;
    a.eingaenge = wahl;
    a.intervall = e_.intervall;
    a.statusIntervall = 0.5;
    a.boxStarten = true;
    abfrage_->Starten(a);
    panel_.Bestaetigen("Aufzeichnung läuft");
    KnoepfeZeigen();
}

void KurvenAufzeichnungFenster::Stoppen() {
    abfrage_->Stoppen();
    dienst_.StartStopp(false, &panel_);
}

void KurvenAufzeichnungFenster::Beenden() { abfrage_->Stoppen(); }

int KurvenAufzeichnungFenster::Speichern() {
    if (!aufzeichnung_ || aufzeichnung_->leer()) return 0;
    DateiAuswahl a;
    a.titel = QString::fromUtf8("Aufzeichnung speichern");
    a.muster = kDateimusterCsv;
    a.speichern = true;
    const DateiErgebnis e = dialoge().Datei(a);
    if (e.art == DateiErgebnis::Art::Abgebrochen) return 0;
    if (e.art == DateiErgebnis::Art::Fehler) return kAufzeichnungCsvOeffnen;
    return AufzeichnungCsvSpeichern(*aufzeichnung_, &konfig_.daten(), QFile::encodeName(e.pfad).toStdString());
}

void KurvenAufzeichnungFenster::RundeErhalten(const Eingangsrunde& r) {
    if (!aufzeichnung_) return;
    const std::size_t vorher = aufzeichnung_->runden().size();
    const bool ende = aufzeichnung_->RundeAufnehmen(r);
    if (aufzeichnung_->runden().size() > vorher) Aufnehmen(aufzeichnung_->runden().back(), true);
    panel_.Bestaetigen(QString("Aufzeichnung läuft: %1 Runden/s").arg(Zahl(aufzeichnung_->Abtastrate(), 1)));
    if (vorher == 0) KnoepfeZeigen();
    if (ende) abfrage_->Stoppen();
}

void KurvenAufzeichnungFenster::Beendet(int code) {
    // A failure shows on the indicator like every device error, without a popup.
    if (code != 0) dienst_.FehlerSetzen(code);
    if (aufzeichnung_)
        panel_.Bestaetigen(QString("Aufzeichnung beendet: %1 Runden, %2 Runden/s")
                               .arg(aufzeichnung_->runden().size())
                               .arg(Zahl(aufzeichnung_->Abtastrate(), 1)));
    KnoepfeZeigen();
}

void KurvenAufzeichnungFenster::Aufnehmen(const Eingangsrunde& r, bool zeichnen) {
    const Kurvensatz& satz = panel_.editor().satz();
    for (int k = 0; k < kKurvenzahl; ++k) {
        const auto i = std::size_t(k);
        const int e = e_.eingang[i];
        if (e < 0 || !r.werte[std::size_t(e)]) continue;
        const double periode = KurvenPeriode(satz.kurven[i]);
        const GefalteterWert g =
            Falten(std::vector<Messwert>{Messwert{r.zeiten[std::size_t(e)], *r.werte[std::size_t(e)]}}, periode)
                .front();
        // After its last cycle the box holds the rest value, which lies on no part of the curve.
        if (satz.zyklen[i] > 0 && g.zyklus >= satz.zyklen[i]) continue;
        auto& zuege = zuege_[i];
        if (zuege.empty() || letzterZyklus_[i] != g.zyklus) zuege.emplace_back();
        letzterZyklus_[i] = g.zyklus;
        zuege.back().emplace_back(g.zeit * 1e6, g.wert * kMaxWert / 10.0);
        if (zeichnen) ZugZeichnen(k, zuege.size() - 1);
    }
}

void KurvenAufzeichnungFenster::ZugZeichnen(int k, std::size_t zyklus) {
    // One plot per cycle, replaced as it grows: a long recording stays a few
    // polylines for the graph, however many rounds it holds.
    const auto i = std::size_t(k);
    const bool aktuell = k == panel_.editor().aktuelleKurve();
    if (!aktuell && !panel_.editor().hintergrund(k)) return;
    auto& plots = plots_[i];
    if (plots.size() <= zyklus) plots.resize(zyklus + 1);
    for (int h : plots[zyklus]) graph_.Loeschen(h);
    plots[zyklus].clear();
    const auto& zug = zuege_[i][zyklus];
    // A line between samples far apart in a short period cuts across the
    // curve's corners; below this many samples a cycle is drawn as dots.
    constexpr double kLinieAb = 20.0;
    const double proZyklus = aufzeichnung_->Abtastrate() * KurvenPeriode(panel_.editor().satz().kurven[i]);
    if (zug.size() > 1 && proZyklus >= kLinieAb) {
        plots[zyklus].push_back(graph_.Linienzug(zug, Farbe(aktuell)));
    } else {
        for (const QPointF& p : zug) plots[zyklus].push_back(graph_.Punkt(p, Farbe(aktuell)));
    }
}

void KurvenAufzeichnungFenster::Zeichnen() {
    for (auto& plots : plots_) {
        for (const auto& zyklus : plots)
            for (int h : zyklus) graph_.Loeschen(h);
        plots.clear();
    }
    for (auto& z : zuege_) z.clear();
    letzterZyklus_.fill(0);
    if (!aufzeichnung_) return;
    // The lines follow the curves as they are now (their periods may have changed).
    for (const Eingangsrunde& r : aufzeichnung_->runden()) Aufnehmen(r, false);
    for (int k = 0; k < kKurvenzahl; ++k)
        for (std::size_t z = 0; z < zuege_[std::size_t(k)].size(); ++z) ZugZeichnen(k, z);
}
