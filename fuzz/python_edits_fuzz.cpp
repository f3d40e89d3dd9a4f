// Any bytes as a module-system file, edited by a run of renames, deletes,
// adds and upgrade calls that the first bytes choose, and saved in between as
// the editors save. After every save: the file reads back with the entries the
// table holds, in their order; what did not change since the save before
// stands in it as it stood, in its order; no comment stands in it more often
// than before, less those of the entries deleted; and a save without a change
// gives the same bytes again.
#include "module_system/PythonEntryLists.h"
#include "module_system/PythonEntryTable.h"
#include "module_system/modPythonFiles.h"
#include "ms_editors/troops/PythonTroopEntry.h"
#include "platform/TextFile.h"

#include <QHash>

#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t Steps = 16;

void Check(bool holds) {
    if (!holds)
        std::abort();
}

// The comments of `bytes` as Python reads them, each with how often it stands.
QHash<QString, int> Comments(const QByteArray& bytes, PySourceState state = PySourceState()) {
    QHash<QString, int> counts;
    const PythonFileLines lines = SplitPythonFileLines(bytes);
    for (int i = 0; i < lines.count(); ++i) {
        const QStringView line = lines.line(i);
        PySourceLine info;
        ScanPythonLine(line, state, info, [&](qsizetype from, qsizetype to, PyPart part, int) {
            if (part == PyPart::Comment)
                ++counts[TrimPythonEnd(line.mid(from, to - from)).toString()];
            return true;
        });
    }
    return counts;
}

// The span each element of the source stands on.
std::vector<int> SpanOf(const PythonSource& source) {
    std::vector<int> spanOf;
    for (int s = 0; s < int(source.spans.size()); ++s)
        spanOf.insert(spanOf.end(), size_t(source.spans[size_t(s)].elements), s);
    return spanOf;
}

// The element's own lines as the source holds them, when it stands alone on them.
const PythonSource::Span* OwnSpan(const PythonSource& source, const std::vector<int>& spanOf,
                                  int origin) {
    if (origin < 0 || origin >= int(spanOf.size()))
        return nullptr;
    const PythonSource::Span& span = source.spans[size_t(spanOf[size_t(origin)])];
    return span.elements == 1 ? &span : nullptr;
}

QStringList Ids(const PythonLines& lines, QChar opener) {
    QStringList ids;
    for (const QString& element : lines.texts()) {
        if (IsPythonEntry(element, opener))
            ids.append(PythonEntryId(element));
    }
    return ids;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size <= Steps)
        return 0;
    const PythonListFormat* formats[] = {&TroopListFormat, &ItemListFormat,
                                         &PartyTemplateListFormat};
    const PythonListFormat& format = *formats[data[0] % 3];
    const QChar opener = format.opener;
    const QByteArray file(reinterpret_cast<const char*>(data) + Steps, qsizetype(size - Steps));
    const PythonTable table = BuildPythonTable(file, format);
    if (!table.damage.isEmpty() || table.failure != 0)
        return 0;
    PythonLines lines = table.lines + table.tail;
    int max = int(table.lines.size()) - 1;
    int lastEntry = table.lastEntry;
    PythonSource source = table.source;
    QHash<QString, int> gone; // comments of the entries deleted since the last save
    int fresh = 0;
    for (std::size_t k = 1; k < Steps; ++k) {
        const int step = data[k] % 5;
        std::vector<int> entries;
        for (int i = 0; i <= max; ++i) {
            if (IsOnePythonEntry(lines[i], opener) && PythonEntryId(lines[i]) != format.endId)
                entries.push_back(i);
        }
        const int entry = entries.empty() ? -1 : entries[size_t(data[k] / 5) % entries.size()];
        const QString id = entry < 0 ? QString() : PythonEntryId(lines[entry]);
        const QString made = QStringLiteral("fz%1").arg(++fresh);
        if (step == 0 && entry >= 0) {
            lines[entry].replace(u'"' + id + u'"', u'"' + made + u'"');
        } else if (step == 1 && entry >= 0) {
            const std::vector<int> spanOf = SpanOf(source);
            if (const PythonSource::Span* span = OwnSpan(source, spanOf, lines.origin(entry))) {
                const QHash<QString, int> own =
                    Comments(source.bytes.mid(span->from, span->to - span->from), span->start);
                for (auto c = own.begin(); c != own.end(); ++c)
                    gone[c.key()] += c.value();
            }
            Check(DeletePythonEntry(lines, max, entry, opener, &lastEntry));
        } else if (step == 2 && entry >= 0) {
            const QString text = QString(opener) + u'"' + made + QStringLiteral("\", 0") +
                                 (opener == u'[' ? u']' : u')') + u',';
            InsertPythonEntry(lines, max, entry + 1, text, &lastEntry);
        } else if (step == 3 && entry >= 0 && &format == &TroopListFormat) {
            WriteUpgradeLine(lines, max, id, data[k] & 1 ? QStringLiteral("player") : QString(),
                             QString());
        } else if (step == 4) {
            // What stands alone on its lines, unchanged since the last save.
            const std::vector<int> spanOf = SpanOf(source);
            QList<QByteArray> kept;
            for (int j = 0; j < lines.size(); ++j) {
                const PythonSource::Span* span = OwnSpan(source, spanOf, lines.origin(j));
                if (!span || span->to <= span->from || lines[j] != source.elements[lines.origin(j)])
                    continue;
                // An entry that ended its list without a comma may get one
                // between its code and what follows the code on its line.
                const qsizetype comma = span->comma >= 0 ? span->comma : span->to;
                kept.append(source.bytes.mid(span->from, comma - span->from));
                if (comma < span->to)
                    kept.append(source.bytes.mid(comma, span->to - comma));
            }
            PythonSource written;
            const QByteArray out = ComposePythonFile(source, lines, &written);
            // Read as written: deleting the entry that held the bytes which are
            // not UTF-8 may leave a file that reads as UTF-8 on its next load.
            const PythonTable again = BuildPythonTable(out, format, written.coding);
            Check(again.damage.isEmpty() &&
                  Ids(again.lines + again.tail, opener) == Ids(lines, opener));
            qsizetype at = 0;
            for (QByteArray bytes : kept) {
                qsizetype found = out.indexOf(bytes, at);
                if (found < 0) { // the file's last line, a line end behind it now
                    bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
                    found = out.indexOf(bytes, at);
                }
                Check(found >= 0);
                at = found + bytes.size();
            }
            const QHash<QString, int> was = Comments(source.bytes);
            const QHash<QString, int> now = Comments(out);
            for (auto c = now.begin(); c != now.end(); ++c)
                Check(c.value() <= was.value(c.key()) - gone.value(c.key()));
            source = std::move(written);
            lines.markRead();
            gone.clear();
            Check(ComposePythonFile(source, lines) == out);
        }
    }
    return 0;
}
