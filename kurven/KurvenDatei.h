#pragma once
// Curve-set files (.dlr): a 4472-byte little-endian header (title, version 2,
// curve count, four 1000-byte comments in Windows-1252, cycles, rest values,
// the 352-byte configuration record, the four point counts), then 12 bytes per
// point (wert, laenge, zeitbasis), curve 1 to 4.
#include "config/KonfigDaten.h"
#include "kurven/KurvenModell.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kurvengenerator {

inline constexpr const char* kKurvenDateiTitel = "ksv5 Kurvengenerator Datei";
inline constexpr std::int32_t kKurvenDateiVersion = 2;
inline constexpr std::size_t kKurvenDateiKopf = 4472;
inline constexpr std::size_t kPunktBytes = 12;

// Titles and pattern of the file dialogs.
inline constexpr const char* kDateimusterKurven = "*.dlr";
inline constexpr const char* kTitelKurveSpeichern = "Kurve speichern";
inline constexpr const char* kTitelKurveLaden = "Kurve laden";
inline constexpr const char* kTitelKurvenAnhaengen = "Kurven anhängen";

// The question when a file's configuration differs from the current one.
inline constexpr const char* kKonfigFrageTitel = "Konfiguration laden?";
inline constexpr const char* kKonfigFrageText =
    "Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\nKurven unterscheidet sich von der aktuellen "
    "Konfiguration.\nSoll die Konfiguration zusammen mit den Kurven geladen werden\noder soll die aktuelle "
    "Konfiguration behalten werden?";
inline constexpr const char* kKonfigFrageLaden = "laden";            // Enter
inline constexpr const char* kKonfigFrageNichtLaden = "nicht laden"; // Escape

struct LadeErgebnis {
    int code = 0;
    KonfigDaten konfig{};        // the file's configuration record (valid when code is 0)
    bool konfigWeichtAb = false; // differs from the current one: ask, and on "laden" take konfig
};

// "Kurven speichern" goes to the file dialog when there is no file yet.
bool SpeichernFragtPfad(const Kurvensatz& s, bool unter);

// The exact bytes a save writes. Unused bytes are zero; a comment character
// that Windows-1252 lacks becomes '?'.
std::string KurvenDateiBytes(const Kurvensatz& s, const KonfigDaten& konfig);

// Writes through a temporary file renamed over pfad, so a failed save leaves an
// existing file as it was. On success dateiPfad = pfad and geaendert is cleared.
// 0, KurvenFehler::SpeichernOeffnen or SpeichernKopf.
int KurvenSpeichern(Kurvensatz& s, const std::string& pfad, const KonfigDaten& konfig);

// Replaces the curves, comments, cycles and rest values by the file's; on a
// failure nothing changes, the path included. A file whose counts announce
// more points than it holds is truncated: KurvenFehler::LadenKopf. A curve
// with a negative count becomes the fresh curve, and so does every later
// curve, since their place in the file is lost.
// Anything but a regular file gives KurvenFehler::LadenOeffnen.
LadeErgebnis KurvenLaden(Kurvensatz& s, const std::string& pfad, const KonfigDaten& aktuell);

// Adds the file's points behind each curve's points (the old closing segment
// leads into the appended run); comments, cycles and rest values stay. A curve
// with a negative count keeps its points; a truncated file changes nothing.
// The path becomes the file's and geaendert is set.
LadeErgebnis KurvenAnhaengen(Kurvensatz& s, const std::string& pfad, const KonfigDaten& aktuell);

// Either of the two on bytes already read (the whole file, or at least its
// header and the points its counts announce); pfad only names the file.
LadeErgebnis KurvenAusBytes(Kurvensatz& s, std::string_view bytes, const std::string& pfad, const KonfigDaten& aktuell,
                            bool anhaengen);

} // namespace kurvengenerator
