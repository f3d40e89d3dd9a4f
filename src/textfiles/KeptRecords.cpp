#include "textfiles/KeptRecords.h"

#include "textfiles/modTextFiles.h" // IsBlankLine

#include <algorithm>

namespace {

QList<qsizetype> Range(qsizetype from, qsizetype to) {
    QList<qsizetype> lines;
    for (qsizetype k = from; k < to; ++k) {
        lines.append(k);
    }
    return lines;
}

} // namespace

void KeptRecords::start(const QStringList& lines, const LineEnds& ends) {
    m_lines = lines;
    m_ends = ends.each;
    m_read = ends;
    m_read.each.clear();
    m_next = std::min<qsizetype>(2, lines.size());
    m_records.clear();
    m_tail.clear();
}

qsizetype KeptRecords::pastLayoutAfter(qsizetype from, qsizetype to, bool recordBefore) const {
    return m_layout == Layout::After && recordBefore && from < to && IsBlankLine(m_lines.at(from))
               ? from + 1
               : from;
}

qsizetype KeptRecords::keepLayoutAfter(qsizetype to) {
    const qsizetype from = pastLayoutAfter(m_next, to, !m_records.isEmpty());
    if (from > m_next) {
        m_records.last().layout = m_next;
    }
    return from;
}

void KeptRecords::add(qsizetype first, qsizetype end, bool sound) {
    Record record;
    record.first = first;
    record.end = end;
    record.layout = None;
    record.sound = sound;
    qsizetype from = keepLayoutAfter(first);
    qsizetype to = first;
    if (m_layout == Layout::Before && from < to && IsBlankLine(m_lines.at(to - 1))) {
        record.layout = --to;
    }
    record.lead = Range(from, to);
    m_records.append(record);
    m_next = end;
}

void KeptRecords::finish() {
    m_tail = Range(keepLayoutAfter(m_lines.size()), m_lines.size());
    for (int i = 0; i < m_records.size(); ++i) {
        m_rebuild(i, m_records[i].snapshot);
    }
}

void KeptRecords::insert(int at) {
    m_records.insert(std::clamp<qsizetype>(at, 0, m_records.size()), Record());
}

void KeptRecords::remove(int at) {
    if (at < 0 || at >= m_records.size()) {
        return;
    }
    const QList<qsizetype> lead = m_records.at(at).lead;
    m_records.removeAt(at);
    QList<qsizetype>& next = at < m_records.size() ? m_records[at].lead : m_tail;
    next = lead + next;
}

void KeptRecords::keepLine(qsizetype line, QStringList& lines, LineEnds& ends) const {
    lines.append(m_lines.at(line));
    ends.each.append(m_ends.value(line, m_read.usual));
}

bool KeptRecords::write(const QString& header, const QString& countLine, int count,
                        QStringList& lines, LineEnds& ends) const {
    lines.clear();
    ends = LineEnds();
    if (count != m_records.size()) {
        return false;
    }
    lines.reserve(m_lines.size() + 16);
    ends = m_read;
    ends.each.reserve(m_lines.size() + 16);
    const auto put = [&](const QString& text, qsizetype asRead) {
        const bool same = asRead >= 0 && asRead < m_lines.size() && m_lines.at(asRead) == text;
        lines.append(text);
        ends.each.append(same ? m_ends.value(asRead, m_read.usual) : m_read.usual);
    };
    put(header, 0);
    put(countLine, 1);
    const auto putLayout = [&](qsizetype layout) {
        if (layout == New) {
            put(QString(), None);
        } else if (layout != None) {
            keepLine(layout, lines, ends);
        }
    };

    QStringList rebuilt;
    for (int i = 0; i < count; ++i) {
        const Record& record = m_records.at(i);
        for (const qsizetype line : record.lead) {
            keepLine(line, lines, ends);
        }
        // A troop of its own at the top of the file stands right after the
        // count line, as the game writes it.
        const bool firstOfFile = i == 0 && record.lead.isEmpty() && record.layout == New;
        if (m_layout == Layout::Before && !firstOfFile) {
            putLayout(record.layout);
        }
        m_rebuild(i, rebuilt);
        const qsizetype read = record.end - record.first;
        if (read > 0 && rebuilt == record.snapshot) {
            for (qsizetype k = record.first; k < record.end; ++k) {
                keepLine(k, lines, ends);
            }
        } else {
            for (qsizetype k = 0; k < rebuilt.size(); ++k) {
                put(rebuilt.at(k), k < read ? record.first + k : None);
            }
        }
        if (m_layout == Layout::After) {
            putLayout(record.layout);
        }
    }
    for (const qsizetype line : m_tail) {
        keepLine(line, lines, ends);
    }
    return true;
}
