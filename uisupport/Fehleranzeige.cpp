#include "uisupport/Fehleranzeige.h"

#include "uisupport/Lampe.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>

Fehleranzeige::Fehleranzeige(QWidget* parent)
    : QGroupBox(QStringLiteral("Fehler"), parent), lampe_(new Lampe(this)), text_(new QLineEdit(this)),
      nummerFeld_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FEHLERANZEIGE"));
    lampe_->setObjectName(QStringLiteral("FEHLERLED"));
    text_->setObjectName(QStringLiteral("FEHLERSTRING"));
    nummerFeld_->setObjectName(QStringLiteral("FEHLERNR"));
    lampe_->setFarbe(Lampe::Rot);

    for (QLineEdit* feld : {text_, nummerFeld_}) {
        feld->setReadOnly(true);
        feld->setFocusPolicy(Qt::NoFocus);
        feld->installEventFilter(this);
    }
    nummerFeld_->setAlignment(Qt::AlignRight);
    // Room for the six digits of a device code plus a little air.
    nummerFeld_->setFixedWidth(nummerFeld_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28);

    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(6, 4, 6, 6);
    zeile->addWidget(lampe_);
    zeile->addWidget(text_, 1);
    zeile->addWidget(nummerFeld_);
    connect(lampe_, &Lampe::geklickt, this, &Fehleranzeige::geklickt);
    Loeschen();
}

void Fehleranzeige::Setzen(int code, const QString& text) {
    if (code == 0) {
        Loeschen();
        return;
    }
    // Widened first: negating the most negative int would overflow.
    nummer_ = -static_cast<qint64>(code);
    lampe_->setAn(true);
    text_->setText(text);
    text_->setCursorPosition(0);
    text_->setToolTip(text);
    nummerFeld_->setText(QString::number(nummer_));
}

void Fehleranzeige::Loeschen() {
    nummer_ = 0;
    lampe_->setAn(false);
    text_->clear();
    text_->setToolTip(QString());
    nummerFeld_->setText(QStringLiteral("0"));
}

bool Fehleranzeige::lampeAn() const { return lampe_->an(); }

QString Fehleranzeige::text() const { return text_->text(); }

bool Fehleranzeige::eventFilter(QObject* objekt, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit geklickt();
    return QGroupBox::eventFilter(objekt, event);
}

void Fehleranzeige::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit geklickt();
    QGroupBox::mousePressEvent(event);
}
