#pragma once

#include <QWidget>

class QSvgRenderer;

// The link picture: a plug apart (-1, no port open) or plugged in with the
// port number (1..8); a broken link shows the plug apart with the port number
// crossed out in red and "getrennt". A left click asks the owner to toggle
// the link.
class VerbindungsBild : public QWidget {
    Q_OBJECT
  public:
    explicit VerbindungsBild(QWidget* parent = nullptr);

    // Anything but 1..8 shows the closed link.
    void setWert(int wert, bool getrennt = false);
    int wert() const { return wert_; }
    bool getrennt() const { return getrenntZustand_; }
    // The text under the picture.
    QString text() const;

    QSize sizeHint() const override { return {72, 58}; }
    QSize minimumSizeHint() const override { return {40, 34}; }

  signals:
    void geklickt();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int wert_ = -1;
    bool getrenntZustand_ = false;
    bool gedrueckt_ = false;
    QSvgRenderer* offen_;
    QSvgRenderer* getrennt_;
};
