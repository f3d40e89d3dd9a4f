#include "platform/gui/InputBox.h"

#include <QKeyEvent>

#include <limits>

InputBox::InputBox(Keys keys, int typingLimit, QWidget* parent)
    : QLineEdit(parent), m_keys(keys), m_typingLimit(typingLimit) {
    // A line edit cuts what it is given at 32,767 characters, silently; a
    // field read from a file must go back whole.
    setMaxLength(std::numeric_limits<int>::max());
}

void InputBox::keyPressEvent(QKeyEvent* event) {
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
    if (m_keys == Keys::Digits && (c < u'0' || c > u'9'))
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

void InputBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window or a popup taking the focus leaves the box in place.
    const Qt::FocusReason reason = event->reason();
    if (onLostFocus && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        onLostFocus();
}

InputBox* AddInputBox(QWidget* parent, const char* name, InputBox::Keys keys, int typingLimit) {
    auto* box = new InputBox(keys, typingLimit, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}
