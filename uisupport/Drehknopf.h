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
    double unten() const { return m_unten; }
    double oben() const { return m_oben; }

    void setNachkommastellen(int stellen);
    int nachkommastellen() const { return m_stellen; }

    void setEinheit(const QString& einheit);
    QString einheit() const;

    // Programmatic: no wertGeaendert. Non-finite values are ignored.
    void setWert(double wert);
    double wert() const { return m_wert; }

    QDial* rad() const;
    Zahlfeld* zahlenfeld() const { return m_zahl; }

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

    double m_unten = 0.0;
    double m_oben = 10.0;
    double m_wert = 0.0;
    int m_stellen = 3;
    int m_schritte = 10000;
    QLabel* m_einheit;
    KnopfRad* m_rad;
    Zahlfeld* m_zahl;
};
