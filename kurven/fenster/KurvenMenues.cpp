// Menus and toolbar of the curve-generator window, built here alone: a menu
// entry is one line of a table with its handler. Each toolbar button is the
// QAction of its menu entry, so check marks and dimming never drift; they
// are set from the editor's announcements.
#include "kurven/fenster/KurvenHilfe.h"
#include "kurven/fenster/KurvenPanel.h"

#include "uisupport/BildFenster.h"
#include "uisupport/Bilder.h"
#include "uisupport/Fehlerpopup.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/ToolbarBindung.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>

using namespace kurvengenerator;

static void KgBilderEinbinden() {
    // A static library would otherwise let the linker drop the pictures.
    Q_INIT_RESOURCE(kurvenbilder);
}

namespace {

QIcon KgBild(const char* name) {
    static const bool eingebunden = (KgBilderEinbinden(), true);
    Q_UNUSED(eingebunden);
    return QIcon(QStringLiteral(":/bilder/kg_%1.svg").arg(QLatin1String(name)));
}

// The toolbar's children are left alone by the help filter (their actions
// test the mode); the ring is no action, so it shows its text itself.
class RingHilfe : public QObject {
  public:
    RingHilfe(QObject* eltern, std::function<void()> zeigen) : QObject(eltern), zeigen_(std::move(zeigen)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (!gHilfeAktiv) return false;
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) zeigen_();
            return true;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress: return true;
        default: return false;
        }
    }

  private:
    std::function<void()> zeigen_;
};

struct Eintrag {
    KurvenPanel::Befehl befehl;
    const char* text;
    const char* bild; // nullptr: menu only
    const char* tipp;
    const char* hilfe;
    QList<QKeySequence> tasten;
    std::function<int()> ausfuehren;
};

} // namespace

QAction* KurvenPanel::aktion(Befehl b) const {
    for (const Menuebefehl& m : befehle_)
        if (m.befehl == b) return m.aktion;
    return nullptr;
}

void KurvenPanel::Ausfuehren(Befehl b) {
    for (const Menuebefehl& m : befehle_)
        if (m.befehl == b) {
            if (const int code = m.ausfuehren(); code != 0) QAV_Fehlerpopup(code);
            return;
        }
}

void KurvenPanel::MenuesAnlegen() {
    QToolBar* leiste = werkzeugleiste();
    QAction* hilfe = direkthilfeAktion(); // the help button stays last
    leiste->removeAction(hilfe);
    const auto anlegen = [&](QMenu* menue, QAction* vor, const Eintrag& e) {
        QAction* a = BefehlAnlegen(menue, nullptr, QString::fromUtf8(e.text), e.bild ? KgBild(e.bild) : QIcon(),
                                   QString::fromUtf8(e.tipp));
        if (vor) {
            menue->removeAction(a);
            menue->insertAction(vor, a);
        }
        if (e.bild) leiste->addAction(a);
        a->setShortcuts(e.tasten);
        a->setObjectName(Name(e.befehl));
        befehle_.push_back({e.befehl, a, e.ausfuehren});
        connect(a, &QAction::triggered, this, [this, b = e.befehl, h = e.hilfe] {
            if (!HilfeStatt(h)) Ausfuehren(b);
        });
        return a;
    };

    using B = Befehl;
    // One line per entry.
    // clang-format off
    const Eintrag datei[] = {
        {B::Neu, "Neu", "neu", "Neu", KgHilfe::Neu, {QKeySequence::New}, [this] { return NeuMenue(); }},
        {B::Laden, "Kurven laden", "laden", "Kurven Laden", KgHilfe::Laden, {QKeySequence::Open}, [this] { return KurvenLadenMenue(); }},
        {B::Anhaengen, "Kurven anhängen", nullptr, "", KgHilfe::Anhaengen, {}, [this] { return KurvenAnhaengenMenue(); }},
        {B::Speichern, "Kurven speichern", "speichern", "Kurven Speichern", KgHilfe::Speichern, {QKeySequence::Save}, [this] { return KurvenSpeichernMenue(false); }},
        {B::SpeichernUnter, "Kurven speichern unter", nullptr, "", KgHilfe::SpeichernUnter, {}, [this] { return KurvenSpeichernMenue(true); }},
        {B::Importieren, "Kurven importieren", nullptr, "", KgHilfe::Importieren, {}, [this] { return KurvenImportierenMenue(); }},
        {B::Exportieren, "Kurven exportieren", nullptr, "", KgHilfe::Exportieren, {}, [this] { return KurvenExportierenMenue(); }},
        {B::CsvExportieren, "Tabelle als CSV exportieren…", nullptr, "", KgHilfe::CsvExportieren, {}, [this] { return TabelleExportierenMenue(); }},
    };
    // clang-format on
    for (const Eintrag& e : datei) anlegen(dateiMenue(), beendenAktion(), e);
    dateiMenue()->insertSeparator(beendenAktion());
    leiste->addSeparator();

    QMenu* bearbeiten = new QMenu("&Bearbeiten", this);
    menuBar()->insertMenu(fensterMenue()->menuAction(), bearbeiten);
    // One line per entry.
    // clang-format off
    const Eintrag befehle[] = {
        {B::Ausschneiden, "Ausschneiden", "ausschneiden", "Ausschneiden", KgHilfe::Ausschneiden, {QKeySequence::Cut}, [this] { return Bearbeitet(editor_.Ausschneiden()); }},
        {B::Kopieren, "Kopieren", "kopieren", "Kopieren", KgHilfe::Kopieren, {QKeySequence::Copy}, [this] { return editor_.Kopieren(); }},
        {B::Einfuegen, "Einfügen", "einfuegen", "Einfügen", KgHilfe::Einfuegen, {QKeySequence::Paste}, [this] { return Bearbeitet(editor_.Einfuegen()); }},
        {B::Loeschen, "Löschen", "loeschen", "Löschen", KgHilfe::Loeschen, {QKeySequence(Qt::Key_Delete)}, [this] { return Bearbeitet(editor_.Loeschen()); }},
        {B::AllesMarkieren, "Alles Markieren", nullptr, "", KgHilfe::AllesMarkieren, {QKeySequence::SelectAll}, [this] { return editor_.AllesMarkieren(), 0; }},
        {B::Rueckgaengig, "Rückgängig", "rueckgaengig", "Rückgängig", KgHilfe::Rueckgaengig, {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { return Bearbeitet(editor_.Rueckgaengig()); }},
        {B::Wiederherstellen, "Wiederherstellen", "wiederherstellen", "Wiederherstellen", KgHilfe::Wiederherstellen, {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, [this] { return Bearbeitet(editor_.Wiederherstellen()); }},
    };
    // clang-format on
    for (const Eintrag& e : befehle) anlegen(bearbeiten, nullptr, e);
    bearbeiten->addSeparator();
    leiste->addSeparator();

    struct ModusEintrag {
        Bearbeitungsmodus m;
        const char* bild;
        const char* hilfe;
    };
    using M = Bearbeitungsmodus;
    const ModusEintrag modi[] = {
        {M::Markieren, "markieren", KgHilfe::Markieren},
        {M::Zeichnen, "stift", KgHilfe::Zeichnen},
        {M::Verschieben, "verschieben", KgHilfe::Verschieben},
        {M::Koordinaten, "punktinfo", KgHilfe::KoordinatenAendern},
        {M::Anzeigen, "xyzeigen", KgHilfe::Anzeigen},
        {M::Aufloesen, "punktdel", KgHilfe::Aufloesen},
        {M::Teilen, "geradeteilen", KgHilfe::Teilen},
        {M::Zeitbasis, "zeitbasis", KgHilfe::Zeitbasis},
        {M::Laenge, "geradenlaenge", KgHilfe::Laenge},
    };
    auto* modusGruppe = new QActionGroup(this);
    for (const ModusEintrag& e : modi) {
        QAction* a = AuswahlAnlegen(modusGruppe, bearbeiten, leiste, QString::fromUtf8(ModusMenuText(e.m)),
                                    KgBild(e.bild), QString::fromUtf8(ModusText(e.m)));
        a->setObjectName(Name(e.m));
        modi_[std::size_t(e.m)] = a;
        connect(a, &QAction::triggered, this, [this, m = e.m, h = e.hilfe] {
            if (HilfeStatt(h)) {
                modusAktion(editor_.modus())->setChecked(true); // help mode changes nothing
                return;
            }
            editor_.ModusWaehlen(m);
        });
    }
    modusAktion(editor_.modus())->setChecked(true);

    ring_ = new QComboBox(leiste);
    ring_->setObjectName("ZEITBASIS");
    ring_->setToolTip("Zeitbasis");
    for (int code = 1; code <= kZeitbasen; ++code) ring_->addItem(ZeitbasisRingText(code), code);
    ring_->setFixedWidth(ring_->sizeHint().width());
    ring_->installEventFilter(new RingHilfe(ring_, [this] { HilfeStatt(KgHilfe::Ring); }));
    leiste->addWidget(ring_);
    leiste->addSeparator();

    AnsichtMenueAnlegen();
    leiste->addSeparator();
    leiste->addAction(hilfe);
    BildMenueAnlegen(
        *this, [this] { return GrafikExportieren(); }, [this] { return GrafikDrucken(); });
}

void KurvenPanel::AnsichtMenueAnlegen() {
    QToolBar* leiste = werkzeugleiste();
    QMenu* ansicht = new QMenu("&Ansicht", this);
    menuBar()->insertMenu(fensterMenue()->menuAction(), ansicht);
    using B = Befehl;
    // One line per entry.
    // clang-format off
    const Eintrag zooms[] = {
        {B::ZoomPlus, "Zoom +", "zoomplus", "Zoom +", KgHilfe::ZoomPlus, {QKeySequence::ZoomIn}, [this] { return editor_.ZoomPlus(), 0; }},
        {B::ZoomMinus, "Zoom -", "zoomminus", "Zoom -", KgHilfe::ZoomMinus, {QKeySequence::ZoomOut}, [this] { return editor_.ZoomMinus(), 0; }},
        {B::ZoomMarkierung, "Zoom Markierung", "zoommark", "Zoom Markierung", KgHilfe::ZoomMarkierung, {}, [this] { return editor_.ZoomMarkierung(), 0; }},
        {B::ZoomGesamt, "Zoom Gesammtkurve", "zoomvoll", "Zoom Gesammtkurve", KgHilfe::ZoomGesamt, {}, [this] { return editor_.ZoomGesamt(), 0; }},
    };
    // clang-format on
    for (const Eintrag& e : zooms) {
        QAction* a =
            BefehlAnlegen(ansicht, leiste, QString::fromUtf8(e.text), KgBild(e.bild), QString::fromUtf8(e.tipp));
        a->setShortcuts(e.tasten);
        a->setObjectName(Name(e.befehl));
        befehle_.push_back({e.befehl, a, e.ausfuehren});
        connect(a, &QAction::triggered, this, [this, b = e.befehl, h = e.hilfe] {
            if (!HilfeStatt(h)) Ausfuehren(b);
        });
    }
    ansicht->addSeparator();
    leiste->addSeparator();

    QMenu* kurven = ansicht->addMenu("Kurve bearbeiten");
    auto* kurvenGruppe = new QActionGroup(this);
    const char* bilder[] = {"k1", "k2", "k3", "k4"};
    for (int k = 0; k < kKurvenzahl; ++k) {
        QAction* a = AuswahlAnlegen(kurvenGruppe, kurven, leiste, QString("Kurve %1").arg(k + 1), KgBild(bilder[k]),
                                    QString("Kurve %1 bearbeiten").arg(k + 1));
        a->setObjectName(KurvenName(k));
        kurvenWahl_[std::size_t(k)] = a;
        connect(a, &QAction::triggered, this, [this, k] {
            if (HilfeStatt(KgHilfe::KurveWaehlen)) {
                kurvenAktion(editor_.aktuelleKurve())->setChecked(true);
                return;
            }
            KurveWaehlen(k);
        });
    }
    kurvenAktion(0)->setChecked(true);

    // The background and display buttons of the toolbar are invisible: the menu is their only face.
    QMenu* hinten = ansicht->addMenu("Im Hintergrund zeigen");
    for (int k = 0; k < kKurvenzahl; ++k) {
        QAction* a = UmschalterAnlegen(hinten, nullptr, QString("Kurve %1").arg(k + 1), {},
                                       QString("Kurve %1 im Hintergrund").arg(k + 1));
        a->setObjectName(HintergrundName(k));
        hintergrundWahl_[std::size_t(k)] = a;
        connect(a, &QAction::triggered, this, [this, k] {
            if (HilfeStatt(KgHilfe::Hintergrund)) {
                hintergrundAktion(k)->setChecked(editor_.hintergrund(k));
                return;
            }
            editor_.HintergrundSetzen(k, hintergrundAktion(k)->isChecked());
        });
    }
    QMenu* darstellung = ansicht->addMenu("Kurvendarstellung");
    auto* darstellungGruppe = new QActionGroup(this);
    const std::pair<int, const char*> arten[] = {
        {LinienUndStufen, "Linien + Stufen"}, {NurLinien, "Linien"}, {NurStufen, "Stufen"}};
    const char* tipps[] = {"", "Kurven als Linien darstellen", "Kurven als Stufen darstellen",
                           "Kurven als Linien + Stufen darstellen"};
    for (const auto& [d, text] : arten) {
        QAction* a = AuswahlAnlegen(darstellungGruppe, darstellung, nullptr, text, {}, tipps[d]);
        a->setObjectName(DarstellungsName(d));
        darstellungWahl_[std::size_t(d - 1)] = a;
        connect(a, &QAction::triggered, this, [this, d = d] {
            if (HilfeStatt(KgHilfe::Darstellung)) {
                darstellungAktion(editor_.darstellung())->setChecked(true);
                return;
            }
            editor_.DarstellungWaehlen(d);
        });
    }
    VergleichMenueAnlegen(ansicht);
}
