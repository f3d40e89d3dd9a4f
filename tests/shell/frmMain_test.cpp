#include "ShellTest.h"

#include "shell/EditorFactories.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {
class MainMenu : public ShellTest {
protected:
    QWidget* open(const QString& mode) {
        SetupMode = mode;
        menu = ShowMainMenu();
        return menu;
    }
    bool pythonFamily() {
        return Child<QWidget>(menu, "cmdPythonTroops")->isEnabled() &&
               Child<QWidget>(menu, "framePython")->isEnabled() &&
               Child<QMenu>(menu, "mnu_python_editor")->menuAction()->isEnabled() &&
               Child<QAction>(menu, "mnu_python_pt")->isEnabled();
    }
    bool textFamily() {
        return Child<QWidget>(menu, "cmdItems")->isEnabled() &&
               Child<QWidget>(menu, "frameTXT")->isEnabled() &&
               Child<QMenu>(menu, "mnu_txt_editor")->menuAction()->isEnabled() &&
               Child<QAction>(menu, "mnu_select_troops")->isEnabled();
    }
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return menu.isNull();
    }

    QPointer<QWidget> menu;
};

struct FamilyRow {
    const char* mode;
    bool python;
    bool text;
};

TEST_F(MainMenu, TheTimerEnablesTheFamiliesOfTheMode) {
    const FamilyRow rows[] = {
        {"1", true, false},  {"2", false, true},  {"3", true, true},
        {"0", false, false}, {"5", false, false},
    };
    for (const FamilyRow& row : rows) {
        open(QLatin1String(row.mode));
        EXPECT_FALSE(Child<QWidget>(menu, "cmdPythonItems")->isEnabled());
        EXPECT_FALSE(Child<QWidget>(menu, "cmdTroops")->isEnabled());
        Wait(150);
        EXPECT_EQ(pythonFamily(), row.python) << row.mode;
        EXPECT_EQ(textFamily(), row.text) << row.mode;
        // The placeholders of the module-system frame never work.
        EXPECT_FALSE(Child<QWidget>(menu, "Command1")->isEnabled());
        EXPECT_FALSE(Child<QWidget>(menu, "Command3")->isEnabled());
        EXPECT_TRUE(Child<QWidget>(menu, "cmdConfig")->isEnabled());
        delete menu;
    }
}

TEST_F(MainMenu, SettingsLeaveTheFamiliesOfTheClickedOptionEvenUnsaved) {
    open(QStringLiteral("2"));
    Wait(150);
    platform.onModal([](QWidget* settings) {
        EXPECT_EQ(settings->objectName(), QStringLiteral("frmConfig"));
        Child<QRadioButton>(settings, "optPython")->click();
    });
    Child<QPushButton>(menu, "cmdConfig")->click();
    EXPECT_FALSE(textFamily());
    EXPECT_FALSE(pythonFamily());
    Wait(100);
    EXPECT_TRUE(pythonFamily());
    EXPECT_FALSE(textFamily());
    EXPECT_TRUE(readConfig().isEmpty());
    EXPECT_EQ(platform.programEnds, 0);
}

TEST_F(MainMenu, ChoosingAnEditorOpensItAndClosesTheMenu) {
    ModuleCopy module;
    ModuleFolder = module.folder();
    open(QStringLiteral("2"));
    Wait(150);
    Child<QPushButton>(menu, "cmdFactions")->click();
    EXPECT_TRUE(closed());
    EXPECT_NE(OpenWindow(QStringLiteral("frmTextFactions")), nullptr);
}

TEST_F(MainMenu, AboutHidesTheDecorationWhileTheSplashIsUp) {
    open(QStringLiteral("3"));
    platform.onModal([this](QWidget* splash) {
        EXPECT_EQ(splash->objectName(), QStringLiteral("frmSplash"));
        EXPECT_FALSE(Child<QWidget>(menu, "cmdExit")->isVisible());
        EXPECT_FALSE(Child<QWidget>(menu, "imgPython")->isVisible());
        EXPECT_FALSE(Child<QWidget>(menu, "lblStyleText")->isVisible());
    });
    Child<QAction>(menu, "mnu_help_about")->trigger();
    EXPECT_TRUE(Child<QWidget>(menu, "cmdExit")->isVisible());
    EXPECT_TRUE(Child<QWidget>(menu, "imgPython")->isVisible());
    EXPECT_TRUE(Child<QWidget>(menu, "lblStyleText")->isVisible());
    EXPECT_EQ(platform.modalWindows, QStringList{QStringLiteral("frmSplash")});
}

TEST_F(MainMenu, ExitEndsTheProgramWithoutAQuestion) {
    open(QStringLiteral("3"));
    Child<QPushButton>(menu, "cmdExit")->click();
    Child<QAction>(menu, "mnu_file_exit")->trigger();
    EXPECT_EQ(platform.programEnds, 2);
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
