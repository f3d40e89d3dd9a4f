#pragma once

#include <QMainWindow>

#include <functional>
#include <vector>

class QAction;
class QMenu;

// One entry of an editor-switch menu: its name, its caption and the editor it
// shows (one of the Show* factories of EditorFactories.h); an entry without a
// factory is disabled.
struct EditorSwitchEntry {
    QString name;
    QString caption;
    QWidget* (*show)();
};
// The "&Select editor" entries of the text editors, in menu order: troops
// (mnu_select_troops, "&troop.txt"), parties (mnu_select_parties), party
// templates (mnu_select_pt, "part&y_template.txt"), factions
// (mnu_select_factions) and items (mnu_select_items).
std::vector<EditorSwitchEntry> TextEditorSwitch();
// The "&Python editor" entries of the module-system editors, in menu order:
// troops, items, parties (disabled), party templates, factions (disabled),
// named `prefix` followed by troops, items, parties, pt and factions.
std::vector<EditorSwitchEntry>
PythonEditorSwitch(const QString& prefix = QStringLiteral("mnu_select_"));

// What every editor window shares with the main menu: it is shown not modally,
// loads its files when created, asks before closing while it holds unsaved
// data, and shows the main menu again when left through "back to main menu".
// It also builds the menus every editor has alike.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(QWidget* parent = nullptr);

    // Whether the last close request went through (UnloadGranted).
    bool UnloadGranted = false;
    // Set by the File menu's back-to-main-menu entry for the close that follows.
    bool BackToMain = false;

    // Closes with the unsaved-data question; returns whether the window closed.
    bool closeEditor(bool backToMain);
    // Closes this editor (with the question) and, when that went through,
    // shows the other editor through `show` (one of the Show* factories).
    void switchTo(QWidget* (*show)());
    // File menu "&Exit": ends the program at once; with unsaved data only
    // after the same question a close asks, and No keeps the editor open.
    void exitProgram();

protected:
    virtual bool hasUnsavedData() const = 0;
    void closeEvent(QCloseEvent* event) override;

    // Builds the editor named `name` in the order every editor follows: the
    // narrow interface font, its controls (placed at their design positions),
    // its menus, then the load (Form_Load: its files read, its lists filled).
    // Called once, at the end of the editor's constructor.
    void build(const char* name);
    virtual void buildControls() {}
    virtual void buildMenus() {}
    virtual void formLoad() {}

    // Adds the File menu (mnu_file): the back-to-main-menu entry named
    // `backName`, a separator named `separatorName` and "&Exit" (mnu_file_exit).
    QMenu* addFileMenu(const QString& backName, const QString& separatorName,
                       const QString& backCaption = QStringLiteral("&Back to main menu"));
    // Adds a menu named `name` to the menu bar.
    QMenu* addMenu(const char* name, const QString& caption);
    // Adds an entry named `name` to `menu` that runs `handler`.
    QAction* addMenuEntry(QMenu* menu, const char* name, const QString& caption,
                          std::function<void()> handler);
    // Adds the editor-switch menu `name` from `entries`: the entry that shows
    // this editor (`own`) is ticked and keeps its tick, entries without a
    // factory are disabled, and every other one switches to its editor.
    QMenu* addEditorSwitchMenu(const char* name, const QString& caption,
                               const std::vector<EditorSwitchEntry>& entries, QWidget* (*own)());
    // Adds the help menu (mnu_help) with "&About" (mnu_help_about), which shows
    // the about window modally.
    QMenu* addHelpMenu(const QString& caption = QStringLiteral("&?"));

    // The save button: `save` offers the backup, writes the file and reports.
    // The unsaved mark is cleared only when the file was written, so that the
    // close question still guards what a failed save left unwritten.
    void saveFile(bool (*save)(), bool& unsaved);

    // Runs a pass over a whole table under the wait cursor, the window drawn
    // anew before it starts; returns what the pass returns.
    template <typename Pass> auto runBusy(Pass pass) {
        beginBusy();
        auto result = pass();
        endBusy();
        return result;
    }

private:
    // Whether the unsaved data may go: true without any, else the answer to
    // the unsaved-data question.
    bool mayDiscard() const;
    void beginBusy();
    void endBusy();
};
