#pragma once
// dlm7ctl commands of the characteristic-curve controller: send a .dle to a
// slot, read a slot into a .dle, export and import the text table, write
// the box's table as CSV.
#include <iosfwd>
#include <string>
#include <vector>

// Lines for the usage text.
extern const char* const kKennlinienVerwendung;

// The global options as dlm7ctl parsed them; the port is opened only by the
// commands that talk to the box.
struct CtlOptionen {
    int port;
    int baud;
    double zeitlimit;
    char adresse;
    std::string konfig;   // --konfig DATEI.dlo, only for kennlinie-lesen and kennlinie-csv
    bool pruefen = false; // --pruefen: kennlinie-senden reads the slot back and compares
};

bool IstKennlinienBefehl(const std::string& befehl);

// Exit status: 0 success; 1 failure (popup messages, then "Fehler #<code>: <text>"
// on err); 2 wrong usage (nothing written, the caller prints the usage).
// A target file is written only by a command that succeeds.
int KennlinienBefehl(const std::string& befehl, const std::vector<std::string>& arg, const CtlOptionen& o,
                     std::ostream& aus, std::ostream& err);
