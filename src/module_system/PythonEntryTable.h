#pragma once

#include "module_system/modPythonFiles.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Changes of a module-system table as a whole: inserting and deleting an
// entry with the table's markers kept current, where "at the end of the list"
// is, and the rewrite-all pass. Every module-system editor changes its table
// through these.

// Inserts `entry` at index `at` (max + 1 appends); max grows by 1, and so does
// the last-entry marker when the table has one (`lastEntry`), unless the entry
// goes behind it and becomes the last entry itself.
void InsertPythonEntry(PythonLines& lines, int& max, int at, const QString& entry,
                       int* lastEntry = nullptr);

// Removes the entry at `index`; max falls by 1, and the last-entry marker
// when the entry lay at or before it. Refuses (returns false, changes nothing)
// an element that is not exactly one entry (IsOnePythonEntry): removing the
// first line of an entry the loader could not join would leave the rest of it
// behind, and removing a line of two entries would take the other one along.
bool DeletePythonEntry(PythonLines& lines, int& max, int index, QChar opener,
                       int* lastEntry = nullptr);

// Why the shown entry may not serve as the model of a new one or be deleted.
enum class PythonEntryRefusal {
    None,
    Hardwired,    // it lies at or above the hard-wired marker
    NoSelection,  // no row is selected or the row has no entry
    Unreadable,   // model only: it could not be read completely
    NotOneElement // delete only: it is not exactly one entry (IsOnePythonEntry)
};
// Whether the entry at table index `line` (-1: none shown), selected as list
// row `row` (-1: none) and read completely or not (`complete`), may be the
// model of a new one.
PythonEntryRefusal CheckPythonEntryModel(int line, int hardwired, int row, bool complete);
// Whether the entry at `line`, selected as `row`, may be deleted: deleting
// part of an entry would leave its other lines behind and break the file, and
// deleting a line of two entries would take the other one along.
PythonEntryRefusal CheckPythonEntryDelete(const QStringList& lines, int line, int hardwired,
                                          int row, QChar opener);

// Where an entry added "at the end of the list" goes: behind the last entry,
// which is the element `marker` or, when that is no entry (after a delete,
// comment and blank lines may stand there), the nearest entry before it (the
// last entry of the table when none stands before it). In a list closed by an
// end entry (format.endId, "items_end"), directly before the last such entry
// at or before `marker` instead. -1 when the table holds no entry.
int PythonEndInsertLine(const QStringList& lines, int max, int marker,
                        const PythonListFormat& format);

// One entry of a rewrite-all pass: given the entry's element, the text the
// editor stores after showing the entry and updating it unchanged, or nothing
// to leave it as it was (it cannot be read completely). A step gives the
// element itself back when the entry reads back with the fields it has, so
// that it keeps its lines as written. A step may change other elements (an
// upgrade line), never the number of elements.
using PythonRewriteStep = std::function<std::optional<QString>(int line, const QString& entry)>;

struct PythonRewriteResult {
    int rewritten = 0;
    int unchanged = 0; // read back with the same fields, left as they were
    int skipped = 0;   // could not be read completely, left as they were
};

// Runs `step` over the entries behind rows 1 to the last of a full list (row 0
// is left alone, as the editors' scans have always done) and stores what it
// gives. Rows whose element is no entry any more count as skipped.
PythonRewriteResult RewriteAllPythonEntries(PythonLines& lines, int max, const QList<int>& rowLines,
                                            QChar opener, const PythonRewriteStep& step);
