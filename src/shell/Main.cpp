#include "shell/Main.h"

#include "platform/AppFolder.h"
#include "platform/Convert.h"
#include "platform/System.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"
#include "shell/frmConfig.h"
#include "shell/frmMain.h"
#include "shell/modCore.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QPointer>

namespace {
const QStringList TextModuleFiles = {
    QStringLiteral("troops.txt"), QStringLiteral("factions.txt"), QStringLiteral("item_kinds1.txt"),
    QStringLiteral("parties.txt"), QStringLiteral("party_templates.txt")};

bool UsesModuleSystem() {
    return SetupMode == u"1" || SetupMode == u"3";
}
bool UsesTextFiles() {
    return SetupMode == u"2" || SetupMode == u"3";
}

bool TextModuleComplete() {
    bool complete = true;
    for (const QString& name : TextModuleFiles)
        complete = FileExists(ModuleFolder + name) && complete;
    return complete;
}

// Shows the settings window for a required setup. Returns false when the user
// closed it without saving, which ends the program.
bool RunSetup() {
    SetupRequired = true;
    ShowModal(new frmConfig);
    return !SetupRequired;
}

std::int16_t ReadNumberSetting(const QString& key, std::int16_t fallback, const QString& config) {
    return ToInt16(ReadIni(QStringLiteral("Config"), key, config)).value_or(fallback);
}
} // namespace

bool RunStartUp() {
    // Before any window can hold an update: a write over a file-size limit
    // must fail and be reported, not end the program.
    SetUpProcess();
    SetupMode = QStringLiteral("0");
    ListFontSize = 8;
    ScreenWidth = 1024;
    SetupRequired = false;
    ModuleFolder.clear();
    ModuleSystemDirectory.clear();

    const QString config = ConfigFilePath();
    if (FileExists(config)) {
        const QString section = QStringLiteral("Config");
        SetupMode = ReadIni(section, QStringLiteral("SetupMode"), config);
        ModuleFolder = ReadIni(section, QStringLiteral("ModuleFolder"), config);
        ModuleSystemDirectory = ReadIni(section, QStringLiteral("ModuleSystemDirectory"), config);
        ListFontSize = ReadNumberSetting(QStringLiteral("ListFontSize"), ListFontSize, config);
        ScreenWidth = ReadNumberSetting(QStringLiteral("ScreenWidth"), ScreenWidth, config);
        if (SetupMode.isEmpty())
            SetupMode = QStringLiteral("0");
        if (SetupMode == u"0" && !RunSetup())
            return false;
        if (UsesModuleSystem() &&
            !FileExists(ModuleSystemDirectory + QStringLiteral("module_items.py")) && !RunSetup())
            return false;
        if (UsesTextFiles() && !TextModuleComplete() && !RunSetup())
            return false;
    } else {
        SetupMode = QStringLiteral("0");
        ModuleFolder = ProgramFolder() + PathSeparator;
        if (!RunSetup())
            return false;
    }

    QPointer<frmMain> menu = qobject_cast<frmMain*>(ShowMainMenu());
    if (menu)
        menu->showDecoration(false);
    ShowAboutWindow();
    if (menu)
        menu->showDecoration(true);
    return true;
}

bool Main() {
    InstallWindowSystem();
    // The settings and splash windows run before the event loop and may be
    // the only window for a while; closing one must not end the program.
    const bool quitOnLastWindow = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    const bool started = RunStartUp();
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    return started;
}
