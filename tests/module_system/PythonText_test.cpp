#include "ModuleSystemFixture.h"

#include "module_system/PythonText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QString L(const char* text) {
    return QString::fromLatin1(text);
}

QStringList Lines(const char* text) {
    return L(text).split(QLatin1Char('\n'));
}

struct TextCase {
    const char* input;
    const char* expected;
};

TEST(CutComment, CutsOnlyOutsideStrings) {
    const std::vector<TextCase> cases = {
        {"", ""},
        {"no comment", "no comment"},
        {"code # remark", "code "},
        {"# all remark", ""},
        {R"(["a#b", 1] # c)", R"(["a#b", 1] )"},
        {R"(['a#b', "c'#"] #)", R"(['a#b', "c'#"] )"},
        {R"("esc\"#aped" # c)", R"("esc\"#aped" )"},
        {R"(x = """tri#ple""" # c)", R"(x = """tri#ple""" )"},
        {R"(x = '''it's # "a" ''' # c)", R"(x = '''it's # "a" ''' )"},
        {R"("open # string)", R"("open # string)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutComment(L(c.input)), L(c.expected)) << c.input;
}

TEST(CompactPythonBlanks, RemovesBlanksOnlyWhereTheyMeanNothing) {
    const std::vector<TextCase> cases = {
        {"  a , b ,\tc ", "a,b,c"},
        {R"( "Bob Smith" , 'Bob  Smiths' )", R"("Bob Smith",'Bob  Smiths')"},
        {"tf_hero if x else 0", "tf_hero if x else 0"},
        {"x | y", "x|y"},
        {R"(a or "b")", R"(a or "b")"},
        {R"("b" if a else "c")", R"("b" if a else "c")"},
        {"weight(1) | swing_damage(20 , cut)", "weight(1)|swing_damage(20,cut)"},
        {"\t\t[itm_a,\titm_b]", "[itm_a,itm_b]"},
        {R"("" "x", '' 'y')", R"("" "x",'' 'y')"},
        {R"(''' a , b ''' , c  # d , e)", R"(''' a , b ''',c # d , e)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompactPythonBlanks(L(c.input)), L(c.expected)) << c.input;
}

TEST(ScanPythonSource, FollowsBracketsAndStringsOverLines) {
    const auto scan = ScanPythonSource(Lines("a = [ (1,\n \"\"\"x\n ]\"\"\", 2) ]\n'b\ny'"));
    ASSERT_EQ(scan.size(), 5);
    EXPECT_EQ(scan[0].end.depth, 2);
    EXPECT_TRUE(scan[1].end.inString());
    EXPECT_EQ(scan[2].start.depth, 2) << "a bracket inside a string counts for nothing";
    EXPECT_EQ(scan[2].end.depth, 0);
    EXPECT_TRUE(scan[3].broken);
    EXPECT_FALSE(scan[4].start.inString());
}

// Strings in every form Python knows: the readers never take a quote, comma
// or bracket inside one for code.
TEST(PythonText, StringsOfEveryKindAreSkippedWhole) {
    EXPECT_EQ(PythonStringEnd(uR"("a\"b" x)", 0), 5);
    EXPECT_EQ(PythonStringEnd(uR"(x '''it's''' y)", 2), 11);
    EXPECT_EQ(PythonStringEnd(uR"("""a"b""")", 0), 8);
    EXPECT_EQ(PythonStringEnd(u"\"\"", 0), 1);
    EXPECT_EQ(PythonStringEnd(u"\"open", 0), -1);

    EXPECT_EQ(
        SplitPythonTopLevel(uR"(a, (b, c), "d, e", '''f, 'g', h''', [i] # k, l)", u',').join(u'|'),
        L(R"(a| (b, c)| "d, e"| '''f, 'g', h'''| [i] # k, l)"));
    EXPECT_EQ(PythonBracketEnd(uR"([a, ''']''', (b, [c]), "]"] x)", 0), 26);
    EXPECT_EQ(PythonBracketEnd(u"[a, [b]", 0), -1);
    EXPECT_EQ(PythonStringLiterals(uR"(["id", '''Name's''', "x"] # "c")", 5).join(u'|'),
              L("id|Name's|x"));
    EXPECT_EQ(PythonStringLiterals(uR"(["a""b", "c")", 2).join(u'|'), L("a|b"));

    QString content;
    EXPECT_TRUE(ReadPythonString(uR"("a\"b")", content));
    EXPECT_EQ(content, L(R"(a\"b)"));
    EXPECT_FALSE(ReadPythonString(uR"("""a""")", content));
    EXPECT_FALSE(ReadPythonString(uR"('a')", content));
    EXPECT_TRUE(ReadPythonString(uR"('a')", content, true));
    EXPECT_FALSE(ReadPythonString(uR"('a"b')", content, true));
    EXPECT_FALSE(ReadPythonString(uR"("a" "b")", content));
}

TEST(PythonText, FieldsEndAtACommaOutsideBracketsOrAtTheEnclosingBracket) {
    const struct {
        const char* text;
        int from;
        int end;
    } cases[] = {
        {"wpex(1,2),x", 0, 9}, {"a, b", 2, 4},
        {"[a, b], c", 1, 2},   {"(x, y)], z", 0, 6},
        {R"("a,b", c)", 0, 5}, {"weight(1)|spd(2)", 0, 16},
        {"[a], b", 0, 3},      {R"('''a,b''', c)", 0, 9},
        {"a # b, c", 0, 8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PythonFieldEnd(L(c.text), c.from), c.end) << c.text;
}

TEST(PythonText, BarTermsAreOnlyPlainTerms) {
    for (const char* term : {"tf_hero", "wp(1)|wp(2)", "(a if b else c)", "'a b'"})
        EXPECT_TRUE(IsBarTerm(L(term))) << term;
    for (const char* term : {"a if b else c", "a==b", "not a", "lambda: 0", "'open"})
        EXPECT_FALSE(IsBarTerm(L(term))) << term;
}

// One row per entry: its fields joined by "|" and whether it is complete.
TEST(SplitPythonEntry, GivesTheTopLevelFieldsAndTellsWhetherTheEntryIsWhole) {
    const struct {
        const char* entry;
        QChar opener;
        const char* fields;
        bool complete;
    } cases[] = {
        {R"( ["a", "B, c", [x, y], f(1, 2) ],)", u'[', R"("a"| "B, c"| [x, y]| f(1, 2) )", true},
        {R"(("pt","PT",0,[(trp_a,1,2)]),)", u'(', R"("pt"|"PT"|0|[(trp_a,1,2)])", true},
        {R"(["a",0,], # remark)", u'[', R"("a"|0)", true},
        {R"(["a",'''x], y''',0])", u'[', R"("a"|'''x], y'''|0)", true},
        {R"(["a",0]])", u'[', R"("a"|0)", false},
        {R"(["a",0], ["b",0],)", u'[', R"("a"|0)", false},
        {R"(["a",0,[x,)", u'[', R"("a"|0)", false},
        {R"(("a",0),)", u'[', "", false},
    };
    for (const auto& c : cases) {
        const PythonEntryFields split = SplitPythonEntry(L(c.entry), c.opener);
        EXPECT_EQ(split.fields.join(u'|'), L(c.fields)) << c.entry;
        EXPECT_EQ(split.complete, c.complete) << c.entry;
    }
    // The comma and the remark behind the entry, for writers that keep them.
    const PythonEntryFields remark = SplitPythonEntry(uR"(["a",0] ,  # b, c)", u'[');
    EXPECT_TRUE(remark.comma);
    EXPECT_EQ(remark.trailer, L("  # b, c"));
    const PythonEntryFields bare = SplitPythonEntry(uR"(["a",0] )", u'[');
    EXPECT_TRUE(bare.complete);
    EXPECT_FALSE(bare.comma);
    EXPECT_EQ(bare.trailer, QString());
}

TEST(IsOnePythonEntry, TakesOnlyAnElementThatHoldsOneWholeEntry) {
    for (const char* element :
         {R"( ["a", 0],)", R"(["a", 0])", R"(["a", "]"], # c)", "\t(\"pt\", [(a,1)]) ,"})
        EXPECT_TRUE(IsOnePythonEntry(L(element), element[1] == '(' ? u'(' : u'[')) << element;
    for (const char* element : {R"(["a", """two)", R"(["a", 0], ["b", 0],)", R"(["a", [0],)",
                                R"(["a", 0] x)", "[\"a\",\n0],", R"(x ["a", 0])"})
        EXPECT_FALSE(IsOnePythonEntry(L(element), u'[')) << element;
}

TEST(IsOnePythonField, RefusesWhatWouldSplitOrBreakTheEntry) {
    for (const char* field : {"", "fac_x", "scn_a|entry(2)", "wpex(1,2,3)", R"("a, #b")",
                              "tf_hero if x else 0", "[itm_a, itm_b]", R"('''it's''')"})
        EXPECT_TRUE(IsOnePythonField(L(field))) << field;
    for (const char* field : {"a, b", "f(1", "a)", "x]", R"("open)", "a # c", "a\\", "b\\ c",
                              "two\nlines", R"('''open)"})
        EXPECT_FALSE(IsOnePythonField(L(field))) << field;
}

} // namespace
