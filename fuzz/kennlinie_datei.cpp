// The characteristic-curve file (.dle) from bytes: a refused file changes
// nothing; an accepted one saves to bytes that load to the same curve, and
// whatever a user does next with it (draw, send, export) runs on it.
#include "Pruefen.h"

#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/KennlinieText.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    KennlinienDatei d;
    d.kurve.kommentar = "vorher";
    const int code = KennlinieDateiAuswerten(bytes, d);
    if (code != 0) {
        FUZZ_PRUEFEN(code == KennlFehler::LadenKopf || code == KennlFehler::LadenTitel ||
                     code == KennlFehler::LadenVersion);
        FUZZ_PRUEFEN(d.kurve.kommentar == "vorher");
        return 0;
    }
    FUZZ_PRUEFEN(!d.kurve.punkte.empty());
    FUZZ_PRUEFEN(std::isfinite(d.begrenzungRoh) && std::isfinite(d.anstiegszeit));
    FUZZ_PRUEFEN(KommentarSpeicherbar(d.kurve.kommentar));

    const std::string gespeichert = KennlinieDateiBytes(d);
    FUZZ_PRUEFEN(!gespeichert.empty());
    KennlinienDatei wieder;
    FUZZ_PRUEFEN(KennlinieDateiAuswerten(gespeichert, wieder) == 0);
    FUZZ_PRUEFEN(KennlinieDateiBytes(wieder) == gespeichert);
    FUZZ_PRUEFEN(wieder.kurve.punkte == d.kurve.punkte && wieder.kurve.kommentar == d.kurve.kommentar);

    Kennlinientabelle tabelle{};
    if (Digitalisieren(d.kurve.punkte, tabelle) == 0)
        for (std::uint16_t y : tabelle) FUZZ_PRUEFEN(y <= kRohMax);
    SlotAbbild bild{};
    const double begrenzung = BegrenzungAusDatei(d.konfig, d.begrenzungRoh);
    FUZZ_PRUEFEN(std::isfinite(begrenzung));
    if (SlotAbbildErzeugen(d.kurve.punkte, d.konfig, begrenzung, d.anstiegszeit, bild) == 0) {
        SlotInhalt inhalt;
        FUZZ_PRUEFEN(SlotAbbildAuswerten(bild, inhalt) == 0);
    }
    KennlinieExportText(d.kurve.punkte);
    return 0;
}
