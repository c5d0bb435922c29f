#pragma once
// In-memory settings object and its text file: sections of "key = value" lines.
//
// File layout: CR LF line ends; "[name]" starts a section; each value is one line
// "key = value"; one empty line after every section. Sections and keys are kept
// sorted ignoring letter case (ASCII) and are found in any case. Integers are
// written "%ld", doubles "%.16g" or, where that would not read back exactly,
// "%.17g" (always with '.', whatever the C locale says),
// strings in double quotes without escapes; a string longer than 80 characters
// becomes the lines "key Line0001", "key Line0002", ... of up to 80 characters
// each and is read back joined. On reading, ';' starts a comment line, blanks
// around "=" and a pair of quotes around the value are not part of it, a key
// given twice keeps its last value, and lines that fit no rule are skipped.
// A name must read back as written: no outer blanks, and no key ending in
// " LineNNNN" (NNNN not 0000). Setters refuse other names, reading skips
// their lines, so a load, save and load gives the same file again.
//
// The API speaks UTF-8; the file holds Windows-1252. A text that Windows-1252
// cannot hold, or that contains a line break or NUL, is refused by the setter
// (return value false, nothing stored) rather than written mangled.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

class IniDatei {
  public:
    enum class Ergebnis { Vorhanden, NichtVorhanden, Fehler };
    // Lesen never gives NichtGefunden: a missing file is an open failure (Fehler).
    enum class LeseErgebnis { Ok, NichtGefunden, Fehler };

    // Replaces the whole content by the file's. On Fehler the object is unchanged.
    LeseErgebnis Lesen(const std::string& pfad);
    // Writes Text() to a temporary file beside pfad and renames it over pfad.
    // false on any failure; an existing file then stays as it was.
    bool Schreiben(const std::string& pfad) const;
    // The exact bytes Schreiben writes.
    std::string Text() const;
    // Parses file text as Lesen does (always succeeds; bad lines are skipped).
    void TextUebernehmen(std::string_view dateitext);

    // Setters return false (and store nothing) when a name or text cannot be
    // written faithfully, or for a non-finite double.
    bool IntSetzen(std::string_view sektion, std::string_view schluessel, long wert);
    bool DoubleSetzen(std::string_view sektion, std::string_view schluessel, double wert);
    bool TextSetzen(std::string_view sektion, std::string_view schluessel, std::string_view utf8);

    // Fehler: the value does not parse completely (or is not finite); wert is
    // then left alone so the caller keeps its default.
    Ergebnis IntLesen(std::string_view sektion, std::string_view schluessel, long& wert) const;
    Ergebnis DoubleLesen(std::string_view sektion, std::string_view schluessel, double& wert) const;
    // Keeps at most maxZeichen characters of the value.
    Ergebnis TextLesen(std::string_view sektion, std::string_view schluessel, std::string& wert,
                       std::size_t maxZeichen) const;

    bool SektionVorhanden(std::string_view sektion) const;
    bool Leer() const { return sektionen_.empty(); }

  private:
    // ASCII letters compare without case; lookups take string_views.
    struct OhneFall {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    // Names and values are held as they appear in the file (Windows-1252).
    // Ordered maps keep loading at n log n even for a file of descending names.
    struct Eintrag {
        std::string wert;
        bool text = false;   // written in quotes
        int fortsetzung = 0; // last " LineNNNN" counter seen while reading
    };
    using Eintraege = std::map<std::string, Eintrag, OhneFall>;

    const Eintrag* Finden(std::string_view sektion, std::string_view schluessel) const;
    bool Ablegen(std::string_view sektion, std::string_view schluessel, std::string wert, bool text);

    std::map<std::string, Eintraege, OhneFall> sektionen_;
};

// Result of DateiErsetzen, so callers can tell an open failure from a write failure.
enum class ErsetzenErgebnis { Ok, OeffnenFehlgeschlagen, SchreibenFehlgeschlagen };

// Writes inhalt to a new temporary file in pfad's directory, flushes it and renames
// it over pfad only when every byte is on disk. On failure the temporary file is
// removed and an existing pfad is untouched. A replaced file keeps its permissions.
ErsetzenErgebnis DateiErsetzen(const std::string& pfad, std::string_view inhalt);
