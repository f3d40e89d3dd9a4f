#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The entries of a module-system table as the editors list them: which
// elements are entries, their ids and names, the rows of a list and the way
// back from a row to its element. Every editor lists its entries through these.

// How the entries of one file are told and listed.
struct PythonRowFormat {
    QChar opener;   // an entry opens with this bracket and a double quote
    QString prefix; // written before the id in a row ("trp_", "itm_"), or none
    bool withName;  // rows end in " (name)"
};

// "n. trp_id (name)", "n. itm_id (name)" and "n. id".
extern const PythonRowFormat TroopRows;
extern const PythonRowFormat ItemRows;
extern const PythonRowFormat PartyTemplateRows;

// The rows of a list of entries and, for each row, the table index of the
// entry behind it, so a selected row always finds its own entry, also among
// entries that share an id.
struct PythonEntryRows {
    QStringList texts;
    QList<int> lines;

    int count() const { return int(texts.size()); }
    void append(const QString& text, int line) {
        texts.append(text);
        lines.append(line);
    }
    // An element inserted into the table at `line` moves the entries from
    // there on one index down; the rows follow them.
    void elementInserted(int line) {
        for (int& l : lines) {
            if (l >= line)
                ++l;
        }
    }
};

// Whether a table element is a list entry: blanks and tabs, the entry's
// opening bracket, blanks and tabs, then a double quote.
bool IsPythonEntry(QStringView element, QChar opener);
// The id and the name of an entry: its first and second string.
QString PythonEntryId(QStringView element);
QString PythonEntryName(const QString& element);

// A row in `format`: "<n>. <prefix><id>" and, with names, " (<name>)".
QString PythonEntryRow(const PythonRowFormat& format, int number, const QString& id,
                       const QString& name);

// How the rows of a filtered list are numbered: by their place in the
// filtered list, or by the number the entry has in the full list.
enum class RowNumbers { ListPlace, FullList };

// One row per entry of lines 0 to max, numbered from 1. With a filter, only
// the entries whose id or name contains it, case ignored (the filter is
// expected in lower case).
PythonEntryRows BuildPythonEntryRows(const QStringList& lines, int max,
                                     const PythonRowFormat& format,
                                     const QString& lowerFilter = QString(),
                                     RowNumbers numbers = RowNumbers::ListPlace);

// What an id box keeps of the text typed into it: lower case, without the
// `prefix` a row writes before the id ("trp_").
QString TypedPythonId(const QString& typed, const QString& prefix);

// The ids of every entry of lines 0 to max, in table order, duplicates kept.
QStringList PythonEntryIds(const QStringList& lines, int max, QChar opener);
// Whether an entry of lines 0 to max has exactly this id (the whole id, not a part of it).
bool PythonIdUsed(const QStringList& lines, int max, const QString& id, QChar opener);

// The table index of the entry behind a row; -1 when the row does not exist
// or its element is no entry any more.
int FindPythonEntryLine(const PythonEntryRows& rows, int row, const QStringList& lines,
                        QChar opener);

// Table index of the last entry of lines 0 to max, or -1 when there is none.
int LastPythonEntry(const QStringList& lines, int max, QChar opener);
