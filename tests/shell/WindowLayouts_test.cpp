#include "ShellTest.h"

#include "module_system/frmPythonNewEntry.h"
#include "platform/gui/Controls.h"
#include "shell/EditorFactories.h"
#include "shell/frmConfig.h"
#include "shell/frmMessage.h"
#include "shell/frmSplash.h"
#include "support/WindowChecks.h"
#include "text_editors/troops/frmTextTroopsCopy.h"
#include "textfiles/modTextTroops.h"

#include <QAction>
#include <QDir>
#include <QScreen>

#include <memory>

namespace {

// What a desktop leaves of a screen: a panel of 30 pixels, and a window
// manager's frame of up to 3 pixels a side and a title bar that makes it 32
// pixels higher than the window.
QSize RoomFor(int screenWidth) {
    const QSize screen = screenWidth == 1280 ? QSize(1280, 1024) : QSize(1024, 768);
    return screen - QSize(6, 30 + 32);
}

// A module in a folder of the long name module authors give it, so that the
// editors' headings must shorten the path; its text files and its module
// system's sources stand side by side.
struct LongModule {
    LongModule() {
        QDir().mkpath(folder);
        for (const QString& from : {SampleTextModule(), SampleModuleSystem()}) {
            for (const QString& name : QDir(from).entryList(QDir::Files)) {
                QFile::copy(QDir(from).filePath(name), folder + name);
                QFile::setPermissions(folder + name, QFile::ReadOwner | QFile::WriteOwner);
            }
        }
    }
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Games/Corvane Orvath/Modules/A Very "
                                                       "Long Module Name Of Its Author "
                                                       "(development copy 2011)/Module Files/");
};

struct WindowRow {
    const char* name;
    QWidget* (*open)();
    bool screenWidths; // laid out for the screen width the user chose
    const char* list;  // the list whose row `row` shows a record
    int row;
};

QWidget* OpenDialog(QWidget* dialog) {
    dialog->show();
    return dialog;
}

const WindowRow Windows[] = {
    {"frmMain", ShowMainMenu, false, nullptr, 0},
    {"frmConfig", [] { return OpenDialog(new frmConfig); }, false, nullptr, 0},
    {"frmSplash", [] { return OpenDialog(new frmSplash); }, false, nullptr, 0},
    {"frmMessage", [] { return OpenDialog(new frmMessage); }, false, nullptr, 0},
    {"frmPythonNewEntry", [] { return OpenDialog(new frmPythonNewEntry); }, false, nullptr, 0},
    {"frmTextTroopsCopy",
     [] {
         LoadTextTroops();
         return OpenDialog(new frmTextTroopsCopy([] {}));
     },
     false, nullptr, 0},
    {"frmTextTroops", ShowTextTroops, true, "lstTroops", 2},
    {"frmTextItems", ShowTextItems, true, "lstItems", 7},
    {"frmTextParties", ShowTextParties, false, "lstParties", 5},
    {"frmTextPartyTemp", ShowTextPartyTemp, false, "lstPT", 2},
    {"frmTextFactions", ShowTextFactions, false, "lstFactions", 2},
    {"frmPythonTroops", ShowPythonTroops, true, "lstTroops", 5},
    {"frmPythonItems", ShowPythonItems, true, "lstItems", 22},
    {"frmPythonPartyTemp", ShowPythonPartyTemp, false, "lstPT", 10},
};

class WindowLayout : public ShellTest, public ::testing::WithParamInterface<WindowRow> {};

// Every window at both screen widths and every list font size: each caption
// whole inside its control, no control on top of another or outside its frame,
// and the window small enough for the screen it is laid out for.
TEST_P(WindowLayout, ShowsEveryCaptionWholeAndFitsTheScreen) {
    const WindowRow& row = GetParam();
    const LongModule module;
    SetupMode = QStringLiteral("3");
    ModuleFolder = ModuleSystemDirectory = module.folder;
    MsgTitle = QStringLiteral("Troop updated...");
    MsgText = QStringLiteral("Troop # 1 has been updated. This is the new entry:");
    MsgEntry = QStringLiteral("trp_player Player Player 0 268435472 0 0 13 0 0");
    NewEntryText = QStringLiteral("The form will be filled with data from troop # 4!\r\n\r\nHit "
                                  "'Add troop' in the troop editor form to complete the process.");
    QStringList faults; // each with the width and font size it shows at
    for (const int width : {1024, 1280}) {
        for (int size = 7; size <= 10; ++size) {
            ScreenWidth = static_cast<std::int16_t>(width);
            ListFontSize = static_cast<std::int16_t>(size);
            QPointer<QWidget> window = row.open();
            ASSERT_TRUE(window);
            if (row.list)
                Child<ListBox>(window, row.list)->setListIndex(row.row);
            QApplication::sendPostedEvents();
            const QString at = QStringLiteral("at %1, list font %2: ").arg(width).arg(size);
            for (const QString& fault : LayoutFaults(window))
                faults.append(at + fault);
            // The lists again after the View menu changed their font.
            const QString other = QStringLiteral("mnu_view_font%1").arg(17 - size);
            if (auto* font = window->findChild<QAction*>(other)) {
                font->trigger();
                QApplication::sendPostedEvents();
                for (const QString& fault : LayoutFaults(window))
                    faults.append(at + QStringLiteral("then ") + other + u' ' + fault);
            }
            const QSize room = RoomFor(row.screenWidths ? width : 1024);
            const QSize size = window->size();
            if (size.width() > room.width() || size.height() > room.height())
                faults.append(at + QString::asprintf("the window of %dx%d exceeds %dx%d",
                                                     size.width(), size.height(), room.width(),
                                                     room.height()));
            delete window.data();
        }
    }
    EXPECT_EQ(faults, QStringList());
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowLayout, ::testing::ValuesIn(Windows),
                         [](const ::testing::TestParamInfo<WindowRow>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
