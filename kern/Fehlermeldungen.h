#pragma once
// Message catalogue: turns an error code -(K*1000+N) into a sentence.
#include <string>

// Language of the catalogue: 1 German (start), 2 English, anything else German.
extern int sgSprache;

// Category of a code: the code divided by 1000, truncated towards zero.
inline int FehlerKategorie(int code) { return code / 1000; }

// Text of the code's category in the selected language (UTF-8): a constant of
// the catalogue, valid for the whole run.
const char* QAV_Fehlermeldung(int code);

void QAV_Fehlersprache(int sprache);

// The silent category shows nothing.
constexpr int kStilleKategorie = -6;
