#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// Where the bubble goes: from the pointer towards the middle of the window.
// maus is relative to the window, fenster its size, blase the bubble's size.
QPoint BlasenPosition(QPoint maus, QSize fenster, QSize blase);

// Size of the bubble for a text: the text's extent plus a 5-pixel margin each side.
QSize BlasenGroesse(const QString& text);

// Shows the bubble modally; the click that asked for help may still be held, so
// only the next press closes it. A press outside the bubble also reaches the
// control under the pointer.
void HilfeblaseZeigen(QWidget* eltern, const QRect& platz, const QString& text);
