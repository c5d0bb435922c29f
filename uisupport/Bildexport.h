#pragma once
// Pictures of a graph for reports: PNG, SVG and PDF files and print-outs.
// A heading (title, file name, the comment's first line, date) sits above
// the graph, which the caller paints with the window's own drawing code.
// SVG and PDF stay vector graphics.
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
class QPrinter;

enum class Bildformat { Png, Svg, Pdf };

// From the file's extension (.png, .svg, .pdf, in any case).
std::optional<Bildformat> BildformatVon(const QString& pfad);

// "1200x800": width and height in pixels, each kBildMin..kBildMax.
inline constexpr int kBildMin = 100;
inline constexpr int kBildMax = 20000;
inline const QSize kBildStandard(1200, 800);
std::optional<QSize> BildgroesseLesen(const QString& text);

// The file dialog's filters and its title.
inline constexpr const char* kTitelBildExport = "Grafik exportieren";
QStringList BildFilter();

struct Bildkopf {
    QString titel;
    QString datei;     // shown without its folder; empty: none
    QString kommentar; // only its first line is shown
    QString datum;     // empty: now
};

// Paints the graph into (0, 0, groesse) of the painter's coordinates; strich
// is the line width there (0: one device pixel), as for Graph::Zeichnen.
using Bildinhalt = std::function<void(QPainter& p, QSize groesse, double strich)>;

// groesse in pixels (PNG), SVG user units or PDF pixels at 96 dpi. Written to
// a temporary file and renamed over pfad. 0, BildFehler::Format,
// BildFehler::Oeffnen or BildFehler::Schreiben.
int BildSpeichern(const QString& pfad, QSize groesse, const Bildkopf& kopf, const Bildinhalt& inhalt);

// One page, the picture of groesse scaled to the printable area; false
// when the printer cannot be started.
bool BildDrucken(QPrinter& drucker, QSize groesse, const Bildkopf& kopf, const Bildinhalt& inhalt);

// The heading and the graph below it, in logical pixels from (0, 0).
void BildMalen(QPainter& p, QSize groesse, double strich, const Bildkopf& kopf, const Bildinhalt& inhalt);

namespace BildFehler {
inline constexpr int Format = -401601;    // "Unzulässiger Parameter"
inline constexpr int Groesse = -510602;   // "Ungültiger Wert."
inline constexpr int Oeffnen = -308603;   // "Fehler beim Öffnen der Datei"
inline constexpr int Schreiben = -301604; // "Fehler beim Schreiben auf Datei"
inline constexpr int Drucken = -301605;   // the printer could not be started
} // namespace BildFehler
