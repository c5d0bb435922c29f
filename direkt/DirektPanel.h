#pragma once
#include "app/Werkzeugfenster.h"

class IniDatei;

// "Direkte Ein-/Ausgabe": outputs by hand, inputs polled, chart and log.
class DirektPanel : public Werkzeugfenster {
    Q_OBJECT
public:
    explicit DirektPanel(QWidget* eltern);

    int DirektpanelInit();
    int DirektpanelClear();
    int AbbruchWeilDirektpanelNichtGespeichert();
    void ReadIniDirektpanel(const IniDatei& ini);
    void WriteIniDirektpanel(IniDatei& ini);
    void Direktpanel_SkaliereElemente();

    Fehleranzeige* fehleranzeige() override { return fehler_; }
    VerbindungsBild* verbindungsBild() override { return bild_; }

private:
    Fehleranzeige* fehler_ = nullptr;
    VerbindungsBild* bild_ = nullptr;
};
