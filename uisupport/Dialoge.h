#pragma once
// Every popup, question, file dialog, progress dialog and help bubble of the
// program goes through this interface: Qt for users, a scripted one for tests.
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

struct DateiAuswahl {
    QString titel;
    QString muster;           // "*.dlo"
    QString startVerzeichnis; // empty: the current directory
    bool speichern = false;
    bool endungErzwingen = true;      // only files matching the pattern; a typed name gets the extension
    bool ueberschreibenFragen = true; // false where the file is extended, not replaced
    // Several formats ("PNG-Bild (*.png)", ...) instead of muster; a typed
    // name without one of their extensions gets the chosen one's.
    QStringList filter{};
};

struct DateiErgebnis {
    enum class Art { Abgebrochen, Gewaehlt, Fehler };
    Art art = Art::Abgebrochen;
    QString pfad;
};

// A progress dialog that blocks input to its own window while it is shown and
// never waits itself: the work runs elsewhere and reports percentages, and no
// update runs events of its own. With a cancel function it has an "Abbrechen"
// button, which only a click or its accelerator presses (never Escape or
// Enter); destroying it closes it.
class Fortschritt {
  public:
    virtual ~Fortschritt() = default;
    virtual void Setzen(int prozent) = 0;
    // The time the rest still needs on the line.
    virtual void RestzeitSetzen(double sekunden) = 0;
};

class Dialoge {
  public:
    virtual ~Dialoge() = default;
    // One button ("OK").
    virtual void Meldung(const QString& titel, const QString& text) = 0;
    // Two or three buttons; returns the 1-based number of the chosen one. Enter takes
    // enterKnopf, Escape and closing the box take escKnopf.
    virtual int Frage(const QString& titel, const QString& text, const QStringList& knoepfe, int enterKnopf,
                      int escKnopf) = 0;
    virtual DateiErgebnis Datei(const DateiAuswahl& auswahl) = 0;
    // Shuts fenster's tool window only, so the others stay in reach (without
    // one, modal to the active window).
    virtual std::unique_ptr<Fortschritt> FortschrittZeigen(const QString& titel, const QString& text,
                                                           std::function<void()> abbrechen = {},
                                                           QWidget* fenster = nullptr) = 0;
    // The print dialog for drucker; false when cancelled.
    virtual bool Drucken(QPrinter& drucker) = 0;
    // Shows the bubble at platz (global coordinates) and returns after the click that closes it.
    virtual void Hilfeblase(QWidget* eltern, const QRect& platz, const QString& text) = 0;
};

// "19,9 s": a duration as the program's messages show it.
QString SekundenText(double sekunden);

// The one dialog service of the program; set once by main, replaced by tests.
Dialoge& dialoge();
void DialogeSetzen(Dialoge* d);

// The help bubble for text, placed from the pointer (maus, relative to fenster)
// towards the middle of fenster, through the dialog service.
void HilfeblaseBeiZeiger(QWidget* fenster, const QString& text, QPoint maus);
