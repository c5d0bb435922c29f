#pragma once
// The composition root: creates the configuration model, the device service
// and every window, hands each what it needs and wires what they ask of the
// program (another window, the end, the help mode, the link). main and the
// window tests both go through this one place.
#include "uisupport/Dialoge.h"
#include "uisupport/Werkzeugfenster.h"

#include <QPoint>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class ComPanel;
class DirektPanel;
class Geraetedienst;
class Hauptfenster;
class Infofenster;
class KennlinienPanel;
class KonfigModell;
class KonfigPanel;
class KurvenPanel;

extern const char* const kProgrammVersion; // "V 0.9.1"
extern const char* const kProgrammDatum;   // "05/2011"
extern const char* const kDirekthilfeEin;

class Anwendung {
  public:
    // Loads the main window and its children and fills the info window.
    // dialoge, when given, serve every popup while the program lives (main
    // passes the toolkit's); without, the dialogs already installed stay
    // (a test's scripted ones).
    explicit Anwendung(std::unique_ptr<Dialoge> dialoge = nullptr);
    ~Anwendung();
    Anwendung(const Anwendung&) = delete;
    Anwendung& operator=(const Anwendung&) = delete;

    // Settings file, window initialisation, start size, main window shown.
    // Returns 0, or the failing window's code (shown already) when the program must end.
    int Starten(bool zeigen = true);
    // After the event loop: settings file written, windows cleared, port closed.
    void Beenden();

    int InitialisierePanels();
    int DeinitialisierePanels();
    // The settings file: every window's section and the port table.
    int ReadIni();
    int WriteIni();
    const std::string& einstellungsPfad() const { return einstellungsPfad_; }

    // Shows one tool window inside the main window; nullptr or FensterId::Haupt hides the current one.
    void ZeigeChildpanel(Werkzeugfenster* panel);
    void ZeigeChildpanel(FensterId id);
    Werkzeugfenster* AktuellesChildpanel() const { return childpanel_; }
    void ZeigeInfopanel();

    // A file named on the command line: shown in its window and loaded as
    // that window's "laden" does, with the same questions and codes.
    int DateiOeffnen(const QString& pfad);

    // Asks every window about unsaved work and ends the event loop unless one cancels.
    int ProgrammendeFallsAllesGespeichert();
    bool ProgrammendeAngefordert() const { return programmende_; }

    // 0 clears the error indicator on all four windows, a negative code sets it.
    void ComFehlerSetzen(int code);

    // The help bubble at the mouse pointer; HilfetextBei takes the pointer position
    // relative to the main window.
    void Hilfetext(const QString& text);
    void HilfetextBei(const QString& text, QPoint mausImHauptfenster);
    // The "?" toggles: switches the mode, the pointer and (on) shows the notice.
    void DirekthilfeSchalten(bool an);

    KonfigModell& konfig() { return *konfig_; }
    Geraetedienst& dienst() { return *dienst_; }
    Hauptfenster& haupt() { return *haupt_; }
    ComPanel& com() { return *com_; }
    KonfigPanel& konfigPanel() { return *konfigPanel_; }
    DirektPanel& direkt() { return *direkt_; }
    KurvenPanel& kurven() { return *kurven_; }
    KennlinienPanel& kennlinie() { return *kennlinie_; }
    Infofenster& info() { return *info_; }
    Werkzeugfenster* panel(FensterId id) const;
    // Every tool window in the order the life-cycle steps take them.
    const std::vector<Werkzeugfenster*>& werkzeugfenster() const { return werkzeugfenster_; }

  private:
    void Verdrahten(Werkzeugfenster* f);

    std::unique_ptr<Dialoge> dialoge_;
    std::unique_ptr<KonfigModell> konfig_;
    std::unique_ptr<Geraetedienst> dienst_;
    Hauptfenster* haupt_ = nullptr; // owns every window below
    ComPanel* com_ = nullptr;
    KonfigPanel* konfigPanel_ = nullptr;
    DirektPanel* direkt_ = nullptr;
    KurvenPanel* kurven_ = nullptr;
    KennlinienPanel* kennlinie_ = nullptr;
    Infofenster* info_ = nullptr;
    std::vector<Werkzeugfenster*> werkzeugfenster_;
    Werkzeugfenster* childpanel_ = nullptr;
    bool programmende_ = false;
    bool fragtVorEnde_ = false; // the unsaved questions are being asked
    std::string einstellungsPfad_;
};
