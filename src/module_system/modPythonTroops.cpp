#include "module_system/modPythonTroops.h"

#include "module_system/modPythonFiles.h"

PythonLines PyTroopLines;
int PyTroopMax = -1;
int PyTroopLastEntry = 0;
int PyTroopHardwired = 0;

namespace {
// The file as the last load read it, for the save.
PythonSource Source;
const QString FileName = QStringLiteral("module_troops.py");
// The table as a save writes it: what an element's file line is told for too.
PythonLines Saved() {
    return PyTroopLines.head(PyTroopMax + 1);
}
} // namespace

bool LoadPythonTroops() {
    PythonTable table;
    const bool ok =
        LoadPythonTable(FileName, TroopListFormat, table, QStringLiteral("LoadPythonTroops"));
    PyTroopLines = table.lines;
    PyTroopMax = int(PyTroopLines.size()) - 1;
    PyTroopLastEntry = table.lastEntry;
    PyTroopHardwired = table.hardwired;
    Source = std::move(table.source);
    return ok;
}

bool SavePythonTroops() {
    if (!SavePythonFile(FileName, QStringLiteral("module_troops_"),
                        QStringLiteral("Troops saved..."), Saved(), Source,
                        QStringLiteral("SavePythonTroops")))
        return false;
    PyTroopLines.markRead();
    return true;
}

PythonCoding PyTroopCoding() {
    return PythonSaveCoding(Source, PyTroopLines);
}

int PyTroopFileLine(int element) {
    return PythonElementFileLine(Source, Saved(), element);
}
