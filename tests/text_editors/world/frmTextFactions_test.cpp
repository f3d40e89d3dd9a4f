#include "WorldEditorFixture.h"

#include "platform/AppFolder.h"
#include "platform/TextFile.h"
#include "shell/modCore.h"
#include "support/UserInput.h"
#include "support/WindowChecks.h"
#include "text_editors/world/frmTextFactions.h"
#include "textfiles/modTextFactions.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace {

using FactionEditorTest = WorldEditorTest<frmTextFactions>;

const QString UnsavedQuestion =
    QStringLiteral("You have unsaved data in the memory. Do you really want to close this editor?");

TEST_F(FactionEditorTest, OpensWithTheListAndNothingShown) {
    EXPECT_EQ(window->windowTitle(),
              "Quenby's Corvane Orvath/Kelbrin Editor v1.40  - Faction Editor");
    EXPECT_EQ(child<QLabel>("lblFactionsEditor")->text(),
              "Factions Editor\n" + module.folder() + "factions.txt");
    EXPECT_EQ(child<QGroupBox>("frameParties")->title(), "Parties");
    ASSERT_EQ(list("lstFactions")->count(), 5);
    EXPECT_EQ(list("lstFactions")->item(0)->text(), "0 - fac_no_faction  (No_Faction)");
    EXPECT_EQ(list("lstFactions")->item(2)->text(), "2.  fac_order  (Order_of_the_Lance)");
    EXPECT_EQ(list("lstFactions")->listIndex(), -1);
    EXPECT_EQ(child<QLabel>("lblMsg")->text(), "Set a value between 1.0 and -1.0\nAlso keep the "
                                               "zeros! Ingame, this value is multiplied with 100.");
    EXPECT_EQ(box("txtRel")->text(), "0.0000000");
    EXPECT_EQ(child<QLabel>("Label5")->text(), "RGB(0,0,0)");
    EXPECT_EQ(child<QLabel>("lblHex")->text(), "Hex: 0");
    EXPECT_FALSE(child<QGroupBox>("frameFaction")->isEnabled());
    EXPECT_FALSE(child<QGroupBox>("frameEdit")->isEnabled());
    // The faction whose relation line lost its words was told at open.
    ASSERT_EQ(openBoxes.size(), 1);
    EXPECT_TRUE(openBoxes[0].startsWith("Line 12 of your factions.txt, the relation line of "
                                        "faction 4, does not hold a relation to each of the 5 "
                                        "factions"));
    EXPECT_TRUE(ClippedCaptions(window).isEmpty())
        << ClippedCaptions(window).join(' ').toStdString();

    // Faction 0 is not editable: the box, and still nothing to update or save.
    list("lstFactions")->setListIndex(0);
    EXPECT_EQ(platform.boxTexts(), QStringList{"First entry of factions is not editable!"});
    EXPECT_EQ(platform.boxes.back().title, "Information...");
    EXPECT_FALSE(child<QGroupBox>("frameEdit")->isEnabled());
    window->UpdateFactions();
    EXPECT_TRUE(platform.modalWindows.isEmpty());

    action("mnu_view_font9")->trigger();
    for (int size = 7; size <= 10; ++size)
        EXPECT_EQ(action(qPrintable("mnu_view_font" + QString::number(size)))->isChecked(),
                  size == 9);
    EXPECT_EQ(list("lstFactions")->font().pointSize(), 9);
    EXPECT_EQ(ReadIni("Config", "ListFontSize", ConfigFilePath()), "9");
}

TEST_F(FactionEditorTest, SelectingShowsTheFaction) {
    list("lstFactions")->setListIndex(2);
    EXPECT_EQ(button("cmdUpdate")->text(), "Update Faction # 2");
    EXPECT_TRUE(child<QGroupBox>("frameFaction")->isEnabled());
    EXPECT_EQ(box("txtFacID")->text(), "fac_order");
    EXPECT_EQ(box("txtFacName")->text(), "Order_of_the_Lance");
    // Flag word 2 leaves bit 0, the label flag, clear; colour 0xFF00FFFF shows
    // its low 24 bits on the bars and the stored word in the box.
    EXPECT_FALSE(child<CheckBox>("chkLabel")->value());
    EXPECT_EQ(child<QScrollBar>("ScrollBarR")->value(), 0);
    EXPECT_EQ(child<QScrollBar>("ScrollBarG")->value(), 255);
    EXPECT_EQ(child<QScrollBar>("ScrollBarB")->value(), 255);
    EXPECT_EQ(box("txtFacColor")->text(), "004278255615");
    EXPECT_EQ(child<QLabel>("lblHex")->text(), "Hex: 00FFFF");
    EXPECT_EQ(child<QLabel>("Label5")->text(), "RGB (0,255,255)");
    ASSERT_EQ(list("lstRelations")->count(), 4);
    EXPECT_EQ(list("lstRelations")->item(0)->text(), "fac_kingdom  (Kingdom_of_Varr)");
    // Single blanks between relations are read alike; row r is faction r + 1.
    list("lstRelations")->setListIndex(2);
    EXPECT_EQ(box("txtRel")->text(), "-0.800000");

    list("lstFactions")->setListIndex(1);
    EXPECT_EQ(child<QLabel>("lblHex")->text(), "Hex: AAAAAA");
    EXPECT_EQ(box("txtFacColor")->text(), "11184810");
    EXPECT_FALSE(child<CheckBox>("chkLabel")->value());
    EXPECT_TRUE(box("txtRel")->text().isEmpty());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(FactionEditorTest, UpdateWithoutChangeKeepsEveryLineAndSaveTheFile) {
    const QByteArray before = module.read("factions.txt");
    const QStringList lines = FactionLine;
    const QStringList relations = FactionRelLine;
    for (int faction : {1, 2, 3}) {
        list("lstFactions")->setListIndex(faction);
        button("cmdUpdate")->click();
        EXPECT_EQ(FactionLine, lines) << faction;
        EXPECT_EQ(FactionRelLine, relations) << faction;
    }
    EXPECT_EQ(platform.modalWindows.size(), 3);
    EXPECT_EQ(MsgTitle, "Faction updated...");
    EXPECT_EQ(MsgText, "Facion # 3 - 'fac_outlaws' has been updated. This is the updated entry:");
    EXPECT_EQ(MsgEntry, "0 fac_outlaws Outlaws 1 0 \r\n"
                        " 0.000000  -0.500000  -0.800000  1.000000  0.000000 ");
    EXPECT_TRUE(window->UnsavedFactions);

    // The file's own last line "0 " goes back without the line end it lacked.
    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    EXPECT_FALSE(window->UnsavedFactions);
    EXPECT_EQ(module.read("factions.txt"), before);
}

TEST_F(FactionEditorTest, AFactionWithAShortRelationLineIsShownButNeverUpdated) {
    list("lstFactions")->setListIndex(1);
    list("lstFactions")->setListIndex(4);
    // Its damage was told at open: shown as unreadable, no failure of the program.
    EXPECT_TRUE(platform.errors().isEmpty());
    EXPECT_TRUE(lastBox().startsWith("Faction # 4 cannot be read whole from your factions.txt"));
    EXPECT_EQ(box("txtFacID")->text(), "fac_broken");
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    const QString line = FactionRelLine[4];
    window->UpdateFactions();
    EXPECT_EQ(FactionRelLine[4], line);
    EXPECT_FALSE(window->UnsavedFactions);
}

TEST_F(FactionEditorTest, TheColourWordComesFromTheStoredWordAndTheBars) {
    // Whatever was shown before, and whether or not a bar moved on the way,
    // the update writes faction 2's own colour word.
    for (int before : {1, 3, 2}) {
        list("lstFactions")->setListIndex(before);
        list("lstFactions")->setListIndex(2);
        window->UpdateFactions();
        EXPECT_EQ(FactionLine[2], "0 fac_order Order_of_the_Lance 2 004278255615 extra 7 ")
            << before;
    }
    // A bar moved keeps the bits above the colour.
    child<QScrollBar>("ScrollBarB")->setValue(0);
    EXPECT_EQ(box("txtFacColor")->text(), QString::number(0xFF00FF00u));
    window->UpdateFactions();
    EXPECT_EQ(FactionLine[2], "0 fac_order Order_of_the_Lance 2 4278255360 extra 7 ");

    // Red 16 on a black faction.
    list("lstFactions")->setListIndex(3);
    child<QScrollBar>("ScrollBarR")->setValue(16);
    EXPECT_EQ(child<QLabel>("lblHex")->text(), "Hex: 100000");
    EXPECT_EQ(box("txtFacColor")->text(), "1048576");
    window->UpdateFactions();
    EXPECT_EQ(FactionLine[3], "0 fac_outlaws Outlaws 1 1048576 ");
}

TEST_F(FactionEditorTest, RelationsChangeOnlyTheShownFactionsLine) {
    list("lstFactions")->setListIndex(2);
    button("cmdUpdRel")->click();
    EXPECT_EQ(lastBox(), "No faction selected!");

    // A relation changed and another faction shown is gone, unsaved and all.
    list("lstRelations")->setListIndex(0);
    box("txtRel")->setText("0.300000");
    button("cmdUpdRel")->click();
    EXPECT_EQ(platform.boxes.back().title, "Value changed....");
    EXPECT_EQ(lastBox(), "Relation from   fac_order   to   fac_kingdom  (Kingdom_of_Varr)   "
                         "changed to 0.300000");
    list("lstFactions")->setListIndex(1);
    list("lstFactions")->setListIndex(2);
    list("lstRelations")->setListIndex(0);
    EXPECT_EQ(box("txtRel")->text(), "0.150000");
    EXPECT_FALSE(window->UnsavedFactions);

    const QStringList others = FactionRelLine;
    box("txtRel")->setText("0.300000");
    button("cmdUpdRel")->click();
    box("txtFacName")->setText("Order");
    button("cmdUpdate")->click();
    // The relation to faction 0 stays as stored; the line takes the game's layout.
    EXPECT_EQ(FactionRelLine[2], " 0.050000  0.300000  1.000000  -0.800000  0.000000 ");
    EXPECT_EQ(FactionLine[2], "0 fac_order Order 2 004278255615 extra 7 ");
    EXPECT_EQ(FactionName[2], "Order");
    EXPECT_EQ(list("lstFactions")->item(2)->text(), "2.  fac_order  (Order)");
    EXPECT_EQ(list("lstRelations")->item(1)->text(), "fac_order  (Order)");
    for (int faction : {0, 1, 3, 4})
        EXPECT_EQ(FactionRelLine[faction], others[faction]) << faction;

    // A value that would shift the line is refused where it is typed.
    const QStringList kept = FactionRelLine;
    list("lstRelations")->setListIndex(1);
    box("txtRel")->setText("0.5 0");
    button("cmdUpdRel")->click();
    EXPECT_EQ(lastBox(),
              "'Relation to faction 2' must not be empty or hold blanks or line breaks!");
    EXPECT_EQ(platform.boxes.back().title, "Information...");
    list("lstRelations")->setListIndex(1);
    EXPECT_EQ(box("txtRel")->text(), "1.000000");
    // So is a value that is no relation the game reads.
    for (const char* typed : {"abc", "1.5"}) {
        box("txtRel")->setText(typed);
        button("cmdUpdRel")->click();
        EXPECT_EQ(lastBox(), "'Relation to faction 2' must be a number from -1.0 to 1.0!");
    }
    platform.boxes.clear();
    button("cmdUpdate")->click();
    EXPECT_EQ(platform.boxes.size(), 0u);
    EXPECT_EQ(FactionRelLine, kept);
}

TEST_F(FactionEditorTest, SaveAndCloseKeepUnsavedFactionsGuarded) {
    const QByteArray before = module.read("factions.txt");
    list("lstFactions")->setListIndex(1);
    button("cmdUpdate")->click();

    // The question comes before another editor opens: answered No, nothing opens
    // (the other editor would reload the factions from disk).
    platform.answer(MsgAnswer::No);
    action("mnu_select_pt")->trigger();
    EXPECT_EQ(lastBox(), UnsavedQuestion);
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(otherEditors(window).isEmpty());
    platform.answer(MsgAnswer::No);
    EXPECT_FALSE(window->closeEditor(true));
    EXPECT_FALSE(window->BackToMain);

    // A failed save keeps the mark, so the question still guards the data.
    platform.answer(MsgAnswer::No);
    FailNextSaveAfter(10);
    button("cmdSave")->click();
    EXPECT_TRUE(window->UnsavedFactions);
    EXPECT_EQ(module.read("factions.txt"), before);

    // Answered Yes, this editor closes and then the chosen one opens.
    platform.answer(MsgAnswer::Yes);
    action("mnu_select_pt")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(otherEditors(nullptr), QStringList{"frmTextPartyTemp"});
}

TEST_F(FactionEditorTest, AHalfReadFileIsNeverSaved) {
    // The file ends before the last faction's relation line.
    const QByteArray whole = module.read("factions.txt");
    const QByteArray last = "0 fac_broken Broken 0 11184810 ";
    module.write("factions.txt", whole.left(whole.indexOf(last) + last.size()));
    delete window.data();
    platform.boxes.clear();
    window = new frmTextFactions;
    // Told as the damage it is, not as a fault of the program.
    EXPECT_TRUE(lastBox().startsWith("Your factions.txt ends after 4 of the 5 factions"));
    EXPECT_TRUE(platform.errors().isEmpty());
    const QByteArray before = module.read("factions.txt");
    list("lstFactions")->setListIndex(1);
    button("cmdUpdate")->click();
    button("cmdSave")->click();
    EXPECT_EQ(platform.boxes.back().title, "Not saved...");
    EXPECT_TRUE(window->UnsavedFactions);
    EXPECT_EQ(module.read("factions.txt"), before);
}

TEST_F(FactionEditorTest, ClicksAndKeysOnTheShownWindow) {
    ASSERT_TRUE(ShowActive(window));
    ClickRow(list("lstFactions"), 3);
    EXPECT_EQ(window->CurFaction, 3);
    EXPECT_EQ(box("txtFacID")->text(), "fac_outlaws");
    // The colour box takes no typed key; the id box turns a blank into "_".
    QTest::keyClicks(box("txtFacColor"), "12");
    EXPECT_EQ(box("txtFacColor")->text(), "0");
    box("txtFacID")->setFocus();
    box("txtFacID")->end(false);
    QTest::keyClicks(box("txtFacID"), " x");
    EXPECT_EQ(box("txtFacID")->text(), "fac_outlaws_x");
    // The colour bars' keys go the way the bars are drawn.
    auto* red = child<QScrollBar>("ScrollBarR");
    red->setFocus();
    ASSERT_EQ(red->value(), 0);
    QTest::keyClick(red, Qt::Key_Right);
    QTest::keyClick(red, Qt::Key_Right);
    EXPECT_EQ(red->value(), 2);
    QTest::keyClick(red, Qt::Key_End);
    QTest::keyClick(red, Qt::Key_Left);
    EXPECT_EQ(red->value(), 254);
    EXPECT_EQ(child<QLabel>("Label5")->text(), "RGB (254,0,0)");
    ClickRow(list("lstFactions"), 0);
    EXPECT_EQ(lastBox(), "First entry of factions is not editable!");
    EXPECT_EQ(box("txtFacID")->text(), "fac_outlaws_x");

    action("mnu_file_exit")->trigger();
    EXPECT_EQ(platform.programEnds, 1);

    // The label box ticks and clears bit 0 alone of fac_order's flag word 2.
    ClickRow(list("lstFactions"), 2);
    for (const char* word : {"3", "2"}) {
        Click(child<CheckBox>("chkLabel"));
        Click(button("cmdUpdate"));
        EXPECT_EQ(FactionLine[2].section(' ', 3, 3), word);
    }
    // With updated factions Exit asks first; No keeps the editor open.
    platform.answer(MsgAnswer::No);
    ClickMenuEntry(window, action("mnu_file_exit"));
    EXPECT_EQ(lastBox(), UnsavedQuestion);
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
