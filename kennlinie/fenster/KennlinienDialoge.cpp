#include "kennlinie/fenster/KennlinienDialoge.h"

#include "kennlinie/KennlinieDatei.h"
#include "uisupport/Dialoge.h"
#include "uisupport/Zahlfeld.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

PunktFenster::PunktFenster(QWidget* eltern) : QDialog(eltern) {
    setObjectName("KEPUNKTPNL");
    setWindowTitle("Punkt");
    x_ = new Zahlfeld(this);
    x_->setObjectName("X");
    y_ = new Zahlfeld(this);
    y_->setObjectName("Y");
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OK");
    ok_->setDefault(true);
    auto* form = new QFormLayout;
    form->addRow("X", x_);
    form->addRow("Y", y_);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(form);
    auto* reihe = new QHBoxLayout;
    reihe->addStretch(1);
    reihe->addWidget(ok_);
    spalte->addLayout(reihe);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void PunktFenster::Fuellen(const QString& titel, double x, int xStellen, double y, int yStellen) {
    setWindowTitle(titel);
    x_->setStellen(xStellen);
    x_->setWert(x);
    y_->setStellen(yStellen);
    y_->setWert(y);
}

double PunktFenster::x() const {
    x_->Uebernehmen();
    return x_->wert();
}

double PunktFenster::y() const {
    y_->Uebernehmen();
    return y_->wert();
}

KommentarFenster::KommentarFenster(QWidget* eltern) : QDialog(eltern) {
    setObjectName("KOMM1PNL");
    setWindowTitle("Kommentar - Kennlinie");
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("KOMMENTARTEXT");
    text_->setTabChangesFocus(true);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OK");
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(text_, 1);
    auto* reihe = new QHBoxLayout;
    reihe->addStretch(1);
    reihe->addWidget(ok_);
    spalte->addLayout(reihe);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] { Begrenzen(); });
    resize(460, 260);
}

void KommentarFenster::TextSetzen(const QString& text) { text_->setPlainText(text); }

QString KommentarFenster::text() const { return text_->toPlainText(); }

void KommentarFenster::Begrenzen() {
    // Typing or pasting past the limit keeps the first 999 characters.
    const QString t = text_->toPlainText();
    if (t.size() <= kMaxZeichen) return;
    const QSignalBlocker sperre(text_);
    QTextCursor c = text_->textCursor();
    const int stelle = std::min(c.position(), int(kMaxZeichen));
    text_->setPlainText(t.left(kMaxZeichen));
    c = text_->textCursor();
    c.setPosition(stelle);
    text_->setTextCursor(c);
}

void KommentarFenster::accept() {
    // A comment the file cannot hold is refused here, not at the next save.
    if (const QString meldung = KommentarPruefen(text()); !meldung.isEmpty()) {
        dialoge().Meldung("Fehler", meldung);
        return;
    }
    QDialog::accept();
}

QString KommentarPruefen(const QString& text) {
    if (KommentarSpeicherbar(text.toStdString())) return {};
    if (text.size() > KommentarFenster::kMaxZeichen)
        return QString("Der Kommentar darf höchstens %1 Zeichen lang sein.").arg(KommentarFenster::kMaxZeichen);
    return "Der Kommentar enthält Zeichen, die in einer Kennliniendatei nicht gespeichert werden können.";
}
