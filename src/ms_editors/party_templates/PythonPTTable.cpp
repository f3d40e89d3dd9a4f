#include "ms_editors/party_templates/PythonPTTable.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonText.h"

#include <algorithm>

PythonPT NewPythonPT(const PythonPT& model) {
    PythonPT pt = model;
    pt.id = NewPythonPTId;
    pt.name = NewPythonPTName;
    pt.computedName = false; // the new name is a plain string
    // A remark behind the model speaks of the model.
    pt.trailer.clear();
    return pt;
}

PythonPTRefusal CheckPythonPTModel(int line, int hardwired, int row, bool complete) {
    return CheckPythonEntryModel(line, hardwired, row, complete);
}

PythonPTRefusal CheckPythonPTDelete(const QStringList& lines, int line, int hardwired, int row) {
    return CheckPythonEntryDelete(lines, line, hardwired, row, PartyTemplateRows.opener);
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
