#pragma once
// Driver tests run against the simulator on a real pseudo-terminal.
#include "device/Qavksv5.h"
#include "device/Verbindung.h"
#include "sim/SimUmgebung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

class GeraetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(u.bereit()) << u.fehler;
        ASSERT_EQ(u.Oeffnen(0.15), 0);
    }

    // The last frame the box received; waits for it because broadcasts
    // return as soon as the frame has left the port.
    std::string LetzteAnfrage(std::size_t anzahl = 1) {
        std::vector<std::string> a;
        u.sim.AufAnfragenWarten(
            [&](const std::vector<std::string>& alle) {
                a = OhneMarken(alle);
                return a.size() >= anzahl;
            },
            std::chrono::seconds(1));
        return a.empty() ? std::string{} : a.back();
    }
    // The frames the box received, all of them: a marker frame written after
    // them must arrive behind them on the line, so once the box has it, no
    // frame sent before can still be on its way.
    std::size_t AnzahlAnfragen() {
        const auto marken = [](const std::vector<std::string>& alle) {
            return std::count(alle.begin(), alle.end(), std::string(kMarke));
        };
        const auto vorher = marken(u.sim.Anfragen());
        SeriellerPort* port = Verbindung::Port(p);
        if (!port) {
            ADD_FAILURE() << "kein offener Port für die Marke";
            return u.sim.Anfragen().size();
        }
        const std::string marke(kMarke);
        EXPECT_EQ(port->Schreiben(marke.data(), marke.size()), long(marke.size()));
        EXPECT_EQ(port->SendenAbwarten(), 0);
        std::vector<std::string> a;
        const bool angekommen = u.sim.AufAnfragenWarten(
            [&](const std::vector<std::string>& alle) {
                a = OhneMarken(alle);
                return marken(alle) > vorher;
            },
            std::chrono::seconds(2));
        EXPECT_TRUE(angekommen) << "die Marke kam nicht an";
        return a.size();
    }

    // NAK, CAN, silence, a stray byte and a pulled cable, each for one request.
    void HandshakeFehler(const std::function<int()>& op, int nak, int can, int keineAntwort, int anderes) {
        using S = Dlm7Simulator::Stoerung;
        u.sim.StoerungSetzen(S::Nak);
        EXPECT_EQ(op(), nak);
        u.sim.StoerungSetzen(S::Can);
        EXPECT_EQ(op(), can);
        u.sim.StoerungSetzen(S::Stille);
        EXPECT_EQ(op(), keineAntwort);
        u.sim.StoerungSetzen(S::Streubyte);
        EXPECT_EQ(op(), anderes);
        u.sim.KabelGezogen(true);
        EXPECT_EQ(op(), keineAntwort);
        u.sim.KabelGezogen(false);
        EXPECT_EQ(op(), 0);
    }

    SimUmgebung u;
    const int p = u.port;

  private:
    // A frame to an address no box has: recorded, never answered.
    static constexpr const char* kMarke = "#~MARKE\r";
    static std::vector<std::string> OhneMarken(const std::vector<std::string>& alle) {
        std::vector<std::string> a;
        for (const auto& r : alle)
            if (r != kMarke) a.push_back(r);
        return a;
    }
};
