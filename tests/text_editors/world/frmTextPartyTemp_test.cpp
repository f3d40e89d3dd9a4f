#include "WorldEditorFixture.h"

#include "platform/TextFile.h"
#include "support/UserInput.h"
#include "support/WindowChecks.h"
#include "text_editors/world/frmTextPartyTemp.h"
#include "textfiles/modTextPartyTemp.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {

using TemplateEditorTest = WorldEditorTest<frmTextPartyTemp>;

enum Template { None, Patrol, Rough, Host, Short, Odd };

// The selected rows of the flag list.
QStringList SelectedFlags(const ListBox* flags) {
    QStringList rows;
    for (int k = 0; k < flags->count(); ++k) {
        if (flags->item(k)->isSelected())
            rows.append(flags->item(k)->text());
    }
    return rows;
}

class TemplateEditor : public TemplateEditorTest {
protected:
    void select(int i) const { list("lstPT")->setListIndex(i); }
    void update() const { button("cmdUpdatePT")->click(); }
    QList<ComboBox*> troops() const {
        return window->template findChildren<ComboBox*>("cmbPTTroops");
    }
    QList<QLineEdit*> boxes(const char* name) const {
        return window->template findChildren<QLineEdit*>(QLatin1String(name));
    }
    // Troop row, minimum, maximum and prisoner of every member slot, as shown.
    QStringList members() const {
        QStringList shown;
        const auto prisoners = window->template findChildren<CheckBox*>("chkPTPrisoner");
        for (int k = 0; k < 6; ++k)
            shown.append(QStringLiteral("%1 %2 %3 %4")
                             .arg(troops()[k]->listIndex())
                             .arg(boxes("txtPTMin")[k]->text(), boxes("txtPTMax")[k]->text())
                             .arg(prisoners[k]->value()));
        return shown;
    }
};

TEST_F(TemplateEditor, OpensWithTheListsAndNothingShown) {
    EXPECT_EQ(window->windowTitle(),
              "Quenby's Corvane Orvath/Kelbrin Editor v1.40  - Party Templates Editor");
    EXPECT_EQ(child<QLabel>("lblPartiyTemplatesEditor")->text(),
              "Party Templates Editor \n" + module.folder() + "party_templates.txt");
    ASSERT_EQ(list("lstPT")->count(), 6);
    EXPECT_EQ(list("lstPT")->item(1)->text(), "1 - pt_patrol");
    EXPECT_EQ(list("lstPT")->listIndex(), -1);
    ASSERT_EQ(list("lstFlags")->count(), 16);
    EXPECT_EQ(list("lstFlags")->item(15)->text(), "civilian");
    ASSERT_EQ(combo("cmbIcon")->count(), 189);
    EXPECT_EQ(combo("cmbIcon")->itemText(0), "00. icon_player");
    EXPECT_EQ(combo("cmbIcon")->itemText(188), "188. icon_bandit_lair");
    ASSERT_EQ(troops().size(), 6);
    EXPECT_EQ(troops()[5]->count(), 5);
    EXPECT_EQ(troops()[5]->itemText(0), "0.  None");
    EXPECT_EQ(troops()[5]->itemText(1), "1.  trp_farmer  (Farmer)");
    EXPECT_EQ(combo("cmbPTFactions")->itemText(2), "2 - fac_order  (Order_of_the_Lance)");
    EXPECT_EQ(combo("cmbPTCourage")->count(), 16);
    EXPECT_EQ(combo("cmbPTAgressiveness")->listIndex(), 0);
    EXPECT_FALSE(child<QGroupBox>("framePT")->isEnabled());
    EXPECT_FALSE(child<QGroupBox>("frameEdit")->isEnabled());
    // The damaged faction and template were told at open, each by line.
    ASSERT_EQ(openBoxes.size(), 2);
    EXPECT_TRUE(openBoxes[0].startsWith("Line 7 of your party_templates.txt, the line of "
                                        "template 4, is not as the game writes it"));
    EXPECT_TRUE(openBoxes[1].startsWith("Line 12 of your factions.txt"));
    EXPECT_TRUE(ClippedCaptions(window).isEmpty())
        << ClippedCaptions(window).join(' ').toStdString();
}

TEST_F(TemplateEditor, SelectingShowsTheTemplate) {
    select(Patrol);
    EXPECT_EQ(button("cmdUpdatePT")->text(), "Update PT # 1");
    EXPECT_TRUE(child<QGroupBox>("framePT")->isEnabled());
    EXPECT_EQ(box("txtPTID")->text(), "pt_patrol");
    EXPECT_EQ(box("txtPTName")->text(), "Kingdom_Patrol");
    // 5 x 2^56 + 2: gold 5, icon 2.
    EXPECT_EQ(box("txtGold")->text(), "5");
    EXPECT_EQ(box("txtGoods")->text(), "0");
    EXPECT_EQ(combo("cmbIcon")->listIndex(), 2);
    EXPECT_TRUE(SelectedFlags(list("lstFlags")).isEmpty());
    EXPECT_EQ(combo("cmbPTFactions")->listIndex(), 1);
    EXPECT_EQ(combo("cmbPTCourage")->listIndex(), 8);
    EXPECT_EQ(combo("cmbPTAgressiveness")->listIndex(), 8);
    EXPECT_FALSE(child<CheckBox>("chkPTBanditness")->value());
    EXPECT_EQ(members(),
              (QStringList{"3 1 2 0", "2 5 15 0", "0 0 0 0", "0 0 0 0", "0 0 0 0", "0 0 0 0"}));

    // Goods 4 in bits 48-55; 0x4000 is always_visible, shown with label_small.
    select(Host);
    EXPECT_EQ(box("txtGoods")->text(), "4");
    EXPECT_EQ(box("txtGold")->text(), "0");
    EXPECT_EQ(SelectedFlags(list("lstFlags")), (QStringList{"label_small", "always_visible"}));
    EXPECT_EQ(members(),
              (QStringList{"1 1 2 0", "2 2 3 1", "3 3 4 0", "4 4 5 1", "0 0 0 0", "0 0 0 0"}));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(TemplateEditor, UpdateWithoutChangeKeepsEveryLine) {
    const QStringList lines = PartyTempLine;
    for (int t : {None, Patrol, Rough, Host}) {
        select(t);
        update();
        EXPECT_EQ(PartyTempLine, lines) << t;
    }
    EXPECT_EQ(platform.modalWindows.size(), 4);
    EXPECT_EQ(MsgTitle, "Party template updated...");
    EXPECT_EQ(MsgText,
              "Party template # 3 - 'pt_host' has been updated. This is the updated entry:");
    EXPECT_EQ(MsgEntry, lines[Host]);
    EXPECT_EQ(list("lstPT")->item(Host)->text(), "3 - pt_host  (Host)");
    EXPECT_EQ(list("lstPT")->item(Short)->text(), "4 - pt_short");
    EXPECT_TRUE(window->UnsavedTemplates);
}

TEST_F(TemplateEditor, ValuesNoListHasARowForAreShownAsNoneAndWrittenBack) {
    select(Patrol);
    select(Rough);
    // Faction 99, icon 200 and troop 9999 have no row: no row is chosen, so
    // nothing of the patrol stays on the screen. Lists of other files, they
    // are no fault of the template.
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(combo("cmbPTFactions")->listIndex(), -1);
    EXPECT_EQ(combo("cmbIcon")->listIndex(), -1);
    EXPECT_EQ(members(),
              (QStringList{"0 3 5 0", "0 0 0 0", "-1 1 1 1", "0 0 0 0", "0 0 0 0", "0 0 0 0"}));
    EXPECT_TRUE(button("cmdUpdatePT")->isEnabled());
    boxes("txtPTMax")[2]->setText("4");
    child<CheckBox>("chkPTBanditness")->setValue(true);
    update();
    EXPECT_EQ(PartyTempLine[Rough],
              "pt_rough Rough 01073742024 x 99 260 0 3 5 0 -1 9999 1 4 1 -1 -1 -1 ");
}

// A faction or troop beyond its file, as for parties (IndexesBeyondAnotherFileShowAndStay).
TEST_F(TemplateEditor, IndexesBeyondAnotherFileShowAndStay) {
    const QByteArray sample = module.read("party_templates.txt");
    for (const auto& [list, stored, beyond] :
         {std::tuple{"cmbPTFactions", " 0 1 136 ", " 0 40 136 "},
          {"cmbPTTroops", " 136 3 1 2 0 ", " 136 700 1 2 0 "}}) {
        QByteArray file = QByteArray(sample).replace(stored, beyond);
        module.write("party_templates.txt", file);
        delete window.data();
        platform.boxes.clear();
        window = new frmTextPartyTemp;
        select(Patrol);
        EXPECT_TRUE(platform.errors().isEmpty()) << list;
        EXPECT_EQ(combo(list)->listIndex(), -1) << list;
        const QString read = PartyTempLine[Patrol];
        update();
        platform.answer(MsgAnswer::No);
        button("cmdSave")->click();
        EXPECT_EQ(module.read("party_templates.txt"), file) << list;
        box("txtPTMenu")->setText("7");
        update();
        EXPECT_EQ(PartyTempLine[Patrol], QString(read).replace("682 0 ", "682 7 ")) << list;
    }
}

// A line of the wrong shape, told at open, shows as unreadable, as far as it
// was read, and is never updated; member flags beyond the prisoner bit show
// that bit and keep the others.
TEST_F(TemplateEditor, SlotsOfTheWrongShapeShowAsUnreadableAndOtherMemberFlagsStay) {
    select(Host);
    platform.boxes.clear();
    select(Short);
    EXPECT_TRUE(platform.errors().isEmpty());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(lastBox().startsWith(
        "Party template # 4 cannot be read whole from your party_templates.txt"));
    EXPECT_EQ(platform.boxes.back().title, "Unreadable party template...");
    EXPECT_FALSE(button("cmdUpdatePT")->isEnabled());
    const QString line = PartyTempLine[Short];
    window->UpdatePT();
    EXPECT_EQ(PartyTempLine[Short], line);
    EXPECT_FALSE(window->UnsavedTemplates);
    // Read backwards: the last member lands in slot 5; what was not read is empty.
    EXPECT_EQ(members(),
              (QStringList{"0 0 0 0", "0 0 0 0", "0 0 0 0", "1 2 3 0", "0 0 0 0", "0 0 0 0"}));

    select(Odd);
    EXPECT_EQ(members(), QStringList{"1 2 3 1"} + QStringList(5, "0 0 0 0"));
    window->template findChildren<CheckBox*>("chkPTPrisoner")[0]->setValue(false);
    update();
    EXPECT_EQ(PartyTempLine[Odd], "pt_odd Odd 0 0 0 0 1 2 3 6 -1 -1 -1 -1 -1 ");
}

TEST_F(TemplateEditor, EditedFieldsWriteTheirWords) {
    select(Patrol);
    // Gold typed above 255 and never left: 255, not its low byte.
    box("txtGold")->setText("300");
    box("txtGoods")->setText("");
    combo("cmbIcon")->setListIndex(171);
    combo("cmbPTFactions")->setListIndex(3);
    combo("cmbPTCourage")->setListIndex(15);
    troops()[2]->setListIndex(4);
    boxes("txtPTMin")[2]->setText("7");
    boxes("txtPTMax")[2]->setText("9");
    troops()[0]->setListIndex(0);
    box("txtPTName")->setText("Patrol");
    update();
    EXPECT_EQ(PartyTempLine[Patrol], "pt_patrol Patrol " + QString::number((255ull << 56) | 171) +
                                         " 0 3 143 -1 2 5 15 0 4 7 9 0 -1 -1 -1 ");
    EXPECT_EQ(box("txtGold")->text(), "255");
    EXPECT_EQ(PartyTempIDs[Patrol].Name, "Patrol");
    EXPECT_EQ(list("lstPT")->item(Patrol)->text(), "1 - pt_patrol  (Patrol)");

    // A box that would shift the line refuses the update.
    const QString kept = PartyTempLine[Patrol];
    for (const auto& [name, text, message] :
         {std::tuple{"txtGoods", "1x",
                     "'Carry goods' may hold digits only, so nothing was stored. Please correct "
                     "it!"},
          {"txtPTMenu", "a b", "'Menu' must not be empty or hold blanks or line breaks!"},
          {"txtPTName", "中文",
           "'PT name' holds the character \"中\", which party_templates.txt "
           "can't store, so nothing was stored. Please correct it!"}}) {
        select(Patrol);
        box(name)->setText(text);
        update();
        EXPECT_EQ(lastBox(), message);
        EXPECT_EQ(PartyTempLine[Patrol], kept);
    }
}

TEST_F(TemplateEditor, FlagRowsAndLootBoxesTakeClicksAndKeys) {
    ASSERT_TRUE(ShowActive(window));
    ClickRow(list("lstPT"), Patrol);
    EXPECT_EQ(window->CurrentTemplate, Patrol);
    // Any rows at once, the label sizes too.
    for (int row : {0, 4, 5})
        ClickRow(list("lstFlags"), row);
    EXPECT_EQ(SelectedFlags(list("lstFlags")),
              (QStringList{"disabled", "label_medium", "label_large"}));
    // Typing 300 and leaving the box leaves 255.
    box("txtGoods")->setFocus();
    box("txtGoods")->selectAll();
    QTest::keyClicks(box("txtGoods"), "3a00");
    EXPECT_EQ(box("txtGoods")->text(), "300");
    QTest::keyClick(box("txtGoods"), Qt::Key_Tab);
    EXPECT_FALSE(box("txtGoods")->hasFocus());
    EXPECT_EQ(box("txtGoods")->text(), "255");
    Click(button("cmdUpdatePT"));
    EXPECT_EQ(PartyTempLine[Patrol].section(' ', 2, 2),
              QString::number((5ull << 56) | (255ull << 48) | 0x3100 | 2));

    // Pasted and typed text keep the boxes' rules: an id's blank becomes "_";
    // the rest is refused, naming the box.
    const QString kept = PartyTempLine[Patrol];
    const QString negative = "' must be a whole number of 0 or more!";
    for (const auto& [edited, text, pasted, refusal] :
         {std::tuple{box("txtPTID"), "practice crossbow", true, QString()},
          {box("txtGold"), "1x", true,
           "'Carry gold' may hold digits only, so nothing was stored. Please correct it!"},
          {boxes("txtPTMin")[0], "-3", false, "'Min. of member 1" + negative},
          {boxes("txtPTMax")[1], "-3", true, "'Max. of member 2" + negative}}) {
        select(Patrol);
        edited->setFocus();
        edited->selectAll();
        QApplication::clipboard()->setText(text);
        pasted ? QTest::keyClick(edited, Qt::Key_V, Qt::ControlModifier)
               : QTest::keyClicks(edited, text);
        platform.boxes.clear();
        Click(button("cmdUpdatePT"));
        EXPECT_EQ(lastBox(), refusal) << text;
        EXPECT_EQ(PartyTempLine[Patrol],
                  refusal.isEmpty() ? QString(kept).replace("pt_patrol", "practice_crossbow")
                                    : kept);
        PartyTempLine[Patrol] = kept;
    }
}

TEST_F(TemplateEditor, SaveKeepsTheMarkUntilTheFileIsWritten) {
    const QByteArray before = module.read("party_templates.txt");
    select(Host);
    update();
    platform.answer(MsgAnswer::No);
    FailNextSaveAfter(10);
    button("cmdSave")->click();
    EXPECT_TRUE(window->UnsavedTemplates);
    EXPECT_EQ(module.read("party_templates.txt"), before);

    platform.answer(MsgAnswer::No);
    EXPECT_FALSE(window->closeEditor(false));
    EXPECT_EQ(lastBox(), "You have unsaved data in the memory. Do you really want to close "
                         "this editor?");
    // Another editor opens only after this one closed.
    platform.answer(MsgAnswer::No);
    action("mnu_select_factions")->trigger();
    EXPECT_TRUE(otherEditors(window).isEmpty());

    platform.answer(MsgAnswer::No);
    button("cmdSave")->click();
    EXPECT_EQ(lastBox(),
              "Changes have been saved to party_templates.txt in your module directory.");
    EXPECT_FALSE(window->UnsavedTemplates);
    EXPECT_EQ(module.read("party_templates.txt"), before);
    action("mnu_select_factions")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(otherEditors(nullptr), QStringList{"frmTextFactions"});
}

} // namespace
