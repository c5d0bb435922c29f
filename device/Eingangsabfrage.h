#pragma once
// Polling of chosen inputs through the device service, for windows that show
// live values. Each round is one operation on the service's worker; results
// arrive on the GUI thread. The poll steps aside by itself: while any other
// operation is queued or running (a transfer, a start) no round is submitted,
// and polling goes on when the service is idle again. A link break, a closed
// port or a failed reading ends it.
//
//     Eingangsabfrage abfrage(dienst);
//     connect(&abfrage, &Eingangsabfrage::runde, ...);   // Eingangsrunde
//     connect(&abfrage, &Eingangsabfrage::beendet, ...); // code, 0 after Stoppen
//     abfrage.Starten({.eingaenge = {false, true, false, false}});
#include "device/Eingangsrunde.h"
#include "device/Geraetedienst.h"

#include <QObject>

#include <chrono>

class QTimer;

struct Abfrageeinstellung {
    Eingangswahl eingaenge{};
    // Seconds from one round's start to the next; 0: as fast as the line allows.
    double intervall = 0.2;
    // Status register 1 is read in a round when this many seconds have passed
    // since it was last read (the first round always reads it); below 0: never.
    double statusIntervall = 1.0;
    // The first round starts the box ("start") before its readings, and the
    // times count from the box's acknowledgement: a recording then begins
    // where the box's curves begin.
    bool boxStarten = false;
};

class Eingangsabfrage : public QObject {
    Q_OBJECT
  public:
    static constexpr double kStandardIntervall = 0.2; // 5 rounds a second

    explicit Eingangsabfrage(Geraetedienst& dienst, QObject* eltern = nullptr);
    ~Eingangsabfrage() override;

    // Starts, or starts afresh with new settings (round numbers and times
    // from 0). false, and nothing started, with neither an input nor the
    // status to read or an interval that is not a finite number >= 0.
    bool Starten(const Abfrageeinstellung& e);
    // Ends polling; a round under way is dropped. beendet(0) if it was running.
    void Stoppen();

    bool laeuft() const { return laeuft_; }
    // Running, but waiting for another operation of the service.
    bool pausiert() const { return pausiert_; }
    const Abfrageeinstellung& einstellung() const { return e_; }
    // Rounds per second over the whole run so far (0 before the second round).
    double rate() const;

  signals:
    void runde(const Eingangsrunde& r);
    // Polling has ended: 0 after Stoppen, otherwise the code that ended it
    // (the failing reading's, or the link's).
    void beendet(int code);
    void pausiertGeaendert(bool pausiert);

  private:
    void Planen();
    void Abfragen();
    void Ende(int code);
    void PauseSetzen(bool p);

    Geraetedienst& dienst_;
    QTimer* takt_;
    Abfrageeinstellung e_;
    bool laeuft_ = false;
    bool pausiert_ = false;
    bool unterwegs_ = false;
    long lauf_ = 0; // counts the starts and stops: results of an earlier run are dropped
    long naechsteNummer_ = 0;
    double letzterStatus_ = -1.0;
    double ersteRunde_ = 0.0;
    double letzteRunde_ = 0.0;
    std::chrono::steady_clock::time_point start_;
};
