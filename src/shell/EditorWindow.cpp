#include "shell/EditorWindow.h"

#include "platform/MessageBox.h"
#include "platform/System.h"
#include "platform/gui/Layout.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

std::vector<EditorSwitchEntry> TextEditorSwitch() {
    return {
        {QStringLiteral("mnu_select_troops"), QStringLiteral("&troop.txt"), ShowTextTroops},
        {QStringLiteral("mnu_select_parties"), QStringLiteral("&parties.txt"), ShowTextParties},
        {QStringLiteral("mnu_select_pt"), QStringLiteral("part&y_template.txt"), ShowTextPartyTemp},
        {QStringLiteral("mnu_select_factions"), QStringLiteral("&factions.txt"), ShowTextFactions},
        {QStringLiteral("mnu_select_items"), QStringLiteral("&item_kinds1.txt"), ShowTextItems}};
}

std::vector<EditorSwitchEntry> PythonEditorSwitch(const QString& prefix) {
    return {
        {prefix + QStringLiteral("troops"), QStringLiteral("module_&troops.py"), ShowPythonTroops},
        {prefix + QStringLiteral("items"), QStringLiteral("module_&items.py"), ShowPythonItems},
        {prefix + QStringLiteral("parties"), QStringLiteral("module_&parties.py"), nullptr},
        {prefix + QStringLiteral("pt"), QStringLiteral("module_part&y_templates.py"),
         ShowPythonPartyTemp},
        {prefix + QStringLiteral("factions"), QStringLiteral("module_&factions.py"), nullptr}};
}

EditorWindow::EditorWindow(QWidget* parent) : QMainWindow(parent) {
    // Each opening builds the window anew, so it starts from what is on disk
    // with every mark cleared.
    setAttribute(Qt::WA_DeleteOnClose);
}

void EditorWindow::build(const char* name) {
    setObjectName(QLatin1String(name));
    setFont(InterfaceFont());
    buildControls();
    buildMenus();
    // What the load has to say belongs to this window, not to the main menu
    // that is still the active window while the files are read.
    const OwnerWhileLoading owner(this);
    formLoad();
}

bool EditorWindow::closeEditor(bool backToMain) {
    if (backToMain)
        BackToMain = true;
    close();
    return UnloadGranted;
}

void EditorWindow::switchTo(QWidget* (*show)()) {
    if (closeEditor(false))
        show();
}

void EditorWindow::exitProgram() {
    // Ending the program throws the updated records away just as a close does.
    if (mayDiscard())
        EndProgram();
}

bool EditorWindow::mayDiscard() const {
    return !hasUnsavedData() ||
           MsgBox(QStringLiteral("You have unsaved data in the memory. Do you really want to "
                                 "close this editor?"),
                  MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Continue?")) != MsgAnswer::No;
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (!mayDiscard()) {
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

QMenu* EditorWindow::addMenu(const char* name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* EditorWindow::addMenuEntry(QMenu* menu, const char* name, const QString& caption,
                                    std::function<void()> handler) {
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(QLatin1String(name));
    connect(entry, &QAction::triggered, this, std::move(handler));
    return entry;
}

QMenu* EditorWindow::addEditorSwitchMenu(const char* name, const QString& caption,
                                         const std::vector<EditorSwitchEntry>& entries,
                                         QWidget* (*own)()) {
    QMenu* menu = addMenu(name, caption);
    for (const EditorSwitchEntry& e : entries) {
        QAction* entry = menu->addAction(e.caption);
        entry->setObjectName(e.name);
        if (!e.show) {
            entry->setEnabled(false);
        } else if (e.show == own) {
            entry->setCheckable(true);
            entry->setChecked(true);
            // This editor's own entry does nothing, so a click must not take its tick.
            connect(entry, &QAction::toggled, entry, [entry] { entry->setChecked(true); });
        } else {
            connect(entry, &QAction::triggered, this, [this, show = e.show] { switchTo(show); });
        }
    }
    return menu;
}

QMenu* EditorWindow::addHelpMenu(const QString& caption) {
    QMenu* help = addMenu("mnu_help", caption);
    addMenuEntry(help, "mnu_help_about", QStringLiteral("&About"), [] { ShowAboutWindow(); });
    return help;
}

void EditorWindow::saveFile(bool (*save)(), bool& unsaved) {
    if (save())
        unsaved = false;
}

void EditorWindow::beginBusy() {
    repaint();
    DoEvents();
    DoEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void EditorWindow::endBusy() {
    QApplication::restoreOverrideCursor();
}
