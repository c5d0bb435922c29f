#include "device/PortTabelle.h"

#include <array>
#include <mutex>

namespace {

std::array<std::string, 8> Standard() {
    std::array<std::string, 8> t;
    for (int i = 0; i < 4; ++i) {
        t[i] = "/dev/ttyS" + std::to_string(i);
        t[i + 4] = "/dev/ttyUSB" + std::to_string(i);
    }
    return t;
}

std::mutex sgMutex;
std::array<std::string, 8> sgTabelle = Standard();

} // namespace

std::string PortPfad(int nr) {
    if (nr < 1 || nr > 8) return {};
    std::lock_guard lock(sgMutex);
    return sgTabelle[nr - 1];
}

void PortPfadSetzen(int nr, const std::string& pfad) {
    if (nr < 1 || nr > 8) return;
    std::lock_guard lock(sgMutex);
    sgTabelle[nr - 1] = pfad;
}

void PortTabelleZuruecksetzen() {
    std::lock_guard lock(sgMutex);
    sgTabelle = Standard();
}
