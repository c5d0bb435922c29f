#pragma once
// "Mit DLM-7 vergleichen": reads the slot the window would write to, lays
// the box's curve behind the editor's with the differing entries marked, and
// names the differences. The editor's curve, undo ring and unsaved flag stay.
#include "kennlinie/fenster/KennlinienKontext.h"
#include "kern/Abweichungen.h"

#include <QObject>

#include <optional>
#include <vector>

class Geraetedienst;
class Graph;
class KennlinienGeraetAktionen;
class KennlinienGrafik;
class QAction;
class QMenu;

class KennlinienVergleichFenster : public QObject {
  public:
    KennlinienVergleichFenster(KennlinienKontext k, Geraetedienst& dienst, KennlinienGeraetAktionen& geraet,
                               KennlinienGrafik& grafik);

    // "Mit DLM-7 vergleichen" and "Vergleich ausblenden" at the end of menue.
    void MenueAnlegen(QMenu* menue);
    void Vergleichen();
    void Ausblenden();

  private:
    // What the last comparison left to draw: the box's table (empty for an
    // empty slot) and the differing ranges of input steps.
    struct Hintergrund {
        std::vector<int> werte;
        std::vector<Abweichungsbereich> bereiche;
    };
    void Zeichnen(Graph& gross, Graph& klein) const;
    void Setzen(std::optional<Hintergrund> h);

    KennlinienKontext k_;
    Geraetedienst& dienst_;
    KennlinienGeraetAktionen& geraet_;
    KennlinienGrafik& grafik_;
    std::optional<Hintergrund> hintergrund_;
    unsigned ersetzt_ = 0; // the editor's count of replaced curves at the comparison
    QAction* vergleichen_ = nullptr;
    QAction* ausblenden_ = nullptr;
};
