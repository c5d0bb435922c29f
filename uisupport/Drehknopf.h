#pragma once

#include "uisupport/Zahlfeld.h" // callers reach the field through zahlenfeld()

#include <QString>
#include <QWidget>

class QDial;
class QLabel;
class KnopfRad;

// Knob with numeric entry for a value in physical units. The knob turns
// clockwise from `unten` to `oben`; `unten` may be greater than `oben` for a
// decreasing scale. The value is always finite and lies between the two
// limits. A typed or set value is kept exactly (the decimals only format the
// field); turning the knob gives values rounded to the decimals.
class Drehknopf : public QWidget {
    Q_OBJECT
  public:
    explicit Drehknopf(QWidget* parent = nullptr);

    // Non-finite limits are refused. The value is pulled into the new range
    // without a signal.
    void setGrenzen(double unten, double oben);
    double unten() const { return unten_; }
    double oben() const { return oben_; }

    void setNachkommastellen(int stellen);
    int nachkommastellen() const { return stellen_; }

    void setEinheit(const QString& einheit);
    QString einheit() const;

    // Programmatic: no wertGeaendert. Non-finite values are ignored.
    void setWert(double wert);
    double wert() const { return wert_; }

    QDial* rad() const;
    Zahlfeld* zahlenfeld() const { return zahl_; }

  signals:
    // Every change made by the user: while the knob turns, on each arrow
    // step, and when typed entry is committed (Enter or leaving the field).
    void wertGeaendert(double wert);

  private:
    void radGedreht(int position);
    void zahlEingegeben(double wert);
    void uebernehmen(double wert, bool vomBenutzer);
    void anzeigeAbgleichen();
    void bereichEinrichten();
    double begrenzt(double wert) const;
    double gerundet(double wert) const;
    int radPosition(double wert) const;

    double unten_ = 0.0;
    double oben_ = 10.0;
    double wert_ = 0.0;
    int stellen_ = 3;
    int schritte_ = 10000;
    QLabel* einheit_;
    KnopfRad* rad_;
    Zahlfeld* zahl_;
};
