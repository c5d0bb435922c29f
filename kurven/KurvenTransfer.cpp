#include "kurven/KurvenTransfer.h"

#include "device/Protokoll.h"
#include "device/Qavksv5.h"
#include "device/Schreibpruefung.h"
#include "kern/Dezimal.h"
#include "kurven/KurvenDigital.h"
#include "kurven/KurvenFehler.h"

#include <cmath>
#include <new>

namespace kurvengenerator {

namespace {

constexpr long kEndadressen = 2;
constexpr long kZyklen = 10;
constexpr long kRuhewerte = 18;
constexpr long kKurvenzahlByte = 26;

void WortSchreiben(unsigned char* ziel, unsigned wort) {
    ziel[0] = static_cast<unsigned char>(wort >> 8);
    ziel[1] = static_cast<unsigned char>(wort);
}

unsigned WortLesen(const unsigned char* quelle) { return quelle[0] * 256u + quelle[1]; }

std::string UngueltigText(const std::string& was) {
    return was + "\nDie Kurven können so nicht zur DLM-7 geschrieben werden.";
}

// The first value the box could not take, as a message; empty if all is well.
std::string DatenPruefen(const Kurvensatz& s) {
    for (int k = 0; k < kKurvenzahl; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const std::string kurve = "Kurve " + std::to_string(k + 1);
        if (s.zyklen[i] < 0 || s.zyklen[i] > 65535)
            return UngueltigText(kurve + ": Anzahl Zyklen " + std::to_string(s.zyklen[i]) +
                                 " liegt außerhalb von 0..65535.");
        if (s.ruhewert[i] < 0 || s.ruhewert[i] > kMaxWert)
            return UngueltigText(kurve + ": Ruhezustand " + std::to_string(s.ruhewert[i]) +
                                 " liegt außerhalb von 0..4095.");
        const auto& punkte = s.kurven[i].punkte;
        for (std::size_t j = 0; j < punkte.size(); ++j) {
            const std::string punkt = kurve + ", Punkt " + std::to_string(j + 1);
            if (!ZeitbasisGueltig(punkte[j].zeitbasis))
                return UngueltigText(punkt + ": unbekannte Zeitbasis " + std::to_string(punkte[j].zeitbasis) + ".");
            if (punkte[j].laenge < 1 || punkte[j].laenge > kMaxLaenge)
                return UngueltigText(punkt + ": Geradenlänge " + std::to_string(punkte[j].laenge) +
                                     " liegt außerhalb von 1..65535.");
        }
    }
    return {};
}

} // namespace

Laengenwarnung LaengenPruefen(const Kurvensatz& s) {
    Laengenwarnung w;
    w.text = "Kurven sind nicht gleich lang, und laufen daher nicht synchron.\n\n";
    bool erste = true;
    double bezug = 0.0;
    for (int k = 0; k < kKurvenzahl; ++k) {
        const Kurve& kurve = s.kurven[static_cast<std::size_t>(k)];
        if (kurve.punktzahl() <= 1) continue;
        const double laenge = KurvenLaenge(kurve);
        if (erste) {
            bezug = std::trunc(laenge);
            erste = false;
        } else if (laenge != bezug) {
            w.ungleich = true;
        }
        w.text += "Kurve " + std::to_string(k + 1) + ": " + DezimalText(laenge / 1000000, 5) + " sek\n";
    }
    return w;
}

std::uint16_t Pruefsumme(const unsigned char* bild, long letztes) {
    return Protokoll::Pruefsumme(bild + 2, letztes >= 2 ? static_cast<std::size_t>(letztes - 1) : 0);
}

Speicherabbild AbbildErstellen(const Kurvensatz& s) {
    Speicherabbild a;
    if (std::string fehler = DatenPruefen(s); !fehler.empty()) {
        a.code = KurvenFehler::SendenDatenUngueltig;
        a.meldungen.push_back(FehlerPopup(std::move(fehler), a.code));
        return a;
    }
    const long long bedarf = Speicherbedarf(s);
    if (bedarf > kBoxSpeicher) {
        a.code = KurvenFehler::SendenZuGross;
        a.meldungen.push_back(FehlerPopup(kTextSpeicherZuKlein, a.code));
        return a;
    }
    a.bytes.assign(static_cast<std::size_t>(bedarf), 0);
    unsigned char* bild = a.bytes.data();
    long pos = kAbbildKopf;
    for (int k = 0; k < kKurvenzahl; ++k) {
        const Kurve& kurve = s.kurven[static_cast<std::size_t>(k)];
        for (int j = 0; j < kurve.punktzahl(); ++j) {
            const Kurvenpunkt& p = kurve.punkte[static_cast<std::size_t>(j)];
            const std::int32_t w1 = FolgeWert(kurve, j);
            const unsigned nibble = static_cast<unsigned>(p.zeitbasis - 1) << 12;
            for (std::int32_t i = 0; i < p.laenge; ++i, pos += 2)
                WortSchreiben(bild + pos, nibble | static_cast<unsigned>(Abtastwert(p.wert, w1, p.laenge, i)));
        }
        WortSchreiben(bild + kEndadressen + 2 * k, static_cast<unsigned>(pos - 1));
        WortSchreiben(bild + kZyklen + 2 * k, static_cast<unsigned>(s.zyklen[static_cast<std::size_t>(k)]));
        WortSchreiben(bild + kRuhewerte + 2 * k, static_cast<unsigned>(s.ruhewert[static_cast<std::size_t>(k)]));
    }
    bild[kKurvenzahlByte] = kKurvenzahl;
    WortSchreiben(bild, Pruefsumme(bild, pos - 1));
    return a;
}

int DatenSenden(int port, char adresse, const unsigned char* bild, long anzahl, const Blockrueckmeldung& r) {
    if (port < 1) return KurvenFehler::SendenKeinPort;
    if (const int rc = SpeicherBlockweiseSchreiben(port, adresse, 0, bild, anzahl, r); rc != 0) return rc;
    // A cancel during the last block still keeps the box's mode as it was.
    if (r.abbrechen && r.abbrechen->load()) return kSendenAbgebrochen;
    if (const int rc = QAVKSV5_ModusSchreiben(port, adresse, false, kModusKennlinien); rc != 0) return rc;
    return QAVKSV5_ModusSchreiben(port, adresse, true, kModusGenerator);
}

int DatenLesen(int port, char adresse, long start, long anzahl, unsigned char* puffer, const Blockrueckmeldung& r) {
    if (port < 1) return KurvenFehler::LesenKeinPort;
    unsigned char modus = 0;
    if (const int rc = QAVKSV5_ModusLesen(port, adresse, modus); rc != 0) return rc;
    if (!(modus & kModusGenerator) || (modus & kModusKennlinien)) return KurvenFehler::KeineKurven;
    return SpeicherBlockweiseLesen(port, adresse, start, anzahl, puffer, r);
}

int KurveDekodieren(const unsigned char* bild, long erstes, long letztes, std::vector<Kurvenpunkt>& punkte) {
    std::vector<Kurvenpunkt> neu;
    try {
        neu.reserve(static_cast<std::size_t>(std::max(0L, (letztes - erstes + 2) / 2)));
        for (long pos = erstes; pos <= letztes; pos += 2) {
            if (pos == letztes) return KurvenFehler::DekodierenUngerade;
            const unsigned wort = WortLesen(bild + pos);
            const unsigned nibble = wort >> 12;
            if (nibble > 0xB) return KurvenFehler::DekodierenZeitbasis;
            neu.push_back({static_cast<std::int32_t>(wort & 0x0FFF), 1, static_cast<std::uint8_t>(nibble + 1)});
        }
    } catch (const std::bad_alloc&) { return KurvenFehler::DekodierenSpeicher1; }
    punkte.swap(neu);
    return 0;
}

Sendeergebnis AbbildSenden(int port, char adresse, const Speicherabbild& bild, const Blockrueckmeldung& r,
                           bool pruefen) {
    Sendeergebnis e;
    if (bild.code != 0) {
        e.meldungen = bild.meldungen;
        e.code = bild.code;
        return e;
    }
    e.meldungen.push_back(AnzeigeMeldung(0));
    const long anzahl = static_cast<long>(bild.bytes.size());
    e.code = DatenSenden(port, adresse, bild.bytes.data(), anzahl, pruefen ? Teilstrecke(r, 0, 50) : r);
    if (e.code == 0) {
        const Schreibpruefung p =
            GeschriebenesPruefen(port, adresse, 0, bild.bytes.data(), anzahl, pruefen, Teilstrecke(r, 50, 100));
        e.code = p.code;
        if (!p.Text().empty()) e.meldungen.push_back({Meldung::Art::Popup, p.code, p.Titel(), p.Text()});
    }
    if (e.code != 0) e.meldungen.push_back(AnzeigeMeldung(e.code));
    return e;
}

Sendeergebnis KurvenSenden(int port, char adresse, const Kurvensatz& s, const Blockrueckmeldung& r, bool pruefen) {
    return AbbildSenden(port, adresse, AbbildErstellen(s), r, pruefen);
}

Leseergebnis KurvenLesen(int port, char adresse, const Blockrueckmeldung& r) {
    Leseergebnis e;
    e.meldungen.push_back(AnzeigeMeldung(0));
    const auto fehler = [&e](int code, bool popup = false) {
        e.code = code;
        e.meldungen.push_back(popup ? KatalogPopup(code) : AnzeigeMeldung(code));
        return std::move(e);
    };
    std::vector<unsigned char> bild;
    try {
        bild.resize(kAbbildKopf);
    } catch (const std::bad_alloc&) { return fehler(KurvenFehler::LesenKopfSpeicher, true); }
    Blockrueckmeldung still = r;
    still.fortschritt = nullptr;
    still.menge = nullptr;
    if (const int rc = DatenLesen(port, adresse, 0, kAbbildKopf, bild.data(), still); rc != 0) return fehler(rc);
    const long letztes = static_cast<long>(WortLesen(bild.data() + kEndadressen + 6));
    try {
        bild.resize(static_cast<std::size_t>(letztes + 1));
    } catch (const std::bad_alloc&) { return fehler(KurvenFehler::LesenSpeicher, true); }
    if (const int rc = DatenLesen(port, adresse, 0, letztes + 1, bild.data(), r); rc != 0) return fehler(rc);
    if (Pruefsumme(bild.data(), letztes) != WortLesen(bild.data())) return fehler(KurvenFehler::LesenPruefsumme);

    std::array<long, kKurvenzahl> anfang{}, ende{};
    long start = kAbbildKopf;
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        anfang[k] = start;
        ende[k] = static_cast<long>(WortLesen(bild.data() + kEndadressen + 2 * k));
        if (anfang[k] < kAbbildKopf || ende[k] < anfang[k]) return fehler(KurvenFehler::LesenAnfang);
        if (ende[k] + 1 > kBoxSpeicher) return fehler(KurvenFehler::LesenEnde);
        start = ende[k] + 1;
    }
    GeleseneKurven g;
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        if (const int rc = KurveDekodieren(bild.data(), anfang[k], ende[k], g.punkte[k]); rc != 0)
            return fehler(rc, rc == KurvenFehler::DekodierenSpeicher1);
        g.zyklen[k] = static_cast<std::int32_t>(WortLesen(bild.data() + kZyklen + 2 * k));
        g.ruhewert[k] = static_cast<std::int32_t>(WortLesen(bild.data() + kRuhewerte + 2 * k));
    }
    e.kurven = std::move(g);
    return e;
}

void GeleseneKurvenUebernehmen(Kurvensatz& s, GeleseneKurven&& g) {
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        s.kurven[k].punkte = std::move(g.punkte[k]);
        s.zyklen[k] = g.zyklen[k];
        s.ruhewert[k] = g.ruhewert[k];
    }
    s.dateiPfad.clear();
}

} // namespace kurvengenerator
