#include "module_system/modPythonItems.h"

#include "module_system/modPythonFiles.h"

PythonLines PyItemLines;
int PyItemMax = -1;
int PyItemHardwired = 0;
PythonLines PyItemTail;

namespace {
// The file as the last load read it, for the save.
PythonSource Source;
const QString FileName = QStringLiteral("module_items.py");
// The table as a save writes it: what an element's file line is told for too.
PythonLines Saved() {
    return PyItemLines.head(PyItemMax + 1) + PyItemTail;
}
} // namespace

bool LoadPythonItems() {
    PythonTable table;
    const bool ok =
        LoadPythonTable(FileName, ItemListFormat, table, QStringLiteral("LoadPythonItems"));
    PyItemLines = table.lines;
    PyItemMax = int(PyItemLines.size()) - 1;
    PyItemHardwired = table.hardwired;
    PyItemTail = table.tail;
    Source = std::move(table.source);
    return ok;
}

bool SavePythonItems() {
    if (!SavePythonFile(FileName, QStringLiteral("module_items_"), QStringLiteral("Items saved..."),
                        Saved(), Source, QStringLiteral("SavePythonItems")))
        return false;
    PyItemLines.markRead();
    PyItemTail.markRead(PyItemMax + 1);
    return true;
}

PythonCoding PyItemCoding() {
    return PythonSaveCoding(Source, PyItemLines);
}

int PyItemFileLine(int element) {
    return PythonElementFileLine(Source, Saved(), element);
}
