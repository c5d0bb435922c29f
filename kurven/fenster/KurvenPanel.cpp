// Life cycle of "Kurvengenerator": construction, start-up and end, the
// settings, the unsaved-changes question and the messages of operations.
#include "kurven/fenster/KurvenPanel.h"

#include "config/KonfigModell.h"
#include "device/Geraetedienst.h"
#include "kern/IniDatei.h"
#include "kurven/fenster/KurvenAufzeichnungFenster.h"
#include "kurven/fenster/KurvenEingaben.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Ungespeichert.h"

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
      dienst_(dienst), konfig_(konfig), eingaben_(QtKurvenEingabenAnlegen()),
      editor_([&konfig]() -> const KonfigDaten& { return konfig.daten(); }) {
    setObjectName("KURVENPNL");
    direkthilfeAktion()->setObjectName("WASISTDAS");
    Aufbauen();
    MenuesAnlegen();
    aufzeichnung_ = new KurvenAufzeichnungFenster(*this, dienst_, konfig_, *graph_);
    editor_.Beobachten([this](Aenderungen a) { Zeigen(a); });
    connect(startKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(true, this);
    });
    connect(stoppKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(false, this);
    });
    connect(&konfig_, &KonfigModell::uebernommen, this, [this] { editor_.KonfigurationGeaendert(); });
}

KurvenPanel::~KurvenPanel() = default;

void KurvenPanel::EingabenSetzen(std::unique_ptr<KurvenEingaben> e) { eingaben_ = std::move(e); }

int KurvenPanel::KurvenpanelInit() { return editor_.Initialisieren(); }

int KurvenPanel::KurvenpanelClear() {
    aufzeichnung_->Beenden();
    editor_.Leeren();
    graph_->AllesLoeschen();
    uebersicht_->AllesLoeschen();
    markenPlots_.clear();
    vorschauPlots_.clear();
    return 0;
}

int KurvenPanel::AbbruchWeilKurvenNichtGespeichert() {
    // The frame's flag and the editor's are one: either may have been set.
    if (geaendert() && !editor_.geaendert()) editor_.AlsGeaendertMarkieren();
    GeaendertSetzen(editor_.geaendert());
    bool ohneDatei = false;
    const int r = AbbruchFrage(Text(DateiName(editor_.dateiPfad())), [this, &ohneDatei] {
        const int code = KurvenSpeichernMenue(false);
        ohneDatei = code == 0 && editor_.geaendert(); // file dialog cancelled: nothing was saved
        return code;
    });
    // "Ja" without a file chosen must not let the unsaved curves go.
    return r != 0 || ohneDatei ? kProgrammendeAbgebrochen : 0;
}

void KurvenPanel::ReadIniKurvenpanel(const IniDatei& ini) {
    for (int n = 0; n < kKurvenzahl; ++n) {
        long w = 0;
        if (ini.IntLesen("kurven", "hintergrund" + std::to_string(n + 1), w) == IniDatei::Ergebnis::Vorhanden)
            editor_.HintergrundSetzen(n, w != 0);
    }
    long d = LinienUndStufen;
    if (ini.IntLesen("kurven", "darstellung", d) != IniDatei::Ergebnis::Vorhanden || d < 1 || d > 3) d = 3;
    editor_.DarstellungWaehlen(int(d));
}

void KurvenPanel::WriteIniKurvenpanel(IniDatei& ini) {
    for (int n = 0; n < kKurvenzahl; ++n)
        ini.IntSetzen("kurven", "hintergrund" + std::to_string(n + 1), editor_.hintergrund(n) ? 1 : 0);
    ini.IntSetzen("kurven", "darstellung", editor_.darstellung());
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

int KurvenPanel::Bearbeitet(const Bearbeitung& b) {
    MeldungenZeigen(b.meldungen);
    return 0;
}
