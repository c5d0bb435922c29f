#include "kennlinie/fenster/KennlinienSteuerelemente.h"

#include <cstddef>

namespace Kennl {

namespace {

template <class E, std::size_t N> const char* Aus(const char* const (&namen)[N], E e) {
    const auto i = static_cast<std::size_t>(e);
    return i < N ? namen[i] : "";
}

} // namespace

const char* Name(Modus m) {
    static const char* const namen[] = {"MARKIEREN",           "ZEICHNEN",  "VERSCHIEBEN", "KOORDINATENAENDERN",
                                        "KOORDINATENANZEIGEN", "AUFLOESEN", "TEILEN"};
    return Aus(namen, m);
}

const char* Name(Befehl b) {
    static const char* const namen[] = {
        "NEU",         "LADEN",          "SPEICHERN",      "SPEICHERNUNTER", "IMPORTIEREN",
        "EXPORTIEREN", "CSVEXPORTIEREN", "ALLESMARKIEREN", "RUECKGAENGIG",   "WIEDERHERSTELLEN",
        "ZOOMPLUS",    "ZOOMMINUS",      "ZOOMMARKIERUNG", "ZOOMGESAMT"};
    return Aus(namen, b);
}

const char* Name(Feld f) {
    static const char* const namen[] = {"XANZEIGE", "YANZEIGE",   "XRASTER",      "YRASTER", "YZOOMMAX",
                                        "YZOOMMIN", "BEGRENZUNG", "ANSTIEGSZEIT", "KURVENNR"};
    return Aus(namen, f);
}

const char* Name(Knopf k) {
    static const char* const namen[] = {"KOMMENTAR", "SCHREIBEN", "LESEN", "AUSGANG4SETZEN"};
    return Aus(namen, k);
}

const char* DarstellungsName(int d) {
    static const char* const namen[] = {"", "LINIEN", "STUFEN", "LINIENSTUFEN"};
    return d >= 1 && d <= 3 ? namen[d] : "";
}

const char* DarstellungsKnopfName(int d) {
    static const char* const namen[] = {"", "DARSTELLUNG1", "DARSTELLUNG2", "DARSTELLUNG3"};
    return d >= 1 && d <= 3 ? namen[d] : "";
}

} // namespace Kennl
