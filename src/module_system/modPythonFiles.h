#pragma once

#include "module_system/PythonTable.h"

#include <QString>

// The loader and the saver that the three module-system source files share.

// Reads ModuleSystemDirectory + fileName into `table`, reports a failure
// through ReportError with `procName` and a damaged list in a box that names
// the lines concerned, and a file that defines no list in a note. Returns
// whether the file was read whole and defines its list.
bool LoadPythonTable(const QString& fileName, const PythonListFormat& format, PythonTable& table,
                     const QString& procName);

// The common saver: offers the time-stamped backup (backupStem + time stamp +
// ".py" beside the file), writes `lines` atomically, every element that did not
// change since `source` was read as it was read and the others in the file's
// line ends (ComposePythonFile), and reports in a box titled `savedTitle`; the
// box appears only when the file was written, names the backup only when the
// copy succeeded, and the coding line only when one was added (Python 2 needs
// it, ComposePythonFile). A failure is then reported through ReportError with
// `procName`. A file that was not read whole is not written ("Not saved...").
// Returns whether the file now holds the lines; `source` then is the file as
// written, and the caller marks its table as read from it (markRead).
bool SavePythonFile(const QString& fileName, const QString& backupStem, const QString& savedTitle,
                    const PythonLines& lines, PythonSource& source, const QString& procName);
