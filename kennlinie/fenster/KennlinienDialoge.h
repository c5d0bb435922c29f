#pragma once
// The window's two small popups: the point dialog ("Punkt %d", X and Y in the
// axes' units) and the comment editor ("Kommentar - Kennlinie"). Both are
// opened window-modal without a nested event loop; the window reads them
// when they finish.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class Zahlfeld;

class PunktFenster : public QDialog {
    Q_OBJECT
  public:
    explicit PunktFenster(QWidget* eltern);

    // Title, values and the decimals of the two fields.
    void Fuellen(const QString& titel, double x, int xStellen, double y, int yStellen);
    // The values as the user left them, a pending entry included.
    double x() const;
    double y() const;

  private:
    // Named X, Y and OK for tests.
    Zahlfeld* x_;
    Zahlfeld* y_;
    QPushButton* ok_;
};

class KommentarFenster : public QDialog {
    Q_OBJECT
  public:
    // The file holds 999 characters of Windows-1252.
    static constexpr int kMaxZeichen = 999;

    explicit KommentarFenster(QWidget* eltern);

    void TextSetzen(const QString& text);
    // The box's lines joined with LF.
    QString text() const;

    void accept() override;

  private:
    void Begrenzen();
    // Named KOMMENTARTEXT and OK for tests.
    QPlainTextEdit* text_;
    QPushButton* ok_;
};

// The message for a comment a curve file cannot hold; empty if it fits.
QString KommentarPruefen(const QString& text);
