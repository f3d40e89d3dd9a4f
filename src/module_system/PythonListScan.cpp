#include "module_system/PythonListScan.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

QString TrimListLine(QStringView line, const PySourceLine& info) {
    QStringView text = info.start.inString() ? line : TrimPythonStart(line);
    if (!info.end.inString())
        text = TrimPythonEnd(text);
    return text.toString();
}

void AppendJoined(QString& entry, QStringView piece) {
    if (!entry.isEmpty() && !piece.isEmpty() && PythonRunsTogether(entry.back(), piece.front()))
        entry += u' ';
    entry += piece;
}

void AppendIndented(QString& entry, QStringView text) {
    const QStringView rest = TrimPythonStart(text);
    entry += QString(text.size() - rest.size(), u' ');
    AppendJoined(entry, rest);
}

bool AddTrailingComma(QString& entry) {
    qsizetype codeEnd = 0;
    PySourceState state;
    PySourceLine info;
    ScanPythonLine(entry, state, info, [&](qsizetype from, qsizetype to, PyPart part, int) {
        if (part == PyPart::Comment)
            return false;
        for (qsizetype i = to; i > from && codeEnd < i; --i) {
            if (part != PyPart::Code || !IsPythonBlank(entry[i - 1]))
                codeEnd = i;
        }
        return true;
    });
    if (codeEnd == 0 || entry[codeEnd - 1] == u',')
        return false;
    entry.insert(codeEnd, u',');
    return true;
}

bool HasForWord(QStringView code) {
    for (qsizetype k = code.indexOf(u"for"); k >= 0; k = code.indexOf(u"for", k + 1)) {
        if ((k == 0 || !IsPythonWordChar(code[k - 1])) &&
            (k + 3 == code.size() || !IsPythonWordChar(code[k + 3])))
            return true;
    }
    return false;
}

std::optional<ListOpening> FindListOpening(QStringView line, PySourceState state,
                                           const QString& listStart) {
    struct Seen {
        QChar c;
        int depth;
        qsizetype at;
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
            seen.push_back({c, depth, i});
            code += c;
        }
        return true;
    });
    for (qsizetype k = code.indexOf(listStart); k >= 0; k = code.indexOf(listStart, k + 1)) {
        if (k > 0 && IsPythonWordChar(code[k - 1]))
            continue;
        const qsizetype bracket = k + listStart.size() - 1;
        // The list's bracket stands outside the list; what it holds is one deeper.
        return ListOpening{seen[size_t(bracket)].depth + 1, seen[size_t(bracket)].at};
    }
    return std::nullopt;
}

namespace {

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

// Follows a line of a list that is not compacted for elements behind a comma.
// Not inlined into the scan's loop over the lines: the loop over the
// characters runs faster on its own.
Q_NEVER_INLINE void WatchLine(QStringView text, PySourceState& state, PySourceLine& info,
                              ElementWatch& watch) {
    const int listDepth = watch.listDepth;
    ScanPythonLine(text, state, info, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
        if (part == PyPart::String || part == PyPart::OpenString)
            watch.string(depth);
        else if (part == PyPart::Code && depth == listDepth)
            for (qsizetype k = from; k < to; ++k)
                watch.code(text[k], depth);
        return true;
    });
}

} // namespace

bool CompactPlainLine(QStringView text, PySourceState& state, PySourceLine& info, char16_t* out,
                      qsizetype& length, ElementWatch& watch) {
    if (state.inString())
        return false;
    const char16_t* const t = text.utf16();
    const qsizetype lineStart = length;
    char16_t* o = out + length;
    int depth = state.depth;
    int minDepth = depth;
    bool blank = false;
    ElementWatch fast = watch;
    const char16_t* p = t;
    const char16_t* const end = t + text.size();
    for (; p < end; ++p) {
        const char16_t c = *p;
        const unsigned char kind = c < 128 ? CharKinds[c] : static_cast<unsigned char>(Plain);
        if (kind == Plain) {
            if (depth == fast.listDepth)
                fast.code(c, depth);
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
        if (kind == Remark || kind == Scanner)
            break;
        if (kind == Opens) {
            if (depth == fast.listDepth)
                fast.code(c, depth);
            ++depth;
        } else
            minDepth = std::min(minDepth, --depth);
        blank = false;
        *o++ = c;
    }
    if (p < end && *p != u'#')
        return false; // a string or a backslash: the scanner's
    if (p < end)
        info.commentAt = int(p - t);
    info.minDepth = minDepth;
    state.depth = depth;
    length = o - out;
    watch = fast;
    return true;
}

void CompactScannedLine(QStringView text, PySourceState& state, PySourceLine& info, char16_t* out,
                        qsizetype& length, ElementWatch& watch) {
    const char16_t* const t = text.utf16();
    const qsizetype lineStart = length;
    bool blank = false;
    ScanPythonLine(text, state, info, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
        if (part == PyPart::Comment)
            return true;
        if (part != PyPart::Code)
            watch.string(depth);
        else if (depth == watch.listDepth)
            for (qsizetype k = from; k < to; ++k)
                watch.code(t[k], depth);
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

void PythonListScan::reset() {
    const size_t n = size_t(m_file.count());
    source.assign(n, PySourceLine());
    lines.assign(n, ListLine());
    literals.clear();
    operands.clear();
    blocks.clear();
    start = -1;
    depth = 0;
    closeLine = -1;
    openString = -1;
    brokenInList = false;
    entryInsideEntry = false;
    m_expr = Expr::InLiteral;
    m_open = false;
}

void PythonListScan::scan(bool resync) {
    reset();
    // Lines of an entry of a compact list lose their blanks and comments when
    // joined; they lose them here, on the one pass over every character.
    // Compaction never makes a line longer (a blank goes in only where blanks
    // went out), so the file's whole text is room enough for the compacted
    // lines of the list; each line is checked against it.
    char16_t* out = nullptr;
    if (m_format.compactEntries) {
        m_compact.resize(m_file.text.size());
        out = reinterpret_cast<char16_t*>(m_compact.data());
    }
    qsizetype length = 0;
    PySourceState state;
    int opener = -1; // the last line of the list that left a bracket open
    for (int i = 0; i < m_file.count(); ++i) {
        const QStringView text = m_file.line(i);
        PySourceLine& info = source[size_t(i)];
        ListLine& line = lines[size_t(i)];
        const bool inList = m_open;
        if (inList && m_expr == Expr::InLiteral && !state.inString() && state.depth > depth &&
            (resync || !entryInsideEntry) && opensEntry(i)) {
            entryInsideEntry = true;
            if (resync) {
                // An entry begins while the one before is still open: that
                // one misses a closing bracket (or a quote). The list is read
                // on as if it had closed, so that one damaged entry does not
                // swallow every entry behind it.
                line.resync = opener >= 0 ? opener : i;
                state.depth = depth;
            }
        }
        info.start = state;
        line.compactFrom = length;
        ElementWatch watch{depth};
        if (out && inList)
            ScanAndCompact(text, state, info, out, length, watch);
        else if (inList)
            WatchLine(text, state, info, watch);
        else
            ScanPythonLine(text, state, info, PyQuietScan());
        Q_ASSERT_X(length - line.compactFrom <= text.size(), "PythonListScan::scan",
                   "a compacted line must not be longer than the line");
        line.compactTo = length;
        info.end = state;
        if (inList) {
            line.block = int(blocks.size()) - 1;
            line.more = watch.more;
            if (m_expr == Expr::InLiteral)
                line.literal = int(literals.size()) - 1;
            // Only a line that leaves a literal, begins outside one, or may hold
            // a comprehension's "for" at the literal's own depth is read again.
            if (m_expr != Expr::InLiteral || info.minDepth < depth ||
                (info.minDepth == depth && !literals.back().comprehension && text.contains(u"for")))
                follow(i, 0);
        }
        if (info.end.inString() && !info.start.inString())
            openString = i;
        if (start >= 0 && !info.start.inString() && info.start.depth == depth &&
            info.end.depth > depth)
            opener = i;
        if (start < 0 && i > 0 && !info.start.inString()) // line 0 is header whatever it holds
            findStart(i);
        else if (start >= 0 && !inList && !m_open)
            findBlock(i);
        if (info.broken && (inList || m_open || i == start || line.opening))
            brokenInList = true;
    }
    if (!state.inString())
        openString = -1;
    findAhead();
}

void PythonListScan::findStart(int i) {
    if (const auto opening =
            FindListOpening(m_file.line(i), source[size_t(i)].start, m_format.listStart)) {
        start = i;
        depth = opening->depth;
        openBlock(i, opening->bracket);
    }
}

void PythonListScan::findBlock(int i) {
    // A statement of its own at the level of the list's assignment, not
    // indented: one in the body of a def, a class or an if may never run.
    const PySourceLine& info = source[size_t(i)];
    if (info.start.inString() || info.start.depth != depth - 1 ||
        (i > 0 && source[size_t(i) - 1].joinsNext))
        return;
    const QStringView text = m_file.line(i);
    const QStringView name = QStringView(m_format.listStart).chopped(2);
    if (!text.startsWith(name))
        return;
    const QStringView plus = TrimPythonStart(text.mid(name.size()));
    if (!plus.startsWith(u"+="))
        return;
    const QStringView literal = TrimPythonStart(plus.mid(2));
    if (!literal.startsWith(u'['))
        return;
    // Its entries stand on lines of their own, as the list's do: an entry on
    // the opening line would be read as none.
    const qsizetype bracket = text.size() - literal.size();
    const QStringView rest = info.commentAt >= 0 ? text.left(info.commentAt) : text;
    if (!TrimPythonEnd(rest.mid(bracket + 1)).isEmpty())
        return;
    lines[size_t(i)].opening = true;
    openBlock(i, bracket);
}

void PythonListScan::openBlock(int i, qsizetype bracket) {
    blocks.push_back({i, -1});
    m_open = true;
    m_expr = Expr::InLiteral;
    literals.push_back({i, bracket});
    follow(i, bracket + 1);
}

int PythonListScan::blockOf(int i) const {
    if (lines[size_t(i)].block >= 0)
        return lines[size_t(i)].block;
    for (size_t b = 0; b < blocks.size(); ++b) {
        if (blocks[b].start == i)
            return int(b);
    }
    return -1;
}

int PythonListScan::blockEnd(int i) const {
    const int b = blockOf(i);
    if (b < 0)
        return i;
    const int close = blocks[size_t(b)].close;
    return close >= 0 ? close : int(lines.size()) - 1;
}

int PythonListScan::closedBefore(int i) const {
    int closed = -1;
    for (const ListBlock& block : blocks) {
        if (block.close >= 0 && block.close < i)
            closed = block.close;
    }
    return closed;
}

void PythonListScan::follow(int i, qsizetype from) {
    const QStringView text = m_file.line(i);
    PySourceState state = source[size_t(i)].start;
    PySourceLine info;
    const int outer = depth - 1; // where the literals' own brackets stand
    const auto operand = [&](qsizetype at) {
        operands.push_back({i, at});
        m_expr = Expr::InOperand;
    };
    ScanPythonLine(text, state, info, [&](qsizetype begin, qsizetype to, PyPart part, int at) {
        if (part == PyPart::Comment || m_expr == Expr::Done)
            return false;
        if (to <= from)
            return true;
        begin = std::max(begin, from);
        if (m_expr == Expr::InLiteral) {
            if (part != PyPart::Code)
                return true;
            if (at < depth)
                m_expr = Expr::AfterLiteral; // its closing bracket
            else if (at == depth && HasForWord(text.mid(begin, to - begin)))
                literals.back().comprehension = true;
            return true;
        }
        if (at > outer)
            return true; // inside an operand's brackets
        if (at < outer || (part != PyPart::Code && m_expr == Expr::AfterLiteral)) {
            m_expr = Expr::Done; // the statement goes on in a way that is no sum of lists
            return false;
        }
        if (part != PyPart::Code) {
            if (m_expr == Expr::AfterPlus)
                operand(begin);
            return true;
        }
        for (qsizetype k = begin; k < to && m_expr != Expr::Done; ++k) {
            const QChar c = text[k];
            if (IsPythonBlank(c) || c == u'\\')
                continue; // a backslash outside strings joins the next line
            if (m_expr == Expr::AfterLiteral) {
                m_expr = c == u'+' ? Expr::AfterPlus : Expr::Done;
            } else if (m_expr == Expr::AfterPlus) {
                if (c == u'[') {
                    literals.push_back({i, k});
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
    if (m_expr == Expr::Done && m_open) {
        blocks.back().close = i;
        m_open = false;
        if (blocks.size() == 1)
            closeLine = i;
    }
}

void PythonListScan::findAhead() {
    const int n = m_file.count();
    ahead.assign(size_t(n) + 1, ListAhead());
    for (int i = n - 1; i >= 0; --i) {
        const PySourceLine& info = source[size_t(i)];
        const ListAhead& after = ahead[size_t(i) + 1];
        ListAhead& at = ahead[size_t(i)];
        at.close =
            info.end.depth <= depth && !info.end.inString() && !info.joinsNext ? i : after.close;
        at.broken = info.broken ? i : after.broken;
        at.inString = info.start.inString() ? i : after.inString;
        at.resync = lines[size_t(i)].resync >= 0 ? i : after.resync;
        at.more = lines[size_t(i)].more ? i : after.more;
        at.dip = i > start && info.minDepth < depth ? i : after.dip;
    }
}

bool PythonListScan::opensEntry(int i) const {
    // IsPythonEntry, with the bracket alone on its line (a formatter's
    // layout) too: then the id stands on the next line that holds code.
    const QStringView opened = TrimPythonStart(m_file.line(i));
    if (!opened.startsWith(m_format.opener))
        return false;
    const QStringView rest = TrimPythonStart(opened.mid(1));
    if (rest.startsWith(u'"'))
        return true;
    if (!rest.isEmpty() && !rest.startsWith(u'#'))
        return false;
    for (int k = i + 1; k < m_file.count(); ++k) {
        const QStringView next = TrimPythonStart(m_file.line(k));
        if (!next.isEmpty() && !next.startsWith(u'#'))
            return next.startsWith(u'"');
    }
    return false;
}

int PythonListScan::entryEnd(int first) const {
    const ListAhead& from = ahead[size_t(first)];
    const ListAhead& behind = ahead[size_t(first) + 1];
    int last = from.close;
    // Where the list's literal closes, the entry ends at the latest.
    if (from.dip >= 0 && (last < 0 || from.dip < last))
        last = from.dip;
    if (last < 0)
        return -1;
    const auto within = [last](int next) { return next >= 0 && next <= last; };
    if (within(from.broken) || within(behind.inString) || within(behind.resync))
        return -1;
    return last;
}
