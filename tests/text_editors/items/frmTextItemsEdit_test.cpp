#include "ItemEditorFixture.h"

#include "platform/AppFolder.h"
#include "platform/TextFile.h"
#include "shell/modCore.h"
#include "support/UserInput.h"
#include "support/WindowChecks.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace {

TEST_F(ItemEditorTest, AddBuildsTheNewItemFirstAndInsertsItBeforeTheLast) {
    for (const auto& [item, refusal] : {std::pair{0, "You can't use the first entry as template!"},
                                        {18, "You can't use the last entry as template!"}}) {
        select(item);
        button("cmdAddItem")->click();
        EXPECT_EQ(lastBox(), refusal);
    }
    select(7);
    platform.answer(MsgAnswer::Yes);
    action("mnu_edit_add")->trigger();
    EXPECT_TRUE(lastBox().startsWith("The form will be filled with data from item # 7!\r\n\r\n"));
    EXPECT_EQ(button("cmdUpdate")->text(), "Add item # 18");
    EXPECT_EQ(box("txtItemID")->text(), "itm_new_item1");
    for (QAction* entry : {action("mnu_edit_add"), action("mnu_edit_delete")})
        EXPECT_FALSE(entry->isEnabled());
    EXPECT_FALSE(button("cmdSave")->isEnabled());

    // A record that is refused moves nothing.
    box("txtItemNamePl")->setText("");
    update();
    EXPECT_EQ(ItemMax, 18);
    EXPECT_EQ(ItemID[18], "itm_arrows");
    box("txtItemNamePl")->setText("ItemPl");
    update();
    EXPECT_EQ(ItemMax, 19);
    EXPECT_EQ(ItemsCount(), "20");
    EXPECT_EQ(ItemID[19], "itm_arrows");
    EXPECT_EQ(StoredItem(18).line, QString(original[7].line)
                                       .replace("itm_hunting_bow Hunting_Bow Hunting_Bows",
                                                "itm_new_item1 Item ItemPl"));
    EXPECT_EQ(label("lblItems"), "List of items (19 + entry 0)");
    EXPECT_EQ(MsgText, "Item # 18 - 'itm_new_item1' has been added. This is the new entry:");
    EXPECT_EQ(window->CurItem, 18);
    EXPECT_EQ(button("cmdUpdate")->text(), "Update Item # 18");
    EXPECT_TRUE(button("cmdSave")->isEnabled());

    // Selecting an item abandons an add.
    platform.answer(MsgAnswer::Yes);
    button("cmdAddItem")->click();
    select(3);
    EXPECT_FALSE(window->ItemAddMode);
    EXPECT_EQ(ItemMax, 19);

    // Under a filter the rows behind the new item take their new numbers.
    box("txtFilter")->setText("ow"); // hunting bow, throwing axes, arrows
    button("cmdFilter")->click();
    list("lstItemsFiltered")->setListIndex(0);
    platform.answer(MsgAnswer::Yes);
    button("cmdAddItem")->click();
    update();
    EXPECT_EQ(rows("lstItemsFiltered").last(), "19. itm_new_item1  (Item)");
    EXPECT_EQ(rows("lstItemsFiltered").value(2), "20. itm_arrows  (Arrows)");
    expectFilteredRowsNameTheirItems();
    EXPECT_EQ(list("lstItemsFiltered")->listIndex(), 3);

    // Full tables refuse the add.
    while (!ItemTablesFull())
        ASSERT_GE(InsertItemBeforeLast(original[3]), 0);
    select(3);
    button("cmdAddItem")->click();
    EXPECT_EQ(lastBox(), "The item list is full: no item can be added!");
}

TEST_F(ItemEditorTest, DeleteRenumbersAndReselects) {
    for (const auto& [item, refusal] : {std::pair{0, "You can't delete the first item!"},
                                        {18, "You can't delete the last item!"}}) {
        select(item);
        button("cmdDeleteItem")->click();
        EXPECT_EQ(lastBox(), refusal);
    }
    select(5);
    platform.answer(MsgAnswer::Yes);
    button("cmdDeleteItem")->click();
    EXPECT_TRUE(platform.boxes[2].text.startsWith(
        "WARNING!\r\n\r\nThis will delete item # 5 - itm_iron_helmet! All troops"));
    EXPECT_EQ(lastBox(), "Item has been deleted!");
    EXPECT_EQ(box("txtItemID")->text(), "itm_saddle_horse");
    EXPECT_EQ(window->CurItem, 5);
    EXPECT_EQ(ItemsCount(), "18");
    EXPECT_EQ(label("lblItems"), "List of items (17 + entry 0)");
    EXPECT_TRUE(window->UnsavedItems);

    // Under a filter: jerkin 4, boots 12, gloves 13.
    box("txtFilter")->setText("Leather");
    button("cmdFilter")->click();
    list("lstItemsFiltered")->setListIndex(1);
    platform.answer(MsgAnswer::Yes);
    button("cmdDeleteItem")->click();
    EXPECT_EQ(rows("lstItemsFiltered"), (QStringList{"4. itm_leather_jerkin  (Leather_Jerkin)",
                                                     "12. itm_leather_gloves  (Leather_Gloves)"}));
    EXPECT_EQ(box("txtItemID")->text(), "itm_leather_gloves");
    EXPECT_EQ(label("lblItems"), "List of items (16 + entry 0)");
    // The last row's item gone, row 0 is shown; the only row gone, the full
    // list with no item chosen and nothing to update.
    platform.answer(MsgAnswer::Yes);
    button("cmdDeleteItem")->click();
    EXPECT_EQ(box("txtItemID")->text(), "itm_leather_jerkin");
    expectFilteredRowsNameTheirItems();
    platform.answer(MsgAnswer::Yes);
    button("cmdDeleteItem")->click();
    EXPECT_TRUE(list("lstItemsFiltered")->isHidden());
    EXPECT_TRUE(box("txtFilter")->text().isEmpty());
    EXPECT_EQ(list("lstItems")->listIndex(), -1);
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    EXPECT_EQ(window->CurItem, NoItemShown);
    button("cmdDeleteItem")->click();
    EXPECT_EQ(lastBox(), "Select an item to delete!");
    EXPECT_EQ(ItemsCount(), "15");
}

TEST_F(ItemEditorTest, TextFilterAndTheGuardedTypeFilter) {
    select(2);
    box("txtFilter")->setText("invalid"); // case counts
    QTest::keyClick(box("txtFilter"), Qt::Key_Return);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(list("lstItemsFiltered")->isHidden());
    EXPECT_TRUE(button("cmdUpdate")->isEnabled());
    box("txtFilter")->setText("Leather");
    button("cmdFilter")->click();
    EXPECT_EQ(label("lblItems"), "List of items (3, filtered)");
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    list("lstItemsFiltered")->setListIndex(2);
    EXPECT_EQ(window->CurItem, 14);
    EXPECT_TRUE(button("cmdUpdate")->isEnabled());

    // Item 0 is never listed, whatever its type; the last item is shown after.
    ItemLine[0].replace("  0 0 1 0 1.000000", "  1 0 1 0 1.000000");
    filterByType(0);
    EXPECT_EQ(rows("lstItemsFiltered"), (QStringList{"6. itm_saddle_horse  (Saddle_Horse)",
                                                     "15. itm_sumpter_horse  (Sumpter_Horse)"}));
    EXPECT_EQ(label("lblItems"), "List of items (2, filtered)");
    EXPECT_EQ(window->CurItem, 18);
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    filterByType(18); // type animal: none
    EXPECT_FALSE(list("lstItemsFiltered")->isHidden());
    EXPECT_EQ(label("lblItems"), "List of items (0, filtered)");
    EXPECT_EQ(platform.beeps, 1);

    // While it runs, add and delete are out of reach; reset, the text filter
    // and closing stop it.
    const auto start = [this] {
        button("cmdFilerType")->click();
        EXPECT_TRUE(window->TypeFilterRunning());
        EXPECT_TRUE(child<QGroupBox>("frameItem")->isHidden());
        EXPECT_FALSE(action("mnu_edit_delete")->isEnabled());
    };
    start();
    button("cmdResetFilter")->click();
    EXPECT_FALSE(window->TypeFilterRunning());
    EXPECT_FALSE(child<QGroupBox>("frameItem")->isHidden());
    EXPECT_TRUE(action("mnu_edit_delete")->isEnabled());
    EXPECT_EQ(label("lblItems"), "List of items (18 + entry 0)");
    start();
    box("txtFilter")->setText("Leather");
    QTest::keyClick(box("txtFilter"), Qt::Key_Return);
    EXPECT_FALSE(window->TypeFilterRunning());
    EXPECT_EQ(rows("lstItemsFiltered").size(), 3);
    start();
    window->close();
    QTest::qWait(20);
    EXPECT_TRUE(window.isNull());
}

// The rules run on the user's clicks and keys only, and act on the row the
// user reached: after a show no row is, and a key then changes nothing.
TEST_F(ItemEditorTest, SelectionRulesFollowTheUsersClicks) {
    ASSERT_TRUE(ShowActive(window));
    select(7); // type bow, two handed, primary; shoot_bow, carry_bow_back
    ListBox* flags = list("lstFlags");
    const struct {
        const char* list;
        int row;
        const char* selected;
        bool capsEnabled;
    } clicks[] = {
        {"lstFlags", 1, "1 33 34", true},     {"lstFlags", 1, "1 33 34", true},
        {"lstFlags", 0, "0 33 34", false},    {"lstFlags", 2, "2 33 34", true},
        {"lstFlags", 20, "2 20 33 34", true}, {"lstFlags", 21, "2 21 33 34", true},
        {"lstFlags", 21, "2 33 34", true},    {"lstCap", 21, "12 48", true},
        {"lstCap", 37, "12 37", true},        {"lstCap", 53, "12 37 53", true},
        {"lstCap", 14, "14 37 53", true},     {"lstCap", 55, "14 37 53 55", true},
        {"lstCap", 54, "14 37 53 54", true},
    };
    for (const auto& click : clicks) {
        SCOPED_TRACE(std::string(click.list) + " row " + std::to_string(click.row));
        ClickRow(list(click.list), click.row);
        EXPECT_EQ(selected(click.list), click.selected);
        EXPECT_EQ(list("lstCap")->isEnabled(), click.capsEnabled);
    }
    // Moving through the list selects nothing.
    QTest::keyClick(flags, Qt::Key_Up);
    EXPECT_EQ(selected("lstFlags"), "2 33 34");

    ClickRow(list("lstFactions"), 1);
    ClickRow(list("lstFactions"), 3);
    EXPECT_EQ(label("lblFactions"), "Factions (2):");

    // After the show of another item a key finds no row to act on.
    select(8); // type polearm
    flags->setFocus();
    QTest::keyClick(flags, Qt::Key_Space);
    EXPECT_EQ(selected("lstFlags"), "3 34 43");
    update();
    EXPECT_EQ(StoredItem(8), original[8]);
}

TEST_F(ItemEditorTest, KeyFiltersPastedTextAndLeavingTheBoxes) {
    select(2);
    QLineEdit* cost = box("txtCost");
    QLineEdit* weight = box("txtWeight");
    for (QLineEdit* number : {cost, weight}) {
        number->clear();
        QTest::keyClicks(number, "1a-.5");
        QTest::keyClick(number, Qt::Key_Return);
    }
    EXPECT_EQ(cost->text(), "15");
    EXPECT_EQ(weight->text(), "1.5");
    QTest::keyClicks(box("txtMesh"), " x");
    EXPECT_TRUE(box("txtMesh")->text().endsWith("_x"));

    // Pasted text follows the same rules; what the box held stays.
    QApplication::clipboard()->setText("7 x.8");
    cost->setText("-5");
    weight->setText("2");
    for (QLineEdit* number : {cost, weight, box("txtItemName")}) {
        number->setFocus();
        number->end(false);
        QTest::keyClick(number, Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(cost->text(), "-578");
    EXPECT_EQ(weight->text(), "27.8");
    EXPECT_EQ(box("txtItemName")->text(), "Short_Sword7_x.8");
    // So does text pasted through the box's own menu.
    cost->setText("1");
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2),
                              cost->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(cost, &menuKey);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* entry : menu->actions()) {
        if (entry->text().startsWith(QLineEdit::tr("&Paste")))
            entry->trigger();
    }
    menu->close();
    EXPECT_EQ(cost->text(), "178");

    // Typed texts; a damage of 288 read from the file stays when the focus passes.
    const std::tuple<const char*, const char*, const char*> leaving[] = {
        {"txtDmg2", "288", "288"},
        {"txtDmg1", "", "0"},
        {"txtDmg1", "255", "255"},
        {"txtDmg2", "256", "255"},
        {"txtDmg2", "99999", "255"},
        {"txtItemID", "sword", "itm_sword"},
        {"txtItemID", "itm_sword", "itm_sword"},
        {"txtItemID", "ITM_sword", "itm_ITM_sword"},
        {"txtItemID", "", "itm_"},
    };
    for (const auto& [name, typed, shown] : leaving) {
        box(name)->setText(QLatin1String(typed));
        box(name)->setModified(QLatin1String(typed) != "288");
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box(name), &out);
        EXPECT_EQ(box(name)->text(), QLatin1String(shown)) << name << " " << typed;
    }
}

TEST_F(ItemEditorTest, ViewSettingsAndCaptions) {
    action("mnu_view_1280")->trigger();
    EXPECT_EQ(child<QGroupBox>("frameItem")->x(), Tw(8220));
    EXPECT_EQ(list("lstItems")->width(), Tw(7965));
    EXPECT_EQ(button("cmdFilerType")->x(), Tw(7395));
    EXPECT_EQ(window->width(), Tw(19110));
    EXPECT_FALSE(action("mnu_view_1024")->isChecked());
    action("mnu_view_1024")->trigger();
    EXPECT_EQ(child<QGroupBox>("frameEdit")->x(), Tw(9270));
    EXPECT_EQ(window->width(), Tw(15225));
    EXPECT_EQ(ReadIni("Config", "ScreenWidth", ConfigFilePath()), "1024");

    action("mnu_view_font10")->trigger();
    EXPECT_EQ(list("lstItemsFiltered")->font().pointSize(), 10);
    EXPECT_EQ(list("lstItems")->height(), Tw(8055));
    EXPECT_NE(list("lstFlags")->font().pointSize(), 10);

    for (int item : {6, 10, 11, 16}) {
        select(item);
        for (int width : {1024, 1280}) {
            window->SetScreenWidth(width);
            EXPECT_EQ(ClippedCaptions(window), QStringList()) << item << " at " << width;
        }
    }
}

} // namespace
