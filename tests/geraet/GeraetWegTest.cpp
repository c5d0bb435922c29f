// A device that leaves the line (a pseudo-terminal whose other side closes
// stands for a pulled USB adapter), and the serial devices a machine offers.
#include "device/PortSuche.h"
#include "device/Qavksv5.h"
#include "kern/Fehlermeldungen.h"
#include "sim/SimUmgebung.h"
#include "tools/Dlm7Ctl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TEST(GeraetWeg, JedeOperationMeldetDenEigenenCodeBisZumNeuenOeffnen) {
    SimUmgebung u;
    ASSERT_TRUE(u.bereit()) << u.fehler;
    ASSERT_EQ(u.Oeffnen(0.2), 0);
    std::string id;
    ASSERT_EQ(QAVKSV5_IDLesen(u.port, '1', id), 0);
    const std::string pfad = u.sim.SlavePfad();
    u.sim.Beenden();

    // The flush meets the hung-up terminal first; from then on the port number
    // answers with the same code without touching the line.
    EXPECT_EQ(QAVKSV5_IDLesen(u.port, '1', id), QavFehler::Getrennt);
    unsigned char modus = 0;
    EXPECT_EQ(QAVKSV5_ModusLesen(u.port, '1', modus), QavFehler::Getrennt);
    EXPECT_EQ(QAVKSV5_AusgangSchreiben(u.port, '&', "a1", 1.0), QavFehler::Getrennt);
    EXPECT_EQ(FlushInOut(u.port), QavFehler::Getrennt);
    // Refused arguments keep their own codes.
    EXPECT_EQ(QAVKSV5_IDLesen(u.port, '0', id), QavFehler::ID_Adresse);
    EXPECT_STREQ(QAV_Fehlermeldung(QavFehler::Getrennt),
                 "Verbindung zur seriellen Schnittstelle unterbrochen (Gerät entfernt?)");
    sgSprache = 2;
    EXPECT_STREQ(QAV_Fehlermeldung(QavFehler::Getrennt), "Connection to com-port lost (device removed?)");
    sgSprache = 1;

    // Closing a gone device is no failure; afterwards the number is simply closed.
    EXPECT_EQ(QAVKSV5_Close(u.port), 0);
    EXPECT_EQ(FlushInOut(u.port), QavFehler::Flush_Empfang);

    // A box that is merely silent or refuses is not gone.
    SimUmgebung zweite{7};
    ASSERT_TRUE(zweite.bereit());
    ASSERT_EQ(zweite.Oeffnen(0.1), 0);
    zweite.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Stille);
    EXPECT_EQ(QAVKSV5_IDLesen(zweite.port, '1', id), QavFehler::ID_KeineAntwort);
    zweite.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Nak);
    EXPECT_EQ(QAVKSV5_IDLesen(zweite.port, '1', id), QavFehler::ID_Nak);
    EXPECT_EQ(QAVKSV5_IDLesen(zweite.port, '1', id), 0);
}

TEST(GeraetWeg, AuflegenWaehrendDesWartensEndetSofort) {
    SimUmgebung u;
    ASSERT_TRUE(u.bereit()) << u.fehler;
    // A long time-out: the hang-up must end the wait, not the clock.
    ASSERT_EQ(u.Oeffnen(5.0), 0);
    u.sim.StoerungSetzen(Dlm7Simulator::Stoerung::Stille);
    std::thread ziehen([&u] {
        while (u.sim.Anfragen().empty()) std::this_thread::yield();
        u.sim.Beenden();
    });
    const auto beginn = std::chrono::steady_clock::now();
    std::string id;
    const int rc = QAVKSV5_IDLesen(u.port, '1', id);
    const auto dauer = std::chrono::steady_clock::now() - beginn;
    ziehen.join();
    EXPECT_EQ(rc, QavFehler::Getrennt);
    EXPECT_LT(dauer, std::chrono::seconds(1));
}

// A made-up machine: an FTDI adapter with its stable name, two more USB
// adapters, a modem, and four legacy lines of which two have a UART.
struct Geraetebaum : ::testing::Test {
    fs::path wurzel;
    void SetUp() override {
        wurzel = fs::temp_directory_path() / ("dlm7-geraete-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(wurzel);
        const fs::path dev = wurzel / "dev";
        fs::create_directories(dev / "serial" / "by-id");
        for (const char* n : {"ttyUSB0", "ttyUSB1", "ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS0", "ttyS1", "ttyS2",
                              "ttyS3", "ttyS10", "tty0", "ttyprintk", "console"})
            std::ofstream(dev / n);
        fs::create_symlink("../../ttyUSB0", dev / "serial" / "by-id" / "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");

        const fs::path klasse = wurzel / "sys" / "class" / "tty";
        // ttyUSB1 hangs under a USB device that names itself.
        const fs::path usb = wurzel / "sys" / "devices" / "usb1" / "1-1";
        fs::create_directories(usb / "1-1:1.0" / "ttyUSB1");
        Schreiben(usb / "product", "FT230X Basic UART\n");
        Schreiben(usb / "manufacturer", "FTDI\n");
        fs::create_directories(klasse / "ttyUSB1");
        fs::create_symlink(usb / "1-1:1.0" / "ttyUSB1", klasse / "ttyUSB1" / "device");
        // ttyS0: a 16550A; ttyS1: no UART found; ttyS2: no device at all;
        // ttyS3 without a type file, only the placeholder driver; ttyS10
        // without a type file, held by a real driver.
        Uart("ttyS0", "4\n", "");
        Uart("ttyS1", "0\n", "");
        fs::create_directories(klasse / "ttyS2");
        Uart("ttyS3", "", "serial8250");
        Uart("ttyS10", "", "port");
        GeraeteWurzelSetzen(wurzel.string());
    }
    void TearDown() override {
        GeraeteWurzelSetzen("");
        fs::remove_all(wurzel);
    }
    static void Schreiben(const fs::path& p, const std::string& text) { std::ofstream(p) << text; }
    void Uart(const std::string& tty, const std::string& typ, const std::string& treiber) {
        const fs::path d = wurzel / "sys" / "class" / "tty" / tty;
        fs::create_directories(d / "device");
        if (!typ.empty()) Schreiben(d / "type", typ);
        if (!treiber.empty()) {
            fs::create_directories(wurzel / "sys" / "bus" / treiber);
            fs::create_symlink(wurzel / "sys" / "bus" / treiber, d / "device" / "driver");
        }
    }
};

TEST_F(Geraetebaum, StabileNamenZuerstDannUsbDannEchteUarts) {
    const std::string erwartet = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\t"
                                 "FTDI FT232R USB UART A50285BI (ttyUSB0)\n"
                                 "/dev/ttyUSB1\tFTDI FT230X Basic UART\n"
                                 "/dev/ttyUSB2\tUSB-Seriell-Adapter\n"
                                 "/dev/ttyUSB10\tUSB-Seriell-Adapter\n"
                                 "/dev/ttyACM0\tUSB-Gerät (CDC-ACM)\n"
                                 "/dev/ttyS0\tSerielle Schnittstelle\n"
                                 "/dev/ttyS10\tSerielle Schnittstelle\n";
    std::string liste;
    for (const SeriellesGeraet& g : SerielleGeraete()) liste += g.pfad + "\t" + g.beschreibung + "\n";
    EXPECT_EQ(liste, erwartet);

    // dlm7ctl prints the same, needs no port and opens none.
    std::ostringstream aus, err;
    EXPECT_EQ(Dlm7CtlAusfuehren({"--port", "/dev/gibt-es-nicht", "ports"}, aus, err), 0);
    EXPECT_EQ(aus.str(), erwartet);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(Dlm7CtlAusfuehren({"ports", "mehr"}, aus, err), 2);

    // An empty machine lists nothing.
    GeraeteWurzelSetzen((wurzel / "leer").string());
    EXPECT_TRUE(SerielleGeraete().empty());
}

} // namespace
