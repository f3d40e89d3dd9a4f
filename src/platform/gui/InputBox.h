#pragma once

#include <QLineEdit>

#include <functional>

// A text box with one of the editors' key rules for typed keys (a dropped key
// never reaches the box; pasted and code-set text is not filtered):
// - Digits: only "0" to "9" and Backspace pass, Enter included every other key
//   is dropped;
// - BlankToUnderscore: a typed blank becomes "_".
// Its typing limit holds for typing only: a text set from code is never cut.
class InputBox : public QLineEdit {
public:
    enum class Keys { Any, Digits, BlankToUnderscore };
    InputBox(Keys keys, int typingLimit, QWidget* parent);

    // When set, Enter runs it and is dropped: the filter boxes run their
    // filter; an empty function only drops the key.
    std::function<void()> onEnter;
    // Runs when the box loses the focus within the window (not when another
    // window or a popup takes it).
    std::function<void()> onLostFocus;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Keys m_keys;
    int m_typingLimit;
};

// A named input box on `parent`, not placed yet; no typing limit by default.
InputBox* AddInputBox(QWidget* parent, const char* name, InputBox::Keys keys = InputBox::Keys::Any,
                      int typingLimit = 0);
