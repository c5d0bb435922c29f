#pragma once
// Creates and wires every window (start-up), and takes them down again.
// main and the window tests both go through this one place.
#include "app/Shell.h"

class ComPanel;
class DirektPanel;
class Hauptfenster;
class Infofenster;
class KennlinienPanel;
class KonfigPanel;
class KurvenPanel;

extern Hauptfenster* gMainpanel;
extern ComPanel* gCompanel;
extern KonfigPanel* gKonfigpanel;
extern DirektPanel* gDirektpanel;
extern KurvenPanel* gKurvenpanel;
extern KennlinienPanel* gKennlinienpanel;
extern Infofenster* gInfopanel;

extern const char* const kProgrammVersion;  // "V 0.9.1"
extern const char* const kProgrammDatum;    // "05/2011"

class Anwendung {
public:
    // Loads the main window and its children and fills the info window.
    Anwendung();
    ~Anwendung();
    Anwendung(const Anwendung&) = delete;
    Anwendung& operator=(const Anwendung&) = delete;

    // Settings file, window initialisation, start size, main window shown.
    // Returns 0, or the failing window's code (shown already) when the program must end.
    int Starten(bool zeigen = true);
    // After the event loop: settings file written, windows cleared.
    void Beenden();
};

int InitialisierePanels();
int DeinitialisierePanels();
