#pragma once

#include <QMainWindow>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

// The main menu: opens one editor at a time, the settings and the about window,
// and ends the program. The editor families are enabled by SetupMode shortly
// after the window comes up (timSetup).
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    // Enables or disables every control of the module-system family.
    void EnablePythonEditors(bool enabled);
    // Enables or disables every control of the text-editor family.
    void EnableTextEditors(bool enabled);
    // Shows or hides imgPython, lblStyleText and cmdExit while the splash is up.
    void showDecoration(bool visible);

protected:
    // The main menu is centred on the screen each time it is shown.
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildPythonFrame();
    QWidget* buildTextFrame();
    QWidget* buildSettingFrame();
    void timSetup_Timer();
    // Shows the editor through its factory and closes the main menu.
    void openEditor(QWidget* (*show)());
    void openSettings();
    void showAbout();
    void exitProgram();

    QLabel* lblProg = nullptr;
    QLabel* imgPython = nullptr;
    QLabel* lblStyleText = nullptr;
    QGroupBox* framePython = nullptr;
    QLabel* lblPython = nullptr;
    QPushButton* cmdPythonTroops = nullptr;
    QPushButton* cmdPythonItems = nullptr;
    QPushButton* cmdPythonPT = nullptr;
    QGroupBox* frameTXT = nullptr;
    QLabel* lblTXT = nullptr;
    QPushButton* cmdTroops = nullptr;
    QPushButton* cmdParties = nullptr;
    QPushButton* cmdPT = nullptr;
    QPushButton* cmdFactions = nullptr;
    QPushButton* cmdItems = nullptr;
    QPushButton* cmdExit = nullptr;
    QMenu* mnu_python_editor = nullptr;
    QAction* mnu_python_troops = nullptr;
    QAction* mnu_python_items = nullptr;
    QAction* mnu_python_pt = nullptr;
    QMenu* mnu_txt_editor = nullptr;
    QAction* mnu_select_troops = nullptr;
    QAction* mnu_select_parties = nullptr;
    QAction* mnu_select_pt = nullptr;
    QAction* mnu_select_factions = nullptr;
    QAction* mnu_select_items = nullptr;
    QTimer* timSetup = nullptr;
};
