// Developer tool: shows every window of the program, filled from a working
// copy of the sample module, saves each to a PNG file and prints what the
// layout check finds wrong with it (captions cut, controls on top of each
// other or outside their frame), so that faults can be spotted without a
// display. Under a real window system (QT_QPA_PLATFORM=xcb with a window
// manager) each picture holds the window's frame, and the tool also prints
// the frame's geometry and whether it lies inside the screen's available
// area (the screen less the panels the desktop reserves).
//
// Usage: screenshots <out-folder> [1024|1280]
// The editors are laid out for the width given, or for both. The exit code
// is 1 when a window could not be shot or a fault was found.

#include "module_system/frmPythonNewEntry.h"
#include "module_system/modPythonTroops.h"
#include "platform/AppFolder.h"
#include "platform/MessageBox.h"
#include "platform/System.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"
#include "shell/EditorWindow.h"
#include "shell/frmConfig.h"
#include "shell/frmMain.h"
#include "shell/frmMessage.h"
#include "shell/frmSplash.h"
#include "shell/modMain.h"
#include "support/WindowChecks.h"
#include "text_editors/troops/frmTextTroopsCopy.h"
#include "textfiles/modTextTroops.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {
QString g_out;
int g_failures = 0;
int g_faults = 0;
// The name the next modal window is shot under; empty: not shot.
QString g_modalShot;

void Log(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Lets timers and layouts run for a moment (the main menu enables its
// families 100 ms after it comes up).
void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool OnWindowSystem() {
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen" && platform != u"minimal";
}

QString Rect(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void Fault(const QString& text) {
    Log(QStringLiteral("  fault: ") + text);
    ++g_faults;
}

// Saves the shown window (with the window manager's frame where there is
// one) and prints its faults; the window stays.
void Report(QWidget* window, const QString& name) {
    const QString path = QDir(g_out).filePath(name + QStringLiteral(".png"));
    const QRect frame = window->frameGeometry();
    QPixmap picture = window->grab();
    if (OnWindowSystem() && window->screen())
        picture =
            window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (!picture.save(path)) {
        Log(QStringLiteral("cannot write ") + path);
        ++g_failures;
    } else {
        Log(path);
    }
    if (OnWindowSystem() && window->screen()) {
        const QRect area = window->screen()->availableGeometry();
        Log(QStringLiteral("  frame ") + Rect(frame) + QStringLiteral(", window ") +
            Rect(window->geometry()) + QStringLiteral(", available area ") + Rect(area));
        if (!area.contains(frame))
            Fault(name + QStringLiteral(": the frame is not inside the available area"));
    }
    for (const QString& fault : LayoutFaults(window))
        Fault(fault);
}

void Shoot(QWidget* window, const QString& name) {
    if (!window) {
        Log(QStringLiteral("no window for ") + name);
        ++g_failures;
        return;
    }
    QPointer<QWidget> guard(window);
    window->show();
    Settle(OnWindowSystem() ? 700 : 300);
    if (!guard) {
        Log(name + QStringLiteral(" closed itself"));
        ++g_failures;
        return;
    }
    Report(window, name);
    // Deleted, not closed: a close would ask questions or show other windows.
    delete guard.data();
}

// The open main menu, if any.
QWidget* OpenMainMenu() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == u"frmMain" && w->isVisible())
            return w;
    }
    return nullptr;
}

bool CopyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), QDir(to).filePath(name)))
            return false;
        QFile::setPermissions(QDir(to).filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    }
    return true;
}

// Nothing may wait for a user: boxes are answered and logged, modal windows
// closed at once, and ending the program is ignored.
void InstallSilentSeams() {
    SetMessageBoxHandler([](const MessageBoxRequest& request) {
        Log(QStringLiteral("message box: ") + request.title + QStringLiteral(": ") + request.text);
        return request.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    });
    SetModalHandler([](QWidget* window) {
        Log(QStringLiteral("modal: ") + window->objectName());
        if (g_modalShot.isEmpty())
            return;
        // Shown where ShowModal placed it, but not modally, then closed.
        window->show();
        Settle(OnWindowSystem() ? 700 : 300);
        Report(window, g_modalShot);
        g_modalShot.clear();
        window->close();
    });
    SetEndProgramHandler([] { Log(QStringLiteral("program end requested")); });
}

struct Editor {
    const char* name;
    QWidget* (*show)();
    bool hasScreenWidths;
};
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::vector<std::int16_t> widths{1024, 1280};
    if (argc == 3 && (QByteArray(argv[2]) == "1024" || QByteArray(argv[2]) == "1280"))
        widths = {static_cast<std::int16_t>(QByteArray(argv[2]).toInt())};
    else if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots <out-folder> [1024|1280]\n");
        return 2;
    }
    g_out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(g_out)) {
        Log(QStringLiteral("cannot create ") + g_out);
        return 1;
    }

    QTemporaryDir work;
    // Folders with the long names module authors give them, so that the
    // editors' headings show how they shorten a path.
    const QString modules = work.filePath(QStringLiteral(
        "Games/Corvane Orvath/Modules/A Very Long Module Name Of Its Author (development copy)"));
    const QString module = modules + QStringLiteral("/Module Text Files");
    const QString moduleSystem = modules + QStringLiteral("/Module System 1.143");
    if (!work.isValid() || !CopyFolder(QStringLiteral(QE_SAMPLE_DIR "/module"), module) ||
        !CopyFolder(QStringLiteral(QE_SAMPLE_DIR "/module_system"), moduleSystem)) {
        Log(QStringLiteral("cannot copy the sample module"));
        return 1;
    }
    // The view settings the editors store go to the temporary copy.
    SetProgramFolder(work.path());
    InstallSilentSeams();
    SetupMode = QStringLiteral("3");
    ModuleFolder = module + PathSeparator;
    ModuleSystemDirectory = moduleSystem + PathSeparator;
    ListFontSize = 8;
    ScreenWidth = widths.front();

    Shoot(ShowMainMenu(), QStringLiteral("frmMain"));
    Shoot(new frmConfig, QStringLiteral("frmConfig"));
    // The first start: no settings file, so the module folder is the
    // program's own and the module-system folder is empty.
    SetupMode = QStringLiteral("0");
    ModuleFolder = work.path() + PathSeparator;
    ModuleSystemDirectory.clear();
    Shoot(new frmConfig, QStringLiteral("frmConfig_first_setup"));
    SetupMode = QStringLiteral("3");
    ModuleFolder = module + PathSeparator;
    ModuleSystemDirectory = moduleSystem + PathSeparator;
    Shoot(new frmSplash, QStringLiteral("frmSplash"));

    MsgTitle = QStringLiteral("Troop updated...");
    MsgText = QStringLiteral("Troop # 1 has been updated. This is the new entry:");
    MsgEntry = QStringLiteral(
        "trp_player Player Player 0 268435472 0 0 13 0 0\r\n"
        "  0 0 1 0 2 0 3 0 -1 0 -1 0 -1 0 -1 0 -1 0 -1 0 -1 0 -1 0 -1 0 -1 0 -1 0 -1 0\r\n"
        "  4 4 4 4 0\r\n  15 15 15 15 15 15 0\r\n  0 0 0 0 0 0\r\n"
        "  6442450945 3952873730080618203 1947355 0 0 0 0 0");
    Shoot(new frmMessage, QStringLiteral("frmMessage"));

    const Editor editors[] = {
        {"frmTextTroops", ShowTextTroops, true},
        {"frmTextItems", ShowTextItems, true},
        {"frmTextParties", ShowTextParties, false},
        {"frmTextPartyTemp", ShowTextPartyTemp, false},
        {"frmTextFactions", ShowTextFactions, false},
        {"frmPythonTroops", ShowPythonTroops, true},
        {"frmPythonItems", ShowPythonItems, true},
        {"frmPythonPartyTemp", ShowPythonPartyTemp, false},
    };
    for (const Editor& editor : editors) {
        const QString name = QLatin1String(editor.name);
        if (!editor.hasScreenWidths) {
            ScreenWidth = widths.front();
            Shoot(editor.show(), name);
            continue;
        }
        for (const std::int16_t width : widths) {
            ScreenWidth = width;
            Shoot(editor.show(), name + u'_' + QString::number(width));
        }
    }

    // Editors with a record on the screen, so its filled controls are seen too
    // (the party's member rows and the item's type labels among them).
    const struct {
        Editor editor;
        const char* list;
        int row;
    } shownRecords[] = {
        {{"frmTextFactions", ShowTextFactions, false}, "lstFactions", 2},
        {{"frmTextPartyTemp", ShowTextPartyTemp, false}, "lstPT", 2},
        {{"frmTextParties", ShowTextParties, false}, "lstParties", 5},
        {{"frmTextItems", ShowTextItems, true}, "lstItems", 7},
        {{"frmPythonPartyTemp", ShowPythonPartyTemp, false}, "lstPT", 10}, // six members
    };
    for (const auto& [editor, list, row] : shownRecords) {
        for (const std::int16_t width : widths) {
            if (width != widths.front() && !editor.hasScreenWidths)
                continue;
            ScreenWidth = width;
            QWidget* window = editor.show();
            if (auto* records = window->findChild<ListBox*>(QLatin1String(list)))
                records->setListIndex(row);
            QString name = QLatin1String(editor.name) + QStringLiteral("_shown");
            if (editor.hasScreenWidths)
                name += u'_' + QString::number(width);
            Shoot(window, name);
        }
    }

    // The module-system item editor showing an item with values, a trigger and factions.
    for (const std::int16_t width : widths) {
        ScreenWidth = width;
        QWidget* items = ShowPythonItems();
        auto* list = items->findChild<ListBox*>(QStringLiteral("lstItems"));
        const QList<QListWidgetItem*> rows =
            list->findItems(QStringLiteral("itm_lantern ("), Qt::MatchContains);
        if (!rows.isEmpty())
            list->setListIndex(list->row(rows[0]));
        Shoot(items, QStringLiteral("frmPythonItems_lantern_") + QString::number(width));
    }

    // The main menu shown again by an editor's way back, and the settings
    // window opened from it: both centred on the screen.
    ScreenWidth = widths.front();
    if (auto* editor = qobject_cast<EditorWindow*>(ShowPythonTroops())) {
        Settle(OnWindowSystem() ? 700 : 300);
        editor->closeEditor(true);
        if (QWidget* menu = OpenMainMenu()) {
            QPointer<QWidget> guard(menu);
            Settle(OnWindowSystem() ? 700 : 300);
            Report(menu, QStringLiteral("frmMain_again"));
            g_modalShot = QStringLiteral("frmConfig_from_menu");
            if (auto* settings = menu->findChild<QPushButton*>(QStringLiteral("cmdConfig")))
                settings->click();
            delete guard.data();
        } else {
            Log(QStringLiteral("no main menu after the way back"));
            ++g_failures;
        }
    }

    // The modal dialogs of the editors, over the tables the editors loaded.
    LoadTextTroops();
    Shoot(new frmTextTroopsCopy([] {}), QStringLiteral("frmTextTroopsCopy"));
    NewEntryTitle = QStringLiteral("Add new troop?");
    NewEntryText = QStringLiteral(
        "The form will be filled with data from troop # 4!\r\n\r\nHit 'Add troop' in the troop "
        "editor form to complete the process. Selecting a troop from the list will abort adding "
        "a troop.");
    Shoot(new frmPythonNewEntry, QStringLiteral("frmPythonNewEntry"));
    Log(QStringLiteral("%1 faults found").arg(g_faults));
    return g_failures == 0 && g_faults == 0 ? 0 : 1;
}
