#pragma once
// "Neu", the curve file (.dle), the text exchange and the CSV table. Each
// returns 0 or the code the menu shows in the error popup; what a file
// brings goes to the editor as one command.
#include "kennlinie/fenster/KennlinienKontext.h"

#include <QString>

#include <functional>

class KennlinienDateiAktionen {
  public:
    // abbruchFrage: the unsaved-changes question, nonzero to cancel.
    KennlinienDateiAktionen(KennlinienKontext k, std::function<int()> abbruchFrage);

    int Neu();
    // With a path (from the command line) the file dialog is skipped.
    int Laden(const QString& pfad = {});
    int Speichern(bool unter);
    int Importieren();
    int Exportieren();
    int TabelleExportieren();

  private:
    KennlinienKontext k_;
    std::function<int()> abbruchFrage_;
};
