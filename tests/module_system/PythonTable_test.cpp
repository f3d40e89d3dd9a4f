#include "ModuleSystemFixture.h"

#include "module_system/PythonTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QByteArray Lines(const char* text) {
    return QByteArray(text);
}

const PythonListFormat& Troops = TroopListFormat;
const PythonListFormat& Items = ItemListFormat;
const PythonListFormat& Templates = PartyTemplateListFormat;

struct TableCase {
    const char* name;
    const PythonListFormat* format;
    const char* file;
    std::vector<const char*> table;
    int hardwired;
    int lastEntry;
    int failure = 0;
    const char* damage = ""; // the load report's sentences, joined by "|"
    bool refused = false;    // the save must not write over the file
    const char* told = "";   // the elements no editor can edit, joined by "|"
};

class BuildTableCase : public ::testing::TestWithParam<TableCase> {};

TEST_P(BuildTableCase, GivesTheElementsAndMarkers) {
    const TableCase& c = GetParam();
    const PythonTable table = BuildPythonTable(Lines(c.file), *c.format);
    QStringList expected;
    for (const char* line : c.table)
        expected.append(QString::fromLatin1(line));
    EXPECT_EQ(table.lines, expected);
    EXPECT_EQ(table.hardwired, c.hardwired);
    EXPECT_EQ(table.lastEntry, c.lastEntry);
    EXPECT_EQ(table.failure, c.failure);
    EXPECT_EQ(table.damage.join(u'|'), QString::fromLatin1(c.damage));
    EXPECT_EQ(!table.source.notSaved.isEmpty(), c.refused);
    EXPECT_EQ(table.uneditable.join(u'|'), QString::fromLatin1(c.told));
}

const TableCase TableCases[] = {
    {"HeaderVerbatimEntryJoined",
     &Troops,
     "from x import *\n  # indented remark\ntroops = [\n  [\"a\",\"A\",\"As\",tf_hero,\n   [itm_a, "
     "itm_b],\n   0, 0],\n]\nupgrade(troops,\"a\",\"b\")",
     {"from x import *", "  # indented remark", "troops = [",
      "[\"a\",\"A\",\"As\",tf_hero,[itm_a,itm_b],0,0],", "]", "upgrade(troops,\"a\",\"b\")"},
     0,
     3},
    {"HashAndBlanksInStringsStay",
     &Troops,
     "x\ntroops = [\n  [\"bob\",\"Bob # 1\",\n   \"Bob Smith\", 0], # the smith\n]",
     {"x", "troops = [", "[\"bob\",\"Bob # 1\",\"Bob Smith\",0],", "]"},
     0,
     2},
    {"TrailingCommentsCutBeforeJoining",
     &Troops,
     "x\ntroops = [\n [\"a\",\"A\", # names\n  tf_hero, 0, # flags\n  [], 0],\n]",
     {"x", "troops = [", "[\"a\",\"A\",tf_hero,0,[],0],", "]"},
     0,
     2},
    {"TabsAndBlankAfterTheBracket",
     &Troops,
     "x\ntroops = [\n\t[\"a\",0],\n  [ \"b\",\n\t 0],\n\t[\"c\",0],\n]",
     {"x", "troops = [", "[\"a\",0],", "[ \"b\",0],", "[\"c\",0],", "]"},
     0,
     4},
    {"LongEntryJoinedWhole",
     &Troops,
     "x\ntroops = [\n [\"a\",\n1,\n2,\n3,\n4,\n5,\n6,\n7,\n8,\n9,\n10,\n11,\n12],\n]",
     {"x", "troops = [", "[\"a\",1,2,3,4,5,6,7,8,9,10,11,12],", "]"},
     0,
     2},
    {"CommentAndEmptyLinesInsideEntryGo",
     &Troops,
     "x\ntroops = [\n [\"a\",\n  # inside\n\n  0],\n # between\n\n [\"b\",0],\n]",
     {"x", "troops = [", "[\"a\",0],", "# between", "", "[\"b\",0],", "]"},
     0,
     5},
    {"LastEntryFarAboveTheBracket",
     &Troops,
     "x\ntroops = [\n [\"a\",0],\n [\"temp_troop\",0],\n#1\n#2\n#3\n#4\n#5\n#6\n#7\n#8\n#9\n#10\n#"
     "11\n#12\n]",
     {"x", "troops = [", "[\"a\",0],", "[\"temp_troop\",0],", "#1", "#2", "#3", "#4", "#5", "#6",
      "#7", "#8", "#9", "#10", "#11", "#12", "]"},
     3,
     3},
    {"HardwiredIsATableIndex",
     &Troops,
     "x\ntroops = [\n [\"a\",\n 0],\n [\"b\",\n 0],\n [\"temp_troop\", 0],\n [\"c\",0],\n]",
     {"x", "troops = [", "[\"a\",0],", "[\"b\",0],", "[\"temp_troop\", 0],", "[\"c\",0],", "]"},
     4,
     5},
    {"CommentedOutEntryIsNoEntry",
     &Troops,
     "x\ntroops = [\n [\"a\",0],\n# [\"temp_troop\",\n#  0],\n]",
     {"x", "troops = [", "[\"a\",0],", "# [\"temp_troop\",", "#  0],", "]"},
     0,
     2},
    {"WordsKeepTheirBlank",
     &Troops,
     "x\ntroops = [\n [\"a\",\n  tf_hero if hero else 0,\n  knows_a\n  if b else 0],\n]",
     {"x", "troops = [", "[\"a\",tf_hero if hero else 0,knows_a if b else 0],", "]"},
     0,
     2},
    {"BackslashContinuationJoined",
     &Troops,
     "x\ntroops = [\n [\"a\", tf_hero| \\\n  tf_inactive, 0],\n]",
     {"x", "troops = [", "[\"a\", tf_hero|tf_inactive,0],", "]"},
     0,
     2},
    {"StringOverLinesIsNotJoined",
     &Troops,
     "x\ntroops = [\n [\"a\", \"\"\"two\n  lines\"\"\", 0],\n]",
     {"x", "troops = [", "[\"a\", \"\"\"two", "  lines\"\"\", 0],", "]"},
     0,
     2},
    {"ListStartOnlyInCodeAndAsWholeName",
     &Troops,
     "x\n# troops = [\nold_troops = [1]\ns = \"troops = [\"\ntroops=[\n [\"a\",0],\n]",
     {"x", "# troops = [", "old_troops = [1]", "s = \"troops = [\"", "troops=[", "[\"a\",0],", "]"},
     0,
     5},
    {"CodeBehindTheListKeepsIndentation",
     &Troops,
     "x\ntroops = [\n [\"a\",0],\n  ]\nfor t in troops:\n    t.append(0)  ",
     {"x", "troops = [", "[\"a\",0],", "]", "for t in troops:", "    t.append(0)  "},
     0,
     2},
    {"EmptyStringNeverOpensATripleQuote",
     &Troops,
     "x\ntroops = [\n [\"a\", \"\"\n  \"x\", 0],\n]",
     {"x", "troops = [", "[\"a\", \"\" \"x\",0],", "]"},
     0,
     2},
    {"LastEntryGetsItsComma",
     &Templates,
     "x\nparty_templates = [\n (\"a\",0,[]),\n (\"b\",0,\n  [(trp_a,1,2)]) # b\n # end\n]",
     {"x", "party_templates = [", "(\"a\",0,[]),", "(\"b\",0,[(trp_a,1,2)]),", "# end", "]"},
     0,
     3},
    {"ListClosingBehindTheLastEntryIsSplitOff",
     &Troops,
     "x\ntroops = [\n [\"a\",0],\n [\"b\",\n  0]] # end\nupgrade(troops,\"a\",\"b\")",
     {"x", "troops = [", "[\"a\",0],", "[\"b\",0],", "] # end", "upgrade(troops,\"a\",\"b\")"},
     0,
     3},
    {"ItemsEndClosingTheList",
     &Items,
     "x\nitems = [\n [\"a\",0],\n [\"items_end\",0]] # done\ny = 1",
     {"x", "items = [", "[\"a\",0],", "[\"items_end\",0],", "] # done"},
     0,
     3},
    // A line inside an entry that looks like an entry of its own is none
    // where the list balances.
    {"InventoryOnALineOfItsOwn",
     &Troops,
     "x\ntroops = [\n [\"peasant\",\"Peasant\",tf_guarantee_all,\"fac_commoners\",\n  "
     "[\"itm_tunic\",\"itm_knife\"],\n  str_8|agi_8,0],\n [\"b\",0],\n]",
     {"x", "troops = [",
      "[\"peasant\",\"Peasant\",tf_guarantee_all,\"fac_commoners\",[\"itm_tunic\",\"itm_knife\"],"
      "str_8|agi_8,0],",
      "[\"b\",0],", "]"},
     0,
     3},
    {"ItemLineLikeAnEntryInsideOne",
     &Items,
     "x\nitems = [\n [\"a\",\"A\",\n  [\"a_mesh\",0], itp_x, 0],\n [\"items_end\",0],\n]",
     {"x", "items = [", "[\"a\",\"A\",  [\"a_mesh\",0], itp_x, 0],", "[\"items_end\",0],", "]"},
     0,
     3},
    {"TemplateLineLikeAnEntryInsideOne",
     &Templates,
     "x\nparty_templates = [\n (\"c\",\"C\",0,[\n  (\"x\",1,2)]),\n]",
     {"x", "party_templates = [", "(\"c\",\"C\",0,[(\"x\",1,2)]),", "]"},
     0,
     2},
    {"CodeAndListsBehindTheListAreNoEntries",
     &Troops,
     "x\ntroops = [\n [\"a\",0],\n]\ntroops = merge(\"troops\", troops)\nprint(troops[8])\nmore = "
     "[\n [\"b\",0],\n]",
     {"x", "troops = [", "[\"a\",0],", "]", "troops = merge(\"troops\", troops)",
      "print(troops[8])", "more = [", " [\"b\",0],", "]"},
     0,
     2},
    // Every entry Python reads is one element, whatever its layout.
    {"EntriesSharingALine",
     &Items,
     "x\nitems = [\n [\"a\",0], [\"b\",\n  1], [\"c\",2], # abc\n [\"d\",0], [\"items_end\",0]] # "
     "end",
     {"x", "items = [", "[\"a\",0],", "[\"b\",  1],", "[\"c\",2], # abc", "[\"d\",0],",
      "[\"items_end\",0],", "] # end"},
     0,
     6},
    {"SplicedListsAndAComprehension",
     &Troops,
     "x\ntroops = [] + [\n [\"a\",0]] + [\n [\"p_%d\"%i,\n  0] for i in range(3)\n] + [\n "
     "[\"b\",\n  "
     "1]\n] + extra\nup",
     {"x", "troops = [] + [", "[\"a\",0],", "] + [\n[\"p_%d\"%i,\n0] for i in range(3)\n] + [",
      "[\"b\",1],", "] + extra", "up"},
     0,
     4,
     0,
     "",
     false,
     "Line 3: [ [\"p_%d\" ...|Line 9: extra"},
    {"ComprehensionFirstNamesAndCallsTold",
     &Items,
     "x\nitems = [\n [\"p%d\"%i, 0]\n for i in range(2)] + names + [\n itm_horse(\"h\", 1,\n   "
     "2),\n "
     "[\"items_end\",0],\n]",
     {"x", "items = [\n[\"p%d\"%i, 0]\nfor i in range(2)] + names + [", "itm_horse(\"h\", 1,",
      "2),", "[\"items_end\",0],", "]"},
     0,
     4,
     0,
     "",
     false,
     "Line 2: [ [\"p%d\" ...|Line 4: names|Line 5: itm_horse(\"h\" ..."},
    {"EmptyListTakesNewEntriesFirst", &Troops, "x\ntroops = [\n]", {"x", "troops = [", "]"}, 0, 1},
    {"NoListStart", &Troops, "x\ny = 1", {"x", "y = 1"}, 0, 1},
    {"EmptyFile", &Troops, "", {""}, 0, 0},
    // Blocks that add to the list are read as the list: one list in file order.
    {"ItemBlocksEndTheTableAtTheLastOne",
     &Items,
     "x\nitems = [\n [\"a\",\n  0],\n]\n# more\nitems += [\n [\"b\",\n  1]\n]\nitems.extend(c)",
     {"x", "items = [", "[\"a\",  0],", "]", "# more", "items += [", "[\"b\",  1],", "]"},
     0,
     6},
    {"TroopOverLinesInABlock",
     &Troops,
     "x\ntroops = [\n [\"a\",0],\n]\n\ntroops += [\n [\"temp_troop\",\n  1], # b\n]\nup",
     {"x", "troops = [", "[\"a\",0],", "]", "", "troops += [", "[\"temp_troop\",1],", "]", "up"},
     6,
     6},
    {"ListGoesOnOnTheNextLine",
     &Templates,
     "x\nparty_templates = [\n (\"a\",0),\n] \\\n    + other.party_templates\ny = 1",
     {"x", "party_templates = [", "(\"a\",0),", "] \\\n+ other.party_templates", "y = 1"},
     0,
     2,
     0,
     "",
     false,
     "Line 5: other.party_templates"},
    // Damaged lists: an entry that does not close before the next one stays
    // as its lines, and the list is read on behind it; a list that does not
    // close at all is not to be saved over.
    {"ListStillOpenAtTheEnd",
     &Troops,
     "x\ntroops = [\n [\"a\",\n  0",
     {"x", "troops = [", "[\"a\",", "0"},
     0,
     2,
     0,
     "Line 3: the entry \"a\" does not close before the end of the file.|Line 2: the list "
     "\"troops = [\" does not close before the end of the file: its closing bracket is missing, "
     "or its last entry \"a\" misses one.",
     true},
    {"BracketMissingInTheMiddle",
     &Troops,
     "x\ntroops = [\n [\"a\",0],\n [\"b\",[itm_x,\n  0],\n [\"c\",0],\n]\nup\n",
     {"x", "troops = [", "[\"a\",0],", "[\"b\",[itm_x,", "0],", "[\"c\",0],", "]", "up"},
     0,
     5,
     0,
     "Line 4: the entry \"b\" does not close before the next entry on line 6; a closing bracket "
     "is missing."},
    {"QuoteLeftOpen",
     &Troops,
     "x\ntroops = [\n [\"a\",\"Bob,0],\n [\"b\",0],\n]",
     {"x", "troops = [", "[\"a\",\"Bob,0],", "[\"b\",0],", "]"},
     0,
     3,
     0,
     "Line 3: the entry \"a\" cannot be read: a quote on line 3 is not closed."},
    {"LastTemplateMissesABracket",
     &Templates,
     "x\nparty_templates = [\n (\"a\",0,[]),\n (\"b\",0,[(trp_a,1,2)],\n]\ny = 1\n",
     {"x", "party_templates = [", "(\"a\",0,[]),", "(\"b\",0,[(trp_a,1,2)],],", "y = 1"},
     0,
     3,
     0,
     "Line 2: the list \"party_templates = [\" does not close before the end of the file: its "
     "closing bracket is missing, or its last entry \"b\" misses one.",
     true},
    {"NoEntryLeavesABracketOpen",
     &Items,
     "x\nitems = [\n [(\"a\",0],\n [\"b\",0],\n]",
     {"x", "items = [", "[(\"a\",0],", "[\"b\",0],", "]"},
     0,
     3,
     0,
     "Line 3: a bracket opened here does not close before the entry on line 4."},
    {"ListClosingAboveEntries",
     &Items,
     "x\nitems = [\n [\"itm_a\",0],\n [\"itm_c\",0]],\n\n [\"itm_b\",0],\n [\"items_end\",0],\n]\n",
     {"x", "items = [", "[\"itm_a\",0],", "[\"itm_c\",0],", "],"},
     0,
     3,
     0,
     "Line 4: the list closes here, but entries follow it, the first on line 6 (\"itm_b\"); only "
     "the entries up to line 4 are listed."},
    {"TripleQuoteNeverCloses",
     &Items,
     "x\nitems = [\n [\"a\",0],\n [\"b\", \"\"\"never closed, 0],\n]\n",
     {"x", "items = [", "[\"a\",0],", "[\"b\", \"\"\"never closed, 0],", "]"},
     0,
     3,
     0,
     "Line 4: the entry \"b\" does not close before the end of the file.|Line 4: a quote opened "
     "here is not closed before the end of the file.|Line 2: the list \"items = [\" does not "
     "close before the end of the file: its closing bracket is missing, or its last entry \"b\" "
     "misses one.",
     true},
    {"ItemContinuationKeepsIndentation",
     &Items,
     "x\nitems = [\n [\"a\",\"A\", [(\"m\",0)], # meshes\n   itp_x,\n\t0], # remark\n "
     "[\"items_end\",\"Items End\",[],0],\n]",
     {"x", "items = [", "[\"a\",\"A\", [(\"m\",0)],   itp_x, 0], # remark",
      "[\"items_end\",\"Items End\",[],0],", "]"},
     0,
     3},
    {"ItemsEndInACommentDoesNotEnd",
     &Items,
     "x\nitems = [\n# items_end stays last\n [\"horse_meat\",0],\n [\"items_end\",0],\n]",
     {"x", "items = [", "# items_end stays last", "[\"horse_meat\",0],", "[\"items_end\",0],", "]"},
     3,
     4},
    {"ItemsEndAtTheEndOfTheFile",
     &Items,
     "x\nitems = [\n [\"items_end\",0],",
     {"x", "items = [", "[\"items_end\",0],", "]"},
     0,
     2,
     0,
     "Line 2: the list \"items = [\" does not close before the end of the file: its closing "
     "bracket is missing, or its last entry \"items_end\" misses one.",
     true},
    {"ItemsWithoutItemsEnd",
     &Items,
     "x\nitems = [\n [\"a\",\n 0],\n]\ny = 1",
     {"x", "items = [", "[\"a\", 0],", "]"},
     0,
     2},
    {"TemplatesOneLineEach",
     &Templates,
     "x\nparty_templates = [\n (\"none\",0,[]),\n (\"hero_party\",0,[]),\n "
     "(\"c\",0,[(trp_a,1,2)]),\n]",
     {"x", "party_templates = [", "(\"none\",0,[]),", "(\"hero_party\",0,[]),",
      "(\"c\",0,[(trp_a,1,2)]),", "]"},
     3,
     4},
    {"TemplateMembersJoined",
     &Templates,
     "x\nparty_templates = [\n ( \"c\",\"C c\",0,\n  [(trp_a, 1, 2),\n   (trp_b,1,2)]), # c\n]",
     {"x", "party_templates = [", "( \"c\",\"C c\",0,[(trp_a,1,2),(trp_b,1,2)]),", "]"},
     0,
     2},
};

INSTANTIATE_TEST_SUITE_P(, BuildTableCase, ::testing::ValuesIn(TableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Statements behind the list that add entries to it are told by line and
// text; what only reads the list, sets upgrade paths or does not run is not.
TEST(BuildTable, TellsTheStatementsBehindTheListThatAddToIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"items.extend(generate_delay_script_slots(max_seconds_step))",
         "Line 4: items.extend(generate_delay_script_slots(max_seconds_step))"},
        {"append_noswing_items(items) # the helper of the header",
         "Line 4: append_noswing_items(items)"},
        {"items += [\n  [\"x\",\"X\",[],0,0,0,0,0],\n]", ""}, // read as the list
        {"if more:\n  items += [\n  [\"x\",0]]", "Line 5: items += [ ..."},
        {"items += [[\"x\",0]]", "Line 4: items += [[\"x\",0]]"}, // no entry on lines of its own
        {"items.append([\"x\",\"X\",[],0,0,0,0,0])",
         "Line 4: items.append([\"x\",\"X\",[],0,0,0,0,0])"},
        {"items = items + \\\n  more_items", "Line 4: items = items + ..."},
        {"merge(  'x', items )", "Line 4: merge(  'x', items )"},
        {"if extended:\n  items.insert(0, first)", "Line 5: items.insert(0, first)"},
        {"upgrade(items,\"a\",\"b\")\nupgrade3(items,\"a\",\"b\",\"c\")", ""}, // paths only
        {"def extend(items):\n  items.append(x)\n  return items", ""}, // a body that does not run
        {"count = len(items)\nitems_more = [1]\nif items == []: pass", ""}, // reading only
        {"'''\nitems.extend(old_items)\n'''\n# items.extend(x)", ""}, // in a string, a comment
        {"print(items.extend)", ""},
    };
    for (const auto& [behind, told] : cases) {
        const PythonTable table = BuildPythonTable(QByteArray("x\nitems = [\n]\n") + behind, Items);
        EXPECT_EQ(table.growth.join(u'|'), QString::fromLatin1(told)) << behind;
        EXPECT_TRUE(table.damage.isEmpty()) << behind;
    }
}

TEST(BuildTable, ItemsEndKeepsWhatFollowsForTheSave) {
    const PythonTable table = BuildPythonTable(
        Lines("x\nitems = [\n [\"items_end\",\n  0],\n]\n\ntry:\n    y = 1\nexcept:\n    raise"),
        Items);
    EXPECT_EQ(table.lines, QStringList({"x", "items = [", "[\"items_end\",  0],", "]"}));
    EXPECT_EQ(table.tail, QStringList({"", "try:", "    y = 1", "except:", "    raise"}));

    // Without the end entry, the table still stops at the list's closing line.
    const PythonTable open =
        BuildPythonTable(Lines("x\nitems = [\n [\"a\",0],\n ]\ny = [1,\n  2]"), Items);
    EXPECT_EQ(open.lines, QStringList({"x", "items = [", "[\"a\",0],", "]"}));
    EXPECT_EQ(open.tail, QStringList({"y = [1,", "  2]"}));

    // Remarks between the end entry and the closing line stay in the list.
    const PythonTable remarks =
        BuildPythonTable(Lines("x\nitems = [\n [\"items_end\",0],\n\n # end\n ]\ny = 1"), Items);
    EXPECT_EQ(remarks.lines,
              QStringList({"x", "items = [", "[\"items_end\",0],", "", "# end", "]"}));
    EXPECT_EQ(remarks.tail, QStringList({"y = 1"}));
}

// Lines a save adds end as most lines of the file do, as Python splits them.
TEST(BuildTable, NewLinesTakeTheLineEndMostLinesHave) {
    const std::pair<const char*, const char*> rows[] = {
        {"x\ntroops = [\r\n]\n", "\n"},
        {"x\rtroops = [\r]", "\r"},
        {"x\r\ntroops = [\n]\r", "\r\n"}, // a tie: CR LF first, then LF, then CR
        {"x\ntroops = [\r]", "\n"},
        {"x\r\r\ntroops = [\r\r\n]", "\r\n"}, // to Python, CR CR LF is a CR and a CR LF
        {"x\rtroops = [\r\r\n]\r", "\r"},
        {"x", "\r\n"}, // none
    };
    for (const auto& [file, end] : rows)
        EXPECT_EQ(BuildPythonTable(file, Troops).source.lineEnd, QByteArray(end)) << file;
}

// Saved unchanged, a file comes back byte for byte; written out element by
// element, as changed elements are, it loads into the same table.
TEST(BuildTable, LoadingItsOwnOutputChangesNothing) {
    for (const TableCase& c : TableCases) {
        const PythonTable once = BuildPythonTable(Lines(c.file), *c.format);
        EXPECT_EQ(ComposePythonFile(once.source, once.lines + once.tail), QByteArray(c.file))
            << c.name;
        if (once.failure != 0 || !once.damage.isEmpty())
            continue;
        const QByteArray written = ComposePythonFile(PythonSource(), once.lines + once.tail);
        const PythonTable twice = BuildPythonTable(written, *c.format);
        EXPECT_EQ(twice.lines + twice.tail, once.lines + once.tail) << c.name;
    }
}

// An added entry is told on the line the save writes it on: behind entries of
// several lines, between entries that shared one, below the coding line that
// a first character beyond ASCII brings in (above or below a "#!" line).
TEST(BuildTable, AnElementIsToldOnTheLineTheSaveWritesItOn) {
    const std::pair<const char*, const char*> rows[] = {
        {"x\ntroops = [\n [\"a\",\n  0],\n [\"b\",0], [\"c\",0],\n]\ny\n", " [\"new\",0],"},
        {"#!/usr/bin/python\ntroops = [\n [\"a\",0],\n]", " [\"new\u00e9\",0],"},
        {"x\r\ntroops = [\r\n [\"a\",0],\r\n]\r\n", " [\"new\u00e9\",0],"},
    };
    for (const auto& [file, added] : rows) {
        const PythonTable table = BuildPythonTable(file, Troops);
        for (int k = 2; k < table.lines.size(); ++k) { // inside the list
            PythonLines lines = table.lines + table.tail;
            lines.insert(k, QString::fromUtf8(added));
            const QByteArray written = ComposePythonFile(table.source, lines);
            const int line = int(written.left(written.indexOf("[\"new")).count('\n')) + 1;
            EXPECT_EQ(PythonElementFileLine(table.source, lines, k), line) << file << " at " << k;
        }
    }
}

} // namespace
