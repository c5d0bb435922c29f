#pragma once
// One round of input readings: the chosen inputs in turn, each with the
// moment it was read, and now and then status register 1 of the box. The
// same round serves the device service's poll (on its worker) and dlm7ctl.
#include <array>
#include <chrono>
#include <optional>

inline constexpr int kEingaenge = 4;

// Status register 1: the box runs; the generator has played all its cycles.
inline constexpr unsigned char kStatus1Laeuft = 0x01;
inline constexpr unsigned char kStatus1Fertig = 0x08;

// A round that found no open port: "Serielle Schnittstelle ist nicht geöffnet".
inline constexpr int kAbfrageOhnePort = -122601;

using Eingangswahl = std::array<bool, kEingaenge>;

struct Eingangsrunde {
    long nummer = 0;   // 0 for the first round since the start
    double zeit = 0.0; // seconds since the start when the round began
    // Device value 0..10 of each chosen input, and the seconds since the
    // start at the middle of its exchange (where the box sampled it).
    std::array<std::optional<double>, kEingaenge> werte;
    std::array<double, kEingaenge> zeiten{};
    std::optional<unsigned char> status1; // only in rounds that read it
    int code = 0;                         // the first failure; inputs after it are missing
};

// Reads the chosen inputs in order 1..4, then, with status, register 1.
// Stops at the first failure. port below 0: kAbfrageOhnePort.
Eingangsrunde EingangsrundeLesen(int port, char adresse, const Eingangswahl& wahl, bool status,
                                 std::chrono::steady_clock::time_point start);

int AnzahlGewaehlt(const Eingangswahl& wahl);

// Characters one input reading puts on the wire: request, ACK, answer with a
// five-character value ("2.501").
inline constexpr int kZeichenJeEingang = 6 + 1 + 11;
// Rounds per second the line allows for n inputs at baud (10 bits a character).
double Leitungsgrenze(int eingaenge, int baud = 9600);
