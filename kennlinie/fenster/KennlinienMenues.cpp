// Menus "Datei", "Bearbeiten", "Ansicht" and the toolbar over them. A toolbar
// button and its menu entry are one action; in help mode an entry shows its
// text instead of acting.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "kennlinie/fenster/KennlinienBilder.h"
#include "kennlinie/fenster/KennlinienHilfe.h"
#include "kennlinie/fenster/Speicheruebersicht.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/ToolbarBindung.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

namespace {

// A display-mode button of the toolbar: it only follows the menu. In help
// mode a click shows the help of the display modes.
class Anzeigeknopf : public QToolButton {
  public:
    Anzeigeknopf(QWidget* eltern, std::function<void()> hilfe) : QToolButton(eltern), hilfe_(std::move(hilfe)) {
        setCheckable(true);
        setFocusPolicy(Qt::NoFocus);
        setAutoRaise(true);
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (gHilfeAktiv && e->button() == Qt::LeftButton) hilfe_();
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }
    void keyPressEvent(QKeyEvent*) override {}

  private:
    std::function<void()> hilfe_;
};

} // namespace

QAction* KennlinienPanel::Eintrag(QMenu* menue, const QString& text, const char* bild, const QString& tipp,
                                  const char* hilfe, bool leiste) {
    auto* a = new QAction(bild ? KennlinienBild(bild) : QIcon(), text, this);
    a->setToolTip(tipp.isEmpty() ? text : tipp);
    a->setIconVisibleInMenu(false);
    // "Datei" ends with the frame's "Beenden", the toolbar with its help button.
    menue->insertAction(menue == dateiMenue() ? beendenAktion() : nullptr, a);
    if (leiste) werkzeugleiste()->insertAction(direkthilfeAktion(), a);
    a->setProperty("hilfe", QString::fromUtf8(hilfe ? hilfe : ""));
    return a;
}

void KennlinienPanel::MenuesAnlegen() {
    QToolBar* leiste = werkzeugleiste();
    QAction* hilfe = direkthilfeAktion();

    const std::tuple<Befehl, const char*, const char*, const char*, const char*, QKeySequence> dateiEintraege[] = {
        {Befehl::Neu, "Neu", "neu", "Neu", KennlHilfe::Neu, QKeySequence::New},
        {Befehl::Laden, "Kennlinie laden", "laden", "Kennlinie Laden", KennlHilfe::Laden, QKeySequence::Open},
        {Befehl::Speichern, "Kennlinie speichern", "speichern", "Kennlinie Speichern", KennlHilfe::Speichern,
         QKeySequence::Save},
        {Befehl::SpeichernUnter, "Kennlinie speichern unter", nullptr, "", KennlHilfe::SpeichernUnter, {}},
        {Befehl::Importieren, "Kennlinie importieren", nullptr, "", KennlHilfe::Importieren, {}},
        {Befehl::Exportieren, "Kennlinie exportieren", nullptr, "", KennlHilfe::Exportieren, {}},
        {Befehl::CsvExportieren, "Tabelle als CSV exportieren…", nullptr, "", KennlHilfe::CsvExportieren, {}},
    };
    for (const auto& [b, text, bild, tipp, text2, taste] : dateiEintraege) {
        QAction* a =
            Eintrag(dateiMenue(), QString::fromUtf8(text), bild, QString::fromUtf8(tipp), text2, bild != nullptr);
        a->setShortcut(taste);
        befehle_[std::size_t(b)] = a;
    }
    dateiMenue()->insertSeparator(beendenAktion());
    leiste->insertSeparator(hilfe);

    // "Bearbeiten" and "Ansicht" go between "Datei" and "Fenster".
    QMenu* bearbeiten = new QMenu("&Bearbeiten", this);
    menuBar()->insertMenu(fensterMenue()->menuAction(), bearbeiten);
    befehle_[std::size_t(Befehl::AllesMarkieren)] = Eintrag(bearbeiten, "Alles Markieren", nullptr, "", nullptr, false);
    aktion(Befehl::AllesMarkieren)->setShortcut(QKeySequence::SelectAll);
    befehle_[std::size_t(Befehl::Rueckgaengig)] =
        Eintrag(bearbeiten, "Rückgängig", "rueckgaengig", "", KennlHilfe::Rueckgaengig, true);
    aktion(Befehl::Rueckgaengig)->setShortcut(QKeySequence::Undo);
    befehle_[std::size_t(Befehl::Wiederherstellen)] =
        Eintrag(bearbeiten, "Wiederherstellen", "wiederherstellen", "", KennlHilfe::Wiederherstellen, true);
    aktion(Befehl::Wiederherstellen)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    leiste->insertSeparator(hilfe);
    bearbeiten->addSeparator();

    modusGruppe_ = new QActionGroup(this);
    modusGruppe_->setExclusive(true);
    const std::tuple<Modus, const char*, const char*, const char*, const char*> modi[] = {
        {Modus::Markieren, "Markieren", "markieren", "Markieren", KennlHilfe::Markieren},
        {Modus::Zeichnen, "Punkt zeichnen", "stift", "Punkt zeichnen", KennlHilfe::Zeichnen},
        {Modus::Verschieben, "Punkt verschieben", "verschieben", "Punkt verschieben", KennlHilfe::Verschieben},
        {Modus::KoordinatenAendern, "Punktkoordinaten ändern", "punktinfo", "Punktkoordinaten zeigen/ändern",
         KennlHilfe::KoordinatenAendern},
        {Modus::KoordinatenAnzeigen, "Koordinaten anzeigen", "xyzeigen", "Koordinaten anzeigen",
         KennlHilfe::KoordinatenAnzeigen},
        {Modus::Aufloesen, "Punkt auflösen", "punktdel", "Punkt auflösen", KennlHilfe::Aufloesen},
        {Modus::Teilen, "Gerade teilen", "geradeteilen", "Gerade teilen", KennlHilfe::Teilen},
    };
    for (const auto& [m, text, bild, tipp, text2] : modi) {
        QAction* a = Eintrag(bearbeiten, QString::fromUtf8(text), bild, QString::fromUtf8(tipp), text2, true);
        a->setCheckable(true);
        modusGruppe_->addAction(a);
        modi_[std::size_t(m)] = a;
        connect(a, &QAction::triggered, this, [this, m = m, a] {
            if (HilfeStatt(a->property("hilfe").toByteArray().constData())) {
                modusAktion(modus_)->setChecked(true); // help mode changes nothing
                return;
            }
            ModusWaehlen(m);
        });
    }
    modusAktion(modus_)->setChecked(true);
    leiste->insertSeparator(hilfe);
    bearbeiten->addSeparator();

    const std::tuple<Befehl, const char*, const char*, const char*> zooms[] = {
        {Befehl::ZoomPlus, "Zoom +", "zoomplus", KennlHilfe::ZoomPlus},
        {Befehl::ZoomMinus, "Zoom -", "zoomminus", KennlHilfe::ZoomMinus},
        {Befehl::ZoomMarkierung, "Zoom Markierung", "zoommark", KennlHilfe::ZoomMarkierung},
        {Befehl::ZoomGesamt, "Zoom Gesammtkurve", "zoomvoll", KennlHilfe::ZoomGesamt},
    };
    for (const auto& [b, text, bild, text2] : zooms)
        befehle_[std::size_t(b)] = Eintrag(bearbeiten, text, bild, "", text2, true);
    leiste->insertSeparator(hilfe);

    QMenu* ansicht = new QMenu("&Ansicht", this);
    menuBar()->insertMenu(fensterMenue()->menuAction(), ansicht);
    QMenu* kurvendarstellung = ansicht->addMenu("Kurvendarstellung");
    darstellungsGruppe_ = new QActionGroup(this);
    darstellungsGruppe_->setExclusive(true);
    const std::tuple<int, const char*, const char*, const char*> darstellungen[] = {
        {LinienUndStufen, "Linien + Stufen", "linienstufen", "Kurven als Linien + Stufen darstellen"},
        {Linien, "Linien", "linien", "Kurven als Linien darstellen"},
        {Stufen, "Stufen", "stufen", "Kurven als Stufen darstellen"},
    };
    for (const auto& [d, text, bild, tipp] : darstellungen) {
        QAction* a = AuswahlAnlegen(darstellungsGruppe_, kurvendarstellung, nullptr, text);
        darstellungen_[std::size_t(d - 1)] = a;
        auto* knopf = new Anzeigeknopf(leiste, [this] { HilfeStatt(KennlHilfe::Darstellung); });
        knopf->setIcon(KennlinienBild(bild));
        knopf->setToolTip(QString::fromUtf8(tipp));
        knopf->setObjectName(QString("DARSTELLUNG%1").arg(d));
        leiste->insertWidget(hilfe, knopf);
        darstellungsKnoepfe_[std::size_t(d - 1)] = knopf;
        connect(a, &QAction::triggered, this, [this, d = d] {
            if (HilfeStatt(KennlHilfe::Darstellung)) {
                DarstellungAnzeigen(); // the mode in force stays checked
                return;
            }
            DarstellungWaehlen(d);
        });
    }
    leiste->insertSeparator(hilfe);
    ansicht->addSeparator();
    uebersichtAktion_ = Eintrag(ansicht, "DLM-7 Speicherübersicht…", nullptr, "", kSpeicheruebersichtHilfe, false);
    connect(uebersichtAktion_, &QAction::triggered, this, [this] {
        if (!HilfeStatt(kSpeicheruebersichtHilfe)) SpeicheruebersichtOeffnen();
    });

    for (Befehl b :
         {Befehl::Neu, Befehl::Laden, Befehl::Speichern, Befehl::SpeichernUnter, Befehl::Importieren,
          Befehl::Exportieren, Befehl::CsvExportieren, Befehl::AllesMarkieren, Befehl::Rueckgaengig,
          Befehl::Wiederherstellen, Befehl::ZoomPlus, Befehl::ZoomMinus, Befehl::ZoomMarkierung, Befehl::ZoomGesamt}) {
        QAction* a = aktion(b);
        connect(a, &QAction::triggered, this, [this, b, a] {
            const QByteArray text = a->property("hilfe").toByteArray();
            if (gHilfeAktiv) {
                if (!text.isEmpty()) HilfeStatt(text.constData());
                return;
            }
            Befehlen(b);
        });
    }
    DarstellungAnzeigen();
    RueckgaengigAnzeigen();
}

void KennlinienPanel::Befehlen(Befehl b) {
    int rc = 0;
    switch (b) {
    case Befehl::Neu: rc = KurveNeu(); break;
    case Befehl::Laden: rc = DateiLaden(); break;
    case Befehl::Speichern: rc = DateiSpeichern(false); break;
    case Befehl::SpeichernUnter: rc = DateiSpeichern(true); break;
    case Befehl::Importieren: rc = DateiImportieren(); break;
    case Befehl::Exportieren: rc = DateiExportieren(); break;
    case Befehl::CsvExportieren: rc = TabelleExportieren(); break;
    case Befehl::AllesMarkieren:
        AllesMarkieren(editor_.markierung);
        MarkeZeichnen();
        break;
    case Befehl::Rueckgaengig:
    case Befehl::Wiederherstellen:
        if (b == Befehl::Rueckgaengig ? editor_.Rueckgaengig() : editor_.Wiederherstellen()) {
            KurveGeaendert();
            RueckgaengigAnzeigen();
            Neuzeichnen();
        }
        break;
    case Befehl::ZoomPlus: ZoomPlus(ansicht_); break;
    case Befehl::ZoomMinus: ZoomMinus(ansicht_); break;
    case Befehl::ZoomMarkierung: ZoomMarkierung(ansicht_, editor_.markierung); break;
    case Befehl::ZoomGesamt: ZoomGesamt(ansicht_); break;
    }
    if (b >= Befehl::ZoomPlus) {
        Neuzeichnen();
        RollbalkenAnzeigen();
    }
    if (rc != 0) QAV_Fehlerpopup(rc);
}

void KennlinienPanel::ModusWaehlen(Modus m) {
    VorschauLoeschen();
    modus_ = m;
    modusAktion(m)->setChecked(true);
    if (m != Modus::Markieren && editor_.markierung.gueltig) {
        MarkierungAufheben(editor_.markierung);
        MarkeZeichnen();
    }
}

void KennlinienPanel::DarstellungWaehlen(int d) {
    if (d < Linien || d > LinienUndStufen) return;
    darstellung_ = d;
    DarstellungAnzeigen();
    Neuzeichnen();
}

void KennlinienPanel::DarstellungAnzeigen() {
    for (int d = Linien; d <= LinienUndStufen; ++d) {
        darstellungsAktion(d)->setChecked(d == darstellung_);
        darstellungsKnopf(d)->setChecked(d == darstellung_);
    }
}

void KennlinienPanel::RueckgaengigAnzeigen() {
    aktion(Befehl::Rueckgaengig)->setEnabled(editor_.RueckgaengigMoeglich());
    aktion(Befehl::Wiederherstellen)->setEnabled(editor_.WiederherstellenMoeglich());
}
