#pragma once
// What the curve carries besides its points: the comment (preview and
// editor popup) and the slot's parameters, the fixed value of output 2 and
// the rise time. The fields show the editor's values; a commit is a command.
#include "kennlinie/KennlinienEditor.h"
#include "kennlinie/fenster/KennlinienKontext.h"

#include <QObject>
#include <QPointer>

class KommentarFenster;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;
class Zahlfeld;

class KennlinienParameter : public QObject {
  public:
    explicit KennlinienParameter(KennlinienKontext k);

    QGroupBox* KommentarGruppeAnlegen(QWidget* eltern);
    QGroupBox* ParameterGruppeAnlegen(QWidget* eltern);

    void Zeigen(Aenderungen a);

    void KommentarBearbeiten();
    // The window's release closes the comment editor.
    void DialogSchliessen();

  private:
    void KommentarFertig(bool ok);

    KennlinienKontext k_;
    QLineEdit* vorschau_ = nullptr;
    QLabel* begrenzungText_ = nullptr;
    Zahlfeld* begrenzung_ = nullptr;
    Zahlfeld* anstieg_ = nullptr;
    QPointer<KommentarFenster> kommentarFenster_;
};
