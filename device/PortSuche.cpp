#include "device/PortSuche.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <tuple>

namespace fs = std::filesystem;

namespace {

std::mutex sgMutex;
std::string sgWurzel = "/";

std::string Wurzel() {
    std::lock_guard lock(sgMutex);
    return sgWurzel;
}

// Text of a small sysfs file without the line break; "" if unreadable.
std::string Lesen(const fs::path& datei) {
    std::ifstream ein(datei);
    std::string zeile;
    if (!ein || !std::getline(ein, zeile)) return {};
    while (!zeile.empty() && (zeile.back() == '\r' || zeile.back() == ' ')) zeile.pop_back();
    return zeile;
}

// ttyUSB10 after ttyUSB2.
bool NameVor(const std::string& a, const std::string& b) {
    auto teilen = [](const std::string& s) {
        std::size_t i = s.size();
        while (i > 0 && s[i - 1] >= '0' && s[i - 1] <= '9') --i;
        const std::string ziffern = s.substr(i);
        return std::make_tuple(s.substr(0, i), ziffern.size(), ziffern);
    };
    return teilen(a) < teilen(b);
}

std::vector<std::string> Eintraege(const fs::path& ordner) {
    std::vector<std::string> namen;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec))
        namen.push_back(it->path().filename().string());
    std::sort(namen.begin(), namen.end(), NameVor);
    return namen;
}

bool BeginntMit(const std::string& s, const std::string& anfang) { return s.rfind(anfang, 0) == 0; }

// "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0" -> "FTDI FT232R USB UART A50285BI".
std::string AdapterName(std::string name) {
    for (const char* vorn : {"usb-", "pci-", "platform-"})
        if (BeginntMit(name, vorn)) {
            name.erase(0, std::string(vorn).size());
            break;
        }
    for (;;) {
        const auto strich = name.rfind('-');
        if (strich == std::string::npos) break;
        const std::string teil = name.substr(strich + 1);
        if (!BeginntMit(teil, "if") && !BeginntMit(teil, "port")) break;
        name.erase(strich);
    }
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

// The USB device's own words for ttyUSBn / ttyACMn, if sysfs has them.
std::string UsbBeschreibung(const fs::path& klasse, const std::string& tty) {
    const fs::path geraet = klasse / tty / "device";
    for (const char* hoch : {"..", "../.."}) {
        const std::string produkt = Lesen(geraet / hoch / "product");
        if (produkt.empty()) continue;
        const std::string hersteller = Lesen(geraet / hoch / "manufacturer");
        return hersteller.empty() || BeginntMit(produkt, hersteller) ? produkt : hersteller + " " + produkt;
    }
    return BeginntMit(tty, "ttyACM") ? "USB-Gerät (CDC-ACM)" : "USB-Seriell-Adapter";
}

// A ttyS line exists for every possible legacy port; only those with a UART
// found by the kernel are real. sysfs says so in "type" (0 = no UART); where
// that file is missing, a line that only the placeholder driver holds is none.
bool UartVorhanden(const fs::path& klasse, const std::string& tty) {
    std::error_code ec;
    if (!fs::exists(klasse / tty / "device", ec)) return false;
    const std::string typ = Lesen(klasse / tty / "type");
    if (!typ.empty()) return typ.find_first_not_of('0') != std::string::npos;
    const fs::path treiber = fs::read_symlink(klasse / tty / "device" / "driver", ec);
    return !ec && treiber.filename() != "serial8250";
}

} // namespace

void GeraeteWurzelSetzen(const std::string& wurzel) {
    std::lock_guard lock(sgMutex);
    sgWurzel = wurzel.empty() ? "/" : wurzel;
}

std::vector<SeriellesGeraet> SerielleGeraete() {
    const fs::path wurzel = Wurzel();
    const fs::path dev = wurzel / "dev";
    const fs::path klasse = wurzel / "sys" / "class" / "tty";
    std::vector<SeriellesGeraet> liste;
    std::set<std::string> vergeben; // kernel names already offered by their stable name
    std::error_code ec;

    for (const std::string& name : Eintraege(dev / "serial" / "by-id")) {
        const fs::path ziel = fs::read_symlink(dev / "serial" / "by-id" / name, ec);
        std::string tty = ec ? std::string() : ziel.filename().string();
        std::string beschreibung = AdapterName(name);
        if (!tty.empty()) {
            vergeben.insert(tty);
            beschreibung += " (" + tty + ")";
        }
        liste.push_back({"/dev/serial/by-id/" + name, beschreibung});
    }

    std::vector<std::string> usb, uart;
    for (const std::string& name : Eintraege(dev)) {
        if (vergeben.count(name)) continue;
        if (BeginntMit(name, "ttyUSB") || BeginntMit(name, "ttyACM"))
            usb.push_back(name);
        else if (BeginntMit(name, "ttyS") && UartVorhanden(klasse, name))
            uart.push_back(name);
    }
    // ttyACM and ttyUSB in one sorted group, by kind first.
    for (const std::string& name : usb)
        if (BeginntMit(name, "ttyUSB")) liste.push_back({"/dev/" + name, UsbBeschreibung(klasse, name)});
    for (const std::string& name : usb)
        if (BeginntMit(name, "ttyACM")) liste.push_back({"/dev/" + name, UsbBeschreibung(klasse, name)});
    for (const std::string& name : uart) liste.push_back({"/dev/" + name, "Serielle Schnittstelle"});
    return liste;
}
