#include "module_system/PythonSource.h"

#include "module_system/PythonEntryLists.h"

#include "platform/TextFile.h"

#include <QHash>
#include <QStringView>

#include <algorithm>
#include <cstring>

PythonFileLines SplitPythonFileLines(const QByteArray& bytes) {
    PythonFileLines lines;
    lines.text = FromFileBytes(bytes);
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
        lines.from.push_back(p - data);
        lines.to.push_back(stop - data);
        p = stop == end ? end : stop + (stop == cr && stop + 1 == lf ? 2 : 1);
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

// Which element of the other list each element stands for: elements of the
// same text, in the same order, as many as can be lined up. Common starts and
// ends go first; in between, texts that occur once on each side anchor the
// lines (the longest run of them in the same order), and the gaps between the
// anchors are lined up the same way. What is left over is new or changed.
class Alignment {
    const QStringList& m_loaded;
    const QStringList& m_now;

public:
    Alignment(const QStringList& loaded, const QStringList& now)
        : m_loaded(loaded), m_now(now), nowOf(size_t(loaded.size()), -1),
          loadedOf(size_t(now.size()), -1) {
        // An explicit list of gaps rather than recursion: a file of thousands
        // of repeated lines must not run the stack out.
        std::vector<Range> gaps{{0, int(loaded.size()), 0, int(now.size())}};
        while (!gaps.empty()) {
            Range gap = gaps.back();
            gaps.pop_back();
            alignGap(gap, gaps);
        }
    }

    std::vector<int> nowOf;    // per loaded element: the element it is now, or -1
    std::vector<int> loadedOf; // per element now: the loaded one it is, or -1

private:
    struct Range {
        int loadedFrom, loadedTo, nowFrom, nowTo;
    };
    struct Seen {
        int loaded = 0;
        int now = 0;
        int loadedAt = -1;
        int nowAt = -1;
    };

    void pair(int i, int j) {
        nowOf[size_t(i)] = j;
        loadedOf[size_t(j)] = i;
    }

    void alignGap(Range g, std::vector<Range>& gaps) {
        while (g.loadedFrom < g.loadedTo && g.nowFrom < g.nowTo &&
               m_loaded[g.loadedFrom] == m_now[g.nowFrom])
            pair(g.loadedFrom++, g.nowFrom++);
        while (g.loadedFrom < g.loadedTo && g.nowFrom < g.nowTo &&
               m_loaded[g.loadedTo - 1] == m_now[g.nowTo - 1])
            pair(--g.loadedTo, --g.nowTo);
        if (g.loadedFrom == g.loadedTo || g.nowFrom == g.nowTo)
            return;

        QHash<QStringView, Seen> seen;
        seen.reserve(g.loadedTo - g.loadedFrom);
        for (int i = g.loadedFrom; i < g.loadedTo; ++i) {
            Seen& s = seen[QStringView(m_loaded[i])];
            ++s.loaded;
            s.loadedAt = i;
        }
        for (int j = g.nowFrom; j < g.nowTo; ++j) {
            const auto found = seen.find(QStringView(m_now[j]));
            if (found != seen.end()) {
                ++found->now;
                found->nowAt = j;
            }
        }
        // Anchors in loaded order; the longest run that is in order now too
        // (patience sorting: the smallest possible end of a run of each length).
        std::vector<std::pair<int, int>> anchors;
        for (int i = g.loadedFrom; i < g.loadedTo; ++i) {
            const Seen s = seen.value(QStringView(m_loaded[i]));
            if (s.loaded == 1 && s.now == 1)
                anchors.emplace_back(i, s.nowAt);
        }
        if (anchors.empty())
            return;
        std::vector<int> tails;                      // anchor index ending a run of length k + 1
        std::vector<int> before(anchors.size(), -1); // the anchor before it in its run
        for (int a = 0; a < int(anchors.size()); ++a) {
            const auto at =
                std::lower_bound(tails.begin(), tails.end(), anchors[size_t(a)].second,
                                 [&](int t, int now) { return anchors[size_t(t)].second < now; });
            if (at != tails.begin())
                before[size_t(a)] = *(at - 1);
            if (at == tails.end())
                tails.push_back(a);
            else
                *at = a;
        }
        int nextLoaded = g.loadedTo;
        int nextNow = g.nowTo;
        for (int a = tails.back(); a >= 0; a = before[size_t(a)]) {
            const auto [i, j] = anchors[size_t(a)];
            pair(i, j);
            gaps.push_back({i + 1, nextLoaded, j + 1, nextNow});
            nextLoaded = i;
            nextNow = j;
        }
        gaps.push_back({g.loadedFrom, nextLoaded, g.nowFrom, nextNow});
    }
};

// The comments of a span that a changed element written in its place must
// keep, read from the span's own lines.
struct KeptComments {
    QByteArray above;     // comment lines as they stood, and remarks of earlier lines
    QString remark;       // the remark behind the last line, from its "#"
    QString beforeRemark; // the blanks that stood before it
};

KeptComments CommentsOf(const PythonSource& source, const PythonSource::Span& span) {
    KeptComments kept;
    const PythonFileLines lines = SplitPythonFileLines(
        QByteArray::fromRawData(source.bytes.constData() + span.from, span.to - span.from));
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
            kept.above += source.bytes.mid(span.from + lines.from[size_t(k)],
                                           lines.end(k) - lines.from[size_t(k)]);
            if (!EndsLine(kept.above))
                kept.above += source.lineEnd;
        } else if (k + 1 < lines.count()) {
            kept.above += ToFileBytes(indent.toString() + remark.toString()) + source.lineEnd;
        } else {
            kept.remark = remark.toString();
            const QStringView blanks = code.mid(TrimPythonEnd(code).size());
            kept.beforeRemark = blanks.isEmpty() ? QStringLiteral(" ") : blanks.toString();
        }
    }
    return kept;
}

// Within a run of loaded elements that are gone and elements that are new or
// changed, which loaded element each new one takes the place of: an entry the
// entry of the same id, else the next entry left; any other line the next
// other line left. Returns per new element the loaded one, or -1.
std::vector<int> PairChanged(const PythonSource& source, const QStringList& now, int loadedFrom,
                             int loadedTo, int nowFrom, int nowTo) {
    std::vector<int> pairs(size_t(nowTo - nowFrom), -1);
    if (loadedFrom == loadedTo || nowFrom == nowTo)
        return pairs;
    const auto isEntry = [&](const QString& text) {
        return !source.opener.isNull() && IsPythonEntry(text, source.opener);
    };
    std::vector<bool> entry(size_t(loadedTo - loadedFrom));
    std::vector<bool> taken(size_t(loadedTo - loadedFrom), false);
    QHash<QString, std::vector<int>> byId; // loaded entries of each id, in order
    for (int i = loadedFrom; i < loadedTo; ++i) {
        entry[size_t(i - loadedFrom)] = isEntry(source.elements[i]);
        if (entry[size_t(i - loadedFrom)])
            byId[PythonEntryId(source.elements[i])].push_back(i);
    }
    std::vector<bool> nowEntry(size_t(nowTo - nowFrom));
    for (int j = nowFrom; j < nowTo; ++j) {
        nowEntry[size_t(j - nowFrom)] = isEntry(now[j]);
        if (!nowEntry[size_t(j - nowFrom)])
            continue;
        const auto found = byId.find(PythonEntryId(now[j]));
        if (found == byId.end())
            continue;
        for (int i : *found) {
            if (!taken[size_t(i - loadedFrom)]) {
                pairs[size_t(j - nowFrom)] = i;
                taken[size_t(i - loadedFrom)] = true;
                break;
            }
        }
    }
    int next[2] = {loadedFrom, loadedFrom}; // the next line left of each kind: other, entry
    for (int j = nowFrom; j < nowTo; ++j) {
        if (pairs[size_t(j - nowFrom)] >= 0)
            continue;
        const bool kind = nowEntry[size_t(j - nowFrom)];
        int& i = next[kind ? 1 : 0];
        while (i < loadedTo &&
               (taken[size_t(i - loadedFrom)] || entry[size_t(i - loadedFrom)] != kind))
            ++i;
        if (i == loadedTo)
            continue;
        pairs[size_t(j - nowFrom)] = i;
        taken[size_t(i - loadedFrom)] = true;
    }
    return pairs;
}

} // namespace

QByteArray ComposePythonFile(const PythonSource& source, const QStringList& elements) {
    const QByteArray lineEnd = source.lineEnd.isEmpty() ? QByteArray("\r\n") : source.lineEnd;
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
    const bool trusted = int(spanOf.size()) == loadedCount;
    const QStringList none;
    const Alignment align(trusted ? source.elements : none, elements);

    // A span goes back as its bytes when all of its elements are still there,
    // unchanged and side by side.
    std::vector<bool> intact(source.spans.size(), trusted);
    for (int i = 0; trusted && i < loadedCount; ++i) {
        const int s = spanOf[size_t(i)];
        const int j = align.nowOf[size_t(i)];
        if (j < 0 || (i > 0 && spanOf[size_t(i) - 1] == s && align.nowOf[size_t(i) - 1] != j - 1))
            intact[size_t(s)] = false;
    }

    // Every element now written as text stands for a loaded one (unchanged
    // but torn from its span, or changed in its place) or for none (new).
    std::vector<int> standsFor(size_t(nowCount), -1);
    for (int i = 0, j = 0; trusted && (i < loadedCount || j < nowCount);) {
        int i2 = i;
        while (i2 < loadedCount && align.nowOf[size_t(i2)] < 0)
            ++i2;
        int j2 = j;
        while (j2 < nowCount && align.loadedOf[size_t(j2)] < 0)
            ++j2;
        const std::vector<int> pairs = PairChanged(source, elements, i, i2, j, j2);
        std::copy(pairs.begin(), pairs.end(), standsFor.begin() + j);
        if (j2 < nowCount)
            standsFor[size_t(j2)] = align.loadedOf[size_t(j2)];
        i = i2 + 1;
        j = j2 + 1;
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
    const auto newLine = [&] {
        if (!out.isEmpty() && !EndsLine(out))
            out += lineEnd;
    };
    QHash<int, KeptComments> comments; // of the spans written as text, read once each
    for (int j = 0; j < nowCount;) {
        const int i = standsFor[size_t(j)];
        const int s = i >= 0 ? spanOf[size_t(i)] : -1;
        if (s >= 0 && intact[size_t(s)]) {
            const PythonSource::Span& span = source.spans[size_t(s)];
            newLine();
            out.append(source.bytes.constData() + span.from, span.to - span.from);
            j += span.elements;
            continue;
        }
        newLine();
        const PythonSource::Span* span = s >= 0 ? &source.spans[size_t(s)] : nullptr;
        if (span && span->split >= 0 && align.nowOf[size_t(i)] == j) {
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
            ++j;
            continue;
        }
        if (s >= 0 && firstFor[size_t(s)] == j) {
            comments.insert(s, CommentsOf(source, source.spans[size_t(s)]));
            out += comments[s].above;
        }
        QString text = elements[j];
        if (s >= 0 && lastFor[size_t(s)] == j) {
            const KeptComments& kept = comments[s];
            // A remark the element's text holds (an item's) is not written twice.
            if (!kept.remark.isEmpty() && !TrimPythonEnd(text).endsWith(kept.remark))
                text += (text.isEmpty() ? QString() : kept.beforeRemark) + kept.remark;
        }
        out += ToFileBytes(text);
        out += lineEnd;
        ++j;
    }
    if (!source.lastLineEnded)
        ChopLineEnd(out);
    return out;
}
