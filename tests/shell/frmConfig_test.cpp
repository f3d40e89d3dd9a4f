#include "ShellTest.h"

#include "platform/gui/Dialogs.h"
#include "shell/frmConfig.h"
#include "support/UserInput.h"

#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
class SettingsWindow : public ShellTest {
protected:
    frmConfig* open(const QString& mode) {
        SetupMode = mode;
        window = new frmConfig;
        return window;
    }
    QLineEdit* box(const char* name) { return Child<QLineEdit>(window, name); }
    void save() { Child<QPushButton>(window, "cmdSaveConfig")->click(); }

    QPointer<frmConfig> window;
    ModuleCopy module;
    ModuleCopy moduleSystem{SampleModuleSystem()};
};

struct ModeRow {
    const char* mode;
    const char* option;
    bool textGroup;
    bool systemGroup;
    const char* modeAfter;
};

TEST_F(SettingsWindow, LoadingSelectsTheOptionOfTheMode) {
    const ModeRow rows[] = {
        {"0", "optTXT", true, false, "2"},     {"1", "optPython", false, true, "1"},
        {"2", "optTXT", true, false, "2"},     {"3", "optBoth", true, true, "3"},
        {"7", "optPython", false, false, "7"},
    };
    for (const ModeRow& row : rows) {
        open(QLatin1String(row.mode));
        EXPECT_TRUE(Child<QRadioButton>(window, row.option)->isChecked()) << row.mode;
        EXPECT_EQ(box("txtModulesFolder")->isEnabled(), row.textGroup) << row.mode;
        EXPECT_EQ(Child<QWidget>(window, "cmdBrowse")->isEnabled(), row.textGroup) << row.mode;
        EXPECT_EQ(box("txtModuleSystem")->isEnabled(), row.systemGroup) << row.mode;
        EXPECT_EQ(SetupMode, QLatin1String(row.modeAfter));
        EXPECT_FALSE(Child<QWidget>(window, "txtMsOutput")->isEnabled());
        delete window;
    }
}

struct MissingRow {
    QStringList removed;
    const char* reported;
};

TEST_F(SettingsWindow, SaveReportsTheFirstMissingTextFileInItsOrder) {
    const MissingRow rows[] = {
        {{QStringLiteral("troops.txt")}, "troops.txt"},
        {{QStringLiteral("item_kinds1.txt")}, "item_kinds.txt"},
        {{QStringLiteral("parties.txt"), QStringLiteral("factions.txt")}, "parties.txt"},
        {{QStringLiteral("factions.txt"), QStringLiteral("party_templates.txt")}, "factions.txt"},
        {{QStringLiteral("party_templates.txt")}, "party_templates.txt"},
    };
    for (const MissingRow& row : rows) {
        ModuleCopy copy;
        for (const QString& name : row.removed)
            ASSERT_TRUE(QFile::remove(copy.file(name)));
        open(QStringLiteral("2"));
        box("txtModulesFolder")->setText(copy.folder());
        platform.boxes.clear();
        save();
        expectOnlyBox(QStringLiteral("Missing %1 - Please check your module directory!")
                          .arg(QLatin1String(row.reported)),
                      QStringLiteral("Missing file..."), MsgIcon::Critical);
        EXPECT_FALSE(Deleted(window));
        EXPECT_TRUE(ModuleFolder.isEmpty());
        delete window;
    }
    EXPECT_TRUE(readConfig().isEmpty());
}

TEST_F(SettingsWindow, BothModesTakeTheModuleFolderBeforeTheSystemCheck) {
    open(QStringLiteral("3"));
    box("txtModulesFolder")->setText(module.folder());
    box("txtModuleSystem")->setText(module.folder()); // no module_items.py there
    save();
    EXPECT_EQ(platform.boxTexts(),
              QStringList{QStringLiteral(
                  "Missing module_items.py - Please check your module system directory!")});
    EXPECT_EQ(ModuleFolder, module.folder());
    EXPECT_TRUE(ModuleSystemDirectory.isEmpty());
    EXPECT_TRUE(readConfig().isEmpty());
    EXPECT_FALSE(Deleted(window));
}

TEST_F(SettingsWindow, SaveWritesTheThreeKeysInOrderAndCloses) {
    ModuleFolder = QStringLiteral("/kept/");
    open(QStringLiteral("1"));
    box("txtModulesFolder")->setText(QStringLiteral("/typed/but/unused/"));
    box("txtModuleSystem")->setText(moduleSystem.folder());
    save();
    const QByteArray config = readConfig();
    const qsizetype mode = config.indexOf("SetupMode=1");
    const qsizetype system =
        config.indexOf("ModuleSystemDirectory=" + moduleSystem.folder().toUtf8());
    const qsizetype folder = config.indexOf("ModuleFolder=/kept/");
    EXPECT_GE(mode, 0);
    EXPECT_GT(system, mode);
    EXPECT_GT(folder, system);
    expectOnlyBox(QStringLiteral("Configuration saved!"), QStringLiteral("Information..."),
                  MsgIcon::Information);
    EXPECT_TRUE(Deleted(window));
    EXPECT_EQ(platform.programEnds, 0);
}

TEST_F(SettingsWindow, ASettingsFileThatCannotBeWrittenIsReportedNotClaimedSaved) {
    ASSERT_TRUE(QDir(platform.programFolder()).mkdir(QStringLiteral("config.ini")));
    SetupRequired = true;
    open(QStringLiteral("2"));
    box("txtModulesFolder")->setText(module.folder());
    save();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith(
        QStringLiteral("Error # 75 occured in function \"frmConfig_cmdSaveConfig_Click\".")));
    EXPECT_EQ(platform.boxes[0].title, QStringLiteral("Error..."));
    // The settings still hold for this run.
    EXPECT_FALSE(SetupRequired);
    EXPECT_EQ(ModuleFolder, module.folder());
    EXPECT_TRUE(Deleted(window));
    EXPECT_EQ(platform.programEnds, 0);
}

struct LeaveRow {
    const char* box;
    const char* typed;
    Qt::FocusReason reason;
    const char* after;
};

TEST_F(SettingsWindow, LeavingTheModuleFolderAddsTheSeparator) {
    const LeaveRow rows[] = {
        // A message box, another program or the context menu taking the focus
        // is no leaving: the user may still be typing.
        {"txtModulesFolder", "/mods/nat", Qt::ActiveWindowFocusReason, "/mods/nat"},
        {"txtModulesFolder", "/mods/nat", Qt::PopupFocusReason, "/mods/nat"},
        {"txtModulesFolder", "/mods/native", Qt::TabFocusReason, "/mods/native/"},
        {"txtModulesFolder", "/mods/native/", Qt::TabFocusReason, "/mods/native/"},
        {"txtModulesFolder", "", Qt::TabFocusReason, ""},
        {"txtModuleSystem", "/mods/system", Qt::TabFocusReason, "/mods/system/"},
        {"txtModuleSystem", "/mods/sys", Qt::PopupFocusReason, "/mods/sys"},
    };
    open(QStringLiteral("3"));
    for (const LeaveRow& row : rows) {
        box(row.box)->setText(QLatin1String(row.typed));
        QFocusEvent focusOut(QEvent::FocusOut, row.reason);
        QCoreApplication::sendEvent(box(row.box), &focusOut);
        EXPECT_EQ(box(row.box)->text(), QLatin1String(row.after)) << row.typed << row.reason;
    }
}

TEST_F(SettingsWindow, AModuleSystemFolderTypedWithoutItsSeparatorPassesTheCheck) {
    open(QStringLiteral("1"));
    ASSERT_TRUE(ShowActive(window));
    QLineEdit* system = box("txtModuleSystem");
    QTest::mouseClick(system, Qt::LeftButton);
    QTest::keyClicks(system, moduleSystem.folder().chopped(1));
    Click(Child<QPushButton>(window, "cmdSaveConfig"));
    expectOnlyBox(QStringLiteral("Configuration saved!"), QStringLiteral("Information..."),
                  MsgIcon::Information);
    EXPECT_EQ(ModuleSystemDirectory, moduleSystem.folder());
}

// Tab went from the Browse button to the options and from Save back up to the
// second folder box.
TEST_F(SettingsWindow, TabFollowsTheWindowFromTopToBottomAndEntersTheOptionsAtTheSelectedOne) {
    struct Row {
        const char* mode;
        QStringList stops; // from the control that has the focus when the window opens
    };
    const Row rows[] = {
        {"3",
         {"txtModulesFolder", "cmdBrowse", "txtModuleSystem", "cmdBrowsePython", "cmdSaveConfig",
          "optBoth", "txtModulesFolder"}},
        // A disabled group is passed over.
        {"1", {"optPython", "txtModuleSystem", "cmdBrowsePython", "cmdSaveConfig", "optPython"}},
        {"2", {"txtModulesFolder", "cmdBrowse", "cmdSaveConfig", "optTXT", "txtModulesFolder"}},
    };
    for (const Row& row : rows) {
        open(QLatin1String(row.mode));
        ASSERT_TRUE(ShowActive(window)) << row.mode;
        QStringList stops;
        for (qsizetype i = 0; i < row.stops.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr) << row.mode;
            stops.append(focus->objectName());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        EXPECT_EQ(stops, row.stops) << row.mode;
        delete window;
    }
}

TEST_F(SettingsWindow, BrowseOpensAtTheRootAndKeepsTheBoxWhenCancelled) {
    open(QStringLiteral("3"));
    box("txtModulesFolder")->setText(QStringLiteral("/before/"));
    platform.answerFolder(std::nullopt);
    Child<QPushButton>(window, "cmdBrowse")->click();
    EXPECT_EQ(box("txtModulesFolder")->text(), QStringLiteral("/before/"));

    platform.answerFolder(QStringLiteral(" /picked/system "));
    Child<QPushButton>(window, "cmdBrowsePython")->click();
    EXPECT_EQ(box("txtModuleSystem")->text(), QStringLiteral("/picked/system/"));
    EXPECT_EQ(platform.folderDialogStarts, QStringList({FileSystemRoot(), FileSystemRoot()}));
}

TEST_F(SettingsWindow, TheTimerWarnsOnceAboutTheSavedFolders) {
    struct Row {
        const char* mode;
        QString folder;
        QString system;
        QStringList warnings;
    };
    ModuleCopy withoutTroops;
    QFile::remove(withoutTroops.file(QStringLiteral("troops.txt")));
    ModuleCopy withoutTemplates;
    QFile::remove(withoutTemplates.file(QStringLiteral("party_templates.txt")));
    const QString systemWarning = QStringLiteral(
        "Can't load necessary Python module system files!\r\nPlease check/setup your module "
        "system directory!");
    const QString textWarning = QStringLiteral(
        "Can't load necessary TXT files!\r\nPlease check/setup your module directory!");
    const Row rows[] = {
        {"1", QString(), QStringLiteral("/nowhere/"), {systemWarning}},
        {"3", QStringLiteral("/nowhere/"), QStringLiteral("/nowhere/"), {systemWarning}},
        {"3", withoutTroops.folder(), moduleSystem.folder(), {textWarning}},
        {"2", withoutTemplates.folder(), QString(), {}},
        {"1", QStringLiteral("/nowhere/"), moduleSystem.folder(), {}},
    };
    for (const Row& row : rows) {
        ModuleFolder = row.folder;
        ModuleSystemDirectory = row.system;
        platform.boxes.clear();
        open(QLatin1String(row.mode));
        Wait(300);
        EXPECT_EQ(platform.boxTexts(), row.warnings) << row.mode;
        if (!row.warnings.isEmpty()) {
            EXPECT_EQ(platform.boxes[0].title, QStringLiteral("Information..."));
            EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Exclamation);
        }
        delete window;
    }
}

TEST_F(SettingsWindow, OnlyClosingTheFirstSetupEndsTheProgram) {
    open(QStringLiteral("2"))->close();
    EXPECT_EQ(platform.programEnds, 0);
    SetupRequired = true;
    open(QStringLiteral("0"))->close();
    EXPECT_EQ(platform.programEnds, 1);
}
} // namespace
