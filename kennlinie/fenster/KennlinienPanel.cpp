#include "kennlinie/fenster/KennlinienPanel.h"

#include "config/KonfigModell.h"
#include "device/Geraetedienst.h"
#include "kern/IniDatei.h"
#include "uisupport/Hilfemodus.h"

#include <QPushButton>

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const char* const kPinbelegung =
    "Pinbelegung für den Kennlinienreglerbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin 3:    "
    "Kennlinienausgang\nPin 4:    GND\nPin 5:    einstellbarer Analogausgang 2\nPin 6:    GND\nPin 7:    frei\nPin 8:  "
    "  GND\nPin 9:    Ausgang 4: 10 V bzw. Auswahlspannung-Ausgang\nPin 10:  frei\nPin 11:  GND\nPin 12:  "
    "Kennlinieneingang\nPin 13:  GND\nPin 14:  Kennlinienauswahlspannung-Eingang\nPin 15:  GND\nPin 16:  "
    "Start/Stopp-Signal";
}

KennlinienPanel::KennlinienPanel(Geraetedienst& dienst, const KonfigModell& konfig, QWidget* eltern)
    : Kurvenfenster("Kennlinienregler", QString::fromUtf8(kPinbelegung), "Zurück zum &Hauptfenster", eltern),
      dienst_(dienst),
      konfig_(konfig) {
    setObjectName("KENNLPNL");
    direkthilfeAktion()->setObjectName("DIREKTHILFE");
    auto* graph = new QFrame(this);
    graph->setFrameShape(QFrame::StyledPanel);
    graph->setMinimumHeight(300);
    auto* hinweis = new QLabel("Die Kennlinienbearbeitung ist in dieser Version noch nicht enthalten.", graph);
    hinweis->setEnabled(false);
    (new QVBoxLayout(graph))->addWidget(hinweis, 0, Qt::AlignCenter);
    arbeitsflaeche()->addWidget(graph, 1);
    connect(startKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(true, this);
    });
    connect(stoppKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(false, this);
    });
    connect(&konfig_, &KonfigModell::uebernommen, this, [this] { Kennlinienpanel_SkaliereYAchse(); });
}

int KennlinienPanel::KennlinienpanelInit() { return 0; }
int KennlinienPanel::KennlinienpanelClear() { return 0; }

int KennlinienPanel::AbbruchWeilKennlinieNichtGespeichert() {
    return AbbruchFrage({}, [] { return 0; });
}

void KennlinienPanel::ReadIniKennlinienpanel(const IniDatei& ini) {
    long d = 3;
    if (ini.IntLesen("kennlinie", "darstellung", d) != IniDatei::Ergebnis::Vorhanden || d < 1 || d > 3) d = 3;
    darstellung_ = int(d);
}

void KennlinienPanel::WriteIniKennlinienpanel(IniDatei& ini) { ini.IntSetzen("kennlinie", "darstellung", darstellung_); }

void KennlinienPanel::Kennlinienpanel_SkaliereYAchse() {}
