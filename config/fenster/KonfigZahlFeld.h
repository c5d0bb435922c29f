#pragma once
// Numeric entry field of the configuration window. It holds the double it shows
// exactly: a value is written with as many decimals as it needs to read back
// bit for bit (at least mindestStellen), so panel -> record -> panel loses nothing.
#include <QLineEdit>

class KonfigZahlFeld : public QLineEdit {
    Q_OBJECT
  public:
    // Largest magnitude a user may type; values from files may be larger.
    static constexpr double kGrenze = 1e12;

    KonfigZahlFeld(int mindestStellen, QWidget* eltern);

    // The typed number, or the last complete one while the text is unfinished ("1e", "-").
    double wert() const;
    void setWert(double v);
    // Shows wert() in the field's own format (drops an unfinished entry).
    void Normalisieren();

    // Shortest text of v with at least mindestStellen decimals that reads back as v.
    static QString Text(double v, int mindestStellen);
    // '.' or ',' as decimal separator; false for anything but one complete finite number.
    static bool Lesen(const QString& text, double& v);

  protected:
    void focusOutEvent(QFocusEvent* e) override;

  private:
    int mindestStellen_;
    double wert_ = 0.0;
};
