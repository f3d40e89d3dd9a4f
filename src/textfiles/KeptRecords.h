#pragma once

#include "platform/TextFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

// What a save of a file of records (troops.txt, item_kinds1.txt) gives back as
// it was read. The load keeps every line of the file with its own line end,
// and for each record the lines it was read from (its source), the layout
// line the game writes beside it (an empty line before a troop, after an
// item), the lines before it that belong to no record (its lead), and its
// lines as the tables held them after the load (its snapshot). A save writes
// each lead and layout line as read, and each record's source as read while
// its table lines equal its snapshot; a changed record is written as rebuilt
// from the tables, a rebuilt line equal to its source line keeping that line's
// end. The lines after the last record (the tail) go back as read. A save
// without a change therefore gives the file back byte for byte, damaged or not.
// The keeper reads and writes no file: the loaders and savers do.
class KeptRecords {
public:
    enum class Layout { Before, After };
    // Gives the lines of record i as the tables hold them now, into `lines`.
    using Rebuild = std::function<void(int i, QStringList& lines)>;

    // `rebuild` gives the records' lines whenever a snapshot is taken and
    // whenever they are written.
    KeptRecords(Layout layout, Rebuild rebuild) : m_layout(layout), m_rebuild(std::move(rebuild)) {}

    Layout layout() const { return m_layout; }
    // How the characters of the file's lines are its bytes, as read: what
    // typed text must fit to be saved.
    TextCoding coding() const { return m_read.coding; }

    // The first of the lines from `from` up to `to` that is not the layout
    // line of a record ending at `from` (when `recordBefore`): in a file
    // whose records have theirs after them, an empty line right after a
    // record is that record's, not a line of no record nor where the next
    // record's first line stood.
    qsizetype pastLayoutAfter(qsizetype from, qsizetype to, bool recordBefore) const;

    // Starts over with the lines of a file as read, and how they end; the
    // records follow lines 1 and 2 (the header and the count line).
    void start(const QStringList& lines, const LineEnds& ends);
    // The next record, read from lines `first` up to, not including, `end`
    // (counted from 0); the lines since the previous one are its lead.
    // `sound`: whether it was read in the shape the game writes its records.
    void add(qsizetype first, qsizetype end, bool sound = true);
    // Ends the load: the lines after the last record are the tail, and every
    // record's snapshot is taken from the tables.
    void finish();

    // Record `at` is new (inserted in front of record `at`, or after the
    // last): it has no lines of its own, the game's layout line in the file's
    // usual line end, and the shape the tables give it.
    void insert(int at);
    // Record `at` is gone with its source and layout line; the lines of its
    // lead stay where they stood, in front of the next record or in the tail.
    void remove(int at);

    // Whether record i was read in the shape the game writes its records (a
    // record new since the load was).
    bool sound(int i) const { return m_records.value(i).sound; }

    // The lines to write and how each ends: `header` and `countLine` as lines
    // 1 and 2, then the `count` records as described above, then the tail.
    // A `count` other than the records kept means that the tables changed
    // without telling these lines (insert, remove): nothing is written, and
    // false returned, as no save could then put each record where it belongs.
    bool write(const QString& header, const QString& countLine, int count, QStringList& lines,
               LineEnds& ends) const;

private:
    struct Record {
        QList<qsizetype> lead; // line numbers (from 0)
        qsizetype layout = New;
        qsizetype first = 0;
        qsizetype end = 0;
        QStringList snapshot;
        bool sound = true;
    };
    static constexpr qsizetype None = -1; // no layout line
    static constexpr qsizetype New = -2;  // a layout line of our own

    // The lines after the last record added, up to `to`, without its layout
    // line, which it takes (pastLayoutAfter): where the lines of no record
    // after it begin.
    qsizetype keepLayoutAfter(qsizetype to);
    void keepLine(qsizetype line, QStringList& lines, LineEnds& ends) const;

    Layout m_layout;
    Rebuild m_rebuild;
    QStringList m_lines;
    QList<LineEnd> m_ends;
    LineEnds m_read;      // how the file's lines end and its coding, but for `each`
    qsizetype m_next = 0; // the first line after the last record added
    QList<Record> m_records;
    QList<qsizetype> m_tail;
};
