#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QString>

// Controls whose "click" handler runs when the user picks a row or option and
// also when code selects one, even the one already selected: the editors rely
// on selecting a row from code to show it. Connect handlers to click(), and
// select from code only through setListIndex()/setValue().

// A list chooses a row only when the user or the code chooses one; it starts
// with none. Focus entering it (Tab, a window opening with it focused) chooses
// nothing and runs no handler. A click on a row runs the handler once the
// button is released, also when that row is chosen already; a key that moves
// the choice (or changes the selection of a list taking several rows) runs it
// once; selecting from code runs it once. Ask listIndex() < 0 for "no row
// chosen"; choose from code with setListIndex().
//
// A list whose rows are turned on and off one by one (MultiSelection: the
// flag lists) keeps its rows as they are while the cursor moves: the arrow,
// Home, End and page keys and typed letters move the current row only and run
// no handler, and dragging the mouse turns no rows. A click or the space bar
// turns the row over and runs the handler once, on that row.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    // The chosen row; -1 while none is.
    int listIndex() const { return currentRow(); }
    // Selects the row (-1: none) and runs the click handler.
    void setListIndex(int row);
    // Replaces all rows at once (fast for thousands of rows); selects nothing
    // and runs no handler.
    void setRows(const QStringList& rows);
    // No row is chosen any more (the selection stays); runs no handler.
    void clearChoice();
signals:
    void click();

protected:
    QItemSelectionModel::SelectionFlags
    selectionCommand(const QModelIndex& index, const QEvent* event = nullptr) const override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Rows are turned on and off one by one (see above).
    bool togglesRows() const { return selectionMode() == QAbstractItemView::MultiSelection; }
    void choiceChanged();
    // Runs the item view's handling of one key or mouse event; a choice it
    // makes is noted for the caller to report once the event is handled.
    template <typename Step> void userStep(Step step);

    bool m_quiet = false;      // changes that are no choice
    bool m_inUserStep = false; // inside the user's key or mouse input
    bool m_chose = false;      // the user's input changed the choice
    bool m_clicking = false;   // a left button went down on a row
};

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    int listIndex() const { return currentIndex(); }
    void setListIndex(int index);
    void setRows(const QStringList& rows);
signals:
    void click();
};

// Makes `combo` take text that need not be one of its rows (a troop id): what
// is typed stays as typed; typing neither completes it to a row nor adds it to
// the rows.
void TakeTypedText(ComboBox* combo);

// Shows a control whose text cannot be changed here (a text box, or a list
// whose commands the window turns off) read-only, or editable again with
// false. A read-only control keeps its text selectable and copyable but takes
// the look the platform gives such a control, the window's colour behind the
// text where one that takes typing is white, so that it does not pass for an
// editable one; `tip` says on hover what it holds and why. A text box also
// stops taking typed text.
void ShowReadOnly(QWidget* control, bool readOnly, const QString& tip = QString());

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& text, QWidget* parent = nullptr);
    // true selects the option and runs its click handler (also when it was
    // selected already); false only clears it.
    void setValue(bool on);
signals:
    void click();
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(const QString& text, QWidget* parent = nullptr);
    bool value() const { return isChecked(); }
    // Runs the click handler when the value changes.
    void setValue(bool on);
signals:
    void click();

protected:
    // The whole control answers a click, also where it is wider than its
    // caption, as on the desktop our layouts are designed for.
    bool hitButton(const QPoint& pos) const override;
};

// Layouts are given in twips; 15 twips make one pixel.
constexpr int Tw(int twips) {
    return twips / 15;
}

// The nearest of the offered list font sizes (7 to 10) and screen widths (1024,
// 1280), for laying out a window whose stored setting is none of them.
int OfferedFontSize(int size);
int OfferedScreenWidth(int width);
