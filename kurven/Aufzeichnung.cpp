#include "kurven/Aufzeichnung.h"

#include "config/KonfigUmrechnung.h"
#include "kern/Csv.h"
#include "kern/IniDatei.h"

#include <algorithm>
#include <cmath>

namespace kurvengenerator {

Aufzeichnung::Aufzeichnung(const Eingangswahl& eingaenge, double dauer, bool bisFertig)
    : eingaenge_(eingaenge), dauer_(std::isfinite(dauer) && dauer > 0.0 ? dauer : 0.0), bisFertig_(bisFertig) {}

bool Aufzeichnung::RundeAufnehmen(const Eingangsrunde& r) {
    if (ende_ != Ende::Laeuft) return true;
    if (dauer_ > 0.0 && r.zeit >= dauer_) {
        ende_ = Ende::Dauer;
        return true;
    }
    Eingangsrunde kopie = r;
    // Only what was asked for goes into the table.
    for (std::size_t k = 0; k < kEingaenge; ++k)
        if (!eingaenge_[k]) kopie.werte[k].reset();
    runden_.push_back(kopie);
    // Only a generator seen playing can finish: one that had finished before
    // the recording began does not end it at once.
    if (bisFertig_ && r.status1) {
        const bool fertig = (*r.status1 & kStatus1Fertig) != 0;
        if (fertig && spielte_) {
            ende_ = Ende::Fertig;
            return true;
        }
        if (!fertig && (*r.status1 & kStatus1Laeuft)) spielte_ = true;
    }
    return false;
}

std::vector<Messwert> Aufzeichnung::Spur(int k) const {
    std::vector<Messwert> spur;
    if (k < 0 || k >= kEingaenge) return spur;
    const auto i = static_cast<std::size_t>(k);
    for (const Eingangsrunde& r : runden_)
        if (r.werte[i]) spur.push_back({r.zeiten[i], *r.werte[i]});
    return spur;
}

double Aufzeichnung::Abtastrate() const {
    if (runden_.size() < 2) return 0.0;
    const double spanne = runden_.back().zeit - runden_.front().zeit;
    return spanne > 0.0 ? static_cast<double>(runden_.size() - 1) / spanne : 0.0;
}

double KurvenPeriode(const Kurve& kurve) { return KurvenLaenge(kurve) / 1e6; }

std::vector<GefalteterWert> Falten(const std::vector<Messwert>& spur, double periode) {
    std::vector<GefalteterWert> gefaltet;
    gefaltet.reserve(spur.size());
    const bool gueltig = std::isfinite(periode) && periode > 0.0;
    for (const Messwert& a : spur) {
        double n = gueltig ? std::floor(a.zeit / periode) : 0.0;
        double t = a.zeit - n * periode;
        // Rounding can put a time just below a cycle's end into the next cycle's start.
        if (t >= periode && gueltig) {
            n += 1.0;
            t -= periode;
        }
        if (t < 0.0) t = 0.0;
        gefaltet.push_back({static_cast<int>(std::max(0.0, std::min(n, 2e9))), t, a.wert});
    }
    return gefaltet;
}

double EingangPhys(const KonfigDaten& k, int kanal, double geraetewert) {
    return PhysAusVolt(k, Seite::Eingang, kanal, VoltAusGeraetewert(k, Seite::Eingang, geraetewert));
}

std::string AufzeichnungCsvText(const Aufzeichnung& a, const KonfigDaten* k) {
    std::vector<std::string> kopf{"Zeit [s]"};
    for (int i = 0; i < kEingaenge; ++i) {
        if (!a.eingaenge()[static_cast<std::size_t>(i)]) continue;
        const std::string name = "Eingang " + std::to_string(i + 1);
        const std::string einheit = k ? EinheitText(*k, Seite::Eingang, i) : "V";
        kopf.push_back(CsvFeld(einheit.empty() ? name : name + " [" + einheit + "]"));
    }
    std::string text = CsvZeile(kopf);
    for (const Eingangsrunde& r : a.runden()) {
        // Microseconds are far below what the line resolves.
        std::vector<std::string> zeile{CsvZahl(std::round(r.zeit * 1e6) / 1e6)};
        for (int i = 0; i < kEingaenge; ++i) {
            const auto j = static_cast<std::size_t>(i);
            if (!a.eingaenge()[j]) continue;
            if (!r.werte[j])
                zeile.emplace_back();
            else
                zeile.push_back(CsvMesswert(k ? EingangPhys(*k, i, *r.werte[j]) : *r.werte[j]));
        }
        text += CsvZeile(zeile);
    }
    return text;
}

int AufzeichnungCsvSpeichern(const Aufzeichnung& a, const KonfigDaten* k, const std::string& pfad) {
    switch (DateiErsetzen(pfad, AufzeichnungCsvText(a, k))) {
    case ErsetzenErgebnis::Ok: return 0;
    case ErsetzenErgebnis::OeffnenFehlgeschlagen: return kAufzeichnungCsvOeffnen;
    case ErsetzenErgebnis::SchreibenFehlgeschlagen: return kAufzeichnungCsvSchreiben;
    }
    return kAufzeichnungCsvSchreiben;
}

} // namespace kurvengenerator
