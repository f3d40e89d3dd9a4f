#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Modal.h"
#include "support/Scripted.h"
#include "support/UserInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

#include <gtest/gtest.h>

namespace {
TEST(Controls, SelectingFromCodeRunsTheClickHandlerEvenForTheSameRow) {
    ListBox list;
    int clicks = 0;
    QObject::connect(&list, &ListBox::click, [&] { ++clicks; });
    list.setRows({"a", "b", "c"});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.listIndex(), -1);
    list.setListIndex(1);
    list.setListIndex(1);
    EXPECT_EQ(clicks, 2);
    list.setListIndex(7); // no such row: nothing selected
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(clicks, 3);

    ComboBox combo;
    int comboClicks = 0;
    QObject::connect(&combo, &ComboBox::click, [&] { ++comboClicks; });
    combo.setRows({"x", "y"});
    combo.setListIndex(0);
    combo.setListIndex(0);
    EXPECT_EQ(comboClicks, 2);

    OptionButton a("a"), b("b");
    int optionClicks = 0;
    QObject::connect(&a, &OptionButton::click, [&] { ++optionClicks; });
    a.setValue(true);
    a.setValue(true);
    EXPECT_EQ(optionClicks, 2);

    CheckBox check("c");
    int checkClicks = 0;
    QObject::connect(&check, &CheckBox::click, [&] { ++checkClicks; });
    check.setValue(true);
    check.setValue(true);
    check.setValue(false);
    EXPECT_EQ(checkClicks, 2);
}

// Focus chooses nothing; a click chooses its row, also the one chosen already;
// an arrow key moves the choice. A window opens with the list focused.
TEST(Controls, ARowIsChosenByTheUserNeverByTheFocus) {
    for (const auto mode :
         {QAbstractItemView::SingleSelection, QAbstractItemView::ExtendedSelection}) {
        SCOPED_TRACE(mode);
        QWidget window;
        auto* list = new ListBox(&window);
        auto* box = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(box);
        list->setSelectionMode(mode);
        list->setRows({"a", "b", "c", "d"});
        int clicks = 0;
        QObject::connect(list, &ListBox::click, [&] { ++clicks; });
        ASSERT_TRUE(ShowActive(&window));
        ASSERT_TRUE(list->hasFocus());

        const auto key = [&](Qt::Key k) { return [&, k] { QTest::keyClick(list, k); }; };
        const auto row = [&](int r, Qt::KeyboardModifiers m = Qt::NoModifier) {
            return [&, r, m] { ClickRow(list, r, m); };
        };
        const struct {
            const char* step;
            std::function<void()> act;
            int clicks;
            int chosen;
        } steps[] = {
            {"opened", [] {}, 0, -1},
            {"tab away", [&] { QTest::keyClick(list, Qt::Key_Tab); }, 0, -1},
            {"tab back", [&] { QTest::keyClick(box, Qt::Key_Backtab); }, 0, -1},
            {"click", row(1), 1, 1},
            {"click again", row(1), 2, 1},
            {"down", key(Qt::Key_Down), 3, 2},
            {"up", key(Qt::Key_Up), 4, 1},
            {"up", key(Qt::Key_Up), 5, 0},
            {"up at the top", key(Qt::Key_Up), 5, 0},
            {"ctrl click", row(3, Qt::ControlModifier), 6, 3},
        };
        for (const auto& s : steps) {
            s.act();
            EXPECT_EQ(clicks, s.clicks) << s.step;
            EXPECT_EQ(list->listIndex(), s.chosen) << s.step;
        }
        // A click adds to the targets of a list that takes several.
        EXPECT_EQ(list->selectedItems().size(),
                  mode == QAbstractItemView::ExtendedSelection ? 2 : 1);
    }
}

TEST(Controls, OddSettingsLayOutWithTheNearestOfferedValue) {
    EXPECT_EQ(OfferedFontSize(3), 7);
    EXPECT_EQ(OfferedFontSize(9), 9);
    EXPECT_EQ(OfferedFontSize(40), 10);
    EXPECT_EQ(OfferedScreenWidth(800), 1024);
    EXPECT_EQ(OfferedScreenWidth(1200), 1280);
    EXPECT_EQ(Tw(1440), 96);
}

TEST(Controls, EnterPressesAFocusedButtonOnceTheWindowSystemIsInstalled) {
    InstallWindowSystem();
    ScriptedPlatform platform; // takes the message boxes back from the real ones
    QPushButton button("Go");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(clicks, 1);
    button.setEnabled(false);
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(clicks, 1);
}

TEST(Modal, ScriptedWindowsAreHandedToTheTestAndDeleted) {
    ScriptedPlatform platform;
    QPointer<QWidget> window = new QWidget;
    window->setObjectName("frmSomething");
    bool seen = false;
    platform.onModal([&](QWidget* w) {
        seen = true;
        EXPECT_TRUE(ModalWindowOpen());
        w->close();
    });
    ShowModal(window);
    EXPECT_TRUE(seen);
    EXPECT_FALSE(ModalWindowOpen());
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(platform.modalWindows, QStringList{"frmSomething"});
}
} // namespace
