#pragma once
// Editing with the mouse on the large graph in the seven edit modes: the
// previews while the button is held, the edit on release as an editor
// command, and the point dialog of "Punktkoordinaten ändern".
#include "kennlinie/fenster/KennlinienKontext.h"
#include "kennlinie/fenster/KennlinienSteuerelemente.h"

#include <QObject>
#include <QPointF>
#include <QPointer>

class KennlinienGrafik;
class PunktFenster;
struct Bearbeitung;

class KennlinienMaus : public QObject {
  public:
    KennlinienMaus(KennlinienKontext k, KennlinienGrafik& grafik);

    Kennl::Modus modus() const { return modus_; }
    // Another mode drops the mark and any preview.
    void ModusWaehlen(Kennl::Modus m);
    // The window's set-up and release close the point dialog.
    void DialogSchliessen();

  private:
    void Position(QPointF wo);
    void Losgelassen(QPointF wo);
    void PunktFensterOeffnen(QPointF wo);
    void PunktFensterFertig(bool ok);
    void Ausgefuehrt(const Bearbeitung& b);

    KennlinienKontext k_;
    KennlinienGrafik& grafik_;
    Kennl::Modus modus_ = Kennl::Modus::Zeichnen;
    QPointer<PunktFenster> punktFenster_;
    int punktImFenster_ = -1;
    unsigned standImFenster_ = 0;
};

// A finished edit's message and error code, as popups.
void BearbeitungMelden(const Bearbeitung& b);
