#include "kennlinie/KennlinieAnsicht.h"

#include "config/KonfigUmrechnung.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

constexpr double kVoll = kRohMax;

double MarkenX(double x) { return std::floor(std::clamp(x, 0.0, kVoll) + 0.5); }

Achsenbeschriftung Achse(const KonfigDaten& k, Seite seite, int kanal) {
    const double unten = PhysAusCounts(k, seite, kanal, 0.0);
    const double oben = PhysAusCounts(k, seite, kanal, kVoll);
    return {(oben - unten) / kVoll, unten, EinheitText(k, seite, kanal)};
}

} // namespace

void MarkierenPosition(Markierung& m, double x) {
    if (m.startOffen) {
        m.start = m.ende = MarkenX(x);
        m.startOffen = false;
        m.gueltig = true;
    } else {
        m.ende = MarkenX(x);
    }
}

void MarkierenLoslassen(Markierung& m, double x) {
    // A click without movement brings no position report before its release.
    if (m.startOffen) MarkierenPosition(m, x);
    if (x < m.start) {
        m.ende = m.start;
        m.start = MarkenX(x);
    } else {
        m.ende = MarkenX(x);
    }
    m.startOffen = true;
}

void AllesMarkieren(Markierung& m) {
    m.start = 0.0;
    m.ende = kVoll;
    m.gueltig = true;
}

void MarkierungAufheben(Markierung& m) {
    m.gueltig = false;
    m.startOffen = true;
}

void ZoomPlus(Ansicht& a) {
    const double breite = a.Breite();
    const double w = std::max(breite / 1.5, 1.0);
    const double anfang = a.min + (breite - w) / 2.0;
    a.min = std::floor(anfang);
    a.max = std::floor(anfang + w) - 1.0;
}

void ZoomMinus(Ansicht& a) {
    const double w = a.Breite() * 1.5;
    const double c = std::max(a.min - w / 6.0, 0.0);
    double e = std::min(w + c, kVoll);
    if (std::floor(e) <= std::floor(c + 1.0)) e += 1.0;
    a.min = std::floor(c);
    a.max = std::floor(e) - 1.0;
}

void ZoomMarkierung(Ansicht& a, Markierung& m) {
    if (!m.gueltig) return;
    if (m.start < m.ende) {
        a.min = m.start;
        a.max = m.ende - 1.0;
    }
    MarkierungAufheben(m);
}

void ZoomGesamt(Ansicht& a) {
    a.min = 0.0;
    a.max = 4094.0;
}

Rollbalken RollbalkenAusAnsicht(const Ansicht& a) {
    const double breite = a.Breite();
    Rollbalken r;
    r.groesse = static_cast<int>(std::clamp(std::trunc(breite / kVoll * 100.0 + 0.5), 1.0, 100.0));
    const double rest = std::trunc(kVoll - breite);
    const double position = rest != 0.0 ? std::clamp(std::trunc(100.0 * a.min / rest), 0.0, 100.0) : 0.0;
    r.position = static_cast<int>(std::trunc(position + 0.5));
    return r;
}

void AnsichtRollen(Ansicht& a, int position) {
    const double m = std::max(std::floor(position * (kVoll - a.Breite()) / 100.0 + 0.5), 0.0);
    a.max = m + (a.max - a.min);
    a.min = m;
}

bool YZoomSetzen(Ansicht& a, const KonfigDaten& k, double minEinheit, double maxEinheit) {
    double unten = std::trunc(AusgangEinheitZuRoh(k, 0, minEinheit));
    double oben = std::trunc(AusgangEinheitZuRoh(k, 0, maxEinheit));
    unten = std::max(unten, 0.0);
    oben = std::min(oben, kVoll);
    if (!(unten < oben)) return false;
    a.yMin = static_cast<int>(unten);
    a.yMax = static_cast<int>(oben);
    return true;
}

YZoomWerte YZoomFelder(const Ansicht& a, const KonfigDaten& k) {
    return {AusgangRohZuEinheit(k, 0, a.yMin), AusgangRohZuEinheit(k, 0, a.yMax)};
}

std::optional<SichtbareGeraden> SichtbareGeradenBestimmen(const Kennlinienpunkte& punkte, const Ansicht& a) {
    const auto x = PunktPositionen(punkte);
    const int n = static_cast<int>(punkte.size());
    const auto ende = [&](int i) {
        const long long e = x[static_cast<std::size_t>(i)] + punkte[static_cast<std::size_t>(i)].laenge;
        // The last point's line is its extension: it reaches the end of the range.
        return i == n - 1 ? std::max(e, static_cast<long long>(kRohMax)) : e;
    };
    int erste = 0;
    while (erste < n && static_cast<double>(ende(erste)) < a.min) ++erste;
    if (erste == n) return std::nullopt;
    int letzte = erste;
    while (letzte < n - 1 && !(static_cast<double>(ende(letzte)) > a.max + 1.0)) ++letzte;
    return SichtbareGeraden{erste, letzte};
}

Geradenstueck GeradeVonPunkt(const Kennlinienpunkte& punkte, int i) {
    const auto k = static_cast<std::size_t>(i);
    const double x = static_cast<double>(PunktPosition(punkte, i));
    const double y = punkte[k].yWert;
    if (k + 1 < punkte.size()) return {x, y, x + punkte[k].laenge, static_cast<double>(punkte[k + 1].yWert), false};
    return {x, y, kVoll, y, true};
}

std::vector<Geradenstueck> SichtbareGeradenstuecke(const Kennlinienpunkte& punkte, const Ansicht& a) {
    std::vector<Geradenstueck> stuecke;
    const auto sicht = SichtbareGeradenBestimmen(punkte, a);
    if (!sicht) return stuecke;
    const auto x = PunktPositionen(punkte);
    stuecke.reserve(static_cast<std::size_t>(sicht->letzte) - static_cast<std::size_t>(sicht->erste) + 1);
    for (int i = sicht->erste; i <= sicht->letzte; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double x1 = static_cast<double>(x[k]);
        const double y1 = punkte[k].yWert;
        if (k + 1 < punkte.size())
            stuecke.push_back({x1, y1, x1 + punkte[k].laenge, static_cast<double>(punkte[k + 1].yWert), false});
        else
            stuecke.push_back({x1, y1, kVoll, y1, true});
    }
    return stuecke;
}

Achsenbeschriftung XAchse(const KonfigDaten& k) { return Achse(k, Seite::Eingang, 1); }
Achsenbeschriftung YAchse(const KonfigDaten& k) { return Achse(k, Seite::Ausgang, 0); }

BegrenzungFeld BegrenzungEinrichten(const KonfigDaten& k) {
    const KanalSkalierung s = Skalierung(k, Seite::Ausgang, 1);
    // A falling scale still gives a usable range.
    return {"Analogausgang2 [" + EinheitText(k, Seite::Ausgang, 1) + "]", std::min(s.skalamin, s.skalamax),
            std::max(s.skalamin, s.skalamax)};
}

double NeueBegrenzung(const KonfigDaten& k) { return EingangRohZuEinheit(k, 1, 0.0); }

std::string FensterTitel(const std::string& pfad) {
    if (pfad.empty()) return "Kennlinienregler";
    return "Kennlinienregler - " + std::filesystem::path(pfad).filename().string();
}

std::string SpeichernFrage(const std::string& pfad) {
    const std::string name =
        pfad.empty() ? std::string("Kennlinienregler") : std::filesystem::path(pfad).filename().string();
    return "Möchten Sie die Änderungen in " + name + " speichern?";
}

std::string KommentarVorschau(const std::string& kommentar) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < kommentar.size(); ++i) {
        // Every byte that does not continue a UTF-8 sequence starts a character.
        if ((static_cast<unsigned char>(kommentar[i]) & 0xC0) != 0x80 && zeichen++ == 30) return kommentar.substr(0, i);
    }
    return kommentar;
}
