#include "ms_editors/items/PythonItemLists.h"

#include "module_system/PythonText.h"
#include "ms_editors/items/PythonItemEntry.h"

#include <algorithm>

namespace {

int lastIndex(const QStringList& lines, int max) {
    return std::min<int>(max, int(lines.size()) - 1);
}

// For each line of 0 to max, its entry's number among all entries from 1, or
// 0 when the line holds no entry.
QList<int> EntryNumbers(const QStringList& lines, int max) {
    QList<int> numbers(lastIndex(lines, max) + 1, 0);
    int number = 0;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (IsPythonEntry(lines[i], ItemRows.opener))
            numbers[i] = ++number;
    }
    return numbers;
}

// The checks both refusals share, in the order the editor asks them.
PythonItemRefusal CheckStoredEntry(const QStringList& lines, int hardwired, int line) {
    const bool stored = line >= 0 && line < lines.size();
    if (stored && line <= hardwired)
        return PythonItemRefusal::Hardwired;
    // The id stored in the table counts, not what the id box holds now.
    if (stored && PythonEntryId(lines[line]) == QStringLiteral("items_end"))
        return PythonItemRefusal::ItemsEnd;
    if (!stored || !IsPythonEntry(lines[line], ItemRows.opener))
        return PythonItemRefusal::NoEntry;
    return PythonItemRefusal::None;
}

} // namespace

PythonEntryRows BuildPythonItemRows(const QStringList& lines, int max, const QString& lowerFilter) {
    // A filtered row keeps the number its entry has in the full list.
    return BuildPythonEntryRows(lines, max, ItemRows, lowerFilter, RowNumbers::FullList);
}

PythonItemTypeFilter FilterPythonItemsByType(const QStringList& lines, int max, const QString& type,
                                             QStringList& flagRows) {
    PythonItemTypeFilter result;
    const int typeRow = int(flagRows.mid(0, PythonItemTypeCount).indexOf(type));
    const QList<int> numbers = EntryNumbers(lines, max);
    for (int i = 0; i < numbers.size(); ++i) {
        const int number = numbers[i];
        if (number == 0)
            continue;
        const PythonItemParse parsed = ParsePythonItem(lines[i]);
        if (!parsed.flagsFound)
            result.flagsNotFound.append(i);
        const QList<int> chosen = SelectPythonItemNames(flagRows, parsed.item.flags);
        if (typeRow >= 0 && chosen.contains(typeRow))
            result.rows.append(PythonEntryRow(ItemRows, number, PythonEntryId(lines[i]),
                                              PythonEntryName(lines[i])),
                               i);
    }
    return result;
}

PythonItemRefusal CheckPythonItemDelete(const QStringList& lines, int hardwired, int line) {
    const PythonItemRefusal refusal = CheckStoredEntry(lines, hardwired, line);
    if (refusal == PythonItemRefusal::None && !IsOnePythonEntry(lines[line], ItemRows.opener))
        return PythonItemRefusal::NotWhole;
    return refusal;
}

PythonItemRefusal CheckPythonItemTemplate(const QStringList& lines, int hardwired, int line) {
    const PythonItemRefusal refusal = CheckStoredEntry(lines, hardwired, line);
    if (refusal == PythonItemRefusal::None && !ParsePythonItem(lines[line]).complete)
        return PythonItemRefusal::Unreadable;
    return refusal;
}
