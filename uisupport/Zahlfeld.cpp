#include "uisupport/Zahlfeld.h"

#include "kern/Dezimal.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxStellen = 17;
// Beyond this, fixed notation gets long; the shortest exponent form is used instead.
constexpr double kFestGrenze = 1e15;

// Only the form of a number is checked while typing, never the range.
class ZahlValidator : public QValidator {
  public:
    explicit ZahlValidator(Zahlfeld* feld) : QValidator(feld), feld_(feld) {}

    State validate(QString& text, int&) const override {
        static const QRegularExpression zahl(R"(^[+-]?\d*([.,]\d*)?([eE][+-]?\d*)?$)");
        static const QRegularExpression ganz(R"(^[+-]?\d*$)");
        if (!(feld_->stellen() == 0 ? ganz : zahl).match(text).hasMatch()) return Invalid;
        double v = 0.0;
        if (!Zahlfeld::Lesen(text, v)) return Intermediate;
        return std::fabs(v) <= feld_->tippGrenze() ? Acceptable : Invalid;
    }

  private:
    const Zahlfeld* feld_;
};

// Fewest decimals (up to 15) that write v so that it reads back, or -1.
int Dezimalstellen(double v) {
    for (int k = 0; k <= 15; ++k) {
        double zurueck = 0.0;
        if (DezimalLesen(DezimalText(v, k), zurueck) && zurueck == v) return k;
    }
    return -1;
}

// a + b as a decimal sum: 0.1 + 0.2 steps to 0.3, not to 0.30000000000000004.
double Summe(double a, double b) {
    const double s = a + b;
    const int ka = Dezimalstellen(a), kb = Dezimalstellen(b);
    double r = s;
    if (ka < 0 || kb < 0 || !DezimalLesen(DezimalText(s, std::max(ka, kb)), r)) return s;
    return r;
}

} // namespace

Zahlfeld::Zahlfeld(QWidget* parent) : QLineEdit(parent) {
    setValidator(new ZahlValidator(this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
        bearbeitet_ = true;
        double v = 0.0;
        if (sofort_ && Lesen(t, v) && std::fabs(v) <= tippGrenze_) wert_ = v;
    });
    Zeigen();
}

void Zahlfeld::setWert(double wert) {
    if (!std::isfinite(wert)) return;
    wert_ = fest_ = wert;
    bearbeitet_ = false;
    Zeigen();
}

void Zahlfeld::setValue(double wert) {
    if (!std::isfinite(wert)) return;
    bearbeitet_ = false;
    Festlegen(wert);
}

void Zahlfeld::setBereich(double min, double max) {
    if (std::isnan(min) || std::isnan(max)) return;
    min_ = std::min(min, max);
    max_ = std::max(min, max);
    updateGeometry();
}

void Zahlfeld::setStellen(int stellen) {
    stellen_ = std::clamp(stellen, 0, kMaxStellen);
    Zeigen();
    updateGeometry();
}

void Zahlfeld::setExakt(bool an) {
    exakt_ = an;
    Zeigen();
}

void Zahlfeld::setSchrittweite(double schritt) { schritt_ = std::isfinite(schritt) && schritt > 0 ? schritt : 0.0; }

void Zahlfeld::Zeigen() {
    const QString soll = exakt_ ? ExaktText(wert_, stellen_) : FestText(wert_, stellen_);
    if (text() != soll) setText(soll);
    bearbeitet_ = false;
}

void Zahlfeld::Uebernehmen() {
    if (!bearbeitet_) {
        Zeigen();
        return;
    }
    bearbeitet_ = false;
    double v = 0.0;
    if (Lesen(text(), v) && std::fabs(v) <= tippGrenze_)
        Festlegen(v);
    else if (wert_ != fest_)
        Festlegen(wert_); // Sofort: the last complete number counts
    else
        Zeigen();
}

void Zahlfeld::Festlegen(double getippt) {
    const double alt = fest_;
    wert_ = begrenzen_ ? std::clamp(getippt, min_, max_) : fest_;
    emit eingegeben(getippt); // a window with its own rule calls setWert here
    fest_ = wert_;
    Zeigen();
    if (fest_ != alt) emit wertGeaendert(fest_);
}

void Zahlfeld::Schritt(int schritte) {
    if (schritt_ <= 0.0 || isReadOnly()) return;
    Uebernehmen();
    Festlegen(Summe(wert_, schritte * schritt_));
}

bool Zahlfeld::UndoTaste(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) return true;
    const auto taste = event->keyCombination();
    return taste == QKeyCombination(Qt::ControlModifier, Qt::Key_Z) ||
           taste == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           taste == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

bool Zahlfeld::event(QEvent* event) {
    // The line edit claims these keys before the window's shortcuts; left
    // unclaimed they reach "Rückgängig" and "Wiederherstellen".
    if (event->type() == QEvent::ShortcutOverride && UndoTaste(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void Zahlfeld::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menue = createStandardContextMenu();
    menue->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* a : menue->actions())
        if (a->objectName() == QLatin1String("edit-undo") || a->objectName() == QLatin1String("edit-redo"))
            menue->removeAction(a);
    if (!menue->actions().isEmpty() && menue->actions().front()->isSeparator())
        menue->removeAction(menue->actions().front());
    menue->popup(event->globalPos());
}

void Zahlfeld::keyPressEvent(QKeyEvent* event) {
    if (UndoTaste(event)) { // a window without undo: the keys do nothing here
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: Uebernehmen(); break; // QLineEdit still reports returnPressed and leaves Enter to the dialog
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (schritt_ > 0.0 && !isReadOnly()) {
            const int weite = (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) ? 10 : 1;
            const bool hoch = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp;
            Schritt(hoch ? weite : -weite);
            event->accept();
            return;
        }
        break;
    default: break;
    }
    QLineEdit::keyPressEvent(event);
}

void Zahlfeld::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Uebernehmen();
}

void Zahlfeld::wheelEvent(QWheelEvent* event) {
    // Only a focused field turns, so a scrolled window never changes values by accident.
    if (schritt_ <= 0.0 || isReadOnly() || !hasFocus()) {
        QLineEdit::wheelEvent(event);
        return;
    }
    rad_ += event->angleDelta().y();
    const int schritte = rad_ / 120;
    rad_ -= schritte * 120;
    if (schritte != 0) Schritt(schritte);
    event->accept();
}

QSize Zahlfeld::sizeHint() const {
    const QSize qt = QLineEdit::sizeHint();
    if (!std::isfinite(min_) || !std::isfinite(max_)) return qt;
    // Room for both ends of the range, as a spin box would leave.
    const QFontMetrics fm(font());
    const int text =
        std::max(fm.horizontalAdvance(FestText(min_, stellen_)), fm.horizontalAdvance(FestText(max_, stellen_))) +
        fm.horizontalAdvance(QLatin1Char('0'));
    const QMargins rand = textMargins() + contentsMargins();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QSize inhalt(text + rand.left() + rand.right() + 4, qt.height());
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, inhalt, this).expandedTo({0, qt.height()});
}

QString Zahlfeld::FestText(double wert, int stellen) {
    if (std::fabs(wert) >= kFestGrenze) return QString::fromStdString(DezimalKurz(wert));
    std::string text = DezimalText(wert, std::clamp(stellen, 0, kMaxStellen));
    if (!text.empty() && text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return QString::fromStdString(text);
}

QString Zahlfeld::ExaktText(double wert, int mindestStellen) {
    if (wert == 0.0) wert = 0.0; // no "-0.0"
    if (std::fabs(wert) < kFestGrenze) {
        for (int stellen = std::max(0, mindestStellen); stellen <= kMaxStellen; ++stellen) {
            const std::string text = DezimalText(wert, stellen);
            double zurueck = 0.0;
            if (DezimalLesen(text, zurueck) && zurueck == wert) return QString::fromStdString(text);
        }
    }
    return QString::fromStdString(DezimalKurz(wert));
}

bool Zahlfeld::Lesen(const QString& text, double& wert) {
    QByteArray roh = text.trimmed().toLatin1();
    roh.replace(',', '.');
    return DezimalLesen(std::string_view(roh.constData(), std::size_t(roh.size())), wert);
}
