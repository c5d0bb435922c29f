// The curve-set file (.dlr) from bytes, loaded and appended: a refused file
// changes nothing but the path; an accepted one leaves no curve empty, saves
// to bytes that load to the same set, and the steps a user takes next (send,
// export and import again) run on it.
#include "Pruefen.h"

#include "kurven/KurvenDatei.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenText.h"
#include "kurven/KurvenTransfer.h"

using namespace kurvengenerator;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const KonfigDaten standard = KonfigStandardwerte();
    Kurvensatz s;
    s.kurven[1].kommentar = "vorher";
    const LadeErgebnis e = KurvenAusBytes(s, bytes, "x.dlr", standard, false);
    if (e.code != 0) {
        FUZZ_PRUEFEN(e.code == KurvenFehler::LadenKopf || e.code == KurvenFehler::LadenTitel ||
                     e.code == KurvenFehler::LadenVersion || e.code == KurvenFehler::LadenPunkteSpeicher);
        FUZZ_PRUEFEN(s.kurven[1].kommentar == "vorher" && s.dateiPfad.empty());
        return 0;
    }
    FUZZ_PRUEFEN(s.dateiPfad == "x.dlr" && !s.geaendert);
    for (const Kurve& k : s.kurven) {
        FUZZ_PRUEFEN(!k.punkte.empty());
        FUZZ_PRUEFEN(KommentarGueltig(k.kommentar));
    }

    const std::string gespeichert = KurvenDateiBytes(s, e.konfig);
    Kurvensatz wieder;
    const LadeErgebnis e2 = KurvenAusBytes(wieder, gespeichert, "y.dlr", e.konfig, false);
    FUZZ_PRUEFEN(e2.code == 0 && !e2.konfigWeichtAb);
    FUZZ_PRUEFEN(KurvenDateiBytes(wieder, e2.konfig) == gespeichert);

    // Appending the file to itself doubles every curve read from it.
    const auto vorher = s.kurven;
    FUZZ_PRUEFEN(KurvenAusBytes(s, bytes, "x.dlr", standard, true).code == 0);
    FUZZ_PRUEFEN(s.geaendert);
    for (std::size_t k = 0; k < s.kurven.size(); ++k)
        FUZZ_PRUEFEN(s.kurven[k].punkte.size() == vorher[k].punkte.size() ||
                     s.kurven[k].punkte.size() == 2 * vorher[k].punkte.size());

    // A set the box can take exports to text that imports to the same times.
    // Values beyond 0..4095 (only a damaged file holds them; the box gets them
    // clamped) export as beyond 0..100 %, which the import rightly refuses.
    Speicherbedarf(wieder);
    bool werteImBereich = true;
    for (const Kurve& k : wieder.kurven)
        for (const Kurvenpunkt& p : k.punkte) werteImBereich = werteImBereich && p.wert >= 0 && p.wert <= kMaxWert;
    if (werteImBereich && AbbildErstellen(wieder).code == 0) {
        Kurvensatz importiert;
        FUZZ_PRUEFEN(KurvenImportText(importiert, KurvenExportText(wieder)).code == 0);
        for (std::size_t k = 0; k < wieder.kurven.size(); ++k) {
            const auto& a = wieder.kurven[k].punkte;
            const auto& b = importiert.kurven[k].punkte;
            FUZZ_PRUEFEN(a.size() == b.size());
            for (std::size_t i = 0; i + 1 < a.size(); ++i)
                FUZZ_PRUEFEN(a[i].laenge == b[i].laenge && a[i].zeitbasis == b[i].zeitbasis);
        }
    }
    return 0;
}
