#pragma once

#include "platform/TextFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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
class KeptRecords {
public:
    enum class Layout { Before, After };
    // Gives the lines of record i as the tables hold them now, into `lines`.
    using Rebuild = std::function<void(int i, QStringList& lines)>;

    explicit KeptRecords(Layout layout) : m_layout(layout) {}

    // Starts over with the lines of a file as read, and how they end; the
    // records follow lines 1 and 2 (the header and the count line).
    void start(const QStringList& lines, const LineEnds& ends);
    // Reads `fileName` from ModuleFolder into `lines` and starts over with
    // them; `ends` learns how the file's lines end, and its coding, for the
    // tables' own lines. A file that cannot be read (failure raised) leaves
    // no record and no version read; returns whether it was read.
    bool read(const QString& fileName, QStringList& lines, LineEnds& ends, const Rebuild& rebuild,
              PendingFailure& failure);
    // The next record, read from lines `first` up to, not including, `end`
    // (counted from 0); the lines since the previous one are its lead.
    void add(qsizetype first, qsizetype end);
    // Ends the load: the lines after the last record are the tail, and every
    // record's snapshot is taken from the tables.
    void finish(const Rebuild& rebuild);

    // Record `at` is new (inserted in front of record `at`, or appended): it
    // has no lines of its own, and the game's layout line in the file's usual
    // line end.
    void insert(int at);
    // Record `at` is gone with its source and layout line; the lines of its
    // lead stay where they stood, in front of the next record or in the tail.
    void remove(int at);

    // The lines to write and how each ends: `header` and `countLine` as lines
    // 1 and 2, then `count` records as described above (records the load did
    // not keep count as new), then the tail.
    void write(const QString& header, const QString& countLine, int count, const Rebuild& rebuild,
               QStringList& lines, LineEnds& ends) const;
    // Writes them to `fileName` in ModuleFolder through SaveModuleTextFile.
    bool save(const QString& fileName, const QString& header, const QString& countLine, int count,
              const Rebuild& rebuild, const QString& savedTitle, const QString& procName) const;

private:
    struct Record {
        QList<qsizetype> lead; // line numbers (from 0)
        qsizetype layout = New;
        qsizetype first = 0;
        qsizetype end = 0;
        QStringList snapshot;
    };
    static constexpr qsizetype None = -1; // no layout line
    static constexpr qsizetype New = -2;  // a layout line of our own

    void keepLine(qsizetype line, QStringList& lines, LineEnds& ends) const;
    // Takes the lines from `from` up to `to` as a lead (or the tail), the
    // layout line of the record before or after them split off.
    QList<qsizetype> takeGap(qsizetype from, qsizetype to, qsizetype& layoutBefore,
                             qsizetype& layoutAfter) const;

    Layout m_layout;
    QStringList m_lines;
    QList<LineEnd> m_ends;
    LineEnds m_read;      // how the file's lines end and its coding, but for `each`
    qsizetype m_next = 0; // the first line after the last record added
    QList<Record> m_records;
    QList<qsizetype> m_tail;
};
