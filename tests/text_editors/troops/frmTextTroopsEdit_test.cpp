#include "TroopEditorFixture.h"

#include "support/UserInput.h"
#include "text_editors/troops/frmTextTroopsCopy.h"

#include <QAbstractItemModel>
#include <QLabel>

namespace {

const QString Paragraph = QStringLiteral("\r\n\r\n");

TEST_F(TroopEditorTest, InventoryLimitsAndAddByNumber) {
    select(9); // no items; eight items in the module: ItemMax 7
    for (const auto& [typed, message] : {std::pair{"0", "Value must be >0 and <6 !"},
                                         {"6", "Value must be >0 and <6 !"},
                                         {"", "Value must be a number between 1 and 6"},
                                         {"99999", "Value must be a number between 1 and 6"},
                                         {"+3", "'Add item via number' may hold digits only, so "
                                                "nothing was stored. Please correct it!"}}) {
        box("txtItemNr")->setText(QLatin1String(typed));
        button("cmdAddItemNr")->click();
        EXPECT_EQ(lastBox(), message);
    }
    EXPECT_TRUE(inventory().isEmpty());

    // By number always from the full list, even while the filtered list shows.
    box("txtItemFilter")->setText("Sword");
    button("cmdFilterItems")->click();
    box("txtItemNr")->setText("5");
    for (int n = 0; n < 64; ++n)
        button("cmdAddItemNr")->click();
    EXPECT_EQ(inventory().size(), 64);
    EXPECT_EQ(inventory()[63], "5 - itm_iron_helmet  (Iron_Helmet)");
    EXPECT_EQ(itemsTitle(), "Items (64 of 64 used)");
    platform.boxes.clear();
    button("cmdAddItemNr")->click();
    list("lstFilteredItems")->setListIndex(0);
    button("cmdAddItem")->click();
    EXPECT_EQ(platform.boxTexts(), QStringList(2, "Maximum count of items reached!"));
    EXPECT_EQ(inventory().size(), 64);
}

TEST_F(TroopEditorTest, AddSelectedItemFromEitherList) {
    select(9);
    button("cmdAddItem")->click(); // nothing selected
    EXPECT_EQ(itemsTitle(), "Items (0 of 64 used)");

    list("lstAvailableItems")->setListIndex(7);
    button("cmdAddItem")->click();
    // Item 0 is never offered by the filter; rows of the filtered list lead
    // with the name.
    box("txtItemFilter")->setText("S");
    button("cmdFilterItems")->click();
    ASSERT_EQ(list("lstFilteredItems")->count(), 3);
    EXPECT_EQ(list("lstFilteredItems")->item(0)->text(), "2 - Short_Sword (itm_short_sword)");
    list("lstFilteredItems")->setListIndex(1);
    button("cmdAddItem")->click();
    EXPECT_EQ(inventory(),
              (QStringList{"7 - itm_arrows  (Arrows)", "3 - Round_Shield (itm_round_shield)"}));
    update();
    EXPECT_TRUE(StoredTroop(9)[TroopItemsLine].startsWith("  7 0 3 0 -1 0 "));

    box("txtItemFilter")->setText("nothing like it");
    button("cmdFilterItems")->click();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_FALSE(list("lstAvailableItems")->isHidden());
}

TEST_F(TroopEditorTest, MoveRemoveAndClear) {
    select(2); // items 2, 3, 5
    list("lstItems")->setListIndex(2);
    button("cmdItemDown")->click();
    list("lstItems")->setListIndex(0);
    button("cmdItemUp")->click();
    EXPECT_EQ(inventory().join('|'), "2 - itm_short_sword  (Short_Sword)|"
                                     "3 - itm_round_shield  (Round_Shield)|"
                                     "5 - itm_iron_helmet  (Iron_Helmet)");
    list("lstItems")->setListIndex(1);
    button("cmdItemUp")->click();
    EXPECT_TRUE(inventory()[0].startsWith("3 "));
    button("cmdRemoveItem")->click(); // the selected first row
    EXPECT_EQ(inventory().size(), 2);
    EXPECT_EQ(list("lstItems")->listIndex(), 1);
    EXPECT_EQ(itemsTitle(), "Items (2 of 64 used)");

    platform.answer(MsgAnswer::No);
    action("mnu_edit_inv_clear")->trigger();
    EXPECT_EQ(platform.boxes.back().title, "Delete inventory?");
    EXPECT_EQ(lastBox(), "This will delete the inventory of troop # 2 - trp_militia" + Paragraph +
                             "Continue?");
    EXPECT_EQ(inventory().size(), 2);
    platform.answer(MsgAnswer::Yes);
    action("mnu_edit_inv_clear")->trigger();
    EXPECT_TRUE(inventory().isEmpty());
    EXPECT_EQ(StoredTroop(2), original[2]);
    button("cmdRemoveItem")->click();
    EXPECT_EQ(itemsTitle(), "Items (0 of 64 used)");
    update();
    EXPECT_EQ(StoredTroop(2)[TroopItemsLine], "  " + QString("-1 0 ").repeated(64));
}

TEST_F(TroopEditorTest, AddCopiesTheTemplateAndAppendsOnUpdate) {
    select(5); // bit 31, skin 1, hidden words 7, scn_a and 12
    platform.answer(MsgAnswer::Yes);
    button("cmdAddTroop")->click();
    EXPECT_EQ(platform.boxes.back().title, "Add new troop?");
    EXPECT_EQ(lastBox(),
              "The form will be filled with data from troop # 5!" + Paragraph +
                  "Hit 'Add troop' in the form to complete the process.Selecting a troop from the "
                  "list will abort adding a troop." +
                  Paragraph + "Do you want to continue?");
    EXPECT_EQ(button("cmdUpdateTroop")->text(), "Add Troop # 10");
    EXPECT_EQ(box("txtTroopID")->text(), "trp_new_troop1");
    EXPECT_FALSE(button("cmdSave")->isEnabled());
    EXPECT_FALSE(button("cmdAddTroop")->isEnabled());
    EXPECT_FALSE(action("mnu_edit_troopdelete")->isEnabled());
    EXPECT_FALSE(action("mnu_edit_copy")->isEnabled());

    update();
    EXPECT_EQ(TroopsCount(), "11 "); // the blank of line 2 as read stays
    EXPECT_EQ(child<QLabel>("lblTroops")->text(), "List of Troops (10 + entry 0)");
    TroopLines added = original[5];
    added[TroopHeadLine] = "trp_new_troop1 Name NamePl 0 2147483665 0 0 3 4 0";
    EXPECT_EQ(StoredTroop(10), added);
    EXPECT_EQ(button("cmdUpdateTroop")->text(), "Update Troop # 10");
    EXPECT_TRUE(button("cmdSave")->isEnabled());
    EXPECT_EQ(MsgTitle, "Troop added...");
    EXPECT_EQ(MsgText, "Troop # 10 - 'trp_new_troop1' added. Don't forget to link this entry via "
                       "update path or party_templates.txt\r\nThis is the new entry:");
    EXPECT_EQ(list("lstTroops")->item(10)->text(), "10.  trp_new_troop1  (Name)");
    EXPECT_EQ(child<ComboBox>("cmbUp1")->count(), 11);

    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    const QByteArray saved = module.read("troops.txt");
    EXPECT_TRUE(saved.startsWith("troopsfile version 2\r\n11 \r\n"));
    EXPECT_EQ(saved.count("\r\ntrp_"), 11);
}

TEST_F(TroopEditorTest, PickingATroopAbandonsTheAdd) {
    select(1);
    platform.answer(MsgAnswer::Yes);
    action("mnu_edit_troopadd")->trigger();
    ASSERT_TRUE(window->TroopAddMode);
    select(3);
    EXPECT_FALSE(window->TroopAddMode);
    EXPECT_EQ(TroopsCount(), "10 ");
    EXPECT_EQ(box("txtTroopID")->text(), "trp_knight");
    EXPECT_EQ(button("cmdUpdateTroop")->text(), "Update Troop # 3");
    EXPECT_TRUE(button("cmdAddTroop")->isEnabled());

    // A refused record grows nothing either.
    platform.answer(MsgAnswer::Yes);
    button("cmdAddTroop")->click();
    box("txtTroopLvl")->setText("");
    update();
    EXPECT_EQ(TroopMax, 9);
    EXPECT_TRUE(window->TroopAddMode);

    // A click on the template's own row abandons the add as well.
    ASSERT_TRUE(ShowActive(window));
    ClickRow(list("lstTroops"), 3);
    EXPECT_FALSE(window->TroopAddMode);
    EXPECT_EQ(box("txtTroopLvl")->text(), "18");
}

TEST_F(TroopEditorTest, DeleteNamesTheLinkedTroopsAndDropsTheLast) {
    box("txtFilterTroops")->setText("Knight");
    button("cmdFilterTroops")->click();
    platform.answer(MsgAnswer::Yes);
    button("cmdDeleteTroop")->click();
    EXPECT_EQ(platform.boxes[0].title, "Delete last troop?");
    EXPECT_EQ(platform.boxes[0].text,
              "WARNING!" + Paragraph +
                  "This will delete the LAST troop (# 9) in the list, and it's highly recommended "
                  "that you only delete your own added troops!\r\nDon't forget to remove all links "
                  "(upgrade path, party_templates.txt) to this troop!" +
                  Paragraph +
                  "The following troops have linked upgrade paths to the troop you want to "
                  "delete: " +
                  Paragraph + "3 7 " + Paragraph + "Do you want to continue?");
    EXPECT_EQ(platform.boxes[1].text, "Troop 9 has been deleted from the list!");
    EXPECT_EQ(TroopsCount(), "9 ");
    EXPECT_EQ(list("lstTroops")->count(), 9);
    EXPECT_FALSE(list("lstTroops")->isHidden());
    // The new last troop is selected and shown: here the one with a faction
    // no list has, which shows no faction row.
    EXPECT_EQ(window->CurTroop, 8);
    EXPECT_EQ(box("txtTroopID")->text(), "trp_bad_faction");
    EXPECT_EQ(child<ComboBox>("cmbFactions")->listIndex(), -1);
    EXPECT_TRUE(window->UnsavedTroops);

    // Without links the question goes straight on.
    platform.answer(MsgAnswer::No);
    button("cmdDeleteTroop")->click();
    EXPECT_TRUE(lastBox().contains("to this troop!" + Paragraph + "Do you want to continue?"));
    EXPECT_EQ(TroopMax, 8);

    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    const QByteArray saved = module.read("troops.txt");
    EXPECT_TRUE(saved.startsWith("troopsfile version 2\r\n9 \r\n"));
    EXPECT_EQ(saved.count("\r\ntrp_"), 9);
}

TEST_F(TroopEditorTest, TheOnlyTroopLeftIsNotDeleted) {
    delete window.data();
    module.write("troops.txt", "troopsfile version 2\r\n1 \r\n" +
                                   module.read("troops.txt").split('\n').mid(2, 6).join('\n'));
    window = new frmTextTroops;
    ASSERT_EQ(TroopMax, 0);
    button("cmdDeleteTroop")->click();
    EXPECT_EQ(platform.boxTexts(),
              QStringList{"Troop # 0 is the only troop left in the list and can't be deleted!"});
    EXPECT_EQ(TroopMax, 0);
}

TEST_F(TroopEditorTest, BatchCopyOfFlagsAndItemsIntoTwoTroops) {
    select(1);
    platform.answer(MsgAnswer::Ok); // "Make a selection ..."
    platform.answer(MsgAnswer::Yes);
    platform.onModal([](QWidget* dialog) {
        auto* copy = dialog->findChild<QPushButton*>("cmdCopy");
        auto* targets = dialog->findChild<ListBox*>("lstTarget");
        EXPECT_EQ(dialog->windowTitle(), "Quenby's Corvane Orvath/Kelbrin Editor v1.40");
        targets->item(1)->setSelected(true);
        EXPECT_FALSE(copy->isEnabled());
        dialog->findChild<ListBox*>("lstSource")->setListIndex(5);
        EXPECT_TRUE(copy->isEnabled());
        copy->click(); // nothing ticked
        dialog->findChild<CheckBox*>("chkFlags")->setValue(true);
        dialog->findChild<CheckBox*>("chkItems")->setValue(true);
        targets->item(2)->setSelected(true);
        copy->click();
    });
    action("mnu_edit_copy")->trigger();
    ASSERT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(platform.boxes[0].text, "Make a selection what to do...!");
    EXPECT_EQ(platform.boxes[1].title, "Batch Copy...");
    EXPECT_EQ(platform.boxes[2].text, "Attributes of 2 troops have been copied and updated.");
    for (int t : {1, 2}) {
        TroopLines expected = original[t];
        QList<QString> words = TroopWords(expected[TroopHeadLine]);
        words[4] = "2147483665";
        expected[TroopHeadLine] = words.join(' ');
        expected[TroopItemsLine] = original[5][TroopItemsLine];
        EXPECT_EQ(StoredTroop(t), expected) << t;
    }
    EXPECT_EQ(StoredTroop(3), original[3]);
    EXPECT_TRUE(window->UnsavedTroops);
    // The shown troop was a target: it shows what it holds now.
    EXPECT_EQ(inventory().size(), 4);
    EXPECT_TRUE(window->findChildren<OptionButton*>("optGender")[1]->isChecked());
}

// The dialog opens with the source list focused; only a click chooses the
// source, and Ctrl with a click adds a target.
TEST_F(TroopEditorTest, BatchCopyWaitsForAClickInBothLists) {
    platform.answer(MsgAnswer::Yes);
    platform.onModal([](QWidget* dialog) {
        ASSERT_TRUE(ShowActive(dialog));
        auto* source = dialog->findChild<ListBox*>("lstSource");
        auto* targets = dialog->findChild<ListBox*>("lstTarget");
        auto* copy = dialog->findChild<QPushButton*>("cmdCopy");
        EXPECT_TRUE(source->hasFocus());
        ClickRow(targets, 2);
        ClickRow(targets, 3, Qt::ControlModifier);
        EXPECT_FALSE(copy->isEnabled());
        ClickRow(source, 5);
        EXPECT_TRUE(copy->isEnabled());
        dialog->findChild<CheckBox*>("chkFlags")->setValue(true);
        Click(copy);
    });
    action("mnu_edit_copy")->trigger();
    EXPECT_EQ(lastBox(), "Attributes of 2 troops have been copied and updated.");
    for (int t : {2, 3})
        EXPECT_EQ(word(t, TroopHeadLine, 4), "2147483665") << t;
}

TEST_F(TroopEditorTest, BatchCopyTakesTheSelectionAtTheMomentOfCopying) {
    TroopLine[2] = "trp_militia Militia Militia 0 6291456 0 0 1"; // eight words
    platform.answer(MsgAnswer::Ok);                               // no target selected
    platform.answer(MsgAnswer::Yes);
    platform.onModal([](QWidget* dialog) {
        auto* targets = dialog->findChild<ListBox*>("lstTarget");
        dialog->findChild<ListBox*>("lstSource")->setListIndex(0);
        targets->setListIndex(1);
        dialog->findChild<CheckBox*>("chkFaction")->setValue(true);
        dialog->findChild<CheckBox*>("chkSkills")->setValue(true);
        targets->clearSelection();
        dialog->findChild<QPushButton*>("cmdCopy")->click(); // nobody to copy to
        targets->item(2)->setSelected(true);
        dialog->findChild<QPushButton*>("cmdCopy")->click();
    });
    action("mnu_edit_copy")->trigger();
    EXPECT_EQ(StoredTroop(1), original[1]);
    EXPECT_EQ(TroopLine[2], "trp_militia Militia Militia 0 6291456 0 0 1");
    EXPECT_EQ(TroopSkillLine[2], original[0][TroopSkillsLine]);
    const QStringList texts = platform.boxTexts();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[0], "Select the target troops first...!");
    EXPECT_EQ(texts[2], "Attributes of one troop have been copied and updated.");
    EXPECT_TRUE(texts[3].startsWith("Error # 9 occured in function \"CopyTroops\"."));
}

// A source troop read out of shape has no lines of its own to give.
TEST_F(TroopEditorTest, BatchCopyRefusesASourceReadOutOfShape) {
    TroopFaceLine[5] = TroopLine[6]; // a line lost above it: the next troop begins here
    platform.onModal([](QWidget* dialog) {
        dialog->findChild<ListBox*>("lstSource")->setListIndex(5);
        dialog->findChild<ListBox*>("lstTarget")->item(2)->setSelected(true);
        dialog->findChild<CheckBox*>("chkStats")->setValue(true);
        dialog->findChild<QPushButton*>("cmdCopy")->click();
    });
    action("mnu_edit_copy")->trigger();
    EXPECT_EQ(platform.boxTexts(), QStringList{UnreadableTroopText(5)});
    EXPECT_EQ(StoredTroop(2), original[2]);
    EXPECT_FALSE(window->UnsavedTroops);
}

TEST(TroopTablesTest, CopyRebuildsLineOneFromTenWords) {
    TroopMax = 2;
    // Words of any length go as they stand, into a troop holding such words too.
    const QString flags = "792281625142643375935526535168", path = "18446744073709551616";
    TroopLine = {"trp_a A As 1 " + flags + " 2 3 4 5 6",
                 "trp_b B Bs 0 0 0 0 0 " + path + " 0 extra ", "trp_c C"};
    TroopItemLine = {"items a", "items b", "items c"};
    TroopAttribLine = TroopProfLine = TroopSkillLine = TroopFaceLine = {"a", "b", "c"};
    PendingFailure failure;
    CopyTroops(0, {1, 2}, TroopCopyParts{.flags = true, .faces = true}, failure);
    EXPECT_EQ(TroopLine[1], "trp_b B Bs 0 " + flags + " 0 0 0 " + path + " 0");
    EXPECT_EQ(TroopLine[2], "trp_c C");
    EXPECT_EQ(TroopFaceLine, (QStringList{"a", "a", "a"}));
    EXPECT_EQ(TroopItemLine[1], "items b");
    EXPECT_EQ(failure.number(), 9);
}

} // namespace

// An update or an add changes only its own row of the two upgrade combos:
// refilling both over every troop made a pass over a large module quadratic.
TEST_F(TroopEditorTest, UpdateAndAddChangeOnlyTheirRowOfTheUpgradeCombos) {
    int rowsAddedOrRemoved = 0;
    for (const char* name : {"cmbUp1", "cmbUp2"}) {
        QAbstractItemModel* rows = child<ComboBox>(name)->model();
        for (auto change : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            QObject::connect(rows, change, [&] { ++rowsAddedOrRemoved; });
    }
    for (const bool add : {false, true}) {
        select(2);
        if (add) {
            platform.answer(MsgAnswer::Yes);
            button("cmdAddTroop")->click();
        }
        box("txtTroopID")->setText("trp_renamed");
        update();
        const int troop = add ? 10 : 2;
        EXPECT_EQ(rowsAddedOrRemoved, add ? 2 : 0); // one row appended to each
        EXPECT_EQ(child<ComboBox>("cmbUp1")->itemText(troop),
                  QString::number(troop) + ".  trp_renamed");
        EXPECT_EQ(child<ComboBox>("cmbUp2")->count(), TroopMax + 1);
    }
}
