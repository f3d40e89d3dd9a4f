#pragma once

#include <QMainWindow>

class QMenu;

// What every editor window shares with the main menu: it is shown not modally,
// loads its files when created, asks before closing while it holds unsaved
// data, and shows the main menu again when left through "back to main menu".
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
    // File menu "&Exit": ends the program at once, without the question.
    void exitProgram();

protected:
    virtual bool hasUnsavedData() const = 0;
    void closeEvent(QCloseEvent* event) override;

    // Whether switchTo shows the other editor before this one closes (so both
    // stay open when the user refuses the close) instead of only after it.
    virtual bool showsOtherEditorFirst() const { return false; }
    // Adds the File menu (mnu_file): the back-to-main-menu entry named
    // `backName`, a separator named `separatorName` and "&Exit" (mnu_file_exit).
    QMenu* addFileMenu(const QString& backName, const QString& separatorName,
                       const QString& backCaption = QStringLiteral("&Back to main menu"));
};
