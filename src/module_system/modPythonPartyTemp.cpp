#include "module_system/modPythonPartyTemp.h"

#include "module_system/modPythonFiles.h"

PythonLines PyPTLines;
int PyPTMax = -1;
int PyPTLastEntry = 0;
int PyPTHardwired = 0;

namespace {
// The file as the last load read it, for the save.
PythonSource Source;
const QString FileName = QStringLiteral("module_party_templates.py");
// The table as a save writes it: what an element's file line is told for too.
PythonLines Saved() {
    return PyPTLines.head(PyPTMax + 1);
}
} // namespace

bool LoadPythonPT() {
    PythonTable table;
    const bool ok =
        LoadPythonTable(FileName, PartyTemplateListFormat, table, QStringLiteral("LoadPythonPT"));
    PyPTLines = table.lines;
    PyPTMax = int(PyPTLines.size()) - 1;
    PyPTLastEntry = table.lastEntry;
    PyPTHardwired = table.hardwired;
    Source = std::move(table.source);
    return ok;
}

bool SavePythonPT() {
    // This backup name has no "_" between the stem and the date.
    if (!SavePythonFile(FileName, QStringLiteral("module_party_templates"),
                        QStringLiteral("Party Templates saved..."), Saved(), Source,
                        QStringLiteral("SavePythonPT")))
        return false;
    PyPTLines.markRead();
    return true;
}

PythonCoding PyPTCoding() {
    return PythonSaveCoding(Source, PyPTLines);
}

int PyPTFileLine(int element) {
    return PythonElementFileLine(Source, Saved(), element);
}
