// The controls of "Konfiguration": two halves of range ring, voltage and
// scale fields and units, with their help texts.
#include "config/fenster/KonfigPanel.h"

#include "config/KonfigModell.h"
#include "config/fenster/KonfigEinheitFeld.h"
#include "config/fenster/KonfigZahlFeld.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/VerbindungsBild.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

namespace hilfe {
const char* const AUSGANGSBEREICH = "Die DLM-7 Box ist mit 0-10V, 0-5V oder 0-4V Ausgängen\nerhältlich "
                                    "(unterschiedliche Hardware). Welche Box benutzt\nwird, muss hier "
                                    "eingestellt werden.";
const char* const EINGANGSBEREICH = "Die DLM-7 Box ist mit 0-10V, 0-5V oder 0-4V Eingängen\nerhältlich "
                                    "(unterschiedliche Hardware). Welche Box benutzt\nwird, muss hier "
                                    "eingestellt werden.";
const char* const AUSGANG =
    "Die Spannungen der Ausgänge der DLM-7 können innerhalb von \nDLM7-Steuerung in andere physikalische "
    "Größen umgerechnet \nwerden. Das ist nützlich, wenn mit der DLM-7 ein anderes Gerät \ngesteuert "
    "wird.\nBeispiel:\nWenn an Ausgang 1 ein 0-60 Volt Netzgerät angeschlossen ist, das \neine "
    "Steuerspannung "
    "von 0-5 Volt erwartet, so muß für Ausgang 1 \nfolgendes eingestellt werden:\n'Ausgang 1 von 0.0 bis 5.0 "
    "V "
    "wird umgerechnet in 0.000 bis 60.000 V'";
const char* const EINHEITOUT = "Die Bezeichnung der Einheit für die Ausgangsgröße.";
const char* const EINGANG =
    "Die Spannungen der Eingänge der DLM-7 können innerhalb von \nDLM7-Steuerung in andere physikalische "
    "Größen umgerechnet \nwerden. Das ist nützlich, wenn mit der DLM-7 z.B. ein Sensor \nabgefragt "
    "wird.\nBeispiel:\nWenn an Eingang 1 ein 0-1000 mBar Drucksensor angeschlossen ist, \nder eine "
    "Ausgangsspannung von 1-6 Volt liefert, so muß für Eingang 1 \nfolgendes eingestellt werden:\n'Eingang 1 "
    "von 1.0 bis 6.0 V wird umgerechnet in 0.000 bis 1000.000 mBar'";
const char* const EINHEITIN = "Die Bezeichnung der Einheit für die Eingangsgröße.";
const char* const STANDARDWERTE = "Setzt alle Eingabefelder auf die Standardwerte\n( 0 bis 10V ) zurück.";
} // namespace hilfe

// Decimals a field shows at least: volts as "5.0", physical values as "60.000".
constexpr int kVoltStellen = 1;
constexpr int kSkalaStellen = 3;
// The three hardware variants; a record may bring another value, shown as a fourth item.
constexpr double kBereiche[] = {4.095, 5.0, 10.0};
constexpr const char* kBereichTexte[] = {"0 - 4.095 V", "0 - 5 V", "0 - 10 V"};
constexpr int kStandardBereiche = 3;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// The same width for a label in both halves, so their columns line up.
int GemeinsameBreite(const QLabel* l, const QString& a, const QString& b) {
    return std::max(l->fontMetrics().horizontalAdvance(a), l->fontMetrics().horizontalAdvance(b)) + 4;
}

} // namespace

void KonfigPanel::BereichSetzen(QComboBox* ring, double volt) {
    while (ring->count() > kStandardBereiche) ring->removeItem(kStandardBereiche);
    int i = -1;
    for (int n = 0; n < kStandardBereiche; ++n)
        if (kBereiche[n] == volt) i = n;
    if (i < 0) {
        ring->addItem(QString("0 - %1 V").arg(KonfigZahlFeld::Text(volt, 0)), volt);
        i = kStandardBereiche;
    }
    ring->setCurrentIndex(i);
}

KonfigPanel::KonfigPanel(KonfigModell& konfig, QWidget* eltern)
    : Werkzeugfenster("Konfiguration", eltern), konfig_(konfig) {
    setObjectName("KONFIGPNL");
    // Shown over the main window's own controls, which must not shine through.
    setAutoFillBackground(true);
    ladenAktion_ = dateiMenue()->addAction("Konfigurationsdatei laden");
    ladenAktion_->setObjectName("LADEN");
    speichernAktion_ = dateiMenue()->addAction("Konfigurationsdatei speichern");
    speichernAktion_->setObjectName("SPEICHERN");
    DateiMenueAbschliessen(true);

    auto* zentral = new QWidget(this);
    auto* spalte = new QVBoxLayout(zentral);
    spalte->setSpacing(12);
    spalte->addWidget(SeiteAnlegen(Seite::Ausgang, zentral));
    spalte->addWidget(SeiteAnlegen(Seite::Eingang, zentral));
    spalte->addStretch();

    auto* unten = new QHBoxLayout;
    standardwerte_ = new QPushButton(Q("auf Standardwerte zurücksetzen"), zentral);
    standardwerte_->setObjectName("STANDARDWERTE");
    HilfetextSetzen(standardwerte_, Q(hilfe::STANDARDWERTE));
    VerbindungsBild* bild = VerbindungsBildAnlegen();
    hauptfenster_ = new QPushButton(Q("Zurück zum &Hauptfenster"), zentral);
    hauptfenster_->setObjectName("HAUPTFENSTER");
    direkthilfe_ = DirekthilfeKnopf();
    unten->addWidget(standardwerte_);
    unten->addStretch();
    unten->addWidget(bild);
    unten->addSpacing(12);
    unten->addWidget(hauptfenster_);
    unten->addWidget(direkthilfe_);
    spalte->addLayout(unten);
    InhaltSetzen(zentral);

    connect(standardwerte_, &QPushButton::clicked, this, [this] { Standardwerte_Callback(); });
    connect(hauptfenster_, &QPushButton::clicked, this, [this] { Hauptfenster_Callback(); });
    connect(ladenAktion_, &QAction::triggered, this, [this] { DateiAktion([this] { return KonfigurationLaden(); }); });
    connect(speichernAktion_, &QAction::triggered, this,
            [this] { DateiAktion([this] { return KonfigurationSpeichern(); }); });
    // A record brought by a file or the standard values shows at once.
    connect(&konfig_, &KonfigModell::ersetzt, this, [this] { InPanel(konfig_.daten()); });
    InPanel(konfig_.daten());
}

QWidget* KonfigPanel::SeiteAnlegen(Seite seite, QWidget* eltern) {
    const bool aus = seite == Seite::Ausgang;
    auto* gruppe = new QGroupBox(Q(aus ? "Ausgänge" : "Eingänge"), eltern);
    auto* raster = new QGridLayout(gruppe);
    raster->setHorizontalSpacing(8);
    raster->setVerticalSpacing(10);

    auto* ring = new QComboBox(gruppe);
    ring->setObjectName(aus ? "AUSGANGSBEREICH" : "EINGANGSBEREICH");
    for (int n = 0; n < kStandardBereiche; ++n) ring->addItem(kBereichTexte[n], kBereiche[n]);
    HilfetextSetzen(ring, Q(aus ? hilfe::AUSGANGSBEREICH : hilfe::EINGANGSBEREICH));
    (aus ? ausgangsbereich_ : eingangsbereich_) = ring;
    auto* ringText =
        new QLabel(Q(aus ? "Spannungsbereich der DLM-7 Ausgänge:" : "Spannungsbereich der DLM-7 Eingänge:"), gruppe);
    ringText->setMinimumWidth(GemeinsameBreite(ringText, Q("Spannungsbereich der DLM-7 Ausgänge:"),
                                               Q("Spannungsbereich der DLM-7 Eingänge:")));
    auto* ringZeile = new QHBoxLayout;
    ringZeile->addWidget(ringText);
    ringZeile->addWidget(ring);
    ringZeile->addStretch();
    raster->addLayout(ringZeile, 0, 0, 1, 8);
    raster->addWidget(new QLabel("(Einheit)", gruppe), 0, 8, Qt::AlignBottom);

    const Seitenfelder f = Felder(seite);
    const QString kurz = aus ? "OUT" : "IN";
    const QString feldHilfe = Q(aus ? hilfe::AUSGANG : hilfe::EINGANG);
    for (int i = 0; i < kKanaele; ++i) {
        const QString nr = QString::number(i + 1);
        auto zahl = [&](Kanalfelder* feld, const QString& name, int stellen) {
            auto* z = new KonfigZahlFeld(stellen, gruppe);
            z->setObjectName(name + nr);
            z->setMinimumWidth(90);
            HilfetextSetzen(z, feldHilfe);
            (*feld)[i] = z;
            return z;
        };
        const int zeile = i + 1;
        auto* name = new QLabel(QString("DLM-7 %1 %2 von").arg(aus ? "Ausgang" : "Eingang", nr), gruppe);
        name->setMinimumWidth(GemeinsameBreite(name, "DLM-7 Ausgang 4 von", "DLM-7 Eingang 4 von"));
        raster->addWidget(name, zeile, 0);
        raster->addWidget(zahl(f.min, "SPANNUNG_" + kurz + "MIN", kVoltStellen), zeile, 1);
        raster->addWidget(new QLabel("bis", gruppe), zeile, 2);
        raster->addWidget(zahl(f.max, "SPANNUNG_" + kurz + "MAX", kVoltStellen), zeile, 3);
        raster->addWidget(new QLabel("V wird umgerechnet in", gruppe), zeile, 4);
        raster->addWidget(zahl(f.skalamin, "SKALA" + kurz + "MIN", kSkalaStellen), zeile, 5);
        raster->addWidget(new QLabel("bis", gruppe), zeile, 6);
        raster->addWidget(zahl(f.skalamax, "SKALA" + kurz + "MAX", kSkalaStellen), zeile, 7);
        auto* e = new KonfigEinheitFeld(gruppe);
        e->setObjectName("EINHEIT" + kurz + nr);
        e->setMinimumWidth(80);
        HilfetextSetzen(e, Q(aus ? hilfe::EINHEITOUT : hilfe::EINHEITIN));
        (*f.einheit)[i] = e;
        raster->addWidget(e, zeile, 8);
    }
    for (int c : {1, 3, 5, 7}) raster->setColumnStretch(c, 2);
    raster->setColumnStretch(8, 1);
    return gruppe;
}
