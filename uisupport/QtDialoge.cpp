#include "uisupport/QtDialoge.h"

#include "uisupport/Fenstersperre.h"
#include "uisupport/Hilfeblase.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QWidget* AktivesFenster() { return QApplication::activeWindow(); }

// "dle" of "*.dle" or of "PNG-Bild (*.png)".
QString EndungVon(const QString& filter) {
    const int i = filter.indexOf(QLatin1String("*."));
    if (i < 0) return {};
    QString e = filter.mid(i + 2);
    const int ende = e.indexOf(QRegularExpression(QStringLiteral("[ );]")));
    return ende < 0 ? e : e.left(ende);
}

// A progress window of our own rather than QProgressDialog: that one runs the
// event loop inside setValue when it is modal, and the result handed over in
// that loop may release the dialog under its own call. Here an update only
// stores values; the window repaints from the normal loop.
class FortschrittsDialog : public QDialog {
  public:
    FortschrittsDialog(const QString& titel, const QString& text, bool abbrechbar, QWidget* eltern)
        : QDialog(eltern, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
        setWindowTitle(titel);
        setMinimumWidth(320);
        auto* spalte = new QVBoxLayout(this);
        text_ = new QLabel(text, this);
        balken_ = new QProgressBar(this);
        balken_->setRange(0, 100);
        balken_->setValue(0);
        rest_ = new QLabel(this);
        rest_->setObjectName("RESTZEIT");
        spalte->addWidget(text_);
        spalte->addWidget(balken_);
        spalte->addWidget(rest_);
        if (abbrechbar) {
            abbrechen_ = new QPushButton(QStringLiteral("&Abbrechen"), this);
            // Enter and Escape belong to whatever the user meant elsewhere;
            // only a click or Alt+A stops the transfer.
            abbrechen_->setAutoDefault(false);
            abbrechen_->setDefault(false);
            abbrechen_->setFocusPolicy(Qt::NoFocus);
            auto* reihe = new QHBoxLayout;
            reihe->addStretch(1);
            reihe->addWidget(abbrechen_);
            spalte->addLayout(reihe);
        }
    }

    QPushButton* abbrechenKnopf() const { return abbrechen_; }
    void Setzen(int prozent) { balken_->setValue(std::clamp(prozent, 0, 100)); }
    void RestzeitSetzen(double sekunden) {
        rest_->setText(QStringLiteral("Verbleibende Zeit: %1").arg(SekundenText(std::max(0.0, sekunden))));
    }
    void Abbrechend() {
        text_->setText(QStringLiteral("Wird abgebrochen …"));
        if (abbrechen_) abbrechen_->setEnabled(false);
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter: e->accept(); return;
        default: QWidget::keyPressEvent(e);
        }
    }
    // Neither the window's close box nor reject() ends a transfer.
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
    void reject() override {}

  private:
    QLabel* text_;
    QProgressBar* balken_;
    QLabel* rest_;
    QPushButton* abbrechen_ = nullptr;
};

// Over a tool window the dialog shuts that window alone (Fenstersperre), so
// the others stay in reach; anywhere else it is modal to its window.
class QtFortschritt : public Fortschritt {
  public:
    QtFortschritt(const QString& titel, const QString& text, std::function<void()> abbrechen, QWidget* fenster)
        : sperre_(std::make_unique<Fenstersperre>(Fenstersperre::FensterVon(fenster))),
          dialog_(new FortschrittsDialog(titel, text, bool(abbrechen), fenster ? fenster : AktivesFenster())) {
        if (!Fenstersperre::FensterVon(fenster)) dialog_->setWindowModality(Qt::WindowModal);
        if (QPushButton* k = dialog_->abbrechenKnopf()) {
            // The work stops between two blocks; until then the dialog says so.
            FortschrittsDialog* d = dialog_;
            QObject::connect(k, &QPushButton::clicked, d, [d, abbrechen] {
                d->Abbrechend();
                abbrechen();
            });
        }
        dialog_->show();
    }
    ~QtFortschritt() override {
        // Hidden at once, freed from the event loop: a call of the dialog's own
        // (the click on "Abbrechen") may still be on the stack.
        if (dialog_) {
            // The cancel function may refer to the finished operation.
            if (QPushButton* k = dialog_->abbrechenKnopf()) QObject::disconnect(k, nullptr, dialog_, nullptr);
            dialog_->hide();
            dialog_->deleteLater();
        }
    }
    void Setzen(int prozent) override {
        if (dialog_) dialog_->Setzen(prozent);
    }
    void RestzeitSetzen(double sekunden) override {
        if (dialog_) dialog_->RestzeitSetzen(sekunden);
    }

  private:
    std::unique_ptr<Fenstersperre> sperre_;
    QPointer<FortschrittsDialog> dialog_;
};

} // namespace

void QtDialoge::Meldung(const QString& titel, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, titel, text, QMessageBox::Ok, AktivesFenster());
    box.exec();
}

int QtDialoge::Frage(const QString& titel, const QString& text, const QStringList& knoepfe, int enterKnopf,
                     int escKnopf) {
    QMessageBox box(QMessageBox::NoIcon, titel, text, QMessageBox::NoButton, AktivesFenster());
    std::vector<QPushButton*> buttons;
    for (const auto& k : knoepfe) buttons.push_back(box.addButton(k, QMessageBox::ActionRole));
    if (enterKnopf >= 1 && enterKnopf <= int(buttons.size())) box.setDefaultButton(buttons[enterKnopf - 1]);
    if (escKnopf >= 1 && escKnopf <= int(buttons.size())) box.setEscapeButton(buttons[escKnopf - 1]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return int(i) + 1;
    return escKnopf;
}

DateiErgebnis QtDialoge::Datei(const DateiAuswahl& a) {
    QFileDialog dlg(AktivesFenster(), a.titel, a.startVerzeichnis.isEmpty() ? QDir::currentPath() : a.startVerzeichnis);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(a.speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !a.ueberschreibenFragen);
    dlg.setFileMode(a.speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filter = a.filter.isEmpty() ? QStringList{a.muster} : a.filter;
    if (!a.endungErzwingen) filter << "*";
    dlg.setNameFilters(filter);
    const QString endung = EndungVon(filter.first());
    if (a.speichern && !endung.isEmpty()) dlg.setDefaultSuffix(endung);
    // The typed name gets the extension of the format chosen last.
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg, speichern = a.speichern](const QString& f) {
        if (speichern && !EndungVon(f).isEmpty()) dlg.setDefaultSuffix(EndungVon(f));
    });
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    QString pfad = dlg.selectedFiles().first();
    const QString suffix = QFileInfo(pfad).suffix();
    const bool bekannt = std::any_of(filter.begin(), filter.end(), [&](const QString& f) {
        return !EndungVon(f).isEmpty() && suffix.compare(EndungVon(f), Qt::CaseInsensitive) == 0;
    });
    const QString gewaehlt = EndungVon(dlg.selectedNameFilter());
    if (a.endungErzwingen && !gewaehlt.isEmpty() && !bekannt) pfad += "." + gewaehlt;
    return {DateiErgebnis::Art::Gewaehlt, pfad};
}

std::unique_ptr<Fortschritt> QtDialoge::FortschrittZeigen(const QString& titel, const QString& text,
                                                          std::function<void()> abbrechen, QWidget* fenster) {
    return std::make_unique<QtFortschritt>(titel, text, std::move(abbrechen), fenster);
}

bool QtDialoge::Drucken(QPrinter& drucker) {
    QPrintDialog dlg(&drucker, AktivesFenster());
    dlg.setWindowTitle(QStringLiteral("Drucken"));
    return dlg.exec() == QDialog::Accepted;
}

void QtDialoge::Hilfeblase(QWidget* eltern, const QRect& platz, const QString& text) {
    HilfeblaseZeigen(eltern, platz, text);
}
