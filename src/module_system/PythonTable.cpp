#include "module_system/PythonTable.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonText.h"

#include "platform/Failure.h"

#include <QStringMatcher>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// A line of the list that is no entry (or one that cannot be joined): trimmed,
// but never at an end that lies inside a string running over several lines.
QString TrimListLine(QStringView line, const PySourceLine& info) {
    QStringView text = info.start.inString() ? line : TrimPythonStart(line);
    if (!info.end.inString())
        text = TrimPythonEnd(text);
    return text.toString();
}

// Appends one line of an entry, with a blank only where the two would
// otherwise run together.
void AppendJoined(QString& entry, QStringView piece) {
    if (!entry.isEmpty() && !piece.isEmpty() && PythonRunsTogether(entry.back(), piece.front()))
        entry += u' ';
    entry += piece;
}

// Item continuation lines keep their indentation; a tab in it becomes a blank,
// since the item entry reader skips blanks only.
void AppendIndented(QString& entry, QStringView text) {
    const QStringView rest = TrimPythonStart(text);
    entry += QString(text.size() - rest.size(), u' ');
    AppendJoined(entry, rest);
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
    ScanPythonLine(entry, state, info, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
        if (part == PyPart::Comment)
            return false;
        if (depth < 0) {
            close = from; // the bracket that closes the list
            return false;
        }
        for (qsizetype i = to; i > from && codeEnd < i; --i) {
            if (part != PyPart::Code || !IsPythonBlank(entry[i - 1]))
                codeEnd = i;
        }
        return true;
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
std::optional<ListOpening> FindListOpening(QStringView line, PySourceState state,
                                           const QString& listStart) {
    struct Seen {
        QChar c;
        int depth;
    };
    std::vector<Seen> seen;
    QString code;
    PySourceLine info;
    ScanPythonLine(line, state, info, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
        if (part == PyPart::Comment)
            return false;
        for (qsizetype i = from; i < to; ++i) {
            const QChar c = part == PyPart::Code ? line[i] : QChar(1);
            if (part == PyPart::Code && IsPythonBlank(c))
                continue;
            seen.push_back({c, depth});
            code += c;
        }
        return true;
    });
    for (qsizetype k = code.indexOf(listStart); k >= 0; k = code.indexOf(listStart, k + 1)) {
        if (k > 0 && IsPythonWordChar(code[k - 1]))
            continue;
        const qsizetype bracket = k + listStart.size() - 1;
        // The list's bracket stands outside the list; what it holds is one deeper.
        ListOpening opening{seen[bracket].depth + 1, false};
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

// What a character is to the join of a compact list's line: most are plain
// (names, numbers, operators, and every character above ASCII).
enum CharKind : unsigned char { Plain, Blank, Opens, Closes, Remark, Scanner };
constexpr auto CharKinds = [] {
    std::array<unsigned char, 128> kinds{};
    kinds[' '] = kinds['\t'] = Blank;
    kinds['('] = kinds['['] = kinds['{'] = Opens;
    kinds[')'] = kinds[']'] = kinds['}'] = Closes;
    kinds['#'] = Remark;
    kinds['"'] = kinds['\''] = kinds['\\'] = Scanner; // strings and line joins
    return kinds;
}();

// Scans one line of a compact list and appends it to `out` at `length` the
// way AppendCompactPython appends it: without its blanks (but where two words
// would run together) and without its comment. A line without a string or a
// backslash, as most lines of an entry are, takes a single loop over its
// characters; the others are read by the one scanner.
void ScanAndCompact(QStringView text, PySourceState& state, PySourceLine& info, char16_t* out,
                    qsizetype& length) {
    const char16_t* t = text.utf16();
    const qsizetype lineStart = length;
    if (!state.inString()) {
        char16_t* o = out + length;
        int depth = state.depth;
        int minDepth = depth;
        bool blank = false;
        const char16_t* p = t;
        const char16_t* const end = t + text.size();
        for (; p < end; ++p) {
            const char16_t c = *p;
            const unsigned char kind = c < 128 ? CharKinds[c] : static_cast<unsigned char>(Plain);
            if (kind == Plain) {
                if (blank) {
                    if (o > out + lineStart && PythonRunsTogether(o[-1], c))
                        *o++ = u' ';
                    blank = false;
                }
                *o++ = c;
                continue;
            }
            if (kind == Blank) {
                blank = true;
                continue;
            }
            if (kind == Remark) {
                info.commentAt = int(p - t);
                break;
            }
            if (kind == Scanner)
                break;
            if (kind == Opens)
                ++depth;
            else
                minDepth = std::min(minDepth, --depth);
            blank = false;
            *o++ = c;
        }
        if (p == end || info.commentAt >= 0) {
            info.minDepth = minDepth;
            state.depth = depth;
            length = o - out;
            return;
        }
    }
    bool blank = false;
    ScanPythonLine(text, state, info, [&](qsizetype from, qsizetype to, PyPart part, int) {
        if (part == PyPart::Comment)
            return true;
        // Kept in registers for the loop over the characters.
        qsizetype n = length;
        bool b = blank;
        const auto keep = [&](char16_t c) {
            if (b && n > lineStart && PythonRunsTogether(out[n - 1], c))
                out[n++] = u' ';
            b = false;
        };
        if (part != PyPart::Code) {
            keep(t[from]); // strings go over whole
            std::memcpy(out + n, t + from, size_t(to - from) * sizeof(char16_t));
            n += to - from;
        } else {
            for (qsizetype k = from; k < to;) {
                if (t[k] == u' ' || t[k] == u'\t') {
                    b = true;
                    ++k;
                    continue;
                }
                if (b)
                    keep(t[k]);
                // The run up to the next blank, tab or control character.
                do
                    out[n++] = t[k++];
                while (k < to && t[k] > u' ');
            }
        }
        length = n;
        blank = b;
        return true;
    });
}

class TableBuilder {
public:
    TableBuilder(const QByteArray& bytes, const PythonListFormat& format,
                 const PythonCoding& coding)
        : m_bytes(bytes), m_file(SplitPythonFileLines(bytes, coding)), m_format(format) {}

    PythonTable build();

private:
    void scan(bool resync);
    int entryEnd(int first) const;
    QString joinEntry(int first, int last) const;
    bool inList(int i) const { return m_closeLine < 0 || i <= m_closeLine; }
    QStringView line(int i) const { return m_file.line(i); }
    // A line of an entry of a compact list with its blanks and comment gone
    // (AppendCompactPython's form), made while the file is scanned.
    QStringView compacted(int i) const {
        return QStringView(m_compact).mid(m_compactAt[size_t(i)],
                                          m_compactAt[size_t(i) + 1] - m_compactAt[size_t(i)]);
    }
    // Adds an element read from lines first to last.
    void add(const QString& element, int first, int last);
    // Adds an element that stands on no line of the file.
    void addMadeUp(const QString& element);
    // Tells why the entry on line `first` could not be joined, if it is damaged.
    void tellUnjoined(int first);
    // Tells the entry on line `entry`, behind the list's closing line, which
    // the list does not hold.
    void tellEntryBehind(int entry);
    void tell(int line, const QString& text);
    PythonTable finish(qsizetype tailFrom);

    const QByteArray& m_bytes;
    const PythonFileLines m_file;
    const PythonListFormat& m_format;
    QVector<PySourceLine> m_scan;
    int m_start = -1;            // the line that opens the list, -1 if none does
    int m_depth = 0;             // bracket depth inside the list
    int m_closeLine = -1;        // the line that closes the list, -1 if none does
    int m_openString = -1;       // the line on which a string that never closes opens
    bool m_brokenInList = false; // a quote on a line of the list is not closed
    // An entry begins on a line of the list while a bracket is still open.
    bool m_entryInsideEntry = false;
    // Per line, on a scan with resync: when it begins an entry while a bracket
    // is still open, the line that opened it; else -1.
    std::vector<int> m_resync;
    std::vector<int> m_nextClose, m_nextBroken, m_nextInString, m_nextResync;
    QString m_compact;                  // the compacted lines, one after the other
    std::vector<qsizetype> m_compactAt; // where each line's compacted text begins
    int m_toldUpTo = -1;                // lines up to here belong to a damaged entry already told

    PythonTable m_table;
    QStringList m_out;
    std::vector<PythonSource::Span> m_spans;
};

// With `resync`, an entry that begins while a bracket is still open ends the
// entry before it; without, the list is read as Python reads it.
void TableBuilder::scan(bool resync) {
    const int n = m_file.count();
    m_scan.fill(PySourceLine(), n);
    m_resync.assign(size_t(n), -1);
    m_start = -1;
    m_depth = 0;
    m_closeLine = -1;
    m_openString = -1;
    m_brokenInList = false;
    m_entryInsideEntry = false;
    // Lines of an entry of a compact list lose their blanks and comments when
    // joined; they lose them here, on the one pass over every character.
    const bool compact = m_format.compactEntries;
    m_compactAt.assign(size_t(n) + 1, 0);
    if (compact)
        m_compact.resize(m_file.text.size());
    char16_t* const out = compact ? reinterpret_cast<char16_t*>(m_compact.data()) : nullptr;
    qsizetype length = 0;
    PySourceState state;
    int opener = -1; // the last line of the list that left a bracket open
    for (int i = 0; i < n; ++i) {
        PySourceLine& info = m_scan[i];
        const QStringView text = line(i);
        if (m_start >= 0 && m_closeLine < 0 && !state.inString() && state.depth > m_depth &&
            (resync || !m_entryInsideEntry) && IsPythonEntry(text, m_format.opener)) {
            m_entryInsideEntry = true;
            if (resync) {
                // An entry begins while the one before is still open: that
                // one misses a closing bracket (or a quote). The list is read
                // on as if it had closed, so that one damaged entry does not
                // swallow every entry behind it.
                m_resync[size_t(i)] = opener >= 0 ? opener : i;
                state.depth = m_depth;
            }
        }
        info.start = state;
        m_compactAt[size_t(i)] = length;
        if (compact && m_start >= 0 && m_closeLine < 0) {
            ScanAndCompact(text, state, info, out, length);
        } else {
            ScanPythonLine(text, state, info, PyQuietScan());
        }
        info.end = state;
        if (info.end.inString() && !info.start.inString())
            m_openString = i;
        if (m_start >= 0 && !info.start.inString() && info.start.depth == m_depth &&
            info.end.depth > m_depth)
            opener = i;
        if (m_start < 0) {
            // Line 0 is header whatever it holds.
            if (i == 0 || info.start.inString())
                continue;
            if (const auto opening = FindListOpening(text, info.start, m_format.listStart)) {
                m_start = i;
                m_depth = opening->depth;
                if (opening->closed)
                    m_closeLine = i;
            }
        } else if (m_closeLine < 0 && info.minDepth < m_depth) {
            m_closeLine = i;
        }
        if (info.broken && m_start >= 0 && (m_closeLine < 0 || m_closeLine == i))
            m_brokenInList = true;
    }
    m_compactAt[size_t(n)] = length;
    if (!state.inString())
        m_openString = -1;
}

// The last line of the entry that opens on line `first`: the first line at
// whose end the entry's brackets are all closed. -1 when the entry cannot be
// joined: it never closes, the next entry begins before it closes, or a
// string in it runs over a line end or is broken.
int TableBuilder::entryEnd(int first) const {
    const int last = m_nextClose[first];
    if (last < 0)
        return -1;
    const auto within = [&](const std::vector<int>& next, int from) {
        return next[from] >= 0 && next[from] <= last;
    };
    if (within(m_nextBroken, first) || within(m_nextInString, first + 1) ||
        within(m_nextResync, first + 1))
        return -1;
    return last;
}

QString TableBuilder::joinEntry(int first, int last) const {
    qsizetype size = 0;
    for (int k = first; k <= last; ++k)
        size += m_file.to[size_t(k)] - m_file.from[size_t(k)];
    QString entry;
    entry.reserve(size + last - first + 1);
    for (int k = first; k <= last; ++k) {
        const PySourceLine& info = m_scan[k];
        if (k > first && m_format.compactEntries) {
            QStringView piece = compacted(k);
            if (info.joinsNext && piece.endsWith(u'\\'))
                piece.chop(1); // the backslash that joined the line to the next
            if (piece.isEmpty())
                continue; // comment and empty lines inside the entry
            if (!entry.isEmpty() && PythonRunsTogether(entry.back(), piece.front()))
                entry += u' ';
            entry += piece;
            continue;
        }
        QStringView text = line(k);
        // Items keep a comment behind the entry's end; inside the entry a
        // comment would swallow the lines joined behind it.
        const bool keepComment = !m_format.compactEntries && k == last;
        if (!keepComment && info.commentAt >= 0)
            text = text.left(info.commentAt);
        if (info.joinsNext)
            text.chop(1); // the backslash that joined the line to the next
        text = TrimPythonEnd(text);
        if (k == first) {
            entry += TrimPythonStart(text);
            continue;
        }
        if (TrimPythonStart(text).isEmpty())
            continue; // comment and empty lines inside the entry
        AppendIndented(entry, text);
    }
    return entry;
}

void TableBuilder::add(const QString& element, int first, int last) {
    m_out.append(element);
    m_spans.push_back(
        {m_file.byteFrom[size_t(first)], m_file.byteEnd(last), 1, m_scan[first].start});
}

void TableBuilder::addMadeUp(const QString& element) {
    m_out.append(element);
    m_spans.push_back({m_bytes.size(), m_bytes.size(), 1, PySourceState()});
}

void TableBuilder::tell(int line, const QString& text) {
    m_table.damage.append(QStringLiteral("Line ") + QString::number(line + 1) +
                          QStringLiteral(": ") + text);
}

void TableBuilder::tellUnjoined(int first) {
    const QString id = PythonEntryId(line(first));
    const QString entry =
        id.isEmpty() ? QStringLiteral("the entry") : QStringLiteral("the entry \"") + id + u'"';
    const int close = m_nextClose[first];
    const int resync = m_nextResync[first + 1];
    const int broken = m_nextBroken[first];
    // How far the damaged entry reaches: to the next entry, or to its end.
    const int reach = resync >= 0 && (close < 0 || resync <= close) ? resync - 1 : close;
    if (broken >= 0 && (reach < 0 || broken <= reach)) {
        tell(first, entry + QStringLiteral(" cannot be read: a quote on line ") +
                        QString::number(broken + 1) + QStringLiteral(" is not closed."));
    } else if (reach >= 0 && reach != close) {
        tell(first, entry + QStringLiteral(" does not close before the next entry on line ") +
                        QString::number(resync + 1) +
                        QStringLiteral("; a closing bracket is missing."));
    } else if (close < 0) {
        tell(first, entry + QStringLiteral(" does not close before the end of the file."));
    } else {
        return; // a string over several lines: sound, but not joined
    }
    m_toldUpTo = reach < 0 ? m_file.count() : reach;
}

void TableBuilder::tellEntryBehind(int entry) {
    // A bracket too many, or one that closes the list above its last entries:
    // the file may still be sound Python, yet the list misses those entries.
    const QString id = PythonEntryId(line(entry));
    tell(m_closeLine, QStringLiteral("the list closes here, but entries follow it, the first on "
                                     "line ") +
                          QString::number(entry + 1) +
                          (id.isEmpty() ? QString() : QStringLiteral(" (\"") + id + u'"' + u')') +
                          QStringLiteral("; only the entries up to line ") +
                          QString::number(m_closeLine + 1) + QStringLiteral(" are listed."));
}

PythonTable TableBuilder::finish(qsizetype tailFrom) {
    m_table.lines = PythonLines::Read(m_out.mid(0, tailFrom));
    m_table.tail = PythonLines::Read(m_out.mid(tailFrom), int(tailFrom));
    qsizetype element = 0;
    for (const PythonSource::Span& span : m_spans) {
        const bool enclosed = span.start.inString() || span.start.depth > 0;
        for (int k = 0; k < span.elements && element < m_out.size(); ++k, ++element) {
            if (element < tailFrom)
                m_table.lines.setEnclosed(element, enclosed);
            else
                m_table.tail.setEnclosed(element - tailFrom, enclosed);
        }
    }
    PythonSource& source = m_table.source;
    source.bytes = m_bytes;
    source.coding = m_file.coding;
    source.elements = m_out;
    source.spans = std::move(m_spans);
    source.lastLineEnded = m_bytes.isEmpty() || m_bytes.endsWith('\n') || m_bytes.endsWith('\r');
    // New lines end as most of the file's lines do, CR LF when none ends.
    int ends[3] = {0, 0, 0}; // CR LF, LF, CR
    for (int i = 0; i < m_file.count(); ++i) {
        const qsizetype to = m_file.byteEnd(i);
        const qsizetype length = to - m_file.byteTo[size_t(i)];
        if (length == 2)
            ++ends[0];
        else if (length == 1)
            ++ends[m_bytes[to - 1] == '\n' ? 1 : 2];
    }
    const int most = int(std::max_element(std::begin(ends), std::end(ends)) - std::begin(ends));
    source.lineEnd = most == 0   ? QByteArray("\r\n")
                     : most == 1 ? QByteArray("\n")
                                 : QByteArray("\r");

    if (m_start >= 0 && m_closeLine < 0) {
        const QString list = line(m_start).trimmed().toString();
        if (m_openString >= 0) {
            tell(m_openString, QStringLiteral("a quote opened here is not closed before the end of "
                                              "the file."));
        }
        QString last;
        if (m_table.lastEntry > m_start) {
            const QString id = PythonEntryId(m_out[m_table.lastEntry]);
            last = QStringLiteral(", or its last entry") +
                   (id.isEmpty() ? QString() : QStringLiteral(" \"") + id + u'"') +
                   QStringLiteral(" misses one");
        }
        tell(m_start, QStringLiteral("the list \"") + list +
                          QStringLiteral("\" does not close before the end of the file: its "
                                         "closing bracket is missing") +
                          last + u'.');
        source.notSaved = QStringLiteral("the list \"") + list + QStringLiteral("\" on line ") +
                          QString::number(m_start + 1) +
                          QStringLiteral(" does not close before the end of the file");
    }
    return std::move(m_table);
}

PythonTable TableBuilder::build() {
    const int n = m_file.count();
    if (n == 0) {
        addMadeUp(QString());
        m_table.failure = Err::InputPastEnd;
        return finish(m_out.size());
    }
    // A list that balances is read as Python reads it, though a line inside
    // an entry may look like an entry of its own. Only a list that does not is
    // read again, taking such a line for the next entry, to find the entry
    // that is damaged; a list with no such line would be read the same again.
    scan(false);
    if ((m_closeLine < 0 || m_brokenInList) && m_entryInsideEntry)
        scan(true);

    // The header, copied as it is: line 0, then every line up to the one that
    // opens the list.
    if (m_start < 0) {
        for (int i = 0; i < n; ++i)
            add(line(i).toString(), i, i);
        m_table.lastEntry = n - 1;
        m_table.failure = Err::InputPastEnd;
        return finish(m_out.size());
    }
    for (int i = 0; i <= m_start; ++i)
        add(line(i).toString(), i, i);
    m_table.lastEntry = m_start; // with no entry, new ones go first into the list

    m_nextClose = NextWhere(n, [&](int i) {
        const PySourceState& end = m_scan[i].end;
        return end.depth <= m_depth && !end.inString() && !m_scan[i].joinsNext;
    });
    m_nextBroken = NextWhere(n, [&](int i) { return m_scan[i].broken; });
    m_nextInString = NextWhere(n, [&](int i) { return m_scan[i].start.inString(); });
    m_nextResync = NextWhere(n, [&](int i) { return m_resync[size_t(i)] >= 0; });

    // Every entry line is searched for the marked ids' texts: the searches are
    // prepared once.
    const QStringMatcher hardwiredText(m_format.hardwiredId);
    const QStringMatcher endText(m_format.endId);
    bool lastJoined = false;  // the element of the last entry is a joined one
    int lastEntryEnd = -1;    // the line on which that entry ends
    size_t lastEntrySpan = 0; // and the span it stands on
    bool behindTold = false;
    for (int i = m_start + 1; i < n;) {
        const PySourceLine& info = m_scan[i];
        if (!inList(i)) {
            if (!behindTold && !info.start.inString() && info.start.depth < m_depth &&
                IsPythonEntry(line(i), m_format.opener)) {
                tellEntryBehind(i);
                behindTold = true;
            }
            add(line(i).toString(), i, i); // code behind the list: indentation matters
            ++i;
            continue;
        }
        if (m_resync[size_t(i)] >= 0 && m_toldUpTo < i - 1) {
            // What left the bracket open is no entry of its own.
            tell(m_resync[size_t(i)],
                 QStringLiteral("a bracket opened here does not close before the entry on line ") +
                     QString::number(i + 1) + u'.');
            m_toldUpTo = i - 1;
        }
        if (info.start.inString() || info.start.depth != m_depth ||
            !IsPythonEntry(line(i), m_format.opener)) {
            if (info.broken && i > m_toldUpTo)
                tell(i, QStringLiteral("a quote is not closed."));
            add(TrimListLine(line(i), info), i, i);
            ++i;
            continue;
        }

        const int element = int(m_out.size());
        // Only an entry that holds the text of a marked id is read for its id.
        const auto idIs = [&](const QString& wanted, const QStringMatcher& text) {
            return !wanted.isEmpty() && text.indexIn(line(i)) >= 0 &&
                   PythonEntryId(line(i)) == wanted;
        };
        if (idIs(m_format.hardwiredId, hardwiredText))
            m_table.hardwired = element;
        m_table.lastEntry = element;
        const int last = entryEnd(i);
        lastJoined = last >= 0;
        if (!lastJoined) {
            tellUnjoined(i);
            add(TrimListLine(line(i), info), i, i);
            ++i;
            continue;
        }
        add(joinEntry(i, last), i, last);
        lastEntryEnd = last;
        lastEntrySpan = m_spans.size() - 1;
        if (m_closeLine < 0 && idIs(m_format.endId, endText)) {
            // The end entry of a list that never closes ends the editable
            // part: the line behind it stands for the list's "]", and whatever
            // follows goes back to the file as it stands.
            if (auto rest = FinishLastEntry(m_out.last())) {
                m_out.append(*rest);
                ++m_spans.back().elements;
            }
            if (last + 1 < n)
                add(line(last + 1).toString(), last + 1, last + 1);
            else
                addMadeUp(QStringLiteral("]"));
            const qsizetype tailFrom = m_out.size();
            for (int k = last + 2; k < n; ++k)
                add(line(k).toString(), k, k);
            return finish(tailFrom);
        }
        i = last + 1;
    }
    if (lastJoined) {
        if (auto rest = FinishLastEntry(m_out[m_table.lastEntry])) {
            // A remark behind the list's closing bracket is no part of the
            // entry, though joining cut it.
            const int commentAt = m_scan[lastEntryEnd].commentAt;
            if (m_format.compactEntries && commentAt >= 0) {
                *rest += u' ';
                *rest += TrimPythonEnd(line(lastEntryEnd).mid(commentAt));
            }
            m_out.insert(m_table.lastEntry + 1, *rest);
            PythonSource::Span& span = m_spans[lastEntrySpan];
            ++span.elements;
            // The list's bracket is the first to close below the list's depth.
            PySourceState state = m_scan[lastEntryEnd].start;
            PySourceLine info;
            const QStringView last = line(lastEntryEnd);
            ScanPythonLine(last, state, info,
                           [&](qsizetype from, qsizetype, PyPart part, int depth) {
                               if (part == PyPart::Code && depth < m_depth && span.split < 0)
                                   span.split = m_file.byteAt(lastEntryEnd, from);
                               return span.split < 0;
                           });
        }
    }
    qsizetype tailFrom = m_out.size();
    if (!m_format.endId.isEmpty() && m_closeLine >= 0) {
        // A list with an end entry ends its editable part at its closing
        // bracket, also where comments or blank lines stand between the end
        // entry and the bracket, and without the end entry too: the lines
        // behind the bracket go to the tail, so that entries added at the end
        // stay inside the list.
        tailFrom -= n - 1 - m_closeLine;
    }
    return finish(tailFrom);
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

PythonTable BuildPythonTable(const QByteArray& bytes, const PythonListFormat& format,
                             const std::optional<PythonCoding>& coding) {
    return TableBuilder(bytes, format, coding.value_or(PythonFileCoding(bytes))).build();
}
