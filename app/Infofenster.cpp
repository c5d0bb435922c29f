#include "app/Infofenster.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Infofenster::Infofenster(QWidget* eltern) : QDialog(eltern) {
    setObjectName("INFOPNL");
    setWindowTitle("Info");
    auto* spalte = new QVBoxLayout(this);
    auto* titel = new QLabel("DLM7D-Steuerung", this);
    QFont f = titel->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    titel->setFont(f);
    titel->setAlignment(Qt::AlignCenter);
    spalte->addWidget(titel);
    auto* form = new QFormLayout;
    version_ = new QLineEdit(this);
    version_->setObjectName("VERSION");
    version_->setReadOnly(true);
    datum_ = new QLineEdit(this);
    datum_->setObjectName("DATUM");
    datum_->setReadOnly(true);
    form->addRow("Version", version_);
    form->addRow("Datum", datum_);
    spalte->addLayout(form);
    auto* ok = new QPushButton("&OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addWidget(ok, 0, Qt::AlignHCenter);
    setModal(true);
}
