#pragma once

#include "platform/TextFile.h"
#include "textfiles/FileHead.h"
#include "textfiles/KeptRecords.h"
#include "textfiles/LoadNotes.h"

#include <QString>
#include <QStringList>

#include <optional>

// The load and the save of a compiled file of records that a save gives back
// line for line (troops.txt, item_kinds1.txt), each file described by a
// RecordFile.
//
// A record begins at any line that begins one (RecordFile::beginsRecord),
// whatever stands before it. Every line is kept where it stands (KeptRecords):
// the user is told of the lines that belong to no record and of every record
// whose lines are out of shape (a line split in two, lost, emptied or put in
// by a hand edit, a count damaged), which its editor shows as unreadable and
// never rebuilds. The lines a record whose first line was emptied or lost
// leaves between the records around it are held as that record, out of shape,
// in its place, so that the count and every later record's number stay.

// A record just read into the tables: the line after its last (counted from
// 0), and what is out of shape in it, told for it; empty when nothing is.
struct RecordRead {
    qsizetype end = 0;
    QString damage;
};

// What the load and the save know of a file: its words, its tables and the
// shape of its records.
struct RecordFile {
    TextFileFormat format;
    HeldRecordWords words;
    QString loadProc;   // "LoadTextTroops"
    QString saveProc;   // "SaveTextTroops"
    QString savedTitle; // "Troops saved..."
    // The most records the game reads: a file that holds more is told so and
    // kept whole, and the load reports failure 9. 0 when nothing is told.
    int gameLimit = 0;
    // Whether a count line the save corrects after a line 2 of no number ends
    // with a blank, as the game writes it (CountLineFor).
    bool countBlankAfter = false;

    // Lines 1 and 2 as the last load read them, and whether the editor reads
    // the file as its own: replaced by each load before any record is read.
    FileHead* head = nullptr;
    // The lines as read, which the save gives back where nothing changed.
    KeptRecords* kept = nullptr;
    // The ids of the records read so far, which name the place of a line of
    // no record.
    const QStringList* ids = nullptr;

    // Empties the tables.
    void (*clearTables)() = nullptr;
    bool (*beginsRecord)(const QString& line) = nullptr;
    // Appends the record that begins on line `first` (counted from 0) to the
    // tables, its damage told in the words of `notes`.
    RecordRead (*readRecord)(const QStringList& lines, qsizetype first,
                             const LoadNotes& notes) = nullptr;
    // The line after the lines from `at` on, up to `to` at the most, when they
    // take the shape of the lines of a record after its first: what a record
    // whose first line was emptied or lost leaves. The game writes no such
    // lines outside a record.
    std::optional<qsizetype> (*tailEnd)(const QStringList& lines, qsizetype at,
                                        qsizetype to) = nullptr;
    // Appends the record held from lines `first` (its first line, when it is
    // not `at`) and `at` on, as tailEnd found them, to the tables.
    void (*holdRecord)(const QStringList& lines, qsizetype first, qsizetype at,
                       const LoadNotes& notes) = nullptr;
    // When a line of no record (`line`, line `at` counted from 0) stands right
    // after a record found sound, what that tells of it: a count of it that
    // announced fewer lines than it has. Null when it tells nothing.
    QString (*cutShortNote)(const LoadNotes& notes, qsizetype at, const QString& line) = nullptr;
    // Ends the load of the tables, `found` records read.
    void (*loaded)(int found) = nullptr;
};

// Replaces the tables by the file in ModuleFolder; reports a file that cannot
// be read (and returns false), and failure 9 for more records than the game
// reads. Lines that belong to no record (the first five by line number and
// text, and how many) and records whose lines are out of shape are told in a
// box of their own, by line number and record, then a count line that
// disagrees with the records found. A file the editor does not read as its
// own (ReadCountHead) is told so in one box, and nothing else of it.
bool LoadRecordFile(const RecordFile& file);
// The count line a save writes for `count` records: line 2 as read (`head`)
// while it holds that number, or else that number (CountLineFor).
QString RecordCountLine(const RecordFile& file, int count);
// Offers the backup, writes the file from line 1 as read, the count line for
// the tables' `count` records (RecordCountLine) and the lines kept, and
// reports; returns whether the file now holds them. A file the last load did
// not read as the editor's own (`head`) is not written, nor one whose kept
// lines are out of step with the tables (failure 9).
bool SaveRecordFile(const RecordFile& file, int count);
