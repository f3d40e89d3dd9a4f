#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <algorithm>

// The one reader of Python source text: it knows where string literals (one
// quote or three, either kind of quote, backslash escapes), comments and
// brackets begin and end, so that a comma, bar, "#" or blank inside a name or
// inside a bracket is never taken for a separator. The file loader, the entry
// parsers and the entry writers all read Python through it.

// How a line of Python source begins or ends: inside how many open brackets,
// and inside which string literal when one runs on over the line end.
struct PySourceState {
    int depth = 0;
    QChar quote; // the quote that opened the string; null outside strings
    bool triple = false;
    bool inString() const { return !quote.isNull(); }
};

// One line of source as the scanner saw it.
struct PySourceLine {
    PySourceState start;
    PySourceState end;
    int minDepth = 0;       // lowest bracket depth reached on the line
    int commentAt = -1;     // position of the "#" that opens a comment, or -1
    bool joinsNext = false; // ends with a backslash outside strings
    bool broken = false;    // a one-line string ran into the end of the line
};

// What a run of characters of a line is part of. A String run holds a whole
// string literal, its quotes included (or, on a line that a string runs on
// into, the literal's rest up to its closing quote); an OpenString run is a
// string that reaches the end of the line unclosed.
enum class PyPart { Code, String, OpenString, Comment };

// A visitor that wants nothing but what the scan finds out about the line.
struct PyQuietScan {
    bool operator()(qsizetype, qsizetype, PyPart, int) const { return true; }
};

namespace PyScan {

// The characters that change what the scanner reads; every other one is
// plain code. A table, so that the scan stays quick in unoptimised builds too.
inline constexpr bool Special[128] = {
    // clang-format off
    false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false,
    false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false,
    false, false, true,  true,  false, false, false, true,  true,  true,  false, false, false, false, false, false,
    false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false,
    false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false,
    false, false, false, false, false, false, false, false, false, false, false, true,  true,  true,  false, false,
    false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false,
    false, false, false, false, false, false, false, false, false, false, false, true,  false, true,  false, false,
    // clang-format on
};

inline bool IsSpecial(char16_t c) {
    return c < 128 && Special[c];
}

inline bool IsQuote(char16_t c) {
    return c == u'"' || c == u'\'';
}

} // namespace PyScan

// Reads one line of source, starting in `state` and leaving the state of the
// line's end in it; `info` gets what the line holds. The line is handed to
// visit(from, to, part, depth) in runs: characters [from, to) are all `part`
// at bracket depth `depth`; each bracket is a run of its own, standing at the
// depth outside the brackets it opens or closes. The scan stops early when
// visit returns false. Inside a string a backslash always takes the next
// character along (also in raw strings, where it keeps a quote from ending the
// string as well). A one-line string that runs into the end of the line
// without a backslash is broken: Python refuses the line, and the scanner goes
// on as if the string had ended there.
template <typename Visit>
void ScanPythonLine(QStringView line, PySourceState& state, PySourceLine& info, Visit&& visit) {
    const char16_t* s = line.utf16();
    const qsizetype n = line.size();
    info.minDepth = state.depth;
    bool stringGoesOn = false;
    qsizetype i = 0;
    // Reads on from i to the end of the string the scan is in, or of the line.
    const auto readString = [&](qsizetype from) {
        const char16_t quote = state.quote.unicode();
        bool closed = false;
        while (i < n && !closed) {
            const char16_t c = s[i];
            if (c == u'\\') {
                stringGoesOn = i + 1 == n;
                i += stringGoesOn ? 1 : 2;
            } else if (c == quote &&
                       (!state.triple || (i + 2 < n && s[i + 1] == quote && s[i + 2] == quote))) {
                i += state.triple ? 3 : 1;
                closed = true;
            } else {
                ++i;
            }
        }
        if (closed) {
            state.quote = QChar();
            state.triple = false;
        }
        return visit(from, i, closed ? PyPart::String : PyPart::OpenString, state.depth);
    };
    if (state.inString() && !readString(0))
        return;
    while (i < n) {
        const char16_t c = s[i];
        if (!PyScan::IsSpecial(c)) {
            // Written out rather than called: the one loop over every character.
            const qsizetype start = i;
            while (++i < n && (s[i] >= 128 || !PyScan::Special[s[i]])) {
            }
            if (!visit(start, i, PyPart::Code, state.depth))
                return;
            continue;
        }
        if (c == u'#') {
            info.commentAt = int(i);
            visit(i, n, PyPart::Comment, state.depth);
            break;
        }
        if (c == u'"' || c == u'\'') {
            const qsizetype open = i;
            state.quote = QChar(c);
            state.triple = i + 2 < n && s[i + 1] == c && s[i + 2] == c;
            i += state.triple ? 3 : 1;
            if (!readString(open))
                return;
            continue;
        }
        int at = state.depth;
        if (c == u'(' || c == u'[' || c == u'{') {
            ++state.depth;
        } else if (c == u')' || c == u']' || c == u'}') {
            at = --state.depth;
            info.minDepth = std::min(info.minDepth, state.depth);
        } else if (i == n - 1) {
            info.joinsNext = true; // the backslash that joins the line to the next
        }
        if (!visit(i, i + 1, PyPart::Code, at))
            return;
        ++i;
    }
    if (state.inString() && !state.triple && !stringGoesOn) {
        info.broken = true;
        state.quote = QChar();
    }
}

// A blank or a tab: what separates tokens on a line.
inline bool IsPythonBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Characters that may stand in a name or a number; two of them must never be
// joined without a blank between them. Characters above ASCII count too, to be safe.
inline bool IsPythonWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c.unicode() >= 0x80;
}

// The text without its leading, or its trailing, blanks and tabs.
QStringView TrimPythonStart(QStringView text);
QStringView TrimPythonEnd(QStringView text);

// Scans `lines` from the top of a file.
QVector<PySourceLine> ScanPythonSource(const QStringList& lines);

// Whether the text, read on its own, leaves no string open: no string runs
// into its end, broken or going on over a line end.
bool ClosesItsStrings(QStringView text);

// Index of the last quote of the string literal opened at `open` (which holds
// " or ', one or three of them); -1 when the string does not close.
qsizetype PythonStringEnd(QStringView text, qsizetype open);

// Index of the bracket that closes the one at `open`, skipping strings and
// nested brackets; -1 when it is never closed.
qsizetype PythonBracketEnd(QStringView text, qsizetype open);

// Splits at every `separator` outside strings, brackets and a comment. The
// parts are not trimmed; an empty text gives one empty part.
QStringList SplitPythonTopLevel(QStringView text, QChar separator);

// Where the field that begins at `from` ends: the first comma from there on
// outside strings and outside brackets opened after `from`, or the bracket
// that closes one opened before it; the end of the text when neither comes.
qsizetype PythonFieldEnd(QStringView text, qsizetype from = 0);

// Whether a blank between two characters must stay when blanks go: two words
// (or a word and a string) would read as one, and two strings could open a
// triple quote ("" followed by "x" is not """x).
bool PythonRunsTogether(QChar before, QChar after);

// Appends `text` to `out` with its blanks removed as CompactPythonBlanks
// does; the line end between them counts as a blank. The loader joins the
// continuation lines of an entry with it.
void AppendCompactPython(QString& out, QStringView text);

// Removes blanks and tabs outside strings, but keeps one blank where two
// words, a word and a string, or two strings would otherwise run together, so
// that an expression such as "tf_hero if hero_mode else 0" keeps its meaning
// and "" "x" never becomes a triple quote. A comment keeps a blank before it.
QString CompactPythonBlanks(QStringView text);

// Whether a term joined to others by "|" may change places with them: it holds
// no operator outside brackets that binds more loosely than "|" (a comparison,
// "not", "and", "or", "if ... else", "lambda").
bool IsBarTerm(QStringView term);

// The text before the first "#" that stands outside a string.
QStringView CutPythonComment(QStringView text);
QString CutComment(const QString& text);

// The contents of the first `count` string literals of the code (fewer when it
// has fewer), as written between their quotes.
QStringList PythonStringLiterals(QStringView text, int count);

// The content of a text that is one string literal in double quotes (one
// quote, not three) and nothing else, else false. With `singleQuotes`, a
// string in single quotes is taken too when its content can stand between
// double quotes unchanged.
bool ReadPythonString(QStringView text, QString& content, bool singleQuotes = false);

// ---- Entries: one element of a list, "[ ... ]," or "( ... ),"

// The top-level fields of an entry, as written (not trimmed), and whether the
// entry is complete: it opens (after blanks) with `opener`, that bracket
// closes, and nothing but one comma and a comment follows. A comma before the
// closing bracket adds no empty field. Of an entry that breaks off, the
// fields up to the break.
struct PythonEntryFields {
    QStringList fields;
    bool complete = false;
    bool comma = false; // the comma behind the closing bracket is there
    // What follows that comma (or the closing bracket, without one) when it is
    // more than blanks: a comment, with the blanks before it.
    QString trailer;
};
PythonEntryFields SplitPythonEntry(QStringView entry, QChar opener);

// Whether an element holds exactly one entry opened by `opener`: the bracket
// closes within it, no string is left open, and only a comma, blanks and a
// comment follow. An element that holds only the first lines of an entry (the
// loader could not join it) or two entries is none.
bool IsOnePythonEntry(QStringView element, QChar opener);

// Whether a text can stand as one field (or one term of a field) of an entry
// and the entry stay one entry with the same fields: no comma outside brackets
// and strings, every bracket and string it opens also closed in it, no bracket
// it did not open closed, no comment, no backslash outside strings and no line
// break.
bool IsOnePythonField(QStringView text);
