#pragma once

#include <QLineEdit>

#include <functional>

// A text box with one of the editors' key rules for typed keys (a dropped key
// never reaches the box; code-set text is not filtered, nor is pasted text
// unless filterPastedText() asks for it or the box turns blanks into "_"):
// - Digits: only "0" to "9" and Backspace pass, Enter included every other key
//   is dropped;
// - DigitsAndPoint: the same, and "." passes too;
// - BlankToUnderscore: a typed blank becomes "_".
// Its typing limit holds for typing only: a text set from code is never cut.
class InputBox : public QLineEdit {
public:
    enum class Keys { Any, Digits, DigitsAndPoint, BlankToUnderscore };
    InputBox(Keys keys, int typingLimit, QWidget* parent);

    // When set, Enter runs it and is dropped: the filter boxes run their
    // filter; an empty function only drops the key.
    std::function<void()> onEnter;
    // Runs when the box loses the focus within the window (not when another
    // window or a popup takes it).
    std::function<void()> onLostFocus;

    // Text the user pastes into a Digits or DigitsAndPoint box then loses the
    // characters a typed key could not have inserted (what the box held
    // before stays as it was), and nothing can be dropped into it.
    void filterPastedText();

    // What the box holds under its key rule, however the text came in (a
    // paste, a drop, an input method, code): a BlankToUnderscore box gives
    // every blank, tab or other white space as "_"; other boxes give their text.
    QString ruledText() const;
    // Whether the text holds only what typed keys could have put there
    // (Digits: digits; DigitsAndPoint: digits and "."; other rules: any text).
    // An update checks this, as a key rule alone is no rule for pasted text.
    bool keepsKeyRule() const;

    // The box holds a bracketed list ("[...]"): entered while empty, it offers
    // "[]" with the caret between the brackets, whichever way the focus came
    // (Tab, a click, code); entered by a key while it holds a list, the caret
    // goes behind the opening bracket. Left holding "[]" alone, it is emptied
    // before onLostFocus runs.
    void holdBracketedList() { m_bracketedList = true; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Whether the key rule lets a typed `c` into the box.
    bool passes(QChar c) const;
    bool rulesPaste() const { return m_filterPaste || m_keys == Keys::BlankToUnderscore; }
    // Inserts what the clipboard holds as far as the key rule lets it in.
    void pasteFiltered(bool selection);

    Keys m_keys;
    int m_typingLimit;
    bool m_filterPaste = false;
    bool m_bracketedList = false;
    // The click that brought the focus in would put the caret where it landed.
    bool m_caretAfterPress = false;
};

// A named input box on `parent`, not placed yet; no typing limit by default.
InputBox* AddInputBox(QWidget* parent, const char* name, InputBox::Keys keys = InputBox::Keys::Any,
                      int typingLimit = 0);
