#pragma once
#include "app/Kurvenfenster.h"

class IniDatei;

// "Kennlinienregler": characteristic curves for the box's seven slots.
class KennlinienPanel : public Kurvenfenster {
    Q_OBJECT
public:
    explicit KennlinienPanel(QWidget* eltern);

    int KennlinienpanelInit();
    int KennlinienpanelClear();
    int AbbruchWeilKennlinieNichtGespeichert();
    void ReadIniKennlinienpanel(const IniDatei& ini);
    void WriteIniKennlinienpanel(IniDatei& ini);
    void Kennlinienpanel_SkaliereYAchse();

    int darstellung() const { return darstellung_; }

private:
    int darstellung_ = 3;
};
