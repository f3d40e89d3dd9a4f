#include "textfiles/RecordFile.h"

#include "shell/modMain.h"
#include "textfiles/modTextFiles.h"

#include <algorithm>

namespace {

// " the troop editor shows troop # 5 as unreadable and does not update it.",
// which ends every note of a record out of shape.
QString Unreadable(const RecordFile& file, int record) {
    return QStringLiteral(" the ") + file.format.editor + QStringLiteral(" shows ") +
           file.words.kind + QStringLiteral(" # ") + QString::number(record) +
           QStringLiteral(" as unreadable and does not update it.");
}

QString TooManyNote(const RecordFile& file, int found) {
    return QStringLiteral("Your ") + file.format.fileName + QStringLiteral(" holds ") +
           QString::number(found) + QLatin1Char(' ') + file.format.kinds +
           QStringLiteral("; the game reads no more than ") + QString::number(file.gameLimit) +
           QStringLiteral(". The editor keeps them all and saves them all.");
}

// The walk of one load over the lines after lines 1 and 2, with what it
// tells of them.
class RecordWalk {
public:
    RecordWalk(const RecordFile& file, const QStringList& lines, PendingFailure& failure)
        : m_file(file), m_lines(lines), m_failure(failure),
          m_notes(file.format.fileName, file.format.editor),
          m_stray(file.format.fileName, file.words.kind) {}

    // Reads every record into the tables and the kept lines; returns how
    // many there are.
    int walk();
    // Tells the user what the walk found, for a file whose lines 1 and 2
    // read `head`.
    void tell(const FileHead& head, int found);

private:
    // The record found last, kept once the lines after it are walked: a line
    // of no record right after it may find it cut short.
    struct Found {
        qsizetype first = 0;
        qsizetype end = 0;
        int record = 0;
        bool sound = true;
    };

    // The lines from `from` up to `to` belong to no record found. Wherever
    // the lines of a record whose first line was emptied or lost stand among
    // them, they are held as that record: its first line is the line before
    // them when that is one of these lines not taken yet, else it has none.
    // Every other line that holds more than blanks is a line of no record.
    void outside(qsizetype from, qsizetype to);
    void strayUpTo(qsizetype from, qsizetype to);
    void held(qsizetype first, qsizetype at, qsizetype end);
    void keepFound();

    const RecordFile& m_file;
    const QStringList& m_lines;
    PendingFailure& m_failure;
    LoadNotes m_notes;
    StrayLines m_stray;
    int m_records = 0;
    std::optional<Found> m_found;
};

int RecordWalk::walk() {
    const qsizetype count = m_lines.size();
    qsizetype free = std::min<qsizetype>(2, count); // the first line of no record
    for (qsizetype at = free; at < count;) {
        if (!m_file.beginsRecord(m_lines.at(at))) {
            ++at;
            continue;
        }
        outside(free, at);
        const int record = m_records++;
        // More records than the game holds are kept and saved all the same,
        // but the user is told that the file goes beyond what the game reads.
        if (m_file.gameLimit > 0 && record == m_file.gameLimit) {
            m_failure.raise(Err::SubscriptOutOfRange);
        }
        const RecordRead read = m_file.readRecord(m_lines, at, m_notes);
        if (!read.damage.isEmpty()) {
            m_notes.add(read.damage + Unreadable(m_file, record));
        }
        m_found = Found{at, read.end, record, read.damage.isEmpty()};
        at = free = read.end;
    }
    outside(free, count);
    return m_records;
}

void RecordWalk::outside(qsizetype from, qsizetype to) {
    // The empty line after a record is its own, not where the next record's
    // first line stood: the kept lines take it so too.
    qsizetype free = m_file.kept->pastLayoutAfter(from, to, m_records > 0); // not taken yet
    for (qsizetype at = free; at < to; ++at) {
        if (IsBlankLine(m_lines.at(at))) {
            continue;
        }
        const std::optional<qsizetype> end = m_file.tailEnd(m_lines, at, to);
        if (!end) {
            continue;
        }
        const qsizetype first = at > free ? at - 1 : at;
        strayUpTo(free, first);
        held(first, at, *end);
        free = *end;
        at = free - 1;
    }
    strayUpTo(free, to);
    keepFound();
}

void RecordWalk::strayUpTo(qsizetype from, qsizetype to) {
    for (qsizetype at = from; at < to; ++at) {
        const QString& line = m_lines.at(at);
        if (IsBlankLine(line)) {
            continue;
        }
        m_stray.add(at + 1, line, *m_file.ids);
        if (m_found && m_found->sound && m_file.cutShortNote) {
            m_found->sound = false;
            m_notes.add(m_file.cutShortNote(m_notes, at, line) +
                        Unreadable(m_file, m_found->record));
        }
    }
}

void RecordWalk::held(qsizetype first, qsizetype at, qsizetype end) {
    keepFound();
    const int record = m_records++;
    m_file.holdRecord(m_lines, first, at, m_notes);
    m_file.kept->add(first, end, false);
    m_notes.add(HeldRecordNote(m_notes, m_lines, first, at, end, record, m_file.words) +
                Unreadable(m_file, record));
}

void RecordWalk::keepFound() {
    if (m_found) {
        m_file.kept->add(m_found->first, m_found->end, m_found->sound);
        m_found.reset();
    }
}

void RecordWalk::tell(const FileHead& head, int found) {
    if (!head.readsAsOwn()) {
        // Its records are laid out otherwise, or stand elsewhere than read:
        // told once, and nothing of them.
        ShowOtherHead(head);
        return;
    }
    if (m_file.gameLimit > 0 && found > m_file.gameLimit) {
        m_notes.add(TooManyNote(m_file, found));
    }
    m_notes.show(m_stray.told());
    if (const int count = CountValue(head.countLine).value(); count != found) {
        ShowCountMismatch(m_file.format.fileName, count, found, m_file.words.kind);
    }
}

} // namespace

bool LoadRecordFile(const RecordFile& file) {
    PendingFailure failure;
    file.clearTables();
    QStringList lines;
    LineEnds ends;
    const bool read = ReadModuleTextFile(file.format.fileName, lines, failure, &ends);
    file.kept->start(lines, ends);
    *file.head =
        read ? ReadCountHead(file.format, lines.value(0), lines.value(1)) : FileHead(file.format);
    const FileHead& head = *file.head;
    int found = 0;
    if (read) {
        RecordWalk walk(file, lines, failure);
        found = walk.walk();
        file.kept->finish();
        file.loaded(found);
        walk.tell(head, found);
    } else {
        // An editor that started from empty tables would otherwise save them
        // over the file it could not read: the failure is reported.
        file.kept->finish();
        file.loaded(found);
    }
    ReportPending(failure, file.loadProc);
    return read;
}

QString RecordCountLine(const RecordFile& file, int count) {
    return CountLineFor(count, file.head->countLine, file.countBlankAfter);
}

bool SaveRecordFile(const RecordFile& file, int count) {
    const FileHead& head = *file.head;
    if (!MaySaveFileHead(head)) {
        return false;
    }
    QStringList lines;
    LineEnds ends;
    if (!file.kept->write(head.header, RecordCountLine(file, count), count, lines, ends)) {
        // A change of the tables that did not reach the kept lines: writing
        // would put records over the lines of others.
        PendingFailure failure;
        failure.raise(Err::SubscriptOutOfRange,
                      file.format.fileName + QStringLiteral(" was not saved and is unchanged."));
        ReportPending(failure, file.saveProc);
        return false;
    }
    return SaveModuleTextFile(file.format.fileName, lines, file.savedTitle, file.saveProc,
                              QString(), ends);
}
