#pragma once

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <initializer_list>
#include <vector>

class QGroupBox;
class QListView;
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
// A window's fixed geometry as one table, a row per control, all in twips.
struct Placement {
    QWidget* widget;
    int left, top, width, height;
};
void Place(std::initializer_list<Placement> placements);

// Named controls on `parent`, not placed yet.
QGroupBox* AddFrame(QWidget* parent, const char* name, const QString& caption);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption);
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption);
// A label placed at once; most labels are one line of 255 twips.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height = 255);
// A label of plain text whose lines, where they are too long for it, lose
// characters from the middle of what stands before their last path separator,
// so that the file name at the end of a line is always seen whole. text()
// keeps the whole caption.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // The width that shows what is never cut: on each line the file name, with
    // an ellipsis before it where there is a folder to cut.
    int leastWidth() const;
    // The lines as they are drawn at the label's width.
    QStringList shownLines() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A command button whose caption, its own text, wraps onto as many lines as
// the button is high enough for.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The editor's heading ("Troop Editor" and the file on a second line), in
// bold 10 points, the file's folder shortened where the path is too long;
// placed at once.
ElidingLabel* AddHeading(QWidget* parent, const char* name, int left, int top, int width,
                         int height);
// A button whose long caption wraps onto several lines of a narrow button.
WrappingButton* AddWrappingButton(QWidget* parent, const char* name, const QString& caption);

// Rows of a list whose rows share one size (which keeps lists of thousands of
// rows fast) take the width of the widest row, so that a long row scrolls
// into view instead of being cut; the shared size would otherwise be that of
// the last row.
void ShowRowsWhole(QListView* list);

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
