#include "ms_editors/items/frmPythonItems.h"

#include "module_system/PythonText.h"
#include "module_system/frmPythonNewEntry.h"
#include "module_system/modPythonItems.h"
#include "platform/AppFolder.h"
#include "platform/TextFile.h"
#include "platform/gui/Controls.h"
#include "shell/modCore.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "support/UserInput.h"
#include "support/WindowChecks.h"

#include "../PythonEditorFixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The item editor opened on a copy of our small module system (ten items), or
// of the items written as real files write them; every platform seam scripted.
class PythonItemsWindow : public PythonEditorTest<frmPythonItems> {
protected:
    PythonItemsWindow() : PythonEditorTest(QStringLiteral(QE_TEST_DATA_DIR "/ms_editors")) {}

    void reopenOnRoughItems() {
        reopenOn(QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/rough_items"));
    }

    // The stat pairs on show: "name=value", or the name alone without a value box.
    QStringList stats() {
        QStringList shown;
        for (int k = 0; k < PythonItemStatBoxCount; ++k) {
            const QString n = QString::number(k);
            auto* label = window->findChild<QLabel*>(QStringLiteral("lblStat") + n);
            auto* value = window->findChild<QLineEdit*>(QStringLiteral("txtStat") + n);
            if (!label->isHidden())
                shown.append(label->text() +
                             (value->isHidden() ? QString() : u'=' + value->text()));
        }
        return shown;
    }
    int rowOf(const QString& id) {
        const QStringList all = rows("lstItems");
        for (int i = 0; i < all.size(); ++i) {
            if (all[i].section(u' ', 1, 1) == QStringLiteral("itm_") + id)
                return i;
        }
        return -1;
    }
    void select(const QString& id) {
        const int row = rowOf(id);
        ASSERT_GE(row, 0) << id.toStdString();
        list("lstItems")->setListIndex(row);
    }
    int lineOf(const QString& id) {
        for (int i = 0; i <= PyItemMax; ++i) {
            if (PyItemLines[i].trimmed().startsWith(QStringLiteral("[\"") + id + u'"'))
                return i;
        }
        return -1;
    }
};

TEST_F(PythonItemsWindow, LoadsTheVocabularyAndListsEveryItem) {
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Quenby's Corvane Orvath/Kelbrin Editor v1.40  - Phyton item editor"));
    EXPECT_EQ(list("lstFlags")->count(), 60);
    EXPECT_EQ(list("lstCap")->count(), 93);
    EXPECT_EQ(list("lstModifiers")->count(), 65);
    ComboBox* types = get<ComboBox>("cmbTypeFilter");
    EXPECT_EQ(types->count(), 20);
    EXPECT_EQ(types->currentText(), QStringLiteral("itp_type_horse"));
    EXPECT_EQ(rows("lstItems").size(), 10);
    EXPECT_EQ(rows("lstItems")[2], QStringLiteral("3. itm_knife (Knife)"));
    EXPECT_EQ(get<QLabel>("lblItems")->text(), QStringLiteral("List of items (10)"));
    EXPECT_EQ(list("lstItems")->listIndex(), -1);
    EXPECT_EQ(window->CurItemLine, -1);
    for (const char* frame : {"frameAdd", "framePython", "frameEdit", "frameItem"})
        EXPECT_FALSE(get(frame)->isEnabled()) << frame;
    EXPECT_EQ(get<QLabel>("lblItemEditor")->text(),
              QStringLiteral("Item Editor\n") + copy.folder() + QStringLiteral("module_items.py"));
    EXPECT_TRUE(get<QAction>("mnu_select_items")->isChecked());
    EXPECT_FALSE(get<QAction>("mnu_select_parties")->isEnabled());
}

// Each field of an entry in the shapes real files use reaches its control;
// stats past the boxes and triggers that mention a faction stay where they are.
TEST_F(PythonItemsWindow, ShowsEveryFieldOfAnItem) {
    reopenOnRoughItems();
    const struct {
        const char* id;
        QStringList flags, capabilities, modifiers, stats;
        const char* trigger;
        const char* factions;
    } cases[] = {
        {"long_sword",
         {"itp_type_one_handed_wpn", "itp_merchandise", "itp_primary"},
         {"itc_longsword", "itcf_carry_sword_left_hip"},
         {"imodbits_sword"},
         {"weight=1.5", "difficulty=0", "spd_rtng=99", "weapon_length=95", "swing_damage=29,cut",
          "thrust_damage=21,pierce"},
         "",
         ""},
        {"many_stats",
         {"itp_type_body_armor", "itp_covers_legs"},
         {},
         {"imodbits_none"},
         {"weight=1", "abundance=2", "head_armor=3", "body_armor=4", "leg_armor=5", "difficulty=6",
          "hit_points=7", "spd_rtng=8", "shoot_speed=9", "weapon_length=10", "max_ammo=11"},
         "",
         ""},
        {"torch",
         {"itp_type_one_handed_wpn", "itp_primary"},
         {"itc_scimitar"},
         {"imodbits_none"},
         {"weight=2.5"},
         "[(ti_on_init_item,[(set_position_delta,0,60,0),(particle_system_add_new,\"psys  torch "
         "fire\"),(store_faction_of_party,\":faction\",fac_player_faction),],),]",
         ""},
        {"banner",
         {"itp_type_goods"},
         {},
         {"imodbits_none"},
         {"weight=1"},
         "[(ti_on_init_item,[(assign,\":x\",\"str_fac_ ], [ ok\"),])]",
         "[fac_kingdom_1,fac_kingdom_2]"},
        {"items_end", {"itp_type_horse"}, {}, {"imodbits_none"}, {"no values"}, "", ""},
    };
    for (const auto& c : cases) {
        select(QString::fromLatin1(c.id));
        EXPECT_EQ(text("txtItemID"), QString::fromLatin1(c.id));
        EXPECT_EQ(rows("lstFlags", true), c.flags) << c.id;
        EXPECT_EQ(rows("lstCap", true), c.capabilities) << c.id;
        EXPECT_EQ(rows("lstModifiers", true), c.modifiers) << c.id;
        EXPECT_EQ(stats(), c.stats) << c.id;
        EXPECT_EQ(text("txtTrigger"), QString::fromLatin1(c.trigger)) << c.id;
        EXPECT_EQ(text("txtFaction"), QString::fromLatin1(c.factions)) << c.id;
        EXPECT_TRUE(list("lstCap")->isEnabled()) << c.id;
        EXPECT_TRUE(button("cmdUpdate")->isEnabled()) << c.id;
    }
    select("long_sword");
    EXPECT_EQ(text("txtItemName"), QStringLiteral("Long Sword, the #1 [best]"));
    EXPECT_EQ(text("txtMeshes"),
              QStringLiteral("[(\"long_sword\",0),(\"long_sword_scabbard\",ixmesh_carry)]"));
    EXPECT_EQ(text("txtCost"), QStringLiteral("300"));
    // Names the lists lack join them and stay.
    select("new_pike");
    EXPECT_EQ(rows("lstFlags", true),
              (QStringList{"itp_type_polearm", "itp_primary", "0x1000", "itp_new_flag"}));
    EXPECT_EQ(rows("lstCap").last(), QStringLiteral("itc_custom_thrust"));
    select("bale");
    EXPECT_EQ(list("lstFlags")->count(), 62);
    EXPECT_TRUE(plat.boxes.empty());
}

// Nothing of the item shown before stays in the form; an entry that cannot be
// read completely, or a row whose entry is gone, is never written.
TEST_F(PythonItemsWindow, AnItemThatCannotBeShownWholeIsNeverWritten) {
    reopenOnRoughItems();
    select("banner");
    const QStringList before = PyItemLines;
    select("broken_name"); // the loader could not join its name
    EXPECT_EQ(plat.boxTexts().first(), QStringLiteral("Error. Item flags not found!"));
    ASSERT_EQ(plat.boxes.size(), 2u);
    EXPECT_EQ(plat.boxes[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(text("txtTrigger"), QString());
    EXPECT_EQ(text("txtFaction"), QString());
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    EXPECT_FALSE(window->UpdatePythonItem(true));

    // The element behind a row no longer holds its entry: nothing to show.
    select("bale");
    PyItemLines[window->CurItemLine] = QStringLiteral("# gone");
    const QStringList gone = PyItemLines;
    list("lstItems")->setListIndex(rowOf("bale"));
    EXPECT_EQ(window->CurItemLine, -1);
    EXPECT_EQ(text("txtItemID"), QString());
    EXPECT_FALSE(get("frameItem")->isEnabled());
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    EXPECT_FALSE(window->UpdatePythonItem(true));
    EXPECT_EQ(PyItemLines, gone);
    EXPECT_EQ(PyItemLines.mid(0, 5), before.mid(0, 5));
    EXPECT_TRUE(plat.modalWindows.isEmpty());
    EXPECT_FALSE(window->UnsavedItems);
}

// Showing an item and pressing the update button without a change stores
// nothing: the entry stays as it was read, however the editor would write
// it, and nothing is left to save.
TEST_F(PythonItemsWindow, UpdatingUnchangedStoresNothing) {
    reopenOnRoughItems();
    const QStringList loaded = PyItemLines;
    // Two cannot be shown whole: the flag term that must keep its place, the broken name.
    EXPECT_EQ(updateEachUnchanged("lstItems",
                                  "Nothing of this item has been changed, so its entry in "
                                  "module_items.py was left as it was.",
                                  PyItemLines)
                  .size(),
              2);
    EXPECT_FALSE(window->UnsavedItems);

    // Blanks typed outside strings change no field; a changed field is stored
    // once, and showing it again and updating stores nothing more.
    select("long_sword");
    const int line = window->CurItemLine;
    box("txtMeshes")->setText(text("txtMeshes").replace(u',', QStringLiteral(" , ")));
    ASSERT_TRUE(window->UpdatePythonItem(false));
    EXPECT_EQ(PyItemLines[line], loaded[line]);
    box("txtCost")->setText(QStringLiteral("310"));
    ASSERT_TRUE(window->UpdatePythonItem(false));
    const QString stored = PyItemLines[line];
    EXPECT_NE(stored, loaded[line]);
    EXPECT_TRUE(window->UnsavedItems);
    select("long_sword");
    ASSERT_TRUE(window->UpdatePythonItem(false));
    EXPECT_EQ(PyItemLines[line], stored);
}

TEST_F(PythonItemsWindow, EditedFieldsGoIntoTheEntry) {
    select("knife");
    box("txtItemName")->setText(QStringLiteral("Sharp Knife"));
    box("txtCost")->setText(QStringLiteral("20"));
    box("txtStat0")->setText(QStringLiteral("0.75"));
    list("lstModifiers")->item(0)->setSelected(false); // the modifiers were "0"
    list("lstModifiers")->item(7)->setSelected(true);
    box("txtFaction")->setText(QStringLiteral("[fac_commoners]"));
    ASSERT_TRUE(window->UpdatePythonItem(true));
    EXPECT_EQ(PyItemLines[window->CurItemLine],
              QStringLiteral(" [\"knife\", \"Sharp Knife\", [(\"peasant_knife\",0)], "
                             "itp_type_one_handed_wpn|itp_primary, itcf_carry_dagger_front_left, "
                             "20, weight(0.75), imodbits_sword, [], [fac_commoners] ],"));
    EXPECT_EQ(rows("lstItems")[2], QStringLiteral("3. itm_knife (Sharp Knife)"));
    EXPECT_EQ(MsgTitle, QStringLiteral("Item updated..."));
    EXPECT_EQ(MsgText,
              QStringLiteral("Item # 2 - 'knife' has been updated. This is the updated line:"));
    EXPECT_EQ(MsgEntry, PyItemLines[window->CurItemLine]);
}

// Each field takes what Python reads as that field and nothing else.
TEST_F(PythonItemsWindow, TypedTextIsStoredOnlyWhereItReadsBackAsTyped) {
    const TypedField cases[] = {
        {"txtItemID", "", "ID for the item"},
        {"txtItemName", "Knife \"Joe\"", "Double quotes*'Item name'!"},
        {"txtItemID", "sw\\nord", "backslashes*'Item ID'!", Entered::Keys},
        {"txtItemName", "Sword\\x41", "backslashes*'Item name'!", Entered::Paste},
        {"txtItemID", "practice crossbow", nullptr, Entered::InputMethod, "practice_crossbow"},
        {"txtItemName", "Knife, the [best] #1", nullptr},
        {"txtMeshes", "[(\"a\",0)", "'Meshes'*(such as [(\"knife\",0)] or"},
        {"txtMeshes", "[(\"a\", 0), (\"b\", ixmesh_carry)]", nullptr},
        {"txtCost", "12 5", "Cost"},
        {"txtCost", "1, 2", "Cost"},
        {"txtCost", "12+", "Cost"},
        {"txtCost", "12 + 5", nullptr},
        {"txtStat0", "1 2", "Values"},
        {"txtStat0", "2))", "Values"},
        {"txtStat0", "0.75", nullptr},
        {"txtTrigger", "[] x", "'Trigger'*(such as [(ti_on_init_item,[])])"},
        {"txtTrigger", "[(ti_on_init_item", "Trigger"},
        {"txtTrigger", "[(ti_on_init_item, [(set_position_delta,0,60,0)])]", nullptr},
        {"txtFaction", "[]fac_kingdom_1", "Factions"},
        {"txtFaction", "fac_kingdom_1", "Factions"},
        {"txtFaction", "[fac_kingdom_1, fac_kingdom_2]", nullptr},
    };
    const int knife = rowOf("knife");
    expectTypedFields(
        cases, [this, knife] { list("lstItems")->setListIndex(knife); }, PyItemLines,
        window->CurItemLine, [](const QString& entry) { return ParsePythonItem(entry).complete; });
}

TEST_F(PythonItemsWindow, AddsBeforeItemsEndOrBehindTheTemplateWithAnUnusedId) {
    select("bow");
    const int max = PyItemMax;
    answerWhereToAdd(false);
    click("cmdAddItem");
    EXPECT_EQ(NewEntryTitle, QStringLiteral("Add new item?"));
    EXPECT_TRUE(NewEntryText.startsWith(QStringLiteral(
        "The form will be filled with data from item # 7!\r\n\r\nHit 'Add item' in the item")));
    EXPECT_TRUE(window->ItemAddMode);
    EXPECT_EQ(text("txtItemID"), QStringLiteral("new_item1"));
    EXPECT_EQ(text("txtItemName"), QStringLiteral("New Item"));
    EXPECT_EQ(button("cmdUpdate")->text(), QStringLiteral("Add item"));
    for (const char* off : {"cmdSave", "cmdDeleteItem", "cmdAddItem", "cmdShowPython"})
        EXPECT_FALSE(button(off)->isEnabled()) << off;
    EXPECT_FALSE(get<QAction>("mnu_edit_add")->isEnabled());
    EXPECT_FALSE(get<QAction>("mnu_edit_delete")->isEnabled());
    // Ids are compared whole and exactly.
    box("txtItemID")->setText(QStringLiteral("items_end"));
    click("cmdUpdate");
    EXPECT_EQ(plat.boxTexts(),
              QStringList{"This item ID is used by another item. Please change the ID!"});
    EXPECT_EQ(PyItemMax, max);
    box("txtItemID")->setText(QStringLiteral("Bow"));
    click("cmdUpdate");
    EXPECT_FALSE(window->ItemAddMode);
    const int end = lineOf("items_end");
    EXPECT_EQ(PyItemMax, max + 1);
    EXPECT_EQ(PyItemLines[end - 1],
              QStringLiteral(" [\"Bow\", \"New Item\", [(\"hunting_bow\",0)], "
                             "itp_type_bow|itp_primary, 0, 17, weight(1), 0 ],"));
    EXPECT_EQ(window->CurItemLine, end - 1);
    EXPECT_EQ(list("lstItems")->listIndex(), 9);
    EXPECT_EQ(MsgTitle, QStringLiteral("Item added..."));
    // The line of the file, counted from 1: items_end stood on line 15.
    EXPECT_EQ(MsgText, QStringLiteral("Item added to python line # 15 - 'Bow'. This is the new "
                                      "entry:"));
    EXPECT_TRUE(window->UnsavedItems);
    EXPECT_TRUE(button("cmdSave")->isEnabled());

    // Behind the template, into a filtered list the new id does not match.
    box("txtFilter")->setText(QStringLiteral("sp"));
    click("cmdFilter");
    select("spear");
    answerWhereToAdd(true);
    click("cmdAddItem");
    box("txtItemID")->setText(QStringLiteral("pike"));
    click("cmdUpdate");
    EXPECT_TRUE(PyItemLines[lineOf("spear") + 1].startsWith(QStringLiteral(" [\"pike\"")));
    EXPECT_EQ(rows("lstItems"), (QStringList{"5. itm_spear (Spear)", "1. itm_pike (New Item)"}));
    EXPECT_EQ(list("lstItems")->listIndex(), 1);
    select("spear");
    EXPECT_EQ(window->CurItemLine, lineOf("spear"));
}

TEST_F(PythonItemsWindow, AddAndDeleteRefuseBuiltInItemsItemsEndAndNoRow) {
    reopenOnRoughItems();
    const struct {
        const char* selected;
        const char* button;
        const char* message;
    } cases[] = {
        {nullptr, "mnu_edit_add", "Please select an item as template!"},
        {nullptr, "mnu_edit_delete", "Select an item to delete!"},
        {"horse_meat", "cmdAddItem",
         "The selected item is hardwired to the game, select another item as template!"},
        {"no_item", "cmdDeleteItem",
         "The selected item is hardwired to the game, you can't delete this item!"},
        {"items_end", "cmdAddItem",
         "The selected item is the last entry (items_end) in the list, "
         "please select another item as template!"},
        {"items_end", "cmdDeleteItem",
         "The selected item is the last entry (items_end) in the list, you can't delete this "
         "item!"},
        {"broken_name", "cmdAddItem",
         "The entry of this item could not be read completely, so it "
         "can't be used as a template!"},
    };
    const QStringList before = PyItemLines;
    for (const auto& c : cases) {
        if (c.selected)
            select(QString::fromLatin1(c.selected));
        // What the id box holds does not count, the stored entry does.
        box("txtItemID")->setText(QStringLiteral("something_else"));
        if (c.button[0] == 'm')
            trigger(c.button);
        else
            click(c.button);
        EXPECT_EQ(plat.boxTexts().last(), QString::fromLatin1(c.message)) << c.selected;
        EXPECT_FALSE(window->ItemAddMode);
    }
    EXPECT_EQ(PyItemLines, before);

    select("bale");
    plat.onModal([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("cmdAbort"))->click();
    });
    click("cmdAddItem");
    EXPECT_FALSE(window->ItemAddMode);
    EXPECT_EQ(text("txtItemID"), QStringLiteral("bale"));
    EXPECT_EQ(button("cmdUpdate")->text(), QStringLiteral("Update Item"));
}

TEST_F(PythonItemsWindow, DeleteTakesTheStoredEntryAndShowsTheNextOne) {
    select("bow");
    const int line = window->CurItemLine;
    const int max = PyItemMax;
    box("txtItemID")->setText(QStringLiteral("items_end")); // typed, not stored
    plat.answer(MsgAnswer::Yes);
    click("cmdDeleteItem");
    ASSERT_EQ(plat.boxes.size(), 2u);
    EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Delete item?"));
    EXPECT_TRUE(plat.boxes[0].text.startsWith(
        QStringLiteral("WARNING!\r\n\r\nThis will delete item # 7 - bow!\r\n")));
    EXPECT_EQ(plat.boxes[1].text, QStringLiteral("Item has been deleted!"));
    EXPECT_EQ(lineOf("bow"), -1);
    EXPECT_EQ(PyItemMax, max - 1);
    EXPECT_EQ(list("lstItems")->listIndex(), 6);
    EXPECT_EQ(window->CurItemLine, line);
    EXPECT_EQ(text("txtItemID"), QStringLiteral("arrows"));
    EXPECT_EQ(get<QLabel>("lblItems")->text(), QStringLiteral("List of items (9)"));
    EXPECT_TRUE(window->UnsavedItems);

    // The last row of a filtered list: no row takes its place, nothing is shown.
    box("txtFilter")->setText(QStringLiteral("ar"));
    click("cmdFilter");
    EXPECT_EQ(rows("lstItems"), (QStringList{"5. itm_spear (Spear)", "7. itm_arrows (Arrows)"}));
    select("arrows");
    plat.answer(MsgAnswer::Yes);
    click("cmdDeleteItem");
    EXPECT_EQ(rows("lstItems"), QStringList{"5. itm_spear (Spear)"});
    EXPECT_EQ(list("lstItems")->listIndex(), -1);
    EXPECT_EQ(window->CurItemLine, -1);
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    EXPECT_TRUE(button("cmdSave")->isEnabled());
}

TEST_F(PythonItemsWindow, ScanLeavesTheItemsThatReadBackAndCountsTheOthers) {
    reopenOnRoughItems();
    const QStringList before = PyItemLines;
    box("txtFilter")->setText(QStringLiteral("bale"));
    click("cmdFilter");
    plat.answer(MsgAnswer::Yes);
    trigger("mnu_edit_hardtest");
    EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Continue...?"));
    EXPECT_TRUE(plat.boxes[0].text.startsWith(QStringLiteral(
        "This will update ALL items without making changes. This means all data will be "
        "reorganized, and you can test whether the editor works with your module_items.py")));
    EXPECT_TRUE(plat.boxes.back().text.startsWith(
        QStringLiteral("All items have been updated. Now hit 'Save changes' and build your "
                       "module to test whether there are syntax problems or not!\r\n\r\n0 "
                       "item(s) have been rewritten; ")));
    EXPECT_TRUE(plat.boxes.back().text.endsWith(
        QStringLiteral(" read back with the same fields and were left as they were.\r\n\r\n2 "
                       "item(s) could not be read completely and were left as they were.")));
    EXPECT_EQ(plat.boxes.size(), 2u);
    EXPECT_FALSE(window->ItemFilterOn);
    EXPECT_EQ(plat.eventPumps, 2);
    EXPECT_TRUE(plat.modalWindows.isEmpty());
    // Every item that reads keeps its lines; the names the lists lacked are scanned.
    EXPECT_EQ(PyItemLines, before);
    EXPECT_EQ(text("txtItemID"), QStringLiteral("items_end"));
    EXPECT_TRUE(rows("lstFlags").contains(QStringLiteral("itp_new_flag")));
    EXPECT_FALSE(window->UnsavedItems);
}

TEST_F(PythonItemsWindow, TypeFilterListsTheItemsOfATypeFromTheirParsedFlags) {
    copy.write(QStringLiteral("module_items.py"),
               "from header_items import *\r\nitems = [\r\n"
               " [\"no_item\",\"No Item\",[(\"a\",0)],itp_type_goods,0,0,0,0],\r\n"
               " [\"horse_meat\",\"Horse Meat\",[(\"m\",0)],itp_type_goods,0,0,0,0],\r\n"
               " [\"pony\",\"Pony\",[(\"p\",0)],0,0,0,0,0],\r\n"
               " [\"bad\",\"Bad\",[(\"b\",0)], ,0,0,0,0],\r\n"
               " [\"axe\",\"Axe\",[(\"x\",0)],itp_type_one_handed_wpn|itp_x,0,0,0,0],\r\n"
               " [\"items_end\",\"Items End\",[(\"e\",0)],0,0,1,0,0],\r\n"
               "]\r\n");
    reopenOn(copy.folder());
    select("axe");
    const struct {
        int type;
        QStringList rows;
        size_t boxes;
    } cases[] = {
        {19, {}, 1},
        {0, {"3. itm_pony (Pony)", "6. itm_items_end (Items End)"}, 1},
        {2, {"5. itm_axe (Axe)"}, 1},
    };
    for (const auto& c : cases) {
        plat.boxes.clear();
        get<ComboBox>("cmbTypeFilter")->setListIndex(c.type);
        click("cmdFilerType");
        EXPECT_EQ(rows("lstItems"), c.rows) << c.type;
        EXPECT_EQ(get<QLabel>("lblItems")->text(), QStringLiteral("List of items (") +
                                                       QString::number(c.rows.size()) +
                                                       QStringLiteral(", filtered)"));
        ASSERT_EQ(plat.boxes.size(), c.boxes);
        EXPECT_EQ(plat.boxes[0].text, QStringLiteral("Error. Item flags not found!"));
        EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Item flags not found..."));
        EXPECT_TRUE(window->ItemFilterOn);
        EXPECT_FALSE(button("cmdUpdate")->isEnabled());
        for (const char* shown :
             {"frameItem", "frameEdit", "frameAdd", "framePython", "cmdFilerType", "cmdFilter"})
            EXPECT_FALSE(get(shown)->isHidden()) << shown;
    }
    EXPECT_EQ(plat.eventPumps, 0);
    // The form still shows the item as it was.
    EXPECT_EQ(rows("lstFlags", true), (QStringList{"itp_type_one_handed_wpn", "itp_x"}));
    EXPECT_EQ(rows("lstFlags").size(), 61);
    list("lstItems")->setListIndex(0);
    EXPECT_TRUE(button("cmdUpdate")->isEnabled());
}

TEST_F(PythonItemsWindow, TextFilterKeepsEntryNumbersAndTheShownItem) {
    select("spear");
    box("txtFilter")->setText(QStringLiteral("S"));
    QTest::keyClick(box("txtFilter"), Qt::Key_Return);
    EXPECT_EQ(text("txtFilter"), QStringLiteral("s"));
    EXPECT_EQ(rows("lstItems"),
              (QStringList{"2. itm_horse_meat (Horse Meat)", "5. itm_spear (Spear)",
                           "6. itm_wooden_shield (Wooden Shield)", "8. itm_arrows (Arrows)",
                           "9. itm_horse (Saddle Horse)", "10. itm_items_end (Items End)"}));
    EXPECT_EQ(get<QLabel>("lblItems")->text(), QStringLiteral("List of items (6, filtered)"));
    EXPECT_TRUE(window->ItemFilterOn);
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    EXPECT_EQ(text("txtItemID"), QStringLiteral("spear"));

    click("cmdResetFilter");
    EXPECT_EQ(get<QLabel>("lblItems")->text(), QStringLiteral("List of items (10)"));
    EXPECT_FALSE(window->ItemFilterOn);
}

// Clicks with the mouse: one type at most (a click on it keeps it), one
// attachment flag at most, never a separator; a horse takes no capabilities.
TEST_F(PythonItemsWindow, FlagClicksKeepTheChoiceSound) {
    ASSERT_TRUE(ShowActive(window));
    select("knife");
    ListBox* flags = list("lstFlags");
    const struct {
        int row;
        QStringList chosen;
        bool capabilities;
    } clicks[] = {
        {3, {"itp_type_polearm", "itp_primary"}, true},
        {3, {"itp_type_polearm", "itp_primary"}, true},
        {20, {"itp_type_polearm", "itp_force_attach_left_hand", "itp_primary"}, true},
        {23, {"itp_type_polearm", "itp_attach_armature", "itp_primary"}, true},
        {23, {"itp_type_polearm", "itp_primary"}, true},
        {59, {"itp_type_polearm", "itp_primary"}, true},
        {0, {"itp_type_horse", "itp_primary"}, false},
        {34, {"itp_type_horse"}, true},
    };
    for (const auto& c : clicks) {
        ClickRow(flags, c.row);
        EXPECT_EQ(rows("lstFlags", true), c.chosen) << c.row;
        EXPECT_EQ(list("lstCap")->isEnabled(), c.capabilities) << c.row;
    }
    for (const char* name : {"lstCap", "lstModifiers"}) {
        ClickRow(list(name), 20);
        EXPECT_FALSE(list(name)->item(20)->isSelected()) << name;
    }
}

TEST_F(PythonItemsWindow, KeyAndFocusRulesOfTheBoxes) {
    ASSERT_TRUE(ShowActive(window));
    select("knife");
    QLineEdit* id = box("txtItemID");
    for (const auto& [typed, kept] :
         {std::pair{"Itm_Long Sword", "long_sword"}, std::pair{"itm_itm_x", "itm_x"}}) {
        id->clear();
        id->setFocus();
        QTest::keyClicks(id, QString::fromLatin1(typed));
        QTest::keyClick(id, Qt::Key_Return);
        box("txtItemName")->setFocus();
        EXPECT_EQ(id->text(), QString::fromLatin1(kept));
    }
    QLineEdit* cost = box("txtCost");
    cost->setFocus();
    QTest::keyClicks(cost, QStringLiteral("1a"));
    QTest::keyClick(cost, Qt::Key_Return);
    EXPECT_EQ(cost->text(), QStringLiteral("181a"));
    EXPECT_TRUE(plat.modalWindows.isEmpty());

    QLineEdit* trigger = box("txtTrigger");
    ASSERT_TRUE(TabInto(trigger));
    EXPECT_EQ(trigger->text(), QStringLiteral("[]"));
    EXPECT_EQ(trigger->cursorPosition(), 1);
    EXPECT_FALSE(trigger->hasSelectedText());
    // A click far right of the brackets puts the caret between them all the same.
    QLineEdit* factions = box("txtFaction");
    QTest::mouseClick(factions, Qt::LeftButton, {}, factions->rect().center());
    EXPECT_EQ(trigger->text(), QString());
    EXPECT_EQ(factions->cursorPosition(), 1);
    QTest::keyClicks(factions, QStringLiteral("fac_x"));
    box("txtItemName")->setFocus();
    EXPECT_EQ(text("txtFaction"), QStringLiteral("[fac_x]"));
    QTest::mouseClick(trigger, Qt::LeftButton, {}, trigger->rect().center());
    QTest::keyClicks(trigger, QStringLiteral("(ti_on_init_item,[])"));
    EXPECT_EQ(trigger->text(), QStringLiteral("[(ti_on_init_item,[])]"));
}

TEST_F(PythonItemsWindow, LaysOutForBothWidthsAndStoresTheViewSettings) {
    select("knife");
    EXPECT_EQ(get("frameMain")->width(), Tw(15270));
    EXPECT_EQ(get("lstItems")->width(), Tw(3600));
    EXPECT_EQ(get("frameItem")->x(), Tw(3750));
    EXPECT_EQ(get("lstItems")->height(), Tw(8055)); // what the screen leaves of 8340
    EXPECT_EQ(ClippedCaptions(window), QStringList());
    window->SetScreenWidth(1280);
    EXPECT_EQ(get("frameMain")->width(), Tw(19110));
    EXPECT_EQ(get("lstItems")->width(), Tw(7350));
    EXPECT_EQ(get("cmdFilerType")->x(), Tw(6765));
    EXPECT_EQ(get("frameEdit")->x(), Tw(15090));
    EXPECT_TRUE(get<QAction>("mnu_view_1280")->isChecked());
    EXPECT_FALSE(get<QAction>("mnu_view_1024")->isChecked());
    EXPECT_EQ(ClippedCaptions(window), QStringList());
    window->SetListFontSize(10);
    EXPECT_EQ(get("lstItems")->font().pointSize(), 10);
    EXPECT_NE(get("lstFlags")->font().pointSize(), 10);
    EXPECT_TRUE(get<QAction>("mnu_view_font10")->isChecked());
    EXPECT_EQ(ReadIni("Config", "ScreenWidth", ConfigFilePath()), QStringLiteral("1280"));
    EXPECT_EQ(ReadIni("Config", "ListFontSize", ConfigFilePath()), QStringLiteral("10"));
}

TEST_F(PythonItemsWindow, SaveKeepsTheMarkWhenNothingWasWrittenAndClosingAsks) {
    click("cmdShowPython");
    EXPECT_TRUE(plat.modalWindows.isEmpty());
    select("club");
    click("cmdShowPython");
    EXPECT_EQ(MsgTitle, QStringLiteral("Python item line"));
    EXPECT_EQ(MsgText, QStringLiteral("Python line of the selected item:"));
    EXPECT_EQ(MsgEntry, PyItemLines[window->CurItemLine]);

    box("txtCost")->setText(QStringLiteral("12"));
    ASSERT_TRUE(window->UpdatePythonItem(false));
    const QString entry = PyItemLines[window->CurItemLine];
    plat.answer(MsgAnswer::Yes);
    click("cmdSave");
    const QString backup = copy.file(QStringLiteral("module_items_4-3-2011_9h5m7s.py"));
    EXPECT_TRUE(QFile::exists(backup));
    EXPECT_FALSE(window->UnsavedItems);
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Items saved..."));
    EXPECT_EQ(plat.boxes.back().text,
              QStringLiteral("Backup created of old module_items.py to ") + backup +
                  QStringLiteral("\r\n\r\nChanges have been saved to module_items.py in your "
                                 "module system directory."));
    EXPECT_TRUE(copy.read(QStringLiteral("module_items.py")).contains(ToFileBytes(entry)));

    // A failed save keeps the mark, so the close question still guards the changes.
    box("txtCost")->setText(QStringLiteral("13"));
    ASSERT_TRUE(window->UpdatePythonItem(false));
    FailNextSaveAfter(0);
    plat.answer(MsgAnswer::No);
    click("cmdSave");
    EXPECT_TRUE(window->UnsavedItems);
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Error..."));

    plat.answer(MsgAnswer::No);
    trigger("mnu_file_main");
    EXPECT_EQ(plat.boxes.back().text, QStringLiteral("You have unsaved data in the memory. Do you "
                                                     "really want to close this editor?"));
    EXPECT_FALSE(hasTopLevel(QStringLiteral("frmMain")));
    EXPECT_FALSE(window->BackToMain);
    plat.answer(MsgAnswer::Yes);
    trigger("mnu_file_main");
    EXPECT_TRUE(hasTopLevel(QStringLiteral("frmMain")));
}

} // namespace
