#pragma once
#include "uisupport/Werkzeugfenster.h"

#include <QWidget>
#include <map>

class QPushButton;
class QScrollArea;
class QToolButton;
class VerbindungsBild;

// "DLM7D-Steuerung": seven buttons, the link picture and the "?" toggle; the
// tool windows are shown inside it, one at a time.
class Hauptfenster : public QWidget {
    Q_OBJECT
  public:
    enum Knopf { COM, KONFIG, DIREKT, KURVEN, KENNLINIE, INFO, ENDE };

    explicit Hauptfenster(QWidget* eltern = nullptr);

    // Object name of a button ("KNOPF_3").
    static QString KnopfName(Knopf k) { return QString("KNOPF_%1").arg(int(k)); }
    VerbindungsBild* verbindungsBild() const { return bild_; }
    void KnoepfeDimmen(bool gedimmt);

    // The aspect-keeping resize rule; false applies it, true records the start
    // size, no larger than the screen's available area.
    void PanelgroesseAendern(bool merken);
    QSize startGroesse() const { return {startBreite_, startHoehe_}; }
    // The largest size that fits the screen's available area with the frame.
    QSize Bildschirmflaeche() const;

  signals:
    void fensterGewuenscht(FensterId id);
    void infoGewuenscht();
    void beendenGewuenscht();
    void direkthilfeGeschaltet(bool an);

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void Mainbuttons_Callback(Knopf k);
    // The start size, the minimum and the window itself within the screen's available area.
    void InsBildBringen();

    std::map<Knopf, QPushButton*> knoepfe_;
    QToolButton* direkthilfe_ = nullptr;
    VerbindungsBild* bild_ = nullptr;
    QWidget* inhalt_ = nullptr;
    QScrollArea* rollen_ = nullptr; // holds inhalt_: it scrolls on a screen too small for it
    int startBreite_ = 0;
    int startHoehe_ = 0;
    bool imAnpassen_ = false;
};

// New size after the user resized the window to aktuell: the proportions of
// start are kept, and nothing smaller than start is allowed. With a valid
// grenze (the screen's available area) nothing larger than it either.
QSize GroesseNachRegel(QSize aktuell, QSize start, QSize grenze = {});
