#pragma once
// The operations every window may call on the shell. Windows never reach into
// each other; they go through these and through the operations of the
// connection window (device/ComPanel.h).
#include <QPoint>
#include <QString>

class Werkzeugfenster;

enum class FensterId { Haupt = -1, Com, Konfig, Direkt, Kurven, Kennlinie };

// Shows one tool window inside the main window; nullptr (or FensterId::Haupt) hides the current one.
void ZeigeChildpanel(Werkzeugfenster* panel);
void ZeigeChildpanel(FensterId id);
Werkzeugfenster* AktuellesChildpanel();

void ZeigeInfopanel();

// Asks every window about unsaved work and ends the event loop unless one cancels.
int ProgrammendeFallsAllesGespeichert();
bool ProgrammendeAngefordert();

// 0 clears the error indicator on all four windows, a negative code sets it.
void ComFehlerSetzen(int code);

// The help bubble at the mouse pointer; HilfetextBei takes the pointer position
// relative to the main window.
void Hilfetext(const QString& text);
void HilfetextBei(const QString& text, QPoint mausImHauptfenster);

// The "?" toggles: switches the mode, the pointer and (on) shows the notice.
void DirekthilfeSchalten(bool an);
extern const char* const kDirekthilfeEin;
