#pragma once
// "DLM-7 Speicherübersicht": one row per slot of the box with its content,
// rise time, fixed value of output 2 and a small picture of its curve from
// the sampled table entries. The read runs on the device service's worker
// with a progress dialog that cancels; a cancelled or failed read keeps the
// rows read before it. What a row's buttons do belongs to the
// "Kennlinienregler", which the overview reaches through SpeicherAnbindung.
#include "config/KonfigDaten.h"
#include "kennlinie/KennlinieUebersicht.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class Geraetedienst;
class Graph;
class QLabel;
class QPushButton;
class QWidget;

inline constexpr const char* kSpeicheruebersichtTitel = "DLM-7 Speicherübersicht";
inline constexpr const char* kSpeicheruebersichtHilfe =
    "Zeigt, was in den sieben Speicherplätzen der DLM-7 steht:\nleer oder belegt, die Anstiegszeit, den Festwert von "
    "Ausgang 2\nund ein kleines Bild der Kennlinie.";

struct SpeicherAnbindung {
    // "In den Editor lesen": the full read of the slot into the editor.
    std::function<void(int slot)> inEditorLesen;
    // "über Ausg.4 anwählen" for the slot.
    std::function<void(int slot)> anwaehlen;
    // The configuration in force, for the units of output 2.
    std::function<KonfigDaten()> konfig;
};

class Speicheruebersicht : public QDialog {
    Q_OBJECT
  public:
    Speicheruebersicht(Geraetedienst& dienst, SpeicherAnbindung anbindung, QWidget* eltern);

    // Reads the slots anew (the button "Aktualisieren").
    void Aktualisieren();
    // Shows the rows again in the units of the configuration in force.
    void Anzeigen();

    // The slots of the last read, each once it was read in full.
    const std::vector<SlotZeile>& zeilen() const { return zeilen_; }
    bool liest() const { return liest_; }

  private:
    // A row's controls are named by their column and slot: INHALT1, ANSTIEG1, BEGRENZUNG1, BILD1, LESEN1, ANWAEHLEN1.
    struct Reihe {
        QLabel* inhalt = nullptr;
        QLabel* anstieg = nullptr;
        QLabel* begrenzung = nullptr;
        Graph* bild = nullptr;
        QPushButton* lesen = nullptr;
        QPushButton* anwaehlen = nullptr;
    };
    const Reihe& reihe(int slot) const { return reihen_[std::size_t(slot - 1)]; }
    void Fertig(const Uebertragung& u, std::vector<SlotZeile> zeilen);
    void ReiheZeigen(int slot, const SlotZeile* z, const KonfigDaten& k);

    Geraetedienst& dienst_;
    SpeicherAnbindung anbindung_;
    std::array<Reihe, kSlots> reihen_{};
    QWidget* tabelle_ = nullptr;
    QPushButton* aktualisieren_ = nullptr;
    QLabel* meldung_ = nullptr;
    std::vector<SlotZeile> zeilen_;
    bool gelesen_ = false; // a read has ended (rows after zeilen_ were not reached)
    bool liest_ = false;
};
