#pragma once
#include <QString>

// Modal box for an error code, title "Fehler #<code positive>"; the silent
// category shows nothing and returns the code cut to its category.
int QAV_Fehlerpopup(int code);
// The same with a line of its own below the catalogue text (a file name).
int QAV_Fehlerpopup(int code, const QString& zusatz);
// The same box with a caller's title.
int QAV_Fehlerpopup2(int code, const QString& titel);
