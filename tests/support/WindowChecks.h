#pragma once

#include <QStringList>

class QWidget;

// Checks of a window's layout against the fonts it really gets, shared by the
// window tests and the screenshot tool (which builds without GoogleTest).
//
// A control is a widget of the window that is not itself a container; the
// containers are the window, its central widget, frames (group boxes) and
// plain panels. Only controls that would be seen when the window is shown are
// checked.

// One line per fault, "<window>: <control> <fault>", a control named by the
// path of its names below the window (or by its kind and caption where it has
// no name). The faults:
// - a label's, button's, check box's, option's or frame's caption is wider or
//   taller than its control (a word-wrapping label or button wraps first; an
//   eliding label must show at least the file name at the end of each line);
// - a control overlaps a sibling control, or lies under its frame's caption;
// - a control lies partly or wholly outside its frame, panel or window.
QStringList LayoutFaults(const QWidget* window);

// The names of the controls among those faults whose caption does not fit.
QStringList ClippedCaptions(const QWidget* window);
