#include "Korpus.h"

#include "kennlinie/KennlinieDatei.h"
#include "kennlinie/KennlinieSlot.h"
#include "kennlinie/KennlinieText.h"

namespace {

KennlinienDatei Beispiel() {
    KennlinienDatei d;
    d.kurve.punkte = {{0, 100, 0}, {4095, 1000, 0}, {2000, 2995, 1}, {3000, 0, 0}};
    d.kurve.kommentar = "Ventil Kennlinie\nÄnderung 3 €";
    SkalierungSetzen(d.konfig, Seite::Eingang, 1, {0.0, 10.0, 0.0, 250.0});
    EinheitTextSetzen(d.konfig, Seite::Eingang, 1, "°C");
    d.begrenzungRoh = BegrenzungZuDatei(d.konfig, 125.0);
    d.anstiegszeit = 12.5;
    return d;
}

} // namespace

void KennlinieKorpus() {
    const KennlinienDatei neu;
    const KennlinienDatei beispiel = Beispiel();
    KorpusAblegen("kennlinie_datei", "neu.dle", KennlinieDateiBytes(neu));
    KorpusAblegen("kennlinie_datei", "beispiel.dle", KennlinieDateiBytes(beispiel));
    KorpusAblegen("kennlinie_text", "neu.txt", KennlinieExportText(neu.kurve.punkte));
    KorpusAblegen("kennlinie_text", "beispiel.txt", KennlinieExportText(beispiel.kurve.punkte));

    // The simulator's controller on the example in slot 1: mode 0x02, input 2
    // at 5 V (128 / 25.5), input 3 at 1 V (26 / 25.5) selecting slot 1.
    SlotAbbild bild{};
    SlotAbbildErzeugen(beispiel.kurve.punkte, beispiel.konfig, 125.0, 12.5, bild);
    KorpusAblegen("sim_speicher", "kennlinie_slot1",
                  std::string("\x02\x00\x80\x1A", 4) + std::string(bild.begin(), bild.end()));
}
