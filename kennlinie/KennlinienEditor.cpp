#include "kennlinie/KennlinienEditor.h"

namespace {

bool Gleich(const Ansicht& a, const Ansicht& b) {
    return a.min == b.min && a.max == b.max && a.yMin == b.yMin && a.yMax == b.yMax;
}

bool Gleich(const Markierung& a, const Markierung& b) {
    return a.start == b.start && a.ende == b.ende && a.gueltig == b.gueltig && a.startOffen == b.startOffen;
}

} // namespace

// Everything but the points, which are too many to compare on each mouse
// move: their changes are counted in stand_.
struct KennlinienEditor::Stand {
    unsigned punkte;
    Markierung markierung;
    Ansicht ansicht;
    int darstellung;
    double begrenzung;
    double anstiegszeit;
    std::string kommentar;
    std::string dateiname;
    bool geaendert;
    bool rueckgaengig;
    bool wiederherstellen;
    Koordinaten koordinaten;
};

KennlinienEditor::Stand KennlinienEditor::Merken() const {
    return {stand_,
            b_.markierung,
            ansicht_,
            darstellung_,
            begrenzung_,
            anstiegszeit_,
            b_.kurve.kommentar,
            dateiname_,
            b_.geaendert,
            b_.RueckgaengigMoeglich(),
            b_.WiederherstellenMoeglich(),
            koordinaten_};
}

void KennlinienEditor::Melden(const Stand& v, Aenderungen dazu) {
    Aenderungen a = dazu;
    if (v.punkte != stand_) a |= Aenderung::Punkte;
    if (!Gleich(v.markierung, b_.markierung)) a |= Aenderung::Markierung;
    if (!Gleich(v.ansicht, ansicht_) || v.darstellung != darstellung_) a |= Aenderung::Ansicht;
    if (v.begrenzung != begrenzung_ || v.anstiegszeit != anstiegszeit_) a |= Aenderung::Parameter;
    if (v.kommentar != b_.kurve.kommentar) a |= Aenderung::Kommentar;
    if (v.dateiname != dateiname_ || v.geaendert != b_.geaendert) a |= Aenderung::Datei;
    if (v.rueckgaengig != b_.RueckgaengigMoeglich() || v.wiederherstellen != b_.WiederherstellenMoeglich())
        a |= Aenderung::Rueckgaengig;
    if (v.koordinaten.x != koordinaten_.x || v.koordinaten.y != koordinaten_.y) a |= Aenderung::Koordinaten;
    if (a == 0) return;
    for (const Beobachter& b : beobachter_) b(a);
}

void KennlinienEditor::KurveErsetzt() {
    ++stand_;
    ++ersetzt_;
    ::ZoomGesamt(ansicht_);
    koordinaten_ = {0.0, 0.0};
}

Bearbeitung KennlinienEditor::Ausgefuehrt(const Stand& vorher, Bearbeitung b) {
    if (b.geaendert) ++stand_;
    Melden(vorher);
    return b;
}

void KennlinienEditor::Zuruecksetzen(const KonfigDaten& k) {
    const Stand v = Merken();
    b_ = KennlinienBearbeiter{};
    ansicht_ = ::Ansicht{};
    begrenzung_ = NeueBegrenzung(k);
    anstiegszeit_ = kStartAnstiegszeit;
    dateiname_.clear();
    KurveErsetzt();
    Melden(v, Aenderung::Alle);
}

void KennlinienEditor::Neu(const KonfigDaten& k) {
    const Stand v = Merken();
    b_.Neu();
    begrenzung_ = NeueBegrenzung(k);
    anstiegszeit_ = kStartAnstiegszeit;
    dateiname_.clear();
    KurveErsetzt();
    Melden(v);
}

void KennlinienEditor::DateiUebernehmen(Kennlinie kurve, double begrenzung, double anstiegszeit, std::string pfad) {
    const Stand v = Merken();
    b_.kurve = std::move(kurve);
    b_.geaendert = false;
    begrenzung_ = begrenzung;
    anstiegszeit_ = anstiegszeit;
    dateiname_ = std::move(pfad);
    KurveErsetzt();
    Melden(v);
}

void KennlinienEditor::Gespeichert(std::string pfad) {
    const Stand v = Merken();
    dateiname_ = std::move(pfad);
    b_.geaendert = false;
    Melden(v);
}

Bearbeitung KennlinienEditor::Importieren(const std::string& pfad) {
    const Stand v = Merken();
    Bearbeitung b = b_.Importieren(pfad);
    if (b.geaendert) KurveErsetzt();
    Melden(v);
    return b;
}

void KennlinienEditor::Gelesen(const std::optional<GelesenerSlot>& slot) {
    const Stand v = Merken();
    if (slot) {
        b_.kurve.punkte = slot->punkte;
        if (slot->begrenzung) begrenzung_ = *slot->begrenzung;
        anstiegszeit_ = slot->anstiegszeit;
        KurveErsetzt();
    }
    dateiname_.clear();
    ::ZoomGesamt(ansicht_);
    Melden(v);
}

void KennlinienEditor::PunkteSetzen(Kennlinienpunkte punkte) {
    const Stand v = Merken();
    b_.kurve.punkte = std::move(punkte);
    ++stand_;
    Melden(v);
}

void KennlinienEditor::KommentarSetzen(const std::string& text) {
    if (text == b_.kurve.kommentar) return;
    const Stand v = Merken();
    b_.kurve.kommentar = text;
    b_.geaendert = true;
    Melden(v);
}

Bearbeitung KennlinienEditor::PunktZeichnen(const KonfigDaten& k, const Raster& r, double x, double y) {
    const Stand v = Merken();
    return Ausgefuehrt(v, b_.PunktZeichnen(k, r, x, y));
}

Bearbeitung KennlinienEditor::VerschiebenLoslassen(const KonfigDaten& k, const Raster& r, double x, double y,
                                                   const Plotflaeche& f) {
    const Stand v = Merken();
    return Ausgefuehrt(v, b_.VerschiebenLoslassen(k, r, x, y, ansicht_, f));
}

Bearbeitung KennlinienEditor::PunktKoordinatenAendern(const KonfigDaten& k, int punkt, double xFeld, double yFeld) {
    const Stand v = Merken();
    return Ausgefuehrt(v, b_.PunktKoordinatenAendern(k, punkt, xFeld, yFeld));
}

Bearbeitung KennlinienEditor::PunktAufloesen(double x, double y, const Plotflaeche& f) {
    const Stand v = Merken();
    return Ausgefuehrt(v, b_.PunktAufloesen(x, y, ansicht_, f));
}

Bearbeitung KennlinienEditor::GeradeTeilen(double x) {
    const Stand v = Merken();
    return Ausgefuehrt(v, b_.GeradeTeilen(x));
}

std::optional<Zielpunkt> KennlinienEditor::ZeichnenVorschau(const KonfigDaten& k, const Raster& r, double x,
                                                            double y) const {
    return b_.ZeichnenVorschau(k, r, x, y);
}

Verschiebung KennlinienEditor::VerschiebenPosition(const KonfigDaten& k, const Raster& r, double x, double y,
                                                   const Plotflaeche& f) {
    return b_.VerschiebenPosition(k, r, x, y, ansicht_, f);
}

PunktDialog KennlinienEditor::PunktDialogOeffnen(const KonfigDaten& k, double x, double y, const Plotflaeche& f) const {
    return b_.PunktDialogOeffnen(k, x, y, ansicht_, f);
}

bool KennlinienEditor::Rueckgaengig() {
    const Stand v = Merken();
    const bool ok = b_.Rueckgaengig();
    if (ok) ++stand_;
    Melden(v);
    return ok;
}

bool KennlinienEditor::Wiederherstellen() {
    const Stand v = Merken();
    const bool ok = b_.Wiederherstellen();
    if (ok) ++stand_;
    Melden(v);
    return ok;
}

void KennlinienEditor::MarkierenPosition(double x) {
    const Stand v = Merken();
    ::MarkierenPosition(b_.markierung, x);
    Melden(v);
}

void KennlinienEditor::MarkierenLoslassen(double x) {
    const Stand v = Merken();
    ::MarkierenLoslassen(b_.markierung, x);
    Melden(v);
}

void KennlinienEditor::AllesMarkieren() {
    const Stand v = Merken();
    ::AllesMarkieren(b_.markierung);
    Melden(v);
}

void KennlinienEditor::MarkierungAufheben() {
    const Stand v = Merken();
    ::MarkierungAufheben(b_.markierung);
    Melden(v);
}

void KennlinienEditor::ZoomPlus() {
    const Stand v = Merken();
    ::ZoomPlus(ansicht_);
    Melden(v);
}

void KennlinienEditor::ZoomMinus() {
    const Stand v = Merken();
    ::ZoomMinus(ansicht_);
    Melden(v);
}

void KennlinienEditor::ZoomMarkierung() {
    const Stand v = Merken();
    ::ZoomMarkierung(ansicht_, b_.markierung);
    Melden(v);
}

void KennlinienEditor::ZoomGesamt() {
    const Stand v = Merken();
    ::ZoomGesamt(ansicht_);
    Melden(v);
}

void KennlinienEditor::AnsichtSetzen(const ::Ansicht& a) {
    const Stand v = Merken();
    ansicht_ = a;
    Melden(v);
}

void KennlinienEditor::Rollen(int position) {
    const Stand v = Merken();
    AnsichtRollen(ansicht_, position);
    // The scroll bar is a view too: it snaps to the position the view took.
    Melden(v, Aenderung::Ansicht);
}

void KennlinienEditor::DarstellungSetzen(int d) {
    if (d < Linien || d > LinienUndStufen) return;
    const Stand v = Merken();
    darstellung_ = d;
    Melden(v);
}

bool KennlinienEditor::YZoomSetzen(const KonfigDaten& k, double minEinheit, double maxEinheit) {
    const Stand v = Merken();
    const bool ok = ::YZoomSetzen(ansicht_, k, minEinheit, maxEinheit);
    Melden(v, Aenderung::Ansicht);
    return ok;
}

void KennlinienEditor::BegrenzungSetzen(double wert) {
    const Stand v = Merken();
    begrenzung_ = wert;
    Melden(v, Aenderung::Parameter);
}

void KennlinienEditor::AnstiegszeitSetzen(double ms) {
    const Stand v = Merken();
    anstiegszeit_ = AnstiegszeitRealisierbar(ms);
    Melden(v, Aenderung::Parameter);
}

void KennlinienEditor::KoordinatenZeigen(::Koordinaten k) {
    const Stand v = Merken();
    koordinaten_ = k;
    Melden(v);
}

void KennlinienEditor::EinheitenGeaendert() {
    const Stand v = Merken();
    Melden(v, Aenderung::Einheiten | Aenderung::Ansicht | Aenderung::Parameter | Aenderung::Koordinaten);
}
