// Controls, layout, help texts and signal wiring of "Direkte Ein-/Ausgabe".
#include "direkt/fenster/DirektPanel.h"

#include "config/KonfigModell.h"

#include "uisupport/BildFenster.h"
#include "uisupport/Drehknopf.h"
#include "uisupport/Fehleranzeige.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Lampe.h"
#include "uisupport/Streifenschreiber.h"
#include "uisupport/VerbindungsBild.h"
#include "uisupport/Zahlfeld.h"
#include "uisupport/Zeigerinstrument.h"

#include <QCheckBox>
#include <QDial>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

namespace hilfe {
const char* const AUSGANG = "Die vier Ausgänge der DLM-7 können mit\nden Drehreglern oder durch Eingabe eines\n"
                            "Zahlenwertes eingestellt werden.\nDie Einheit der Zahlenwerte entspricht der\n"
                            "Einheit, die im Fenster 'Konfiguration'\neingestellt wurde.";
const char* const BEGRENZUNG = "Die Ausgänge werden auf den hier eingestellten Wert begrenzt.\nSo kann vermieden "
                               "werden, dass versehentlich ein gefährlich hoher\nWert eingestellt wird.";
const char* const AUSGAENGEAUFNULL = "Setzt alle vier Ausgänge auf Null. Null bezieht sich hier auf die\n"
                                     "physikalische Einheit nach der Umrechnung und entspricht nicht\n"
                                     "unbedingt Null Volt am Ausgang der DLM-7.";
const char* const EINGANG = "Analogeingang der DLM-7, dargestellt mit einem\nnachgebildeten Zeigerinstrument sowie "
                            "einem\nZahlenwert. Die Eingänge werden gelesen, wenn\nder Knopf 'Eingänge lesen' "
                            "aktiviert wurde.\nDie Einheit der Zahlenwerte entspricht der Einheit,\ndie im Fenster "
                            "'Konfiguration' eingestellt wurde.";
const char* const MIN = "Kleinster aufgetretener Wert für diesen Eingang.\nDer Wert kann mit dem Knopf 'min/max "
                        "Reset' zurück-\ngesetzt werden.";
const char* const MAX = "Größter aufgetretener Wert für diesen Eingang.\nDer Wert kann mit dem Knopf 'min/max "
                        "Reset'\nzurückgesetzt werden.";
const char* const MINMAXRESET = "Setzt alle Min- und Max-Werte zurück.";
const char* const ABFRAGEN = "Schaltet die laufende Abfrage der\nEingänge ein und aus.";
const char* const ABTASTZEIT = "Das Zeitintervall mit dem die Eingänge\nder DLM-7 abgefragt werden, wenn "
                               "'Eingänge\nabfragen' aktiv ist.";
const char* const STRIPCHART = "Graphische Darstellung der Eingänge.\nSkala: 0 bis 100%";
const char* const PLOT = "Bestimmt, ob dieser Eingang als Kurvendiagramm\ndargestellt werden soll.";
const char* const ZOOMX = "Wieviel Abtastpunkte sollen im Diagramm pro\nDiagrammbreite dargestellt werden?\nDurch "
                          "größere Werte kann ein größerer Zeitraum\ndargestellt werden, kleinere Werte "
                          "bewirken,\ndaß das Diagramm in X-Richtung vergrößert wird.";
const char* const ZOOMY = "Der Maximalwert des Diagramms in Prozent.\nDer Wert 100 zeigt den gesammten Eingangs-\n"
                          "spannungsbereich. Durch kleinere Werte können\nkleine Spannungen vergrößert "
                          "dargestellt werden.";
const char* const DATEISPEICHERN = "Protokollieren der Ein- und Ausgänge in eine Textdatei.";
const char* const DATEISPEICHERNLED = "LED grün -> speichern in eine Datei ist aktiv.";
} // namespace hilfe

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

Zahlfeld* Anzeigefeld(QWidget* eltern, const QString& name) {
    auto* f = new Zahlfeld(eltern);
    f->setObjectName(name);
    f->setReadOnly(true);
    f->setAlignment(Qt::AlignRight);
    f->setFocusPolicy(Qt::NoFocus);
    f->setMinimumWidth(60);
    return f;
}

// A field whose typed value the window's own rule decides (limits, zoom ranges).
Zahlfeld* Eingabefeld(QWidget* eltern, const QString& name, int stellen, double wert) {
    auto* f = new Zahlfeld(eltern);
    f->setObjectName(name);
    f->setStellen(stellen);
    f->setBegrenzen(false);
    f->setAlignment(Qt::AlignRight);
    f->setWert(wert);
    return f;
}

QLabel* Kanaltitel(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

DirektPanel::DirektPanel(Geraetedienst& dienst, const KonfigModell& konfig, QWidget* eltern)
    : Werkzeugfenster("Direkte Ein-/Ausgabe", eltern), dienst_(dienst), konfig_(konfig) {
    setObjectName("DIREKTPNL");
    DateiMenueAbschliessen(false);
    BildMenueAnlegen(
        *this, [this] { return GrafikExportieren(); }, [this] { return GrafikDrucken(); });
    QAction* pins = menuBar()->addMenu("&Hilfe")->addAction("DLM-7 Pinbelegung");
    connect(pins, &QAction::triggered, this, [this] { Menu_Direkt_Hilfe_Pins(); });
    Aufbauen();
    HilfetexteSetzen();
    Verbinden();
    AbfragenAnzeigen(false);
}

void DirektPanel::Aufbauen() {
    auto* zentral = new QWidget(this);
    auto* spalte = new QVBoxLayout(zentral);
    spalte->setContentsMargins(8, 6, 8, 6);
    spalte->setSpacing(6);

    // Outputs: four knobs with their limits, and the zero button.
    auto* ausgaenge = new QGroupBox("Ausgänge", zentral);
    auto* aRaster = new QGridLayout(ausgaenge);
    aRaster->setVerticalSpacing(2);
    for (int k = 0; k < kKanaele; ++k) {
        aRaster->addWidget(Kanaltitel(QString("Ausgang %1").arg(k + 1), ausgaenge), 0, k);
        ausgang_[k] = new Drehknopf(ausgaenge);
        ausgang_[k]->setObjectName(QString("AUSGANG%1").arg(k + 1));
        // Big enough to be turned with the mouse at the smallest window size.
        ausgang_[k]->rad()->setMinimumSize(72, 72);
        aRaster->addWidget(ausgang_[k], 1, k);
        auto* grenze = new QHBoxLayout;
        begrenzung_[k] = Eingabefeld(ausgaenge, QString("BEGRENZUNG%1").arg(k + 1), 3, 10.0);
        begrenzung_[k]->setBegrenzen(true); // any finite limit is taken as typed
        grenze->addWidget(new QLabel("Begrenzung", ausgaenge));
        grenze->addWidget(begrenzung_[k], 1);
        aRaster->addLayout(grenze, 2, k);
        aRaster->setColumnStretch(k, 1);
    }
    aRaster->setRowStretch(1, 1);
    ausgaengeAufNull_ = new QPushButton("Ausgänge\nauf Null (ESC)", ausgaenge);
    ausgaengeAufNull_->setObjectName("AUSGAENGEAUFNULL");
    ausgaengeAufNull_->setMinimumSize(130, 60);
    aRaster->addWidget(ausgaengeAufNull_, 0, kKanaele, 3, 1, Qt::AlignCenter);
    ausgaenge->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    spalte->addWidget(ausgaenge, 6);

    // Inputs: gauges with extremes, and the polling controls.
    auto* eingaenge = new QGroupBox("Eingänge", zentral);
    auto* eRaster = new QGridLayout(eingaenge);
    eRaster->setVerticalSpacing(2);
    for (int k = 0; k < kKanaele; ++k) {
        eRaster->addWidget(Kanaltitel(QString("Eingang %1").arg(k + 1), eingaenge), 0, k);
        eingang_[k] = new Zeigerinstrument(eingaenge);
        eingang_[k]->setObjectName(QString("EINGANG%1").arg(k + 1));
        eRaster->addWidget(eingang_[k], 1, k);
        auto* extreme = new QHBoxLayout;
        min_[k] = Anzeigefeld(eingaenge, QString("MIN%1").arg(k + 1));
        max_[k] = Anzeigefeld(eingaenge, QString("MAX%1").arg(k + 1));
        extreme->addWidget(new QLabel("min", eingaenge));
        extreme->addWidget(min_[k], 1);
        extreme->addWidget(new QLabel("max", eingaenge));
        extreme->addWidget(max_[k], 1);
        eRaster->addLayout(extreme, 2, k);
        eRaster->setColumnStretch(k, 1);
    }
    eRaster->setRowStretch(1, 1);
    auto* abfrage = new QVBoxLayout;
    abfragen_ = new QPushButton(eingaenge);
    abfragen_->setObjectName("ABFRAGEN");
    abfragen_->setCheckable(true);
    abfragen_->setMinimumSize(130, 40);
    minMaxReset_ = new QPushButton("min/max Reset", eingaenge);
    minMaxReset_->setObjectName("MINMAXRESET");
    abtastzeit_ = Eingabefeld(eingaenge, "ABTASTZEIT", 2, 1.0);
    abtastzeit_->setSchrittweite(0.1);
    auto* zeitZeile = new QHBoxLayout;
    zeitZeile->addWidget(new QLabel("Abtast-\nzeit [s]", eingaenge));
    zeitZeile->addWidget(abtastzeit_, 1);
    abfrage->addStretch();
    abfrage->addWidget(abfragen_);
    abfrage->addLayout(zeitZeile);
    abfrage->addSpacing(10);
    abfrage->addWidget(minMaxReset_);
    abfrage->addStretch();
    eRaster->addLayout(abfrage, 0, kKanaele, 3, 1);
    eingaenge->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    spalte->addWidget(eingaenge, 8);

    // Chart with its trace and zoom controls and the log switch.
    auto* diagramm = new QGroupBox("Diagramm", zentral);
    auto* dReihe = new QHBoxLayout(diagramm);
    stripchart_ = new Streifenschreiber(diagramm);
    stripchart_->setObjectName("STRIPCHART");
    stripchart_->setYBereich(0.0, 100.0);
    dReihe->addWidget(stripchart_, 1);
    auto* wahl = new QGridLayout;
    wahl->setVerticalSpacing(3);
    for (int k = 0; k < kKanaele; ++k) {
        plot_[k] = new QCheckBox(QString("Eingang %1").arg(k + 1), diagramm);
        plot_[k]->setObjectName(QString("PLOT%1").arg(k + 1));
        plot_[k]->setChecked(true);
        plot_[k]->setStyleSheet(QString("QCheckBox { color: %1; }").arg(Streifenschreiber::Spurfarbe(k).name()));
        wahl->addWidget(plot_[k], k / 2, k % 2);
    }
    zoomX_ = Eingabefeld(diagramm, "ZOOMX", 0, 10);
    zoomX_->setSchrittweite(1);
    zoomY_ = Eingabefeld(diagramm, "ZOOMY", 0, 100);
    zoomY_->setSchrittweite(1);
    wahl->addWidget(new QLabel("Zoom\n(X-Max)", diagramm), 2, 0);
    wahl->addWidget(zoomX_, 2, 1);
    wahl->addWidget(new QLabel("Zoom\n(Y-Max)", diagramm), 3, 0);
    wahl->addWidget(zoomY_, 3, 1);
    dateiSpeichern_ = new QPushButton("Speichern\nin Datei", diagramm);
    dateiSpeichern_->setObjectName("DATEISPEICHERN");
    dateiSpeichern_->setCheckable(true);
    dateiSpeichernLed_ = new Lampe(diagramm);
    dateiSpeichernLed_->setObjectName("DATEISPEICHERNLED");
    dateiSpeichernLed_->setFarbe(Lampe::Gruen);
    wahl->addWidget(dateiSpeichern_, 4, 0);
    wahl->addWidget(dateiSpeichernLed_, 4, 1, Qt::AlignCenter);
    wahl->setRowStretch(5, 1);
    dReihe->addLayout(wahl);
    spalte->addWidget(diagramm, 5);

    auto* unten = new QHBoxLayout;
    unten->addWidget(FehleranzeigeAnlegen(), 1);
    unten->addWidget(VerbindungsBildAnlegen());
    direkthilfe_ = DirekthilfeKnopf();
    unten->addWidget(ZurueckKnopf("Zurück zum &Hauptfenster"));
    unten->addWidget(direkthilfe_);
    spalte->addLayout(unten);
    InhaltSetzen(zentral);

    timer_ = new QTimer(this);
    timer_->setObjectName("TIMER");
    timer_->setInterval(1000);
}

void DirektPanel::HilfetexteSetzen() {
    for (int k = 0; k < kKanaele; ++k) {
        HilfetextSetzen(ausgang_[k], Q(hilfe::AUSGANG));
        HilfetextSetzen(begrenzung_[k], Q(hilfe::BEGRENZUNG));
        HilfetextSetzen(eingang_[k], Q(hilfe::EINGANG));
        HilfetextSetzen(min_[k], Q(hilfe::MIN));
        HilfetextSetzen(max_[k], Q(hilfe::MAX));
        HilfetextSetzen(plot_[k], Q(hilfe::PLOT));
    }
    HilfetextSetzen(ausgaengeAufNull_, Q(hilfe::AUSGAENGEAUFNULL));
    HilfetextSetzen(minMaxReset_, Q(hilfe::MINMAXRESET));
    HilfetextSetzen(abfragen_, Q(hilfe::ABFRAGEN));
    HilfetextSetzen(abtastzeit_, Q(hilfe::ABTASTZEIT));
    HilfetextSetzen(stripchart_, Q(hilfe::STRIPCHART));
    HilfetextSetzen(zoomX_, Q(hilfe::ZOOMX));
    HilfetextSetzen(zoomY_, Q(hilfe::ZOOMY));
    HilfetextSetzen(dateiSpeichern_, Q(hilfe::DATEISPEICHERN));
    HilfetextSetzen(dateiSpeichernLed_, Q(hilfe::DATEISPEICHERNLED));
}

void DirektPanel::Verbinden() {
    for (int k = 0; k < kKanaele; ++k) {
        connect(ausgang_[k], &Drehknopf::wertGeaendert, this, [this, k] { Ausgang_Callback(k); });
        connect(plot_[k], &QCheckBox::clicked, this, [this, k] { Traceauswahl_Callback(k); });
    }
    connect(ausgaengeAufNull_, &QPushButton::clicked, this, [this] { AusgaengeAufNull_Callback(); });
    // Escape belongs to this window only while it is shown (the shortcut's
    // window context ends with its visibility).
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, this, [this] { AusgaengeAufNull_Callback(); });
    connect(abfragen_, &QPushButton::clicked, this, [this] { Abfragen_Callback(); });
    connect(abfragen_, &QPushButton::toggled, this, [this](bool an) { AbfragenAnzeigen(an); });
    connect(minMaxReset_, &QPushButton::clicked, this, [this] { MinMaxReset_Callback(); });
    // The window's rule decides the value in force, and the field shows it.
    connect(abtastzeit_, &Zahlfeld::eingegeben, this, [this](double getippt) { Abtastzeit_Callback(getippt); });
    connect(zoomX_, &Zahlfeld::eingegeben, this, [this](double getippt) {
        zoomX_->setWert(getippt);
        DirektZoom_Callback();
    });
    connect(zoomY_, &Zahlfeld::eingegeben, this, [this](double getippt) {
        zoomY_->setWert(getippt);
        DirektZoom_Callback();
    });
    connect(timer_, &QTimer::timeout, this, [this] { DirektTimer_Callback(); });
    connect(&konfig_, &KonfigModell::uebernommen, this, [this] { Direktpanel_SkaliereElemente(); });
}

void DirektPanel::AbfragenAnzeigen(bool an) { abfragen_->setText(an ? Q("Abfragen beenden") : Q("Eingänge abfragen")); }
