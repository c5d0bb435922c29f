#pragma once
// dlm7ctl commands that look at what the box does and holds: compare a slot
// or the generator image with a file, record the inputs as CSV.
#include "tools/KennlinieBefehle.h"

#include <iosfwd>
#include <string>
#include <vector>

// Lines for the usage text.
extern const char* const kVergleichVerwendung;

// Exit status of a comparison that found differences.
inline constexpr int kUnterschiedeStatus = 3;

bool IstVergleichBefehl(const std::string& befehl);

// Exit status: 0 equal or recorded; 3 different ("Unterschiede: <n>" and the
// differences on aus); 1 failure ("Fehler #<code>: <text>" last on err);
// 2 wrong usage (nothing done, the caller prints the usage).
int VergleichBefehl(const std::string& befehl, const std::vector<std::string>& arg, const CtlOptionen& o,
                    std::ostream& aus, std::ostream& err);
