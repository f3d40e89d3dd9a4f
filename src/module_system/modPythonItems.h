#pragma once

#include "module_system/PythonCoding.h"
#include "module_system/PythonLines.h"

// module_items.py as lines, every entry of the item list joined into one element.
extern PythonLines PyItemLines;
extern int PyItemMax;       // index of the last element
extern int PyItemHardwired; // the entry holding "horse_meat"

// Reads module_items.py from ModuleSystemDirectory into the table, up to
// element PyItemMax, the line that closes the list's last block ("items += ["
// blocks behind the list are part of it). Reports a failure through
// ReportError; returns whether nothing failed.
bool LoadPythonItems();
// Offers the backup and writes module_items.py, the lines that did not change
// since the load as they were read; returns whether it was written.
bool SavePythonItems();
// How module_items.py turns characters into bytes, as the last load read it (or the
// last save wrote it): what an update may store in the table.
PythonCoding PyItemCoding();

// The lines behind element PyItemMax (the rest of the file after the list's
// closing bracket): not for editing, written back after the table unchanged.
extern PythonLines PyItemTail;
// The line of module_items.py, counted from 1, on which element `element` of the
// table begins when the table is saved now; 0 when there is none.
int PyItemFileLine(int element);
