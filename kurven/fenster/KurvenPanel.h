#pragma once
#include "uisupport/Kurvenfenster.h"

class Geraetedienst;
class IniDatei;
class KonfigModell;

// "Kurvengenerator": four generator curves on twelve time bases.
class KurvenPanel : public Kurvenfenster {
    Q_OBJECT
public:
    KurvenPanel(Geraetedienst& dienst, const KonfigModell& konfig, QWidget* eltern);

    int KurvenpanelInit();
    int KurvenpanelClear();
    int AbbruchWeilKurvenNichtGespeichert();
    void ReadIniKurvenpanel(const IniDatei& ini);
    void WriteIniKurvenpanel(IniDatei& ini);
    void Kurvenpanel_SkaliereYAchse();

    int darstellung() const { return darstellung_; }

private:
    Geraetedienst& dienst_;
    const KonfigModell& konfig_;
    int darstellung_ = 3;
    bool hintergrund_[4] = {false, false, false, false};
};
