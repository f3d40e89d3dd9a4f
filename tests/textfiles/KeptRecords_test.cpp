#include "textfiles/KeptRecords.h"

#include <gtest/gtest.h>

namespace {

using Tables = QList<QStringList>; // the lines of each record as the tables hold them
using Layout = KeptRecords::Layout;

// A file read: troops follow an empty line, items are followed by one, lines
// of no record stand between them; one line ends in CR LF, the others in LF.
struct Read {
    Layout layout;
    QByteArray file;
    QList<std::pair<int, int>> records; // first line and the line after the last
};
const Read Troops = {
    Layout::Before, "h\n2\n# lead\na1\r\na2\n\n# between\n\nb1\nb2\ntail\n", {{3, 5}, {8, 10}}};
const Read Items = {Layout::After, "h\n2\na1\na2\n\nb1\r\nb2\n\ntail\n", {{2, 4}, {5, 7}}};
const Read NoRecord = {Layout::Before, "h\n0\n", {}};

void AddUntold(Tables& tables) {
    tables.append(QStringList{"c1", "c2"});
}

QByteArray Bytes(const QStringList& lines, const LineEnds& ends) {
    static const char* const text[] = {"", "\n", "\r\n", "\r", "\r\r\n"};
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i)
        bytes += lines.at(i).toLatin1() + text[int(ends.each.value(i, ends.usual))];
    return bytes;
}

// A save writes what did not change as read, line ends included, and keeps
// the lines of no record where they stand whatever is added or removed.
TEST(KeptRecords, WriteGivesBackWhatDidNotChange) {
    const struct {
        const char* name;
        const Read& read;
        int insert, remove;             // record "c1", "c2" inserted there; record removed
        void (*change)(Tables& tables); // what else the tables change
        QByteArray written;             // empty: nothing may be written
    } rows[] = {
        {"nothing changed", Troops, -1, -1, nullptr, Troops.file},
        {"a changed line takes the usual line end", Troops, -1, -1,
         [](Tables& t) { t[0][0] = "a1x"; },
         "h\n2\n# lead\na1x\na2\n\n# between\n\nb1\nb2\ntail\n"},
        {"the lines of a changed record that did not change keep their ends", Items, -1, -1,
         [](Tables& t) { t[1].append("b3"); }, "h\n2\na1\na2\n\nb1\r\nb2\nb3\n\ntail\n"},
        {"a troop added follows an empty line", Troops, 2, -1, nullptr,
         "h\n2\n# lead\na1\r\na2\n\n# between\n\nb1\nb2\n\nc1\nc2\ntail\n"},
        {"the first troop of a file stands right after line 2", NoRecord, 0, -1, nullptr,
         "h\n0\nc1\nc2\n"},
        {"an item added is followed by an empty line", Items, 1, -1, nullptr,
         "h\n2\na1\na2\n\nc1\nc2\n\nb1\r\nb2\n\ntail\n"},
        {"a record removed leaves its lead before the next", Troops, -1, 0, nullptr,
         "h\n2\n# lead\n\n# between\n\nb1\nb2\ntail\n"},
        {"the last record removed leaves its lead before the tail", Troops, -1, 1, nullptr,
         "h\n2\n# lead\na1\r\na2\n\n# between\ntail\n"},
        {"a record the kept lines were not told of", Troops, -1, -1, AddUntold, {}},
        {"a record dropped without telling the kept lines",
         Troops,
         -1,
         -1,
         [](Tables& t) { t.removeLast(); },
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LineEnds ends;
        const QStringList lines = SplitLines(row.read.file, &ends);
        Tables tables;
        KeptRecords kept(row.read.layout,
                         [&tables](int i, QStringList& l) { l = tables.value(i); });
        kept.start(lines, ends);
        for (const auto& [first, end] : row.read.records) {
            kept.add(first, end);
            tables.append(lines.mid(first, end - first));
        }
        kept.finish();
        if (row.insert >= 0) {
            kept.insert(row.insert);
            tables.insert(row.insert, QStringList{"c1", "c2"});
        }
        if (row.remove >= 0) {
            kept.remove(row.remove);
            tables.removeAt(row.remove);
        }
        if (row.change)
            row.change(tables);
        QStringList written;
        LineEnds writtenEnds;
        EXPECT_EQ(kept.write(lines.at(0), lines.at(1), int(tables.size()), written, writtenEnds),
                  !row.written.isEmpty());
        EXPECT_EQ(Bytes(written, writtenEnds).toStdString(), row.written.toStdString());
    }
}

// Whether a record was read in shape stays with it when others come and go;
// a new one is in shape.
TEST(KeptRecords, TheShapeReadStaysWithItsRecord) {
    KeptRecords kept(Layout::Before, [](int, QStringList&) {});
    kept.start(SplitLines("h\n3\na\nb\nc\n"), LineEnds());
    for (const int line : {2, 3, 4})
        kept.add(line, line + 1, line != 3);
    kept.finish();
    kept.insert(0);
    kept.remove(1);
    EXPECT_EQ((QList<bool>{kept.sound(0), kept.sound(1), kept.sound(2)}),
              (QList<bool>{true, false, true}));
}

} // namespace
