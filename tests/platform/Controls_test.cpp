#include "ms_editors/troops/QtPrinters.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Modal.h"
#include "shell/EditorFactories.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "support/UserInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <memory>

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

// What a window shows of its record: the rows that are on in its flag lists,
// whether those lists can be used, and its labels (counts of chosen rows).
QStringList ShownRecord(const QWidget* window) {
    QStringList shown;
    for (const ListBox* list : window->findChildren<ListBox*>()) {
        if (list->selectionMode() != QAbstractItemView::MultiSelection)
            continue;
        QString rows = list->objectName() + (list->isEnabled() ? u':' : u'-');
        for (int r = 0; r < list->count(); ++r) {
            if (list->item(r)->isSelected())
                rows += u' ' + QString::number(r);
        }
        shown.append(rows);
    }
    for (const QLabel* label : window->findChildren<QLabel*>())
        shown.append(label->text());
    return shown;
}

// In every list of every editor whose rows stand for flags, keys that move the
// cursor change nothing of the record shown, and Space and a click turn the
// row under the cursor and run the list's handler once.
TEST(Controls, MovingTheCursorThroughAFlagListChangesNoRecord) {
    InstallWindowSystem();
    const struct {
        QWidget* (*open)();
        bool moduleSystem;
        const char* records; // the list the record is chosen in, and its row
        int record;
        const char* list;
        int turned; // a row the record does not hold and no rule ties to others
    } lists[] = {
        {ShowTextItems, false, "lstItems", 2, "lstFlags", 25},
        {ShowTextItems, false, "lstItems", 2, "lstCap", 5},
        {ShowTextItems, false, "lstItems", 2, "lstModifiers", 3},
        {ShowTextItems, false, "lstItems", 2, "lstFactions", 3},
        {ShowPythonItems, true, "lstItems", 2, "lstFlags", 30},
        {ShowPythonItems, true, "lstItems", 2, "lstCap", 5},
        {ShowPythonItems, true, "lstItems", 2, "lstModifiers", 3},
        {ShowPythonTroops, true, "lstTroops", 5, "lstFlags", 9},
        {ShowTextParties, false, "lstParties", 1, "lstFlags", 8},
        {ShowTextPartyTemp, false, "lstPT", 1, "lstFlags", 8},
    };
    for (const auto& c : lists) {
        ScriptedPlatform platform;
        const ModuleCopy module(c.moduleSystem ? SampleModuleSystem() : SampleTextModule());
        ModuleFolder = ModuleSystemDirectory = module.folder();
        const std::unique_ptr<QWidget> window(c.open());
        SCOPED_TRACE((window->objectName() + u' ' + QLatin1String(c.list)).toStdString());
        ASSERT_TRUE(ShowActive(window.get()));
        ClickRow(window->findChild<ListBox*>(QLatin1String(c.records)), c.record);
        auto* list = window->findChild<ListBox*>(QLatin1String(c.list));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection);
        ASSERT_FALSE(list->item(c.turned)->isSelected());
        const QStringList record = ShownRecord(window.get());
        int handled = 0;
        QObject::connect(list, &ListBox::click, [&] { ++handled; });

        list->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Home,
                                  Qt::Key_PageDown, Qt::Key_Right, Qt::Key_I, Qt::Key_T})
            QTest::keyClick(list, key);
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(ShownRecord(window.get()), record);
        EXPECT_EQ(handled, 0);
        EXPECT_GT(list->currentRow(), 0); // the cursor did move

        while (list->currentRow() > c.turned)
            QTest::keyClick(list, Qt::Key_Up);
        while (list->currentRow() < c.turned)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space);
        EXPECT_TRUE(list->item(c.turned)->isSelected());
        EXPECT_EQ(handled, 1);
        ClickRow(list, c.turned);
        EXPECT_FALSE(list->item(c.turned)->isSelected());
        EXPECT_EQ(handled, 2);
        EXPECT_EQ(ShownRecord(window.get()), record);
        // Dragging from there turns no row on the way.
        const QRect from = list->visualItemRect(list->item(c.turned));
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, from.center());
        QTest::mouseMove(list->viewport(), from.center() + QPoint(0, 3 * from.height()));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {},
                            from.center() + QPoint(0, 3 * from.height()));
        EXPECT_TRUE(list->item(c.turned)->isSelected());
        EXPECT_EQ(list->currentRow(), c.turned);
        EXPECT_EQ(handled, 3);
        EXPECT_TRUE(platform.boxes.empty());
    }
}

// Laid out in twips, a check box is wider than its caption; a click on it
// anywhere, right of the caption too, ticks it, as on the desktop the layouts
// were made for.
TEST(Controls, ACheckBoxAnswersAClickOnItsWholeArea) {
    QWidget window;
    CheckBox hero(QStringLiteral("Hero"), &window);
    hero.setGeometry(10, 10, 200, 17);
    int clicks = 0;
    QObject::connect(&hero, &CheckBox::click, [&] { ++clicks; });
    ASSERT_TRUE(ShowActive(&window));
    ASSERT_LT(hero.fontMetrics().horizontalAdvance(hero.text()) + 40, 190);
    for (const QPoint at : {QPoint(195, 8), QPoint(8, 8), QPoint(100, 2)}) {
        const bool was = hero.value();
        QTest::mouseClick(&hero, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_NE(hero.value(), was) << at.x();
    }
    EXPECT_EQ(clicks, 3);
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
