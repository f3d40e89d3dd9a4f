#pragma once

#include "module_system/PythonTable.h"
#include "module_system/PythonText.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// The scan of a module-system file for its list (PythonListScan), and the
// pieces of the list that the table builder reads line by line: where the
// list opens, how a line of an entry is joined into the entry's element, and
// whether a line holds more than one element.

// A line of the list that is no entry (or one that cannot be joined): trimmed,
// but never at an end that lies inside a string running over several lines.
QString TrimListLine(QStringView line, const PySourceLine& info);

// Appends one line of an entry, with a blank only where the two would
// otherwise run together.
void AppendJoined(QString& entry, QStringView piece);

// Item continuation lines keep their indentation; a tab in it becomes a blank,
// since the item entry reader skips blanks only.
void AppendIndented(QString& entry, QStringView text);

// Readies the last entry of a list literal for entries added behind it: its
// code gets a trailing comma when it has none ("[a] [b]" would index a and
// "(a) (b)" call it, not give two entries). Returns whether it got one.
bool AddTrailingComma(QString& entry);

inline bool IsClosingBracket(QChar c) {
    return c == u']' || c == u')' || c == u'}';
}

// Whether code holds the keyword "for" (a list comprehension's).
bool HasForWord(QStringView code);

// Follows a line of the list for an element that begins behind a comma at
// the list's own depth: several elements of the list on one line.
struct ElementWatch {
    int listDepth = 0;
    bool comma = false;
    bool more = false;
    void code(QChar c, int depth) {
        if (depth != listDepth || IsPythonBlank(c) || IsClosingBracket(c) || c == u'\\')
            return;
        if (c == u',')
            comma = true;
        else
            more = more || comma;
    }
    void string(int depth) { more = more || (comma && depth == listDepth); }
};

struct ListOpening {
    int depth = 0;         // bracket depth inside the list
    qsizetype bracket = 0; // where the list's bracket stands on the line
};

// Whether `line` opens the list: its code, without blanks and with every
// string left out, holds the assignment `listStart` ("troops=["), not as the
// end of a longer name. Comments do not count.
std::optional<ListOpening> FindListOpening(QStringView line, PySourceState state,
                                           const QString& listStart);

// ScanAndCompact's quick way, for a line that begins outside strings and
// holds no quote and no backslash before its comment; returns false, having
// changed nothing but the bytes of `out` behind `length`, for any other line.
bool CompactPlainLine(QStringView text, PySourceState& state, PySourceLine& info, char16_t* out,
                      qsizetype& length, ElementWatch& watch);
// ScanAndCompact's way for every line, through the one scanner: what
// CompactPlainLine must give wherever it takes a line.
void CompactScannedLine(QStringView text, PySourceState& state, PySourceLine& info, char16_t* out,
                        qsizetype& length, ElementWatch& watch);

// Scans one line of a compact list and appends it to `out` at `length` the
// way AppendCompactPython appends it: without its blanks (but where two words
// would run together) and without its comment. `watch` follows the line for
// elements behind a comma. What is appended is never longer than the line: a
// blank goes in only where blanks went out. A line without a string or a
// backslash, as most lines of an entry are, takes CompactPlainLine's single
// loop over its characters; the others CompactScannedLine's.
inline void ScanAndCompact(QStringView text, PySourceState& state, PySourceLine& info,
                           char16_t* out, qsizetype& length, ElementWatch& watch) {
    if (!CompactPlainLine(text, state, info, out, length, watch))
        CompactScannedLine(text, state, info, out, length, watch);
}

// ---- The scan of a whole file for its list

// A place in a file: a line (counted from 0) and a column of its text.
struct ListPlace {
    int line;
    qsizetype col;
};

// One of the list literals that "+" joins into the list.
struct ListLiteral {
    int line; // where its bracket opens
    qsizetype col;
    // "[ ... for ... ]": its entries are made when the module builds.
    bool comprehension = false;
};

// One statement that makes the list of literal blocks: the assignment that
// opens it ("troops = [") or one behind it that adds to it ("troops += [").
struct ListBlock {
    int start; // the line that opens it
    int close; // the line on which it ends, -1 if it does not
};

// What the scan found out about one line of the file for the list.
struct ListLine {
    int block = -1;       // of a line inside a block behind its opening line, the block; else -1
    bool opening = false; // the line opens a block behind the first
    // On a scan with resync: when the line begins an entry while a bracket is
    // still open, the line that opened it; else -1.
    int resync = -1;
    int literal = -1;  // of a line of the list, the literal it begins in; else -1
    bool more = false; // another element begins on it behind a comma
    // Of a line of a compact list: where its text without blanks and comment
    // (AppendCompactPython's form) stands in the scan's compacted text.
    qsizetype compactFrom = 0;
    qsizetype compactTo = 0;
};

// For a line, the first line at or after it that does what each field says;
// -1 where none does.
struct ListAhead {
    int close = -1;    // ends at the list's depth, outside strings, joined to no next line
    int broken = -1;   // holds a broken string
    int inString = -1; // begins inside a string
    int resync = -1;   // begins an entry while one is open (ListLine::resync)
    int more = -1;     // holds another element behind a comma
    int dip = -1;      // lies below the opening line and closes a list literal
};

// A file's lines read for its list: where the list opens and closes, the
// literals and other operands of its statement, and what each line holds.
// It reads the source the way Python does as far as that matters: string
// literals, comments and open brackets.
class PythonListScan {
public:
    PythonListScan(const PythonFileLines& file, const PythonListFormat& format)
        : m_file(file), m_format(format) {}

    // Reads every line. With `resync`, an entry that begins while a bracket
    // is still open ends the entry before it; without, the list is read as
    // Python reads it.
    void scan(bool resync);

    // Whether line i opens an entry: IsPythonEntry, with the bracket alone
    // on its line (a formatter's layout) too.
    bool opensEntry(int i) const;
    // The last line of the entry that opens on line `first`: the first line at
    // whose end the entry's brackets are all closed. -1 when the entry cannot
    // be joined: it never closes, the next entry begins before it closes, or a
    // string in it runs over a line end or is broken.
    int entryEnd(int first) const;
    bool inPlainLiteral(int i) const {
        const int literal = lines[size_t(i)].literal;
        return literal >= 0 && !literals[size_t(literal)].comprehension;
    }
    // Whether line i lies in a block of the list, behind the block's opening line.
    bool inList(int i) const { return lines[size_t(i)].block >= 0; }
    // The block that line i opens or lies in, -1 for none.
    int blockOf(int i) const;
    // The line on which the block that line i opens or lies in ends: its
    // closing line, or the file's last line when it does not close; i itself
    // for a line of no block.
    int blockEnd(int i) const;
    // Whether the list's last block does not close before the end of the file.
    bool listOpen() const { return !blocks.empty() && blocks.back().close < 0; }
    // The line on which the last block before line i closes, -1 if none does.
    int closedBefore(int i) const;
    // A line of an entry of a compact list with its blanks and comment gone.
    QStringView compacted(int i) const {
        const ListLine& at = lines[size_t(i)];
        return QStringView(m_compact).mid(at.compactFrom, at.compactTo - at.compactFrom);
    }

    std::vector<PySourceLine> source; // each line as the scanner read it
    std::vector<ListLine> lines;
    std::vector<ListAhead> ahead; // one for each line, and a last one of none
    std::vector<ListLiteral> literals;
    std::vector<ListPlace> operands; // of the list's statements, those that are no literals
    // The assignment that opens the list, then each statement behind it that
    // adds a literal block to it ("troops += [", at the list's level): the
    // editors list the entries of all of them as one list, in file order.
    std::vector<ListBlock> blocks;
    int start = -1;            // the line that opens the list, -1 if none does
    int depth = 0;             // bracket depth inside the list
    int closeLine = -1;        // the line that closes the first block, -1 if none does
    int openString = -1;       // the line on which a string that never closes opens
    bool brokenInList = false; // a quote on a line of the list is not closed
    // An entry begins on a line of the list while a bracket is still open.
    bool entryInsideEntry = false;

private:
    // How far the list's statement is read: inside one of the list literals
    // that "+" joins, behind one, behind a "+", inside an operand that is no
    // list literal (a name, a call), or to its end.
    enum class Expr : unsigned char { InLiteral, AfterLiteral, AfterPlus, InOperand, Done };

    void reset();
    // Takes line i for the list's opening line when it holds the list's assignment.
    void findStart(int i);
    // Takes line i, behind the list, for the opening line of a block when a
    // statement that adds a literal to the list begins on it.
    void findBlock(int i);
    // Opens a block on line i whose first literal's bracket stands at `bracket`.
    void openBlock(int i, qsizetype bracket);
    // Reads line i of the list's statement from column `from` on for where
    // its literals and operands begin and end, and where the statement ends.
    void follow(int i, qsizetype from);
    void findAhead();

    const PythonFileLines& m_file;
    const PythonListFormat& m_format;
    Expr m_expr = Expr::InLiteral;
    bool m_open = false; // a block is being read
    QString m_compact;   // the compacted lines, one after the other
};
