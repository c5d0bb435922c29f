#pragma once
// dlm7ctl: the command-line companion, runnable in-process for tests.
#include <iosfwd>
#include <string>
#include <vector>

// Runs one invocation (arguments without the program name). Returns the
// exit status: 0 success, 1 failure (its message on err, last line "Fehler #<code>: <text>"),
// 2 wrong usage.
int Dlm7CtlAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& err);
