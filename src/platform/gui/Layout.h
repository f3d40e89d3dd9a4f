#pragma once

#include <QFont>
#include <QString>

#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The editor windows are designed in twips (Tw in Controls.h turns them into
// pixels) for a narrow 8-point font: every control is placed by its left, top,
// width and height, and found again by its name.

// The interface font the layouts are measured for: a narrow sans-serif where
// one is installed, 8 points.
QFont InterfaceFont();
// The fixed-pitch font of boxes that hold codes (the face codes).
QFont FixedPitchFont();

// Gives `object` (a control, menu or menu entry) its name and returns it.
template <typename T> T* Named(T* object, const char* name) {
    object->setObjectName(QLatin1String(name));
    return object;
}

// Places `widget` at `left`, `top` with `width` and `height`, all in twips.
void Place(QWidget* widget, int left, int top, int width, int height);

// Named controls on `parent`, not placed yet.
QGroupBox* AddFrame(QWidget* parent, const char* name, const QString& caption);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption);
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption);
// A label placed at once; most labels are one line of 255 twips.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height = 255);
// The editor's heading ("Troop Editor" and the file on a second line), in
// bold 10 points; placed at once.
QLabel* AddHeading(QWidget* parent, const char* name, int left, int top, int width, int height);
// A button whose long caption wraps onto several lines of a narrow button. The
// caption is a label inside the button, so the button's own text stays empty.
QPushButton* AddWrappingButton(QWidget* parent, const char* name, const QString& caption);

// The frames of commands along an editor's top, not placed yet:
// "Add/Delete ..." (frameAdd) with "Add" and "Delete";
QGroupBox* AddAddDeleteFrame(QWidget* parent, const QString& caption, const char* addName,
                             QPushButton*& add, const char* deleteName, QPushButton*& del);
// "Show python" (framePython) with the button showing the stored entry (cmdShowPython);
QGroupBox* AddShowPythonFrame(QWidget* parent, const QString& showCaption, QPushButton*& show);
// "Update && Save Changes" (frameEdit) with the update button and "Save Changes " (cmdSave).
QGroupBox* AddUpdateSaveFrame(QWidget* parent, const char* updateName, const QString& updateCaption,
                              QPushButton*& update, QPushButton*& save);

// A Left or a Width (in twips) that depends on the screen width a window is
// laid out for: the value for 1024 and the one for 1280 pixels. A window's
// table of them reads best after `using enum WidthRule::Edge;`.
struct WidthRule {
    enum Edge { Left, Width };
    QWidget* widget;
    Edge edge;
    int at1024;
    int at1280;
};

// Moves or widens every control of `rules` to its value for 1280 (`wide`) or
// 1024 pixels; tops and heights stay.
void ApplyWidthRules(const std::vector<WidthRule>& rules, bool wide);
