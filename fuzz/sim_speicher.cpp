// The simulator's memory file: content of any size is taken only when it has
// exactly the memory and the mode byte. A memory built from the input (its
// bytes placed at the start of a curve slot or of the generator image) then
// runs the characteristic-curve controller or the curve generator, started by
// the mode the input gives: outputs stay within 0..4095 at any time.
#include "Pruefen.h"

#include "sim/SimGeraet.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view roh(reinterpret_cast<const char*>(daten), groesse);
    {
        SimSpeicher s;
        std::string fehler;
        const bool genommen = s.InhaltUebernehmen(roh, fehler);
        FUZZ_PRUEFEN(genommen == (groesse == SimSpeicher::kGroesse + 1));
        FUZZ_PRUEFEN(genommen ? fehler.empty() : !fehler.empty());
        if (!genommen) FUZZ_PRUEFEN(s.Bytes()[0] == 0xFF && s.Modus() == 0);
    }

    FuzzEingabe ein(daten, groesse);
    const std::uint8_t modus = ein.Byte();
    const std::size_t ort = ein.Byte() % 8 * SimKennlinie::kSlotGroesse; // 0: generator image and slot 1
    const double eingang2 = ein.Byte() / 25.5;
    const double eingang3 = ein.Byte() / 25.5;
    const std::string_view bytes = ein.Rest().substr(0, SimSpeicher::kGroesse - ort);
    std::string inhalt(SimSpeicher::kGroesse + 1, '\xFF');
    std::copy(bytes.begin(), bytes.end(), inhalt.begin() + static_cast<long>(ort));
    inhalt.back() = static_cast<char>(modus);

    SimGeraet g;
    std::string fehler;
    FUZZ_PRUEFEN(g.speicher.InhaltUebernehmen(inhalt, fehler));
    FUZZ_PRUEFEN(g.speicher.Modus() == modus);
    g.signale[1] = SimSignal{SimSignal::Form::Konstant, eingang2, 0.0, 1.0};
    g.signale[2] = SimSignal{SimSignal::Form::Konstant, eingang3, 0.0, 1.0};
    g.signale[3] = SimSignal{SimSignal::Form::Dreieck, 5.0, 5.0, 0.01};
    g.Starten(1.0);
    for (double t : {1.0, 1.0005, 1.3, 2.0, 61.0, 3600.0, 1e6}) {
        g.Fortschreiben(t);
        for (int a : g.ausgaenge) FUZZ_PRUEFEN(a >= 0 && a <= 4095);
        g.Status1(t);
    }
    g.Stoppen(1e6 + 1);
    return 0;
}
