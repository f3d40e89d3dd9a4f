#include "TroopEditorFixture.h"

#include "platform/AppFolder.h"
#include "platform/TextFile.h"
#include "shell/modCore.h"
#include "support/UserInput.h"
#include "support/WindowChecks.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {

void Type(QWidget* target, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

TEST_F(TroopEditorTest, OpensWithTheListAndNothingShown) {
    EXPECT_EQ(window->windowTitle(),
              "Quenby's Corvane Orvath/Kelbrin Editor v1.40  - Troop Editor");
    EXPECT_EQ(child<QLabel>("lblTroops")->text(), "List of Troops (9 + entry 0)");
    EXPECT_EQ(list("lstTroops")->count(), 10);
    EXPECT_EQ(list("lstTroops")->item(5)->text(), "5.  trp_sea_raider  (Sea_Raider)");
    EXPECT_EQ(child<ComboBox>("cmbUp1")->itemText(3), "3.  trp_knight");
    EXPECT_EQ(child<ComboBox>("cmbFactions")->itemText(1), "1 - fac_kingdom  (Kingdom_of_Varr)");
    EXPECT_EQ(list("lstAvailableItems")->item(2)->text(), "2 - itm_short_sword  (Short_Sword)");
    EXPECT_FALSE(button("cmdUpdateTroop")->isEnabled());
    EXPECT_FALSE(button("cmdSave")->isEnabled());
    EXPECT_FALSE(box("txtTroopID")->isEnabled());
    // Both view settings are stored at every opening.
    EXPECT_EQ(ReadIni("Config", "ScreenWidth", ConfigFilePath()), "1024");
    EXPECT_EQ(ReadIni("Config", "ListFontSize", ConfigFilePath()), "8");

    button("cmdAddTroop")->click();
    action("mnu_edit_inv_clear")->trigger();
    EXPECT_EQ(platform.boxTexts(),
              (QStringList{"Please select a troop as template!", "No troop selected..."}));
    // This editor's entry keeps its tick when clicked.
    action("mnu_select_troops")->trigger();
    EXPECT_TRUE(action("mnu_select_troops")->isChecked());
}

TEST_F(TroopEditorTest, SelectingShowsTheRecord) {
    select(5);
    EXPECT_EQ(button("cmdUpdateTroop")->text(), "Update Troop # 5");
    EXPECT_TRUE(button("cmdUpdateTroop")->isEnabled());
    EXPECT_EQ(child<ComboBox>("cmbFactions")->listIndex(), 3);
    EXPECT_EQ(child<ComboBox>("cmbUp1")->listIndex(), 4);
    // Flag word 2147483665 is bit 31, Hero and skin 1.
    const auto genders = window->findChildren<OptionButton*>("optGender");
    ASSERT_EQ(genders.size(), 3);
    EXPECT_TRUE(genders[1]->isChecked());
    EXPECT_FALSE(child<ComboBox>("CmbRace")->isEnabled());
    EXPECT_TRUE(child<CheckBox>("chkHero")->value());
    EXPECT_FALSE(child<CheckBox>("chkUnmoveable")->value());
    EXPECT_EQ(
        inventory(),
        (QStringList{"3 - itm_round_shield  (Round_Shield)", "5 - itm_iron_helmet  (Iron_Helmet)",
                     "1 - itm_bread  (Bread)", "6 - itm_saddle_horse  (Saddle_Horse)"}));
    EXPECT_EQ(itemsTitle(), "Items (4 of 64 used)");
    // Skill word 0 is FFFFFFFF, every box of it shows F; word 1 is ABCDEF01,
    // Tactics 10 shows as "10".
    for (const auto& [name, text] : {std::pair{"txtTroopID", "trp_sea_raider"},
                                     {"txtTroopNamePl", "Sea_Raiders"},
                                     {"txtTroopLvl", "9"},
                                     {"txtTroopThrowing", "30"},
                                     {"txtPersuasion", "F"},
                                     {"txtTactics", "10"},
                                     {"txtPathfinding", "B"},
                                     {"txtFace1", "0xfffffffffffffffffffffffffffffffe"
                                                  "80000000000000000000000000000001"}})
        EXPECT_EQ(box(name)->text(), text) << name;

    // A skin of 2 or more selects "Other" and sets the skin list itself.
    for (const auto& [troop, gender, skin] : {std::tuple{4, 2, 2}, {0, 0, 0}, {5, 1, 1}}) {
        select(troop);
        EXPECT_TRUE(genders[gender]->isChecked()) << troop;
        EXPECT_EQ(child<ComboBox>("CmbRace")->listIndex(), skin);
        EXPECT_EQ(child<ComboBox>("CmbRace")->isEnabled(), gender == 2);
    }
}

TEST_F(TroopEditorTest, UpdateWithoutChangeKeepsTheLinesAndTheQuestionGuardsThem) {
    const QByteArray before = module.read("troops.txt");
    for (int troop : {0, 1, 2, 3, 4, 5, 6, 9}) {
        select(troop);
        update();
        EXPECT_EQ(StoredTroop(troop), original[troop]) << troop;
    }
    EXPECT_EQ(platform.modalWindows.size(), 8);
    EXPECT_EQ(MsgTitle, "Troop updated...");
    EXPECT_EQ(MsgText, "Troop # 9 - 'trp_recruit' has been updated. This is the new entry:");
    EXPECT_TRUE(MsgEntry.startsWith("trp_recruit Recruit Recruits 0 0 0 0 1 0 0\r\n  -1 0 -1 0 "));

    platform.answer(MsgAnswer::No);
    EXPECT_FALSE(window->closeEditor(true));
    EXPECT_EQ(lastBox(),
              "You have unsaved data in the memory. Do you really want to close this editor?");
    EXPECT_FALSE(window->BackToMain);
    // Switching editors with the answer No keeps this one and opens nothing.
    platform.answer(MsgAnswer::No);
    action("mnu_select_factions")->trigger();
    EXPECT_FALSE(window.isNull());
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_NE(top->objectName(), "frmTextFactions");

    // A save that fails keeps the mark, so the question still protects the data.
    platform.answer(MsgAnswer::No);
    FailNextSaveAfter(10);
    button("cmdSave")->click();
    EXPECT_TRUE(window->UnsavedTroops);
    EXPECT_EQ(module.read("troops.txt"), before);
    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    EXPECT_FALSE(window->UnsavedTroops);
    EXPECT_EQ(module.read("troops.txt"), before);

    action("mnu_file_exit")->trigger();
    EXPECT_EQ(platform.programEnds, 1);
}

TEST_F(TroopEditorTest, EditedRecordsKeepWhatNoControlShows) {
    select(5);
    box("txtTactics")->setText("11");
    box("txtTroopName")->setText("Sea Raider"); // pasted, blank and all
    list("lstItems")->setListIndex(0);
    button("cmdItemDown")->click();
    update();
    const TroopLines now = StoredTroop(5);
    EXPECT_EQ(now[TroopHeadLine],
              "trp_sea_raider Sea_Raider Sea_Raiders 7 2147483665 scn_a 12 3 4 0");
    EXPECT_EQ(TroopName[5], "Sea_Raider");
    // Tactics 11 is one digit B; the digits of no box stay as they were.
    EXPECT_EQ(word(5, TroopSkillsLine, 1), QString::number(0xBBCDEF01u));
    // Each modifier word moves with its item.
    EXPECT_TRUE(now[TroopItemsLine].startsWith("  5 254 3 7 1 0 6 131072 -1 0 "));
    EXPECT_EQ(now[TroopFacesLine], original[5][TroopFacesLine]);

    // Items the item list has no row for show as rows of their own and go back.
    select(6);
    EXPECT_EQ(inventory().size(), 3);
    EXPECT_TRUE(inventory()[0].startsWith("99 "));
    list("lstItems")->setListIndex(2);
    button("cmdRemoveItem")->click();
    update();
    EXPECT_TRUE(StoredTroop(6)[TroopItemsLine].startsWith("  99 5 x 0 -1 0 "));
    EXPECT_EQ(StoredTroop(6)[TroopSkillsLine], "0 0 0 0 0 4 ");
}

TEST_F(TroopEditorTest, BoxesThatWouldBreakTheRecordRefuseTheUpdate) {
    const struct {
        const char* box;
        const char* text;
        const char* message;
    } rows[] = {
        {"txtLeadership", "16", "Value of 'Leadership' must be a number between 0 and 15!"},
        {"txtTroopFirearms", "", "'Firearms' must not be empty or hold blanks!"},
        // 64 hexadecimal digits without their "0x", one digit short, one not hexadecimal.
        {"txtFace1", "0000000180000001000000018000000100000001800000010000000180000001",
         "'Face code 1' must be \"0x\" followed by 64 hexadecimal digits, as the game shows a "
         "face code!"},
        {"txtFace2", "0x000000018000000100000001800000010000000180000001000000018000000",
         "'Face code 2' must be \"0x\" followed by 64 hexadecimal digits, as the game shows a "
         "face code!"},
        {"txtFace2", "0x000000018000000100000001800000010000000180000001000000018000000g",
         "'Face code 2' must be \"0x\" followed by 64 hexadecimal digits, as the game shows a "
         "face code!"},
        {"txtTroopSTR", "1 2", "'STR' must not be empty or hold blanks!"},
        {"txtTroopNamePl", "", "'Plural' must not be empty!"},
        {"txtTroopSTR", "1x",
         "'STR' may hold digits only, so nothing was stored. Please correct it!"},
        {"txtRiding", "b",
         "'Riding' may hold digits only, so nothing was stored. Please correct it!"},
        {"txtTroopID", "trp_😀",
         "'Troop ID' holds the character \"😀\", which troops.txt "
         "can't store, so nothing was stored. Please correct it!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        select(2);
        platform.boxes.clear();
        box(row.box)->setText(QString::fromUtf8(row.text));
        child<CheckBox>("chkHero")->setValue(true);
        update();
        EXPECT_EQ(platform.boxTexts(), QStringList{QString::fromUtf8(row.message)});
        EXPECT_EQ(StoredTroop(2), original[2]);
        EXPECT_FALSE(window->UnsavedTroops);
    }
    // Levels 10 to 15 may be typed in decimal; the empty box is 0.
    select(2);
    box("txtLeadership")->setText("15");
    box("txtTrade")->setText("");
    update();
    EXPECT_EQ(word(2, TroopSkillsLine, 0), QString::number(0xF0));
}

// A file cut short, its last troops lost: paths to them show as no row, and a
// walk that changes nothing changes no line but the count the box at open named.
TEST_F(TroopEditorTest, ACutFileWalkedWithoutAChangeKeepsPathsBeyondItsTroops) {
    delete window.data();
    const QByteArray cut = module.read("troops.txt").split('\n').mid(0, 62).join('\n') + '\n';
    module.write("troops.txt", cut); // ends inside troop 8; 7 has paths 42 and 9, 3 has 9
    window = new frmTextTroops;
    ASSERT_EQ(TroopMax, 8);
    for (int i = 0; i <= TroopMax; ++i) {
        select(i);
        update();
    }
    select(7);
    EXPECT_EQ(child<ComboBox>("cmbUp1")->listIndex(), -1);
    EXPECT_EQ(child<ComboBox>("cmbUp2")->listIndex(), -1);
    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    EXPECT_EQ(module.read("troops.txt"), QByteArray(cut).replace("\n10 \r", "\n9 \r"));
}

// Words beyond what their controls hold, as a module's build writes Python's
// integers: the flag boxes show their bits of 10 x 2^96 and four flags, a skill
// box its digit of a word beyond 32 bits, a face of a word beyond 64 bits its
// words as read; an update keeps the rest of each word and a face not changed.
TEST_F(TroopEditorTest, WordsBeyondTheirControlsShowTheirBitsAndKeepTheRest) {
    TroopLine[1] = "trp_farmer Farmer Farmers 0 792281625142643375935526535168 0 0 1 2 0";
    TroopSkillLine[1] = "18446744073709551617 0 0 0 0 0 "; // 2^64 + 1: Trade 1
    TroopFaceLine[1] = "  0 18446744073709551616 0 0 1 2 3 4 ";
    const TroopLines read = StoredTroop(1);
    select(1);
    update();
    EXPECT_EQ(StoredTroop(1), read);
    EXPECT_TRUE(platform.boxes.empty()) << lastBox().toStdString();
    QStringList ticked;
    for (const TroopFlagBox& flag : TroopFlagBoxes) {
        if (child<CheckBox>(flag.control)->value())
            ticked.append(flag.caption);
    }
    EXPECT_EQ(ticked, (QStringList{"Boots", "Armor", "Horse", "Ranged"}));
    EXPECT_EQ(child<ComboBox>("CmbRace")->listIndex(), 0);
    EXPECT_EQ(box("txtTrade")->text(), "1");
    EXPECT_EQ(box("txtFace1")->text(), "0 18446744073709551616 0 0");

    child<CheckBox>("chkHero")->setValue(true);
    box("txtTrade")->setText("2");
    box("txtFace2")->setText("0x" + QString(63, u'0') + "9");
    update();
    EXPECT_EQ(word(1, TroopHeadLine, 4), "792281625142643375935526535184");
    EXPECT_EQ(word(1, TroopSkillsLine, 0), "18446744073709551618");
    EXPECT_EQ(TroopFaceLine[1], "  0 18446744073709551616 0 0 0 0 0 9 ");
    box("txtFace1")->setText(box("txtFace2")->text());
    update();
    EXPECT_EQ(TroopFaceLine[1], "  0 0 0 9 0 0 0 9 ");
}

// A faction beyond the faction list (the module's files out of step) and
// upgrade paths beyond 32 bits, as a module's build wrote them, show as no
// row; an update that chooses no row there keeps them, a row chosen sets them.
TEST_F(TroopEditorTest, NumbersNoListShowsAreKeptUntilARowIsChosen) {
    const QString head = "trp_bad_faction %1 Bad_Factions 0 0 0 0 17 1%2 4294967296";
    TroopLine[8] = head.arg("Bad_Faction", QString(68, u'0'));
    select(8); // faction 17: the faction list ends at 3
    EXPECT_TRUE(platform.boxes.empty()) << lastBox().toStdString();
    for (const char* combo : {"cmbFactions", "cmbUp1", "cmbUp2"})
        EXPECT_EQ(child<ComboBox>(combo)->listIndex(), -1) << combo;
    box("txtTroopName")->setText("Renamed");
    update();
    EXPECT_EQ(StoredTroop(8)[TroopHeadLine], head.arg("Renamed", QString(68, u'0')));
    child<ComboBox>("cmbUp1")->setListIndex(2);
    update();
    EXPECT_EQ(StoredTroop(8)[TroopHeadLine].section(' ', 7), "17 2 4294967296");
    EXPECT_TRUE(platform.boxes.empty()) << lastBox().toStdString();
}

TEST_F(TroopEditorTest, ARecordThatCannotBeShownKeepsUpdateDisabled) {
    select(3);
    TroopLine[8] = "trp_bad_faction Bad_Faction Bad_Factions 0 0 0 0 x 0 0";
    const TroopLines unshown = StoredTroop(8);
    select(8);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(lastBox().startsWith("Error # 13 occured in function \"ShowTroop\"."));
    EXPECT_FALSE(button("cmdUpdateTroop")->isEnabled());
    window->UpdateTroop(true);
    EXPECT_EQ(StoredTroop(8), unshown);
    EXPECT_EQ(StoredTroop(3), original[3]);
    EXPECT_FALSE(window->UnsavedTroops);
    // Nor can it be the template of a new troop.
    button("cmdAddTroop")->click();
    EXPECT_EQ(lastBox(), "Please select a troop as template!");

    TroopLine[8] = "trp_bad_faction Bad_Faction Bad_Factions 0 -16 0 0 1 0 0";
    select(8);
    EXPECT_TRUE(lastBox().startsWith("Error #6 occured in function 'ShowTroop'."));
    select(2);
    EXPECT_TRUE(button("cmdUpdateTroop")->isEnabled());

    // Out of shape, as a lost line leaves a troop: the next troop's first line
    // read as its inventory. Its fields would parse, but they are not the
    // troop's: it is not shown and the boxes of troop 2 never reach it.
    TroopItemLine[1] = original[3][TroopHeadLine];
    select(1);
    EXPECT_EQ(platform.boxes.back().title, "Unreadable troop...");
    EXPECT_TRUE(lastBox().startsWith("Troop # 1 cannot be read: its six lines in troops.txt are "
                                     "out of shape"));
    EXPECT_FALSE(button("cmdUpdateTroop")->isEnabled());
    window->UpdateTroop(true);
    EXPECT_EQ(TroopItemLine[1], original[3][TroopHeadLine]);
    EXPECT_EQ(TroopLine[1], original[1][TroopHeadLine]);
    EXPECT_FALSE(window->UnsavedTroops);
}

TEST_F(TroopEditorTest, TroopFilter) {
    select(1);
    box("txtFilterTroops")->setText("raid");
    button("cmdFilterTroops")->click();
    EXPECT_FALSE(list("lstTroopsFiltered")->isHidden());
    EXPECT_EQ(list("lstTroopsFiltered")->count(), 1);
    EXPECT_FALSE(button("cmdUpdateTroop")->isEnabled());
    list("lstTroopsFiltered")->setListIndex(0);
    EXPECT_EQ(window->CurTroop, 5);
    EXPECT_TRUE(button("cmdUpdateTroop")->isEnabled());
    box("txtTroopName")->setText("Corsair");
    update();
    EXPECT_EQ(list("lstTroopsFiltered")->item(0)->text(), "5.  trp_sea_raider  (Corsair)");
    EXPECT_EQ(list("lstTroops")->item(5)->text(), "5.  trp_sea_raider  (Corsair)");

    // Upper and lower case differ; no hit beeps and shows the full list.
    box("txtFilterTroops")->setText("corsair");
    Type(box("txtFilterTroops"), Qt::Key_Return, "\r");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(list("lstTroopsFiltered")->isHidden());
    EXPECT_FALSE(list("lstTroops")->isHidden());
    EXPECT_TRUE(button("cmdUpdateTroop")->isEnabled());
}

// Tabbing into a list that has no chosen row chooses none: the troop shown
// keeps what was typed into it, and the item buttons find no row to act on.
TEST_F(TroopEditorTest, TabbingIntoAListChoosesNothing) {
    ASSERT_TRUE(ShowActive(window));
    ClickRow(list("lstTroops"), 2); // items 2, 3, 5
    box("txtFilterTroops")->setText("r");
    button("cmdFilterTroops")->click();
    ASSERT_GT(list("lstTroopsFiltered")->count(), 1);
    box("txtTroopName")->setText("Typed");
    const std::pair<const char*, const char*> rows[] = {{"lstTroopsFiltered", nullptr},
                                                        {"lstItems", "cmdRemoveItem"},
                                                        {"lstAvailableItems", "cmdAddItem"}};
    for (const auto& [name, command] : rows) {
        ASSERT_TRUE(TabInto(list(name))) << name;
        EXPECT_EQ(list(name)->listIndex(), -1) << name;
        if (command)
            Click(button(command));
        EXPECT_EQ(window->CurTroop, 2) << name;
        EXPECT_EQ(box("txtTroopName")->text(), "Typed") << name;
        EXPECT_EQ(inventory().size(), 3) << name;
    }
}

TEST_F(TroopEditorTest, KeyFiltersAndTheIdPrefix) {
    select(0);
    QLineEdit* skill = box("txtRiding");
    skill->setText("");
    for (const auto& [key, text] : {std::pair{Qt::Key_A, "a"},
                                    {Qt::Key_1, "1"},
                                    {Qt::Key_Return, "\r"},
                                    {Qt::Key_2, "2"},
                                    {Qt::Key_3, "3"}})
        Type(skill, key, QLatin1String(text));
    EXPECT_EQ(skill->text(), "12");
    // The limit is for typing: a text set from code stays whole.
    box("txtTroopOnehand")->setText("1000");
    EXPECT_EQ(box("txtTroopOnehand")->text(), "1000");
    Type(box("txtTroopName"), Qt::Key_Space, " ");
    EXPECT_TRUE(box("txtTroopName")->text().endsWith("_"));

    QLineEdit* id = box("txtTroopID");
    for (const auto& [typed, shown] : {std::pair{"archer", "trp_archer"},
                                       {"trp_x", "trp_x"},
                                       {"TRP_x", "trp_TRP_x"},
                                       {"", "trp_"}}) {
        id->setText(QLatin1String(typed));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(id, &out);
        EXPECT_EQ(id->text(), QLatin1String(shown));
    }

    // Shown: white space that came into an id other than by keys is stored as
    // "_"; a pasted name troops.txt cannot hold is refused; typed keys pass.
    ASSERT_TRUE(ShowActive(window));
    id->setText("trp_a\tb");
    QLineEdit* name = box("txtTroopName");
    name->clear();
    QTest::keyClicks(name, "Pike man");
    QApplication::clipboard()->setText(QString::fromUtf8(" Ünï 中"));
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    update();
    EXPECT_TRUE(lastBox().startsWith(QString::fromUtf8("'Single' holds the character \"中\"")));
    name->backspace();
    update();
    EXPECT_EQ(TroopID[0], "trp_a_b");
    EXPECT_EQ(TroopName[0], QString::fromUtf8("Pike_man_Ünï_"));
}

TEST_F(TroopEditorTest, ViewSettings) {
    action("mnu_view_1280")->trigger();
    EXPECT_EQ(child<QGroupBox>("frameMain")->x(), Tw(5860));
    EXPECT_EQ(box("txtFace1")->width(), Tw(10200));
    EXPECT_FALSE(action("mnu_view_1024")->isChecked());

    // A width we do not offer lays out as the nearest one, ticks nothing new
    // and is kept as it is.
    window->SetScreenWidth(800);
    EXPECT_EQ(child<QGroupBox>("frameMain")->x(), Tw(3915));
    EXPECT_EQ(window->width(), Tw(15270)); // the window narrows with its layout
    EXPECT_TRUE(action("mnu_view_1280")->isChecked());
    EXPECT_EQ(ReadIni("Config", "ScreenWidth", ConfigFilePath()), "800");

    action("mnu_view_font10")->trigger();
    EXPECT_EQ(list("lstTroops")->font().pointSize(), 10);
    EXPECT_EQ(list("lstTroops")->height(), Tw(8540)); // what the screen leaves of 8835
    window->SetListFontSize(12);
    EXPECT_EQ(list("lstItems")->font().pointSize(), 10);
    EXPECT_FALSE(action("mnu_view_font10")->isChecked());
    EXPECT_EQ(ReadIni("Config", "ListFontSize", ConfigFilePath()), "12");
}

TEST_F(TroopEditorTest, NoCaptionIsClippedAtEitherWidth) {
    select(5);
    for (int width : {1024, 1280}) {
        window->SetScreenWidth(width);
        EXPECT_EQ(ClippedCaptions(window), QStringList()) << width;
    }
}

// Lines of a troop with one word replaced.
QString WithWord(const QString& line, int index, const QString& word) {
    QList<QString> words = TroopWords(line);
    words[index] = word;
    return words.join(u' ');
}

QByteArray TroopFile(const std::vector<TroopLines>& troops) {
    QStringList file = {"troopsfile version 2", QString::number(troops.size()) + ' '};
    for (const TroopLines& troop : troops) {
        if (file.size() > 2)
            file.append(QString());
        file.append(QStringList(troop.begin(), troop.end()));
    }
    return file.join("\r\n").toLatin1();
}

TEST_F(TroopEditorTest, GeneratedTroopsKeepEveryWordNoEditTouches) {
    constexpr int Count = 120;
    TroopGenerator generate(1143, {Count - 1, 3, 7}); // the fixture's factions and items
    std::vector<TroopLines> troops;
    for (int i = 0; i < Count; ++i)
        troops.push_back(generate.next(i % 2 == 1));
    delete window.data();
    module.write("troops.txt", TroopFile(troops));
    window = new frmTextTroops;
    ASSERT_EQ(TroopMax, Count - 1);
    const auto genders = window->findChildren<OptionButton*>("optGender");

    for (int i = 0; i < Count; ++i) {
        TroopLines& expected = troops[static_cast<std::size_t>(i)];
        SCOPED_TRACE(expected[TroopHeadLine].toStdString());
        select(i);
        update();
        ASSERT_EQ(StoredTroop(i), expected);

        // One flag box and the skin: only their bits of the flag word change.
        const TroopFlagBox& flag = TroopFlagBoxes[static_cast<std::size_t>(generate.pick(0, 14))];
        auto* flagBox = child<CheckBox>(flag.control);
        flagBox->setValue(!flagBox->value());
        const int skin = generate.pick(0, 15);
        genders[std::min(skin, 2)]->click();
        if (skin >= 2)
            child<ComboBox>("CmbRace")->setListIndex(skin);
        update();
        const std::uint32_t word = TroopWords(expected[TroopHeadLine])[4].toUInt();
        expected[TroopHeadLine] = WithWord(expected[TroopHeadLine], 4,
                                           QString::number(((word ^ flag.mask) & ~0xFu) | skin));
        ASSERT_EQ(StoredTroop(i), expected) << flag.caption << " skin " << skin;

        // One skill box, typed in decimal: only its digit of its word changes.
        const TroopSkillBox& skill =
            TroopSkillBoxes[static_cast<std::size_t>(generate.pick(0, TroopSkillBoxCount - 1))];
        const int level = generate.pick(0, 15);
        box(skill.control)->setText(QString::number(level));
        update();
        const int shift = (8 - skill.digit) * 4;
        const std::uint32_t old = TroopWords(expected[TroopSkillsLine])[skill.word].toUInt();
        const std::uint32_t now = (old & ~(0xFu << shift)) | (std::uint32_t(level) << shift);
        expected[TroopSkillsLine] =
            WithWord(expected[TroopSkillsLine], skill.word, QString::number(now));
        ASSERT_EQ(StoredTroop(i), expected) << skill.caption;
    }
    EXPECT_TRUE(platform.boxes.empty()) << platform.boxTexts().join('\n').toStdString();

    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    // Without a line end after the last troop, as the file was.
    EXPECT_EQ(module.read("troops.txt"), TroopFile(troops));
}

} // namespace
