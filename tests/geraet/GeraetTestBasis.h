#pragma once
// Driver tests run against the simulator on a real pseudo-terminal.
#include "device/Qavksv5.h"
#include "sim/SimUmgebung.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

class GeraetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(u.bereit()) << u.fehler;
        ASSERT_EQ(u.Oeffnen(0.15), 0);
    }

    // The last frame the box received; waits for it because broadcasts
    // return as soon as the frame has left the port.
    std::string LetzteAnfrage(std::size_t anzahl = 1) {
        for (int i = 0; i < 200 && u.sim.Anfragen().size() < anzahl; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        auto a = u.sim.Anfragen();
        return a.empty() ? std::string{} : a.back();
    }
    std::size_t AnzahlAnfragen() {
        // Give a stray frame time to arrive before counting.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return u.sim.Anfragen().size();
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
};
