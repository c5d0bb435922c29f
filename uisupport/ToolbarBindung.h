#pragma once
// Binds a toolbar button to its menu entry: both are one QAction, so check
// marks, dimming and the selection of a radio group can never drift apart.
#include <QIcon>
#include <QString>

class QAction;
class QActionGroup;
class QMenu;
class QToolBar;

// A command: menu entry, and a button with icon and tooltip if leiste is given.
QAction* BefehlAnlegen(QMenu* menue, QToolBar* leiste, const QString& text, const QIcon& bild = {},
                       const QString& tipp = {});

// A toggle (check mark in the menu, pressed button in the toolbar).
QAction* UmschalterAnlegen(QMenu* menue, QToolBar* leiste, const QString& text, const QIcon& bild = {},
                           const QString& tipp = {});

// A radio entry of gruppe (exactly one checked).
QAction* AuswahlAnlegen(QActionGroup* gruppe, QMenu* menue, QToolBar* leiste, const QString& text,
                        const QIcon& bild = {}, const QString& tipp = {});
