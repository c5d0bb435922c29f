#pragma once
// The data log of the direct I/O window: a Windows-1252 text file with CR LF
// line ends, only ever appended to.
//
// Every piece (start block, data line, closing text) is written whole or not
// at all: when the disk refuses part of it, the file is cut back to where the
// piece began, so what was logged before stays intact, and the failure is
// reported at once (writes are unbuffered).
#include "config/KonfigDaten.h"
#include "direkt/DirektKanaele.h"

#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

// The system clock, replaceable for tests. Jetzt gives the local time.
class Uhr {
  public:
    virtual ~Uhr() = default;
    virtual std::tm Jetzt() = 0;
};

struct Zeitstempel {
    std::string datum; // DD.MM.YYYY
    std::string zeit;  // HH:MM:SS
};
// Date and time read one after the other; the date is read again afterwards
// and both are repeated until it is stable, so a stamp taken across midnight
// never pairs the old date with the new time.
Zeitstempel ZeitstempelLesen(Uhr& uhr);

class DatenProtokoll {
  public:
    // ::write by default; tests put a failing disk here.
    using Schreibfunktion = std::function<ssize_t(int fd, const void* daten, size_t anzahl)>;

    explicit DatenProtokoll(Uhr* uhr = nullptr); // nullptr: the system clock
    ~DatenProtokoll();
    DatenProtokoll(const DatenProtokoll&) = delete;
    DatenProtokoll& operator=(const DatenProtokoll&) = delete;

    // Opens pfad for appending (created if missing) and writes the start
    // block: two empty lines, the start line, the four input and four output
    // range lines and the column header. 0, or the code of the failing
    // step; the file is then closed and left exactly as it was.
    int Oeffnen(const std::string& pfad, const KonfigDaten& k);

    // One data line for a polling round. No log open: 0. On failure the
    // partial line is removed and the log is closed.
    int ZeileSchreiben(const KonfigDaten& k, const DirektZustand& z);

    // Free text (UTF-8, "\n" for a line break). No log open: 0. On failure
    // the partial text is removed and the log stays open.
    int Text(std::string_view utf8);

    void Schliessen();
    bool offen() const { return fd_ >= 0; }

    void SchreibfunktionSetzen(Schreibfunktion f) { schreiben_ = std::move(f); }

  private:
    // Appends bytes; false after cutting the file back to anfang.
    bool Anhaengen(std::string_view bytes, off_t anfang);
    off_t Groesse() const;

    Uhr* uhr_;
    int fd_ = -1;
    Schreibfunktion schreiben_;
};

// The lines of the log, exposed for tests. Texts are Windows-1252 with CR LF.
namespace ProtokollFormat {
std::string Bereichszeile(const KonfigDaten& k, Seite seite, int kanal);
std::string Kopfzeile(const KonfigDaten& k);
// Eight fields, tab-separated, the last followed by CR LF.
std::string Eingangsfelder(const KonfigDaten& k, const DirektZustand& z);
std::string Ausgangsfelder(const KonfigDaten& k, const DirektZustand& z);
// UTF-8 text to Windows-1252 with CR LF; characters it cannot hold become '?'.
std::string TextNachCp1252(std::string_view utf8);
} // namespace ProtokollFormat
