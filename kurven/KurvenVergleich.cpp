#include "kurven/KurvenVergleich.h"

#include "kern/Dezimal.h"
#include "kurven/KurvenFehler.h"

#include <algorithm>
#include <new>

namespace kurvengenerator {

namespace {

constexpr long kEndadressen = 2;
constexpr long kZyklen = 10;
constexpr long kRuhewerte = 18;

unsigned Wort(const std::vector<unsigned char>& b, long stelle) {
    const auto i = static_cast<std::size_t>(stelle);
    return i + 1 < b.size() ? b[i] * 256u + b[i + 1] : 0u;
}

// Byte addresses [anfang, ende] of each curve's samples.
struct Lage {
    std::array<long, kKurvenzahl> anfang{}, ende{};
};

// false when the end addresses do not describe curves inside the image.
bool LageLesen(const std::vector<unsigned char>& b, Lage& l) {
    long start = kAbbildKopf;
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        l.anfang[k] = start;
        l.ende[k] = static_cast<long>(Wort(b, kEndadressen + 2 * static_cast<long>(k)));
        if (l.ende[k] < l.anfang[k] || l.ende[k] >= static_cast<long>(b.size())) return false;
        start = l.ende[k] + 1;
    }
    return true;
}

} // namespace

int KurvenVergleich::anzahl() const {
    int n = sonstiges ? 1 : 0;
    for (const auto& k : kurven) n += k.abtastwerte + (k.zyklen ? 1 : 0) + (k.ruhewert ? 1 : 0);
    return n;
}

KurvenVergleich KurvenVergleichen(const std::vector<unsigned char>& editor, const std::vector<unsigned char>& box) {
    KurvenVergleich v;
    Lage le, lb;
    const bool gutE = LageLesen(editor, le), gutB = LageLesen(box, lb);
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        KurvenAbweichung& a = v.kurven[k];
        a.laengeEditor = gutE ? static_cast<int>((le.ende[k] - le.anfang[k] + 1) / 2) : 0;
        a.laengeBox = gutB ? static_cast<int>((lb.ende[k] - lb.anfang[k] + 1) / 2) : 0;
        std::vector<int> positionen;
        double zeit = 0.0; // microseconds up to sample i, along the editor's side
        for (int i = 0; i < std::max(a.laengeEditor, a.laengeBox); ++i) {
            const bool hatE = i < a.laengeEditor, hatB = i < a.laengeBox;
            const unsigned we = hatE ? Wort(editor, le.anfang[k] + 2L * i) : 0u;
            const unsigned wb = hatB ? Wort(box, lb.anfang[k] + 2L * i) : 0u;
            if (!(hatE && hatB && we == wb)) {
                positionen.push_back(i);
                if (!a.erste) {
                    a.erste = i;
                    a.ersteEditor = hatE ? static_cast<int>(we & 0x0FFF) : -1;
                    a.ersteBox = hatB ? static_cast<int>(wb & 0x0FFF) : -1;
                    a.ersteZeit = zeit / 1e6;
                }
            }
            zeit += ZeitbasisDauer(static_cast<int>((hatE ? we : wb) >> 12) + 1);
        }
        a.abtastwerte = static_cast<int>(positionen.size());
        a.bereiche = Bereiche(positionen);
        a.zyklenEditor = static_cast<std::int32_t>(Wort(editor, kZyklen + 2 * static_cast<long>(k)));
        a.zyklenBox = static_cast<std::int32_t>(Wort(box, kZyklen + 2 * static_cast<long>(k)));
        a.zyklen = a.zyklenEditor != a.zyklenBox;
        a.ruhewertEditor = static_cast<std::int32_t>(Wort(editor, kRuhewerte + 2 * static_cast<long>(k)));
        a.ruhewertBox = static_cast<std::int32_t>(Wort(box, kRuhewerte + 2 * static_cast<long>(k)));
        a.ruhewert = a.ruhewertEditor != a.ruhewertBox;
    }
    if (v.anzahl() == 0) v.sonstiges = editor != box;
    return v;
}

std::vector<std::string> KurvenVergleich::Zeilen(const std::string& editorName) const {
    std::vector<std::string> z;
    const auto wert = [](int w) { return w < 0 ? std::string("keiner") : std::to_string(w); };
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        const KurvenAbweichung& a = kurven[k];
        const std::string kurve = "Kurve " + std::to_string(k + 1);
        if (a.erste) {
            z.push_back(kurve + ": erste Abweichung bei Abtastwert " + std::to_string(*a.erste) + " (" +
                        DezimalKurz(a.ersteZeit) + " s; " + editorName + " " + wert(a.ersteEditor) + ", DLM-7 " +
                        wert(a.ersteBox) + ")");
            std::string t = kurve + ": " + std::to_string(a.abtastwerte) + " abweichende Abtastwerte in " +
                            BereicheText(a.bereiche);
            if (a.laengeEditor != a.laengeBox)
                t += "; Länge " + editorName + " " + std::to_string(a.laengeEditor) + ", DLM-7 " +
                     std::to_string(a.laengeBox);
            z.push_back(t);
        }
        if (a.zyklen)
            z.push_back(kurve + ": Zyklen " + editorName + " " + std::to_string(a.zyklenEditor) + ", DLM-7 " +
                        std::to_string(a.zyklenBox));
        if (a.ruhewert)
            z.push_back(kurve + ": Ruhewert " + editorName + " " + std::to_string(a.ruhewertEditor) + ", DLM-7 " +
                        std::to_string(a.ruhewertBox));
    }
    if (sonstiges) z.push_back("Kopf oder Prüfsumme des Kurvenspeichers weichen ab");
    return z;
}

KurvenVergleichLauf KurvenMitBoxVergleichen(int port, char adresse, const Kurvensatz& s, const Blockrueckmeldung& r) {
    KurvenVergleichLauf l;
    const Speicherabbild editor = AbbildErstellen(s);
    if (editor.code != 0) {
        l.code = editor.code;
        l.meldungen = editor.meldungen;
        return l;
    }
    l.meldungen.push_back(AnzeigeMeldung(0));
    const auto fehler = [&l](int code, bool popup = false) {
        l.code = code;
        l.meldungen.push_back(popup ? KatalogPopup(code) : AnzeigeMeldung(code));
        return std::move(l);
    };
    std::vector<unsigned char> box(static_cast<std::size_t>(kAbbildKopf));
    Blockrueckmeldung still = r;
    still.fortschritt = nullptr;
    still.menge = nullptr;
    if (const int rc = DatenLesen(port, adresse, 0, kAbbildKopf, box.data(), still); rc != 0) return fehler(rc);
    const long letztes = static_cast<long>(Wort(box, kEndadressen + 6));
    if (letztes < kAbbildKopf) return fehler(KurvenFehler::LesenAnfang);
    if (letztes + 1 > kBoxSpeicher) return fehler(KurvenFehler::LesenEnde);
    try {
        box.resize(static_cast<std::size_t>(letztes + 1));
    } catch (const std::bad_alloc&) { return fehler(KurvenFehler::LesenSpeicher, true); }
    if (const int rc = DatenLesen(port, adresse, 0, letztes + 1, box.data(), r); rc != 0) return fehler(rc);
    Lage lage;
    if (!LageLesen(box, lage)) return fehler(KurvenFehler::LesenAnfang);
    l.vergleich = KurvenVergleichen(editor.bytes, box);
    GeleseneKurven g;
    for (std::size_t k = 0; k < kKurvenzahl; ++k) {
        if (KurveDekodieren(box.data(), lage.anfang[k], lage.ende[k], g.punkte[k]) != 0) return l;
        g.zyklen[k] = static_cast<std::int32_t>(Wort(box, kZyklen + 2 * static_cast<long>(k)));
        g.ruhewert[k] = static_cast<std::int32_t>(Wort(box, kRuhewerte + 2 * static_cast<long>(k)));
    }
    l.box = std::move(g);
    return l;
}

} // namespace kurvengenerator
