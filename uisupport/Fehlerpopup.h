#pragma once
#include <QString>

// Modal box for an error code, title "Fehler #<code positive>"; the silent
// category shows nothing and returns the code cut to its category.
int QAV_Fehlerpopup(int code);
// The same box with a caller's title.
int QAV_Fehlerpopup2(int code, const QString& titel);
