#pragma once
// A real POSIX port that can be told to fail like a broken platform service:
// write errors, short writes, a failing drain, flush, close or time-out.
#include "device/PosixSeriellerPort.h"

struct StoerPort : PosixSeriellerPort {
    struct Fehler {
        bool schreiben = false;
        bool kurz = false;
        bool abwarten = false;
        bool empfangLeeren = false;
        bool sendenLeeren = false;
        bool schliessen = false;
        bool zeitlimit = false;
    };
    static Fehler& fehler() {
        static Fehler f;
        return f;
    }

    long Schreiben(const char* daten, std::size_t anzahl) override {
        if (fehler().schreiben) return -1;
        if (fehler().kurz && anzahl > 1) return PosixSeriellerPort::Schreiben(daten, anzahl - 1);
        return PosixSeriellerPort::Schreiben(daten, anzahl);
    }
    int SendenAbwarten() override { return fehler().abwarten ? -1 : PosixSeriellerPort::SendenAbwarten(); }
    int EmpfangLeeren() override { return fehler().empfangLeeren ? -1 : PosixSeriellerPort::EmpfangLeeren(); }
    int SendenLeeren() override { return fehler().sendenLeeren ? -1 : PosixSeriellerPort::SendenLeeren(); }
    int Schliessen() override {
        int rc = PosixSeriellerPort::Schliessen();
        return fehler().schliessen ? -1 : rc;
    }
    int ZeitlimitSetzen(double s) override { return fehler().zeitlimit ? -1 : PosixSeriellerPort::ZeitlimitSetzen(s); }
};

// Installs StoerPort for every open while alive.
struct StoerPortAktiv {
    StoerPortAktiv() {
        StoerPort::fehler() = {};
        PortFabrikSetzen([] { return std::make_unique<StoerPort>(); });
    }
    ~StoerPortAktiv() {
        PortFabrikSetzen({});
        StoerPort::fehler() = {};
    }
};
