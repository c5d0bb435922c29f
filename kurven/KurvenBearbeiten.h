#pragma once
// Edit commands on the current curve: the marked points, clipboard, cut, copy,
// paste, delete and the per-curve undo ring. Every function works on the
// Kurvensatz alone; the window shows the returned messages and redraws.
#include "kurven/KurvenMeldung.h"
#include "kurven/KurvenModell.h"

namespace kurvengenerator {

struct Bearbeitung {
    bool neuZeichnen = false; // the curve changed: redraw (and update the scroll bar)
    Meldungen meldungen;      // to show in this order
};

// Snapshot of the current curve before an edit; sets geaendert. A snapshot
// that cannot be stored adds "Speicherreservierung fehlgeschlagen".
void RueckgaengigSichern(Kurvensatz& s, Meldungen& meldungen);
Bearbeitung Rueckgaengig(Kurvensatz& s);
Bearbeitung Wiederherstellen(Kurvensatz& s);
// Whether "Rückgängig" / "Wiederherstellen" are enabled for the current curve.
bool RueckgaengigMoeglich(const Kurvensatz& s);
bool WiederherstellenMoeglich(const Kurvensatz& s);

// Points erster..ende-1 of the current curve: the segments that lie entirely
// inside the mark (none when ende <= erster). Ignores whether the mark is active.
struct MarkierteSpanne {
    int erster;
    int ende;
};
MarkierteSpanne MarkiertePunkte(const Kurvensatz& s);

// Commands; each does nothing without an active mark.
int Kopieren(Kurvensatz& s); // 0 or KurvenFehler::ZwischenspeicherSpeicher
Bearbeitung Ausschneiden(Kurvensatz& s);
Bearbeitung Einfuegen(Kurvensatz& s);
Bearbeitung Loeschen(Kurvensatz& s);
void AllesMarkieren(Kurvensatz& s);

} // namespace kurvengenerator
