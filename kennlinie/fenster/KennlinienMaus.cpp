// The graph reports a press, the moves while the left button is held and
// the release, in raw coordinates; a press counts as the first position
// report of a drag.
#include "kennlinie/fenster/KennlinienMaus.h"

#include "config/KonfigModell.h"
#include "config/KonfigUmrechnung.h"
#include "kennlinie/KennlinienEditor.h"
#include "kennlinie/fenster/KennlinienDialoge.h"
#include "kennlinie/fenster/KennlinienGrafik.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Graph.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Kurvenfenster.h"

KennlinienMaus::KennlinienMaus(KennlinienKontext k, KennlinienGrafik& grafik)
    : QObject(&k.fenster), k_(k), grafik_(grafik) {
    Graph* g = grafik_.graph();
    connect(g, &Graph::gedrueckt, this, [this](QPointF wo, Qt::MouseButton t) {
        if (t == Qt::LeftButton) Position(wo);
    });
    connect(g, &Graph::gezogen, this, [this](QPointF wo, Qt::MouseButtons t) {
        if (t & Qt::LeftButton) Position(wo);
    });
    connect(g, &Graph::losgelassen, this, [this](QPointF wo, Qt::MouseButton t) {
        if (t == Qt::LeftButton) Losgelassen(wo);
    });
}

void KennlinienMaus::ModusWaehlen(Kennl::Modus m) {
    grafik_.VorschauLoeschen();
    modus_ = m;
    if (m != Kennl::Modus::Markieren) k_.editor.MarkierungAufheben();
}

void KennlinienMaus::DialogSchliessen() {
    if (punktFenster_) punktFenster_->reject();
}

void KennlinienMaus::Position(QPointF wo) {
    if (gHilfeAktiv) return;
    KennlinienEditor& e = k_.editor;
    const KonfigDaten& k = k_.konfig.daten();
    const double x = wo.x(), y = wo.y();
    switch (modus_) {
    case Kennl::Modus::Markieren: e.MarkierenPosition(x); break;
    case Kennl::Modus::Zeichnen: {
        grafik_.VorschauLoeschen();
        const Kennlinienpunkte& p = e.punkte();
        const auto ziel = e.ZeichnenVorschau(k, grafik_.raster(), x, y);
        if (!ziel || p.empty()) break;
        const QPointF letzter(double(PunktPosition(p, int(p.size()) - 1)), double(p.back().yWert));
        e.KoordinatenZeigen(KoordinatenAnzeigen(k, ziel->x, ziel->y));
        grafik_.VorschauLinie(letzter, {ziel->x, ziel->y});
        grafik_.VorschauPunkt({ziel->x, ziel->y});
        break;
    }
    case Kennl::Modus::Verschieben: {
        grafik_.VorschauLoeschen();
        const Verschiebung v = e.VerschiebenPosition(k, grafik_.raster(), x, y, grafik_.flaeche());
        if (v.punkt < 0) break;
        const Kennlinienpunkte& p = e.punkte();
        const auto punkt = [&](int i) { return QPointF(double(PunktPosition(p, i)), double(p[std::size_t(i)].yWert)); };
        e.KoordinatenZeigen(v.anzeige);
        const QPointF neu(v.x, v.y);
        if (v.vonVorigem) grafik_.VorschauLinie(punkt(v.punkt - 1), neu);
        if (v.zumNaechsten) grafik_.VorschauLinie(neu, punkt(v.punkt + 1));
        grafik_.VorschauPunkt(neu);
        break;
    }
    case Kennl::Modus::KoordinatenAnzeigen: e.KoordinatenZeigen(KoordinatenAnzeigen(k, x, y)); break;
    case Kennl::Modus::KoordinatenAendern:
    case Kennl::Modus::Aufloesen:
    case Kennl::Modus::Teilen: break;
    }
}

void KennlinienMaus::Losgelassen(QPointF wo) {
    if (gHilfeAktiv) return;
    KennlinienEditor& e = k_.editor;
    const KonfigDaten& k = k_.konfig.daten();
    const double x = wo.x(), y = wo.y();
    switch (modus_) {
    case Kennl::Modus::Markieren: e.MarkierenLoslassen(x); break;
    case Kennl::Modus::Zeichnen:
        grafik_.VorschauLoeschen();
        Ausgefuehrt(e.PunktZeichnen(k, grafik_.raster(), x, y));
        break;
    case Kennl::Modus::Verschieben:
        grafik_.VorschauLoeschen();
        Ausgefuehrt(e.VerschiebenLoslassen(k, grafik_.raster(), x, y, grafik_.flaeche()));
        break;
    case Kennl::Modus::KoordinatenAendern: PunktFensterOeffnen(wo); break;
    case Kennl::Modus::KoordinatenAnzeigen: break;
    case Kennl::Modus::Aufloesen: Ausgefuehrt(e.PunktAufloesen(x, y, grafik_.flaeche())); break;
    case Kennl::Modus::Teilen: Ausgefuehrt(e.GeradeTeilen(x)); break;
    }
}

void BearbeitungMelden(const Bearbeitung& b) {
    if (!b.meldung.empty()) dialoge().Meldung(QString::fromStdString(b.titel), QString::fromStdString(b.meldung));
    if (b.fehlercode != 0) QAV_Fehlerpopup(b.fehlercode);
}

void KennlinienMaus::Ausgefuehrt(const Bearbeitung& b) { BearbeitungMelden(b); }

void KennlinienMaus::PunktFensterOeffnen(QPointF wo) {
    const KonfigDaten& k = k_.konfig.daten();
    const PunktDialog d = k_.editor.PunktDialogOeffnen(k, wo.x(), wo.y(), grafik_.flaeche());
    if (d.punkt < 0) return;
    if (!punktFenster_) {
        punktFenster_ = new PunktFenster(&k_.fenster);
        connect(punktFenster_, &QDialog::finished, this, [this](int r) { PunktFensterFertig(r == QDialog::Accepted); });
    }
    punktImFenster_ = d.punkt;
    standImFenster_ = k_.editor.stand();
    const Kennlinienpunkte& p = k_.editor.punkte();
    grafik_.VorschauLoeschen();
    grafik_.VorschauPunkt({double(PunktPosition(p, d.punkt)), double(p[std::size_t(d.punkt)].yWert)});
    punktFenster_->Fuellen(QString::fromStdString(d.titel), d.xFeld, Nachkommastellen(k, Seite::Eingang, 1), d.yFeld,
                           Nachkommastellen(k, Seite::Ausgang, 0));
    punktFenster_->adjustSize();
    // Top 20 pixels below the pointer, left edge at it.
    Graph* g = grafik_.graph();
    punktFenster_->move(g->mapToGlobal(g->ZuPixel(wo).toPoint()) + QPoint(0, 20));
    punktFenster_->open();
}

void KennlinienMaus::PunktFensterFertig(bool ok) {
    grafik_.VorschauLoeschen();
    const int punkt = punktImFenster_;
    punktImFenster_ = -1;
    // A curve read from the box meanwhile has other points: the dialog no longer applies.
    if (!ok || punkt < 0 || standImFenster_ != k_.editor.stand()) return;
    Ausgefuehrt(k_.editor.PunktKoordinatenAendern(k_.konfig.daten(), punkt, punktFenster_->x(), punktFenster_->y()));
}
