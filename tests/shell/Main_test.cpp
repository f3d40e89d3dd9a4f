#include "ShellTest.h"

#include "shell/Main.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
class StartUp : public ShellTest {
protected:
    void writeSettings(const QString& mode, const QString& folder,
                       const QString& system = QString(), const QByteArray& more = QByteArray()) {
        writeConfig("[Config]\r\nSetupMode=" + mode.toUtf8() +
                    "\r\nModuleFolder=" + folder.toUtf8() +
                    "\r\nModuleSystemDirectory=" + system.toUtf8() + "\r\n" + more);
    }
    // Expects the settings window as the next modal window and closes it unsaved.
    void expectSetupClosedUnsaved() {
        platform.onModal(
            [](QWidget* w) { EXPECT_EQ(w->objectName(), QStringLiteral("frmConfig")); });
    }
    bool startsWithSetup() {
        expectSetupClosedUnsaved();
        const bool started = RunStartUp();
        EXPECT_EQ(platform.modalWindows.value(0), QStringLiteral("frmConfig"));
        EXPECT_FALSE(started);
        EXPECT_EQ(platform.programEnds, 1);
        EXPECT_EQ(OpenWindow(QStringLiteral("frmMain")), nullptr);
        return !started;
    }
    void expectNoSetup() {
        EXPECT_TRUE(RunStartUp());
        EXPECT_EQ(platform.modalWindows, QStringList{QStringLiteral("frmSplash")});
        EXPECT_EQ(platform.programEnds, 0);
        EXPECT_NE(OpenWindow(QStringLiteral("frmMain")), nullptr);
    }
    ModuleCopy module;
    ModuleCopy moduleSystem{SampleModuleSystem()};
};

TEST_F(StartUp, WithoutConfigFileTheFirstSetupOpensAtTheProgramFolder) {
    platform.onModal([this](QWidget* w) {
        EXPECT_EQ(Child<QLineEdit>(w, "txtModulesFolder")->text(),
                  platform.programFolder() + PathSeparator);
        EXPECT_EQ(Child<QLineEdit>(w, "txtModuleSystem")->text(), QString());
        EXPECT_TRUE(Child<QRadioButton>(w, "optTXT")->isChecked());
        EXPECT_EQ(SetupMode, QStringLiteral("2"));
        EXPECT_TRUE(SetupRequired);
    });
    EXPECT_FALSE(RunStartUp());
    EXPECT_EQ(platform.modalWindows, QStringList{QStringLiteral("frmConfig")});
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_EQ(OpenWindow(QStringLiteral("frmMain")), nullptr);
    EXPECT_TRUE(readConfig().isEmpty());
}

TEST_F(StartUp, ASavedFirstSetupGoesOnToMenuAndSplash) {
    platform.onModal([this](QWidget* w) {
        Child<QLineEdit>(w, "txtModulesFolder")->setText(module.folder());
        Child<QPushButton>(w, "cmdSaveConfig")->click();
    });
    platform.onModal([](QWidget*) {
        QWidget* menu = OpenWindow(QStringLiteral("frmMain"));
        ASSERT_NE(menu, nullptr);
        EXPECT_FALSE(Child<QWidget>(menu, "imgPython")->isVisibleTo(menu));
        EXPECT_FALSE(Child<QWidget>(menu, "lblStyleText")->isVisibleTo(menu));
        EXPECT_FALSE(Child<QWidget>(menu, "cmdExit")->isVisibleTo(menu));
    });
    EXPECT_TRUE(RunStartUp());
    EXPECT_EQ(platform.modalWindows,
              (QStringList{QStringLiteral("frmConfig"), QStringLiteral("frmSplash")}));
    EXPECT_EQ(platform.boxTexts(), QStringList{QStringLiteral("Configuration saved!")});
    EXPECT_EQ(platform.programEnds, 0);
    EXPECT_FALSE(SetupRequired);
    EXPECT_EQ(ModuleFolder, module.folder());
    QWidget* menu = OpenWindow(QStringLiteral("frmMain"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Child<QWidget>(menu, "cmdExit")->isVisibleTo(menu));
    const QByteArray config = readConfig();
    EXPECT_TRUE(config.contains("SetupMode=2"));
    EXPECT_TRUE(config.contains("ModuleFolder=" + module.folder().toUtf8()));
}

TEST_F(StartUp, TextModeWithAMissingTextFileRequiresSetup) {
    ASSERT_TRUE(QFile::remove(module.file(QStringLiteral("party_templates.txt"))));
    writeSettings(QStringLiteral("2"), module.folder());
    startsWithSetup();
}

TEST_F(StartUp, TextModeDoesNotNeedTheMapIcons) {
    QFile::remove(module.file(QStringLiteral("map_icons.txt")));
    writeSettings(QStringLiteral("2"), module.folder());
    expectNoSetup();
}

TEST_F(StartUp, AFolderWithoutClosingSeparatorRequiresSetup) {
    writeSettings(QStringLiteral("2"), module.folder().chopped(1));
    startsWithSetup();
}

TEST_F(StartUp, ModuleSystemModeChecksOnlyModuleItems) {
    writeSettings(QStringLiteral("1"), QStringLiteral("/nowhere/"), moduleSystem.folder());
    expectNoSetup();
}

TEST_F(StartUp, ModuleSystemModeWithoutModuleItemsRequiresSetup) {
    ASSERT_TRUE(QFile::remove(moduleSystem.file(QStringLiteral("module_items.py"))));
    writeSettings(QStringLiteral("1"), module.folder(), moduleSystem.folder());
    startsWithSetup();
}

TEST_F(StartUp, BothModesCheckBothFolders) {
    writeSettings(QStringLiteral("3"), module.folder(), QStringLiteral("/nowhere/"));
    startsWithSetup();
}

TEST_F(StartUp, AnEmptyModeMeansNotSetUp) {
    writeSettings(QString(), module.folder());
    startsWithSetup();
    EXPECT_EQ(SetupMode, QStringLiteral("2")); // the settings window's default pick
}

TEST_F(StartUp, AnUnknownModeStartsWithNoFamilyEnabled) {
    writeSettings(QStringLiteral("5"), QString());
    expectNoSetup();
    EXPECT_EQ(SetupMode, QStringLiteral("5"));
    Wait(150);
    QWidget* menu = OpenWindow(QStringLiteral("frmMain"));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(Child<QWidget>(menu, "cmdTroops")->isEnabled());
    EXPECT_FALSE(Child<QWidget>(menu, "cmdPythonTroops")->isEnabled());
    EXPECT_TRUE(Child<QWidget>(menu, "cmdConfig")->isEnabled());
}

struct NumberRow {
    const char* text;
    std::optional<std::int16_t> value; // none: the default stays
};

TEST_F(StartUp, NumberSettingsRoundHalfToEvenAndKeepDefaultsOtherwise) {
    const NumberRow rows[] = {
        {"7.5", 8},
        {"8.5", 8},
        {"9.5", 10},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"930 ", 930},
        {"1280", 1280},
        {"1,5", std::nullopt},
        {"40000", std::nullopt},
        {"-3", -3},
    };
    for (const NumberRow& row : rows) {
        const QByteArray text(row.text);
        writeSettings(QStringLiteral("5"), QString(), QString(),
                      "ListFontSize=" + text + "\r\nScreenWidth=" + text + "\r\n");
        ASSERT_TRUE(RunStartUp());
        EXPECT_EQ(ListFontSize, row.value.value_or(8)) << row.text;
        EXPECT_EQ(ScreenWidth, row.value.value_or(1024)) << row.text;
        delete OpenWindow(QStringLiteral("frmMain"));
    }
}
} // namespace
