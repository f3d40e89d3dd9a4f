#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The record lists of the text editors (troops, items, parties, factions,
// party templates), apart from any window: the rows, their caption, the text
// filter's matches, and the record a row of a filtered list stands for.

// "i.  id  (name)": the row of record i.
QString RecordRow(int i, const QString& id, const QString& name);
// "List of Troops (9 + entry 0)": `caption` and the index of the last record.
QString ListCaption(const QString& caption, int max);

// The records `first` to `last` whose name, or else id, contains `filter`;
// upper and lower case differ.
QList<int> MatchingRecords(const QStringList& names, const QStringList& ids, int first, int last,
                           const QString& filter);

// The record a row stands for by the number in front of it: the text before
// the row's first blank without its last character ("12.  trp_x  (X)" gives
// 12). No value when that is no number from 0 to `max`.
std::optional<int> RecordOfRow(const QString& row, int max);
