#include "uisupport/QtDialoge.h"

#include "uisupport/Hilfeblase.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <algorithm>

namespace {

QWidget* AktivesFenster() { return QApplication::activeWindow(); }

class QtFortschritt : public Fortschritt {
  public:
    QtFortschritt(const QString& titel, const QString& text, std::function<void()> abbrechen)
        : dialog_(text, abbrechen ? QStringLiteral("Abbrechen") : QString(), 0, 100, AktivesFenster()) {
        dialog_.setWindowTitle(titel);
        if (!abbrechen) dialog_.setCancelButton(nullptr);
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(0);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setMinimumWidth(320);
        dialog_.setValue(0);
        if (abbrechen) {
            // The work stops between two blocks; until then the dialog says so.
            QObject::connect(&dialog_, &QProgressDialog::canceled, &dialog_, [this, abbrechen] {
                dialog_.setLabelText(QStringLiteral("Wird abgebrochen …"));
                abbrechen();
            });
        }
        dialog_.show();
    }
    void Setzen(int prozent) override {
        if (!dialog_.wasCanceled()) dialog_.setValue(std::clamp(prozent, 0, 100));
    }

  private:
    QProgressDialog dialog_;
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
    QStringList filter{a.muster};
    if (!a.endungErzwingen) filter << "*";
    dlg.setNameFilters(filter);
    const QString endung = a.muster.startsWith("*.") ? a.muster.mid(2) : QString();
    if (a.speichern && !endung.isEmpty()) dlg.setDefaultSuffix(endung);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    QString pfad = dlg.selectedFiles().first();
    if (a.endungErzwingen && !endung.isEmpty() && QFileInfo(pfad).suffix().compare(endung, Qt::CaseInsensitive) != 0)
        pfad += "." + endung;
    return {DateiErgebnis::Art::Gewaehlt, pfad};
}

std::unique_ptr<Fortschritt> QtDialoge::FortschrittZeigen(const QString& titel, const QString& text,
                                                          std::function<void()> abbrechen) {
    return std::make_unique<QtFortschritt>(titel, text, std::move(abbrechen));
}

void QtDialoge::Hilfeblase(QWidget* eltern, const QRect& platz, const QString& text) {
    HilfeblaseZeigen(eltern, platz, text);
}
