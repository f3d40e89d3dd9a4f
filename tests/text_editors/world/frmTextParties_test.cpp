#include "platform/TextFile.h"
#include "platform/gui/Controls.h"
#include "platform/gui/ToggleList.h"
#include "shell/modMain.h"
#include "support/Scripted.h"
#include "support/UserInput.h"
#include "support/WindowChecks.h"
#include "text_editors/world/frmTextParties.h"
#include "textfiles/modTextParties.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Parties as the game writes them and as hands leave them: one without
// members first (the member bar never moves for it), label_medium and
// label_large together, indexes no list has a row for, seven members, rough
// words (leading zeros, flag bits no row names, a personality above 511,
// words after the members, a name beyond ASCII), a flag word that is no
// number, and a line after the last party.
const QStringList Rough = {
    "partiesfile version 1",
    "6 6",
    " 1 0 0 p_zero Zero 0 0 0 0 0 0 0 0 0 1.000000 2.000000 1.000000 2.000000 1.000000 2.000000 "
    "0.000000 0 ",
    "0.000000",
    " 1 1 1 p_camp Camp 12291 0 2 3 392 392 4 0 0 5.000000 -20.000000 5.000000 -20.000000 "
    "5.000000 -20.000000 0.000000 2 4 10 0 0 1 3 0 1 ",
    "0.000000",
    " 1 2 2 p_lost Lost 200 0 99 50 0 0 300 77 0 0.0 0.0 0.0 0.0 0.0 0.0 0.0 1 999 5 0 0 ",
    "1.500000",
    " 1 3 3 p_host Host 0 0 0 0 0 0 0 0 0 1.0 2.0 1.0 2.0 1.0 2.0 0.0 7 1 1 0 0 2 2 0 0 3 3 0 0 "
    "4 4 0 0 0 5 0 0 1 6 0 0 2 7 0 0 ",
    "0.000000",
    " 1 4 4 p_rough Rough_Ü 0034817 x 0 1 4660 17 11 3 6 1.5 2.5 9 9 9 9 0.0 2 4 10 5 2 1 3 0 "
    "0 extra words 0 ",
    "0.000000",
    " 1 5 5 p_broken Broken 1.5 0 0 0 0 0 0 0 0 1 1 1 1 1 1 0 0 ",
    "0.000000",
    "left over",
};
enum RoughParty { Zero, Camp, Lost, Host, RoughWords, Broken };

QByteArray FileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

class PartyEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ModuleFolder = module.folder();
        ScreenWidth = 1024;
        ListFontSize = 8;
    }
    void TearDown() override {
        delete window.data();
        ModuleFolder.clear();
    }
    // Opens the editor, on `parties` when given, else on the sample module.
    void open(const QStringList& parties = {}) {
        if (!parties.isEmpty())
            module.write("parties.txt", FileBytes(parties));
        window = new frmTextParties;
        original = PartyLine;
        openBoxes = platform.boxTexts();
        platform.boxes.clear();
    }

    template <typename T = QWidget> T* child(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    template <typename T> T* member(const char* name, int k) const {
        return window->findChildren<T*>(QLatin1String(name)).value(k);
    }
    ComboBox* combo(const char* name) const { return child<ComboBox>(name); }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    ToggleList* flags() const { return child<ToggleList>("lstFlags"); }
    QScrollBar* bar() const { return child<QScrollBar>("scrMember"); }
    QStringList selectedFlags() const {
        QStringList rows;
        for (int row = 0; row < flags()->count(); ++row)
            if (flags()->item(row)->isSelected())
                rows.append(flags()->item(row)->text());
        return rows;
    }
    int shownRows() const {
        int shown = 0;
        for (ComboBox* troop : window->findChildren<ComboBox*>("cmbTroops"))
            shown += troop->isVisibleTo(window) ? 1 : 0;
        return shown;
    }
    void select(int party) const { child<ListBox>("lstParties")->setListIndex(party); }
    void update() const { button("cmdUpdateParties")->click(); }

    ScriptedPlatform platform;
    ModuleCopy module;
    QPointer<frmTextParties> window;
    QStringList original;
    QStringList openBoxes; // what the load told at open
};

TEST_F(PartyEditorTest, OpensWithItsListsAndNothingShown) {
    open();
    EXPECT_EQ(window->windowTitle(),
              "Quenby's Corvane Orvath/Kelbrin Editor v1.40  - Parties Editor");
    EXPECT_EQ(child<QLabel>("lblParties")->text(), "List of Parties (8)");
    EXPECT_EQ(child<ListBox>("lstParties")->item(7)->text(),
              "7.  p_smugglers_den  (Smugglers_Den)");
    const std::pair<QComboBox*, const char*> rows[] = {
        {combo("cmbTarget"), "7.  p_smugglers_den"},
        {combo("cmbFactions"), "3 - fac_outlaws  (Outlaws)"},
        {combo("cmbTemplates"), "5 - pt_sea_raiders  (Sea_Raiders)"},
        {member<ComboBox>("cmbTroops", 4), "4.  trp_bandit  (Bandit)"},
        // map_icons.txt ends its lines with CR LF: the names carry none of it.
        {combo("cmbIcon"), "icon_bandit_lair"},
    };
    for (const auto& [list, last] : rows)
        EXPECT_EQ(list->itemText(list->count() - 1), QLatin1String(last));
    EXPECT_EQ(combo("cmbFactions")->itemText(0), "0 - fac_no_faction  (No_Faction)");
    EXPECT_FALSE(child<QGroupBox>("frameParty")->isEnabled());
    EXPECT_FALSE(child<QGroupBox>("frameEdit")->isEnabled());
    EXPECT_EQ(child<QLabel>("lblMember")->text(), "0");
    // This editor names its neighbours' files in the plural.
    EXPECT_EQ(child<QAction>("mnu_select_troops")->text(), "&troops.txt");
    EXPECT_EQ(child<QAction>("mnu_select_pt")->text(), "part&y_templates.txt");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(PartyEditorTest, SelectingShowsTheParty) {
    open();
    select(5);
    EXPECT_EQ(button("cmdUpdateParties")->text(), "Update Party # 5");
    EXPECT_TRUE(child<QGroupBox>("frameParty")->isEnabled());
    EXPECT_EQ(box("txtPartiesID")->text(), "p_royal_patrol");
    EXPECT_EQ(box("txtPosY")->text(), "25.000000");
    const std::pair<const char*, int> lists[] = {
        {"cmbFactions", 1}, {"cmbTemplates", 3},       {"cmbAI", 2},         {"cmbTarget", 1},
        {"cmbIcon", 0},     {"cmbPTAgressiveness", 8}, {"cmbPTCourage", 11},
    };
    for (const auto& [name, row] : lists)
        EXPECT_EQ(combo(name)->listIndex(), row) << name;
    EXPECT_EQ(selectedFlags(),
              (QStringList{"label_medium", "default_behavior", "limit_members", "show_faction"}));
    EXPECT_EQ(child<QLabel>("lblMember")->text(), "5");
    EXPECT_EQ(shownRows(), 5);
    EXPECT_EQ(member<ComboBox>("cmbTroops", 3)->listIndex(), 4);
    EXPECT_EQ(member<QLineEdit>("txtPTMin", 2)->text(), "20");
    EXPECT_TRUE(member<CheckBox>("chkPTPrisoner", 3)->value());
    // Every caption fits its control, the member rows' included.
    EXPECT_EQ(ClippedCaptions(window), QStringList());

    // Personality 264 is courage 8 with banditness; "always_visible" without
    // a label size shows as "label_small".
    select(7);
    EXPECT_EQ(combo("cmbPTCourage")->listIndex(), 8);
    EXPECT_TRUE(child<CheckBox>("chkPTBanditness")->value());
    EXPECT_EQ(combo("cmbIcon")->listIndex(), 6);
    select(4);
    EXPECT_EQ(selectedFlags(), (QStringList{"is_static", "label_small", "always_visible"}));
    EXPECT_TRUE(platform.boxes.empty());
}

// Showing and updating every party stores the lines that were there, and the
// save writes the file as it was read, the line after the last party included.
TEST_F(PartyEditorTest, UpdateWithoutChangeStoresTheSameLines) {
    open(Rough);
    for (int party = 0; party < PartyCount; ++party) {
        select(party);
        EXPECT_EQ(button("cmdUpdateParties")->isEnabled(), party != Broken) << party;
        update();
        EXPECT_EQ(PartyLine, original) << party;
    }
    // The party whose flag word is no number was told at open, with the line
    // after the last party; it shows as unreadable, not as a failure.
    ASSERT_EQ(openBoxes.size(), 1);
    EXPECT_TRUE(openBoxes[0].startsWith("Line 13 of your parties.txt, the first line of party 5, "
                                        "is not as the game writes it"));
    EXPECT_TRUE(openBoxes[0].contains("Line 15, after p_broken: left over"));
    EXPECT_TRUE(platform.errors().isEmpty());
    EXPECT_EQ(platform.boxTexts().filter("Party # 5 cannot be read whole").size(), 1);
    EXPECT_EQ(platform.modalWindows.size(), PartyCount - 1);
    EXPECT_EQ(MsgText, "Party # 4 - 'p_rough' has been updated. This is the updated entry:");
    EXPECT_EQ(MsgEntry, original[RoughWords] + "\r\n0.000000");
    EXPECT_EQ(child<ListBox>("lstParties")->item(RoughWords)->text(), "4 - p_rough  (Rough_Ü)");

    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    EXPECT_FALSE(window->UnsavedParties);
    EXPECT_EQ(module.read("parties.txt"), FileBytes(Rough));
}

// Each control writes its own word, and every other word stays as stored.
TEST_F(PartyEditorTest, EditsWriteTheirWords) {
    open(Rough);
    const QString camp = Rough[2 + 2 * Camp];
    const struct {
        const char* what;
        std::function<void()> edit;
        QString expected;
    } rows[] = {
        {"words and lists",
         [&] {
             box("txtPartiesID")->setText("p_fort");
             box("txtMenu")->setText("7");
             combo("cmbTemplates")->setListIndex(0);
             combo("cmbFactions")->setListIndex(1);
             combo("cmbAI")->setListIndex(11);
             combo("cmbTarget")->setListIndex(2);
             box("txtPosY")->setText("-3");
         },
         QString(camp)
             .replace("p_camp", "p_fort")
             .replace(" 0 2 3 392 392 4 0 ", " 7 0 1 392 392 11 2 ")
             .replace("-20.000000", "-3")},
        {"flag, icon and personality",
         [&] {
             QList<bool> on = flags()->values();
             on[0] = true;
             flags()->setValues(on);
             combo("cmbIcon")->setListIndex(5);
             combo("cmbPTCourage")->setListIndex(9);
             combo("cmbPTAgressiveness")->setListIndex(2);
             child<CheckBox>("chkPTBanditness")->setValue(true);
         },
         QString(camp).replace(" 12291 ", " 12549 ").replace(" 392 392 ", " 297 297 ")},
        {"a member added",
         [&] {
             bar()->setValue(3);
             member<ComboBox>("cmbTroops", 2)->setListIndex(1);
             member<QLineEdit>("txtPTMin", 2)->setText("7");
             member<CheckBox>("chkPTPrisoner", 2)->setValue(true);
         },
         QString(camp).replace(" 2 4 10 0 0 1 3 0 1 ", " 3 4 10 0 0 1 3 0 1 1 7 0 1 ")},
        {"a member changed, one less",
         [&] {
             member<CheckBox>("chkPTPrisoner", 0)->setValue(true);
             bar()->setValue(1);
         },
         QString(camp).replace(" 2 4 10 0 0 1 3 0 1 ", " 1 4 10 0 1 ")},
    };
    for (const auto& row : rows) {
        PartyLine[Camp] = original[Camp];
        select(Camp);
        row.edit();
        update();
        EXPECT_EQ(PartyLine[Camp], row.expected) << row.what;
    }
    EXPECT_TRUE(platform.boxes.empty());
}

// An index a list has no row for (an AI behaviour of the module's own, a
// target beyond the parties) shows no row, not the row of the party shown
// before, without a failure, and the update writes the stored word back.
TEST_F(PartyEditorTest, IndexesWithoutARowShowNoRowAndStayStored) {
    open(Rough);
    select(Camp);
    select(Lost);
    EXPECT_TRUE(platform.errors().isEmpty());
    for (const char* name : {"cmbFactions", "cmbTemplates", "cmbAI", "cmbTarget", "cmbIcon"})
        EXPECT_EQ(combo(name)->listIndex(), -1) << name;
    EXPECT_EQ(member<ComboBox>("cmbTroops", 0)->listIndex(), -1);
    box("txtMenu")->setText("3");
    update();
    EXPECT_EQ(PartyLine[Lost], QString(original[Lost]).replace(" 200 0 99 ", " 200 3 99 "));
}

// Files of one module out of step: a faction, template or troop beyond its file
// shows as no row, no failure box; a save after an update without change gives
// the file back byte for byte, and another edit keeps the number.
TEST_F(PartyEditorTest, IndexesBeyondAnotherFileShowAndStay) {
    for (const auto& [list, stored, beyond] :
         {std::tuple{"cmbFactions", " 0 2 3 392 ", " 0 2 60 392 "},
          {"cmbTemplates", " 0 2 3 392 ", " 0 90 3 392 "},
          {"cmbTroops", " 2 4 10 ", " 2 700 10 "}}) {
        QStringList file = Rough;
        file[2 + 2 * Camp].replace(stored, beyond);
        delete window.data();
        platform.boxes.clear();
        open(file);
        select(Camp);
        EXPECT_EQ(platform.errors(), QStringList()) << list;
        EXPECT_EQ(combo(list)->listIndex(), -1) << list;
        update();
        platform.answer(MsgAnswer::No);
        button("cmdSave")->click();
        EXPECT_EQ(module.read("parties.txt"), FileBytes(file)) << list;
        box("txtMenu")->setText("7");
        update();
        EXPECT_EQ(PartyLine[Camp], file[2 + 2 * Camp].replace(" 12291 0 ", " 12291 7 ")) << list;
    }
}

// The member bar sets the count and the rows on every show, also when its
// value stays; a party with more than five members shows five.
TEST_F(PartyEditorTest, MemberRowsFollowEveryShow) {
    open(Rough);
    select(Zero);
    EXPECT_EQ(child<QLabel>("lblMember")->text(), "0");
    EXPECT_EQ(shownRows(), 0);
    EXPECT_TRUE(child<QLabel>("lblMsg")->isVisibleTo(window));
    select(Host);
    EXPECT_EQ(child<QLabel>("lblMember")->text(), "5");
    EXPECT_FALSE(child<QLabel>("lblMsg")->isVisibleTo(window));

    // Hidden rows keep what they hold.
    bar()->setValue(1);
    EXPECT_EQ(shownRows(), 1);
    bar()->setValue(3);
    EXPECT_EQ(member<QLineEdit>("txtPTMin", 2)->text(), "3");
}

// A box whose text would shift the words of the line refuses the update.
TEST_F(PartyEditorTest, BoxesThatWouldBreakTheLineRefuseTheUpdate) {
    open(Rough);
    const struct {
        std::function<void()> edit;
        const char* message;
    } rows[] = {
        {[&] { box("txtMenu")->setText("a b"); },
         "'Menu' must not be empty or hold blanks or line breaks!"},
        {[&] { member<QLineEdit>("txtPTMin", 1)->setText(""); },
         "'Count of member 2' must not be empty or hold blanks or line breaks!"},
        {[&] { box("txtPartiesName")->setText("Čech"); },
         "'Name' holds the character \"Č\", which parties.txt can't store, so nothing was "
         "stored. Please correct it!"},
        {[&] { box("txtPosX")->setText("abc"); }, "'Pos X' must be a number, such as 12.5 or -3!"},
        {[&] { member<QLineEdit>("txtPTMin", 0)->setText("-3"); },
         "'Count of member 1' must be a whole number of 0 or more!"},
        {[&] {
             bar()->setValue(3);
             member<QLineEdit>("txtPTMin", 2)->setText("5");
         },
         "Choose a troop for member 3!"},
    };
    for (const auto& row : rows) {
        select(Camp);
        platform.boxes.clear();
        row.edit();
        update();
        EXPECT_EQ(platform.boxTexts(), QStringList{QString::fromUtf8(row.message)});
        EXPECT_EQ(PartyLine[Camp], original[Camp]);
        EXPECT_FALSE(window->UnsavedParties);
    }
}

// A save that writes nothing keeps the unsaved mark: a failed write, and a
// file the load could not read whole, which is never written over.
TEST_F(PartyEditorTest, SavesThatWriteNothingKeepTheMark) {
    open();
    select(1);
    update();
    const QByteArray before = module.read("parties.txt");
    platform.answer(MsgAnswer::No);
    FailNextSaveAfter(10);
    button("cmdSave")->click();
    EXPECT_TRUE(window->UnsavedParties);
    EXPECT_EQ(module.read("parties.txt"), before);
    delete window.data();
    platform.boxes.clear();

    QStringList shortFile = Rough.mid(0, 6);
    open(shortFile);
    EXPECT_TRUE(openBoxes.join('|').startsWith("Your parties.txt ends after "));
    EXPECT_TRUE(platform.errors().isEmpty());
    select(Camp);
    update();
    button("cmdSave")->click();
    EXPECT_EQ(platform.boxes.back().title, "Not saved...");
    EXPECT_TRUE(window->UnsavedParties);
    EXPECT_EQ(module.read("parties.txt"), FileBytes(shortFile));
}

TEST_F(PartyEditorTest, TheCloseQuestionGuardsUnsavedParties) {
    open();
    select(2);
    update();
    platform.answer(MsgAnswer::No);
    EXPECT_FALSE(window->closeEditor(true));
    EXPECT_EQ(platform.boxes.back().text,
              "You have unsaved data in the memory. Do you really want to close this editor?");
    EXPECT_FALSE(window->BackToMain);
    EXPECT_TRUE(window->isVisible());

    platform.answer(MsgAnswer::Yes);
    child<QAction>("mnu_file_main")->trigger();
    EXPECT_FALSE(window->isVisible());
    // Deleting the menu may take other windows with it, so each is guarded.
    QList<QPointer<QWidget>> menus;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmMain")
            menus.append(top);
    for (const QPointer<QWidget>& menu : menus)
        delete menu.data();
}

// The label sizes exclude each other when the user turns one on or off; a
// key that only moves through the list changes nothing.
TEST_F(PartyEditorTest, UserClicksKeepOneLabelSize) {
    open(Rough);
    ASSERT_TRUE(ShowActive(window));
    ClickRow(child<ListBox>("lstParties"), Camp);
    EXPECT_EQ(window->CurParty, Camp);
    EXPECT_EQ(selectedFlags(), (QStringList{"label_medium", "label_large"}));

    ClickRow(flags(), 1);
    for (int down = 0; down < 3; ++down)
        QTest::keyClick(flags(), Qt::Key_Down);
    EXPECT_EQ(flags()->currentRow(), 4);
    EXPECT_EQ(selectedFlags(), (QStringList{"is_ship", "label_medium", "label_large"}));

    ClickRow(flags(), 3);
    EXPECT_EQ(selectedFlags(), (QStringList{"is_ship", "label_small"}));
    QTest::keyClick(flags(), Qt::Key_Down);
    QTest::keyClick(flags(), Qt::Key_Space);
    EXPECT_EQ(selectedFlags(), (QStringList{"is_ship", "label_medium"}));
    update();
    EXPECT_EQ(PartyLine[Camp], QString(original[Camp]).replace(" 12291 ", " 4611 "));
}

} // namespace
