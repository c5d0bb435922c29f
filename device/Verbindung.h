#pragma once
// The open ports of the driver and the steps every request shares: flush,
// write, wait for the transmit queue, handshake byte, answer line.
#include "device/SeriellerPort.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>

// One driver's table of port numbers 1..8: the open port objects, the errno
// of each number's last failed open and the numbers whose device has gone.
// The device service owns one for its worker; a thread that installs none
// works on a table of its own, so two threads never share one by accident.
class Treiber {
  public:
    Treiber();
    ~Treiber();
    Treiber(const Treiber&) = delete;
    Treiber& operator=(const Treiber&) = delete;

  private:
    friend struct TreiberZugriff;
    std::array<std::unique_ptr<SeriellerPort>, 9> ports_;
    std::array<int, 9> oeffnungsfehler_{};
    std::array<bool, 9> getrennt_{};
};

namespace Verbindung {

// The driver whose table the calling thread's requests use from now on;
// nullptr returns the thread to its own table.
void TreiberSetzen(Treiber* treiber);

// Codes of one operation for the shared steps. leeren = 0 passes the code
// of FlushInOut through unchanged.
struct Codes {
    int leeren;
    int schreiben;
    int kurz;
    int nak;
    int can;
    int keineAntwort;
    int anderesByte;
};

bool BaudGueltig(int baud);
// The port object of an open port number, nullptr otherwise.
SeriellerPort* Port(int port);

int Oeffnen(int port, int baud);
// errno of the last failed open of the port number (0 if it opened).
int Oeffnungsfehler(int port);
int Schliessen(int port);
int Zeitlimit(int port, double sekunden);
int Leeren(int port);

// A port whose device has left. Its requests fail with QavFehler::Getrennt
// from then on, without touching the line, until it is opened again.
bool Getrennt(int port);
// The same, after asking the port whether its device hung up while idle.
bool GetrenntPruefen(int port);
// Releases the descriptor of a gone device; the port number stays marked.
void Freigeben(int port);
// rc, or QavFehler::Getrennt when the failure came from a gone device.
int Ergebnis(int port, int rc);

// Sends one frame and, unless mitAntwort is false, awaits the ACK.
int Anfrage(int port, const std::string& rahmen, bool mitAntwort, const Codes& c);
// Reads an answer line up to CR or max bytes; false on a time-out.
bool ZeileLesen(int port, std::size_t max, std::string& zeile);

} // namespace Verbindung
