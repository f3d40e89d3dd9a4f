#pragma once

#include <QStringList>

class QWidget;

// The names of the labels and buttons of `window` whose caption is wider than
// the control (a word-wrapping label or a button without text of its own
// passes), so a layout in twips can be checked against the font it gets.
QStringList ClippedCaptions(const QWidget* window);
