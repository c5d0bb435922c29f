#include "kurven/KurvenEditor.h"

#include "kurven/KurvenTransfer.h"

using namespace kurvengenerator;

KurvenEditor::KurvenEditor(KonfigQuelle konfig) : konfig_(std::move(konfig)) {
    if (!konfig_) konfig_ = [standard = KonfigStandardwerte()]() -> const KonfigDaten& { return standard; };
    gemeldet_ = JetzigerStand(true);
}

void KurvenEditor::Beobachten(Beobachter b) { beobachter_.push_back(std::move(b)); }

const KonfigDaten& KurvenEditor::konfig() const { return konfig_(); }

bool KurvenEditor::hintergrund(int k) const { return k >= 0 && k < kKurvenzahl && hintergrund_[std::size_t(k)]; }

KurvenEditor::Stand KurvenEditor::JetzigerStand(bool mitPunkte) const {
    Stand s;
    for (std::size_t k = 0; k < std::size_t(kKurvenzahl); ++k) {
        if (mitPunkte) s.punkte[k] = satz_.kurven[k].punkte;
        s.kommentare[k] = satz_.kurven[k].kommentar;
    }
    s.markierung = satz_.markierung;
    s.ansicht = ansicht_;
    s.zyklen = satz_.zyklen;
    s.ruhewert = satz_.ruhewert;
    s.yMin = satz_.yMin;
    s.yMax = satz_.yMax;
    s.yRaster = satz_.yRaster;
    s.dateiPfad = satz_.dateiPfad;
    s.geaendert = satz_.geaendert;
    s.undo = rueckgaengigMoeglich();
    s.redo = wiederherstellenMoeglich();
    s.kurve = satz_.aktuelleKurve;
    s.darstellung = darstellung_;
    s.hintergrund = hintergrund_;
    s.modus = modus_;
    return s;
}

void KurvenEditor::Melden(Aenderungen immer) {
    const Stand& a = gemeldet_;
    Aenderungen g = immer;
    // The curves are compared one by one, so an unchanged set costs no copy.
    for (std::size_t k = 0; k < std::size_t(kKurvenzahl); ++k)
        if (a.punkte[k] != satz_.kurven[k].punkte) g |= Aenderung::Punkte;
    const Markierung& m = satz_.markierung;
    if (a.markierung.aktiv != m.aktiv || (m.aktiv && (a.markierung.start != m.start || a.markierung.ende != m.ende)))
        g |= Aenderung::Markierung;
    if (a.ansicht.start != ansicht_.start || a.ansicht.ende != ansicht_.ende) g |= Aenderung::Ansicht;
    bool kommentare = false;
    for (std::size_t k = 0; k < std::size_t(kKurvenzahl); ++k)
        kommentare = kommentare || a.kommentare[k] != satz_.kurven[k].kommentar;
    if (kommentare || a.zyklen != satz_.zyklen || a.ruhewert != satz_.ruhewert || a.yMin != satz_.yMin ||
        a.yMax != satz_.yMax || a.yRaster != satz_.yRaster)
        g |= Aenderung::Parameter;
    if (a.dateiPfad != satz_.dateiPfad || a.geaendert != satz_.geaendert) g |= Aenderung::Datei;
    if (a.undo != rueckgaengigMoeglich() || a.redo != wiederherstellenMoeglich()) g |= Aenderung::Undo;
    if (a.kurve != satz_.aktuelleKurve) g |= Aenderung::Kurve;
    if (a.darstellung != darstellung_ || a.hintergrund != hintergrund_ || a.modus != modus_)
        g |= Aenderung::Darstellung;
    if (g == 0) return;
    // Points are copied only when they changed: a drag or a zoom copies no curve.
    auto punkte = std::move(gemeldet_.punkte);
    gemeldet_ = JetzigerStand(g & Aenderung::Punkte);
    if (!(g & Aenderung::Punkte)) gemeldet_.punkte = std::move(punkte);
    for (const Beobachter& b : beobachter_) b(g);
}

Bearbeitung KurvenEditor::Gemeldet(Bearbeitung b) {
    Melden();
    return b;
}

int KurvenEditor::Initialisieren() {
    const int r = KurvenInitialisieren(satz_);
    ansicht_ = Ansicht{};
    ++ersetzt_;
    Melden(Aenderung::Alles);
    return r;
}

void KurvenEditor::Leeren() {
    satz_ = Kurvensatz{};
    ansicht_ = Ansicht{};
    Melden();
}

void KurvenEditor::KonfigurationGeaendert() { Melden(Aenderung::Konfiguration); }

void KurvenEditor::Aendern(const std::function<void(Kurvensatz&)>& f) {
    f(satz_);
    Melden();
}

int KurvenEditor::Neu() {
    const int r = KurvenNeu(satz_);
    satz_.dateiPfad.clear();
    ++ersetzt_;
    ansicht_ = Ansicht{};
    Melden();
    return r;
}

LadeErgebnis KurvenEditor::Laden(const std::string& pfad) {
    LadeErgebnis e = KurvenLaden(satz_, pfad, konfig());
    if (e.code == 0) {
        GanzeKurveZeigen(ansicht_, satz_.Aktuelle());
        ++ersetzt_;
    }
    Melden();
    return e;
}

LadeErgebnis KurvenEditor::Anhaengen(const std::string& pfad) {
    LadeErgebnis e = KurvenAnhaengen(satz_, pfad, konfig());
    if (e.code == 0) GanzeKurveZeigen(ansicht_, satz_.Aktuelle());
    Melden();
    return e;
}

int KurvenEditor::Speichern(const std::string& pfad) {
    const int r = KurvenSpeichern(satz_, pfad, konfig());
    Melden();
    return r;
}

ImportErgebnis KurvenEditor::Importieren(const std::string& pfad) {
    ImportErgebnis e = KurvenImportieren(satz_, pfad);
    if (e.code == 0) {
        GanzeKurveZeigen(ansicht_, satz_.Aktuelle()); // as loading: the whole of what came in
        ++ersetzt_;
    }
    Melden();
    return e;
}

void KurvenEditor::AlsGeaendertMarkieren() {
    satz_.geaendert = true;
    Melden();
}

void KurvenEditor::GeleseneUebernehmen(GeleseneKurven&& g) {
    GeleseneKurvenUebernehmen(satz_, std::move(g));
    GanzeKurveZeigen(ansicht_, satz_.Aktuelle());
    ++ersetzt_;
    Melden();
}

int KurvenEditor::Kopieren() { return kurvengenerator::Kopieren(satz_); }
Bearbeitung KurvenEditor::Ausschneiden() { return Gemeldet(kurvengenerator::Ausschneiden(satz_)); }
Bearbeitung KurvenEditor::Einfuegen() { return Gemeldet(kurvengenerator::Einfuegen(satz_)); }
Bearbeitung KurvenEditor::Loeschen() { return Gemeldet(kurvengenerator::Loeschen(satz_)); }
Bearbeitung KurvenEditor::Rueckgaengig() { return Gemeldet(kurvengenerator::Rueckgaengig(satz_)); }
Bearbeitung KurvenEditor::Wiederherstellen() { return Gemeldet(kurvengenerator::Wiederherstellen(satz_)); }

void KurvenEditor::AllesMarkieren() {
    kurvengenerator::AllesMarkieren(satz_);
    Melden();
}

Bearbeitung KurvenEditor::PunktZeichnen(double x, double y, int zeitbasis) {
    return Gemeldet(kurvengenerator::PunktZeichnen(satz_, x, y, zeitbasis, konfig()));
}
Bearbeitung KurvenEditor::PunktVerschieben(int punkt, double x, double y) {
    return Gemeldet(kurvengenerator::PunktVerschieben(satz_, punkt, x, y, konfig()));
}
Bearbeitung KurvenEditor::PunktKoordinatenAendern(int punkt, const Zeitangabe& zeit, double wertEinheit) {
    return Gemeldet(kurvengenerator::PunktKoordinatenAendern(satz_, punkt, zeit, wertEinheit, konfig()));
}
Bearbeitung KurvenEditor::PunktAufloesen(int punkt) { return Gemeldet(kurvengenerator::PunktAufloesen(satz_, punkt)); }
Bearbeitung KurvenEditor::GeradeTeilen(double x) { return Gemeldet(kurvengenerator::GeradeTeilen(satz_, x)); }
Bearbeitung KurvenEditor::ZeitbasisAendern(double x, int code) {
    return Gemeldet(kurvengenerator::ZeitbasisAendern(satz_, x, code));
}
Bearbeitung KurvenEditor::GeradenlaengeAendern(int gerade, const Zeitangabe& dauer) {
    return Gemeldet(kurvengenerator::GeradenlaengeAendern(satz_, gerade, dauer));
}

void KurvenEditor::MarkierenZiehen(double x) {
    kurvengenerator::MarkierenZiehen(satz_, x);
    Melden();
}

void KurvenEditor::MarkierenLoslassen(double x) {
    kurvengenerator::MarkierenLoslassen(satz_, x);
    Melden();
}

void KurvenEditor::ZoomPlus() {
    kurvengenerator::ZoomPlus(ansicht_);
    Melden();
}

void KurvenEditor::ZoomMinus() {
    kurvengenerator::ZoomMinus(ansicht_);
    Melden();
}

void KurvenEditor::ZoomMarkierung() {
    kurvengenerator::ZoomMarkierung(ansicht_, satz_.markierung);
    Melden();
}

void KurvenEditor::ZoomGesamt() {
    GanzeKurveZeigen(ansicht_, satz_.Aktuelle());
    Melden();
}

void KurvenEditor::AnsichtSetzen(const Ansicht& a) {
    ansicht_ = a;
    Melden();
}

void KurvenEditor::Scrollen(int prozent) {
    ScrollbalkenVerschieben(ansicht_, satz_.Aktuelle(), prozent);
    Melden();
}

void KurvenEditor::KurveWaehlen(int k) {
    if (k < 0 || k >= kKurvenzahl) return;
    satz_.aktuelleKurve = k;
    Melden();
}

void KurvenEditor::YRasterSetzen(double raster) {
    satz_.yRaster[std::size_t(satz_.aktuelleKurve)] = raster;
    Melden();
}

bool KurvenEditor::YZoomSetzen(double untenEinheit, double obenEinheit) {
    const bool ok = kurvengenerator::YZoomSetzen(satz_, satz_.aktuelleKurve, untenEinheit, obenEinheit, konfig());
    Melden(Aenderung::Parameter);
    return ok;
}

void KurvenEditor::ZyklenUndRuhewertSetzen(long zyklen, double ruheEinheit) {
    kurvengenerator::ZyklenUndRuhewertSetzen(satz_, satz_.aktuelleKurve, zyklen, ruheEinheit, konfig());
    Melden(Aenderung::Parameter);
}

bool KurvenEditor::KommentarSetzen(const std::string& utf8) {
    const bool ok = kurvengenerator::KommentarSetzen(satz_, satz_.aktuelleKurve, utf8);
    Melden();
    return ok;
}

void KurvenEditor::ModusWaehlen(Bearbeitungsmodus m) {
    modus_ = m;
    zeitbasisMarken_ = ModusGewaehlt(satz_, m);
    Melden();
}

void KurvenEditor::DarstellungWaehlen(int d) {
    darstellung_ = d >= NurLinien && d <= LinienUndStufen ? d : LinienUndStufen;
    Melden();
}

void KurvenEditor::HintergrundSetzen(int k, bool an) {
    if (k < 0 || k >= kKurvenzahl) return;
    hintergrund_[std::size_t(k)] = an;
    Melden();
}
