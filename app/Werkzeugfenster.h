#pragma once
// Frame of every tool window: its own menu bar with "Datei" (ending in
// "Beenden") and "Fenster", shown inside the main window one at a time.
#include "app/Shell.h"

#include <QMainWindow>
#include <map>

class Fehleranzeige;
class QAction;
class QMenu;
class QPushButton;
class QToolButton;
class VerbindungsBild;

class Werkzeugfenster : public QMainWindow {
    Q_OBJECT
public:
    Werkzeugfenster(const QString& name, QWidget* eltern);

    QMenu* dateiMenue() const { return datei_; }
    QMenu* fensterMenue() const { return fenster_; }
    QAction* fensterAktion(FensterId id) const { return fensterAktionen_.at(id); }
    QAction* beendenAktion() const { return beenden_; }
    const QString& fensterName() const { return name_; }

    // Window title: the name alone, or "name - file".
    void TitelMitDatei(const QString& dateiname);

    virtual Fehleranzeige* fehleranzeige() { return nullptr; }
    virtual VerbindungsBild* verbindungsBild() { return nullptr; }

protected:
    // Appends "Beenden" (after a separator if the menu has entries of its own).
    void DateiMenueAbschliessen(bool trennlinie);
    // What a "Fenster" entry does; windows that must tidy up first override it.
    virtual void FensterWechseln(FensterId ziel);

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
    std::map<FensterId, QAction*> fensterAktionen_;
};
