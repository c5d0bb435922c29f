#include "kennlinie/fenster/KennlinienArbeitspunkt.h"

#include "config/KonfigModell.h"
#include "device/Eingangsabfrage.h"
#include "device/Geraetedienst.h"
#include "kennlinie/fenster/KennlinienBilder.h"
#include "kennlinie/fenster/KennlinienGrafik.h"
#include "kern/IniDatei.h"
#include "uisupport/Graph.h"
#include "uisupport/Kurvenfenster.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace {

const char* const kHilfe = "Arbeitspunkt anzeigen\n\nFragt laufend Eingang 2 (den Kennlinieneingang) der DLM-7 ab und "
                           "zeigt, wo die Kennlinie gerade arbeitet: eine Marke auf der Kurve mit einer Spur der "
                           "letzten Sekunden, die Werte in X und Y und ob die DLM-7 läuft. Mit einem "
                           "Rückmeldungseingang, der Ausgang 1 misst, zeigt eine zweite Marke, wie der Ausgang "
                           "mit der Anstiegszeit nachfolgt. Während einer Übertragung ruht die Abfrage.";

const char* const kSektion = "kennlinie";
const char* const kRateSchluessel = "arbeitspunktrate";
const char* const kRueckmeldungSchluessel = "rueckmeldung";

const QColor kPunktFarbe(0xE0, 0x70, 0x00);
const QColor kPunktRand(0x80, 0x40, 0x00);
const QColor kRueckmeldungFarbe(0x00, 0x90, 0x00);

// Half sizes of the markers in pixels.
constexpr double kRaute = 8.0;
constexpr double kKasten = 6.0;

QString RatenText(int rate) {
    return rate == 0 ? QStringLiteral("so schnell wie möglich") : QStringLiteral("%1 pro Sekunde").arg(rate);
}

QString RueckmeldungsText(int eingang) {
    return eingang == 0 ? QStringLiteral("keine") : QStringLiteral("Eingang %1").arg(eingang);
}

template <std::size_t N> bool Erlaubt(const std::array<int, N>& werte, long w) {
    return std::find(werte.begin(), werte.end(), w) != werte.end();
}

} // namespace

KennlinienArbeitspunkt::KennlinienArbeitspunkt(KennlinienKontext k, Geraetedienst& dienst, KennlinienGrafik& grafik,
                                               QMenu& ansicht)
    : QObject(&k.fenster), k_(k), dienst_(dienst), grafik_(grafik), abfrage_(new Eingangsabfrage(dienst, this)) {
    QToolBar* leiste = k_.fenster.werkzeugleiste();
    QAction* vor = k_.fenster.direkthilfeAktion();
    ansicht.addSeparator();
    schalter_ = new QAction(KennlinienBild("arbeitspunkt"), "Arbeitspunkt anzeigen", &k_.fenster);
    schalter_->setObjectName("ARBEITSPUNKT");
    schalter_->setCheckable(true);
    schalter_->setIconVisibleInMenu(false);
    ansicht.addAction(schalter_);
    leiste->insertAction(vor, schalter_);
    connect(schalter_, &QAction::triggered, this, [this](bool an) {
        if (k_.fenster.HilfeStatt(kHilfe)) {
            schalter_->setChecked(!an); // help mode changes nothing
            return;
        }
        Einschalten(an);
    });
    status_ = new QLabel(leiste);
    status_->setObjectName("BOXSTATUS");
    status_->setToolTip("Statusregister 1 der DLM-7");
    status_->setContentsMargins(4, 0, 4, 0);
    statusAktion_ = leiste->insertWidget(vor, status_);
    statusAktion_->setVisible(false);
    leiste->insertSeparator(vor);

    QMenu* einstellung = ansicht.addMenu("Arbeitspunkt");
    einstellung->setObjectName("ARBEITSPUNKTMENUE");
    QMenu* raten = einstellung->addMenu("Abfragerate");
    raten->setObjectName("ABFRAGERATEMENUE");
    raten_ = new QActionGroup(this);
    for (int r : kRaten) {
        QAction* a = raten->addAction(RatenText(r));
        a->setObjectName(QStringLiteral("ARBEITSPUNKTRATE%1").arg(r));
        a->setCheckable(true);
        raten_->addAction(a);
        connect(a, &QAction::triggered, this, [this, r] {
            if (k_.fenster.HilfeStatt(kHilfe)) return AuswahlZeigen();
            RateWaehlen(r);
        });
    }
    QMenu* rueck = einstellung->addMenu("Rückmeldung");
    rueck->setObjectName("RUECKMELDUNGMENUE");
    rueckmeldungen_ = new QActionGroup(this);
    for (int e : kRueckmeldungen) {
        QAction* a = rueck->addAction(RueckmeldungsText(e));
        a->setObjectName(QStringLiteral("RUECKMELDUNG%1").arg(e));
        a->setCheckable(true);
        rueckmeldungen_->addAction(a);
        connect(a, &QAction::triggered, this, [this, e] {
            if (k_.fenster.HilfeStatt(kHilfe)) return AuswahlZeigen();
            RueckmeldungWaehlen(e);
        });
    }
    AuswahlZeigen();

    connect(abfrage_, &Eingangsabfrage::runde, this, &KennlinienArbeitspunkt::Runde);
    connect(abfrage_, &Eingangsabfrage::beendet, this, &KennlinienArbeitspunkt::Beendet);
    connect(abfrage_, &Eingangsabfrage::pausiertGeaendert, this, &KennlinienArbeitspunkt::StatusZeigen);
    k_.editor.Beobachten([this](Aenderungen a) { Zeigen(a); });
    // The operating point belongs to the window on screen: leaving it stops the poll.
    k_.fenster.installEventFilter(this);
}

KennlinienArbeitspunkt::~KennlinienArbeitspunkt() {
    // Quietly: the window around is going away.
    abfrage_->disconnect(this);
    abfrage_->Stoppen();
}

void KennlinienArbeitspunkt::EinstellungenLesen(const IniDatei& ini) {
    long r = kStandardRate;
    if (ini.IntLesen(kSektion, kRateSchluessel, r) != IniDatei::Ergebnis::Vorhanden || !Erlaubt(kRaten, r))
        r = kStandardRate;
    long e = 0;
    if (ini.IntLesen(kSektion, kRueckmeldungSchluessel, e) != IniDatei::Ergebnis::Vorhanden ||
        !Erlaubt(kRueckmeldungen, e))
        e = 0;
    RateWaehlen(int(r));
    RueckmeldungWaehlen(int(e));
}

void KennlinienArbeitspunkt::EinstellungenSchreiben(IniDatei& ini) const {
    // Only choices off the defaults: the file stays as the earlier versions wrote it.
    if (rate_ != kStandardRate) ini.IntSetzen(kSektion, kRateSchluessel, rate_);
    if (rueckmeldung_ != 0) ini.IntSetzen(kSektion, kRueckmeldungSchluessel, rueckmeldung_);
}

bool KennlinienArbeitspunkt::an() const { return abfrage_->laeuft(); }

void KennlinienArbeitspunkt::Einschalten(bool an) {
    if (an) {
        if (!abfrage_->laeuft()) Starten();
    } else {
        abfrage_->Stoppen();
    }
    schalter_->setChecked(abfrage_->laeuft());
}

void KennlinienArbeitspunkt::RateWaehlen(int rate) {
    rate_ = rate;
    AuswahlZeigen();
    if (abfrage_->laeuft()) Starten();
}

void KennlinienArbeitspunkt::RueckmeldungWaehlen(int eingang) {
    rueckmeldung_ = eingang;
    AuswahlZeigen();
    if (abfrage_->laeuft()) Starten();
}

void KennlinienArbeitspunkt::AuswahlZeigen() {
    for (QAction* a : raten_->actions())
        a->setChecked(a->objectName() == QStringLiteral("ARBEITSPUNKTRATE%1").arg(rate_));
    for (QAction* a : rueckmeldungen_->actions())
        a->setChecked(a->objectName() == QStringLiteral("RUECKMELDUNG%1").arg(rueckmeldung_));
}

void KennlinienArbeitspunkt::Starten() {
    Abfrageeinstellung e;
    e.eingaenge[1] = true; // input 2 is the curve input
    if (rueckmeldung_ > 0) e.eingaenge[std::size_t(rueckmeldung_ - 1)] = true;
    e.intervall = rate_ > 0 ? 1.0 / rate_ : 0.0;
    e.statusIntervall = 0.5;
    spur_.clear();
    laeuft_.reset();
    Loeschen();
    abfrage_->Starten(e);
    StatusZeigen();
}

void KennlinienArbeitspunkt::Runde(const Eingangsrunde& r) {
    if (r.code != 0) return; // the poll ends with it
    // The box answers: an earlier failure on the indicator is over, as after any device action.
    if (r.nummer == 0) dienst_.FehlerSetzen(0);
    if (r.status1) laeuft_ = (*r.status1 & kStatus1Laeuft) != 0;
    StatusZeigen();
    if (!r.werte[1]) return;
    Messung m{r.zeit, *r.werte[1], std::nullopt};
    if (rueckmeldung_ > 0) m.rueckmeldung = r.werte[std::size_t(rueckmeldung_ - 1)];
    spur_.push_back(m);
    while (spur_.front().zeit < m.zeit - kSpurSekunden) spur_.pop_front();
    Zeichnen();
    emit gezeigt();
}

void KennlinienArbeitspunkt::Beendet(int code) {
    schalter_->setChecked(false);
    spur_.clear();
    laeuft_.reset();
    Loeschen();
    grafik_.LiveWerte(std::nullopt);
    StatusZeigen();
    // One report on the window's error indicator, as every device action gives.
    if (code != 0 && dienst_.fehler() != code) dienst_.FehlerSetzen(code);
}

void KennlinienArbeitspunkt::Zeigen(Aenderungen a) {
    if (a & Aenderung::Punkte) tabelleGueltig_ = false;
    // A redraw of the curve took the markers with it; units change the values.
    if (abfrage_->laeuft() && !spur_.empty() && (a & (Aenderung::Punkte | Aenderung::Ansicht | Aenderung::Einheiten)))
        Zeichnen();
}

std::optional<Arbeitspunkt> KennlinienArbeitspunkt::Punkt(const Messung& m) const {
    if (!tabelleGueltig_) return std::nullopt;
    return ArbeitspunktBerechnen(tabelle_, k_.konfig.daten(), m.eingang2, m.rueckmeldung);
}

std::optional<QPointF> KennlinienArbeitspunkt::marke() const {
    if (spur_.empty()) return std::nullopt;
    const auto p = Punkt(spur_.back());
    if (!p) return std::nullopt;
    return QPointF(p->xRoh, p->yRoh);
}

std::optional<QPointF> KennlinienArbeitspunkt::rueckmeldungsMarke() const {
    if (spur_.empty()) return std::nullopt;
    const auto p = Punkt(spur_.back());
    if (!p || !p->rueckmeldungRoh) return std::nullopt;
    return QPointF(p->xRoh, *p->rueckmeldungRoh);
}

void KennlinienArbeitspunkt::Loeschen() {
    Graph* g = grafik_.graph();
    for (int h : plots_) g->Loeschen(h);
    plots_.clear();
}

void KennlinienArbeitspunkt::Zeichnen() {
    Loeschen();
    if (!tabelleGueltig_) tabelleGueltig_ = Digitalisieren(k_.editor.punkte(), tabelle_) == 0;
    if (spur_.empty() || !tabelleGueltig_) return;
    Graph* g = grafik_.graph();
    // Graph units per pixel, for markers of a fixed size on the screen.
    const QPointF o = g->ZuGraph({0.0, 0.0}), e = g->ZuGraph({1.0, 1.0});
    const double sx = std::abs(e.x() - o.x()), sy = std::abs(e.y() - o.y());

    // The trails fade out with their age, newest on top: dots only, as a
    // line between two rounds would cut the curve's corners.
    const double jetzt = spur_.back().zeit;
    for (const Messung& m : spur_) {
        const Arbeitspunkt p = *Punkt(m);
        const double deckung = std::clamp(1.0 - (jetzt - m.zeit) / kSpurSekunden, 0.1, 1.0) * 0.8;
        if (p.rueckmeldungRoh) {
            QColor c = kRueckmeldungFarbe;
            c.setAlphaF(float(deckung));
            plots_.push_back(g->Punkt({double(p.xRoh), *p.rueckmeldungRoh}, c));
        }
        QColor c = kPunktFarbe;
        c.setAlphaF(float(deckung));
        plots_.push_back(g->Punkt({double(p.xRoh), double(p.yRoh)}, c));
    }
    const Arbeitspunkt p = *Punkt(spur_.back());
    if (p.rueckmeldungRoh) {
        const QPointF r(p.xRoh, *p.rueckmeldungRoh);
        for (double h : {kKasten, kKasten - 1.0}) {
            const QPointF d(h * sx, h * sy);
            plots_.push_back(g->Rechteck(r - d, r + d, kRueckmeldungFarbe));
        }
        const QPointF d(kKasten * sx, kKasten * sy), d2(kKasten * sx, -kKasten * sy);
        plots_.push_back(g->Linie(r - d, r + d, kRueckmeldungFarbe));
        plots_.push_back(g->Linie(r - d2, r + d2, kRueckmeldungFarbe));
    }
    const QPointF m(p.xRoh, p.yRoh);
    for (double h : {kRaute, kRaute - 1.0, kRaute - 2.0}) {
        const double rx = h * sx, ry = h * sy;
        plots_.push_back(g->Linienzug(
            {m + QPointF(-rx, 0), m + QPointF(0, ry), m + QPointF(rx, 0), m + QPointF(0, -ry), m + QPointF(-rx, 0)},
            h == kRaute ? kPunktRand : kPunktFarbe));
    }
    plots_.push_back(g->Punkt(m, kPunktRand));
    grafik_.LiveWerte(QPointF(p.x, p.y));
}

void KennlinienArbeitspunkt::StatusZeigen() {
    const bool sichtbar = abfrage_->laeuft();
    statusAktion_->setVisible(sichtbar);
    if (!sichtbar) return;
    QString text = !laeuft_ ? QStringLiteral("DLM-7: …") : *laeuft_ ? "DLM-7: läuft" : "DLM-7: gestoppt";
    if (abfrage_->pausiert()) text += " (Abfrage ruht)";
    status_->setText(text);
    status_->setStyleSheet(laeuft_ && *laeuft_ ? "color: #008000; font-weight: bold;" : "color: #505050;");
}

bool KennlinienArbeitspunkt::eventFilter(QObject* o, QEvent* e) {
    if (o == &k_.fenster && e->type() == QEvent::Hide && !e->spontaneous()) Einschalten(false);
    return QObject::eventFilter(o, e);
}
