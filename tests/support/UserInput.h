#pragma once

#include <Qt>

class QAbstractButton;
class QAction;
class QListWidget;
class QWidget;

// Real input for behaviour that depends on focus, clicks and keys: the events
// go through the window system as the user's would.

// Shows `window`, makes it the active window and waits until it is.
bool ShowActive(QWidget* window);
// A mouse click in the middle of row `row` of `list`.
void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Mouse clicks on the menu-bar title of the menu holding `entry` in `window`,
// then on `entry` in the menu that opened.
void ClickMenuEntry(QWidget* window, QAction* entry);
// A mouse click on a button.
void Click(QAbstractButton* button);
// Focuses the control that Tab leaves for `target` and presses Tab; returns
// whether the focus arrived at `target`.
bool TabInto(QWidget* target);
