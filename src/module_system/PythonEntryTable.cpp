#include "module_system/PythonEntryTable.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonText.h"

#include <algorithm>

void InsertPythonEntry(PythonLines& lines, int& max, int at, const QString& entry, int* lastEntry) {
    at = std::clamp<int>(at, 0, int(lines.size()));
    lines.insert(at, entry);
    ++max;
    if (lastEntry)
        *lastEntry = std::max(*lastEntry + 1, at);
}

bool DeletePythonEntry(PythonLines& lines, int& max, int index, QChar opener, int* lastEntry) {
    if (index < 0 || index >= lines.size() || !IsOnePythonEntry(lines[index], opener))
        return false;
    lines.removeAt(index);
    --max;
    if (lastEntry && index <= *lastEntry)
        --*lastEntry;
    return true;
}

namespace {

PythonEntryRefusal commonRefusal(int line, int hardwired, int row) {
    if (line >= 0 && line <= hardwired)
        return PythonEntryRefusal::Hardwired;
    if (line < 0 || row < 0)
        return PythonEntryRefusal::NoSelection;
    return PythonEntryRefusal::None;
}

} // namespace

PythonEntryRefusal CheckPythonEntryModel(int line, int hardwired, int row, bool complete) {
    const PythonEntryRefusal refusal = commonRefusal(line, hardwired, row);
    if (refusal != PythonEntryRefusal::None)
        return refusal;
    return complete ? PythonEntryRefusal::None : PythonEntryRefusal::Unreadable;
}

PythonEntryRefusal CheckPythonEntryDelete(const QStringList& lines, int line, int hardwired,
                                          int row, QChar opener) {
    const PythonEntryRefusal refusal = commonRefusal(line, hardwired, row);
    if (refusal != PythonEntryRefusal::None)
        return refusal;
    if (line >= lines.size() || !IsPythonEntry(lines[line], opener))
        return PythonEntryRefusal::NoSelection;
    return IsOnePythonEntry(lines[line], opener) ? PythonEntryRefusal::None
                                                 : PythonEntryRefusal::NotOneElement;
}

int PythonEndInsertLine(const QStringList& lines, int max, int marker,
                        const PythonListFormat& format) {
    const int from = std::min({marker, max, int(lines.size()) - 1});
    if (!format.endId.isEmpty()) {
        for (int i = from; i >= 0; --i) {
            if (IsPythonEntry(lines[i], format.opener) && PythonEntryId(lines[i]) == format.endId)
                return i;
        }
    }
    // A marker before every entry (a table that failed to load, a stale one)
    // must not send the new entry into the header.
    int last = LastPythonEntry(lines, from, format.opener);
    if (last < 0)
        last = LastPythonEntry(lines, max, format.opener);
    return last >= 0 ? last + 1 : -1;
}

PythonRewriteResult RewriteAllPythonEntries(PythonLines& lines, int max, const QList<int>& rowLines,
                                            QChar opener, const PythonRewriteStep& step) {
    PythonRewriteResult result;
    const int last = std::min<int>(max, int(lines.size()) - 1);
    for (qsizetype k = 1; k < rowLines.size(); ++k) {
        const int line = rowLines[k];
        if (line < 0 || line > last || !IsPythonEntry(lines[line], opener)) {
            ++result.skipped;
            continue;
        }
        auto text = step(line, lines[line]);
        if (!text) {
            ++result.skipped;
        } else if (*text == lines[line]) {
            ++result.unchanged;
        } else {
            lines[line] = std::move(*text);
            ++result.rewritten;
        }
    }
    return result;
}
