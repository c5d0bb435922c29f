// The simulator's request handling (SimGeraet) on the byte stream of the
// input, framed as the simulator frames its line ('#' starts, CR ends, more
// than 200 bytes drop the frame). The first line is a signal for input 3, as
// --eingang gives it. Every answer is silence, NAK or ACK plus a line the
// driver accepts for that request; outputs stay within 0..4095, inputs 0..10.
#include "Pruefen.h"

#include "device/Protokoll.h"
#include "sim/SimGeraet.h"

#include <cmath>
#include <string>
#include <vector>

using namespace Protokoll;

namespace {

void AntwortPruefen(const SimGeraet& g, const std::string& rahmen, const std::string& antwort) {
    if (antwort.empty()) return;
    FUZZ_PRUEFEN(antwort[0] == kACK || antwort[0] == kNAK);
    if (antwort.size() == 1) return;
    FUZZ_PRUEFEN(antwort[0] == kACK && antwort.back() == kCR);
    const std::string zeile = antwort.substr(1);
    const std::string r = rahmen.substr(2, rahmen.size() - 3);
    const char a = rahmen[1];
    if (r == "IDR") {
        std::string kennung;
        FUZZ_PRUEFEN(IDZeilePruefen(zeile, a, kennung) && kennung == g.kennung);
    } else if (r == "M1R") {
        unsigned char modus = 0;
        FUZZ_PRUEFEN(ModusZeilePruefen(zeile, a, modus) && modus == g.speicher.Modus());
    } else if (r.size() == 3 && r[0] == 'S') {
        unsigned char wert = 0;
        FUZZ_PRUEFEN(StatusZeilePruefen(zeile, a, r[1], wert) == StatusBefund::Gut);
    } else if (r.size() == 3 && r[0] == 'V') {
        double wert = -1.0;
        FUZZ_PRUEFEN(EingangZeilePruefen(zeile, a, r[1], wert) && wert >= 0.0 && wert <= 10.0);
    } else if (r.rfind("BDR", 0) == 0) {
        const long start = HexLesen(r, 4, 4);
        const long anzahl = HexLesen(r, 8, 4);
        std::vector<unsigned char> daten;
        FUZZ_PRUEFEN(SpeicherZeilePruefen(zeile, a, 4, start, anzahl, daten) == SpeicherBefund::Gut);
        FUZZ_PRUEFEN(std::equal(daten.begin(), daten.end(), g.speicher.Bytes().begin() + start));
    } else {
        FUZZ_PRUEFEN(!"an answer line to a request that has none");
    }
}

void ZustandPruefen(const SimGeraet& g, double t) {
    for (int k = 0; k < 4; ++k) {
        FUZZ_PRUEFEN(g.ausgaenge[static_cast<std::size_t>(k)] >= 0 && g.ausgaenge[static_cast<std::size_t>(k)] <= 4095);
        const double e = g.Eingang(k, t);
        FUZZ_PRUEFEN(e >= 0.0 && e <= 10.0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    std::string_view rest(reinterpret_cast<const char*>(daten), groesse);
    const std::size_t zeilenende = rest.find('\n');
    const std::string signal(rest.substr(0, zeilenende));
    rest.remove_prefix(zeilenende == rest.npos ? rest.size() : zeilenende + 1);

    SimGeraet g;
    if (const auto s = SimSignal::Lesen(signal)) {
        for (double t : {0.0, 0.3, 1e3, 1e9}) FUZZ_PRUEFEN(s->Wert(t) >= 0.0 && s->Wert(t) <= 10.0);
        g.signale[2] = s;
    }
    double t = 0.0;
    std::string rahmen;
    bool imRahmen = false;
    for (char c : rest) {
        if (c == kStart) {
            rahmen.assign(1, c);
            imRahmen = true;
        } else if (imRahmen) {
            rahmen += c;
            if (c == kCR) {
                imRahmen = false;
                t += 0.37;
                AntwortPruefen(g, rahmen, g.Bearbeiten(rahmen, t));
                ZustandPruefen(g, t);
            } else if (rahmen.size() > 200) {
                imRahmen = false;
            }
        }
    }
    g.Fortschreiben(t + 5.0);
    ZustandPruefen(g, t + 5.0);
    return 0;
}
