#include "kurven/KurvenAnsicht.h"

#include "config/KonfigDaten.h"

#include <algorithm>
#include <cmath>

namespace kurvengenerator {

namespace {

// trunc(v) limited to lo..hi; NaN gives lo.
int Begrenzt(double v, int lo, int hi) {
    if (!(v >= lo)) return lo;
    if (v > hi) return hi;
    return static_cast<int>(std::trunc(v));
}

} // namespace

double AnsichtSpanne(const Ansicht& a) { return a.ende - a.start + 1.0; }

void ZoomPlus(Ansicht& a) {
    const double spanne = AnsichtSpanne(a);
    const double neu = std::max(1.0, spanne / 1.5);
    const double start = a.start + (spanne - neu) / 2.0;
    a.start = std::floor(start);
    a.ende = std::floor(neu + start) - 1.0;
}

void ZoomMinus(Ansicht& a) {
    const double neu = 1.5 * AnsichtSpanne(a);
    const double start = std::max(0.0, a.start - neu / 6.0);
    double ende = neu + start;
    if (std::floor(start + 1.0) >= std::floor(ende)) ende += 1.0;
    a.start = std::floor(start);
    a.ende = std::floor(ende) - 1.0;
}

bool ZoomMarkierung(Ansicht& a, Markierung& m) {
    if (!m.aktiv) return false;
    if (m.ende > m.start) {
        a.start = m.start;
        a.ende = m.ende - 1.0;
    }
    m.aktiv = false;
    return true;
}

void GanzeKurveZeigen(Ansicht& a, const Kurve& k) {
    a.start = 0.0;
    a.ende = KurvenLaenge(k) - 1.0;
}

Scrollstand ScrollbalkenStand(const Ansicht& a, const Kurve& k) {
    const double laenge = KurvenLaenge(k);
    const double spanne = AnsichtSpanne(a);
    Scrollstand s{};
    s.groesse = laenge > 0.0 ? Begrenzt(spanne / laenge * 100.0 + 0.5, 1, 100) : 100;
    const double weg = std::trunc(laenge - spanne);
    s.position = weg > 0.0 ? Begrenzt(100.0 * a.start / weg, 0, 100) : 0;
    return s;
}

void ScrollbalkenVerschieben(Ansicht& a, const Kurve& k, int prozent) {
    const double breite = a.ende - a.start;
    const double weg = KurvenLaenge(k) - AnsichtSpanne(a);
    a.start = std::max(0.0, std::floor(prozent * weg / 100.0 + 0.5));
    a.ende = a.start + breite;
}

SegmentBereich SichtbareSegmente(const Kurve& k, double ansichtStart, double ansichtEnde) {
    SegmentBereich b;
    double t = 0.0;
    for (int i = 0; i < k.punktzahl(); ++i) {
        const double ende = t + GeradenDauer(k.punkte[static_cast<std::size_t>(i)]);
        if (!b.sichtbar && ende >= ansichtStart) {
            b.sichtbar = true;
            b.erster = i;
            b.startErster = t;
        }
        if (b.sichtbar && ende > ansichtEnde) {
            b.letzter = i;
            return b;
        }
        t = ende;
    }
    if (b.sichtbar) b.letzter = k.punktzahl() - 1;
    return b;
}

std::vector<ZeitbasisMarke> ZeitbasisMarken(const Kurve& k) {
    std::vector<ZeitbasisMarke> marken;
    double t = 0.0;
    for (const Kurvenpunkt& p : k.punkte) {
        if (marken.empty() || p.zeitbasis != marken.back().code) marken.push_back({t, p.zeitbasis});
        t += GeradenDauer(p);
    }
    return marken;
}

YAchse YAchseBerechnen(const KonfigDaten& konfig, int k) {
    const double unten = SchritteZuEinheit(konfig, k, 0.0);
    const double oben = SchritteZuEinheit(konfig, k, kMaxWert);
    return {(oben - unten) / kMaxWert, unten, EinheitText(konfig, Seite::Ausgang, k)};
}

std::string RuhewertBeschriftung(const KonfigDaten& konfig, int k) {
    return "Ruhezustand [" + EinheitText(konfig, Seite::Ausgang, k) + "]";
}

bool YZoomSetzen(Kurvensatz& s, int k, double minEinheit, double maxEinheit, const KonfigDaten& konfig) {
    if (k < 0 || k >= kKurvenzahl) return false;
    double unten = std::trunc(EinheitZuSchritte(konfig, k, minEinheit));
    double oben = std::trunc(EinheitZuSchritte(konfig, k, maxEinheit));
    if (unten < 0.0) unten = 0.0;
    if (oben > kMaxWert) oben = kMaxWert;
    if (!(unten < oben)) return false;
    s.yMin[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(unten);
    s.yMax[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(oben);
    return true;
}

double ZyklenUndRuhewertSetzen(Kurvensatz& s, int k, long zyklen, double ruheEinheit, const KonfigDaten& konfig) {
    if (k < 0 || k >= kKurvenzahl) return 0.0;
    const auto i = static_cast<std::size_t>(k);
    s.geaendert = true;
    s.zyklen[i] = static_cast<std::int32_t>(std::clamp(zyklen, 0L, 65535L));
    s.ruhewert[i] = Begrenzt(EinheitZuSchritte(konfig, k, ruheEinheit), 0, kMaxWert);
    return SchritteZuEinheit(konfig, k, s.ruhewert[i]);
}

std::string DateiName(const std::string& pfad) {
    const auto schraeg = pfad.find_last_of('/');
    return schraeg == std::string::npos ? pfad : pfad.substr(schraeg + 1);
}

std::string FensterTitel(const std::string& pfad) {
    if (pfad.empty()) return kTitelKurvengenerator;
    return std::string(kTitelKurvengenerator) + " - " + DateiName(pfad);
}

std::string KommentarTitel(int k) { return "Kommentar - Kurve " + std::to_string(k + 1); }

std::string UngespeichertFrage(const Kurvensatz& s) {
    const std::string name = s.dateiPfad.empty() ? kTitelKurvengenerator : DateiName(s.dateiPfad);
    return "Möchten Sie die Änderungen in " + name + " speichern?";
}

} // namespace kurvengenerator
