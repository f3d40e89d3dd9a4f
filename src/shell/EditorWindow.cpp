#include "shell/EditorWindow.h"

#include "platform/MessageBox.h"
#include "platform/System.h"
#include "shell/EditorFactories.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

EditorWindow::EditorWindow(QWidget* parent) : QMainWindow(parent) {
    // Each opening builds the window anew, so it starts from what is on disk
    // with every mark cleared.
    setAttribute(Qt::WA_DeleteOnClose);
}

bool EditorWindow::closeEditor(bool backToMain) {
    if (backToMain)
        BackToMain = true;
    close();
    return UnloadGranted;
}

void EditorWindow::switchTo(QWidget* (*show)()) {
    if (showsOtherEditorFirst()) {
        show();
        closeEditor(false);
        return;
    }
    if (closeEditor(false))
        show();
}

void EditorWindow::exitProgram() {
    EndProgram();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (hasUnsavedData() &&
        MsgBox(QStringLiteral("You have unsaved data in the memory. Do you really want to close "
                              "this editor?"),
               MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Continue?")) == MsgAnswer::No) {
        // A refused "back to main menu" must not bring the menu back on a
        // later close by the close box.
        UnloadGranted = false;
        BackToMain = false;
        event->ignore();
        return;
    }
    UnloadGranted = true;
    if (BackToMain)
        ShowMainMenu();
    event->accept();
}

QMenu* EditorWindow::addFileMenu(const QString& backName, const QString& separatorName,
                                 const QString& backCaption) {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("mnu_file"));
    QAction* back = menu->addAction(backCaption);
    back->setObjectName(backName);
    connect(back, &QAction::triggered, this, [this] { closeEditor(true); });
    menu->addSeparator()->setObjectName(separatorName);
    QAction* exit = menu->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnu_file_exit"));
    connect(exit, &QAction::triggered, this, [this] { exitProgram(); });
    return menu;
}
