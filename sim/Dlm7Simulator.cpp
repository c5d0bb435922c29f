#include "sim/Dlm7Simulator.h"

#include "device/PosixSeriellerPort.h"
#include "device/Protokoll.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Bytes of a request or answer as readable text for the trace.
std::string Lesbar(const std::string& bytes) {
    std::string s;
    for (char c : bytes) {
        switch (c) {
        case Protokoll::kACK: s += "<ACK>"; break;
        case Protokoll::kNAK: s += "<NAK>"; break;
        case Protokoll::kCAN: s += "<CAN>"; break;
        case Protokoll::kCR: s += "<CR>"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "<%02X>", static_cast<unsigned char>(c));
                s += hex;
            } else {
                s += c;
            }
        }
    }
    return s;
}

// Position of the first data character after the echoed header of a line.
std::size_t Datenbeginn(const std::string& zeile) {
    if (zeile.compare(2, 3, "BDR") == 0) return 14;
    if (zeile.size() > 5 && zeile[5] == '$') return 6;
    if (zeile.size() > 2 && zeile[2] == 'V') return 5;
    return 2;
}

std::string Verderben(Dlm7Simulator::Zeilenfehler art, std::string zeile) {
    using Z = Dlm7Simulator::Zeilenfehler;
    if (zeile.size() < 3) return zeile;
    switch (art) {
    case Z::Keiner: break;
    case Z::FalschesEcho: zeile[1] = zeile[1] == '1' ? '2' : '1'; break;
    case Z::OhneCR:
        if (zeile.back() == Protokoll::kCR) zeile.pop_back();
        break;
    case Z::FalscheHexziffer: {
        std::size_t pos = Datenbeginn(zeile);
        if (pos + 1 < zeile.size()) zeile[pos] = pos == 2 ? ' ' : 'G';
        break;
    }
    case Z::FalschePruefsumme:
        if (zeile.compare(2, 3, "BDR") == 0 && zeile.size() >= 19) {
            std::size_t pos = zeile.size() - 5;
            long summe = Protokoll::HexLesen(zeile, pos, 4);
            zeile.replace(pos, 4, Protokoll::Hex(static_cast<unsigned long>(summe + 1) & 0xFFFF, 4));
        }
        break;
    }
    return zeile;
}

} // namespace

Dlm7Simulator::Dlm7Simulator() : Dlm7Simulator(Einstellungen{}) {}

Dlm7Simulator::Dlm7Simulator(Einstellungen e) : einstellungen_(std::move(e)) {
    geraet_.adresse = einstellungen_.adresse;
    geraet_.kennung = einstellungen_.kennung;
    geraet_.baud = einstellungen_.baud;
    takt_ = einstellungen_.takt;
}

Dlm7Simulator::~Dlm7Simulator() { Beenden(); }

bool Dlm7Simulator::Starten(std::string& fehler) {
    if (!einstellungen_.eepromDatei.empty() && !geraet_.speicher.DateiVerwenden(einstellungen_.eepromDatei, fehler))
        return false;
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128];
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0) {
        fehler = "Pseudo-Terminal kann nicht angelegt werden";
        Beenden();
        return false;
    }
    slavePfad_ = name;
    termios t{};
    if (tcgetattr(master_, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(master_, TCSANOW, &t);
    }
    // Holding the slave open keeps the line alive between two openers of the
    // port and lets the slave carry the box's line settings from the start.
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0 || PosixSeriellerPort::LeitungEinstellen(slave_, geraet_.baud) != 0 ||
        pipe2(weckRohr_, O_CLOEXEC | O_NONBLOCK) != 0) {
        fehler = "Pseudo-Terminal kann nicht eingestellt werden";
        Beenden();
        return false;
    }
    ende_ = false;
    faden_ = std::thread([this] { Schleife(); });
    return true;
}

void Dlm7Simulator::Beenden() {
    if (faden_.joinable()) {
        ende_ = true;
        char c = 1;
        [[maybe_unused]] auto r = ::write(weckRohr_[1], &c, 1);
        faden_.join();
    }
    Sichern();
    for (int* fd : {&master_, &slave_, &weckRohr_[0], &weckRohr_[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

double Dlm7Simulator::Jetzt() const { return std::chrono::duration<double>(Uhr::now() - beginn_).count(); }

Dlm7Simulator::Uhr::duration Dlm7Simulator::Zeichenzeit() const {
    int baud = geraet_.baud > 0 ? geraet_.baud : 9600;
    return std::chrono::duration_cast<Uhr::duration>(std::chrono::duration<double>(10.0 / baud));
}

void Dlm7Simulator::Protokollieren(const char* richtung, const std::string& bytes) {
    if (!einstellungen_.trace) return;
    std::ostream& aus = einstellungen_.traceZiel ? *einstellungen_.traceZiel : std::cerr;
    char zeit[32];
    std::snprintf(zeit, sizeof zeit, "[%11.6f] ", Jetzt());
    aus << zeit << richtung << ' ' << Lesbar(bytes) << std::endl;
}

void Dlm7Simulator::Schleife() {
    std::string rahmen;
    bool imRahmen = false;
    Uhr::time_point ankunft{};
    while (!ende_) {
        int warten;
        {
            std::lock_guard lock(mutex_);
            bool aktiv = geraet_.Laufzustand() != SimGeraet::Lauf::Gestoppt ||
                         (geraet_.speicher.Modus() & SimGeraet::kModusStartEingang);
            warten = aktiv ? 1 : (geraet_.speicher.Geaendert() ? 50 : 500);
        }
        pollfd p[2] = {{master_, POLLIN, 0}, {weckRohr_[0], POLLIN, 0}};
        int r = ::poll(p, 2, warten);
        if (r < 0 && errno != EINTR) break;
        if (p[1].revents & POLLIN) {
            char puffer[64];
            while (::read(weckRohr_[0], puffer, sizeof puffer) > 0) {}
        }
        if (p[0].revents & POLLIN) {
            unsigned char puffer[4096];
            ssize_t n = ::read(master_, puffer, sizeof puffer);
            auto jetzt = Uhr::now();
            bool takt, gezogen;
            Uhr::duration zeichen;
            {
                std::lock_guard lock(mutex_);
                takt = takt_;
                gezogen = kabelGezogen_;
                zeichen = Zeichenzeit();
            }
            for (ssize_t i = 0; i < n; ++i) {
                // With pacing a byte counts as received once its ten bits passed.
                ankunft = takt ? std::max(jetzt, ankunft) + zeichen : jetzt;
                if (gezogen) continue;
                char c = static_cast<char>(puffer[i]);
                if (c == Protokoll::kStart) {
                    rahmen.assign(1, c);
                    imRahmen = true;
                } else if (imRahmen) {
                    rahmen += c;
                    if (c == Protokoll::kCR) {
                        imRahmen = false;
                        RahmenBearbeiten(rahmen, ankunft);
                    } else if (rahmen.size() > 200) {
                        imRahmen = false;
                    }
                }
            }
        } else if (p[0].revents & (POLLHUP | POLLERR)) {
            ::poll(nullptr, 0, 10);
        }
        std::lock_guard lock(mutex_);
        geraet_.Fortschreiben(Jetzt());
        if (geraet_.speicher.Geaendert() && Uhr::now() - letzteAenderung_ > std::chrono::milliseconds(100))
            geraet_.speicher.Sichern();
    }
}

void Dlm7Simulator::RahmenBearbeiten(const std::string& rahmen, Uhr::time_point ankunft) {
    std::string antwort;
    std::chrono::milliseconds verzoegerung;
    bool takt;
    {
        std::lock_guard lock(mutex_);
        anfragen_.push_back(rahmen);
        anfrageDa_.notify_all();
        Protokollieren("<-", rahmen);
        bool anMich = rahmen.size() > 2 && rahmen[1] == geraet_.adresse;
        if (anMich && stoerungAnzahl_ > 0) {
            --stoerungAnzahl_;
            switch (stoerung_) {
            case Stoerung::Nak: antwort.assign(1, Protokoll::kNAK); break;
            case Stoerung::Can: antwort.assign(1, Protokoll::kCAN); break;
            case Stoerung::Streubyte: antwort.assign(1, '?'); break;
            case Stoerung::Stille:
            case Stoerung::Keine: break;
            }
        } else if (const auto* weiteres = WeiteresGeraet(rahmen)) {
            if (rahmen.size() == 6 && rahmen.compare(2, 4, "IDR\r") == 0)
                antwort = std::string(1, Protokoll::kACK) + '#' + weiteres->first + weiteres->second + '\r';
            else
                antwort.assign(1, Protokoll::kNAK);
        } else {
            antwort = geraet_.Bearbeiten(rahmen, Jetzt());
            letzteAenderung_ = Uhr::now();
            if (antwort.size() > 1 && antwort[0] == Protokoll::kACK && filterAnzahl_ > 0) {
                --filterAnzahl_;
                antwort = antwort[0] + filter_(antwort.substr(1));
            }
        }
        verzoegerung = verzoegerung_;
        takt = takt_;
        if (!antwort.empty()) Protokollieren("->", antwort);
    }
    if (antwort.empty()) return;
    auto ab = std::max(ankunft, Uhr::now()) + verzoegerung;
    if (!takt) std::this_thread::sleep_until(ab);
    Senden(antwort, ab);
}

const std::pair<char, std::string>* Dlm7Simulator::WeiteresGeraet(const std::string& rahmen) const {
    if (rahmen.size() < 2 || rahmen[1] == geraet_.adresse) return nullptr;
    for (const auto& g : einstellungen_.weitereGeraete)
        if (g.first == rahmen[1]) return &g;
    return nullptr;
}

void Dlm7Simulator::Senden(const std::string& bytes, Uhr::time_point ab) {
    bool takt;
    Uhr::duration zeichen;
    {
        std::lock_guard lock(mutex_);
        takt = takt_;
        zeichen = Zeichenzeit();
    }
    if (!takt) {
        std::size_t gesendet = 0;
        while (gesendet < bytes.size()) {
            ssize_t n = ::write(master_, bytes.data() + gesendet, bytes.size() - gesendet);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return;
            gesendet += static_cast<std::size_t>(n);
        }
        return;
    }
    // Each byte is handed over when its last bit would have arrived.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::this_thread::sleep_until(ab + zeichen * static_cast<long>(i + 1));
        if (::write(master_, &bytes[i], 1) != 1) return;
    }
}

void Dlm7Simulator::StoerungSetzen(Stoerung art, int anzahl) {
    std::lock_guard lock(mutex_);
    stoerung_ = art;
    stoerungAnzahl_ = art == Stoerung::Keine ? 0 : anzahl;
}

void Dlm7Simulator::ZeilenfehlerSetzen(Zeilenfehler art, int anzahl) {
    ZeilenfilterSetzen([art](const std::string& z) { return Verderben(art, z); },
                       art == Zeilenfehler::Keiner ? 0 : anzahl);
}

void Dlm7Simulator::SpeicherfehlerSetzen(long adresse) {
    std::lock_guard lock(mutex_);
    geraet_.defekteZelle = adresse;
}

void Dlm7Simulator::ZeilenfilterSetzen(std::function<std::string(const std::string&)> filter, int anzahl) {
    std::lock_guard lock(mutex_);
    filter_ = std::move(filter);
    filterAnzahl_ = filter_ ? anzahl : 0;
}

void Dlm7Simulator::VerzoegerungSetzen(std::chrono::milliseconds verzoegerung) {
    std::lock_guard lock(mutex_);
    verzoegerung_ = verzoegerung;
}

void Dlm7Simulator::TaktSetzen(bool takt) {
    std::lock_guard lock(mutex_);
    takt_ = takt;
}

void Dlm7Simulator::KabelGezogen(bool gezogen) {
    std::lock_guard lock(mutex_);
    kabelGezogen_ = gezogen;
}

int Dlm7Simulator::Ausgang(int k) const {
    std::lock_guard lock(mutex_);
    geraet_.Fortschreiben(Jetzt());
    return geraet_.ausgaenge.at(static_cast<std::size_t>(k - 1));
}

void Dlm7Simulator::AusgangSetzen(int k, int roh) {
    std::lock_guard lock(mutex_);
    geraet_.ausgaenge.at(static_cast<std::size_t>(k - 1)) = roh;
}

double Dlm7Simulator::Eingang(int k) const {
    std::lock_guard lock(mutex_);
    geraet_.Fortschreiben(Jetzt());
    return geraet_.Eingang(k - 1, Jetzt());
}

void Dlm7Simulator::EingangSignal(int k, std::optional<SimSignal> signal) {
    std::lock_guard lock(mutex_);
    geraet_.signale.at(static_cast<std::size_t>(k - 1)) = signal;
}

void Dlm7Simulator::GeneratorRueckfuehrungSetzen(bool an) {
    std::lock_guard lock(mutex_);
    geraet_.generatorRueckfuehrung = an;
}

unsigned char Dlm7Simulator::Modus() const {
    std::lock_guard lock(mutex_);
    return geraet_.speicher.Modus();
}

void Dlm7Simulator::ModusSetzen(unsigned char modus) {
    std::lock_guard lock(mutex_);
    geraet_.speicher.ModusSetzen(modus);
}

unsigned char Dlm7Simulator::Status(int reg) const {
    std::lock_guard lock(mutex_);
    geraet_.Fortschreiben(Jetzt());
    return reg == 1 ? geraet_.Status1(Jetzt()) : geraet_.fehlerbits;
}

void Dlm7Simulator::FehlerbitsSetzen(unsigned char bits) {
    std::lock_guard lock(mutex_);
    geraet_.fehlerbits = bits;
}

SimGeraet::Lauf Dlm7Simulator::Laufzustand() const {
    std::lock_guard lock(mutex_);
    geraet_.Fortschreiben(Jetzt());
    return geraet_.Laufzustand();
}

std::vector<unsigned char> Dlm7Simulator::Speicher(std::size_t start, std::size_t anzahl) const {
    std::lock_guard lock(mutex_);
    const auto& m = geraet_.speicher.Bytes();
    if (start > m.size()) start = m.size();
    anzahl = std::min(anzahl, m.size() - start);
    return {m.begin() + static_cast<long>(start), m.begin() + static_cast<long>(start + anzahl)};
}

void Dlm7Simulator::SpeicherSetzen(std::size_t start, const std::vector<unsigned char>& daten) {
    std::lock_guard lock(mutex_);
    geraet_.speicher.Schreiben(start, daten.data(), daten.size());
}

char Dlm7Simulator::Adresse() const {
    std::lock_guard lock(mutex_);
    return geraet_.adresse;
}

int Dlm7Simulator::Baud() const {
    std::lock_guard lock(mutex_);
    return geraet_.baud;
}

std::vector<std::string> Dlm7Simulator::Anfragen() const {
    std::lock_guard lock(mutex_);
    return anfragen_;
}

void Dlm7Simulator::AnfragenLoeschen() {
    std::lock_guard lock(mutex_);
    anfragen_.clear();
}

bool Dlm7Simulator::AufAnfragenWarten(const std::function<bool(const std::vector<std::string>&)>& bedingung,
                                      std::chrono::milliseconds frist) const {
    std::unique_lock lock(mutex_);
    return anfrageDa_.wait_for(lock, frist, [&] { return bedingung(anfragen_); });
}

bool Dlm7Simulator::Sichern() {
    std::lock_guard lock(mutex_);
    return geraet_.speicher.Sichern();
}
