#include "kennlinie/fenster/KennlinienPanel.h"

#include "config/KonfigModell.h"
#include "device/Geraetedienst.h"
#include "kennlinie/fenster/KennlinienArbeitspunkt.h"
#include "kennlinie/fenster/KennlinienDateiAktionen.h"
#include "kennlinie/fenster/KennlinienGeraetAktionen.h"
#include "kennlinie/fenster/KennlinienGrafik.h"
#include "kennlinie/fenster/KennlinienMaus.h"
#include "kennlinie/fenster/KennlinienParameter.h"
#include "kennlinie/fenster/KennlinienVergleichFenster.h"
#include "kern/IniDatei.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Hilfemodus.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kPinbelegung =
    "Pinbelegung für den Kennlinienreglerbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin 3:    "
    "Kennlinienausgang\nPin 4:    GND\nPin 5:    einstellbarer Analogausgang 2\nPin 6:    GND\nPin 7:    frei\nPin 8:  "
    "  GND\nPin 9:    Ausgang 4: 10 V bzw. Auswahlspannung-Ausgang\nPin 10:  frei\nPin 11:  GND\nPin 12:  "
    "Kennlinieneingang\nPin 13:  GND\nPin 14:  Kennlinienauswahlspannung-Eingang\nPin 15:  GND\nPin 16:  "
    "Start/Stopp-Signal";

// The file dialog of the unsaved-changes question was cancelled: a silent
// code, so the question cancels what it guards without a popup.
constexpr int kSpeichernAbgebrochen = -6501;

} // namespace

KennlinienPanel::KennlinienPanel(Geraetedienst& dienst, KonfigModell& konfig, QWidget* eltern)
    : Kurvenfenster("Kennlinienregler", QString::fromUtf8(kPinbelegung), "Zurück zum &Hauptfenster", eltern),
      dienst_(dienst), konfig_(konfig) {
    setObjectName("KENNLPNL");
    direkthilfeAktion()->setObjectName("DIREKTHILFE");
    const KennlinienKontext k{editor_, konfig_, *this};
    grafik_ = std::make_unique<KennlinienGrafik>(k);
    parameter_ = std::make_unique<KennlinienParameter>(k);
    dateien_ = std::make_unique<KennlinienDateiAktionen>(k, [this] { return AbbruchWeilKennlinieNichtGespeichert(); });
    geraet_ = std::make_unique<KennlinienGeraetAktionen>(k, dienst_);
    vergleich_ = std::make_unique<KennlinienVergleichFenster>(k, dienst_, *geraet_, *grafik_);

    auto* leiste = new QWidget(this);
    leiste->setFixedWidth(300);
    auto* spalte = new QVBoxLayout(leiste);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(parameter_->KommentarGruppeAnlegen(leiste));
    spalte->addWidget(grafik_->GruppeAnlegen(leiste));
    spalte->addWidget(parameter_->ParameterGruppeAnlegen(leiste));
    spalte->addWidget(geraet_->GruppeAnlegen(leiste));
    spalte->addStretch(1);
    auto* reihe = new QHBoxLayout;
    reihe->addLayout(grafik_->GraphenAnlegen(), 1);
    reihe->addWidget(leiste);
    arbeitsflaeche()->addLayout(reihe, 1);
    maus_ = std::make_unique<KennlinienMaus>(k, *grafik_);

    MenuesAnlegen();
    connect(startKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(true, this);
    });
    connect(stoppKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(false, this);
    });
    connect(&konfig_, &KonfigModell::uebernommen, this, [this] { Kennlinienpanel_SkaliereYAchse(); });
    editor_.Beobachten([this](Aenderungen a) { Zeigen(a); });
    Zeigen(Aenderung::Alle);
    arbeitspunkt_ = std::make_unique<KennlinienArbeitspunkt>(k, dienst_, *grafik_, *ansichtMenue_);
}

KennlinienPanel::~KennlinienPanel() = default;

void KennlinienPanel::Zeigen(Aenderungen a) {
    grafik_->Zeigen(a);
    parameter_->Zeigen(a);
    MenuesZeigen(a);
    if (a & Aenderung::Datei) {
        setWindowTitle(QString::fromStdString(FensterTitel(editor_.dateiname())));
        GeaendertSetzen(editor_.geaendert());
    }
}

int KennlinienPanel::KennlinienpanelInit() {
    editor_.Zuruecksetzen(konfig_.daten());
    return 0;
}

int KennlinienPanel::KennlinienpanelClear() {
    arbeitspunkt_->Einschalten(false);
    maus_->DialogSchliessen();
    parameter_->DialogSchliessen();
    return 0;
}

void KennlinienPanel::ReadIniKennlinienpanel(const IniDatei& ini) {
    long d = LinienUndStufen;
    if (ini.IntLesen("kennlinie", "darstellung", d) != IniDatei::Ergebnis::Vorhanden || d < Linien ||
        d > LinienUndStufen)
        d = LinienUndStufen;
    editor_.DarstellungSetzen(int(d));
    arbeitspunkt_->EinstellungenLesen(ini);
}

void KennlinienPanel::WriteIniKennlinienpanel(IniDatei& ini) {
    ini.IntSetzen("kennlinie", "darstellung", editor_.darstellung());
    arbeitspunkt_->EinstellungenSchreiben(ini);
}

void KennlinienPanel::Kennlinienpanel_SkaliereYAchse() { editor_.EinheitenGeaendert(); }

QString KennlinienPanel::dateiname() const { return QFile::decodeName(editor_.dateiname().c_str()); }

KennlinienPanel::Modus KennlinienPanel::modus() const { return maus_->modus(); }

int KennlinienPanel::AbbruchWeilKennlinieNichtGespeichert() {
    GeaendertSetzen(ungespeichert());
    return AbbruchFrage(QFileInfo(dateiname()).fileName(), [this] {
        const int rc = dateien_->Speichern(false);
        // "Ja" and then no file name: nothing was saved, so nothing may be dropped.
        return rc == 0 && ungespeichert() ? kSpeichernAbgebrochen : rc;
    });
}

int KennlinienPanel::DateiLaden(const QString& pfad) { return dateien_->Laden(pfad); }
