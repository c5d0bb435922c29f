#pragma once

#include <QColor>
#include <QWidget>

// Round LED with a settable colour; grey when off, faded when disabled.
class Lampe : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor Gruen{0, 204, 0};
    static inline const QColor Rot{255, 0, 0};

    explicit Lampe(QWidget* parent = nullptr);

    void setAn(bool an);
    bool an() const { return an_; }
    void setFarbe(const QColor& farbe);
    QColor farbe() const { return farbe_; }

    QSize sizeHint() const override { return {18, 18}; }
    QSize minimumSizeHint() const override { return {10, 10}; }

  signals:
    // Left click; the windows use it for their help texts.
    void geklickt();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool an_ = false;
    QColor farbe_ = Rot;
};
