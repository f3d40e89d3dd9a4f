#pragma once

#include "module_system/PythonCoding.h"
#include "module_system/PythonLines.h"

// module_troops.py as lines, every entry of the troop list joined into one
// element. Indexes are table indexes, not file line numbers.
extern PythonLines PyTroopLines;
extern int PyTroopMax;       // index of the last element
extern int PyTroopLastEntry; // the last entry of the troop list
extern int PyTroopHardwired; // the entry holding "temp_troop"

// Reads module_troops.py from ModuleSystemDirectory into the table (the
// upgrade lines behind the list are elements too). Reports a failure through
// ReportError; returns whether nothing failed.
bool LoadPythonTroops();
// Offers the backup and writes module_troops.py, the lines that did not change
// since the load as they were read; returns whether it was written.
bool SavePythonTroops();
// How module_troops.py turns characters into bytes, as the last load read it (or the
// last save wrote it): what an update may store in the table.
PythonCoding PyTroopCoding();
// The line of module_troops.py, counted from 1, on which element `element` of the
// table begins when the table is saved now; 0 when there is none.
int PyTroopFileLine(int element);
