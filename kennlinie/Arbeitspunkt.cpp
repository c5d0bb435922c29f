#include "kennlinie/Arbeitspunkt.h"

#include "config/KonfigUmrechnung.h"

#include <algorithm>
#include <cmath>

int EingangsSchritt(double geraetewert) {
    const double roh = std::trunc(geraetewert * 4095.0 / 10.0 + 0.5);
    if (!(roh >= 0.0)) return 0;
    return roh > 4095.0 ? 4095 : static_cast<int>(roh);
}

Arbeitspunkt ArbeitspunktBerechnen(const Kennlinientabelle& tabelle, const KonfigDaten& k, double eingang2,
                                   std::optional<double> rueckmeldung) {
    Arbeitspunkt p;
    p.xRoh = EingangsSchritt(eingang2);
    p.yRoh = std::min<int>(tabelle[static_cast<std::size_t>(p.xRoh)], 4095);
    p.x = EingangRohZuEinheit(k, 1, p.xRoh);
    p.y = AusgangRohZuEinheit(k, 0, p.yRoh);
    if (rueckmeldung) {
        // The feedback input measures output 1's voltage on the input's range.
        const double volt = VoltAusGeraetewert(k, Seite::Eingang, *rueckmeldung);
        p.rueckmeldungRoh = std::clamp(CountsAusVolt(k, Seite::Ausgang, volt), 0.0, 4095.0);
        p.rueckmeldung = AusgangRohZuEinheit(k, 0, *p.rueckmeldungRoh);
    }
    return p;
}
