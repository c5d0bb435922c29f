#pragma once
// Opening a file for reading that the user named: only a regular file is
// accepted. A FIFO or a device would block the caller or never end, and a
// directory cannot be read at all.
#include <cstdio>
#include <string>

// The open stream (binary), or nullptr if pfad cannot be opened or is not a
// regular file. The caller closes it with std::fclose.
std::FILE* RegulaereDateiOeffnen(const std::string& pfad);
