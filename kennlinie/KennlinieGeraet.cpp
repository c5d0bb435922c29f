#include "kennlinie/KennlinieGeraet.h"

#include "device/Qavksv5.h"
#include "device/Schreibpruefung.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/KennlinieUebersicht.h"

namespace {

using Ziel = Fehlerweg::Ziel;

bool PortOffen(int port) { return port >= 0; }

// 0 and the flag, or the driver's code.
int SpeicherPruefen(int port, char adresse, bool& nutzbar) {
    unsigned char modus = 0;
    if (const int rc = QAVKSV5_ModusLesen(port, adresse, modus); rc != 0) return rc;
    nutzbar = (modus & kModusKennlinien) != 0 && (modus & kModusGenerator) == 0;
    return 0;
}

// One image into the box, then the mode bits: generator off, curves on.
int BlockSchreiben(int port, char adresse, long start, const std::uint8_t* daten, long laenge,
                   const Blockrueckmeldung& r) {
    if (!PortOffen(port)) return KennlFehler::BlockSchreibenPort;
    if (const int rc = SpeicherBlockweiseSchreiben(port, adresse, start, daten, laenge, r); rc != 0) return rc;
    if (const int rc = QAVKSV5_ModusSchreiben(port, adresse, false, kModusGenerator); rc != 0) return rc;
    return QAVKSV5_ModusSchreiben(port, adresse, true, kModusKennlinien);
}

int BlockLesen(int port, char adresse, long start, long laenge, std::uint8_t* daten, const Blockrueckmeldung& r) {
    if (!PortOffen(port)) return KennlFehler::BlockLesenPort;
    bool nutzbar = false;
    if (const int rc = SpeicherPruefen(port, adresse, nutzbar); rc != 0) return rc;
    if (!nutzbar) return KennlFehler::BlockLesenKeineKennlinien;
    return SpeicherBlockweiseLesen(port, adresse, start, laenge, daten, r);
}

// Collects the codes in order; each call returns the codes so far.
struct Verlauf {
    Uebertragung u;
    Uebertragung Anzeige(int code) {
        u.meldungen.push_back({Ziel::Anzeige, code});
        return u;
    }
    Uebertragung Popup(int code) {
        u.meldungen.push_back({Ziel::Popup, code});
        return u;
    }
};

} // namespace

int Uebertragung::Fehlercode() const {
    for (const auto& m : meldungen)
        if (m.code != 0) return m.code;
    return 0;
}

Uebertragung KennlinieSenden(int port, char adresse, int slot, const Kennlinienpunkte& punkte, const KonfigDaten& k,
                             double begrenzung, double anstiegszeit, const Blockrueckmeldung& r, bool pruefen) {
    Verlauf p;
    SlotAbbild bild;
    if (const int rc = SlotAbbildErzeugen(punkte, k, begrenzung, anstiegszeit, bild); rc != 0) return p.Popup(rc);
    // Checked before any traffic: a wrong slot must not cost the other slots
    // their contents through the memory preparation.
    if (!SlotGueltig(slot)) return p.Popup(KennlFehler::SendenKurvennummer);
    p.Anzeige(0);

    if (!PortOffen(port)) return p.Anzeige(KennlFehler::PruefenPort);
    bool nutzbar = false;
    if (const int rc = SpeicherPruefen(port, adresse, nutzbar); rc != 0) return p.Anzeige(rc);
    if (!nutzbar) {
        if (!PortOffen(port)) return p.Anzeige(KennlFehler::VorbereitenPort);
        const LeerslotAbbild leer = LeerslotAbbildErzeugen();
        for (int s = 1; s <= kSlots; ++s) {
            const int rc = BlockSchreiben(port, adresse, SlotAdresse(s), leer.data(), static_cast<long>(leer.size()),
                                          {nullptr, r.abbrechen, nullptr});
            if (rc != 0) return p.Anzeige(rc);
        }
    }
    const long laenge = static_cast<long>(bild.size());
    const int rc =
        BlockSchreiben(port, adresse, SlotAdresse(slot), bild.data(), laenge, pruefen ? Teilstrecke(r, 0, 50) : r);
    if (rc != 0) return p.Anzeige(rc);
    const Schreibpruefung s =
        GeschriebenesPruefen(port, adresse, SlotAdresse(slot), bild.data(), laenge, pruefen, Teilstrecke(r, 50, 100));
    if (s.code != 0) {
        p.u.text = s.Text();
        return p.Anzeige(s.code);
    }
    return p.u;
}

Uebertragung KennlinieLesen(int port, char adresse, int slot, const KonfigDaten& k, std::optional<GelesenerSlot>& ziel,
                            const Blockrueckmeldung& r) {
    ziel.reset();
    Verlauf p;
    if (!SlotGueltig(slot)) return p.Popup(KennlFehler::LesenKurvennummer);
    p.Anzeige(0);
    if (!PortOffen(port)) return p.Popup(KennlFehler::PruefenPort);
    bool nutzbar = false;
    if (const int rc = SpeicherPruefen(port, adresse, nutzbar); rc != 0) return p.Popup(rc);
    if (!nutzbar) return p.Anzeige(KennlFehler::LesenKeineKennlinien);

    SlotAbbild bild{};
    if (const int rc = BlockLesen(port, adresse, SlotAdresse(slot), static_cast<long>(bild.size()), bild.data(), r);
        rc != 0)
        return p.Anzeige(rc);
    SlotInhalt inhalt;
    if (const int rc = SlotAbbildAuswerten(bild, inhalt); rc != 0) return p.Anzeige(rc);

    GelesenerSlot g{std::move(inhalt.punkte), std::nullopt, CodeZuAnstiegszeit(inhalt.anstiegscode)};
    if (inhalt.begrenzungRoh <= kRohMax)
        g.begrenzung = AusgangRohZuEinheit(k, 1, inhalt.begrenzungRoh);
    else
        p.Anzeige(KennlFehler::BegrenzungFehlerhaft);
    ziel = std::move(g);
    return p.u;
}

Uebertragung SlotsLesen(int port, char adresse, std::optional<std::array<SlotKopf, kSlots>>& ziel,
                        const Blockrueckmeldung& r) {
    ziel.reset();
    Verlauf p;
    p.Anzeige(0);
    // Up to the empty-slot flag at offset 9.
    constexpr long kKopf = 10;
    std::array<SlotKopf, kSlots> koepfe{};
    for (int s = 1; s <= kSlots; ++s) {
        std::uint8_t kopf[kKopf] = {};
        const Blockrueckmeldung einzeln{[&](int) {
                                            if (r.fortschritt) r.fortschritt(s * 100 / kSlots);
                                        },
                                        r.abbrechen, nullptr};
        if (const int rc = BlockLesen(port, adresse, SlotAdresse(s), kKopf, kopf, einzeln); rc != 0)
            return p.Anzeige(rc);
        koepfe[static_cast<std::size_t>(s - 1)] = SlotKopfAuswerten(kopf);
    }
    ziel = koepfe;
    return p.u;
}

Uebertragung Ausgang4Setzen(int port, char adresse, int slot) {
    Verlauf p;
    if (!PortOffen(port)) return p.Anzeige(KennlFehler::Ausgang4Port);
    if (const int rc = QAVKSV5_AusgangSchreiben(port, adresse, "a4", static_cast<double>(slot)); rc != 0)
        return p.Anzeige(rc);
    return p.u;
}
