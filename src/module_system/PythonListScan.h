#pragma once

#include "module_system/PythonText.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The pieces of a module-system list that the table builder reads line by
// line: where the list opens, how a line of an entry is joined into the
// entry's element, and whether a line holds more than one element.

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

// Scans one line of a compact list and appends it to `out` at `length` the
// way AppendCompactPython appends it: without its blanks (but where two words
// would run together) and without its comment. A line without a string or a
// backslash, as most lines of an entry are, takes a single loop over its
// characters; the others are read by the one scanner. `watch` follows the
// line for elements behind a comma.
void ScanAndCompact(QStringView text, PySourceState& state, PySourceLine& info, char16_t* out,
                    qsizetype& length, ElementWatch& watch);
