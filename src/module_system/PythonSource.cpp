#include "module_system/PythonSource.h"

#include <QHash>
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

KeptComments CommentsOf(const PythonSource& source, const PythonSource::Span& span) {
    KeptComments kept;
    const PythonCoding coding = source.coding.value_or(PythonCoding());
    const PythonFileLines lines = SplitPythonFileLines(
        QByteArray::fromRawData(source.bytes.constData() + span.from, span.to - span.from), coding);
    PySourceState state = span.start;
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
            kept.above += source.bytes.mid(span.from + lines.byteFrom[size_t(k)],
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
        if (span.split >= at)
            span.split += line.size();
    }
}

} // namespace

PythonCoding PythonSaveCoding(const PythonSource& source, const PythonLines& elements) {
    return source.coding ? *source.coding : PythonLinesCoding(elements.head(2).texts());
}

QByteArray ComposePythonFile(const PythonSource& source, const PythonLines& elements,
                             PythonSource* written, int* codingLine) {
    const QByteArray lineEnd = source.lineEnd.isEmpty() ? QByteArray("\r\n") : source.lineEnd;
    const PythonCoding coding = PythonSaveCoding(source, elements);
    const int loadedCount = int(source.elements.size());
    const int nowCount = int(elements.size());

    // Which span each loaded element came from, and its place in it; a source
    // whose spans do not cover its elements is not trusted for any of them.
    std::vector<int> spanOf;
    std::vector<int> placeIn;
    spanOf.reserve(size_t(loadedCount));
    for (int s = 0; s < int(source.spans.size()); ++s) {
        for (int k = 0; k < source.spans[size_t(s)].elements; ++k) {
            spanOf.push_back(s);
            placeIn.push_back(k);
        }
    }
    const bool trusted = loadedCount > 0 && int(spanOf.size()) == loadedCount;

    // The loaded element each element now stands for, or -1 (new). The
    // editors never move an element, so what stands for an element at or
    // before one already taken is not trusted.
    std::vector<int> standsFor(size_t(nowCount), -1);
    std::vector<int> nowOf(size_t(loadedCount), -1);
    for (int j = 0, taken = -1; trusted && j < nowCount; ++j) {
        const int i = elements.origin(j);
        if (i <= taken || i >= loadedCount)
            continue;
        standsFor[size_t(j)] = i;
        nowOf[size_t(i)] = j;
        taken = i;
    }

    // A span goes back as its bytes when all of its elements are still there,
    // unchanged and side by side.
    std::vector<bool> intact(source.spans.size(), trusted);
    for (int i = 0; trusted && i < loadedCount; ++i) {
        const int s = spanOf[size_t(i)];
        const int j = nowOf[size_t(i)];
        if (j < 0 || elements[j] != source.elements[i] ||
            (placeIn[size_t(i)] > 0 && nowOf[size_t(i) - 1] != j - 1))
            intact[size_t(s)] = false;
    }
    // The comments of a span that is written as text go with the first and
    // the last element that stands for it.
    std::vector<int> firstFor(source.spans.size(), -1);
    std::vector<int> lastFor(source.spans.size(), -1);
    for (int j = 0; j < nowCount; ++j) {
        if (standsFor[size_t(j)] < 0)
            continue;
        const size_t s = size_t(spanOf[size_t(standsFor[size_t(j)])]);
        if (intact[s])
            continue;
        if (firstFor[s] < 0)
            firstFor[s] = j;
        lastFor[s] = j;
    }

    QByteArray out;
    out.reserve(source.bytes.size() + 4096);
    std::vector<PythonSource::Span> spans; // of the file as written
    const auto newLine = [&] {
        if (!out.isEmpty() && !EndsLine(out))
            out += lineEnd;
    };
    const auto wrote = [&](qsizetype from, int count, PySourceState start, qsizetype split = -1) {
        spans.push_back({from, out.size(), count, start, split});
    };
    QHash<int, KeptComments> comments; // of the spans written as text, read once each
    for (int j = 0; j < nowCount;) {
        const int i = standsFor[size_t(j)];
        const int s = i >= 0 ? spanOf[size_t(i)] : -1;
        const PythonSource::Span* span = s >= 0 ? &source.spans[size_t(s)] : nullptr;
        newLine();
        const qsizetype from = out.size();
        if (span && intact[size_t(s)]) {
            out.append(source.bytes.constData() + span->from, span->to - span->from);
            wrote(from, span->elements, span->start,
                  span->split < 0 ? -1 : from + span->split - span->from);
            j += span->elements;
            continue;
        }
        const PySourceState start = span && placeIn[size_t(i)] == 0 ? span->start : PySourceState();
        if (span && span->split >= 0 && elements[j] == source.elements[i]) {
            // An unchanged element of a line that held two, now apart (an
            // entry added behind the last one): each goes back as its part
            // of the line, the entry with the comma that now must follow it.
            if (placeIn[size_t(i)] == 0) {
                QByteArray part = source.bytes.mid(span->from, span->split - span->from);
                while (part.endsWith(' ') || part.endsWith('\t'))
                    part.chop(1);
                out += part;
                if (!part.endsWith(','))
                    out += ',';
                out += lineEnd;
            } else {
                out.append(source.bytes.constData() + span->split, span->to - span->split);
            }
            wrote(from, 1, start);
            ++j;
            continue;
        }
        if (span && firstFor[size_t(s)] == j) {
            comments.insert(s, CommentsOf(source, *span));
            out += comments[s].above;
        }
        QString text = elements[j];
        if (span && lastFor[size_t(s)] == j) {
            const KeptComments& kept = comments[s];
            // A remark the element's text holds (an item's) is not written twice.
            if (!kept.remark.isEmpty() && !TrimPythonEnd(text).endsWith(kept.remark))
                text += (text.isEmpty() ? QString() : kept.beforeRemark) + kept.remark;
        }
        // What the editor emptied (the upgrade call of a troop that went)
        // takes its line along; a line that was empty stays, and so does
        // every line of a file written anew.
        const bool emptied = text.isEmpty() && (span ? !source.elements[i].isEmpty() : trusted);
        if (!emptied) {
            out += EncodePython(text, coding);
            out += lineEnd;
        }
        wrote(from, 1, start);
        ++j;
    }
    if (!source.lastLineEnded)
        ChopLineEnd(out);
    // Python 2 stops at the first byte beyond ASCII in a file that names no
    // coding; a file written anew (none was read) takes its elements as they
    // stand.
    const qsizetype codingAt =
        source.coding && coding.utf8 ? Utf8CodingLinePlace(source.bytes, out) : -1;
    if (codingAt >= 0)
        TakeInLine(out, spans, codingAt, Utf8CodingLine + lineEnd);
    if (codingLine)
        *codingLine = codingAt < 0 ? 0 : codingAt == 0 ? 1 : 2;

    if (written) {
        for (PythonSource::Span& span : spans) {
            span.from = std::min(span.from, out.size());
            span.to = std::min(span.to, out.size());
        }
        written->bytes = out;
        written->coding = coding;
        written->elements = elements.texts();
        written->spans = std::move(spans);
        written->lineEnd = lineEnd;
        written->lastLineEnded = out.isEmpty() || EndsLine(out);
        written->notSaved.clear();
        written->unread = false;
    }
    return out;
}
