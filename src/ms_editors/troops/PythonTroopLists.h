#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rows of a list of module-system entries (troops or items) and, for each
// row, the table index of the entry behind it, so a selected row always finds
// its own entry, also among entries that share an id.
struct PythonEntryRows {
    QStringList texts;
    QList<int> lines;

    int count() const { return int(texts.size()); }
    void append(const QString& text, int line) {
        texts.append(text);
        lines.append(line);
    }
};

// Whether a table element is a list entry: it opens with `opener` ("[" for
// troops and items, "(" for party templates) and a double quote.
bool IsPythonEntry(const QString& element, QChar opener = u'[');
// The id and the name of an entry: its first and second string.
QString PythonEntryId(const QString& element);
QString PythonEntryName(const QString& element);

// A row of the troop or item list: "<n>. <prefix><id> (<name>)".
QString PythonEntryRow(int number, const QString& prefix, const QString& id, const QString& name);

// One row per entry of lines 0 to max, numbered from 1, with `prefix` ("trp_",
// "itm_") before the id. With a filter, only the entries whose id or name
// contains it, case ignored (the filter is expected in lower case).
PythonEntryRows BuildPythonEntryRows(const QStringList& lines, int max, const QString& prefix,
                                     const QString& lowerFilter = QString());

// The ids of every entry of lines 0 to max, in table order, duplicates kept.
QStringList PythonEntryIds(const QStringList& lines, int max);

// The table index of the entry behind a row of the troop list; -1 when the row
// does not exist or its element is no entry any more.
int FindPythonTroopLine(const PythonEntryRows& rows, int row, const QStringList& lines);

// Table index of the last entry of lines 0 to max, or -1 when there is none.
int LastPythonEntry(const QStringList& lines, int max, QChar opener = u'[');
