#include "kurven/KurvenMaus.h"

#include "kurven/KurvenFehler.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace kurvengenerator {

namespace {

constexpr double kMikroProStunde = 1000.0 * 1000.0 * 60.0 * 60.0;
constexpr double kMikroProMinute = 1000.0 * 1000.0 * 60.0;
constexpr double kMikroProSekunde = 1000.0 * 1000.0;

const char* const kZuLangGezeichnet = "Gerade zu lang!\nWählen Sie eine größere Zeiteinheit.";
const char* const kZuLangVerschoben = "Resultierende Gerade ist zu lang!";
const char* const kUnvorhergesehen = "Unvorhergesehene Operation.";

double Tick(const Kurve& k, int i) { return ZeitbasisDauer(k.punkte[static_cast<std::size_t>(i)].zeitbasis); }

double Raster(const Kurvensatz& s) { return s.yRaster[static_cast<std::size_t>(std::clamp(s.aktuelleKurve, 0, 3))]; }

bool PunktGueltig(const Kurve& k, int i) { return i >= 0 && i < k.punktzahl(); }

// Snapped position of point i in the move mode: in steps of the larger tick
// of its two segments, anchored at the neighbour on that side, strictly
// between the neighbours; point 0 stays at 0.
double VerschiebenZeit(const Kurve& k, int i, double x) {
    if (i == 0) return 0.0;
    const int letzter = k.punktzahl() - 1;
    const int p = std::max(i - 1, 0);
    const int s = std::min(i + 1, letzter);
    const double tp = StartzeitPunkt(k, p);
    const double ts = StartzeitPunkt(k, s);
    const double gp = Tick(k, p);
    const double gi = Tick(k, i);
    const bool innen = i != letzter;
    if (gp <= 0.0 || gi <= 0.0) return x; // refused on release
    double f;
    if (gi > gp) {
        const double g = gi;
        f = ts - g * std::floor((ts - x) / g + 0.5);
        if (f <= tp) {
            f = ts - g * std::floor((ts - tp) / g + 0.5);
            if (f <= tp) f += g;
        }
        if (f >= ts && innen) f = ts - g;
    } else {
        const double g = gp;
        f = tp + g * std::floor((x - tp) / g + 0.5);
        if (f <= tp) f = tp + g;
        if (f >= ts && innen) {
            f = tp + g * std::floor((ts - tp) / g + 0.5);
            if (f == ts) f -= g;
        }
    }
    return f;
}

} // namespace

const char* ModusText(Bearbeitungsmodus m) {
    switch (m) {
    case Bearbeitungsmodus::Markieren: return "Markieren";
    case Bearbeitungsmodus::Zeichnen: return "Punkt zeichnen";
    case Bearbeitungsmodus::Verschieben: return "Punkt verschieben";
    case Bearbeitungsmodus::Koordinaten: return "Punktkoordinaten zeigen/ändern";
    case Bearbeitungsmodus::Anzeigen: return "Koordinaten und Zeitbasis anzeigen";
    case Bearbeitungsmodus::Aufloesen: return "Punkt auflösen";
    case Bearbeitungsmodus::Teilen: return "Gerade teilen";
    case Bearbeitungsmodus::Zeitbasis: return "Zeitbasis ändern";
    case Bearbeitungsmodus::Laenge: return "Geradenlänge ändern";
    }
    return "";
}

const char* ModusMenuText(Bearbeitungsmodus m) {
    switch (m) {
    case Bearbeitungsmodus::Koordinaten: return "Punktkoordinaten ändern";
    case Bearbeitungsmodus::Anzeigen: return "Zeitbasis anzeigen";
    default: return ModusText(m);
    }
}

bool ModusGewaehlt(Kurvensatz& s, Bearbeitungsmodus m) {
    if (m != Bearbeitungsmodus::Markieren) s.markierung.aktiv = false;
    return m == Bearbeitungsmodus::Anzeigen;
}

int NaechsterPunkt(const Kurve& k, double x, double y, const Ansicht& a, double breite, double hoehe) {
    const double spanne = AnsichtSpanne(a);
    int bester = 0;
    double kleinster = std::numeric_limits<double>::infinity();
    double t = 0.0;
    for (int i = 0; i < k.punktzahl(); ++i) {
        const Kurvenpunkt& p = k.punkte[static_cast<std::size_t>(i)];
        const double dx = std::fabs(std::trunc(x - t));
        const double dy = std::fabs(std::trunc(y - p.wert));
        const double px = dx / spanne * breite;
        const double py = dy / kMaxWert * hoehe;
        const double abstand = std::sqrt(px * px + py * py);
        if (abstand < kleinster) {
            kleinster = abstand;
            bester = i;
        }
        t += GeradenDauer(p);
    }
    return bester;
}

Zeitangabe ZeitZerlegen(double t) {
    Zeitangabe z;
    z.stunden = std::trunc(t / 1000 / 1000 / 60 / 60);
    double rest = t - z.stunden * kMikroProStunde;
    z.minuten = std::trunc(rest / 1000 / 1000 / 60);
    rest -= z.minuten * kMikroProMinute;
    z.sekunden = std::trunc(rest / 1000 / 1000);
    rest -= z.sekunden * kMikroProSekunde;
    z.millisekunden = rest / 1000;
    return z;
}

double ZeitZusammensetzen(const Zeitangabe& z) {
    return 1000.0 * (1000.0 * (60.0 * (60.0 * z.stunden + z.minuten) + z.sekunden) + z.millisekunden);
}

Linie ZeichnenVorschau(const Kurvensatz& s, double x, double y, int zeitbasis, const KonfigDaten& konfig) {
    const Kurve& k = s.Aktuelle();
    const double l = KurvenLaenge(k) - GeradenDauer(k.punkte.back());
    const double tick = ZeitbasisDauer(zeitbasis);
    const double schritte = tick > 0.0 ? std::max(1.0, std::floor((x - l) / tick + 0.5)) : 1.0;
    return {l, static_cast<double>(k.punkte.back().wert), l + tick * schritte,
            YRasterAnwenden(konfig, s.aktuelleKurve, Raster(s), std::floor(y + 0.5))};
}

Bearbeitung PunktZeichnen(Kurvensatz& s, double x, double y, int zeitbasis, const KonfigDaten& konfig) {
    Bearbeitung b;
    Kurve& k = s.Aktuelle();
    const double tick = ZeitbasisDauer(zeitbasis);
    if (tick <= 0.0) return b;
    const double l = KurvenLaenge(k) - GeradenDauer(k.punkte.back());
    const double q = (std::floor(x + 0.5) - l) / tick;
    if (q > kMaxLaenge) {
        b.meldungen.push_back(FehlerPopup(kZuLangGezeichnet));
        return b;
    }
    const double n = std::max(1.0, std::trunc(q + 0.5));
    RueckgaengigSichern(s, b.meldungen);
    const Kurvenpunkt neu{
        static_cast<std::int32_t>(std::trunc(YRasterAnwenden(konfig, s.aktuelleKurve, Raster(s), y) + 0.5)), 1,
        static_cast<std::uint8_t>(zeitbasis)};
    try {
        k.punkte.push_back(neu);
    } catch (const std::bad_alloc&) {
        b.meldungen.push_back(KatalogPopup(KurvenFehler::PunkteSpeicher));
        return b;
    }
    Kurvenpunkt& vorher = k.punkte[k.punkte.size() - 2];
    vorher.laenge = static_cast<std::int32_t>(n);
    vorher.zeitbasis = static_cast<std::uint8_t>(zeitbasis);
    b.neuZeichnen = true;
    return b;
}

Verschiebung VerschiebenVorschau(const Kurvensatz& s, int punkt, double x, double y, const KonfigDaten& konfig) {
    Verschiebung v;
    const Kurve& k = s.Aktuelle();
    if (!PunktGueltig(k, punkt)) return v;
    v.x = VerschiebenZeit(k, punkt, x);
    v.y = YRasterAnwenden(konfig, s.aktuelleKurve, Raster(s), y);
    const int letzter = k.punktzahl() - 1;
    if (punkt != 0) {
        v.linksLinie = true;
        v.links = {StartzeitPunkt(k, punkt - 1),
                   static_cast<double>(k.punkte[static_cast<std::size_t>(punkt - 1)].wert), v.x, v.y};
    }
    if (punkt != letzter) {
        v.rechtsLinie = true;
        v.rechts = {v.x, v.y, StartzeitPunkt(k, punkt + 1),
                    static_cast<double>(k.punkte[static_cast<std::size_t>(punkt + 1)].wert)};
    }
    return v;
}

Bearbeitung PunktVerschieben(Kurvensatz& s, int i, double x, double y, const KonfigDaten& konfig) {
    Bearbeitung b;
    Kurve& k = s.Aktuelle();
    if (!PunktGueltig(k, i)) return b;
    const double f = VerschiebenZeit(k, i, x);
    const double v = YRasterAnwenden(konfig, s.aktuelleKurve, Raster(s), y);
    if (i != 0) {
        const int letzter = k.punktzahl() - 1;
        const int p = i - 1;
        const int nach = std::min(i + 1, letzter);
        const double tp = StartzeitPunkt(k, p);
        const double ts = StartzeitPunkt(k, nach);
        const double gp = Tick(k, p);
        const double gi = Tick(k, i);
        auto& pp = k.punkte[static_cast<std::size_t>(p)];
        auto& pi = k.punkte[static_cast<std::size_t>(i)];
        if (gp <= 0.0 || gi <= 0.0) {
            b.meldungen.push_back(FehlerPopup(kUnvorhergesehen));
            return b;
        }
        const double h = (f - tp) / gp;
        if (h > kMaxLaenge) {
            b.meldungen.push_back(FehlerPopup(kZuLangVerschoben));
            return b;
        }
        const double m = std::trunc(h + 0.5);
        if (m < 1.0) {
            b.meldungen.push_back(FehlerPopup(kUnvorhergesehen));
            return b;
        }
        double r = pi.laenge;
        if (i != letzter) {
            const double t = (ts - f) / gi;
            if (t > kMaxLaenge) {
                b.meldungen.push_back(FehlerPopup(kZuLangVerschoben));
                return b;
            }
            r = std::trunc(t + 0.5);
            if (r < 1.0 || gp * m + gi * r != GeradenDauer(pp) + GeradenDauer(pi)) {
                b.meldungen.push_back(FehlerPopup(kUnvorhergesehen));
                return b;
            }
        }
        RueckgaengigSichern(s, b.meldungen);
        pp.laenge = static_cast<std::int32_t>(m);
        pi.laenge = static_cast<std::int32_t>(r);
    } else {
        RueckgaengigSichern(s, b.meldungen);
    }
    k.punkte[static_cast<std::size_t>(i)].wert = static_cast<std::int32_t>(std::trunc(v + 0.5));
    b.neuZeichnen = true;
    return b;
}

Koordinatenanzeige KoordinatenAnzeigen(const Kurvensatz& s, double x, double y, const KonfigDaten& konfig) {
    const Kurve& k = s.Aktuelle();
    return {k.punkte[static_cast<std::size_t>(GeradeAnZeit(k, x))].zeitbasis, ZeitZerlegen(x),
            SchritteZuEinheit(konfig, s.aktuelleKurve, y)};
}

void MarkierenZiehen(Kurvensatz& s, double x) {
    Markierung& m = s.markierung;
    if (m.frisch) {
        m.start = m.ende = std::floor(x + 0.5);
        m.frisch = false;
        m.aktiv = true;
    } else {
        m.ende = std::floor(x + 0.5);
    }
}

void MarkierenLoslassen(Kurvensatz& s, double x) {
    Markierung& m = s.markierung;
    if (m.start > x) {
        m.ende = m.start;
        m.start = std::floor(x + 0.5);
    } else {
        m.ende = std::floor(x + 0.5);
    }
    m.frisch = true;
}

} // namespace kurvengenerator
