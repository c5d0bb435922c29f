#pragma once
// Decimal numbers in files, fields and on the wire always use '.', whatever
// locale the process runs in (a Qt program takes the user's, where printf and
// strtod would use ',').
#include <string>
#include <string_view>

// Fixed notation with the given decimals; empty if the number cannot be written.
std::string DezimalText(double wert, int stellen);

// The shortest text that reads back as the same number (exponent form where
// that is shorter).
std::string DezimalKurz(double wert);

// The whole text must be a finite decimal number; a leading '+' is allowed
// (but not "+-"). wert is left alone on failure.
bool DezimalLesen(std::string_view text, double& wert);
