#include "device/Verbindung.h"

#include "device/PortTabelle.h"
#include "device/Protokoll.h"
#include "device/Qavksv5Fehler.h"

#include <cerrno>

Treiber::Treiber() = default;
Treiber::~Treiber() = default;

struct TreiberZugriff {
    static auto& Ports(Treiber& t) { return t.ports_; }
    static auto& Oeffnungsfehler(Treiber& t) { return t.oeffnungsfehler_; }
    static auto& Getrennt(Treiber& t) { return t.getrennt_; }
};

namespace Verbindung {

namespace {

thread_local Treiber* sgTreiber = nullptr;

Treiber& Aktuell() {
    thread_local Treiber eigener;
    return sgTreiber ? *sgTreiber : eigener;
}
auto& Ports() { return TreiberZugriff::Ports(Aktuell()); }
auto& Fehlercodes() { return TreiberZugriff::Oeffnungsfehler(Aktuell()); }
auto& Weg() { return TreiberZugriff::Getrennt(Aktuell()); }

bool Gueltig(int port) { return port >= 1 && port <= 8; }

int Schritte(int port, const std::string& rahmen, bool mitAntwort, const Codes& c) {
    if (int rc = Leeren(port); rc != 0) return c.leeren != 0 ? c.leeren : rc;
    SeriellerPort* p = Port(port);
    long n = p->Schreiben(rahmen.data(), rahmen.size());
    if (n < 0) return c.schreiben;
    if (static_cast<std::size_t>(n) != rahmen.size()) return c.kurz;
    if (p->SendenAbwarten() != 0) return c.schreiben;
    if (!mitAntwort) return 0;
    int b = p->ByteLesen();
    if (b < 0) return c.keineAntwort;
    switch (static_cast<char>(b)) {
    case Protokoll::kACK: return 0;
    case Protokoll::kNAK: return c.nak;
    case Protokoll::kCAN: return c.can;
    default: return c.anderesByte;
    }
}

} // namespace

void TreiberSetzen(Treiber* treiber) { sgTreiber = treiber; }

bool BaudGueltig(int baud) { return baud == 4800 || baud == 9600 || baud == 19200 || baud == 38400; }

SeriellerPort* Port(int port) {
    if (port < 1 || port > 8) return nullptr;
    return Ports()[static_cast<std::size_t>(port)].get();
}

int Oeffnen(int port, int baud) {
    if (!BaudGueltig(baud)) return QavFehler::Open_Baud;
    if (port < 1 || port > 8) return QavFehler::Open_Port;
    auto& platz = Ports()[static_cast<std::size_t>(port)];
    // Reopening a number first releases the device it held.
    platz.reset();
    auto neu = NeuerSeriellerPort();
    errno = 0;
    if (!neu || neu->Oeffnen(PortPfad(port), baud) != 0) {
        Fehlercodes()[static_cast<std::size_t>(port)] = errno;
        return QavFehler::Open_Fehlgeschlagen;
    }
    Fehlercodes()[static_cast<std::size_t>(port)] = 0;
    Weg()[static_cast<std::size_t>(port)] = false;
    platz = std::move(neu);
    return 0;
}

int Oeffnungsfehler(int port) {
    if (port < 1 || port > 8) return 0;
    return Fehlercodes()[static_cast<std::size_t>(port)];
}

int Schliessen(int port) {
    SeriellerPort* p = Port(port);
    const bool getrennt = Getrennt(port);
    if (Gueltig(port)) Weg()[static_cast<std::size_t>(port)] = false;
    // A gone device's descriptor may already be released: nothing left to fail.
    if (!p) return getrennt ? 0 : QavFehler::Close;
    if (getrennt) {
        Ports()[static_cast<std::size_t>(port)].reset();
        return 0;
    }
    int rc = p->Schliessen();
    Ports()[static_cast<std::size_t>(port)].reset();
    return rc == 0 ? 0 : QavFehler::Close;
}

int Zeitlimit(int port, double sekunden) {
    SeriellerPort* p = Port(port);
    if (!p || p->ZeitlimitSetzen(sekunden) != 0) return QavFehler::Timeout;
    return 0;
}

int Leeren(int port) {
    if (Getrennt(port)) return QavFehler::Getrennt;
    SeriellerPort* p = Port(port);
    int rc = 0;
    if (!p || p->EmpfangLeeren() != 0)
        rc = QavFehler::Flush_Empfang;
    else if (p->SendenLeeren() != 0)
        rc = QavFehler::Flush_Senden;
    return Ergebnis(port, rc);
}

bool Getrennt(int port) {
    if (!Gueltig(port)) return false;
    const SeriellerPort* p = Port(port);
    return Weg()[static_cast<std::size_t>(port)] || (p && p->geraetWeg());
}

bool GetrenntPruefen(int port) {
    if (SeriellerPort* p = Port(port)) p->geraetWegPruefen();
    return Getrennt(port);
}

void Freigeben(int port) {
    if (!Getrennt(port)) return;
    Weg()[static_cast<std::size_t>(port)] = true;
    Ports()[static_cast<std::size_t>(port)].reset();
}

int Ergebnis(int port, int rc) {
    if (rc == 0 || !Getrennt(port)) return rc;
    Weg()[static_cast<std::size_t>(port)] = true;
    return QavFehler::Getrennt;
}

int Anfrage(int port, const std::string& rahmen, bool mitAntwort, const Codes& c) {
    if (Getrennt(port)) return QavFehler::Getrennt;
    return Ergebnis(port, Schritte(port, rahmen, mitAntwort, c));
}

bool ZeileLesen(int port, std::size_t max, std::string& zeile) {
    SeriellerPort* p = Port(port);
    zeile.clear();
    if (!p) return false;
    while (zeile.size() < max) {
        int b = p->ByteLesen();
        if (b < 0) return false;
        zeile.push_back(static_cast<char>(b));
        if (b == Protokoll::kCR) break;
    }
    return true;
}

} // namespace Verbindung
