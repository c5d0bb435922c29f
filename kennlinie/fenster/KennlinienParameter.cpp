#include "kennlinie/fenster/KennlinienParameter.h"

#include "config/KonfigModell.h"
#include "config/KonfigUmrechnung.h"
#include "kennlinie/fenster/KennlinienDialoge.h"
#include "kennlinie/fenster/KennlinienHilfe.h"
#include "kennlinie/fenster/KennlinienSteuerelemente.h"
#include "uisupport/Hilfemodus.h"
#include "uisupport/Kurvenfenster.h"
#include "uisupport/Zahlfeld.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel* Beschriftung(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

Zahlfeld* Feld(Kennl::Feld f, const char* hilfe, QWidget* eltern) {
    auto* z = new Zahlfeld(eltern);
    z->setObjectName(Kennl::Name(f));
    z->setMinimumWidth(56);
    HilfetextSetzen(z, QString::fromUtf8(hilfe));
    return z;
}

} // namespace

KennlinienParameter::KennlinienParameter(KennlinienKontext k) : QObject(&k.fenster), k_(k) {}

QGroupBox* KennlinienParameter::KommentarGruppeAnlegen(QWidget* eltern) {
    auto* gruppe = new QGroupBox("Kommentar", eltern);
    auto* reihe = new QHBoxLayout(gruppe);
    vorschau_ = new QLineEdit(gruppe);
    vorschau_->setObjectName("KOMMENTARVORSCHAU");
    vorschau_->setReadOnly(true);
    vorschau_->setFocusPolicy(Qt::NoFocus);
    HilfetextSetzen(vorschau_, QString::fromUtf8(KennlHilfe::Vorschau));
    auto* knopf = new QPushButton("Kommentar", gruppe);
    knopf->setObjectName(Kennl::Name(Kennl::Knopf::Kommentar));
    HilfetextSetzen(knopf, QString::fromUtf8(KennlHilfe::Kommentar));
    connect(knopf, &QPushButton::clicked, this, [this] { KommentarBearbeiten(); });
    reihe->addWidget(vorschau_, 1);
    reihe->addWidget(knopf);
    return gruppe;
}

QGroupBox* KennlinienParameter::ParameterGruppeAnlegen(QWidget* eltern) {
    auto* gruppe = new QGroupBox("Parameter", eltern);
    auto* raster = new QGridLayout(gruppe);
    raster->setColumnStretch(1, 1);
    begrenzungText_ = Beschriftung("Analogausgang2 [V]", gruppe);
    begrenzungText_->setObjectName("BEGRENZUNGTEXT");
    raster->addWidget(begrenzungText_, 0, 0);
    begrenzung_ = Feld(Kennl::Feld::Begrenzung, KennlHilfe::Begrenzung, gruppe);
    raster->addWidget(begrenzung_, 0, 1);
    raster->addWidget(Beschriftung("Anstiegszeit-\nbegrenzung\nvon 0 auf 100%\n[ms]", gruppe), 1, 0);
    anstieg_ = Feld(Kennl::Feld::Anstiegszeit, KennlHilfe::Anstiegszeit, gruppe);
    anstieg_->setStellen(4);
    raster->addWidget(anstieg_, 1, 1);
    connect(begrenzung_, &Zahlfeld::wertGeaendert, this, [this](double v) { k_.editor.BegrenzungSetzen(v); });
    connect(anstieg_, &Zahlfeld::wertGeaendert, this, [this](double ms) { k_.editor.AnstiegszeitSetzen(ms); });
    return gruppe;
}

void KennlinienParameter::Zeigen(Aenderungen a) {
    const KennlinienEditor& e = k_.editor;
    if (a & Aenderung::Einheiten) {
        const KonfigDaten& k = k_.konfig.daten();
        const BegrenzungFeld b = BegrenzungEinrichten(k);
        begrenzungText_->setText(QString::fromStdString(b.beschriftung));
        begrenzung_->setBereich(b.min, b.max);
        begrenzung_->setStellen(Nachkommastellen(k, Seite::Ausgang, 1));
    }
    if (a & Aenderung::Parameter) {
        begrenzung_->setWert(e.begrenzung());
        anstieg_->setWert(e.anstiegszeit());
    }
    if (a & Aenderung::Kommentar) {
        // One line of text: the preview ends at the first line break.
        const QString text = QString::fromStdString(KommentarVorschau(e.kurve().kommentar));
        vorschau_->setText(text.section('\n', 0, 0));
        vorschau_->setCursorPosition(0);
    }
}

void KennlinienParameter::KommentarBearbeiten() {
    if (gHilfeAktiv) return;
    if (!kommentarFenster_) {
        kommentarFenster_ = new KommentarFenster(&k_.fenster);
        connect(kommentarFenster_, &QDialog::finished, this,
                [this](int r) { KommentarFertig(r == QDialog::Accepted); });
    }
    kommentarFenster_->TextSetzen(QString::fromStdString(k_.editor.kurve().kommentar));
    kommentarFenster_->open();
}

void KennlinienParameter::DialogSchliessen() {
    if (kommentarFenster_) kommentarFenster_->reject();
}

void KennlinienParameter::KommentarFertig(bool ok) {
    // Closing the editor without OK keeps the comment as it was.
    if (ok) k_.editor.KommentarSetzen(kommentarFenster_->text().toStdString());
}
