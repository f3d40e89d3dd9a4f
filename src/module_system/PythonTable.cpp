#include "module_system/PythonTable.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonListDamage.h"
#include "module_system/PythonListGrowth.h"
#include "module_system/PythonListScan.h"
#include "module_system/PythonText.h"

#include "platform/TextFile.h"

#include <QStringMatcher>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Builds the table from the scan of a file's lines (PythonListScan).
class TableBuilder {
public:
    TableBuilder(const QByteArray& bytes, const PythonListFormat& format,
                 const PythonCoding& coding)
        : m_bytes(bytes), m_file(SplitPythonFileLines(bytes, coding)), m_format(format),
          m_scan(m_file, format), m_hardwiredText(format.hardwiredId), m_endText(format.endId) {}

    PythonTable build();

private:
    using At = ListPlace;

    // The list's lines from its opening line on, and what follows the list.
    PythonTable readList();
    // Adds a block's opening line, with what is spliced to it before the
    // block's first literal of entries; returns the next line to read.
    int readOpening(int opening);
    // Adds what line i of the list begins: an entry, a line that is none, the
    // literal's closing bracket with what is spliced behind it, or several
    // elements; returns the next line to read.
    int readListLine(int i);
    // Adds the entry that opens on line i and ends on line `last` (-1: it
    // cannot be joined); returns the next line to read.
    int readEntry(int i, int last);
    // Ends the table at the end entry of a list that never closes, on line `last`.
    void endAtEndEntry(int last);
    QString joinEntry(int first, int last) const { return joinPart({first, 0}, {last, -1}); }
    // The text of an element that runs from `from` to `to` (a column of -1:
    // the line's end), joined as an entry's lines are.
    QString joinPart(At from, At to) const;
    // Adds the elements that lines first to last hold, several of them or
    // one that the list's literal closes behind; returns the next line to read.
    int addShared(int first, int last);
    // Where each element on lines first to last begins, and where the
    // literal closes on them ({-1, -1} if it does not); whether every element
    // begins on the line of the comma before it.
    bool findElements(int first, int last, std::vector<At>& starts, At& close) const;
    // The last line of what is spliced to the list behind a literal that
    // closes on line i: up to the line before the next list literal's lines.
    int spliceEnd(int i) const;
    // The text of lines first to last, from column `col` of the first, for an
    // element that no editor reads: each line trimmed, one line break between.
    QString spliceText(int first, qsizetype col, int last) const;
    // Readies the last entry of a literal that has closed for entries added behind it.
    void finishLiteral();
    QStringView line(int i) const { return m_file.line(i); }
    // Whether `element` holds an entry with the id `wanted`, found by `text`.
    bool idIs(int element, const QString& wanted, const QStringMatcher& text) const;
    // Adds an element read from lines first to last.
    void add(const QString& element, int first, int last);
    // Adds an element that stands on no line of the file.
    void addMadeUp(const QString& element);
    // Adds lines first to last to the last element (spliceText's form).
    void extendLast(int first, int last);
    // Tells why the entry on line `first` could not be joined, if it is damaged.
    void tellUnjoined(int first);
    void tell(int line, const QString& text) { m_table.damage.append(ToldAtLine(line, text)); }
    // Tells a part of the list that no editor can edit, from where it begins.
    void tellUneditable(At at) { m_uneditable.push_back(at); }
    QString headAt(At at) const;
    PythonTable finish(qsizetype tailFrom);
    // The line end that lines a save adds take: what most lines end with.
    QByteArray usualLineEnd() const;
    // Tells a list that does not close before the end of the file.
    void tellListOpen();
    // Tells a file that defines no list, and where its list seems to come from.
    void tellNoList();

    // The last entry of the literal being read, which gets a comma once the
    // literal closes.
    struct LastEntry {
        int element = -1; // -1 if none
        int line = -1;    // its last line
        size_t span = 0;
        bool endsLines = true; // the entry ends its span's lines
    };

    const QByteArray& m_bytes;
    const PythonFileLines m_file;
    const PythonListFormat& m_format;
    PythonListScan m_scan;
    // Every entry is searched for the marked ids' texts: the searches are
    // prepared once.
    const QStringMatcher m_hardwiredText;
    const QStringMatcher m_endText;
    std::vector<At> m_uneditable;
    LastEntry m_last;
    int m_toldUpTo = -1; // lines up to here belong to a damaged entry already told
    bool m_behindTold = false;
    qsizetype m_tailFrom = -1; // where the end entry of a list that never closes ended the table

    PythonTable m_table;
    QStringList m_out;
    std::vector<PythonSource::Span> m_spans;
};

PythonTable TableBuilder::build() {
    const int n = m_file.count();
    if (n == 0) {
        addMadeUp(QString());
        tellNoList();
        return finish(m_out.size());
    }
    // A list that balances is read as Python reads it, though a line inside
    // an entry may look like an entry of its own. Only a list that does not is
    // read again, taking such a line for the next entry, to find the entry
    // that is damaged; a list with no such line would be read the same again.
    m_scan.scan(false);
    if ((m_scan.listOpen() || m_scan.brokenInList) && m_scan.entryInsideEntry)
        m_scan.scan(true);

    // The header, copied as it is: line 0, then every line up to the one that
    // opens the list.
    if (m_scan.start < 0) {
        for (int i = 0; i < n; ++i)
            add(line(i).toString(), i, i);
        m_table.lastEntry = n - 1;
        tellNoList();
        return finish(m_out.size());
    }
    for (int i = 0; i < m_scan.start; ++i)
        add(line(i).toString(), i, i);
    m_table.lastEntry = m_scan.start; // with no entry, new ones go first into the list
    for (const ListLiteral& literal : m_scan.literals) {
        if (literal.comprehension)
            tellUneditable({literal.line, literal.col});
    }
    for (const At& operand : m_scan.operands)
        tellUneditable(operand);
    return readList();
}

int TableBuilder::readOpening(int opening) {
    // The opening line stands as it is (code: indentation matters).
    add(line(opening).toString(), opening, opening);
    int i = opening + 1;
    if (i < m_file.count() && m_scan.inList(i) && !m_scan.inPlainLiteral(i)) {
        // The block's first literal builds its entries with a "for", or
        // closes on the opening line with more spliced to it: up to the next
        // literal, that stays with the opening line.
        const int end = spliceEnd(i);
        extendLast(i, end);
        i = end + 1;
    }
    return i;
}

PythonTable TableBuilder::readList() {
    const int n = m_file.count();
    int i = readOpening(m_scan.start);
    while (i < n && m_tailFrom < 0) {
        if (m_scan.inList(i)) {
            i = readListLine(i);
            continue;
        }
        if (m_scan.lines[size_t(i)].opening) {
            i = readOpening(i);
            continue;
        }
        const PySourceLine& info = m_scan.source[size_t(i)];
        if (!m_behindTold && !info.start.inString() && info.start.depth < m_scan.depth &&
            m_scan.opensEntry(i)) {
            const int close = m_scan.closedBefore(i);
            tell(close, EntriesBehindList(line(i), i, close));
            m_behindTold = true;
        }
        add(line(i).toString(), i, i); // code behind the list: indentation matters
        ++i;
    }
    if (m_tailFrom >= 0)
        return finish(m_tailFrom);
    finishLiteral();
    qsizetype tailFrom = m_out.size();
    if (!m_format.endId.isEmpty() && !m_scan.listOpen()) {
        // A list with an end entry ends its editable part at the closing
        // bracket of its last block, also where comments or blank lines stand
        // between the end entry and the bracket, and without the end entry
        // too: the lines behind the bracket go to the tail, so that entries
        // added at the end stay inside the list.
        tailFrom -= n - 1 - m_scan.blocks.back().close;
    }
    return finish(tailFrom);
}

int TableBuilder::readListLine(int i) {
    const ListLine& facts = m_scan.lines[size_t(i)];
    if (facts.resync >= 0 && m_toldUpTo < i - 1) {
        // What left the bracket open is no entry of its own.
        tell(facts.resync, BracketOpenBefore(i));
        m_toldUpTo = i - 1;
    }
    if (!m_scan.inPlainLiteral(i)) {
        // Spliced lines that no closing bracket led to (behind an entry
        // that could not be joined) stay with the element before them.
        const int end = spliceEnd(i);
        extendLast(i, end);
        return end + 1;
    }
    // What begins the line's code, for a line that begins at the list's depth.
    const PySourceLine& info = m_scan.source[size_t(i)];
    const bool atList = !info.start.inString() && info.start.depth == m_scan.depth;
    const QStringView code =
        atList ? TrimPythonStart(info.commentAt >= 0 ? line(i).left(info.commentAt) : line(i))
               : QStringView();
    if (!code.isEmpty() && IsClosingBracket(code.front())) {
        // The literal's closing bracket, with what is spliced to the list behind it.
        finishLiteral();
        const int end = spliceEnd(i);
        add(spliceText(i, 0, end), i, end);
        return end + 1;
    }
    const int last = atList ? m_scan.entryEnd(i) : -1;
    const ListAhead& ahead = m_scan.ahead[size_t(i)];
    if (last >= 0 && ((ahead.more >= 0 && ahead.more <= last) || ahead.dip == last))
        return addShared(i, last);
    if (atList && m_scan.opensEntry(i))
        return readEntry(i, last);
    // An element in a form that no editor reads (a call of the module's own
    // helper): the user is told, and it stays as it is.
    if (!code.isEmpty() && last >= 0 && i > m_toldUpTo)
        tellUneditable({i, line(i).size() - TrimPythonStart(line(i)).size()});
    if (info.broken && i > m_toldUpTo)
        tell(i, QuoteNotClosed());
    add(TrimListLine(line(i), info), i, i);
    return i + 1;
}

int TableBuilder::readEntry(int i, int last) {
    const int element = int(m_out.size());
    m_table.lastEntry = element;
    m_last.element = -1;
    if (last < 0) {
        // Of an entry that cannot be joined, its first line is read for its id.
        if (!m_format.hardwiredId.isEmpty() && m_hardwiredText.indexIn(line(i)) >= 0 &&
            PythonEntryId(line(i)) == m_format.hardwiredId)
            m_table.hardwired = element;
        tellUnjoined(i);
        add(TrimListLine(line(i), m_scan.source[size_t(i)]), i, i);
        return i + 1;
    }
    add(joinEntry(i, last), i, last);
    if (idIs(element, m_format.hardwiredId, m_hardwiredText))
        m_table.hardwired = element;
    m_last = {element, last, m_spans.size() - 1, true};
    if (m_scan.blocks[size_t(m_scan.blockOf(i))].close < 0 &&
        idIs(element, m_format.endId, m_endText))
        endAtEndEntry(last);
    return last + 1;
}

void TableBuilder::endAtEndEntry(int last) {
    // The end entry of a list that never closes ends the editable part: the
    // line behind it stands for the list's "]", and whatever follows goes
    // back to the file as it stands.
    const int n = m_file.count();
    finishLiteral();
    if (last + 1 < n)
        add(line(last + 1).toString(), last + 1, last + 1);
    else
        addMadeUp(QStringLiteral("]"));
    m_tailFrom = m_out.size();
    for (int k = last + 2; k < n; ++k)
        add(line(k).toString(), k, k);
}

bool TableBuilder::idIs(int element, const QString& wanted, const QStringMatcher& text) const {
    // Only an entry that holds the text of a marked id is read for its id.
    return !wanted.isEmpty() && text.indexIn(m_out[element]) >= 0 &&
           PythonEntryId(m_out[element]) == wanted;
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
        const PySourceLine& info = m_scan.source[size_t(k)];
        // Whether the part reaches the line's end; only the first line may
        // begin behind another element, only the last end before one.
        const bool whole = k < last || to.col < 0;
        const qsizetype begin = k == first ? from.col : 0;
        if (k > first && whole && m_format.compactEntries) {
            QStringView piece = m_scan.compacted(k);
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

bool TableBuilder::findElements(int first, int last, std::vector<At>& starts, At& close) const {
    bool apart = true; // every element begins on the line of the comma before it
    bool expect = true;
    int commaLine = first;
    PySourceState state = m_scan.source[size_t(first)].start;
    for (int k = first; k <= last && close.line < 0; ++k) {
        const QStringView text = line(k);
        PySourceLine info;
        ScanPythonLine(
            text, state, info, [&](qsizetype from, qsizetype to, PyPart part, int depth) {
                if (part == PyPart::Comment)
                    return false;
                if (depth < m_scan.depth) {
                    close = {k, from};
                    return false;
                }
                if (depth > m_scan.depth)
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
    return apart;
}

int TableBuilder::addShared(int first, int last) {
    std::vector<At> starts;
    At close{-1, -1};
    bool apart = findElements(first, last, starts, close);
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
            add(TrimListLine(line(k), m_scan.source[size_t(k)]), k, k);
        m_last.element = -1;
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
                       int(m_out.size()) - element, m_scan.source[size_t(first)].start,
                       std::move(splits), -1});
    // The comma goes in behind the lines only where the entry ends them.
    if (lastEntry >= 0)
        m_last = {lastEntry, last, m_spans.size() - 1, lastEntry == int(m_out.size()) - 1};
    if (close.line >= 0)
        finishLiteral();
    return spanLast + 1;
}

int TableBuilder::spliceEnd(int i) const {
    const int end = m_scan.blockEnd(i);
    while (i < end && !m_scan.inPlainLiteral(i + 1))
        ++i;
    return i;
}

QString TableBuilder::spliceText(int first, qsizetype col, int last) const {
    QString text = TrimListLine(line(first).mid(col), m_scan.source[size_t(first)]);
    for (int k = first + 1; k <= last; ++k) {
        text += u'\n';
        text += TrimListLine(line(k), m_scan.source[size_t(k)]);
    }
    return text;
}

void TableBuilder::finishLiteral() {
    if (m_last.element < 0)
        return;
    QString& entry = m_out[m_last.element];
    m_last.element = -1;
    if (!AddTrailingComma(entry) || !m_last.endsLines)
        return;
    // The file has no comma there: it goes in behind the entry's code once
    // something new is written behind the entry.
    const PySourceLine& info = m_scan.source[size_t(m_last.line)];
    QStringView code = line(m_last.line);
    if (info.commentAt >= 0)
        code = code.left(info.commentAt);
    m_spans[m_last.span].comma = m_file.byteAt(m_last.line, TrimPythonEnd(code).size());
}

QString TableBuilder::headAt(At at) const {
    // The part's code from where it begins, over its first lines of the list.
    QString code;
    const int end = m_scan.blockEnd(at.line);
    for (int k = at.line; k <= end && code.size() < 60; ++k) {
        QStringView text = line(k);
        const int commentAt = m_scan.source[size_t(k)].commentAt;
        if (commentAt >= 0)
            text = text.left(commentAt);
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
    m_spans.push_back({m_file.byteFrom[size_t(first)],
                       m_file.byteEnd(last),
                       1,
                       m_scan.source[size_t(first)].start,
                       {},
                       -1});
}

void TableBuilder::extendLast(int first, int last) {
    m_out.last() += u'\n' + spliceText(first, 0, last);
    m_spans.back().to = m_file.byteEnd(last);
}

void TableBuilder::addMadeUp(const QString& element) {
    m_out.append(element);
    m_spans.push_back({m_bytes.size(), m_bytes.size(), 1, PySourceState(), {}, -1});
}

void TableBuilder::tellUnjoined(int first) {
    const ListAhead& from = m_scan.ahead[size_t(first)];
    const int close = from.close;
    const int resync = m_scan.ahead[size_t(first) + 1].resync;
    const int broken = from.broken;
    // How far the damaged entry reaches: to the next entry, or to its end.
    const int reach = resync >= 0 && (close < 0 || resync <= close) ? resync - 1 : close;
    if (broken >= 0 && (reach < 0 || broken <= reach))
        tell(first, EntryNotJoined(line(first), Unjoined::BrokenQuote, broken));
    else if (reach >= 0 && reach != close)
        tell(first, EntryNotJoined(line(first), Unjoined::NextEntryBegins, resync));
    else if (close < 0)
        tell(first, EntryNotJoined(line(first), Unjoined::FileEnds));
    else
        return; // a string over several lines: sound, but not joined
    m_toldUpTo = reach < 0 ? m_file.count() : reach;
}

PythonTable TableBuilder::finish(qsizetype tailFrom) {
    std::sort(m_uneditable.begin(), m_uneditable.end(), [](const At& a, const At& b) {
        return a.line != b.line ? a.line < b.line : a.col < b.col;
    });
    const bool listOpen = m_scan.listOpen();
    // In a block that does not close, what follows the damage is no element of it.
    const int openFrom = listOpen ? m_scan.blocks.back().start : m_file.count();
    for (const At& at : m_uneditable) {
        if (at.line < openFrom)
            m_table.uneditable.append(ToldAtLine(at.line, headAt(at)));
    }
    if (m_scan.start >= 0 && !listOpen) {
        // The blocks behind the list are read as the list itself.
        std::vector<int> blocks;
        for (size_t b = 1; b < m_scan.blocks.size(); ++b)
            blocks.push_back(m_scan.blocks[b].start);
        m_table.growth = FindPythonListGrowth(m_file, m_scan.source, m_scan.closeLine + 1,
                                              QStringView(m_format.listStart).chopped(2), blocks);
    }
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
    source.lineEnd = usualLineEnd();
    if (listOpen)
        tellListOpen();
    return std::move(m_table);
}

QByteArray TableBuilder::usualLineEnd() const {
    // The file's lines end as Python reads them: CR CR LF is a line that ends
    // in CR and an empty one that ends in CR LF.
    LineEndTally ends;
    const QByteArrayView bytes(m_bytes);
    for (int i = 0; i < m_file.count(); ++i) {
        const qsizetype from = m_file.byteTo[size_t(i)];
        ends.add(LineEndOf(bytes.sliced(from, m_file.byteEnd(i) - from)));
    }
    return LineEndBytes(ends.usual()).toByteArray();
}

void TableBuilder::tellListOpen() {
    const int start = m_scan.blocks.back().start;
    if (m_scan.openString >= 0)
        tell(m_scan.openString, QuoteOpenToTheEnd());
    const bool hasLast = m_table.lastEntry > start;
    tell(start, ListNotClosed(line(start), hasLast ? &m_out[m_table.lastEntry] : nullptr));
    m_table.source.notSaved = ListNotClosedNotSaved(line(start), start);
}

void TableBuilder::tellNoList() {
    // The list of such a file comes from a module it imports (from
    // module_troops_parts import *): the imports that name the list, other
    // than the game's headers and its id files.
    const QStringView name = QStringView(m_format.listStart).chopped(2);
    QStringList imports;
    for (int i = 0; i < m_file.count(); ++i) {
        const PySourceLine& info = m_scan.source[size_t(i)];
        if (info.start.inString() || info.start.depth > 0 ||
            (i > 0 && m_scan.source[size_t(i) - 1].joinsNext))
            continue;
        const QStringView text = line(i);
        const QStringView code =
            TrimPythonEnd(TrimPythonStart(info.commentAt >= 0 ? text.left(info.commentAt) : text));
        const QStringList words = code.toString().split(u' ', Qt::SkipEmptyParts);
        if (words.size() < 2 || (words[0] != u"from" && words[0] != u"import"))
            continue;
        const QString& module = words[1];
        if (module.contains(name) && !module.startsWith(QStringLiteral("header_")) &&
            !module.startsWith(QStringLiteral("ID_")))
            imports.append(ImportAtLine(i, code));
    }
    m_table.noList = NoListDefined(name, imports);
    m_table.source.nothingToSave = NoListNothingToSave(name);
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
