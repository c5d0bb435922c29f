#include "kurven/fenster/KurvenPanel.h"

#include "config/KonfigModell.h"
#include "device/Geraetedienst.h"
#include "kern/IniDatei.h"
#include "uisupport/Hilfemodus.h"

#include <QPushButton>

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>
#include <string>

namespace {
const char* const kPinbelegung =
    "Pinbelegung für den Kurvengeneratorbetrieb\n\nPin 1:    UB +15V DC\nPin 2:    UB GND\nPin 3:    Ausgang Kurve "
    "1\nPin 4:    GND\nPin 5:    Ausgang Kurve 2\nPin 6:    GND\nPin 7:    Ausgang Kurve 3\nPin 8:    GND\nPin 9:    "
    "Ausgang Kurve 4\nPin 10:  frei\nPin 11:  GND\nPin 12:  frei\nPin 13:  GND\nPin 14:  Verlangsamen/Unterbrechen\nPin "
    "15:  GND\nPin 16:  Start/Stopp-Signal";
}

KurvenPanel::KurvenPanel(Geraetedienst& dienst, const KonfigModell& konfig, QWidget* eltern)
    : Kurvenfenster("Kurvengenerator", QString::fromUtf8(kPinbelegung), "zurück zum &Hauptfenster", eltern),
      dienst_(dienst),
      konfig_(konfig) {
    setObjectName("KURVENPNL");
    direkthilfeAktion()->setObjectName("WASISTDAS");
    auto* graph = new QFrame(this);
    graph->setFrameShape(QFrame::StyledPanel);
    graph->setMinimumHeight(300);
    auto* hinweis = new QLabel("Die Kurvenbearbeitung ist in dieser Version noch nicht enthalten.", graph);
    hinweis->setEnabled(false);
    (new QVBoxLayout(graph))->addWidget(hinweis, 0, Qt::AlignCenter);
    arbeitsflaeche()->addWidget(graph, 1);
    connect(startKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(true, this);
    });
    connect(stoppKnopf(), &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) dienst_.StartStopp(false, this);
    });
    connect(&konfig_, &KonfigModell::uebernommen, this, [this] { Kurvenpanel_SkaliereYAchse(); });
}

int KurvenPanel::KurvenpanelInit() { return 0; }
int KurvenPanel::KurvenpanelClear() { return 0; }

int KurvenPanel::AbbruchWeilKurvenNichtGespeichert() {
    return AbbruchFrage({}, [] { return 0; });
}

void KurvenPanel::ReadIniKurvenpanel(const IniDatei& ini) {
    for (int n = 0; n < 4; ++n) {
        long w = 0;
        if (ini.IntLesen("kurven", "hintergrund" + std::to_string(n + 1), w) == IniDatei::Ergebnis::Vorhanden)
            hintergrund_[n] = w != 0;
    }
    long d = 3;
    if (ini.IntLesen("kurven", "darstellung", d) != IniDatei::Ergebnis::Vorhanden || d < 1 || d > 3) d = 3;
    darstellung_ = int(d);
}

void KurvenPanel::WriteIniKurvenpanel(IniDatei& ini) {
    for (int n = 0; n < 4; ++n) ini.IntSetzen("kurven", "hintergrund" + std::to_string(n + 1), hintergrund_[n]);
    ini.IntSetzen("kurven", "darstellung", darstellung_);
}

void KurvenPanel::Kurvenpanel_SkaliereYAchse() {}
