#include "RegulaerPruefung.h"

#include "config/KonfigDatei.h"
#include "kern/IniDatei.h"
#include "sim/SimSpeicher.h"

TEST_F(NurRegulaereDateien, Einstellungen) {
    Pruefen([](const std::string& p) { return IniDatei().Lesen(p) == IniDatei::LeseErgebnis::Fehler; });
}

TEST_F(NurRegulaereDateien, Konfiguration) {
    Pruefen([](const std::string& p) {
        KonfigDaten k{};
        return KonfigDateiLesen(p, k) == kKonfigLadenOeffnenFehler;
    });
}

TEST_F(NurRegulaereDateien, SimulatorSpeicher) {
    // Refused with a message, and never taken for a missing file that a later
    // save would replace.
    Pruefen([](const std::string& p) {
        SimSpeicher s;
        std::string fehler;
        return !s.DateiVerwenden(p, fehler) && !fehler.empty() && s.Sichern();
    });
}
