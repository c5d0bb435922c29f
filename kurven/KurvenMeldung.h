#pragma once
// What an operation of the curve generator wants shown, so that the window,
// a worker thread's caller and the command line can each present it their way.
#include <string>
#include <utility>
#include <vector>

namespace kurvengenerator {

struct Meldung {
    enum class Art {
        Popup,         // one-button popup with titel and text (UTF-8)
        Katalog,       // the message catalogue's popup for code
        Fehleranzeige, // the shared error indicator; code 0 clears it
    };
    Art art = Art::Popup;
    int code = 0; // for Popup: the code the command line reports, or 0
    std::string titel;
    std::string text;
};
using Meldungen = std::vector<Meldung>;

inline constexpr const char* kTitelFehler = "Fehler";
inline constexpr const char* kTextKeinSpeicher = "Speicherreservierung fehlgeschlagen";

inline Meldung FehlerPopup(std::string text, int code = 0) {
    return {Meldung::Art::Popup, code, kTitelFehler, std::move(text)};
}
inline Meldung KatalogPopup(int code) { return {Meldung::Art::Katalog, code, {}, {}}; }
// The error indicator (named apart from the indicator widget of the windows).
inline Meldung AnzeigeMeldung(int code) { return {Meldung::Art::Fehleranzeige, code, {}, {}}; }

} // namespace kurvengenerator
