#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

// Controls whose "click" handler runs when the user picks a row or option and
// also when code selects one, even the one already selected: the editors rely
// on selecting a row from code to show it. Connect handlers to click(), and
// select from code only through setListIndex()/setValue().

class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    int listIndex() const { return currentRow(); }
    // Selects the row (-1: none) and runs the click handler.
    void setListIndex(int row);
    // Replaces all rows at once (fast for thousands of rows); selects nothing
    // and runs no handler.
    void setRows(const QStringList& rows);
signals:
    void click();

private:
    bool m_emitting = false;
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
};

// Layouts are given in twips; 15 twips make one pixel.
constexpr int Tw(int twips) {
    return twips / 15;
}

// The nearest of the offered list font sizes (7 to 10) and screen widths (1024,
// 1280), for laying out a window whose stored setting is none of them.
int OfferedFontSize(int size);
int OfferedScreenWidth(int width);
