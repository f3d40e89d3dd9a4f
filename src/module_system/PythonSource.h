#pragma once

#include "module_system/PythonCoding.h"
#include "module_system/PythonLines.h"
#include "module_system/PythonText.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// What a load keeps of a module-system file beside its table, so that a save
// gives back, byte for byte, everything the user did not change: the lines of
// an entry with their blanks, comments and line ends, every other line as it
// stood, and the file's last line without a line end when it had none.
//
// The tables stay one element per entry, and the editors change them freely
// (replace, insert, delete, append); each element knows which loaded element
// it stands for (PythonLines), so a save knows what changed and what is new.

// A file's lines: the file as text (in its coding, PythonCoding.h) and where
// each line begins and where its text ends, in the text and in the file's
// bytes; in a UTF-8 file a character may take up to four bytes, so the two
// are not the same. A line ends at LF, CR LF or a lone CR; a final line end
// starts no further line. The lines are views into the text, so that reading
// a large file makes no string per line.
struct PythonFileLines {
    QString text;
    PythonCoding coding;
    std::vector<qsizetype> from;     // where each line begins in the text
    std::vector<qsizetype> to;       // where its text ends and its line end begins
    std::vector<qsizetype> byteFrom; // the same in the bytes
    std::vector<qsizetype> byteTo;
    qsizetype byteSize = 0;

    int count() const { return int(from.size()); }
    QStringView line(int i) const {
        return QStringView(text).mid(from[size_t(i)], to[size_t(i)] - from[size_t(i)]);
    }
    // Where the line ends, its line end included, in the text and in the bytes.
    qsizetype end(int i) const { return i + 1 < count() ? from[size_t(i) + 1] : text.size(); }
    qsizetype byteEnd(int i) const { return i + 1 < count() ? byteFrom[size_t(i) + 1] : byteSize; }
    // Where the character at `column` of line i stands in the bytes.
    qsizetype byteAt(int i, qsizetype column) const {
        return byteFrom[size_t(i)] + PythonByteLength(line(i).left(column), coding);
    }
};
// The lines of `bytes`, read in `coding` (by default byte for byte).
PythonFileLines SplitPythonFileLines(const QByteArray& bytes,
                                     const PythonCoding& coding = {false, true});

struct PythonSource {
    // A run of file lines that gave one or more elements of the table (an
    // entry's lines give one; lines that hold several entries, or the last
    // entry's end and the list's closing bracket, give one for each). An
    // element the loader made up stands on no bytes.
    struct Span {
        qsizetype from = 0;
        qsizetype to = 0; // the file's bytes [from, to), line ends included
        int elements = 1;
        PySourceState start; // how the first line begins: inside a string, a comment is none
        // Of several elements: where the second and each later one begins in
        // the bytes, all on lines of the span; empty for one element.
        std::vector<qsizetype> splits;
        // Of an entry that ends its list without a comma behind it: where the
        // comma goes when something new is written behind the entry, else -1.
        // The table's text of the entry has it already.
        qsizetype comma = -1;
    };

    QByteArray bytes; // the file as read
    // How its characters are its bytes; none for a file not read, written in
    // the coding its first lines name (PythonLinesCoding).
    std::optional<PythonCoding> coding;
    QStringList elements;    // the table's elements and its tail as loaded
    std::vector<Span> spans; // in file order, covering `elements` in order
    QByteArray lineEnd;      // what most of the file's lines end with; CR LF without any
    bool lastLineEnded = true;
    // Why a save must not write over the file (it could not be read whole);
    // empty when it may.
    QString notSaved;
    // Why a save has nothing to write (the file defines no list), as the
    // words behind the file's name; empty when it has.
    QString nothingToSave;
    // The file could not be read at all: a save must not replace one that is there.
    bool unread = false;
};

// The coding in which a save of `elements` over `source` writes them: the
// file's, or for a file not read the one its first lines name.
PythonCoding PythonSaveCoding(const PythonSource& source, const PythonLines& elements);

// The file's bytes for a table whose elements (tail included) are now
// `elements`: an element that stands for a loaded one and still has its text
// is written as the bytes it was read from; a new or changed one as its text
// and the file's line end. Of elements that shared lines, once one of them
// changed, went or got a new neighbour, each left unchanged is written as its
// part of the lines on lines of its own (with the comma that must now follow
// it); and an entry that ended its list without a comma gets one when
// something new is written behind it. A changed element keeps the comments
// that stood in its part of the lines and that its text lacks: comment lines
// and remarks of lines before its last directly above it, in their order, the
// remark behind its last line behind it. A deleted element takes its lines
// with it, and so does one the editor emptied. With an empty source (a file
// not read), every element is written as a line ending in CR LF. `written`,
// when given, becomes the source of the bytes returned, whose elements are
// `elements` in their order: what the next save must keep is what this one
// wrote. A file read as plain ASCII without a coding line that is to hold more
// gets the line Python 2 needs to read it (Utf8CodingLinePlace), kept with the
// element behind it; `codingLine`, when given, learns on which line (1 or 2)
// it went in, 0 when it did not.
QByteArray ComposePythonFile(const PythonSource& source, const PythonLines& elements,
                             PythonSource* written = nullptr, int* codingLine = nullptr);

// The line of the file, counted from 1, on which element `element` of
// `elements` begins when `elements` is written over `source` now
// (ComposePythonFile): an entry of several lines is one element, so the
// element's index tells no line of the file. 0 when there is no such element.
// Only the file up to the element is composed, unless the save puts a coding
// line in (which moves every line behind it).
int PythonElementFileLine(const PythonSource& source, const PythonLines& elements, int element);
