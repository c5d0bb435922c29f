#pragma once
// Marks a window as busy while a device operation it started is running:
// busy pointer over the window, the starting control dimmed. Held by the
// operation until its result has been handled, so every way out restores both.
#include <QPointer>
#include <QWidget>

class Beschaeftigt {
  public:
    explicit Beschaeftigt(QWidget* fenster, QWidget* knopf = nullptr);
    ~Beschaeftigt();
    Beschaeftigt(const Beschaeftigt&) = delete;
    Beschaeftigt& operator=(const Beschaeftigt&) = delete;

  private:
    QPointer<QWidget> fenster_;
    QPointer<QWidget> knopf_;
};
