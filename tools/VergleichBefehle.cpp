#include "tools/VergleichBefehle.h"
#include "tools/Befehlshilfen.h"

#include "config/KonfigDatei.h"
#include "device/Eingangsrunde.h"
#include "device/Qavksv5.h"
#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinienVergleich.h"
#include "kern/Dezimal.h"
#include "kern/Fehlermeldungen.h"
#include "kurven/Aufzeichnung.h"
#include "kurven/KurvenDatei.h"
#include "kurven/KurvenVergleich.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <csignal>
#include <functional>
#include <ostream>
#include <thread>

const char* const kVergleichVerwendung =
    "    kennlinie-vergleichen DATEI.dle SLOT   Speicherplatz SLOT mit der Datei vergleichen (Status 3: verschieden)\n"
    "    kurven-vergleichen DATEI.dlr           Generatorkurven der DLM-7 mit der Datei vergleichen (Status 3: "
    "verschieden)\n"
    "    aufzeichnen [--eingaenge 1,2,3,4] [--dauer SEK] [--intervall SEK] [--konfig DATEI.dlo] DATEI.csv\n"
    "                               Eingänge als CSV aufzeichnen (- = Standardausgabe; Intervall 0 = so schnell\n"
    "                               wie die Leitung erlaubt); endet nach SEK, wenn die DLM-7 alle Zyklen\n"
    "                               gespielt hat, oder mit Strg+C\n";

using namespace ctlhilfe;

namespace {

using kurvengenerator::Aufzeichnung;

// Status register 1 is asked this often while recording.
constexpr double kStatusIntervall = 0.5;

int Unterschiede(int anzahl, const std::vector<std::string>& zeilen, std::ostream& aus) {
    if (anzahl == 0) return 0;
    aus << "Unterschiede: " << anzahl << '\n';
    for (const auto& z : zeilen) aus << z << '\n';
    return kUnterschiedeStatus;
}

int KennlinieVergleichenBefehl(const std::vector<std::string>& arg, const CtlOptionen& o, std::ostream& aus,
                               std::ostream& err) {
    int slot = 0;
    if (arg.size() != 2 || !GanzeZahl(arg[1], slot) || !o.konfig.empty()) return kVerwendung;
    KennlinienDatei d;
    if (const int rc = KennlinieLaden(arg[0], d); rc != 0) return Fehler(err, rc);
    const double begrenzung = BegrenzungAusDatei(d.konfig, d.begrenzungRoh);
    // Refused before the port is opened, as the send refuses them.
    SlotAbbild bild;
    if (const int rc = SlotAbbildErzeugen(d.kurve.punkte, d.konfig, begrenzung, d.anstiegszeit, bild); rc != 0)
        return Fehler(err, rc);
    if (!SlotGueltig(slot)) return Fehler(err, KennlFehler::LesenKurvennummer);
    KennlinienVergleichLauf l;
    const int rc = MitPort(o, [&](int port) {
        l = KennlinieVergleichen(port, o.adresse, slot, d.kurve.punkte, d.konfig, begrenzung, d.anstiegszeit);
        return l.uebertragung.Fehlercode();
    });
    if (rc != 0) return Fehler(err, rc);
    return Unterschiede(l.vergleich->anzahl(), l.vergleich->Zeilen(d.konfig), aus);
}

int KurvenVergleichenBefehl(const std::vector<std::string>& arg, const CtlOptionen& o, std::ostream& aus,
                            std::ostream& err) {
    using namespace kurvengenerator;
    if (arg.size() != 1 || !o.konfig.empty()) return kVerwendung;
    Kurvensatz s;
    if (const int rc = KurvenLaden(s, arg[0], KonfigStandardwerte()).code; rc != 0) return Fehler(err, rc);
    const Speicherabbild bild = AbbildErstellen(s);
    const auto popups = [](const Meldungen& m) {
        std::string t;
        for (const Meldung& x : m)
            if (x.art == Meldung::Art::Popup) t += (t.empty() ? "" : "\n") + x.text;
        return t;
    };
    if (bild.code != 0) return Fehler(err, bild.code, popups(bild.meldungen));
    KurvenVergleichLauf l;
    const int rc = MitPort(o, [&](int port) {
        l = KurvenMitBoxVergleichen(port, o.adresse, s);
        return l.code;
    });
    if (rc != 0) return Fehler(err, rc, popups(l.meldungen));
    return Unterschiede(l.vergleich->anzahl(), l.vergleich->Zeilen(), aus);
}

std::atomic<bool> gUnterbrochen{false};
extern "C" void Unterbrechen(int) { gUnterbrochen = true; }

// SIGINT and SIGTERM end the recording, which is still written; restored on leaving.
struct Unterbrechbar {
    struct sigaction alt_int {
    }, alt_term{};
    Unterbrechbar() {
        gUnterbrochen = false;
        struct sigaction neu {};
        neu.sa_handler = Unterbrechen;
        sigemptyset(&neu.sa_mask);
        sigaction(SIGINT, &neu, &alt_int);
        sigaction(SIGTERM, &neu, &alt_term);
    }
    ~Unterbrechbar() {
        sigaction(SIGINT, &alt_int, nullptr);
        sigaction(SIGTERM, &alt_term, nullptr);
    }
};

bool Sekunden(const std::string& s, double& wert) { return DezimalLesen(s, wert) && std::isfinite(wert) && wert >= 0; }

bool EingaengeLesen(const std::string& s, Eingangswahl& wahl) {
    wahl = {};
    std::size_t pos = 0;
    while (pos <= s.size()) {
        const std::size_t komma = std::min(s.find(',', pos), s.size());
        int n = 0;
        if (!GanzeZahl(s.substr(pos, komma - pos), n) || n < 1 || n > kEingaenge) return false;
        wahl[static_cast<std::size_t>(n - 1)] = true;
        pos = komma + 1;
    }
    return true;
}

int AufzeichnenBefehl(const std::vector<std::string>& arg, const CtlOptionen& o, std::ostream& aus, std::ostream& err) {
    Eingangswahl wahl{true, true, true, true};
    double dauer = 0.0, intervall = 0.0;
    std::string konfigPfad = o.konfig, ziel;
    for (std::size_t i = 0; i < arg.size(); ++i) {
        const std::string& a = arg[i];
        const bool option = a.size() > 2 && a.rfind("--", 0) == 0;
        if (!option) {
            if (!ziel.empty()) return kVerwendung;
            ziel = a;
            continue;
        }
        if (i + 1 >= arg.size()) return kVerwendung;
        const std::string& w = arg[++i];
        if (a == "--eingaenge") {
            if (!EingaengeLesen(w, wahl)) return kVerwendung;
        } else if (a == "--dauer") {
            if (!Sekunden(w, dauer) || dauer <= 0.0) return kVerwendung;
        } else if (a == "--intervall") {
            if (!Sekunden(w, intervall)) return kVerwendung;
        } else if (a == "--konfig") {
            konfigPfad = w;
        } else {
            return kVerwendung;
        }
    }
    if (ziel.empty()) return kVerwendung;
    KonfigDaten konfig = KonfigStandardwerte();
    if (!konfigPfad.empty())
        if (const int rc = KonfigDateiLesen(konfigPfad, konfig); rc != 0) return Fehler(err, rc);

    Aufzeichnung aufzeichnung(wahl, dauer, true);
    const int rc = MitPort(o, [&](int port) {
        Unterbrechbar unterbrechbar;
        const auto start = std::chrono::steady_clock::now();
        double letzterStatus = -1.0;
        for (long n = 0; !gUnterbrochen; ++n) {
            if (intervall > 0.0)
                std::this_thread::sleep_until(start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                                          std::chrono::duration<double>(n * intervall)));
            if (gUnterbrochen) break;
            const double jetzt = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const bool status = letzterStatus < 0.0 || jetzt - letzterStatus >= kStatusIntervall;
            Eingangsrunde r = EingangsrundeLesen(port, o.adresse, wahl, status, start);
            r.nummer = n;
            if (r.code != 0) return r.code;
            if (r.status1) letzterStatus = r.zeit;
            if (aufzeichnung.RundeAufnehmen(r)) break;
        }
        return 0;
    });
    if (rc != 0) return Fehler(err, rc);
    const KonfigDaten* k = konfigPfad.empty() ? nullptr : &konfig;
    if (ziel == "-") {
        aus << AufzeichnungCsvText(aufzeichnung, k);
    } else if (const int s = AufzeichnungCsvSpeichern(aufzeichnung, k, ziel); s != 0) {
        return Fehler(err, s);
    }
    err << "Abtastrate: " << DezimalText(aufzeichnung.Abtastrate(), 1) << " Runden/s\n";
    return 0;
}

} // namespace

bool IstVergleichBefehl(const std::string& befehl) {
    return befehl == "kennlinie-vergleichen" || befehl == "kurven-vergleichen" || befehl == "aufzeichnen";
}

int VergleichBefehl(const std::string& befehl, const std::vector<std::string>& arg, const CtlOptionen& o,
                    std::ostream& aus, std::ostream& err) {
    if (befehl == "kennlinie-vergleichen") return KennlinieVergleichenBefehl(arg, o, aus, err);
    if (befehl == "kurven-vergleichen") return KurvenVergleichenBefehl(arg, o, aus, err);
    if (befehl == "aufzeichnen") return AufzeichnenBefehl(arg, o, aus, err);
    return kVerwendung;
}
