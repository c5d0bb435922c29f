#pragma once
// Serial port on a POSIX terminal device (termios).
#include "device/SeriellerPort.h"

#include <vector>

class PosixSeriellerPort : public SeriellerPort {
  public:
    PosixSeriellerPort() = default;
    ~PosixSeriellerPort() override;
    PosixSeriellerPort(const PosixSeriellerPort&) = delete;
    PosixSeriellerPort& operator=(const PosixSeriellerPort&) = delete;

    int Oeffnen(const std::string& pfad, int baud) override;
    int Schliessen() override;
    int ZeitlimitSetzen(double sekunden) override;
    long Schreiben(const char* daten, std::size_t anzahl) override;
    int SendeWarteschlange() override;
    int SendenAbwarten() override;
    int ByteLesen() override;
    int EmpfangLeeren() override;
    int SendenLeeren() override;
    bool geraetWeg() const override { return weg_; }
    bool geraetWegPruefen() override;

    // Applies the box's line settings to an open terminal descriptor; the
    // simulator uses it for its pseudo-terminal.
    static int LeitungEinstellen(int fd, int baud);

  private:
    // -1, noting whether errno says the device has left.
    int Fehlschlag();

    int fd_ = -1;
    bool weg_ = false;
    int zeitlimitMs_ = 500;
    // Bytes already taken from the kernel but not yet handed out.
    std::vector<unsigned char> puffer_;
    std::size_t pufferPos_ = 0;
};
