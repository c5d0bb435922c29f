#pragma once
#include <QDialog>

class QLineEdit;

// "Info": program name, version and date.
class Infofenster : public QDialog {
    Q_OBJECT
  public:
    explicit Infofenster(QWidget* eltern);
    QLineEdit* version() const { return version_; }
    QLineEdit* datum() const { return datum_; }

  private:
    QLineEdit* version_;
    QLineEdit* datum_;
};
