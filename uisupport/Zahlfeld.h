#pragma once
// The number field of every window. It holds the exact double it was given
// or that the user committed; the decimals only format the display. '.' and
// ',' are both read as the decimal separator whatever the locale, and a point
// is always shown. Keys are never dropped for lying outside the range: a
// commit (Enter, leaving the field, an arrow step) reports the typed value,
// the range rule decides, and the field shows the value in force.
// The line edit's own undo history never changes a value: Ctrl+Z, Ctrl+Y and
// Ctrl+Shift+Z are the window's undo and redo, whichever field has the focus.
#include <QLineEdit>

#include <limits>

class Zahlfeld : public QLineEdit {
    Q_OBJECT
  public:
    explicit Zahlfeld(QWidget* parent = nullptr);

    double wert() const { return wert_; }
    // The value in force, set by the program: shown at once, no signal.
    // Non-finite values are ignored.
    void setWert(double wert);
    // Spin-box style: as if typed and committed, through the range rule and with signals.
    void setValue(double wert);

    // Reversed limits are swapped, NaN is refused; unlimited at first.
    void setBereich(double min, double max);
    double minimum() const { return min_; }
    double maximum() const { return max_; }
    bool imBereich(double wert) const { return wert >= min_ && wert <= max_; }
    // On (the default) a commit is clamped to the range. Off, the window
    // applies its own rule in a slot of `eingegeben` and sets the value in
    // force with setWert; without that the previous value stays.
    void setBegrenzen(bool an) { begrenzen_ = an; }

    // Decimals shown. 0 is the integer mode: only whole numbers can be typed.
    void setStellen(int stellen);
    int stellen() const { return stellen_; }
    // Shows more decimals where the value needs them to read back exactly.
    void setExakt(bool an);
    // Up/Down, PageUp/PageDown (ten steps) and the wheel while focused add
    // or take away this much; 0 turns stepping off.
    void setSchrittweite(double schritt);
    double schrittweite() const { return schritt_; }
    // wert() follows every complete number as it is typed, before the commit
    // (no signal until then): for windows that read their fields when left.
    void setSofort(bool an) { sofort_ = an; }
    // Largest magnitude that can be typed at all; beyond it a keystroke is
    // refused. Unlimited at first.
    void setTippGrenze(double betrag) { tippGrenze_ = betrag; }
    double tippGrenze() const { return tippGrenze_; }

    // Commits a pending entry as Enter would, then shows the value in force.
    void Uebernehmen();

    // Fixed decimals, '.' as separator, never "-0"; the shortest exponent
    // form where fixed notation would run past 15 digits before the point.
    static QString FestText(double wert, int stellen);
    // The shortest text with at least mindestStellen decimals that reads back as the same double.
    static QString ExaktText(double wert, int mindestStellen);
    // One complete finite number, '.' or ',' as separator, surrounding blanks allowed.
    static bool Lesen(const QString& text, double& wert);

    QSize sizeHint() const override;

    // The keys of undo and redo, which the field leaves to its window.
    static bool UndoTaste(const QKeyEvent* event);

  signals:
    // Every commit of a valid number, with the number as typed (before the range rule).
    void eingegeben(double getippt);
    // The value in force changed through a commit or a step.
    void wertGeaendert(double wert);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void Festlegen(double getippt);
    void Schritt(int schritte);
    void Zeigen();

    static constexpr double kUnendlich = std::numeric_limits<double>::infinity();
    double wert_ = 0.0; // what wert() gives; runs ahead of fest_ only in the Sofort mode
    double fest_ = 0.0; // value in force before the entry under way
    double min_ = -kUnendlich, max_ = kUnendlich;
    double schritt_ = 0.0;
    double tippGrenze_ = kUnendlich;
    int stellen_ = 2;
    int rad_ = 0; // wheel angle not yet stepped
    bool exakt_ = false;
    bool begrenzen_ = true;
    bool sofort_ = false;
    bool bearbeitet_ = false; // text edited since last shown
};
