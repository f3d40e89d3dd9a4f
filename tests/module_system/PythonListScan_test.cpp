#include "ModuleSystemFixture.h"

#include "module_system/PythonListScan.h"

namespace {

// What a way of compacting makes of `text`, begun `depth` brackets deep (the
// list's are 1) behind the compacted lines `before`: the depth at its end, the
// lowest, where its comment begins, a comma and an element behind one at the
// list's depth, and the text; empty when the way does not take the line.
template <typename Way>
QString Compacted(Way way, const QString& text, int depth, const QString& before = {}) {
    QString out = before + QString(text.size(), u'-');
    PySourceState state{depth, {}, false};
    PySourceLine info;
    ElementWatch watch{1};
    qsizetype length = before.size();
    if (!way(text, state, info, reinterpret_cast<char16_t*>(out.data()), length, watch))
        return QString();
    return QString::asprintf("%d %d %d %d%d|", state.depth, info.minDepth, info.commentAt,
                             watch.comma, watch.more) +
           out.mid(before.size(), length - before.size());
}

// The quick loop compacts every line it takes as the scanner does.
TEST(PythonListScan, QuickAndScannedCompactionAgree) {
    const struct {
        const char* line;
        int depth;
        const char* compacted;
        bool quick; // the quick loop takes it
    } rows[] = {
        {"", 1, "", true},
        {"  [itm_a, itm_b],", 1, "[itm_a,itm_b],", true},
        {"   tf_hero if hero else 0 ,\tknows_a", 2, "tf_hero if hero else 0,knows_a", true},
        {"\tstr_8 | agi_8 ,0], # str, agi", 2, "str_8|agi_8,0],", true},
        {"  0]] # closes the list", 2, "0]]", true},
        {"  [a], [b], c", 1, "[a],[b],c", true},
        {"  caf\xe9 \xe9t\xe9 ( x\x01 y )", 1, "caf\xe9 \xe9t\xe9(x\x01y)", true},
        {"  [\"b\", \"\" \"x\"], # b", 1, "[\"b\",\"\" \"x\"],", false},
        {" tf_hero| \\", 2, "tf_hero|\\", false},
        {"  0], 'it''s'", 2, "0],'it''s'", false},
    };
    const auto scanned = [](auto&&... args) {
        CompactScannedLine(args...);
        return true;
    };
    // In the scan every line but the list's first is compacted behind others:
    // a line's text is its own, whatever the one before ends with, and a
    // blank never begins it.
    for (const auto& row : rows) {
        for (const QString& before : {QString(), QStringLiteral("w"), QStringLiteral("(\"a\"")}) {
            const QString text = QString::fromLatin1(row.line);
            const QString byScanner = Compacted(scanned, text, row.depth, before);
            EXPECT_EQ(byScanner.section(u'|', 1), QString::fromLatin1(row.compacted)) << row.line;
            EXPECT_EQ(Compacted(CompactPlainLine, text, row.depth, before),
                      row.quick ? byScanner : QString())
                << row.line << " behind " << before.toStdString();
        }
    }
}

// Where the scan finds the list, and which lines it joins into each entry.
TEST(PythonListScan, FindsTheListAndWhereEachEntryEnds) {
    const struct {
        const char* file;
        bool resync;
        const char* found; // "<opening line> <closing line>:", then "<first>><last line>" of
                           // each entry, -1 for none or none joined
    } rows[] = {
        {"x\ntroops = [\n [\"a\",\n  0],\n [\"b\",0]]\ny", false, "1 4: 2>3 4>4"},
        {"troops = [\n[\"a\",0],\n]", false, "-1 -1:"}, // line 0 is header
        {"x\ntroops = [] + [\n [\"a\",0]\n] + more", false, "1 3: 2>2"},
        {"x\ntroops = [\n [\"a\",\"\"\"b\n c\"\"\"],\n]", false, "1 4: 2>-1"},
        {"x\ntroops = [\n [\"a\",[1,\n [\"b\",0],\n]", false, "1 -1: 2>-1 3>-1"},
        {"x\ntroops = [\n [\"a\",[1,\n [\"b\",0],\n]", true, "1 4: 2>-1 3>3"},
        {"x\ntroops = [\n [\"a\",\"b,\n [\"c\",0],\n]", true, "1 4: 2>-1 3>3"},
    };
    for (const auto& row : rows) {
        const PythonFileLines file = SplitPythonFileLines(row.file);
        PythonListScan scan(file, TroopListFormat);
        scan.scan(row.resync);
        QString found = QString::asprintf("%d %d:", scan.start, scan.closeLine);
        for (int i = scan.start + 1; scan.start >= 0 && i < file.count(); ++i) {
            if (scan.opensEntry(i))
                found += QString::asprintf(" %d>%d", i, scan.entryEnd(i));
        }
        EXPECT_EQ(found, QLatin1String(row.found)) << row.file;
    }
}

} // namespace
