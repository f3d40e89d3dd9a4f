#include "platform/gui/InputBox.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <limits>

namespace {

// A blank in an id or a compiled name would split it into two words of the file.
QString Underscored(QString text) {
    for (QChar& c : text) {
        if (c.isSpace())
            c = u'_';
    }
    return text;
}

} // namespace

InputBox::InputBox(Keys keys, int typingLimit, QWidget* parent)
    : QLineEdit(parent), m_keys(keys), m_typingLimit(typingLimit) {
    // A line edit cuts what it is given at 32,767 characters, silently; a
    // field read from a file must go back whole.
    setMaxLength(std::numeric_limits<int>::max());
}

void InputBox::filterPastedText() {
    m_filterPaste = m_keys == Keys::Digits || m_keys == Keys::DigitsAndPoint;
    if (m_filterPaste)
        setAcceptDrops(false);
}

void InputBox::pasteFiltered(bool selection) {
    if (isReadOnly())
        return;
    QString text = QGuiApplication::clipboard()->text(selection ? QClipboard::Selection
                                                                : QClipboard::Clipboard);
    if (m_keys == Keys::BlankToUnderscore)
        text = Underscored(text);
    else
        text.removeIf([this](QChar c) { return !passes(c); });
    insert(text);
}

QString InputBox::ruledText() const {
    return m_keys == Keys::BlankToUnderscore ? Underscored(text()) : text();
}

bool InputBox::keepsKeyRule() const {
    const QString held = text();
    return std::all_of(held.begin(), held.end(), [this](QChar c) { return passes(c); });
}

bool InputBox::passes(QChar c) const {
    switch (m_keys) {
    case Keys::Digits:
        return c >= u'0' && c <= u'9';
    case Keys::DigitsAndPoint:
        return (c >= u'0' && c <= u'9') || c == u'.';
    default:
        return true;
    }
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    if (rulesPaste() && event->matches(QKeySequence::Paste)) {
        pasteFiltered(false);
        return;
    }
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const QString typed = event->text();
    if (command || typed.size() != 1 || event->key() == Qt::Key_Backspace) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = typed[0];
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && onEnter) {
        onEnter();
        return;
    }
    if (!passes(c))
        return;
    const bool full = m_typingLimit > 0 && text().size() - selectedText().size() >= m_typingLimit;
    if (c.isPrint() && full)
        return;
    if (m_keys == Keys::BlankToUnderscore && c == u' ') {
        insert(QStringLiteral("_"));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

namespace {

const QString EmptyList = QStringLiteral("[]");

// Coming back from another window or a popup is no entering or leaving of the
// box: what it holds stays as it is.
bool WithinTheWindow(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

} // namespace

void InputBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!m_bracketedList || !WithinTheWindow(event))
        return;
    if (text().isEmpty())
        setText(EmptyList);
    // A click into a list already typed puts the caret where the user clicked.
    const bool byMouse = event->reason() == Qt::MouseFocusReason;
    if (byMouse && text() != EmptyList)
        return;
    setCursorPosition(1);
    m_caretAfterPress = byMouse;
}

void InputBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (m_caretAfterPress && event->button() == Qt::LeftButton)
        setCursorPosition(1);
    m_caretAfterPress = false;
}

void InputBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!WithinTheWindow(event))
        return;
    if (m_bracketedList && text() == EmptyList)
        clear();
    if (onLostFocus)
        onLostFocus();
}

void InputBox::contextMenuEvent(QContextMenuEvent* event) {
    if (!rulesPaste()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* entry : menu->actions()) {
        // The entry has a name only in newer versions of the menu.
        if (entry->objectName() == QLatin1String("edit-paste") ||
            entry->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) {
            disconnect(entry, &QAction::triggered, this, nullptr);
            connect(entry, &QAction::triggered, this, [this] { pasteFiltered(false); });
        }
    }
    menu->popup(event->globalPos());
}

void InputBox::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection where the window system has one.
    if (rulesPaste() && event->button() == Qt::MiddleButton &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFiltered(true);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

InputBox* AddInputBox(QWidget* parent, const char* name, InputBox::Keys keys, int typingLimit) {
    auto* box = new InputBox(keys, typingLimit, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}
