#pragma once
// Unit entry field: at most 8 characters, each one Windows-1252 can hold, so
// the text always fits the record's unit field and the files.
#include <QLineEdit>

class KonfigEinheitFeld : public QLineEdit {
    Q_OBJECT
  public:
    explicit KonfigEinheitFeld(QWidget* eltern);
};
