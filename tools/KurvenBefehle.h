#pragma once
// dlm7ctl commands of the curve generator: kurven-senden, kurven-lesen,
// kurven-export, kurven-import.
#include "tools/Dlm7Ctl.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Usage lines of these commands, appended to dlm7ctl's usage text.
extern const char* const kKurvenBefehleHilfe;

// Returned for wrong arguments; dlm7ctl then prints its usage.
inline constexpr int kKurvenBefehlVerwendung = 1;

// std::nullopt if befehl is none of these commands. Otherwise 0, a negative
// code (any popup text has already gone to err), or kKurvenBefehlVerwendung.
// konfigPfad is the --konfig option (empty if not given); pruefen makes
// kurven-senden read the image back and compare it.
std::optional<int> KurvenBefehl(const std::string& befehl, const std::vector<std::string>& arg,
                                const std::string& konfigPfad, bool pruefen, const MitGeraet& mitGeraet,
                                std::ostream& err);
