#pragma once
#include "app/Kurvenfenster.h"

class IniDatei;

// "Kurvengenerator": four generator curves on twelve time bases.
class KurvenPanel : public Kurvenfenster {
    Q_OBJECT
public:
    explicit KurvenPanel(QWidget* eltern);

    int KurvenpanelInit();
    int KurvenpanelClear();
    int AbbruchWeilKurvenNichtGespeichert();
    void ReadIniKurvenpanel(const IniDatei& ini);
    void WriteIniKurvenpanel(IniDatei& ini);
    void Kurvenpanel_SkaliereYAchse();

    int darstellung() const { return darstellung_; }

private:
    int darstellung_ = 3;
    bool hintergrund_[4] = {false, false, false, false};
};
