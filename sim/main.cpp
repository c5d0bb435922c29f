// dlm7sim: a simulated DLM-7 box on a pseudo-terminal.
#include "sim/Dlm7Simulator.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

std::atomic<bool> sgEnde{false};
std::atomic<int> sgKabelWechsel{0};

void Signal(int nr) {
    if (nr == SIGUSR1)
        ++sgKabelWechsel;
    else
        sgEnde = true;
}

void Verwendung(std::ostream& aus) {
    aus << "Verwendung: dlm7sim [OPTIONEN]\n"
           "  --link PFAD            zusätzlich einen symbolischen Link auf das Terminal anlegen\n"
           "  --adresse C            Geräteadresse '1'..'9' oder 'a'..'f' (Standard 1)\n"
           "  --kennung TEXT         Gerätekennung, höchstens 26 Zeichen ohne Leerzeichen\n"
           "  --baud N               4800, 9600, 19200 oder 38400 (Standard 9600)\n"
           "  --eeprom DATEI         Kurvenspeicher und Modusregister in DATEI aufbewahren\n"
           "  --eingang N=SIGNAL     Eingang N (1..4) statt Rückführung von Ausgang N:\n"
           "                         konstant:W | sinus:MITTE:AMPLITUDE:HZ | dreieck:MITTE:AMPLITUDE:HZ\n"
           "                         (Werte 0..10 wie vom Gerät gemeldet; Beträge bis 1000,\n"
           "                         Frequenz bis 1000 Hz)\n"
           "  --generator-rueckfuehrung\n"
           "                         solange der Kurvengenerator läuft, jeden Ausgang auf seinen\n"
           "                         Eingang zurückführen, auch wo --eingang ein Signal wählt\n"
           "  --takt                 Übertragung im Takt der Baudrate (10 Bit je Zeichen)\n"
           "  --trace                jede Anfrage und Antwort mit Zeitstempel auf stderr\n"
           "  --verzoegerung MS      jede Antwort um MS Millisekunden verzögern\n"
           "  --nak N | --can N | --stille N | --streubyte N\n"
           "                         die nächsten N Anfragen so beantworten\n"
           "  --zeilenfehler ART[:N] die nächsten N Antwortzeilen verfälschen;\n"
           "                         ART: echo, ohne-cr, hexziffer, pruefsumme\n"
           "  --speicherfehler ADR   die Speicherzelle ADR (0..65535) speichert jedes\n"
           "                         geschriebene Byte invertiert\n"
           "  --kabel-gezogen        mit toter Leitung starten (SIGUSR1 steckt um)\n";
}

bool Zahl(const char* text, int& wert) {
    char* ende = nullptr;
    long v = std::strtol(text, &ende, 10);
    if (*text == '\0' || *ende != '\0' || v < 0 || v > 1000000) return false;
    wert = static_cast<int>(v);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Dlm7Simulator::Einstellungen e;
    std::string link;
    struct Signalwahl {
        int kanal;
        SimSignal signal;
    };
    std::vector<Signalwahl> signale;
    bool rueckfuehrung = false;
    std::vector<std::pair<Dlm7Simulator::Stoerung, int>> stoerungen;
    Dlm7Simulator::Zeilenfehler zeilenfehler = Dlm7Simulator::Zeilenfehler::Keiner;
    int zeilenfehlerAnzahl = 0;
    int speicherfehler = -1;
    int verzoegerung = 0;
    bool kabelGezogen = false;

    for (int i = 1; i < argc; ++i) {
        std::string o = argv[i];
        auto wert = [&]() -> const char* {
            if (i + 1 >= argc) {
                std::cerr << "dlm7sim: " << o << " braucht einen Wert\n";
                std::exit(2);
            }
            return argv[++i];
        };
        auto falsch = [&](const std::string& w) {
            std::cerr << "dlm7sim: ungültiger Wert für " << o << ": " << w << "\n";
            std::exit(2);
        };
        int n = 0;
        if (o == "--link") {
            link = wert();
        } else if (o == "--adresse") {
            std::string a = wert();
            if (a.size() != 1 || !((a[0] >= '1' && a[0] <= '9') || (a[0] >= 'a' && a[0] <= 'f'))) falsch(a);
            e.adresse = a[0];
        } else if (o == "--kennung") {
            std::string k = wert();
            if (k.empty() || k.size() > 26 || k.find_first_of(" \t\r\n") != std::string::npos) falsch(k);
            e.kennung = k;
        } else if (o == "--baud") {
            std::string b = wert();
            if (!Zahl(b.c_str(), n) || (n != 4800 && n != 9600 && n != 19200 && n != 38400)) falsch(b);
            e.baud = n;
        } else if (o == "--eeprom") {
            e.eepromDatei = wert();
        } else if (o == "--eingang") {
            std::string s = wert();
            auto gleich = s.find('=');
            std::optional<SimSignal> sig;
            std::string grund = "erwartet N=SIGNAL mit N 1..4";
            if (gleich == 1 && s[0] >= '1' && s[0] <= '4') sig = SimSignal::Lesen(s.substr(2), &grund);
            if (!sig) falsch(s + " (" + grund + ")");
            signale.push_back({s[0] - '0', *sig});
        } else if (o == "--generator-rueckfuehrung") {
            rueckfuehrung = true;
        } else if (o == "--takt") {
            e.takt = true;
        } else if (o == "--trace") {
            e.trace = true;
        } else if (o == "--verzoegerung") {
            std::string v = wert();
            if (!Zahl(v.c_str(), verzoegerung)) falsch(v);
        } else if (o == "--nak" || o == "--can" || o == "--stille" || o == "--streubyte") {
            std::string v = wert();
            if (!Zahl(v.c_str(), n)) falsch(v);
            using S = Dlm7Simulator::Stoerung;
            S art = o == "--nak" ? S::Nak : o == "--can" ? S::Can : o == "--stille" ? S::Stille : S::Streubyte;
            stoerungen.emplace_back(art, n);
        } else if (o == "--zeilenfehler") {
            std::string v = wert();
            std::string art = v.substr(0, v.find(':'));
            zeilenfehlerAnzahl = 1;
            if (art.size() < v.size() && !Zahl(v.c_str() + art.size() + 1, zeilenfehlerAnzahl)) falsch(v);
            using Z = Dlm7Simulator::Zeilenfehler;
            if (art == "echo")
                zeilenfehler = Z::FalschesEcho;
            else if (art == "ohne-cr")
                zeilenfehler = Z::OhneCR;
            else if (art == "hexziffer")
                zeilenfehler = Z::FalscheHexziffer;
            else if (art == "pruefsumme")
                zeilenfehler = Z::FalschePruefsumme;
            else
                falsch(v);
        } else if (o == "--speicherfehler") {
            std::string v = wert();
            if (!Zahl(v.c_str(), speicherfehler) || speicherfehler > 65535) falsch(v);
        } else if (o == "--kabel-gezogen") {
            kabelGezogen = true;
        } else if (o == "-h" || o == "--help" || o == "--hilfe") {
            Verwendung(std::cout);
            return 0;
        } else {
            std::cerr << "dlm7sim: unbekannte Option " << o << "\n";
            Verwendung(std::cerr);
            return 2;
        }
    }

    Dlm7Simulator sim(e);
    for (const auto& s : signale) sim.EingangSignal(s.kanal, s.signal);
    sim.GeneratorRueckfuehrungSetzen(rueckfuehrung);
    // Only one fault kind is pending at a time; the last option wins.
    for (const auto& [art, n] : stoerungen) sim.StoerungSetzen(art, n);
    if (zeilenfehlerAnzahl > 0) sim.ZeilenfehlerSetzen(zeilenfehler, zeilenfehlerAnzahl);
    if (speicherfehler >= 0) sim.SpeicherfehlerSetzen(speicherfehler);
    sim.VerzoegerungSetzen(std::chrono::milliseconds(verzoegerung));
    sim.KabelGezogen(kabelGezogen);

    std::string fehler;
    if (!sim.Starten(fehler)) {
        std::cerr << "dlm7sim: " << fehler << "\n";
        return 1;
    }
    if (!link.empty()) {
        struct stat st {};
        // Replace only an old link, never a real file.
        if (lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) ::unlink(link.c_str());
        if (::symlink(sim.SlavePfad().c_str(), link.c_str()) != 0) {
            std::cerr << "dlm7sim: Link " << link << " kann nicht angelegt werden: " << std::strerror(errno) << "\n";
            return 1;
        }
    }
    std::cout << sim.SlavePfad() << std::endl;

    std::signal(SIGINT, Signal);
    std::signal(SIGTERM, Signal);
    std::signal(SIGUSR1, Signal);
    int gesehen = 0;
    while (!sgEnde) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        int wechsel = sgKabelWechsel;
        if (wechsel != gesehen) {
            if ((wechsel - gesehen) % 2) kabelGezogen = !kabelGezogen;
            gesehen = wechsel;
            sim.KabelGezogen(kabelGezogen);
            std::cerr << "dlm7sim: Kabel " << (kabelGezogen ? "gezogen" : "gesteckt") << std::endl;
        }
    }
    sim.Beenden();
    if (!link.empty()) ::unlink(link.c_str());
    return 0;
}
