#include "RegulaerPruefung.h"

#include "kurven/KurvenDatei.h"
#include "kurven/KurvenFehler.h"
#include "kurven/KurvenText.h"

using namespace kurvengenerator;

TEST_F(NurRegulaereDateien, Kurven) {
    Pruefen([](const std::string& p) {
        Kurvensatz s;
        return KurvenLaden(s, p, KonfigStandardwerte()).code == KurvenFehler::LadenOeffnen &&
               KurvenAnhaengen(s, p, KonfigStandardwerte()).code == KurvenFehler::LadenOeffnen &&
               KurvenImportieren(s, p).code == KurvenFehler::ImportOeffnen;
    });
}
