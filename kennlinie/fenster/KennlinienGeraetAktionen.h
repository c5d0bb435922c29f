#pragma once
// The "DLM-7" group: the slot number and "zur DLM-7 schreiben", "von DLM-7
// lesen", "über Ausg.4 anwählen". Each runs on the device service's worker
// and passes the codes on in the order the procedure lists them; a curve
// read from the box goes to the editor as one command.
#include "kennlinie/fenster/KennlinienKontext.h"

#include <QObject>

#include <memory>

class Geraetedienst;
class QGroupBox;
class QPushButton;
class QWidget;
class Vorgang;
class Zahlfeld;
struct Uebertragung;

class KennlinienGeraetAktionen : public QObject {
  public:
    KennlinienGeraetAktionen(KennlinienKontext k, Geraetedienst& dienst);

    QGroupBox* GruppeAnlegen(QWidget* eltern);

    // The slot the actions work on, as if typed into "Kurve Nr.".
    void SlotSetzen(int slot);
    void Schreiben();
    void Lesen();
    void Ausgang4Waehlen();

    // Shared with the comparison, which reads a slot the same way.
    void Melden(const Uebertragung& u);
    void FortschrittZeigen(const std::shared_ptr<Vorgang>& v, const char* titel);
    int Slot() const;

  private:
    KennlinienKontext k_;
    Geraetedienst& dienst_;
    Zahlfeld* slot_ = nullptr;
    QPushButton* schreiben_ = nullptr;
    QPushButton* lesen_ = nullptr;
    QPushButton* ausgang4_ = nullptr;
};
