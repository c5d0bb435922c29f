#include "kennlinie/fenster/KennlinienPanel.h"

#include "config/KonfigModell.h"
#include "device/Geraetedienst.h"
#include "kennlinie/fenster/KennlinienDialoge.h"
#include "kern/IniDatei.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Zahlfeld.h"

#include <QCursor>
#include <QPushButton>

namespace {

const char* const kPinbelegung =
    "Pinbelegung für den Kennlinienreglerbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin 3:    "
    "Kennlinienausgang\nPin 4:    GND\nPin 5:    einstellbarer Analogausgang 2\nPin 6:    GND\nPin 7:    frei\nPin 8:  "
    "  GND\nPin 9:    Ausgang 4: 10 V bzw. Auswahlspannung-Ausgang\nPin 10:  frei\nPin 11:  GND\nPin 12:  "
    "Kennlinieneingang\nPin 13:  GND\nPin 14:  Kennlinienauswahlspannung-Eingang\nPin 15:  GND\nPin 16:  "
    "Start/Stopp-Signal";

} // namespace

KennlinienPanel::KennlinienPanel(Geraetedienst& dienst, KonfigModell& konfig, QWidget* eltern)
    : Kurvenfenster("Kennlinienregler", QString::fromUtf8(kPinbelegung), "Zurück zum &Hauptfenster", eltern),
      dienst_(dienst), konfig_(konfig) {
    setObjectName("KENNLPNL");
    direkthilfeAktion()->setObjectName("DIREKTHILFE");
    SteuerelementeAnlegen();
    MenuesAnlegen();
    connect(startKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(true, this);
    });
    connect(stoppKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(false, this);
    });
    connect(&konfig_, &KonfigModell::uebernommen, this, [this] { Kennlinienpanel_SkaliereYAchse(); });
}

KennlinienPanel::~KennlinienPanel() = default;

int KennlinienPanel::KennlinienpanelInit() {
    editor_ = KennlinienEditor{};
    ansicht_ = Ansicht{};
    KurveGeaendert();
    RueckgaengigAnzeigen();
    DarstellungAnzeigen();
    Kennlinienpanel_SkaliereYAchse();
    feld(Feld::Begrenzung)->setWert(NeueBegrenzung(konfig_.daten()));
    feld(Feld::Anstiegszeit)->setWert(kStartAnstiegszeit);
    DateinameSetzen({});
    KommentarZeigen();
    RollbalkenAnzeigen();
    Neuzeichnen();
    return 0;
}

int KennlinienPanel::KennlinienpanelClear() {
    if (punktFenster_) punktFenster_->reject();
    if (kommentarFenster_) kommentarFenster_->reject();
    return 0;
}

void KennlinienPanel::ReadIniKennlinienpanel(const IniDatei& ini) {
    long d = LinienUndStufen;
    if (ini.IntLesen("kennlinie", "darstellung", d) != IniDatei::Ergebnis::Vorhanden || d < Linien ||
        d > LinienUndStufen)
        d = LinienUndStufen;
    darstellung_ = int(d);
    DarstellungAnzeigen();
}

void KennlinienPanel::WriteIniKennlinienpanel(IniDatei& ini) {
    ini.IntSetzen("kennlinie", "darstellung", darstellung_);
}

bool KennlinienPanel::HilfeStatt(const char* text) {
    if (!gHilfeAktiv) return false;
    if (!text || !*text) return true;
    QWidget* fenster = window();
    HilfeblaseBeiZeiger(fenster, QString::fromUtf8(text), fenster->mapFromGlobal(QCursor::pos()));
    return true;
}

void KennlinienPanel::KurveGeaendert() { ++stand_; }
