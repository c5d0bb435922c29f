// Menus "Datei", "Bearbeiten", "Ansicht" and the toolbar over them, built
// from one table each: a new command is one line here and its handler. A
// toolbar button and its menu entry are one action; in help mode an entry
// shows its text instead of acting.
#include "kennlinie/fenster/KennlinienPanel.h"

#include "kennlinie/fenster/KennlinienBilder.h"
#include "kennlinie/fenster/KennlinienDateiAktionen.h"
#include "kennlinie/fenster/KennlinienHilfe.h"
#include "kennlinie/fenster/KennlinienMaus.h"
#include "kennlinie/fenster/KennlinienVergleichFenster.h"
#include "kennlinie/fenster/Speicheruebersicht.h"
#include "uisupport/BildFenster.h"
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

// A command: the menu it goes into (nullptr: "Datei"), its texts, picture
// (nullptr: not on the toolbar), shortcut and what it does.
struct Befehlseintrag {
    Kennl::Befehl befehl;
    QMenu* menue;
    const char* text;
    const char* bild;
    const char* tipp;
    const char* hilfe;
    QList<QKeySequence> tasten;
    std::function<int()> tun;
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
    // "Bearbeiten" and "Ansicht" go between "Datei" and "Fenster".
    QMenu* bearbeiten = new QMenu("&Bearbeiten", this);
    menuBar()->insertMenu(fensterMenue()->menuAction(), bearbeiten);
    QMenu* datei = dateiMenue();
    KennlinienEditor& e = editor_;
    const auto ohneCode = [](auto f) {
        return [f] {
            f();
            return 0;
        };
    };
    using B = Befehl;
    namespace H = KennlHilfe;
    const Befehlseintrag eintraege[] = {
        {B::Neu, datei, "Neu", "neu", "Neu", H::Neu, {QKeySequence::New}, [this] { return dateien_->Neu(); }},
        {B::Laden,
         datei,
         "Kennlinie laden",
         "laden",
         "Kennlinie Laden",
         H::Laden,
         {QKeySequence::Open},
         [this] { return dateien_->Laden(); }},
        {B::Speichern,
         datei,
         "Kennlinie speichern",
         "speichern",
         "Kennlinie Speichern",
         H::Speichern,
         {QKeySequence::Save},
         [this] { return dateien_->Speichern(false); }},
        {B::SpeichernUnter,
         datei,
         "Kennlinie speichern unter",
         nullptr,
         "",
         H::SpeichernUnter,
         {},
         [this] { return dateien_->Speichern(true); }},
        {B::Importieren,
         datei,
         "Kennlinie importieren",
         nullptr,
         "",
         H::Importieren,
         {},
         [this] { return dateien_->Importieren(); }},
        {B::Exportieren,
         datei,
         "Kennlinie exportieren",
         nullptr,
         "",
         H::Exportieren,
         {},
         [this] { return dateien_->Exportieren(); }},
        {B::CsvExportieren,
         datei,
         "Tabelle als CSV exportieren…",
         nullptr,
         "",
         H::CsvExportieren,
         {},
         [this] { return dateien_->TabelleExportieren(); }},
        {B::AllesMarkieren,
         bearbeiten,
         "Alles Markieren",
         nullptr,
         "",
         nullptr,
         {QKeySequence::SelectAll},
         ohneCode([&e] { e.AllesMarkieren(); })},
        {B::Rueckgaengig,
         bearbeiten,
         "Rückgängig",
         "rueckgaengig",
         "",
         H::Rueckgaengig,
         {QKeySequence::Undo},
         ohneCode([&e] { e.Rueckgaengig(); })},
        {B::Wiederherstellen,
         bearbeiten,
         "Wiederherstellen",
         "wiederherstellen",
         "",
         H::Wiederherstellen,
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         ohneCode([&e] { e.Wiederherstellen(); })},
        {B::ZoomPlus, bearbeiten, "Zoom +", "zoomplus", "", H::ZoomPlus, {}, ohneCode([&e] { e.ZoomPlus(); })},
        {B::ZoomMinus, bearbeiten, "Zoom -", "zoomminus", "", H::ZoomMinus, {}, ohneCode([&e] { e.ZoomMinus(); })},
        {B::ZoomMarkierung, bearbeiten, "Zoom Markierung", "zoommark", "", H::ZoomMarkierung, {}, ohneCode([&e] {
             e.ZoomMarkierung();
         })},
        {B::ZoomGesamt, bearbeiten, "Zoom Gesammtkurve", "zoomvoll", "", H::ZoomGesamt, {}, ohneCode([&e] {
             e.ZoomGesamt();
         })},
    };
    const auto befehlAnlegen = [&](const Befehlseintrag& b) {
        QAction* a =
            Eintrag(b.menue, QString::fromUtf8(b.text), b.bild, QString::fromUtf8(b.tipp), b.hilfe, b.bild != nullptr);
        a->setObjectName(Kennl::Name(b.befehl));
        a->setShortcuts(b.tasten);
        befehle_[std::size_t(b.befehl)] = a;
        handlungen_[std::size_t(b.befehl)] = b.tun;
        connect(a, &QAction::triggered, this, [this, b = b.befehl, a] {
            const QByteArray text = a->property("hilfe").toByteArray();
            if (gHilfeAktiv) {
                if (!text.isEmpty()) HilfeStatt(text.constData());
                return;
            }
            Befehlen(b);
        });
    };
    // Groups in menu and toolbar order: "Datei", undo, and the zoom commands after the edit modes.
    const auto gruppe = [&](const Befehlseintrag& b) { return b.menue == datei ? 0 : b.befehl >= B::ZoomPlus ? 2 : 1; };
    const auto gruppeAnlegen = [&](int g) {
        for (const Befehlseintrag& b : eintraege)
            if (gruppe(b) == g) befehlAnlegen(b);
        leiste->insertSeparator(hilfe);
    };
    gruppeAnlegen(0);
    datei->insertSeparator(beendenAktion());
    gruppeAnlegen(1);
    bearbeiten->addSeparator();

    modusGruppe_ = new QActionGroup(this);
    modusGruppe_->setExclusive(true);
    const std::tuple<Modus, const char*, const char*, const char*, const char*> modi[] = {
        {Modus::Markieren, "Markieren", "markieren", "Markieren", H::Markieren},
        {Modus::Zeichnen, "Punkt zeichnen", "stift", "Punkt zeichnen", H::Zeichnen},
        {Modus::Verschieben, "Punkt verschieben", "verschieben", "Punkt verschieben", H::Verschieben},
        {Modus::KoordinatenAendern, "Punktkoordinaten ändern", "punktinfo", "Punktkoordinaten zeigen/ändern",
         H::KoordinatenAendern},
        {Modus::KoordinatenAnzeigen, "Koordinaten anzeigen", "xyzeigen", "Koordinaten anzeigen",
         H::KoordinatenAnzeigen},
        {Modus::Aufloesen, "Punkt auflösen", "punktdel", "Punkt auflösen", H::Aufloesen},
        {Modus::Teilen, "Gerade teilen", "geradeteilen", "Gerade teilen", H::Teilen},
    };
    for (const auto& [m, text, bild, tipp, text2] : modi) {
        QAction* a = Eintrag(bearbeiten, QString::fromUtf8(text), bild, QString::fromUtf8(tipp), text2, true);
        a->setCheckable(true);
        a->setObjectName(Kennl::Name(m));
        modusGruppe_->addAction(a);
        modi_[std::size_t(m)] = a;
        connect(a, &QAction::triggered, this, [this, m = m, a] {
            if (HilfeStatt(a->property("hilfe").toByteArray().constData())) {
                modi_[std::size_t(modus())]->setChecked(true); // help mode changes nothing
                return;
            }
            ModusWaehlen(m);
        });
    }
    modi_[std::size_t(modus())]->setChecked(true);
    leiste->insertSeparator(hilfe);
    bearbeiten->addSeparator();
    gruppeAnlegen(2);

    QMenu* ansicht = new QMenu("&Ansicht", this);
    ansichtMenue_ = ansicht;
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
        a->setObjectName(Kennl::DarstellungsName(d));
        darstellungen_[std::size_t(d - 1)] = a;
        auto* knopf = new Anzeigeknopf(leiste, [this] { HilfeStatt(H::Darstellung); });
        knopf->setIcon(KennlinienBild(bild));
        knopf->setToolTip(QString::fromUtf8(tipp));
        knopf->setObjectName(Kennl::DarstellungsKnopfName(d));
        leiste->insertWidget(hilfe, knopf);
        darstellungsKnoepfe_[std::size_t(d - 1)] = knopf;
        connect(a, &QAction::triggered, this, [this, d = d] {
            if (HilfeStatt(H::Darstellung)) {
                MenuesZeigen(Aenderung::Ansicht); // the mode in force stays checked
                return;
            }
            DarstellungWaehlen(d);
        });
    }
    leiste->insertSeparator(hilfe);
    ansicht->addSeparator();
    uebersichtAktion_ = Eintrag(ansicht, "DLM-7 Speicherübersicht…", nullptr, "", kSpeicheruebersichtHilfe, false);
    uebersichtAktion_->setObjectName("SPEICHERUEBERSICHT");
    connect(uebersichtAktion_, &QAction::triggered, this, [this] {
        if (!HilfeStatt(kSpeicheruebersichtHilfe)) SpeicheruebersichtOeffnen();
    });
    vergleich_->MenueAnlegen(ansicht);
    BildMenueAnlegen(
        *this, [this] { return GrafikExportieren(); }, [this] { return GrafikDrucken(); });
}

void KennlinienPanel::MenuesZeigen(Aenderungen a) {
    if (a & Aenderung::Ansicht) {
        for (int d = Linien; d <= LinienUndStufen; ++d) {
            darstellungen_[std::size_t(d - 1)]->setChecked(d == editor_.darstellung());
            darstellungsKnoepfe_[std::size_t(d - 1)]->setChecked(d == editor_.darstellung());
        }
    }
    if (a & Aenderung::Rueckgaengig) {
        befehle_[std::size_t(Befehl::Rueckgaengig)]->setEnabled(editor_.RueckgaengigMoeglich());
        befehle_[std::size_t(Befehl::Wiederherstellen)]->setEnabled(editor_.WiederherstellenMoeglich());
    }
}

void KennlinienPanel::Befehlen(Befehl b) {
    if (const int rc = handlungen_[std::size_t(b)](); rc != 0) QAV_Fehlerpopup(rc);
}

void KennlinienPanel::ModusWaehlen(Modus m) {
    maus_->ModusWaehlen(m);
    modi_[std::size_t(m)]->setChecked(true);
}

void KennlinienPanel::DarstellungWaehlen(int d) { editor_.DarstellungSetzen(d); }
