#include "ModuleSystemFixture.h"

#include "module_system/PythonListScan.h"

namespace {

// The quick loop compacts every line it takes as the scanner does: the same
// text, depths, comment and elements behind a comma.
TEST(PythonListScan, QuickAndScannedCompactionAgree) {
    const struct {
        const char* line;
        int depth; // the line begins inside so many brackets; the list's are 1
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
    for (const auto& row : rows) {
        const QString text = QString::fromLatin1(row.line);
        QString quick(text.size(), u'-'), scanned(text.size(), u'-');
        PySourceState quickState{row.depth, {}, false}, scannedState = quickState;
        PySourceLine quickInfo, scannedInfo;
        ElementWatch quickWatch{1}, scannedWatch{1};
        qsizetype quickLength = 0, scannedLength = 0;
        CompactScannedLine(text, scannedState, scannedInfo,
                           reinterpret_cast<char16_t*>(scanned.data()), scannedLength,
                           scannedWatch);
        EXPECT_EQ(scanned.left(scannedLength), QString::fromLatin1(row.compacted)) << row.line;
        ASSERT_EQ(CompactPlainLine(text, quickState, quickInfo,
                                   reinterpret_cast<char16_t*>(quick.data()), quickLength,
                                   quickWatch),
                  row.quick)
            << row.line;
        if (!row.quick)
            continue;
        EXPECT_EQ(quick.left(quickLength), scanned.left(scannedLength)) << row.line;
        EXPECT_EQ(quickState.depth, scannedState.depth) << row.line;
        EXPECT_EQ(quickInfo.minDepth, scannedInfo.minDepth) << row.line;
        EXPECT_EQ(quickInfo.commentAt, scannedInfo.commentAt) << row.line;
        EXPECT_EQ(quickWatch.more, scannedWatch.more) << row.line;
        EXPECT_EQ(quickWatch.comma, scannedWatch.comma) << row.line;
    }
}

// Where the scan finds the list, and which lines it joins into each entry.
TEST(PythonListScan, FindsTheListAndWhereEachEntryEnds) {
    const struct {
        const char* file;
        bool resync;
        int start, close;
        const char* entries; // "<first line>-<last line>" of each entry, "-" for none joined
    } rows[] = {
        {"x\ntroops = [\n [\"a\",\n  0],\n [\"b\",0]]\ny", false, 1, 4, "2-3 4-4"},
        {"troops = [\n[\"a\",0],\n]", false, -1, -1, ""}, // line 0 is header
        {"x\ntroops = [] + [\n [\"a\",0]\n] + more", false, 1, 3, "2-2"},
        {"x\ntroops = [\n [\"a\",\"\"\"b\n c\"\"\"],\n]", false, 1, 4, "2-"},
        {"x\ntroops = [\n [\"a\",[1,\n [\"b\",0],\n]", false, 1, -1, "2- 3-"},
        {"x\ntroops = [\n [\"a\",[1,\n [\"b\",0],\n]", true, 1, 4, "2- 3-3"},
        {"x\ntroops = [\n [\"a\",\"b,\n [\"c\",0],\n]", true, 1, 4, "2- 3-3"},
    };
    for (const auto& row : rows) {
        const PythonFileLines file = SplitPythonFileLines(row.file);
        PythonListScan scan(file, TroopListFormat);
        scan.scan(row.resync);
        EXPECT_EQ(scan.start, row.start) << row.file;
        EXPECT_EQ(scan.closeLine, row.close) << row.file;
        QStringList entries;
        for (int i = scan.start + 1; scan.start >= 0 && i < file.count(); ++i) {
            const int last = scan.opensEntry(i) ? scan.entryEnd(i) : -2;
            if (last > -2)
                entries.append(QStringLiteral("%1-%2").arg(i).arg(
                    last < 0 ? QString() : QString::number(last)));
        }
        EXPECT_EQ(entries.join(u' '), QLatin1String(row.entries)) << row.file;
    }
}

} // namespace
