#include "ShellTest.h"

#include "shell/Main.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <csignal>

namespace {
class StartUp : public ShellTest {
protected:
    void writeSettings(const QString& mode, const QString& folder,
                       const QString& system = QString(), const QByteArray& more = QByteArray()) {
        writeConfig("[Config]\r\nSetupMode=" + mode.toUtf8() +
                    "\r\nModuleFolder=" + folder.toUtf8() +
                    "\r\nModuleSystemDirectory=" + system.toUtf8() + "\r\n" + more);
    }
    ModuleCopy module;
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
        for (const char* name : {"imgPython", "lblStyleText", "cmdExit"})
            EXPECT_FALSE(Child<QWidget>(menu, name)->isVisibleTo(menu)) << name;
    });
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_TRUE(RunStartUp());
    // A save over a file-size limit then fails and is told, not the end of the program.
    EXPECT_EQ(std::signal(SIGXFSZ, SIG_IGN), SIG_IGN);
    EXPECT_EQ(platform.modalWindows,
              (QStringList{QStringLiteral("frmConfig"), QStringLiteral("frmSplash")}));
    EXPECT_EQ(platform.boxTexts(), QStringList{QStringLiteral("Configuration saved!")});
    EXPECT_EQ(platform.programEnds, 0);
    EXPECT_FALSE(SetupRequired);
    EXPECT_EQ(ModuleFolder, module.folder());
    QWidget* menu = OpenWindow(QStringLiteral("frmMain"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Child<QWidget>(menu, "cmdExit")->isVisibleTo(menu));
    EXPECT_TRUE(readConfig().contains("ModuleFolder=" + module.folder().toUtf8()));
}

struct DecisionRow {
    const char* mode;
    const char* folder;  // "M": the module copy, "M-": it without the closing separator
    const char* system;  // "S": the module-system copy
    const char* removed; // from the copy it belongs to
    bool setup;
};

TEST_F(StartUp, SettingsThatDoNotFindTheFilesOfTheModeRequireSetup) {
    const DecisionRow rows[] = {
        {"2", "M", "", "party_templates.txt", true},
        {"2", "M", "", "map_icons.txt", false}, // the text editors do not need it
        {"2", "M-", "", "", true},
        {"1", "/nowhere/", "S", "", false}, // only module_items.py is checked
        {"1", "M", "S", "module_items.py", true},
        {"3", "M", "/nowhere/", "", true},
        {"", "M", "", "", true},
        {"5", "", "", "", false}, // no family enabled, nothing to check
    };
    for (const DecisionRow& row : rows) {
        const ModuleCopy text;
        const ModuleCopy system{SampleModuleSystem()};
        const QString removed = QLatin1String(row.removed);
        const ModuleCopy& owner = removed.endsWith(QStringLiteral(".py")) ? system : text;
        ASSERT_TRUE(removed.isEmpty() || QFile::remove(owner.file(removed))) << row.removed;
        auto place = [&](const char* given) {
            const QString name = QLatin1String(given);
            if (name == QStringLiteral("M") || name == QStringLiteral("M-"))
                return name.size() == 1 ? text.folder() : text.folder().chopped(1);
            return name == QStringLiteral("S") ? system.folder() : name;
        };
        writeSettings(QLatin1String(row.mode), place(row.folder), place(row.system));
        const int ends = platform.programEnds;
        platform.modalWindows.clear();
        EXPECT_EQ(RunStartUp(), !row.setup) << row.mode << row.removed;
        EXPECT_EQ(platform.modalWindows.value(0),
                  row.setup ? QStringLiteral("frmConfig") : QStringLiteral("frmSplash"))
            << row.mode << row.removed;
        EXPECT_EQ(platform.programEnds - ends, row.setup ? 1 : 0);
        // An empty mode opens the settings window at its default pick.
        EXPECT_EQ(SetupMode, QLatin1String(*row.mode ? row.mode : "2"));
        QWidget* menu = OpenWindow(QStringLiteral("frmMain"));
        EXPECT_EQ(menu != nullptr, !row.setup) << row.mode << row.removed;
        delete menu;
    }
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
