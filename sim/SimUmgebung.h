#pragma once
// Test environment: a simulated DLM-7 on a pseudo-terminal, reachable under
// a COM number of the port table.
//
//     SimUmgebung u;                 // box '1' on a pty, COM8 points at it
//     ASSERT_TRUE(u.bereit());
//     ASSERT_EQ(u.Oeffnen(), 0);     // QAVKSV5_Open(u.port, 9600) + time-out
//     QAVKSV5_IDLesen(u.port, '1', text);
//     u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
//
// Window tests can instead let their own code open u.port. The destructor
// closes the port, stops the box and restores the port table. Keep the
// receive time-out short (the default here is 0.2 s) where a test expects
// a time-out.
#include "device/PortTabelle.h"
#include "device/Qavksv5.h"
#include "sim/Dlm7Simulator.h"

#include <string>

struct SimUmgebung {
    Dlm7Simulator sim;
    int port;
    std::string fehler;

    explicit SimUmgebung(int comNummer = 8, Dlm7Simulator::Einstellungen e = {}) : sim(std::move(e)), port(comNummer) {
        if (sim.Starten(fehler)) PortPfadSetzen(port, sim.SlavePfad());
    }
    ~SimUmgebung() {
        QAVKSV5_Close(port);
        sim.Beenden();
        PortTabelleZuruecksetzen();
    }
    SimUmgebung(const SimUmgebung&) = delete;
    SimUmgebung& operator=(const SimUmgebung&) = delete;

    bool bereit() const { return fehler.empty() && !sim.SlavePfad().empty(); }

    // Opens the port at 9600 baud with the given receive time-out.
    int Oeffnen(double zeitlimit = 0.2) {
        int rc = QAVKSV5_Open(port, 9600);
        if (rc == 0) rc = QAVKSV5_Timeout(port, zeitlimit);
        return rc;
    }
};
