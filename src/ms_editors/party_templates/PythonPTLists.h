#pragma once

#include "module_system/PythonEntryLists.h"

#include <QString>
#include <QStringList>

// The template list and the member troop boxes of the party-template editor.
// Rows carry the table index of their entry (PythonEntryRows), so a row finds
// its own entry also among templates that share an id.

// Whether a table element is a template entry: "(" and a double quote open it.
bool IsPythonPTEntry(const QString& element);

// A row of the template list: "<n>. <id>".
QString PythonPTRow(int number, const QString& id);

// One row per template entry of lines 0 to max, numbered from 1.
PythonEntryRows BuildPythonPTRows(const QStringList& lines, int max);

// The table index of the entry behind a row; -1 when the row does not exist
// or its element is no template entry any more (nothing to show or update).
int FindPythonPTLine(const PythonEntryRows& rows, int row, const QStringList& lines);

// The rows of each member troop box: "none", then "trp_" and the id of every
// troop entry of the troop table's lines 0 to max.
QStringList PythonPTTroopRows(const QStringList& troopLines, int troopMax);
