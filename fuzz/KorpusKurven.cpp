#include "Korpus.h"

#include "kurven/KurvenDatei.h"
#include "kurven/KurvenText.h"
#include "kurven/KurvenTransfer.h"

using namespace kurvengenerator;

namespace {

Kurvensatz Beispiel() {
    Kurvensatz s;
    s.kurven[0].punkte = {{0, 5, 2}, {4095, 300, 11}, {17, 1, 11}};
    s.kurven[0].kommentar = "Rampe\nmit Ärger €";
    s.kurven[1].punkte = {{2048, 100, 1}, {1000, 20, 7}, {3000, 1, 12}};
    s.kurven[2].punkte = {{1234, 2, 1}};
    s.kurven[3].kommentar = "Ruhe";
    s.zyklen = {0, 3, 65535, 7};
    s.ruhewert = {4095, 0, 12, 2000};
    return s;
}

} // namespace

std::string GeneratorAbbild() {
    const Speicherabbild a = AbbildErstellen(Beispiel());
    return std::string(a.bytes.begin(), a.bytes.end());
}

void KurvenKorpus() {
    KonfigDaten konfig = KonfigStandardwerte();
    SkalierungSetzen(konfig, Seite::Ausgang, 2, {0.0, 10.0, 0.0, 250.0});
    EinheitTextSetzen(konfig, Seite::Ausgang, 2, "°C");
    const Kurvensatz neu;
    const Kurvensatz beispiel = Beispiel();
    KorpusAblegen("kurven_datei", "neu.dlr", KurvenDateiBytes(neu, KonfigStandardwerte()));
    KorpusAblegen("kurven_datei", "beispiel.dlr", KurvenDateiBytes(beispiel, konfig));
    KorpusAblegen("kurven_text", "neu.txt", KurvenExportText(neu));
    KorpusAblegen("kurven_text", "beispiel.txt", KurvenExportText(beispiel));
}
