#include "module_system/PythonTable.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonListGrowth.h"
#include "module_system/PythonListScan.h"
#include "module_system/PythonText.h"

#include "platform/Failure.h"

#include <QStringMatcher>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace {

class TableBuilder {
public:
    TableBuilder(const QByteArray& bytes, const PythonListFormat& format,
                 const PythonCoding& coding)
        : m_bytes(bytes), m_file(SplitPythonFileLines(bytes, coding)), m_format(format) {}

    PythonTable build();

private:
    // How far the list's statement is read: inside one of the list literals
    // that "+" joins, behind one, behind a "+", inside an operand that is no
    // list literal (a name, a call), or to its end.
    enum class Expr : unsigned char { InLiteral, AfterLiteral, AfterPlus, InOperand, Done };
    struct Literal {
        int line; // where its bracket opens
        qsizetype col;
        // "[ ... for ... ]": its entries are made when the module builds.
        bool comprehension = false;
    };
    struct At {
        int line;
        qsizetype col;
    };

    void scan(bool resync);
    // Reads line i of the list's statement from column `from` on for where
    // its literals and operands begin and end, and where the statement ends.
    void follow(int i, qsizetype from);
    bool opensEntry(int i) const;
    int entryEnd(int first) const;
    QString joinEntry(int first, int last) const { return joinPart({first, 0}, {last, -1}); }
    // The text of an element that runs from `from` to `to` (a column of -1:
    // the line's end), joined as an entry's lines are.
    QString joinPart(At from, At to) const;
    // Adds the elements that lines first to last hold, several of them or
    // one that the list's literal closes behind; returns the next line to read.
    int addShared(int first, int last);
    // The last line of what is spliced to the list behind a literal that
    // closes on line i: up to the line before the next list literal's lines.
    int spliceEnd(int i) const;
    // The text of lines first to last, from column `col` of the first, for an
    // element that no editor reads: each line trimmed, one line break between.
    QString spliceText(int first, qsizetype col, int last) const;
    // Readies the last entry of a literal that has closed for entries added behind it.
    void finishLiteral();
    bool inPlainLiteral(int i) const {
        const int literal = m_literalAt[size_t(i)];
        return literal >= 0 && !m_literals[size_t(literal)].comprehension;
    }
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
    // Adds lines first to last to the last element (spliceText's form).
    void extendLast(int first, int last);
    // Tells why the entry on line `first` could not be joined, if it is damaged.
    void tellUnjoined(int first);
    // Tells the entry on line `entry`, behind the list's closing line, which
    // the list does not hold.
    void tellEntryBehind(int entry);
    void tell(int line, const QString& text);
    // Tells a part of the list that no editor can edit, from where it begins.
    void tellUneditable(At at) { m_uneditable.push_back(at); }
    QString headAt(At at) const;
    PythonTable finish(qsizetype tailFrom);

    const QByteArray& m_bytes;
    const PythonFileLines m_file;
    const PythonListFormat& m_format;
    std::vector<PySourceLine> m_scan;
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
    std::vector<int> m_nextClose, m_nextBroken, m_nextInString, m_nextResync, m_nextMore, m_nextDip;
    Expr m_expr = Expr::InLiteral;
    std::vector<Literal> m_literals;
    std::vector<int> m_literalAt; // per line of the list: the literal it begins in, or -1
    std::vector<char> m_more;     // per line: another element begins on it behind a comma
    std::vector<At> m_operands;   // operands of the list's statement that are no literals
    std::vector<At> m_uneditable;
    int m_literalLast = -1; // the element of the last entry of the open literal, -1 if none
    int m_literalLastLine = -1;
    size_t m_literalLastSpan = 0;
    bool m_literalLastEnds = true;      // that entry ends its span's lines
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
    m_scan.assign(size_t(n), PySourceLine());
    m_resync.assign(size_t(n), -1);
    m_start = -1;
    m_depth = 0;
    m_closeLine = -1;
    m_openString = -1;
    m_brokenInList = false;
    m_entryInsideEntry = false;
    m_expr = Expr::InLiteral;
    m_literals.clear();
    m_literalAt.assign(size_t(n), -1);
    m_more.assign(size_t(n), 0);
    m_operands.clear();
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
        const bool inList = m_start >= 0 && m_closeLine < 0;
        if (inList && m_expr == Expr::InLiteral && !state.inString() && state.depth > m_depth &&
            (resync || !m_entryInsideEntry) && opensEntry(i)) {
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
        ElementWatch watch{m_depth};
        if (compact && inList) {
            ScanAndCompact(text, state, info, out, length, watch);
        } else if (inList) {
            ScanPythonLine(text, state, info,
                           [&](qsizetype from, qsizetype to, PyPart part, int at) {
                               if (part == PyPart::String || part == PyPart::OpenString)
                                   watch.string(at);
                               else if (part == PyPart::Code && at == m_depth)
                                   for (qsizetype k = from; k < to; ++k)
                                       watch.code(text[k], at);
                               return true;
                           });
        } else {
            ScanPythonLine(text, state, info, PyQuietScan());
        }
        info.end = state;
        if (inList) {
            m_more[size_t(i)] = watch.more;
            if (m_expr == Expr::InLiteral)
                m_literalAt[size_t(i)] = int(m_literals.size()) - 1;
            // Only a line that leaves a literal, begins outside one, or may hold
            // a comprehension's "for" at the literal's own depth is read again.
            if (m_expr != Expr::InLiteral || info.minDepth < m_depth ||
                (info.minDepth == m_depth && !m_literals.back().comprehension &&
                 text.contains(u"for")))
                follow(i, 0);
        }
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
                m_literals.push_back({i, opening->bracket});
                follow(i, opening->bracket + 1);
            }
        }
        if (info.broken && m_start >= 0 && (m_closeLine < 0 || m_closeLine == i))
            m_brokenInList = true;
    }
    m_compactAt[size_t(n)] = length;
    if (!state.inString())
        m_openString = -1;
}

void TableBuilder::follow(int i, qsizetype from) {
    const QStringView text = line(i);
    PySourceState state = m_scan[i].start;
    PySourceLine info;
    const int outer = m_depth - 1; // where the literals' own brackets stand
    const auto operand = [&](qsizetype at) {
        m_operands.push_back({i, at});
        m_expr = Expr::InOperand;
    };
    ScanPythonLine(text, state, info, [&](qsizetype start, qsizetype to, PyPart part, int depth) {
        if (part == PyPart::Comment || m_expr == Expr::Done)
            return false;
        if (to <= from)
            return true;
        start = std::max(start, from);
        if (m_expr == Expr::InLiteral) {
            if (part != PyPart::Code)
                return true;
            if (depth < m_depth)
                m_expr = Expr::AfterLiteral; // its closing bracket
            else if (depth == m_depth && HasForWord(text.mid(start, to - start)))
                m_literals.back().comprehension = true;
            return true;
        }
        if (depth > outer)
            return true; // inside an operand's brackets
        if (depth < outer || (part != PyPart::Code && m_expr == Expr::AfterLiteral)) {
            m_expr = Expr::Done; // the statement goes on in a way that is no sum of lists
            return false;
        }
        if (part != PyPart::Code) {
            if (m_expr == Expr::AfterPlus)
                operand(start);
            return true;
        }
        for (qsizetype k = start; k < to && m_expr != Expr::Done; ++k) {
            const QChar c = text[k];
            if (IsPythonBlank(c))
                continue;
            if (m_expr == Expr::AfterLiteral) {
                m_expr = c == u'+' ? Expr::AfterPlus : Expr::Done;
            } else if (m_expr == Expr::AfterPlus) {
                if (c == u'[') {
                    m_literals.push_back({i, k});
                    m_expr = Expr::InLiteral;
                    return true;
                }
                operand(k);
            } else if (c == u'+') {
                m_expr = Expr::AfterPlus;
            }
        }
        return m_expr != Expr::Done;
    });
    // A line end ends the statement outside brackets, unless a backslash joins the next line.
    if (m_expr != Expr::InLiteral && !info.joinsNext && state.depth <= outer && !state.inString())
        m_expr = Expr::Done;
    if (m_expr == Expr::Done && m_closeLine < 0)
        m_closeLine = i;
}

bool TableBuilder::opensEntry(int i) const {
    // IsPythonEntry, with the bracket alone on its line (a formatter's
    // layout) too: then the id stands on the next line that holds code.
    const QStringView opened = TrimPythonStart(line(i));
    if (!opened.startsWith(m_format.opener))
        return false;
    const QStringView rest = TrimPythonStart(opened.mid(1));
    if (rest.startsWith(u'"'))
        return true;
    if (!rest.isEmpty() && !rest.startsWith(u'#'))
        return false;
    for (int k = i + 1; k < m_file.count(); ++k) {
        const QStringView next = TrimPythonStart(line(k));
        if (!next.isEmpty() && !next.startsWith(u'#'))
            return next.startsWith(u'"');
    }
    return false;
}

// The last line of the entry that opens on line `first`: the first line at
// whose end the entry's brackets are all closed. -1 when the entry cannot be
// joined: it never closes, the next entry begins before it closes, or a
// string in it runs over a line end or is broken.
int TableBuilder::entryEnd(int first) const {
    int last = m_nextClose[first];
    // Where the list's literal closes, the entry ends at the latest.
    const int dip = m_nextDip[first];
    if (dip >= 0 && (last < 0 || dip < last))
        last = dip;
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

QString TableBuilder::joinPart(At from, At to) const {
    const int first = from.line;
    const int last = to.line;
    qsizetype size = 0;
    for (int k = first; k <= last; ++k)
        size += m_file.to[size_t(k)] - m_file.from[size_t(k)];
    QString entry;
    entry.reserve(size + last - first + 1);
    for (int k = first; k <= last; ++k) {
        const PySourceLine& info = m_scan[k];
        // Whether the part reaches the line's end; only the first line may
        // begin behind another element, only the last end before one.
        const bool whole = k < last || to.col < 0;
        const qsizetype begin = k == first ? from.col : 0;
        if (k > first && whole && m_format.compactEntries) {
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
        if (whole) {
            // Items keep a comment behind the entry's end; inside the entry a
            // comment would swallow the lines joined behind it.
            const bool keepComment = !m_format.compactEntries && k == last;
            if (!keepComment && info.commentAt >= 0)
                text = text.left(info.commentAt);
            if (info.joinsNext)
                text.chop(1); // the backslash that joined the line to the next
        } else {
            text = text.left(to.col);
        }
        text = TrimPythonEnd(text.mid(std::min(begin, text.size())));
        if (k == first) {
            entry += TrimPythonStart(text);
        } else if (TrimPythonStart(text).isEmpty()) {
            continue; // comment and empty lines inside the entry
        } else if (m_format.compactEntries) {
            AppendCompactPython(entry, text);
        } else {
            AppendIndented(entry, text);
        }
    }
    return entry;
}

int TableBuilder::addShared(int first, int last) {
    // Where each element begins, and where the literal closes, if it does.
    std::vector<At> starts;
    At close{-1, -1};
    bool apart = true; // every element begins on the line of the comma before it
    bool expect = true;
    int commaLine = first;
    PySourceState state = m_scan[first].start;
    for (int k = first; k <= last && close.line < 0; ++k) {
        const QStringView text = line(k);
        PySourceLine info;
        ScanPythonLine(
            text, state, info, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
                if (part == PyPart::Comment)
                    return false;
                if (depth < m_depth) {
                    close = {k, from};
                    return false;
                }
                if (depth > m_depth)
                    return true;
                for (qsizetype c = from; c < (part == PyPart::Code ? to : from + 1); ++c) {
                    // A backslash that joins the next line counts as a blank.
                    if (part == PyPart::Code && (IsPythonBlank(text[c]) || text[c] == u'\\'))
                        continue;
                    if (part == PyPart::Code && text[c] == u',') {
                        apart = apart && !expect; // an empty element: a comma leads the line
                        expect = true;
                        commaLine = k;
                    } else if (expect) {
                        apart = apart && (starts.empty() || k == commaLine);
                        starts.push_back({k, c});
                        expect = false;
                    }
                }
                return true;
            });
    }
    // The elements' texts. One that is no entry stays as its lines where it
    // spans several, as it would on a line of its own: only entries are
    // joined over lines.
    QStringList texts;
    for (size_t e = 0; e < starts.size() && apart; ++e) {
        const bool beforeClose = e + 1 == starts.size() && close.line >= 0;
        const At end = e + 1 < starts.size() ? starts[e + 1] : beforeClose ? close : At{last, -1};
        texts.append(joinPart(starts[e], end));
        if (!IsPythonEntry(texts.last(), m_format.opener))
            apart = end.line == starts[e].line;
    }
    if (!apart || starts.empty()) {
        // The elements cannot be kept apart on their lines: they stay as their
        // lines, and the user is told of the entries among them.
        for (const At& at : starts)
            tellUneditable(at);
        for (int k = first; k <= last; ++k)
            add(TrimListLine(line(k), m_scan[k]), k, k);
        m_literalLast = -1;
        const int end = close.line >= 0 ? spliceEnd(last) : last;
        if (end > last)
            extendLast(last + 1, end);
        return end + 1;
    }

    const int element = int(m_out.size());
    std::vector<qsizetype> splits;
    int lastEntry = -1;
    for (size_t e = 0; e < starts.size(); ++e) {
        if (e > 0)
            splits.push_back(m_file.byteAt(starts[e].line, starts[e].col));
        if (!IsPythonEntry(texts[qsizetype(e)], m_format.opener)) {
            tellUneditable(starts[e]);
        } else {
            if (!m_format.hardwiredId.isEmpty() &&
                PythonEntryId(texts[qsizetype(e)]) == m_format.hardwiredId)
                m_table.hardwired = int(m_out.size());
            lastEntry = m_table.lastEntry = int(m_out.size());
        }
        m_out.append(texts[qsizetype(e)]);
    }
    int spanLast = last;
    if (close.line >= 0) {
        spanLast = spliceEnd(close.line);
        splits.push_back(m_file.byteAt(close.line, close.col));
        m_out.append(spliceText(close.line, close.col, spanLast));
    }
    m_spans.push_back({m_file.byteFrom[size_t(first)], m_file.byteEnd(spanLast),
                       int(m_out.size()) - element, m_scan[first].start, std::move(splits), -1});
    if (lastEntry >= 0) {
        m_literalLast = lastEntry;
        m_literalLastLine = last;
        m_literalLastSpan = m_spans.size() - 1;
        // The comma goes in behind the lines only where the entry ends them.
        m_literalLastEnds = lastEntry == int(m_out.size()) - 1;
    }
    if (close.line >= 0)
        finishLiteral();
    return spanLast + 1;
}

int TableBuilder::spliceEnd(int i) const {
    const int end = m_closeLine >= 0 ? m_closeLine : m_file.count() - 1;
    while (i < end && !inPlainLiteral(i + 1))
        ++i;
    return i;
}

QString TableBuilder::spliceText(int first, qsizetype col, int last) const {
    QString text = TrimListLine(line(first).mid(col), m_scan[first]);
    for (int k = first + 1; k <= last; ++k) {
        text += u'\n';
        text += TrimListLine(line(k), m_scan[k]);
    }
    return text;
}

void TableBuilder::finishLiteral() {
    if (m_literalLast < 0)
        return;
    QString& entry = m_out[m_literalLast];
    m_literalLast = -1;
    if (!AddTrailingComma(entry) || !m_literalLastEnds)
        return;
    // The file has no comma there: it goes in behind the entry's code once
    // something new is written behind the entry.
    const PySourceLine& info = m_scan[m_literalLastLine];
    QStringView code = line(m_literalLastLine);
    if (info.commentAt >= 0)
        code = code.left(info.commentAt);
    m_spans[m_literalLastSpan].comma = m_file.byteAt(m_literalLastLine, TrimPythonEnd(code).size());
}

QString TableBuilder::headAt(At at) const {
    // The part's code from where it begins, over its first lines of the list.
    QString code;
    const int end = m_closeLine >= 0 ? m_closeLine : m_file.count() - 1;
    for (int k = at.line; k <= end && code.size() < 60; ++k) {
        QStringView text = line(k);
        if (m_scan[k].commentAt >= 0)
            text = text.left(m_scan[k].commentAt);
        text = TrimPythonEnd(TrimPythonStart(text.mid(k == at.line ? at.col : 0)));
        if (text.isEmpty())
            continue;
        if (!code.isEmpty())
            code += u' ';
        code += text;
    }
    // The part ends at a comma or "+" outside its brackets. It is named up to
    // the end of its first string (an entry's id, a call's first argument)
    // or by its first 40 characters.
    qsizetype stop = code.size();
    qsizetype firstString = -1;
    PySourceState state;
    PySourceLine info;
    ScanPythonLine(code, state, info, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
        if (part != PyPart::Code) {
            firstString = firstString < 0 ? to : firstString;
            return true;
        }
        for (qsizetype k = from; k < to && stop == code.size(); ++k) {
            if (depth < 0 || (depth == 0 && (code[k] == u',' || code[k] == u'+')))
                stop = k;
        }
        return stop == code.size();
    });
    const QString head = TrimPythonEnd(QStringView(code).left(stop)).toString();
    qsizetype cut = head.size() > 40 ? 40 : -1;
    if (firstString > 0 && firstString < head.size() && firstString <= 48)
        cut = firstString;
    return cut < 0 ? head : head.left(cut) + QStringLiteral(" ...");
}

void TableBuilder::add(const QString& element, int first, int last) {
    m_out.append(element);
    m_spans.push_back(
        {m_file.byteFrom[size_t(first)], m_file.byteEnd(last), 1, m_scan[first].start, {}, -1});
}

void TableBuilder::extendLast(int first, int last) {
    m_out.last() += u'\n' + spliceText(first, 0, last);
    m_spans.back().to = m_file.byteEnd(last);
}

void TableBuilder::addMadeUp(const QString& element) {
    m_out.append(element);
    m_spans.push_back({m_bytes.size(), m_bytes.size(), 1, PySourceState(), {}, -1});
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
    std::sort(m_uneditable.begin(), m_uneditable.end(), [](const At& a, const At& b) {
        return a.line != b.line ? a.line < b.line : a.col < b.col;
    });
    // In a list that does not close, what follows the damage is no element of it.
    if (m_start >= 0 && m_closeLine < 0)
        m_uneditable.clear();
    for (const At& at : m_uneditable)
        m_table.uneditable.append(QStringLiteral("Line ") + QString::number(at.line + 1) +
                                  QStringLiteral(": ") + headAt(at));
    if (m_start >= 0 && m_closeLine >= 0)
        m_table.growth = FindPythonListGrowth(m_file, m_scan, m_closeLine + 1,
                                              QStringView(m_format.listStart).chopped(2));
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

    // For every line, the first line at or after it that ends at the list's
    // depth, holds a broken string, begins inside a string, begins an entry
    // while one is open, holds another element behind a comma, or closes a
    // list literal; -1 if none does.
    for (std::vector<int>* next :
         {&m_nextClose, &m_nextBroken, &m_nextInString, &m_nextResync, &m_nextMore, &m_nextDip})
        next->assign(size_t(n) + 1, -1);
    for (int i = n - 1; i >= 0; --i) {
        const PySourceLine& scan = m_scan[size_t(i)];
        const size_t k = size_t(i);
        const auto mark = [&](std::vector<int>& next, bool holds) {
            next[k] = holds ? i : next[k + 1];
        };
        mark(m_nextClose, scan.end.depth <= m_depth && !scan.end.inString() && !scan.joinsNext);
        mark(m_nextBroken, scan.broken);
        mark(m_nextInString, scan.start.inString());
        mark(m_nextResync, m_resync[k] >= 0);
        mark(m_nextMore, m_more[k] != 0);
        mark(m_nextDip, i > m_start && scan.minDepth < m_depth);
    }
    for (const Literal& literal : m_literals) {
        if (literal.comprehension)
            tellUneditable({literal.line, literal.col});
    }
    for (const At& operand : m_operands)
        tellUneditable(operand);

    // Every entry is searched for the marked ids' texts: the searches are
    // prepared once.
    const QStringMatcher hardwiredText(m_format.hardwiredId);
    const QStringMatcher endText(m_format.endId);
    bool behindTold = false;
    int i = m_start + 1;
    if (i < n && inList(i) && !inPlainLiteral(i)) {
        // The list's first literal builds its entries with a "for", or closes
        // on the opening line with more spliced to it: up to the next literal,
        // that stays with the opening line.
        const int end = spliceEnd(i);
        extendLast(i, end);
        i = end + 1;
    }
    while (i < n) {
        const PySourceLine& info = m_scan[i];
        if (!inList(i)) {
            if (!behindTold && !info.start.inString() && info.start.depth < m_depth &&
                opensEntry(i)) {
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
        if (!inPlainLiteral(i)) {
            // Spliced lines that no closing bracket led to (behind an entry
            // that could not be joined) stay with the element before them.
            const int end = spliceEnd(i);
            extendLast(i, end);
            i = end + 1;
            continue;
        }
        // What begins the line's code, for a line that begins at the list's depth.
        const bool atList = !info.start.inString() && info.start.depth == m_depth;
        const QStringView code =
            atList ? TrimPythonStart(info.commentAt >= 0 ? line(i).left(info.commentAt) : line(i))
                   : QStringView();
        if (!code.isEmpty() && IsClosingBracket(code.front())) {
            // The literal's closing bracket, with what is spliced to the list behind it.
            finishLiteral();
            const int end = spliceEnd(i);
            add(spliceText(i, 0, end), i, end);
            i = end + 1;
            continue;
        }
        const int last = atList ? entryEnd(i) : -1;
        if (last >= 0 && ((m_nextMore[i] >= 0 && m_nextMore[i] <= last) || m_nextDip[i] == last)) {
            i = addShared(i, last);
            continue;
        }
        if (!atList || !opensEntry(i)) {
            // An element in a form that no editor reads (a call of the
            // module's own helper): the user is told, and it stays as it is.
            if (!code.isEmpty() && last >= 0 && i > m_toldUpTo)
                tellUneditable({i, line(i).size() - TrimPythonStart(line(i)).size()});
            if (info.broken && i > m_toldUpTo)
                tell(i, QStringLiteral("a quote is not closed."));
            add(TrimListLine(line(i), info), i, i);
            ++i;
            continue;
        }

        const int element = int(m_out.size());
        m_table.lastEntry = element;
        m_literalLast = -1;
        if (last < 0) {
            // Of an entry that cannot be joined, its first line is read for its id.
            if (!m_format.hardwiredId.isEmpty() && hardwiredText.indexIn(line(i)) >= 0 &&
                PythonEntryId(line(i)) == m_format.hardwiredId)
                m_table.hardwired = element;
            tellUnjoined(i);
            add(TrimListLine(line(i), info), i, i);
            ++i;
            continue;
        }
        add(joinEntry(i, last), i, last);
        // Only an entry that holds the text of a marked id is read for its id.
        const auto idIs = [&](const QString& wanted, const QStringMatcher& text) {
            return !wanted.isEmpty() && text.indexIn(m_out[element]) >= 0 &&
                   PythonEntryId(m_out[element]) == wanted;
        };
        if (idIs(m_format.hardwiredId, hardwiredText))
            m_table.hardwired = element;
        m_literalLast = element;
        m_literalLastLine = last;
        m_literalLastSpan = m_spans.size() - 1;
        m_literalLastEnds = true;
        if (m_closeLine < 0 && idIs(m_format.endId, endText)) {
            // The end entry of a list that never closes ends the editable
            // part: the line behind it stands for the list's "]", and whatever
            // follows goes back to the file as it stands.
            finishLiteral();
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
    finishLiteral();
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
