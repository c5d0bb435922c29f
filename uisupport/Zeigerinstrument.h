#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

// Needle gauge with a numeric display. The range may run backwards
// (minimum > maximum); the needle then still goes from the left end (minimum)
// to the right end (maximum). Values beyond the range pin the needle.
class Zeigerinstrument : public QWidget {
    Q_OBJECT
  public:
    // The scale sweeps 270 degrees, from lower left to lower right.
    static constexpr double StartWinkel = 225.0;
    static constexpr double Schwenkbereich = 270.0;

    explicit Zeigerinstrument(QWidget* parent = nullptr);

    // Non-finite limits are refused; the old range stays.
    void setBereich(double minimum, double maximum);
    double minimum() const { return min_; }
    double maximum() const { return max_; }

    void setWert(double wert);
    double wert() const { return wert_; }

    void setNachkommastellen(int stellen);
    int nachkommastellen() const { return stellen_; }

    void setEinheit(const QString& einheit);
    QString einheit() const { return einheit_; }

    // Text of the numeric display, "---" for a value that is not a number.
    QString wertText() const;

    // Position of a value on the scale, 0 (minimum end) .. 1 (maximum end).
    static double Anteil(double wert, double minimum, double maximum);
    // Needle angle in degrees, counter-clockwise from three o'clock.
    static double ZeigerWinkel(double wert, double minimum, double maximum);
    // Round scale values inside the range, at most `hoechstens` of them, ascending.
    static QVector<double> Skalenwerte(double minimum, double maximum, int hoechstens);
    // Fewest decimals that write every scale value exactly.
    static int Skalenstellen(const QVector<double>& werte);

    QSize sizeHint() const override { return {170, 170}; }
    QSize minimumSizeHint() const override { return {80, 80}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double min_ = 0.0;
    double max_ = 10.0;
    double wert_ = 0.0;
    int stellen_ = 3;
    QString einheit_;
};
