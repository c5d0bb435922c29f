#pragma once
// dlm7ctl: the command-line companion, runnable in-process for tests.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// Runs a device step with the port open (and closes it afterwards); returns
// the step's code, or the code of opening the port. For commands of other
// modules that need the box only for part of their work.
using MitGeraet = std::function<int(const std::function<int(int port, char adresse)>&)>;

// Runs one invocation (arguments without the program name). Returns the
// exit status: 0 success, 1 failure (any popup text, then one line "Fehler #<code>: <text>"
// on err), 2 wrong usage.
int Dlm7CtlAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& err);
