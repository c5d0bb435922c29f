#pragma once
// Files shared with the Windows version hold text in Windows-1252; inside the
// program every std::string is UTF-8. These two functions are the edge.
#include <optional>
#include <string>
#include <string_view>

// UTF-8 -> Windows-1252; std::nullopt if a character has no Windows-1252 byte
// or the input is not valid UTF-8.
std::optional<std::string> NachCp1252(std::string_view utf8);

// Windows-1252 -> UTF-8. The five unassigned bytes (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control of the same number, so nothing is lost.
std::string VonCp1252(std::string_view cp1252);

// True if every character of the UTF-8 text can be stored in Windows-1252.
bool InCp1252Darstellbar(std::string_view utf8);
