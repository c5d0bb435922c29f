#pragma once
#include "uisupport/Kurvenfenster.h"

class Geraetedienst;
class IniDatei;
class KonfigModell;

// "Kennlinienregler": characteristic curves for the box's seven slots.
class KennlinienPanel : public Kurvenfenster {
    Q_OBJECT
public:
    KennlinienPanel(Geraetedienst& dienst, const KonfigModell& konfig, QWidget* eltern);

    int KennlinienpanelInit();
    int KennlinienpanelClear();
    int AbbruchWeilKennlinieNichtGespeichert();
    void ReadIniKennlinienpanel(const IniDatei& ini);
    void WriteIniKennlinienpanel(IniDatei& ini);
    void Kennlinienpanel_SkaliereYAchse();

    int darstellung() const { return darstellung_; }

private:
    Geraetedienst& dienst_;
    const KonfigModell& konfig_;
    int darstellung_ = 3;
};
