#pragma once
// Reading the text tables of both curve imports line by line, from a string
// or an open file, with the same rules: LF or CR LF ends a line, a line is cut
// to a fixed length (the rest is read and dropped, so no line can demand more
// memory), and blank or '#' lines are skipped by the caller.
#include <cstdio>
#include <string>
#include <string_view>

// Byte sources: Zeichen() gives the next byte or EOF, Fehler() a read error.
struct TextQuelle {
    std::string_view text;
    std::size_t pos = 0;
    int Zeichen() { return pos < text.size() ? static_cast<unsigned char>(text[pos++]) : EOF; }
    bool Fehler() const { return false; }
};

struct DateiQuelle {
    std::FILE* datei;
    int Zeichen() { return std::getc(datei); }
    bool Fehler() const { return std::ferror(datei) != 0; }
};

// Next line without its line break, at most `laenge` characters. false at the
// end of the source or on a read error.
template <class Quelle> bool ZeileLesen(Quelle& quelle, std::string& zeile, std::size_t laenge) {
    zeile.clear();
    bool gelesen = false;
    bool abgeschnitten = false;
    int c;
    while ((c = quelle.Zeichen()) != EOF) {
        gelesen = true;
        if (c == '\n') break;
        if (zeile.size() <= laenge)
            zeile.push_back(static_cast<char>(c));
        else
            abgeschnitten = true;
    }
    if (!abgeschnitten && !zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    if (zeile.size() > laenge) zeile.resize(laenge);
    return gelesen;
}

// Empty, blank-only and comment lines carry no values.
inline bool ZeileUeberspringen(std::string_view zeile) {
    const std::size_t i = zeile.find_first_not_of(' ');
    return i == zeile.npos || zeile[i] == '#';
}
