#include "shell/frmConfig.h"

#include "platform/AppFolder.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/System.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "shell/MainControls.h"
#include "shell/cBrowseFolder.h"
#include "shell/modCore.h"
#include "shell/modMain.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The text files Save requires, in the order it tests them, with what it says
// when one is missing (the item file's message names it as users know it).
struct RequiredFile {
    const char* name;
    const char* missing;
};
constexpr RequiredFile SaveChecks[] = {
    {"troops.txt", "Missing troops.txt - Please check your module directory!"},
    {"item_kinds1.txt", "Missing item_kinds.txt - Please check your module directory!"},
    {"parties.txt", "Missing parties.txt - Please check your module directory!"},
    {"factions.txt", "Missing factions.txt - Please check your module directory!"},
    {"party_templates.txt", "Missing party_templates.txt - Please check your module directory!"},
};

const QString ModuleItemsFile = QStringLiteral("module_items.py");

bool UsesModuleSystem() {
    return SetupMode == u"1" || SetupMode == u"3";
}
bool UsesTextFiles() {
    return SetupMode == u"2" || SetupMode == u"3";
}

void AppendSeparator(QLineEdit* box) {
    const QString text = box->text();
    if (!text.isEmpty() && !text.endsWith(PathSeparator))
        box->setText(text + PathSeparator);
}

void MissingFile(const QString& text) {
    MsgBox(text, MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Missing file..."));
}

// Three columns: label, text box, Browse.
QGridLayout* FolderGrid(QGroupBox* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, Tw(6000));
    return grid;
}
} // namespace

frmConfig::frmConfig(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmConfig"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildModeFrame());
    layout->addWidget(buildTextFrame());
    layout->addWidget(buildPythonFrame());
    cmdSaveConfig = NamedButton("cmdSaveConfig", QStringLiteral("Save configuration"), this);
    layout->addWidget(cmdSaveConfig, 0, Qt::AlignRight);
    connect(cmdSaveConfig, &QPushButton::clicked, this, &frmConfig::cmdSaveConfig_Click);

    // Tab follows the window from top to bottom, left to right in a row (the
    // inactive output-directory row is never a stop).
    QWidget* const order[] = {optPython, optTXT,          optBoth,         txtModulesFolder,
                              cmdBrowse, txtModuleSystem, cmdBrowsePython, cmdSaveConfig};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    FixSizeToContents(this);

    timerConfig = Named(new QTimer(this), "timerConfig");
    connect(timerConfig, &QTimer::timeout, this, &frmConfig::timerConfig_Timer);
    formLoad();
    txtModulesFolder->setFocus();
}

QWidget* frmConfig::buildModeFrame() {
    auto* frmMode =
        Named(new QGroupBox(QStringLiteral("Which files do you want to edit?"), this), "frmMode");
    auto* row = new QHBoxLayout(frmMode);
    optPython = Named(new OptionButton(QStringLiteral("Module System (Orvath only!)"), frmMode),
                      "optPython");
    optTXT = Named(new OptionButton(QStringLiteral("Text compiled files"), frmMode), "optTXT");
    optBoth = Named(new OptionButton(QStringLiteral("Both: MS and TXT"), frmMode), "optBoth");
    for (OptionButton* option : {optPython, optTXT, optBoth})
        row->addWidget(option);
    row->addStretch();
    optPython->setChecked(true);
    connect(optPython, &OptionButton::click, this, &frmConfig::optPython_Click);
    connect(optTXT, &OptionButton::click, this, &frmConfig::optTXT_Click);
    connect(optBoth, &OptionButton::click, this, &frmConfig::optBoth_Click);
    return frmMode;
}

QWidget* frmConfig::buildTextFrame() {
    frameTXT =
        Named(new QGroupBox(QStringLiteral("Text compiled files configuration"), this), "frameTXT");
    auto* grid = FolderGrid(frameTXT);
    lblModuleDir = NamedLabel("lblModuleDir", QStringLiteral("Module directory:"), frameTXT);
    txtModulesFolder = Named(new QLineEdit(frameTXT), "txtModulesFolder");
    cmdBrowse = NamedButton("cmdBrowse", QStringLiteral("Browse"), frameTXT);
    grid->addWidget(lblModuleDir, 0, 0);
    grid->addWidget(txtModulesFolder, 0, 1);
    grid->addWidget(cmdBrowse, 0, 2);
    txtModulesFolder->installEventFilter(this);
    connect(cmdBrowse, &QPushButton::clicked, this, [this] {
        browse(txtModulesFolder, QStringLiteral("Select a Corvane Orvath module directory:"));
    });
    return frameTXT;
}

QWidget* frmConfig::buildPythonFrame() {
    framePython =
        Named(new QGroupBox(QStringLiteral("Module System configuration"), this), "framePython");
    auto* grid = FolderGrid(framePython);
    lblModuleSystem =
        NamedLabel("lblModuleSystem", QStringLiteral("Module system directory:"), framePython);
    txtModuleSystem = Named(new QLineEdit(framePython), "txtModuleSystem");
    cmdBrowsePython = NamedButton("cmdBrowsePython", QStringLiteral("Browse"), framePython);
    grid->addWidget(lblModuleSystem, 0, 0);
    grid->addWidget(txtModuleSystem, 0, 1);
    grid->addWidget(cmdBrowsePython, 0, 2);
    txtModuleSystem->installEventFilter(this);
    connect(cmdBrowsePython, &QPushButton::clicked, this, [this] {
        browse(txtModuleSystem, QStringLiteral("Select a Corvane Orvath module system directory:"));
    });

    // A setting the program does not support yet: shown, never active.
    QLabel* lblMsOutput =
        NamedLabel("lblMsOutput", QStringLiteral("Module system output directory:"), framePython);
    auto* txtMsOutput =
        Named(new QLineEdit(QStringLiteral("Not supported yet!"), framePython), "txtMsOutput");
    QPushButton* command2 = NamedButton("Command2", QStringLiteral("Browse"), framePython);
    grid->addWidget(lblMsOutput, 1, 0);
    grid->addWidget(txtMsOutput, 1, 1);
    grid->addWidget(command2, 1, 2);
    SetEnabled(false, lblMsOutput, txtMsOutput, command2);
    return framePython;
}

void frmConfig::formLoad() {
    setWindowTitle(WindowCaption());
    txtModulesFolder->setText(ModuleFolder);
    txtModuleSystem->setText(ModuleSystemDirectory);
    EnablePythonConfig(false);
    EnableTextConfig(false);
    if (SetupMode == u"0") {
        optTXT->setValue(true);
        EnableTextConfig(true);
    } else if (SetupMode == u"1") {
        optPython->setValue(true);
        EnablePythonConfig(true);
    } else if (SetupMode == u"2") {
        optTXT->setValue(true);
        EnableTextConfig(true);
    } else if (SetupMode == u"3") {
        EnablePythonConfig(true);
        EnableTextConfig(true);
        optBoth->setValue(true);
    }
    makeSelectedOptionTheTabStop();
    timerConfig->start(250);
}

void frmConfig::makeSelectedOptionTheTabStop() {
    // Tab enters an option group at its selected option, not at the first one
    // (Qt moves the stop along by itself once an option has had the focus).
    for (OptionButton* option : {optPython, optTXT, optBoth})
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void frmConfig::EnablePythonConfig(bool enabled) {
    SetEnabled(enabled, framePython, cmdBrowsePython, txtModuleSystem, lblModuleSystem);
}

void frmConfig::EnableTextConfig(bool enabled) {
    SetEnabled(enabled, frameTXT, txtModulesFolder, cmdBrowse, lblModuleDir);
}

void frmConfig::optPython_Click() {
    EnablePythonConfig(true);
    EnableTextConfig(false);
    SetupMode = QStringLiteral("1");
}

void frmConfig::optTXT_Click() {
    EnablePythonConfig(false);
    EnableTextConfig(true);
    SetupMode = QStringLiteral("2");
}

void frmConfig::optBoth_Click() {
    EnablePythonConfig(true);
    EnableTextConfig(true);
    SetupMode = QStringLiteral("3");
}

bool frmConfig::eventFilter(QObject* watched, QEvent* event) {
    // Both directories must end in a separator: file names are appended to
    // them as they stand. Only a move to another control counts as leaving a
    // box; a message box, another program or the box's own context menu
    // taking the focus must not change a path the user is still typing.
    if ((watched == txtModulesFolder || watched == txtModuleSystem) &&
        event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            AppendSeparator(static_cast<QLineEdit*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

void frmConfig::browse(QLineEdit* box, const QString& title) {
    cBrowseFolder picker;
    picker.lFlags = 65;
    picker.sFolder = FileSystemRoot();
    picker.lhWnd = this;
    picker.sTitle = title;
    picker.ShowBrowse();
    if (!picker.bCancelled) {
        box->setText(picker.sFolder);
        AppendSeparator(box);
    }
    box->setFocus();
}

void frmConfig::cmdSaveConfig_Click() {
    if (UsesTextFiles()) {
        const QString folder = txtModulesFolder->text();
        for (const RequiredFile& file : SaveChecks) {
            if (!FileExists(folder + QLatin1String(file.name))) {
                MissingFile(QLatin1String(file.missing));
                return;
            }
        }
        ModuleFolder = folder;
    }
    if (UsesModuleSystem()) {
        if (!FileExists(txtModuleSystem->text() + ModuleItemsFile)) {
            MissingFile(QStringLiteral(
                "Missing module_items.py - Please check your module system directory!"));
            return;
        }
        ModuleSystemDirectory = txtModuleSystem->text();
    }
    const QString config = ConfigFilePath();
    auto write = [&config](const char* key, const QString& value) {
        return WriteIni(QStringLiteral("Config"), QLatin1String(key), value, config) != 0;
    };
    const bool modeWritten = write("SetupMode", SetupMode);
    const bool systemWritten = write("ModuleSystemDirectory", ModuleSystemDirectory);
    const bool folderWritten = write("ModuleFolder", ModuleFolder);
    // Claiming success for settings that are not on disk would have the user
    // set up again at the next start without knowing why.
    if (modeWritten && systemWritten && folderWritten)
        MsgBox(QStringLiteral("Configuration saved!"), MsgButtons::Ok, MsgIcon::Information,
               QStringLiteral("Information..."));
    else
        ReportError(Err::PathFileAccess, QStringLiteral("frmConfig_cmdSaveConfig_Click"));
    SetupRequired = false;
    close();
}

void frmConfig::timerConfig_Timer() {
    timerConfig->stop();
    if (UsesModuleSystem() && !FileExists(ModuleSystemDirectory + ModuleItemsFile)) {
        MsgBox(QStringLiteral("Can't load necessary Python module system files!\r\nPlease "
                              "check/setup your module system directory!"),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Information..."));
        return;
    }
    if (UsesTextFiles() && (!FileExists(ModuleFolder + QStringLiteral("troops.txt")) ||
                            !FileExists(ModuleFolder + QStringLiteral("factions.txt")) ||
                            !FileExists(ModuleFolder + QStringLiteral("item_kinds1.txt")))) {
        MsgBox(QStringLiteral(
                   "Can't load necessary TXT files!\r\nPlease check/setup your module directory!"),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Information..."));
    }
}

void frmConfig::closeEvent(QCloseEvent* event) {
    // Without a saved setup there is nothing the program could work on.
    if (SetupRequired && !m_closed)
        EndProgram();
    m_closed = true;
    event->accept();
}
