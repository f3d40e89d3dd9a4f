#include "module_system/modPythonFiles.h"

#include "platform/Backup.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "shell/modMain.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Characters that may stand in a name or a number; two of them must never be
// joined without a blank between them. Bytes above ASCII count too, to be safe.
bool IsWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c.unicode() >= 0x80;
}

bool IsQuote(QChar c) {
    return c == u'"' || c == u'\'';
}

enum class Kind { Code, String, Comment };

// Runs visit(position, kind, depth after the character) for every character
// of `line`, starting in `state` and leaving the state of the line's end in it.
// Inside a string a backslash always takes the next character along (also in
// raw strings, where it keeps a quote from ending the string as well).
template <typename Visit>
void ScanLine(QStringView line, PySourceState& state, PySourceLine& info, Visit&& visit) {
    const qsizetype n = line.size();
    info.minDepth = state.depth;
    bool stringGoesOn = false;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = line[i];
        if (state.inString()) {
            visit(i, Kind::String, state.depth);
            if (c == u'\\') {
                if (i + 1 < n)
                    visit(++i, Kind::String, state.depth);
                else
                    stringGoesOn = true;
            } else if (c == state.quote) {
                if (!state.triple) {
                    state.quote = QChar();
                } else if (i + 2 < n && line[i + 1] == c && line[i + 2] == c) {
                    visit(++i, Kind::String, state.depth);
                    visit(++i, Kind::String, state.depth);
                    state.quote = QChar();
                    state.triple = false;
                }
            }
            continue;
        }
        if (c == u'#') {
            info.commentAt = int(i);
            for (; i < n; ++i)
                visit(i, Kind::Comment, state.depth);
            break;
        }
        if (IsQuote(c)) {
            state.quote = c;
            state.triple = i + 2 < n && line[i + 1] == c && line[i + 2] == c;
            visit(i, Kind::String, state.depth);
            if (state.triple) {
                visit(++i, Kind::String, state.depth);
                visit(++i, Kind::String, state.depth);
            }
            continue;
        }
        if (c == u'(' || c == u'[' || c == u'{') {
            ++state.depth;
        } else if (c == u')' || c == u']' || c == u'}') {
            --state.depth;
            info.minDepth = std::min(info.minDepth, state.depth);
        }
        visit(i, Kind::Code, state.depth);
        if (c == u'\\' && i == n - 1)
            info.joinsNext = true;
    }
    // A one-line string cannot run on without a backslash; Python refuses the
    // line, and we go on as if the string had ended there.
    if (state.inString() && !state.triple && !stringGoesOn) {
        info.broken = true;
        state.quote = QChar();
    }
}

void ScanLine(QStringView line, PySourceState& state, PySourceLine& info) {
    ScanLine(line, state, info, [](qsizetype, Kind, int) {});
}

QString TrimStart(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return text.mid(i);
}

QString TrimEnd(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    return text.left(n);
}

// A line of the list that is no entry (or one that cannot be joined): trimmed,
// but never at an end that lies inside a string running over several lines.
QString TrimListLine(const QString& line, const PySourceLine& info) {
    QString text = info.start.inString() ? line : TrimStart(line);
    return info.end.inString() ? text : TrimEnd(text);
}

QString CodeOf(const QString& line, const PySourceLine& info) {
    return info.commentAt >= 0 ? line.left(info.commentAt) : line;
}

// Whether the line opens an entry: the entry's bracket, then a double quote,
// with blanks and tabs allowed before and between them.
bool IsEntryLine(const QString& line, QChar opener) {
    qsizetype i = 0;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    if (i >= line.size() || line[i] != opener)
        return false;
    ++i;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    return i < line.size() && line[i] == u'"';
}

// The id of an entry line: the text of its first double-quoted string.
QString EntryId(const QString& line) {
    const qsizetype open = line.indexOf(u'"');
    const qsizetype close = open < 0 ? -1 : line.indexOf(u'"', open + 1);
    return close < 0 ? QString() : line.mid(open + 1, close - open - 1);
}

// Whether two characters must keep a blank between them: two words (or a word
// and a string) would read as one, and two strings could open a triple quote
// ("" followed by "x" is not """x").
bool RunTogether(QChar before, QChar after) {
    return (IsWordChar(before) && (IsWordChar(after) || IsQuote(after))) ||
           (IsQuote(before) && IsQuote(after));
}

// Appends one line of an entry, with a blank only where RunTogether needs one.
void AppendJoined(QString& entry, const QString& piece) {
    if (!entry.isEmpty() && !piece.isEmpty() && RunTogether(entry.back(), piece.front()))
        entry += u' ';
    entry += piece;
}

// Item continuation lines keep their indentation; a tab in it becomes a blank,
// since the item entry reader skips blanks only.
QString IndentWithBlanks(QString text) {
    for (qsizetype i = 0; i < text.size() && IsBlank(text[i]); ++i)
        text[i] = u' ';
    return text;
}

// Readies the last entry of the list for entries added behind it: its code
// gets a trailing comma when it has none ("[a] [b]" would index a and "(a) (b)"
// call it, not give two entries), and when the list's closing bracket stands on
// the entry's own line, that bracket and whatever follows it are cut off and
// returned, to become an element of their own behind the entry.
std::optional<QString> FinishLastEntry(QString& entry) {
    qsizetype close = -1;
    qsizetype codeEnd = 0;
    PySourceState state;
    PySourceLine info;
    ScanLine(entry, state, info, [&](qsizetype pos, Kind kind, int depth) {
        if (close >= 0 || kind == Kind::Comment)
            return;
        if (depth < 0)
            close = pos; // the bracket that closes the list
        else if (kind != Kind::Code || !IsBlank(entry[pos]))
            codeEnd = pos + 1;
    });
    std::optional<QString> rest;
    if (close >= 0) {
        rest = entry.mid(close);
        entry.truncate(codeEnd);
    }
    if (codeEnd > 0 && entry[codeEnd - 1] != u',')
        entry.insert(codeEnd, u',');
    return rest;
}

struct ListOpening {
    int depth = 0;       // bracket depth inside the list
    bool closed = false; // the list closes on its opening line already
};

// Whether `line` opens the list: its code, without blanks and with every
// string left out, holds the assignment `listStart` ("troops=["), not as the
// end of a longer name. Comments do not count.
std::optional<ListOpening> FindListOpening(const QString& line, PySourceState state,
                                           const QString& listStart) {
    struct Seen {
        QChar c;
        int depth;
    };
    std::vector<Seen> seen;
    QString code;
    PySourceLine info;
    ScanLine(line, state, info, [&](qsizetype pos, Kind kind, int depth) {
        if (kind == Kind::Comment)
            return;
        const QChar c = kind == Kind::String ? QChar(1) : line[pos];
        if (kind == Kind::Code && IsBlank(c))
            return;
        seen.push_back({c, depth});
        code += c;
    });
    for (qsizetype k = code.indexOf(listStart); k >= 0; k = code.indexOf(listStart, k + 1)) {
        if (k > 0 && IsWordChar(code[k - 1]))
            continue;
        const qsizetype bracket = k + listStart.size() - 1;
        ListOpening opening{seen[bracket].depth, false};
        for (qsizetype j = bracket + 1; j < qsizetype(seen.size()); ++j)
            opening.closed = opening.closed || seen[j].depth < opening.depth;
        return opening;
    }
    return std::nullopt;
}

// For every line i, the first line at or after i for which pred holds, or -1.
template <typename Pred> std::vector<int> NextWhere(int n, Pred&& pred) {
    std::vector<int> next(n + 1, -1);
    for (int i = n - 1; i >= 0; --i)
        next[i] = pred(i) ? i : next[i + 1];
    return next;
}

class TableBuilder {
public:
    TableBuilder(const QStringList& lines, const PythonListFormat& format)
        : m_lines(lines), m_format(format), m_scan(ScanPythonSource(lines)) {}

    PythonTable build();

private:
    int entryEnd(int first) const;
    QString joinEntry(int first, int last) const;
    bool inList(int i) const { return m_closeLine < 0 || i <= m_closeLine; }

    const QStringList& m_lines;
    const PythonListFormat& m_format;
    const QVector<PySourceLine> m_scan;
    int m_depth = 0;      // bracket depth inside the list
    int m_closeLine = -1; // the line that closes the list, -1 if none does
    std::vector<int> m_nextClose, m_nextBroken, m_nextInString;
};

// The last line of the entry that opens on line `first`: the first line at
// whose end the entry's brackets are all closed. -1 when the entry cannot be
// joined: it never closes, or a string in it runs over a line end or is broken.
int TableBuilder::entryEnd(int first) const {
    const int last = m_nextClose[first];
    if (last < 0)
        return -1;
    const int broken = m_nextBroken[first];
    const int inString = m_nextInString[first + 1];
    if ((broken >= 0 && broken <= last) || (inString >= 0 && inString <= last))
        return -1;
    return last;
}

QString TableBuilder::joinEntry(int first, int last) const {
    QString entry;
    for (int k = first; k <= last; ++k) {
        const PySourceLine& info = m_scan[k];
        // Items keep a comment behind the entry's end; inside the entry a
        // comment would swallow the lines joined behind it.
        const bool keepComment = !m_format.compactEntries && k == last;
        QString text = keepComment ? m_lines[k] : CodeOf(m_lines[k], info);
        if (info.joinsNext)
            text.chop(1); // the backslash that joined the line to the next
        text = TrimEnd(text);
        if (k == first) {
            entry = TrimStart(text);
            continue;
        }
        text = m_format.compactEntries ? CompactPython(text) : IndentWithBlanks(text);
        if (TrimStart(text).isEmpty())
            continue; // comment and empty lines inside the entry
        AppendJoined(entry, text);
    }
    return entry;
}

PythonTable TableBuilder::build() {
    PythonTable table;
    const int n = int(m_lines.size());
    if (n == 0) {
        table.lines = QStringList{QString()};
        table.failure = Err::InputPastEnd;
        return table;
    }

    // The header, copied as it is: line 0, then every line up to the one that
    // opens the list.
    int start = -1;
    bool closedOnStart = false;
    for (int i = 1; i < n && start < 0; ++i) {
        if (m_scan[i].start.inString())
            continue;
        if (const auto opening = FindListOpening(m_lines[i], m_scan[i].start, m_format.listStart)) {
            start = i;
            m_depth = opening->depth;
            closedOnStart = opening->closed;
        }
    }
    if (start < 0) {
        table.lines = m_lines;
        table.lastEntry = n - 1;
        table.failure = Err::InputPastEnd;
        return table;
    }
    table.lines = m_lines.mid(0, start + 1);
    table.lastEntry = start; // with no entry, new ones go first into the list

    m_closeLine = closedOnStart ? start : -1;
    for (int i = start + 1; i < n && m_closeLine < 0; ++i) {
        if (m_scan[i].minDepth < m_depth)
            m_closeLine = i;
    }
    if (m_closeLine < 0)
        table.failure = Err::SubscriptOutOfRange;
    m_nextClose = NextWhere(n, [&](int i) {
        const PySourceState& end = m_scan[i].end;
        return end.depth <= m_depth && !end.inString() && !m_scan[i].joinsNext;
    });
    m_nextBroken = NextWhere(n, [&](int i) { return m_scan[i].broken; });
    m_nextInString = NextWhere(n, [&](int i) { return m_scan[i].start.inString(); });

    bool lastJoined = false; // the element of the last entry is a joined one
    int lastEntryEnd = -1;   // the line on which that entry ends
    for (int i = start + 1; i < n;) {
        const PySourceLine& info = m_scan[i];
        if (!inList(i)) {
            table.lines.append(m_lines[i]); // code behind the list: indentation matters
            ++i;
            continue;
        }
        if (info.start.inString() || info.start.depth != m_depth ||
            !IsEntryLine(m_lines[i], m_format.opener)) {
            table.lines.append(TrimListLine(m_lines[i], info));
            ++i;
            continue;
        }

        const int element = int(table.lines.size());
        const QString id = EntryId(m_lines[i]);
        if (id == m_format.hardwiredId)
            table.hardwired = element;
        table.lastEntry = element;
        const int last = entryEnd(i);
        lastJoined = last >= 0;
        if (!lastJoined) {
            table.lines.append(TrimListLine(m_lines[i], info));
            ++i;
            continue;
        }
        table.lines.append(joinEntry(i, last));
        lastEntryEnd = last;
        if (!m_format.endId.isEmpty() && id == m_format.endId) {
            // The end entry closes the editable part: the line behind it (the
            // list's "]") is the last element, and whatever follows goes back
            // to the file as it stands.
            if (const auto rest = FinishLastEntry(table.lines.last())) {
                table.lines.append(*rest);
                table.tail = m_lines.mid(last + 1);
            } else if (last + 1 < n) {
                table.lines.append(m_lines[last + 1]);
                table.tail = m_lines.mid(last + 2);
            } else {
                table.lines.append(QStringLiteral("]"));
            }
            return table;
        }
        i = last + 1;
    }
    if (lastJoined) {
        if (auto rest = FinishLastEntry(table.lines[table.lastEntry])) {
            // A remark behind the list's closing bracket is no part of the
            // entry, though joining cut it.
            const int commentAt = m_scan[lastEntryEnd].commentAt;
            if (m_format.compactEntries && commentAt >= 0)
                *rest += u' ' + TrimEnd(m_lines[lastEntryEnd].mid(commentAt));
            table.lines.insert(table.lastEntry + 1, *rest);
        }
    }
    if (!m_format.endId.isEmpty() && m_closeLine >= 0) {
        // A list without its end entry still ends at its closing bracket: the
        // lines behind it go to the tail, so that the editor's "at the end"
        // (before the last element but one) stays inside the list.
        const qsizetype behind = n - 1 - m_closeLine;
        table.tail = table.lines.mid(table.lines.size() - behind);
        table.lines.resize(table.lines.size() - behind);
    }
    return table;
}

} // namespace

const PythonListFormat ItemListFormat{QStringLiteral("items=["), QLatin1Char('['),
                                      QStringLiteral("horse_meat"), QStringLiteral("items_end"),
                                      false};
const PythonListFormat TroopListFormat{QStringLiteral("troops=["), QLatin1Char('['),
                                       QStringLiteral("temp_troop"), QString(), true};
const PythonListFormat PartyTemplateListFormat{QStringLiteral("party_templates=["),
                                               QLatin1Char('('), QStringLiteral("hero_party"),
                                               QString(), true};

QVector<PySourceLine> ScanPythonSource(const QStringList& lines) {
    QVector<PySourceLine> scan(lines.size());
    PySourceState state;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        PySourceLine& info = scan[i];
        info.start = state;
        ScanLine(lines[i], state, info);
        info.end = state;
    }
    return scan;
}

QString CutComment(const QString& text) {
    PySourceState state;
    PySourceLine info;
    ScanLine(text, state, info);
    return CodeOf(text, info);
}

QString CompactPython(const QString& text) {
    QString out;
    out.reserve(text.size());
    bool blank = false;
    PySourceState state;
    PySourceLine info;
    ScanLine(text, state, info, [&](qsizetype pos, Kind kind, int) {
        const QChar c = text[pos];
        if (kind == Kind::Code && IsBlank(c)) {
            blank = true;
            return;
        }
        if (blank && !out.isEmpty() && (RunTogether(out.back(), c) || kind == Kind::Comment))
            out += u' ';
        blank = false;
        out += c;
    });
    return out;
}

PythonTable BuildPythonTable(const QStringList& fileLines, const PythonListFormat& format) {
    return TableBuilder(fileLines, format).build();
}

bool LoadPythonTable(const QString& fileName, const PythonListFormat& format, PythonTable& table,
                     const QString& procName) {
    PendingFailure failure;
    QStringList lines;
    if (ReadTextLines(ModuleSystemDirectory + fileName, lines, failure)) {
        table = BuildPythonTable(lines, format);
        if (table.failure != 0)
            failure.raise(table.failure);
    } else {
        table = PythonTable();
        table.lines = QStringList{QString()};
    }
    ReportPending(failure, procName);
    return !failure.pending();
}

bool SavePythonFile(const QString& fileName, const QString& backupStem, const QString& savedTitle,
                    const QStringList& lines, const QString& procName) {
    PendingFailure failure;
    const QString path = ModuleSystemDirectory + fileName;
    const MsgAnswer answer =
        MsgBox(QStringLiteral("Do you want to create a time stamped backup of '") + fileName +
                   QStringLiteral("'?"),
               MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Create backup...?"));
    BackupResult copy;
    if (answer == MsgAnswer::Yes) {
        copy = CreateTimeStampedBackup(path, ModuleSystemDirectory + backupStem,
                                       QStringLiteral(".py"));
        // A failed copy does not stop the save; it is reported at the end.
        if (!copy.ok)
            failure.raise(copy.failure);
    }

    const bool saved = SaveTextLines(path, lines, failure);
    if (saved) {
        QString text = QStringLiteral("Changes have been saved to ") + fileName +
                       QStringLiteral(" in your module system directory.");
        if (copy.ok)
            text = QStringLiteral("Backup created of old ") + fileName + QStringLiteral(" to ") +
                   copy.path + QStringLiteral("\r\n\r\n") + text;
        MsgBox(text, MsgButtons::Ok, MsgIcon::Information, savedTitle);
    }
    ReportPending(failure, procName);
    return saved;
}

QStringList TableElements(const QStringList& table, int last) {
    return table.mid(0, std::max(0, last + 1));
}
