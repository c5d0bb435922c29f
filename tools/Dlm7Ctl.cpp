#include "tools/Dlm7Ctl.h"

#include "device/Blocktransfer.h"
#include "device/PortSuche.h"
#include "device/PortTabelle.h"
#include "device/Protokoll.h"
#include "device/Qavksv5.h"
#include "kern/Dezimal.h"
#include "kern/Fehlermeldungen.h"
#include "tools/BildBefehle.h"
#include "tools/KennlinieBefehle.h"
#include "tools/KurvenBefehle.h"
#include "tools/VergleichBefehle.h"

#include <charconv>
#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>

namespace {

// The number the program uses for a port given as a device path.
constexpr int kPfadPort = 1;

const char* const kVerwendung =
    "Verwendung: dlm7ctl [--port PORT] [--adresse C] [--baud N] [--timeout SEK] [--konfig DATEI.dlo] BEFEHL "
    "[ARGUMENTE]\n"
    "  PORT: Gerätepfad (/dev/ttyUSB0, /dev/pts/7) oder com1..com8 (Standard com1)\n"
    "  Befehle:\n"
    "    id                         Gerätekennung lesen\n"
    "    start | stopp              Gerät starten / stoppen\n"
    "    eingang N                  Eingang N (1..4) lesen\n"
    "    ausgang N WERT             Ausgang N (1..4) auf WERT (0..10) setzen\n"
    "    status R                   Statusregister R (1 oder 2) lesen\n"
    "    modus                      Modusregister lesen\n"
    "    modus-setzen MASKE         Bits der Hex-MASKE im Modusregister setzen\n"
    "    modus-loeschen MASKE       Bits der Hex-MASKE im Modusregister löschen\n"
    "    speicher-lesen START ANZAHL   Kurvenspeicher lesen (Ausgabe hex)\n"
    "    speicher-schreiben START HEX  Bytes in den Kurvenspeicher schreiben\n"
    "    scan                       Adressen 1..9 nach Geräten absuchen\n"
    "    ports                      vorhandene serielle Geräte auflisten (Pfad TAB Beschreibung)\n"
    "  --pruefen (bei kennlinie-senden und kurven-senden): nach dem Schreiben zurücklesen und vergleichen\n";

struct Verwendungsfehler {};

// Decimal or 0x-hex, the whole text.
long Zahl(const std::string& s) {
    int basis = 10;
    std::size_t pos = 0;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        basis = 16;
        pos = 2;
    }
    long v = 0;
    auto [ende, ec] = std::from_chars(s.data() + pos, s.data() + s.size(), v, basis);
    if (pos == s.size() || ec != std::errc{} || ende != s.data() + s.size()) throw Verwendungsfehler{};
    return v;
}

double Wert(const std::string& s) {
    // A value the driver's range check must see, so NaN and inf count as numbers here.
    if (s == "nan" || s == "inf" || s == "-inf") return std::strtod(s.c_str(), nullptr);
    double v = 0.0;
    if (!DezimalLesen(s, v)) throw Verwendungsfehler{};
    return v;
}

unsigned char Maske(const std::string& s) {
    std::string ziffern = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X') ? s.substr(2) : s;
    long v = ziffern.empty() || ziffern.size() > 2 ? -1 : Protokoll::HexLesen(ziffern, 0, ziffern.size());
    if (v < 0) throw Verwendungsfehler{};
    return static_cast<unsigned char>(v);
}

std::vector<unsigned char> HexBytes(const std::string& s) {
    if (s.size() % 2 != 0) throw Verwendungsfehler{};
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        long b = Protokoll::HexLesen(s, i, 2);
        if (b < 0) throw Verwendungsfehler{};
        bytes.push_back(static_cast<unsigned char>(b));
    }
    return bytes;
}

std::string ZweiHex(unsigned char b) { return Protokoll::Hex(b, 2); }

// Resolves PORT to a port number; a path is put into the table. The number
// of "comN" is left to the driver's own range check.
std::optional<int> PortNummer(const std::string& port) {
    if (port.size() > 3 && port.size() <= 6 && (port.compare(0, 3, "com") == 0 || port.compare(0, 3, "COM") == 0) &&
        port.find_first_not_of("0123456789", 3) == std::string::npos)
        return std::stoi(port.substr(3));
    if (!port.empty() && port[0] == '/') {
        PortPfadSetzen(kPfadPort, port);
        return kPfadPort;
    }
    return std::nullopt;
}

int Befehl(int port, char a, const std::string& befehl, const std::vector<std::string>& arg, std::ostream& aus) {
    auto anzahl = [&](std::size_t n) {
        if (arg.size() != n) throw Verwendungsfehler{};
    };
    if (befehl == "id") {
        anzahl(0);
        std::string text;
        int rc = QAVKSV5_IDLesen(port, a, text);
        if (rc == 0) aus << text << '\n';
        return rc;
    }
    if (befehl == "start" || befehl == "stopp") {
        anzahl(0);
        return QAVKSV5_DeviceFunction(port, a, befehl);
    }
    if (befehl == "eingang") {
        anzahl(1);
        double v = 0;
        int rc = QAVKSV5_EingangLesen(port, a, "e" + arg[0], v);
        if (rc == 0) aus << DezimalKurz(v) << '\n';
        return rc;
    }
    if (befehl == "ausgang") {
        anzahl(2);
        return QAVKSV5_AusgangSchreiben(port, a, "a" + arg[0], Wert(arg[1]));
    }
    if (befehl == "status") {
        anzahl(1);
        long r = Zahl(arg[0]);
        unsigned char b = 0;
        int rc = QAVKSV5_StatusLesen(port, a, r < -1000 || r > 1000 ? 0 : static_cast<int>(r), b);
        if (rc == 0) aus << ZweiHex(b) << '\n';
        return rc;
    }
    if (befehl == "modus") {
        anzahl(0);
        unsigned char b = 0;
        int rc = QAVKSV5_ModusLesen(port, a, b);
        if (rc == 0) aus << ZweiHex(b) << '\n';
        return rc;
    }
    if (befehl == "modus-setzen" || befehl == "modus-loeschen") {
        anzahl(1);
        return QAVKSV5_ModusSchreiben(port, a, befehl == "modus-setzen", Maske(arg[0]));
    }
    if (befehl == "speicher-lesen") {
        anzahl(2);
        const long start = Zahl(arg[0]);
        const long laenge = Zahl(arg[1]);
        std::vector<unsigned char> daten(static_cast<std::size_t>(std::clamp(laenge, 0L, 65536L)));
        if (int rc = SpeicherBlockweiseLesen(port, a, start, laenge, daten.data()); rc != 0) return rc;
        std::string zeile;
        for (auto b : daten) zeile += ZweiHex(b);
        aus << zeile << '\n';
        return 0;
    }
    if (befehl == "speicher-schreiben") {
        anzahl(2);
        const std::vector<unsigned char> daten = HexBytes(arg[1]);
        return SpeicherBlockweiseSchreiben(port, a, Zahl(arg[0]), daten.data(), static_cast<long>(daten.size()));
    }
    if (befehl == "scan") {
        anzahl(0);
        for (char ziel = '1'; ziel <= '9'; ++ziel) {
            std::string text;
            if (QAVKSV5_IDLesen(port, ziel, text) == 0) aus << ziel << ' ' << text << '\n';
        }
        return 0;
    }
    throw Verwendungsfehler{};
}

} // namespace

int Dlm7CtlAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& err) {
    std::string port = "com1";
    std::string adresse = "1";
    std::string konfig;
    int baud = 9600;
    double zeitlimit = 0.5;
    bool pruefen = false;
    std::size_t i = 0;
    try {
        for (; i < argumente.size(); ++i) {
            std::string o = argumente[i];
            if (o.rfind("--", 0) != 0) break;
            if (o == "--pruefen") {
                pruefen = true;
                continue;
            }
            std::string wert;
            auto gleich = o.find('=');
            if (gleich != std::string::npos) {
                wert = o.substr(gleich + 1);
                o = o.substr(0, gleich);
            } else if (i + 1 < argumente.size()) {
                wert = argumente[++i];
            } else {
                throw Verwendungsfehler{};
            }
            if (o == "--port")
                port = wert;
            else if (o == "--adresse")
                adresse = wert;
            else if (o == "--baud")
                baud = static_cast<int>(Zahl(wert));
            else if (o == "--timeout")
                zeitlimit = Wert(wert);
            else if (o == "--konfig")
                konfig = wert;
            else
                throw Verwendungsfehler{};
        }
        if (i >= argumente.size() || adresse.size() != 1) throw Verwendungsfehler{};
        std::optional<int> nr = PortNummer(port);
        if (!nr) throw Verwendungsfehler{};
        const std::string befehl = argumente[i];
        std::vector<std::string> arg;
        for (std::size_t j = i + 1; j < argumente.size(); ++j) {
            // The sends also take the check among their arguments.
            if (argumente[j] == "--pruefen")
                pruefen = true;
            else
                arg.push_back(argumente[j]);
        }
        if (pruefen && befehl != "kennlinie-senden" && befehl != "kurven-senden") throw Verwendungsfehler{};
        if (befehl == "ports") {
            // Needs no box and opens no port.
            if (!arg.empty() || !konfig.empty() || pruefen) throw Verwendungsfehler{};
            for (const SeriellesGeraet& g : SerielleGeraete()) aus << g.pfad << '\t' << g.beschreibung << '\n';
            return 0;
        }
        if (IstBildBefehl(befehl)) {
            if (pruefen) throw Verwendungsfehler{};
            const int status = BildBefehl(befehl, arg, konfig, err);
            if (status == 2) throw Verwendungsfehler{};
            return status;
        }
        if (IstVergleichBefehl(befehl)) {
            const int status =
                VergleichBefehl(befehl, arg, {*nr, baud, zeitlimit, adresse[0], konfig, pruefen}, aus, err);
            if (status == 2) throw Verwendungsfehler{};
            return status;
        }
        if (IstKennlinienBefehl(befehl)) {
            const int status =
                KennlinienBefehl(befehl, arg, {*nr, baud, zeitlimit, adresse[0], konfig, pruefen}, aus, err);
            if (status == 2) throw Verwendungsfehler{};
            return status;
        }

        const MitGeraet mitGeraet = [&](const std::function<int(int, char)>& schritt) {
            int rc = QAVKSV5_Open(*nr, baud);
            if (rc == 0) rc = QAVKSV5_Timeout(*nr, zeitlimit);
            if (rc != 0) return rc;
            try {
                rc = schritt(*nr, adresse[0]);
            } catch (...) {
                QAVKSV5_Close(*nr);
                throw;
            }
            QAVKSV5_Close(*nr);
            return rc;
        };
        int rc = 0;
        if (const auto kurven = KurvenBefehl(befehl, arg, konfig, pruefen, mitGeraet, err)) {
            if (*kurven == kKurvenBefehlVerwendung) throw Verwendungsfehler{};
            rc = *kurven;
        } else {
            if (!konfig.empty()) throw Verwendungsfehler{}; // only the curve commands take a configuration
            rc = mitGeraet([&](int port, char a) { return Befehl(port, a, befehl, arg, aus); });
        }
        if (rc != 0) {
            err << "Fehler #" << -static_cast<long>(rc) << ": " << QAV_Fehlermeldung(rc) << '\n';
            return 1;
        }
        return 0;
    } catch (const Verwendungsfehler&) {
        err << kVerwendung << kKennlinienVerwendung << kKurvenBefehleHilfe << kBildVerwendung << kVergleichVerwendung;
        return 2;
    }
}
