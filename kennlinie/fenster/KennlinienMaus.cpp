// Editing with the mouse on the large graph. The graph reports a press, the
// moves while the left button is held and the release, in raw coordinates;
// a press counts as the first position report of a drag.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "config/KonfigModell.h"
#include "config/KonfigUmrechnung.h"
#include "kennlinie/fenster/KennlinienDialoge.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Zahlfeld.h"

namespace {

const QColor kRot(0xFF0000);

} // namespace

void KennlinienPanel::GraphGedrueckt(QPointF wo) { Position(wo); }

void KennlinienPanel::GraphGezogen(QPointF wo) { Position(wo); }

void KennlinienPanel::KoordinatenZeigen(double x, double y) {
    const Koordinaten k = KoordinatenAnzeigen(konfig_.daten(), x, y);
    feld(Feld::X)->setWert(k.x);
    feld(Feld::Y)->setWert(k.y);
}

void KennlinienPanel::Position(QPointF wo) {
    if (gHilfeAktiv) return;
    const KonfigDaten& k = konfig_.daten();
    const Raster r{feld(Feld::XRaster)->wert(), feld(Feld::YRaster)->wert()};
    const double x = wo.x(), y = wo.y();
    switch (modus_) {
    case Modus::Markieren:
        MarkierenPosition(editor_.markierung, x);
        MarkeZeichnen();
        break;
    case Modus::Zeichnen: {
        VorschauLoeschen();
        const Kennlinienpunkte& p = editor_.kurve.punkte;
        const auto ziel = editor_.ZeichnenVorschau(k, r, x, y);
        if (!ziel || p.empty()) break;
        const QPointF letzter(double(PunktPosition(p, editor_.kurve.anzahl() - 1)), double(p.back().yWert));
        KoordinatenZeigen(ziel->x, ziel->y);
        vorschauPlots_.push_back(graph_->Linie(letzter, {ziel->x, ziel->y}, kRot));
        vorschauPlots_.push_back(graph_->Punkt({ziel->x, ziel->y}, kRot));
        break;
    }
    case Modus::Verschieben: {
        VorschauLoeschen();
        const Plotflaeche f{double(graph_->plotGroesse().width()), double(graph_->plotGroesse().height())};
        const Verschiebung v = editor_.VerschiebenPosition(k, r, x, y, ansicht_, f);
        if (v.punkt < 0) break;
        const Kennlinienpunkte& p = editor_.kurve.punkte;
        const auto punkt = [&](int i) { return QPointF(double(PunktPosition(p, i)), double(p[std::size_t(i)].yWert)); };
        feld(Feld::X)->setWert(v.anzeige.x);
        feld(Feld::Y)->setWert(v.anzeige.y);
        const QPointF neu(v.x, v.y);
        if (v.vonVorigem) vorschauPlots_.push_back(graph_->Linie(punkt(v.punkt - 1), neu, kRot));
        if (v.zumNaechsten) vorschauPlots_.push_back(graph_->Linie(neu, punkt(v.punkt + 1), kRot));
        vorschauPlots_.push_back(graph_->Punkt(neu, kRot));
        break;
    }
    case Modus::KoordinatenAnzeigen: KoordinatenZeigen(x, y); break;
    case Modus::KoordinatenAendern:
    case Modus::Aufloesen:
    case Modus::Teilen: break;
    }
}

void KennlinienPanel::GraphLosgelassen(QPointF wo) {
    if (gHilfeAktiv) return;
    const KonfigDaten& k = konfig_.daten();
    const Raster r{feld(Feld::XRaster)->wert(), feld(Feld::YRaster)->wert()};
    const Plotflaeche f{double(graph_->plotGroesse().width()), double(graph_->plotGroesse().height())};
    const double x = wo.x(), y = wo.y();
    switch (modus_) {
    case Modus::Markieren:
        MarkierenLoslassen(editor_.markierung, x);
        MarkeZeichnen();
        break;
    case Modus::Zeichnen:
        VorschauLoeschen();
        Ausgefuehrt(editor_.PunktZeichnen(k, r, x, y));
        break;
    case Modus::Verschieben:
        VorschauLoeschen();
        Ausgefuehrt(editor_.VerschiebenLoslassen(k, r, x, y, ansicht_, f));
        break;
    case Modus::KoordinatenAendern: PunktFensterOeffnen(wo); break;
    case Modus::KoordinatenAnzeigen: break;
    case Modus::Aufloesen: Ausgefuehrt(editor_.PunktAufloesen(x, y, ansicht_, f)); break;
    case Modus::Teilen: Ausgefuehrt(editor_.GeradeTeilen(x)); break;
    }
}

void KennlinienPanel::Ausgefuehrt(const Bearbeitung& b) {
    if (b.geaendert) {
        KurveGeaendert();
        if (editor_.geaendert) GeaendertSetzen(true);
        RueckgaengigAnzeigen();
        Neuzeichnen();
    }
    if (!b.meldung.empty()) dialoge().Meldung(QString::fromStdString(b.titel), QString::fromStdString(b.meldung));
    if (b.fehlercode != 0) QAV_Fehlerpopup(b.fehlercode);
}

void KennlinienPanel::PunktFensterOeffnen(QPointF wo) {
    const KonfigDaten& k = konfig_.daten();
    const Plotflaeche f{double(graph_->plotGroesse().width()), double(graph_->plotGroesse().height())};
    const PunktDialog d = editor_.PunktDialogOeffnen(k, wo.x(), wo.y(), ansicht_, f);
    if (d.punkt < 0) return;
    if (!punktFenster_) {
        punktFenster_ = new PunktFenster(this);
        connect(punktFenster_, &QDialog::finished, this, [this](int r) { PunktFensterFertig(r == QDialog::Accepted); });
    }
    punktImFenster_ = d.punkt;
    standImFenster_ = stand_;
    const auto& p = editor_.kurve.punkte[std::size_t(d.punkt)];
    VorschauLoeschen();
    punktMarke_ = graph_->Punkt({double(PunktPosition(editor_.kurve.punkte, d.punkt)), double(p.yWert)}, kRot);
    punktFenster_->Fuellen(QString::fromStdString(d.titel), d.xFeld, Nachkommastellen(k, Seite::Eingang, 1), d.yFeld,
                           Nachkommastellen(k, Seite::Ausgang, 0));
    punktFenster_->adjustSize();
    // Top 20 pixels below the pointer, left edge at it.
    punktFenster_->move(graph_->mapToGlobal(graph_->ZuPixel(wo).toPoint()) + QPoint(0, 20));
    punktFenster_->open();
}

void KennlinienPanel::PunktFensterFertig(bool ok) {
    if (punktMarke_) graph_->Loeschen(punktMarke_);
    punktMarke_ = 0;
    const int punkt = punktImFenster_;
    punktImFenster_ = -1;
    // A curve read from the box meanwhile has other points: the dialog no longer applies.
    if (!ok || punkt < 0 || standImFenster_ != stand_) return;
    Ausgefuehrt(editor_.PunktKoordinatenAendern(konfig_.daten(), punkt, punktFenster_->x(), punktFenster_->y()));
}
