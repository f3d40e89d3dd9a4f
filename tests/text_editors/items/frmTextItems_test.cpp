#include "ItemEditorFixture.h"

#include "ItemTestSupport.h"
#include "platform/AppFolder.h"
#include "platform/TextFile.h"
#include "shell/modCore.h"
#include "support/WindowChecks.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>

namespace {

TEST_F(ItemEditorTest, OpensWithTheListAndNothingShown) {
    EXPECT_EQ(window->windowTitle(), "Quenby's Corvane Orvath/Kelbrin Editor v1.40  - Item Editor");
    EXPECT_EQ(label("lblItems"), "List of items (18 + entry 0)");
    EXPECT_EQ(rows("lstItems").value(2), "2. itm_short_sword  (Short_Sword)");
    EXPECT_EQ(rows("lstFactions"),
              (QStringList{"0 - fac_no_faction  (No_Faction)", "1 - fac_kingdom", "2 - fac_order",
                           "3 - fac_outlaws"}));
    EXPECT_EQ(combo("cmbTypeFilter")->currentText(), "type horse");
    EXPECT_EQ(combo("cmbTypeFilter")->count(), 20);
    EXPECT_EQ(list("lstFlags")->count(), 58);
    EXPECT_EQ(list("lstCap")->count(), 74);
    EXPECT_EQ(list("lstModifiers")->item(42)->text(), "large_bag ");
    for (const char* name : {"lblV1", "lblV2", "lblV3", "lblV4"})
        EXPECT_EQ(label(name), "n/a");
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    EXPECT_FALSE(child<QGroupBox>("frameItem")->isEnabled());
    EXPECT_FALSE(action("mnu_edit_copy")->isEnabled());
    EXPECT_EQ(ReadIni("Config", "ScreenWidth", ConfigFilePath()), "1024");
    EXPECT_EQ(ReadIni("Config", "ListFontSize", ConfigFilePath()), "8");

    button("cmdAddItem")->click();
    action("mnu_edit_delete")->trigger();
    EXPECT_EQ(platform.boxTexts(),
              (QStringList{"Please select an item as template!", "Select an item to delete!"}));
    action("mnu_select_items")->trigger();
    EXPECT_TRUE(action("mnu_select_items")->isChecked());
}

TEST_F(ItemEditorTest, SelectingShowsTheItem) {
    const struct {
        int item;
        const char *flags, *caps, *modifiers, *factions; // the rows on
        bool capsEnabled;
        const char* labels; // lblV0, lblV1 to lblV4, lblDmg1, lblDmg2
        const char* boxes;  // txtV1 to txtV4, txtDmg1, txtDmg2, cmbDmg1, cmbDmg2 rows
    } rows[] = {
        {2, "1", "0 1 2", "", "1 2", true,
         "n/a:|Speed:|n/a:|Weapon length:|n/a|Swing damage:|Thrust damage:", "95 0 80 0 20 25 1 0"},
        {15, "0 28", "", "30 31 35", "0 3", false,
         "Leg armor:|Manueverability:|Horse speed:|Horse scale:|n/a|n/a|Charge:",
         "37 39 100 0 9 0 0 0"},
        {16, "10 28", "", "42", "", false, "n/a|n/a|n/a|n/a|Amount:|n/a|n/a", "0 0 0 10 0 0 0 0"},
    };
    const char* labels[] = {"lblV0", "lblV1", "lblV2", "lblV3", "lblV4", "lblDmg1", "lblDmg2"};
    const char* boxes[] = {"txtV1", "txtV2", "txtV3", "txtV4", "txtDmg1", "txtDmg2"};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        select(row.item);
        EXPECT_EQ(button("cmdUpdate")->text(), "Update Item # " + QString::number(row.item));
        EXPECT_TRUE(button("cmdUpdate")->isEnabled());
        EXPECT_EQ(box("txtItemID")->text(), ItemID[row.item]);
        EXPECT_EQ(selected("lstFlags"), row.flags);
        EXPECT_EQ(selected("lstCap"), row.caps);
        EXPECT_EQ(selected("lstModifiers"), row.modifiers);
        EXPECT_EQ(selected("lstFactions"), row.factions);
        EXPECT_EQ(list("lstCap")->isEnabled(), row.capsEnabled);
        EXPECT_EQ(label("lblFactions"),
                  QString("Factions (%1):")
                      .arg(QString(row.factions).split(' ', Qt::SkipEmptyParts).size()));
        // No list keeps a focus row for the selection rules to act on.
        for (const char* name : {"lstFlags", "lstCap", "lstModifiers", "lstFactions"})
            EXPECT_EQ(list(name)->listIndex(), -1) << name;
        const QStringList captions = QString(row.labels).split('|');
        for (std::size_t i = 0; i < std::size(labels); ++i)
            EXPECT_EQ(label(labels[i]), captions[i]) << labels[i];
        QStringList shown;
        for (const char* name : boxes)
            shown << box(name)->text();
        shown << QString::number(combo("cmbDmg1")->listIndex())
              << QString::number(combo("cmbDmg2")->listIndex());
        EXPECT_EQ(shown.join(' '), row.boxes);
    }

    // Triggers and the first mesh's own kind and bag (here none, with the bag).
    select(16);
    EXPECT_EQ(label("lblMeshes"), "Meshes (2):");
    EXPECT_EQ(box("txtMesh")->text(), "pack_travel");
    EXPECT_EQ(combo("cmbMeshID")->currentText(), "ixmesh_none");
    EXPECT_TRUE(child<QCheckBox>("chkLargeback")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkLargeback")->isEnabled());
    select(18);
    EXPECT_EQ(box("txtAnzTrigger")->text(), "2");
    EXPECT_EQ(child<QPlainTextEdit>("txtTrigger")->toPlainText(),
              "-40.000000 1 1916 2 0 1 0\n-41.000000 1 1917 2 0 1 0");
    button("cmdShowMesh")->click();
    EXPECT_EQ(lastBox(), "Missing BRF editor! Check your configuration!");
}

// Items in the game's layout with every kind of word (bytes of the upper half,
// unnamed bits, field values no row stands for, damages above 255, triggers),
// shown and updated without a change, keep their lines byte for byte, and so
// does the file they are saved to. Storing the first mesh as shown keeps its
// kind and large bag.
TEST_F(ItemEditorTest, UpdateWithoutChangeKeepsEveryItemsLines) {
    ItemGenerator generate(20110813, 3);
    QByteArray file = "itemsfile version 3\r\n150\r\n";
    for (int i = 0; i < 150; ++i) {
        const ItemLines item = generate.next();
        QStringList lines = {item.line, item.factionCountLine};
        if (item.factionCountLine != " 0")
            lines << item.factionLine;
        else if (i % 7 == 0)
            lines << QString(); // as the game writes after some zero counts
        lines << item.triggerCountLine << item.triggerLines << QString();
        file += lines.join("\r\n").toLatin1() + "\r\n";
    }
    module.write("item_kinds1.txt", file);
    open();
    ASSERT_EQ(ItemMax, 149);
    for (int i = 0; i <= ItemMax; ++i) {
        SCOPED_TRACE(original[i].line.toStdString());
        select(i);
        button("cmdMeshChange")->click();
        update();
        ASSERT_EQ(StoredItem(i), original[i]) << lastBox().toStdString();
    }
    EXPECT_EQ(platform.boxTexts().filter("Mesh values on mesh # 1 - '").size(), 150);
    EXPECT_EQ(platform.boxes.size(), 150u);
    EXPECT_EQ(platform.modalWindows.size(), 150);
    EXPECT_EQ(MsgTitle, "Item updated...");
    EXPECT_EQ(MsgText, "Item # 149 - '" + ItemID[149] +
                           "' has been updated. This is the updated "
                           "entry:");
    EXPECT_TRUE(MsgEntry.startsWith(original[149].line + "\r\n" + original[149].factionCountLine));

    platform.answer(MsgAnswer::No); // no backup
    button("cmdSave")->click();
    EXPECT_FALSE(window->UnsavedItems);
    EXPECT_EQ(module.read("item_kinds1.txt"), file);
}

// Folders as real modules have them: every item shows and updates unchanged
// without a failure, and the save gives the file back byte for byte. An item
// of six meshes lists them all; without factions.txt an item's factions,
// which no row names, are counted and stay through an update of another field.
TEST_F(ItemEditorTest, RealFoldersShowEveryItemAndSaveItAsRead) {
    const QByteArray sample = module.read("item_kinds1.txt");
    const QByteArray two = " 2  sword_short 0  sword_short_scabbard 3458764513820540928  ";
    const QByteArray six = QByteArray(two).replace(" 2 ", " 6 ") + "a 0  b 0  c 0  d 1  ";
    const struct {
        const char* what;
        QByteArray file;
        QStringList told; // on opening: the missing factions.txt, which the row removes
        const char* meshes;
    } rows[] = {
        {"six meshes", QByteArray(sample).replace(two, six), {}, "Meshes (6):"},
        {"no factions.txt",
         sample,
         {"Error #53 occured in function 'LoadTextFactions'."},
         "Meshes (2):"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        module.write("item_kinds1.txt", row.file);
        if (!row.told.isEmpty())
            QFile::remove(module.file("factions.txt"));
        open();
        EXPECT_EQ(platform.errors(), row.told);
        for (int i = 0; i <= ItemMax; ++i) {
            select(i);
            update();
        }
        EXPECT_EQ(platform.errors(), row.told);
        platform.answer(MsgAnswer::No);
        button("cmdSave")->click();
        EXPECT_EQ(module.read("item_kinds1.txt"), row.file);

        select(2);
        EXPECT_EQ(label("lblMeshes"), row.meshes);
        EXPECT_EQ(label("lblFactions"), "Factions (2):");
        box("txtCost")->setText("130");
        update();
        EXPECT_EQ(StoredItem(2).line, QString(original[2].line).replace(" 120 ", " 130 "));
        EXPECT_EQ(StoredItem(2).factionLine, " 1 2");
        platform.boxes.clear();
    }
}

// A line of no item stays where it stands when a changed item is saved, and
// the changed item's other lines keep their own line ends.
TEST_F(ItemEditorTest, SaveKeepsALineOfNoItemWhereItStands) {
    const QByteArray file =
        module.read("item_kinds1.txt").replace(" 1 2\r\n", " 1 2\n") + "stray\r\n";
    module.write("item_kinds1.txt", file);
    open();
    select(2);
    box("txtCost")->setText("130");
    update();
    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    EXPECT_FALSE(window->UnsavedItems);
    EXPECT_EQ(module.read("item_kinds1.txt"),
              QByteArray(file).replace(original[2].line.toLatin1(), StoredItem(2).line.toLatin1()));
    EXPECT_NE(StoredItem(2).line, original[2].line);
}

TEST_F(ItemEditorTest, EditsTheCloseQuestionSavingAndFieldsThatWouldBreakTheRecord) {
    select(2);
    box("txtCost")->setText("130");
    combo("cmbDmg1")->setCurrentIndex(2);
    child<ToggleList>("lstFactions")->setValues({true, false, false, true});
    update();
    EXPECT_EQ(StoredItem(2).line,
              " itm_short_sword Short_Sword Short_Swords 2  sword_short 0  sword_short_scabbard "
              "3458764513820540928  2 7 130 0 1.500000 100 0 0 0 0 0 95 0 80 0 532 25");
    EXPECT_EQ(StoredItem(2).factionCountLine, " 2");
    EXPECT_EQ(StoredItem(2).factionLine, " 0 3");
    EXPECT_EQ(box("txtAnzFac")->text(), "2");
    EXPECT_TRUE(window->UnsavedItems);

    // The close question guards the change, and so does a save that fails.
    platform.answer(MsgAnswer::No);
    EXPECT_FALSE(window->closeEditor(true));
    EXPECT_EQ(lastBox(),
              "You have unsaved data in the memory. Do you really want to close this editor?");
    EXPECT_FALSE(window->BackToMain);
    platform.answer(MsgAnswer::No);
    action("mnu_select_factions")->trigger();
    EXPECT_FALSE(window.isNull());

    const QByteArray before = module.read("item_kinds1.txt");
    platform.answer(MsgAnswer::No);
    FailNextSaveAfter(10);
    button("cmdSave")->click();
    EXPECT_TRUE(window->UnsavedItems);
    EXPECT_EQ(module.read("item_kinds1.txt"), before);
    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    EXPECT_FALSE(window->UnsavedItems);
    EXPECT_TRUE(module.read("item_kinds1.txt").contains(" 2 7 130 0 1.500000"));

    action("mnu_file_exit")->trigger();
    EXPECT_EQ(platform.programEnds, 1);

    // Texts that would shift the words on reload, break a key rule or hold what
    // the file cannot are refused, naming the field; a tab in a name becomes "_".
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"txtWeight", "", "'Weight' must not be empty or hold blanks!"},
        {"txtItemID", "sword", "'Item ID' must begin with itm_!"},
        {"txtV3", "8 0", "'Value 3' may hold digits only"},
        {"txtWeight", "1,5", "'Weight' may hold digits and a decimal point only"},
        {"txtDmg2", "2x", "'Damage 2' may hold digits only"},
        {"txtItemName", "Ŝhield", "'Item name' holds the character \"Ŝ\", which item_kinds1.txt"},
        {"txtMesh", "Ŝ", "'Mesh name' holds the character \"Ŝ\""},
    };
    for (const auto& [name, text, refusal] : rows) {
        select(3);
        box(name)->setText(QString::fromUtf8(text));
        button("cmdMeshChange")->click(); // stores the mesh box in the shown item
        platform.boxes.clear();
        update();
        EXPECT_EQ(platform.boxes.size(), 1u) << name;
        EXPECT_TRUE(lastBox().startsWith(QString::fromUtf8(refusal))) << lastBox().toStdString();
        EXPECT_EQ(StoredItem(3), original[3]) << name;
    }
    box("txtItemName")->setText("Round\tShield");
    update();
    EXPECT_EQ(ItemName[3], "Round_Shield");
}

// Each damage label stands beside the word it names: the first is the thrust
// (a shot's, ammunition's added damage, a horse's charge), the second the swing.
TEST_F(ItemEditorTest, DamageLabelsStandBesideTheWordsTheyName) {
    const std::tuple<int, const char*, const char*> rows[] = {
        {2, "Thrust damage:", "Swing damage:"},
        {6, "Charge:", "n/a"},
        {7, "Thrust damage:", "n/a"},
        {9, "Thrust damage:", "Swing damage:"},
        {18, "Add damage:", "n/a"}};
    for (const auto& [item, first, second] : rows) {
        select(item);
        QStringList beside;
        for (const char* name : {"txtDmg1", "txtDmg2"}) {
            for (const QLabel* label : child<QGroupBox>("frameItem")->findChildren<QLabel*>()) {
                if (box(name)->geometry().contains(box(name)->x(), label->geometry().center().y()))
                    beside << label->text();
            }
        }
        EXPECT_EQ(beside, (QStringList{first, second})) << item;
    }
}

TEST_F(ItemEditorTest, AnItemThatCannotBeShownKeepsUpdateAndAddDisabled) {
    ItemLine[8] = " itm_war_spear War_Spear War_Spears 1  spear_war 0  x 0 310";
    select(7);
    select(8);
    EXPECT_TRUE(lastBox().startsWith("Error # 9 occured in function \"ShowItem\""))
        << lastBox().toStdString();
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    EXPECT_FALSE(child<QGroupBox>("frameItem")->isEnabled());
    window->UpdateItem(true);
    EXPECT_EQ(lastBox(), "No item is shown: select an item first!");
    button("cmdAddItem")->click();
    EXPECT_EQ(lastBox(), "Please select an item as template!");
    EXPECT_EQ(StoredItem(7), original[7]);
    EXPECT_FALSE(window->UnsavedItems);
    // It can still be deleted.
    platform.answer(MsgAnswer::Yes);
    button("cmdDeleteItem")->click();
    EXPECT_EQ(ItemID[8], "itm_throwing_axes");
    EXPECT_TRUE(button("cmdUpdate")->isEnabled());
}

} // namespace
