#include "ms_editors/party_templates/PythonPTTable.h"

#include "ms_editors/party_templates/PythonPTLists.h"
#include "module_system/PythonText.h"

#include <algorithm>

namespace {

bool isTemplateAt(const QStringList& lines, int line) {
    return line >= 0 && line < lines.size() && IsPythonPTEntry(lines[line]);
}

PythonPTRefusal commonRefusal(int line, int hardwired, int row) {
    if (line >= 0 && line <= hardwired)
        return PythonPTRefusal::Hardwired;
    if (line < 0 || row < 0)
        return PythonPTRefusal::NoSelection;
    return PythonPTRefusal::None;
}

} // namespace

PythonPT NewPythonPT(const PythonPT& model) {
    PythonPT pt = model;
    pt.id = NewPythonPTId;
    pt.name = NewPythonPTName;
    return pt;
}

PythonPTRefusal CheckPythonPTModel(int line, int hardwired, int row, bool complete) {
    const PythonPTRefusal refusal = commonRefusal(line, hardwired, row);
    if (refusal != PythonPTRefusal::None)
        return refusal;
    return complete ? PythonPTRefusal::None : PythonPTRefusal::Unreadable;
}

PythonPTRefusal CheckPythonPTDelete(const QStringList& lines, int line, int hardwired, int row) {
    const PythonPTRefusal refusal = commonRefusal(line, hardwired, row);
    if (refusal != PythonPTRefusal::None)
        return refusal;
    if (!isTemplateAt(lines, line))
        return PythonPTRefusal::NoSelection;
    const QString& element = lines[line];
    return PythonBracketEnd(element, element.indexOf(u'(')) < 0 ? PythonPTRefusal::NotOneElement
                                                                : PythonPTRefusal::None;
}

int PythonPTEndPosition(const QStringList& lines, int max, int lastEntry) {
    if (lastEntry <= max && isTemplateAt(lines, lastEntry))
        return lastEntry + 1;
    const int last = LastPythonEntry(lines, max, u'(');
    return last < 0 ? -1 : last + 1;
}

void InsertPythonPTEntry(QStringList& lines, int& max, int& lastEntry, int at,
                         const QString& entry) {
    at = std::clamp<int>(at, 0, int(lines.size()));
    lines.insert(at, entry);
    ++max;
    lastEntry = at > lastEntry ? at : lastEntry + 1;
}

void DeletePythonPTEntry(QStringList& lines, int& max, int& lastEntry, int index) {
    if (index < 0 || index >= lines.size())
        return;
    lines.removeAt(index);
    --max;
    if (index <= lastEntry)
        --lastEntry;
}

PythonPTIdProblem CheckNewPythonPTId(const QStringList& lines, int max, const QString& id) {
    if (id.isEmpty())
        return PythonPTIdProblem::Empty;
    const int last = std::min<int>(max, int(lines.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        if (IsPythonPTEntry(lines[i]) && PythonEntryId(lines[i]) == id)
            return PythonPTIdProblem::Used;
    }
    return PythonPTIdProblem::None;
}

std::optional<QString> RewrittenPythonPTEntry(const QString& element) {
    if (!IsPythonPTEntry(element))
        return std::nullopt;
    const PythonPTParse parsed = ParsePythonPT(element);
    if (!parsed.complete)
        return std::nullopt;
    // Built from fields read in full, the entry reads back in full (the tests
    // hold the codec to that), so it is not parsed a second time here.
    return BuildPythonPTEntry(parsed.pt);
}

PythonPTRewrite RewriteAllPythonPTs(QStringList& lines, const QList<int>& rowLines) {
    PythonPTRewrite result;
    for (qsizetype k = 1; k < rowLines.size(); ++k) {
        const int line = rowLines[k];
        const std::optional<QString> entry =
            line >= 0 && line < lines.size() ? RewrittenPythonPTEntry(lines[line]) : std::nullopt;
        if (!entry) {
            ++result.skipped;
            continue;
        }
        lines[line] = *entry;
        ++result.rewritten;
    }
    return result;
}
