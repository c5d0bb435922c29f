#pragma once

#include <QGroupBox>

class Lampe;
class QLineEdit;

// The error indicator every device window shows: lamp, catalogue text and
// the positive error number.
class Fehleranzeige : public QGroupBox {
    Q_OBJECT
  public:
    explicit Fehleranzeige(QWidget* parent = nullptr);

    // A code of 0 means success and clears the indicator.
    void Setzen(int code, const QString& text);
    void Loeschen();

    bool lampeAn() const;
    QString text() const;
    qint64 nummer() const { return nummer_; }

    Lampe* lampe() const { return lampe_; }

  signals:
    // Left click on any part; used for the help text.
    void geklickt();

  protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Lampe* lampe_;
    QLineEdit* text_;
    QLineEdit* nummerFeld_;
    qint64 nummer_ = 0;
};
