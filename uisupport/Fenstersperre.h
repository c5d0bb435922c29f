#pragma once
// Keeps the user's hands off one tool window while a transfer it started runs:
// its controls, toolbars and menus are dimmed and its shortcuts do nothing,
// but its "Fenster" menu stays, so the program's other windows remain in
// reach (their device actions queue behind the transfer). Locks of one window
// nest; the last to go releases it.
#include <QPointer>

class QWidget;
class Werkzeugfenster;

class Fenstersperre {
  public:
    explicit Fenstersperre(Werkzeugfenster* fenster);
    ~Fenstersperre();
    Fenstersperre(const Fenstersperre&) = delete;
    Fenstersperre& operator=(const Fenstersperre&) = delete;

    // The tool window a widget belongs to, or null.
    static Werkzeugfenster* FensterVon(QWidget* w);

  private:
    void Dimmen(bool an);
    QPointer<Werkzeugfenster> fenster_;
};
