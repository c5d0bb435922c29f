#pragma once
// Context help ("Direkthilfe"): while the mode is on, a left click on a control
// only shows its text. One application-wide event filter does the intercepting,
// so windows merely attach texts to their controls.
#include <QString>
#include <functional>

class QWidget;

// True while the help mode is on; every handler tests it first.
extern bool gHilfeAktiv;

// Attaches a help text to a control (and everything inside it).
void HilfetextSetzen(QWidget* w, const QString& text);
QString HilfetextVon(const QWidget* w);

// Marks a control that keeps working in help mode (the "?" toggles).
void HilfeDurchlassen(QWidget* w);

// Marks the window whose controls obey the help mode (the main window).
void ProgrammfensterMarkieren(QWidget* w);

// Installs the filter once. zeigen is called with the text of a clicked control.
void HilfemodusInstallieren(std::function<void(const QString&)> zeigen);

// Sets gHilfeAktiv and the pointer shape; shows nothing.
void HilfemodusSetzen(bool an);
