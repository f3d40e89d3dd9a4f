#include "ModuleSystemFixture.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonText.h"

#include "module_system/modPythonItems.h"
#include "module_system/modPythonPartyTemp.h"
#include "module_system/modPythonTroops.h"

namespace {

// Golden tables: tests/data/module_system/files/<file>.table holds the
// elements a load of <file>.py must give, one per line.
QStringList GoldenTable(const QString& name) {
    QString text = QString::fromLatin1(ReadFile(TestDataFolder() + "/files/" + name + ".table"));
    text.chop(1); // the last line's end
    return text.split(QLatin1Char('\n'));
}

class LoadFiles : public ModuleSystemTest {
protected:
    LoadFiles() : ModuleSystemTest(TestDataFolder() + QStringLiteral("/files")) {}
};

TEST_F(LoadFiles, TroopsGolden) {
    EXPECT_TRUE(LoadPythonTroops());
    EXPECT_EQ(PyTroopLines, GoldenTable("module_troops"));
    EXPECT_EQ(PyTroopMax, PyTroopLines.size() - 1);
    EXPECT_EQ(PyTroopHardwired, 16);
    EXPECT_EQ(PyTroopLastEntry, 25);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(LoadFiles, ItemsGolden) {
    EXPECT_TRUE(LoadPythonItems());
    EXPECT_EQ(PyItemLines, GoldenTable("module_items"));
    EXPECT_EQ(PyItemMax, PyItemLines.size() - 1);
    EXPECT_EQ(PyItemHardwired, 9);
    EXPECT_TRUE(PyItemLines[PyItemMax - 1].startsWith(QStringLiteral(R"(["items_end")")));
    EXPECT_EQ(PyItemLines[PyItemMax], QStringLiteral("]"));
    EXPECT_EQ(PyItemTail.size(), 8);
    EXPECT_EQ(PyItemTail.last(), QStringLiteral("# modmerger_end"));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(LoadFiles, PartyTemplatesGolden) {
    EXPECT_TRUE(LoadPythonPT());
    EXPECT_EQ(PyPTLines, GoldenTable("module_party_templates"));
    EXPECT_EQ(PyPTMax, PyPTLines.size() - 1);
    EXPECT_EQ(PyPTHardwired, 7);
    EXPECT_EQ(PyPTLastEntry, 10);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(LoadFiles, MarkersAreSetAnewOnEveryLoad) {
    ASSERT_TRUE(LoadPythonTroops());
    ASSERT_EQ(PyTroopHardwired, 16);
    write("module_troops.py", "x\ntroops = [\n [\"a\",0],\n [\"b\",0],\n # end\n]\n");
    EXPECT_TRUE(LoadPythonTroops());
    EXPECT_EQ(PyTroopHardwired, 0);
    EXPECT_EQ(PyTroopLastEntry, 3);

    ASSERT_TRUE(LoadPythonPT());
    write("module_party_templates.py", "x\nparty_templates = [\n]\n");
    EXPECT_TRUE(LoadPythonPT());
    EXPECT_EQ(PyPTHardwired, 0);
    EXPECT_EQ(PyPTLastEntry, 1) << "a new entry goes right behind the list's opening line";
}

TEST_F(LoadFiles, EveryLineIsReadWhateverItsEnd) {
    QByteArray file = "x\r\ntroops = [\n";
    for (int i = 0; i < 7000; ++i)
        file += QByteArray(" [\"t") + QByteArray::number(i) + "\",\r   0],\r";
    file += "]\nupgrade(troops,\"t6999\",\"t0\")";
    write("module_troops.py", file);
    EXPECT_TRUE(LoadPythonTroops());
    ASSERT_EQ(PyTroopMax, 7003);
    EXPECT_EQ(PyTroopLines[2], QStringLiteral(R"(["t0",0],)"));
    EXPECT_EQ(PyTroopLines[7001], QStringLiteral(R"(["t6999",0],)"));
    EXPECT_EQ(PyTroopLastEntry, 7001);
    EXPECT_EQ(PyTroopLines[7003], QStringLiteral(R"(upgrade(troops,"t6999","t0"))"));
}

TEST_F(LoadFiles, MissingFileIsReportedAndLeavesAnEmptyTable) {
    QFile::remove(copy.file("module_party_templates.py"));
    EXPECT_FALSE(LoadPythonPT());
    EXPECT_EQ(PyPTLines, QStringList{QString()});
    EXPECT_EQ(PyPTMax, 0);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, QStringLiteral("Error..."));
    EXPECT_TRUE(platform.boxes[0].text.contains(QStringLiteral("LoadPythonPT")));
}

// The note at open names exactly what is not listed: the list's part on the
// line after a backslash, and a file without a list of its own, which lists
// nothing and saves nothing.
TEST_F(LoadFiles, TheNoteAtOpenNamesWhatIsNotListed) {
    const struct {
        bool (*load)();
        bool (*save)();
        const char* file;
        const char* text;
        const char* told; // the one box at open
    } rows[] = {
        {LoadPythonPT, SavePythonPT, "module_party_templates.py",
         "x\nparty_templates = [\n (\"a\",0),\n] \\\n    + other.party_templates\n",
         "module_party_templates.py: 1 entry of its list is written in a form this editor can't "
         "edit, so it is not listed:\r\n\r\nLine 5: other.party_templates\r\n\r\nA save keeps it "
         "as it is; edit it in a text editor."},
        {LoadPythonTroops, SavePythonTroops, "module_troops.py",
         "from header_troops import *\nfrom module_troops_parts import *\n\n"
         "upgrade(troops,\"farmer\",\"watchman\")\n",
         "module_troops.py defines no troop list of its own: no line of it assigns \"troops = "
         "[\". Its troops seem to come from line 2: \"from module_troops_parts import *\".\r\n\r\n"
         "The editor lists no troops and saves nothing to module_troops.py."},
        {LoadPythonItems, SavePythonItems, "module_items.py",
         "from header_items import *\r\nitem_list = []\r\n",
         "module_items.py defines no item list of its own: no line of it assigns \"items = [\"."
         "\r\n\r\nThe editor lists no items and saves nothing to module_items.py."},
        {LoadPythonPT, SavePythonPT, "module_party_templates.py",
         "import module_party_templates_base as base # the templates\nparty_templates = "
         "base.party_templates\n",
         "module_party_templates.py defines no party template list of its own: no line of it "
         "assigns \"party_templates = [\". Its party templates seem to come from line 1: \"import "
         "module_party_templates_base as base\".\r\n\r\nThe editor lists no party templates and "
         "saves nothing to module_party_templates.py."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        write(QLatin1String(row.file), row.text);
        platform.boxes.clear();
        const QString told = QLatin1String(row.told);
        const bool noList = told.contains(QStringLiteral("no line of it assigns"));
        EXPECT_EQ(row.load(), !noList);
        ExpectOneBox(platform, QStringLiteral("Information..."), MsgIcon::Information, told);
        platform.boxes.clear();
        if (!noList)
            platform.answer(MsgAnswer::No); // no backup
        EXPECT_EQ(row.save(), !noList);
        EXPECT_EQ(read(QLatin1String(row.file)), QByteArray(row.text));
        ASSERT_FALSE(platform.boxes.empty());
        EXPECT_EQ(platform.boxes.back().title == QStringLiteral("Not saved..."), noList);
    }
}

// A damaged list is told at load in the module author's words, with the
// lines to look at and what it means for the save.
TEST_F(LoadFiles, DamagedListIsReportedWithItsLines) {
    write("module_troops.py", "x\ntroops = [\n [\"a\",0],\n [\"b\",\n");
    EXPECT_FALSE(LoadPythonTroops());
    EXPECT_EQ(PyTroopLines, QStringList({"x", "troops = [", R"(["a",0],)", R"(["b",)"}));
    ExpectOneBox(
        platform, QStringLiteral("Damaged list..."), MsgIcon::Exclamation,
        QStringLiteral("module_troops.py could not be read whole:\r\n\r\nLine 4: the entry "
                       "\"b\" does not close before the end of the file.\r\nLine 2: the "
                       "list \"troops = [\" does not close before the end of the file: its "
                       "closing bracket is missing, or its last entry \"b\" misses "
                       "one.\r\n\r\nChanges to module_troops.py cannot be saved until "
                       "this is corrected in a text editor: saving would write over what "
                       "the editor could not read."));

    write("module_party_templates.py",
          "x\nparty_templates = [\n (\"a\",0,[(trp_a,1,2),\n (\"b\",0,[]),\n]\n");
    platform.boxes.clear();
    EXPECT_FALSE(LoadPythonPT());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.endsWith(
        QStringLiteral("\r\n\r\nThe editor keeps the lines of these entries as they are and "
                       "saves them as it read them. Correct them in a text editor to edit these "
                       "entries here.")));
}

// Shapes of real module files (tests/data/module_system/shapes): every entry
// that Python reads is a row of exactly one element, and what no editor can
// edit is told at the load, with the statements behind the list that add to it.
class LoadShapes : public ModuleSystemTest {
protected:
    LoadShapes() : ModuleSystemTest(TestDataFolder() + QStringLiteral("/shapes")) {}
};

TEST_F(LoadShapes, EveryEntryIsARowAndTheRestIsTold) {
    const struct {
        bool (*load)();
        const PythonLines& lines;
        const PythonRowFormat& rows;
        const char* ids;
        const char* told; // the note's lines on the entries it names
    } cases[] = {
        {LoadPythonTroops, PyTroopLines, TroopRows,
         "player temp_troop farmer townsman tutorial_maceman formatted green_guard court_guard "
         "last",
         "1 entry of its list is written in a form this editor can't edit, so it is not "
         "listed:\r\n\r\nLine 16: [ [\"player_%04d\" ...\r\n\r\n1 statement after its list "
         "adds entries to it; what it adds is not listed:\r\n\r\nLine 52: "
         "add_guards(troops)\r\n\r\nA save keeps them"},
        {LoadPythonItems, PyItemLines, ItemRows,
         "no_item horse_meat green_dress court_dress leather_jerkin items_end",
         ":\r\n\r\nLine 10: itm_warhorse(\"brown_paint\" ...\r\nLine 11: "
         "itm_warhorse(\"black_paint\" ...\r\n\r\n2 statements after its list add entries to "
         "it; what they add is not listed:\r\n\r\nLine 29: "
         "items.extend(generate_delay_script_slots(2))\r\nLine 30: "
         "append_noswing_items(items)\r\n\r\nA save keeps them as they are"},
        {LoadPythonPT, PyPTLines, PartyTemplateRows, "none hero_party formatted_party a b",
         ":\r\n\r\nLine 19: make_party(\"village_farmers\" ...\r\n\r\n1 statement after its "
         "list adds entries to it; what it adds is not listed:\r\n\r\nLine 22: "
         "party_templates.append((\"bandits\",\"Bandits\","
         "icon_axeman,0,fa ...\r\n\r\nA save keeps them"},
    };
    for (const auto& c : cases) {
        platform.boxes.clear();
        EXPECT_TRUE(c.load());
        QStringList ids;
        for (const int line :
             BuildPythonEntryRows(c.lines, int(c.lines.size()) - 1, c.rows).lines) {
            ids.append(PythonEntryId(c.lines[line]));
            EXPECT_TRUE(IsOnePythonEntry(c.lines[line], c.rows.opener)) << ids.last().toStdString();
        }
        EXPECT_EQ(ids.join(u' '), QLatin1String(c.ids));
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].title, QStringLiteral("Information..."));
        EXPECT_TRUE(platform.boxes[0].text.contains(QLatin1String(c.told)))
            << platform.boxes[0].text.toStdString();
    }
}

} // namespace
