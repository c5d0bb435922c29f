#pragma once
// The platform service the driver needs of a serial port. The driver only
// talks to this interface, so the line can be a real UART, a pseudo-terminal
// or a test wrapper that injects platform failures.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

class SeriellerPort {
  public:
    virtual ~SeriellerPort() = default;

    // Opens the device with the box's fixed line settings (7 data bits, odd
    // parity, 1 stop bit, raw, no flow control) exclusively. 0 or -1.
    virtual int Oeffnen(const std::string& pfad, int baud) = 0;
    virtual int Schliessen() = 0;
    // Receive time-out for one byte, in seconds. 0 or -1.
    virtual int ZeitlimitSetzen(double sekunden) = 0;
    // Bytes written, or -1.
    virtual long Schreiben(const char* daten, std::size_t anzahl) = 0;
    // Bytes still waiting in the transmit queue, or -1.
    virtual int SendeWarteschlange() = 0;
    // Blocks until the transmit queue is empty. 0 or -1.
    virtual int SendenAbwarten() = 0;
    // One byte 0..255; -1 on time-out, -2 on a port error.
    virtual int ByteLesen() = 0;
    virtual int EmpfangLeeren() = 0;
    virtual int SendenLeeren() = 0;
    // True once an operation found the device gone (unplugged adapter, hung-up
    // or closed terminal) rather than merely failing; cleared by the next open.
    virtual bool geraetWeg() const { return false; }
    // Asks the platform, without traffic, whether the device has gone since.
    virtual bool geraetWegPruefen() { return geraetWeg(); }
};

using PortFabrik = std::function<std::unique_ptr<SeriellerPort>()>;

// Creates the port object for every open. An empty function restores the
// POSIX implementation; tests install wrappers here.
void PortFabrikSetzen(PortFabrik fabrik);
std::unique_ptr<SeriellerPort> NeuerSeriellerPort();
