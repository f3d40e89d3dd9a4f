#pragma once

#include <QWidget>

class OptionButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The settings window: which editor families to use (SetupMode) and where the
// module and module-system directories are. Save checks the folders and writes
// config.ini. Closed during the first setup without saving, it ends the program.
class frmConfig : public QWidget {
    Q_OBJECT
public:
    explicit frmConfig(QWidget* parent = nullptr);

    // Enables or disables the module-system folder's group.
    void EnablePythonConfig(bool enabled);
    // Enables or disables the module folder's group.
    void EnableTextConfig(bool enabled);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildModeFrame();
    QWidget* buildTextFrame();
    QWidget* buildPythonFrame();
    void formLoad();
    void makeSelectedOptionTheTabStop();
    void optPython_Click();
    void optTXT_Click();
    void optBoth_Click();
    void browse(QLineEdit* box, const QString& title);
    void cmdSaveConfig_Click();
    void timerConfig_Timer();

    OptionButton* optPython = nullptr;
    OptionButton* optTXT = nullptr;
    OptionButton* optBoth = nullptr;
    QGroupBox* frameTXT = nullptr;
    QLabel* lblModuleDir = nullptr;
    QLineEdit* txtModulesFolder = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QGroupBox* framePython = nullptr;
    QLabel* lblModuleSystem = nullptr;
    QLineEdit* txtModuleSystem = nullptr;
    QPushButton* cmdBrowsePython = nullptr;
    QPushButton* cmdSaveConfig = nullptr;
    QTimer* timerConfig = nullptr;
    bool m_closed = false; // a second close request of a closed window changes nothing
};
