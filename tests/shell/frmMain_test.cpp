#include "ShellTest.h"

#include "platform/gui/Dialogs.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"
#include "support/UserInput.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QThread>

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

TEST_F(MainMenu, AnOptionOfTheSettingsTakesEffectAtOnceEvenUnsaved) {
    open(QStringLiteral("2"));
    Wait(150);
    platform.onModal([](QWidget* settings) {
        EXPECT_EQ(settings->objectName(), QStringLiteral("frmConfig"));
        Child<QRadioButton>(settings, "optPython")->click();
        EXPECT_FALSE(Child<QWidget>(settings, "txtModulesFolder")->isEnabled());
        EXPECT_TRUE(Child<QWidget>(settings, "txtModuleSystem")->isEnabled());
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
    const char* button;
    const char* menuEntry;
    const char* editor;
};

TEST_F(MainMenu, EachButtonAndMenuEntryOpensItsEditorAndClosesTheMenu) {
    const EditorRow rows[] = {
        {"cmdPythonTroops", "mnu_python_troops", "frmPythonTroops"},
        {"cmdPythonItems", "mnu_python_items", "frmPythonItems"},
        {"cmdPythonPT", "mnu_python_pt", "frmPythonPartyTemp"},
        {"cmdTroops", "mnu_select_troops", "frmTextTroops"},
        {"cmdParties", "mnu_select_parties", "frmTextParties"},
        {"cmdPT", "mnu_select_pt", "frmTextPartyTemp"},
        {"cmdFactions", "mnu_select_factions", "frmTextFactions"},
        {"cmdItems", "mnu_select_items", "frmTextItems"},
    };
    ModuleCopy module;
    ModuleCopy moduleSystem{SampleModuleSystem()};
    ModuleFolder = module.folder();
    ModuleSystemDirectory = moduleSystem.folder();
    for (const EditorRow& row : rows) {
        for (const bool byButton : {true, false}) {
            open(QStringLiteral("3"));
            Wait(150);
            if (byButton)
                Child<QPushButton>(menu, row.button)->click();
            else
                Child<QAction>(menu, row.menuEntry)->trigger();
            EXPECT_TRUE(Deleted(menu)) << row.button << byButton;
            QWidget* editor = OpenWindow(QLatin1String(row.editor));
            EXPECT_NE(editor, nullptr) << row.button << byButton;
            delete editor;
        }
    }
    EXPECT_TRUE(platform.boxes.empty()) << platform.boxTexts().join(u'|').toStdString();
}

TEST_F(MainMenu, AboutHidesTheDecorationWhileTheSplashIsUp) {
    const char* const decoration[] = {"cmdExit", "imgPython", "lblStyleText"};
    open(QStringLiteral("3"));
    platform.onModal([&](QWidget* splash) {
        EXPECT_EQ(splash->objectName(), QStringLiteral("frmSplash"));
        for (const char* name : decoration)
            EXPECT_FALSE(Child<QWidget>(menu, name)->isVisible()) << name;
    });
    Child<QAction>(menu, "mnu_help_about")->trigger();
    for (const char* name : decoration)
        EXPECT_TRUE(Child<QWidget>(menu, name)->isVisible()) << name;
    EXPECT_EQ(platform.modalWindows, QStringList{QStringLiteral("frmSplash")});
}

// How far apart the centres of two frames are.
int Apart(const QRect& a, const QRect& b) {
    return (a.center() - b.center()).manhattanLength();
}

// Left to the window manager, a main menu shown again landed at the screen's
// edge (and the settings window, centred over it, followed). A window manager
// that is still building a frame reports it as it stands, one pixel square;
// centred by that, the menu came back with its top left corner at the
// screen's centre, about once in thirty returns on a busy machine.
TEST_F(MainMenu, ComesBackCentredFromItsRealFrameWhateverTheWindowManagersTiming) {
    ModuleCopy module;
    ModuleFolder = module.folder();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    int halfBuiltLooks = 0; // looks at the menu's frame that find it half built
    const struct Restore {
        FrameReader previous;
        ~Restore() { SetFrameReader(previous); }
    } restore{SetFrameReader([&](const QWidget* window) {
        if (window->objectName() == u"frmMain" && halfBuiltLooks-- > 0)
            return QRect(window->geometry().topLeft(), QSize(1, 1));
        return window->frameGeometry();
    })};
    QTimer busy; // every turn of the event loop takes a while
    QObject::connect(&busy, &QTimer::timeout, [] { QThread::msleep(3); });
    busy.start(0);
    open(QStringLiteral("2"));
    QTest::qWait(150);
    for (int i = 0; i < 16; ++i) {
        menu->move(area.topLeft()); // where the user put it
        Child<QPushButton>(menu, "cmdFactions")->click();
        QWidget* editor = OpenWindow(QStringLiteral("frmTextFactions"));
        ASSERT_NE(editor, nullptr);
        halfBuiltLooks = i % 4;
        Child<QAction>(editor, "mnu_file_main")->trigger();
        menu = OpenWindow(QStringLiteral("frmMain"));
        ASSERT_NE(menu, nullptr);
        QTest::qWait(150); // the menu's buttons wake with its timer
        EXPECT_TRUE(area.contains(menu->frameGeometry())) << i;
        EXPECT_LE(Apart(menu->frameGeometry(), area), 1) << i;
    }
}

// The count-line message of a troop file comes up while the troop editor loads,
// when the main menu that opened it is still the active window: the box
// belongs to the editor and stands over it.
TEST_F(MainMenu, AMessageWhileAnEditorLoadsStandsOverTheEditor) {
    ModuleCopy module;
    module.write(QStringLiteral("troops.txt"),
                 module.read(QStringLiteral("troops.txt")).replace("\n5 \r\n", "\n7 \r\n"));
    ModuleFolder = module.folder();
    open(QStringLiteral("2"));
    ASSERT_TRUE(ShowActive(menu));
    Wait(150);
    InstallWindowSystem(); // the real message boxes
    QPointer<QWidget> owner;
    QRect box;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            owner = shown->parentWidget();
            box = shown->frameGeometry();
            shown->accept();
        }
    });
    answer.start(20);
    Child<QPushButton>(menu, "cmdTroops")->click();
    answer.stop();
    QWidget* editor = OpenWindow(QStringLiteral("frmTextTroops"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(owner, editor);
    EXPECT_LE(Apart(box, editor->frameGeometry()), 1);
}

TEST_F(MainMenu, ExitEndsTheProgramWithoutAQuestion) {
    open(QStringLiteral("3"));
    Child<QPushButton>(menu, "cmdExit")->click();
    Child<QAction>(menu, "mnu_file_exit")->trigger();
    EXPECT_EQ(platform.programEnds, 2);
    EXPECT_TRUE(platform.boxes.empty());
}
} // namespace
