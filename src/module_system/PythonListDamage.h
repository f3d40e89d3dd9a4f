#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The sentences in which a load tells what of a module-system list it could
// not read (PythonTable::damage) and what of it no editor can edit. They name
// the file's lines counted from 1; the lines are given here counted from 0.

// "Line <n>: " and `text`, as each damage and each part no editor can edit is told.
QString ToldAtLine(int line, const QString& text);

// A one-line string that runs into the end of its line.
QString QuoteNotClosed();
// A string that is still open at the end of the file.
QString QuoteOpenToTheEnd();
// What left a bracket open before the entry on line `entry` is no entry.
QString BracketOpenBefore(int entry);

// Why an entry, whose first line is `first`, could not be joined: a quote on
// line `at` is not closed; the next entry begins on line `at` before it
// closes; it does not close before the end of the file.
enum class Unjoined { BrokenQuote, NextEntryBegins, FileEnds };
QString EntryNotJoined(QStringView first, Unjoined why, int at = 0);

// The list closes on line `close`, yet the entry on line `entry` (`first`)
// follows it.
QString EntriesBehindList(QStringView first, int entry, int close);

// The list opened on `listLine` does not close before the end of the file;
// `lastEntry`, when given, is its last entry.
QString ListNotClosed(QStringView listLine, const QString* lastEntry);
// Why a save must not write over such a file (PythonSource::notSaved).
QString ListNotClosedNotSaved(QStringView listLine, int start);

// Behind a file's name: it defines no list `listName` ("troops",
// "party_templates") of its own; `imports` (ImportAtLine each) seem to bring it.
QString NoListDefined(QStringView listName, const QStringList& imports);
// An import statement on line `line`, as NoListDefined names it.
QString ImportAtLine(int line, QStringView code);
// What the editor then does with the file `fileName`.
QString NoListNothingListed(QStringView listName, const QString& fileName);
// Behind a file's name: why a save of it has nothing to write.
QString NoListNothingToSave(QStringView listName);
