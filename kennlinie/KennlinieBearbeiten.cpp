#include "kennlinie/KennlinieBearbeiten.h"

#include "kennlinie/KennlinieText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kVoll = kRohMax;

double Begrenzt(double v) {
    if (std::isnan(v)) v = 0.0;
    return std::floor(std::clamp(v, 0.0, kVoll) + 0.5);
}

// Raster spacing in raw steps, 0 for none. The spacing is the raster value's
// distance from unit value 0, so an input scale with an offset still snaps
// in steps of the value the user entered.
double XAbstand(const KonfigDaten& k, const Raster& r) {
    if (r.x == 0.0) return 0.0;
    const double rx = std::fabs(EingangEinheitZuRoh(k, 1, r.x) - EingangEinheitZuRoh(k, 1, 0.0));
    return std::isfinite(rx) && rx > 1e-9 ? rx : 0.0;
}

int LetzterIndex(const Kennlinienpunkte& p) { return static_cast<int>(p.size()) - 1; }

std::int32_t AlsLaenge(double v) {
    return static_cast<std::int32_t>(
        std::clamp(std::trunc(v), static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX)));
}

Bearbeitung Meldung(const char* text) {
    Bearbeitung b;
    b.meldung = text;
    return b;
}

Bearbeitung Geaendert() {
    Bearbeitung b;
    b.geaendert = true;
    return b;
}

} // namespace

double RasterXRunden(const KonfigDaten& k, const Raster& r, double x) {
    if (const double rx = XAbstand(k, r); rx != 0.0) x = std::floor(x / rx + 0.5) * rx;
    return Begrenzt(x);
}

double RasterXAufwaerts(const KonfigDaten& k, const Raster& r, double x) {
    if (const double rx = XAbstand(k, r); rx != 0.0) x = std::floor((std::floor(x / rx) + 1.0) * rx + 0.5);
    return Begrenzt(x);
}

double RasterXAbwaerts(const KonfigDaten& k, const Raster& r, double x) {
    if (const double rx = XAbstand(k, r); rx != 0.0) x = std::floor(std::floor((x - 1.0) / rx) * rx + 0.5);
    return Begrenzt(x);
}

double RasterYRunden(const KonfigDaten& k, const Raster& r, double y) {
    if (r.y != 0.0) {
        const double y0 = AusgangEinheitZuRoh(k, 0, 0.0);
        const double ry = AusgangEinheitZuRoh(k, 0, r.y) - y0;
        if (std::isfinite(ry) && std::fabs(ry) > 1e-9) y = std::floor((y - y0) / ry + 0.5) * ry + y0;
    }
    return Begrenzt(y);
}

int NaechsterPunkt(const Kennlinienpunkte& punkte, double x, double y, const Ansicht& a, const Plotflaeche& f) {
    const auto pos = PunktPositionen(punkte);
    const double breite = a.Breite() > 0.0 ? a.Breite() : 1.0;
    int beste = 0;
    double besterAbstand = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const double dx = std::fabs(std::trunc(x - static_cast<double>(pos[i]))) * f.breite / breite;
        const double dy = std::fabs(std::trunc(y - punkte[i].yWert)) * f.hoehe / kVoll;
        const double d = dx * dx + dy * dy;
        if (d < besterAbstand) {
            besterAbstand = d;
            beste = static_cast<int>(i);
        }
    }
    return beste;
}

int GeradeAnPosition(const Kennlinienpunkte& punkte, double x) {
    const double ziel = std::floor(x) + 1.0;
    long long naechste = 0;
    for (int i = 0; i < LetzterIndex(punkte); ++i) {
        naechste += punkte[static_cast<std::size_t>(i)].laenge;
        if (ziel <= static_cast<double>(naechste)) return i;
    }
    return std::max(LetzterIndex(punkte), 0);
}

Koordinaten KoordinatenAnzeigen(const KonfigDaten& k, double x, double y) {
    return {EingangRohZuEinheit(k, 1, x), AusgangRohZuEinheit(k, 0, y)};
}

void UndoRing::Merken(const Kennlinienpunkte& punkte) {
    slots_[static_cast<std::size_t>(index_)] = punkte;
    rueckgaengig_ = std::min(rueckgaengig_ + 1, kSchritte);
    index_ = (index_ + 1) % kSchritte;
    wiederherstellen_ = 0;
}

bool UndoRing::Rueckgaengig(Kennlinienpunkte& punkte) {
    if (rueckgaengig_ < 1) return false;
    const int s = index_ == 0 ? kSchritte - 1 : index_ - 1;
    std::swap(punkte, slots_[static_cast<std::size_t>(s)]);
    index_ = s;
    --rueckgaengig_;
    wiederherstellen_ = std::min(wiederherstellen_ + 1, kSchritte);
    return true;
}

bool UndoRing::Wiederherstellen(Kennlinienpunkte& punkte) {
    if (wiederherstellen_ < 1) return false;
    const int s = index_;
    std::swap(punkte, slots_[static_cast<std::size_t>(s)]);
    index_ = (s + 1) % kSchritte;
    --wiederherstellen_;
    rueckgaengig_ = std::min(rueckgaengig_ + 1, kSchritte);
    return true;
}

void KennlinienBearbeiter::RueckgaengigMerken() {
    geaendert = true;
    ring_.Merken(kurve.punkte);
}

std::optional<Zielpunkt> KennlinienBearbeiter::ZeichnenVorschau(const KonfigDaten& k, const Raster& r, double x,
                                                                double y) const {
    const auto& p = kurve.punkte;
    if (p.empty()) return std::nullopt;
    const double xl = static_cast<double>(PunktPosition(p, LetzterIndex(p)));
    double zx = RasterXRunden(k, r, x);
    const double zy = RasterYRunden(k, r, y);
    double laenge = std::trunc(std::floor(zx + 0.5) - xl + 0.5);
    if (laenge <= 0.0) {
        zx = RasterXAufwaerts(k, r, xl);
        laenge = std::trunc(std::floor(zx + 0.5) - xl + 0.5);
        if (laenge <= 0.0) {
            laenge = 1.0;
            zx = xl + 1.0;
        }
    }
    if (xl + laenge > kVoll) return std::nullopt;
    return Zielpunkt{zx, zy, static_cast<long long>(laenge)};
}

Bearbeitung KennlinienBearbeiter::PunktZeichnen(const KonfigDaten& k, const Raster& r, double x, double y) {
    const auto ziel = ZeichnenVorschau(k, r, x, y);
    if (!ziel) return {};
    if (ziel->laenge > kMaxLaenge) return Meldung(KennlMeldung::GeradeZuLang);
    RueckgaengigMerken();
    auto& letzter = kurve.punkte.back();
    letzter.laenge = static_cast<std::int32_t>(ziel->laenge);
    letzter.stufencode = 0;
    kurve.punkte.push_back({static_cast<std::int32_t>(std::trunc(ziel->y + 0.5)), 1, 0});
    return Geaendert();
}

Zielpunkt KennlinienBearbeiter::VerschiebeGrenzen(const KonfigDaten& k, const Raster& r, int punkt, double x,
                                                  double y) const {
    const auto& p = kurve.punkte;
    const auto pos = PunktPositionen(p);
    const bool letzter = punkt == LetzterIndex(p);
    const double xp = static_cast<double>(pos[static_cast<std::size_t>(std::max(punkt - 1, 0))]);
    const double xn = static_cast<double>(pos[static_cast<std::size_t>(std::min(punkt + 1, LetzterIndex(p)))]);
    const double zy = RasterYRunden(k, r, y);
    double zx = RasterXRunden(k, r, x);
    if (xp >= zx) zx = RasterXAufwaerts(k, r, xp);
    if (letzter)
        zx = std::min(zx, kVoll);
    else if (xn <= zx)
        zx = RasterXAbwaerts(k, r, xn);
    if (XAbstand(k, r) != 0.0) {
        if (!letzter && xn <= zx) zx = -1.0;
        if (xp >= zx) zx = -1.0;
    } else {
        if (!letzter && xn <= zx) zx = xn - 1.0;
        if (xp >= zx) zx = xp + 1.0;
    }
    if (punkt == 0) zx = 0.0;
    return {zx, zy, 0};
}

int KennlinienBearbeiter::Waehlen(double x, double y, const Ansicht& a, const Plotflaeche& f) {
    if (waehlenOffen_) {
        verschobenerPunkt_ = NaechsterPunkt(kurve.punkte, x, y, a, f);
        waehlenOffen_ = false;
    }
    // The points may have changed under a drag (undo by keyboard).
    verschobenerPunkt_ = std::clamp(verschobenerPunkt_, 0, std::max(LetzterIndex(kurve.punkte), 0));
    return verschobenerPunkt_;
}

Verschiebung KennlinienBearbeiter::VerschiebenPosition(const KonfigDaten& k, const Raster& r, double x, double y,
                                                       const Ansicht& a, const Plotflaeche& f) {
    if (kurve.punkte.empty()) return {-1, x, y, false, false, KoordinatenAnzeigen(k, x, y)};
    const int punkt = Waehlen(x, y, a, f);
    Zielpunkt z = VerschiebeGrenzen(k, r, punkt, x, y);
    if (z.x < 0.0) z.x = static_cast<double>(PunktPosition(kurve.punkte, punkt));
    return {punkt, z.x, z.y, punkt != 0, punkt != LetzterIndex(kurve.punkte), KoordinatenAnzeigen(k, z.x, z.y)};
}

Bearbeitung KennlinienBearbeiter::VerschiebenLoslassen(const KonfigDaten& k, const Raster& r, double x, double y,
                                                       const Ansicht& a, const Plotflaeche& f) {
    if (kurve.punkte.empty()) return {};
    const int punkt = Waehlen(x, y, a, f);
    waehlenOffen_ = true;
    auto& p = kurve.punkte;
    const auto pos = PunktPositionen(p);
    Zielpunkt z = VerschiebeGrenzen(k, r, punkt, x, y);
    if (z.x < 0.0) z.x = static_cast<double>(pos[static_cast<std::size_t>(punkt)]);
    const auto kk = static_cast<std::size_t>(punkt);
    if (punkt != 0) {
        const std::size_t vor = kk - 1;
        const bool letzter = punkt == LetzterIndex(p);
        double lp = (z.x - static_cast<double>(pos[vor])) / 1.0;
        if (lp > kMaxLaenge) return Meldung(KennlMeldung::ResultierendeZuLang);
        lp = std::trunc(lp + 0.5);
        if (lp < 1.0) return Meldung(KennlMeldung::Unvorhergesehen);
        double lk = p[kk].laenge;
        if (!letzter) {
            lk = (static_cast<double>(pos[kk + 1]) - z.x) / 1.0;
            if (lk > kMaxLaenge) return Meldung(KennlMeldung::ResultierendeZuLang);
            lk = std::trunc(lk + 0.5);
            if (lk < 1.0) return Meldung(KennlMeldung::Unvorhergesehen);
            if (lp + lk != static_cast<double>(p[vor].laenge) + p[kk].laenge)
                return Meldung(KennlMeldung::Unvorhergesehen);
        }
        RueckgaengigMerken();
        p[vor].laenge = AlsLaenge(lp);
        p[kk].laenge = AlsLaenge(lk);
    } else {
        RueckgaengigMerken();
    }
    p[kk].yWert = static_cast<std::int32_t>(std::trunc(z.y + 0.5));
    return Geaendert();
}

PunktDialog KennlinienBearbeiter::PunktDialogOeffnen(const KonfigDaten& k, double x, double y, const Ansicht& a,
                                                     const Plotflaeche& f) const {
    if (kurve.punkte.empty()) return {-1, {}, 0.0, 0.0};
    const int punkt = NaechsterPunkt(kurve.punkte, x, y, a, f);
    return {punkt, "Punkt " + std::to_string(punkt + 1),
            EingangRohZuEinheit(k, 1, static_cast<double>(PunktPosition(kurve.punkte, punkt))),
            AusgangRohZuEinheit(k, 0, kurve.punkte[static_cast<std::size_t>(punkt)].yWert)};
}

Bearbeitung KennlinienBearbeiter::PunktKoordinatenAendern(const KonfigDaten& k, int punkt, double xFeld, double yFeld) {
    auto& p = kurve.punkte;
    if (punkt < 0 || punkt > LetzterIndex(p)) return {};
    const auto kk = static_cast<std::size_t>(punkt);
    const auto vor = static_cast<std::size_t>(std::max(punkt - 1, 0));
    const auto nach = static_cast<std::size_t>(std::min(punkt + 1, LetzterIndex(p)));
    const bool letzter = punkt == LetzterIndex(p);
    const auto pos = PunktPositionen(p);
    const double yNeu = std::trunc(AusgangEinheitZuRoh(k, 0, yFeld) + 0.5);
    const double xNeu = std::trunc(EingangEinheitZuRoh(k, 1, xFeld) + 0.5);

    const bool xAnders = xNeu != static_cast<double>(pos[kk]);
    double d = 0.0;
    if (xAnders) {
        if (punkt == 0) return Meldung(KennlMeldung::ErsterPunkt);
        if (xNeu > kVoll) return Meldung(KennlMeldung::XZuGross);
        if (xNeu <= static_cast<double>(pos[vor])) return Meldung(KennlMeldung::XKleinerVorgaenger);
        if (xNeu >= static_cast<double>(pos[nach]) && !letzter) return Meldung(KennlMeldung::XGroesserNachfolger);
        d = xNeu - static_cast<double>(pos[kk]);
        if (p[kk].laenge - d > kMaxLaenge || p[vor].laenge + d > kMaxLaenge)
            return Meldung(KennlMeldung::ZuLangeGerade);
    }
    const bool yAnders = yNeu != p[kk].yWert;
    if (yAnders) {
        if (yNeu < 0.0) return Meldung(KennlMeldung::YZuKlein);
        if (yNeu > kVoll) return Meldung(KennlMeldung::YZuGross);
    }
    if (!xAnders && !yAnders) return {};
    RueckgaengigMerken();
    if (xAnders) {
        p[vor].laenge = AlsLaenge(p[vor].laenge + d);
        if (!letzter) p[kk].laenge = AlsLaenge(p[kk].laenge - d);
    }
    if (yAnders) p[kk].yWert = static_cast<std::int32_t>(yNeu);
    return Geaendert();
}

Bearbeitung KennlinienBearbeiter::PunktAufloesen(double x, double y, const Ansicht& a, const Plotflaeche& f) {
    auto& p = kurve.punkte;
    const int punkt = NaechsterPunkt(p, x, y, a, f);
    if (p.size() <= 1) return Meldung(KennlMeldung::LetzterPunkt);
    RueckgaengigMerken();
    const bool letzter = punkt == LetzterIndex(p);
    const auto kk = static_cast<std::size_t>(punkt);
    // The following points keep their positions.
    if (punkt != 0 && !letzter) p[kk - 1].laenge = AlsLaenge(static_cast<double>(p[kk - 1].laenge) + p[kk].laenge);
    p.erase(p.begin() + punkt);
    if (letzter) p.back().laenge = 1;
    return Geaendert();
}

Bearbeitung KennlinienBearbeiter::GeradeTeilen(double x) {
    auto& p = kurve.punkte;
    const int b = GeradeAnPosition(p, x);
    if (b >= LetzterIndex(p)) return {};
    const auto kb = static_cast<std::size_t>(b);
    const std::int32_t laenge = p[kb].laenge;
    if (laenge == 1) return Meldung(KennlMeldung::NichtTeilbar);
    if (laenge < 1) return {};
    const double e = std::clamp(std::trunc((x - static_cast<double>(PunktPosition(p, b))) / 1.0 + 0.5), 1.0,
                                static_cast<double>(laenge - 1));
    // The new point lies on the line: its level is the table entry the box
    // outputs there, so splitting never changes the curve's shape.
    const double ya = p[kb].yWert;
    const double yb = p[kb + 1].yWert;
    const double v = std::clamp((ya - yb) / (0.0 - laenge) * e + ya, 0.0, kVoll);
    const KennlinienPunkt neu{static_cast<std::int32_t>(std::trunc(v + 0.5)),
                              static_cast<std::int32_t>(laenge - static_cast<std::int32_t>(e)), p[kb].stufencode};
    RueckgaengigMerken();
    p[kb].laenge = static_cast<std::int32_t>(e);
    p.insert(p.begin() + b + 1, neu);
    return Geaendert();
}

void KennlinienBearbeiter::Neu() {
    kurve = NeueKennlinie();
    waehlenOffen_ = true;
}

Bearbeitung KennlinienBearbeiter::Importieren(const std::string& pfad) {
    ImportErgebnis e = KennlinieImportieren(pfad);
    Bearbeitung b;
    b.titel = KennlMeldung::ImportTitel;
    b.meldung = std::move(e.meldung);
    b.fehlercode = e.code;
    if (e.code != 0) return b;
    RueckgaengigMerken();
    kurve.punkte = std::move(e.punkte);
    b.geaendert = true;
    return b;
}
