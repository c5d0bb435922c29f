#include "kennlinie/fenster/KennlinienPanel.h"

void KennlinienPanel::EinstellungenLesen(const IniDatei& ini) { ReadIniKennlinienpanel(ini); }
void KennlinienPanel::EinstellungenSchreiben(IniDatei& ini) { WriteIniKennlinienpanel(ini); }
int KennlinienPanel::Initialisieren() { return KennlinienpanelInit(); }
int KennlinienPanel::Aufraeumen() { return KennlinienpanelClear(); }
int KennlinienPanel::AbbruchWeilNichtGespeichert() { return AbbruchWeilKennlinieNichtGespeichert(); }
QStringList KennlinienPanel::DateiEndungen() const { return {"dle"}; }
int KennlinienPanel::DateiOeffnen(const QString& pfad) { return DateiLaden(pfad); }
