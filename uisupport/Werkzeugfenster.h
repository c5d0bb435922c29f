#pragma once
// Frame of every tool window: its own menu bar with "Datei" (ending in
// "Beenden") and "Fenster", shown inside the main window one at a time.
// The frame knows no other window: what the user asks of the program
// (another window, the end, the help mode, the link) leaves as a signal,
// and the shell wires it.
#include <QMainWindow>
#include <QStringList>

class Fehleranzeige;
class IniDatei;
class QAction;
class QMenu;
class QPushButton;
class QToolButton;
class VerbindungsBild;

enum class FensterId { Haupt = -1, Com, Konfig, Direkt, Kurven, Kennlinie };

class Werkzeugfenster : public QMainWindow {
    Q_OBJECT
  public:
    Werkzeugfenster(const QString& name, QWidget* eltern);

    QMenu* dateiMenue() const { return datei_; }
    QMenu* fensterMenue() const { return fenster_; }
    // Object name of the "Fenster" entry that leads to id ("FENSTER_KURVEN").
    static QString FensterAktionName(FensterId id);
    QAction* beendenAktion() const { return beenden_; }
    const QString& fensterName() const { return name_; }

    // Window title: the name alone, or "name - file".
    void TitelMitDatei(const QString& dateiname);

    VerbindungsBild* verbindungsBild() const { return bild_; }

    // What a "Fenster" entry or the way back does; windows that must tidy up
    // first override it and call the frame's version.
    virtual void FensterWechseln(FensterId ziel);

    // Life cycle. The program drives every tool window through these, one
    // window after the other in a single list, so no step can forget one.
    // Each returns 0 or the window's error code.
    virtual void EinstellungenLesen(const IniDatei& ini) = 0; // before Initialisieren
    virtual void EinstellungenSchreiben(IniDatei& ini) = 0;   // after the event loop
    virtual int Initialisieren() = 0;
    virtual int Aufraeumen() = 0; // releases the window's data at the end
    // Asked before the end; nonzero: the user cancelled it (the end does not happen).
    virtual int AbbruchWeilNichtGespeichert() { return 0; }
    // File endings (lower case, without the dot) this window opens, and
    // opening one as its "laden" would: the window's questions, its code.
    virtual QStringList DateiEndungen() const { return {}; }
    virtual int DateiOeffnen(const QString& pfad);

  public slots:
    // The link in force (port number or -1) on this window's picture;
    // getrennt: the port's device has gone and is being reopened.
    virtual void LinkAnzeigen(int port, bool getrennt = false);
    // A device code on this window's indicator; 0 clears it.
    void FehlerAnzeigen(int code);

  signals:
    void fensterGewuenscht(FensterId ziel);
    void beendenGewuenscht();
    void direkthilfeGeschaltet(bool an);
    void verbindungUmschalten();

  protected:
    // Appends "Beenden" (after a separator if the menu has entries of its own).
    void DateiMenueAbschliessen(bool trennlinie);
    // The window's controls below menu and toolbar. Below the size they are
    // laid out for they scroll instead of being cut off; above it they grow.
    void InhaltSetzen(QWidget* inhalt);

    // Building blocks every tool window shares.
    QPushButton* ZurueckKnopf(const QString& text);
    QToolButton* DirekthilfeKnopf();
    VerbindungsBild* VerbindungsBildAnlegen();
    Fehleranzeige* FehleranzeigeAnlegen();

  private:
    QString name_;
    QMenu* datei_;
    QMenu* fenster_;
    QAction* beenden_ = nullptr;
    Fehleranzeige* fehler_ = nullptr;
    VerbindungsBild* bild_ = nullptr;
};

// Help text of a link picture, shared with the main window's.
extern const char* const kVerbindungsBildHilfe;
