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

struct EditorRow {
    const char* control; // a button or a menu entry
    const char* editor;
};

TEST_F(MainMenu, EachButtonAndMenuEntryOpensItsEditorAndClosesTheMenu) {
    const EditorRow rows[] = {
        {"cmdPythonTroops", "frmPythonTroops"},     {"cmdPythonItems", "frmPythonItems"},
        {"cmdPythonPT", "frmPythonPartyTemp"},      {"cmdTroops", "frmTextTroops"},
        {"cmdParties", "frmTextParties"},           {"cmdPT", "frmTextPartyTemp"},
        {"cmdFactions", "frmTextFactions"},         {"cmdItems", "frmTextItems"},
        {"mnu_python_troops", "frmPythonTroops"},   {"mnu_python_items", "frmPythonItems"},
        {"mnu_python_pt", "frmPythonPartyTemp"},    {"mnu_select_troops", "frmTextTroops"},
        {"mnu_select_parties", "frmTextParties"},   {"mnu_select_pt", "frmTextPartyTemp"},
        {"mnu_select_factions", "frmTextFactions"}, {"mnu_select_items", "frmTextItems"},
    };
    ModuleCopy module;
    ModuleCopy moduleSystem{SampleModuleSystem()};
    ModuleFolder = module.folder();
    ModuleSystemDirectory = moduleSystem.folder();
    for (const EditorRow& row : rows) {
        open(QStringLiteral("3"));
        Wait(150);
        if (auto* button = menu->findChild<QPushButton*>(QLatin1String(row.control)))
            button->click();
        else
            Child<QAction>(menu, row.control)->trigger();
        EXPECT_TRUE(closed()) << row.control;
        QWidget* editor = OpenWindow(QLatin1String(row.editor));
        EXPECT_NE(editor, nullptr) << row.control;
        delete editor;
    }
    EXPECT_TRUE(platform.boxes.empty()) << platform.boxTexts().join(u'|').toStdString();
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
