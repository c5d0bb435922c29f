// Writes the seed corpora of the fuzz harnesses with our own writers:
//     fuzz_korpus_erzeugen fuzz/korpus
// Each seed is a valid input, so fuzzing starts from what the program really
// reads; the files in the tree are the output of this program.
#include "Korpus.h"

#include "config/KonfigDatei.h"
#include "config/KonfigIni.h"
#include "device/Protokoll.h"
#include "kern/Cp1252.h"
#include "kern/Dezimal.h"
#include "kern/IniDatei.h"
#include "sim/SimGeraet.h"

#include <cfloat>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

namespace fs = std::filesystem;
using namespace Protokoll;

namespace {

fs::path sgWurzel;

KonfigDaten Beispielkonfig() {
    KonfigDaten k = KonfigStandardwerte();
    k.voutmax = 4.095;
    SkalierungSetzen(k, Seite::Eingang, 0, {1.0, 6.0, 0.0, 1000.0});
    SkalierungSetzen(k, Seite::Ausgang, 3, {0.0, 5.0, -0.1, 60.0});
    EinheitTextSetzen(k, Seite::Eingang, 0, "mBär");
    EinheitTextSetzen(k, Seite::Ausgang, 3, "°C");
    EinheitTextSetzen(k, Seite::Ausgang, 2, "");
    return k;
}

void Einstellungen() {
    IniDatei ini;
    KonfigInIniSchreiben(ini, Beispielkonfig());
    ini.IntSetzen("com", "adresse", '1');
    ini.IntSetzen("com", "port", 3);
    ini.IntSetzen("com", "lport", 3);
    ini.TextSetzen("ports", "com3", "/dev/pts/7");
    ini.TextSetzen("ports", "com5", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0-und-noch-mehr");
    ini.DoubleSetzen("direkt", "grenze1", 7.5);
    ini.IntSetzen("direkt", "kurve2", 1);
    ini.IntSetzen("kennlinie", "darstellung", 2);
    ini.IntSetzen("kurven", "hintergrund3", 0);
    KorpusAblegen("ini", "einstellungen.ini", ini.Text());

    IniDatei standard;
    KonfigInIniSchreiben(standard, KonfigStandardwerte());
    KorpusAblegen("ini", "standard.ini", standard.Text());

    KonfigDaten gross = KonfigStandardwerte();
    gross.inskalamax[0] = DBL_MAX;
    gross.inskalamin[0] = -DBL_MAX;
    gross.outskalamin[1] = 5e-324;
    IniDatei extrem;
    KonfigInIniSchreiben(extrem, gross);
    KorpusAblegen("ini", "extrem.ini", extrem.Text());
    KorpusAblegen("konfig_datei", "extrem.dlo", KonfigDateiBytes(gross));
    KorpusAblegen("konfig_datei", "standard.dlo", KonfigDateiBytes(KonfigStandardwerte()));
    KorpusAblegen("konfig_datei", "beispiel.dlo", KonfigDateiBytes(Beispielkonfig()));
}

// The simulator's answer line (without the ACK) to a request.
std::string Antwortzeile(SimGeraet& g, const std::string& rahmen) {
    const std::string a = g.Bearbeiten(rahmen, 1.0);
    return a.empty() ? a : a.substr(1);
}

std::string Wort(long w) { return {static_cast<char>(w >> 8), static_cast<char>(w & 0xFF)}; }

void Antworten() {
    SimGeraet g;
    g.signale[1] = SimSignal{SimSignal::Form::Konstant, 4.321, 0.0, 1.0};
    std::vector<unsigned char> muster(64);
    for (std::size_t i = 0; i < muster.size(); ++i) muster[i] = static_cast<unsigned char>(i * 37);
    g.Bearbeiten(RahmenSpeicherSchreiben('1', 4, 0x3000, 64, muster.data()), 0.5);
    g.Bearbeiten(RahmenModusSchreiben('1', true, 0x06), 0.6);

    // protokoll: address, channel, register, start, count, then the line.
    struct Fall {
        const char* name;
        std::string rahmen;
        char kanal, reg;
        long start, anzahl;
    };
    const Fall faelle[] = {
        {"id", RahmenIDLesen('1'), 0, 0, 0, 0},
        {"eingang2", RahmenEingangLesen('1', '2'), 1, 0, 0, 0},
        {"status2", RahmenStatusLesen('1', '2'), 0, 1, 0, 0},
        {"modus", RahmenModusLesen('1'), 0, 0, 0, 0},
        {"speicher", RahmenSpeicherLesen('1', 4, 0x3000, 64), 0, 0, 0x3000, 63},
    };
    for (const Fall& f : faelle) {
        const std::string zeile = Antwortzeile(g, f.rahmen);
        KorpusAblegen("protokoll", f.name, std::string{'1', f.kanal, f.reg} + Wort(f.start) + Wort(f.anzahl) + zeile);
    }

    // treiber: operation, address index, start, count, mask, then what the box sends.
    const std::string ack(1, kACK);
    struct Aufruf {
        const char* name;
        int art;
        long start, anzahl;
        unsigned char maske;
        std::string antwort;
    };
    const Aufruf aufrufe[] = {
        {"id", 0, 0, 0, 0, g.Bearbeiten(RahmenIDLesen('1'), 1.0)},
        {"eingang2", 1, 0, 0, 1, g.Bearbeiten(RahmenEingangLesen('1', '2'), 1.0)},
        {"speicher", 2, 0x3000, 64, 0, g.Bearbeiten(RahmenSpeicherLesen('1', 4, 0x3000, 64), 1.0)},
        {"status1", 3, 0, 0, 0, g.Bearbeiten(RahmenStatusLesen('1', '1'), 1.0)},
        {"modus", 4, 0, 0, 0, g.Bearbeiten(RahmenModusLesen('1'), 1.0)},
        {"schreiben", 5, 0x40, 16, 0x5A, ack},
        {"modus_setzen", 6, 0, 0, 0x03, ack},
        {"bloecke", 7, 0x3000, 63, 0, g.Bearbeiten(RahmenSpeicherLesen('1', 4, 0x3000, 64), 1.0)},
        {"ausgang", 8, 0, 0, 0x02, g.Bearbeiten(RahmenAusgangSchreiben('1', '3', 2.0), 1.0)},
        {"nak", 0, 0, 0, 0, std::string(1, kNAK)},
    };
    for (const Aufruf& a : aufrufe)
        KorpusAblegen("treiber", a.name,
                      std::string{static_cast<char>(a.art), 0} + Wort(a.start) + Wort(a.anzahl) +
                          static_cast<char>(a.maske) + a.antwort);
}

void Anfragen() {
    // A session as the program holds it, frame after frame.
    std::vector<unsigned char> daten(40);
    for (std::size_t i = 0; i < daten.size(); ++i) daten[i] = static_cast<unsigned char>(200 - 3 * i);
    const std::string sitzung =
        RahmenIDLesen('1') + RahmenAusgangSchreiben('1', '1', 2.5) + RahmenEingangLesen('1', '1') +
        RahmenEingangLesen('1', '3') + RahmenSpeicherSchreiben('1', 4, 0x0100, 40, daten.data()) +
        RahmenSpeicherLesen('1', 4, 0x0100, 40) + RahmenModusLesen('1') + RahmenModusSchreiben('1', false, 0x02) +
        RahmenModusSchreiben('1', true, 0x04) + RahmenStatusLesen('1', '1') + RahmenStatusLesen('1', '2') +
        RahmenDeviceFunction('1', '1') + RahmenDeviceFunction('1', '2') + RahmenDeviceFunction('&', '2') +
        RahmenIDLesen('2');
    KorpusAblegen("sim_anfrage", "sitzung", "sinus:5:4:0.5\n" + sitzung);
    KorpusAblegen("sim_anfrage", "adresse_baud",
                  "konstant:3\n" + RahmenBaudrate(1, 19200) + RahmenAdresse(1, 4) + RahmenIDLesen('4'));
    KorpusAblegen("sim_anfrage", "dreieck", "dreieck:2:1.5:0.05\n" + RahmenEingangLesen('1', '3'));
}

void Speicher() {
    SimSpeicher leer;
    std::string datei(leer.Bytes().begin(), leer.Bytes().end());
    KorpusAblegen("sim_speicher", "eeprom_datei", datei + '\0');
    // The generator: mode 0x04, image from 0.
    KorpusAblegen("sim_speicher", "generator", std::string("\x04\x00\x00\x00", 4) + GeneratorAbbild());
}

void Zeichen() {
    for (const char* utf8 : {"mBär °C µA € Ä", "Grad°C äö", "Rampe\nmit Ärger €",
                             "\xE2\x80\x9E"
                             "Zitat\xE2\x80\x9C"}) {
        const auto roh = NachCp1252(utf8);
        KorpusAblegen("cp1252", std::string("utf8_") + std::to_string(std::strlen(utf8)), utf8);
        KorpusAblegen("cp1252", std::string("cp1252_") + std::to_string(roh->size()), *roh);
    }
    std::string alle;
    for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
    KorpusAblegen("cp1252", "alle_bytes", alle);
}

void Zahlen() {
    struct Fall {
        double wert;
        int stellen;
    };
    const Fall faelle[] = {{4.095, 3}, {-0.001, 3}, {250.0, 2}, {0.0, 0}, {1e-7, 15}, {DBL_MAX, 0}, {-3.25, 20}};
    int n = 0;
    for (const Fall& f : faelle) {
        // As text for the reader; as 8 bytes and a count of decimals for the writer.
        KorpusAblegen("dezimal", "text_" + std::to_string(n), DezimalText(f.wert, f.stellen));
        char roh[9];
        std::memcpy(roh, &f.wert, 8);
        roh[8] = static_cast<char>(f.stellen);
        KorpusAblegen("dezimal", "binaer_" + std::to_string(n++), std::string_view(roh, 9));
    }
    KorpusAblegen("dezimal", "exponent", "1.7976931348623157e+308");
}

} // namespace

void KorpusAblegen(const std::string& harness, const std::string& name, std::string_view bytes) {
    const fs::path ordner = sgWurzel / harness;
    fs::create_directories(ordner);
    std::ofstream aus(ordner / name, std::ios::binary);
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Verwendung: fuzz_korpus_erzeugen ORDNER\n";
        return 2;
    }
    sgWurzel = argv[1];
    Einstellungen();
    Antworten();
    Anfragen();
    Speicher();
    Zeichen();
    Zahlen();
    KennlinieKorpus();
    KurvenKorpus();
    return 0;
}
