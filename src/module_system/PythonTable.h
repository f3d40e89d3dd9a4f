#pragma once

#include "module_system/PythonSource.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

// The table of a module-system source file, as the loaders build it.
//
// A module-system file is Python: a header, one list of entries, and often code
// behind the list. The tables keep every line of the file as one element, but
// join each entry of the list, however many lines it spans, into one element so
// that the editors can parse and replace it whole. Everything here reads the
// source the way Python does as far as that matters for joining: string
// literals (a "#" or a blank inside one is text), comments, and open brackets,
// through the one reader of Python text (PythonText.h).

// The file-specific values of a loader.
struct PythonListFormat {
    QString listStart;   // "troops=[" : the assignment that opens the list, without blanks
    QChar opener;        // an entry opens with this bracket followed by a double quote
    QString hardwiredId; // the id of the last entry built into the game (its first string)
    QString endId;       // the id of the entry that ends the list ("items_end"), or empty
    // Troops and party templates: the lines of a joined entry lose their blanks
    // and comments. Items: continuation lines keep their indentation and the
    // last line its comment.
    bool compactEntries = false;
};

// The three files' lists.
extern const PythonListFormat ItemListFormat;
extern const PythonListFormat TroopListFormat;
extern const PythonListFormat PartyTemplateListFormat;

// A file read into a table.
struct PythonTable {
    PythonLines lines; // the elements
    PythonLines tail;  // (endId) lines behind the element that follows the end entry, or
                       // without that entry, behind the closing line of the list's last block
    int hardwired = 0; // element of the entry with the hard-wired id, 0 if none
    int lastEntry = 0; // element of the last entry of the list
    int failure = 0;   // failure number to report, 0 if none
    // What of the list could not be read, one sentence each, naming the file
    // lines (counted from 1) of the entries concerned; empty when all was read.
    QStringList damage;
    // The elements of the list in a form that no editor reads (calls of the
    // module's own helpers, lists a "for" builds, entries that share their
    // lines in a way the table cannot keep apart), each as "Line <n>: " and
    // the beginning of its code. They are no entries of the table, and a save
    // keeps them as they are.
    QStringList uneditable;
    // The statements behind the list that add entries to it when the module
    // builds (FindPythonListGrowth), each as "Line <n>: " and the beginning of
    // its code: what they add is no entry of the table. A save keeps them.
    QStringList growth;
    // Of a file that defines no list (its entries come from a module it
    // imports, or from nowhere): the sentence that tells so, behind the
    // file's name; empty for a file that defines its list.
    QString noList;
    PythonSource source; // the file as read, for the save
};

// Builds the table of a file: lines up to the list's opening line are copied
// as they are, each entry of the list becomes one element, other lines of the
// list are trimmed, and lines behind the list are copied as they are. The list
// is every list literal that "+" joins to the first, and every block that a
// statement behind it adds ("troops += [", not indented, its entries on lines
// of their own), so that the editors list them as one list in file order: the
// entries of all of them are read alike, and what is spliced between them (a
// "+", a name, a list a "for" builds, also on the line after a backslash)
// stays with the closing bracket before it; each block's opening line is an
// element of its own. An entry whose bracket
// stands alone on its line is joined as any other, and entries that share a
// line become one element each. An entry
// that does not close before the next one begins (a bracket or a quote left
// open) stays as its lines, and the list is read on behind it; each such entry
// is told in `damage`, and so is a list that does not close before the end of
// the file, which the save then must not write over (source.notSaved).
// A file in which no line opens the list (or an empty one) is told in
// `noList`, and the save has nothing to write (source.nothingToSave). The
// bytes are read in the coding they show (PythonFileCoding), or in `coding`
// when given.
PythonTable BuildPythonTable(const QByteArray& bytes, const PythonListFormat& format,
                             const std::optional<PythonCoding>& coding = std::nullopt);
