#pragma once

#include "platform/gui/Controls.h"

#include <QList>

#include <functional>

// A list whose rows stand for yes/no values (the flag lists): a click or the
// space bar turns a row on or off, any number of rows may be on at once.
class ToggleList : public ListBox {
    Q_OBJECT
public:
    explicit ToggleList(QWidget* parent = nullptr);

    // Turns on exactly the rows `on` holds true for; runs no handler.
    void setValues(const QList<bool>& on);
    // Whether each row is on.
    QList<bool> values() const;

    // Runs after the user's click or key has turned a row on or off, with the
    // list's current row; keys that only move the current row do not run it.
    // Rows it changes through setValues count as the user's.
    std::function<void(int currentRow)> onUserToggle;

private:
    void userInput();

    QList<bool> m_values; // as last set or left by the user
};
