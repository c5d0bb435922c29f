#include "tools/KennlinieBefehle.h"
#include "tools/Befehlshilfen.h"

#include "config/KonfigDatei.h"
#include "device/Qavksv5.h"
#include "kennlinie/KennlinieCsv.h"
#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieGeraet.h"
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/KennlinieText.h"
#include "kern/Dezimal.h"
#include "kern/Fehlermeldungen.h"

#include <charconv>
#include <functional>
#include <ostream>
#include <sys/stat.h>

const char* const kKennlinienVerwendung =
    "    kennlinie-senden DATEI.dle SLOT    Kennlinie in Speicherplatz SLOT (1..7) schreiben\n"
    "    kennlinie-lesen SLOT DATEI.dle     Speicherplatz lesen und speichern (Option --konfig DATEI.dlo)\n"
    "    kennlinie-export DATEI.dle DATEI.txt   Kennlinie ins Textformat exportieren\n"
    "    kennlinie-import DATEI.txt DATEI.dle   Textformat in DATEI.dle importieren\n"
    "    slots                      je Speicherplatz 1..7: Nummer, leer|belegt, Anstiegszeit [ms], Ausgang 2 roh\n"
    "    kennlinie-csv DATEI.dle DATEI.csv  Tabelle der DLM-7 als CSV (Einheiten der Datei oder von --konfig DATEI.dlo)\n";

using namespace ctlhilfe;

namespace {

// Opens the port, runs the transfer and closes the port again.
bool Vorhanden(const std::string& pfad) {
    struct stat st {};
    return ::lstat(pfad.c_str(), &st) == 0;
}

int Senden(const std::string& datei, const std::string& slotText, const CtlOptionen& o, std::ostream& err) {
    int slot = 0;
    if (!GanzeZahl(slotText, slot)) return kVerwendung;
    KennlinienDatei d;
    if (const int rc = KennlinieLaden(datei, d); rc != 0) return Fehler(err, rc);
    const double begrenzung = BegrenzungAusDatei(d.konfig, d.begrenzungRoh);
    // What the send refuses before any traffic is refused before opening the port.
    SlotAbbild bild;
    if (const int rc = SlotAbbildErzeugen(d.kurve.punkte, d.konfig, begrenzung, d.anstiegszeit, bild); rc != 0)
        return Fehler(err, rc);
    if (!SlotGueltig(slot)) return Fehler(err, KennlFehler::SendenKurvennummer);
    std::string text;
    const int rc = MitPort(o, [&](int port) {
        const Uebertragung u =
            KennlinieSenden(port, o.adresse, slot, d.kurve.punkte, d.konfig, begrenzung, d.anstiegszeit, {}, o.pruefen);
        text = u.text;
        return u.Fehlercode();
    });
    return rc != 0 ? Fehler(err, rc, text) : 0;
}

int Lesen(const std::string& slotText, const std::string& datei, const CtlOptionen& o, std::ostream& err) {
    int slot = 0;
    if (!GanzeZahl(slotText, slot)) return kVerwendung;
    KennlinienDatei d;
    if (!o.konfig.empty())
        if (const int rc = KonfigDateiLesen(o.konfig, d.konfig); rc != 0) return Fehler(err, rc);
    if (!SlotGueltig(slot)) return Fehler(err, KennlFehler::LesenKurvennummer);
    std::optional<GelesenerSlot> gelesen;
    const int rc =
        MitPort(o, [&](int port) { return KennlinieLesen(port, o.adresse, slot, d.konfig, gelesen).Fehlercode(); });
    if (rc != 0) return Fehler(err, rc);
    d.kurve.punkte = std::move(gelesen->punkte);
    d.begrenzungRoh = BegrenzungZuDatei(d.konfig, *gelesen->begrenzung);
    d.anstiegszeit = gelesen->anstiegszeit;
    if (const int s = KennlinieSpeichern(datei, d); s != 0) return Fehler(err, s);
    return 0;
}

int Exportieren(const std::string& datei, const std::string& text, std::ostream& err) {
    KennlinienDatei d;
    if (const int rc = KennlinieLaden(datei, d); rc != 0) return Fehler(err, rc);
    if (const int rc = KennlinieExportieren(text, d.kurve.punkte); rc != 0) return Fehler(err, rc);
    return 0;
}

int CsvExportieren(const std::string& datei, const std::string& csv, const CtlOptionen& o, std::ostream& err) {
    KennlinienDatei d;
    if (const int rc = KennlinieLaden(datei, d); rc != 0) return Fehler(err, rc);
    if (!o.konfig.empty())
        if (const int rc = KonfigDateiLesen(o.konfig, d.konfig); rc != 0) return Fehler(err, rc);
    if (const int rc = KennlinieCsvExportieren(csv, d.kurve.punkte, d.konfig); rc != 0) return Fehler(err, rc);
    return 0;
}

// One line per slot: number TAB "leer", or number TAB "belegt" TAB rise time in ms TAB raw output 2.
int Slots(const CtlOptionen& o, std::ostream& aus, std::ostream& err) {
    std::optional<std::array<SlotKopf, kSlots>> koepfe;
    const int rc = MitPort(o, [&](int port) { return SlotsLesen(port, o.adresse, koepfe).Fehlercode(); });
    if (rc != 0) return Fehler(err, rc);
    for (int s = 1; s <= kSlots; ++s) {
        const SlotKopf& k = (*koepfe)[static_cast<std::size_t>(s - 1)];
        aus << s << '\t' << (k.belegt ? "belegt" : "leer");
        if (k.belegt) aus << '\t' << DezimalKurz(k.anstiegszeit) << '\t' << k.begrenzungRoh;
        aus << '\n';
    }
    return 0;
}

int Importieren(const std::string& text, const std::string& datei, std::ostream& err) {
    // An existing file keeps its comment, parameters and configuration;
    // otherwise the curve starts as the window's does.
    KennlinienDatei d;
    if (Vorhanden(datei))
        if (const int rc = KennlinieLaden(datei, d); rc != 0) return Fehler(err, rc);
    ImportErgebnis e = KennlinieImportieren(text);
    if (e.code != 0) return Fehler(err, e.code, e.meldung);
    d.kurve.punkte = std::move(e.punkte);
    if (const int rc = KennlinieSpeichern(datei, d); rc != 0) return Fehler(err, rc);
    return 0;
}

} // namespace

bool IstKennlinienBefehl(const std::string& befehl) {
    return befehl == "kennlinie-senden" || befehl == "kennlinie-lesen" || befehl == "kennlinie-export" ||
           befehl == "kennlinie-import" || befehl == "kennlinie-csv" || befehl == "slots";
}

int KennlinienBefehl(const std::string& befehl, const std::vector<std::string>& arg, const CtlOptionen& o,
                     std::ostream& aus, std::ostream& err) {
    if (befehl == "slots") return arg.empty() && o.konfig.empty() ? Slots(o, aus, err) : kVerwendung;
    if (arg.size() != 2 || (!o.konfig.empty() && befehl != "kennlinie-lesen" && befehl != "kennlinie-csv"))
        return kVerwendung;
    if (befehl == "kennlinie-senden") return Senden(arg[0], arg[1], o, err);
    if (befehl == "kennlinie-lesen") return Lesen(arg[0], arg[1], o, err);
    if (befehl == "kennlinie-export") return Exportieren(arg[0], arg[1], err);
    if (befehl == "kennlinie-import") return Importieren(arg[0], arg[1], err);
    if (befehl == "kennlinie-csv") return CsvExportieren(arg[0], arg[1], o, err);
    return kVerwendung;
}
