#include "module_system/PythonSource.h"

#include <QStringView>

#include <algorithm>
#include <cstring>

namespace {

// How many characters of the text the UTF-8 bytes [from, to) give: one for
// each byte that begins a character, two for one of four bytes.
qsizetype Utf8Units(const char* from, const char* to) {
    qsizetype n = 0;
    for (const char* p = from; p < to; ++p) {
        const auto b = static_cast<unsigned char>(*p);
        n += ((b & 0xC0) != 0x80) + (b >= 0xF0);
    }
    return n;
}

} // namespace

PythonFileLines SplitPythonFileLines(const QByteArray& bytes, const PythonCoding& coding) {
    PythonFileLines lines;
    lines.coding = coding;
    lines.text = DecodePython(bytes, coding);
    lines.byteSize = bytes.size();
    const char* const data = bytes.constData();
    const char* const end = data + bytes.size();
    const auto find = [](const char* from, const char* to, char c) {
        return static_cast<const char*>(std::memchr(from, c, size_t(to - from)));
    };
    // A line ends at its first CR or LF; each of the two is looked for again
    // only once the lines have passed the one found before.
    const char* cr = find(data, end, '\r');
    const char* lf = find(data, end, '\n');
    for (const char* p = data; p < end;) {
        if (cr && cr < p)
            cr = find(p, end, '\r');
        if (lf && lf < p)
            lf = find(p, end, '\n');
        const char* const stop = cr && (!lf || cr < lf) ? cr : lf ? lf : end;
        lines.byteFrom.push_back(p - data);
        lines.byteTo.push_back(stop - data);
        p = stop == end ? end : stop + (stop == cr && stop + 1 == lf ? 2 : 1);
    }
    if (!coding.utf8) {
        lines.from = lines.byteFrom;
        lines.to = lines.byteTo;
        return lines;
    }
    // The text's places, counted along with the bytes; line ends are one
    // byte per character.
    lines.from.reserve(lines.byteFrom.size());
    lines.to.reserve(lines.byteTo.size());
    qsizetype at = 0;
    qsizetype byte = 0;
    for (size_t i = 0; i < lines.byteFrom.size(); ++i) {
        at += lines.byteFrom[i] - byte;
        lines.from.push_back(at);
        at += Utf8Units(data + lines.byteFrom[i], data + lines.byteTo[i]);
        lines.to.push_back(at);
        byte = lines.byteTo[i];
    }
    return lines;
}

namespace {

bool EndsLine(const QByteArray& bytes) {
    return bytes.endsWith('\n') || bytes.endsWith('\r');
}

void ChopLineEnd(QByteArray& bytes) {
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (EndsLine(bytes))
        bytes.chop(1);
}

// The comments of a span that a changed element written in its place must
// keep, read from the span's own lines.
struct KeptComments {
    QByteArray above;     // comment lines as they stood, and remarks of earlier lines
    QString remark;       // the remark behind the last line, from its "#"
    QString beforeRemark; // the blanks that stood before it
};

KeptComments CommentsOf(const PythonSource& source, qsizetype from, qsizetype to,
                        PySourceState state) {
    KeptComments kept;
    const PythonCoding coding = source.coding.value_or(PythonCoding());
    const PythonFileLines lines = SplitPythonFileLines(
        QByteArray::fromRawData(source.bytes.constData() + from, to - from), coding);
    const QStringView first = lines.count() > 0 ? lines.line(0) : QStringView();
    const QStringView indent = first.left(first.size() - TrimPythonStart(first).size());
    for (int k = 0; k < lines.count(); ++k) {
        const QStringView text = lines.line(k);
        PySourceLine info;
        ScanPythonLine(text, state, info, PyQuietScan());
        if (info.commentAt < 0)
            continue;
        const QStringView code = text.left(info.commentAt);
        const QStringView remark = TrimPythonEnd(text.mid(info.commentAt));
        if (TrimPythonStart(code).isEmpty()) {
            kept.above += source.bytes.mid(from + lines.byteFrom[size_t(k)],
                                           lines.byteEnd(k) - lines.byteFrom[size_t(k)]);
            if (!EndsLine(kept.above))
                kept.above += source.lineEnd;
        } else if (k + 1 < lines.count()) {
            kept.above +=
                EncodePython(indent.toString() + remark.toString(), coding) + source.lineEnd;
        } else {
            kept.remark = remark.toString();
            const QStringView blanks = code.mid(TrimPythonEnd(code).size());
            kept.beforeRemark = blanks.isEmpty() ? QStringLiteral(" ") : blanks.toString();
        }
    }
    return kept;
}

// Where element `place` of a span stands in its bytes, [from, to). A span of
// several elements that does not say where they part gives its bytes to the
// first.
bool PartOf(const PythonSource::Span& span, int place, qsizetype& from, qsizetype& to) {
    const bool parted = int(span.splits.size()) == span.elements - 1;
    if (!parted && place > 0)
        return false;
    from = place == 0 ? span.from : span.splits[size_t(place) - 1];
    to = !parted || place + 1 == span.elements ? span.to : span.splits[size_t(place)];
    return true;
}

// The blanks and tabs that begin the line at `from`.
QByteArray IndentationAt(const QByteArray& bytes, qsizetype from) {
    qsizetype to = from;
    while (to < bytes.size() && (bytes[to] == ' ' || bytes[to] == '\t'))
        ++to;
    return bytes.mid(from, to - from);
}

bool OpensWithClosingBracket(const QByteArray& part) {
    const QByteArray code = part.trimmed();
    return !code.isEmpty() && (code[0] == ']' || code[0] == ')' || code[0] == '}');
}

// Puts `line` into the file as written, at `at` (where a line begins): the
// first span that reaches behind it takes the line in (the last one when none
// does), so that a later save writes it with that span's element, and the
// spans behind move along.
void TakeInLine(QByteArray& out, std::vector<PythonSource::Span>& spans, qsizetype at,
                const QByteArray& line) {
    out.insert(at, line);
    if (spans.empty())
        return;
    size_t taker = spans.size() - 1;
    for (size_t s = 0; s < spans.size(); ++s) {
        if (spans[s].to > at) {
            taker = s;
            break;
        }
    }
    for (size_t s = taker; s < spans.size(); ++s) {
        PythonSource::Span& span = spans[s];
        if (s > taker)
            span.from += line.size();
        span.to += line.size();
        for (qsizetype& split : span.splits) {
            if (split >= at)
                split += line.size();
        }
        if (span.comma >= at)
            span.comma += line.size();
    }
}

// Writes a table's elements over the file they were read from
// (ComposePythonFile), in file order, a group at a time: the elements of a
// span that goes back as its bytes, or one element.
class FileComposer {
public:
    FileComposer(const PythonSource& source, const PythonLines& elements);

    // Writes the elements before `stop` that are not written yet (and the
    // rest of a span that goes back whole with the last of them); behind the
    // last element, the file's end as it was read and the coding line the
    // file must take.
    void write(int stop);
    // Whether the save may put the coding line in, which moves every line
    // behind it: the file was read as plain ASCII without one, and an element
    // now holds more. Else what stands behind an element does not move it.
    bool mayTakeCodingLine() const;
    // Where element `element` begins in what is written, -1 when it is not
    // written yet.
    qsizetype elementAt(int element) const;
    // Makes `written` the source of what was written.
    void keepAsWritten(PythonSource& written);

    QByteArray out;
    std::vector<PythonSource::Span> spans; // of the file as written
    int codingLine = 0; // the line (1 or 2) the coding line went in on, 0 for none

private:
    void plan();
    int writeIntact(int j, const PythonSource::Span& span);
    void writeOne(int j);
    void writeApart(const PythonSource::Span& span, int place, qsizetype from, qsizetype to);
    void writeChanged(int j, const PythonSource::Span* span, const KeptComments& kept);
    void finish();

    const PythonSource& m_source;
    const PythonLines& m_elements;
    const QByteArray m_lineEnd;
    const PythonCoding m_coding;
    // Which span each loaded element came from, and its place in it.
    std::vector<int> m_spanOf;
    std::vector<int> m_placeIn;
    bool m_trusted = false;
    // The loaded element each element now stands for (-1: new), and back.
    std::vector<int> m_standsFor;
    std::vector<int> m_nowOf;
    std::vector<bool> m_intact; // of each span: it goes back as its bytes
    int m_next = 0;             // the first element not written yet
    bool m_finished = false;
};

FileComposer::FileComposer(const PythonSource& source, const PythonLines& elements)
    : m_source(source), m_elements(elements),
      m_lineEnd(source.lineEnd.isEmpty() ? QByteArray("\r\n") : source.lineEnd),
      m_coding(PythonSaveCoding(source, elements)) {
    plan();
    out.reserve(source.bytes.size() + 4096);
}

void FileComposer::plan() {
    const int loadedCount = int(m_source.elements.size());
    const int nowCount = int(m_elements.size());
    // A source whose spans do not cover its elements is not trusted for any of them.
    m_spanOf.reserve(size_t(loadedCount));
    for (int s = 0; s < int(m_source.spans.size()); ++s) {
        for (int k = 0; k < m_source.spans[size_t(s)].elements; ++k) {
            m_spanOf.push_back(s);
            m_placeIn.push_back(k);
        }
    }
    m_trusted = loadedCount > 0 && int(m_spanOf.size()) == loadedCount;

    // The editors never move an element, so what stands for an element at or
    // before one already taken is not trusted.
    m_standsFor.assign(size_t(nowCount), -1);
    m_nowOf.assign(size_t(loadedCount), -1);
    for (int j = 0, taken = -1; m_trusted && j < nowCount; ++j) {
        const int i = m_elements.origin(j);
        if (i <= taken || i >= loadedCount)
            continue;
        m_standsFor[size_t(j)] = i;
        m_nowOf[size_t(i)] = j;
        taken = i;
    }

    // A span goes back as its bytes when all of its elements are still there,
    // unchanged and side by side.
    m_intact.assign(m_source.spans.size(), m_trusted);
    for (int i = 0; m_trusted && i < loadedCount; ++i) {
        const int j = m_nowOf[size_t(i)];
        if (j < 0 || m_elements[j] != m_source.elements[i] ||
            (m_placeIn[size_t(i)] > 0 && m_nowOf[size_t(i) - 1] != j - 1))
            m_intact[size_t(m_spanOf[size_t(i)])] = false;
    }
}

void FileComposer::write(int stop) {
    const int count = int(m_elements.size());
    while (m_next < std::min(stop, count)) {
        if (!out.isEmpty() && !EndsLine(out))
            out += m_lineEnd;
        const int i = m_standsFor[size_t(m_next)];
        const int s = i >= 0 ? m_spanOf[size_t(i)] : -1;
        if (s >= 0 && m_intact[size_t(s)])
            m_next = writeIntact(m_next, m_source.spans[size_t(s)]);
        else
            writeOne(m_next++);
    }
    if (m_next == count && !m_finished)
        finish();
}

int FileComposer::writeIntact(int j, const PythonSource::Span& span) {
    const qsizetype from = out.size();
    const int next = j + span.elements;
    // An entry that ended its list without a comma takes one when something
    // else than what followed it at the load comes behind it.
    const bool comma = span.comma >= 0 && next < int(m_elements.size()) &&
                       m_standsFor[size_t(next)] != m_standsFor[size_t(j)] + span.elements;
    const qsizetype cut = comma ? span.comma : span.to;
    out.append(m_source.bytes.constData() + span.from, cut - span.from);
    if (comma)
        out += ',';
    out.append(m_source.bytes.constData() + cut, span.to - cut);
    std::vector<qsizetype> splits;
    for (const qsizetype split : span.splits)
        splits.push_back(from + split - span.from);
    spans.push_back({from, out.size(), span.elements, span.start, std::move(splits),
                     comma || span.comma < 0 ? -1 : from + span.comma - span.from});
    return next;
}

void FileComposer::writeOne(int j) {
    const int i = m_standsFor[size_t(j)];
    const PythonSource::Span* span =
        i >= 0 ? &m_source.spans[size_t(m_spanOf[size_t(i)])] : nullptr;
    const int place = i >= 0 ? m_placeIn[size_t(i)] : 0;
    qsizetype partFrom = 0;
    qsizetype partTo = 0;
    const bool located = span && PartOf(*span, place, partFrom, partTo);
    const PySourceState start = span && place == 0 ? span->start : PySourceState();
    const qsizetype from = out.size();
    if (located && span->elements > 1 && m_elements[j] == m_source.elements[i])
        writeApart(*span, place, partFrom, partTo);
    else
        writeChanged(j, span,
                     located ? CommentsOf(m_source, partFrom, partTo, start) : KeptComments());
    spans.push_back({from, out.size(), 1, start, {}, -1});
}

// An unchanged element of lines that held several, now apart (one of them
// changed or went, or an entry came between them): each goes back as its part
// of the lines, on lines of its own, and an element that others followed on
// its line with the comma that must follow it.
void FileComposer::writeApart(const PythonSource::Span& span, int place, qsizetype from,
                              qsizetype to) {
    QByteArray part = m_source.bytes.mid(from, to - from);
    if (place > 0 && !OpensWithClosingBracket(part))
        part.prepend(IndentationAt(m_source.bytes, span.from));
    if (place + 1 < span.elements) {
        while (part.endsWith(' ') || part.endsWith('\t'))
            part.chop(1);
        if (!part.endsWith(','))
            part += ',';
        part += m_lineEnd;
    }
    out += part;
}

// A changed element keeps the comments that stood in its own part of the lines.
void FileComposer::writeChanged(int j, const PythonSource::Span* span, const KeptComments& kept) {
    out += kept.above;
    QString text = m_elements[j];
    // A remark the element's text holds (an item's) is not written twice.
    if (!kept.remark.isEmpty() && !TrimPythonEnd(text).endsWith(kept.remark))
        text += (text.isEmpty() ? QString() : kept.beforeRemark) + kept.remark;
    // What the editor emptied (the upgrade call of a troop that went) takes
    // its line along; a line that was empty stays, and so does every line of
    // a file written anew.
    const bool emptied =
        text.isEmpty() && (span ? !m_source.elements[m_standsFor[size_t(j)]].isEmpty() : m_trusted);
    if (!emptied) {
        out += EncodePython(text, m_coding);
        out += m_lineEnd;
    }
}

void FileComposer::finish() {
    m_finished = true;
    if (!m_source.lastLineEnded)
        ChopLineEnd(out);
    // Python 2 stops at the first byte beyond ASCII in a file that names no
    // coding; a file written anew (none was read) takes its elements as they
    // stand.
    const qsizetype codingAt =
        m_source.coding && m_coding.utf8 ? Utf8CodingLinePlace(m_source.bytes, out) : -1;
    if (codingAt >= 0)
        TakeInLine(out, spans, codingAt, Utf8CodingLine + m_lineEnd);
    codingLine = codingAt < 0 ? 0 : codingAt == 0 ? 1 : 2;
}

bool FileComposer::mayTakeCodingLine() const {
    const auto beyondAscii = [](const QString& text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80; });
    };
    // Read as plain ASCII, the file gives ASCII bytes for every element that
    // is ASCII.
    return m_source.coding && m_coding.utf8 && MayTakeUtf8CodingLine(m_source.bytes) &&
           std::any_of(m_elements.begin(), m_elements.end(), beyondAscii);
}

qsizetype FileComposer::elementAt(int element) const {
    int first = 0; // the first element of the span
    for (const PythonSource::Span& span : spans) {
        if (element < first + span.elements) {
            const int place = element - first;
            const qsizetype at = place == 0 || size_t(place) > span.splits.size()
                                     ? span.from
                                     : span.splits[size_t(place) - 1];
            return std::min(at, out.size());
        }
        first += span.elements;
    }
    return -1;
}

void FileComposer::keepAsWritten(PythonSource& written) {
    for (PythonSource::Span& span : spans) {
        span.from = std::min(span.from, out.size());
        span.to = std::min(span.to, out.size());
    }
    written.bytes = out;
    written.coding = m_coding;
    written.elements = m_elements.texts();
    written.spans = std::move(spans);
    written.lineEnd = m_lineEnd;
    written.lastLineEnded = out.isEmpty() || EndsLine(out);
    written.notSaved.clear();
    written.nothingToSave.clear();
    written.unread = false;
}

// The line, counted from 1, on which the byte at `at` stands: one more than
// the line ends before it (LF, CR LF, or a lone CR).
int LineAt(const QByteArray& bytes, qsizetype at) {
    int line = 1;
    const char* data = bytes.constData();
    for (qsizetype i = 0; i < at; ++i) {
        if (data[i] == '\n' || (data[i] == '\r' && (i + 1 == bytes.size() || data[i + 1] != '\n')))
            ++line;
    }
    return line;
}

} // namespace

PythonCoding PythonSaveCoding(const PythonSource& source, const PythonLines& elements) {
    return source.coding ? *source.coding : PythonLinesCoding(elements.head(2).texts());
}

QByteArray ComposePythonFile(const PythonSource& source, const PythonLines& elements,
                             PythonSource* written, int* codingLine) {
    FileComposer composer(source, elements);
    composer.write(int(elements.size()));
    if (codingLine)
        *codingLine = composer.codingLine;
    if (written)
        composer.keepAsWritten(*written);
    return std::move(composer.out);
}

int PythonElementFileLine(const PythonSource& source, const PythonLines& elements, int element) {
    if (element < 0 || element >= elements.size())
        return 0;
    // What stands behind the element does not move it, unless the save puts
    // a coding line in; and an element that writes nothing stands where what
    // follows it begins.
    FileComposer composer(source, elements);
    composer.write(composer.mayTakeCodingLine() ? int(elements.size()) : element + 1);
    if (composer.elementAt(element) == composer.out.size())
        composer.write(int(elements.size()));
    const qsizetype at = composer.elementAt(element);
    return at < 0 ? 0 : LineAt(composer.out, at);
}
