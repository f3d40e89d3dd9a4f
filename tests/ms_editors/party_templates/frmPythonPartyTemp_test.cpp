#include "PythonPartyTempWindowFixture.h"

#include "module_system/PythonText.h"
#include "ms_editors/party_templates/PythonPTTable.h"
#include "platform/AppFolder.h"
#include "shell/modCore.h"
#include "support/UserInput.h"
#include "support/WindowChecks.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {

TEST_F(PythonPartyTempWindow, LoadsVocabulariesAndListsAndWaitsWithNothingSelected) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quenby's Corvane Orvath/Kelbrin Editor v1.40  "
                                                    "- Python Party Templates Editor"));
    EXPECT_EQ(get<QLabel>("lblPartiyTemplatesEditor")->text(),
              "Party Templates Editor \n" + copy.folder() + "module_party_templates.py");
    const std::tuple<const char*, int, int, const char*> combos[] = {
        {"cmbFlags", 19, 18, "carries_gold(x)"},
        {"cmbIcon", 189, 187, "icon_banner_126"},
        {"cmbPers", 34, 33, "aggressiveness_15"},
        {"cmbPTTroops(5)", 27, 1, "trp_player"}};
    for (const auto& [name, count, row, rowText] : combos) {
        auto* combo = get<ComboBox>(QLatin1String(name));
        EXPECT_EQ(combo->count(), count) << name;
        EXPECT_EQ(combo->itemText(row), QLatin1String(rowText)) << name;
        EXPECT_EQ(combo->listIndex(), -1) << name;
    }
    EXPECT_EQ(get<ComboBox>("cmbPTTroops(0)")->itemText(0), QStringLiteral("none"));
    EXPECT_EQ(list("lstPT")->count(), 20);
    EXPECT_EQ(rows("lstPT")[8], QStringLiteral("9. kingdom_1_reinforcements_a"));
    EXPECT_EQ(get<QLabel>("lblPartyTemplates")->text(),
              QStringLiteral("List of party templates (20)"));
    EXPECT_EQ(list("lstPT")->listIndex(), -1);
    EXPECT_FALSE(get("framePT")->isEnabled());
    EXPECT_TRUE(window->PTAddMode);
    for (const char* off : {"cmdSave", "cmdDelete", "cmdAdd", "cmdUpdate", "cmdShowPython"})
        EXPECT_FALSE(button(off)->isEnabled()) << off;
    EXPECT_FALSE(get<QAction>("mnu_edit_add")->isEnabled());
    EXPECT_TRUE(get<QAction>("mnu_edit_scan")->isEnabled());
}

TEST_F(PythonPartyTempWindow, SelectingATemplateShowsEveryField) {
    select("deserters");
    EXPECT_EQ(
        (QStringList{text("txtPTID"), text("txtPTName"), text("txtMenu"), text("txtFaction")}),
        (QStringList{"deserters", "Deserters", "0", "fac_deserters"}));
    EXPECT_EQ(rows("lstFlags"), (QStringList{"icon_vaegir_knight", "carries_goods(3)"}));
    EXPECT_EQ(rows("lstPers"), QStringList{"bandit_personality"});
    // Members with minimum 0 are members; the seventh has no row.
    QStringList members;
    for (int i = 0; i < 6; ++i)
        members.append(member(i));
    EXPECT_EQ(members, (QStringList{"trp_swadian_recruit,4,12", "trp_vaegir_footman,0,8",
                                    "trp_nord_footman,0,8", "trp_rhodok_crossbowman,0,6",
                                    "trp_khergit_horse_archer,0,4", "trp_sarranid_footman,0,6"}));
    EXPECT_TRUE(get("framePT")->isEnabled());
    EXPECT_TRUE(button("cmdUpdate")->isEnabled());
    EXPECT_FALSE(window->PTAddMode);

    // Only a non-zero fourth element ticks Prisoner; "0" reads as "none".
    select("patrol");
    EXPECT_EQ((QStringList{member(0), member(1), member(2), member(3)}),
              (QStringList{"trp_watchman,0,10", "trp_townsman,1,3,P", "trp_farmer,0,2,P", ",0,0"}));
    EXPECT_EQ(rows("lstPers"), (QStringList{"soldier_personality", "none"}));
    select("kingdom_1_reinforcements_a");
    EXPECT_EQ(rows("lstFlags"), QStringList{"pf_none"});
    EXPECT_EQ(member(2), QStringLiteral(",0,0"));
    EXPECT_TRUE(plat.boxes.empty());

    // Show PT shows the line as stored, not the form.
    box("txtPTName")->setText(QStringLiteral("Changed"));
    click("cmdShowPython");
    EXPECT_EQ(
        (QStringList{MsgTitle, MsgText}),
        (QStringList{"Python party template line", "Python line of the selected party template:"}));
    EXPECT_EQ(MsgEntry, PyPTLines[window->CurPTLine]);
}

// Showing a template and pressing the update button without a change stores
// nothing: the entry stays as it was read, however the editor would write it,
// and nothing is left to save. One that cannot be read completely is never
// written.
TEST_F(PythonPartyTempWindow, UpdatingUnchangedStoresNothing) {
    const QList<int> unreadable =
        updateEachUnchanged("lstPT",
                            "Nothing of this party template has been changed, so its entry in "
                            "module_party_templates.py was left as it was.",
                            PyPTLines);
    ASSERT_EQ(unreadable.size(), 1);
    const QStringList before = PyPTLines;
    list("lstPT")->setListIndex(unreadable[0]);
    EXPECT_FALSE(window->UpdatePythonPT(true));
    EXPECT_EQ(PyPTLines, before);
    EXPECT_FALSE(window->UnsavedPT);
}

TEST_F(PythonPartyTempWindow, EditedFieldsReachTheEntryAndUnknownPartsSurvive) {
    select("patrol");
    // Flags: a separator pick puts nothing into the box, an icon pick does.
    get<ComboBox>("cmbFlags")->setListIndex(16);
    EXPECT_EQ(text("txtFlag"), QString());
    get<ComboBox>("cmbIcon")->setListIndex(27);
    EXPECT_EQ(text("txtFlag"), QStringLiteral("icon_camp"));
    click("cmdFlagAdd");
    list("lstFlags")->setListIndex(0);
    click("cmdFlagDel");
    list("lstPers")->setListIndex(1);
    get<ComboBox>("cmbPers")->setListIndex(5);
    get<ComboBox>("cmbPers")->setListIndex(4);
    click("cmdPersChange");
    // Prisoner changed both ways; an emptied troop drops its member.
    get<CheckBox>("chkPTPrisoner(0)")->setChecked(true);
    get<CheckBox>("chkPTPrisoner(2)")->setChecked(false);
    get<ComboBox>("cmbPTTroops(1)")->setEditText(QString());
    get<ComboBox>("cmbPTTroops(4)")->setEditText(QStringLiteral("trp_hunter"));
    box("txtFaction")->setText(QStringLiteral("fac_outlaws"));
    ASSERT_TRUE(window->UpdatePythonPT(false));
    EXPECT_EQ(PyPTLines[window->CurPTLine].toStdString(),
              std::string(" (\"patrol\", \"Patrol\", pf_show_faction|icon_camp, 0, fac_outlaws, "
                          "soldier_personality|banditness, [(trp_watchman,0,10,pmf_is_prisoner),"
                          "(trp_farmer,0,2),(trp_hunter,0,0)] ),"));

    // Flags and personality emptied are written "0"; the seventh member and
    // the mod's own fields stay.
    select("modded");
    while (list("lstFlags")->count() > 0) {
        list("lstFlags")->setListIndex(0);
        click("cmdFlagDel");
    }
    ASSERT_TRUE(window->UpdatePythonPT(false));
    EXPECT_EQ(PyPTLines[window->CurPTLine].toStdString(),
              std::string(" (\"modded\", \"Modded Template\", 0, 0, fac_commoners, 0, "
                          "[(trp_hunter,2,8)], 0, \"extra text, with comma\" ),"));
    select("deserters");
    box("txtPTName")->setText(QStringLiteral("Deserting Men"));
    ASSERT_TRUE(window->UpdatePythonPT(false));
    EXPECT_TRUE(PyPTLines[window->CurPTLine].endsWith(
        "(trp_sarranid_footman,0,6),(trp_farmer,0,3,pmf_is_prisoner)] ),"));
}

// Each field takes what Python reads as that field and nothing else.
TEST_F(PythonPartyTempWindow, TypedTextIsStoredOnlyWhereItReadsBackAsTyped) {
    const TypedField cases[] = {
        {"txtPTID", "", "enter an ID"},
        {"txtPTName", "Bad \"name", "Double quotes*'PT name'!"},
        {"txtPTName", "Loo\\nters", "backslashes*'PT name'!", Entered::Keys},
        {"txtPTID", "loo ters", nullptr, Entered::InputMethod, "loo_ters"},
        {"txtPTMax(0)", "", "'maximum of member 1' can't be empty", Entered::Keys},
        {"txtPTMin(0)", "-3", "'minimum of member 1' may hold digits", Entered::Paste},
        {"txtPTMax(0)", "1.5", "'maximum of member 1' may hold digits", Entered::Paste},
        {"txtPTMax(0)", "30", nullptr, Entered::Keys},
        {"txtPTName", "Looters, the [worst] #1", nullptr},
        {"txtMenu", "a b", "'menu'"},
        {"txtMenu", "mnu_looters", nullptr},
        {"txtFaction", "fac_a, fac_b", "'faction'*(such as fac_outlaws or 0)"},
        {"txtFaction", "fac_outlaws|", "'faction'"},
        {"txtFaction", "fac_bandits", nullptr},
        {"txtFlag", "pf x", "'flags'"},
        {"txtFlag", "carries_gold(5)", nullptr},
        {"txtPers", "courage 8", "'personality'"},
        {"txtPers", "courage_8", nullptr},
        {"cmbPTTroops(0)", "trp looter", "'troop of member 1'*(such as trp_looter)"},
        {"cmbPTTroops(1)", "trp_bandit)", "'troop of member 2'"},
        {"cmbPTTroops(1)", "trp_bandit", nullptr},
    };
    select("looters");
    const int looters = list("lstPT")->listIndex();
    expectTypedFields(
        cases, [this, looters] { list("lstPT")->setListIndex(looters); }, PyPTLines,
        window->CurPTLine, [](const QString& entry) { return ParsePythonPT(entry).complete; });
    EXPECT_TRUE(window->UnsavedPT);
}

// A row whose element is no template any more shows nothing and offers no update.
TEST_F(PythonPartyTempWindow, ARowWithoutItsTemplateShowsNothing) {
    select("looters");
    PyPTLines[lineOf("manhunters")] = QStringLiteral("]");
    select("manhunters");
    EXPECT_EQ(window->CurPTLine, -1);
    EXPECT_EQ(text("txtPTID"), QString());
    EXPECT_EQ(list("lstFlags")->count(), 0);
    EXPECT_EQ(member(0), QStringLiteral(",0,0"));
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    EXPECT_FALSE(get("framePT")->isEnabled());
    EXPECT_FALSE(window->UpdatePythonPT(true));
    EXPECT_TRUE(PyPTLines.contains(QStringLiteral("]")));
    click("cmdShowPython");
    EXPECT_TRUE(plat.modalWindows.isEmpty());
}

TEST_F(PythonPartyTempWindow, KeyRulesAndTermListsOnTheShownWindow) {
    ASSERT_TRUE(ShowActive(window));
    ClickRow(list("lstPT"), 5);
    ASSERT_EQ(text("txtPTID"), QStringLiteral("looters"));
    box("txtPTID")->setFocus();
    box("txtPTID")->end(false);
    QTest::keyClicks(box("txtPTID"), QStringLiteral(" x"));
    QTest::keyClick(box("txtPTID"), Qt::Key_Return);
    EXPECT_EQ(text("txtPTID"), QStringLiteral("looters_x"));
    QLineEdit* min = box("txtPTMin(1)");
    min->setFocus();
    QTest::keyClicks(min, QStringLiteral("1-a2"));
    EXPECT_EQ(min->text(), QStringLiteral("012"));
    min->clear();
    QTest::keyClick(min, Qt::Key_Tab);
    EXPECT_EQ(min->text(), QStringLiteral("0"));
    // A troop is typed freely: nothing completes it to a row ("trp_player").
    ComboBox* troop = get<ComboBox>("cmbPTTroops(3)");
    troop->setFocus();
    QTest::keyClicks(troop->lineEdit(), QStringLiteral("trp_p"));
    QTest::keyClick(troop->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(troop->currentText(), QStringLiteral("trp_p"));
    EXPECT_EQ(troop->count(), 27);

    // A click on a flag row fills the box; Del chooses the last row left.
    ClickRow(list("lstFlags"), 1);
    EXPECT_EQ(text("txtFlag"), QStringLiteral("carries_goods(8)"));
    Click(button("cmdFlagDel"));
    EXPECT_EQ(rows("lstFlags"), (QStringList{"icon_axeman", "pf_quest_party"}));
    EXPECT_EQ(list("lstFlags")->listIndex(), 1);
    EXPECT_FALSE(window->UnsavedPT);
}

TEST_F(PythonPartyTempWindow, ListFontSizesAndCaptions) {
    EXPECT_EQ(get("frameParties")->width(), Tw(15270));
    EXPECT_EQ(get("lstPT")->height(), Tw(6495));
    trigger("mnu_view_font10");
    EXPECT_EQ(list("lstPT")->font().pointSize(), 10);
    EXPECT_EQ(get("lstPT")->height(), Tw(6495));
    EXPECT_TRUE(get<QAction>("mnu_view_font10")->isChecked());
    EXPECT_EQ(ReadIni("Config", "ListFontSize", ConfigFilePath()), QStringLiteral("10"));
    window->show();
    EXPECT_EQ(ClippedCaptions(window), QStringList());
}

} // namespace
