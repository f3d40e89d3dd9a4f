#pragma once

#include "ms_editors/party_templates/PythonPTEntry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Changes of the party-template table as a whole: adding, deleting and
// rewriting template entries, keeping the last index and the last-entry
// marker current.

// The id and the name a new template starts with.
inline const QString NewPythonPTId = QStringLiteral("new_party_template_1");
inline const QString NewPythonPTName = QStringLiteral("New Party Template");

// A copy of `model` with the new id and name: what the form shows in add mode.
PythonPT NewPythonPT(const PythonPT& model);

// Why a shown template may not serve as a model or be deleted.
enum class PythonPTRefusal {
    None,
    Hardwired,    // it lies at or above the hard-wired marker
    NoSelection,  // no row is selected or the row has no entry
    Unreadable,   // model only: it could not be read completely
    NotOneElement // delete only: the loader could not join it into one element
};

// Whether the template at table index `line` (-1: none shown), selected as
// list row `row` (-1: none), may be the model of a new one.
PythonPTRefusal CheckPythonPTModel(int line, int hardwired, int row, bool complete);
// Whether the template at `line`, selected as `row`, may be deleted: deleting
// part of an entry would leave its other lines behind and break the file.
PythonPTRefusal CheckPythonPTDelete(const QStringList& lines, int line, int hardwired, int row);

// Where a new template goes "at the end of the list": behind the last-entry
// marker when it marks a template entry, else behind the last template entry
// of lines 0 to max; -1 when there is none.
int PythonPTEndPosition(const QStringList& lines, int max, int lastEntry);

// Inserts `entry` at index `at` (max + 1 appends); max grows by 1, and the
// last-entry marker follows its entry or marks the new one behind it.
void InsertPythonPTEntry(QStringList& lines, int& max, int& lastEntry, int at,
                         const QString& entry);
// Removes the element at `index`; max falls by 1, the last-entry marker too
// when the element stood at or above it.
void DeletePythonPTEntry(QStringList& lines, int& max, int& lastEntry, int index);

enum class PythonPTIdProblem { None, Empty, Used };
// Whether a new template may take this id: not empty, and no template entry of
// lines 0 to max has exactly this id (a longer id containing it does not count).
PythonPTIdProblem CheckNewPythonPTId(const QStringList& lines, int max, const QString& id);

// The parse-and-build step of the rewrite: the element as the editor writes it
// when shown and updated unchanged; none when it is no complete template entry.
std::optional<QString> RewrittenPythonPTEntry(const QString& element);

struct PythonPTRewrite {
    int rewritten = 0;
    int skipped = 0; // rows without an entry or with one that could not be read completely
};

// Rewrites the entries behind rows 1 to the last of the template list (row 0
// stays as it is); what it cannot read is left as it was and counted.
PythonPTRewrite RewriteAllPythonPTs(QStringList& lines, const QList<int>& rowLines);
