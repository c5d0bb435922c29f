// Behaviour of "Kurvengenerator": set-up, settings, the Y axis, curve
// selection, cycles and rest value, comment, title and the edit commands.
#include "kurven/fenster/KurvenPanel.h"

#include "config/KonfigModell.h"
#include "config/KonfigUmrechnung.h"
#include "device/Geraetedienst.h"
#include "kern/IniDatei.h"
#include "kurven/KurvenBearbeiten.h"
#include "kurven/KurvenDatei.h"
#include "kurven/fenster/KurvenEingaben.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Ungespeichert.h"
#include "uisupport/Zahlfeld.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace kurvengenerator;

namespace {
const char* const kPinbelegung =
    "Pinbelegung für den Kurvengeneratorbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin 3:    Ausgang Kurve "
    "1\nPin 4:    GND\nPin 5:    Ausgang Kurve 2\nPin 6:    GND\nPin 7:    Ausgang Kurve 3\nPin 8:    GND\nPin 9:    "
    "Ausgang Kurve 4\nPin 10:  frei\nPin 11:  GND\nPin 12:  frei\nPin 13:  GND\nPin 14:  Verlangsamen/Unterbrechen\nPin "
    "15:  GND\nPin 16:  Start/Stopp-Signal";

QString Text(const std::string& s) { return QString::fromStdString(s); }
} // namespace

KurvenPanel::KurvenPanel(Geraetedienst& dienst, KonfigModell& konfig, QWidget* eltern)
    : Kurvenfenster("Kurvengenerator", QString::fromUtf8(kPinbelegung), "zurück zum &Hauptfenster", eltern),
      dienst_(dienst), konfig_(konfig), eingaben_(QtKurvenEingabenAnlegen()) {
    setObjectName("KURVENPNL");
    direkthilfeAktion()->setObjectName("WASISTDAS");
    Aufbauen();
    MenuesAnlegen();
    connect(startKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(true, this);
    });
    connect(stoppKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(false, this);
    });
    connect(&konfig_, &KonfigModell::uebernommen, this, [this] {
        Kurvenpanel_SkaliereYAchse();
        KurvenZeichnen();
    });
}

KurvenPanel::~KurvenPanel() = default;

void KurvenPanel::EingabenSetzen(std::unique_ptr<KurvenEingaben> e) { eingaben_ = std::move(e); }

int KurvenPanel::KurvenpanelInit() {
    darstellungAktion(darstellung_)->setChecked(true);
    for (int k = 0; k < kKurvenzahl; ++k) hintergrundAktion(k)->setChecked(hintergrund_[std::size_t(k)]);
    if (const int r = KurvenInitialisieren(satz_); r != 0) return r;
    ansicht_ = Ansicht{};
    KurvenwerteAnzeigen();
    UndoAnzeigen();
    ScrollbalkenAktualisieren();
    KurvenZeichnen();
    return 0;
}

int KurvenPanel::KurvenpanelClear() {
    graph_->AllesLoeschen();
    uebersicht_->AllesLoeschen();
    markenPlots_.clear();
    vorschauPlots_.clear();
    satz_ = Kurvensatz{};
    return 0;
}

int KurvenPanel::AbbruchWeilKurvenNichtGespeichert() {
    // The frame's flag and the curve set's are one: either may have been set.
    satz_.geaendert = satz_.geaendert || geaendert();
    GeaendertSetzen(satz_.geaendert);
    bool ohneDatei = false;
    const int r = AbbruchFrage(Text(DateiName(satz_.dateiPfad)), [this, &ohneDatei] {
        const int code = KurvenSpeichernMenue(false);
        ohneDatei = code == 0 && satz_.geaendert; // file dialog cancelled: nothing was saved
        return code;
    });
    // "Ja" without a file chosen must not let the unsaved curves go.
    return r != 0 || ohneDatei ? kProgrammendeAbgebrochen : 0;
}

void KurvenPanel::ReadIniKurvenpanel(const IniDatei& ini) {
    for (int n = 0; n < kKurvenzahl; ++n) {
        long w = 0;
        if (ini.IntLesen("kurven", "hintergrund" + std::to_string(n + 1), w) == IniDatei::Ergebnis::Vorhanden)
            hintergrund_[std::size_t(n)] = w != 0;
    }
    long d = LinienUndStufen;
    if (ini.IntLesen("kurven", "darstellung", d) != IniDatei::Ergebnis::Vorhanden || d < 1 || d > 3) d = 3;
    darstellung_ = int(d);
}

void KurvenPanel::WriteIniKurvenpanel(IniDatei& ini) {
    for (int n = 0; n < kKurvenzahl; ++n)
        ini.IntSetzen("kurven", "hintergrund" + std::to_string(n + 1), hintergrund_[std::size_t(n)] ? 1 : 0);
    ini.IntSetzen("kurven", "darstellung", darstellung_);
}

void KurvenPanel::FensterTitelSetzen(const std::string& pfad) {
    satz_.dateiPfad = pfad;
    GeaendertSetzen(satz_.geaendert); // saving, loading and reading come by here
    TitelMitDatei(Text(DateiName(pfad)));
}

bool KurvenPanel::HilfeStatt(const char* text) {
    if (!gHilfeAktiv) return false;
    if (!text || !*text) return true;
    QWidget* fenster = window();
    HilfeblaseBeiZeiger(fenster, QString::fromUtf8(text), fenster->mapFromGlobal(QCursor::pos()));
    return true;
}

void KurvenPanel::MeldungenZeigen(const Meldungen& meldungen) {
    for (const Meldung& m : meldungen) {
        switch (m.art) {
        case Meldung::Art::Popup: dialoge().Meldung(Text(m.titel), Text(m.text)); break;
        case Meldung::Art::Katalog: QAV_Fehlerpopup(m.code); break;
        case Meldung::Art::Fehleranzeige: dienst_.FehlerSetzen(m.code); break;
        }
    }
}

void KurvenPanel::Bearbeitet(const Bearbeitung& b, bool scrollen) {
    MeldungenZeigen(b.meldungen);
    if (b.neuZeichnen) {
        KurvenZeichnen();
        if (scrollen) ScrollbalkenAktualisieren();
    }
    UndoAnzeigen();
}

void KurvenPanel::UndoAnzeigen() {
    aktion(Befehl::Rueckgaengig)->setEnabled(RueckgaengigMoeglich(satz_));
    aktion(Befehl::Wiederherstellen)->setEnabled(WiederherstellenMoeglich(satz_));
}

void KurvenPanel::Kurvenpanel_SkaliereYAchse() {
    const int k = satz_.aktuelleKurve;
    const KonfigDaten& konfig = konfig_.daten();
    const YAchse y = YAchseBerechnen(konfig, k);
    graph_->setBeschriftung(Graph::Y, y.verstaerkung, y.versatz, Text(y.einheit));
    ruheText_->setText(Text(RuhewertBeschriftung(konfig, k)));
    wertText_->setText(QString("Wert [%1]").arg(Text(y.einheit)));
    const int stellen = Nachkommastellen(konfig, Seite::Ausgang, k);
    for (Zahlfeld* f : {ruhe_, yMin_, yMax_}) f->setStellen(stellen);
    ruhe_->setWert(SchritteZuEinheit(konfig, k, satz_.ruhewert[std::size_t(k)]));
    graph_->setBereich(Graph::Y, satz_.yMin[std::size_t(k)], satz_.yMax[std::size_t(k)]);
    yMin_->setWert(SchritteZuEinheit(konfig, k, satz_.yMin[std::size_t(k)]));
    yMax_->setWert(SchritteZuEinheit(konfig, k, satz_.yMax[std::size_t(k)]));
}

void KurvenPanel::YZoomGeaendert(bool maxFeld, double getippt) {
    const int k = satz_.aktuelleKurve;
    const double unten = maxFeld ? yMin_->wert() : getippt;
    const double oben = maxFeld ? getippt : yMax_->wert();
    if (YZoomSetzen(satz_, k, unten, oben, konfig_.daten())) {
        (maxFeld ? yMax_ : yMin_)->setWert(getippt);
        graph_->setBereich(Graph::Y, satz_.yMin[std::size_t(k)], satz_.yMax[std::size_t(k)]);
        KurvenZeichnen();
        return;
    }
    Kurvenpanel_SkaliereYAchse(); // both fields show the stored bounds again
}

void KurvenPanel::KurvenwerteAnzeigen() {
    const std::size_t k = std::size_t(satz_.aktuelleKurve);
    yRaster_->setWert(satz_.yRaster[k]);
    zyklen_->setWert(satz_.zyklen[k]);
    KommentarAnzeigen();
    Kurvenpanel_SkaliereYAchse();
}

void KurvenPanel::KommentarAnzeigen() {
    kommentarZeile_->setText(Text(KommentarZeile(satz_.Aktuelle().kommentar)));
    kommentarZeile_->setCursorPosition(0);
}

void KurvenPanel::YRasterUebernehmen() { satz_.yRaster[std::size_t(satz_.aktuelleKurve)] = yRaster_->wert(); }

void KurvenPanel::KurveWaehlen(int k) {
    if (k < 0 || k >= kKurvenzahl) return;
    yRaster_->Uebernehmen();
    YRasterUebernehmen();
    satz_.aktuelleKurve = k;
    kurvenAktion(k)->setChecked(true);
    KurvenwerteAnzeigen();
    // The same place read on the new curve: its time base and its output's unit.
    if (koordinatenBei_) KoordinatenZeigen(koordinatenBei_->x(), koordinatenBei_->y());
    KurvenZeichnen();
    ScrollbalkenAktualisieren();
    UndoAnzeigen();
}

void KurvenPanel::ZyklenUndRuhezustand_Callback(bool ruheFeld, double getippt) {
    const int k = satz_.aktuelleKurve;
    const double zyklen = ruheFeld ? zyklen_->wert() : getippt;
    const double ruhe = ruheFeld ? getippt : ruhe_->wert();
    ruhe_->setWert(ZyklenUndRuhewertSetzen(satz_, k, long(zyklen), ruhe, konfig_.daten()));
    zyklen_->setWert(satz_.zyklen[std::size_t(k)]);
}

void KurvenPanel::Kommentar_Callback() {
    if (gHilfeAktiv) return;
    const int k = satz_.aktuelleKurve;
    const QString alt = Text(satz_.Aktuelle().kommentar);
    const QString neu = eingaben_->Kommentar(this, Text(KommentarTitel(k)), alt);
    if (!KommentarSetzen(satz_, k, neu.toStdString())) {
        dialoge().Meldung(kTitelFehler, "Der Kommentar enthält Zeichen, die nicht gespeichert werden können.\n"
                                        "Der bisherige Kommentar bleibt erhalten.");
        return;
    }
    KommentarAnzeigen();
}

void KurvenPanel::ModusWaehlen(Bearbeitungsmodus m) {
    modus_ = m;
    modusAktion(m)->setChecked(true);
    zeitbasisMarken_ = ModusGewaehlt(satz_, m);
    VorschauEntfernen();
    KurvenZeichnen();
}

void KurvenPanel::DarstellungWaehlen(int d) {
    darstellung_ = d;
    darstellungAktion(d)->setChecked(true);
    KurvenZeichnen();
}

void KurvenPanel::HintergrundUmschalten(int k) {
    hintergrund_[std::size_t(k)] = hintergrundAktion(k)->isChecked();
    KurvenZeichnen();
}

void KurvenPanel::AnsichtSetzen(const Ansicht& a) {
    ansicht_ = a;
    KurvenZeichnen();
    ScrollbalkenAktualisieren();
}

void KurvenPanel::ZoomBefehl(Befehl b) {
    switch (b) {
    case Befehl::ZoomPlus: ZoomPlus(ansicht_); break;
    case Befehl::ZoomMinus: ZoomMinus(ansicht_); break;
    case Befehl::ZoomMarkierung:
        if (!ZoomMarkierung(ansicht_, satz_.markierung)) return;
        break;
    default: GanzeKurveZeigen(ansicht_, satz_.Aktuelle()); break;
    }
    KurvenZeichnen();
    ScrollbalkenAktualisieren();
}

void KurvenPanel::Ausfuehren(Befehl b) {
    int code = 0;
    switch (b) {
    case Befehl::Neu:
        if (AbbruchWeilKurvenNichtGespeichert() != 0) return;
        code = KurvenNeu(satz_);
        FensterTitelSetzen("");
        KurvenwerteAnzeigen();
        kommentarZeile_->clear();
        AnsichtSetzen(Ansicht{});
        break;
    case Befehl::Laden: code = KurvenLadenMenue(); break;
    case Befehl::Anhaengen: code = KurvenAnhaengenMenue(); break;
    case Befehl::Speichern: code = KurvenSpeichernMenue(false); break;
    case Befehl::SpeichernUnter: code = KurvenSpeichernMenue(true); break;
    case Befehl::Importieren: code = KurvenImportierenMenue(); break;
    case Befehl::Exportieren: code = KurvenExportierenMenue(); break;
    case Befehl::CsvExportieren: code = TabelleExportierenMenue(); break;
    case Befehl::Kopieren: code = Kopieren(satz_); break;
    case Befehl::Ausschneiden: Bearbeitet(Ausschneiden(satz_)); break;
    case Befehl::Einfuegen: Bearbeitet(Einfuegen(satz_)); break;
    case Befehl::Loeschen: Bearbeitet(Loeschen(satz_)); break;
    case Befehl::AllesMarkieren:
        AllesMarkieren(satz_);
        MarkierungZeichnen();
        break;
    case Befehl::Rueckgaengig: Bearbeitet(Rueckgaengig(satz_), false); break;
    case Befehl::Wiederherstellen: Bearbeitet(Wiederherstellen(satz_), false); break;
    case Befehl::ZoomPlus:
    case Befehl::ZoomMinus:
    case Befehl::ZoomMarkierung:
    case Befehl::ZoomGesamt: ZoomBefehl(b); break;
    }
    if (code != 0) QAV_Fehlerpopup(code);
    UndoAnzeigen();
}
