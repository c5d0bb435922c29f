#include "kurven/KurvenBearbeiten.h"

#include "kurven/KurvenFehler.h"

#include <algorithm>
#include <new>

namespace kurvengenerator {

namespace {

constexpr double kMarkeHinterEinfuegung = 0.05;

// Removes the marked points, optionally behind an undo snapshot. The segment
// before them then runs to the first point after them. False if none are marked.
bool MarkierteEntfernen(Kurvensatz& s, bool sichern, Meldungen& meldungen) {
    const MarkierteSpanne m = MarkiertePunkte(s);
    if (m.ende - 1 < m.erster) return false;
    if (sichern) RueckgaengigSichern(s, meldungen);
    auto& p = s.Aktuelle().punkte;
    p.erase(p.begin() + m.erster, p.begin() + m.ende);
    return true;
}

} // namespace

void RueckgaengigSichern(Kurvensatz& s, Meldungen& meldungen) {
    s.geaendert = true;
    Rueckgaengigring& r = s.AktuellerRing();
    try {
        r.ablagen[static_cast<std::size_t>(r.naechster)] = s.Aktuelle().punkte;
    } catch (const std::bad_alloc&) {
        meldungen.push_back(FehlerPopup(kTextKeinSpeicher));
        return;
    }
    r.undoZahl = std::min(r.undoZahl + 1, kUndoSlots);
    r.naechster = (r.naechster + 1) % kUndoSlots;
    r.redoZahl = 0;
}

Bearbeitung Rueckgaengig(Kurvensatz& s) {
    Bearbeitung b;
    Rueckgaengigring& r = s.AktuellerRing();
    if (r.undoZahl < 1) return b;
    const int slot = r.naechster == 0 ? kUndoSlots - 1 : r.naechster - 1;
    s.Aktuelle().punkte.swap(r.ablagen[static_cast<std::size_t>(slot)]);
    r.naechster = slot;
    r.undoZahl -= 1;
    r.redoZahl = std::min(r.redoZahl + 1, kUndoSlots);
    b.neuZeichnen = true;
    return b;
}

Bearbeitung Wiederherstellen(Kurvensatz& s) {
    Bearbeitung b;
    Rueckgaengigring& r = s.AktuellerRing();
    if (r.redoZahl < 1) return b;
    const int slot = r.naechster;
    s.Aktuelle().punkte.swap(r.ablagen[static_cast<std::size_t>(slot)]);
    r.naechster = (slot + 1) % kUndoSlots;
    r.redoZahl -= 1;
    r.undoZahl = std::min(r.undoZahl + 1, kUndoSlots);
    b.neuZeichnen = true;
    return b;
}

bool RueckgaengigMoeglich(const Kurvensatz& s) { return s.AktuellerRing().undoZahl >= 1; }

bool WiederherstellenMoeglich(const Kurvensatz& s) { return s.AktuellerRing().redoZahl >= 1; }

MarkierteSpanne MarkiertePunkte(const Kurvensatz& s) {
    const Kurve& k = s.Aktuelle();
    int erster = GeradeAnZeit(k, s.markierung.start);
    const int ende = GeradeAnZeit(k, s.markierung.ende);
    if (StartzeitPunkt(k, erster) != s.markierung.start) ++erster;
    return {erster, ende};
}

int Kopieren(Kurvensatz& s) {
    if (!s.markierung.aktiv) return 0;
    const MarkierteSpanne m = MarkiertePunkte(s);
    if (m.ende - 1 < m.erster) return 0;
    const auto& p = s.Aktuelle().punkte;
    try {
        s.zwischenspeicher.assign(p.begin() + m.erster, p.begin() + m.ende);
    } catch (const std::bad_alloc&) { return KurvenFehler::ZwischenspeicherSpeicher; }
    return 0;
}

Bearbeitung Ausschneiden(Kurvensatz& s) {
    Bearbeitung b;
    if (!s.markierung.aktiv) return b;
    if (const int rc = Kopieren(s); rc != 0) b.meldungen.push_back(KatalogPopup(rc));
    MarkierteEntfernen(s, true, b.meldungen);
    s.markierung.aktiv = false;
    b.neuZeichnen = true;
    return b;
}

Bearbeitung Loeschen(Kurvensatz& s) {
    Bearbeitung b;
    if (!s.markierung.aktiv) return b;
    MarkierteEntfernen(s, true, b.meldungen);
    s.markierung.aktiv = false;
    b.neuZeichnen = true;
    return b;
}

Bearbeitung Einfuegen(Kurvensatz& s) {
    Bearbeitung b;
    if (!s.markierung.aktiv) return b;
    Kurve& k = s.Aktuelle();
    int a = GeradeAnZeit(k, s.markierung.start) + 1;
    RueckgaengigSichern(s, b.meldungen);
    MarkierteEntfernen(s, false, b.meldungen);
    b.neuZeichnen = true;
    const auto n = static_cast<int>(s.zwischenspeicher.size());
    try {
        k.punkte.reserve(k.punkte.size() + s.zwischenspeicher.size());
    } catch (const std::bad_alloc&) {
        b.meldungen.push_back(KatalogPopup(KurvenFehler::EinfuegenSpeicher));
        return b;
    }
    // The closing segment always stays last.
    if (a >= k.punktzahl()) a = k.punktzahl() - 1;
    // The segment before the insertion keeps its shape: the run starts at the
    // value of the point that will follow it.
    if (n > 0) s.zwischenspeicher[0].wert = k.punkte[static_cast<std::size_t>(a)].wert;
    k.punkte.insert(k.punkte.begin() + a, s.zwischenspeicher.begin(), s.zwischenspeicher.end());
    s.markierung.start = s.markierung.ende = StartzeitPunkt(k, a + n) + kMarkeHinterEinfuegung;
    return b;
}

void AllesMarkieren(Kurvensatz& s) {
    s.markierung.start = 0.0;
    s.markierung.ende = KurvenLaenge(s.Aktuelle());
    s.markierung.aktiv = true;
}

} // namespace kurvengenerator
