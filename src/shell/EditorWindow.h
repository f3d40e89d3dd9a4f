#pragma once

#include <QMainWindow>

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
};
