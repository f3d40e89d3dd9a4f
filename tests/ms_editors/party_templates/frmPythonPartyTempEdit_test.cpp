#include "PythonPartyTempWindowFixture.h"

#include "module_system/frmPythonNewEntry.h"
#include "ms_editors/party_templates/PythonPTTable.h"
#include "platform/TextFile.h"

#include <QFile>

namespace {

using PythonPartyTempEditing = PythonPartyTempWindow;

TEST_F(PythonPartyTempEditing, AddsAtTheEndOrBehindTheTemplate) {
    for (const bool behind : {false, true}) {
        select("hunters");
        const int max = PyPTMax;
        const int lastEntry = PyPTLastEntry;
        const int at = behind ? window->CurPTLine + 1 : lastEntry + 1;
        plat.modalWindows.clear();
        answerWhereToAdd(behind);
        click("cmdAdd");
        EXPECT_EQ(plat.modalWindows, QStringList{"frmPythonNewEntry"});
        EXPECT_EQ(NewEntryTitle, QStringLiteral("Add new party template?"));
        EXPECT_TRUE(NewEntryText.startsWith("The form will be filled with data from party template "
                                            "# 16!\r\n\r\nHit 'Add PT' in the party template"));
        EXPECT_TRUE(window->PTAddMode);
        EXPECT_EQ(text("txtPTID"), QStringLiteral("new_party_template_1"));
        EXPECT_EQ(text("txtPTName"), QStringLiteral("New Party Template"));
        EXPECT_EQ(button("cmdUpdate")->text(), QStringLiteral("Add PT"));
        EXPECT_TRUE(button("cmdUpdate")->isEnabled());
        for (const char* off : {"cmdSave", "cmdDelete", "cmdAdd", "cmdShowPython"})
            EXPECT_FALSE(button(off)->isEnabled()) << off;
        EXPECT_TRUE(get<QAction>("mnu_edit_scan")->isEnabled());

        if (behind) // the id is compared whole: "party" is no id of "hero_party"
            box("txtPTID")->setText(QStringLiteral("party"));
        click("cmdUpdate");
        EXPECT_FALSE(window->PTAddMode);
        EXPECT_EQ((QList<int>{PyPTMax, PyPTLastEntry}), (QList<int>{max + 1, lastEntry + 1}));
        EXPECT_EQ(window->CurPTLine, at);
        EXPECT_EQ(PyPTLines[at].toStdString(),
                  std::string(" (\"") + (behind ? "party" : "new_party_template_1") +
                      "\", \"New Party Template\", icon_peasant, 0, fac_commoners, "
                      "merchant_personality, [(trp_hunter,2,8)] ),");
        EXPECT_EQ(list("lstPT")->listIndex(), behind ? 16 : 20);
        EXPECT_EQ(MsgTitle, QStringLiteral("Party Template added..."));
        // The line of the file, counted from 1: behind last_one (line 58) or hunters (54).
        EXPECT_EQ(MsgText, "Party Template added to python line # " +
                               QString::number(behind ? 55 : 59) + " - '" + text("txtPTID") +
                               "'. This is the new entry:");
    }
    EXPECT_EQ(list("lstPT")->count(), 22);
    EXPECT_TRUE(window->UnsavedPT);

    // The same id a second time is refused, and the editor stays adding. A
    // stale last-entry marker does not send the entry into the header.
    PyPTLastEntry = 0;
    answerWhereToAdd(false);
    click("cmdAdd");
    click("cmdUpdate");
    EXPECT_EQ(
        plat.boxTexts().last(),
        QStringLiteral("This Party Template ID is used by another item. Please change the ID!"));
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Information..."));
    EXPECT_TRUE(window->PTAddMode);
    EXPECT_EQ(list("lstPT")->count(), 22);
    box("txtPTID")->setText(QStringLiteral("late"));
    click("cmdUpdate");
    EXPECT_EQ(lineOf("late"), lineOf("new_party_template_1") + 1);
}

TEST_F(PythonPartyTempEditing, AddAndDeleteAreRefusedWhereTheyWouldDoHarm) {
    const struct {
        const char* selected;
        const char* button;
        const char* message;
    } cases[] = {
        {nullptr, "cmdAdd", "Please select a party template as template!"},
        {nullptr, "cmdDelete", "Select a party template to delete!"},
        {"hero_party", "cmdAdd",
         "The selected party template is hardwired to the game, select another party template!"},
        {"enemy", "cmdDelete",
         "The selected party template is hardwired to the game, you can't "
         "delete this party template!"},
        {"raiders_by_name", "cmdAdd",
         "The entry of this party template could not be read "
         "completely, so it can't be used as a template!"},
    };
    const QStringList before = PyPTLines;
    for (const auto& c : cases) {
        if (c.selected)
            select(QLatin1String(c.selected));
        else // the commands are unlocked, but no row is chosen
            list("lstPT")->setListIndex(-1);
        click(c.button);
        EXPECT_EQ(plat.boxTexts().last(), QLatin1String(c.message));
    }
    EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Add new party template..."));
    EXPECT_EQ(plat.boxes[1].title, QStringLiteral("Information..."));
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Information..."));

    select("looters");
    plat.onModal([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("cmdAbort"))->click();
    });
    click("cmdAdd");
    EXPECT_FALSE(window->PTAddMode);
    EXPECT_EQ(text("txtPTID"), QStringLiteral("looters"));
    plat.answer(MsgAnswer::No);
    click("cmdDelete");
    EXPECT_EQ(PyPTLines, before);
    EXPECT_FALSE(window->UnsavedPT);
}

TEST_F(PythonPartyTempEditing, DeleteShowsTheNextRowTheNewLastRowOrNothing) {
    select("looters");
    const int line = window->CurPTLine;
    const int max = PyPTMax;
    const int lastEntry = PyPTLastEntry;
    box("txtPTID")->setText(QStringLiteral("typed")); // named as the box holds it
    plat.answer(MsgAnswer::Yes);
    click("cmdDelete");
    EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Delete party template?"));
    EXPECT_TRUE(plat.boxes[0].text.startsWith(
        "WARNING!\r\n\r\nThis will delete party templte # 6 - typed!\r\nAlso saved games"));
    EXPECT_EQ(plat.boxes[1].text, QStringLiteral("Selected party template has been deleted!"));
    EXPECT_EQ(lineOf("looters"), -1);
    EXPECT_EQ((QList<int>{PyPTMax, PyPTLastEntry}), (QList<int>{max - 1, lastEntry - 1}));
    EXPECT_EQ(window->CurPTLine, line);
    EXPECT_EQ(text("txtPTID"), QStringLiteral("steppe_bandits"));
    EXPECT_TRUE(window->UnsavedPT);

    select("last_one");
    plat.answer(MsgAnswer::Yes);
    click("cmdDelete");
    EXPECT_EQ(list("lstPT")->listIndex(), 17);
    EXPECT_EQ(text("txtPTID"), QStringLiteral("accented"));
    const int closing = PyPTLastEntry + 1;
    ASSERT_EQ(PyPTLines[closing], QStringLiteral("]"));
    ASSERT_TRUE(window->UpdatePythonPT(false));
    EXPECT_EQ(PyPTLines[closing], QStringLiteral("]"));

    reopenWith("party_templates = [\r\n (\"only\",\"Only\",0,0,fac_x,0,[]),\r\n]\r\n");
    select("only");
    plat.answer(MsgAnswer::Yes);
    click("cmdDelete");
    EXPECT_EQ(list("lstPT")->count(), 0);
    EXPECT_EQ(window->CurPTLine, -1);
    EXPECT_FALSE(button("cmdUpdate")->isEnabled());
    EXPECT_FALSE(window->UpdatePythonPT(false));
    EXPECT_TRUE(button("cmdSave")->isEnabled());
}

TEST_F(PythonPartyTempEditing, ScanLeavesWhatReadsBackSkipsAndCountsAndWorksWhileAdding) {
    const QStringList before = PyPTLines;
    select("hunters");
    answerWhereToAdd(false);
    click("cmdAdd");
    plat.answer(MsgAnswer::Yes);
    trigger("mnu_edit_scan");
    EXPECT_EQ(plat.boxes[0].title, QStringLiteral("Continue...?"));
    EXPECT_EQ(plat.boxes.back().text.toStdString(),
              "All party templates have been updated. Now hit 'Save changes' and build your "
              "module to test whether there are syntax problems or not!\r\n\r\n0 party "
              "template(s) have been rewritten; 18 read back with the same fields and were left "
              "as they were.\r\n\r\n1 party template(s) could not be read completely and "
              "were left as they were.");
    EXPECT_EQ(plat.eventPumps, 2);
    // Every template reads back with its fields, so each keeps its lines.
    EXPECT_EQ(PyPTLines, before);
    // The window shows the last template as the pass left it; the add is over.
    EXPECT_EQ(list("lstPT")->listIndex(), 19);
    EXPECT_EQ(text("txtPTID"), QStringLiteral("last_one"));
    EXPECT_FALSE(window->PTAddMode);
    EXPECT_FALSE(window->UnsavedPT);

    const QStringList once = PyPTLines;
    plat.answer(MsgAnswer::Yes);
    trigger("mnu_edit_scan");
    EXPECT_EQ(PyPTLines, once);
    EXPECT_TRUE(plat.modalWindows.contains(QStringLiteral("frmPythonNewEntry")));
    EXPECT_EQ(plat.modalWindows.size(), 1);
}

TEST_F(PythonPartyTempEditing, SaveTellsTheTruthAndKeepsTheMarkWhenNothingWasWritten) {
    select("looters");
    box("txtPTName")->setText(QStringLiteral("Looting Men"));
    ASSERT_TRUE(window->UpdatePythonPT(false));
    const QString entry = PyPTLines[window->CurPTLine];
    plat.answer(MsgAnswer::Yes);
    click("cmdSave");
    const QString backup = copy.file(QStringLiteral("module_party_templates4-3-2011_9h5m7s.py"));
    EXPECT_TRUE(QFile::exists(backup));
    EXPECT_FALSE(window->UnsavedPT);
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Party Templates saved..."));
    EXPECT_TRUE(
        copy.read(QStringLiteral("module_party_templates.py")).contains(ToFileBytes(entry)));

    box("txtPTName")->setText(QStringLiteral("Looters"));
    ASSERT_TRUE(window->UpdatePythonPT(false));
    plat.boxes.clear();
    FailNextSaveAfter(0);
    plat.answer(MsgAnswer::No);
    click("cmdSave");
    EXPECT_TRUE(window->UnsavedPT);
    EXPECT_EQ(plat.boxes.back().title, QStringLiteral("Error..."));
    EXPECT_FALSE(plat.boxTexts().join("").contains("Changes have been saved"));

    // Closing with the change unsaved asks; No keeps the editor open.
    plat.answer(MsgAnswer::No);
    trigger("mnu_file_main");
    EXPECT_EQ(plat.boxes.back().text, QStringLiteral("You have unsaved data in the memory. Do you "
                                                     "really want to close this editor?"));
    EXPECT_FALSE(window->UnloadGranted);
}

} // namespace
