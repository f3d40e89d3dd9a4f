#pragma once

#include "module_system/PythonCoding.h"
#include "module_system/PythonLines.h"

// module_party_templates.py as lines, every entry joined into one element.
extern PythonLines PyPTLines;
extern int PyPTMax;
extern int PyPTLastEntry;
extern int PyPTHardwired; // the entry holding "hero_party"

// Reads module_party_templates.py from ModuleSystemDirectory into the table.
// Reports a failure through ReportError; returns whether nothing failed.
bool LoadPythonPT();
// Offers the backup and writes module_party_templates.py, the lines that did
// not change since the load as they were read; returns whether it was written.
bool SavePythonPT();
// How module_party_templates.py turns characters into bytes, as the last load read it (or the
// last save wrote it): what an update may store in the table.
PythonCoding PyPTCoding();
// The line of module_party_templates.py, counted from 1, on which element `element` of the
// table begins when the table is saved now; 0 when there is none.
int PyPTFileLine(int element);
