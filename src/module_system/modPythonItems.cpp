#include "module_system/modPythonItems.h"

#include "module_system/modPythonFiles.h"

QStringList PyItemLines;
int PyItemMax = -1;
int PyItemHardwired = 0;
QStringList PyItemTail;

namespace {
const QString FileName = QStringLiteral("module_items.py");
}

bool LoadPythonItems() {
    PythonTable table;
    const bool ok =
        LoadPythonTable(FileName, ItemListFormat, table, QStringLiteral("LoadPythonItems"));
    PyItemLines = table.lines;
    PyItemMax = int(PyItemLines.size()) - 1;
    PyItemHardwired = table.hardwired;
    PyItemTail = table.tail;
    return ok;
}

bool SavePythonItems() {
    return SavePythonFile(
        FileName, QStringLiteral("module_items_"), QStringLiteral("Items saved..."),
        TableElements(PyItemLines, PyItemMax) + PyItemTail, QStringLiteral("SavePythonItems"));
}
