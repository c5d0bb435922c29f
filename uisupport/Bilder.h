#pragma once

#include <QIcon>
#include <QString>

// Our pictures compiled into the program. The paths are Qt resource paths
// (":/bilder/..."), usable with QIcon, QSvgRenderer and style sheets.
class Bilder {
  public:
    Bilder() = delete;

    static QIcon Hilfe();
    static QIcon Programm();

    static QString PfadHilfe();
    static QString PfadProgramm();
    static QString PfadVerbindungOffen();
    static QString PfadVerbindungGetrennt();

    // Makes the compiled-in pictures reachable; the other functions call it.
    // A static library would otherwise let the linker drop them.
    static void Laden();
};
