#pragma once
#include "app/Werkzeugfenster.h"

class IniDatei;

// "Konfiguration": scaling of the four inputs and outputs.
class KonfigPanel : public Werkzeugfenster {
    Q_OBJECT
  public:
    explicit KonfigPanel(QWidget* eltern);

    int InitialisiereKonfigPanel();
    void ReadIniKonfigpanel(const IniDatei& ini);
    void WriteIniKonfigpanel(IniDatei& ini);

    VerbindungsBild* verbindungsBild() override { return bild_; }

  private:
    VerbindungsBild* bild_ = nullptr;
};
