#pragma once
// "Kennlinienregler": draws and edits the characteristic curve, keeps it in
// files and moves it to and from the box's seven slots. The window's state
// and commands are the editor's (KennlinienEditor); the window builds the
// controls from parts with one responsibility each (KennlinienGrafik: view
// and zoom, KennlinienMaus: mouse editing, KennlinienParameter: comment and
// slot parameters, KennlinienDateiAktionen, KennlinienGeraetAktionen, and the
// menus in KennlinienMenues.cpp) and shows what the editor announces, in
// Zeigen alone.
#include "kennlinie/KennlinienEditor.h"
#include "kennlinie/fenster/KennlinienSteuerelemente.h"
#include "uisupport/Bildexport.h"
#include "uisupport/Kurvenfenster.h"

#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class Geraetedienst;
class IniDatei;
class KennlinienArbeitspunkt;
class KennlinienDateiAktionen;
class KennlinienGeraetAktionen;
class KennlinienGrafik;
class KennlinienMaus;
class KennlinienParameter;
class KennlinienVergleichFenster;
class KonfigModell;
class QActionGroup;
class QPainter;
class QToolButton;
class Speicheruebersicht;

class KennlinienPanel : public Kurvenfenster {
    Q_OBJECT
  public:
    using Modus = Kennl::Modus;
    using Befehl = Kennl::Befehl;
    using Feld = Kennl::Feld;
    using Knopf = Kennl::Knopf;
    static constexpr int kModi = Kennl::kModi;
    // Display modes as stored under "darstellung".
    enum Darstellung {
        Linien = KennlinienEditor::Linien,
        Stufen = KennlinienEditor::Stufen,
        LinienUndStufen = KennlinienEditor::LinienUndStufen
    };

    KennlinienPanel(Geraetedienst& dienst, KonfigModell& konfig, QWidget* eltern);
    ~KennlinienPanel() override;

    int KennlinienpanelInit();
    int KennlinienpanelClear();
    int AbbruchWeilKennlinieNichtGespeichert();
    void ReadIniKennlinienpanel(const IniDatei& ini);
    void WriteIniKennlinienpanel(IniDatei& ini);

    // Life cycle (KennlinienLebenszyklus.cpp): the functions above and "laden" for .dle files.
    void EinstellungenLesen(const IniDatei& ini) override;
    void EinstellungenSchreiben(IniDatei& ini) override;
    int Initialisieren() override;
    int Aufraeumen() override;
    int AbbruchWeilNichtGespeichert() override;
    QStringList DateiEndungen() const override;
    int DateiOeffnen(const QString& pfad) override;
    // The configuration in force changed: axes, Y zoom, fields and the fixed
    // value of output 2 follow.
    void Kennlinienpanel_SkaliereYAchse();

    KennlinienEditor& editor() { return editor_; }
    const KennlinienEditor& editor() const { return editor_; }
    const Ansicht& ansicht() const { return editor_.ansicht(); }
    QString dateiname() const;
    int darstellung() const { return editor_.darstellung(); }
    Modus modus() const;

    // The curve's unsaved changes: the editor's flag and the frame's.
    bool ungespeichert() const { return geaendert() || editor_.geaendert(); }

    // With a path (from the command line) the file dialog is skipped.
    int DateiLaden(const QString& pfad = {});
    // What the menu entries do, outside help mode; a file operation's error
    // code goes to the error popup.
    // "Grafik exportieren…" and "Drucken…" (KennlinienBildExport.cpp).
    int GrafikExportieren();
    int GrafikDrucken();
    void Befehlen(Befehl b);
    void ModusWaehlen(Modus m);
    void DarstellungWaehlen(int d);
    // "DLM-7 Speicherübersicht…": opens the overview and reads the slots (KennlinienSpeicher.cpp).
    void SpeicheruebersichtOeffnen();

    // Redraws what a change of the points and the view redraws; for benchmarks.
    void Neuzeichnen() { Zeigen(Aenderung::Punkte | Aenderung::Ansicht); }

  private:
    // The one place where the views follow the editor.
    void Zeigen(Aenderungen a);
    // Menus and toolbar (KennlinienMenues.cpp).
    void MenuesAnlegen();
    void MenuesZeigen(Aenderungen a);
    QAction* Eintrag(QMenu* menue, const QString& text, const char* bild, const QString& tipp, const char* hilfe,
                     bool leiste);
    // Picture export and print (KennlinienBildExport.cpp).
    Bildkopf BildKopf() const;
    void BildZeichnen(QPainter& p, QSize groesse, double strich, bool ganz);

    Geraetedienst& dienst_;
    KonfigModell& konfig_;
    KennlinienEditor editor_;

    std::unique_ptr<KennlinienGrafik> grafik_;
    std::unique_ptr<KennlinienMaus> maus_;
    std::unique_ptr<KennlinienParameter> parameter_;
    std::unique_ptr<KennlinienDateiAktionen> dateien_;
    std::unique_ptr<KennlinienGeraetAktionen> geraet_;
    std::unique_ptr<KennlinienArbeitspunkt> arbeitspunkt_;
    std::unique_ptr<KennlinienVergleichFenster> vergleich_;

    std::array<std::function<int()>, 14> handlungen_{};
    std::array<QAction*, 14> befehle_{};
    std::array<QAction*, Kennl::kModi> modi_{};
    std::array<QAction*, 3> darstellungen_{};
    std::array<QToolButton*, 3> darstellungsKnoepfe_{};
    QActionGroup* modusGruppe_ = nullptr;
    QActionGroup* darstellungsGruppe_ = nullptr;

    QPointer<Speicheruebersicht> uebersicht_;
    QAction* uebersichtAktion_ = nullptr;
    QMenu* ansichtMenue_ = nullptr;
};
