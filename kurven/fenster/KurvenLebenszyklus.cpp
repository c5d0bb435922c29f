#include "kurven/fenster/KurvenPanel.h"

#include "kurven/fenster/KurvenAufzeichnungFenster.h"

void KurvenPanel::EinstellungenLesen(const IniDatei& ini) {
    ReadIniKurvenpanel(ini);
    aufzeichnung_->EinstellungenLesen(ini);
}
void KurvenPanel::EinstellungenSchreiben(IniDatei& ini) {
    WriteIniKurvenpanel(ini);
    aufzeichnung_->EinstellungenSchreiben(ini);
}
int KurvenPanel::Initialisieren() { return KurvenpanelInit(); }
int KurvenPanel::Aufraeumen() { return KurvenpanelClear(); }
int KurvenPanel::AbbruchWeilNichtGespeichert() { return AbbruchWeilKurvenNichtGespeichert(); }
QStringList KurvenPanel::DateiEndungen() const { return {"dlr"}; }
int KurvenPanel::DateiOeffnen(const QString& pfad) { return KurvenLadenMenue(pfad); }
