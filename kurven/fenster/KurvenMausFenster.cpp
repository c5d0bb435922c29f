// Mouse editing on the main graph: press, drag and release in graph
// coordinates go to the mode's operation of the curve library; previews and
// the coordinate display follow the mouse while the button is held.
#include "kurven/fenster/KurvenPanel.h"

#include "config/KonfigModell.h"
#include "kurven/KurvenGeraden.h"
#include "kurven/fenster/KurvenEingaben.h"
#include "uisupport/Graph.h"
#include "uisupport/Zahlfeld.h"

#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>

using namespace kurvengenerator;

namespace {
QString Zahl(double v, int stellen) { return QString::number(v, 'f', stellen); }
} // namespace

int KurvenPanel::Naechster(QPointF wo) const {
    const QSize g = graph_->plotGroesse();
    return NaechsterPunkt(satz_.Aktuelle(), wo.x(), wo.y(), ansicht_, g.width(), g.height());
}

QPoint KurvenPanel::MausGlobal() const { return QCursor::pos(); }

void KurvenPanel::KoordinatenZeigen(double x, double y) {
    koordinatenBei_ = QPointF(x, y);
    const Koordinatenanzeige k = KoordinatenAnzeigen(satz_, x, y, konfig_.daten());
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

void KurvenPanel::Gedrueckt(QPointF wo, Qt::MouseButton taste) {
    if (taste != Qt::LeftButton) return;
    zieht_ = true;
    gewaehlterPunkt_ = -1;
    if (modus_ == Bearbeitungsmodus::Zeitbasis) {
        zieht_ = false;
        const int code = eingaben_->Zeitbasis(this, MausGlobal(), ZeitbasisAnZeit(satz_, wo.x()));
        if (code != 0) Bearbeitet(ZeitbasisAendern(satz_, wo.x(), code));
        return;
    }
    Ziehen(wo, true);
}

void KurvenPanel::Gezogen(QPointF wo, Qt::MouseButtons tasten) {
    if (!zieht_ || !(tasten & Qt::LeftButton)) return;
    Ziehen(wo, false);
}

void KurvenPanel::Ziehen(QPointF wo, bool erstes) {
    const KonfigDaten& konfig = konfig_.daten();
    const double x = wo.x(), y = wo.y();
    switch (modus_) {
    case Bearbeitungsmodus::Markieren:
        MarkierenZiehen(satz_, x);
        MarkierungZeichnen();
        break;
    case Bearbeitungsmodus::Zeichnen: {
        VorschauEntfernen();
        const Linie l = ZeichnenVorschau(satz_, x, y, ring_->currentData().toInt(), konfig);
        VorschauLinie(l.x0, l.y0, l.x1, l.y1);
        VorschauPunkt(l.x1, l.y1);
        KoordinatenZeigen(l.x1, l.y1);
        break;
    }
    case Bearbeitungsmodus::Verschieben: {
        if (erstes || gewaehlterPunkt_ < 0) gewaehlterPunkt_ = Naechster(wo);
        VorschauEntfernen();
        const Verschiebung v = VerschiebenVorschau(satz_, gewaehlterPunkt_, x, y, konfig);
        if (v.linksLinie) VorschauLinie(v.links.x0, v.links.y0, v.links.x1, v.links.y1);
        if (v.rechtsLinie) VorschauLinie(v.rechts.x0, v.rechts.y0, v.rechts.x1, v.rechts.y1);
        VorschauPunkt(v.x, v.y);
        KoordinatenZeigen(v.x, v.y);
        break;
    }
    case Bearbeitungsmodus::Anzeigen: KoordinatenZeigen(x, y); break;
    default: break;
    }
}

void KurvenPanel::Losgelassen(QPointF wo, Qt::MouseButton taste) {
    if (taste != Qt::LeftButton || !zieht_) return;
    zieht_ = false;
    VorschauEntfernen();
    const KonfigDaten& konfig = konfig_.daten();
    const double x = wo.x(), y = wo.y();
    switch (modus_) {
    case Bearbeitungsmodus::Markieren:
        MarkierenLoslassen(satz_, x);
        MarkierungZeichnen();
        break;
    case Bearbeitungsmodus::Zeichnen:
        Bearbeitet(PunktZeichnen(satz_, x, y, ring_->currentData().toInt(), konfig));
        break;
    case Bearbeitungsmodus::Verschieben: {
        const int i = gewaehlterPunkt_ >= 0 ? gewaehlterPunkt_ : Naechster(wo);
        gewaehlterPunkt_ = -1;
        Bearbeitet(PunktVerschieben(satz_, i, x, y, konfig));
        break;
    }
    case Bearbeitungsmodus::Koordinaten: {
        const int i = Naechster(wo);
        const Punktdialog d = PunktKoordinaten(satz_, i, konfig);
        VorschauPunkt(d.x, d.y);
        const YAchse achse = YAchseBerechnen(konfig, satz_.aktuelleKurve);
        const KurvenEingaben::Punktwerte neu =
            eingaben_->Punkt(this, MausGlobal(), QString::fromStdString(d.titel), {d.zeit, d.wertEinheit},
                             QString::fromStdString(achse.einheit));
        VorschauEntfernen();
        Bearbeitet(PunktKoordinatenAendern(satz_, i, neu.zeit, neu.wert, konfig));
        break;
    }
    case Bearbeitungsmodus::Aufloesen: Bearbeitet(PunktAufloesen(satz_, Naechster(wo))); break;
    case Bearbeitungsmodus::Teilen: Bearbeitet(GeradeTeilen(satz_, x)); break;
    case Bearbeitungsmodus::Laenge: {
        const Geradendialog d = GeradenlaengeDialog(satz_, x);
        if (!d.offen) break;
        const int gelb = graph_->Linie(QPointF(d.markierung.x0, d.markierung.y0),
                                       QPointF(d.markierung.x1, d.markierung.y1), QColor(0xFFFF00));
        const Zeitangabe dauer = eingaben_->Gerade(this, MausGlobal(), QString::fromStdString(d.titel), d.dauer);
        graph_->Loeschen(gelb);
        Bearbeitet(GeradenlaengeAendern(satz_, d.gerade, dauer));
        break;
    }
    default: break;
    }
}
