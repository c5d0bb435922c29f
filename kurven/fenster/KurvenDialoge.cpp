// The Qt side of the window's modal inputs.
#include "kurven/fenster/KurvenEingaben.h"

#include "kurven/KurvenModell.h"
#include "uisupport/Zahlfeld.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

using namespace kurvengenerator;

namespace {

// Closes only with its OK button: Escape and the close box do nothing.
class NurOkDialog : public QDialog {
  public:
    NurOkDialog(QWidget* eltern, const QString& titel) : QDialog(eltern) {
        setWindowTitle(titel);
        setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint & ~Qt::WindowCloseButtonHint);
        spalte_ = new QVBoxLayout(this);
    }
    void reject() override {}
    QVBoxLayout* spalte() const { return spalte_; }
    void OkAnhaengen() {
        auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
        knoepfe->button(QDialogButtonBox::Ok)->setText("OK");
        connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
            // A field still being edited counts as committed.
            for (auto* f : findChildren<Zahlfeld*>()) f->Uebernehmen();
            accept();
        });
        spalte_->addWidget(knoepfe);
    }
    void Unter(QPoint wo) {
        adjustSize();
        if (!wo.isNull()) move(wo + QPoint(0, 20));
    }

  private:
    QVBoxLayout* spalte_;
};

struct Zeitfelder {
    std::array<Zahlfeld*, 4> f{};
    Zeitfelder(QWidget* eltern, QFormLayout* form, const Zeitangabe& z) {
        const char* namen[] = {"Stunden", "Minuten", "Sekunden", "Millisekunden"};
        const double werte[] = {z.stunden, z.minuten, z.sekunden, z.millisekunden};
        for (std::size_t i = 0; i < f.size(); ++i) {
            f[i] = new Zahlfeld(eltern);
            f[i]->setStellen(i == 3 ? 3 : 0);
            f[i]->setExakt(true);
            f[i]->setBereich(0.0, 1e12);
            f[i]->setWert(werte[i]);
            f[i]->setObjectName(namen[i]);
            form->addRow(namen[i], f[i]);
        }
    }
    Zeitangabe Lesen() const { return {f[0]->wert(), f[1]->wert(), f[2]->wert(), f[3]->wert()}; }
};

class QtKurvenEingaben : public KurvenEingaben {
  public:
    QString Kommentar(QWidget* eltern, const QString& titel, const QString& text) override {
        NurOkDialog d(eltern, titel);
        auto* feld = new QPlainTextEdit(&d);
        feld->setObjectName("KOMMENTAR");
        feld->setPlainText(text.left(kKommentarZeichen));
        QObject::connect(feld, &QPlainTextEdit::textChanged, feld, [feld] {
            const QString t = feld->toPlainText();
            if (t.size() <= kKommentarZeichen) return;
            const QSignalBlocker sperre(feld);
            feld->setPlainText(t.left(kKommentarZeichen));
            feld->moveCursor(QTextCursor::End);
        });
        d.spalte()->addWidget(feld);
        d.OkAnhaengen();
        d.resize(420, 260);
        d.exec();
        return feld->toPlainText();
    }

    Punktwerte Punkt(QWidget* eltern, QPoint wo, const QString& titel, const Punktwerte& p,
                     const QString& einheit) override {
        NurOkDialog d(eltern, titel);
        auto* form = new QFormLayout;
        Zeitfelder zeit(&d, form, p.zeit);
        auto* wert = new Zahlfeld(&d);
        wert->setObjectName("Wert");
        wert->setStellen(3);
        wert->setExakt(true);
        wert->setWert(p.wert);
        form->addRow(QString("Wert [%1]").arg(einheit), wert);
        d.spalte()->addLayout(form);
        d.OkAnhaengen();
        d.Unter(wo);
        d.exec();
        return {zeit.Lesen(), wert->wert()};
    }

    Zeitangabe Gerade(QWidget* eltern, QPoint wo, const QString& titel, const Zeitangabe& dauer) override {
        NurOkDialog d(eltern, titel);
        auto* form = new QFormLayout;
        Zeitfelder zeit(&d, form, dauer);
        d.spalte()->addLayout(form);
        d.OkAnhaengen();
        d.Unter(wo);
        d.exec();
        return zeit.Lesen();
    }

    int Zeitbasis(QWidget* eltern, QPoint wo, int aktuell) override {
        QMenu menue("Zeitbasis", eltern);
        menue.addSection("Zeitbasis");
        for (int code = 1; code <= kZeitbasen; ++code) {
            QAction* a = menue.addAction(ZeitbasisText(code));
            a->setCheckable(true);
            a->setChecked(code == aktuell);
            a->setData(code);
        }
        QAction* gewaehlt = menue.exec(wo);
        return gewaehlt ? gewaehlt->data().toInt() : 0;
    }
};

} // namespace

std::unique_ptr<KurvenEingaben> QtKurvenEingabenAnlegen() { return std::make_unique<QtKurvenEingaben>(); }
