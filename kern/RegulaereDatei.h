#pragma once
// Opening a file for reading that the user named: only a regular file is
// accepted. A FIFO or a device would block the caller or never end, and a
// directory cannot be read at all. Every reader of a file goes through here.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// The open stream (binary), or nullptr if pfad cannot be opened or is not a
// regular file; errno then tells why (EINVAL: not a regular file, ENOENT:
// missing). The caller closes it with std::fclose.
std::FILE* RegulaereDateiOeffnen(const std::string& pfad);

// Size of an open file in bytes (0 if it cannot be found out).
std::uint64_t DateiGroesse(std::FILE* datei);

// The whole content of a regular file of at most maxBytes bytes; false if the
// file cannot be opened as one, is larger (checked before anything is read)
// or a read fails. inhalt is written only on success.
bool RegulaereDateiLesen(const std::string& pfad, std::size_t maxBytes, std::string& inhalt);
