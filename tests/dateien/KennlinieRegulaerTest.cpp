#include "RegulaerPruefung.h"

#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieFehler.h"
#include "kennlinie/KennlinieText.h"

TEST_F(NurRegulaereDateien, Kennlinie) {
    Pruefen([](const std::string& p) {
        KennlinienDatei d;
        return KennlinieLaden(p, d) == KennlFehler::LadenOeffnen &&
               KennlinieImportieren(p).code == KennlFehler::ImportOeffnen;
    });
}
