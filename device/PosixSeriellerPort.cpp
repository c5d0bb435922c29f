#include "device/PosixSeriellerPort.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace {

PortFabrik& Fabrik() {
    static PortFabrik f;
    return f;
}

speed_t BaudKonstante(int baud) {
    switch (baud) {
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    default: return B0;
    }
}

// Slave side of a Unix98 pseudo-terminal (majors 136..143).
bool IstPseudoTerminal(int fd) {
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) return false;
    unsigned m = major(st.st_rdev);
    return m >= 136 && m <= 143;
}

// The errors with which the kernel reports a device that is no longer
// there: a USB adapter pulled, a terminal hung up, a pseudo-terminal whose
// other side closed.
bool GeraetFort(int fehler) { return fehler == EIO || fehler == ENXIO || fehler == ENODEV || fehler == EBADF; }

} // namespace

void PortFabrikSetzen(PortFabrik fabrik) { Fabrik() = std::move(fabrik); }

std::unique_ptr<SeriellerPort> NeuerSeriellerPort() {
    if (Fabrik()) return Fabrik()();
    return std::make_unique<PosixSeriellerPort>();
}

PosixSeriellerPort::~PosixSeriellerPort() { Schliessen(); }

int PosixSeriellerPort::Fehlschlag() {
    if (GeraetFort(errno)) weg_ = true;
    return -1;
}

int PosixSeriellerPort::LeitungEinstellen(int fd, int baud) {
    speed_t speed = BaudKonstante(baud);
    if (speed == B0) return -1;
    termios t{};
    if (tcgetattr(fd, &t) != 0) return -1;
    cfmakeraw(&t);
    t.c_cflag &= ~(CSIZE | CSTOPB | CRTSCTS);
    t.c_cflag |= CS7 | PARENB | PARODD | CREAD | CLOCAL;
    t.c_iflag &= ~(IXON | IXOFF | IXANY | ISTRIP | ICRNL | INLCR | IGNCR);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (cfsetispeed(&t, speed) != 0 || cfsetospeed(&t, speed) != 0) return -1;
    if (tcsetattr(fd, TCSANOW, &t) == 0) return 0;
    // A pseudo-terminal has no wire and keeps 8 bits without parity; glibc
    // reports that as EINVAL. Accept it there if everything else took effect.
    if (errno != EINVAL || !IstPseudoTerminal(fd)) return -1;
    termios ist{};
    if (tcgetattr(fd, &ist) != 0) return -1;
    bool roh = (ist.c_lflag & (ICANON | ECHO | ISIG | IEXTEN)) == 0 && (ist.c_oflag & OPOST) == 0 &&
               (ist.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP)) == 0;
    return roh && cfgetispeed(&ist) == speed && cfgetospeed(&ist) == speed ? 0 : -1;
}

int PosixSeriellerPort::Oeffnen(const std::string& pfad, int baud) {
    Schliessen();
    // O_NONBLOCK only so that the open does not wait for carrier.
    int fd = ::open(pfad.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    // errno of the failing step survives the close, so the caller can say why.
    auto aufgeben = [fd](bool exklusiv) {
        const int grund = errno;
        if (exklusiv) ioctl(fd, TIOCNXCL);
        ::close(fd);
        errno = grund;
        return -1;
    };
    // TIOCEXCL alone does not stop a privileged second opener; the lock does,
    // also between two port numbers of one process that name the same device.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        errno = EBUSY;
        return aufgeben(false);
    }
    if (ioctl(fd, TIOCEXCL) != 0 || LeitungEinstellen(fd, baud) != 0) return aufgeben(false);
    int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return aufgeben(true);
    fd_ = fd;
    weg_ = false;
    puffer_.clear();
    pufferPos_ = 0;
    return 0;
}

int PosixSeriellerPort::Schliessen() {
    if (fd_ < 0) return -1;
    // The exclusive flag belongs to the terminal, not to this descriptor: a
    // pseudo-terminal whose other side stays open would keep refusing opens.
    ioctl(fd_, TIOCNXCL);
    int rc = ::close(fd_);
    fd_ = -1;
    weg_ = false;
    puffer_.clear();
    pufferPos_ = 0;
    return rc == 0 ? 0 : -1;
}

int PosixSeriellerPort::ZeitlimitSetzen(double sekunden) {
    if (fd_ < 0 || !(sekunden >= 0.0) || sekunden > 1e6) return -1;
    zeitlimitMs_ = static_cast<int>(std::ceil(sekunden * 1000.0));
    return 0;
}

long PosixSeriellerPort::Schreiben(const char* daten, std::size_t anzahl) {
    if (fd_ < 0) return -1;
    std::size_t geschrieben = 0;
    while (geschrieben < anzahl) {
        ssize_t n = ::write(fd_, daten + geschrieben, anzahl - geschrieben);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fehlschlag();
            return geschrieben > 0 ? static_cast<long>(geschrieben) : -1;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    return static_cast<long>(geschrieben);
}

int PosixSeriellerPort::SendeWarteschlange() {
    int n = 0;
    if (fd_ < 0) return -1;
    if (ioctl(fd_, TIOCOUTQ, &n) != 0) return Fehlschlag();
    return n;
}

int PosixSeriellerPort::SendenAbwarten() {
    if (fd_ < 0) return -1;
    while (tcdrain(fd_) != 0) {
        if (errno != EINTR) return Fehlschlag();
    }
    return 0;
}

int PosixSeriellerPort::ByteLesen() {
    if (fd_ < 0) return -2;
    if (pufferPos_ < puffer_.size()) return puffer_[pufferPos_++];
    using Uhr = std::chrono::steady_clock;
    const auto ende = Uhr::now() + std::chrono::milliseconds(zeitlimitMs_);
    for (;;) {
        auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(ende - Uhr::now()).count();
        if (rest < 0) rest = 0;
        pollfd p{fd_, POLLIN, 0};
        int r = ::poll(&p, 1, static_cast<int>(rest));
        if (r < 0) {
            if (errno == EINTR) continue;
            Fehlschlag();
            return -2;
        }
        if (r == 0) return -1;
        if (p.revents & POLLIN) {
            unsigned char b[256];
            ssize_t n = ::read(fd_, b, sizeof b);
            if (n > 0) {
                puffer_.assign(b, b + n);
                pufferPos_ = 1;
                return puffer_[0];
            }
            if (n < 0 && errno != EINTR && errno != EAGAIN) {
                Fehlschlag();
                return -2;
            }
        }
        // A hung-up terminal also reports itself readable and then reads
        // nothing; without this the loop would spin until the time-out.
        if (p.revents & (POLLHUP | POLLNVAL)) {
            weg_ = true;
            return -2;
        }
        if (p.revents & POLLERR) return -2;
        if (Uhr::now() >= ende) return -1;
    }
}

bool PosixSeriellerPort::geraetWegPruefen() {
    if (fd_ < 0 || weg_) return weg_;
    // No events asked for: poll still reports a hang-up or a dead descriptor.
    pollfd p{fd_, 0, 0};
    if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLNVAL))) weg_ = true;
    return weg_;
}

int PosixSeriellerPort::EmpfangLeeren() {
    if (fd_ < 0) return -1;
    puffer_.clear();
    pufferPos_ = 0;
    return tcflush(fd_, TCIFLUSH) == 0 ? 0 : Fehlschlag();
}

int PosixSeriellerPort::SendenLeeren() {
    if (fd_ < 0) return -1;
    return tcflush(fd_, TCOFLUSH) == 0 ? 0 : Fehlschlag();
}
