#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <array>
#include <deque>

class QPainter;

// Strip chart of four traces. Points arrive at any rate; the picture is
// redrawn at most about 30 times a second. Only the newest `Kapazitaet`
// points are kept.
class Streifenschreiber : public QWidget {
    Q_OBJECT
  public:
    static constexpr int SpurAnzahl = 4;
    static constexpr int Kapazitaet = 50000;
    static constexpr int NeuzeichnenMs = 33;
    using Punkt = std::array<double, SpurAnzahl>;

    explicit Streifenschreiber(QWidget* parent = nullptr);

    void PunktAnhaengen(const Punkt& punkt);
    void Loeschen();
    int anzahlPunkte() const { return static_cast<int>(punkte_.size()); }
    // Oldest kept point first; index 0 .. anzahlPunkte()-1.
    const Punkt& punkt(int index) const { return punkte_[static_cast<size_t>(index)]; }

    // Traces are numbered 0..3; other numbers are ignored.
    void SpurZeigen(int spur, bool zeigen);
    bool spurSichtbar(int spur) const;
    static QColor Spurfarbe(int spur);

    // Limited to 1 .. Kapazitaet.
    void setPunkteProBreite(int punkte);
    int punkteProBreite() const { return punkteProBreite_; }

    // Non-finite or empty ranges are refused; reversed limits are swapped.
    void setYBereich(double minimum, double maximum);
    double yMinimum() const { return yMin_; }
    double yMaximum() const { return yMax_; }

    // Width of the plot area in pixels at the current size.
    int plotBreite() const { return plotBereich().width(); }

    // The chart as the widget would show it at `groesse`, in the painter's
    // coordinates (a picture, a PDF page or a printer).
    void Zeichnen(QPainter& p, QSize groesse) const;

    QSize sizeHint() const override { return {420, 220}; }
    QSize minimumSizeHint() const override { return {160, 90}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect plotBereich() const { return plotBereich(size()); }
    QRect plotBereich(QSize groesse) const;
    void spurZeichnen(QPainter& p, const QRect& flaeche, int spur) const;

    std::deque<Punkt> punkte_;
    std::array<bool, SpurAnzahl> sichtbar_{true, true, true, true};
    int punkteProBreite_ = 100;
    double yMin_ = 0.0;
    double yMax_ = 100.0;
    QTimer neuzeichnen_;
};
