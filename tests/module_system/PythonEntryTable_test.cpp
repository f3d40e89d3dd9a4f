#include "ModuleSystemFixture.h"

#include "module_system/PythonEntryTable.h"

#include <gtest/gtest.h>

namespace {

QStringList Table(std::initializer_list<const char*> lines) {
    QStringList table;
    for (const char* line : lines)
        table.append(QString::fromLatin1(line));
    return table;
}

TEST(PythonEntryTable, InsertAndDeleteKeepTheMarkers) {
    PythonLines lines(Table({"troops = [", "[\"a\",0],", "# b follows", "[\"b\",0],", "]"}));
    int max = 4;
    int last = 3;
    // Behind the last entry, the new one becomes the last entry itself;
    // before it, it moves the last entry on.
    InsertPythonEntry(lines, max, 4, QStringLiteral("[\"c\",0],"), &last);
    EXPECT_EQ(max, 5);
    EXPECT_EQ(last, 4);
    InsertPythonEntry(lines, max, 2, QStringLiteral("[\"d\",0],"), &last);
    EXPECT_EQ(last, 5);
    EXPECT_EQ(
        lines.texts().join(u'|'),
        QStringLiteral("troops = [|[\"a\",0],|[\"d\",0],|# b follows|[\"b\",0],|[\"c\",0],|]"));

    EXPECT_TRUE(DeletePythonEntry(lines, max, 5, u'[', &last));
    EXPECT_EQ(max, 5);
    EXPECT_EQ(last, 4);
    EXPECT_FALSE(DeletePythonEntry(lines, max, 3, u'[', &last)) << "a comment is no entry";
    EXPECT_FALSE(DeletePythonEntry(lines, max, 9, u'[', &last));
    EXPECT_EQ(max, 5);
    EXPECT_EQ(lines.size(), 6);
}

// Deleting the first line of an entry the loader could not join would leave
// its other lines behind; deleting a line of two entries would take both.
TEST(PythonEntryTable, DeleteRefusesWhatIsNotExactlyOneEntry) {
    PythonLines lines(Table({"troops = [", "[\"a\", \"\"\"two", "  lines\"\"\", 0],",
                             "[\"b\",0], [\"c\",0],", "(\"d\",0),", "]"}));
    int max = 5;
    for (int index : {1, 3, 4})
        EXPECT_FALSE(DeletePythonEntry(lines, max, index, u'[')) << index;
    EXPECT_EQ(max, 5);
    EXPECT_TRUE(DeletePythonEntry(lines, max, 4, u'('));
}

TEST(PythonEntryTable, AtTheEndFallsBackToTheLastEntryBeforeTheMarker) {
    const QStringList troops = Table({"troops = [", "[\"a\",0],", "[\"b\",0],", "# remark", "]",
                                      "upgrade(troops,\"a\",\"b\")", "[\"x\",0]"});
    EXPECT_EQ(PythonEndInsertLine(troops, 6, 2, TroopListFormat), 3);
    // The marker stands on the remark after the last entry was deleted.
    EXPECT_EQ(PythonEndInsertLine(troops, 6, 3, TroopListFormat), 3);
    EXPECT_EQ(PythonEndInsertLine(Table({"x", "troops = [", "]"}), 2, 1, TroopListFormat), -1);

    // Party templates: a stale marker (the header, the closing line, past the
    // end) still finds the last template and never sends the new one into the
    // header.
    const QStringList templates =
        Table({"x", "party_templates = [", "(\"a\",0),", "(\"b\",0),", "]", "y = [(\"c\",0)]"});
    for (int marker : {3, 0, 4, 40})
        EXPECT_EQ(PythonEndInsertLine(templates, 5, marker, PartyTemplateListFormat), 4) << marker;

    // Items go before items_end, also with remarks between it and the "]".
    const QStringList items =
        Table({"items = [", "[\"a\",0],", "[\"items_end\",0],", "", "# end", "]"});
    EXPECT_EQ(PythonEndInsertLine(items, 5, 4, ItemListFormat), 2);
    const QStringList noEnd = Table({"items = [", "[\"a\",0],", "# remark", "]"});
    EXPECT_EQ(PythonEndInsertLine(noEnd, 3, 2, ItemListFormat), 2);
}

TEST(PythonEntryTable, RewriteAllSkipsRowZeroAndCountsWhatItLeft) {
    PythonLines lines(Table(
        {"troops = [", "[\"a\",0],", "[\"b\",0],", "[\"bad\",", "[\"c\",0],", "[\"d\",0],", "]"}));
    QList<int> visited;
    const PythonRewriteResult result = RewriteAllPythonEntries(
        lines, 6, {1, 2, 3, 4, 5, 6}, u'[', [&](int line, const QString& entry) {
            visited.append(line);
            if (!entry.endsWith(QStringLiteral("],")))
                return std::optional<QString>();
            // "d" reads back as it is: the step gives the element itself.
            return std::optional<QString>(line == 5 ? entry : entry.toUpper());
        });
    EXPECT_EQ(visited, (QList<int>{2, 3, 4, 5}));
    EXPECT_EQ((QList<int>{result.rewritten, result.unchanged, result.skipped}),
              (QList<int>{2, 1, 2}))
        << "the unreadable entry and the row that is no entry are skipped";
    EXPECT_EQ(lines.texts().join(u'|'),
              QStringLiteral("troops = [|[\"a\",0],|[\"B\",0],|[\"bad\",|[\"C\",0],|[\"d\",0],|]"));
}

} // namespace
