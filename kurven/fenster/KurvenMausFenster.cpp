// Mouse editing on the main graph: press, drag and release in graph
// coordinates go to the editor command of the mode; previews and
// the coordinate display follow the mouse while the button is held.
#include "kurven/fenster/KurvenPanel.h"

#include "kurven/KurvenGeraden.h"
#include "kurven/fenster/KurvenEingaben.h"
#include "uisupport/Graph.h"

#include <QComboBox>
#include <QCursor>

using namespace kurvengenerator;

int KurvenPanel::Naechster(QPointF wo) const {
    const QSize g = graph_->plotGroesse();
    return NaechsterPunkt(editor_.satz().Aktuelle(), wo.x(), wo.y(), editor_.ansicht(), g.width(), g.height());
}

void KurvenPanel::Gedrueckt(QPointF wo, Qt::MouseButton taste) {
    if (taste != Qt::LeftButton) return;
    zieht_ = true;
    gewaehlterPunkt_ = -1;
    if (editor_.modus() == Bearbeitungsmodus::Zeitbasis) {
        zieht_ = false;
        const int code = eingaben_->Zeitbasis(this, QCursor::pos(), ZeitbasisAnZeit(editor_.satz(), wo.x()));
        if (code != 0) Bearbeitet(editor_.ZeitbasisAendern(wo.x(), code));
        return;
    }
    Ziehen(wo, true);
}

void KurvenPanel::Gezogen(QPointF wo, Qt::MouseButtons tasten) {
    if (!zieht_ || !(tasten & Qt::LeftButton)) return;
    Ziehen(wo, false);
}

void KurvenPanel::Ziehen(QPointF wo, bool erstes) {
    const KonfigDaten& konfig = editor_.konfig();
    const Kurvensatz& satz = editor_.satz();
    const double x = wo.x(), y = wo.y();
    switch (editor_.modus()) {
    case Bearbeitungsmodus::Markieren: editor_.MarkierenZiehen(x); break;
    case Bearbeitungsmodus::Zeichnen: {
        VorschauEntfernen();
        const Linie l = ZeichnenVorschau(satz, x, y, ring_->currentData().toInt(), konfig);
        VorschauLinie(l.x0, l.y0, l.x1, l.y1);
        VorschauPunkt(l.x1, l.y1);
        KoordinatenZeigen(l.x1, l.y1);
        break;
    }
    case Bearbeitungsmodus::Verschieben: {
        if (erstes || gewaehlterPunkt_ < 0) gewaehlterPunkt_ = Naechster(wo);
        VorschauEntfernen();
        const Verschiebung v = VerschiebenVorschau(satz, gewaehlterPunkt_, x, y, konfig);
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
    const KonfigDaten& konfig = editor_.konfig();
    const double x = wo.x(), y = wo.y();
    switch (editor_.modus()) {
    case Bearbeitungsmodus::Markieren: editor_.MarkierenLoslassen(x); break;
    case Bearbeitungsmodus::Zeichnen: Bearbeitet(editor_.PunktZeichnen(x, y, ring_->currentData().toInt())); break;
    case Bearbeitungsmodus::Verschieben: {
        const int i = gewaehlterPunkt_ >= 0 ? gewaehlterPunkt_ : Naechster(wo);
        gewaehlterPunkt_ = -1;
        Bearbeitet(editor_.PunktVerschieben(i, x, y));
        break;
    }
    case Bearbeitungsmodus::Koordinaten: {
        const int i = Naechster(wo);
        const Punktdialog d = PunktKoordinaten(editor_.satz(), i, konfig);
        VorschauPunkt(d.x, d.y);
        const YAchse achse = YAchseBerechnen(konfig, editor_.aktuelleKurve());
        const KurvenEingaben::Punktwerte neu =
            eingaben_->Punkt(this, QCursor::pos(), QString::fromStdString(d.titel), {d.zeit, d.wertEinheit},
                             QString::fromStdString(achse.einheit));
        VorschauEntfernen();
        Bearbeitet(editor_.PunktKoordinatenAendern(i, neu.zeit, neu.wert));
        break;
    }
    case Bearbeitungsmodus::Aufloesen: Bearbeitet(editor_.PunktAufloesen(Naechster(wo))); break;
    case Bearbeitungsmodus::Teilen: Bearbeitet(editor_.GeradeTeilen(x)); break;
    case Bearbeitungsmodus::Laenge: {
        const Geradendialog d = GeradenlaengeDialog(editor_.satz(), x);
        if (!d.offen) break;
        const int gelb = graph_->Linie(QPointF(d.markierung.x0, d.markierung.y0),
                                       QPointF(d.markierung.x1, d.markierung.y1), QColor(0xFFFF00));
        const Zeitangabe dauer = eingaben_->Gerade(this, QCursor::pos(), QString::fromStdString(d.titel), d.dauer);
        graph_->Loeschen(gelb);
        Bearbeitet(editor_.GeradenlaengeAendern(d.gerade, dauer));
        break;
    }
    default: break;
    }
}
