#include "PythonTroopsWindowFixture.h"

#include "module_system/PythonText.h"
#include "module_system/modPythonTroops.h"
#include "ms_editors/troops/PythonTroopEntry.h"
#include "platform/AppFolder.h"
#include "shell/modCore.h"
#include "support/UserInput.h"
#include "support/WindowChecks.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>

namespace {

TEST_F(PythonTroopsWindow, LoadsVocabularyListsAndBothTables) {
    ASSERT_TRUE(ShowActive(window)); // with the troop list focused
    EXPECT_EQ(
        window->windowTitle(),
        QStringLiteral("Quenby's Corvane Orvath/Kelbrin Editor v1.40  - Phyton troop editor"));
    EXPECT_EQ(list("lstFlags")->count(), 24);
    EXPECT_EQ(list("lstFlags")->item(10)->text(), QStringLiteral("tf_allways_fall_dead"));
    EXPECT_EQ(get<ComboBox>("cmbProfi")->count(), 6);
    EXPECT_EQ(get<ComboBox>("cmbProfi")->currentText(),
              QStringLiteral("Custom weapon proficiencies"));
    EXPECT_EQ(text("txtProfi"), QStringLiteral("0"));
    ComboBox* skills = get<ComboBox>("cmbSkills");
    ASSERT_EQ(skills->count(), 220);
    EXPECT_EQ(skills->itemText(10), QStringLiteral("knows_leadership_1"));
    EXPECT_EQ(skills->itemText(219), QStringLiteral("knows_ironflesh_10"));
    ComboBox* attribs = get<ComboBox>("cmbAttrib");
    ASSERT_EQ(attribs->count(), 113);
    EXPECT_EQ(attribs->itemText(1), QStringLiteral("str_3"));
    EXPECT_EQ(attribs->itemText(112), QStringLiteral("cha_30"));

    EXPECT_EQ(rows("lstTroops").first(), QStringLiteral("1. trp_player (Player)"));
    EXPECT_EQ(list("lstTroops")->count(), 8);
    EXPECT_EQ(get<QLabel>("lblTroops")->text(), QStringLiteral("List of troops (8)"));
    EXPECT_EQ(rows("lstAvailableItems")[2], QStringLiteral("3. itm_knife (Knife)"));
    EXPECT_EQ(get<QLabel>("lblItems")->text(), QStringLiteral("Available items (10)"));
    EXPECT_EQ(get<ComboBox>("cmbUpgrade1")->count(), 8);
    EXPECT_EQ(get<ComboBox>("cmbUpgrade2")->itemText(2), QStringLiteral("farmer"));
    EXPECT_EQ(window->CurTroopLine, -1);
    EXPECT_EQ(get<QGroupBox>("frameItems")->title(), QStringLiteral("Items"));
    EXPECT_FALSE(get("frameTroop")->isEnabled());
    EXPECT_FALSE(get("frameEdit")->isEnabled());
    EXPECT_TRUE(get("frameAdd")->isEnabled());
    EXPECT_TRUE(get("frameTroopList")->isEnabled());
    EXPECT_TRUE(get<QLabel>("lblTroopEditor")->text().endsWith(copy.folder() + "module_troops.py"));
}

TEST_F(PythonTroopsWindow, SelectingATroopShowsEveryField) {
    select("watchman");
    EXPECT_EQ(
        texts({"txtTroopID", "txtTroopName", "txtTroopNamePl", "txtScene", "txtReserved",
               "txtFaction", "txtProfi", "txtFace1", "txtFace2"}),
        (QStringList{"watchman", "Watchman", "Watchmen", "no_scene", "reserved", "fac_commoners",
                     "wp_one_handed(80)|wp_polearm(60)", "man_face_young_1", "man_face_old_1"}));
    EXPECT_EQ(selectedFlags(), (QStringList{"tf_guarantee_boots", "tf_guarantee_armor"}));
    EXPECT_EQ(rows("lstItems"), (QStringList{"itm_spear", "itm_wooden_shield"}));
    EXPECT_EQ(get<QGroupBox>("frameItems")->title(), QStringLiteral("Items (2 of 64 used)"));
    EXPECT_EQ(rows("lstAttrib"), (QStringList{"def_attrib", "level(9)"}));
    EXPECT_EQ(rows("lstSkills"), (QStringList{"knows_common", "knows_ironflesh_1"}));
    EXPECT_EQ(upgrade(1), QStringLiteral("horse_archer"));
    EXPECT_EQ(upgrade(2), QStringLiteral("merchant"));
    EXPECT_TRUE(get("frameTroop")->isEnabled());
    EXPECT_TRUE(get<QPushButton>("cmdUpdate")->isEnabled());
    EXPECT_EQ(get<QPushButton>("cmdUpdate")->text(), QStringLiteral("Update Troop"));

    // The commented-out upgrade line is not this troop's path.
    select("farmer");
    EXPECT_EQ(upgrade(1), QStringLiteral("watchman"));
    EXPECT_EQ(upgrade(2), QString());

    // An unknown flag joins the list and stays there.
    select("horse_archer");
    EXPECT_EQ(selectedFlags(), (QStringList{"tf_mounted", "tf_guarantee_horse", "tf_custom_flag"}));
    EXPECT_EQ(text("txtProfi"), QStringLiteral("wpex(60,60,60,120,60,60)"));
    EXPECT_EQ(text("txtTroopImage"), QStringLiteral("\"archer image\""));
    select("merchant");
    EXPECT_EQ(list("lstFlags")->count(), 25);
    EXPECT_EQ(selectedFlags(), (QStringList{"tf_hero", "tf_is_merchant"}));
    EXPECT_EQ(texts({"txtScene", "txtTroopImage", "txtFace2"}),
              (QStringList{"scn_town_1_store|entry(9)", "", ""}));
    EXPECT_TRUE(plat.boxes.empty());
}

// Showing a troop and pressing the update button without a change stores
// nothing: the entry and its upgrade line stay as they were read, however the
// editor would write them, and nothing is left to save. A changed field
// leaves the upgrade line alone, a changed path the entry.
TEST_F(PythonTroopsWindow, UpdatingUnchangedStoresNothing) {
    const int farmerCall =
        PyTroopLines.indexOf(QStringLiteral("upgrade(troops,\"farmer\",\"watchman\") # militia"));
    ASSERT_GT(farmerCall, 0);
    const QString handWritten =
        QStringLiteral("upgrade( troops, \"farmer\", 'watchman' ) # militia");
    PyTroopLines[farmerCall] = handWritten;
    const qsizetype lines = PyTroopLines.size();
    EXPECT_EQ(updateEachUnchanged("lstTroops",
                                  "Nothing of this troop has been changed, so its entry in "
                                  "module_troops.py was left as it was.",
                                  PyTroopLines),
              QList<int>{5}); // bad_entry
    EXPECT_FALSE(window->UnsavedTroops);

    select("farmer");
    const int line = window->CurTroopLine;
    box("txtTroopName")->setText(QStringLiteral("Farmhand"));
    ASSERT_TRUE(window->UpdatePythonTroop(false));
    EXPECT_TRUE(PyTroopLines[line].startsWith(QStringLiteral(" [\"farmer\", \"Farmhand\"")));
    EXPECT_EQ(PyTroopLines[farmerCall], handWritten);
    const QString stored = PyTroopLines[line];
    get<ComboBox>("cmbUpgrade1")->setEditText(QStringLiteral("merchant"));
    ASSERT_TRUE(window->UpdatePythonTroop(false));
    EXPECT_EQ(PyTroopLines[line], stored);
    EXPECT_EQ(PyTroopLines[farmerCall],
              QStringLiteral("upgrade(troops,\"farmer\",\"merchant\") # militia"));
    EXPECT_EQ(PyTroopLines.size(), lines);
    EXPECT_TRUE(window->UnsavedTroops);
}

TEST_F(PythonTroopsWindow, AnEntryThatCannotBeReadIsReportedAndNeverWritten) {
    select("watchman");
    const QStringList before = PyTroopLines;
    select("bad_entry");
    ASSERT_EQ(plat.boxes.size(), 1u);
    EXPECT_EQ(plat.boxes[0].icon, MsgIcon::Exclamation);
    // Nothing of the watchman is left in the form.
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("bad_entry"));
    EXPECT_EQ(list("lstItems")->count(), 0);
    EXPECT_EQ(text("txtFace1"), QStringLiteral("0"));
    EXPECT_EQ(text("txtFace2"), QString());
    EXPECT_EQ(upgrade(1), QString());
    EXPECT_FALSE(get<QPushButton>("cmdUpdate")->isEnabled());
    EXPECT_FALSE(window->UpdatePythonTroop(true));
    EXPECT_EQ(PyTroopLines, before);
    EXPECT_TRUE(plat.modalWindows.isEmpty());
    EXPECT_FALSE(window->UnsavedTroops);
}

// Fields that Python computes (a name as a sum of strings, an inventory as a
// sum of lists or given by a name): the troop shows them as written and they
// cannot be changed; an update without a change keeps the file byte for byte,
// and an edit of another field keeps them as written, as Python reads them.
TEST_F(PythonTroopsWindow, FieldsPythonComputesAreShownAndKeptAsWritten) {
    reopenOn(QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/computed"));
    const QByteArray original = other->read(QStringLiteral("module_troops.py"));
    const struct {
        const char* id;
        const char* control; // where the expression shows
        const char* written; // as the file writes it
        const char* faction;
    } cases[] = {
        {"farmer", "lstItems", "[]+basic_throwing+slings_common+common_shoes", "fac_peasants"},
        {"hskarl", "txtTroopName", "\"H\"+u_kreska+\"skarl\"", "fac_kingdom_4"},
        {"hskarl", "txtTroopNamePl", "\"H\"+u_kreska+\"skarls\"", "fac_kingdom_4"},
        {"footman", "lstItems", "equipment_tier_1_foot", "fac_kingdom_1"},
        {"king_bela", "txtTroopName", "\"King_B\" + e_kreska + \"la  IV\"", "fac_kingdom_3"},
        {"king_bela", "lstItems", "[ itm_crown ] + common_shoes", "fac_kingdom_3"},
    };
    const QString unchanged = QStringLiteral("Nothing of this troop has been changed, so its "
                                             "entry in module_troops.py was left as it was.");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        plat.boxes.clear();
        select(QLatin1String(c.id));
        EXPECT_TRUE(plat.boxes.empty()) << plat.boxTexts().join(u'|').toStdString();
        const QString written = QLatin1String(c.written);
        const QStringList before = PyTroopLines;
        if (QLatin1String(c.control) == "lstItems") {
            EXPECT_EQ(rows("lstItems"), QStringList{written});
            EXPECT_FALSE(button("cmdRemoveItem")->isEnabled());
            EXPECT_FALSE(button("cmdAddItem")->isEnabled());
            EXPECT_EQ(get<QGroupBox>("frameItems")->title(),
                      QStringLiteral("Items (a Python expression, read-only)"));
            list("lstItems")->item(0)->setText(QStringLiteral("itm_knife"));
        } else {
            EXPECT_EQ(text(c.control), written);
            EXPECT_TRUE(box(c.control)->isReadOnly());
            box(c.control)->setText(QStringLiteral("Changed"));
        }
        // What no control can change is not changed by its control's text either.
        click("cmdUpdate");
        EXPECT_EQ(plat.boxTexts(), QStringList{unchanged});
        EXPECT_EQ(PyTroopLines, before);
    }
    // Rewriting every troop leaves them as they are, none unreadable.
    plat.answer(MsgAnswer::Yes);
    window->ScanPythonTroops();
    EXPECT_TRUE(plat.boxTexts().last().endsWith(
        QStringLiteral("0 troop(s) have been rewritten; 6 read back with the same fields and "
                       "were left as they were.")));
    plat.answer(MsgAnswer::No);
    ASSERT_TRUE(SavePythonTroops());
    EXPECT_EQ(other->read(QStringLiteral("module_troops.py")), original);

    QByteArray expected = original;
    for (const auto& c : cases) {
        select(QLatin1String(c.id));
        box("txtFaction")->setText(QStringLiteral("fac_edited"));
        ASSERT_TRUE(window->UpdatePythonTroop(false));
        EXPECT_TRUE(PyTroopLines[window->CurTroopLine].contains(
            QStringLiteral(", ") + QLatin1String(c.written) + QStringLiteral(", ")));
        expected.replace(QByteArray(c.faction) + ',', "fac_edited,");
    }
    plat.answer(MsgAnswer::No);
    ASSERT_TRUE(SavePythonTroops());
    // Python reads the saved file as the original with the factions edited.
    other->write(QStringLiteral("expected_troops.py"), expected);
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/same_troops.py"),
                  other->file(QStringLiteral("expected_troops.py")),
                  other->file(QStringLiteral("module_troops.py"))});
    ASSERT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAll().toStdString();
}

// Each field takes what Python reads as that field and nothing else.
TEST_F(PythonTroopsWindow, TypedTextIsStoredOnlyWhereItReadsBackAsTyped) {
    const TypedField cases[] = {
        {"txtTroopID", "", "enter an ID"},
        {"txtTroopName", "Farmer \"Joe\"", "Double quotes*'singular name'!"},
        {"txtTroopNamePl", "C:\\farmers", "backslashes*'plural name'!"},
        {"cmbUpgrade2", "C:\\farmers", "backslashes*'upgrade path 2'!"},
        {"txtTroopID", "farm hand", nullptr, Entered::InputMethod, "farm_hand"},
        {"txtTroopID", "practice crossbow", nullptr, Entered::Paste, "practice_crossbow"},
        {"cmbUpgrade1", "horse", nullptr, Entered::Keys},
        {"txtTroopName", "Farmer, the [old] #1", nullptr},
        {"txtScene", "", "'scene' can't be empty*such as no_scene or scn_town_1|entry(2)!"},
        {"txtScene", "scn_a # the store", "'scene'"},
        {"txtScene", "scn_town_1|", "'scene'"},
        {"txtScene", "scn_town_1 | entry(2)", nullptr},
        {"txtReserved", " ", "'reserved field' can't be empty*such as reserved or 0!"},
        {"txtReserved", "reserved 1", "'reserved field'"},
        {"txtFaction", " ", "'faction' can't be empty*such as fac_commoners or 0!"},
        {"txtFaction", "fac_commoners, 1", "'faction'"},
        {"txtFaction", "fac commoners", "'faction'"},
        {"txtFaction", "fac_kingdom_1", nullptr},
        {"txtProfi", "", "'weapon proficiencies' can't be empty*such as wp(100)"},
        {"txtProfi", "wp(60", "'weapon proficiencies'*(such as wp(100) or"},
        {"txtProfi", "wp_one_handed (80) | wp_archery (60)", nullptr},
        {"txtFace1", "0x00zz", "'face code 1'*(such as man_face_young_1 or 0)"},
        {"txtFace2", "0x1\\", "'face code 2'"},
        {"txtFace2", "0x0000000280000002", nullptr},
        {"txtTroopImage", "\"image", "'troop image'"},
        {"txtTroopImage", "image x", "'troop image'*(such as 0 or \"image_name\")"},
        {"txtTroopImage", "\"archer image\"", nullptr},
        {"txtAttrib", "str 7", "'attributes'"},
        {"txtAttrib", "level(5)", nullptr},
        {"txtSkills", "knows_riding 3", "'skills'"},
        {"txtSkills", "knows_riding_3", nullptr},
    };
    select("farmer");
    const int farmer = list("lstTroops")->listIndex();
    expectTypedFields(
        cases, [this, farmer] { list("lstTroops")->setListIndex(farmer); }, PyTroopLines,
        window->CurTroopLine,
        [](const QString& entry) { return ParsePythonTroop(entry).complete; });
}

// A new id takes the troop's own upgrade call along, in the call's place; a
// call of another troop that leads to the old id is left and counted.
TEST_F(PythonTroopsWindow, ARenamedTroopTakesItsUpgradeCallAlong) {
    select("watchman");
    const int line = window->CurTroopLine;
    const int max = PyTroopMax;
    const int call = PyTroopLines.indexOf(
        QStringLiteral("upgrade2(troops,\"watchman\",\"horse_archer\",\"merchant\")"));
    ASSERT_GT(call, line);
    box("txtTroopID")->setText(QStringLiteral("guard"));
    box("txtTroopName")->setText(QStringLiteral("Guard"));
    click("cmdUpdate");
    EXPECT_TRUE(PyTroopLines[line].startsWith(QStringLiteral(" [\"guard\", \"Guard\"")));
    EXPECT_EQ(rows("lstTroops")[3], QStringLiteral("4. trp_guard (Guard)"));
    EXPECT_EQ(PyTroopMax, max);
    EXPECT_EQ(PyTroopLines[call],
              QStringLiteral("upgrade2(troops,\"guard\",\"horse_archer\",\"merchant\")"));
    EXPECT_EQ(PyTroopLines[call - 1],
              QStringLiteral("upgrade(troops,\"farmer\",\"watchman\") # militia"));
    EXPECT_EQ(MsgText, QStringLiteral("Troop # 3 - 'guard' has been updated. 1 upgrade path of "
                                      "another troop still leads to 'watchman', which no longer "
                                      "exists: please change it. This is the updated line:"));
    EXPECT_EQ(upgrade(1), QStringLiteral("horse_archer"));
}

// Each upgrade call overrides what an earlier one for the same troop set, so
// the last one is in force: it is shown, and an edit goes into it.
TEST_F(PythonTroopsWindow, ShowsAndWritesTheUpgradeCallInForce) {
    reopenOn(QStringLiteral(QE_TEST_DATA_DIR "/ms_editors/real_shapes"));
    const int first = PyTroopLines.indexOf(
        QStringLiteral("upgrade(troops,\"bandit_captain\",\"swadian_deserter\")"));
    const int second = PyTroopLines.indexOf(
        QStringLiteral("upgrade(troops,\"bandit_captain\",\"caravan_master\")"));
    ASSERT_GT(second, first);
    ASSERT_GT(first, 0);
    select("bandit_captain");
    EXPECT_EQ(upgrade(1), QStringLiteral("caravan_master"));
    get<ComboBox>("cmbUpgrade1")->setEditText(QStringLiteral("npc1"));
    ASSERT_TRUE(window->UpdatePythonTroop(false));
    EXPECT_EQ(PyTroopLines[first],
              QStringLiteral("upgrade(troops,\"bandit_captain\",\"swadian_deserter\")"));
    EXPECT_EQ(PyTroopLines[second], QStringLiteral("upgrade(troops,\"bandit_captain\",\"npc1\")"));

    // Ids in single quotes and in capitals are found as written.
    select("caravan_master");
    EXPECT_EQ(upgrade(1), QStringLiteral("old_soldier"));
    select("Knight_1_1");
    EXPECT_EQ(upgrade(1), QStringLiteral("swadian_knight"));
}

TEST_F(PythonTroopsWindow, SeparatorRowsAndEmptyTermsNeverReachTheEntry) {
    select("farmer");
    // A click on a separator row of the flag list selects nothing.
    ListBox* flags = list("lstFlags");
    flags->resize(flags->width(), 2000);
    const auto clickRow = [flags](int row) {
        const QPoint at = flags->visualItemRect(flags->item(row)).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, at, flags->viewport()->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(flags->viewport(), &click);
        }
    };
    clickRow(2);
    clickRow(4);
    EXPECT_EQ(selectedFlags(), (QStringList{"tf_male", "tf_guarantee_armor"}));

    // A term changed to nothing leaves no "||" behind.
    list("lstAttrib")->setListIndex(0);
    box("txtAttrib")->clear();
    click("cmdAttribChange");
    EXPECT_EQ(rows("lstAttrib"), (QStringList{"", "level(4)"}));
    ASSERT_TRUE(window->UpdatePythonTroop(false));
    EXPECT_TRUE(
        PyTroopLines[window->CurTroopLine].contains(QStringLiteral(", level(4), wp(60), ")));
}

TEST_F(PythonTroopsWindow, TroopFilterMatchesIdsAndNamesAndFallsBackWithABeep) {
    box("txtFilterTroops")->setText(QStringLiteral("ARCH"));
    click("cmdFilterTroops");
    EXPECT_EQ(text("txtFilterTroops"), QStringLiteral("arch"));
    EXPECT_EQ(rows("lstTroops"), QStringList{"1. trp_horse_archer (Horse Archer)"});
    EXPECT_EQ(get<QLabel>("lblTroops")->text(), QStringLiteral("List of troops (1, filtered)"));
    EXPECT_TRUE(window->TroopFilterActive);
    list("lstTroops")->setListIndex(0);
    EXPECT_EQ(text("txtTroopID"), QStringLiteral("horse_archer"));

    box("txtFilterTroops")->setText(QStringLiteral("nobody"));
    click("cmdFilterTroops");
    EXPECT_EQ(list("lstTroops")->count(), 8);
    EXPECT_EQ(text("txtFilterTroops"), QString());
    EXPECT_FALSE(window->TroopFilterActive);
    EXPECT_EQ(plat.beeps, 1);
}

TEST_F(PythonTroopsWindow, ItemFilterAndEnterInTheFilterBoxes) {
    select("farmer"); // the item filter is part of the troop frame, enabled with a troop shown
    QLineEdit* filter = box("txtItemFilter");
    filter->setText(QStringLiteral("Bow"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(filter, &enter);
    EXPECT_EQ(rows("lstAvailableItems"), QStringList{"1. itm_bow (Hunting Bow)"});
    EXPECT_EQ(get<QLabel>("lblItems")->text(), QStringLiteral("Available items (1, filtered)"));
    box("txtFilterTroops")->setText(QStringLiteral("farm"));
    QApplication::sendEvent(box("txtFilterTroops"), &enter);
    EXPECT_EQ(list("lstTroops")->count(), 1);
}

TEST_F(PythonTroopsWindow, LaysOutForBothWidthsAndStoresTheViewSettings) {
    EXPECT_EQ(get("frameTroops")->width(), Tw(15270));
    EXPECT_EQ(get("lstTroops")->width(), Tw(3765));
    EXPECT_EQ(get("frameTroop")->x(), Tw(3915));
    window->SetScreenWidth(1280);
    EXPECT_EQ(get("frameTroops")->width(), Tw(19110));
    EXPECT_EQ(ClippedCaptions(window), QStringList());
    EXPECT_EQ(get("lstTroops")->width(), Tw(5685));
    EXPECT_EQ(get("frameTroop")->x(), Tw(5860));
    EXPECT_EQ(ScreenWidth, 1280);
    window->SetListFontSize(10);
    EXPECT_EQ(get("lstTroops")->font().pointSize(), 10);
    EXPECT_EQ(ReadIni("Config", "ScreenWidth", ConfigFilePath()), QStringLiteral("1280"));
    EXPECT_EQ(ReadIni("Config", "ListFontSize", ConfigFilePath()), QStringLiteral("10"));
    // A width the menu does not offer is kept, and the window still gets a layout.
    window->SetScreenWidth(1100);
    EXPECT_EQ(ReadIni("Config", "ScreenWidth", ConfigFilePath()), QStringLiteral("1100"));
    EXPECT_EQ(get("frameTroops")->width(), Tw(15270));

    // On the screen, between two choices of the menu, the window follows its
    // layout; the narrow width narrows it again.
    window->show();
    window->SetScreenWidth(1280);
    QApplication::sendPostedEvents();
    window->SetScreenWidth(1024);
    EXPECT_EQ(window->width(), Tw(15270));
    EXPECT_EQ(ClippedCaptions(window), QStringList());
}

} // namespace
