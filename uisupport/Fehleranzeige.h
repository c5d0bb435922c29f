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
    qint64 nummer() const { return m_nummer; }

    Lampe* lampe() const { return m_lampe; }

  signals:
    // Left click on any part; used for the help text.
    void geklickt();

  protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Lampe* m_lampe;
    QLineEdit* m_text;
    QLineEdit* m_nummerFeld;
    qint64 m_nummer = 0;
};
