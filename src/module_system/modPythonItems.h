#pragma once

#include <QStringList>

// module_items.py as lines, every entry of the item list joined into one element.
extern QStringList PyItemLines;
extern int PyItemMax;       // index of the last element
extern int PyItemHardwired; // the entry holding "horse_meat"

bool LoadPythonItems();
bool SavePythonItems();
