#include "ms_editors/party_templates/PythonPTTable.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonText.h"

#include <algorithm>

namespace {

bool isTemplateAt(const QStringList& lines, int line) {
    return line >= 0 && line < lines.size() && IsPythonEntry(lines[line], PartyTemplateRows.opener);
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
    // A remark behind the model speaks of the model.
    pt.trailer.clear();
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
    return IsOnePythonEntry(lines[line], PartyTemplateRows.opener) ? PythonPTRefusal::None
                                                                   : PythonPTRefusal::NotOneElement;
}

PythonPTIdProblem CheckNewPythonPTId(const QStringList& lines, int max, const QString& id) {
    if (id.isEmpty())
        return PythonPTIdProblem::Empty;
    return PythonIdUsed(lines, max, id, PartyTemplateRows.opener) ? PythonPTIdProblem::Used
                                                                  : PythonPTIdProblem::None;
}

std::optional<QString> RewrittenPythonPTEntry(const QString& element) {
    if (!IsPythonEntry(element, PartyTemplateRows.opener))
        return std::nullopt;
    const PythonPTParse parsed = ParsePythonPT(element);
    if (!parsed.complete)
        return std::nullopt;
    // What reads back with the same fields is no change: the entry keeps its
    // lines, comments and layout.
    const QString text = BuildPythonPTEntry(parsed.pt);
    if (ParsePythonPT(text).pt == parsed.pt)
        return element;
    return text;
}
