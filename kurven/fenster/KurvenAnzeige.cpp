// The one place where the views of "Kurvengenerator" follow the editor: each
// announcement names what changed, and every view that shows it is set again.
// Command handlers never come here themselves.
#include "kurven/fenster/KurvenPanel.h"

#include "config/KonfigUmrechnung.h"
#include "uisupport/Graph.h"
#include "uisupport/Zahlfeld.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

using namespace kurvengenerator;

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }
QString Zahl(double v, int stellen) { return QString::number(v, 'f', stellen); }

// Scroll bar units per percent, so that the thumb covers the visible share
// of the track while the position stays a percentage of the way.
constexpr int kEinheiten = 100;

} // namespace

void KurvenPanel::Zeigen(Aenderungen a) {
    using A = Aenderung;
    const bool neuesBild = a & (A::Kurve | A::Konfiguration);
    if (a & A::Darstellung) AuswahlZeigen();
    if (a & (A::Kurve | A::Konfiguration)) EinheitenZeigen();
    if (a & (A::Parameter | A::Kurve | A::Konfiguration)) FelderZeigen(neuesBild);
    if (a & (A::Punkte | A::Ansicht | A::Kurve | A::Parameter | A::Darstellung | A::Konfiguration))
        KurvenZeichnen();
    else if (a & A::Markierung)
        MarkierungZeichnen();
    if (a & (A::Punkte | A::Ansicht | A::Kurve)) ScrollbalkenAktualisieren();
    if (a & A::Punkte) SpeicheranzeigeAktualisieren();
    // The same place read again: the time base and value of what is there now.
    if ((a & (A::Punkte | A::Kurve | A::Konfiguration)) && koordinatenBei_)
        KoordinatenZeigen(koordinatenBei_->x(), koordinatenBei_->y());
    if (a & A::Datei) {
        GeaendertSetzen(editor_.geaendert());
        TitelMitDatei(Text(DateiName(editor_.dateiPfad())));
    }
    if (a & (A::Undo | A::Kurve)) {
        aktion(Befehl::Rueckgaengig)->setEnabled(editor_.rueckgaengigMoeglich());
        aktion(Befehl::Wiederherstellen)->setEnabled(editor_.wiederherstellenMoeglich());
    }
}

void KurvenPanel::AuswahlZeigen() {
    modusAktion(editor_.modus())->setChecked(true);
    darstellungAktion(editor_.darstellung())->setChecked(true);
    for (int k = 0; k < kKurvenzahl; ++k) hintergrundAktion(k)->setChecked(editor_.hintergrund(k));
    VorschauEntfernen();
}

void KurvenPanel::EinheitenZeigen() {
    const int k = editor_.aktuelleKurve();
    const KonfigDaten& konfig = editor_.konfig();
    kurvenAktion(k)->setChecked(true);
    const YAchse y = YAchseBerechnen(konfig, k);
    graph_->setBeschriftung(Graph::Y, y.verstaerkung, y.versatz, Text(y.einheit));
    ruheText_->setText(Text(RuhewertBeschriftung(konfig, k)));
    wertText_->setText(QString("Wert [%1]").arg(Text(y.einheit)));
    const int stellen = Nachkommastellen(konfig, Seite::Ausgang, k);
    for (Zahlfeld* f : {ruhe_, yMin_, yMax_}) f->setStellen(stellen);
}

void KurvenPanel::FelderZeigen(bool alle) {
    const int k = editor_.aktuelleKurve();
    const std::size_t i = std::size_t(k);
    const Kurvensatz& s = editor_.satz();
    const KonfigDaten& konfig = editor_.konfig();
    // A field that already shows the value in force keeps its text: what was
    // typed there stays as typed, as long as it means the same counts.
    const auto setzen = [alle](Zahlfeld* f, double wert) {
        if (alle || f->wert() != wert) f->setWert(wert);
    };
    const auto grenze = [&](Zahlfeld* f, std::int32_t schritte) {
        const double getippt = std::clamp(std::trunc(EinheitZuSchritte(konfig, k, f->wert())), 0.0, double(kMaxWert));
        if (alle || getippt != schritte) f->setWert(SchritteZuEinheit(konfig, k, schritte));
    };
    setzen(yRaster_, s.yRaster[i]);
    setzen(zyklen_, s.zyklen[i]);
    setzen(ruhe_, SchritteZuEinheit(konfig, k, s.ruhewert[i]));
    grenze(yMin_, s.yMin[i]);
    grenze(yMax_, s.yMax[i]);
    kommentarZeile_->setText(Text(KommentarZeile(s.Aktuelle().kommentar)));
    kommentarZeile_->setCursorPosition(0);
}

void KurvenPanel::ScrollbalkenAktualisieren() {
    const Scrollstand s = ScrollbalkenStand(editor_.ansicht(), editor_.satz().Aktuelle());
    const QSignalBlocker sperre(scroll_);
    const int weg = (100 - s.groesse) * kEinheiten;
    scroll_->setRange(0, weg);
    scroll_->setPageStep(s.groesse * kEinheiten);
    scroll_->setSingleStep(std::max(1, weg / 100));
    scroll_->setValue(s.position * weg / 100);
}

void KurvenPanel::SpeicheranzeigeAktualisieren() {
    const long long bedarf = Speicherbedarf(editor_.satz());
    // The added 0.05 rounds the one decimal shown; red means the box cannot
    // take the set, so the bytes decide, not the rounded percentage.
    const double prozent = std::floor(SpeicherProzent(bedarf) * 10.0) / 10.0;
    speicher_->setValue(int(std::min(prozent, 100.0) * 10.0));
    speicher_->setFormat(QString::number(prozent, 'f', 1) + " %");
    const bool rot = bedarf > kBoxSpeicher;
    if (speicher_->property("rot").toBool() != rot || !speicher_->property("rot").isValid()) {
        // A palette, not a style sheet: style sheets make every repaint of the window slow.
        speicher_->setProperty("rot", rot);
        QPalette p = speicher_->palette();
        p.setColor(QPalette::Highlight, rot ? QColor(0xFF0000) : QColor(0xC0C0C0));
        p.setColor(QPalette::HighlightedText, Qt::black);
        speicher_->setPalette(p);
    }
}

void KurvenPanel::KoordinatenZeigen(double x, double y) {
    koordinatenBei_ = QPointF(x, y);
    const Koordinatenanzeige k = KoordinatenAnzeigen(editor_.satz(), x, y, editor_.konfig());
    koordinaten_[0]->setText(Zahl(k.zeit.stunden, 0));
    koordinaten_[1]->setText(Zahl(k.zeit.minuten, 0));
    koordinaten_[2]->setText(Zahl(k.zeit.sekunden, 0));
    koordinaten_[3]->setText(Zahl(k.zeit.millisekunden, 3));
    koordinaten_[4]->setText(Zahl(k.wertEinheit, std::max(3, yMin_->stellen())));
    for (int i = 0; i < zeitbasisListe_->count(); ++i) {
        QListWidgetItem* e = zeitbasisListe_->item(i);
        const bool an = e->data(Qt::UserRole).toInt() == k.zeitbasis;
        e->setBackground(an ? palette().highlight() : QBrush());
        e->setForeground(an ? palette().highlightedText() : palette().text());
    }
}
