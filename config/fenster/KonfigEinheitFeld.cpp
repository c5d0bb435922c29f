#include "config/fenster/KonfigEinheitFeld.h"

#include "config/KonfigDaten.h"

#include <QValidator>

namespace {

class EinheitValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override {
        return EinheitGueltig(text.toUtf8().toStdString()) ? Acceptable : Invalid;
    }
};

} // namespace

KonfigEinheitFeld::KonfigEinheitFeld(QWidget* eltern) : QLineEdit(eltern) { setValidator(new EinheitValidator(this)); }
