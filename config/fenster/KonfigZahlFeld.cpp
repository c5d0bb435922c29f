#include "config/fenster/KonfigZahlFeld.h"

#include "kern/Dezimal.h"

#include <QRegularExpression>
#include <QValidator>
#include <charconv>
#include <cmath>

namespace {

constexpr int kMaxStellen = 17;
// Beyond this, fixed notation gets long; the shortest exponent form is used instead.
constexpr double kFestGrenze = 1e15;

class ZahlValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override {
        static const QRegularExpression teil(R"(^[+-]?\d*([.,]\d*)?([eE][+-]?\d*)?$)");
        if (!teil.match(text).hasMatch()) return Invalid;
        double v = 0.0;
        if (!KonfigZahlFeld::Lesen(text, v)) return Intermediate;
        // What the field shows is what the record gets: a keystroke past the limit is refused.
        return std::fabs(v) <= KonfigZahlFeld::kGrenze ? Acceptable : Invalid;
    }
};

// Locale-independent both ways, so '.' is the separator whatever LC_NUMERIC says.
bool ExaktLesbar(const std::string& text, double v) {
    double d = 0.0;
    return DezimalLesen(text, d) && d == v;
}

} // namespace

KonfigZahlFeld::KonfigZahlFeld(int mindestStellen, QWidget* eltern)
    : QLineEdit(eltern), mindestStellen_(mindestStellen) {
    setValidator(new ZahlValidator(this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setWert(0.0);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        double v = 0.0;
        if (Lesen(t, v) && std::fabs(v) <= kGrenze) wert_ = v;
    });
    connect(this, &QLineEdit::editingFinished, this, [this] { Normalisieren(); });
}

double KonfigZahlFeld::wert() const {
    return wert_;
}

void KonfigZahlFeld::setWert(double v) {
    // Callers (the record) never hold non-finite numbers; keep the field defined anyway.
    if (!std::isfinite(v)) v = 0.0;
    setText(Text(v, mindestStellen_));
    wert_ = v;
}

void KonfigZahlFeld::Normalisieren() {
    const QString soll = Text(wert_, mindestStellen_);
    if (text() != soll) setText(soll);
}

void KonfigZahlFeld::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    Normalisieren();
}

QString KonfigZahlFeld::Text(double v, int mindestStellen) {
    if (v == 0.0) v = 0.0; // no "-0.0"
    if (std::fabs(v) < kFestGrenze) {
        for (int stellen = mindestStellen; stellen <= kMaxStellen; ++stellen) {
            const std::string text = DezimalText(v, stellen);
            if (ExaktLesbar(text, v)) return QString::fromStdString(text);
        }
    }
    char puffer[64];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, v);
    return QString::fromLatin1(puffer, int(ende.ptr - puffer));
}

bool KonfigZahlFeld::Lesen(const QString& text, double& v) {
    QByteArray roh = text.trimmed().toLatin1();
    roh.replace(',', '.');
    return DezimalLesen(std::string_view(roh.constData(), std::size_t(roh.size())), v);
}
