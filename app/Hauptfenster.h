#pragma once
#include "uisupport/Werkzeugfenster.h"

#include <QWidget>
#include <map>

class QPushButton;
class QToolButton;
class VerbindungsBild;

// "DLM7D-Steuerung": seven buttons, the link picture and the "?" toggle; the
// tool windows are shown inside it, one at a time.
class Hauptfenster : public QWidget {
    Q_OBJECT
  public:
    enum Knopf { COM, KONFIG, DIREKT, KURVEN, KENNLINIE, INFO, ENDE };

    explicit Hauptfenster(QWidget* eltern = nullptr);

    QPushButton* knopf(Knopf k) const { return knoepfe_.at(k); }
    QToolButton* direkthilfe() const { return direkthilfe_; }
    VerbindungsBild* verbindungsBild() const { return bild_; }
    QWidget* inhalt() const { return inhalt_; }
    void KnoepfeDimmen(bool gedimmt);

    // The aspect-keeping resize rule; false applies it, true records the start size.
    void PanelgroesseAendern(bool merken);
    QSize startGroesse() const { return {sgStartBreite, sgStartHoehe}; }

  signals:
    void fensterGewuenscht(FensterId id);
    void infoGewuenscht();
    void beendenGewuenscht();
    void direkthilfeGeschaltet(bool an);

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void Mainbuttons_Callback(Knopf k);

    std::map<Knopf, QPushButton*> knoepfe_;
    QToolButton* direkthilfe_ = nullptr;
    VerbindungsBild* bild_ = nullptr;
    QWidget* inhalt_ = nullptr;
    int sgStartBreite = 0;
    int sgStartHoehe = 0;
    bool imAnpassen_ = false;
};

// New size after the user resized the window to aktuell: the proportions of
// start are kept, and nothing smaller than start is allowed.
QSize GroesseNachRegel(QSize aktuell, QSize start);
