#include "kennlinie/KennlinienVergleich.h"

#include "config/KonfigUmrechnung.h"
#include "device/Qavksv5.h"
#include "kennlinie/KennlinieFehler.h"
#include "kern/Dezimal.h"

namespace {

constexpr std::size_t kLeerFlag = 9;

int Eintrag(const SlotAbbild& b, std::size_t x) {
    return b[kTabelleOffset + 2 * x] * 256 + b[kTabelleOffset + 2 * x + 1];
}

} // namespace

KennlinienVergleich KennlinienVergleichen(const SlotAbbild& editor, const SlotAbbild& box) {
    KennlinienVergleich v;
    v.leer = box[kLeerFlag] != 0;
    std::vector<int> positionen;
    for (std::size_t x = 0; x < kTabellenGroesse; ++x) {
        const int e = Eintrag(editor, x);
        const int b = v.leer ? 0 : Eintrag(box, x);
        if (!v.leer && e == b) continue;
        positionen.push_back(static_cast<int>(x));
        if (!v.erste) {
            v.erste = static_cast<int>(x);
            v.ersteEditor = e;
            v.ersteBox = b;
        }
    }
    v.eintraege = static_cast<int>(positionen.size());
    v.bereiche = Bereiche(positionen);
    if (v.leer) return v;
    v.festwertEditor = editor[4] * 256 + editor[5];
    v.festwertBox = box[4] * 256 + box[5];
    v.festwert = v.festwertEditor != v.festwertBox;
    const auto code = [](const SlotAbbild& b) { return (long{b[6]} << 16) | (long{b[7]} << 8) | long{b[8]}; };
    v.anstiegEditor = code(editor);
    v.anstiegBox = code(box);
    v.anstieg = v.anstiegEditor != v.anstiegBox;
    // Whatever else differs (checksum, head bytes) shows a slot not kept as written.
    if (v.eintraege == 0 && !v.festwert && !v.anstieg) v.sonstiges = editor != box;
    return v;
}

std::vector<std::string> KennlinienVergleich::Zeilen(const KonfigDaten& k, const std::string& editorName) const {
    std::vector<std::string> z;
    if (leer) z.push_back("Kennlinienplatz leer");
    if (erste) {
        std::string t = "Erste Abweichung: Eingang 2 roh " + std::to_string(*erste) + " (" + editorName + " " +
                        std::to_string(ersteEditor);
        t += leer ? ", DLM-7 leer)" : ", DLM-7 " + std::to_string(ersteBox) + ")";
        z.push_back(t);
        z.push_back("Abweichende Einträge: " + std::to_string(eintraege) + " in " + BereicheText(bereiche));
    }
    const auto einheit = [&k](int kanal) {
        const std::string e = EinheitText(k, Seite::Ausgang, kanal);
        return e.empty() ? std::string() : " " + e;
    };
    if (festwert) {
        // As many decimals as resolve one raw step of output 2.
        const int stellen = Nachkommastellen(k, Seite::Ausgang, 1);
        const auto wert = [&](int roh) {
            return DezimalText(AusgangRohZuEinheit(k, 1, roh), stellen) + einheit(1) + " (roh " + std::to_string(roh) +
                   ")";
        };
        z.push_back("Festwert Ausgang 2: " + editorName + " " + wert(festwertEditor) + ", DLM-7 " + wert(festwertBox));
    }
    if (anstieg)
        z.push_back("Anstiegszeit: " + editorName + " " + DezimalKurz(CodeZuAnstiegszeit(anstiegEditor)) +
                    " ms, DLM-7 " + DezimalKurz(CodeZuAnstiegszeit(anstiegBox)) + " ms");
    if (sonstiges) z.push_back("Kopf oder Prüfsumme des Kennlinienplatzes weichen ab");
    return z;
}

KennlinienVergleichLauf KennlinieVergleichen(int port, char adresse, int slot, const Kennlinienpunkte& punkte,
                                             const KonfigDaten& k, double begrenzung, double anstiegszeit,
                                             const Blockrueckmeldung& r) {
    KennlinienVergleichLauf l;
    auto& m = l.uebertragung.meldungen;
    SlotAbbild editor;
    if (const int rc = SlotAbbildErzeugen(punkte, k, begrenzung, anstiegszeit, editor); rc != 0) {
        m.push_back({Fehlerweg::Ziel::Popup, rc});
        return l;
    }
    if (!SlotGueltig(slot)) {
        m.push_back({Fehlerweg::Ziel::Popup, KennlFehler::LesenKurvennummer});
        return l;
    }
    m.push_back({Fehlerweg::Ziel::Anzeige, 0});
    if (port < 0) {
        m.push_back({Fehlerweg::Ziel::Popup, KennlFehler::PruefenPort});
        return l;
    }
    unsigned char modus = 0;
    if (const int rc = QAVKSV5_ModusLesen(port, adresse, modus); rc != 0) {
        m.push_back({Fehlerweg::Ziel::Popup, rc});
        return l;
    }
    if (!((modus & kModusKennlinien) != 0 && (modus & kModusGenerator) == 0)) {
        m.push_back({Fehlerweg::Ziel::Anzeige, KennlFehler::LesenKeineKennlinien});
        return l;
    }
    SlotAbbild box{};
    if (const int rc =
            SpeicherBlockweiseLesen(port, adresse, SlotAdresse(slot), static_cast<long>(box.size()), box.data(), r);
        rc != 0) {
        m.push_back({Fehlerweg::Ziel::Anzeige, rc});
        return l;
    }
    l.vergleich = KennlinienVergleichen(editor, box);
    SlotInhalt inhalt;
    if (SlotAbbildAuswerten(box, inhalt) == 0) l.box = std::move(inhalt);
    return l;
}
