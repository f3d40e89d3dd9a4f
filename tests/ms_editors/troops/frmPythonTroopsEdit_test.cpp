#include "PythonTroopsWindowFixture.h"

#include "module_system/frmPythonNewEntry.h"
#include "ms_editors/troops/PythonTroopEntry.h"
#include "platform/TextFile.h"
#include "support/UserInput.h"

#include <QAction>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>

namespace {

class PythonTroopsEditing : public PythonTroopsWindow {
protected:
    void type(const char* boxName, const QString& keys) {
        QLineEdit* b = box(boxName);
        for (QChar c : keys) {
            const int key = c == u'\r' ? int(Qt::Key_Return) : int(c.toUpper().unicode());
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(b, &press);
        }
    }
    void leave(const char* boxName) {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(box(boxName), &out);
    }
    QString itemsCaption() { return get<QGroupBox>("frameItems")->title(); }
    void addItemNr(const QString& number) {
        box("txtItemNr")->setText(number);
        click("cmdAddItemNr");
    }
};

TEST_F(PythonTroopsEditing, InventoryAddsByRowOrNumberUpToItsLimit) {
    select("merchant");
    select("bow", "lstAvailableItems");
    click("cmdAddItem");
    EXPECT_EQ(rows("lstItems"), (QStringList{"itm_knife", "itm_bow"}));
    EXPECT_EQ(list("lstItems")->currentRow(), 1);
    EXPECT_EQ(itemsCaption(), QStringLiteral("Items (2 of 64 used)"));

    addItemNr("3");
    EXPECT_EQ(rows("lstItems").last(), QStringLiteral("itm_knife"));
    addItemNr("10");
    EXPECT_EQ(rows("lstItems").last(), QStringLiteral("itm_items_end"));
    addItemNr("0");
    addItemNr("11");
    addItemNr("");
    addItemNr("99999");
    addItemNr("2.6"); // pasted: the box takes digits only, as it does from keys
    EXPECT_EQ(plat.boxTexts(),
              (QStringList{"Value must be >0 and <=10 !", "Value must be >0 and <=10 !",
                           "Value must be a number between 1 and 10",
                           "Value must be a number between 1 and 10",
                           "'Add item via number' may hold digits only, so nothing was stored. "
                           "Please correct it!"}));
    EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Information..."));
    EXPECT_EQ(plat.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(list("lstItems")->count(), 4);

    // Numbers count the rows of the filtered list while the item filter is on.
    box("txtItemFilter")->setText(QStringLiteral("arrow"));
    click("cmdFilterItems");
    addItemNr("1");
    EXPECT_EQ(rows("lstItems").last(), QStringLiteral("itm_arrows"));
    addItemNr("2");
    EXPECT_EQ(plat.boxTexts().last(), QStringLiteral("Value must be >0 and <=1 !"));

    plat.boxes.clear();
    select("arrows", "lstAvailableItems");
    while (list("lstItems")->count() < 64)
        click("cmdAddItem");
    EXPECT_EQ(itemsCaption(), QStringLiteral("Items (64 of 64 used)"));
    click("cmdAddItem");
    addItemNr("1");
    EXPECT_EQ(plat.boxTexts(),
              (QStringList{"Maximum count of items reached!", "Maximum count of items reached!"}));
    EXPECT_EQ(list("lstItems")->count(), 64);
    click("cmdRemoveItem");
    EXPECT_EQ(itemsCaption(), QStringLiteral("Items (63 of 64 used)"));
    click("cmdAddItem");
    EXPECT_EQ(list("lstItems")->count(), 64);
}

TEST_F(PythonTroopsEditing, InventoryRowsMoveAndGo) {
    select("horse_archer");
    ListBox* items = list("lstItems");
    items->item(0)->setSelected(true);
    items->item(1)->setSelected(true);
    click("cmdItemDown");
    EXPECT_EQ(rows("lstItems"), (QStringList{"itm_horse", "itm_bow", "itm_arrows"}));
    click("cmdItemUp");
    EXPECT_EQ(rows("lstItems"), (QStringList{"itm_bow", "itm_arrows", "itm_horse"}));

    items->clearSelection();
    items->setCurrentRow(-1);
    click("cmdRemoveItem"); // no current row: nothing goes
    EXPECT_EQ(items->count(), 3);
    items->setListIndex(0);
    click("cmdRemoveItem");
    EXPECT_EQ(rows("lstItems"), (QStringList{"itm_arrows", "itm_horse"}));
    EXPECT_EQ(items->currentRow(), 1);
    EXPECT_EQ(itemsCaption(), QStringLiteral("Items (2 of 64 used)"));
}

// Tabbing into an item list chooses no row, so neither button has one to act on.
TEST_F(PythonTroopsEditing, ItemButtonsActOnlyOnAChosenRow) {
    ASSERT_TRUE(ShowActive(window));
    select("horse_archer");
    for (const auto& [name, command] :
         {std::pair{"lstItems", "cmdRemoveItem"}, std::pair{"lstAvailableItems", "cmdAddItem"}}) {
        ASSERT_TRUE(TabInto(list(name))) << name;
        Click(get<QPushButton>(command));
        EXPECT_EQ(rows("lstItems"), (QStringList{"itm_bow", "itm_arrows", "itm_horse"})) << name;
    }
}

TEST_F(PythonTroopsEditing, AttributesSkillsAndProficienciesAreEditedInPlace) {
    select("farmer");
    get<ComboBox>("cmbAttrib")->setListIndex(1);
    EXPECT_EQ(text("txtAttrib"), QStringLiteral("str_3"));
    click("cmdAttribAdd");
    list("lstAttrib")->setListIndex(0);
    EXPECT_EQ(text("txtAttrib"), QStringLiteral("def_attrib"));
    box("txtAttrib")->setText(QStringLiteral("str_9"));
    click("cmdAttribChange");
    EXPECT_EQ(rows("lstAttrib"), (QStringList{"str_9", "level(4)", "str_3"}));
    list("lstAttrib")->setListIndex(1);
    click("cmdAttribDel");
    EXPECT_EQ(rows("lstAttrib"), (QStringList{"str_9", "str_3"}));
    EXPECT_EQ(text("txtAttrib"), QStringLiteral("str_3"));

    get<ComboBox>("cmbSkills")->setListIndex(149);
    EXPECT_EQ(text("txtSkills"), QStringLiteral("knows_riding_10"));
    click("cmdSkillsAdd");
    get<ComboBox>("cmbProfi")->setListIndex(3);
    EXPECT_EQ(text("txtProfi"), QStringLiteral("wpex(100,100,100,100,100,100)"));

    ASSERT_TRUE(window->UpdatePythonTroop(false));
    EXPECT_TRUE(PyTroopLines[window->CurTroopLine].contains(QStringLiteral(
        ", str_9|str_3, wpex(100,100,100,100,100,100), knows_common|knows_riding_10, ")));
}

TEST_F(PythonTroopsEditing, AddsAtTheEndOfTheListBeforeTrailingComments) {
    select("merchant");
    const int lastEntry = PyTroopLastEntry;
    ASSERT_EQ(lastEntry, lineOf("troops_end"));
    const int max = PyTroopMax;
    answerWhereToAdd(false);
    click("cmdAddTroop");
    EXPECT_EQ(plat.modalWindows, QStringList{"frmPythonNewEntry"});
    EXPECT_EQ(NewEntryTitle, QStringLiteral("Add new troop?"));
    EXPECT_TRUE(NewEntryText.startsWith(QStringLiteral(
        "The form will be filled with data from troop # 7!\r\n\r\nHit 'Add troop'")));
    EXPECT_TRUE(window->TroopAddMode);
    EXPECT_EQ(texts({"txtTroopID", "txtTroopName", "txtTroopNamePl"}),
              (QStringList{"new_troop1", "New troop", "New troops"}));
    EXPECT_EQ(get<QPushButton>("cmdUpdate")->text(), QStringLiteral("Add troop"));
    EXPECT_TRUE(get<QPushButton>("cmdUpdate")->isEnabled());
    for (const char* off : {"cmdSave", "cmdDeleteTroop", "cmdAddTroop", "cmdShowPython"})
        EXPECT_FALSE(get<QPushButton>(off)->isEnabled()) << off;
    EXPECT_FALSE(get<QAction>("mnu_edit_add")->isEnabled());
    EXPECT_FALSE(get<QAction>("mnu_edit_del")->isEnabled());

    click("cmdUpdate");
    EXPECT_FALSE(window->TroopAddMode);
    EXPECT_EQ(PyTroopMax, max + 1);
    EXPECT_EQ(PyTroopLastEntry, lastEntry + 1);
    EXPECT_EQ(
        PyTroopLines[lastEntry + 1],
        QStringLiteral(" [\"new_troop1\", \"New troop\", \"New troops\", tf_hero|tf_is_merchant, "
                       "scn_town_1_store|entry(9), reserved, fac_commoners, [itm_knife], "
                       "def_attrib|level(5), wp(20), knows_common, "
                       "0x00000000000c10050a4d6db6db6db6db00000000001db6db0000000000000000 ],"));
    EXPECT_EQ(PyTroopLines[lastEntry + 2], QStringLiteral("# More troops may follow here."));
    EXPECT_EQ(PyTroopLines[lastEntry + 3], QStringLiteral("]"));
    EXPECT_EQ(window->CurTroopLine, lastEntry + 1);
    EXPECT_EQ(list("lstTroops")->currentRow(), 8);
    EXPECT_EQ(rows("lstTroops").last(), QStringLiteral("9. trp_new_troop1 (New troop)"));
    EXPECT_EQ(MsgTitle, QStringLiteral("Troop added..."));
    // The line of the file, counted from 1: troops_end stands on line 27.
    EXPECT_EQ(MsgText, QStringLiteral("Troop added to python line # 28 - 'new_troop1'. This is "
                                      "the new entry:"));
    EXPECT_TRUE(get<QPushButton>("cmdSave")->isEnabled());
    EXPECT_TRUE(window->UnsavedTroops);
}

TEST_F(PythonTroopsEditing, AClickOnTheTemplatesOwnRowAbandonsTheAdd) {
    ASSERT_TRUE(ShowActive(window));
    const int farmer = int(rows("lstTroops").indexOf(QStringLiteral("3. trp_farmer (Farmer)")));
    ClickRow(list("lstTroops"), farmer);
    answerWhereToAdd(false);
    Click(get<QPushButton>("cmdAddTroop"));
    ASSERT_TRUE(window->TroopAddMode);
    ClickRow(list("lstTroops"), farmer);
    EXPECT_FALSE(window->TroopAddMode);
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("farmer"));
    EXPECT_EQ(get<QPushButton>("cmdUpdate")->text(), QStringLiteral("Update Troop"));
}

TEST_F(PythonTroopsEditing, AddsBehindTheTemplateAndRefusesOnlyWholeIdsInUse) {
    select("farmer");
    const int farmer = window->CurTroopLine;
    answerWhereToAdd(true);
    click("cmdAddTroop");
    box("txtTroopID")->setText(QStringLiteral("watchman"));
    click("cmdUpdate");
    EXPECT_EQ(plat.boxTexts(),
              QStringList{"This troop ID is used by another item. Please change the ID!"});
    EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Information..."));
    EXPECT_TRUE(window->TroopAddMode);

    // "archer" is part of "horse_archer" but no id of its own.
    box("txtTroopID")->setText(QStringLiteral("archer"));
    click("cmdUpdate");
    EXPECT_FALSE(window->TroopAddMode);
    EXPECT_TRUE(PyTroopLines[farmer + 1].startsWith(QStringLiteral(" [\"archer\", \"New troop\"")));
    EXPECT_EQ(window->CurTroopLine, farmer + 1);
    EXPECT_EQ(list("lstTroops")->currentRow(), 3);
    // The template's path came along with the form.
    EXPECT_EQ(PyTroopLines[PyTroopMax], QStringLiteral("upgrade(troops,\"archer\",\"watchman\")"));
    EXPECT_EQ(upgrade(1), QStringLiteral("watchman"));
}

TEST_F(PythonTroopsEditing, AddToAFilteredListThatTheNewIdDoesNotMatch) {
    box("txtFilterTroops")->setText(QStringLiteral("er"));
    click("cmdFilterTroops");
    EXPECT_EQ(rows("lstTroops"), (QStringList{"1. trp_player (Player)", "2. trp_farmer (Farmer)",
                                              "3. trp_horse_archer (Horse Archer)",
                                              "4. trp_merchant (Odrun the Salt Trader)"}));
    select("farmer");
    answerWhereToAdd(true);
    click("cmdAddTroop");
    box("txtTroopID")->setText(QStringLiteral("new1"));
    click("cmdUpdate");
    // Numbered by its place in the filtered list, as the rows above it are.
    EXPECT_EQ(rows("lstTroops").last(), QStringLiteral("5. trp_new1 (New troop)"));
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("new1"));
    // The rows behind the insertion still find their own entries.
    select("horse_archer");
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("horse_archer"));
    EXPECT_EQ(window->CurTroopLine, lineOf("horse_archer"));
}

TEST_F(PythonTroopsEditing, DeleteTakesTheEntryAndItsOwnUpgradeLine) {
    select("watchman");
    const int line = window->CurTroopLine;
    const int max = PyTroopMax;
    const int lastEntry = PyTroopLastEntry;
    box("txtTroopID")->setText(QStringLiteral("farmer")); // typed, not stored
    plat.answer(MsgAnswer::Yes);
    click("cmdDeleteTroop");
    ASSERT_EQ(plat.boxes.size(), 2u);
    EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Delete troop?"));
    EXPECT_TRUE(
        plat.boxes[0].text.contains(QStringLiteral("This will delete troop # 4 - watchman!")));
    EXPECT_EQ(plat.boxes[1].text, QStringLiteral("Selected troop has been deleted!"));
    EXPECT_EQ(lineOf("watchman"), -1);
    EXPECT_EQ(PyTroopMax, max - 1);
    EXPECT_EQ(PyTroopLastEntry, lastEntry - 1);
    EXPECT_EQ(PyTroopLines[PyTroopMax], QString());
    EXPECT_EQ(PyTroopLines[PyTroopMax - 1],
              QStringLiteral("upgrade(troops,\"farmer\",\"watchman\") # militia"));
    EXPECT_EQ(get<ComboBox>("cmbUpgrade1")->findText(QStringLiteral("watchman")), -1);
    // The troop that moved into the row is shown.
    EXPECT_EQ(window->CurTroopLine, line);
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("horse_archer"));
    EXPECT_TRUE(window->UnsavedTroops);
}

TEST_F(PythonTroopsEditing, DeletingTheLastRowShowsTheNewLastRow) {
    select("troops_end");
    plat.answer(MsgAnswer::Yes);
    click("cmdDeleteTroop");
    EXPECT_EQ(list("lstTroops")->currentRow(), 6);
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("merchant"));
    const int closing = PyTroopLastEntry + 2;
    ASSERT_EQ(PyTroopLines[closing], QStringLiteral("]"));
    box("txtTroopName")->setText(QStringLiteral("Odrun"));
    ASSERT_TRUE(window->UpdatePythonTroop(false));
    EXPECT_EQ(PyTroopLines[closing], QStringLiteral("]"));
    EXPECT_TRUE(PyTroopLines[window->CurTroopLine].startsWith(QStringLiteral(" [\"merchant\"")));
}

// With the last troop gone nothing is shown, but the deletion can be saved.
TEST_F(PythonTroopsEditing, DeletingTheOnlyTroopLeavesSaveAvailable) {
    copy.write(QStringLiteral("module_troops.py"),
               "from header_troops import *\r\ntroops = [\r\n  "
               "[\"only\",\"Only\",\"Onlies\",0,0,0,fac_x,[],0,wp(1),0,0],\r\n]\r\n");
    reopenOn(copy.folder());
    select("only");
    plat.answer(MsgAnswer::Yes);
    click("cmdDeleteTroop");
    EXPECT_EQ(list("lstTroops")->count(), 0);
    EXPECT_EQ(window->CurTroopLine, -1);
    EXPECT_FALSE(get<QPushButton>("cmdUpdate")->isEnabled());
    EXPECT_FALSE(get("frameTroop")->isEnabled());
    ASSERT_TRUE(get<QPushButton>("cmdSave")->isEnabled());
    ASSERT_TRUE(get<QPushButton>("cmdSave")->isVisibleTo(window));
    EXPECT_TRUE(get("frameEdit")->isEnabled());
    plat.answer(MsgAnswer::No);
    click("cmdSave");
    EXPECT_FALSE(window->UnsavedTroops);
    EXPECT_EQ(other->read(QStringLiteral("module_troops.py")),
              QByteArray("from header_troops import *\r\ntroops = [\r\n]\r\n"));
}

// A troop whose entry the loader could not join (a string over two lines),
// and one with a field far longer than a line edit takes by default.
class OddTroopsEditing : public PythonTroopsEditing {
protected:
    void SetUp() override {
        PythonTroopsEditing::SetUp();
        copy.write(QStringLiteral("module_troops.py"),
                   "from header_troops import *\r\ntroops = [\r\n"
                   "  [\"temp_troop\",\"Temp\",\"Temps\",0,0,0,fac_x,[],0,wp(1),0,0],\r\n"
                   "  [\"poem\",\"\"\"Two\r\nlines\"\"\",\"Poems\",0,0,0,fac_x,[],0,wp(1),0,0],\r\n"
                   "  [\"long\",\"Long\",\"Longs\",0,no_scene,reserved," +
                       LongFaction().toLatin1() +
                       ",[],0,wp(1),0,0],\r\n]\r\nupgrade(troops,\"poem\",\"long\")\r\n");
        reopenOn(copy.folder());
    }
    static QString LongFaction() { return QStringLiteral("fac_") + QString(40000, u'x'); }
};

TEST_F(OddTroopsEditing, DeleteRefusesAnEntryTheLoaderCouldNotJoin) {
    const QStringList before = PyTroopLines;
    select("poem");
    plat.answer(MsgAnswer::Yes);
    click("cmdDeleteTroop");
    EXPECT_TRUE(plat.boxTexts().last().startsWith(
        QStringLiteral("The entry of this troop does not stand alone in module_troops.py")));
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Information..."));
    EXPECT_EQ(PyTroopLines, before);
    EXPECT_FALSE(window->UnsavedTroops);
}

TEST_F(OddTroopsEditing, TextSetFromCodeIsNeverCut) {
    select("long");
    EXPECT_EQ(text("txtFaction"), LongFaction());
    PythonTroop expected = ParsePythonTroop(PyTroopLines[window->CurTroopLine]).troop;
    expected.reserved = QStringLiteral("0");
    box("txtReserved")->setText(expected.reserved);
    ASSERT_TRUE(window->UpdatePythonTroop(false));
    EXPECT_TRUE(PyTroopLines[window->CurTroopLine].contains(QStringLiteral(", ") + LongFaction() +
                                                            QStringLiteral(", ")));
    EXPECT_EQ(ParsePythonTroop(PyTroopLines[window->CurTroopLine]).troop, expected);
}

TEST_F(PythonTroopsEditing, AddAndDeleteAreRefusedForBuiltInTroopsAndWithoutATroop) {
    const struct {
        const char* selected;
        const char* button;
        const char* message;
    } cases[] = {
        {nullptr, "cmdAddTroop", "Please select an troop as template!"},
        {nullptr, "cmdDeleteTroop", "Select a troop to delete!"},
        {"temp_troop", "cmdAddTroop",
         "The selected troop is hardwired to the game, select another troop as template!"},
        {"player", "cmdDeleteTroop",
         "The selected troop is hardwired to the game, you can't delete this troop!"},
    };
    const QStringList before = PyTroopLines;
    for (const auto& c : cases) {
        if (c.selected)
            select(QString::fromLatin1(c.selected));
        click(c.button);
        EXPECT_EQ(plat.boxTexts().last(), QString::fromLatin1(c.message));
        EXPECT_FALSE(window->TroopAddMode);
    }
    EXPECT_EQ(PyTroopLines, before);

    // Aborting the where-to-add question adds nothing.
    select("watchman");
    plat.onModal([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("cmdAbort"))->click();
    });
    click("cmdAddTroop");
    EXPECT_FALSE(window->TroopAddMode);
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("watchman"));
    EXPECT_EQ(PyTroopLines, before);
}

// A troop that reads back with the fields it has keeps its lines: the scan
// rewrites nothing of a file the editor reads in full, and says so.
TEST_F(PythonTroopsEditing, ScanLeavesEveryTroopThatReadsBackAndCounts) {
    const QStringList before = PyTroopLines;
    box("txtFilterTroops")->setText(QStringLiteral("farm"));
    click("cmdFilterTroops");
    plat.answer(MsgAnswer::Yes);
    trigger("mnu_edit_scan");
    EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Continue...?"));
    EXPECT_EQ(plat.boxes.back().text,
              QStringLiteral("All troops have been updated. Now hit 'Save changes' and build your "
                             "module to test whether there are syntax problems or not!\r\n\r\n0 "
                             "troop(s) have been rewritten; 6 read back with the same fields and "
                             "were left as they were.\r\n\r\n1 troop(s) could not be read "
                             "completely and were left as they were."));
    EXPECT_FALSE(window->TroopFilterActive);
    EXPECT_EQ(list("lstTroops")->count(), 8);
    EXPECT_EQ(plat.eventPumps, 2);
    EXPECT_EQ(PyTroopLines, before);
    EXPECT_FALSE(window->UnsavedTroops);
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("troops_end"));
    EXPECT_TRUE(plat.modalWindows.isEmpty());
}

TEST_F(PythonTroopsEditing, ClosingAndExitAskWhileChangesAreUnsaved) {
    select("farmer");
    box("txtTroopName")->setText(QStringLiteral("Farmhand"));
    ASSERT_TRUE(window->UpdatePythonTroop(false));
    plat.answer(MsgAnswer::No);
    trigger("mnu_file_mainmenu");
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Continue?"));
    EXPECT_EQ(plat.boxes.back().text, QStringLiteral("You have unsaved data in the memory. Do you "
                                                     "really want to close this editor?"));
    EXPECT_FALSE(hasTopLevel(QStringLiteral("frmMain")));
    EXPECT_FALSE(window->UnloadGranted);
    EXPECT_FALSE(window->BackToMain);

    plat.answer(MsgAnswer::No);
    trigger("mnu_editor_items");
    EXPECT_FALSE(hasTopLevel(QStringLiteral("frmPythonItems")));
    // Exit asks the same question; No keeps the editor open.
    ASSERT_TRUE(ShowActive(window));
    const size_t asked = plat.boxes.size();
    plat.answer(MsgAnswer::No);
    ClickMenuEntry(window, get<QAction>("mnu_file_exit"));
    EXPECT_EQ(plat.boxes.size(), asked + 1);
    EXPECT_EQ(plat.programEnds, 0);

    plat.answer(MsgAnswer::Yes);
    trigger("mnu_file_mainmenu");
    EXPECT_TRUE(window->UnloadGranted);
    EXPECT_TRUE(hasTopLevel(QStringLiteral("frmMain")));
}

TEST_F(PythonTroopsEditing, SwitchingAndExitingWithoutChanges) {
    trigger("mnu_editor_pt");
    EXPECT_TRUE(plat.boxes.empty());
    EXPECT_TRUE(hasTopLevel(QStringLiteral("frmPythonPartyTemp")));
    EXPECT_FALSE(hasTopLevel(QStringLiteral("frmMain")));
}

TEST_F(PythonTroopsEditing, SaveBacksUpWithTheClocksNameAndClearsTheMarkOnlyWhenWritten) {
    select("farmer");
    box("txtTroopName")->setText(QStringLiteral("Farmhand"));
    ASSERT_TRUE(window->UpdatePythonTroop(false));
    const QString entry = PyTroopLines[window->CurTroopLine];
    plat.answer(MsgAnswer::Yes);
    click("cmdSave");
    const QString backup = copy.file(QStringLiteral("module_troops_4-3-2011_9h5m7s.py"));
    EXPECT_TRUE(QFile::exists(backup));
    EXPECT_FALSE(window->UnsavedTroops);
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Troops saved..."));
    EXPECT_EQ(plat.boxes.back().text,
              QStringLiteral("Backup created of old module_troops.py to ") + backup +
                  QStringLiteral("\r\n\r\nChanges have been saved to module_troops.py in your "
                                 "module system directory."));
    EXPECT_TRUE(copy.read(QStringLiteral("module_troops.py")).contains(ToFileBytes(entry)));

    box("txtTroopName")->setText(QStringLiteral("Farmer"));
    ASSERT_TRUE(window->UpdatePythonTroop(false));
    plat.boxes.clear();
    FailNextSaveAfter(0);
    plat.answer(MsgAnswer::No);
    click("cmdSave");
    EXPECT_TRUE(window->UnsavedTroops);
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Error..."));
}

TEST_F(PythonTroopsEditing, ShowTroopShowsTheStoredLine) {
    // Nothing to show before a troop is chosen; a click does nothing.
    ASSERT_TRUE(ShowActive(window));
    EXPECT_FALSE(button("cmdShowPython")->isEnabled());
    Click(button("cmdShowPython"));
    EXPECT_TRUE(plat.modalWindows.isEmpty());
    select("farmer");
    EXPECT_TRUE(button("cmdShowPython")->isEnabled());
    Click(button("cmdShowPython"));
    EXPECT_EQ(MsgTitle, QStringLiteral("Python troop line"));
    EXPECT_EQ(MsgText, QStringLiteral("Python line of the selected troop:"));
    EXPECT_EQ(MsgEntry, PyTroopLines[window->CurTroopLine]);
    EXPECT_TRUE(MsgEntry.startsWith(QStringLiteral("[\"farmer\",\"Farmer\"")));
}

TEST_F(PythonTroopsEditing, InputRulesOfIdNumberAndImageBoxes) {
    select("merchant");
    box("txtTroopID")->clear();
    type("txtTroopID", QStringLiteral("Trp_TRP_My Troop\r"));
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("Trp_TRP_My_Troop"));
    leave("txtTroopID");
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("trp_my_troop"));

    box("txtItemNr")->clear();
    type("txtItemNr", QStringLiteral("1a 2\r"));
    EXPECT_EQ(text("txtItemNr"), QStringLiteral("12"));

    // An image needs both faces before it; clearing it takes the stand-ins away.
    box("txtFace1")->clear();
    box("txtFace2")->clear();
    box("txtTroopImage")->setText(QStringLiteral("\"portrait\""));
    leave("txtTroopImage");
    EXPECT_EQ(text("txtFace1"), QStringLiteral("0"));
    EXPECT_EQ(text("txtFace2"), QStringLiteral("0"));
    box("txtFace1")->setText(QStringLiteral("0x1"));
    box("txtTroopImage")->clear();
    leave("txtTroopImage");
    EXPECT_EQ(text("txtFace1"), QStringLiteral("0x1"));
    EXPECT_EQ(text("txtFace2"), QString());
}

TEST_F(PythonTroopsEditing, HelpBoxesAndTheAboutWindow) {
    select("farmer");
    for (const char* help : {"cmdHelpProfi", "cmdHelpSkills", "cmdHelpAttrib", "cmdFaceCode"})
        click(help);
    ASSERT_EQ(plat.boxes.size(), 4u);
    EXPECT_TRUE(plat.boxes[0].text.startsWith(
        QStringLiteral("Choose a declaration of the weapon proficiencies from this combo box")));
    EXPECT_TRUE(plat.boxes[1].text.endsWith(
        QStringLiteral("at this time.\r\n\r\nYou also can delete the standard values, and adding "
                       "single values. But this is not recommended!")));
    EXPECT_TRUE(plat.boxes[2].text.startsWith(
        QStringLiteral("The easiest way to set the attributes of your troops")));
    EXPECT_TRUE(plat.boxes[3].text.contains(
        QStringLiteral("the face code of the generated face \r\nwill be displayed")));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(plat.boxes[i].title, QStringLiteral("Information..."));
        EXPECT_EQ(plat.boxes[i].icon, MsgIcon::Information);
    }
    EXPECT_EQ(plat.boxes[3].title, QStringLiteral("How to get the face code..."));
    trigger("mnu_help_about");
    EXPECT_EQ(plat.modalWindows, QStringList{"frmSplash"});
}

} // namespace
