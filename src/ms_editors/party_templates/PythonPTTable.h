#pragma once

#include "module_system/PythonEntryTable.h"
#include "ms_editors/party_templates/PythonPTEntry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the party-template editor adds to the changes every module-system
// table shares (module_system/PythonEntryTable.h: insert, delete, the "at the
// end" position, the rewrite-all driver): its refusals, its new template, its
// id check and its rewrite step.

// The id and the name a new template starts with.
inline const QString NewPythonPTId = QStringLiteral("new_party_template_1");
inline const QString NewPythonPTName = QStringLiteral("New Party Template");

// A copy of `model` with the new id and name and without the remark behind
// it: what the form shows in add mode.
PythonPT NewPythonPT(const PythonPT& model);

// Why a shown template may not serve as a model or be deleted, and the checks
// (CheckPythonEntryModel and CheckPythonEntryDelete over the template list).
using PythonPTRefusal = PythonEntryRefusal;
PythonPTRefusal CheckPythonPTModel(int line, int hardwired, int row, bool complete);
PythonPTRefusal CheckPythonPTDelete(const QStringList& lines, int line, int hardwired, int row);

enum class PythonPTIdProblem { None, Empty, Used };
// Whether a new template may take this id: not empty, and no template entry of
// lines 0 to max has exactly this id (a longer id containing it does not count).
PythonPTIdProblem CheckNewPythonPTId(const QStringList& lines, int max, const QString& id);

// The parse-and-build step of the rewrite (RewriteAllPythonEntries): the
// element as the editor writes it when shown and updated unchanged, or the
// element itself when that reads back with the same fields; none when it is no
// complete template entry.
std::optional<QString> RewrittenPythonPTEntry(const QString& element);
