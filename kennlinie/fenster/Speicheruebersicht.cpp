#include "kennlinie/fenster/Speicheruebersicht.h"

#include "config/KonfigUmrechnung.h"
#include "device/Geraetedienst.h"
#include "kennlinie/Kennlinie.h"
#include "uisupport/Beschaeftigt.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Zahlfeld.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr const char* kLesenText = "Speicherplätze lesen";

// Keeps the overview's rows and buttons dimmed while its read runs; the
// progress dialog is its only way out until then.
class Gedimmt {
  public:
    explicit Gedimmt(QWidget* w) : w_(w) { w_->setEnabled(false); }
    ~Gedimmt() {
        if (w_) w_->setEnabled(true);
    }
    Gedimmt(const Gedimmt&) = delete;
    Gedimmt& operator=(const Gedimmt&) = delete;

  private:
    QPointer<QWidget> w_;
};

// Asks for room for the whole table, not a scroll area's usual few lines.
class GanzeTabelle : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int rand = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(rand, rand) : QScrollArea::sizeHint();
    }
};

QLabel* Kopf(const char* text, QWidget* eltern) {
    auto* l = new QLabel(QString::fromUtf8(text), eltern);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

Speicheruebersicht::Speicheruebersicht(Geraetedienst& dienst, SpeicherAnbindung anbindung, QWidget* eltern)
    : QDialog(eltern), dienst_(dienst), anbindung_(std::move(anbindung)) {
    setObjectName("SPEICHERUEBERSICHT");
    setWindowTitle(QString::fromUtf8(kSpeicheruebersichtTitel));
    auto* spalte = new QVBoxLayout(this);

    tabelle_ = new QWidget(this);
    auto* raster = new QGridLayout(tabelle_);
    raster->setHorizontalSpacing(14);
    int s = 0;
    for (const char* k : {"Nr.", "Inhalt", "Anstiegszeit", "Analogausgang 2", "Kennlinie"})
        raster->addWidget(Kopf(k, tabelle_), 0, s++);
    for (int slot = 1; slot <= kSlots; ++slot) {
        Reihe& r = reihen_[std::size_t(slot - 1)];
        raster->addWidget(new QLabel(QString::number(slot), tabelle_), slot, 0);
        r.inhalt = new QLabel(tabelle_);
        r.anstieg = new QLabel(tabelle_);
        r.begrenzung = new QLabel(tabelle_);
        for (QLabel* l : {r.anstieg, r.begrenzung}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        r.bild = new Graph(tabelle_);
        r.bild->setBeschriftungSichtbar(false);
        r.bild->setGitter(false);
        r.bild->setBereich(Graph::X, 0, kRohMax);
        r.bild->setBereich(Graph::Y, 0, kRohMax);
        r.bild->setFixedSize(128, 40);
        r.lesen = new QPushButton("In den Editor lesen", tabelle_);
        r.anwaehlen = new QPushButton(QString::fromUtf8("über Ausg.4 anwählen"), tabelle_);
        HilfetextSetzen(r.lesen, QString::fromUtf8("Liest die Kennlinie dieses Speicherplatzes ganz in den Editor "
                                                   "des Fensters 'Kennlinienregler'\n(wie 'von DLM-7 lesen')."));
        HilfetextSetzen(r.anwaehlen, QString::fromUtf8("Setzt Ausgang 4 der DLM-7 auf die Auswahlspannung dieses "
                                                       "Speicherplatzes\n(wie 'über Ausg.4 anwählen')."));
        // Enter in the overview never starts a transfer; the widest texts keep the columns still.
        for (QPushButton* k : {r.lesen, r.anwaehlen}) k->setAutoDefault(false);
        r.inhalt->setMinimumWidth(r.inhalt->fontMetrics().horizontalAdvance("nicht gelesen"));
        r.anstieg->setMinimumWidth(r.anstieg->fontMetrics().horizontalAdvance("104422.5000 ms"));
        int spalteNr = 1;
        const std::pair<QWidget*, const char*> spalten[] = {{r.inhalt, "INHALT"},         {r.anstieg, "ANSTIEG"},
                                                            {r.begrenzung, "BEGRENZUNG"}, {r.bild, "BILD"},
                                                            {r.lesen, "LESEN"},           {r.anwaehlen, "ANWAEHLEN"}};
        for (const auto& [w, name] : spalten) {
            w->setObjectName(QString("%1%2").arg(QLatin1String(name)).arg(slot));
            raster->addWidget(w, slot, spalteNr++);
        }
        connect(r.lesen, &QPushButton::clicked, this, [this, slot] {
            if (!gHilfeAktiv && anbindung_.inEditorLesen) anbindung_.inEditorLesen(slot);
        });
        connect(r.anwaehlen, &QPushButton::clicked, this, [this, slot] {
            if (!gHilfeAktiv && anbindung_.anwaehlen) anbindung_.anwaehlen(slot);
        });
    }
    // The rows scroll where the screen is too small for them (a large scale factor).
    auto* rollen = new GanzeTabelle(this);
    rollen->setObjectName("ZEILEN");
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidgetResizable(true);
    rollen->setWidget(tabelle_);
    spalte->addWidget(rollen, 1);

    meldung_ = new QLabel(this);
    meldung_->setObjectName("MELDUNG");
    meldung_->setWordWrap(true);
    spalte->addWidget(meldung_);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    aktualisieren_ = new QPushButton("Aktualisieren", this);
    aktualisieren_->setObjectName("AKTUALISIEREN");
    HilfetextSetzen(aktualisieren_, QString::fromUtf8("Liest die Übersicht der Speicherplätze neu aus der DLM-7."));
    aktualisieren_->setAutoDefault(false);
    auto* schliessen = new QPushButton(QString::fromUtf8("Schließen"), this);
    schliessen->setDefault(true);
    unten->addWidget(aktualisieren_);
    unten->addWidget(schliessen);
    spalte->addLayout(unten);
    connect(aktualisieren_, &QPushButton::clicked, this, [this] {
        if (!gHilfeAktiv) Aktualisieren();
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    Anzeigen();
    // All of it where the screen has room; a window frame's allowance off the screen's free area.
    const QScreen* schirm = eltern ? eltern->screen() : screen();
    if (schirm) resize(sizeHint().boundedTo(schirm->availableGeometry().size() - QSize(16, 48)));
}

void Speicheruebersicht::Aktualisieren() {
    if (liest_) return;
    liest_ = true;
    meldung_->setText(QString::fromUtf8("Speicherplätze werden gelesen …"));
    auto v = dienst_.Ausfuehren(
        this,
        [](Auftrag& a) {
            std::pair<Uebertragung, std::vector<SlotZeile>> e;
            e.first = SlotUebersichtLesen(a.port, a.adresse, e.second, a.rueckmeldung);
            return e;
        },
        [this](std::pair<Uebertragung, std::vector<SlotZeile>> e) { Fertig(e.first, std::move(e.second)); });
    // The dialog opens with the first answer, so a box that is not there
    // shows only its error.
    Vorgang* roh = v.get();
    auto dlg = std::make_shared<std::shared_ptr<Fortschritt>>();
    v->fortschritt = [this, roh, dlg](int prozent) {
        if (!*dlg) {
            *dlg = std::shared_ptr<Fortschritt>(dialoge().FortschrittZeigen(
                QString::fromUtf8(kSpeicheruebersichtTitel), QString::fromUtf8(kLesenText), [roh] { roh->Abbrechen(); },
                this));
            roh->Begleiten(*dlg);
        }
        (*dlg)->Setzen(prozent);
    };
    v->Begleiten(std::make_shared<Gedimmt>(tabelle_));
    v->Begleiten(std::make_shared<Beschaeftigt>(this, aktualisieren_));
}

void Speicheruebersicht::Fertig(const Uebertragung& u, std::vector<SlotZeile> zeilen) {
    liest_ = false;
    zeilen_ = std::move(zeilen);
    gelesen_ = true;
    Anzeigen();
    const int code = u.Fehlercode();
    const int n = int(zeilen_.size());
    const QString bisher = n == 0   ? QString::fromUtf8("kein Speicherplatz gelesen")
                           : n == 1 ? QString::fromUtf8("Speicherplatz 1 gelesen")
                                    : QString::fromUtf8("Speicherplätze 1 bis %1 gelesen").arg(n);
    if (code == 0) {
        meldung_->setText(QString::fromUtf8("Alle %1 Speicherplätze gelesen.").arg(kSlots));
        dienst_.FehlerSetzen(0);
    } else if (code == kLesenAbgebrochen) {
        // Not the indicator's "nothing was taken over": the rows read stay.
        meldung_->setText(QString::fromUtf8("Abgebrochen: %1.").arg(bisher));
    } else {
        meldung_->setText(QString::fromUtf8("Fehler #%1: %2.").arg(-code).arg(bisher));
        dienst_.FehlerSetzen(code);
        QAV_Fehlerpopup(code);
    }
}

void Speicheruebersicht::Anzeigen() {
    const KonfigDaten k = anbindung_.konfig ? anbindung_.konfig() : KonfigStandardwerte();
    for (int slot = 1; slot <= kSlots; ++slot) {
        const SlotZeile* z = nullptr;
        for (const SlotZeile& zeile : zeilen_)
            if (zeile.slot == slot) z = &zeile;
        ReiheZeigen(slot, z, k);
    }
}

void Speicheruebersicht::ReiheZeigen(int slot, const SlotZeile* z, const KonfigDaten& k) {
    const Reihe& r = reihe(slot);
    r.bild->AllesLoeschen();
    if (!z) {
        r.inhalt->setText(gelesen_ ? "nicht gelesen" : "");
        r.anstieg->clear();
        r.begrenzung->clear();
        return;
    }
    if (!z->kopf.belegt) {
        r.inhalt->setText("leer");
        r.anstieg->setText(QString::fromUtf8("–"));
        r.begrenzung->setText(QString::fromUtf8("–"));
        return;
    }
    r.inhalt->setText("belegt");
    r.anstieg->setText(Zahlfeld::FestText(z->kopf.anstiegszeit, 4) + " ms");
    if (z->kopf.begrenzungRoh <= kRohMax) {
        const double wert = AusgangRohZuEinheit(k, 1, z->kopf.begrenzungRoh);
        r.begrenzung->setText(Zahlfeld::FestText(wert, Nachkommastellen(k, Seite::Ausgang, 1)) + " " +
                              QString::fromStdString(EinheitText(k, Seite::Ausgang, 1)));
    } else {
        // What "von DLM-7 lesen" refuses to take over.
        r.begrenzung->setText(QString::fromUtf8("ungültig (%1)").arg(z->kopf.begrenzungRoh));
    }
    // The sampled entries joined by lines, as the overview graph of the window draws the curve.
    std::vector<QPointF> punkte;
    for (int i = 0; i < int(z->werte.size()); ++i) punkte.emplace_back(StichprobenEingang(i), z->werte[i]);
    r.bild->Linienzug(std::move(punkte), Qt::blue);
}
