// Building the window: the two graphs with the scroll bar, the side column
// of fields and buttons, and what each control does when committed.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "kennlinie/fenster/KennlinienHilfe.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Zahlfeld.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QLabel* Beschriftung(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QGroupBox* Gruppe(const QString& titel, QWidget* eltern) {
    auto* g = new QGroupBox(titel, eltern);
    return g;
}

} // namespace

Zahlfeld* KennlinienPanel::FeldAnlegen(Feld f, const char* name, const char* hilfe) {
    auto* z = new Zahlfeld(this);
    z->setObjectName(name);
    z->setMinimumWidth(56);
    HilfetextSetzen(z, QString::fromUtf8(hilfe));
    felder_[std::size_t(f)] = z;
    return z;
}

void KennlinienPanel::SteuerelementeAnlegen() {
    graph_ = new Graph(this);
    graph_->setObjectName("GRAPH");
    graph_->setMinimumSize(320, 220);
    HilfetextSetzen(graph_, QString::fromUtf8(KennlHilfe::Graph));
    connect(graph_, &Graph::gedrueckt, this, [this](QPointF wo, Qt::MouseButton t) {
        if (t == Qt::LeftButton) GraphGedrueckt(wo);
    });
    connect(graph_, &Graph::gezogen, this, [this](QPointF wo, Qt::MouseButtons t) {
        if (t & Qt::LeftButton) GraphGezogen(wo);
    });
    connect(graph_, &Graph::losgelassen, this, [this](QPointF wo, Qt::MouseButton t) {
        if (t == Qt::LeftButton) GraphLosgelassen(wo);
    });

    rollbalken_ = new QScrollBar(Qt::Horizontal, this);
    rollbalken_->setObjectName("SCROLLBAR");
    connect(rollbalken_, &QScrollBar::valueChanged, this, [this] { Gerollt(!rollbalken_->isSliderDown()); });
    connect(rollbalken_, &QScrollBar::sliderReleased, this, [this] { Gerollt(true); });

    klein_ = new Graph(this);
    klein_->setObjectName("GRAPHKLEIN");
    klein_->setBeschriftungSichtbar(false);
    klein_->setGitter(false);
    klein_->setFixedHeight(72);
    klein_->setBereich(Graph::X, 0.0, kRohMax);
    klein_->setBereich(Graph::Y, 0.0, kRohMax);
    HilfetextSetzen(klein_, QString::fromUtf8(KennlHilfe::GraphKlein));

    auto* links = new QVBoxLayout;
    links->setSpacing(2);
    links->addWidget(graph_, 1);
    links->addWidget(rollbalken_);
    links->addSpacing(4);
    links->addWidget(klein_);

    auto* reihe = new QHBoxLayout;
    reihe->addLayout(links, 1);
    reihe->addWidget(SeitenleisteAnlegen());
    arbeitsflaeche()->addLayout(reihe, 1);
}

QWidget* KennlinienPanel::SeitenleisteAnlegen() {
    auto* leiste = new QWidget(this);
    leiste->setFixedWidth(300);
    auto* spalte = new QVBoxLayout(leiste);
    spalte->setContentsMargins(0, 0, 0, 0);

    auto* kommentar = Gruppe("Kommentar", leiste);
    auto* kReihe = new QHBoxLayout(kommentar);
    vorschau_ = new QLineEdit(kommentar);
    vorschau_->setObjectName("KOMMENTARVORSCHAU");
    vorschau_->setReadOnly(true);
    vorschau_->setFocusPolicy(Qt::NoFocus);
    HilfetextSetzen(vorschau_, QString::fromUtf8(KennlHilfe::Vorschau));
    auto* kKnopf = new QPushButton("Kommentar", kommentar);
    kKnopf->setObjectName("KOMMENTAR");
    HilfetextSetzen(kKnopf, QString::fromUtf8(KennlHilfe::Kommentar));
    connect(kKnopf, &QPushButton::clicked, this, [this] { KommentarBearbeiten(); });
    knoepfe_[std::size_t(Knopf::Kommentar)] = kKnopf;
    kReihe->addWidget(vorschau_, 1);
    kReihe->addWidget(kKnopf);
    spalte->addWidget(kommentar);

    auto* ansicht = Gruppe("Grafik", leiste);
    auto* raster = new QGridLayout(ansicht);
    raster->setColumnStretch(1, 1);
    raster->setColumnStretch(3, 1);
    const std::tuple<int, const char*, Feld, const char*, const char*> felder[] = {
        {0, "X", Feld::X, "XANZEIGE", KennlHilfe::Anzeige},
        {0, "Y", Feld::Y, "YANZEIGE", KennlHilfe::Anzeige},
        {1, "X-Raster", Feld::XRaster, "XRASTER", KennlHilfe::Raster},
        {1, "Y-Raster", Feld::YRaster, "YRASTER", KennlHilfe::Raster},
        {2, "Y-Zoom max", Feld::YZoomMax, "YZOOMMAX", KennlHilfe::YZoom},
        {2, "min", Feld::YZoomMin, "YZOOMMIN", KennlHilfe::YZoom},
    };
    int spalteNr = 0;
    for (const auto& [zeile, text, f, name, hilfe] : felder) {
        raster->addWidget(Beschriftung(text, ansicht), zeile, spalteNr);
        raster->addWidget(FeldAnlegen(f, name, hilfe), zeile, spalteNr + 1);
        spalteNr = (spalteNr + 2) % 4;
    }
    for (Feld f : {Feld::X, Feld::Y}) {
        feld(f)->setReadOnly(true);
        feld(f)->setFocusPolicy(Qt::NoFocus);
    }
    for (Feld f : {Feld::XRaster, Feld::YRaster}) {
        feld(f)->setBereich(0.0, 1e9);
        feld(f)->setWert(0.0);
    }
    for (Feld f : {Feld::YZoomMax, Feld::YZoomMin})
        connect(feld(f), &Zahlfeld::wertGeaendert, this, [this] { YZoomGeaendert(); });
    spalte->addWidget(ansicht);

    auto* parameter = Gruppe("Parameter", leiste);
    auto* pRaster = new QGridLayout(parameter);
    pRaster->setColumnStretch(1, 1);
    begrenzungText_ = Beschriftung("Analogausgang2 [V]", parameter);
    begrenzungText_->setObjectName("BEGRENZUNGTEXT");
    pRaster->addWidget(begrenzungText_, 0, 0);
    pRaster->addWidget(FeldAnlegen(Feld::Begrenzung, "BEGRENZUNG", KennlHilfe::Begrenzung), 0, 1);
    pRaster->addWidget(Beschriftung("Anstiegszeit-\nbegrenzung\nvon 0 auf 100%\n[ms]", parameter), 1, 0);
    Zahlfeld* anstieg = FeldAnlegen(Feld::Anstiegszeit, "ANSTIEGSZEIT", KennlHilfe::Anstiegszeit);
    anstieg->setStellen(4);
    anstieg->setWert(kStartAnstiegszeit);
    connect(anstieg, &Zahlfeld::wertGeaendert, this, [this](double ms) {
        // The box realises only certain times; the field shows the one it will use.
        feld(Feld::Anstiegszeit)->setWert(AnstiegszeitRealisierbar(ms));
    });
    pRaster->addWidget(anstieg, 1, 1);
    spalte->addWidget(parameter);

    auto* geraet = Gruppe("DLM-7", leiste);
    auto* gSpalte = new QGridLayout(geraet);
    gSpalte->setColumnStretch(1, 1);
    gSpalte->addWidget(Beschriftung("Kurve Nr.", geraet), 0, 0);
    Zahlfeld* nr = FeldAnlegen(Feld::KurvenNr, "KURVENNR", KennlHilfe::KurvenNr);
    nr->setStellen(0);
    nr->setBereich(1, 7);
    nr->setSchrittweite(1);
    nr->setWert(1);
    gSpalte->addWidget(nr, 0, 1);
    const std::tuple<Knopf, const char*, const char*, const char*> knoepfe[] = {
        {Knopf::Schreiben, "zur DLM-7 schreiben", "SCHREIBEN", KennlHilfe::Schreiben},
        {Knopf::Lesen, "von DLM-7 lesen", "LESEN", KennlHilfe::Lesen},
        {Knopf::Ausgang4, "über Ausg.4 anwählen", "AUSGANG4SETZEN", KennlHilfe::Ausgang4},
    };
    int zeile = 1;
    for (const auto& [k, text, name, hilfe] : knoepfe) {
        auto* b = new QPushButton(QString::fromUtf8(text), geraet);
        b->setObjectName(name);
        HilfetextSetzen(b, QString::fromUtf8(hilfe));
        knoepfe_[std::size_t(k)] = b;
        gSpalte->addWidget(b, zeile++, 0, 1, 2);
    }
    connect(knopf(Knopf::Schreiben), &QPushButton::clicked, this, [this] { KennlinieSchreiben(); });
    connect(knopf(Knopf::Lesen), &QPushButton::clicked, this, [this] { KennlinieLesen(); });
    connect(knopf(Knopf::Ausgang4), &QPushButton::clicked, this, [this] { Ausgang4Waehlen(); });
    spalte->addWidget(geraet);
    spalte->addStretch(1);
    return leiste;
}
