#include "support/UserInput.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers) {
    list->scrollToItem(list->item(row));
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, centre);
}

void ClickMenuEntry(QWidget* window, QAction* entry) {
    auto* menu = qobject_cast<QMenu*>(entry->parent());
    auto* bar = window->findChild<QMenuBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (QTest::qWaitFor([menu] { return menu->isVisible(); }))
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

bool TabInto(QWidget* target) {
    QWidget* before = target->previousInFocusChain();
    while (before != target &&
           !((before->focusPolicy() & Qt::TabFocus) && before->isVisible() && before->isEnabled()))
        before = before->previousInFocusChain();
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    return target->hasFocus();
}
