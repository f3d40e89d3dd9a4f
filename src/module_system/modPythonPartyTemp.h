#pragma once

#include <QStringList>

// module_party_templates.py as lines, every entry joined into one element.
extern QStringList PyPTLines;
extern int PyPTMax;
extern int PyPTLastEntry;
extern int PyPTHardwired; // the entry holding "hero_party"

bool LoadPythonPT();
bool SavePythonPT();
