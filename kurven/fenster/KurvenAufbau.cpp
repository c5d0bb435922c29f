// Layout of the curve-generator window: the two graphs with the scroll bar
// on the left, the curve's fields, the coordinate display, the Y axis, the
// memory indicator and the transfer buttons on the right.
#include "kurven/fenster/KurvenHilfe.h"
#include "kurven/fenster/KurvenPanel.h"

#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Zahlfeld.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace kurvengenerator;

namespace {

QLineEdit* Anzeigefeld(QWidget* eltern, const char* name) {
    auto* f = new QLineEdit(eltern);
    f->setObjectName(name);
    f->setReadOnly(true);
    f->setFocusPolicy(Qt::NoFocus);
    f->setAlignment(Qt::AlignRight);
    return f;
}

Zahlfeld* Feld(QWidget* eltern, const char* name, int stellen) {
    auto* f = new Zahlfeld(eltern);
    f->setObjectName(name);
    f->setStellen(stellen);
    f->setMinimumWidth(70);
    return f;
}

} // namespace

void KurvenPanel::Aufbauen() {
    auto* zeile = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->setSpacing(2);
    graph_ = new Graph(this);
    graph_->setObjectName("GRAPH");
    graph_->setBeschriftung(Graph::X, 1.0, 0.0, QString::fromUtf8("Zeit [µs]"));
    graph_->setBereich(Graph::Y, 0, kMaxWert);
    graph_->setMouseTracking(false);
    links->addWidget(graph_, 1);
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName("SCROLLBAR");
    scroll_->setTracking(false); // the view moves when the user ends a scroll action
    links->addWidget(scroll_);
    uebersicht_ = new Graph(this);
    uebersicht_->setObjectName("GRAPHKLEIN");
    uebersicht_->setBeschriftungSichtbar(false);
    uebersicht_->setGitter(false);
    uebersicht_->setBereich(Graph::Y, 0, kMaxWert);
    uebersicht_->setFixedHeight(90);
    links->addWidget(uebersicht_);
    zeile->addLayout(links, 1);
    zeile->addWidget(SeitenleisteAnlegen());
    arbeitsflaeche()->addLayout(zeile, 1);

    connect(graph_, &Graph::gedrueckt, this, &KurvenPanel::Gedrueckt);
    connect(graph_, &Graph::gezogen, this, &KurvenPanel::Gezogen);
    connect(graph_, &Graph::losgelassen, this, &KurvenPanel::Losgelassen);
    connect(scroll_, &QScrollBar::valueChanged, this, &KurvenPanel::Gescrollt);
    HilfetexteSetzen();
}

QWidget* KurvenPanel::SeitenleisteAnlegen() {
    auto* leiste = new QWidget(this);
    leiste->setFixedWidth(250);
    auto* spalte = new QVBoxLayout(leiste);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(4);

    auto* kurve = new QGroupBox(leiste);
    auto* kForm = new QGridLayout(kurve);
    kForm->setVerticalSpacing(3);
    kommentarKnopf_ = new QPushButton("Kommentar", kurve);
    kommentarKnopf_->setObjectName("KOMMENTAR");
    kommentarZeile_ = Anzeigefeld(kurve, "KOMMENTARZEILE");
    kommentarZeile_->setAlignment(Qt::AlignLeft);
    kForm->addWidget(kommentarKnopf_, 0, 0);
    kForm->addWidget(kommentarZeile_, 0, 1);
    auto* zyklenText = new QLabel("Anzahl Zyklen\n(0 = fortlaufend)", kurve);
    zyklen_ = Feld(kurve, "ZYKLEN", 0);
    zyklen_->setBereich(0, 65535);
    zyklen_->setSchrittweite(1);
    kForm->addWidget(zyklenText, 1, 0);
    kForm->addWidget(zyklen_, 1, 1);
    ruheText_ = new QLabel("Ruhezustand [V]", kurve);
    ruheText_->setObjectName("RUHETEXT");
    ruhe_ = Feld(kurve, "RUHEZUSTAND", 3);
    ruhe_->setBegrenzen(false); // the rule clamps in counts, then shows what the box uses
    kForm->addWidget(ruheText_, 2, 0);
    kForm->addWidget(ruhe_, 2, 1);
    spalte->addWidget(kurve);

    auto* koord = new QGroupBox(leiste);
    auto* gitter = new QGridLayout(koord);
    gitter->setVerticalSpacing(3);
    const char* namen[] = {"h", "min", "s", "ms"};
    const char* objekte[] = {"STUNDEN", "MINUTEN", "SEKUNDEN", "MILLISEKUNDEN"};
    for (int i = 0; i < 4; ++i) {
        koordinaten_[std::size_t(i)] = Anzeigefeld(koord, objekte[i]);
        gitter->addWidget(new QLabel(namen[i], koord), i / 2, (i % 2) * 2);
        gitter->addWidget(koordinaten_[std::size_t(i)], i / 2, (i % 2) * 2 + 1);
    }
    wertText_ = new QLabel("Wert [V]", koord);
    wertText_->setObjectName("WERTTEXT");
    koordinaten_[4] = Anzeigefeld(koord, "WERT");
    gitter->addWidget(wertText_, 2, 0, 1, 2);
    gitter->addWidget(koordinaten_[4], 2, 2, 1, 2);
    zeitbasisListe_ = new QListWidget(koord);
    zeitbasisListe_->setObjectName("ZEITBASISLISTE");
    zeitbasisListe_->setFlow(QListView::LeftToRight);
    zeitbasisListe_->setWrapping(true);
    zeitbasisListe_->setGridSize(QSize(54, 18));
    zeitbasisListe_->setFocusPolicy(Qt::NoFocus);
    zeitbasisListe_->setSelectionMode(QAbstractItemView::NoSelection);
    zeitbasisListe_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zeitbasisListe_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zeitbasisListe_->setFixedHeight(3 * 18 + 6);
    for (int code = 1; code <= kZeitbasen; ++code) {
        auto* e = new QListWidgetItem(ZeitbasisText(code), zeitbasisListe_);
        e->setData(Qt::UserRole, code);
        e->setTextAlignment(Qt::AlignCenter);
    }
    gitter->addWidget(zeitbasisListe_, 3, 0, 1, 4);
    spalte->addWidget(koord);

    auto* y = new QGroupBox(leiste);
    auto* yForm = new QFormLayout(y);
    yForm->setVerticalSpacing(3);
    yRaster_ = Feld(y, "YRASTER", 3);
    yRaster_->setExakt(true);
    yRaster_->setBereich(0, 1e9);
    yMin_ = Feld(y, "YMIN", 3);
    yMax_ = Feld(y, "YMAX", 3);
    yMin_->setBegrenzen(false);
    yMax_->setBegrenzen(false);
    yForm->addRow("Y-Raster", yRaster_);
    yForm->addRow("min", yMin_);
    yForm->addRow("Y-Zoom max", yMax_);
    spalte->addWidget(y);

    speicher_ = new QProgressBar(leiste);
    speicher_->setObjectName("SPEICHER");
    speicher_->setRange(0, 1000);
    speicher_->setTextVisible(true);
    speicher_->setAlignment(Qt::AlignCenter);
    auto* speicherZeile = new QHBoxLayout;
    speicherZeile->addWidget(new QLabel("Speicher", leiste));
    speicherZeile->addWidget(speicher_, 1);
    spalte->addLayout(speicherZeile);

    senden_ = new QPushButton("zur DLM-7 schreiben", leiste);
    senden_->setObjectName("SENDEN");
    lesen_ = new QPushButton("von DLM-7 lesen", leiste);
    lesen_->setObjectName("LESEN");
    spalte->addWidget(senden_);
    spalte->addWidget(lesen_);
    spalte->addStretch(1);

    connect(kommentarKnopf_, &QPushButton::clicked, this, [this] { Kommentar_Callback(); });
    connect(zyklen_, &Zahlfeld::eingegeben, this, [this](double v) { ZyklenUndRuhezustand_Callback(false, v); });
    connect(ruhe_, &Zahlfeld::eingegeben, this, [this](double v) { ZyklenUndRuhezustand_Callback(true, v); });
    connect(yRaster_, &Zahlfeld::wertGeaendert, this, [this](double v) { editor_.YRasterSetzen(v); });
    connect(yMin_, &Zahlfeld::eingegeben, this, [this](double v) { YZoomGeaendert(false, v); });
    connect(yMax_, &Zahlfeld::eingegeben, this, [this](double v) { YZoomGeaendert(true, v); });
    connect(senden_, &QPushButton::clicked, this, [this] { KurveSenden(); });
    connect(lesen_, &QPushButton::clicked, this, [this] { KurveLesen(); });
    return leiste;
}

void KurvenPanel::HilfetexteSetzen() {
    const auto setzen = [](QWidget* w, const char* text) { HilfetextSetzen(w, QString::fromUtf8(text)); };
    setzen(graph_, KgHilfe::Graph);
    setzen(uebersicht_, KgHilfe::Uebersicht);
    setzen(kommentarKnopf_, KgHilfe::KommentarKnopf);
    setzen(kommentarZeile_, KgHilfe::KommentarZeile);
    for (QLineEdit* f : koordinaten_) setzen(f, KgHilfe::Koordinaten);
    setzen(zeitbasisListe_, KgHilfe::Koordinaten);
    setzen(yRaster_, KgHilfe::YRaster);
    setzen(speicher_, KgHilfe::Speicher);
    setzen(zyklen_, KgHilfe::Zyklen);
    setzen(ruhe_, KgHilfe::Ruhewert);
    setzen(yMin_, KgHilfe::YZoom);
    setzen(yMax_, KgHilfe::YZoom);
    setzen(senden_, KgHilfe::Senden);
    setzen(lesen_, KgHilfe::Lesen);
}
