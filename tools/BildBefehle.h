#pragma once
// dlm7ctl commands that draw a curve file as a picture (PNG, SVG or PDF) with
// the program's graph, without a display and without a box.
#include <iosfwd>
#include <string>
#include <vector>

extern const char* const kBildVerwendung;

bool IstBildBefehl(const std::string& befehl);

// args: DATEI BILD [--groesse BxH]; konfig: --konfig DATEI.dlo or empty.
// Exit status 0, 1 (a line on err, then "Fehler #<code>: <text>") or 2 (wrong usage).
int BildBefehl(const std::string& befehl, const std::vector<std::string>& args, const std::string& konfig,
               std::ostream& err);
