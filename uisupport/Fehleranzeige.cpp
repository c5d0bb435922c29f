#include "uisupport/Fehleranzeige.h"

#include "uisupport/Lampe.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>

Fehleranzeige::Fehleranzeige(QWidget* parent)
    : QGroupBox(QStringLiteral("Fehler"), parent), m_lampe(new Lampe(this)), m_text(new QLineEdit(this)),
      m_nummerFeld(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FEHLERANZEIGE"));
    m_lampe->setObjectName(QStringLiteral("FEHLERLED"));
    m_text->setObjectName(QStringLiteral("FEHLERSTRING"));
    m_nummerFeld->setObjectName(QStringLiteral("FEHLERNR"));
    m_lampe->setFarbe(Lampe::Rot);

    for (QLineEdit* feld : {m_text, m_nummerFeld}) {
        feld->setReadOnly(true);
        feld->setFocusPolicy(Qt::NoFocus);
        feld->installEventFilter(this);
    }
    m_nummerFeld->setAlignment(Qt::AlignRight);
    // Room for the six digits of a device code plus a little air.
    m_nummerFeld->setFixedWidth(m_nummerFeld->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    m_text->setMinimumWidth(m_text->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28);

    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(6, 4, 6, 6);
    zeile->addWidget(m_lampe);
    zeile->addWidget(m_text, 1);
    zeile->addWidget(m_nummerFeld);
    connect(m_lampe, &Lampe::geklickt, this, &Fehleranzeige::geklickt);
    Loeschen();
}

void Fehleranzeige::Setzen(int code, const QString& text) {
    if (code == 0) {
        Loeschen();
        return;
    }
    // Widened first: negating the most negative int would overflow.
    m_nummer = -static_cast<qint64>(code);
    m_lampe->setAn(true);
    m_text->setText(text);
    m_text->setCursorPosition(0);
    m_text->setToolTip(text);
    m_nummerFeld->setText(QString::number(m_nummer));
}

void Fehleranzeige::Loeschen() {
    m_nummer = 0;
    m_lampe->setAn(false);
    m_text->clear();
    m_text->setToolTip(QString());
    m_nummerFeld->setText(QStringLiteral("0"));
}

bool Fehleranzeige::lampeAn() const { return m_lampe->an(); }

QString Fehleranzeige::text() const { return m_text->text(); }

bool Fehleranzeige::eventFilter(QObject* objekt, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit geklickt();
    return QGroupBox::eventFilter(objekt, event);
}

void Fehleranzeige::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit geklickt();
    QGroupBox::mousePressEvent(event);
}
