#include "shell/frmMain.h"

#include "platform/System.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"
#include "shell/MainControls.h"
#include "shell/frmConfig.h"
#include "shell/modMain.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// A few lines of a troop file, as decoration beside the buttons.
QString StyleSample() {
    QStringList pairs;
    for (int i = 0; i < 64; ++i)
        pairs.append(QStringLiteral("-1 0"));
    return QStringList{QStringLiteral("troopsfile version 2"),
                       QStringLiteral("930"),
                       QStringLiteral("trp_player Player Player 0 268435472 0 0 13 0 0"),
                       pairs.join(u' '),
                       QStringLiteral("4 4 4 4 0"),
                       QStringLiteral("15 15 15 15 15 15 0"),
                       QStringLiteral("0 0 0 0 0 0"),
                       QStringLiteral("6442450945 3952873730080618203 1947355 0 0 0 0 0")}
        .join(QStringLiteral("\r\n"));
}

// Our own emblem of the module-system editors: two interlocked tiles.
QPixmap PythonPicture() {
    QPixmap picture(Tw(960), Tw(960));
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const int s = picture.width();
    p.setBrush(QColor(0x30, 0x69, 0x98));
    p.drawRoundedRect(QRectF(0, 0, s * 0.62, s * 0.62), s * 0.12, s * 0.12);
    p.setBrush(QColor(0xFF, 0xD4, 0x3B));
    p.drawRoundedRect(QRectF(s * 0.38, s * 0.38, s * 0.62, s * 0.62), s * 0.12, s * 0.12);
    return picture;
}

QVBoxLayout* FrameLayout(QGroupBox* frame, QLabel* caption) {
    auto* layout = new QVBoxLayout(frame);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
    return layout;
}
} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(WindowCaption(QStringLiteral(" - Main menu")));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    imgPython = NamedLabel("imgPython", QString(), central);
    imgPython->setPixmap(PythonPicture());
    lblProg = NamedLabel("lblProg", ProgramTitle + u' ' + ProgramVersion, central);
    QFont titleFont = lblProg->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    lblProg->setFont(titleFont);
    top->addWidget(lblProg, 1);
    top->addWidget(imgPython);
    layout->addLayout(top);

    auto* frames = new QHBoxLayout;
    frames->addWidget(buildPythonFrame());
    frames->addWidget(buildTextFrame());
    frames->addWidget(buildSettingFrame());
    layout->addLayout(frames);

    // The sample is far wider than the window: it is decoration and is cut at
    // the window's edge, so it must not widen the window.
    lblStyleText = NamedLabel("lblStyleText", StyleSample(), central);
    lblStyleText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lblStyleText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    lblStyleText->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(lblStyleText);
    for (QWidget* w : std::initializer_list<QWidget*>{imgPython, lblStyleText, cmdExit}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    setCentralWidget(central);
    buildMenus();
    setFixedSize(sizeHint());

    EnablePythonEditors(false);
    EnableTextEditors(false);
    timSetup = Named(new QTimer(this), "timSetup");
    connect(timSetup, &QTimer::timeout, this, &frmMain::timSetup_Timer);
    timSetup->start(100);
}

QWidget* frmMain::buildPythonFrame() {
    framePython = Named(new QGroupBox(this), "framePython");
    lblPython = NamedLabel("lblPython", QStringLiteral("MS editors (Orvath only!)"), framePython);
    auto* layout = FrameLayout(framePython, lblPython);
    cmdPythonTroops = NamedButton("cmdPythonTroops", QStringLiteral("Troop editor"), framePython);
    cmdPythonItems = NamedButton("cmdPythonItems", QStringLiteral("Item editor"), framePython);
    cmdPythonPT = NamedButton("cmdPythonPT", QStringLiteral("Party templates editor"), framePython);
    // Placeholders of editors the module-system family does not have.
    QPushButton* command3 = NamedButton("Command3", QStringLiteral("Parties editor"), framePython);
    QPushButton* command1 = NamedButton("Command1", QStringLiteral("Factions editor"), framePython);
    SetEnabled(false, command3, command1);
    for (QPushButton* b : {cmdPythonTroops, cmdPythonItems, cmdPythonPT, command3, command1})
        layout->addWidget(b);
    layout->addStretch();
    connect(cmdPythonTroops, &QPushButton::clicked, this, [this] { openEditor(ShowPythonTroops); });
    connect(cmdPythonItems, &QPushButton::clicked, this, [this] { openEditor(ShowPythonItems); });
    connect(cmdPythonPT, &QPushButton::clicked, this, [this] { openEditor(ShowPythonPartyTemp); });
    return framePython;
}

QWidget* frmMain::buildTextFrame() {
    frameTXT = Named(new QGroupBox(this), "frameTXT");
    lblTXT = NamedLabel("lblTXT", QStringLiteral("Text editors (Orvath/Kelbrin)"), frameTXT);
    auto* layout = FrameLayout(frameTXT, lblTXT);
    cmdTroops = NamedButton("cmdTroops", QStringLiteral("Troop editor"), frameTXT);
    cmdParties = NamedButton("cmdParties", QStringLiteral("Parties editor"), frameTXT);
    cmdPT = NamedButton("cmdPT", QStringLiteral("Party templates editor"), frameTXT);
    cmdFactions = NamedButton("cmdFactions", QStringLiteral("Factions editor"), frameTXT);
    cmdItems = NamedButton("cmdItems", QStringLiteral("Item editor"), frameTXT);
    for (QPushButton* b : {cmdTroops, cmdParties, cmdPT, cmdFactions, cmdItems})
        layout->addWidget(b);
    layout->addStretch();
    connect(cmdTroops, &QPushButton::clicked, this, [this] { openEditor(ShowTextTroops); });
    connect(cmdParties, &QPushButton::clicked, this, [this] { openEditor(ShowTextParties); });
    connect(cmdPT, &QPushButton::clicked, this, [this] { openEditor(ShowTextPartyTemp); });
    connect(cmdFactions, &QPushButton::clicked, this, [this] { openEditor(ShowTextFactions); });
    connect(cmdItems, &QPushButton::clicked, this, [this] { openEditor(ShowTextItems); });
    return frameTXT;
}

QWidget* frmMain::buildSettingFrame() {
    auto* frameSetting = Named(new QGroupBox(this), "frameSetting");
    auto* layout = FrameLayout(
        frameSetting, NamedLabel("lblConfig", QStringLiteral("Configuration"), frameSetting));
    QPushButton* cmdConfig =
        NamedButton("cmdConfig", QStringLiteral("Change module settings"), frameSetting);
    cmdExit = NamedButton("cmdExit", QStringLiteral("Exit"), frameSetting);
    layout->addWidget(cmdConfig);
    layout->addWidget(cmdExit);
    layout->addStretch();
    connect(cmdConfig, &QPushButton::clicked, this, &frmMain::openSettings);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::exitProgram);
    return frameSetting;
}

void frmMain::buildMenus() {
    auto addEntry = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
        QAction* action = Named(menu->addAction(caption), name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto addMenu = [this](const char* name, const QString& caption) {
        return Named(menuBar()->addMenu(caption), name);
    };

    QMenu* file = addMenu("mnu_file", QStringLiteral("&File"));
    addEntry(file, "mnu_file_settings", QStringLiteral("&Change module settings"),
             [this] { openSettings(); });
    file->addSeparator()->setObjectName(QStringLiteral("mnu_file_blank1"));
    addEntry(file, "mnu_file_exit", QStringLiteral("&Exit"), [this] { exitProgram(); });

    mnu_python_editor = addMenu("mnu_python_editor", QStringLiteral("&Python Editor"));
    mnu_python_troops =
        addEntry(mnu_python_editor, "mnu_python_troops", QStringLiteral("module_&troops.py"),
                 [this] { openEditor(ShowPythonTroops); });
    mnu_python_items =
        addEntry(mnu_python_editor, "mnu_python_items", QStringLiteral("module_items.py"),
                 [this] { openEditor(ShowPythonItems); });
    mnu_python_pt =
        addEntry(mnu_python_editor, "mnu_python_pt", QStringLiteral("module_part&y_templates.py"),
                 [this] { openEditor(ShowPythonPartyTemp); });

    mnu_txt_editor = addMenu("mnu_txt_editor", QStringLiteral("Text Editor"));
    mnu_select_troops = addEntry(mnu_txt_editor, "mnu_select_troops", QStringLiteral("&troops.txt"),
                                 [this] { openEditor(ShowTextTroops); });
    mnu_select_parties =
        addEntry(mnu_txt_editor, "mnu_select_parties", QStringLiteral("&parties.txt"),
                 [this] { openEditor(ShowTextParties); });
    mnu_select_pt =
        addEntry(mnu_txt_editor, "mnu_select_pt", QStringLiteral("part&y_templates.txt"),
                 [this] { openEditor(ShowTextPartyTemp); });
    mnu_select_factions =
        addEntry(mnu_txt_editor, "mnu_select_factions", QStringLiteral("&factions.txt"),
                 [this] { openEditor(ShowTextFactions); });
    mnu_select_items =
        addEntry(mnu_txt_editor, "mnu_select_items", QStringLiteral("&item_kinds1.txt"),
                 [this] { openEditor(ShowTextItems); });

    QMenu* help = addMenu("mnu_help", QStringLiteral("&?"));
    addEntry(help, "mnu_help_about", QStringLiteral("&About"), [this] { showAbout(); });
}

void frmMain::EnablePythonEditors(bool enabled) {
    SetEnabled(enabled, framePython, cmdPythonItems, cmdPythonTroops, cmdPythonPT,
               mnu_python_editor->menuAction(), mnu_python_items, mnu_python_pt, lblPython);
}

void frmMain::EnableTextEditors(bool enabled) {
    SetEnabled(enabled, frameTXT, cmdFactions, cmdParties, cmdPT, cmdTroops, cmdItems,
               mnu_txt_editor->menuAction(), mnu_select_factions, mnu_select_items,
               mnu_select_parties, mnu_select_pt, mnu_select_troops, lblTXT);
}

void frmMain::showDecoration(bool visible) {
    imgPython->setVisible(visible);
    lblStyleText->setVisible(visible);
    cmdExit->setVisible(visible);
}

void frmMain::showEvent(QShowEvent* event) {
    // Left to the window manager, a menu shown again after an editor landed
    // at the screen's edge or in a corner.
    if (!event->spontaneous())
        CentreOnScreen(this);
    QMainWindow::showEvent(event);
}

void frmMain::timSetup_Timer() {
    timSetup->stop();
    if (SetupMode == u"1" || SetupMode == u"3")
        EnablePythonEditors(true);
    if (SetupMode == u"2" || SetupMode == u"3")
        EnableTextEditors(true);
}

void frmMain::openEditor(QWidget* (*show)()) {
    show();
    close();
}

void frmMain::openSettings() {
    ShowModal(new frmConfig);
    EnablePythonEditors(false);
    EnableTextEditors(false);
    // The families follow the SetupMode the settings window left, saved or not.
    timSetup->start(50);
}

void frmMain::showAbout() {
    showDecoration(false);
    ShowAboutWindow();
    showDecoration(true);
}

void frmMain::exitProgram() {
    EndProgram();
}

QWidget* ShowMainMenu() {
    auto* menu = new frmMain;
    menu->show();
    return menu;
}
