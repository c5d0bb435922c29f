#include "device/Eingangsabfrage.h"

#include "device/Qavksv5.h"
#include "device/Qavksv5Fehler.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

Eingangsabfrage::Eingangsabfrage(Geraetedienst& dienst, QObject* eltern)
    : QObject(eltern), dienst_(dienst), takt_(new QTimer(this)) {
    takt_->setSingleShot(true);
    takt_->setTimerType(Qt::PreciseTimer);
    connect(takt_, &QTimer::timeout, this, &Eingangsabfrage::Planen);
    // The service is idle again: a paused poll goes on, after every other
    // receiver has heard of the idle service.
    connect(&dienst_, &Geraetedienst::beschaeftigtGeaendert, this, [this](bool b) {
        if (!b && laeuft_ && pausiert_ && !takt_->isActive()) takt_->start(0);
    });
    connect(&dienst_, &Geraetedienst::linkGeaendert, this, [this](int port, bool getrennt) {
        if (!laeuft_) return;
        if (getrennt)
            Ende(QavFehler::Getrennt);
        else if (port == -1)
            Ende(kAbfrageOhnePort);
    });
}

Eingangsabfrage::~Eingangsabfrage() = default;

bool Eingangsabfrage::Starten(const Abfrageeinstellung& e) {
    if (!(std::isfinite(e.intervall) && e.intervall >= 0.0)) return false;
    if (AnzahlGewaehlt(e.eingaenge) == 0 && e.statusIntervall < 0.0) return false;
    e_ = e;
    ++lauf_;
    laeuft_ = true;
    unterwegs_ = false;
    naechsteNummer_ = 0;
    letzterStatus_ = -1.0;
    start_ = std::chrono::steady_clock::now();
    takt_->stop();
    PauseSetzen(false);
    Planen();
    return true;
}

void Eingangsabfrage::Stoppen() {
    if (laeuft_) Ende(0);
}

double Eingangsabfrage::rate() const {
    if (naechsteNummer_ < 2 || letzteRunde_ <= ersteRunde_) return 0.0;
    return static_cast<double>(naechsteNummer_ - 1) / (letzteRunde_ - ersteRunde_);
}

void Eingangsabfrage::PauseSetzen(bool p) {
    if (p == pausiert_) return;
    pausiert_ = p;
    emit pausiertGeaendert(p);
}

void Eingangsabfrage::Ende(int code) {
    laeuft_ = false;
    ++lauf_;
    unterwegs_ = false;
    takt_->stop();
    PauseSetzen(false);
    emit beendet(code);
}

void Eingangsabfrage::Planen() {
    if (!laeuft_ || unterwegs_) return;
    // Any other operation goes first; the service's idle signal resumes.
    if (dienst_.beschaeftigt()) {
        PauseSetzen(true);
        return;
    }
    PauseSetzen(false);
    Abfragen();
}

void Eingangsabfrage::Abfragen() {
    unterwegs_ = true;
    const double jetzt = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const bool status =
        e_.statusIntervall >= 0.0 && (letzterStatus_ < 0.0 || jetzt - letzterStatus_ >= e_.statusIntervall);
    struct Ergebnis {
        Eingangsrunde runde;
        std::chrono::steady_clock::time_point start;
    };
    dienst_.Ausfuehren(
        this,
        [wahl = e_.eingaenge, status, start = start_, starten = e_.boxStarten && naechsteNummer_ == 0](Auftrag& a) {
            Ergebnis e{{}, start};
            if (starten && a.port >= 0) {
                if (const int rc = QAVKSV5_DeviceFunction(a.port, a.adresse, "start"); rc != 0) {
                    e.runde.code = rc;
                    return e;
                }
                e.start = std::chrono::steady_clock::now();
            }
            e.runde = EingangsrundeLesen(a.port, a.adresse, wahl, status, e.start);
            return e;
        },
        [this, lauf = lauf_](Ergebnis e) {
            if (lauf != lauf_) return; // stopped or started afresh meanwhile
            Eingangsrunde& r = e.runde;
            start_ = e.start;
            unterwegs_ = false;
            r.nummer = naechsteNummer_++;
            if (r.nummer == 0) ersteRunde_ = r.zeit;
            letzteRunde_ = r.zeit;
            if (r.status1) letzterStatus_ = r.zeit;
            emit runde(r);
            if (lauf != lauf_) return; // a receiver stopped it
            if (r.code != 0) {
                Ende(r.code);
                return;
            }
            // Fixed rate: the next round starts one interval after this one
            // started, at once when the line is slower than the interval. The
            // timer also lets the service count this round as done first.
            const double jetzt = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
            const double warten = std::max(0.0, r.zeit + e_.intervall - jetzt);
            takt_->start(static_cast<int>(std::lround(warten * 1000.0)));
        });
}
