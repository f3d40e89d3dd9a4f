#include "module_system/modPythonFiles.h"

#include "module_system/PythonEntryLists.h"
#include "module_system/PythonText.h"

#include "platform/Backup.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "shell/modMain.h"

#include <QStringMatcher>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// A line of the list that is no entry (or one that cannot be joined): trimmed,
// but never at an end that lies inside a string running over several lines.
QString TrimListLine(const QString& line, const PySourceLine& info) {
    QStringView text = info.start.inString() ? QStringView(line) : TrimPythonStart(line);
    if (!info.end.inString())
        text = TrimPythonEnd(text);
    return text.size() == line.size() ? line : text.toString();
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
std::optional<ListOpening> FindListOpening(const QString& line, PySourceState state,
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
    qsizetype size = 0;
    for (int k = first; k <= last; ++k)
        size += m_lines[k].size();
    QString entry;
    entry.reserve(size + last - first + 1);
    for (int k = first; k <= last; ++k) {
        const PySourceLine& info = m_scan[k];
        QStringView text = m_lines[k];
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
        if (m_format.compactEntries)
            AppendCompactPython(entry, text);
        else
            AppendIndented(entry, text);
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

    // Every entry line is searched for the marked ids' texts: the searches are
    // prepared once.
    const QStringMatcher hardwiredText(m_format.hardwiredId);
    const QStringMatcher endText(m_format.endId);
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
            !IsPythonEntry(m_lines[i], m_format.opener)) {
            table.lines.append(TrimListLine(m_lines[i], info));
            ++i;
            continue;
        }

        const int element = int(table.lines.size());
        // Only an entry that holds the text of a marked id is read for its id.
        const auto idIs = [&](const QString& wanted, const QStringMatcher& text) {
            return !wanted.isEmpty() && text.indexIn(m_lines[i]) >= 0 &&
                   PythonEntryId(m_lines[i]) == wanted;
        };
        if (idIs(m_format.hardwiredId, hardwiredText))
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
        if (m_closeLine < 0 && idIs(m_format.endId, endText)) {
            // The end entry of a list that never closes ends the editable
            // part: the line behind it stands for the list's "]", and whatever
            // follows goes back to the file as it stands.
            FinishLastEntry(table.lines.last());
            if (last + 1 < n) {
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
            if (m_format.compactEntries && commentAt >= 0) {
                *rest += u' ';
                *rest += TrimPythonEnd(QStringView(m_lines[lastEntryEnd]).mid(commentAt));
            }
            table.lines.insert(table.lastEntry + 1, *rest);
        }
    }
    if (!m_format.endId.isEmpty() && m_closeLine >= 0) {
        // A list with an end entry ends its editable part at its closing
        // bracket, also where comments or blank lines stand between the end
        // entry and the bracket, and without the end entry too: the lines
        // behind the bracket go to the tail, so that entries added at the end
        // stay inside the list.
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
    if (!MayOverwriteChangedFile(path))
        return false;
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
