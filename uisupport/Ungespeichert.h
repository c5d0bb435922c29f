#pragma once
#include <QString>
#include <functional>

// The unsaved-changes question every window with user data asks on exit.
// name: file name with extension, or the window name when there is no file.
// speichern saves to the current file and returns 0 or an error code.
// Returns 0 to go on, non-zero when the exit is to be cancelled.
int AenderungenSpeichernFragen(bool geaendert, const QString& name, const std::function<int()>& speichern);

constexpr int kProgrammendeAbgebrochen = 1;
