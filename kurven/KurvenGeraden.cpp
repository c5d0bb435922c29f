#include "kurven/KurvenGeraden.h"

#include "kurven/KurvenDigital.h"
#include "kurven/KurvenFehler.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace kurvengenerator {

namespace {

const char* const kErsterPunkt = "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.";
const char* const kNichtImRaster = "Die angegebene Zeitkoordinate paßt nicht ins Zeitraster \n(Der Punkt muß ins "
                                   "Zeitraster der vorherigen und der folgenden Gerade passen).";
const char* const kZuKlein = "Die angegebene Zeitkoordinate ist zu klein \n(Der Punkt kann nicht auf eine Zeit "
                             "kleiner oder gleich der \ndes vorherigen Punktes verschoben werden).";
const char* const kZuGross = "Die angegebene Zeitkoordinate ist zu groß \n(Der Punkt kann nicht auf eine Zeit "
                             "größer oder gleich der \ndes nächsten Punktes verschoben werden).";
const char* const kZuLang = "Das verschieben des Punktes hätte eine zu lange Gerade zur Folge. \nWählen Sie für die "
                            "angrenzenden Geraden eine größere Zeitbasis.";
const char* const kYZuKlein = "Y-Wert zu klein.";
const char* const kYZuGross = "Y-Wert zu groß.";
const char* const kLetzterPunkt = "Letzter Punkt kann nicht gelöscht werden";
const char* const kUngleicheZeitbasen = "Punkt kann nicht gelöscht werden, da die beiden angrenzenden \nGeraden "
                                        "unterschiedliche Zeitbasen haben. \nWandeln Sie die Zeitbasis von einer der "
                                        "Geraden in die der anderen um.";
const char* const kAufloesenZuLang = "Punkt kann nicht gelöscht werden, da die resultierende \nGerade zu lang wäre. "
                                     "\nWandeln Sie die Geraden in eine größere Zeitbasis um.";
const char* const kNichtTeilbar =
    "Gerade kann nicht geteilt werden, da sie eine Länge \n von nur einer Zeiteinheit hat.";
const char* const kZeitbasisNichtTeilbar = "Die Länge der Gerade läßt sich nicht durch die \nneue Zeitbasis teilen.";
const char* const kZeitbasisZuLang = "Zeitbasis kann nicht umgewandelt werden. \nDie entstehende Gerade wäre zu lang.";
const char* const kLaengeNichtTeilbar = "Die Länge der Geraden muß durch ihre Zeitbasis teilbar sein.";
const char* const kLaengeZuGross = "Die neue Länge der Geraden ist zu groß. \nWählen Sie eine größere Zeitbasis.";
const char* const kLaengeZuKlein = "Die neue Länge der Geraden ist zu klein.";

double Tick(const Kurve& k, int i) { return ZeitbasisDauer(k.punkte[static_cast<std::size_t>(i)].zeitbasis); }

// trunc(a) is a whole multiple of trunc(b) (false for a step of 0).
bool Vielfaches(double a, double b) {
    const double schritt = std::trunc(b);
    return schritt > 0.0 && std::fmod(std::trunc(a), schritt) == 0.0;
}

Bearbeitung Abgelehnt(const char* text) {
    Bearbeitung b;
    b.meldungen.push_back(FehlerPopup(text));
    return b;
}

} // namespace

Punktdialog PunktKoordinaten(const Kurvensatz& s, int i, const KonfigDaten& konfig) {
    const Kurve& k = s.Aktuelle();
    i = std::clamp(i, 0, k.punktzahl() - 1);
    const double t = StartzeitPunkt(k, i);
    const double wert = k.punkte[static_cast<std::size_t>(i)].wert;
    return {"Punkt " + std::to_string(i + 1), ZeitZerlegen(t), SchritteZuEinheit(konfig, s.aktuelleKurve, wert), t,
            wert};
}

Bearbeitung PunktKoordinatenAendern(Kurvensatz& s, int i, const Zeitangabe& zeit, double wertEinheit,
                                    const KonfigDaten& konfig) {
    Bearbeitung b;
    Kurve& k = s.Aktuelle();
    if (i < 0 || i >= k.punktzahl()) return b;
    const int letzter = k.punktzahl() - 1;
    const double t = StartzeitPunkt(k, i);
    const double tNeu = ZeitZusammensetzen(zeit);
    const double yNeu = std::trunc(EinheitZuSchritte(konfig, s.aktuelleKurve, wertEinheit) + 0.5);
    bool gesichert = false;
    if (tNeu != t) {
        if (i == 0) return Abgelehnt(kErsterPunkt);
        const int p = i - 1;
        const int nach = std::min(i + 1, letzter);
        const double gp = Tick(k, p);
        const double gi = Tick(k, i);
        const double d = tNeu - t;
        // Beyond the larger tick, the shift must also be whole ticks of each
        // segment it changes (2 ms beside 3 ms), and leave both at least one tick.
        if (!Vielfaches(std::fabs(d), std::max(gi, gp)) || !Vielfaches(std::fabs(d), gp) ||
            (i != letzter && !Vielfaches(std::fabs(d), gi)))
            return Abgelehnt(kNichtImRaster);
        if (StartzeitPunkt(k, p) >= tNeu) return Abgelehnt(kZuKlein);
        if (StartzeitPunkt(k, nach) <= tNeu && i != letzter) return Abgelehnt(kZuGross);
        Kurvenpunkt& pp = k.punkte[static_cast<std::size_t>(p)];
        Kurvenpunkt& pi = k.punkte[static_cast<std::size_t>(i)];
        const double laengeP = d / gp + pp.laenge;
        const double laengeI = pi.laenge - d / gi;
        if (laengeP > kMaxLaenge || laengeI > kMaxLaenge) return Abgelehnt(kZuLang);
        if (std::trunc(laengeP) < 1.0 || (i != letzter && std::trunc(laengeI) < 1.0)) return Abgelehnt(kNichtImRaster);
        RueckgaengigSichern(s, b.meldungen);
        gesichert = true;
        pp.laenge = static_cast<std::int32_t>(std::trunc(laengeP));
        if (i != letzter) pi.laenge = static_cast<std::int32_t>(std::trunc(laengeI));
        b.neuZeichnen = true;
    }
    Kurvenpunkt& pi = k.punkte[static_cast<std::size_t>(i)];
    if (yNeu != pi.wert) {
        if (yNeu < 0.0 || std::isnan(yNeu)) {
            b.meldungen.push_back(FehlerPopup(kYZuKlein));
            return b;
        }
        if (yNeu > kMaxWert) {
            b.meldungen.push_back(FehlerPopup(kYZuGross));
            return b;
        }
        if (!gesichert) RueckgaengigSichern(s, b.meldungen);
        pi.wert = static_cast<std::int32_t>(yNeu);
        b.neuZeichnen = true;
    }
    return b;
}

Bearbeitung PunktAufloesen(Kurvensatz& s, int i) {
    Bearbeitung b;
    Kurve& k = s.Aktuelle();
    if (k.punktzahl() <= 1) return Abgelehnt(kLetzterPunkt);
    if (i < 0 || i >= k.punktzahl()) return b;
    const int letzter = k.punktzahl() - 1;
    const bool innen = i != 0 && i != letzter;
    if (innen) {
        const Kurvenpunkt& vor = k.punkte[static_cast<std::size_t>(i - 1)];
        const Kurvenpunkt& p = k.punkte[static_cast<std::size_t>(i)];
        if (p.zeitbasis != vor.zeitbasis) return Abgelehnt(kUngleicheZeitbasen);
        if (static_cast<long long>(p.laenge) + vor.laenge > kMaxLaenge) return Abgelehnt(kAufloesenZuLang);
    }
    RueckgaengigSichern(s, b.meldungen);
    if (innen) k.punkte[static_cast<std::size_t>(i - 1)].laenge += k.punkte[static_cast<std::size_t>(i)].laenge;
    k.punkte.erase(k.punkte.begin() + i);
    // The new last point closes the curve.
    if (i == letzter) k.punkte.back().laenge = 1;
    b.neuZeichnen = true;
    return b;
}

Bearbeitung GeradeTeilen(Kurvensatz& s, double x) {
    Bearbeitung b;
    Kurve& k = s.Aktuelle();
    const int g = GeradeAnZeit(k, x);
    if (g >= k.punktzahl() - 1) return b;
    const Kurvenpunkt alt = k.punkte[static_cast<std::size_t>(g)];
    if (alt.laenge <= 1) return Abgelehnt(kNichtTeilbar);
    const double tick = ZeitbasisDauer(alt.zeitbasis);
    const double roh = tick > 0.0 ? std::trunc((x - StartzeitPunkt(k, g)) / tick + 0.5) : 1.0;
    const auto e = static_cast<std::int32_t>(std::clamp(roh, 1.0, static_cast<double>(alt.laenge - 1)));
    // Integer quotient: the new point lies on the line only when e divides the
    // length; beyond half the length it takes the next point's level.
    const std::int32_t q = alt.laenge / e;
    const double w0 = alt.wert;
    const double w1 = k.punkte[static_cast<std::size_t>(g + 1)].wert;
    const double l = std::clamp(std::trunc(w0 + (w1 - w0) / q), 0.0, static_cast<double>(kMaxWert));
    RueckgaengigSichern(s, b.meldungen);
    try {
        k.punkte.insert(k.punkte.begin() + g + 1,
                        Kurvenpunkt{static_cast<std::int32_t>(l), alt.laenge - e, alt.zeitbasis});
    } catch (const std::bad_alloc&) {
        b.meldungen.push_back(KatalogPopup(KurvenFehler::PunkteSpeicher));
        return b;
    }
    k.punkte[static_cast<std::size_t>(g)].laenge = e;
    b.neuZeichnen = true;
    return b;
}

int ZeitbasisAnZeit(const Kurvensatz& s, double x) {
    const Kurve& k = s.Aktuelle();
    return k.punkte[static_cast<std::size_t>(GeradeAnZeit(k, x))].zeitbasis;
}

Bearbeitung ZeitbasisAendern(Kurvensatz& s, double x, int code) {
    Bearbeitung b;
    if (!ZeitbasisGueltig(code)) return b;
    Kurve& k = s.Aktuelle();
    const int g = GeradeAnZeit(k, x);
    const int letzter = k.punktzahl() - 1;
    Kurvenpunkt& p = k.punkte[static_cast<std::size_t>(g)];
    if (g == letzter) {
        // The closing segment keeps its length of one tick. Its time base is
        // played by the box and stored in the file, so the set counts as changed.
        if (x <= KurvenLaenge(k) && p.zeitbasis != code) {
            p.zeitbasis = static_cast<std::uint8_t>(code);
            s.geaendert = true;
            b.neuZeichnen = true;
        }
        return b;
    }
    if (code == p.zeitbasis) return b;
    const double d = GeradenDauer(p);
    const double tick = ZeitbasisDauer(code);
    if (!Vielfaches(d, tick)) return Abgelehnt(kZeitbasisNichtTeilbar);
    if (d / tick > kMaxLaenge) return Abgelehnt(kZeitbasisZuLang);
    RueckgaengigSichern(s, b.meldungen);
    p.zeitbasis = static_cast<std::uint8_t>(code);
    p.laenge = static_cast<std::int32_t>(std::trunc(d / tick + 0.5));
    if (g == letzter - 1) k.punkte.back().zeitbasis = static_cast<std::uint8_t>(code);
    b.neuZeichnen = true;
    return b;
}

Geradendialog GeradenlaengeDialog(const Kurvensatz& s, double x) {
    Geradendialog d;
    const Kurve& k = s.Aktuelle();
    const int g = GeradeAnZeit(k, x);
    if (g >= k.punktzahl() - 1) return d;
    d.offen = true;
    d.gerade = g;
    d.titel = "Gerade " + std::to_string(g + 1);
    const double t0 = StartzeitPunkt(k, g);
    d.dauer = ZeitZerlegen(GeradenDauer(k.punkte[static_cast<std::size_t>(g)]));
    d.markierung = {t0, static_cast<double>(k.punkte[static_cast<std::size_t>(g)].wert), StartzeitPunkt(k, g + 1),
                    static_cast<double>(FolgeWert(k, g))};
    return d;
}

Bearbeitung GeradenlaengeAendern(Kurvensatz& s, int g, const Zeitangabe& dauer) {
    Bearbeitung b;
    Kurve& k = s.Aktuelle();
    if (g < 0 || g >= k.punktzahl() - 1) return b;
    Kurvenpunkt& p = k.punkte[static_cast<std::size_t>(g)];
    const double r = ZeitZusammensetzen(dauer) / ZeitbasisDauer(p.zeitbasis);
    if (std::floor(r) != r) return Abgelehnt(kLaengeNichtTeilbar);
    if (r > kMaxLaenge) return Abgelehnt(kLaengeZuGross);
    if (r <= 0.0) return Abgelehnt(kLaengeZuKlein);
    const auto neu = static_cast<std::int32_t>(std::trunc(r + 0.5));
    if (neu != p.laenge) {
        // No undo step for a length change, but the set counts as changed so
        // leaving the program asks about it.
        p.laenge = neu;
        s.geaendert = true;
        b.neuZeichnen = true;
    }
    return b;
}

} // namespace kurvengenerator
